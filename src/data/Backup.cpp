// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Backup.h"

#include "common/Trace.h"
#include "data/Changes.h"
#include "data/Options.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUuid>

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace pw {

namespace {

// The translation context of the store texts.
struct Store {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

struct ReasonName {
    BackupReason reason;
    const char* key;  // as it stands in the file name
};
constexpr ReasonName kReasons[] = {
    {BackupReason::Daily, "daily"},
    {BackupReason::DeleteTeam, "delete-team"},
    {BackupReason::DeleteTournament, "delete-tournament"},
    {BackupReason::DrillUpdate, "drill-update"},
    {BackupReason::Restore, "restore"},
    {BackupReason::Upgrade, "upgrade"},
};

const QString kStampFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");

QString reasonKey(BackupReason reason)
{
    for (const ReasonName& r : kReasons) {
        if (r.reason == reason)
            return QString::fromLatin1(r.key);
    }
    return {};
}

QString uniqueConnectionName()
{
    return QStringLiteral("pw_backup_") + QUuid::createUuid().toString(QUuid::Id128);
}

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

// Forces a file's bytes to the disk, so that a copy announced as written survives a power cut.
void syncFile(const QString& path)
{
    QFile file(path);
    bool synced = file.open(QIODevice::ReadWrite);
#ifdef Q_OS_WIN
    synced = synced && _commit(file.handle()) == 0;
#else
    synced = synced && ::fsync(file.handle()) == 0;
#endif
    if (!synced)
        throw PwError(err::FileAccess, Store::tr("%1 could not be written to the disk.").arg(nativePath(path)));
}

// The folder's entry of a renamed file reaches the disk too (POSIX keeps it apart from the file).
void syncFolder(const QString& folder)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

// Writes a consistent copy of the database file source beside target under a temporary name of
// our own, made here, so that removing it after a failure can never take a file of the coach's.
// A connection of its own reads the last committed state, whatever the shared one has under way.
QString writePartial(const QString& source, const QString& target)
{
    const QFileInfo info(target);
    if (!QDir(info.absolutePath()).exists())
        throw PwError(err::FileAccess, Store::tr("The folder %1 does not exist.").arg(nativePath(info.absolutePath())));
    if (info.isDir())
        throw PwError(err::FileAccess, Store::tr("%1 is a folder.").arg(nativePath(target)));
    QTemporaryFile reserve(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral("-XXXXXX"));
    reserve.setAutoRemove(false);
    if (!reserve.open())
        throw PwError(err::FileAccess,
                      Store::tr("The folder %1 cannot be written.").arg(nativePath(info.absolutePath())));
    const QString partial = reserve.fileName();
    reserve.close();
    const QString name = uniqueConnectionName();
    try {
        DbLocation location;
        location.path = source;
        location.readOnly = true;
        {
            const QSqlDatabase db = openDatabase(location, name);
            // VACUUM INTO takes an empty file, and the target only ever as a bound value.
            execSql(db, QStringLiteral("VACUUM INTO ?"), {partial});
        }
        closeDatabase(name);
        syncFile(partial);
    } catch (...) {
        closeDatabase(name);
        QFile::remove(partial);
        throw;
    }
    return partial;
}

// Puts the complete copy in place in one step: the target is the old file or the new one, never
// half of either.
void putInPlace(const QString& partial, const QString& target)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(partial.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    if (error) {
        QFile::remove(partial);
        throw PwError(
            err::FileAccess,
            Store::tr("%1 could not be written: %2").arg(nativePath(target), QString::fromLocal8Bit(error.message())));
    }
    syncFolder(QFileInfo(target).absolutePath());
}

void writeCopy(const QString& source, const QString& target)
{
    if (sameFile(source, target))
        throw PwError(err::FileAccess, Store::tr("A backup cannot take the place of the database it is made of."));
    putInPlace(writePartial(source, target), target);
}

QString sharedFile()
{
    return backupsApply() ? Db::sharedLocation().path : QString();
}

// "Pitchwise 2026-03-14 09-30-00 delete-team.db": the database's name first, so that two
// databases beside each other (the test database beside the real one) keep their backups apart.
QRegularExpression backupNamePattern(const QString& databaseFile)
{
    return QRegularExpression(
        QStringLiteral("^%1 (\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)(?:-(\\d+))? ([a-z-]+)\\.db$")
            .arg(QRegularExpression::escape(QFileInfo(databaseFile).completeBaseName())));
}

void prune(const QString& databaseFile)
{
    const QList<BackupEntry> entries = listBackups(databaseFile);
    for (qsizetype i = backupsToKeep(); i < entries.size(); ++i)
        QFile::remove(entries.at(i).path);
}

// Makes an automatic backup of databaseFile and keeps the newest ones. Throws PwError.
QString makeBackup(const QString& databaseFile, BackupReason reason)
{
    PW_TRACE(QStringLiteral("autoBackup"), traceArg(QStringLiteral("Reason"), reasonKey(reason)));
    const QString folder = backupFolder(databaseFile);
    if (!makePrivatePath(folder))
        throw PwError(err::FileAccess, Store::tr("The folder %1 could not be made.").arg(nativePath(folder)));
    const QString base = QFileInfo(databaseFile).completeBaseName();
    const QDateTime now = QDateTime::fromString(QDateTime::currentDateTime().toString(kStampFormat), kStampFormat);
    // Backups made within one second are numbered on, whatever their reasons, so they keep their order.
    int n = 0;
    for (const BackupEntry& e : listBackups(databaseFile)) {
        if (e.made == now)
            n = std::max(n, e.sequence + 1);
    }
    const QString stamp = now.toString(kStampFormat) + (n == 0 ? QString() : QStringLiteral("-%1").arg(n));
    const QString target = QDir(folder).filePath(QStringLiteral("%1 %2 %3.db").arg(base, stamp, reasonKey(reason)));
    writeCopy(databaseFile, target);
    prune(databaseFile);
    return target;
}

// A restored database may differ in everything: every window reads again.
void announceEverything()
{
    for (Change what :
         {Change::Team, Change::Players, Change::Opponents, Change::Games, Change::Lineup, Change::Statistics,
          Change::Tournaments, Change::Practices, Change::Drills, Change::Notes, Change::Fees})
        announce(what, 0);
}

}  // namespace

QString backupReasonText(BackupReason reason)
{
    switch (reason) {
    case BackupReason::Daily: return Store::tr("Daily");
    case BackupReason::DeleteTeam: return Store::tr("Before deleting a team");
    case BackupReason::DeleteTournament: return Store::tr("Before deleting a tournament");
    case BackupReason::DrillUpdate: return Store::tr("Before updating the drill library");
    case BackupReason::Restore: return Store::tr("Before restoring a backup");
    case BackupReason::Upgrade: return Store::tr("Before bringing the database up to date");
    }
    return {};
}

bool backupsApply()
{
    return Db::isOpen() && Db::sharedLocation().engine == Engine::SQLite;
}

QString serverBackupText()
{
    return Store::tr("This database is kept on the club's PostgreSQL server. Back it up there with pg_dump.");
}

bool backUpTo(const QString& path)
{
    PW_TRACE(QStringLiteral("backUpTo"), traceArg(QStringLiteral("Path"), path));
    if (!backupsApply())
        return false;
    writeCopy(Db::sharedLocation().path, path);
    return true;
}

void copyDatabaseFile(const QString& databaseFile, const QString& out)
{
    PW_TRACE(QStringLiteral("copyDatabaseFile"), traceArg(QStringLiteral("Path"), databaseFile));
    const BackupFileCheck check = checkBackupFile(databaseFile);
    if (!check.ok())
        throw PwError(err::NotPitchwiseDb, check.problem);
    writeCopy(databaseFile, out);
}

int backupDatabaseFile(const QString& databaseFile, const QString& out, QString* error)
{
    try {
        copyDatabaseFile(databaseFile, out);
        return 0;
    } catch (const PwError& e) {
        if (error)
            *error = e.description();
    }
    return 1;
}

namespace {

BackupFileCheck examine(const QSqlDatabase& db, const QString& shown)
{
    BackupFileCheck check;
    if (!missingTables(db).isEmpty()) {
        check.problem = Store::tr("%1 is a database of another program, not a Pitchwise database.").arg(shown);
        return check;
    }
    check.version = schemaVersion(db);
    if (check.version > kSchemaVersion) {
        check.problem = Store::tr("%1 was made by a newer version of Pitchwise (database version %2; this version "
                                  "reads up to %3). Install the newer version to use it.")
                            .arg(shown)
                            .arg(check.version)
                            .arg(kSchemaVersion);
        return check;
    }
    if (!missingColumns(db).isEmpty()) {
        check.problem = Store::tr("%1 is a database of another program, not a Pitchwise database.").arg(shown);
        return check;
    }
    QSqlQuery q = execSql(db, QStringLiteral("PRAGMA quick_check"));
    if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
        check.problem = Store::tr("%1 is damaged and cannot be used.").arg(shown);
    return check;
}

}  // namespace

BackupFileCheck checkBackupFile(const QString& path)
{
    PW_TRACE(QStringLiteral("checkBackupFile"), traceArg(QStringLiteral("Path"), path));
    const QString shown = nativePath(path);
    BackupFileCheck check;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        check.problem = Store::tr("%1 cannot be read.").arg(shown);
        return check;
    }
    // Every SQLite database starts so; anything else is not looked at further.
    if (file.read(16) != QByteArray("SQLite format 3", 16)) {
        check.problem = Store::tr("%1 is not a database.").arg(shown);
        return check;
    }
    file.close();
    const QString name = uniqueConnectionName();
    try {
        DbLocation location;
        location.path = path;
        location.readOnly = true;
        check = examine(openDatabase(location, name), shown);
    } catch (const PwError& e) {
        check.problem = e.number() == err::DatabaseBusy ? e.description()
                                                        : Store::tr("%1 is damaged and cannot be used.").arg(shown);
    }
    closeDatabase(name);
    return check;
}

bool restoreFrom(const QString& path)
{
    PW_TRACE(QStringLiteral("restoreFrom"), traceArg(QStringLiteral("Path"), path));
    if (!backupsApply())
        return false;
    const DbLocation location = Db::sharedLocation();
    if (location.readOnly)
        throw PwError(err::FileAccess, Store::tr("The open database can be read but not changed, so no backup can "
                                                 "take its place."));
    if (transactionOpen())
        throw PwError(err::DatabaseBusy, Store::tr("A save is under way. Restore the backup once it has finished."));
    const BackupFileCheck check = checkBackupFile(path);
    if (!check.ok())
        throw PwError(err::NotPitchwiseDb, check.problem);
    if (sameFile(path, location.path))
        throw PwError(err::FileAccess, Store::tr("%1 is the database that is open now.").arg(nativePath(path)));
    makeBackup(location.path, BackupReason::Restore);
    // The copy is made beside the database while it is still open, so that it is closed only for
    // the moment of the swap.
    const QString partial = writePartial(path, location.path);
    if (const QFile::Permissions kept = QFileInfo(location.path).permissions())
        QFile::setPermissions(partial, kept);
    Db::closeShared();
    try {
        putInPlace(partial, location.path);
    } catch (...) {
        Db::openShared(location);
        throw;
    }
    Db::openShared(location);
    try {
        upgradeSchema(Db::shared());
    } catch (const PwError& e) {
        LogMessage(QStringLiteral("The restored database could not be brought up to date: ") + e.description());
    }
    announceEverything();
    return true;
}

QString backupFolder(const QString& databaseFile)
{
    return QFileInfo(databaseFile).absoluteDir().filePath(QStringLiteral("Backups"));
}

QString autoBackup(BackupReason reason)
{
    return backupsApply() ? autoBackup(Db::shared(), reason) : QString();
}

QString autoBackup(const QSqlDatabase& db, BackupReason reason)
{
    if (engineOf(db) != Engine::SQLite || !QFileInfo(db.databaseName()).isFile())
        return {};
    // A database that can only be read cannot be changed by the action either.
    if (db.connectOptions().contains(QLatin1String("QSQLITE_OPEN_READONLY")))
        return {};
    try {
        return makeBackup(db.databaseName(), reason);
    } catch (const PwError& e) {
        LogMessage(QStringLiteral("No automatic backup was made: ") + e.description());
    }
    return {};
}

QString dailyBackup()
{
    const QString file = sharedFile();
    if (file.isEmpty() || Db::isReadOnly())
        return {};
    const QDate today = QDate::currentDate();
    const QList<BackupEntry> entries = listBackups(file);
    const bool done = std::any_of(entries.cbegin(), entries.cend(), [&](const BackupEntry& e) {
        return e.reason == BackupReason::Daily && e.made.date() == today;
    });
    return done ? QString() : autoBackup(BackupReason::Daily);
}

QList<BackupEntry> listBackups()
{
    const QString file = sharedFile();
    return file.isEmpty() ? QList<BackupEntry>() : listBackups(file);
}

QList<BackupEntry> listBackups(const QString& databaseFile)
{
    const QDir folder(backupFolder(databaseFile));
    const QRegularExpression pattern = backupNamePattern(databaseFile);
    QList<BackupEntry> entries;
    for (const QString& name : folder.entryList({QStringLiteral("*.db")}, QDir::Files)) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (!m.hasMatch())
            continue;
        const QString key = m.captured(3);
        const auto known = std::find_if(std::begin(kReasons), std::end(kReasons),
                                        [&](const ReasonName& r) { return key == QLatin1String(r.key); });
        const QDateTime made = QDateTime::fromString(m.captured(1), kStampFormat);
        if (known == std::end(kReasons) || !made.isValid())
            continue;
        entries << BackupEntry{folder.filePath(name), made, known->reason, m.captured(2).toInt()};
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return a.made != b.made ? a.made > b.made : a.sequence > b.sequence;
    });
    return entries;
}

}  // namespace pw
