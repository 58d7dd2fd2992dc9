#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "app/MainForm.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/Commands.h"
#include "ui/fees/dlgMoney.h"

namespace pw {

// Fees, for a team that manages them.
void registerFeeCommands(CommandTable& t, MainForm& main)
{
    const auto fees = [&main] {
        guarded(QStringLiteral("ViewFees_Click"), {}, [&] {
            Modal<dlgMoney> window(selection().CurrentTeamNo(), &main);
            window.exec();
        });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("ViewFees"), .caption = MainForm::tr("&Fee Management"), .menu = QStringLiteral("mnuTeam"), .order = 80, .needs = Need::Team | Need::Fees, .handler = fees},
    });
    // clang-format on
}

}  // namespace pw
