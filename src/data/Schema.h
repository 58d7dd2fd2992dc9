// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Database.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pw {

enum class ColType { Int32, Float32, Text, Memo, DateTime, Boolean };

struct ColumnDef {
    QString name;
    ColType type;
    int size = 0;             // characters, for Text
    bool required = false;    // identity columns may not be empty
    bool autoNumber = false;  // numbered by the store
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    QList<QStringList> indexes{};  // column lists of the lookup indexes
    // The columns that name one row: unique in the store, so that two coaches sharing a server
    // cannot both take the same number. Empty for tables whose rows are only ever handled as a
    // set of their owner (line-ups, notes, bracket slots).
    QStringList identity{};

    // The order in which "the first matching row" is found: the identity, or the required columns.
    QStringList keyOrder() const;
    bool hasColumn(const QString& column) const;
};

// 1: the sixteen tables. 2: unique identity indexes. 3: the player's "May play in goal" tick
// (Player.MayPlayGoal).
constexpr int kSchemaVersion = 3;

// The sixteen tables in creation order.
const QList<TableDef>& schemaTables();
const TableDef& tableDef(const QString& name);  // throws for an unknown table
QStringList columnNames(const QString& table);
// Throws unless column is one of the table's own columns (compared without case).
void checkColumn(const QString& table, const QString& column);

// Creates every table and index and records the schema version; run it inside a transaction.
void createSchema(const QSqlDatabase& db);
// Names of the program's tables that the database lacks (compared without case); throws when the
// database cannot be read at all (a file that is not a database, say).
QStringList missingTables(const QSqlDatabase& db);
// "Table.Column" for each column of the program's tables that the database lacks; a column added
// by a later schema version than the database's is not missing, the upgrade adds it.
QStringList missingColumns(const QSqlDatabase& db);
int schemaVersion(const QSqlDatabase& db);
// Whether the open database has the column: always for one the program may write (its upgrade
// added what was missing); a read-only database made by an earlier version may lack one added
// since, and readers then take it as empty.
bool storedColumn(const QString& table, const QString& column);
// Brings a database made by an earlier version up to this one (adds the columns added since and
// the identity indexes). A
// database whose rows already break an identity is left as it is and told in the log, so the
// coach keeps working with it; the next start tries again. Read-only databases are not touched.
void upgradeSchema(const QSqlDatabase& db);

// The engine's hidden row identity, to address "the first matching row" of tables without keys.
QString rowIdColumn(Engine engine);

}  // namespace pw
