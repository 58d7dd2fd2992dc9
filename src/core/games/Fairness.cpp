// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/Fairness.h"

#include "common/Formats.h"

#include <algorithm>

namespace pw {

ShareSpread shareSpread(const QList<QPair<qint16, int>>& shares)
{
    ShareSpread s;
    if (shares.isEmpty())
        return s;
    s.players = int(shares.size());
    s.highest = shares.first().second;
    s.lowest = shares.first().second;
    qint64 sum = 0;
    for (const auto& [playerNo, share] : shares) {
        s.highest = std::max(s.highest, share);
        s.lowest = std::min(s.lowest, share);
        sum += share;
    }
    // Rounded before comparing, so that "12 points under 68%" is exactly what the marks mean.
    s.average = int(RoundHalfEven(double(sum) / double(s.players)));
    for (const auto& [playerNo, share] : shares) {
        if (s.isBehind(share))
            s.behind << playerNo;
    }
    return s;
}

}  // namespace pw
