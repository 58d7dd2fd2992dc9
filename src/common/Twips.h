// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <cmath>

namespace pw {

constexpr int kTwipsPerInch = 1440;

// Sizes kept in twips are turned into logical pixels once, at the screen's logical DPI.
inline int twipsToPixels(int twips, qreal logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

inline int pixelsToTwips(int pixels, qreal logicalDpi)
{
    return logicalDpi > 0 ? static_cast<int>(std::lround(pixels * kTwipsPerInch / logicalDpi)) : 0;
}

}  // namespace pw
