#include "app/CommandRegistry.h"

#include "app/Commands.h"
#include "app/MainForm.h"

namespace pw {

// Fees. The window comes later; until then the command stays disabled.
void registerFeeCommands(CommandTable& t, MainForm& /*main*/)
{
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("ViewFees"), .caption = MainForm::tr("&Fee Management"), .menu = QStringLiteral("mnuTeam"), .order = 80, .needs = Need::Fees},
    });
    // clang-format on
}

}  // namespace pw
