#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// The season schedule and the month calendar. Their windows come later; until then the commands stay disabled.
void registerScheduleCommands(CommandTable& t, MainForm& /*main*/)
{
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetSchedule"), .caption = MainForm::tr("&Schedule New Game"), .menu = QStringLiteral("mnuTeam"), .order = 20},
        {.name = QStringLiteral("GameReschedule"), .caption = MainForm::tr("Res&chedule Game"), .menu = QStringLiteral("mnuGame"), .order = 60, .needs = Need::Game},
        {.name = QStringLiteral("GameDelGame"), .caption = MainForm::tr("&Delete Game"), .menu = QStringLiteral("mnuGame"), .order = 70, .needs = Need::Game},
        {.name = QStringLiteral("TeamSchedule"), .caption = MainForm::tr("Team Schedule"), .menu = kToolbar, .order = 40},
        {.name = QStringLiteral("Schedule"), .caption = MainForm::tr("Schedule New Game"), .menu = QStringLiteral("TreeTeamMnu"), .order = 20},
        {.name = QStringLiteral("TreeReschedGame"), .caption = MainForm::tr("Reschedule Game"), .menu = QStringLiteral("TreeGameMnu"), .order = 60},
        {.name = QStringLiteral("TreeDelGame"), .caption = MainForm::tr("Delete Game"), .menu = QStringLiteral("TreeGameMnu"), .order = 70},
    });
    // clang-format on
}

}  // namespace pw
