// SPDX-License-Identifier: GPL-3.0-or-later
// pitchwise_bench [--pg postgresql://user@host:port/db] [--runs N] [--teams N]
//
// Builds a club-size database (by default 40 teams of 20 players with 30 played games each) on
// SQLite, and on PostgreSQL when a server address is given, then times in this process what the
// coach does most in the main window: rebuilding the tree, clicking a team, a game of the same
// team and a game of another team. Each figure is the median of repeated runs with their spread,
// and the number of statements each operation runs, measured on the club and on a one-team
// database, so that a cost growing with the data shows. Last, start-up to a shown main window is
// compared with a bare Qt window started the same way (a child process each, no splash).
// The team and player windows are timed too: opening the profiles, switching teams in the
// profile's picker, saving either (the main window refreshing itself included), and copying a
// team of 25 players with a season of games and statistics.
// The line-up board is timed on a game of a 25-player team: opening it (which saves at once),
// placing a player (the grid and field repainted), proposing a line-up (Suggest Line-up), saving,
// and repainting the field at 1440 x 1000; and the proposal's solver alone on 20 players, 6 periods
// and 11 spots, which must answer within 50 ms.
// Reports: the season's team statistics and the official roster rendered to PDF, and a preview of
// a report of about ten pages opened and shown.
// Tournaments: every team gets five tournaments with their own-team games; a 16-team bracket
// with every game timed is opened and saved, and the tree's tournament branches of all teams are
// read and built.
// Practices: the month calendar moved by a week over a season of practices, and a drill diagram
// of 30 markers and 40 lines repainted at screen size.
// PW_BENCH_KEEP=folder keeps the club database there, to profile start-up against it.
// PW_BENCH_BIG_ONLY=1 stops after the big cases (80 players a team, 120 games a team, the board
// with 10 to 80 players), to profile them.
#include "ClubDatabase.h"
#include "app/MainForm.h"
#include "app/TeamTree.h"
#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/fees/Fees.h"
#include "core/games/GameState.h"
#include "core/games/GameView.h"
#include "core/games/LineupSolver.h"
#include "core/games/Pitch.h"
#include "core/messaging/Notes.h"
#include "core/practice/DrillDiagram.h"
#include "core/practice/DrillPainter.h"
#include "core/reports/Reports.h"
#include "core/schedule/MonthCalendar.h"
#include "core/teams/TeamData.h"
#include "core/tournaments/Bracket.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/Settings.h"
#include "ui/base/FieldConfig.h"
#include "ui/fees/dlgMoney.h"
#include "ui/games/GameSetup.h"
#include "ui/games/LineupViews.h"
#include "ui/games/StatDialog.h"
#include "ui/messaging/NoteWindows.h"
#include "ui/practice/dlgDrillMaint.h"
#include "ui/practice/frmPractice.h"
#include "ui/teams/PlayerInfo.h"
#include "ui/teams/TeamFields.h"
#include "ui/teams/TeamInfo.h"
#include "ui/tournaments/TournamentWindow.h"
#include "ui_PlayerFields.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeView>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <utility>

using namespace pw;
using namespace pw::bench;

