// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window shows for a selected game or summary, on both engines: playing-time
// shares, the players' figures and the team totals, the selected player's game record, and the
// grids and totals strip of the window itself.
#include "TestSupport.h"

#include "app/MainForm.h"
#include "app/RosterModel.h"
#include "app/TeamTree.h"
#include "common/Formats.h"
#include "common/Selection.h"
#include "core/games/GameState.h"
#include "core/games/GameView.h"
#include "core/games/Lineup.h"
#include "core/games/LineupStore.h"
#include "data/Fields.h"

#include <QLabel>
#include <QTreeView>

#include <random>

using namespace pw;
using namespace pwtest;

namespace {

void stat(int game, int player, int played, const char* available, const QVariantList& figures = {})
{
    Fields f = fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable"),
                      {1, game, player, played, QString::fromLatin1(available)});
    const QStringList names = QStringLiteral("Shots Goals Blocks Assists ShotOnGoal GoalsScored GoalsBlocked OverShot")
                                  .split(QLatin1Char(' '));
    for (qsizetype i = 0; i < figures.size(); ++i)
        f << qMakePair(names[i], figures[i]);
    insertRow(QStringLiteral("GameStat"), f);
}

// Comets: Alvarez played 3 of 4 periods in game 1 and 2 of 4 in game 2, and kept goal in the
// cup's first game; Brooks played game 1 only; Chen has no statistics. Game 3 is not played yet.
void season()
{
    emptyTables();
    addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("NumberOfGames"), {3}));
    addPlayer(1, 1, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 2);
    addPlayer(1, 2, QStringLiteral("Brooks"), QStringLiteral("Mia"), 3);
    addPlayer(1, 3, QStringLiteral("Chen"), QStringLiteral("Lily"), 4);
    addOpponent(1, 1, QStringLiteral("Blue Herons"));
    addOpponent(1, 2, QStringLiteral("Valley FC"));
    addGame(1, 1, 1, QDate(2026, 9, 12), 1);
    addGame(1, 2, 2, QDate(2026, 9, 19), 2);
    addGame(1, 3, 1, QDate(2026, 9, 26));
    addGame(1, 1001, 2, QDate(2026, 11, 7), 99);
    stat(1, 1, 3, "1;1;1;1", {4, 2, 1, 0, QVariant(), 0, 0, 0});
    stat(2, 1, 2, "1;1;1;1", {1, 0, 3, 1, 0, 2, 0, 0});
    stat(1, 2, 4, "1;1;1;1", {2, 1, 0, 1});
    stat(3, 1, 0, "1;1;1;1");  // a line-up made for the coming game
    stat(1001, 1, 4, "1;1;1;1", {0, 0, 0, 0, 6, 2, 3, 1});
}

QString figures(const PlayerGameLine& l)
{
    QStringList out;
    for (const auto& f : l.figures)
        out << (f ? QString::number(*f) : QStringLiteral("-"));
    return out.join(QLatin1Char(' '));
}

int playTime(int player)
{
    return GetDBData(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("PlayerNo"), player}},
                     QStringLiteral("PlayTime"))
        .toInt();
}

// The reading the store's sums replaced, kept as the reference they must agree with: every
// statistics row of the range read one by one and added up here.
struct ReferenceRow {
    qint16 playerNo = 0;
    qint16 gameNo = 0;
    qint64 played = 0;
    qint64 available = 0;
    Figures figures{};
};

