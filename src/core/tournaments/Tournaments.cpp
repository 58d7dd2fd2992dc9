// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tournaments/Tournaments.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "data/Fields.h"

namespace pw {

namespace {

Where tournament(qint16 teamNo, qint16 tournamentNo)
{
    return Where{{QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("TournamentNo"), tournamentNo}};
}

}  // namespace

qint16 tournamentRounds(qint16 teamNo, qint16 tournamentNo)
{
    return NullToInt(GetDBData(QStringLiteral("TournamentInfo"), tournament(teamNo, tournamentNo),
                               QStringLiteral("TournamentTeams")));
}

bool renameTournament(qint16 teamNo, qint16 tournamentNo, const QString& name)
{
    const bool stored = PutDBData(QStringLiteral("TournamentInfo"), tournament(teamNo, tournamentNo),
                                  QStringLiteral("TournamentName"), cutToWidth(name, 50));
    if (stored)
        announce(Change::Tournaments, teamNo);
    return stored;
}

}  // namespace pw
