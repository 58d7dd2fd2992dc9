// SPDX-License-Identifier: GPL-3.0-or-later
// Tournament brackets without their window: numbering and layout, advancing and clearing, game
// tags and their texts, and what a bracket reads from and writes to the store (its rows, the own
// team's games, the tree's branches), on both engines.
#include "TestSupport.h"

#include "common/Formats.h"
#include "core/games/GameStats.h"
#include "core/games/Record.h"
#include "core/schedule/Schedule.h"
#include "core/tournaments/Bracket.h"
#include "core/tournaments/Tournaments.h"

#include <QSqlQuery>

using namespace pw;
using namespace pwtest;

namespace {

const QSizeF kLabel(1800, 285);

QStringList ownGames(int team = 1)
{
    return queryRows(QStringLiteral("SELECT GameNo, OpponentNo, GameTime, FieldName, Result FROM Schedule "
                                    "WHERE TeamNo = ? AND GameNo >= 1000 ORDER BY GameNo"),
                     {team});
}

BracketTeam picked(const QString& name, int opponentNo)
{
    return {name, QString::number(opponentNo)};
}

// Cup 1 of the Comets (own number 5), two rounds: *Comets (5) v Blue Herons (1), Valley FC (4) v
// a typed-in Lakeside; the Comets won round 1 and meet Valley FC in round 2.
Bracket cupBracket()
{
    Bracket b(2);
    b.setTeam(1, picked(QStringLiteral("*Comets"), 5));
    b.setTeam(2, picked(QStringLiteral("Blue Herons"), 1));
    b.setTeam(3, picked(QStringLiteral("Valley FC"), 4));
    b.setTeam(4, {QStringLiteral("Lakeside"), {}});
    b.setGameTag(1, QStringLiteral("2026-10-03;09:30;Smith's \"Park\"; 4"));
    b.advance(1);
    b.advance(3);
    return b;
}

}  // namespace