GameView referenceView(qint16 teamNo, qint16 tournamentNo, qint16 gameNo)
{
    QString where = QStringLiteral("TeamNo = ?");
    QVariantList values{teamNo};
    if (tournamentNo != 0) {
        where += QStringLiteral(" AND GameNo BETWEEN ? AND ?");
        values << int(tournamentNo) * 1000 << (int(tournamentNo) + 1) * 1000;
    }
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo, GameNo, QtrPlayed, QtrAvailable, Shots, Goals, Blocks, "
                               "Assists, ShotOnGoal, GoalsScored, GoalsBlocked, OverShot FROM GameStat WHERE ") +
                    where,
                values);
    QHash<qint16, QList<ReferenceRow>> rows;
    while (q.next()) {
        ReferenceRow r{
            NullToInt(q.value(0)), NullToInt(q.value(1)), NullToInt(q.value(2)), CountQtrs(NullToText(q.value(3))), {}};
        for (int i = 0; i < kFigureCount; ++i)
            r.figures[size_t(i)] = figureOf(q.value(4 + i));
        rows[r.playerNo] << r;
    }
    const bool wholeShare = gameNo == qint16(int(tournamentNo) * 1000);
    const bool summary = gameNo % 100 == 0;
    GameView view;
    QSqlQuery players = execSql(QStringLiteral("SELECT PlayerNo FROM Player WHERE TeamNo = ?"), {teamNo});
    while (players.next()) {
        const qint16 playerNo = NullToInt(players.value(0));
        PlayerGameLine line;
        qint64 played = 0, available = 0, allPlayed = 0, allAvailable = 0;
        std::array<qint64, kFigureCount> sum{};
        for (const ReferenceRow& r : rows.value(playerNo)) {
            if (wholeShare || r.gameNo <= gameNo) {
                played += r.played;
                available += r.available;
            }
            allPlayed += r.played;
            allAvailable += r.available;
            for (size_t i = 0; i < sum.size(); ++i)
                sum[i] = addFigures(sum[i], r.figures[i].value_or(0));
            if (!summary && r.gameNo == gameNo) {
                line.shown = true;
                line.figures = r.figures;
                line.qtrPlayed = r.played;
                line.qtrAvailable = r.available;
            }
        }
        line.percent = available > 0 ? int(RoundHalfEven(100.0 * played / available)) : 0;
        if (summary) {
            line.shown = true;
            for (size_t i = 0; i < sum.size(); ++i)
                line.figures[i] = sum[i] == 0 ? std::nullopt : std::optional<qint64>(sum[i]);
            line.qtrPlayed = allPlayed == 0 ? std::nullopt : std::optional<qint64>(allPlayed);
            line.qtrAvailable = allAvailable == 0 ? std::nullopt : std::optional<qint64>(allAvailable);
        }
        for (size_t i = 0; i < view.totals.size(); ++i)
            view.totals[i] = addFigures(view.totals[i], line.figures[i].value_or(0));
        view.lines.insert(playerNo, line);
    }
    return view;
}

QString lineText(const PlayerGameLine& l)
{
    const auto opt = [](const std::optional<qint64>& v) { return v ? QString::number(*v) : QStringLiteral("-"); };
    return QStringLiteral("%1 %2%% %3 %4/%5")
        .arg(l.shown ? 1 : 0)
        .arg(l.percent)
        .arg(figures(l), opt(l.qtrPlayed), opt(l.qtrAvailable));
}

