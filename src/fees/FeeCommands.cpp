#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// Fees. The window comes later; until then the command stays disabled.
void registerFeeCommands(CommandTable& t, MainForm& /*main*/)
{
    const QList<CommandDef> commands{
        {.name = QStringLiteral("ViewFees"), .caption = MainForm::tr("&Fee Management"), .menu = QStringLiteral("mnuTeam"), .order = 80, .needs = Need::Fees},
    };
    for (const CommandDef& c : commands)
        t.add(c);
}

}  // namespace pw
