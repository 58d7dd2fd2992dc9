// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace pw {

// What a committed save changed. Windows that show that data refresh themselves on the notice,
// keeping their own selection.
enum class Change {
    Team,         // a team's profile, a team added, copied or deleted
    Players,      // a team's players (roster, profile, items to work on)
    Opponents,    // a team's opponents
    Games,        // a team's season games (added, rescheduled, deleted)
    Lineup,       // a game's line-up, availability or captain
    Statistics,   // a game's figures (and so the record)
    Tournaments,  // a team's tournaments, brackets and tournament games
    Practices,    // a team's practice sessions
    Drills,       // the drill library (no particular team)
    Notes,        // a team's notes
    Fees,         // a team's fees
};

struct ChangeNotice {
    Change what;
    qint16 teamNo = 0;  // 0: no particular team
    qint16 gameNo = 0;  // the game of a line-up or statistics notice; 0: not about one game
};

// The one channel through which the logic announces saved changes. A notice announced while a
// transaction is open waits for the outermost commit and is dropped when the transaction rolls
// back, so nobody refreshes for a save that did not happen.
class ChangeNotices : public QObject {
    Q_OBJECT
public:
    void announce(const ChangeNotice& notice);

Q_SIGNALS:
    void changed(const pw::ChangeNotice& notice);

private:
    friend class Transaction;
    void transactionEnded(bool committed);
    QList<ChangeNotice> m_pending;
};

ChangeNotices& changeNotices();

// Shorthand for the logic: announce(Change::Players, teamNo).
void announce(Change what, qint16 teamNo, qint16 gameNo = 0);

}  // namespace pw
