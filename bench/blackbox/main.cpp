// SPDX-License-Identifier: GPL-3.0-or-later
// pitchwise_blackbox [--quick] [--pairs N] [--runs N] [--database FILE] [--program FILE] [--display :N]
//                    [--quiet MS] [--verbose] [--startup-only]
//
// Times the real program as the coach feels it: build/bin/pitchwise is started on an X server
// (the one in $DISPLAY, or --display), with accessibility off, a fresh home folder and settings
// that open a club database (40 teams x 20 players x 30 played games, with tournaments, drills
// and a season of practices). Clicks and keys go in through XTest; each measure runs from the
// click to the last change of the screen (XDamage on the root window) before a quiet period of
// 300 ms. Start-up is compared with a bare Qt window built beside it (pitchwise_blackbox_bare,
// an empty main window of the same size), in interleaved pairs, the splash dismissed by a click
// as soon as it is on screen, as a coach does.
// The program tells where to click: PW_BENCH_GEOMETRY names a file in which the main window keeps
// the screen rectangles of its tree items, toolbar buttons and open menus' entries.
// --quick: two pairs, two runs each and a small club, to check that the benchmark works.
// --startup-only: only the start-up pairs.
// PW_BENCH_KEEP=folder keeps the club database there.
#include "ClubDatabase.h"
#include "XSession.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <X11/keysym.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

using namespace pw;
using namespace pw::bench;

