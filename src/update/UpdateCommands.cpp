#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// The update check. Its window comes later; until then the command stays disabled.
void registerUpdateCommands(CommandTable& t, MainForm& /*main*/)
{
    const QList<CommandDef> commands{
        {.name = QStringLiteral("FileCheckUpdates"), .caption = MainForm::tr("Check for &Updates"), .menu = QStringLiteral("mnuFile"), .order = 10},
    };
    for (const CommandDef& c : commands)
        t.add(c);
}

}  // namespace pw
