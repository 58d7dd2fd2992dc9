// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSet>
#include <QString>

namespace pw {

// One player as the captains window lists him.
struct CaptainPlayer {
    qint16 playerNo = 0;
    QString caption;             // "Last, First", safe to show
    bool seasonCaptain = false;  // one of the team's season captains
    QList<qint16> games;         // season games he captained, ascending
};

// Who captained the team: its fixed season captains, or the captain of each season game.
struct CaptainHistory {
    bool seasonMode = false;       // captains are kept for the season rather than per game
    qint16 numberOfGames = 0;      // the games 1 to numberOfGames have a column
    QString storedSeasonCaptains;  // the team's season-captain text as stored
    QList<CaptainPlayer> players;  // by last name, then first name (case ignored), then number
};

// The season's captains read from their text: player numbers joined by ";". Spaces and empty
// pieces are passed over, and a piece that is no player number is ignored.
QSet<qint16> seasonCaptainSet(const QString& text);
// The team's season captains as stored.
QSet<qint16> readSeasonCaptains(qint16 teamNo);

// The text season captains are stored as: the numbers in the given order, joined by ";", each
// once; empty when there are none.
QString seasonCaptainText(const QList<qint16>& playerNos);

// What the captains window shows, in at most three reads whatever the number of players and games.
// Only season games count: a captain of a tournament game, or of a game past the team's game
// count, has no column.
CaptainHistory readCaptains(qint16 teamNo);

// Stores the season captains in the order given. False when the team is gone (the coach has been
// told); PwError when the text would not fit the store.
bool saveSeasonCaptains(qint16 teamNo, const QList<qint16>& playerNos);

}  // namespace pw