namespace {

QTextStream out(stdout);

// What is being measured, for the message when something goes wrong (and as it goes, with
// --verbose).
std::string g_doing;
bool g_verbose = false;

void doing(const char* what)
{
    g_doing = what;
    if (g_verbose)
        std::fprintf(stderr, "pitchwise_blackbox: %s\n", what);
}

struct Options {
    bool quick = false;
    int pairs = 8;
    int runs = 10;
    double quietMs = 300;
    double timeoutMs = 20000;
    bool startupOnly = false;  // only the start-up pairs, for working on start-up
    QString database;
    QString program;  // another build of the program to time, instead of the one beside this
    QString display = qEnvironmentVariable("DISPLAY");
};

// The first day from today on without a game of team 1, where the calendar's Enter opens a
// practice; and how many days ahead of today it is.
int daysToPracticeDay(const ClubSize& size)
{
    const QDate start(2026, 9, 5);
    QList<QDate> gameDays;
    for (int g = 1; g <= size.games; ++g)
        gameDays << start.addDays(7 * g);
    for (int n = 1; n <= 5; ++n)
        gameDays << QDate(2026, 10, n);
    int ahead = 0;
    while (gameDays.contains(QDate::currentDate().addDays(ahead)))
        ++ahead;
    return ahead;
}

// Team 1 practises every day of the weeks around today that has no game and no practice yet, so
// that the calendar opens on a day with one practice whatever the date.
void addPracticesAroundToday(const ClubSize& size)
{
    const QDate today = QDate::currentDate();
    const int ahead = daysToPracticeDay(size);
    for (int d = -7; d <= 14; ++d) {
        const QDate day = today.addDays(d);
        const bool seasonPractice = day >= QDate(2026, 9, 1) && day < QDate(2026, 12, 20) &&
                                    (day.dayOfWeek() == 2 || day.dayOfWeek() == 4 || day.dayOfWeek() == 6);
        if (d != ahead || seasonPractice)
            continue;
        execSql(QStringLiteral("INSERT INTO Practice (TeamNo, PracticeDate, StartTime, EndTime, TimeSegment, "
                               "TeamMeeting) VALUES (1, ?, ?, ?, 15, ?)"),
                {day.startOfDay(), QDateTime(day, QTime(17, 0)), QDateTime(day, QTime(18, 30)), false});
    }
}

QString buildClub(const QString& folder, const ClubSize& size, bool quick)
{
    const QString path = folder + QStringLiteral("/club.db");
    QFile::remove(path);
    buildDatabaseFile(path);
    Db::openShared(DbLocation::parse(path));
    fillClub(size);
    addTournaments(size.teams);
    addDrills(quick ? 60 : 500);
    addPractices(size.teams);
    // The calendar warns of a practice on a game day each time it opens; team 1 has none.
    execSql(QStringLiteral("DELETE FROM Practice WHERE TeamNo = 1 AND date(PracticeDate) IN "
                           "(SELECT date(GameDate) FROM Schedule WHERE TeamNo = 1)"));
    addPracticesAroundToday(size);
    Db::closeShared();
    return path;
}

// A started program, ended by its process id when done with.
class Child {
public:
    Child(const QString& program, const QStringList& arguments, const QStringList& environment, const QString& log)
    {
        QList<QByteArray> env;
        for (const QString& e : environment)
            env << e.toLocal8Bit();
        std::vector<char*> envp;
        for (QByteArray& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        QByteArray path = program.toLocal8Bit();
        QByteArray logPath = log.toLocal8Bit();
        QList<QByteArray> args{path};
        for (const QString& a : arguments)
            args << a.toLocal8Bit();
        std::vector<char*> argv;
        for (QByteArray& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        started = XSession::now();
        m_pid = fork();
        if (m_pid == 0) {
            const int fd = open(logPath.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            dup2(fd, 1);
            dup2(fd, 2);
            execve(path.constData(), argv.data(), envp.data());
            _exit(127);
        }
        if (m_pid < 0)
            throw std::runtime_error("cannot start " + program.toStdString());
    }
    ~Child() { stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return m_pid; }
    // Empty while it runs; else how it ended.
    std::string ended()
    {
        int status = 0;
        if (m_pid <= 0 || waitpid(m_pid, &status, WNOHANG) == 0)
            return {};
        m_pid = -1;
        return WIFSIGNALED(status) ? "killed by signal " + std::to_string(WTERMSIG(status))
                                   : "ended with exit code " + std::to_string(WEXITSTATUS(status));
    }
    void stop()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
    }

    double started = 0;

private:
    pid_t m_pid = -1;
};

struct Figures {
    double median = 0;
    double low = 0;
    double high = 0;
    int runs = 0;
};

Figures figures(QList<double> ms)
{
    if (ms.isEmpty())
        return {};
    std::sort(ms.begin(), ms.end());
    return Figures{ms.at(ms.size() / 2), ms.first(), ms.last(), int(ms.size())};
}

QString row(const QString& what, const Figures& f, int decimals = 1)
{
    return QStringLiteral("| %1 | %2 | %3 – %4 | %5 |\n")
        .arg(what)
        .arg(f.median, 0, 'f', decimals)
        .arg(f.low, 0, 'f', decimals)
        .arg(f.high, 0, 'f', decimals)
        .arg(f.runs);
}

// One running Pitchwise with its club, driven as the coach drives it.
class Session {
public:
    Session(XSession& x, const Options& o, QString home, QString map)
        : m_x(x)
        , m_o(o)
        , m_home(std::move(home))
        , m_map(std::move(map))
    {
    }

    // The environment of a start: a fresh home whose settings open the club, accessibility off.
    QStringList environment(const QString& database, bool withMap) const;
    // Starts a program and returns when its main window has settled: the milliseconds from the
    // start, or a negative number when it did not appear. The splash is clicked away at once.
    double start(const QString& program, const QStringList& arguments, const QString& database, bool withMap,
                 bool keepRunning);
    void stop() { m_child.reset(); }

    QRect place(const QString& what);
    // Clicks what the program's screen map names and times it to the screen settling.
    double click(const QString& what);
    // Opens a window with trigger (a click or a key) and times it to the window settled on screen.
    double open(const std::function<double()>& trigger);
    void closeNewest();
    // Gives the window opened last the keyboard, as a window manager does, and clicks in its margin.
    void focusNewest();
    double openAndClose(const std::function<double()>& trigger)
    {
        const double ms = open(trigger);
        closeNewest();
        return ms;
    }
    // Opens the menu bar's menu and clicks the entry, timed from the entry's click.
    double fromMenu(const QString& menu, const QString& entry);
    void pointAt(const QString& what);
    void settleQuietly() { m_x.settle(XSession::now(), m_o.quietMs, m_o.timeoutMs); }
    pid_t pid() const { return m_child ? m_child->pid() : -1; }

private:
    QHash<QString, QRect> readMap() const;

    XSession& m_x;
    const Options& m_o;
    QString m_home;
    QString m_map;
    std::unique_ptr<Child> m_child;
    // The windows shown before each window still open was opened, the latest last.
    std::vector<std::vector<XSession::Window>> m_opened;
};

QStringList Session::environment(const QString& database, bool withMap) const
{
    // One home for the whole run, made afresh when the run begins; each start finds the same
    // settings again.
    QDir().mkpath(m_home + QStringLiteral("/.config/Brant"));
    QFile conf(m_home + QStringLiteral("/.config/Brant/Pitchwise.conf"));
    if (conf.open(QIODevice::WriteOnly))
        conf.write(QStringLiteral("[General]\nmdbFile=%1\nTeamTabNo=1\n").arg(database).toUtf8());
    conf.close();
    const QStringList dropped{QStringLiteral("HOME"),
                              QStringLiteral("DISPLAY"),
                              QStringLiteral("XDG_CONFIG_HOME"),
                              QStringLiteral("XDG_DATA_HOME"),
                              QStringLiteral("XDG_CACHE_HOME"),
                              QStringLiteral("QT_QPA_PLATFORM"),
                              QStringLiteral("QT_ACCESSIBILITY"),
                              QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"),
                              QStringLiteral("PW_BENCH_GEOMETRY"),
                              QStringLiteral("PW_BENCH_KEEP")};
    QStringList env;
    for (const QString& e : QProcessEnvironment::systemEnvironment().toStringList()) {
        if (!dropped.contains(e.section(QLatin1Char('='), 0, 0)))
            env << e;
    }
    env << QStringLiteral("HOME=") + m_home << QStringLiteral("DISPLAY=") + m_o.display
        << QStringLiteral("XDG_CONFIG_HOME=%1/.config").arg(m_home)
        << QStringLiteral("XDG_DATA_HOME=%1/.local/share").arg(m_home)
        << QStringLiteral("XDG_CACHE_HOME=%1/.cache").arg(m_home) << QStringLiteral("QT_QPA_PLATFORM=xcb")
        << QStringLiteral("QT_ACCESSIBILITY=0") << QStringLiteral("NO_AT_BRIDGE=1");
    if (withMap)
        env << QStringLiteral("PW_BENCH_GEOMETRY=") + m_map;
    return env;
}

double Session::start(const QString& program, const QStringList& arguments, const QString& database, bool withMap,
                      bool keepRunning)
{
    QFile::remove(m_map);
    const QStringList env = environment(database, withMap);
    // The pointer waits off the windows to come, as a coach's hand does after starting the program.
    m_x.moveTo(m_x.screenWidth() - 1, m_x.screenHeight() - 1);
    settleQuietly();
    m_child = std::make_unique<Child>(program, arguments, env, m_home + QStringLiteral("/../program.log"));
    Child& child = *m_child;
    bool splashClicked = false;
    const double settled = m_x.settle(child.started, m_o.quietMs, m_o.timeoutMs, [&] {
        for (const XSession::Window& w : m_x.windowsOf(child.pid())) {
            if (w.width >= 1000) {
                // The hand comes onto the window that appeared. Without any input event a Qt
                // program may hold its first frame back until a timer of its own runs; the
                // program has had the click on its splash.
                m_x.moveTo(w.x + w.width / 2, w.y + w.height / 2);
                return true;
            }
            // The splash: clicked as soon as it is drawn, as a coach does who wants to begin.
            if (!splashClicked && m_x.lastDamage() > child.started) {
                m_x.moveTo(w.x + w.width / 2, w.y + w.height / 2);
                m_x.click();
                splashClicked = true;
            }
        }
        return false;
    });
    if (settled < 0) {
        const std::string how = child.ended();
        throw std::runtime_error("the window did not appear" + (how.empty() ? std::string() : ": the program " + how) +
                                 (splashClicked ? " (the splash was clicked)" : ""));
    }
    const double started = child.started;
    if (!keepRunning)
        m_child.reset();
    return settled < 0 ? settled : settled - started;
}

QHash<QString, QRect> Session::readMap() const
{
    QHash<QString, QRect> places;
    QFile file(m_map);
    if (!file.open(QIODevice::ReadOnly))
        return places;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 6)
            places.insert(QString::fromUtf8(f[0] + ':' + f[1]),
                          QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()));
    }
    return places;
}

