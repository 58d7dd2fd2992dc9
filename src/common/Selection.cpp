// SPDX-License-Identifier: GPL-3.0-or-later
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
    m_team = teamNo;
}

void Selection::setTournament(qint16 tournamentNo, qint16 tiers)
{
    m_tiers = tournamentNo > 0 ? tiers : 0;
    m_tournament = tournamentNo;
}

void Selection::setGame(qint16 gameNo)
{
    m_game = gameNo;
}

void Selection::setOpponent(qint16 opponentNo)
{
    m_opponent = opponentNo;
}

void Selection::setPlayer(qint16 playerNo)
{
    m_player = playerNo;
}

void Selection::clear()
{
    m_team = m_game = m_tournament = m_opponent = m_player = m_tiers = 0;
    m_settings = TeamSettings{};
}

Selection& selection()
{
    static Selection s;
    return s;
}

}  // namespace pw
