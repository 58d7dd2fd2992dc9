#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// The update check. Its window comes later; until then the command stays disabled.
void registerUpdateCommands(CommandTable& t, MainForm& /*main*/)
{
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("FileCheckUpdates"), .caption = MainForm::tr("Check for &Updates"), .menu = QStringLiteral("mnuFile"), .order = 10},
    });
    // clang-format on
}

}  // namespace pw
