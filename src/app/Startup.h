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

// Reads mdbFile, NameOpt, EmailServer, EmailUser, EmailPassword, EmailDebug and EmailAllowPlain
// into the program-wide state.
void LoadStartupSettings();

// The start-up steps up to an open shared connection: read the settings, run the first-run
// questions when there is no database yet, switch to the test database, set the data folder and
// open the database, offering another file or a new database when the recorded one is not
// usable. Returns false when the program should end (the coach declined or cancelled).
bool PrepareDatabase();

// A new database needs its first team before the program can show anything: true when this
// start made or took a database that has no team yet.
bool needsFirstTeam();

// The coach abandoned the first team of a first start: the database is closed, a file built
// during this start is removed (a database that was there before never is), and the database
// setting is taken out, so that the next start asks the first-run questions again.
void undoFirstStart();

}  // namespace pw
