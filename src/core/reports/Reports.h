// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print/PrintLayer.h"

#include <QList>

namespace pw {

class LineupBoard;
struct LineupGame;

// The printed reports. Each draws the whole report on the printout it is given (SetPrinter has
// been done by whoever made the printout, and EndPrint is left to it too), reads its rows with a
// fixed number of queries whatever the size of the team (one per section, never one per player
// and game), and writes nothing. A team without players, games or notes prints its headings and
// an empty table. Each report has the orientation it is laid out for.

// Season schedule (portrait).
constexpr int kScheduleOrientation = Printout::Portrait;
void PrintSchedule(Printout& p, qint16 teamNo);

// Roster hand-out for families, with the practice days and the coaches (portrait).
constexpr int kHandoutOrientation = Printout::Portrait;
void PrintHandoutRoster(Printout& p, qint16 teamNo);

// The league's official roster form, continued on further pages when the players do not fit
// (landscape).
constexpr int kOfficialRosterOrientation = Printout::Landscape;
void PrintOfficialRoster(Printout& p, qint16 teamNo);

// A player's notes, or every player's (playerNo 0) by last name (portrait).
constexpr int kPlayerNotesOrientation = Printout::Portrait;
void PrintPlayerNotes(Printout& p, qint16 teamNo, qint16 playerNo);

// One team note: "Message from the Coach", its subject, its text and its date (portrait).
constexpr int kMessageOrientation = Printout::Portrait;
void PrintMessage(Printout& p, qint16 teamNo, qint32 noteId);

// Team statistics over the season, one row per player and a Totals row (portrait).
constexpr int kTeamStatsOrientation = Printout::Portrait;
void FilePrintTeamSub(Printout& p, qint16 teamNo);

// Statistics by game of the given players, each under its own heading (portrait).
constexpr int kPlayerStatsOrientation = Printout::Portrait;
void PrintIndividualStats(Printout& p, qint16 teamNo, const QList<qint16>& playerNos);
// Whom "Player Stats" and "Player Notes" print: with a player selected the coach is asked "Print
// All Players" (Yes every player by last name, No only him); without one, every player.
QList<qint16> playersToPrint(qint16 teamNo, qint16 selectedPlayerNo);

// The playing-time report for parents: each player's season share, periods by zone,
// goalkeeping and captaincies, the team's spread and who played fewer than the minimum periods
// in which games, then the season game by game (a page a month when the games do not fit across)
// (landscape).
constexpr int kPlayTimeOrientation = Printout::Landscape;
void PrintPlayTimeReport(Printout& p, qint16 teamNo);

// The blank tally sheet of one game, field players and goalkeepers apart (portrait).
constexpr int kStatSheetOrientation = Printout::Portrait;
void PrintStatSheet(Printout& p, qint16 teamNo, qint16 gameNo);

// The line-up sheet of the open line-up board: a panel per period with the field as placed and
// the reserves, then the board's grid (portrait).
constexpr int kLineupSheetOrientation = Printout::Portrait;
void GamePrintSetupSub(Printout& p, const LineupBoard& board, const LineupGame& game);

}  // namespace pw
