#pragma once

#include <QString>

namespace pw {

class TeamTreeModel;

struct PointValues {
    qint16 win = 0;
    qint16 tie = 0;
    qint16 loss = 0;
};

// "3;1;0" -> win 3, tie 1, loss 0. Missing or malformed parts count as 0 points.
PointValues parsePointValue(const QString& pointValue);

struct RecordSummary {
    bool computed = false;  // false when there was no team to compute for
    int wins = 0;
    int losses = 0;
    int ties = 0;
    int points = 0;
    QString scoreText;  // "goals for-goals against" of the asked game, "" when not played or not in range

    QString recordText() const;      // "Record: 2 - 1 - 1" (wins - losses - ties)
    QString pointTotalText() const;  // "Point Total:7"
};

// Recomputes the results of the season's games (or, with a tournament current, of its games)
// from the goals in the statistics: rewrites Result as 1 won, 2 lost, 3 tied for every game that
// has a result, updates the game nodes' images and "Score" texts in tree (when given), and
// returns the record, the point total and the score of gameNo. Reads the store twice whatever
// the number of games.
RecordSummary GetRecord(qint16 teamNo, qint16 gameNo, TeamTreeModel* tree);

}  // namespace pw
