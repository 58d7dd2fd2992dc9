// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Database.h"

#include <QString>

namespace pw {

// The seed database BaseDB.db with the built-in drills, shipped with the program (common/AppPaths.h).
QString seedDatabasePath();
void setSeedDatabasePath(const QString& path);  // tests and tools point elsewhere

// Builds a complete new SQLite database at path: the tables, then the drills of the seed
// database. All or nothing: the file appears only when everything succeeded, and a failure
// leaves no file behind. Refuses to replace an existing file. Throws PwError.
void buildDatabaseFile(const QString& path);

// Gives an empty database (a new PostgreSQL database, say) the tables and the seed drills, in one
// transaction. Throws PwError.
void buildDatabase(const QSqlDatabase& db);

// Copies the built-in drills (DrillBook, then DrillData) from the seed database into db.
void FillInitialDB(const QSqlDatabase& db);

// Checks that a database has every table of the program; one that carries the current schema version
// is taken at its word. Throws PwError(NotPitchwiseDb) naming the
// location when it is not a Pitchwise database (or not a database at all).
void checkPitchwiseDatabase(const QSqlDatabase& db, const QString& display);

// True when the file exists and is a readable Pitchwise database.
bool isPitchwiseDatabaseFile(const QString& path);

// False when a change to the SQLite file at path could not be stored: the file may not be written,
// or its folder takes no new file (SQLite keeps a journal beside the database while changing it).
// Tries one change and takes it back. A file that is locked, or no database at all, is not judged
// here: opening it says what is wrong.
bool canChangeDatabaseFile(const QString& path);

}  // namespace pw