namespace {

QTextStream out(stdout);

// The club's size: teams, players a team and played games a team.
using Size = bench::ClubSize;

// Opens a fresh database of the given size as the shared connection; returns where it lives.
DbLocation makeDatabase(const QString& dir, const QString& pgServer, const Size& size, const QString& name)
{
    DbLocation loc;
    if (pgServer.isEmpty()) {
        loc.path = dir + QStringLiteral("/%1.db").arg(name);
        buildDatabaseFile(loc.path);
        Db::openShared(loc);
    } else {
        const DbLocation admin = DbLocation::parse(pgServer);
        loc = admin;
        loc.database = QStringLiteral("pitchwise_bench_%1").arg(name);
        {
            QSqlDatabase a = openDatabase(admin, QStringLiteral("bench_admin"));
            execSql(a, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(loc.database));
            execSql(a, QStringLiteral("CREATE DATABASE %1").arg(loc.database));
        }
        closeDatabase(QStringLiteral("bench_admin"));
        Db::openShared(loc);
        buildDatabase(Db::shared());
    }
    fillClub(size);
    return loc;
}

void dropDatabase(const DbLocation& loc, const QString& pgServer)
{
    Db::closeShared();
    if (loc.engine != Engine::PostgreSQL)
        return;
    {
        QSqlDatabase a = openDatabase(DbLocation::parse(pgServer), QStringLiteral("bench_admin"));
        execSql(a, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(loc.database));
    }
    closeDatabase(QStringLiteral("bench_admin"));
}

struct Figures {
    double median = 0;
    double low = 0;
    double high = 0;
    quint64 statements = 0;
};

Figures measure(int runs, const std::function<void(int)>& op)
{
    QList<double> ms;
    quint64 statements = 0;
    op(0);  // warm-up
    for (int i = 1; i <= runs; ++i) {
        const quint64 before = statementCount();
        QElapsedTimer timer;
        timer.start();
        op(i);
        QApplication::processEvents();
        ms << timer.nsecsElapsed() / 1e6;
        statements = statementCount() - before;
    }
    std::sort(ms.begin(), ms.end());
    return Figures{ms.at(ms.size() / 2), ms.first(), ms.last(), statements};
}

struct Operation {
    QString name;
    std::function<void(int)> op;
};

QList<Operation> operations(MainForm& form, const Size& size)
{
    auto click = [&form](const QString& key) {
        if (!form.selectNode(key))
            throw PwError(err::BadArgument, QStringLiteral("The tree has no node %1").arg(key));
    };
    const int teams = size.teams;
    const int games = size.games;
    return {
        {QStringLiteral("Tree rebuild"), [&form](int) { form.SetTeamTabs(); }},
        // Alternate between two teams so that every click changes the team.
        {QStringLiteral("Click a team"),
         [click, teams](int i) { click(QStringLiteral("Team%1").arg(1 + i % qMin(2, teams))); }},
        // Consecutive runs click different games of the same team.
        {QStringLiteral("Click a game"), [click, games](int i) { click(QStringLiteral("G%1T1").arg(1 + i % games)); }},
        {QStringLiteral("Click a game of another team"),
         [click, games, teams](int i) { click(QStringLiteral("G%1T%2").arg(1 + i % games).arg(1 + i % teams)); }},
    };
}

// The straightforward reading of a selection, as a literal reading of the procedure does it:
// for every player, one query per game for its statistics row, and one write of the share per
// player. It gives the figures the set-based readGameView gives; the benchmark compares the two.
GameView gameViewRowByRow(qint16 teamNo, qint16 gameNo, int games)
{
    GameView view;
    QSqlQuery players = execSql(QStringLiteral("SELECT PlayerNo FROM Player WHERE TeamNo = ?"), {teamNo});
    QList<qint16> numbers;
    while (players.next())
        numbers << static_cast<qint16>(players.value(0).toInt());
    for (qint16 p : numbers) {
        PlayerGameLine line;
        int played = 0;
        int available = 0;
        for (int g = 1; g <= games; ++g) {
            QSqlQuery q = execSql(QStringLiteral("SELECT QtrPlayed, QtrAvailable, Shots, Goals FROM GameStat "
                                                 "WHERE TeamNo = ? AND PlayerNo = ? AND GameNo = ?"),
                                  {teamNo, p, g});
            if (!q.next())
                continue;
            if (gameNo == 0 || g <= gameNo) {
                played += q.value(0).toInt();
                available += CountQtrs(q.value(1).toString());
            }
            if (gameNo == 0 || g == gameNo) {
                line.shown = true;
                line.figures[0] = line.figures[0].value_or(0) + q.value(2).toInt();
                line.figures[1] = line.figures[1].value_or(0) + q.value(3).toInt();
            }
        }
        line.percent = available > 0 ? static_cast<int>(RoundHalfEven(100.0 * played / available)) : 0;
        execSql(QStringLiteral("UPDATE Player SET PlayTime = ? WHERE TeamNo = ? AND PlayerNo = ?"),
                {line.percent, teamNo, p});
        view.lines.insert(p, line);
    }
    return view;
}

// The coach says yes to every question the timed windows ask (copy the team).
class YesPrompter : public Prompter {
public:
    Answer message(const QString&, const QString&, Icon, Buttons buttons) override
    {
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&, bool) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
};

// Team 1 grows to 25 players, each with a statistics row for every game of its season.
void growFirstTeam(const Size& size)
{
    Transaction tx;
    for (int p = size.players + 1; p <= 25; ++p) {
        execSql(QStringLiteral("INSERT INTO Player (TeamNo, PlayerNo, PlayerLastName, PlayerFirstName, JerseyNo) "
                               "VALUES (1, ?, ?, 'Extra', ?)"),
                {p, QStringLiteral("Player%1").arg(p), p});
        for (int g = 1; g <= size.games; ++g)
            execSql(QStringLiteral(
                        "INSERT INTO GameStat (TeamNo, GameNo, PlayerNo, Goals, QtrPlayed) VALUES (1, ?, ?, 0, 2)"),
                    {g, p});
    }
    tx.commit();
}

// The team and player windows, over the club with its main window open (a save refreshes it).
QList<Operation> windowOperations(std::unique_ptr<TeamInfo>& profile, std::unique_ptr<PlayerInfo>& player)
{
    return {
        {QStringLiteral("Open the team profile"),
         [&profile](int i) { profile = std::make_unique<TeamInfo>(1 + i % 2); }},
        {QStringLiteral("Switch teams in the profile's picker"),
         [&profile](int i) {
             auto* picker = profile->findChild<QComboBox*>(QStringLiteral("CTeam"));
             const int index = (profile->findChild<QComboBox*>(QStringLiteral("CTeam"))->currentIndex() + 1 + i % 3) %
                               picker->count();
             picker->setCurrentIndex(index);
             profile->CTeam_Click(index);
         }},
        {QStringLiteral("Save the team profile"),
         [&profile](int i) {
             // What the club's teams lack of the required fields is filled in too.
             for (const char* name : {"txtShortsColor", "txtCoach_1", "txtCoachPhone_1"}) {
                 auto* edit = profile->fields()->findChild<QLineEdit*>(QString::fromLatin1(name));
                 if (edit->text().isEmpty())
                     edit->setText(QStringLiteral("x"));
             }
             profile->fields()
                 ->findChild<QLineEdit*>(QStringLiteral("txtJerseyColor"))
                 ->setText(i % 2 ? QStringLiteral("Red") : QStringLiteral("Blue"));
             profile->markChanged();
             profile->OKButton_Click();
         }},
        {QStringLiteral("Open a player profile"),
         [&player](int i) { player = std::make_unique<PlayerInfo>(1, 1 + i % 20); }},
        {QStringLiteral("Save a player profile"),
         [&player](int i) {
             player->ui().txtPhone->setText(QStringLiteral("555-01%1").arg(i % 100, 2, 10, QLatin1Char('0')));
             player->markChanged();
             player->OKButton_Click();
         }},
        {QStringLiteral("Copy a team of 25 players with its season"),
         [&profile](int) {
             profile->GenTeamList(1);
             profile->TeamCopy_Click();
         }},
    };
}

// Child process for the start-up comparison: shows the main window on the database, or a bare
// window, and ends as soon as it is on screen.
int startupChild(const QString& what, const QString& database, const QString& settings)
{
    setSettingsFile(settings);
    QMainWindow* window = nullptr;
    if (what == QLatin1String("main")) {
        Db::openShared(DbLocation::parse(database));
        auto* form = new MainForm;
        form->ConfigureMainStatus();
        form->SetTeamTabs();
        form->selectTeam(1);
        window = form;
    } else {
        window = new QMainWindow;
        window->resize(1120, 720);
        if (what == QLatin1String("shell")) {
            // The least a desktop program shows: a menu, a few lines of text and a status line.
            // Its first text is what loads the fonts, which every real window pays for.
            window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
            window->menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
            auto* list = new QListWidget;
            list->addItems({QStringLiteral("Comets (U10G-Fall 2026)"), QStringLiteral("Rockets (U12B-Fall 2026)")});
            window->setCentralWidget(list);
            window->statusBar()->showMessage(QStringLiteral("Record: 2 - 1 - 1"));
        }
    }
    window->show();
    QElapsedTimer limit;
    limit.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && limit.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
    std::fflush(stdout);
    _exit(0);  // what comes after the window is shown is not start-up
}

Figures startupTimes(const QString& what, const QString& database, const QString& settings, int runs)
{
    QList<double> ms;
    for (int i = 0; i < runs + 1; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup"), what, database, settings});
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            throw PwError(err::Unexpected, QStringLiteral("The start-up run failed: ") +
                                               QString::fromLocal8Bit(child.readAllStandardError()));
        if (i > 0)  // the first run fills the disk cache
            ms << timer.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return Figures{ms.at(ms.size() / 2), ms.first(), ms.last(), 0};
}

// Times each operation and prints its line: median, spread and statements.
void timeRows(const QList<Operation>& ops, int runs)
{
    for (const Operation& o : ops) {
        const Figures f = measure(runs, o.op);
        out << QStringLiteral("| %1 | %2 | %3 – %4 | %5 |\n")
                   .arg(o.name)
                   .arg(f.median, 0, 'f', 1)
                   .arg(f.low, 0, 'f', 1)
                   .arg(f.high, 0, 'f', 1)
                   .arg(f.statements);
    }
}

QString row(const QString& name, const Figures& f, quint64 smallStatements)
{
    return QStringLiteral("| %1 | %2 | %3 – %4 | %5 | %6 |")
        .arg(name)
        .arg(f.median, 0, 'f', 1)
        .arg(f.low, 0, 'f', 1)
        .arg(f.high, 0, 'f', 1)
        .arg(f.statements)
        .arg(smallStatements);
}

// Opening the line-up board of a team of the given roster on a game with earlier games: time and
// statements.
Figures boardOpening(const QString& dir, const QString& pgServer, int players, int runs)
{
    const DbLocation loc = makeDatabase(dir, pgServer, Size{1, players, 30}, QStringLiteral("board%1").arg(players));
    const Figures f = measure(runs, [](int i) {
        GameSetup board(
            LineupGame{.teamNo = 1, .gameNo = qint16(2 + i % 28), .opponentNo = 1, .periods = 4, .places = 8},
            QStringLiteral("Game"));
        board.show();
    });
    dropDatabase(loc, pgServer);
    return f;
}

// A line-up proposal's problem of the size a coach meets at most: 20 players, 6 periods, 11 spots,
// a season of 20 games behind them, two keepers, a few late arrivals; different for each run.
LineupProblem proposalProblem(int run)
{
    QRandomGenerator rng(quint32(run) + 1);
    LineupProblem pb;
    pb.periods = 6;
    pb.minPeriods = 3;
    for (const FormationSpot& s : formationSpots(11))
        pb.spots << s.kind;
    for (int i = 0; i < 20; ++i) {
        SolverPlayer p;
        for (int q = 0; q < pb.periods; ++q)
            p.available << (rng.bounded(10) != 0);
        p.earlierAvailable = 100 + rng.bounded(20);
        p.earlierPlayed = 40 + rng.bounded(60);
        p.goalPeriods = rng.bounded(10);
        p.flags[size_t(rng.bounded(4))] = true;
        p.flags[size_t(SpotKind::Goal)] = i < 2;
        p.mayPlayGoal = i == 5;
        pb.players << p;
    }
    return pb;
}

Figures figuresOf(QList<double> ms, quint64 statements)
{
    std::sort(ms.begin(), ms.end());
    return Figures{ms.at(ms.size() / 2), ms.first(), ms.last(), statements};
}

// Notes when the watched widget has been painted: the call is queued as the paint starts and so
// runs right after it, ahead of the preview's own call that lays out the rest of the report (this
// filter, installed last, sees the paint first).
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<void()> painted)
        : m_painted(std::move(painted))
    {
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && m_painted)
            QMetaObject::invokeMethod(this, std::exchange(m_painted, {}), Qt::QueuedConnection);
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> m_painted;
};

