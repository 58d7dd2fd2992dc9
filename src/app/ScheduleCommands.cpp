// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/schedule/ScheduleActions.h"

namespace pw {

// The season schedule: adding, moving and deleting games. The month calendar, from which games
// and practices open, is the practice subsystem's.
void registerScheduleCommands(CommandTable& t, Shell& shell)
{
    const auto add = [&shell] { TeamSetSchedule_Click(shell.parentWindow()); };
    const auto reschedule = [&shell] { TreeReschedGame_Click(shell.parentWindow()); };
    const auto remove = [&shell] { TreeDelGame_Click(shell.parentWindow(), shell.currentGameNodeText()); };
    const auto exportCalendar = [&shell] { ExportTeamCalendar_Click(shell.parentWindow()); };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetSchedule"), .caption = Shell::tr("&Schedule New Game"), .tip = Shell::tr("Add a game to the team's season schedule"), .needs = Need::Team, .handler = add,
         .placements = {{.menu = QStringLiteral("mnuTeam"), .order = 20}, {.menu = QStringLiteral("TreeTeamMnu"), .order = 20, .name = QStringLiteral("Schedule")}}},
        {.name = QStringLiteral("GameReschedule"), .caption = Shell::tr("Res&chedule Game"), .tip = Shell::tr("Move the selected game to another day, time or field"), .needs = Need::Game, .handler = reschedule,
         .placements = {{.menu = QStringLiteral("mnuGame"), .order = 60}, {.menu = QStringLiteral("TreeGameMnu"), .order = 60, .name = QStringLiteral("TreeReschedGame")}}},
        {.name = QStringLiteral("GameDelGame"), .caption = Shell::tr("&Delete Game"), .tip = Shell::tr("Take the selected game off the team's schedule"), .needs = Need::Game, .handler = remove,
         .placements = {{.menu = QStringLiteral("mnuGame"), .order = 70}, {.menu = QStringLiteral("TreeGameMnu"), .order = 70, .name = QStringLiteral("TreeDelGame")}}},
        {.name = QStringLiteral("FileExportCalendar"), .caption = Shell::tr("Team Calendar…"), .tip = Shell::tr("Write the team's games and practices to a calendar file for phones and calendar programs"), .needs = Need::Team, .handler = exportCalendar,
         .placements = {{.menu = QStringLiteral("mnuFile/mnuExport"), .order = 10}}},
    });
    // clang-format on
}

}  // namespace pw
