// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace pw {

// A stored Result counts as a result when it is a number of at least 1 (1 won, 2 lost, 3 tied,
// 99 waiting for the record to be recomputed); empty or anything else means not played yet.
bool isResult(const QVariant& result);

// True when gameNo is 0 (the whole season) or the game has a result.
bool CheckGameStatus(qint16 lcTeamNo, qint16 lcGameNo);

// What selecting a game needs to know of it, in one read.
struct GameStatus {
    qint16 opponentNo = 0;
    bool hasResult = false;  // the test of CheckGameStatus
};
GameStatus readGameStatus(qint16 teamNo, qint16 gameNo);

// How many of the ";"-separated pieces are 1: "1;0;1;1" gives 3.
qint16 CountQtrs(const QString& QtrStr);

}  // namespace pw
