// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

// A tournament's number of rounds (TournamentTeams), 0 when it is not known.
qint16 tournamentRounds(qint16 teamNo, qint16 tournamentNo);

// Stores a tournament's new name; names are kept to 50 characters. False (after telling the
// coach) when the tournament is not in the store.
bool renameTournament(qint16 teamNo, qint16 tournamentNo, const QString& name);

}  // namespace pw
