// SPDX-License-Identifier: GPL-3.0-or-later
// The playing-time report on both engines: each player's periods, zones, goalkeeping, captaincies
// and season share against a seeded season, the team's spread and who fell short of the minimum
// in which games, the printout read back from PDF (nothing off the page, a page a month when the
// games do not fit across) and a fixed number of reads whatever the size of the team.
#include "TestSupport.h"

#include "core/games/Lineup.h"
#include "core/games/Pitch.h"
#include "core/reports/PlayTimeReport.h"
#include "core/reports/Reports.h"

#include <QProcess>

using namespace pw;
using namespace pwtest;

namespace {

void stat(int game, int player, int played, const char* available, bool captain = false)
{
    insertRow(QStringLiteral("GameStat"),
              fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable Captain"),
                     {1, game, player, played, QString::fromLatin1(available), captain}));
}

// A placement on a spot of the proposals' formation: its grid column says the zone (1 the goal,
// 4 the back line, 7 midfield, 11 the front line).
void placed(int game, int period, int player, int column, int row = 7)
{
    const QPoint corner = snapToGrid({column * lineup::kStepX, row * lineup::kStepY});
    insertRow(QStringLiteral("GameSetup"), fields(QStringLiteral("TeamNo GameNo PlayerNo QtrNo PlaceNo XPos YPos"),
                                                  {1, game, player, period, player, corner.x(), corner.y()}));
}

constexpr int kGoal = 1;
constexpr int kBack = 4;
constexpr int kMid = 7;
constexpr int kFront = 11;

ZoneCounts zones(int goal, int defence, int midfield, int attack)
{
    return {goal, defence, midfield, attack};
}

QString after(const QString& text, const QString& start)
{
    const qsizetype at = text.indexOf(start);
    return at < 0 ? QStringLiteral("<none>") : text.mid(at + start.size()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

}  // namespace

class TestPlayTimeReport : public StoreTest {
    Q_OBJECT

private:
    int m_pdfs = 0;

    // The report as a PDF file, checked for words off the page; with PW_SCREENSHOT_DIR set, also
    // kept there with a picture of each page to look at.
    QString render(qint16 teamNo, const QString& name)
    {
        const QString path = QStringLiteral("%1/%2-%3.pdf").arg(env.dir()).arg(++m_pdfs).arg(name);
        printToPdf([teamNo](Printout& p) { PrintPlayTimeReport(p, teamNo); }, kPlayTimeOrientation, path);
        [&] { QCOMPARE(wordsOffThePage(path), QStringList()); }();
        if (const QString dir = qEnvironmentVariable("PW_SCREENSHOT_DIR"); !dir.isEmpty()) {
            QFile::copy(path, QStringLiteral("%1/%2.pdf").arg(dir, name));
            QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                           QStringLiteral("60"), path, dir + QLatin1Char('/') + name});
        }
        return path;
    }