QRect Session::place(const QString& what)
{
    QHash<QString, QRect> map = readMap();
    // A tree item out of view is scrolled to with the wheel over the tree, down and then up.
    for (int step = 0; what.startsWith(QLatin1String("tree:")) && !map.contains(what) && step < 80; ++step) {
        QRect tree;
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            if (it.key().startsWith(QLatin1String("tree:")))
                tree = tree.united(it.value());
        }
        if (tree.isEmpty())
            break;
        m_x.moveTo(tree.x() + 10, tree.center().y());
        m_x.wheel(step < 40);
        settleQuietly();
        map = readMap();
    }
    const QRect r = map.value(what);
    if (r.isEmpty()) {
        QStringList shown = map.keys();
        shown.sort();
        throw std::runtime_error("the program does not show " + what.toStdString() + "; it shows " +
                                 shown.filter(QRegularExpression(QStringLiteral("^(?!tree|tool|bar)")))
                                     .join(QLatin1Char(' '))
                                     .toStdString() +
                                 "\nprocess " + std::to_string(pid()) + ", windows:\n" + m_x.dumpWindows());
    }
    return r;
}

void Session::pointAt(const QString& what)
{
    const QRect r = place(what);
    // Near the start of a tree item's text: what lies right of it may be off the tree's edge.
    m_x.moveTo(what.startsWith(QLatin1String("tree:")) ? r.x() + qMin(r.width() / 2, 30) : r.center().x(),
               r.center().y());
    settleQuietly();  // what the pointer lights up is not part of the click
}

