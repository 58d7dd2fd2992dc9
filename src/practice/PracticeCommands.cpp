#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// Practice sessions and the drill library. Their windows come later; until then the commands stay disabled.
void registerPracticeCommands(CommandTable& t, MainForm& /*main*/)
{
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetPractice"), .caption = MainForm::tr("&Practice Schedule"), .menu = QStringLiteral("mnuTeam"), .order = 40, .separatorBefore = true},
        {.name = QStringLiteral("DataPracticeDrills"), .caption = MainForm::tr("Practice &Drills"), .menu = QStringLiteral("mnuTeam"), .order = 50},
    });
    // clang-format on
}

}  // namespace pw
