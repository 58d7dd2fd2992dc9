// The logic under the main window, on both engines: the tree and its node keys, the season
// record, the roster's flags and a game's state.
#include "TestSupport.h"

#include "common/AppState.h"
#include "games/Record.h"
#include "teams/TeamData.h"
#include "app/TeamTree.h"
#include "data/Fields.h"
#include "schedule/SeasonGames.h"
#include "fees/FeeStatus.h"
#include "games/GameState.h"
#include "teams/PlayerRules.h"

#include <QTest>

using namespace pw;
using namespace pwtest;

Q_DECLARE_METATYPE(NodeKey::Kind)

class TestTeamLogic : public QObject {
    Q_OBJECT

private:
    TestEnv env;
    TestStore store;

    // The tree as the main window builds it: visible teams, then all their games in one read.
    static void buildTree(TeamTreeModel& tree)
    {
        const QList<TeamEntry> teams = visibleTeams();
        QList<qint16> numbers;
        for (const TeamEntry& t : teams)
            numbers << t.teamNo;
        const quint64 before = statementCount();
        const QList<SeasonGame> games = readSeasonGames(numbers);
        QCOMPARE(statementCount() - before, quint64(1));
        tree.SetTeamTabs(teams, games);
    }

    QString image(const TeamTreeModel& tree, const QString& key) const
    {
        return tree.node(key) ? tree.node(key)->data(TeamTreeModel::ImageRole).toString() : QStringLiteral("<none>");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString why;
        if (!store.open(env.dir(), &why))
            QSKIP(qPrintable(why));
        addRealisticClub();
    }

    void init()
    {
        env.prompter.clear();
        resetState();
    }

