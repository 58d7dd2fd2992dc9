// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

// The points a team's league gives for a win, a tie and a loss (the team's PointValue).
struct PointValues {
    qint16 win = 0;
    qint16 tie = 0;
    qint16 loss = 0;
};

// "3;1;0" -> win 3, tie 1, loss 0. Missing or malformed parts count as 0 points.
PointValues parsePointValue(const QString& pointValue);
// False when a part is not a whole number (or there are more than three), so the coach can be
// told which value is wrong rather than silently scoring 0.
bool pointValueIsWellFormed(const QString& pointValue);

}  // namespace pw
