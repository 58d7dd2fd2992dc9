// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics reports and the line-up sheet, printed to PDF and read back as text on both
// engines: headings, column and row order, totals, the "Print All Players" question, the
// goalkeepers' block, each period's reserves and the board's grid, and that nothing is printed
// off the page or read row by row.
#include "TestSupport.h"

#include "core/games/Lineup.h"
#include "core/games/LineupStore.h"
#include "core/games/Pitch.h"
#include "core/reports/Reports.h"

#include <QImage>
#include <QPainter>
#include <QProcess>

using namespace pw;
using namespace pwtest;

namespace {

void stat(int game, int player, int played, const char* available, const QVariantList& figures)
{
    Fields f = fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable"),
                      {1, game, player, played, QString::fromLatin1(available)});
    const QStringList names = QStringLiteral("Shots Goals Blocks Assists ShotOnGoal GoalsScored GoalsBlocked OverShot")
                                  .split(QLatin1Char(' '));
    for (qsizetype i = 0; i < figures.size(); ++i)
        f << qMakePair(names[i], figures[i]);
    insertRow(QStringLiteral("GameStat"), f);
}

// The printout's text, each line's runs of spaces made one; options may pick pages or crop.
QString read(const QString& pdf, const QString& options = {})
{
    return readPdf(pdf, options.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

// The rest of the first line holding start.
QString after(const QString& text, const QString& start)
{
    const qsizetype at = text.indexOf(start);
    return at < 0 ? QStringLiteral("<none>") : text.mid(at + start.size()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

qsizetype pageCount(const QString& pdf)
{
    return read(pdf).count(QLatin1Char('\f'));
}

// Comets' board for game 1: Alvarez and Mimi (captain) in period 1, Alvarez in 2, O'Brien (not
// available in period 2) in 3, nobody in 4.
void lineupBoard(LineupBoard& b)
{
    b.setup(4, 8,
            {LineupPlayer{.playerNo = 2, .name = QStringLiteral("Alvarez, S"), .jerseyNo = 4},
             LineupPlayer{.playerNo = 1, .name = QStringLiteral("Mimi"), .jerseyNo = 7, .captain = true},
             LineupPlayer{.playerNo = 3, .name = QStringLiteral("O'Brien, N"), .jerseyNo = 12}});
    b.loadAvailability(3, QStringLiteral("1;0;1;1"));
    b.loadSlot(1, 2, {1, 2018, 1390});
    b.loadSlot(1, 1, {2, 4306, 2220});
    b.loadSlot(2, 2, {1, 2018, 1390});
    b.loadSlot(3, 3, {1, 6594, 3050});
}

}  // namespace

class TestStatReports : public StoreTest {
    Q_OBJECT

private:
    int m_pdfs = 0;

    // The report as a PDF file, checked for words off the page; with PW_SCREENSHOT_DIR set, also
    // kept there with a picture of each page.
    QString render(const Report& report, const QString& name)
    {
        const QString path = QStringLiteral("%1/%2-%3.pdf").arg(env.dir()).arg(++m_pdfs).arg(name);
        printToPdf(report, Printout::Portrait, path);
        [&] { QCOMPARE(wordsOffThePage(path), QStringList()); }();
        if (const QString dir = qEnvironmentVariable("PW_SCREENSHOT_DIR"); !dir.isEmpty()) {
            QFile::copy(path, QStringLiteral("%1/%2.pdf").arg(dir, name));
            QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                           QStringLiteral("60"), path, dir + QLatin1Char('/') + name});
        }
        return path;
    }

private Q_SLOTS:
    // Comets: Alvarez (4, goalkeeper) played 3, 2 and 4 periods in games 1, 2 and the cup's
    // first game; Brooks, called Mimi (7), played game 1 whole; O'Brien (12) has no figures.
    // Rockets have neither players nor games.
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"));
        addTeam(2, QStringLiteral("Rockets"));
        addPlayer(1, 1, QStringLiteral("Brooks"), QStringLiteral("Mia"), 7,
                  fields(QStringLiteral("Nickname"), {"Mimi"}));
        addPlayer(1, 2, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 4,
                  fields(QStringLiteral("Position"), {"0;0;0;0;1"}));
        addPlayer(1, 3, QStringLiteral("O'Brien"), QStringLiteral("Nora"), 12);
        addOpponent(1, 1, QStringLiteral("Blue Herons"));
        addOpponent(1, 2, QStringLiteral("Lakeside United"));
        insertRow(QStringLiteral("TournamentInfo"),
                  fields(QStringLiteral("TeamNo TournamentNo TournamentName"), {1, 1, "Harvest Cup"}));
        addGame(1, 1, 1, QDate(2026, 9, 12), 1);
        addGame(1, 2, 2, QDate(2026, 9, 19), 2);
        addGame(1, 1001, 2, QDate(2026, 11, 7), 1);
        stat(1, 2, 3, "1;1;1;1", {2, 1, 0, 1, 5, 1, 4, 0});
        stat(2, 2, 2, "1;1;0;1", {1, 0, 2, 0, 0, 0, 0, 0});
        stat(1001, 2, 4, "1;1;1;1", {0, 0, 0, 0, 7, 2, 3, 2});
        stat(1, 1, 4, "1;1;1;1", {3, 2, 1, 0, 0, 0, 0, 0});
    }

    void teamStatisticsSumTheSeason()
    {
        const QString text = read(render([](Printout& p) { FilePrintTeamSub(p, 1); }, QStringLiteral("team")));
        QVERIFY(
            textsInOrder(text, {QStringLiteral("Statistics for Comets"), QStringLiteral("On The Field Goalie"),
                                QStringLiteral("Player Name Play Shots Goals Blks/Stls Asts Shots Goals Blocks Over"),
                                QStringLiteral("(4) Alvarez, Sofia"), QStringLiteral("(7) Brooks, Mia"),
                                QStringLiteral("(12) O'Brien, Nora"), QStringLiteral("Totals")}));
        // 9 of 11 periods, the cup counting with the season; the team's share is 13 of 15.
        QCOMPARE(after(text, QStringLiteral("Alvarez, Sofia")), QStringLiteral("82% 3 1 2 1 12 3 7 2"));
        QCOMPARE(after(text, QStringLiteral("O'Brien, Nora")), QStringLiteral("0% 0 0 0 0 0 0 0 0"));
        QCOMPARE(after(text, QStringLiteral("Totals")), QStringLiteral("87% 6 3 3 1 12 3 7 2"));

        const QString empty = read(render([](Printout& p) { FilePrintTeamSub(p, 2); }, QStringLiteral("team-empty")));
        QVERIFY(textsInOrder(empty, {QStringLiteral("Statistics for Rockets"), QStringLiteral("Player Name")}));
        QCOMPARE(after(empty, QStringLiteral("Totals")), QStringLiteral("0% 0 0 0 0 0 0 0 0"));
    }

    // Large figures from another program's store add up in 64 bits: the totals never turn negative,
    // and a player's game sum counts every figure the line shows.
    void largeFiguresAddUp()
    {
        execSql(QStringLiteral("UPDATE GameStat SET Goals = ? WHERE TeamNo = 1 AND GameNo = 1 AND PlayerNo = 1"),
                {2000000000});
        stat(2, 1, 4, "1;1;1;1", {0, 1000000000, 0, 0, 0, 0, 0, 0});
        // The cells are narrow: the start of each number is enough to tell. Goals follow the share
        // and the shots on the team's sheet, periods and shots on a player's.
        const auto cell = [](const QString& line, int i) { return line.section(QLatin1Char(' '), i, i); };
        const QString team = read(render([](Printout& p) { FilePrintTeamSub(p, 1); }, QStringLiteral("team-large")));
        QVERIFY2(cell(after(team, QStringLiteral("Totals")), 2).startsWith(QLatin1String("3000")), qPrintable(team));
        const QString players =
            read(render([](Printout& p) { PrintIndividualStats(p, 1, {1}); }, QStringLiteral("players-large")));
        QVERIFY2(cell(after(players, QStringLiteral("Totals")), 3).startsWith(QLatin1String("3000")),
                 qPrintable(players));
    }

    void printAllPlayersAsksWhenOneIsSelected()
    {
        QCOMPARE(playersToPrint(1, 0), (QList<qint16>{2, 1, 3}));
        QVERIFY(env.prompter.shown.isEmpty());
        env.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No};
        QCOMPARE(playersToPrint(1, 3), (QList<qint16>{2, 1, 3}));
        QCOMPARE(playersToPrint(1, 3), (QList<qint16>{3}));
        QCOMPARE(env.prompter.shown.size(), 2);
        const auto& asked = env.prompter.shown.last();
        QCOMPARE(asked.title, QStringLiteral("Print All Players"));
        QCOMPARE(asked.text, QStringLiteral("Do you want to print all players? (Yes)\nor only for O'Brien, Nora (No)"));
        QVERIFY(asked.icon == Prompter::Icon::Question && asked.buttons == Prompter::Buttons::YesNo);
    }

    void playerStatisticsByGame()
    {
        const QString text = read(render(
            [](Printout& p) {
                PrintIndividualStats(p, 1, {2, 1});
            },
            QStringLiteral("players")));
        QVERIFY(textsInOrder(
            text, {QStringLiteral("Statistics for Sofia Alvarez"), QStringLiteral("On The Field Goalie"),
                   QStringLiteral("Opponent QP QA Shots Goals Blks/Stls Asts Shots Goals Blocks Over"),
                   QStringLiteral("Blue Herons"), QStringLiteral("Lakeside United"), QStringLiteral("Harvest Cup"),
                   QStringLiteral("Totals"), QStringLiteral("Statistics for Mia Brooks"), QStringLiteral("Blue Herons"),
                   QStringLiteral("Totals")}));
        QCOMPARE(after(text, QStringLiteral("Lakeside United")), QStringLiteral("2 3 1 0 2 0 0 0 0 0"));
        QCOMPARE(after(text, QStringLiteral("Harvest Cup")), QStringLiteral("4 4 0 0 0 0 7 2 3 2"));
        QCOMPARE(after(text, QStringLiteral("Totals")), QStringLiteral("9 11 3 1 2 1 12 3 7 2"));
        QVERIFY(!text.contains(QStringLiteral("O'Brien")));

        const QString empty = read(render([](Printout& p) { PrintIndividualStats(p, 2, playersToPrint(2, 0)); },
                                          QStringLiteral("players-empty")));
        QVERIFY(textsInOrder(
            empty, {QStringLiteral("Statistics for Rockets"), QStringLiteral("Opponent"), QStringLiteral("Totals")}));
    }

    void statSheetPutsKeepersInTheirOwnBlock()
    {
        const QString text = read(render([](Printout& p) { PrintStatSheet(p, 1, 1); }, QStringLiteral("sheet")));
        QVERIFY(textsInOrder(
            text, {QStringLiteral("Stats for Saturday, September 12, 2026"),
                   QStringLiteral("Plyr No. Player Name Blocks/Steals Shot On Goal Goals Scored Assists"),
                   QStringLiteral("4 Alvarez, Sofia"), QStringLiteral("7 Mimi"), QStringLiteral("12 O'Brien, Nora"),
                   QStringLiteral("Goalie No. Goalie Shots Missed Goals Blocked Goals Scored")}));
        const QString goalies = text.mid(text.indexOf(QStringLiteral("Goalie No.")));
        QVERIFY(goalies.contains(QStringLiteral("4 Alvarez, Sofia")));
        QVERIFY(!goalies.contains(QStringLiteral("Mimi")) && !goalies.contains(QStringLiteral("O'Brien")));

        QVERIFY(read(render([](Printout& p) { PrintStatSheet(p, 1, 1001); }, QStringLiteral("sheet-cup")))
                    .contains(QStringLiteral("Stats for Saturday, November 7, 2026 (Tournament)")));
        QVERIFY(textsInOrder(read(render([](Printout& p) { PrintStatSheet(p, 2, 1); }, QStringLiteral("sheet-empty"))),
                             {QStringLiteral("Stats for"), QStringLiteral("Plyr No."), QStringLiteral("Goalie No.")}));
    }

    void lineupSheetShowsReservesAndTheGrid()
    {
        LineupBoard board;
        lineupBoard(board);
        const LineupGame game{.teamNo = 1, .gameNo = 1, .opponentNo = 1, .periods = 4, .places = 8};
        const QString pdf = render([&](Printout& p) { GamePrintSetupSub(p, board, game); }, QStringLiteral("lineup"));
        QVERIFY(read(pdf, QStringLiteral("-l 1")).contains(QStringLiteral("Saturday, September 12, 2026")));

        // Each quarter of the first page holds one period, odd ones left, even ones right; under
        // "Reserve" the players not on its field.
        const QStringList reserves{QStringLiteral("O'Brien, N"), QStringLiteral("Mimi\nO'Brien, N"),
                                   QStringLiteral("Alvarez, S\nMimi"), QStringLiteral("Alvarez, S\nMimi\nO'Brien, N")};
        for (int period = 1; period <= 4; ++period) {
            const QString quarter = read(pdf, QStringLiteral("-l 1 -x %1 -y %2 -W 306 -H 396")
                                                  .arg((period - 1) % 2 * 306)
                                                  .arg((period - 1) / 2 * 396));
            QVERIFY2(textsInOrder(quarter, {QStringLiteral("Line-up vs. Blue Herons"),
                                            QStringLiteral("Period %1").arg(period), QStringLiteral("Reserve")}),
                     qPrintable(quarter));
            QCOMPARE(quarter.mid(quarter.indexOf(QStringLiteral("Reserve")) + 7).trimmed(), reserves[period - 1]);
        }

        // The board's grid on the next page, and exactly one yellow cell: O'Brien's second period
        // (400 x 280 twips, a tenth of that in the picture below).
        const QString grid = read(pdf, QStringLiteral("-f 2"));
        QVERIFY(textsInOrder(grid, {QStringLiteral("Player Prd1 Prd2 Prd3 Prd4 PT QP"),
                                    QStringLiteral("Alvarez, S X X 50% 2"), QStringLiteral("*Mimi X 25% 1"),
                                    QStringLiteral("O'Brien, N X 33% 1"), QStringLiteral("Totals 2 1 1 0")}));
        PictureOutput pictures;
        {
            Printout p(pictures, kLineupSheetOrientation, true);
            GamePrintSetupSub(p, board, game);
            QVERIFY(p.EndPrint());
        }
        QImage image(pictures.layout().fullRectPoints().size() * 2, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(0.1, 0.1);
        painter.drawPicture(0, 0, pictures.pages()[1]);
        painter.end();
        int yellow = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                yellow += image.pixel(x, y) == qRgb(255, 255, 0);
        QVERIFY2(yellow > 40 * 26 / 2 && yellow <= 40 * 26, qPrintable(QString::number(yellow)));

        // An empty board: its periods, their Reserve headings and the grid's Totals.
        board.setup(2, 8, {});
        const QString empty = read(render([&](Printout& p) { GamePrintSetupSub(p, board, LineupGame{.teamNo = 2}); },
                                          QStringLiteral("lineup-empty")));
        QCOMPARE(empty.count(QStringLiteral("Reserve")), 2);
        QVERIFY(
            textsInOrder(empty, {QStringLiteral("Period 1"), QStringLiteral("Period 2"), QStringLiteral("Totals")}));
    }

    // Forty players more: the tables run over pages with their headings again, the reports need
    // no more statements than for three, and a full bench of long names stays inside its panel.
    void bigTeamRunsOverPagesInFewReads()
    {
        const auto statements = [&](const Report& report) {
            render(report, QStringLiteral("count"));  // the season shares are stored the first time
            const quint64 before = statementCount();
            render(report, QStringLiteral("count"));
            return statementCount() - before;
        };
        const quint64 smallTeam = statements([](Printout& p) { FilePrintTeamSub(p, 1); });
        const quint64 smallPlayers = statements([](Printout& p) { PrintIndividualStats(p, 1, {2}); });
        for (int i = 4; i <= 43; ++i) {
            addPlayer(1, i, QStringLiteral("Zed%1").arg(i), QStringLiteral("Kim"), i);
            stat(1, i, 2, "1;1;1;1", {1, 0, 0, 0});
            stat(2, i, 2, "1;1;1;1", {1, 1, 0, 0});
        }
        const QList<qint16> everyone = playersToPrint(1, 0);
        QCOMPARE(statements([](Printout& p) { FilePrintTeamSub(p, 1); }), smallTeam);
        QCOMPARE(statements([&](Printout& p) { PrintIndividualStats(p, 1, everyone); }), smallPlayers);

        const QString pdf = render([](Printout& p) { FilePrintTeamSub(p, 1); }, QStringLiteral("team-big"));
        const QString team = read(pdf);
        QCOMPARE(team.count(QStringLiteral("Player Name")), pageCount(pdf));
        QVERIFY(pageCount(pdf) >= 2);
        QVERIFY(textsInOrder(team, {QStringLiteral("O'Brien, Nora"), QStringLiteral("Zed10,"), QStringLiteral("Zed4,"),
                                    QStringLiteral("Zed43,"), QStringLiteral("Totals")}));
        QCOMPARE(after(team, QStringLiteral("Totals")), QStringLiteral("52% 86 43 3 1 12 3 7 2"));

        LineupBoard board;
        QList<LineupPlayer> squad;
        for (int i = 1; i <= 28; ++i)
            squad << LineupPlayer{.playerNo = qint16(i), .name = QStringLiteral("Longername-%1, Christopher").arg(i)};
        board.setup(4, 11, squad);
        for (int period = 1; period <= 4; ++period) {
            board.setCurrentPeriod(period);
            for (int i = 1; i <= 11; ++i)
                QVERIFY(board.place(qint16(i + period), keyboardSpot(board, period, qint16(i + period))));
        }
        const QString bench =
            read(render([&](Printout& p) { GamePrintSetupSub(p, board, LineupGame{.teamNo = 1, .gameNo = 1}); },
                        QStringLiteral("lineup-big")),
                 QStringLiteral("-l 1"));
        QCOMPARE(bench.count(QStringLiteral("Longername-28, Christo")), 4);
    }
};

QTEST_MAIN(TestStatReports)
#include "tst_statreports.moc"
