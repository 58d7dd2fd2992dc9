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
        QStringList marks;
        for (qsizetype i = 0; i < set.columns.size(); ++i)
            marks << QStringLiteral("?");
        PreparedStatement insert(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(set.table, set.columns.join(QStringLiteral(", ")),
                                              marks.join(QStringLiteral(", "))));
        for (const QVariantList& row : set.rows)
            insert.exec(row);
    }
    tx.commit();
}

}  // namespace pw
