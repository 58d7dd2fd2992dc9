// SPDX-License-Identifier: GPL-3.0-or-later
// The logic under the main window, on both engines: the tree and its node keys, the season
// record, the roster's flags and a game's state.
#include "TestSupport.h"

#include "app/RosterData.h"
#include "app/TeamTree.h"
#include "core/fees/FeeStatus.h"
#include "core/games/GameState.h"
#include "core/games/Record.h"
#include "core/schedule/SeasonGames.h"
#include "core/teams/PlayerRules.h"
#include "core/teams/TeamData.h"
#include "core/tournaments/Bracket.h"

using namespace pw;
using namespace pwtest;

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
        if (const QString why = store.open(env.dir()); !why.isEmpty())
            QSKIP(qPrintable(why));
        addRealisticClub();
    }

    void init() { env.reset(); }

    void nodeKeys()
    {
        using K = NodeKey::Kind;
        const struct {
            const char* key;
            K kind;
            int team, game, tournament;
        } cases[] = {{"Team12", K::Team, 12, 0, 0},
                     {"G7T3", K::Game, 3, 7, 0},
                     {"E3T2", K::Tournament, 3, 0, 2},
                     {"R2003T4", K::TournamentGame, 4, 2003, 2},
                     {"Date7T3", K::Detail, 3, 7, 0},
                     {"rDate7T3", K::Detail, 3, 7, 0},  // rescheduled date
                     {"OppCoachNo12T1", K::Detail, 1, 12, 0},
                     {"OppCoach12T1", K::Detail, 1, 12, 0},
                     {"Score5T10", K::Detail, 10, 5, 0},
                     {"G7X3", K::Unknown, 0, 0, 0},
                     {"", K::Unknown, 0, 0, 0}};
        for (const auto& c : cases) {
            const NodeKey k = NodeKey::parse(QString::fromLatin1(c.key));
            QVERIFY2(k.kind == c.kind && k.teamNo == c.team && k.gameNo == c.game && k.tournamentNo == c.tournament,
                     c.key);
        }
    }

    void theTreeShowsTheSeasonAndItsRecord()
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
        QCOMPARE(tree.node(QStringLiteral("G2T1"))->text(), QStringLiteral("Lakeside United"));
        QCOMPARE(tree.node(QStringLiteral("Date1T1"))->text(),
                 QStringLiteral("Date:Saturday, September 12, 2026 at 10:00 AM"));
        QCOMPARE(tree.node(QStringLiteral("Field3T1"))->text(), QStringLiteral("Field: Riverside 2"));
        QVERIFY(tree.node(QStringLiteral("OppCoachNo1T1")));
        QVERIFY(!tree.node(QStringLiteral("rDate1T1")));
        QCOMPARE(image(tree, QStringLiteral("G4T1")), QStringLiteral("won"));  // stored result 1

        // The record counts only games with results.
        const PointValues points{3, 1, 0};
        const RecordSummary r = GetRecord(1, 0, points, 3);
        tree.showResults(1, 0, r.games);
        QCOMPARE(r.recordText(), QStringLiteral("Record: 2 - 1 - 1"));
        QCOMPARE(r.pointTotalText(), QStringLiteral("Point Total:7"));
        QCOMPARE(r.scoreText, QStringLiteral("1-1"));
        // Results are rewritten from the goals; unplayed games keep no result.
        const QStringList results{
            QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1"), {}};
        const QStringList images = QStringLiteral("won lost tied won nyp").split(QLatin1Char(' '));
        for (int g = 1; g <= 5; ++g) {
            const Where game{{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), g}};
            QCOMPARE(GetDBData(QStringLiteral("Schedule"), game, QStringLiteral("Result")), results[g - 1]);
            QCOMPARE(image(tree, QStringLiteral("G%1T1").arg(g)), images[g - 1]);
        }
        QCOMPARE(tree.node(QStringLiteral("Score2T1"))->text(), QStringLiteral("Score: 0-2"));
        QCOMPARE(tree.node(QStringLiteral("Score5T1"))->text(), QStringLiteral("Score: "));
        // A tournament added after its results were shown still shows its round's score.
        tree.showResults(1, 1, {GameResult{1001, 1, QStringLiteral("2-0")}});
        tree.AddTourney(
            1, {TournamentBranch{TournamentInfo{1, 1, QStringLiteral("Cup"), 1, {}}, {QStringLiteral("Round1")}, {}}});
        QCOMPARE(tree.node(NodeKey::detail(QStringLiteral("Score"), 1001, 1))->text(), QStringLiteral("Score: 2-0"));
        // An unplayed game has no score; a game outside the season range neither.
        QCOMPARE(GetRecord(1, 0, points, 5).scoreText, QString());
        QCOMPARE(GetRecord(1, 0, points, 1001).scoreText, QString());
        // The other team's games do not count, and nothing happens without a team.
        QCOMPARE(GetRecord(2, 0, points, 1).recordText(), QStringLiteral("Record: 0 - 0 - 1"));
        QVERIFY(!GetRecord(0, 0, points).computed);
        // A tournament counts its own games.
        const RecordSummary cup = GetRecord(1, 1, {3, 0, 0}, 1001);
        QCOMPARE(cup.recordText(), QStringLiteral("Record: 1 - 0 - 0"));
        QCOMPARE(cup.scoreText, QStringLiteral("3-2"));
        // Two reads whatever the number of games, and no write once the results are in step.
        const quint64 before = statementCount();
        GetRecord(1, 0, points, 3);
        QCOMPARE(statementCount() - before, quint64(2));
        tree.removeChildren(QStringLiteral("Team1"));
        QCOMPARE(tree.item(0)->rowCount(), 0);
        QCOMPARE(tree.item(1)->rowCount(), 1);
    }

    void aReadOnlyDatabaseStillShowsTheRecord()
    {
        if (store.location().engine != Engine::SQLite)
            QSKIP("read-only files are a SQLite matter");
        // Results out of step with the goals, on a database that cannot be written.
        execSql(QStringLiteral("UPDATE Schedule SET Result = 99 WHERE TeamNo = 1 AND GameNo = 1"));
        DbLocation readOnly = store.location();
        readOnly.readOnly = true;
        Db::openShared(readOnly);
        const RecordSummary r = GetRecord(1, 0, {3, 1, 0}, 1);
        QCOMPARE(r.recordText(), QStringLiteral("Record: 2 - 1 - 1"));
        QCOMPARE(r.pointTotalText(), QStringLiteral("Point Total:7"));
        QVERIFY(env.prompter.shown.isEmpty());
        Db::openShared(store.location());
        QCOMPARE(GetDBData(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 1}},
                           QStringLiteral("Result")),
                 QStringLiteral("99"));
        GetRecord(1, 0, {3, 1, 0});  // writable again: the result follows the goals
    }

    void pointValuesParse()
    {
        // Win, tie and loss points; what cannot be read counts as zero.
        for (const auto& [text, points] : {std::pair{"3;1;0", "3 1 0"},
                                           {" 2 ; 1 ; 0 ", "2 1 0"},
                                           {"3", "3 0 0"},
                                           {"three;one;x", "0 0 0"},
                                           {"", "0 0 0"}}) {
            const PointValues pv = parsePointValue(QString::fromLatin1(text));
            QCOMPARE(QStringLiteral("%1 %2 %3").arg(pv.win).arg(pv.tie).arg(pv.loss), QString::fromLatin1(points));
        }
    }

    void rosterFlagsAgeAndFees()
    {
        const TeamSettings team = readTeamSettings(1);
        QVERIFY(team.TournamentPlay);
        QCOMPARE(team.WinPoints, qint16(3));
        QCOMPARE(team.CutOff, QDate(2016, 8, 1));
        QCOMPARE(team.WebSite, QStringLiteral("https://league.example.org/standings"));
        const QList<RosterRow> rows = readRoster(1, team);
        QCOMPARE(rows.size(), 15);
        QCOMPARE(rows[0].text, QStringLiteral("Alvarez,Sofia (2)"));
        QCOMPARE(rows[14].text, QStringLiteral("O'Brien,Nora (16)"));
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

    void gameStateAgesAndShares()
    {
        // The team view counts as played; game 4 is, game 5 is not, game 77 does not exist.
        for (const auto& [game, played] : {std::pair{0, true}, {4, true}, {5, false}, {77, false}})
            QCOMPARE(CheckGameStatus(1, qint16(game)), played);
        for (const auto& [text, result] : {std::pair{"2", true}, {"0", false}, {"x", false}})
            QCOMPARE(isResult(QString::fromLatin1(text)), result);
        for (const auto& [quarters, count] : {std::pair{"1;0;1;1", 3}, {"1;1;1;1", 4}, {"0;0", 0}, {"", 0}})
            QCOMPARE(CountQtrs(QString::fromLatin1(quarters)), qint16(count));
        // Ages count the birthday; fee shares split the team amount.
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
