// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Fields.h"

#include "common/Prompter.h"
#include "common/Trace.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QSqlRecord>

namespace pw {

namespace {

// The translation context of the store texts.
struct Store {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

QString fieldArgs(const QString& table, const Where& where, const QString& field, const QString* value,
                  const QSqlDatabase& db)
{
    QString args = QStringLiteral("TableName:= ") + table + QStringLiteral(" ;") + QStringLiteral("WhereClause:= ") +
                   where.text() + QStringLiteral(" ;") + QStringLiteral("FieldName:= ") + field + QStringLiteral(" ;");
    if (value)
        args += QStringLiteral("strValue:= ") + maskedValue(field, *value) + QStringLiteral(" ;");
    const QString conn = db.connectionName() == Db::sharedName() ? Db::connectionText() : db.databaseName();
    return args + QStringLiteral("ConStr:= ") + conn;
}

// Only the schema's own tables and columns may be named, whatever reaches these helpers.
void checkNames(const QString& table, const Where& where, const QString& field)
{
    checkIdentifier(table);
    checkColumn(table, field);
    for (const QString& c : where.columns())
        checkColumn(table, c);
}

// "The first matching row": by the table's key, the row identity only breaking ties.
QString firstRowOrder(const QString& table, Engine engine)
{
    QStringList order = tableDef(table).keyOrder();
    order << rowIdColumn(engine);
    return order.join(QStringLiteral(", "));
}

}  // namespace

QString GetDBData(const QString& tableName, const Where& where, const QString& fieldName)
{
    return GetDBData(tableName, where, fieldName, Db::shared());
}

QString GetDBData(const QString& tableName, const Where& where, const QString& fieldName, const QSqlDatabase& db)
{
    return guardedValue(
        QStringLiteral("GetDBData"), fieldArgs(tableName, where, fieldName, nullptr, db), QString(), [&] {
            checkNames(tableName, where, fieldName);
            // The same "first row" that PutDBData changes.
            QSqlQuery q =
                execSql(db,
                        QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4 LIMIT 1")
                            .arg(fieldName, tableName, where.clause(), firstRowOrder(tableName, engineOf(db))),
                        where.values());
            if (!q.next())
                return QString();
            return NullToText(q.value(0));
        });
}

bool PutDBData(const QString& tableName, const Where& where, const QString& fieldName, const QVariant& value)
{
    return PutDBData(tableName, where, fieldName, value, Db::shared());
}

bool PutDBData(const QString& tableName, const Where& where, const QString& fieldName, const QVariant& value,
               const QSqlDatabase& db)
{
    const QString valueText = value.toString();
    bool updated = false;
    guarded(QStringLiteral("PutDBData"), fieldArgs(tableName, where, fieldName, &valueText, db), [&] {
        checkNames(tableName, where, fieldName);
        // The first row by key is addressed by the engine's row identity, which every table has.
        const QString rowId = rowIdColumn(engineOf(db));
        QVariantList values{value};
        values << where.values();
        QSqlQuery q =
            execSql(db,
                    QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = (SELECT %3 FROM %1%4 ORDER BY %5 LIMIT 1)")
                        .arg(tableName, fieldName, rowId, where.clause(), firstRowOrder(tableName, engineOf(db))),
                    values);
        updated = q.numRowsAffected() > 0;
        if (!updated) {
            // A write that found nothing to change is a failed write: a save around it must not
            // keep its other changes.
            noteReportedFailure();
            prompter().message(Store::tr("Failed Update"),
                               Store::tr("%1 in %2 was not updated with %3")
                                   .arg(fieldName, tableName, maskedValue(fieldName, valueText)),
                               Prompter::Icon::Critical);
        }
    });
    return updated;
}

qint16 GetNextNo(const QString& fieldName, const QString& tableName, const Where& where, qint16 floor)
{
    PW_TRACE(QStringLiteral("GetNextNo"),
             traceArg(QStringLiteral("FieldName"), fieldName) + traceArg(QStringLiteral("TableName"), tableName) +
                 traceArg(QStringLiteral("WhereClause"), where.text()) + traceArg(QStringLiteral("Floor"), floor));
    checkIdentifier(tableName);
    checkNames(tableName, where, fieldName);
    QSqlQuery q =
        execSql(QStringLiteral("SELECT MAX(%1) FROM %2%3").arg(fieldName, tableName, where.clause()), where.values());
    if (q.next() && !q.value(0).isNull()) {
        const qint32 highest = q.value(0).toInt();
        if (highest > floor) {
            if (highest >= 32767)
                throw PwError(err::BadArgument, Store::tr("No %1 numbers are left in %2.").arg(fieldName, tableName));
            return static_cast<qint16>(highest + 1);
        }
    }
    return static_cast<qint16>(floor + 1);
}

QString NullToText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    return value.toString();
}

qint16 NullToInt(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    // Numbers straight from the store need no trip through text.
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short: {
        const qlonglong n = value.toLongLong();
        return n < -32768 || n > 32767 ? qint16(0) : static_cast<qint16>(n);
    }
    default: break;
    }
    bool ok = false;
    const double d = value.toString().trimmed().toDouble(&ok);
    if (!ok || d < -32768.0 || d > 32767.0)
        return 0;
    return static_cast<qint16>(d);
}

qint16 PlayerCount(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("PlayerCount"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    QSqlQuery q = execSql(QStringLiteral("SELECT COUNT(*) FROM Player WHERE TeamNo = ?"), {teamNo});
    return q.next() ? static_cast<qint16>(q.value(0).toInt()) : 0;
}

QString Makename(const QVariant& nickname, const QVariant& lastName, const QVariant& firstName, int nameOption)
{
    const QString nick = NullToText(nickname);
    if (!nick.isEmpty())
        return nick;
    const QString last = NullToText(lastName);
    const QString first = NullToText(firstName);
    switch (nameOption) {
    case 0: return last + QStringLiteral(", ") + first;
    case 1: return last + QStringLiteral(", ") + first.left(1);
    case 2: return first + QLatin1Char(' ') + last.left(1) + QLatin1Char('.');
    default: return {};
    }
}

}  // namespace pw
