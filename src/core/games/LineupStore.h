// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

class LineupBoard;

// The game a line-up board was opened for, fixed when it opens: whatever the main window selects
// afterwards, the board reads and writes this game only.
struct LineupGame {
    qint16 teamNo = 0;
    qint16 gameNo = 0;
    qint16 tournamentNo = 0;  // 0 for a season game
    qint16 opponentNo = 0;
    int periods = 4;
    int places = 11;
    bool trackCaptain = false;  // the team keeps season captains instead of one per game
    int nameOption = 0;         // the coach's NameOpt
    int minPeriods = 0;         // the team's MinQtrReq: the least periods each available player plays
};

// FillPlayerGrid: the roster in the board's order (first name with name option 2, else last name),
// each player's totals over the earlier games of the season or tournament, his availability and
// captaincy in this game and the stored line-up. Four reads whatever the size of the roster and
// the season. Rows of players no longer on the roster are ignored.
void FillPlayerGrid(LineupBoard& board, const LineupGame& game);

// GameSave: replaces the game's line-up rows by the board's placements and writes every roster
// player's periods played and availability into his statistics row (added with zero figures when
// he has none), in one transaction: either all of it is stored or nothing changes. Refused when
// the game is no longer in the schedule.
void saveLineup(const LineupBoard& board, const LineupGame& game);

// What the board writes as it opens: a statistics row for every roster player who has none for the
// game (the availability and captain commands write into it), in one statement. Rows already
// there, figures and periods played included, stay as they are until the coach saves. Nothing for
// a game that is no longer in the schedule. True when rows were added.
bool addMissingStatRows(const LineupBoard& board, const LineupGame& game);

// Written at once when the coach changes them on the board. A player without a statistics row for
// the game (the game's rows were deleted while the board stayed open) gets one with no figures,
// available as qtrAvailable says.
void writeAvailability(const LineupGame& game, qint16 playerNo, const QString& qtrAvailable);
void writeCaptain(const LineupGame& game, qint16 playerNo, bool captain, const QString& qtrAvailable);

// GameDelete: the game's line-up and statistics rows, in one transaction.
void deleteLineup(qint16 teamNo, qint16 gameNo);

// The player's periods played in every game of the team, by game: "3-4-2-0".
QString playTimeHistory(qint16 teamNo, qint16 playerNo);

}  // namespace pw
