// SPDX-License-Identifier: GPL-3.0-or-later
// Building a database file is all or nothing, never replaces a file, and recognises files that
// are not Pitchwise databases; the seed library source is checked before it is built.
#include "TestSupport.h"

#include "data/DatabaseFile.h"
#include "data/Schema.h"
#include "data/SeedLibrary.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

using namespace pw;
using namespace pwtest;

class TestDatabaseFile : public QObject {
    Q_OBJECT

private:
    TestEnv env;

    static int drillCount(const QSqlDatabase& db)
    {
        QSqlQuery q = execSql(db, QStringLiteral("SELECT COUNT(*) FROM DrillBook"));
        return q.next() ? q.value(0).toInt() : -1;
    }
    QString file(const QString& name) const { return env.dir() + QLatin1Char('/') + name; }

private Q_SLOTS:
    void init() { env.reset(); }

    void buildingIsAllOrNothingAndNeverReplacesAFile()
    {
        // A file of the coach's that happens to have the name of a temporary file is left alone.
        const QString lookalike = writeFile(file(QStringLiteral("Brand New.db.partial")), "keep me");
        const QString built = file(QStringLiteral("Brand New.db"));
        buildDatabaseFile(built);
        QVERIFY(isPitchwiseDatabaseFile(built));
        QCOMPARE(fileBytes(lookalike), QByteArray("keep me"));
        QCOMPARE(QDir(env.dir()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary left
        const QString notes = writeFile(file(QStringLiteral("notes.db")), "my season notes");
        QVERIFY_THROWS_EXCEPTION(PwError, buildDatabaseFile(notes));
        QCOMPARE(fileBytes(notes), QByteArray("my season notes"));
        // A build that fails leaves nothing behind.
        setSeedDatabasePath(file(QStringLiteral("missing/BaseDB.db")));
        const QString path = file(QStringLiteral("Pitchwise.db"));
        QVERIFY_THROWS_EXCEPTION(PwError, buildDatabaseFile(path));
        setSeedDatabasePath(QString::fromLocal8Bit(qgetenv("PW_SEED_DB")));
        QCOMPARE(QDir(env.dir()).entryList({QStringLiteral("*Pitchwise*")}, QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(QFile::exists(lookalike));
    }

    void recognisesForeignFiles()
    {
        QVERIFY(!isPitchwiseDatabaseFile(writeFile(file(QStringLiteral("text.db")), "hello, not a database")));
        QVERIFY(!isPitchwiseDatabaseFile(file(QStringLiteral("absent.db"))));
        // A SQLite database of something else, and a look-alike: every table name of the program,
        // other columns.
        const QString other = file(QStringLiteral("other.db"));
        const QString alike = file(QStringLiteral("alike.db"));
        withDatabase(
            other, [](const QSqlDatabase& db) { execSql(db, QStringLiteral("CREATE TABLE Teams (TeamNo INTEGER)")); });
        withDatabase(alike, [](const QSqlDatabase& db) {
            for (const TableDef& t : schemaTables())
                execSql(db, QStringLiteral("CREATE TABLE %1 (Something TEXT)").arg(t.name));
        });
        const QByteArray before = fileBytes(alike);
        QVERIFY(!isPitchwiseDatabaseFile(other));
        QVERIFY(!isPitchwiseDatabaseFile(alike));
        QCOMPARE(fileBytes(alike), before);
        withDatabase(other, [&](const QSqlDatabase& db) {
            try {
                checkPitchwiseDatabase(db, other);
                QFAIL("a database without the program's tables was accepted");
            } catch (const PwError& e) {
                QCOMPARE(e.number(), err::NotPitchwiseDb);
                QVERIFY(e.description().contains(other));
            }
        });
    }

    void aCurrentDatabaseIsRecognisedByItsVersionAlone()
    {
        // Every start checks the database: one statement when it carries this version's number,
        // the tables and columns one by one when it is older.
        const QString built = file(QStringLiteral("current.db"));
        buildDatabaseFile(built);
        withDatabase(built, [&](const QSqlDatabase& db) {
            quint64 before = statementCount();
            checkPitchwiseDatabase(db, built);
            QCOMPARE(statementCount() - before, quint64(1));
            execSql(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion - 1));
            before = statementCount();
            checkPitchwiseDatabase(db, built);
            QVERIFY(statementCount() - before > quint64(schemaTables().size()));
            // An older database that lacks a column is still no Pitchwise database.
            execSql(db, QStringLiteral("ALTER TABLE Teams RENAME COLUMN WebSite TO Elsewhere"));
            QVERIFY_THROWS_EXCEPTION(PwError, checkPitchwiseDatabase(db, built));
        });
    }

    void theShippedLibraryLoads()
    {
        withDatabase(file(QStringLiteral("lib.db")), [](const QSqlDatabase& db) {
            createSchema(db);
            const int drills = loadDrillLibrary(QStringLiteral(PW_DRILLS_JSON), db);
            QVERIFY(drills >= 12);
            // Loading again replaces the built-in rows instead of adding to them.
            QCOMPARE(loadDrillLibrary(QStringLiteral(PW_DRILLS_JSON), db), drills);
            QCOMPARE(drillCount(db), drills);
        });
    }

    void badLibrarySourcesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("drill");
        QTest::addColumn<QString>("complaint");
        const QByteArray base = R"("id": 1, "name": "N", "type": 0, "discipline": "Passing", "stage": "Fundamental")";
        QTest::newRow("built-in number")
            << QByteArray(R"({"id": 1000, "name": "N", "type": 0, "discipline": "Passing", "stage": "Fundamental"})")
            << QStringLiteral("\"id\"");
        QTest::newRow("wrong discipline")
            << QByteArray(R"({"id": 1, "name": "N", "type": 1, "discipline": "Passing", "stage": "Fundamental"})")
            << QStringLiteral("discipline");
        QTest::newRow("marker off the field")
            << QByteArray("{" + base + R"(, "markers": [{"kind": 0, "x": 5300, "y": 0}]})")
            << QStringLiteral("marker 1");
        QTest::newRow("line off the field")
            << QByteArray("{" + base +
                          R"(, "lines": [{"kind": 3, "style": 0, "x1": 0, "y1": 0, "x2": 100, "y2": 3700}]})")
            << QStringLiteral("line 0");
        QTest::newRow("unknown line kind")
            << QByteArray("{" + base + R"(, "lines": [{"kind": 5, "style": 0, "x1": 0, "y1": 0, "x2": 1, "y2": 1}]})")
            << QStringLiteral("kind");
    }

    void badLibrarySourcesAreRefused()
    {
        QFETCH(QByteArray, drill);
        QFETCH(QString, complaint);
        const QString json = writeFile(file(QStringLiteral("bad.json")), "{\"drills\": [" + drill + "]}");
        withDatabase(file(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".db")),
                     [&](const QSqlDatabase& db) {
                         createSchema(db);
                         try {
                             loadDrillLibrary(json, db);
                             QFAIL("a faulty drill was accepted");
                         } catch (const PwError& e) {
                             QVERIFY2(e.description().contains(complaint), qPrintable(e.description()));
                         }
                         QCOMPARE(drillCount(db), 0);
                     });
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_databasefile.moc"
