// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/games/Fairness.h"
#include "core/games/Pitch.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace pw {

// What the playing-time report prints: every game of the season (tournament games included, as
// the season's share counts them) and, for each player, game by game, the periods he played of
// those he was available for, the zones he played them in, his captaincies and his season share.

// A game with statistics rows, in the order of play.
struct PlayTimeGame {
    qint16 gameNo = 0;
    QDate date;           // invalid when the game has none
    QString opponent;     // the opponent, or the tournament of a tournament game; safe to show
    bool played = false;  // somebody stood on the field: the minimum periods apply
};

using ZoneCounts = std::array<int, kFieldZones>;  // periods by FieldZone

// One player in one game.
struct PlayTimeCell {
    bool hasRow = false;  // the player has a statistics row for the game
    int played = 0;
    int available = 0;
    ZoneCounts zones{};
    bool captain = false;
    bool belowMinimum = false;  // fewer periods than the minimum (or all he was available for)
};

struct PlayTimePlayer {
    qint16 playerNo = 0;
    QString name;               // "Last, First", safe to show
    QString jersey;             // as stored, safe to show
    QList<PlayTimeCell> games;  // one per game of the season, in its order
    int played = 0;
    int available = 0;
    bool hasShare = false;  // some periods available
    int share = 0;          // played over available, a whole percentage
    ZoneCounts zones{};
    int captaincies = 0;         // games he captained
    bool seasonCaptain = false;  // one of the season captains of a team that keeps them
    QList<int> belowMinimum;     // the games (indexes into games) he played fewer than the minimum
};

struct PlayTimeSeason {
    QString teamName;             // safe to show
    QString seasonLine;           // "Fall 2026 (U10 G)"
    int minPeriods = 0;           // the team's MinQtrReq
    bool seasonCaptains = false;  // the team keeps its captains for the season
    QList<PlayTimeGame> games;
    QList<PlayTimePlayer> players;  // by last name, then first name
    ShareSpread spread;             // of the players with a share
};

// The season of a team in five reads, whatever the number of players and games.
PlayTimeSeason readPlayTimeSeason(qint16 teamNo);

// A game's zones in short: "G1 D2 M1" (goal, defence, midfield, attack; zones not played left out).
QString zoneText(const ZoneCounts& zones);

}  // namespace pw
