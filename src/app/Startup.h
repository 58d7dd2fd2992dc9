// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Database.h"

#include <QString>

namespace pw {

// Opens location as the shared connection and makes sure it is a Pitchwise database, bringing an
// older one up to date where it can be written. An empty PostgreSQL database is given the tables
// first: that is how a club sets up its server. Throws PwError; nothing is left open then.
void openAndCheck(const DbLocation& location);

// Reads mdbFile (or the database named for this run), NameOpt, EmailServer, EmailUser, EmailPassword, EmailDebug and
// EmailAllowPlain into the program-wide state.
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
