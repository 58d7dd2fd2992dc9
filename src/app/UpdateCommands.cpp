#include "ui/base/CommandRegistry.h"

#include "app/MainForm.h"
#include "common/Trace.h"
#include "core/update/UpdateCheck.h"
#include "ui/base/Commands.h"
#include "ui/update/CheckUpdates.h"

#include <QPointer>

namespace pw {

// The update check. One window at a time: a second click brings the open one forward, since two
// checks would download into the same temporary folder.
void registerUpdateCommands(CommandTable& t, MainForm& main)
{
    const auto checkUpdates = [&main] {
        guarded(QStringLiteral("FileCheckUpdates_Click"), {}, [&] {
            static QPointer<CheckUpdates> open;
            if (!open) {
                open = new CheckUpdates(&main);
                open->setAttribute(Qt::WA_DeleteOnClose);
                // The updater replaces the program file once this process has ended.
                QObject::connect(
                    &open->check(), &UpdateCheck::quitRequested, &main, [&main] { main.close(); },
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
        {.name = QStringLiteral("FileCheckUpdates"), .caption = MainForm::tr("Check for &Updates"), .menu = QStringLiteral("mnuFile"), .order = 10, .handler = checkUpdates},
    });
    // clang-format on
}

}  // namespace pw
