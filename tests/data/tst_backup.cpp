// SPDX-License-Identifier: GPL-3.0-or-later
// Backups of a database file: a consistent copy while a save is under way, complete or absent even
// when the program is killed half way, restoring with a backup first, refusing what cannot be
// restored, the automatic backups before destructive actions and once a day, and nothing of it
// on a server.
#include "TestSupport.h"

#include "core/teams/TeamProfile.h"
#include "core/tournaments/Bracket.h"
#include "core/update/UpdateCheck.h"
#include "data/Backup.h"
#include "data/DatabaseFile.h"
#include "data/Options.h"
#include "data/Schema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>

using namespace pw;
using namespace pwtest;

class TestBackup : public StoreTest {
    Q_OBJECT

private:
    bool onServer() const { return store.location().engine == Engine::PostgreSQL; }
    QString file(const QString& name) const { return env.dir() + QLatin1Char('/') + name; }

    // The team names a database file holds, read on a connection of its own; "damaged" when the
    // engine's own check finds fault with it.
    static QStringList teamsIn(const QString& path)
    {
        QStringList names;
        withDatabase(path, [&](const QSqlDatabase& db) {
            QSqlQuery check = execSql(db, QStringLiteral("PRAGMA integrity_check"));
            if (!check.next() || check.value(0).toString() != QLatin1String("ok")) {
                names << QStringLiteral("damaged");
                return;
            }
            QSqlQuery q = execSql(db, QStringLiteral("SELECT TeamName FROM Teams ORDER BY TeamNo"));
            while (q.next())
                names << q.value(0).toString();
        });
        return names;
    }
    static void setVersion(const QString& path, int version)
    {
        withDatabase(path, [&](const QSqlDatabase& db) {
            execSql(db, QStringLiteral("PRAGMA user_version = %1").arg(version));
        });
    }
    static QList<BackupReason> reasons(const QList<BackupEntry>& entries)
    {
        QList<BackupReason> out;
        for (const BackupEntry& e : entries)
            out << e.reason;
        return out;
    }
    // Files of ours left beside a target: the temporary copies that were never put in place.
    QStringList partials(const QString& target) const
    {
        return QDir(env.dir()).entryList({QLatin1Char('.') + QFileInfo(target).fileName() + QStringLiteral("-*")},
                                         QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void init()
    {
        // A server's database is backed up on the server: there only the cases named so run.
        const bool serverCase = QByteArray(QTest::currentTestFunction()).startsWith("onAServer");
        if (serverCase != onServer())
            QSKIP(serverCase ? "only for a database on a server" : "a server's database is backed up on the server");
        emptyTables();
        RemoveSetting(QStringLiteral("BackupsToKeep"));
        if (!onServer())
            QDir(backupFolder(store.location().path)).removeRecursively();
    }

    void aBackupHoldsWhatWasCommittedWhileASaveIsUnderWay()
    {
        addTeam(1, QStringLiteral("Comets"));
        const QString out = writeFile(file(QStringLiteral("copy.db")), "an older file of the same name");
        {
            Transaction save;
            addTeam(2, QStringLiteral("Rockets"));
            QVERIFY(backUpTo(out));
            save.commit();
        }
        QCOMPARE(queryRows(QStringLiteral("SELECT TeamName FROM Teams ORDER BY TeamNo")),
                 QStringList({QStringLiteral("Comets"), QStringLiteral("Rockets")}));
        QCOMPARE(teamsIn(out), QStringList{QStringLiteral("Comets")});
        QVERIFY(checkBackupFile(out).ok());
        QCOMPARE(checkBackupFile(out).version, kSchemaVersion);
        QCOMPARE(partials(out), QStringList());
        // The database itself is never the target, and a missing folder is said as such.
        const QByteArray before = fileBytes(store.location().path);
        QVERIFY_THROWS_EXCEPTION(PwError, backUpTo(store.location().path));
        QCOMPARE(fileBytes(store.location().path), before);
        QVERIFY_THROWS_EXCEPTION(PwError, backUpTo(file(QStringLiteral("missing/copy.db"))));
        // The command line's copy of a file, with its reason when it cannot.
        QString error;
        QCOMPARE(backupDatabaseFile(out, file(QStringLiteral("again.db")), &error), 0);
        QCOMPARE(teamsIn(file(QStringLiteral("again.db"))), QStringList{QStringLiteral("Comets")});
        QVERIFY(backupDatabaseFile(writeFile(file(QStringLiteral("text.db")), "words"), file(QStringLiteral("x.db")),
                                   &error) != 0);
        QVERIFY2(error.contains(QStringLiteral("is not a database")), qPrintable(error));
        QVERIFY(!QFile::exists(file(QStringLiteral("x.db"))));
    }

    void restoringPutsTheBackupBackAndEveryWindowReloads()
    {
        addTeam(1, QStringLiteral("Comets"));
        const QString saved = file(QStringLiteral("saved.db"));
        QVERIFY(backUpTo(saved));
        execSql(QStringLiteral("DELETE FROM Teams"));
        addTeam(2, QStringLiteral("Rockets"));
        NoticeLog log;
        QVERIFY(restoreFrom(saved));
        QVERIFY(Db::isOpen());
        QCOMPARE(Db::sharedLocation().path, store.location().path);
        QCOMPARE(queryRows(QStringLiteral("SELECT TeamName FROM Teams")), QStringList{QStringLiteral("Comets")});
        for (Change what : {Change::Team, Change::Players, Change::Games, Change::Tournaments, Change::Practices,
                            Change::Drills, Change::Notes, Change::Fees})
            QCOMPARE(log.count(what, 0), 1);
        // The database as it was before is kept as a backup of its own.
        const QList<BackupEntry> backups = listBackups();
        QCOMPARE(reasons(backups), QList<BackupReason>{BackupReason::Restore});
        QCOMPARE(teamsIn(backups.first().path), QStringList{QStringLiteral("Rockets")});
        // A backup of an older version is brought up to date, after a backup of its own.
        setVersion(saved, 1);
        QVERIFY(restoreFrom(saved));
        QCOMPARE(schemaVersion(Db::shared()), kSchemaVersion);
        QCOMPARE(reasons(listBackups()).mid(0, 2), (QList<BackupReason>{BackupReason::Upgrade, BackupReason::Restore}));
        QCOMPARE(queryRows(QStringLiteral("SELECT TeamName FROM Teams")), QStringList{QStringLiteral("Comets")});
    }

    void whatIsNoPitchwiseDatabaseOfThisVersionIsRefused()
    {
        addTeam(1, QStringLiteral("Comets"));
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        QRandomGenerator(26).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        const QString random = writeFile(file(QStringLiteral("noise.db")), noise);
        const QString other = file(QStringLiteral("other.db"));
        withDatabase(other,
                     [](const QSqlDatabase& db) { execSql(db, QStringLiteral("CREATE TABLE Recipes (Name TEXT)")); });
        const QString newer = file(QStringLiteral("newer.db"));
        QVERIFY(backUpTo(newer));
        setVersion(newer, kSchemaVersion + 1);
        // The first half of a good backup, as a copy that was cut short would be.
        const QString good = file(QStringLiteral("good.db"));
        QVERIFY(backUpTo(good));
        const QByteArray whole = fileBytes(good);
        const QString half = writeFile(file(QStringLiteral("half.db")), whole.left(whole.size() / 2));
        QVERIFY(checkBackupFile(good).ok());

        const QList<QPair<QString, QString>> refused{
            {random, QStringLiteral("is not a database")},
            {other, QStringLiteral("another program")},
            {newer, QStringLiteral("newer version of Pitchwise (database version %1").arg(kSchemaVersion + 1)},
            {half, QStringLiteral("damaged")},
            {file(QStringLiteral("absent.db")), QStringLiteral("cannot be read")},
        };
        execSql(QStringLiteral("UPDATE Teams SET TeamName = ?"), {QStringLiteral("Comets today")});
        const QByteArray before = fileBytes(store.location().path);
        for (const auto& [path, reason] : refused) {
            const BackupFileCheck check = checkBackupFile(path);
            QVERIFY2(check.problem.contains(reason), qPrintable(path + QStringLiteral(": ") + check.problem));
            QVERIFY(check.problem.contains(QDir::toNativeSeparators(path)));
            try {
                restoreFrom(path);
                QFAIL(qPrintable(path + QStringLiteral(" was restored")));
            } catch (const PwError& e) {
                QCOMPARE(e.description(), check.problem);
            }
        }
        QCOMPARE(fileBytes(store.location().path), before);
        QVERIFY(listBackups().isEmpty());
    }

    void aKilledBackupLeavesTheTargetCompleteOrAbsent()
    {
        // Large enough that the copy takes a while: 48 MB of incompressible rows.
        const QString big = file(QStringLiteral("big.db"));
        buildDatabaseFile(big);
        withDatabase(big, [](const QSqlDatabase& db) {
            execSql(db, QStringLiteral("CREATE TABLE Filler (Data BLOB)"));
            execSql(db, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 768) "
                                       "INSERT INTO Filler SELECT randomblob(65536) FROM n"));
        });
        const QString child = QCoreApplication::applicationDirPath() + QStringLiteral("/backup_child");
        const QString out = file(QStringLiteral("killed.db"));
        bool killedHalfWay = false;
        for (int attempt = 0; attempt < 5 && !killedHalfWay; ++attempt) {
            QFile::remove(out);
            QProcess copy;
            copy.start(child, {big, out});
            QVERIFY(copy.waitForStarted());
            QElapsedTimer waited;
            waited.start();
            // Killed once the temporary copy has grown, before it is put in place.
            while (!copy.waitForFinished(1) && waited.elapsed() < 20000) {
                const QStringList part = partials(out);
                if (!part.isEmpty() && QFileInfo(QDir(env.dir()).filePath(part.first())).size() > 4 * 1024 * 1024) {
                    copy.kill();
                    killedHalfWay = !QFile::exists(out);
                    break;
                }
            }
            copy.waitForFinished();
            if (QFile::exists(out))
                QCOMPARE(checkBackupFile(out).problem, QString());
        }
        QVERIFY(killedHalfWay);
        QVERIFY(!QFile::exists(out));
        for (const QString& p : partials(out))
            QFile::remove(QDir(env.dir()).filePath(p));
        // Left to finish, the same copy is complete.
        QProcess copy;
        copy.start(child, {big, out});
        QVERIFY(copy.waitForFinished(60000));
        QCOMPARE(copy.exitCode(), 0);
        QVERIFY(checkBackupFile(out).ok());
        QCOMPARE(partials(out), QStringList());
    }