double Session::click(const QString& what)
{
    pointAt(what);
    const double sent = m_x.click();
    const double settled = m_x.settle(sent, m_o.quietMs, m_o.timeoutMs);
    if (settled < 0)
        throw std::runtime_error("the screen did not settle after clicking " + what.toStdString());
    return settled - sent;
}

double Session::open(const std::function<double()>& trigger)
{
    const std::vector<XSession::Window> before = m_x.windowsOf(pid());
    const auto isNew = [&before](const XSession::Window& w) {
        return std::none_of(before.begin(), before.end(), [&w](const XSession::Window& b) { return b.id == w.id; });
    };
    if (g_verbose) {
        for (const XSession::Window& w : before)
            std::fprintf(stderr, "  shown before: %lx %dx%d+%d+%d\n", w.id, w.width, w.height, w.x, w.y);
    }
    const double sent = trigger();
    const double settled = m_x.settle(sent, m_o.quietMs, m_o.timeoutMs, [&] {
        const auto now = m_x.windowsOf(pid());
        return std::any_of(now.begin(), now.end(), isNew);
    });
    if (settled < 0)
        throw std::runtime_error("no window opened or the screen did not settle: " + m_x.recentDamage() + "\nprocess " +
                                 std::to_string(pid()) + ", windows:\n" + m_x.dumpWindows());
    m_opened.push_back(before);
    return settled - sent;
}

void Session::focusNewest()
{
    if (m_opened.empty())
        return;
    const std::vector<XSession::Window>& before = m_opened.back();
    for (const XSession::Window& w : m_x.windowsOf(pid())) {
        if (std::none_of(before.begin(), before.end(), [&w](const XSession::Window& b) { return b.id == w.id; })) {
            // A click in the window's margin, where nothing reacts, also has the program's
            // screen map written again.
            m_x.moveTo(w.x + 2, w.y + 2);
            m_x.focus(w.id);
            settleQuietly();
            m_x.click();
            settleQuietly();
            return;
        }
    }
}

