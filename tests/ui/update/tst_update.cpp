// SPDX-License-Identifier: GPL-3.0-or-later
// The update check against a real FTP server: the signed version file decides whether a new
// program is fetched, its sums refuse tampered files, an unsigned or forged one changes nothing,
// the built-in drills are replaced in one transaction, a cancel or a dead server ends the check
// cleanly, downloads wait only in a folder of the coach's own, and the updater puts a checked new
// program in place and takes it out again when it does not start.
#include "TestSupport.h"

#include "app/MainForm.h"
#include "common/Selection.h"
#include "core/update/UpdateCheck.h"
#include "ui/update/CheckUpdates.h"

#include <QAction>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

using namespace pw;
using namespace pwtest;

namespace {

// Records the programs the check would have started instead of starting them.
class StartRecorder : public RecordingDesktop {
public:
    QList<QStringList> started;
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        started << (QStringList{program} + arguments);
        return true;
    }
};

QByteArray sha(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray sumLine(const QByteArray& bytes, const QString& name)
{
    return sha(bytes) + "  " + name.toUtf8() + '\n';
}

// Sets an environment variable for the rest of the scope, then puts back what was there.
class EnvValue {
public:
    EnvValue(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvValue()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

struct Run {
    int code = -1;
    QString errors;
    QByteArray output;
};

Run runTool(const QString& name, const QStringList& args,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(toolProgram(name), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError()), p.readAllStandardOutput()};
}

}  // namespace

class TestUpdate : public StoreTest {
    Q_OBJECT

private:
    StartRecorder starter;
    std::unique_ptr<QTemporaryDir> temp;  // the check's temporary folder, new for every case
    QString site;                         // this case's folder on the FTP server
    const QByteArray program = "#!/bin/sh\necho new program\n";
    const QByteArray updater = "updater bytes";
    const QByteArray ini = "[Update]\nProgram=Pitchwise\n";
    // A throwaway release key: the program's own build trusts the club's key, never this one.
    const QByteArray secretKey = newReleaseKey();
    const QByteArray publicKey = releasePublicKey(secretKey);

    // Each case serves from a folder of its own, since the cases of both engines run at once.
    UpdateServer server() const
    {
        UpdateServer s = UpdateServer::parse(qEnvironmentVariable("PW_TEST_FTP"));
        s.folder = QFileInfo(site).fileName();
        s.user = qEnvironmentVariable("PW_TEST_FTP_USER");
        s.password = qEnvironmentVariable("PW_TEST_FTP_PASSWORD");
        return s;
    }
    void serve(const QString& name, const QByteArray& bytes) const
    {
        writeFile(site + QStringLiteral("/Updates/") + name, bytes);
    }
    QByteArray signedList(const QByteArray& content, const QByteArray& key = {}) const
    {
        return signReleaseList(content, key.isEmpty() ? secretKey : key);
    }
    void serveList(const QByteArray& content) const
    {
        serve(QStringLiteral("PitchwiseVersion.txt"), signedList(content));
    }
    // A check of this case's server that trusts the test's release key.
    void prepare(UpdateCheck& check) const
    {
        check.setServer(server());
        check.setReleaseKey(publicKey);
    }
    QString local(const QString& name) const { return temp->filePath(name); }
    // A copy of the seed with one drill renamed and two new ones (998 and 999) with a marker each.
    QString makeSeed(const QString& path) const
    {
        QFile::remove(path);
        QFile::copy(qEnvironmentVariable("PW_SEED_DB"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        withDatabase(path, [](const QSqlDatabase& db) {
            execSql(db,
                    QStringLiteral(
                        "UPDATE DrillBook SET DrillName = ? WHERE DrillID = (SELECT MIN(DrillID) FROM DrillBook)"),
                    {QStringLiteral("Renamed by the update")});
            for (int id : {998, 999}) {
                execSql(db, QStringLiteral("INSERT INTO DrillBook (DrillID, DrillName, DrillType) VALUES (?, ?, 0)"),
                        {id, QStringLiteral("New %1").arg(id)});
                execSql(db, QStringLiteral("INSERT INTO DrillData (DrillID, GnomeType, GnomeXPos) VALUES (?, 1, ?)"),
                        {id, 100});
            }
        });
        return path;
    }
    QStringList drills(const QString& op) const
    {
        return queryRows(
            QStringLiteral("SELECT DrillID, DrillName FROM DrillBook WHERE DrillID %1 1000 ORDER BY DrillID").arg(op));
    }
    QStringList seedDrills(const QString& path) const
    {
        QStringList rows;
        withDatabase(path, [&](const QSqlDatabase& db) {
            QSqlQuery q = execSql(
                db, QStringLiteral("SELECT DrillID, DrillName FROM DrillBook WHERE DrillID < 1000 ORDER BY DrillID"));
            while (q.next())
                rows << q.value(0).toString() + QLatin1Char('/') + q.value(1).toString();
        });
        return rows;
    }
    void run(UpdateCheck& check, int seconds = 20)
    {
        check.start();
        QTRY_VERIFY_WITH_TIMEOUT(check.state() == UpdateCheck::State::Done, seconds * 1000);
    }
    void newVersionOnServer(const QByteArray& programSum, const QByteArray& more = {})
    {
        serveList("99.0.0\n" + programSum + sumLine(updater, QStringLiteral("PWUpdate")) +
                  sumLine(ini, QStringLiteral("PWUpdate.ini")) + more);
        serve(QStringLiteral("Pitchwise"), program);
        serve(QStringLiteral("PWUpdate"), updater);
        serve(QStringLiteral("PWUpdate.ini"), ini);
    }

private Q_SLOTS:
    void init()
    {
        env.reset();
        starter = StartRecorder{};
        setDesktop(&starter);
        temp = std::make_unique<QTemporaryDir>();
        cleanupTestCase();
        const QString root = qEnvironmentVariable("PW_TEST_FTP_ROOT");
        if (root.isEmpty())
            return;
        site = QStringLiteral("%1/%2-%3-%4")
                   .arg(root, qEnvironmentVariable("PW_TEST_ENGINE"), QString::fromLatin1(QTest::currentTestFunction()))
                   .arg(QCoreApplication::applicationPid());
        QDir().mkpath(site + QStringLiteral("/Updates"));
    }
    void cleanupTestCase()
    {
        if (!site.isEmpty())
            QDir(site).removeRecursively();
        site.clear();
    }

    void versionsAndSums_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("newer");
        QTest::addColumn<QString>("problem");
        QTest::newRow("equal") << QByteArray("2.5.7\n") << false << QString();
        QTest::newRow("older revision") << QByteArray("2.5.6") << false << QString();
        QTest::newRow("older major, higher rest") << QByteArray("1.9.9") << false << QString();
        QTest::newRow("newer major") << QByteArray("3.0.0\r\n") << true << QString();
        QTest::newRow("newer minor") << QByteArray("2.6.0") << true << QString();
        QTest::newRow("newer revision") << QByteArray(" 2.5.8 ") << true << QString();
        QTest::newRow("numbers, not text") << QByteArray("2.5.10") << true << QString();
        QTest::newRow("lower minor wins over revision") << QByteArray("2.4.99") << false << QString();
        QTest::newRow("empty") << QByteArray("\n1.0.0\n") << false << QStringLiteral("The version file is empty");
        QTest::newRow("garbage") << QByteArray("<html>404</html>") << false
                                 << QStringLiteral("The version file holds no version number");
        QTest::newRow("two parts") << QByteArray("3.0") << false
                                   << QStringLiteral("The version file holds no version number");
    }
    void versionsAndSums()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, newer);
        QFETCH(QString, problem);
        const VersionInfo v =
            CVer(writeFile(local(QStringLiteral("v.txt")), signedList(file)), QStringLiteral("2.5.7"), publicKey);
        QCOMPARE(v.newer, newer);
        QCOMPARE(v.problem, problem);
    }

    void sumsAndServerAddresses()
    {
        const VersionInfo v = CVer(writeFile(local(QStringLiteral("v.txt")),
                                             signedList("1.0.1\n" + sumLine("a", QStringLiteral("Pitchwise")) +
                                                        "not a sum line\n" + sha("b").toUpper() + " *BaseDB.db\n")),
                                   QStringLiteral("1.0.0"), publicKey);
        QCOMPARE(v.sums.size(), 2);
        QCOMPARE(v.sums.value(QStringLiteral("Pitchwise")), sha("a"));
        QCOMPARE(v.sums.value(QStringLiteral("BaseDB.db")), sha("b"));  // upper case and binary mark read too
        QVERIFY(CVer(local(QStringLiteral("gone.txt")))
                    .problem.contains(QStringLiteral("gone.txt was not found after download")));

        QString problem;
        UpdateServer s = UpdateServer::parse(QStringLiteral("ftp://files.club.test:2121/club updates/"), &problem);
        QVERIFY(problem.isEmpty());
        QCOMPARE(s.port, 2121);
        QCOMPARE(s.url(QStringLiteral("Updates/Pitchwise")),
                 QByteArray("ftp://files.club.test:2121/club%20updates/Updates/Pitchwise"));
        QCOMPARE(UpdateServer::parse(QStringLiteral("files.club.test")).url(QStringLiteral("x")),
                 QByteArray("ftp://files.club.test:21/x"));
        for (const QString& bad : {QStringLiteral("http://files.club.test"), QStringLiteral("files.club.test:port"),
                                   QStringLiteral("ftp://files.club.test/../etc")}) {
            problem.clear();
            QVERIFY2(!UpdateServer::parse(bad, &problem).isSet() && !problem.isEmpty(), qPrintable(bad));
        }
        // From the settings: an empty user is anonymous, and no setting at all is no server.
        QVERIFY(!UpdateServer::fromSettings().isSet());
        WriteSetting(QStringLiteral("UpdateServer"), QStringLiteral("127.0.0.1:2121/base"));
        s = UpdateServer::fromSettings();
        QCOMPARE(s.folder, QStringLiteral("base"));
        QVERIFY(s.user.isEmpty() && s.password.isEmpty());
    }

    void upToDateLeavesTheProgramAndReplacesTheDrills()
    {
        if (qEnvironmentVariableIsEmpty("PW_TEST_FTP"))
            QSKIP("PW_TEST_FTP names no FTP server");
        const QString seed = makeSeed(local(QStringLiteral("seed.db")));
        serveList(programVersion().toUtf8() + '\n' + sumLine(fileBytes(seed), QStringLiteral("BaseDB.db")));
        serve(QStringLiteral("BaseDB.db"), fileBytes(seed));
        writeFile(local(QStringLiteral("Pitchwise")), "left from before");

        UpdateCheck check(temp->path());
        prepare(check);
        check.setCurrentVersion(programVersion());
        run(check);
        QCOMPARE(check.suffix(UpdateCheck::VersionLine), QStringLiteral(" (Pitchwise is up to date)"));
        QCOMPARE(check.suffix(UpdateCheck::ProgramLine), QStringLiteral(" (No file to update)"));
        QCOMPARE(check.suffix(UpdateCheck::DrillLine),
                 QStringLiteral(" (System Drills Downloaded) (2 drills were added)"));
        for (int line = 0; line < UpdateCheck::LineCount; ++line)
            QVERIFY(check.isChecked(line));
        QCOMPARE(fileBytes(local(QStringLiteral("Pitchwise"))), QByteArray("left from before"));
        QCOMPARE(drills(QStringLiteral("<")), seedDrills(seed));
        QVERIFY(starter.started.isEmpty());
        QVERIFY(QDir(temp->path()).entryList({QStringLiteral("*.part")}).isEmpty());
    }

    void aNewVersionIsDownloadedAndTheUpdaterStarted()
    {
        if (qEnvironmentVariableIsEmpty("PW_TEST_FTP"))
            QSKIP("PW_TEST_FTP names no FTP server");
        // The list as a club makes it: the release tool sums the release's files and signs them
        // with a key of the club's own, whose public half the program is built with.
        serve(QStringLiteral("Pitchwise"), program);
        serve(QStringLiteral("PWUpdate"), updater);
        serve(QStringLiteral("PWUpdate.ini"), ini);
        const QString keyFile = local(QStringLiteral("club.key"));
        const Run made = runTool(QStringLiteral("pwrelease"), {QStringLiteral("new-key"), keyFile});
        QVERIFY2(made.code == 0, qPrintable(made.errors));
        const QByteArray clubKey = bytesFromHex(made.output, release::kKeySize);
        QVERIFY(!clubKey.isEmpty());
        QCOMPARE(QFile(keyFile).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const Run signedRun =
            runTool(QStringLiteral("pwrelease"),
                    {QStringLiteral("make"), keyFile, QStringLiteral("99.0.0"), site + QStringLiteral("/Updates")});
        QVERIFY2(signedRun.code == 0, qPrintable(signedRun.errors));
        UpdateCheck check(temp->path());
        check.setServer(server());
        check.setReleaseKey(clubKey);
        check.setProgramFolder(QStringLiteral("/opt/pitchwise"));
        QSignalSpy quit(&check, &UpdateCheck::quitRequested);
        run(check);
        QCOMPARE(check.suffix(UpdateCheck::VersionLine), QStringLiteral(" (New Version Downloaded)"));
        QVERIFY(check.newVersionDownloaded());
        QCOMPARE(fileBytes(local(QStringLiteral("Pitchwise"))), program);
        QCOMPARE(fileBytes(local(QStringLiteral("PWUpdate"))), updater);
        QCOMPARE(fileBytes(local(QStringLiteral("PWUpdate.ini"))), ini);
        QVERIFY(QFileInfo(local(QStringLiteral("PWUpdate"))).isExecutable());
        // No seed in the release: the drills line says so and the rest goes on.
        QCOMPARE(check.suffix(UpdateCheck::DrillLine),
                 QStringLiteral(" (BaseDB.db was refused: the version file lists no SHA-256 sum for it)"));
        // The updater is told the program's signed sum, and installs nothing else.
        const QStringList expected{
            local(QStringLiteral("PWUpdate")), QStringLiteral("--sha256"),
            QString::fromLatin1(sha(program)), local(QStringLiteral("Pitchwise")),
            QStringLiteral("/opt/pitchwise/"), QString::number(QCoreApplication::applicationPid())};
        QCOMPARE(starter.started, QList<QStringList>{expected});
        QCOMPARE(quit.size(), 1);
        QCOMPARE(env.prompter.find(QStringLiteral("Check For Updates")).icon, Prompter::Icon::Information);
    }

    // A system package owns the program file: the window says where updates come from, and the
    // check names a newer version without fetching it or starting the updater; drills still come.
    void aPackagedProgramIsLeftToThePackageManager()
    {
        const QString bin = local(QStringLiteral("usr/bin"));
        QDir().mkpath(bin);
        CheckUpdates fromBuildTree(nullptr, temp->path(), bin);
        QVERIFY(fromBuildTree.findChild<QLabel*>(QStringLiteral("lblPackage"))->isHidden());
        QDir().mkpath(local(QStringLiteral("usr/share/pitchwise")));
        writeFile(local(QStringLiteral("usr/share/pitchwise/packaged")), "package");
        CheckUpdates window(nullptr, temp->path(), bin);
        const auto* note = window.findChild<QLabel*>(QStringLiteral("lblPackage"));
        QVERIFY(!note->isHidden());
        QCOMPARE(note->text(), QStringLiteral("Pitchwise was installed from a system package. Updates come through "
                                              "your package manager."));

        if (qEnvironmentVariableIsEmpty("PW_TEST_FTP"))
            QSKIP("PW_TEST_FTP names no FTP server");
        const QString seed = makeSeed(local(QStringLiteral("seed.db")));
        newVersionOnServer(sumLine(program, QStringLiteral("Pitchwise")),
                           sumLine(fileBytes(seed), QStringLiteral("BaseDB.db")));
        serve(QStringLiteral("BaseDB.db"), fileBytes(seed));
        UpdateCheck check(temp->path());
        prepare(check);
        check.setProgramFolder(bin);
        QSignalSpy quit(&check, &UpdateCheck::quitRequested);
        run(check);
        QCOMPARE(check.suffix(UpdateCheck::VersionLine), QStringLiteral(" (Version 99.0.0 is available)"));
        QCOMPARE(check.suffix(UpdateCheck::ProgramLine), QStringLiteral(" (%1)").arg(note->text()));
        QVERIFY(!check.newVersionDownloaded());
        QVERIFY(!QFileInfo::exists(local(QStringLiteral("Pitchwise"))));
        QVERIFY(!QFileInfo::exists(local(QStringLiteral("PWUpdate"))));
        QVERIFY(starter.started.isEmpty());
        QCOMPARE(quit.size(), 0);
        QVERIFY(check.drillsReplaced());
        QCOMPARE(drills(QStringLiteral("<")), seedDrills(seed));
        QVERIFY(!env.prompter.titles().contains(QStringLiteral("Download Error")));
    }

    void refusedOrMissingFilesNeverStartTheUpdater()
    {
        if (qEnvironmentVariableIsEmpty("PW_TEST_FTP"))
            QSKIP("PW_TEST_FTP names no FTP server");
        // A program whose sum is wrong, and a seed the version file lists no sum for.
        newVersionOnServer(sumLine("something else", QStringLiteral("Pitchwise")));
        serve(QStringLiteral("BaseDB.db"), fileBytes(makeSeed(local(QStringLiteral("seed.db")))));
        const QStringList ownBefore = drills(QStringLiteral(">=")), builtInBefore = drills(QStringLiteral("<"));
        UpdateCheck check(temp->path());
        prepare(check);
        run(check);
        QCOMPARE(check.suffix(UpdateCheck::ProgramLine),
                 QStringLiteral(" (Pitchwise was refused: its SHA-256 sum does not match the version file)"));
        QCOMPARE(check.suffix(UpdateCheck::VersionLine), QStringLiteral(" (Version 99.0.0 is available)"));
        QVERIFY(check.suffix(UpdateCheck::DrillLine).contains(QStringLiteral("lists no SHA-256 sum")));
        QVERIFY(!QFileInfo::exists(local(QStringLiteral("Pitchwise"))));
        QVERIFY(!QFileInfo::exists(local(QStringLiteral("BaseDB.db"))));
        QCOMPARE(drills(QStringLiteral("<")), builtInBefore);
        QVERIFY(starter.started.isEmpty());
        // The refusal is the cause told; nothing follows that says the file was missing.
        QCOMPARE(check.suffix(UpdateCheck::FinishLine), QStringLiteral(" (The update was not completed)"));
        const auto box = env.prompter.find(QStringLiteral("Download Error"));
        QCOMPARE(box.text,
                 QStringLiteral("Pitchwise update was not completed because Pitchwise was refused: its check failed."));
        QCOMPARE(box.icon, Prompter::Icon::Critical);

        // The updater missing from the server: its error on the line, and again no start.
        env.prompter.clear();
        newVersionOnServer(sumLine(program, QStringLiteral("Pitchwise")));
        QFile::remove(site + QStringLiteral("/Updates/PWUpdate"));
        UpdateCheck second(temp->path());
        prepare(second);
        run(second);
        QVERIFY2(
            second.suffix(UpdateCheck::ProgramLine).startsWith(QStringLiteral(" (PWUpdate could not be downloaded: ")),
            qPrintable(second.suffix(UpdateCheck::ProgramLine)));
        QVERIFY(starter.started.isEmpty());
        QCOMPARE(second.suffix(UpdateCheck::FinishLine), QStringLiteral(" (The update was not completed)"));
        QCOMPARE(
            env.prompter.find(QStringLiteral("Download Error")).text,
            QStringLiteral("Pitchwise update was not completed because some files were not completely downloaded."));
        QCOMPARE(drills(QStringLiteral(">=")), ownBefore);
    }

    void aDeadOrMissingServerEndsEveryStepQuickly()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();  // nothing listens there any more
        UpdateCheck check(temp->path());
        check.setServer(UpdateServer::parse(QStringLiteral("127.0.0.1:%1").arg(port)));
        QElapsedTimer t;
        t.start();
        run(check, 10);
        QVERIFY(t.elapsed() < 5000);
        QVERIFY(check.suffix(UpdateCheck::VersionLine)
                    .startsWith(QStringLiteral(" (PitchwiseVersion.txt could not be downloaded: ")));
        // Without a list to check them against, the drills are not even fetched.
        QCOMPARE(check.suffix(UpdateCheck::DrillLine),
                 QStringLiteral(" (Not downloaded: the version file could not be used)"));
        QVERIFY(check.isChecked(UpdateCheck::DrillLine));

        UpdateCheck unset(temp->path());
        unset.setServer({});
        run(unset);
        QCOMPARE(unset.suffix(UpdateCheck::VersionLine), QStringLiteral(" (No update server is set)"));
        QCOMPARE(unset.suffix(UpdateCheck::DrillLine), QStringLiteral(" (No update server is set)"));
    }

    void updateDrillsReplacesOnlyTheBuiltInOnes()
    {
        insertRow(QStringLiteral("DrillBook"),
                  fields(QStringLiteral("DrillID DrillName"), {1000, QStringLiteral("Mine")}));
        insertRow(QStringLiteral("DrillData"), fields(QStringLiteral("DrillID GnomeType X1"), {1000, 2, 40}));
        const QString seed = makeSeed(local(QStringLiteral("seed.db")));
        // The seed carries a column the program lacks and a drill of the coach's range: both stay out.
        withDatabase(seed, [](const QSqlDatabase& db) {
            execSql(db, QStringLiteral("ALTER TABLE DrillBook ADD COLUMN Legacy TEXT"));
            execSql(db, QStringLiteral("INSERT INTO DrillBook (DrillID, DrillName) VALUES (1500, 'Not built in')"));
        });
        const QStringList own = drills(QStringLiteral(">="));
        const QStringList ownData = queryRows(QStringLiteral("SELECT * FROM DrillData WHERE DrillID >= 1000"));
        const int before = drills(QStringLiteral("<")).size();
        QSqlDatabase db = Db::shared();
        const DrillUpdate r = UpdateDrills(db, seed);
        QVERIFY2(r.ok, qPrintable(r.problem));
        QCOMPARE(r.added, seedDrills(seed).size() - before);
        QCOMPARE(drills(QStringLiteral("<")), seedDrills(seed));
        QCOMPARE(drills(QStringLiteral(">=")), own);
        QCOMPARE(queryRows(QStringLiteral("SELECT * FROM DrillData WHERE DrillID >= 1000")), ownData);
        QVERIFY(countRows(QStringLiteral("DrillData"), Where{{QStringLiteral("DrillID"), 1000, QStringLiteral("<")}}) >
                0);
    }

    void aBadSeedChangesNothing()
    {
        const QStringList before = queryRows(QStringLiteral("SELECT * FROM DrillBook ORDER BY DrillID"));
        const int data = countRows(QStringLiteral("DrillData"));
        QSqlDatabase db = Db::shared();
        QVERIFY(UpdateDrills(db, local(QStringLiteral("BaseDB.db")))
                    .problem.contains(QStringLiteral("BaseDB.db was not found after download")));
        QVERIFY(UpdateDrills(db, writeFile(local(QStringLiteral("text.db")), QByteArray(4096, 'x')))
                    .problem.contains(QStringLiteral("is not a database")));
        const QString empty = local(QStringLiteral("empty.db"));
        withDatabase(empty,
                     [](const QSqlDatabase& d) { execSql(d, QStringLiteral("CREATE TABLE Other (A INTEGER)")); });
        QVERIFY(UpdateDrills(db, empty).problem.contains(QStringLiteral("holds no drills")));
        // A seed whose rows break the store halfway: what was already replaced is rolled back.
        const QString broken = makeSeed(local(QStringLiteral("broken.db")));
        withDatabase(broken, [](const QSqlDatabase& d) {
            execSql(d, QStringLiteral("DROP INDEX IF EXISTS ux_DrillBook"));
            execSql(d, QStringLiteral(
                           "INSERT INTO DrillBook (DrillID, DrillName) SELECT MAX(DrillID), 'Twice' FROM DrillBook"));
        });
        const DrillUpdate r = UpdateDrills(db, broken);
        QVERIFY2(!r.ok && r.problem.startsWith(QStringLiteral("The built-in drills were not changed")),
                 qPrintable(r.problem));
        QCOMPARE(queryRows(QStringLiteral("SELECT * FROM DrillBook ORDER BY DrillID")), before);
        QCOMPARE(countRows(QStringLiteral("DrillData")), data);
    }

    void cancelInTheWindowStopsTheTransfer()
    {
        // A server that takes the connection and never says a word: the transfer waits until cancelled.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        CheckUpdates w(nullptr, temp->path());
        w.check().setServer(UpdateServer::parse(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort())));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        child<QPushButton>(&w, "OKButton")->click();
        QTRY_VERIFY(silent.hasPendingConnections());
        QVERIFY(!child<QLabel>(&w, "lblCancel")->isVisible());
        child<QPushButton>(&w, "CancelBtn")->click();
        QVERIFY(child<QLabel>(&w, "lblCancel")->isVisible());
        QCOMPARE(child<QLabel>(&w, "lblCancel")->text(), QStringLiteral("Cancel is pending"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QPushButton>(&w, "CancelBtn")->text(), QStringLiteral("Close"), 5000);
        QVERIFY(!child<QLabel>(&w, "lblCancel")->isVisible());
        auto* list = child<QListWidget>(&w, "CheckList");
        QCOMPARE(list->item(0)->text(), QStringLiteral("Check for a new version of Pitchwise (Cancelled)"));
        QCOMPARE(list->item(2)->checkState(), Qt::Unchecked);  // never reached
        QVERIFY(starter.started.isEmpty());
        child<QPushButton>(&w, "CancelBtn")->click();
        QVERIFY(!w.isVisible());
    }

    void theWindowShowsEachStep()
    {
        if (qEnvironmentVariableIsEmpty("PW_TEST_FTP"))
            QSKIP("PW_TEST_FTP names no FTP server");
        const QByteArray seed = fileBytes(makeSeed(local(QStringLiteral("seed.db"))));
        serveList("0.0.1\n" + sumLine(seed, QStringLiteral("BaseDB.db")));
        serve(QStringLiteral("BaseDB.db"), seed);
        CheckUpdates w(nullptr, temp->path());
        QCOMPARE(w.windowTitle(), QStringLiteral("Check For Updates"));
        prepare(w.check());
        NoticeLog reload;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_Return);  // Check is the default button
        QTRY_COMPARE_WITH_TIMEOUT(child<QPushButton>(&w, "CancelBtn")->text(), QStringLiteral("Close"), 20000);
        auto* list = child<QListWidget>(&w, "CheckList");
        QCOMPARE(list->item(0)->text(),
                 QStringLiteral("Check for a new version of Pitchwise (Pitchwise is up to date)"));
        QVERIFY(list->item(2)->text().startsWith(
            QStringLiteral("Download the newest built-in drills (System Drills Downloaded) (")));
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->item(i)->checkState(), Qt::Checked);
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());
        QCOMPARE(reload.count(Change::Drills), 1);  // open drill windows reload the replaced drills
        screenshot(&w, QStringLiteral("checkupdates"));
    }

    void theCommandKeepsOneWindowAndTheUpdaterClosesTheProgram()
    {
        MainForm form;
        form.show();
        QAction* command = form.command(QStringLiteral("FileCheckUpdates"));
        QVERIFY(command->isEnabled());
        command->trigger();
        auto* window = form.findChild<CheckUpdates*>();
        QVERIFY(window && window->isVisible());
        command->trigger();
        QCOMPARE(form.findChildren<CheckUpdates*>().size(), 1);
        Q_EMIT window->check().quitRequested();
        QTRY_VERIFY(!form.isVisible());
    }

    void anUnsignedOrForgedListChangesNothing()
    {
        if (qEnvironmentVariableIsEmpty("PW_TEST_FTP"))
            QSKIP("PW_TEST_FTP names no FTP server");
        // What a hostile server sends: 12 bytes of a program, and drills of its own.
        const QByteArray cut = program.left(12);
        const QByteArray seed = fileBytes(makeSeed(local(QStringLiteral("seed.db"))));
        serve(QStringLiteral("Pitchwise"), cut);
        serve(QStringLiteral("PWUpdate"), updater);
        serve(QStringLiteral("PWUpdate.ini"), ini);
        serve(QStringLiteral("BaseDB.db"), seed);
        const QByteArray sums =
            sumLine(cut, QStringLiteral("Pitchwise")) + sumLine(updater, QStringLiteral("PWUpdate")) +
            sumLine(ini, QStringLiteral("PWUpdate.ini")) + sumLine(seed, QStringLiteral("BaseDB.db"));
        const QByteArray content = "99.0.0\n" + sums;
        const QByteArray otherKey = newReleaseKey();
        const QByteArray genuine =
            signedList("99.0.0\n" + sumLine(program, QStringLiteral("Pitchwise")) + sums.mid(sums.indexOf('\n') + 1));
        const QString bad = QStringLiteral(": the update was refused)");
        const QList<std::pair<QByteArray, QString>> lists{
            {"99.0.0\n", QStringLiteral(" (The version file is not signed") + bad},
            {content, QStringLiteral(" (The version file is not signed") + bad},
            {signedList(content, otherKey),
             QStringLiteral(" (The version file's signature does not match the release key") + bad},
            // The genuine list with the cut program's sum put in: the signature no longer holds.
            {genuine.left(7) + sha(cut) + genuine.mid(7 + 64),
             QStringLiteral(" (The version file's signature does not match the release key") + bad},
            {genuine + "99.0.1\n", QStringLiteral(" (The version file has text after its signature") + bad},
            {content + "Signature: 1234\n", QStringLiteral(" (The version file's signature cannot be read") + bad},
        };
        const QStringList builtIn = drills(QStringLiteral("<"));
        for (const auto& [list, expected] : lists) {
            serve(QStringLiteral("PitchwiseVersion.txt"), list);
            UpdateCheck check(temp->path());
            prepare(check);
            run(check);
            QCOMPARE(check.suffix(UpdateCheck::VersionLine), expected);
            QCOMPARE(check.suffix(UpdateCheck::ProgramLine), QStringLiteral(" (No file to update)"));
            QCOMPARE(check.suffix(UpdateCheck::DrillLine),
                     QStringLiteral(" (Not downloaded: the version file could not be used)"));
            QVERIFY(!check.newVersionDownloaded());
            QVERIFY(!QFileInfo::exists(local(QStringLiteral("Pitchwise"))));
            QVERIFY(!QFileInfo::exists(local(QStringLiteral("BaseDB.db"))));
        }
        QCOMPARE(drills(QStringLiteral("<")), builtIn);
        QVERIFY(starter.started.isEmpty());
        QVERIFY(env.prompter.shown.isEmpty());

        // A list the build's own release key did not sign is refused too: the test key is not it.
        writeFile(local(QStringLiteral("v.txt")), signedList(content));
        QVERIFY(CVer(local(QStringLiteral("v.txt")), QStringLiteral("1.0.0"))
                    .problem.endsWith(QStringLiteral("does not match the release key: the update was refused")));
        QVERIFY(CVer(local(QStringLiteral("v.txt")), QStringLiteral("1.0.0"), publicKey).newer);

        // Properly signed, but without the program's sum: it is not even fetched.
        serveList("99.0.0\n" + sums.mid(sums.indexOf('\n') + 1));
        UpdateCheck unlisted(temp->path());
        prepare(unlisted);
        run(unlisted);
        QCOMPARE(unlisted.suffix(UpdateCheck::ProgramLine),
                 QStringLiteral(" (Pitchwise was refused: the version file lists no SHA-256 sum for it)"));
        QVERIFY(!QFileInfo::exists(local(QStringLiteral("Pitchwise"))));
        QVERIFY(starter.started.isEmpty());
        // The drills the list vouches for come in; drills that do not match stay out.
        QCOMPARE(unlisted.suffix(UpdateCheck::DrillLine).left(27), QStringLiteral(" (System Drills Downloaded)"));
        serve(QStringLiteral("BaseDB.db"), seed + "x");
        UpdateCheck changedSeed(temp->path());
        prepare(changedSeed);
        run(changedSeed);
        QCOMPARE(changedSeed.suffix(UpdateCheck::DrillLine),
                 QStringLiteral(" (BaseDB.db was refused: its SHA-256 sum does not match the version file)"));
    }

    void theDownloadNeverWritesThroughALink()
    {
        if (qEnvironmentVariableIsEmpty("PW_TEST_FTP"))
            QSKIP("PW_TEST_FTP names no FTP server");
        serveList("0.0.1\n");
        QTemporaryDir elsewhere;
        const QString victim = writeFile(elsewhere.filePath(QStringLiteral("victim")), "keep me");
        QVERIFY(QFile::link(victim, local(QStringLiteral("PitchwiseVersion.txt.part"))));
        UpdateCheck check(temp->path());
        prepare(check);
        run(check);
        QCOMPARE(check.suffix(UpdateCheck::VersionLine), QStringLiteral(" (Pitchwise is up to date)"));
        QCOMPARE(fileBytes(victim), QByteArray("keep me"));
    }

    void theTemporaryFolderIsTheCoachsOwn()
    {
        // Every place the program could have used is someone else's or open to all: a shared
        // temporary folder with "Pitchwise" folders another user made, an open runtime folder,
        // and a cache folder that cannot be made.
        const QString root = temp->path();
        const QByteArray rootBytes = QFile::encodeName(root);
        for (const QString& name :
             {QStringLiteral("Pitchwise"), QStringLiteral("Pitchwise-%1").arg(::geteuid()), QStringLiteral("shared")}) {
            const QByteArray path = QFile::encodeName(root + QLatin1Char('/') + name);
            QVERIFY(QDir().mkpath(QFile::decodeName(path)));
            QCOMPARE(::chmod(path.constData(), 0777), 0);
            if (::geteuid() == 0)
                QCOMPARE(::chown(path.constData(), 65534, 65534), 0);
        }
        QVERIFY(QDir().mkpath(root + QStringLiteral("/home")));
        writeFile(root + QStringLiteral("/home/.qttest"), "a file where the cache folder would go");
        {
            const EnvValue tmp("TMPDIR", rootBytes);
            const EnvValue runtime("XDG_RUNTIME_DIR", rootBytes + "/shared");
            const EnvValue home("HOME", rootBytes + "/home");
            QString problem;
            QCOMPARE(UpdateCheck::defaultTempFolder(&problem), QString());
            QVERIFY(problem.contains(QStringLiteral("is a folder that only you can use")));
            CheckUpdates w(nullptr);
            QCOMPARE(env.prompter.find(QStringLiteral("Check For Updates")).text.section(QLatin1Char('\n'), 0, 0),
                     QStringLiteral(
                         "Pitchwise found no temporary folder that only you can use, so nothing can be downloaded."));
            w.check().setServer(server());
            run(w.check());
            QCOMPARE(w.check().suffix(UpdateCheck::VersionLine),
                     QStringLiteral(" (No temporary folder of your own: nothing was downloaded)"));
        }

        // A runtime folder of the coach's own: a new folder with a name no one can guess, 0700,
        // the same one all run long; a folder of an earlier run is cleared away.
        const QString runtimeDir = root + QStringLiteral("/run");
        QVERIFY(QDir().mkpath(runtimeDir + QStringLiteral("/Pitchwise-old123")));
        QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(runtimeDir + QStringLiteral("/Pitchwise-old123"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const qint64 old = QDateTime::currentSecsSinceEpoch() - 3 * 24 * 3600;
        const utimbuf times{old, old};
        QCOMPARE(::utime(QFile::encodeName(runtimeDir + QStringLiteral("/Pitchwise-old123")).constData(), &times), 0);
        {
            const EnvValue runtime("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir));
            const QString folder = UpdateCheck::defaultTempFolder();
            QVERIFY2(QFileInfo(folder).absolutePath() == runtimeDir &&
                         QFileInfo(folder).fileName().startsWith(QStringLiteral("Pitchwise-")),
                     qPrintable(folder));
            QCOMPARE(QFileInfo(folder).fileName().size(), 16);
            QVERIFY(isOwnPrivateFolder(folder));
            QCOMPARE(UpdateCheck::defaultTempFolder(), folder);
            QVERIFY(!QFileInfo::exists(runtimeDir + QStringLiteral("/Pitchwise-old123")));
            UpdateCheck check(folder);
            QVERIFY(check.tempFolderIsPrivate());
        }

        // Checked through the folder itself: a link to one, or one others may enter, is not private.
        const QString link = root + QStringLiteral("/link");
        QVERIFY(QFile::link(runtimeDir, link));
        QVERIFY(!isOwnPrivateFolder(link));
        QVERIFY(!UpdateCheck(link).tempFolderIsPrivate());
        QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                              QFile::ExeOther);
        QVERIFY(!isOwnPrivateFolder(runtimeDir));
    }

    void theProgramSaysItsVersionWithoutAWindow()
    {
        // The updater asks a new program this; no display, settings or database is needed for it.
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        bare.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        bare.insert(QStringLiteral("HOME"), temp->path());
        bare.remove(QStringLiteral("DISPLAY"));
        const Run r = runTool(QStringLiteral("pitchwise"), {QStringLiteral("--version")}, bare);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.output, "Pitchwise " + programVersion().toUtf8() + '\n');
        QVERIFY(QDir(temp->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
    }

    void theUpdaterReplacesTheProgramAndStartsIt()
    {
        const QString from = local(QStringLiteral("download")), to = local(QStringLiteral("app"));
        QDir().mkpath(from);
        QDir().mkpath(to);
        const QString marker = local(QStringLiteral("started.txt"));
        // Each program says its version when asked and otherwise leaves its mark.
        const auto script = [&](const QByteArray& word) {
            return "#!/bin/sh\n[ \"$1\" = --version ] && { echo 'Pitchwise 9.9.9'; exit 0; }\necho " + word + " > '" +
                   marker.toUtf8() + "'\n";
        };
        const auto offer = [&](const QString& name, const QByteArray& bytes) {
            const QString path = writeFile(from + QLatin1Char('/') + name, bytes);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return path;
        };
        const QString newFile = offer(QStringLiteral("Pitchwise"), script("new"));
        const QString sum = QString::fromLatin1(sha(script("new")));
        writeFile(from + QStringLiteral("/PWUpdate.ini"), ini);
        const QByteArray old = script("old");
        const QString installed = writeFile(to + QStringLiteral("/Pitchwise"), old);
        QFile::setPermissions(installed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString folder = to + QLatin1Char('/');
        const auto args = [&](const QString& file, const QString& fileSum, const QStringList& more = {}) {
            return QStringList{QStringLiteral("--sha256"), fileSum, file, folder} + more;
        };

        // The program still running past the limit: nothing changes.
        QProcess running;
        running.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(running.waitForStarted());
        QCOMPARE(runTool(QStringLiteral("pwupdate"), QStringList{QStringLiteral("--wait-limit"), QStringLiteral("1")} +
                                                         args(newFile, sum, {QString::number(running.processId())}))
                     .code,
                 2);
        QCOMPARE(fileBytes(installed), old);
        running.kill();
        running.waitForFinished();

        // Whatever it cannot trust is refused with a clear line before anything is touched.
        QTemporaryDir elsewhere;
        const QString victim = writeFile(elsewhere.filePath(QStringLiteral("victim")), "keep me");
        QFile::remove(from + QStringLiteral("/PWUpdate.log"));
        QVERIFY(QFile::link(victim, from + QStringLiteral("/PWUpdate.log")));
        const QString empty = offer(QStringLiteral("Empty"), {});
        const QString text = offer(QStringLiteral("Text"), "not a progr\n");
        const QString plain = writeFile(from + QStringLiteral("/Plain"), script("new"));
        const QString link = from + QStringLiteral("/Link");
        QVERIFY(QFile::link(newFile, link));
        const QList<std::pair<QStringList, QString>> refused{
            {{newFile, folder}, QStringLiteral("--sha256) is missing")},
            {args(newFile, QString::fromLatin1(sha("something else"))),
             QStringLiteral("does not have the SHA-256 sum it was given")},
            {args(empty, QString::fromLatin1(sha({}))), QStringLiteral("is empty")},
            {args(text, QString::fromLatin1(sha("not a progr\n"))), QStringLiteral("is not a program file")},
            {args(plain, sum), QStringLiteral("is not executable")},
            {args(link, sum), QStringLiteral("is a link")},
            {{QStringLiteral("--sha256"), sum, newFile, QStringLiteral("app/")},
             QStringLiteral("\"app/\" is not an absolute path")},
            {args(newFile, sum, {QStringLiteral("-5")}), QStringLiteral("\"-5\" is not a positive whole number")},
            {args(newFile, sum, {QStringLiteral("12ab")}), QStringLiteral("\"12ab\" is not a positive whole number")},
            {QStringList{QStringLiteral("--wait-limit"), QStringLiteral("soon")} + args(newFile, sum),
             QStringLiteral("\"soon\" is not a whole number of seconds")},
        };
        for (const auto& [arguments, why] : refused) {
            const Run r = runTool(QStringLiteral("pwupdate"), arguments);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.errors.startsWith(QStringLiteral("pwupdate: ")) && r.errors.contains(why), qPrintable(r.errors));
            QCOMPARE(fileBytes(installed), old);
            QVERIFY(!QFileInfo::exists(to + QStringLiteral("/Pitchwise.bak")));
        }
        QCOMPARE(fileBytes(victim), QByteArray("keep me"));  // the log was not written through its link
        QFile::remove(from + QStringLiteral("/PWUpdate.log"));

        // A program that ends after a moment (and is not yet collected by its parent) is waited for.
        QProcess ending;
        ending.start(QStringLiteral("sleep"), {QStringLiteral("1")});
        QVERIFY(ending.waitForStarted());
        QElapsedTimer t;
        t.start();
        QCOMPARE(runTool(QStringLiteral("pwupdate"), args(newFile, sum, {QString::number(ending.processId())})).code,
                 0);
        QVERIFY(t.elapsed() >= 800);
        QCOMPARE(fileBytes(installed), script("new"));
        QCOMPARE(fileBytes(to + QStringLiteral("/Pitchwise.bak")), old);
        QVERIFY(QFileInfo(installed).isExecutable());
        QTRY_COMPARE(fileBytes(marker), QByteArray("new\n"));
        QVERIFY(QDir(to).entryList(QDir::Files | QDir::Hidden).size() == 2);  // no temporary copy left
        QVERIFY(fileBytes(from + QStringLiteral("/PWUpdate.log")).contains("replaced"));

        // A new program that does not start is taken out again, and the one before it starts.
        writeFile(installed, old);
        QFile::remove(marker);
        const QByteArray broken = "#!/bin/sh\nexit 3\n";
        const Run r = runTool(QStringLiteral("pwupdate"),
                              args(offer(QStringLiteral("Broken"), broken), QString::fromLatin1(sha(broken))));
        QCOMPARE(r.code, 5);
        QVERIFY2(r.errors.contains(QStringLiteral("the previous version was put back")), qPrintable(r.errors));
        QCOMPARE(fileBytes(installed), old);
        QVERIFY(QFileInfo(installed).isExecutable());
        QCOMPARE(fileBytes(to + QStringLiteral("/Pitchwise.bak")), old);
        QTRY_COMPARE(fileBytes(marker), QByteArray("old\n"));

        // An ini naming a file elsewhere is refused before anything is touched.
        writeFile(from + QStringLiteral("/PWUpdate.ini"), "[Update]\nProgram=../Pitchwise\n");
        QCOMPARE(runTool(QStringLiteral("pwupdate"), args(newFile, sum)).code, 1);
        QCOMPARE(fileBytes(installed), old);
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