// A season of 14 players over 24 games and two tournaments, the numbers drawn from a fixed seed;
// some rows as another program may have written them: availability with blanks, fractions or
// doubled digits, missing periods, and on SQLite (whose columns take anything) text, fractions and
// very large figures.
void seededSeason(bool sqlite)
{
    emptyTables();
    addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("NumberOfGames"), {24}));
    for (int p = 1; p <= 14; ++p)
        addPlayer(1, p, QStringLiteral("Player%1").arg(p), QStringLiteral("Kid"), p);
    std::mt19937 random(2026);
    const auto draw = [&random](int n) { return int(random() % unsigned(n)); };
    const QStringList oddAvailable{QStringLiteral("1; 1;1;0"),
                                   QStringLiteral("1.0;1;0;1"),
                                   QString(),
                                   QStringLiteral("11;1;1;1"),
                                   QStringLiteral(" 1 ;01;1;x"),
                                   QStringLiteral("11;"),
                                   QStringLiteral("1;;1"),
                                   QStringLiteral("")};
    QList<int> games;
    for (int g = 1; g <= 24; ++g)
        games << g;
    games << 1001 << 1002 << 1003 << 2001 << 2002;
    Transaction tx;
    for (int g : games) {
        for (int p = 1; p <= 14; ++p) {
            if (draw(6) == 0)
                continue;  // not every player has a row in every game
            QStringList pieces;
            for (int q = 0; q < 4; ++q)
                pieces << QString::number(draw(5) == 0 ? 0 : 1);
            QVariant available = pieces.join(QLatin1Char(';'));
            if (draw(8) == 0)
                available = oddAvailable[draw(int(oddAvailable.size()))];
            if (draw(20) == 0)
                available = QVariant();
            QVariant played = draw(12) == 0 ? QVariant() : QVariant(draw(5));
            if (draw(25) == 0)
                played = sqlite ? QVariant(QStringLiteral(" 3")) : QVariant(40000);
            Fields f =
                fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable"), {1, g, p, played, available});
            for (const char* c :
                 {"Shots", "Goals", "Blocks", "Assists", "ShotOnGoal", "GoalsScored", "GoalsBlocked", "OverShot"}) {
                QVariant v = draw(7) == 0 ? QVariant() : QVariant(draw(6));
                if (sqlite && draw(40) == 0)
                    v = QVariantList{QStringLiteral("2.6"), QStringLiteral("x"), Q_INT64_C(4000000000000000000),
                                     QStringLiteral("")}[draw(4)];
                f << qMakePair(QString::fromLatin1(c), v);
            }
            insertRow(QStringLiteral("GameStat"), f);
        }
    }
    tx.commit();
}

}  // namespace

class TestGameView : public StoreTest {
    Q_OBJECT

private Q_SLOTS:

    void init()
    {
        env.reset();
        season();
    }

    void theShareCountsUpToTheGameAndHalvesGoToEven_data()
    {
        QTest::addColumn<int>("tournament");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("percent");
        QTest::newRow("game 1") << 0 << 1 << 75;
        QTest::newRow("game 2: 5 of 8 is 62.5") << 0 << 2 << 62;
        QTest::newRow("game 3, not played yet") << 0 << 3 << 42;                   // 5 of 12
        QTest::newRow("season summary, the cup's game included") << 0 << 0 << 56;  // 9 of 16
        QTest::newRow("the cup") << 1 << 1001 << 100;
        QTest::newRow("the cup's summary") << 1 << 1000 << 100;
    }
    void theShareCountsUpToTheGameAndHalvesGoToEven()
    {
        QFETCH(int, tournament);
        QFETCH(int, game);
        QFETCH(int, percent);
        const QList<PlayTimeRow> rows{{1, 3, QStringLiteral("1;1;1;1")},
                                      {2, 2, QStringLiteral("1;1;1;1")},
                                      {3, 0, QStringLiteral("1;1;1;1")},
                                      {1001, 4, QStringLiteral("1;1;1;1")}};
        QList<PlayTimeRow> inRange;
        for (const PlayTimeRow& r : rows) {
            if (tournament == 0 || (r.gameNo >= tournament * 1000 && r.gameNo <= tournament * 1000 + 1000))
                inRange << r;
        }
        QCOMPARE(playTimePercent(inRange, qint16(tournament), qint16(game)), percent);
        // And the same through the store, which stores it with the player.
        QCOMPARE(CalculatePlayTime(1, qint16(tournament), qint16(game), 1), percent);
        QCOMPARE(playTime(1), percent);
    }

