// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace pw {

struct DbLocation;

// Exit codes of the program: 0 done, 1 a batch action failed, 2 the command line is wrong.
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// One option of the command line. The options are a table so that an action for scripts is one
// more row: a row with a batch function runs that function on the database without any window.
struct OptionRow {
    QStringList names;           // "h", "help": one letter or a word, given as -h, --help or -help
    QStringList valueNames;      // what follows it: the first is the option's value, the others arguments
    const char* help = nullptr;  // its line in --help (translation context "CommandLineText")
    // Runs the action with its values, the database open; throws PwError with the reason when it fails.
    std::function<void(const QStringList& values)> batch{};
    // An action on the database file itself (a backup): run instead of batch, with the database
    // named but not opened, so that opening cannot change the file being copied.
    std::function<void(const DbLocation& location, const QStringList& values)> fileBatch{};
};

// Every option, in the order --help shows them.
const QList<OptionRow>& optionRows();

// What one command line asks for.
struct CommandLine {
    bool help = false;
    bool version = false;
    bool debug = false;                // the word DEBUG: error trapping off
    bool test = false;                 // the word TEST: the test database beside the usual one
    QString database;                  // --database: used for this run only
    const OptionRow* batch = nullptr;  // the batch action asked for, if any
    QStringList values;                // its values, in the order of its valueNames
    QString error;                     // why the command line cannot be used; empty when it can
};

// Reads the arguments (without the program's name). The words TEST and DEBUG count, whatever
// their case, in any argument that is not an option or an option's value. Qt's own options
// (-platform, -style, …) are let through for the application to take. Needs no application object.
CommandLine parseCommandLine(const QStringList& argumentsWithoutProgram);

// The text --help prints.
QString commandLineHelp();

// Runs the batch action of line (an application object must exist, but no window or display):
// opens the database named by --database (else the recorded one), runs the action and closes
// the database. Asks nothing and writes no setting. Returns the exit code; a failure is told in
// one line on standard error.
int runBatch(const CommandLine& line);

// A team number given on the command line; throws PwError when the text is not one.
qint16 teamNumberValue(const QString& text);

}  // namespace pw