struct PreviewFigures {
    Figures firstPage;  // opened and shown, to its first page painted
    Figures allPages;   // to the whole report laid out and the page count known
};

// A report's preview: to its first page on screen, and to all its pages laid out.
PreviewFigures previewFigures(int runs, const Report& report, int orientation, int& pages)
{
    QList<double> first;
    QList<double> all;
    PreviewFigures f;
    for (int i = 0; i <= runs; ++i) {  // the first run warms up
        const quint64 before = statementCount();
        QElapsedTimer timer;
        timer.start();
        double shown = -1;
        quint64 shownStatements = 0;
        PaintWatch watch([&] {
            shown = timer.nsecsElapsed() / 1e6;
            shownStatements = statementCount() - before;
        });
        FieldConfig preview(report, orientation, QStringLiteral("Report"));
        preview.findChild<QWidget*>(QStringLiteral("PrintPreview"))->installEventFilter(&watch);
        preview.show();
        QDeadlineTimer deadline(10000);
        while (shown < 0 && !deadline.hasExpired())
            QApplication::processEvents();
        pages = preview.pageCount();
        if (i == 0)
            continue;
        first << shown;
        all << timer.nsecsElapsed() / 1e6;
        f.firstPage.statements = shownStatements;
        f.allPages.statements = statementCount() - before;
    }
    f.firstPage = figuresOf(first, f.firstPage.statements);
    f.allPages = figuresOf(all, f.allPages.statements);
    return f;
}