void Session::closeNewest()
{
    if (m_opened.empty())
        return;
    const std::vector<XSession::Window> before = m_opened.back();
    m_opened.pop_back();
    const auto windows = m_x.windowsOf(pid());
    XSession::Id newest = 0;
    for (auto w = windows.rbegin(); w != windows.rend() && !newest; ++w) {
        if (std::none_of(before.begin(), before.end(), [&w](const XSession::Window& b) { return b.id == w->id; }))
            newest = w->id;
    }
    if (!newest)
        return;
    const auto closed = [&] { return m_x.windowsOf(pid()).size() <= before.size(); };
    // As its title bar's close button asks it; a dialog that takes no notice is given Escape.
    m_x.closeWindow(newest);
    if (m_x.settle(XSession::now(), m_o.quietMs, 3000, closed) >= 0)
        return;
    m_x.focus(newest);
    m_x.key(XK_Escape);
    if (m_x.settle(XSession::now(), m_o.quietMs, m_o.timeoutMs, closed) < 0)
        throw std::runtime_error("a window did not close");
}

double Session::fromMenu(const QString& menu, const QString& entry)
{
    pointAt(QStringLiteral("bar:") + menu);
    m_x.click();
    settleQuietly();
    const QStringList path = entry.split(QLatin1Char('/'));
    for (qsizetype i = 0; i + 1 < path.size(); ++i) {
        pointAt(QStringLiteral("menu:") + path.at(i));
        m_x.click();  // a sub-menu opens at once when clicked
        settleQuietly();
    }
    return open([&] {
        pointAt(QStringLiteral("menu:") + path.last());
        return m_x.click();
    });
}

struct Run {
    Options options;
    QString program;
    QString bare;
    QString database;
    int practiceDaysAhead = 0;
};

// Start-up of the program against the bare window, in pairs whose order alternates.
void startupPairs(Session& s, XSession& x, const Run& run, QMap<QString, QList<double>>& ms)
{
    auto once = [&](bool main) {
        // The program is told its database on the command line as well as in its settings.
        const QStringList arguments = main ? QStringList{QStringLiteral("--database"), run.database} : QStringList();
        const double t = s.start(main ? run.program : run.bare, arguments, run.database, false, false);
        if (g_verbose)
            std::fprintf(stderr, "  %s %.1f ms: %s\n", main ? "main" : "bare", t, x.recentDamage().c_str());
        if (t < 0)
            throw std::runtime_error(main ? "the program's main window did not appear"
                                          : "the bare window did not appear");
        return t;
    };
    once(false);  // the first start of each fills the disk cache
    once(true);
    for (int i = 0; i < run.options.pairs; ++i) {
        const bool mainFirst = i % 2 == 1;
        const double first = once(mainFirst);
        const double second = once(!mainFirst);
        const double bare = mainFirst ? second : first;
        const double main = mainFirst ? first : second;
        ms[QStringLiteral("a0")] << bare;
        ms[QStringLiteral("a1")] << main;
        ms[QStringLiteral("a2")] << main / bare;
    }
}

// The windows a coach opens from the main window, each opened and closed again runs times.
void openWindows(Session& s, XSession& x, const Run& run, QMap<QString, QList<double>>& ms)
{
    const int runs = run.options.runs;
    const auto button = [&](const char* name) {
        return [&s, &x, name] {
            s.pointAt(QStringLiteral("tool:") + QLatin1String(name));
            return x.click();
        };
    };
    doing("opening the line-up board");
    for (int i = 0; i < runs; ++i)
        ms[QStringLiteral("c0")] << s.openAndClose(button("GameLineUp"));
    doing("opening the month calendar");
    for (int i = 0; i < runs; ++i)
        ms[QStringLiteral("c1")] << s.openAndClose(button("TeamSchedule"));
    doing("opening a practice");
    for (int i = 0; i < runs; ++i) {
        s.open(button("TeamSchedule"));
        s.focusNewest();
        // A click on today's day gives the day grid the keys, which move to the practice day.
        s.pointAt(QStringLiteral("current:MonthGrid"));
        x.click();
        s.settleQuietly();
        for (int d = 0; d < run.practiceDaysAhead; ++d) {
            x.key(XK_Right);
            s.settleQuietly();
        }
        ms[QStringLiteral("c5")] << s.openAndClose([&] {
            s.pointAt(QStringLiteral("current:MonthGrid"));
            return x.doubleClick();
        });
        s.closeNewest();
    }
    doing("opening the team statistics preview");
    for (int i = 0; i < runs; ++i) {
        ms[QStringLiteral("c2")] << s.fromMenu(QStringLiteral("mnuView"),
                                               QStringLiteral("FilePreviewMenu/FilePreviewTeam"));
        s.closeNewest();
    }
    doing("opening Drill Maintenance");
    for (int i = 0; i < runs; ++i) {
        ms[QStringLiteral("c4")] << s.fromMenu(QStringLiteral("mnuTeam"), QStringLiteral("DataPracticeDrills"));
        s.closeNewest();
    }
    doing("opening a tournament bracket");
    s.click(QStringLiteral("tree:E1T1"));
    for (int i = 0; i < runs; ++i)
        ms[QStringLiteral("c3")] << s.openAndClose(button("TeamTournament"));
}

