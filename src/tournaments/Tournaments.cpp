#include "tournaments/Tournaments.h"

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
    return PutDBData(QStringLiteral("TournamentInfo"), tournament(teamNo, tournamentNo),
                     QStringLiteral("TournamentName"), name.left(50));
}

}  // namespace pw
