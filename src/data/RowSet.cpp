// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RowSet.h"

#include "common/Trace.h"
#include "data/Schema.h"

#include <QSqlError>

namespace pw {

void replaceRows(const RowSet& set)
{
    replaceRows(Db::shared(), set);
}

void replaceRows(const QSqlDatabase& db, const RowSet& set)
{
    PW_TRACE(QStringLiteral("replaceRows"), traceArg(QStringLiteral("TableName"), set.table) +
                                                traceArg(QStringLiteral("WhereClause"), set.scope.text()) +
                                                traceArg(QStringLiteral("Rows"), set.rows.size()));
    checkIdentifier(set.table);
    for (const QString& c : set.scope.columns())
        checkColumn(set.table, c);
    if (set.columns.isEmpty())
        throw PwError(err::BadArgument, QStringLiteral("A row set of %1 names no columns").arg(set.table));
    for (const QString& c : set.columns)
        checkColumn(set.table, c);
    for (const QVariantList& row : set.rows) {
        if (row.size() != set.columns.size()) {
            throw PwError(err::BadArgument, QStringLiteral("A row of %1 has %2 values for %3 columns")
                                                .arg(set.table)
                                                .arg(row.size())
                                                .arg(set.columns.size()));
        }
    }

    Transaction tx(db);
    execSql(db, QStringLiteral("DELETE FROM %1%2").arg(set.table, set.scope.clause()), set.scope.values());
    if (!set.rows.isEmpty()) {
        PreparedStatement insert(
            db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(set.table, set.columns.join(QStringLiteral(", ")), placeholders(set.columns.size())));
        for (const QVariantList& row : set.rows)
            insert.exec(row);
    }
    tx.commit();
}

bool upsertRow(const QString& table, const Where& key, const QStringList& columns, const QVariantList& values)
{
    PW_TRACE(QStringLiteral("upsertRow"),
             traceArg(QStringLiteral("TableName"), table) + traceArg(QStringLiteral("WhereClause"), key.text()));
    checkIdentifier(table);
    if (key.isEmpty() || columns.size() != values.size())
        throw PwError(err::BadArgument,
                      QStringLiteral("A row of %1 is given without key or with %2 values for %3 columns")
                          .arg(table)
                          .arg(values.size())
                          .arg(columns.size()));
    for (const QString& c : key.columns() + columns)
        checkColumn(table, c);

    const QSqlDatabase db = Db::shared();
    Transaction tx(db);
    QSqlQuery found = execSql(db, QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(table, key.clause()), key.values());
    const bool insert = !found.next() || found.value(0).toLongLong() == 0;
    if (insert) {
        QStringList names = key.columns() + columns;
        QVariantList all = key.values() + values;
        execSql(db,
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table, names.join(QStringLiteral(", ")), placeholders(names.size())),
                all);
    } else if (!columns.isEmpty()) {
        QStringList sets;
        for (const QString& c : columns)
            sets << c + QStringLiteral(" = ?");
        execSql(db, QStringLiteral("UPDATE %1 SET %2%3").arg(table, sets.join(QStringLiteral(", ")), key.clause()),
                values + key.values());
    }
    tx.commit();
    return insert;
}

void copyRows(const QString& table, const Where& where, const QList<QPair<QString, QVariant>>& replaced)
{
    PW_TRACE(QStringLiteral("copyRows"),
             traceArg(QStringLiteral("TableName"), table) + traceArg(QStringLiteral("WhereClause"), where.text()));
    const TableDef& def = tableDef(table);
    for (const QString& c : where.columns())
        checkColumn(table, c);
    QStringList names;
    QStringList picks;
    QVariantList values;
    for (const ColumnDef& c : def.columns) {
        // Numbers the engine hands out itself are left to it.
        if (c.autoNumber)
            continue;
        names << c.name;
        const auto it =
            std::find_if(replaced.begin(), replaced.end(), [&](const auto& r) { return r.first == c.name; });
        if (it == replaced.end()) {
            picks << c.name;
        } else {
            picks << QStringLiteral("?");
            values << it->second;
        }
    }
    for (const auto& r : replaced)
        checkColumn(table, r.first);
    execSql(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1%4")
                .arg(table, names.join(QStringLiteral(", ")), picks.join(QStringLiteral(", ")), where.clause()),
            values + where.values());
}

}  // namespace pw
