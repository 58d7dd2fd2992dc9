// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

// Program-wide state of one run that is not the coach's selection (see Selection). There is one
// user-interface thread, so plain fields suffice.
struct AppState {
    bool DebugMode = false;
    bool TestMode = false;
    bool NewInstall = false;
    bool WizardCancelled = false;
    // The database file built during this start (empty when the coach took one that was there):
    // the only file an abandoned first start may take away again.
    QString BuiltDatabase;

    QString mdbFile;     // the database setting as read at start-up
    QString DataFolder;  // folder holding the database file

    // Copies of the options read at start-up and after the options dialog saves.
    qint16 NameOpt = 0;
    QString EmailServer;
    QString EmailUser;
    QString EmailPassword;
    bool EmailDebug = false;
    bool EmailAllowPlain = false;  // "Allow unencrypted connection": off unless the coach ticks it
};

AppState& state();

// The program's version number, "major.minor.revision".
QString programVersion();

// Full path of one of the program's own helper programs (the mailer, the updater); see helperProgram
// in common/AppPaths.h, which this forwards to.
QString toolProgram(const QString& baseName);
void setToolFolder(const QString& folder);  // empty: found from the program's folder again

// Restores every field, and the selection, to its start-of-run value (tests use this between cases).
void resetState();

}  // namespace pw
