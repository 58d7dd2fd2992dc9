// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/teams/PlayerInfo.h"
#include "ui/teams/RosterImport.h"
#include "ui/teams/TeamInfo.h"
#include "ui/teams/dlgRoster.h"
#include "ui/teams/frmOpponent.h"

#include <QDir>

namespace pw {

namespace {

// Opens a window of this subsystem modally over the main window, its failures reported under the
// command's name.
template <typename Window> std::function<void()> opens(Shell& shell, const char* procName)
{
    return [&shell, procName] {
        guarded(QString::fromLatin1(procName), {}, [&] {
            Modal<Window> window(selection().CurrentTeamNo(), shell.parentWindow());
            window.exec();
        });
    };
}

}  // namespace

// Team profile, players and opponents.
void registerTeamCommands(CommandTable& t, Shell& shell)
{
    // The profile works without a team too: it is where the first one is added.
    const auto teamProfile = opens<TeamInfo>(shell, "DataEditTeam_Click");
    const auto opponents = opens<frmOpponent>(shell, "DataSetOpponents_Click");
    const auto players = opens<PlayerInfo>(shell, "PlayerRoster_Click");
    const auto roster = opens<dlgRoster>(shell, "mTeamRoster_Click");
    const auto exportRoster = [] {
        guarded(QStringLiteral("PlayerExportRoster_Click"), {}, [] { exportRosterAsked(selection().CurrentTeamNo()); });
    };
    const auto importRoster = [&shell] {
        guarded(QStringLiteral("PlayerImportRoster_Click"), {}, [&] {
            const QString path = prompter().openFileName(Shell::tr("Import Roster"), QDir::homePath(),
                                                         Shell::tr("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*"));
            if (path.isEmpty())
                return;
            Modal<RosterImportWindow> window(selection().CurrentTeamNo(), path, shell.parentWindow());
            window.exec();
        });
    };
    const Needs team = Need::Team;
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetOpponents"), .caption = Shell::tr("&Opponent List"), .tip = Shell::tr("Add, change and remove the teams you play against"), .icon = QStringLiteral("TeamOpponent"), .needs = team, .handler = opponents,
         .placements = {{.menu = QStringLiteral("mnuTeam"), .order = 10}, {.menu = kToolbar, .order = 30, .name = QStringLiteral("TeamOpponent"), .caption = Shell::tr("Opponents")}, {.menu = QStringLiteral("TreeTeamMnu"), .order = 10, .name = QStringLiteral("Opponents"), .caption = Shell::tr("Opponents List")}}},
        {.name = QStringLiteral("DataEditTeam"), .caption = Shell::tr("Team &Information"), .tip = Shell::tr("Add a team, or set up the current one: its season, games and contacts"), .icon = QStringLiteral("GblTeam"), .handler = teamProfile,
         .placements = {{.menu = QStringLiteral("mnuTeam"), .order = 60, .separatorBefore = true}, {.menu = kToolbar, .order = 10, .name = QStringLiteral("GblTeam"), .caption = Shell::tr("Team Setup")}, {.menu = QStringLiteral("TreeTeamMnu"), .order = 40, .name = QStringLiteral("TeamInfo")}}},
        {.name = QStringLiteral("mTeamRoster"), .caption = Shell::tr("&Roster"), .tip = Shell::tr("Show the team's players with their numbers and contacts in one list"), .needs = team, .handler = roster,
         .placements = {{.menu = QStringLiteral("mnuView"), .order = 10}, {.menu = QStringLiteral("TreeTeamMnu"), .order = 60, .name = QStringLiteral("ViewRoster"), .caption = Shell::tr("View Roster")}}},
        {.name = QStringLiteral("PlayerRoster"), .caption = Shell::tr("&Roster"), .tip = Shell::tr("Add, change and remove the team's players"), .icon = QStringLiteral("TeamRoster"), .needs = team, .handler = players,
         .placements = {{.menu = QStringLiteral("mnuPlayer"), .order = 10}, {.menu = kToolbar, .order = 20, .name = QStringLiteral("TeamRoster"), .caption = Shell::tr("Team Roster")}}},
        {.name = QStringLiteral("PlayerExportRoster"), .caption = Shell::tr("&Export Roster…"), .tip = Shell::tr("Write the team's players with their parents to a CSV file for spreadsheet programs"), .needs = team, .handler = exportRoster,
         .placements = {{.menu = QStringLiteral("mnuPlayer"), .order = 50, .separatorBefore = true}}},
        {.name = QStringLiteral("PlayerImportRoster"), .caption = Shell::tr("&Import Roster…"), .tip = Shell::tr("Add or update the team's players from a CSV file, such as a club's spreadsheet"), .needs = team, .handler = importRoster,
         .placements = {{.menu = QStringLiteral("mnuPlayer"), .order = 60}}},
    });
    // clang-format on
}

}  // namespace pw
