// SPDX-License-Identifier: GPL-3.0-or-later
// The store on both engines: what a new database holds, the field helpers, numbering, and that
// values of any shape travel as values.
#include "TestSupport.h"

#include "common/Formats.h"
#include "data/Changes.h"
#include "data/DatabaseFile.h"
#include "data/RowSet.h"
#include "data/Schema.h"

#include <QSqlQuery>

using namespace pw;
using namespace pwtest;

class TestStoreBehaviour : public QObject {
    Q_OBJECT

private:
    TestEnv env;
    TestStore store;

    // Each column's name and, for text, its declared width as "VARCHAR(n)".
    QList<QPair<QString, QString>> columnsOf(const QString& table)
    {
        const bool lite = store.location().engine == Engine::SQLite;
        QSqlQuery q = execSql(lite ? QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid")
                                   : QStringLiteral("SELECT column_name, 'VARCHAR(' || character_maximum_length || ')' "
                                                    "FROM information_schema.columns WHERE table_name = ? "
                                                    "ORDER BY ordinal_position"),
                              {lite ? table : table.toLower()});
        QList<QPair<QString, QString>> out;
        while (q.next())
            out << qMakePair(q.value(0).toString(), q.value(1).toString().toUpper());
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString why = store.open(env.dir()); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void init()
    {
        env.reset();
        emptyTables();
    }

    void cleanupTestCase() { store.close(); }

    void aNewDatabaseHasEveryTableAndColumnInOrderAndTheSeedDrills()
    {
        QCOMPARE(missingTables(Db::shared()), QStringList());
        QCOMPARE(schemaTables().size(), 16);
        for (const TableDef& t : schemaTables()) {
            const auto actual = columnsOf(t.name);
            QCOMPARE(actual.size(), t.columns.size());
            for (qsizetype i = 0; i < actual.size(); ++i) {
                const ColumnDef& want = t.columns.at(i);
                QVERIFY2(
                    actual.at(i).first.compare(want.name, Qt::CaseInsensitive) == 0,
                    qPrintable(t.name + QLatin1Char('.') + want.name + QStringLiteral(" vs ") + actual.at(i).first));
                if (want.type == ColType::Text)
                    QCOMPARE(actual.at(i).second, QStringLiteral("VARCHAR(%1)").arg(want.size));
            }
        }
        QCOMPARE(schemaVersion(Db::shared()), kSchemaVersion);
        const int drills = countRows(QStringLiteral("DrillBook"));
        QVERIFY2(drills >= 12, "the seed library has at least twelve drills");
        QVERIFY(countRows(QStringLiteral("DrillData")) > drills);
        // Built-in numbers below 1000, both kinds of drill, every one with a discipline, a stage and
        // a diagram.
        QSqlQuery q =
            execSql(QStringLiteral("SELECT MAX(DrillID), MIN(DrillType), MAX(DrillType), SUM(CASE WHEN "
                                   "COALESCE(Discipline, '') = '' OR COALESCE(Stage, '') = '' OR DrillID "
                                   "NOT IN (SELECT DrillID FROM DrillData) THEN 1 ELSE 0 END) FROM DrillBook"));
        QVERIFY(q.next() && q.value(0).toInt() < 1000);
        QCOMPARE((QList<int>{q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt()}), (QList<int>{0, 1, 0}));
    }

    void notesAndPracticesAreNumberedOtherColumnsAreGivenOrEmpty()
    {
        for (const auto& [table, id] : {std::pair{"TeamNotes", "NoteID"}, {"Practice", "PracticeID"}}) {
            for (int i = 0; i < 3; ++i)
                insertRow(QString::fromLatin1(table), {{QStringLiteral("TeamNo"), 1}});
            QSqlQuery q =
                execSql(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(QLatin1String(id), QLatin1String(table)));
            QList<int> ids;
            while (q.next())
                ids << q.value(0).toInt();
            QCOMPARE(ids.size(), 3);
            QVERIFY(ids[0] > 0 && ids[0] < ids[1] && ids[1] < ids[2]);
        }
        // Identity columns are required; the others may stay empty.
        QVERIFY_THROWS_EXCEPTION(PwError, insertRow(QStringLiteral("GameStat"),
                                                    {{QStringLiteral("GameNo"), 1}, {QStringLiteral("PlayerNo"), 1}}));
        insertRow(QStringLiteral("Schedule"),
                  fields(QStringLiteral("TeamNo GameNo GameDate"), {1, 1, QDate(2026, 9, 12)}));
        insertRow(QStringLiteral("DrillBook"), fields(QStringLiteral("DrillID DrillName"), {1001, "Bare"}));
        insertRow(QStringLiteral("DrillData"), {{QStringLiteral("DrillID"), 1001}});
        QCOMPARE(
            GetDBData(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), 1}}, QStringLiteral("RescheduleDate")),
            QString());
        QCOMPARE(
            GetDBData(QStringLiteral("DrillBook"), {{QStringLiteral("DrillID"), 1001}}, QStringLiteral("Description")),
            QString());
        execSql(QStringLiteral("DELETE FROM DrillData WHERE DrillID = ?"), {1001});
        execSql(QStringLiteral("DELETE FROM DrillBook WHERE DrillID = ?"), {1001});
    }

    void awkwardTextRoundTrips_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("injection") << QStringLiteral("Smith's \"Park\"; DROP TABLE Player; --");
        QTest::newRow("emoji") << QStringLiteral("Goal ⚽ 😀");
        QTest::newRow("percent and question mark") << QStringLiteral("100% ? %1 :name");
    }

    void awkwardTextRoundTrips()
    {
        QFETCH(QString, value);
        addPlayer(1, 1, value, value, 7);
        const Where who{{QStringLiteral("TeamNo"), 1}, {QStringLiteral("PlayerLastName"), value}};
        QCOMPARE(GetDBData(QStringLiteral("Player"), who, QStringLiteral("PlayerFirstName")), value);
        PutDBData(QStringLiteral("Player"), who, QStringLiteral("City"), value);
        QCOMPARE(GetDBData(QStringLiteral("Player"), who, QStringLiteral("City")), value);
        QCOMPARE(countRows(QStringLiteral("Player")), 1);
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void theFieldHelpersReportWhatTheyCannotDo()
    {
        addPlayer(1, 1, QStringLiteral("Smith"), QStringLiteral("Anna"), 4);
        QCOMPARE(GetDBData(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 2}}, QStringLiteral("PlayerLastName")),
                 QString());
        QCOMPARE(GetDBData(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}}, QStringLiteral("Nickname")),
                 QString());
        QCOMPARE(GetDBData(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}}, QStringLiteral("JerseyNo")),
                 QStringLiteral("4"));
        // A failure is reported, logged, and the caller carries on with empty text.
        QCOMPARE(GetDBData(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}}, QStringLiteral("NoSuchColumn")),
                 QString());
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Error")});
        QVERIFY(env.prompter.shown.first().text.contains(QLatin1String("has occurred in GetDBData")));
        QVERIFY(env.prompter.shown.first().text.contains(QLatin1String("FieldName:= NoSuchColumn ;")));
        QVERIFY(env.logText().contains(QLatin1String("GetDBData Params(TableName:= Player ;")));
        // An update that finds no row says so and changes nothing.
        env.prompter.clear();
        addTeam(1, QStringLiteral("Comets"));
        PutDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), 9}}, QStringLiteral("TeamName"),
                  QStringLiteral("Rockets"));
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Failed Update")});
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("TeamName in Teams was not updated with Rockets"));
        QCOMPARE(env.prompter.shown[0].icon, Prompter::Icon::Critical);
        QCOMPARE(GetDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), 1}}, QStringLiteral("TeamName")),
                 QStringLiteral("Comets"));
    }

    void theFirstMatchIsTheFirstByKey()
    {
        // Stored out of order: the first match is still the lowest player number.
        addPlayer(1, 5, QStringLiteral("Twin"), QStringLiteral("E"), 5);
        addPlayer(1, 2, QStringLiteral("Twin"), QStringLiteral("B"), 2);
        const Where twins{{QStringLiteral("PlayerLastName"), QStringLiteral("Twin")}};
        QCOMPARE(GetDBData(QStringLiteral("Player"), twins, QStringLiteral("PlayerFirstName")), QStringLiteral("B"));
        PutDBData(QStringLiteral("Player"), twins, QStringLiteral("City"), QStringLiteral("Springfield"));
        QCOMPARE(countRows(QStringLiteral("Player"), {{QStringLiteral("City"), QStringLiteral("Springfield")}}), 1);
        QCOMPARE(GetDBData(QStringLiteral("Player"), {{QStringLiteral("PlayerNo"), 2}}, QStringLiteral("City")),
                 QStringLiteral("Springfield"));
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void onlyTheSchemasNamesReachTheStore()
    {
        // A table or column the schema does not have is refused before any SQL is made of it,
        // whatever the name looks like.
        QCOMPARE(GetDBData(QStringLiteral("sqlite_master"), {}, QStringLiteral("name")), QString());
        QCOMPARE(GetDBData(QStringLiteral("Teams"), {{QStringLiteral("rowid"), 1}}, QStringLiteral("TeamName")),
                 QString());
        QCOMPARE(env.prompter.titles(), (QStringList{QStringLiteral("Error"), QStringLiteral("Error")}));
        QVERIFY_THROWS_EXCEPTION(PwError,
                                 replaceRows({QStringLiteral("Opponent"), {}, {QStringLiteral("Nickname")}, {{1}}}));
        QVERIFY_THROWS_EXCEPTION(PwError, GetNextNo(QStringLiteral("PlayerNo"), QStringLiteral("Teams"), {}));
    }

    void aReportedFailureInsideASaveRollsItBack_data()
    {
        // The failing step: a statement that throws, or an update whose failure the helper reports
        // to the coach and swallows; directly, or in an inner step that swallows what it throws.
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("teamNo");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("inner");
        QTest::newRow("a statement that fails") << QString() << 0 << QString() << false;
        QTest::newRow("an inner step that fails") << QString() << 0 << QString() << true;
        QTest::newRow("an update that fails")
            << QStringLiteral("NoSuchColumn") << 1 << QStringLiteral("Error") << false;
        QTest::newRow("an update that finds no row")
            << QStringLiteral("TeamName") << 9 << QStringLiteral("Failed Update") << false;
    }

    void aReportedFailureInsideASaveRollsItBack()
    {
        QFETCH(QString, field);
        QFETCH(int, teamNo);
        QFETCH(QString, title);
        QFETCH(bool, inner);
        auto step = [&] {
            if (field.isEmpty())
                execSql(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"));
            else
                PutDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), teamNo}}, field, QStringLiteral("x"));
        };
        addTeam(1, QStringLiteral("Comets"));
        try {
            Transaction tx;
            execSql(QStringLiteral("DELETE FROM Teams"));
            addTeam(2, QStringLiteral("Rockets"));
            if (inner) {
                try {
                    Transaction innerStep;
                    step();
                    innerStep.commit();
                } catch (const PwError&) {  // swallowed on the way, as a reporting helper would
                }
            } else {
                step();
            }
            tx.commit();
            QFAIL("a save with a failed step was committed");
        } catch (const PwError& e) {
            QCOMPARE(e.number(), err::DatabaseQuery);
        }
        QCOMPARE(env.prompter.titles().value(0), title);
        QCOMPARE(countRows(QStringLiteral("Teams")), 1);
        QCOMPARE(GetDBData(QStringLiteral("Teams"), {}, QStringLiteral("TeamName")), QStringLiteral("Comets"));
        // The connection is usable again, and a failure reported before a save began does not spoil it.
        Transaction next;
        addTeam(3, QStringLiteral("Stars"));
        next.commit();
        QCOMPARE(countRows(QStringLiteral("Teams")), 2);
    }

    void changeNoticesFollowTheOutermostCommit()
    {
        QList<ChangeNotice> heard;
        const auto listening =
            connect(&changeNotices(), &ChangeNotices::changed, this, [&heard](const ChangeNotice& n) { heard << n; });
        announce(Change::Drills, 0);  // no transaction: at once
        QCOMPARE(heard.size(), 1);
        {
            Transaction outer;
            addTeam(1, QStringLiteral("Comets"));
            announce(Change::Team, 1);
            {
                Transaction inner;
                announce(Change::Team, 1);  // the same notice twice in one save is sent once
                announce(Change::Players, 1);
                inner.commit();
            }
            QCOMPARE(heard.size(), 1);  // nothing before the outermost commit
            outer.commit();
        }
        QCOMPARE(heard.size(), 3);
        QVERIFY(heard.at(1).what == Change::Team && heard.at(1).teamNo == 1);
        QVERIFY(heard.at(2).what == Change::Players);
        {
            Transaction rolledBack;
            announce(Change::Games, 1);
        }
        try {
            Transaction failed;
            announce(Change::Games, 1);
            execSql(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"));
            failed.commit();
        } catch (const PwError&) {
        }
        QCOMPARE(heard.size(), 3);  // a save that did not happen is announced to nobody
        disconnect(listening);
    }

    void rowSetsReplaceTheirScopeInOneGo()
    {
        const QStringList columns{QStringLiteral("TeamNo"), QStringLiteral("GameNo"), QStringLiteral("PlayerNo"),
                                  QStringLiteral("QtrNo"), QStringLiteral("PlaceNo")};
        auto lineup = [&](int game, QList<QVariantList> rows) {
            return RowSet{QStringLiteral("GameSetup"),
                          {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), game}},
                          columns,
                          std::move(rows)};
        };
        replaceRows(lineup(2, {{1, 2, 7, 1, 1}}));
        replaceRows(lineup(1, {{1, 1, 1, 1, 1}, {1, 1, 2, 1, 2}}));
        const quint64 before = statementCount();
        replaceRows(lineup(1, {{1, 1, 3, 1, 1}, {1, 1, 4, 1, 2}, {1, 1, 5, 2, 1}}));
        QCOMPARE(statementCount() - before, quint64(1 + 3));  // one delete, the insert run three times
        QCOMPARE(countRows(QStringLiteral("GameSetup"), {{QStringLiteral("GameNo"), 1}}), 3);
        QCOMPARE(countRows(QStringLiteral("GameSetup"), {{QStringLiteral("PlayerNo"), 1}}), 0);
        QCOMPARE(countRows(QStringLiteral("GameSetup"), {{QStringLiteral("GameNo"), 2}}), 1);  // outside the scope

        // A set that fails half way leaves the stored set as it was.
        addOpponent(1, 1, QStringLiteral("Blue Herons"));
        const RowSet clash{QStringLiteral("Opponent"),
                           {{QStringLiteral("TeamNo"), 1}},
                           {QStringLiteral("TeamNo"), QStringLiteral("OpponentNo"), QStringLiteral("OpponentName")},
                           {{1, 1, QStringLiteral("Herons")}, {1, 1, QStringLiteral("Herons again")}}};
        try {
            replaceRows(clash);
            QFAIL("two opponents with one number were stored");
        } catch (const PwError& e) {
            QCOMPARE(e.number(), err::DuplicateKey);
            QVERIFY(e.description().contains(QLatin1String("already taken")));
        }
        QCOMPARE(GetDBData(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), 1}}, QStringLiteral("OpponentName")),
                 QStringLiteral("Blue Herons"));
        QVERIFY_THROWS_EXCEPTION(PwError, replaceRows(lineup(1, {{1, 1, 3}})));  // a short row
        QCOMPARE(countRows(QStringLiteral("GameSetup"), {{QStringLiteral("GameNo"), 1}}), 3);
    }

    void identityNumbersAreTakenOnce()
    {
        // Two coaches on one server adding a team at the same moment: the second is refused.
        addTeam(1, QStringLiteral("Comets"));
        try {
            addTeam(1, QStringLiteral("Rockets"));
            QFAIL("a second team 1 was stored");
        } catch (const PwError& e) {
            QCOMPARE(e.number(), err::DuplicateKey);
        }
        // The same number in another team is another player, and each team counts its own.
        addPlayer(1, 1, QStringLiteral("Alpha"), QStringLiteral("A"), 1);
        addPlayer(2, 1, QStringLiteral("Beta"), QStringLiteral("B"), 1);
        addPlayer(2, 2, QStringLiteral("Gamma"), QStringLiteral("C"), 2);
        QCOMPARE(PlayerCount(2), qint16(2));
        QCOMPARE(PlayerCount(1), qint16(1));
        QCOMPARE(GetDBData(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 2}, {QStringLiteral("PlayerNo"), 1}},
                           QStringLiteral("PlayerLastName")),
                 QStringLiteral("Beta"));
    }

    void olderDatabasesGetTheIdentityIndexes()
    {
        // A database from before the identity indexes, with rows that break an identity: it is kept
        // as it is, told in the log only.
        QSqlDatabase db = Db::shared();
        for (const TableDef& t : schemaTables()) {
            if (!t.identity.isEmpty())
                execSql(QStringLiteral("DROP INDEX ux_%1").arg(t.name));
        }
        if (store.location().engine == Engine::SQLite)
            execSql(QStringLiteral("PRAGMA user_version = 1"));
        else
            execSql(QStringLiteral("COMMENT ON TABLE Teams IS 'Pitchwise schema 1'"));
        addTeam(1, QStringLiteral("Comets"));
        addTeam(1, QStringLiteral("Comets again"));
        upgradeSchema(db);
        QCOMPARE(schemaVersion(db), 1);
        QVERIFY(env.logText().contains(QLatin1String("rows with the same number")));
        QVERIFY(env.prompter.shown.isEmpty());
        // Once they are mended, the next start brings it up to date.
        execSql(QStringLiteral("DELETE FROM Teams WHERE TeamName = ?"), {QStringLiteral("Comets again")});
        upgradeSchema(db);
        QCOMPARE(schemaVersion(db), kSchemaVersion);
        QVERIFY_THROWS_EXCEPTION(PwError, addTeam(1, QStringLiteral("Comets again")));
    }

    // A database from before the "May play in goal" tick is not refused for lacking it, and the
    // upgrade adds it; a database of this version without it is another program's.
    void olderDatabasesGetTheColumnsAddedSince()
    {
        QSqlDatabase db = Db::shared();
        addTeam(1, QStringLiteral("Comets"));
        addPlayer(1, 1, QStringLiteral("Alpha"), QStringLiteral("A"), 1);
        execSql(QStringLiteral("ALTER TABLE Player DROP COLUMN MayPlayGoal"));
        const auto setVersion = [&](int version) {
            if (store.location().engine == Engine::SQLite)
                execSql(QStringLiteral("PRAGMA user_version = %1").arg(version));
            else
                execSql(QStringLiteral("COMMENT ON TABLE Teams IS 'Pitchwise schema %1'").arg(version));
        };
        setVersion(kSchemaVersion);
        QCOMPARE(missingColumns(db), QStringList{QStringLiteral("Player.MayPlayGoal")});
        setVersion(2);
        QCOMPARE(missingColumns(db), QStringList());
        upgradeSchema(db);
        QCOMPARE(schemaVersion(db), kSchemaVersion);
        QCOMPARE(missingColumns(db), QStringList());
        execSql(QStringLiteral("UPDATE Player SET MayPlayGoal = ? WHERE PlayerNo = 1"), {true});
        QSqlQuery q = execSql(QStringLiteral("SELECT MayPlayGoal FROM Player WHERE PlayerNo = 1"));
        QVERIFY(q.next() && q.value(0).toBool());
    }

    void getNextNoFollowsTheHighestInItsScope()
    {
        const Where team1{{QStringLiteral("TeamNo"), 1}};
        auto next = [](const Where& w, qint16 floor = 0) {
            return GetNextNo(QStringLiteral("GameNo"), QStringLiteral("Schedule"), w, floor);
        };
        QCOMPARE(next(team1), qint16(1));
        QCOMPARE(next(team1, 1000), qint16(1001));
        addGame(1, 1, 1, QDate(2026, 9, 5));
        addGame(1, 4, 1, QDate(2026, 9, 12));
        addGame(2, 9, 1, QDate(2026, 9, 12));
        addGame(1, 2001, 1, QDate(2026, 10, 1));
        QCOMPARE(next({{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 1000, QStringLiteral("<")}}),
                 qint16(5));
        QCOMPARE(next(team1, 3000), qint16(3001));
        QCOMPARE(next(team1, 2000), qint16(2002));
    }

    void datesBooleansAndAmountsKeepTheirValues()
    {
        addTeam(1, QStringLiteral("Visible"), {{QStringLiteral("TeamAmount"), 300.5}});
        addTeam(2, QStringLiteral("Hidden"), {{QStringLiteral("Visible"), false}});
        QSqlQuery q = execSql(QStringLiteral("SELECT TeamName, StartDate, TeamAmount FROM Teams WHERE Visible = TRUE"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("Visible"));
        QCOMPARE(toDateTime(q.value(1)).date(), QDate(2026, 9, 5));
        QCOMPARE(q.value(2).toDouble(), 300.5);
        QVERIFY(!q.next());
        QCOMPARE(countRows(QStringLiteral("Teams"),
                           {{QStringLiteral("StartDate"), QDate(2026, 9, 5), QStringLiteral(">=")},
                            {QStringLiteral("StartDate"), QDate(2026, 9, 6), QStringLiteral("<=")}}),
                 2);
    }

    void emptySeedGivesEmptyDrillTables()
    {
        const QString emptySeed = env.dir() + QStringLiteral("/EmptySeed.db");
        withDatabase(emptySeed, [](const QSqlDatabase& db) { createSchema(db); });
        setSeedDatabasePath(emptySeed);
        TestStore other;
        QCOMPARE(other.open(env.dir()), QString());
        QCOMPARE(countRows(QStringLiteral("DrillBook")), 0);
        QCOMPARE(countRows(QStringLiteral("DrillData")), 0);
        QVERIFY(env.prompter.shown.isEmpty());
        other.close();
        setSeedDatabasePath(QString::fromLocal8Bit(qgetenv("PW_SEED_DB")));
        QCOMPARE(store.open(env.dir()), QString());
    }
};

QTEST_GUILESS_MAIN(TestStoreBehaviour)
#include "tst_store.moc"
