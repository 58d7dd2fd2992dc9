#include "common/Selection.h"

namespace pw {

void Selection::setTeam(qint16 teamNo, const TeamSettings& settings)
{
    m_settings = settings;
    m_game = 0;
    m_tournament = 0;
    m_opponent = 0;
    m_player = 0;
    m_tiers = 0;
    // A team is announced even when it is the same one: its settings may have been reloaded.
    m_team = teamNo;
    Q_EMIT teamChanged(teamNo);
}

void Selection::setTournament(qint16 tournamentNo, qint16 tiers)
{
    m_tiers = tournamentNo > 0 ? tiers : 0;
    if (m_tournament == tournamentNo)
        return;
    m_tournament = tournamentNo;
    Q_EMIT tournamentChanged(tournamentNo);
}

void Selection::setGame(qint16 gameNo)
{
    if (m_game == gameNo)
        return;
    m_game = gameNo;
    Q_EMIT gameChanged(gameNo);
}

void Selection::setOpponent(qint16 opponentNo)
{
    m_opponent = opponentNo;
}

void Selection::setPlayer(qint16 playerNo)
{
    if (m_player == playerNo)
        return;
    m_player = playerNo;
    Q_EMIT playerChanged(playerNo);
}

void Selection::clear()
{
    m_team = m_game = m_tournament = m_opponent = m_player = m_tiers = 0;
    m_settings = TeamSettings{};
}

void Selection::notifyDataChanged(const QString& table, qint16 teamNo)
{
    Q_EMIT dataChanged(table, teamNo);
}

Selection& selection()
{
    static Selection s;
    return s;
}

}  // namespace pw
