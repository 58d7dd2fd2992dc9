// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/games/LineupSolver.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace pw {

class LineupBoard;
struct LineupGame;

// What a proposal needs beyond the board: each player's periods in goal in the season's (or the
// tournament's) earlier games, and the field players the coach allows in goal.
struct KeeperHistory {
    QHash<qint16, int> goalPeriods;
    QSet<qint16> mayPlayGoal;
};
// One read whatever the size of the roster and the season.
KeeperHistory readKeeperHistory(const LineupGame& game);

// The board's line-up as the solver sees it: players in grid order, periods 1.. as 0.., the
// formation's spots, the locks, and periods before `fromPeriod` kept as they are.
LineupProblem lineupProblem(const LineupBoard& board, int minPeriods, const KeeperHistory& history, int fromPeriod = 1);

// "Suggest Line-up": fills the board's periods from `fromPeriod` on by the proposal's rules,
// around what is locked, and returns the one-line note saying what it did ("Sean 4 periods,
// lowest share 50% → 60%"). Placements only: nothing is stored.
QString proposeLineup(LineupBoard& board, int minPeriods, const KeeperHistory& history, int fromPeriod = 1);

}  // namespace pw
