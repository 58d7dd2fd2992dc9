// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/Startup.h"
#include "app/frmSplash.h"
#include "common/AppState.h"
#include "common/StartupTrace.h"
#include "core/schedule/TeamCalendar.h"
#include "data/Settings.h"
#include "ui/base/WidgetPrompter.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char** argv)
{
    // The command line is read before any application object: --help, --version and a wrong
    // option are answered where no window, display or database may be needed (the updater runs a
    // newly installed program with --version to see that it starts).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const pw::CommandLine line = pw::parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "pitchwise: %s\n", line.error.toLocal8Bit().constData());
        return pw::kExitUsage;
    }
    if (line.help) {
        std::fputs(pw::commandLineHelp().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("Pitchwise %s\n", pw::programVersion().toUtf8().constData());
        return 0;
    }
    if (line.batch) {
        // Actions for scripts run without a display: no GUI application, no window, no question.
        QCoreApplication batchApp(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Brant"));
        QCoreApplication::setApplicationName(QStringLiteral("Pitchwise"));
        QCoreApplication::setApplicationVersion(pw::programVersion());
        return pw::runBatch(line);
    }

    pw::startupStep("command line read");
    QApplication app(argc, argv);
    pw::startupStep("application object");
    QApplication::setOrganizationName(QStringLiteral("Brant"));
    QApplication::setApplicationName(QStringLiteral("Pitchwise"));
    QApplication::setApplicationVersion(pw::programVersion());
    // The desktop ties the program's windows to its menu entry (share/applications/<id>.desktop).
    QApplication::setDesktopFileName(QStringLiteral("com.brantworks.Pitchwise"));

    pw::state().DebugMode = line.debug;
    pw::state().TestMode = line.test;
    pw::setDatabaseOverride(line.database);

    // Before the first window, so that the splash window and the first-run questions speak the
    // coach's language too.
    pw::installStartupLanguage();
    pw::startupStep("language installed");

    pw::WidgetPrompter prompter;

    pw::setPrompter(&prompter);
    pw::keepExportedCalendarsUpToDate();

    // Everything else is driven by the splash window's timer; the program ends when its last
    // window closes (the main window, or the splash window when start-up stops early).
    auto* splash = new pw::frmSplash;
    splash->show();
    pw::startupStep("splash built");
    const int rc = app.exec();
    pw::setPrompter(nullptr);
    return rc;
}
