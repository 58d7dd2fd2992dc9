// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/LogoPicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPixmap>

namespace pw {

bool showLogo(QLabel* label, const QString& path, QSize box)
{
    if (QMovie* old = label->movie()) {
        old->stop();
        label->setMovie(nullptr);
        old->deleteLater();
    }
    label->clear();
    if (path.isEmpty() || path == QLatin1String("0") || !QFileInfo(path).isFile())
        return false;

    auto* movie = new QMovie(path, QByteArray(), label);
    if (movie->isValid() && movie->frameCount() > 1) {
        movie->jumpToFrame(0);
        movie->setScaledSize(movie->currentImage().size().scaled(box, Qt::KeepAspectRatio));
        label->setMovie(movie);
        movie->start();
        return true;
    }
    delete movie;

    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    const qreal ratio = label->devicePixelRatioF();
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled((QSizeF(box) * ratio).toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
    return true;
}

}  // namespace pw