    void aGameShowsItsFiguresAndASummaryItsTotals()
    {
        // Game 2: only Alvarez has a row; an empty figure stays empty.
        GameView v = readGameView(1, 0, 2);
        QVERIFY(v.lines.value(1).shown && !v.lines.value(2).shown && !v.lines.value(3).shown);
        QCOMPARE(v.lines.value(1).percent, 62);
        QCOMPARE(figures(v.lines.value(1)), QStringLiteral("1 0 3 1 0 2 0 0"));
        QCOMPARE(*v.lines.value(1).qtrPlayed, 2);
        QCOMPARE(v.totals[0] + v.totals[2], 4);

        // Game 1: the goalkeeper's shots on goal were never entered.
        v = readGameView(1, 0, 1);
        QCOMPARE(figures(v.lines.value(1)), QStringLiteral("4 2 1 0 - 0 0 0"));
        QCOMPARE(figures(v.lines.value(2)), QStringLiteral("2 1 0 1 - - - -"));
        QCOMPARE(v.lines.value(2).percent, 100);
        QCOMPARE(v.totals[0], 6);  // shots
        QCOMPARE(v.totals[1], 3);  // goals
        QCOMPARE(playTime(2), 100);

        // The season's summary: every row counts; a total of nothing is an empty cell, and a
        // player without statistics shows 0%.
        v = readGameView(1, 0, 0);
        QCOMPARE(figures(v.lines.value(1)), QStringLiteral("5 2 4 1 6 4 3 1"));
        QCOMPARE(*v.lines.value(1).qtrPlayed, 9);
        QCOMPARE(*v.lines.value(1).qtrAvailable, 16);
        QVERIFY(v.lines.value(3).shown);
        QCOMPARE(v.lines.value(3).percent, 0);
        QCOMPARE(figures(v.lines.value(3)), QStringLiteral("- - - - - - - -"));
        QCOMPARE(v.totals[4], 6);  // the cup's keeper faced six shots

        // The cup's summary counts the cup only.
        v = readGameView(1, 1, 1000);
        QCOMPARE(figures(v.lines.value(1)), QStringLiteral("- - - - 6 2 3 1"));
        QVERIFY(!v.lines.value(2).qtrPlayed);
    }

    // Figures written by another program may be large: a player's sum and the team's totals are
    // added in 64 bits, and a sum past even that stays at its end instead of turning negative.
    void largeFiguresAddUpWithoutTurningNegative()
    {
        execSql(QStringLiteral("UPDATE GameStat SET Goals = ? WHERE TeamNo = 1 AND GameNo = 1 AND PlayerNo = 2"),
                {2000000000});
        stat(2, 2, 4, "1;1;1;1", {0, 1000000000});
        GameView v = readGameView(1, 0, 0);
        QCOMPARE(*v.lines.value(2).figures[1], Q_INT64_C(3000000000));
        QCOMPARE(v.totals[1], Q_INT64_C(3000000002));  // Alvarez's two goals too
        QCOMPARE(readGameView(1, 0, 1).totals[1], Q_INT64_C(2000000002));
        if (store.location().engine != Engine::SQLite)
            return;  // the server's columns hold 32 bits; the store file takes any number
        execSql(QStringLiteral("UPDATE GameStat SET Shots = ? WHERE TeamNo = 1 AND PlayerNo = 1 AND GameNo IN (1, 2)"),
                {Q_INT64_C(9000000000000000000)});
        v = readGameView(1, 0, 0);
        QCOMPARE(*v.lines.value(1).figures[0], std::numeric_limits<qint64>::max());
        QCOMPARE(v.totals[0], std::numeric_limits<qint64>::max());
    }

    void aSelectionCostsTheSameWhateverTheSizeOfTheTeam()
    {
        readGameView(1, 0, 1);  // shares stored
        quint64 before = statementCount();
        readGameView(1, 0, 1);
        const quint64 small = statementCount() - before;
        QCOMPARE(small, quint64(2));  // nothing changed, so nothing is written
        for (int p = 4; p <= 25; ++p) {
            addPlayer(1, p, QStringLiteral("Player%1").arg(p), QStringLiteral("X"), p);
            for (int g = 1; g <= 3; ++g)
                stat(g, p, 2, "1;1;1;1", {1, 1, 1, 1});
        }
        readGameView(1, 0, 2);
        before = statementCount();
        readGameView(1, 0, 1);
        QCOMPARE(statementCount() - before, small + 1);  // the shares that moved, in one write
    }

