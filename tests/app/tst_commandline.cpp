// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: its table read into options, words and batch actions, and the built program
// run as a script would run it, with no display and in a home where Pitchwise never ran.
#include "TestSupport.h"

#include "app/CommandLine.h"
#include "data/Backup.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

using namespace pw;
using namespace pwtest;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The built program, in a fresh home with no display at all.
Run runProgram(const QString& home, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PW_PROGRAM), arguments);
    Run r;
    if (!program.waitForFinished(60000))
        return r;
    r.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    r.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(program.readAllStandardError());
    return r;
}

QStringList filesUnder(const QString& folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    return out;
}

}  // namespace

class TestCommandLine : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    void readsOptionsWordsAndActions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");  // "debug test help version database batch values" or "error"
        const auto l = [](const char* a) { return QString::fromLatin1(a).split(QLatin1Char(' '), Qt::SkipEmptyParts); };
        QTest::newRow("none") << QStringList() << "0 0 0 0 - - -";
        QTest::newRow("DEBUG") << l("DEBUG") << "1 0 0 0 - - -";
        QTest::newRow("lower case") << l("debug") << "1 0 0 0 - - -";
        QTest::newRow("inside a word") << l("Debugging") << "1 0 0 0 - - -";
        QTest::newRow("both words") << l("TEST debug") << "1 1 0 0 - - -";
        QTest::newRow("split over arguments") << l("DE BUG") << "error";
        QTest::newRow("help") << l("--help") << "0 0 1 0 - - -";
        QTest::newRow("short help") << l("-h") << "0 0 1 0 - - -";
        QTest::newRow("version") << l("--version") << "0 0 0 1 - - -";
        QTest::newRow("database") << l("--database /tmp/x.db Test") << "0 1 0 0 /tmp/x.db - -";
        QTest::newRow("database with =") << l("--database=postgresql://coach@db.club/pw")
                                         << "0 0 0 0 postgresql://coach@db.club/pw - -";
        QTest::newRow("export") << l("--database a.db --export-calendar 3 TEST.ics")
                                << "0 0 0 0 a.db export-calendar 3,TEST.ics";
        QTest::newRow("export, word before")
            << l("DEBUG --export-calendar=4 out.ics") << "1 0 0 0 - export-calendar 4,out.ics";
        QTest::newRow("Qt's own options pass") << l("-platform offscreen -style Fusion -reverse") << "0 0 0 0 - - -";
        QTest::newRow("unknown option") << l("--frobnicate") << "error";
        QTest::newRow("missing database") << l("--database") << "error";
        QTest::newRow("empty database") << QStringList{QStringLiteral("--database=")} << "error";
        QTest::newRow("bad address") << l("--database postgresql://db.club:99999/pw") << "error";
        QTest::newRow("export without file") << l("--export-calendar 3") << "error";
        QTest::newRow("export file is an option") << l("--export-calendar 3 --help") << "error";
        QTest::newRow("unknown word") << l("season.db") << "error";
    }

    void readsOptionsWordsAndActions()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        const CommandLine c = parseCommandLine(args);
        if (expected == QLatin1String("error")) {
            QVERIFY(!c.error.isEmpty());
            QVERIFY(!c.error.contains(QLatin1Char('\n')));
            return;
        }
        QVERIFY2(c.error.isEmpty(), qPrintable(c.error));
        const auto flag = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
        const auto orDash = [](const QString& s) { return s.isEmpty() ? QStringLiteral("-") : s; };
        const QStringList got{flag(c.debug),
                              flag(c.test),
                              flag(c.help),
                              flag(c.version),
                              orDash(c.database),
                              orDash(c.batch ? c.batch->names.constLast() : QString()),
                              orDash(c.values.join(QLatin1Char(',')))};
        QCOMPARE(got.join(QLatin1Char(' ')), expected);
    }

    void helpListsEveryRow()
    {
        const QString help = commandLineHelp();
        for (const OptionRow& row : optionRows()) {
            QVERIFY2(help.contains(QStringLiteral("--") + row.names.constLast()), qPrintable(row.names.constLast()));
            for (const QString& value : row.valueNames)
                QVERIFY(help.contains(value));
        }
        QVERIFY(help.contains(QLatin1String("TEST")) && help.contains(QLatin1String("DEBUG")));
        QVERIFY(!help.contains(QLatin1String("platform")));
    }

    void programAnswersWithoutADisplay()
    {
        const QString home = env.dir() + QStringLiteral("/home-answers");
        QVERIFY(QDir().mkpath(home));
        const Run version = runProgram(home, {QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("Pitchwise ") + programVersion());
        const Run help = runProgram(home, {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.out, commandLineHelp());
        const Run wrong = runProgram(home, {QStringLiteral("--frobnicate")});
        QCOMPARE(wrong.exitCode, kExitUsage);
        QVERIFY(wrong.out.isEmpty());
        QCOMPARE(wrong.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(wrong.err.contains(QLatin1String("frobnicate")), qPrintable(wrong.err));
        QVERIFY(filesUnder(home).isEmpty());
    }

    void exportsTheCalendarForAScript()
    {
        emptyTables();
        addTeam(3, QStringLiteral("Eagles"));
        addOpponent(3, 1, QStringLiteral("Hawks"));
        addGame(3, 1, 1, QDate(2026, 9, 12));
        const QString database =
            store.location().engine == Engine::SQLite ? store.location().path : store.location().toSetting();
        const QString home = env.dir() + QStringLiteral("/home-export");
        QVERIFY(QDir().mkpath(home));
        const QString out = env.dir() + QStringLiteral("/Eagles.ics");

        const Run done = runProgram(home, {QStringLiteral("--database"), database, QStringLiteral("--export-calendar"),
                                           QStringLiteral("3"), out});
        QVERIFY2(done.exitCode == 0, qPrintable(done.err));
        QVERIFY(done.err.isEmpty());
        const QByteArray ics = fileBytes(out);
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(ics.contains("SUMMARY:Eagles vs Hawks\r\n"));
        // A user who never started the program: asked nothing, and no settings written.
        QVERIFY2(!QFileInfo::exists(home + QStringLiteral("/.config/Brant")), qPrintable(filesUnder(home).join(u',')));

        // Failures are one line on standard error and a non-zero exit; no file is left behind.
        const QString missing = env.dir() + QStringLiteral("/none.ics");
        for (const QStringList& args :
             {QStringList{QStringLiteral("--database"), database, QStringLiteral("--export-calendar"),
                          QStringLiteral("9"), missing},
              QStringList{QStringLiteral("--database"), database, QStringLiteral("--export-calendar"),
                          QStringLiteral("three"), missing},
              QStringList{QStringLiteral("--database"), env.dir() + QStringLiteral("/nothing.db"),
                          QStringLiteral("--export-calendar"), QStringLiteral("3"), missing},
              QStringList{QStringLiteral("--export-calendar"), QStringLiteral("3"), missing},
              QStringList{QStringLiteral("--database"), database, QStringLiteral("--export-calendar"),
                          QStringLiteral("3"), env.dir() + QStringLiteral("/no/such/folder/x.ics")}}) {
            const Run failed = runProgram(home, args);
            QCOMPARE(failed.exitCode, kExitFailed);
            QCOMPARE(failed.err.count(QLatin1Char('\n')), 1);
            QVERIFY(failed.err.startsWith(QLatin1String("pitchwise: ")));
            QVERIFY(!QFileInfo::exists(missing));
        }
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/.config/Brant")));
    }

    // The roster and the backup for scripts: an export read back into another team gives the
    // same players, an import with one bad row stores nothing and lists the reason, and the
    // backup is a whole database file (on a server it is refused with the pg_dump advice).
    void exchangesRostersAndBacksUpForAScript()
    {
        emptyTables();
        addTeam(3, QStringLiteral("Eagles"));
        addTeam(4, QStringLiteral("Hawks"));
        addPlayer(3, 1, QStringLiteral("Ortiz"), QStringLiteral("Sean"), 7);
        addPlayer(3, 2, QStringLiteral("Brandt, Jr."), QStringLiteral("Ana \"Nina\""), 9);
        const bool sqlite = store.location().engine == Engine::SQLite;
        const QString database = sqlite ? store.location().path : store.location().toSetting();
        const QString home = env.dir() + QStringLiteral("/home-roster");
        QVERIFY(QDir().mkpath(home));
        const QString csv = env.dir() + QStringLiteral("/Eagles roster.csv");
        const auto run = [&](const QString& option, const QString& team, const QString& file) {
            return runProgram(home, {QStringLiteral("--database"), database, option, team, file});
        };

        const Run exported = run(QStringLiteral("--export-roster"), QStringLiteral("3"), csv);
        QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
        const Run imported = run(QStringLiteral("--import-roster"), QStringLiteral("4"), csv);
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
        const QString names =
            QStringLiteral("SELECT PlayerLastName || '/' || PlayerFirstName || '/' || JerseyNo FROM Player "
                           "WHERE TeamNo = ? ORDER BY PlayerLastName");
        QCOMPARE(queryRows(names, {4}), queryRows(names, {3}));

        QByteArray bad = fileBytes(csv);
        bad += "\"Lee\",\"Kim\",\"\",\"abc\"\r\n";
        const QString badFile = writeFile(env.dir() + QStringLiteral("/bad.csv"), bad);
        const int before = countRows(QStringLiteral("Player"));
        const Run refused = run(QStringLiteral("--import-roster"), QStringLiteral("4"), badFile);
        QCOMPARE(refused.exitCode, kExitFailed);
        QVERIFY2(refused.err.contains(QLatin1String("line 4")), qPrintable(refused.err));
        QCOMPARE(countRows(QStringLiteral("Player")), before);

        const QString copy = env.dir() + QStringLiteral("/copy.db");
        const Run backup = runProgram(home, {QStringLiteral("--database"), database, QStringLiteral("--backup"), copy});
        if (sqlite) {
            QVERIFY2(backup.exitCode == 0, qPrintable(backup.err));
            QVERIFY(checkBackupFile(copy).ok());
        } else {
            QCOMPARE(backup.exitCode, kExitFailed);
            QVERIFY(backup.err.contains(QLatin1String("pg_dump")));
            QVERIFY(!QFileInfo::exists(copy));
        }
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/.config/Brant")));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
