#include "app/Startup.h"
#include "app/frmSplash.h"
#include "common/AppState.h"
#include "ui/base/WidgetPrompter.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before anything else: the updater runs a newly installed program this way to see
    // that it starts, where no window, display or database may be needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Pitchwise %s\n", pw::programVersion().toUtf8().constData());
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brant"));
    QApplication::setApplicationName(QStringLiteral("Pitchwise"));
    QApplication::setApplicationVersion(pw::programVersion());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pitchwise.svg")));

    const pw::CommandWords words = pw::parseCommandLine(app.arguments().mid(1));
    pw::state().DebugMode = words.debug;
    pw::state().TestMode = words.test;

    pw::WidgetPrompter prompter;
    pw::setPrompter(&prompter);

    // Everything else is driven by the splash window's timer; the program ends when its last
    // window closes (the main window, or the splash window when start-up stops early).
    auto* splash = new pw::frmSplash;
    splash->show();
    const int rc = app.exec();
    pw::setPrompter(nullptr);
    return rc;
}
