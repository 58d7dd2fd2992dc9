// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <array>
#include <limits>
#include <optional>

namespace pw {

// The eight figures of a player's game as the grids show them, in the grids' order: Shots, Goals,
// Blocks, Assists, ShotOnGoal, GoalsScored, GoalsBlocked, OverShot. Figures are held and summed in
// 64 bits: a store written by another program may hold any number, and a season's sum of large
// ones must neither overflow nor turn negative.
constexpr int kFigureCount = 8;
using Figures = std::array<std::optional<qint64>, kFigureCount>;

// A stored figure as a number: empty for NULL or blank text, the nearest number for text or a
// fraction, 0 for text that is no number.
std::optional<qint64> figureOf(const QVariant& stored);

// a + b, held at the ends of the 64-bit range rather than wrapping round.
inline qint64 addFigures(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

// One player's line of the roster grid for the selected game or summary.
struct PlayerGameLine {
    bool shown = false;     // a single game without the player's statistics row shows nothing
    int percent = 0;        // playing time up to and including the game (or over the summary)
    bool hasShare = false;  // the percent has periods available behind it
    Figures figures{};      // an empty field stays empty; in a summary a total of 0 too
    std::optional<qint64> qtrPlayed{};
    std::optional<qint64> qtrAvailable{};
};

// What the main window shows for a selection: a line per player and the team's eight totals.
struct GameView {
    QHash<qint16, PlayerGameLine> lines;  // by player number
    std::array<qint64, kFigureCount> totals{};
};

// The playing-time share of one player: played periods over available ones, counted over the
// player's statistics rows of the season (tournament 0: every row of the team, tournament games
// included) or of tournament T (games T*1000 to (T+1)*1000). For a single game, rows up to and
// including it count; for a summary (gameNo = T*1000) every row counts. The share is a whole
// percentage, an exact half going to the even number; 0 without available periods.
struct PlayTimeRow {
    qint16 gameNo = 0;
    int qtrPlayed = 0;
    QString qtrAvailable;
};
int playTimePercent(const QList<PlayTimeRow>& rows, qint16 tournamentNo, qint16 gameNo);

// The roster grid's figures for the selection, for every player of the team, in two reads
// whatever the number of players and games: the store sums each player's rows (one row per
// player; a third read only for rows written in a form the store cannot add up as the program
// does). With storeShares the players' shares are stored in PlayTime (one write, only where a
// share changed; none on a read-only database). Selecting and reports only look, and leave the
// stored shares alone (storeShares false).
GameView readGameView(qint16 teamNo, qint16 tournamentNo, qint16 gameNo, bool storeShares = true);

// Stores every player's share of the season in PlayTime; the line-up and statistics saves call
// it, so that the stored shares follow what was saved without a write when the coach only looks.
void storeSeasonShares(qint16 teamNo);

// CalculatePlayTime for one player: the share for the selection, stored in the player's PlayTime,
// with the player's figures of the game (or totals of the summary) when asked for.
int CalculatePlayTime(qint16 teamNo, qint16 tournamentNo, qint16 gameNo, qint16 lcPlyrNo,
                      PlayerGameLine* figures = nullptr);

// One line of the selected player's game record (the lower grid): a played game, or the
// "Tournament" separator before the games of the next tournament.
struct PlayerRecordLine {
    bool separator = false;
    qint16 gameNo = 0;
    QString opponent;
    std::optional<int> qtrPlayed;
    int qtrAvailable = 0;
    Figures figures{};  // the eight figures as stored
};
// The player's games of the team that have a result, by game number, a separator before each
// tournament's games.
QList<PlayerRecordLine> FillPlayerData(qint16 teamNo, qint16 playerNo);

}  // namespace pw