// One line of a preview's figures.
QString previewRow(const QString& name, const Figures& f)
{
    return QStringLiteral("| %1 | %2 | %3 – %4 | %5 |\n")
        .arg(name)
        .arg(f.median, 0, 'f', 1)
        .arg(f.low, 0, 'f', 1)
        .arg(f.high, 0, 'f', 1)
        .arg(f.statements);
}

// The big cases: 80 players a team, 120 games a team, the board with 10 to 80 players and the
// team-stats preview of 80 players.
void bigCases(const QString& dir, const QString& pgServer, int runs)
{
    out << "\nBig teams: clicks with 80 players a team or 120 games a team (two teams each):\n\n"
        << "| operation | median ms | spread ms | statements |\n|---|---|---|---|\n";
    for (const Size& big : {Size{2, 80, 30}, Size{2, 20, 120}}) {
        const DbLocation loc =
            makeDatabase(dir, pgServer, big, QStringLiteral("big%1x%2").arg(big.players).arg(big.games));
        MainForm form;
        form.ConfigureMainStatus();
        form.SetTeamTabs();
        form.selectTeam(1);
        form.resize(1120, 720);
        form.show();
        const QString what = QStringLiteral("%1 players x %2 games: ").arg(big.players).arg(big.games);
        QList<Operation> ops = operations(form, big);
        ops.removeFirst();  // the tree's rebuild is timed on the club
        for (Operation& o : ops)
            o.name = what + o.name.toLower();
        if (big.players == 80) {
            int pages = 0;
            const PreviewFigures preview = previewFigures(
                runs, [](Printout& p) { FilePrintTeamSub(p, 1); }, kTeamStatsOrientation, pages);
            timeRows(ops, runs);
            const QString name = QStringLiteral("%1team-stats preview of %2 pages, ").arg(what).arg(pages);
            out << previewRow(name + QStringLiteral("first page shown"), preview.firstPage)
                << previewRow(name + QStringLiteral("all pages laid out"), preview.allPages);
        } else {
            timeRows(ops, runs);
        }
        form.close();
        dropDatabase(loc, pgServer);
    }
    out << "\nOpening the line-up board (30 games of earlier figures):\n\n"
        << "| players | median ms | spread ms | statements |\n|---|---|---|---|\n";
    for (int players : {10, 20, 80}) {
        const Figures f = boardOpening(dir, pgServer, players, runs);
        out << QStringLiteral("| %1 | %2 | %3 – %4 | %5 |\n")
                   .arg(players)
                   .arg(f.median, 0, 'f', 1)
                   .arg(f.low, 0, 'f', 1)
                   .arg(f.high, 0, 'f', 1)
                   .arg(f.statements);
    }
    out.flush();
}

