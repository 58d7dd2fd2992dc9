#include "ui/base/CommandRegistry.h"

#include "app/MainForm.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/Commands.h"
#include "ui/practice/dlgDrillMaint.h"
#include "ui/practice/frmPractice.h"

namespace pw {

// Practice sessions and the drill library.
void registerPracticeCommands(CommandTable& t, MainForm& main)
{
    // The month calendar with its practices: a practice, or a day without one, opens the
    // practice window.
    const auto practices = [&main] {
        guarded(QStringLiteral("DataSetPractice_Click"), {},
                [&] { frmPractice::showCalendar(selection().CurrentTeamNo(), &main); });
    };
    const auto drills = [&main] {
        guarded(QStringLiteral("DataPracticeDrills_Click"), {}, [&] { dlgDrillMaint::showDrills(&main); });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetPractice"), .caption = MainForm::tr("&Practice Schedule"), .menu = QStringLiteral("mnuTeam"), .order = 40, .needs = Need::Team, .handler = practices, .separatorBefore = true},
        {.name = QStringLiteral("DataPracticeDrills"), .caption = MainForm::tr("Practice &Drills"), .menu = QStringLiteral("mnuTeam"), .order = 50, .handler = drills},
    });
    // clang-format on
}

}  // namespace pw
