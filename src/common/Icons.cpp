// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Icons.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cstring>
#include <iterator>
#include <utility>

namespace pw {

namespace {

// The sizes drawn at build time (resources/CMakeLists.txt draws the same list), smallest first.
constexpr int kSizes[] = {16, 24, 32, 48, 64, 128};

// The drawing's pixels as tools/icongen wrote them: premultiplied ARGB, size x size.
QString pictureFile(const QString& name, int size)
{
    return QStringLiteral(":/icons/%1-%2.argb").arg(name).arg(size);
}

QImage readDrawing(const QString& name, int size)
{
    QFile file(pictureFile(name, size));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    const QByteArray pixels = file.readAll();
    if (image.isNull() || pixels.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), pixels.constData(), size_t(pixels.size()));
    return image;
}

// Reads only the drawing a size needs, when it is first shown. (A QIcon made of files reads and
// decodes every file it is given at once: six sizes of every toolbar icon before the first frame.)
class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(QString name, QString selected)
        : m_name(std::move(name))
        , m_selected(std::move(selected))
    {
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_name, m_selected); }
    QString key() const override { return QStringLiteral("PitchwiseDrawn"); }
    QString iconName() override { return m_name; }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    // The desktop is sent every size listed here with each window's icon: the largest drawing is
    // kept for screens of scale 2 and up and not sent.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int s : kSizes) {
            if (s <= 64)
                sizes << QSize(s, s);
        }
        return sizes;
    }

    // size is in device pixels here: QIcon asks for the logical size times the screen's scale.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return {};
        const QString& name = mode == QIcon::Selected && !m_selected.isEmpty() ? m_selected : m_name;
        const quint64 key = (quint64(side) << 8) | (quint64(mode) << 1) | quint64(state);
        if (const auto it = m_made.constFind(key); it != m_made.constEnd())
            return *it;
        QPixmap made = drawing(name, side);
        if (mode == QIcon::Disabled)
            made = greyed(made);
        m_made.insert(key, made);
        return made;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const QSize pixels(qRound(rect.width() * scale), qRound(rect.height() * scale));
        QPixmap shown = pixmap(pixels, mode, state);
        shown.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), shown);
    }

private:
    // The drawing made for side pixels, or the next larger one scaled down (never one scaled up
    // unless side is beyond the largest drawing).
    static QPixmap drawing(const QString& name, int side)
    {
        int source = kSizes[std::size(kSizes) - 1];
        for (int s : kSizes) {
            if (s >= side) {
                source = s;
                break;
            }
        }
        QImage image = readDrawing(name, source);
        if (image.isNull())
            return {};
        if (source != side)
            image = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }

    // A command that cannot run now: its picture in grey at half strength.
    static QPixmap greyed(const QPixmap& pixmap)
    {
        QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(line[x]);
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
            }
        }
        return QPixmap::fromImage(std::move(image));
    }

    QString m_name;
    QString m_selected;
    QHash<quint64, QPixmap> m_made;
};

}  // namespace

QIcon programIcon(const QString& name, const QString& selected)
{
    // Icons are implicitly shared: every toolbar button and tree row showing one picture shares
    // one engine and the drawings it has read.
    static QHash<QString, QIcon> made;
    const QString key = selected.isEmpty() ? name : name + QLatin1Char('|') + selected;
    if (const auto it = made.constFind(key); it != made.constEnd())
        return *it;
    const QIcon icon(new DrawnIconEngine(name, selected));
    made.insert(key, icon);
    return icon;
}

bool hasProgramIcon(const QString& name)
{
    return QFile::exists(pictureFile(name, kSizes[0]));
}

}  // namespace pw
