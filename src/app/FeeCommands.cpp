// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/fees/dlgMoney.h"

namespace pw {

// Fees, for a team that manages them.
void registerFeeCommands(CommandTable& t, Shell& shell)
{
    const auto fees = [&shell] {
        guarded(QStringLiteral("ViewFees_Click"), {}, [&] {
            Modal<dlgMoney> window(selection().CurrentTeamNo(), shell.parentWindow());
            window.exec();
        });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("ViewFees"), .caption = Shell::tr("&Fee Management"), .tip = Shell::tr("Keep track of what each player owes and has paid"), .needs = Need::Team | Need::Fees, .handler = fees, .placements = {{.menu = QStringLiteral("mnuTeam"), .order = 80}}},
    });
    // clang-format on
}

}  // namespace pw
