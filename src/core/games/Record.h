// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/PointValue.h"

#include <QList>
#include <QString>

namespace pw {

// A played game's recomputed result: 1 won, 2 lost, 3 tied, and its score "for-against".
struct GameResult {
    qint16 gameNo = 0;
    int result = 0;
    QString score;
};

struct RecordSummary {
    bool computed = false;  // false when there was no team to compute for
    int wins = 0;
    int losses = 0;
    int ties = 0;
    int points = 0;
    QString scoreText;        // the asked game's "for-against", "" when not played or not in range
    QList<GameResult> games;  // every played game of the range, for the tree's pictures and scores

    QString recordText() const;      // "Record: 2 - 1 - 1" (wins - losses - ties)
    QString pointTotalText() const;  // "Point Total:7"
};

// Recomputes the results of the team's season games (tournamentNo 0) or of one tournament's
// games from the goals in the statistics, stores any result that is out of step (1 won, 2 lost,
// 3 tied) and returns the record, the points and the score of gameNo. Only a game with entered
// figures (a statistics row) counts; a stored result of a game without any is taken away. Two
// reads whatever the number of games, and one write only when a stored result changes. Without
// storeResults nothing is written: the record shown is the same, the stored results wait for the
// next computation that stores (the main window stores them after a save, never on a click).
RecordSummary GetRecord(qint16 teamNo, qint16 tournamentNo, const PointValues& points, qint16 gameNo = 0,
                        bool storeResults = true);

}  // namespace pw
