// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>

namespace pw {

// How far apart the players' playing-time shares are, and who trails the team.
constexpr int kBehindPoints = 10;  // more than this many points under the average is "behind"

struct ShareSpread {
    int players = 0;  // players with a share: some periods available
    int highest = 0;
    int lowest = 0;
    int average = 0;       // the mean of the players' shares, a whole percentage
    QList<qint16> behind;  // more than kBehindPoints under the average, in the order given

    int spread() const { return highest - lowest; }
    // How many points a share lies under the average (negative above it).
    int pointsUnder(int share) const { return average - share; }
    bool isBehind(int share) const { return players > 1 && pointsUnder(share) > kBehindPoints; }
};

// The spread of the given shares (player, whole percentage). Only players who had periods
// available belong in the list: a share of nothing available says nothing about fairness.
ShareSpread shareSpread(const QList<QPair<qint16, int>>& shares);

}  // namespace pw