// Clicks in the tree: games of the current team, teams, and games of another team.
void clickTree(Session& s, XSession& x, const Run& run, QMap<QString, QList<double>>& ms)
{
    const int runs = run.options.runs;
    doing("clicking games");
    for (int i = 0; i < runs; ++i)
        ms[QStringLiteral("b1")] << s.click(QStringLiteral("tree:G%1T1").arg(2 + i % 4));
    openWindows(s, x, run, ms);
    // Team 1 folded away, so that the other teams stand in view; a team opens the first time it
    // is clicked, and is folded again.
    doing("clicking teams");
    s.click(QStringLiteral("tree:Team1"));
    x.key(XK_Left);
    s.settleQuietly();
    for (int t : {3, 4}) {
        s.click(QStringLiteral("tree:Team%1").arg(t));
        x.key(XK_Left);
        s.settleQuietly();
    }
    for (int i = 0; i < runs; ++i)
        ms[QStringLiteral("b0")] << s.click(QStringLiteral("tree:Team%1").arg(3 + i % 2));
    // Team 2 open under team 1: each run makes team 1 current and clicks a game of team 2.
    doing("clicking games of another team");
    s.click(QStringLiteral("tree:Team2"));
    for (int i = 0; i < runs; ++i) {
        s.click(QStringLiteral("tree:Team1"));
        ms[QStringLiteral("b2")] << s.click(QStringLiteral("tree:G%1T2").arg(2 + i % 4));
    }
}

void print(const Run& run, const QMap<QString, QList<double>>& ms)
{
    const QList<std::pair<QString, QString>> names{
        {QStringLiteral("a0"), QStringLiteral("Start-up: bare Qt window (empty, same size)")},
        {QStringLiteral("a1"), QStringLiteral("Start-up: Pitchwise to the main window settled (splash clicked)")},
        {QStringLiteral("a2"), QStringLiteral("Start-up: Pitchwise / bare window, each pair (times)")},
        {QStringLiteral("b0"), QStringLiteral("Click a team")},
        {QStringLiteral("b1"), QStringLiteral("Click a game")},
        {QStringLiteral("b2"), QStringLiteral("Click a game of another team")},
        {QStringLiteral("c0"), QStringLiteral("Open the line-up board (toolbar)")},
        {QStringLiteral("c1"), QStringLiteral("Open the month calendar (toolbar)")},
        {QStringLiteral("c2"), QStringLiteral("Open the team statistics preview (menu)")},
        {QStringLiteral("c3"), QStringLiteral("Open a 16-team tournament bracket (toolbar)")},
        {QStringLiteral("c4"), QStringLiteral("Open Drill Maintenance (menu)")},
        {QStringLiteral("c5"), QStringLiteral("Open a practice (double click in the calendar)")},
    };
    // The machine, as the figures are only read against it.
    QString cpu;
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                cpu = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
                break;
            }
        }
    }
    out << QStringLiteral("Black box, %1 build, %2 x %3, display %4, quiet period %5 ms, %6\n\n")
               .arg(QStringLiteral(PW_BUILD_TYPE), QString::number(QThread::idealThreadCount()), cpu,
                    run.options.display)
               .arg(run.options.quietMs, 0, 'f', 0)
               .arg(QDir::toNativeSeparators(run.database));
    out << "| measure | median ms | spread ms | runs |\n|---|---|---|---|\n";
    for (const auto& [key, name] : names) {
        if (ms.contains(key))
            out << row(name, figures(ms.value(key)), key == QLatin1String("a2") ? 2 : 1);
    }
    out.flush();
}

