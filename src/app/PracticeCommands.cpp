// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/practice/dlgDrillMaint.h"
#include "ui/practice/frmPractice.h"

namespace pw {

// Practice sessions and the drill library.
void registerPracticeCommands(CommandTable& t, Shell& shell)
{
    // The month calendar with its games and practices: a practice, or a day without one, opens
    // the practice window. The toolbar's Team Schedule button opens it too.
    const auto calendar = [&shell] {
        guarded(QStringLiteral("DataSetPractice_Click"), {},
                [&] { frmPractice::showCalendar(selection().CurrentTeamNo(), shell.parentWindow()); });
    };
    const auto drills = [&shell] {
        guarded(QStringLiteral("DataPracticeDrills_Click"), {},
                [&] { dlgDrillMaint::showDrills(shell.parentWindow()); });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetPractice"), .caption = Shell::tr("&Practice Schedule"), .tip = Shell::tr("Open the month calendar of the team's games and practices"), .icon = QStringLiteral("TeamSchedule"), .needs = Need::Team, .handler = calendar,
         .placements = {{.menu = QStringLiteral("mnuTeam"), .order = 40, .separatorBefore = true}, {.menu = kToolbar, .order = 40, .name = QStringLiteral("TeamSchedule"), .caption = Shell::tr("Team Schedule")}}},
        {.name = QStringLiteral("DataPracticeDrills"), .caption = Shell::tr("Practice &Drills"), .tip = Shell::tr("Keep the library of drills that practices are planned from"), .handler = drills, .placements = {{.menu = QStringLiteral("mnuTeam"), .order = 50}}},
    });
    // clang-format on
}

}  // namespace pw
