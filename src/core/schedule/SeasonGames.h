// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace pw {

// One season game as the main window's tree shows it, with its opponent's particulars.
struct SeasonGame {
    qint16 teamNo = 0;
    qint16 gameNo = 0;
    QVariant gameDate;
    QString gameTime;
    QString fieldName;
    qint16 result = 0;
    QVariant rescheduleDate;
    QString rescheduleTime;
    QString opponentName;
    QString opponentCoach;
    QString opponentCoachPhone;
    QString opponentColor;
};

// The season games (numbers below 1000) of the given teams, each team's games by date (games
// without a date last), teams in the order given. One statement, however many teams.
QList<SeasonGame> readSeasonGames(const QList<qint16>& teamNos);

// The lines shown under a game node, as (detail word, text): the date, a changed date when there
// is one, field, coach, phone, colour and an empty score.
QList<QPair<QString, QString>> gameDetailLines(const SeasonGame& game);

// The picture of a game node for a stored result: 1 "won", 2 "lost", 3 "tied", else "nyp".
QString resultImage(int result);

}  // namespace pw
