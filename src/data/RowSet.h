// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Database.h"

#include <QList>
#include <QStringList>
#include <QVariant>

namespace pw {

// A set of rows of one table that a window edits as a whole: a game's line-up, a team's
// opponents, a bracket, a practice agenda, a drill's diagram.
struct RowSet {
    QString table;
    Where scope;          // the rows the set replaces, e.g. TeamNo = 3 AND GameNo = 7
    QStringList columns;  // the columns every new row gives, in the order of its values
    QList<QVariantList> rows;
};

// Replaces the scope's rows by the set's rows in one transaction: one DELETE, then one INSERT
// prepared once and run for each row. Either every row is stored or nothing changes. Table and
// columns must be the schema's own, and every row must give a value for each column. Joins a
// transaction that is already open, so several sets can be saved together.
void replaceRows(const RowSet& set);
void replaceRows(const QSqlDatabase& db, const RowSet& set);

}  // namespace pw

namespace pw {

// Writes one row identified by key: updates the row when it is there, inserts it (key columns
// included) when it is not. Columns and key must be the table's own. True when it inserted.
bool upsertRow(const QString& table, const Where& key, const QStringList& columns, const QVariantList& values);

// Copies the rows of table matching where in one statement, each column taking its old value
// except those named in replaced, which take the given values (a team's row under a new number).
void copyRows(const QString& table, const Where& where, const QList<QPair<QString, QVariant>>& replaced);

}  // namespace pw