class TestBracket : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        for (int team : {1, 2, 3}) {
            addTeam(team, QStringLiteral("Team %1").arg(team));
            addOpponent(team, 1, QStringLiteral("Blue Herons"));
            addOpponent(team, 4, QStringLiteral("Valley FC"));
            addOpponent(team, 5, QStringLiteral("Comets"), true);
            saveTournament({qint16(team), 1, QStringLiteral("Harvest Cup"), 2, QDate(2026, 10, 3)});
        }
        addGame(1, 7, 1, QDate(2026, 9, 12));  // a season game, and a game of another tournament
        addGame(1, 2001, 1, QDate(2026, 11, 1));
    }

    void layout_data()
    {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("games");
        QTest::newRow("1 round") << 1 << 3 << 1;
        QTest::newRow("4 rounds") << 4 << 31 << 15;
    }
    void layout()
    {
        QFETCH(int, rounds);
        QFETCH(int, labels);
        QFETCH(int, games);
        const BracketLayout l = BuildTourney(rounds, kLabel);
        const Bracket b(rounds);
        QCOMPARE(l.teamLabels.keys(), b.allSlots());
        QCOMPARE(l.gameLabels.keys(), b.games());
        QCOMPARE(b.allSlots().size(), labels);
        QCOMPARE(b.games().size(), games);
        QCOMPARE(l.teamLabels.value(1), QRectF(QPointF(500, 375), kLabel));
        QCOMPARE(l.teamLabels.value(2).top(), 875.0);
        QCOMPARE(l.gameLabels.value(1).topLeft(), QPointF(500, 625));
        QCOMPARE(l.headings.size(), rounds);
        QCOMPARE(l.headings.last().text, QStringLiteral("Round %1").arg(rounds));
        QCOMPARE(l.headings.last().centreX, 2300.0 * (rounds - 1) + 500 + 900);
        // The surface reaches 100 past the winner's right edge and the last entered team's bottom.
        const double right = 2300.0 * rounds + 500 + 1800 + 100;
        QCOMPARE(l.surface, QSizeF(right, 500.0 * ((1 << rounds) - 1) + 375 + 285 + 100));
        // Every game's lines meet its winner: two stubs of 250 and a bar at the winner's middle.
        QCOMPARE(l.connectors.size(), 4 * games);
        for (int game : b.games()) {
            const QRectF winner = l.teamLabels.value(bracket::winnerSlot(game));
            const QLineF in(winner.left() - 250, winner.center().y(), winner.left(), winner.center().y());
            QVERIFY2(l.connectors.contains(in), qPrintable(QString::number(game)));
            const QRectF upper = l.teamLabels.value(game), lower = l.teamLabels.value(game + 1);
            QVERIFY(l.connectors.contains(
                QLineF(upper.right() + 250, upper.center().y(), lower.right() + 250, lower.center().y())));
            QCOMPARE((upper.center().y() + lower.center().y()) / 2, winner.center().y());
        }
        if (rounds == 4) {
            QCOMPARE(l.teamLabels.value(301).topLeft(), QPointF(7400, 2125));
            QCOMPARE(l.teamLabels.value(302).top(), 6125.0);
            QCOMPARE(l.gameLabels.value(301).topLeft(), QPointF(7400, 4125));
            QCOMPARE(bracket::gameOf(302), 301);
            QCOMPARE(bracket::winnerSlot(301), 401);
            QCOMPARE(l.teamLabels.value(401).top(), 4125.0);
        }
    }

    void advancingAndClearing()
    {
        Bracket b(2);
        QVERIFY(!b.advance(3));  // empty
        b.setTeam(3, {QStringLiteral("Valley FC"), QStringLiteral("4")});
        QVERIFY(b.advance(3));
        QCOMPARE(b.team(102).caption, QStringLiteral("Valley FC"));
        QVERIFY(b.advance(102));
        QCOMPARE(b.team(201), (BracketTeam{QStringLiteral("Valley FC"), QStringLiteral("4")}));
        QVERIFY(!b.advance(201));  // the winner goes nowhere
        b.clearSlot(102);
        QVERIFY(b.team(102).isEmpty());
        QVERIFY(b.team(3) == b.team(201));
        b.setGameTag(3, QStringLiteral("2026-10-03;;"));
        b.setTeam(1, {QStringLiteral("x"), QStringLiteral("1"), true});
        b.clearTeams();
        QVERIFY(!b.hasAnyTeam());
        QVERIFY(!b.team(1).hidden);
        QCOMPARE(b.gameTag(3), QStringLiteral("2026-10-03;;"));
        QCOMPARE(b.games(), (QList<int>{1, 3, 101}));
    }

    // Any way a date was typed is stored alike; what cannot be read is no time at all.
    void gameTags()
    {
        const QList<std::array<const char*, 3>> tags{
            // typed, stored, shown
            {";;", ";;", "Game Time"},
            {"", ";;", "Game Time"},
            {"Game Time", ";;", "Game Time"},
            {"soon;later", ";;", "Game Time"},
            {"2026-10-03;09:30;Field 4", "2026-10-03;09:30;Field 4", "Oct 3 - 09:30AM Field 4"},
            {"10/3/2026;1:30 PM;A;B", "2026-10-03;13:30;A;B", "Oct 3 - 01:30PM A;B"},
            {"13/10/2026;;", "2026-10-13;;", "Oct 13"},
            {"3.10.2026;;North", "2026-10-03;;North", "Oct 3 - North"},
            {"2026-10-03", "2026-10-03;;", "Oct 3"},
            {"2026-10-03;9:30:15;Field 4", "2026-10-03;09:30:15;Field 4", "Oct 3 - 09:30AM Field 4"}};
        for (const auto& [typed, stored, shown] : tags) {
            QCOMPARE(BracketGameTag::parse(QString::fromLatin1(typed)).toText(), QString::fromLatin1(stored));
            QCOMPARE(FormatGameTime(QString::fromLatin1(typed)), QString::fromLatin1(shown));
        }
    }

    void toolTips()
    {
        QCOMPARE(
            gameToolTip(QStringLiteral("2026-10-03;09:30;Field 4")),
            QStringLiteral("Date: October 3, 2026\r\nTime: 09:30 AM\r\nField: Field 4\r\n(Double-Click to Modify)"));
        QCOMPARE(gameToolTip(QStringLiteral(";;")),
                 QStringLiteral("Date: \r\nTime: \r\nField: \r\n(Double-Click to Modify)"));
    }

    void tournaments()
    {
        QCOMPARE(readTournaments(1).size(), 1);
        QCOMPARE(nextTournamentNo(1), qint16(2));
        QVERIFY_THROWS_EXCEPTION(PwError, saveTournament({1, 0, QStringLiteral("  "), 2, {}}));
        QCOMPARE(saveTournament({1, 0, QStringLiteral("Spring Shield"), 3, QDate(2027, 4, 1)}), qint16(2));
        const auto spring = readTournament(1, 2);
        QVERIFY(spring && spring->name == QStringLiteral("Spring Shield") && spring->startDate == QDate(2027, 4, 1));
        saveTournament({1, 31, QStringLiteral("Last"), 1, {}});
        QVERIFY_THROWS_EXCEPTION(PwError, nextTournamentNo(1));  // no 32nd
        // Deleting keeps the own team's games of the tournament.
        Bracket cup = cupBracket();
        saveBracket(1, 1, cup);
        DeleteTournament(1, 1);
        QVERIFY(!readTournament(1, 1));
        QCOMPARE(countRows(QStringLiteral("Tournament"), {{QStringLiteral("TeamNo"), 1}}), 0);
        QCOMPARE(ownGames().size(), 3);
        QCOMPARE(readTournaments(2).size(), 1);
    }

    void savingAndLoading()
    {
        Bracket cup = cupBracket();
        saveBracket(1, 1, cup);
        QCOMPARE(countRows(QStringLiteral("Tournament"), {{QStringLiteral("TeamNo"), 1}}), 3);
        QCOMPARE(
            queryRows(QStringLiteral(
                "SELECT Round, Time, Opp1, Opp1No, Opp2, Opp2No FROM Tournament WHERE TeamNo = 1 AND Round = 101")),
            QStringList{QStringLiteral("101/;;/*Comets/5/Valley FC/4")});
        QCOMPARE(ownGames(),
                 (QStringList{QStringLiteral("1001/1/09:30 AM/Smith's \"Park\"; 4/"), QStringLiteral("1002/4///"),
                              QStringLiteral("2001/1/10:00 AM/Riverside 2/")}));
        QSqlQuery date = execSql(QStringLiteral("SELECT GameDate FROM Schedule WHERE TeamNo = 1 AND GameNo = 1001"));
        QVERIFY(date.next());
        QCOMPARE(toDateTime(date.value(0)).date(), QDate(2026, 10, 3));
        QVERIFY(FillTourney(1, 1, 2) == cup);

        // Typed-in sides write no game, even the own team's name typed in.
        Bracket typed(1);
        typed.setTeam(1, {QStringLiteral("*Comets"), {}});
        typed.setTeam(2, {QStringLiteral("Blue Herons"), {}});
        saveBracket(2, 1, typed);
        QVERIFY(ownGames(2).isEmpty());

        // A new time reaches the own game of its round only.
        const BracketGameTag later{QDate(2026, 10, 4), QTime(14, 0), QStringLiteral("Field 9")};
        QVERIFY(writeOwnGameTime(1, 1, 2, later));
        QVERIFY(!writeOwnGameTime(1, 1, 3, later));
        QCOMPARE(ownGames().value(1), QStringLiteral("1002/4/02:00 PM/Field 9/"));

        // Cleared and saved: the cup's own games go, the season's and the other cup's stay.
        cup.clearTeams();
        saveBracket(1, 1, cup);
        QCOMPARE(ownGames(), QStringList{QStringLiteral("2001/1/10:00 AM/Riverside 2/")});
        QCOMPARE(countRows(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 7}}),
                 1);
        QCOMPARE(FillTourney(1, 1, 2).gameTag(1), cup.gameTag(1));
    }

    // A game without statistics has no result: saved rounds count nothing until figures are entered,
    // and a round written again keeps what its figures gave it.
    void onlyGamesWithFiguresCount()
    {
        addPlayer(1, 1, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 2);
        Bracket cup = cupBracket();
        saveBracket(1, 1, cup);
        const PointValues points{3, 1, 0};
        RecordSummary r = GetRecord(1, 1, points);
        QCOMPARE(r.recordText(), QStringLiteral("Record: 0 - 0 - 0"));
        QCOMPARE(r.pointTotalText(), QStringLiteral("Point Total:0"));
        QVERIFY(r.games.isEmpty());  // no round gets the tied picture

        // Round 1 is played: 2-0.
        StatFigures won;
        won.goals = QStringLiteral("2");
        saveGameStats(1, 1001, 1, 1, won, false);
        r = GetRecord(1, 1, points, 1001);
        QCOMPARE(r.recordText(), QStringLiteral("Record: 1 - 0 - 0"));
        QCOMPARE(r.scoreText, QStringLiteral("2-0"));
        // Saving the bracket again keeps round 1's result and gives round 2 none.
        cup.setGameTag(101, QStringLiteral("2026-10-04;11:00;North"));
        saveBracket(1, 1, cup);
        QCOMPARE(ownGames().mid(0, 2), (QStringList{QStringLiteral("1001/1/09:30 AM/Smith's \"Park\"; 4/1"),
                                                    QStringLiteral("1002/4/11:00 AM/North/")}));
        QCOMPARE(GetRecord(1, 1, points).recordText(), QStringLiteral("Record: 1 - 0 - 0"));

        // A result stored without any figures (as earlier versions saved every round) counts
        // nothing and is taken away.
        execSql(QStringLiteral("UPDATE Schedule SET Result = 99 WHERE TeamNo = 1 AND GameNo = 1002"));
        r = GetRecord(1, 1, points);
        QCOMPARE(r.recordText(), QStringLiteral("Record: 1 - 0 - 0"));
        QCOMPARE(r.pointTotalText(), QStringLiteral("Point Total:3"));
        QCOMPARE(r.games.size(), 1);
        QCOMPARE(ownGames().value(1), QStringLiteral("1002/4/11:00 AM/North/"));
    }

    // Times with seconds and texts longer than their columns are stored as they read back.
    void timesAndLongTextsReadBack()
    {
        QCOMPARE(parseGameTime(gameTimeText(QTime(9, 30, 15))), QTime(9, 30, 15));
        QCOMPARE(gameTimeText(QTime(9, 30)), QStringLiteral("09:30 AM"));
        Bracket cup = cupBracket();
        cup.setGameTag(1, BracketGameTag{QDate(2026, 10, 3), QTime(9, 30, 15), QStringLiteral("Field 4")}.toText());
        saveBracket(1, 1, cup);
        QCOMPARE(BracketGameTag::parse(FillTourney(1, 1, 2).gameTag(1)).time, QTime(9, 30, 15));
        QCOMPARE(ownGames().first(), QStringLiteral("1001/1/09:30:15 AM/Field 4/"));
        QSqlQuery time = execSql(QStringLiteral("SELECT GameTime FROM Schedule WHERE TeamNo = 1 AND GameNo = 1001"));
        QVERIFY(time.next());
        QCOMPARE(parseGameTime(time.value(0).toString()), QTime(9, 30, 15));

        // An emoji at a column's edge is left out whole, never cut in half.
        const QString goal = QString::fromUtf8("\xF0\x9F\xA5\x85");
        const QString name = QString(49, QLatin1Char('C')) + goal;
        saveTournament({1, 1, name, 2, {}});
        QCOMPARE(readTournament(1, 1)->name, QString(49, QLatin1Char('C')));
        QVERIFY(renameTournament(1, 1, QStringLiteral("Cup ") + QString(45, QLatin1Char('C')) + goal));
        QCOMPARE(readTournament(1, 1)->name, QStringLiteral("Cup ") + QString(45, QLatin1Char('C')));
        cup.setTeam(4, {QString(254, QLatin1Char('L')) + goal, {}});
        cup.setGameTag(3, QStringLiteral("2026-10-03;10:00;") + QString(32, QLatin1Char('F')) + goal);
        saveBracket(1, 1, cup);
        const Bracket read = FillTourney(1, 1, 2);
        QCOMPARE(read.team(4).caption, QString(254, QLatin1Char('L')));
        QCOMPARE(read.gameTag(3), QStringLiteral("2026-10-03;10:00;") + QString(32, QLatin1Char('F')));
    }

    void selfPairsAreHidden()
    {
        Bracket b(2);
        b.setTeam(1, picked(QStringLiteral("*Comets"), 5));
        b.setTeam(2, picked(QStringLiteral("*Comets"), 5));
        b.setTeam(3, picked(QStringLiteral("Valley FC"), 4));
        saveBracket(1, 1, b);
        QVERIFY(b.team(1).hidden && b.team(2).hidden && !b.team(3).hidden);
        QVERIFY(ownGames().size() == 1);  // a bye is no game
        QVERIFY(FillTourney(1, 1, 2).team(2).hidden);
    }

    void failedSaveChangesNothing()
    {
        Bracket cup = cupBracket();
        saveBracket(1, 1, cup);
        const QStringList games = ownGames();
        Bracket changed = cupBracket();
        changed.setTeam(3, picked(QStringLiteral("*Comets"), 5));
        changed.setTeam(4, picked(QStringLiteral("*Comets"), 5));
        changed.setGameTag(101, QStringLiteral("2026-10-04;11:00;"));
        const Bracket before = changed;
        {
            const Refusal refusal(QStringLiteral("Schedule"), QStringLiteral("INSERT"));
            QVERIFY_THROWS_EXCEPTION(PwError, saveBracket(1, 1, changed));
        }
        QVERIFY(changed == before);  // not marked hidden either
        QVERIFY(FillTourney(1, 1, 2) == cup);
        QCOMPARE(ownGames(), games);
    }

    void damagedRowsLoad()
    {
        const QString columns = QStringLiteral("TeamNo TournamentNo Round Time Opp1 Opp1No Opp2 Opp2No");
        insertRow(QStringLiteral("Tournament"),
                  fields(columns, {1, 1, 1, "10/3/2026", "*Comets", "5", "Gone FC", "77"}));
        insertRow(QStringLiteral("Tournament"), fields(columns, {1, 1, 3, "soon;later;", "x", "not a number", {}, {}}));
        for (int round : {2, 5, 301, -1})
            insertRow(QStringLiteral("Tournament"), fields(columns, {1, 1, round, ";;", "Ghost", "1", "Ghost", "1"}));
        Bracket b = FillTourney(1, 1, 2);
        QCOMPARE(FormatGameTime(b.gameTag(1)), QStringLiteral("Oct 3"));
        QCOMPARE(FormatGameTime(b.gameTag(3)), QStringLiteral("Game Time"));
        QCOMPARE(b.team(2).caption, QStringLiteral("Gone FC"));
        QVERIFY(b.team(4).isEmpty() && b.team(101).isEmpty());
        saveBracket(1, 1, b);
        QCOMPARE(ownGames().first(), QStringLiteral("1001/77///"));
        QCOMPARE(tournamentBranches({1}).first().roundTexts.first(), QStringLiteral("Round1"));
    }

    void treeBranches()
    {
        Bracket cup = cupBracket();
        cup.clearSlot(102);  // round 2's opponent not known yet
        saveBracket(1, 1, cup);
        Bracket other(2);
        other.setTeam(2, picked(QStringLiteral("*Comets"), 5));
        other.setTeam(1, picked(QStringLiteral("Blue Herons"), 1));
        other.advance(1);  // the Comets lost round 1: nothing ahead of them
        saveBracket(2, 1, other);
        saveTournament({1, 2, QStringLiteral("Spring Shield"), 3, {}});

        quint64 before = statementCount();
        const QList<TournamentBranch> one = tournamentBranches({1});
        const quint64 cost = statementCount() - before;
        before = statementCount();
        const QList<TournamentBranch> all = tournamentBranches({1, 2, 3});
        QCOMPARE(statementCount() - before, cost);
        QCOMPARE(all.size(), 4);

        QCOMPARE(one.size(), 2);
        QCOMPARE(one[0].roundTexts, (QStringList{QStringLiteral("Blue Herons"), QStringLiteral("Round2")}));
        QCOMPARE(one[0].clockRounds, QList<int>{2});
        QCOMPARE(one[1].roundTexts.size(), 3);
        QVERIFY(one[1].clockRounds.isEmpty());  // the Comets are not in that bracket yet
        QCOMPARE(all[2].info.teamNo, qint16(2));
        QCOMPARE(all[2].roundTexts.first(), QStringLiteral("Blue Herons"));
        QVERIFY(all[2].clockRounds.isEmpty());
    }
};

QTEST_MAIN(TestBracket)
#include "tst_bracket.moc"
