#pragma once

#include <QString>
#include <QStringList>

namespace pw {

struct CommandWords {
    bool debug = false;  // error trapping off
    bool test = false;   // open the sibling test database
};

// The words are looked for anywhere in the upper-cased command line (without the program name),
// so "debug" and "--debugging" count too.
CommandWords parseCommandLine(const QStringList& argumentsWithoutProgram);

// Reads mdbFile, NameOpt, EmailServer, EmailUser, EmailPassword and EmailDebug into the
// program-wide state.
void LoadStartupSettings();

// The start-up steps up to an open shared connection: read the settings, run the first-run
// questions when there is no database yet, switch to the test database, set the data folder and
// open the database, offering another file or a new database when the recorded one is not
// usable. Returns false when the program should end (the coach declined or cancelled).
bool PrepareDatabase();

}  // namespace pw