int runBench(const QString& pgServer, int runs, const Size& size)
{
    QTemporaryDir dir;
    setSettingsFile(dir.path() + QStringLiteral("/bench.ini"));
    setLogFilePath(dir.path() + QStringLiteral("/bench.log"));
    const QString engine = pgServer.isEmpty() ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");

    // Statement counts on a one-team database first, to compare with the club's.
    QList<quint64> small;
    {
        const Size few{2, 5, 3};
        const DbLocation loc = makeDatabase(dir.path(), pgServer, few, QStringLiteral("small"));
        MainForm form;
        form.ConfigureMainStatus();
        form.SetTeamTabs();
        form.show();
        for (const Operation& o : operations(form, few))
            small << measure(2, o.op).statements;
        form.close();
        dropDatabase(loc, pgServer);
    }
    bigCases(dir.path(), pgServer, runs);
    if (qEnvironmentVariableIsSet("PW_BENCH_BIG_ONLY"))
        return 0;

    QElapsedTimer build;
    build.start();
    const QString keep = QString::fromLocal8Bit(qgetenv("PW_BENCH_KEEP"));
    const DbLocation loc = makeDatabase(keep.isEmpty() ? dir.path() : keep, pgServer, size, QStringLiteral("club"));
    out << QStringLiteral("%1: %2 teams x %3 players x %4 played games, built in %5 s\n\n")
               .arg(engine)
               .arg(size.teams)
               .arg(size.players)
               .arg(size.games)
               .arg(build.elapsed() / 1000.0, 0, 'f', 1);
    out << "| operation | median ms | spread ms | statements | statements, two small teams |\n|---|---|---|---|---|\n";
    {
        MainForm form;
        form.ConfigureMainStatus();
        form.SetTeamTabs();
        form.selectTeam(1);
        form.resize(1120, 720);
        form.show();
        const QList<Operation> ops = operations(form, size);
        for (qsizetype i = 0; i < ops.size(); ++i)
            out << row(ops[i].name, measure(runs, ops[i].op), small.value(i)) << '\n';
        out.flush();

        // A selection's figures, set-based and row by row, on team 2 (20 players, 30 games).
        out << "\nA selection's figures (shares, statistics, totals), with the straightforward reading for "
               "comparison:\n\n"
            << "| selection | set-based ms | statements | row by row ms | statements | times faster |\n"
            << "|---|---|---|---|---|---|\n";
        const int games = size.games;
        for (const auto& selected :
             {std::pair{QStringLiteral("a game"), qint16(12)}, {QStringLiteral("the season"), qint16(0)}}) {
            // A plain copy: lambdas cannot capture a structured binding with every compiler.
            const QString what = selected.first;
            const qint16 game = selected.second;
            const Figures fast = measure(runs, [game](int) { readGameView(2, 0, game, false); });
            const Figures slow = measure(qMax(3, runs / 3), [game, games](int) { gameViewRowByRow(2, game, games); });
            out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                       .arg(what)
                       .arg(fast.median, 0, 'f', 1)
                       .arg(fast.statements)
                       .arg(slow.median, 0, 'f', 1)
                       .arg(slow.statements)
                       .arg(slow.median / qMax(fast.median, 0.001), 0, 'f', 0);
        }
        out << QStringLiteral("| open the statistics dialog | %1 | %2 | | | |\n")
                   .arg(measure(runs, [](int i) { StatDialog dialog(1, qint16(1 + i % 30), 1, qint16(1 + i % 20), 0); })
                            .median,
                        0, 'f', 1)
                   .arg(measure(2, [](int) { StatDialog dialog(1, 5, 1, 3, 0); }).statements);
        out.flush();

        growFirstTeam(size);
        YesPrompter yes;
        setPrompter(&yes);
        std::unique_ptr<TeamInfo> profile;
        std::unique_ptr<PlayerInfo> player;
        out << "\nTeam and player windows, with the main window open:\n\n"
            << "| operation | median ms | spread ms | statements |\n|---|---|---|---|\n";
        timeRows(windowOperations(profile, player), runs);
        out.flush();
        profile.reset();
        player.reset();

        out << "\nLine-up board, a game of the 25-player team:\n\n"
            << "| operation | median ms | spread ms | statements |\n|---|---|---|---|\n";
        const auto lineupGame = [](int gameNo) {
            return LineupGame{.teamNo = 1, .gameNo = qint16(gameNo), .opponentNo = 1, .periods = 4, .places = 8};
        };
        std::unique_ptr<GameSetup> board;
        const QList<Operation> boardOps{
            {QStringLiteral("Open the board"),
             [&](int i) {
                 board = std::make_unique<GameSetup>(lineupGame(1 + i % games), QStringLiteral("Game"));
                 board->show();  // painted before the timer stops
             }},
            {QStringLiteral("Place a player"),
             [&](int i) {
                 board->Qtr1Pic_Click(1);
                 const qint16 p = qint16(1 + i % 25);
                 if (board->board().CheckSelect(p) || board->board().GetPlaceNo(1) == 0) {
                     for (qint16 q = 1; q <= 25; ++q)
                         board->board().RemovePlayer(1, q);
                 }
                 board->MainField_DragDrop(p, QPoint(572 * (1 + i % 14), 415 * (1 + i % 12)), false);
             }},
            {QStringLiteral("Suggest Line-up (every period proposed)"), [&](int) { board->suggestLineup(); }},
            {QStringLiteral("Save the line-up"), [&](int) { board->GameSave_Click(); }},
            {QStringLiteral("Repaint the field at 1440 x 1000"),
             [&](int) {
                 auto* field = board->findChild<FieldView*>(QStringLiteral("MainField"));
                 field->resize(1440, 1000);
                 QImage image(field->size(), QImage::Format_ARGB32_Premultiplied);
                 field->render(&image);
             }},
        };
        timeRows(boardOps, runs);
        int unfinished = 0;
        timeRows({{QStringLiteral("Line-up proposal alone: 20 players, 6 periods, 11 spots"),
                   [&](int i) { unfinished += solveLineup(proposalProblem(i)).complete ? 0 : 1; }}},
                 std::max(runs, 20));
        out << QStringLiteral("\n(Proposals cut short by the time limit: %1.)\n").arg(unfinished);
        out.flush();
        board.reset();

        out << "\nReports:\n\n| operation | median ms | spread ms | statements |\n|---|---|---|---|\n";
        const QString pdf = dir.path() + QStringLiteral("/report.pdf");
        QList<qint16> tenPlayers;
        for (qint16 p = 1; p <= 10; ++p)
            tenPlayers << p;
        const QList<Operation> reportOps{
            {QStringLiteral("Team statistics to PDF (20 players, 30 games)"),
             [&](int) { printToPdf([](Printout& p) { FilePrintTeamSub(p, 2); }, kTeamStatsOrientation, pdf); }},
            {QStringLiteral("Official roster to PDF (25 players)"),
             [&](int) { printToPdf([](Printout& p) { PrintOfficialRoster(p, 1); }, kOfficialRosterOrientation, pdf); }},
        };
        timeRows(reportOps, runs);
        int previewPages = 0;
        const PreviewFigures preview = previewFigures(
            runs, [&](Printout& p) { PrintIndividualStats(p, 2, tenPlayers); }, kPlayerStatsOrientation, previewPages);
        out << previewRow(QStringLiteral("Preview of ten players' statistics, first page shown"), preview.firstPage)
            << previewRow(QStringLiteral("Preview of ten players' statistics, all pages laid out"), preview.allPages);
        out << QStringLiteral("\n(The preview held %1 pages.)\n").arg(previewPages);
        out.flush();

        addTournaments(size.teams);
        out << "\nTournaments (five per team, the first of team 1 a timed 16-team bracket):\n\n"
            << "| operation | median ms | spread ms | statements |\n|---|---|---|---|\n";
        std::unique_ptr<Tournament> bracketWindow;
        QList<qint16> allTeams;
        for (int t = 1; t <= size.teams; ++t)
            allTeams << qint16(t);
        TeamTreeModel tree;
        const QList<TeamEntry> teamEntries = visibleTeams();
        timeRows(
            {{QStringLiteral("Open a 16-team bracket"),
              [&](int) {
                  bracketWindow = std::make_unique<Tournament>(1, 1, 4);
                  bracketWindow->show();
              }},
             {QStringLiteral("Save the 16-team bracket"), [&](int) { bracketWindow->TournSave_Click(); }},
             {QStringLiteral("Build every team's tournament branches (40 x 5)"),
              [&](int) { tree.SetTeamTabs(teamEntries, readSeasonGames(allTeams), tournamentBranches(allTeams)); }}},
            runs);
        bracketWindow.reset();
        out.flush();

        // Notes and fees: a season's worth of notes for team 1, and the fees of its roster.
        for (int n = 0; n < 300; ++n)
            saveTeamNote(1, std::nullopt, QStringLiteral("Note %1").arg(n), QStringLiteral("Text of note %1").arg(n),
                         n % 2 == 0);
        out << "\nNotes and fees (team 1 with 300 notes):\n\n"
            << "| operation | median ms | spread ms | statements |\n|---|---|---|---|\n";
        std::unique_ptr<frmNoteList> notesWindow;
        std::unique_ptr<dlgMoney> feesWindow;
        timeRows(
            {{QStringLiteral("Open the notes window (300 notes)"),
              [&](int) {
                  notesWindow = std::make_unique<frmNoteList>(1);
                  notesWindow->show();
              }},
             {QStringLiteral("Gather the team's e-mail recipients"),
              [&](int) {
                  QString notFound;
                  GetEmailAddress(1, notFound);
              }},
             {QStringLiteral("Open Fee Management"),
              [&](int) {
                  feesWindow = std::make_unique<dlgMoney>(1);
                  feesWindow->show();
              }},
             {QStringLiteral("Store every player's amount"), [&](int) { saveFees(1, feesWindow->model().lines()); }}},
            runs);
        notesWindow.reset();
        feesWindow.reset();
        out.flush();

        addPractices(size.teams);
        out << "\nPractices (three a week for every team) and drills:\n\n"
            << "| operation | median ms | spread ms | statements |\n|---|---|---|---|\n";
        MonthCalendar calendar;
        calendar.open(1, QDate(2026, 10, 1));
        DrillDiagram busy;
        for (int m = 0; m < 30; ++m)
            busy.addMarker(m % 9, QPoint(200 + (m % 10) * 500, 300 + (m / 10) * 1000));
        for (int l = 0; l < 40; ++l) {
            const QPoint from(300 + (l % 10) * 480, 500 + (l / 10) * 700);
            const QPoint to(from.x() + 400, from.y() + 300);
            busy.addLine(l % 4 == 3 ? DrillLine::curve(qint16(l % 3), from, to, QPoint(from.x() + 100, from.y() + 350))
                                    : DrillLine::straight(qint16(2 + l % 2), qint16(l % 3), from, to));
        }
        QImage canvas(1080, 720, QImage::Format_ARGB32_Premultiplied);
        addDrills(500);
        std::unique_ptr<dlgDrillMaint> drillWindow;
        std::unique_ptr<frmPractice> practiceWindow;
        QList<qint32> practiceIds;
        for (QSqlQuery q =
                 execSql(QStringLiteral("SELECT PracticeID FROM Practice WHERE TeamNo = 1 ORDER BY PracticeID"));
             q.next();)
            practiceIds << q.value(0).toInt();
        timeRows(
            {{QStringLiteral("Move the month calendar by a week"), [&](int i) { calendar.scrollWeeks(i % 2 ? 1 : 0); }},
             {QStringLiteral("Open Drill Maintenance (500 drills)"),
              [&](int) {
                  drillWindow = std::make_unique<dlgDrillMaint>();
                  drillWindow->show();
              }},
             {QStringLiteral("Switch drills"), [&](int i) { drillWindow->openDrill(qint32(1001 + (i * 37) % 456)); }},
             {QStringLiteral("Open a practice"),
              [&](int i) {
                  const qint32 id = practiceIds.value(i % qMax(1, int(practiceIds.size())));
                  practiceWindow = std::make_unique<frmPractice>(1, QStringLiteral("T1P%1").arg(id), QDate(), nullptr);
                  practiceWindow->show();
              }},
             {QStringLiteral("Repaint a drill of 30 markers and 40 lines at 1080 x 720"),
              [&](int) {
                  QPainter painter(&canvas);
                  paintDrill(painter, busy, QRectF(0, 0, 1080, 720), true);
              }}},
            runs);
        out.flush();
        setPrompter(nullptr);
        form.close();
    }
    const QString database = loc.engine == Engine::SQLite
                                 ? loc.path
                                 : pgServer.section(QLatin1Char('/'), 0, -2) + QLatin1Char('/') + loc.database;
    Db::closeShared();
    const int startRuns = qMax(5, runs / 3);
    const Figures bare =
        startupTimes(QStringLiteral("bare"), database, dir.path() + QStringLiteral("/bare.ini"), startRuns);
    const Figures shell =
        startupTimes(QStringLiteral("shell"), database, dir.path() + QStringLiteral("/shell.ini"), startRuns);
    const Figures main =
        startupTimes(QStringLiteral("main"), database, dir.path() + QStringLiteral("/main.ini"), startRuns);
    auto line = [&](const QString& what, const Figures& f) {
        return QStringLiteral("| %1 | %2 | %3 – %4 | %5 |\n")
            .arg(what)
            .arg(f.median, 0, 'f', 0)
            .arg(f.low, 0, 'f', 0)
            .arg(f.high, 0, 'f', 0)
            .arg(f.median / bare.median, 0, 'f', 2);
    };
    out << QStringLiteral("\nStart-up to a shown window, a process each (median of %1 runs):\n\n").arg(startRuns)
        << "| window | median ms | spread ms | times the bare window |\n|---|---|---|---|\n"
        << line(QStringLiteral("bare Qt window (empty)"), bare)
        << line(QStringLiteral("plain shell (menu, list, status line)"), shell)
        << line(QStringLiteral("Pitchwise main window on the club"), main) << '\n';
    out.flush();
    Db::openShared(loc);
    dropDatabase(loc, pgServer);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brant"));
    QApplication::setApplicationName(QStringLiteral("PitchwiseBench"));
    const QStringList args = app.arguments();
    try {
        if (args.value(1) == QLatin1String("--startup"))
            return startupChild(args.value(2), args.value(3), args.value(4));
        QString pg;
        int runs = 15;
        Size size;
        for (qsizetype i = 1; i < args.size(); ++i) {
            if (args[i] == QLatin1String("--pg"))
                pg = args.value(++i);
            else if (args[i] == QLatin1String("--runs"))
                runs = qMax(3, args.value(++i).toInt());
            else if (args[i] == QLatin1String("--teams"))
                size.teams = qMax(2, args.value(++i).toInt());
        }
        if (qEnvironmentVariableIsEmpty("PW_SEED_DB"))
            setSeedDatabasePath(QCoreApplication::applicationDirPath() + QStringLiteral("/BaseDB.db"));
        else
            setSeedDatabasePath(QString::fromLocal8Bit(qgetenv("PW_SEED_DB")));
        runBench(QString(), runs, size);
        if (!pg.isEmpty())
            runBench(pg, runs, size);
    } catch (const PwError& e) {
        std::fprintf(stderr, "pitchwise_bench: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
