// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace pw {

// The current team's settings from its Teams row, loaded whenever a team becomes current so that
// every window reads the same copy instead of going back to the store.
struct TeamSettings {
    qint16 NumberOfGames = 0;
    QDate StartDate;
    qint16 TimeTrack = 0;
    qint16 TrackCaptain = 0;
    qint16 Periods = 0;
    bool TournamentPlay = false;
    QDate CutOff;
    qint16 NumberOfPlayers = 0;
    qint16 MinQtrReq = 0;
    QString WebSite;
    QString HomePage;
    QString EmailSendTo;  // where the team's e-mails and game results go
    bool ManageFees = false;
    double TeamAmount = 0.0;
    // PointValue split at ";": points for a win, a tie and a loss.
    qint16 WinPoints = 0;
    qint16 TiePoints = 0;
    qint16 LossPoints = 0;
    QString MalformedPointValue;  // the stored PointValue when it is not three whole numbers
};

// What the coach has selected in the main window: team, game, tournament, opponent and player.
// Only the main window changes it; windows read it when they open and then keep their own team
// or game. Saved changes travel as change notices (data/Changes.h), not through the selection.
class Selection {
public:
    qint16 CurrentTeamNo() const { return m_team; }
    qint16 CurrentGameNo() const { return m_game; }
    qint16 CurrentTournamentNo() const { return m_tournament; }
    qint16 CurrentOpponentNo() const { return m_opponent; }
    qint16 CurrentPlayerNo() const { return m_player; }
    // Rounds of the current tournament (its TournamentTeams).
    qint16 NoTiers() const { return m_tiers; }
    const TeamSettings& Team() const { return m_settings; }
    // A game number of 0 or a multiple of 100 stands for a team or tournament view.
    bool singleGame() const { return m_game % 100 != 0; }

    // Makes the team current with its settings; game, tournament, opponent and player are cleared.
    void setTeam(qint16 teamNo, const TeamSettings& settings);
    void setTournament(qint16 tournamentNo, qint16 tiers = 0);
    void setGame(qint16 gameNo);
    void setOpponent(qint16 opponentNo);
    void setPlayer(qint16 playerNo);
    // Forgets everything (a database was closed; tests between cases).
    void clear();

private:
    qint16 m_team = 0;
    qint16 m_game = 0;
    qint16 m_tournament = 0;
    qint16 m_opponent = 0;
    qint16 m_player = 0;
    qint16 m_tiers = 0;
    TeamSettings m_settings;
};

Selection& selection();

}  // namespace pw