private Q_SLOTS:
    // Comets (at least 2 periods a game): Alvarez (4) keeps goal and captains game 1; Brooks (7)
    // plays the field and captains game 2, where she plays one period of four; O'Brien (12) is
    // there for two periods of game 1 and plays one. Game 3 is opened on the board but not yet
    // played; in the cup Alvarez keeps goal throughout and Brooks is not there. Rockets have
    // neither players nor games.
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("MinQtrReq"), {2}));
        addTeam(2, QStringLiteral("Rockets"));
        addPlayer(1, 1, QStringLiteral("Brooks"), QStringLiteral("Mia"), 7);
        addPlayer(1, 2, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 4);
        addPlayer(1, 3, QStringLiteral("O'Brien"), QStringLiteral("Nora"), 12);
        addOpponent(1, 1, QStringLiteral("Blue Herons"));
        addOpponent(1, 2, QStringLiteral("Lakeside United"));
        insertRow(QStringLiteral("TournamentInfo"),
                  fields(QStringLiteral("TeamNo TournamentNo TournamentName"), {1, 1, "Harvest Cup"}));
        addGame(1, 2, 2, QDate(2026, 9, 19), 1);
        addGame(1, 1, 1, QDate(2026, 9, 12), 1);
        addGame(1, 3, 1, QDate(2026, 9, 26));
        addGame(1, 1001, 2, QDate(2026, 11, 7), 1);

        stat(1, 2, 3, "1;1;1;1", true);
        placed(1, 1, 2, kGoal), placed(1, 2, 2, kGoal), placed(1, 3, 2, kBack);
        stat(1, 1, 4, "1;1;1;1");
        placed(1, 1, 1, kBack, 2), placed(1, 2, 1, kMid, 2), placed(1, 3, 1, kMid, 2), placed(1, 4, 1, kFront, 2);
        stat(1, 3, 1, "1;0;0;1");
        placed(1, 4, 3, kFront, 11);

        stat(2, 2, 2, "1;1;0;1");
        placed(2, 1, 2, kGoal), placed(2, 2, 2, kBack);
        stat(2, 1, 1, "1;1;1;1", true);
        placed(2, 3, 1, kMid, 4);
        stat(2, 3, 1, "0;0;0;1");
        placed(2, 4, 3, kBack, 12);

        stat(3, 2, 0, "1;1;1;1");

        stat(1001, 2, 4, "1;1;1;1");
        for (int period = 1; period <= 4; ++period)
            placed(1001, period, 2, kGoal);
        stat(1001, 1, 0, "0;0;0;0");
    }

    void figuresFollowTheSeason()
    {
        const PlayTimeSeason s = readPlayTimeSeason(1);
        QCOMPARE(s.teamName, QStringLiteral("Comets"));
        QCOMPARE(s.minPeriods, 2);
        QList<qint16> games;
        for (const PlayTimeGame& g : s.games)
            games << g.gameNo;
        QCOMPARE(games, (QList<qint16>{1, 2, 3, 1001}));  // by date, the cup's game named by the cup
        QCOMPARE(s.games[0].opponent, QStringLiteral("Blue Herons"));
        QCOMPARE(s.games[3].opponent, QStringLiteral("Harvest Cup"));
        QVERIFY(s.games[0].played && s.games[3].played && !s.games[2].played);
        QCOMPARE(s.players.size(), 3);
        const PlayTimePlayer& alvarez = s.players[0];
        const PlayTimePlayer& brooks = s.players[1];
        const PlayTimePlayer& obrien = s.players[2];
        QCOMPARE(alvarez.name, QStringLiteral("Alvarez, Sofia"));
        QCOMPARE(obrien.name, QStringLiteral("O'Brien, Nora"));

        // Alvarez: 3 + 2 + 0 + 4 of 4 + 3 + 4 + 4; seven periods in goal, two at the back.
        QCOMPARE(alvarez.played, 9);
        QCOMPARE(alvarez.available, 15);
        QCOMPARE(alvarez.share, 60);
        QCOMPARE(alvarez.zones, zones(7, 2, 0, 0));
        QCOMPARE(alvarez.games[0].zones, zones(2, 1, 0, 0));
        QCOMPARE(alvarez.captaincies, 1);
        QVERIFY(alvarez.games[0].captain && !alvarez.games[1].captain);
        QVERIFY(alvarez.belowMinimum.isEmpty());  // 0 of 4 in game 3, which nobody has played yet
        // Brooks: 4 + 1 + 0 of 4 + 4 + 0: 62.5% goes to the even 62%.
        QCOMPARE(brooks.played, 5);
        QCOMPARE(brooks.available, 8);
        QCOMPARE(brooks.share, 62);
        QCOMPARE(brooks.zones, zones(0, 1, 3, 1));
        QCOMPARE(brooks.captaincies, 1);
        QCOMPARE(brooks.belowMinimum, QList<int>{1});
        QVERIFY(brooks.games[3].hasRow && brooks.games[3].available == 0 && !brooks.games[3].belowMinimum);
        // O'Brien: 1 of 2 (under the minimum of 2) and 1 of 1 (all he was there for).
        QCOMPARE(obrien.share, 67);
        QCOMPARE(obrien.zones, zones(0, 1, 0, 1));
        QCOMPARE(obrien.belowMinimum, QList<int>{0});
        QVERIFY(!obrien.games[3].hasRow);

        QCOMPARE(s.spread.players, 3);
        QCOMPARE(s.spread.lowest, 60);
        QCOMPARE(s.spread.highest, 67);
        QCOMPARE(s.spread.spread(), 7);
        QCOMPARE(s.spread.average, 63);  // (60 + 62 + 67) / 3
        QVERIFY(s.spread.behind.isEmpty());
        QCOMPARE(zoneText(alvarez.zones), QStringLiteral("G7 D2"));

        // A team keeping its captains for the season says who they are.
        execSql(QStringLiteral("UPDATE Teams SET TrackCaptain = 1, SeasonCaptains = '3' WHERE TeamNo = 1"));
        const PlayTimeSeason kept = readPlayTimeSeason(1);
        QVERIFY(kept.players[2].seasonCaptain && !kept.players[0].seasonCaptain);
        // Without a minimum nobody falls short.
        execSql(QStringLiteral("UPDATE Teams SET MinQtrReq = 0 WHERE TeamNo = 1"));
        for (const PlayTimePlayer& p : readPlayTimeSeason(1).players)
            QVERIFY(p.belowMinimum.isEmpty());
    }

    // The store counts zones as the field does, right at the lines between them.
    void zonesAreCountedAsTheFieldDrawsThem()
    {
        emptyTables();
        addTeam(1, QStringLiteral("Comets"));
        addPlayer(1, 1, QStringLiteral("Brooks"), QStringLiteral("Mia"), 7);
        stat(1, 1, 0, "1;1;1;1;1;1;1");
        int period = 0;
        ZoneCounts expected{};
        for (double start : fieldZoneStarts()) {
            for (int x : {int(std::ceil(start)) - 1, int(std::ceil(start))}) {
                insertRow(QStringLiteral("GameSetup"),
                          fields(QStringLiteral("TeamNo GameNo PlayerNo QtrNo PlaceNo XPos YPos"),
                                 {1, 1, 1, ++period, 1, x, 2000}));
                ++expected[size_t(fieldZone(QPoint(x, 2000)))];
            }
        }
        QCOMPARE(expected, zones(1, 2, 2, 1));
        QCOMPARE(readPlayTimeSeason(1).players[0].zones, expected);
    }

    void printoutShowsTheSeasonAndTheTeam()
    {
        const QString pdf = render(1, QStringLiteral("playtime"));
        const QString text = readPdf(pdf);
        QVERIFY2(textsInOrder(text, {QStringLiteral("Playing Time Report"), QStringLiteral("Comets, Fall 2026 (U10 G)"),
                                     QStringLiteral("Season"),
                                     QStringLiteral("Player No. Played Available Share In Goal Defence Midfield "
                                                    "Attack Captain"),
                                     QStringLiteral("Alvarez, Sofia"), QStringLiteral("Brooks, Mia"),
                                     QStringLiteral("O'Brien, Nora"), QStringLiteral("Team"),
                                     QStringLiteral("Game by Game")}),
                 qPrintable(text));
        QCOMPARE(after(text, QStringLiteral("Alvarez, Sofia")), QStringLiteral("4 9 15 60% 7 2 0 0 1"));
        QCOMPARE(after(text, QStringLiteral("Brooks, Mia")), QStringLiteral("7 5 8 62% 0 1 3 1 1"));
        QVERIFY(text.contains(QStringLiteral("Average share 63%; spread 7 pts, from 60% to 67%.")));
        QVERIFY(textsInOrder(
            text,
            {QStringLiteral("Below the team's minimum periods per game (2, or every period available when fewer):"),
             QStringLiteral("Brooks, Mia: Sep 19 Lakeside United"),
             QStringLiteral("O'Brien, Nora: Sep 12 Blue Herons")}));
        // The season fits across one page: each game's date over its opponent, each player's
        // periods over his zones.
        const QString grid = text.mid(text.indexOf(QStringLiteral("Game by Game")));
        QVERIFY2(textsInOrder(grid, {QStringLiteral("Sep 12"), QStringLiteral("Sep 19"), QStringLiteral("Sep 26"),
                                     QStringLiteral("Nov 7"), QStringLiteral("3/4 C"), QStringLiteral("G2 D1"),
                                     QStringLiteral("1/4* C")}),
                 qPrintable(grid));
        QCOMPARE(text.count(QLatin1Char('\f')), 1);

        // A team without players or games prints its headings.
        const QString empty = readPdf(render(2, QStringLiteral("playtime-empty")));
        QVERIFY(textsInOrder(empty, {QStringLiteral("Playing Time Report"), QStringLiteral("Player"),
                                     QStringLiteral("No player has had periods available yet.")}));
    }

    // Thirty games more than fit across the page: a grid for each month, each on its own page;
    // forty players more need no more reads.
    void longSeasonGoesMonthByMonthInFewReads()
    {
        const auto statements = [&] {
            const quint64 before = statementCount();
            readPlayTimeSeason(1);
            return statementCount() - before;
        };
        const quint64 small = statements();
        for (int g = 10; g < 40; ++g) {
            addGame(1, qint16(g), 1 + g % 2, QDate(2026, 10, 1).addDays((g - 10) * 2), 1);
            for (int player = 1; player <= 3; ++player) {
                stat(g, player, 2, "1;1;1;1");
                placed(g, 1, player, kMid, 2 * player), placed(g, 2, player, kFront, 2 * player);
            }
        }
        for (int i = 4; i <= 43; ++i) {
            addPlayer(1, i, QStringLiteral("Zed%1").arg(i), QStringLiteral("Kim"), i);
            stat(1, i, 2, "1;1;1;1");
        }
        QCOMPARE(statements(), small);

        const QString pdf = render(1, QStringLiteral("playtime-months"));
        const QString text = readPdf(pdf);
        QVERIFY2(textsInOrder(text, {QStringLiteral("Game by Game: September 2026"),
                                     QStringLiteral("Game by Game: October 2026"),
                                     QStringLiteral("Game by Game: November 2026")}),
                 qPrintable(text));
        // Each month starts a page of its own; no page holds two months.
        for (const QString& page : text.split(QLatin1Char('\f'))) {
            QVERIFY(page.count(QStringLiteral("Game by Game:")) <= 1);
            if (page.contains(QStringLiteral("September 2026")))
                QVERIFY(!page.contains(QStringLiteral("Oct ")));
        }
        QVERIFY(text.contains(QStringLiteral("Nov 28")));  // the last game
        QVERIFY(text.contains(QStringLiteral("Zed43, Kim")));
    }
};

QTEST_MAIN(TestPlayTimeReport)
#include "tst_playtimereport.moc"
