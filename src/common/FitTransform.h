// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <algorithm>

namespace pw {

// Maps a drawing of the given size (in its own units, such as field twips) into target, scaled
// evenly so that it fits whole and centred. Identity for an empty target.
inline QTransform fitTransform(const QRectF& target, const QSizeF& content)
{
    if (target.width() <= 0 || target.height() <= 0 || content.isEmpty())
        return {};
    const double scale = std::min(target.width() / content.width(), target.height() / content.height());
    const double dx = target.left() + (target.width() - content.width() * scale) / 2.0;
    const double dy = target.top() + (target.height() - content.height() * scale) / 2.0;
    return QTransform(scale, 0, 0, scale, dx, dy);
}

}  // namespace pw