    void nodeKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<NodeKey::Kind>("kind");
        QTest::addColumn<int>("team");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("tournament");
        QTest::newRow("team") << QStringLiteral("Team12") << NodeKey::Kind::Team << 12 << 0 << 0;
        QTest::newRow("game") << QStringLiteral("G7T3") << NodeKey::Kind::Game << 3 << 7 << 0;
        QTest::newRow("tournament") << QStringLiteral("E3T2") << NodeKey::Kind::Tournament << 3 << 0 << 2;
        QTest::newRow("tournament game") << QStringLiteral("R2003T4") << NodeKey::Kind::TournamentGame << 4 << 2003 << 2;
        QTest::newRow("date") << QStringLiteral("Date7T3") << NodeKey::Kind::Detail << 3 << 7 << 0;
        QTest::newRow("rescheduled date") << QStringLiteral("rDate7T3") << NodeKey::Kind::Detail << 3 << 7 << 0;
        QTest::newRow("coach phone") << QStringLiteral("OppCoachNo12T1") << NodeKey::Kind::Detail << 1 << 12 << 0;
        QTest::newRow("coach") << QStringLiteral("OppCoach12T1") << NodeKey::Kind::Detail << 1 << 12 << 0;
        QTest::newRow("score") << QStringLiteral("Score5T10") << NodeKey::Kind::Detail << 10 << 5 << 0;
        QTest::newRow("garbage") << QStringLiteral("G7X3") << NodeKey::Kind::Unknown << 0 << 0 << 0;
        QTest::newRow("empty") << QString() << NodeKey::Kind::Unknown << 0 << 0 << 0;
    }

    void nodeKeys()
    {
        QFETCH(QString, key);
        QFETCH(NodeKey::Kind, kind);
        QFETCH(int, team);
        QFETCH(int, game);
        QFETCH(int, tournament);
        const NodeKey k = NodeKey::parse(key);
        QCOMPARE(k.kind, kind);
        QCOMPARE(int(k.teamNo), team);
        QCOMPARE(int(k.gameNo), game);
        QCOMPARE(int(k.tournamentNo), tournament);
    }

    void treeHoldsVisibleTeamsAndTheirSeasonGames()
    {
        TeamTreeModel tree;
        buildTree(tree);
        QCOMPARE(tree.rowCount(), 2);
        QCOMPARE(tree.item(0)->data(TeamTreeModel::KeyRole).toString(), QStringLiteral("Team1"));
        QCOMPARE(tree.item(0)->data(TeamTreeModel::TagRole).toInt(), 1);
        QCOMPARE(tree.item(1)->text(), QStringLiteral("Rockets (U12B-Fall 2026)"));
        QCOMPARE(tree.item(0)->rowCount(), 6);  // season games only, by date
        QCOMPARE(tree.item(0)->child(0)->data(TeamTreeModel::KeyRole).toString(), QStringLiteral("G1T1"));
        QCOMPARE(tree.item(0)->child(5)->data(TeamTreeModel::KeyRole).toString(), QStringLiteral("G6T1"));
        QCOMPARE(tree.node(QStringLiteral("Date1T1"))->text(), QStringLiteral("Date:Saturday, September 12, 2026 at 10:00 AM"));
        QCOMPARE(image(tree, QStringLiteral("G4T1")), QStringLiteral("won"));  // stored result 1
        QCOMPARE(image(tree, QStringLiteral("G5T1")), QStringLiteral("nyp"));
        QVERIFY(!tree.node(QStringLiteral("rDate1T1")));
        QVERIFY(tree.node(QStringLiteral("Field3T1")));
        tree.removeChildren(QStringLiteral("Team1"));
        QCOMPARE(tree.item(0)->rowCount(), 0);
        QCOMPARE(tree.item(1)->rowCount(), 1);
    }

    void recordCountsOnlyGamesWithResults()
    {
        TeamTreeModel tree;
        buildTree(tree);
        const PointValues points{3, 1, 0};
        const RecordSummary r = GetRecord(1, 0, points, 3);
        tree.showResults(1, 0, r.games);
        QCOMPARE(r.recordText(), QStringLiteral("Record: 2 - 1 - 1"));
        QCOMPARE(r.pointTotalText(), QStringLiteral("Point Total:7"));
        QCOMPARE(r.scoreText, QStringLiteral("1-1"));
        // Results are rewritten from the goals; unplayed games keep no result.
        const QList<int> expected{1, 2, 3, 1};
        for (int g = 1; g <= 4; ++g) {
            QCOMPARE(GetDBData(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), g}},
                               QStringLiteral("Result")),
                     QString::number(expected[g - 1]));
        }
        QCOMPARE(GetDBData(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 5}},
                           QStringLiteral("Result")),
                 QString());
        QCOMPARE(image(tree, QStringLiteral("G1T1")), QStringLiteral("won"));
        QCOMPARE(image(tree, QStringLiteral("G2T1")), QStringLiteral("lost"));
        QCOMPARE(image(tree, QStringLiteral("G3T1")), QStringLiteral("tied"));
        QCOMPARE(image(tree, QStringLiteral("G5T1")), QStringLiteral("nyp"));
        QCOMPARE(tree.node(QStringLiteral("Score2T1"))->text(), QStringLiteral("Score: 0-2"));
        QCOMPARE(tree.node(QStringLiteral("Score5T1"))->text(), QStringLiteral("Score: "));
        // An unplayed game has no score; a game outside the season range neither.
        QCOMPARE(GetRecord(1, 0, points, 5).scoreText, QString());
        QCOMPARE(GetRecord(1, 0, points, 1001).scoreText, QString());
        // The other team's games do not count, and nothing happens without a team.
        QCOMPARE(GetRecord(2, 0, points, 1).recordText(), QStringLiteral("Record: 0 - 0 - 1"));
        QVERIFY(!GetRecord(0, 0, points).computed);
        // Two reads whatever the number of games, and no write once the results are in step.
        const quint64 before = statementCount();
        GetRecord(1, 0, points, 3);
        QCOMPARE(statementCount() - before, quint64(2));
    }

    void aTournamentCountsItsOwnGames()
    {
        const RecordSummary r = GetRecord(1, 1, {3, 0, 0}, 1001);
        QCOMPARE(r.recordText(), QStringLiteral("Record: 1 - 0 - 0"));
        QCOMPARE(r.scoreText, QStringLiteral("3-2"));
    }

    void pointValuesParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("win");
        QTest::addColumn<int>("tie");
        QTest::addColumn<int>("loss");
        QTest::newRow("usual") << QStringLiteral("3;1;0") << 3 << 1 << 0;
        QTest::newRow("spaces") << QStringLiteral(" 2 ; 1 ; 0 ") << 2 << 1 << 0;
        QTest::newRow("short") << QStringLiteral("3") << 3 << 0 << 0;
        QTest::newRow("malformed") << QStringLiteral("three;one;x") << 0 << 0 << 0;
        QTest::newRow("empty") << QString() << 0 << 0 << 0;
    }

    void pointValuesParse()
    {
        QFETCH(QString, text);
        const PointValues pv = parsePointValue(text);
        QTEST(int(pv.win), "win");
        QTEST(int(pv.tie), "tie");
        QTEST(int(pv.loss), "loss");
    }

    void rosterFlagsAgeAndFees()
    {
        const TeamSettings team = readTeamSettings(1);
        QVERIFY(team.TournamentPlay);
        QVERIFY(team.ManageFees);
        QCOMPARE(team.WinPoints, qint16(3));
        QCOMPARE(team.CutOff, QDate(2016, 8, 1));
        QCOMPARE(team.WebSite, QStringLiteral("https://league.example.org/standings"));
        const QList<RosterRow> rows = readRoster(1, team);
        QCOMPARE(rows.size(), 15);
        QCOMPARE(rows[0].text, QStringLiteral("Alvarez,Sofia (2)"));
        QVERIFY(rows[4].tooOld);
        QVERIFY(!rows[0].tooOld);
        // 1500 over 15 players is 100 each.
        QCOMPARE(rows[0].fee, std::optional<FeeStatus>(FeeStatus::Paid));
        QCOMPARE(rows[11].fee, std::optional<FeeStatus>(FeeStatus::Partial));
        QCOMPARE(rows[14].fee, std::optional<FeeStatus>(FeeStatus::Unpaid));
        const QList<RosterRow> noFees = readRoster(2, readTeamSettings(2));
        QVERIFY(!noFees[0].fee.has_value());
        QCOMPARE(readTeamSettings(99).Periods, qint16(0));
    }

    void gameState()
    {
        QVERIFY(CheckGameStatus(1, 0));
        QVERIFY(CheckGameStatus(1, 4));
        QVERIFY(!CheckGameStatus(1, 5));
        QVERIFY(!CheckGameStatus(1, 77));
        QVERIFY(isResult(QStringLiteral("2")));
        QVERIFY(!isResult(QStringLiteral("0")));
        QVERIFY(!isResult(QStringLiteral("x")));
        QCOMPARE(CountQtrs(QStringLiteral("1;0;1;1")), qint16(3));
        QCOMPARE(CountQtrs(QStringLiteral("1;1;1;1")), qint16(4));
        QCOMPARE(CountQtrs(QStringLiteral("0;0")), qint16(0));
        QCOMPARE(CountQtrs(QString()), qint16(0));
    }

    void agesAndShares()
    {
        QCOMPARE(CalculateAge(QDate(2016, 12, 5), QDate(2026, 12, 5)), 10);  // the birthday counts
        QCOMPARE(CalculateAge(QDate(2016, 12, 6), QDate(2026, 12, 5)), 9);
        QCOMPARE(CalculateAge(QDate(2016, 2, 29), QDate(2026, 2, 28)), 9);
        QCOMPARE(CalculateAge(QDate(2016, 2, 29), QDate(2026, 3, 1)), 10);
        QVERIFY(CheckAge(QDate(2016, 8, 1), QDate(2016, 8, 1)));
        QVERIFY(!CheckAge(QDate(2016, 7, 31), QDate(2016, 8, 1)));
        QVERIFY(CheckAge(QDate(), QDate(2016, 8, 1)));
        QCOMPARE(playerShare(300, 12), 25.0);
        QCOMPARE(playerShare(300, 0), 0.0);
        QCOMPARE(feeStatus(33.33, playerShare(100, 3)), FeeStatus::Paid);
        QCOMPARE(feeStatus(0, 0), FeeStatus::Paid);
    }
};

QTEST_GUILESS_MAIN(TestTeamLogic)
#include "tst_teamlogic.moc"