    void automaticBackupsKeepTheNewestAndSayWhy()
    {
        QCOMPARE(backupsToKeep(), kDefaultBackupsToKeep);
        for (const auto& [stored, read] : QList<QPair<QString, int>>{{QStringLiteral("0"), 1},
                                                                     {QStringLiteral("many"), kDefaultBackupsToKeep},
                                                                     {QStringLiteral("5000"), kMaxBackupsToKeep},
                                                                     {QStringLiteral(" 3 "), 3}}) {
            WriteSetting(QStringLiteral("BackupsToKeep"), stored);
            QCOMPARE(backupsToKeep(), read);
        }
        // Files of the coach's and another database's backups in the folder are left alone.
        const QString folder = backupFolder(store.location().path);
        QVERIFY(QDir().mkpath(folder));
        const QString notes = writeFile(folder + QStringLiteral("/notes.txt"), "mine");
        const QString others = writeFile(folder + QStringLiteral("/Other 2020-01-01 00-00-00 daily.db"), "theirs");
        const QList<BackupReason> made{BackupReason::DeleteTeam, BackupReason::DeleteTournament,
                                       BackupReason::DrillUpdate, BackupReason::Upgrade, BackupReason::Daily};
        QStringList paths;
        for (BackupReason reason : made) {
            addTeam(static_cast<int>(paths.size()) + 1, QStringLiteral("Team %1").arg(paths.size() + 1));
            paths << autoBackup(reason);
            QVERIFY(!paths.last().isEmpty());
        }
        const QList<BackupEntry> kept = listBackups();
        QCOMPARE(reasons(kept),
                 (QList<BackupReason>{BackupReason::Daily, BackupReason::Upgrade, BackupReason::DrillUpdate}));
        QCOMPARE(kept.first().path, paths.last());
        QCOMPARE(teamsIn(kept.first().path).size(), 5);
        QVERIFY(!QFile::exists(paths.first()));
        QVERIFY(QFile::exists(notes) && QFile::exists(others));
        QVERIFY(
            QFileInfo(kept.first().path).fileName().startsWith(QFileInfo(store.location().path).completeBaseName()));
        QVERIFY(QFileInfo(kept.first().path).fileName().endsWith(QStringLiteral(" daily.db")));
    }

