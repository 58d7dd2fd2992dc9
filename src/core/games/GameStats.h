// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pw {

// The eight figures of one player in one game, as the coach types them: each a text, empty where
// nothing was entered or stored. Goals counts for the team; GoalsScored is what a goalkeeper let in.
struct StatFigures {
    QString shots;
    QString goals;
    QString blocks;
    QString assists;
    QString shotOnGoal;    // a goalkeeper's shots faced: saves + goals let in + missed shots
    QString goalsBlocked;  // a goalkeeper's saves
    QString overShot;      // shots that missed the goal
    QString goalsScored;   // goals let in

    // The GameStat columns of the figures, and the figures in the same order.
    static QStringList columns();
    QStringList texts() const;
};

// A player's GameStat row for one game. The periods belong to the line-up board: they are shown
// here but never written by the statistics.
struct PlayerGameStats {
    bool exists = false;
    StatFigures figures;
    qint32 qtrPlayed = 0;
    QString qtrAvailable;  // "1;1;0;1"
};

// One read, whatever the row holds; a player without a row gives empty figures.
PlayerGameStats readGameStats(qint16 teamNo, qint16 gameNo, qint16 playerNo);

// A goalkeeper is a player whose position text ends in the Goalie tick: "0;0;0;0;1".
bool isGoalkeeper(const QString& positionText);

// A figure as stored: an empty box counts 0, a whole number from 0 to 32767 is itself (spaces
// around it do no harm), and anything else (letters, fractions, signs) is no figure.
std::optional<qint32> figureValue(const QString& text);

// A goalkeeper's shots on goal from the saves, goals let in and missed shots: their sum, or "Err"
// when one of them is no figure (or the sum would be none). Empty while all three are empty,
// since nothing has been entered yet.
QString goalieShotsOnGoal(const QString& goalsBlocked, const QString& goalsLetIn, const QString& overShot);

// A game of its own, rather than nothing (0) or a season or tournament as a whole (a multiple
// of 100): the only kind that statistics can be entered for.
bool isSingleGame(qint16 gameNo);

// A player as the statistics dialog offers him: the picker's text and what the dialog shows
// above the figures.
struct StatPlayer {
    qint16 playerNo = 0;
    QString text;  // the shared name formatter's text for the coach's name option
    QString lastName;
    QString firstName;
    QString position;
    bool goalkeeper() const { return isGoalkeeper(position); }
};

// The team's players by jersey number (players without one first, then by number), in one read.
QList<StatPlayer> statPlayers(qint16 teamNo, int nameOption);

// Writes the player's figures for the game and marks the game as waiting for its result to be
// recomputed (Result 99), both or neither. The row is added when the player has none; the
// opponent is the game's. An empty figure is stored as 0. A player who is no goalkeeper keeps the
// goalkeeper figures his row holds (0 where it holds none), since the dialog does not show them.
// Periods played, availability and captaincy are never touched. A figure that is not a whole
// number refuses the save with PwError before anything is written. True when the row was added.
bool saveGameStats(qint16 teamNo, qint16 gameNo, qint16 opponentNo, qint16 playerNo, const StatFigures& figures,
                   bool goalkeeper);

}  // namespace pw
