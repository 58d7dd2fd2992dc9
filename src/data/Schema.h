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
    int size = 0;            // characters, for Text
    bool required = false;   // identity columns may not be empty
    bool autoNumber = false; // numbered by the store
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    QList<QStringList> indexes;  // column lists of the lookup indexes
};

constexpr int kSchemaVersion = 1;

// The sixteen tables in creation order.
const QList<TableDef>& schemaTables();
const TableDef& tableDef(const QString& name);  // throws for an unknown table
QStringList columnNames(const QString& table);

// Creates every table and index and records the schema version; run it inside a transaction.
void createSchema(const QSqlDatabase& db);
// Names of the program's tables that the database lacks (compared without case); throws when the
// database cannot be read at all (a file that is not a database, say).
QStringList missingTables(const QSqlDatabase& db);
int schemaVersion(const QSqlDatabase& db);

// The engine's hidden row identity, to address "the first matching row" of tables without keys.
QString rowIdColumn(Engine engine);

}  // namespace pw
