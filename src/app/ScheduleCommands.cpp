#include "ui/base/CommandRegistry.h"

#include "app/MainForm.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/Commands.h"
#include "ui/practice/frmPractice.h"
#include "ui/schedule/ScheduleActions.h"

namespace pw {

// The season schedule and the month calendar, from which games and practices open.
void registerScheduleCommands(CommandTable& t, MainForm& main)
{
    const auto add = [&main] { TeamSetSchedule_Click(&main); };
    const auto reschedule = [&main] { TreeReschedGame_Click(&main); };
    const auto remove = [&main] { TreeDelGame_Click(&main, main.currentGameNodeText()); };
    const auto calendar = [&main] {
        guarded(QStringLiteral("TeamSchedule_Click"), {},
                [&] { frmPractice::showCalendar(selection().CurrentTeamNo(), &main); });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetSchedule"), .caption = MainForm::tr("&Schedule New Game"), .menu = QStringLiteral("mnuTeam"), .order = 20, .needs = Need::Team, .handler = add},
        {.name = QStringLiteral("GameReschedule"), .caption = MainForm::tr("Res&chedule Game"), .menu = QStringLiteral("mnuGame"), .order = 60, .needs = Need::Game, .handler = reschedule},
        {.name = QStringLiteral("GameDelGame"), .caption = MainForm::tr("&Delete Game"), .menu = QStringLiteral("mnuGame"), .order = 70, .needs = Need::Game, .handler = remove},
        {.name = QStringLiteral("TeamSchedule"), .caption = MainForm::tr("Team Schedule"), .menu = kToolbar, .order = 40, .needs = Need::Team, .handler = calendar},
        {.name = QStringLiteral("Schedule"), .caption = MainForm::tr("Schedule New Game"), .menu = QStringLiteral("TreeTeamMnu"), .order = 20, .needs = Need::Team, .handler = add},
        {.name = QStringLiteral("TreeReschedGame"), .caption = MainForm::tr("Reschedule Game"), .menu = QStringLiteral("TreeGameMnu"), .order = 60, .needs = Need::Game, .handler = reschedule},
        {.name = QStringLiteral("TreeDelGame"), .caption = MainForm::tr("Delete Game"), .menu = QStringLiteral("TreeGameMnu"), .order = 70, .needs = Need::Game, .handler = remove},
    });
    // clang-format on
}

}  // namespace pw
