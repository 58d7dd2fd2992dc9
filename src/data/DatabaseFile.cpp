// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DatabaseFile.h"

#include "common/AppPaths.h"
#include "common/Trace.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QUuid>

namespace pw {

namespace {

// The translation context of the store texts.
struct Store {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

QString g_seedPath;

// A private connection name per use, so that nothing outside sees a half-built database.
QString uniqueConnectionName(const QString& base)
{
    return base + QLatin1Char('_') + QUuid::createUuid().toString(QUuid::Id128);
}

void copyTable(const QSqlDatabase& from, const QSqlDatabase& to, const QString& table)
{
    const QStringList names = columnNames(table);
    // Older seed files may lack the columns added after the first release; copy what both have.
    QStringList common;
    const QSqlRecord seedColumns = from.record(table);
    for (const QString& n : names) {
        if (seedColumns.indexOf(n) >= 0)
            common << n;
    }
    if (common.isEmpty())
        return;
    const QString list = common.join(QStringLiteral(", "));
    QSqlQuery rows = execSql(from, QStringLiteral("SELECT %1 FROM %2").arg(list, table));
    const QString insert =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, list, placeholders(common.size()));
    while (rows.next()) {
        QVariantList values;
        for (qsizetype i = 0; i < common.size(); ++i)
            values << rows.value(static_cast<int>(i));
        execSql(to, insert, values);
    }
}

// The engine's refusals that mean a change cannot be stored: the file or its journal cannot be
// written (read-only, cannot be opened or made, no permission).
bool isWriteRefusal(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;  // extended codes carry it in the low byte
    constexpr int kPerm = 3;
    constexpr int kReadOnly = 8;
    constexpr int kCantOpen = 14;
    return ok && (code == kPerm || code == kReadOnly || code == kCantOpen);
}

}  // namespace

QString seedDatabasePath()
{
    if (!g_seedPath.isEmpty())
        return g_seedPath;
    return dataPath(QStringLiteral("BaseDB.db"));
}

void setSeedDatabasePath(const QString& path)
{
    g_seedPath = path;
}

void FillInitialDB(const QSqlDatabase& db)
{
    PW_TRACE(QStringLiteral("FillInitialDB"));
    const QString seedPath = seedDatabasePath();
    if (!QFileInfo::exists(seedPath)) {
        throw PwError(err::DatabaseCreate,
                      Store::tr("The drill library %1 is missing; reinstall Pitchwise.").arg(seedPath));
    }
    const QString name = uniqueConnectionName(QStringLiteral("pw_seed"));
    DbLocation seed;
    seed.path = seedPath;
    seed.readOnly = true;
    {
        QSqlDatabase from = openDatabase(seed, name);
        try {
            checkPitchwiseDatabase(from, seedPath);
            copyTable(from, db, QStringLiteral("DrillBook"));
            copyTable(from, db, QStringLiteral("DrillData"));
        } catch (...) {
            from = QSqlDatabase();
            closeDatabase(name);
            throw;
        }
    }
    closeDatabase(name);
}

void buildDatabase(const QSqlDatabase& db)
{
    PW_TRACE(QStringLiteral("buildDatabase"));
    Transaction tx(db);
    createSchema(db);
    FillInitialDB(db);
    tx.commit();
}

void buildDatabaseFile(const QString& path)
{
    PW_TRACE(QStringLiteral("buildDatabaseFile"), traceArg(QStringLiteral("Path"), path));
    if (QFileInfo::exists(path))
        throw PwError(err::DatabaseCreate, Store::tr("The file %1 already exists.").arg(path));
    const QFileInfo info(path);
    if (!QDir(info.absolutePath()).exists())
        throw PwError(err::FileAccess, Store::tr("The folder %1 does not exist.").arg(info.absolutePath()));

    // Build beside the target under a name of our own and move it into place only when complete.
    // The temporary file is made here (readable by the owner only), so removing it after a
    // failure can never take a file of the coach's.
    QTemporaryFile reserve(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral("-XXXXXX"));
    reserve.setAutoRemove(false);
    if (!reserve.open())
        throw PwError(err::FileAccess, Store::tr("The folder %1 cannot be written.").arg(info.absolutePath()));
    const QString partial = reserve.fileName();
    reserve.close();
    const QString name = uniqueConnectionName(QStringLiteral("pw_build"));
    try {
        DbLocation loc;
        loc.path = partial;
        {
            QSqlDatabase db = openDatabase(loc, name);
            buildDatabase(db);
        }
        closeDatabase(name);
        if (!QFile::rename(partial, path))
            throw PwError(err::FileAccess, Store::tr("The database file %1 could not be written.").arg(path));
    } catch (...) {
        closeDatabase(name);
        QFile::remove(partial);
        QFile::remove(partial + QStringLiteral("-journal"));
        throw;
    }
}

void checkPitchwiseDatabase(const QSqlDatabase& db, const QString& display)
{
    // Only the program writes its schema version, once every table and column of that version is
    // there; a database that carries the current one needs no look at its tables, which costs a
    // statement per table at every start.
    try {
        if (schemaVersion(db) == kSchemaVersion)
            return;
    } catch (const PwError& e) {
        if (e.number() == err::DatabaseBusy)
            throw;
        // Not readable as a database, or without the table that keeps the version: told below.
    }
    QStringList missing;
    try {
        missing = missingTables(db);
        if (missing.isEmpty())
            missing = missingColumns(db);
    } catch (const PwError& e) {
        if (e.number() == err::DatabaseBusy)
            throw;
        throw PwError(err::NotPitchwiseDb, Store::tr("%1 is not a database.").arg(display));
    }
    if (!missing.isEmpty()) {
        // Tables of the same names with other columns are another program's database.
        throw PwError(err::NotPitchwiseDb, Store::tr("%1 is not a Pitchwise database (it has no %2).")
                                               .arg(display, missing.join(QStringLiteral(", "))));
    }
}

bool isPitchwiseDatabaseFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QString name = uniqueConnectionName(QStringLiteral("pw_check"));
    bool ok = false;
    try {
        DbLocation loc;
        loc.path = path;
        loc.readOnly = true;
        {
            QSqlDatabase db = openDatabase(loc, name);
            checkPitchwiseDatabase(db, path);
        }
        ok = true;
    } catch (const PwError&) {
        ok = false;
    }
    closeDatabase(name);
    return ok;
}

bool canChangeDatabaseFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return true;
    if (!file.isWritable())
        return false;
    const QString name = uniqueConnectionName(QStringLiteral("pw_probe"));
    bool changeable = true;
    try {
        DbLocation loc;
        loc.path = path;
        QSqlDatabase db = openDatabase(loc, name);
        if (db.transaction()) {
            // Writing the schema version back as it is changes nothing, yet needs the journal.
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next()) {
                const int version = q.value(0).toInt();
                q.finish();
                if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)))
                    changeable = !isWriteRefusal(q.lastError());
            }
            q.finish();
            db.rollback();
        }
    } catch (const PwError&) {
        changeable = true;  // not openable at all: the opening that follows reports it
    }
    closeDatabase(name);
    return changeable;
}

}  // namespace pw
