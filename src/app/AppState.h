#pragma once

#include <QDate>
#include <QString>

namespace pw {

// Settings of the current team, loaded from its Teams row whenever a team becomes current, so
// that every screen reads the same copy instead of going back to the store.
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
    bool ManageFees = false;
    double TeamAmount = 0.0;
    // PointValue split at ";": points for a win, a tie and a loss.
    qint16 WinPoints = 0;
    qint16 TiePoints = 0;
    qint16 LossPoints = 0;
};

// Program-wide state of one run. There is one user-interface thread, so plain fields suffice.
struct AppState {
    bool DebugMode = false;
    bool TestMode = false;
    bool NewInstall = false;
    bool WizardCancelled = false;

    QString mdbFile;     // the database setting as read at start-up
    QString DataFolder;  // folder holding the database file

    qint16 CurrentTeamNo = 0;
    qint16 CurrentTournamentNo = 0;
    qint16 CurrentGameNo = 0;
    qint16 CurrentPlayerNo = 0;
    qint16 CurrentOpponentNo = 0;
    qint16 NoTiers = 0;

    qint16 NameOpt = 0;
    QString EmailServer;
    QString EmailUser;
    QString EmailPassword;
    bool EmailDebug = false;

    // How a modal picker or entry dialog tells its caller: 1 cancelled, 0 accepted.
    qint16 DialogResult = 0;

    TeamSettings Team;
};

AppState& state();

// The program's version number, "major.minor.revision".
QString programVersion();

// Restores every field to its start-of-run value (tests use this between cases).
void resetState();

}  // namespace pw