    void everyDestructiveActionBacksUpFirst()
    {
        addRealisticClub();
        deleteTeam(2);
        QCOMPARE(reasons(listBackups()), QList<BackupReason>{BackupReason::DeleteTeam});
        QVERIFY(teamsIn(listBackups().first().path).contains(QStringLiteral("Rockets")));
        const int tournaments = countRows(QStringLiteral("TournamentInfo"));
        DeleteTournament(1, 1);
        QCOMPARE(listBackups().first().reason, BackupReason::DeleteTournament);
        withDatabase(listBackups().first().path, [&](const QSqlDatabase& db) {
            QSqlQuery q = execSql(db, QStringLiteral("SELECT COUNT(*) FROM TournamentInfo"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), tournaments);
        });
        QSqlDatabase db = Db::shared();
        QVERIFY(UpdateDrills(db, seedDatabasePath()).ok);
        QCOMPARE(listBackups().first().reason, BackupReason::DrillUpdate);
        // Bringing an older database up to date.
        setVersion(store.location().path, 1);
        upgradeSchema(Db::shared());
        QCOMPARE(schemaVersion(Db::shared()), kSchemaVersion);
        QCOMPARE(listBackups().first().reason, BackupReason::Upgrade);
        QCOMPARE(listBackups().size(), 4);
        // Nothing to bring up to date: no backup.
        upgradeSchema(Db::shared());
        QCOMPARE(listBackups().size(), 4);
    }