    void thePlayersRecordListsPlayedGamesWithTournamentsApart()
    {
        // A played game whose opponent is gone shows an empty name rather than failing.
        execSql(QStringLiteral("DELETE FROM Opponent WHERE OpponentNo = 2"));
        const QList<PlayerRecordLine> record = FillPlayerData(1, 1);
        QStringList shown;
        for (const PlayerRecordLine& l : record)
            shown << (l.separator ? QStringLiteral("[") + l.opponent + QLatin1Char(']')
                                  : QStringLiteral("%1:%2").arg(l.gameNo).arg(l.opponent));
        // Game 3 has no result yet.
        QCOMPARE(shown.join(QLatin1Char(' ')), QStringLiteral("1:Blue Herons 2: [Tournament] 1001:"));
        QCOMPARE(record.first().qtrAvailable, 4);
        QCOMPARE(*record.first().qtrPlayed, 3);
        QCOMPARE(figures(PlayerGameLine{.figures = record.last().figures}), QStringLiteral("0 0 0 0 6 2 3 1"));
        QVERIFY(FillPlayerData(1, 3).isEmpty());
    }

    // The store's sums give what reading every row and adding them up here gives, for the season,
    // each game, the tournaments and their games, rows written by other programs included.
    void theStoresSumsAgreeWithReadingEveryRow()
    {
        seededSeason(store.location().engine == Engine::SQLite);
        QList<QPair<qint16, qint16>> selections{{0, 0}, {0, 100}, {1, 1000}, {2, 2000}};
        for (qint16 g = 1; g <= 25; ++g)
            selections << qMakePair(qint16(0), g);
        for (qint16 g : {1001, 1002, 1003, 1004, 2001, 2002})
            selections << qMakePair(qint16(g / 1000), g);
        int compared = 0;
        for (const auto& [tournament, game] : selections) {
            const GameView expected = referenceView(1, tournament, game);
            const quint64 before = statementCount();
            const GameView v = readGameView(1, tournament, game, false);
            QVERIFY(statementCount() - before <= 3);  // the sums, the players, and the odd rows
            QCOMPARE(v.lines.size(), expected.lines.size());
            for (auto it = expected.lines.cbegin(); it != expected.lines.cend(); ++it) {
                QCOMPARE(lineText(v.lines.value(it.key())), lineText(it.value()));
                ++compared;
            }
            for (size_t i = 0; i < v.totals.size(); ++i)
                QCOMPARE(v.totals[i], expected.totals[i]);
            for (qint16 p : {qint16(3), qint16(11)}) {
                PlayerGameLine one;
                QCOMPARE(CalculatePlayTime(1, tournament, game, p, &one), expected.lines.value(p).percent);
                QCOMPARE(lineText(one), lineText(expected.lines.value(p)));
            }
        }
        QCOMPARE(compared, 14 * int(selections.size()));
        // The seeded rows did hold what only the program can read.
        QVERIFY(countRows(QStringLiteral("GameStat"), {{QStringLiteral("QtrAvailable"), QStringLiteral("1.0;1;0;1")}}) >
                0);
    }