Options parse(const QStringList& args)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--quick")) {
            o.quick = true;
            o.pairs = 2;
            o.runs = 2;
        } else if (a == QLatin1String("--startup-only")) {
            o.startupOnly = true;
        } else if (a == QLatin1String("--verbose")) {
            g_verbose = true;
        } else if (a == QLatin1String("--pairs")) {
            o.pairs = qMax(1, args.value(++i).toInt());
        } else if (a == QLatin1String("--runs")) {
            o.runs = qMax(1, args.value(++i).toInt());
        } else if (a == QLatin1String("--quiet")) {
            o.quietMs = qMax(50, args.value(++i).toInt());
        } else if (a == QLatin1String("--database")) {
            o.database = args.value(++i);
        } else if (a == QLatin1String("--program")) {
            o.program = args.value(++i);
        } else if (a == QLatin1String("--display")) {
            o.display = args.value(++i);
        } else {
            throw std::runtime_error("unknown argument " + a.toStdString());
        }
    }
    return o;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // What went wrong is looked at with the files the run left.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("PW_BLACKBOX_SHOT"));
    setSettingsFile(dir.path() + QStringLiteral("/blackbox.ini"));
    setLogFilePath(dir.path() + QStringLiteral("/blackbox.log"));
    setSeedDatabasePath(QCoreApplication::applicationDirPath() + QStringLiteral("/BaseDB.db"));
    try {
        Run run;
        run.options = parse(app.arguments());
        run.program = run.options.program.isEmpty()
                          ? QCoreApplication::applicationDirPath() + QStringLiteral("/pitchwise")
                          : run.options.program;
        run.bare = QCoreApplication::applicationDirPath() + QStringLiteral("/pitchwise_blackbox_bare");
        const ClubSize size = run.options.quick ? ClubSize{4, 8, 6} : ClubSize{};
        run.database = run.options.database;
        if (run.database.isEmpty()) {
            const QString keep = qEnvironmentVariable("PW_BENCH_KEEP");
            run.database = buildClub(keep.isEmpty() ? dir.path() : keep, size, run.options.quick);
        }
        run.practiceDaysAhead = daysToPracticeDay(size);
        XSession x(run.options.display.toStdString());
        Session s(x, run.options, dir.path() + QStringLiteral("/home"), dir.path() + QStringLiteral("/screen.map"));
        // PW_BLACKBOX_SHOT=file.ppm: the screen as it was when a measure failed.
        struct Shot {
            XSession& x;
            bool done = false;
            ~Shot()
            {
                if (!done && !qEnvironmentVariableIsEmpty("PW_BLACKBOX_SHOT"))
                    x.screenshot(qEnvironmentVariable("PW_BLACKBOX_SHOT").toStdString());
            }
        } shot{x};
        QMap<QString, QList<double>> ms;
        doing("starting the program and the bare window");
        startupPairs(s, x, run, ms);
        doing("starting the program for the clicks");
        if (run.options.startupOnly) {
            shot.done = true;
            print(run, ms);
            return 0;
        }
        if (s.start(run.program, {QStringLiteral("--database"), run.database}, run.database, true, true) < 0)
            throw std::runtime_error("the program's main window did not appear");
        clickTree(s, x, run, ms);
        shot.done = true;
        s.stop();
        print(run, ms);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pitchwise_blackbox: %s (%s)\n", e.what(), g_doing.c_str());
        QFile log(dir.path() + QStringLiteral("/program.log"));
        if (log.open(QIODevice::ReadOnly))
            std::fprintf(stderr, "%s", log.readAll().constData());
        return 1;
    }
    return 0;
}