    void theDailyBackupIsMadeOnceADay()
    {
        QVERIFY(!autoBackup(BackupReason::DeleteTeam).isEmpty());  // not the day's backup
        const QString first = dailyBackup();
        QVERIFY(!first.isEmpty());
        QCOMPARE(dailyBackup(), QString());
        QCOMPARE(listBackups().size(), 2);
        // Yesterday's does not count for today.
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const QString yesterday = QDate::currentDate().addDays(-1).toString(Qt::ISODate);
        const QString moved =
            QFileInfo(first).path() + QLatin1Char('/') + QFileInfo(first).fileName().replace(today, yesterday);
        QVERIFY(QFile::rename(first, moved));
        const QString second = dailyBackup();
        QVERIFY(!second.isEmpty());
        QCOMPARE(dailyBackup(), QString());
        QCOMPARE(reasons(listBackups()),
                 (QList<BackupReason>{BackupReason::Daily, BackupReason::DeleteTeam, BackupReason::Daily}));
        QCOMPARE(listBackups().last().path, moved);
    }

    void onAServerNothingIsDone()
    {
        addTeam(1, QStringLiteral("Comets"));
        QVERIFY(!backupsApply());
        const QString out = file(QStringLiteral("server.db"));
        QVERIFY(!backUpTo(out));
        QVERIFY(!restoreFrom(out));
        QCOMPARE(autoBackup(BackupReason::DeleteTeam), QString());
        QCOMPARE(dailyBackup(), QString());
        QVERIFY(listBackups().isEmpty());
        deleteTeam(1);
        QCOMPARE(QDir(env.dir())
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                     .filter(QStringLiteral("server")),
                 QStringList());
        QVERIFY(!QDir(env.dir() + QStringLiteral("/Backups")).exists());
        QCOMPARE(
            serverBackupText(),
            QStringLiteral("This database is kept on the club's PostgreSQL server. Back it up there with pg_dump."));
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