    // Looking at teams and games writes nothing: neither the shares nor a result out of step with the
    // goals, though both show as computed. A save stores them: the line-up's the shares, the main
    // window's refresh after it the results.
    void selectingWritesNothing()
    {
        execSql(QStringLiteral("UPDATE Player SET PlayTime = NULL WHERE TeamNo = 1"));
        execSql(QStringLiteral("UPDATE Schedule SET Result = 99 WHERE TeamNo = 1 AND GameNo = 1"));
        addTeam(2, QStringLiteral("Rockets"), fields(QStringLiteral("NumberOfGames"), {1}));
        addPlayer(2, 1, QStringLiteral("Diaz"), QStringLiteral("Ana"), 7);
        addOpponent(2, 1, QStringLiteral("Owls"));
        addGame(2, 1, 1, QDate(2026, 9, 13), 1);
        insertRow(QStringLiteral("GameStat"), fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable"),
                                                     {2, 1, 1, 2, QStringLiteral("1;1;1;1")}));
        const auto result = [] {
            return GetDBData(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 1}},
                             QStringLiteral("Result"));
        };
        MainForm form;
        form.ConfigureMainStatus();
        form.SetTeamTabs();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const quint64 before = writeCount();
        for (const char* node : {"Team1", "G1T1", "G2T1", "G3T1", "G1T2", "Team2", "G2T1", "Team1", "G1T1"})
            QVERIFY(form.selectNode(QString::fromLatin1(node)));
        QCOMPARE(form.mainGridModel()->cellText(0, 1), QStringLiteral("75%"));  // shown as computed
        QCOMPARE(writeCount(), before);
        QCOMPARE(result(), QStringLiteral("99"));
        QCOMPARE(queryRows(QStringLiteral("SELECT PlayTime FROM Player WHERE TeamNo = 1")),
                 QStringList({QString(), QString(), QString()}));

        // Saving the game's line-up stores the season's shares, and the window's refresh the result.
        LineupBoard board;
        const LineupGame game{.teamNo = 1, .gameNo = 2, .opponentNo = 2, .periods = 4, .places = 8};
        FillPlayerGrid(board, game);
        saveLineup(board, game);
        QTRY_COMPARE(result(), QStringLiteral("1"));
        QCOMPARE(playTime(2), 50);  // Brooks: 4 of game 1's 4 periods, none of game 2's
        QCOMPARE(playTime(3), 0);
        form.close();
    }

    void theMainWindowFollowsTheSelection()
    {
        MainForm form;
        form.ConfigureMainStatus();
        form.SetTeamTabs();
        form.resize(1100, 640);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.selectNode(QStringLiteral("G2T1")));
        RosterModel* grid = form.mainGridModel();
        QCOMPARE(grid->playerAt(0), qint16(1));
        QCOMPARE(grid->cellText(0, 1), QStringLiteral("62%"));
        QCOMPARE(grid->cellText(0, 4), QStringLiteral("3"));   // steals
        QCOMPARE(grid->cellText(0, 6), QString());             // the gap
        QCOMPARE(grid->cellText(0, 8), QStringLiteral("2"));   // goals let in
        QCOMPARE(grid->cellText(0, 12), QStringLiteral("4"));  // periods available
        QCOMPARE(grid->cellText(1, 1), QString());             // no row for this game
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Totlbl_2"))->text(), QStringLiteral("3"));

        // The team's summary; the strip's last two labels are over-shots and blocks.
        QVERIFY(form.selectNode(QStringLiteral("Team1")));
        QCOMPARE(grid->cellText(0, 1), QStringLiteral("56%"));
        QCOMPARE(grid->cellText(2, 1), QStringLiteral("0%"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Totlbl_6"))->text(), QStringLiteral("1"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Totlbl_7"))->text(), QStringLiteral("3"));

        form.MainGrid_Click(0);
        QCOMPARE(form.playerGridModel()->rowCount(), 4);
        QCOMPARE(form.playerGridModel()->data(form.playerGridModel()->index(2, 0), Qt::DisplayRole).toString(),
                 QStringLiteral("Tournament"));
        QCOMPARE(form.playerGridModel()->data(form.playerGridModel()->index(0, 1), Qt::DisplayRole).toString(),
                 QStringLiteral("3"));
        screenshot(&form, QStringLiteral("mainform-season"));
        form.close();
    }
};

QTEST_MAIN(TestGameView)
#include "tst_gameview.moc"
