// SPDX-License-Identifier: GPL-3.0-or-later
// pw_icongen SVG OUTDIR SIZE...
//
// Draws an icon's SVG at each size once, at build time, and writes each drawing's pixels as they
// lie in memory (32-bit premultiplied ARGB, rows top to bottom, no header) to OUTDIR/<name>-<size>.argb.
// The program copies them into an image as they are: no SVG parse and no PNG decode when a window
// first shows its icons. The pixels are in this machine's byte order, and the program is built here.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fputs("usage: pw_icongen SVG OUTDIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer picture(args.at(1));
    if (!picture.isValid()) {
        std::fprintf(stderr, "pw_icongen: %s is no SVG picture\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString name = QFileInfo(args.at(1)).completeBaseName();
    for (qsizetype i = 3; i < args.size(); ++i) {
        const int size = args.at(i).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "pw_icongen: %s is no size\n", qPrintable(args.at(i)));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter);
        painter.end();
        QFile out(QStringLiteral("%1/%2-%3.argb").arg(args.at(2), name).arg(size));
        const auto bytes = qsizetype(image.sizeInBytes());
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes || !out.flush()) {
            std::fprintf(stderr, "pw_icongen: %s: %s\n", qPrintable(out.fileName()), qPrintable(out.errorString()));
            return 1;
        }
    }
    return 0;
}
