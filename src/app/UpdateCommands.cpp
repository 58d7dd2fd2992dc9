// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/CommandRegistry.h"

#include "common/Trace.h"
#include "core/update/UpdateCheck.h"
#include "ui/base/Commands.h"
#include "ui/base/Shell.h"
#include "ui/update/CheckUpdates.h"

#include <QPointer>

namespace pw {

// The update check. One window at a time: a second click brings the open one forward, since two
// checks would download into the same temporary folder.
void registerUpdateCommands(CommandTable& t, Shell& shell)
{
    const auto checkUpdates = [&shell] {
        guarded(QStringLiteral("FileCheckUpdates_Click"), {}, [&] {
            static QPointer<CheckUpdates> open;
            if (!open) {
                open = new CheckUpdates(shell.parentWindow());
                open->setAttribute(Qt::WA_DeleteOnClose);
                // The updater replaces the program file once this process has ended.
                QObject::connect(
                    &open->check(), &UpdateCheck::quitRequested, shell.parentWindow(), [&shell] { shell.quit(); },
                    Qt::QueuedConnection);
            }
            open->show();
            open->raise();
            open->activateWindow();
        });
    };
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("FileCheckUpdates"), .caption = Shell::tr("Check for &Updates"), .tip = Shell::tr("Look for a newer version of the program and install it"), .handler = checkUpdates, .placements = {{.menu = QStringLiteral("mnuFile"), .order = 10}}},
    });
    // clang-format on
}

}  // namespace pw
