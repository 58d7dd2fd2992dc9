// The update check against a real FTP server: the version file decides whether a new program is
// fetched, sums refuse tampered files, the built-in drills are replaced in one transaction, a
// cancel or a dead server ends the check cleanly, and the updater puts a new program in place.
#include "TestSupport.h"

#include "app/MainForm.h"
#include "common/Selection.h"
#include "update/CheckUpdates.h"
#include "update/UpdateCheck.h"

#include <QAction>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>

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

    // Each case serves from a folder of its own, since the cases of both engines run at once.
    UpdateServer server() const
    {
        UpdateServer s = UpdateServer::parse(qEnvironmentVariable("PW_TEST_FTP"));
        s.folder = QFileInfo(site).fileName();
        s.user = qEnvironmentVariable("PW_TEST_FTP_USER");
        s.password = qEnvironmentVariable("PW_TEST_FTP_PASSWORD");
        return s;
    }
    void serve(const QString& name, const QByteArray& bytes) const { writeFile(site + QStringLiteral("/Updates/") + name, bytes); }
    QString local(const QString& name) const { return temp->filePath(name); }
    // A copy of the seed with one drill renamed and two new ones (998 and 999) with a marker each.
    QString makeSeed(const QString& path) const
    {
        QFile::remove(path);
        QFile::copy(qEnvironmentVariable("PW_SEED_DB"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        withDatabase(path, [](const QSqlDatabase& db) {
            execSql(db, QStringLiteral("UPDATE DrillBook SET DrillName = ? WHERE DrillID = (SELECT MIN(DrillID) FROM DrillBook)"),
                    {QStringLiteral("Renamed by the update")});
            for (int id : {998, 999}) {
                execSql(db, QStringLiteral("INSERT INTO DrillBook (DrillID, DrillName, DrillType) VALUES (?, ?, 0)"),
                        {id, QStringLiteral("New %1").arg(id)});
                execSql(db, QStringLiteral("INSERT INTO DrillData (DrillID, GnomeType, GnomeXPos) VALUES (?, 1, ?)"), {id, 100});
            }
        });
        return path;
    }
    QStringList drills(const QString& op) const
    {
        return queryRows(QStringLiteral("SELECT DrillID, DrillName FROM DrillBook WHERE DrillID %1 1000 ORDER BY DrillID").arg(op));
    }
    QStringList seedDrills(const QString& path) const
    {
        QStringList rows;
        withDatabase(path, [&](const QSqlDatabase& db) {
            QSqlQuery q = execSql(db, QStringLiteral("SELECT DrillID, DrillName FROM DrillBook WHERE DrillID < 1000 ORDER BY DrillID"));
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
    void newVersionOnServer(const QByteArray& programSum)
    {
        serve(QStringLiteral("PitchwiseVersion.txt"), "99.0.0\n" + programSum + sumLine(updater, QStringLiteral("PWUpdate")) +
                                                          sumLine(ini, QStringLiteral("PWUpdate.ini")));
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
        QTest::newRow("garbage") << QByteArray("<html>404</html>") << false << QStringLiteral("The version file holds no version number");
        QTest::newRow("two parts") << QByteArray("3.0") << false << QStringLiteral("The version file holds no version number");
    }
    void versionsAndSums()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, newer);
        QFETCH(QString, problem);
        const VersionInfo v = CVer(writeFile(local(QStringLiteral("v.txt")), file), QStringLiteral("2.5.7"));
        QCOMPARE(v.newer, newer);
        QCOMPARE(v.problem, problem);
    }

    void sumsAndServerAddresses()
    {
        const VersionInfo v = CVer(writeFile(local(QStringLiteral("v.txt")),
                                             "1.0.1\n" + sumLine("a", QStringLiteral("Pitchwise")) + "not a sum line\n" +
                                                 sha("b").toUpper() + " *BaseDB.db\n"),
                                   QStringLiteral("1.0.0"));
        QCOMPARE(v.sums.size(), 2);
        QCOMPARE(v.sums.value(QStringLiteral("Pitchwise")), sha("a"));
        QCOMPARE(v.sums.value(QStringLiteral("BaseDB.db")), sha("b"));  // upper case and binary mark read too
        QVERIFY(CVer(local(QStringLiteral("gone.txt"))).problem.contains(QStringLiteral("gone.txt was not found after download")));

        QString problem;
        UpdateServer s = UpdateServer::parse(QStringLiteral("ftp://files.club.test:2121/club updates/"), &problem);
        QVERIFY(problem.isEmpty());
        QCOMPARE(s.port, 2121);
        QCOMPARE(s.url(QStringLiteral("Updates/Pitchwise")), QByteArray("ftp://files.club.test:2121/club%20updates/Updates/Pitchwise"));
        QCOMPARE(UpdateServer::parse(QStringLiteral("files.club.test")).url(QStringLiteral("x")), QByteArray("ftp://files.club.test:21/x"));
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
        serve(QStringLiteral("PitchwiseVersion.txt"), programVersion().toUtf8() + '\n');
        const QString seed = makeSeed(local(QStringLiteral("seed.db")));
        serve(QStringLiteral("BaseDB.db"), fileBytes(seed));
        writeFile(local(QStringLiteral("Pitchwise")), "left from before");

        UpdateCheck check(temp->path());
        check.setServer(server());
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
        newVersionOnServer(sumLine(program, QStringLiteral("Pitchwise")));
        UpdateCheck check(temp->path());
        check.setServer(server());
        check.setProgramFolder(QStringLiteral("/opt/pitchwise"));
        QSignalSpy quit(&check, &UpdateCheck::quitRequested);
        run(check);
        QCOMPARE(check.suffix(UpdateCheck::VersionLine), QStringLiteral(" (New Version Downloaded)"));
        QVERIFY(check.newVersionDownloaded());
        QCOMPARE(fileBytes(local(QStringLiteral("Pitchwise"))), program);
        QCOMPARE(fileBytes(local(QStringLiteral("PWUpdate"))), updater);
        QCOMPARE(fileBytes(local(QStringLiteral("PWUpdate.ini"))), ini);
        QVERIFY(QFileInfo(local(QStringLiteral("PWUpdate"))).isExecutable());
        // No seed on the server and none listed: the drills line says so and the rest goes on.
        QVERIFY(check.suffix(UpdateCheck::DrillLine).contains(QStringLiteral("BaseDB.db could not be downloaded")));
        const QStringList expected{local(QStringLiteral("PWUpdate")), local(QStringLiteral("Pitchwise")),
                                   QStringLiteral("/opt/pitchwise/"), QString::number(QCoreApplication::applicationPid())};
        QCOMPARE(starter.started, QList<QStringList>{expected});
        QCOMPARE(quit.size(), 1);
        QCOMPARE(env.prompter.find(QStringLiteral("Check For Updates")).icon, Prompter::Icon::Information);
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
        check.setServer(server());
        run(check);
        QCOMPARE(check.suffix(UpdateCheck::ProgramLine),
                 QStringLiteral(" (Pitchwise was refused: its SHA-256 sum does not match the version file)"));
        QCOMPARE(check.suffix(UpdateCheck::VersionLine), QStringLiteral(" (Version 99.0.0 is available)"));
        QVERIFY(check.suffix(UpdateCheck::DrillLine).contains(QStringLiteral("lists no SHA-256 sum")));
        QVERIFY(!QFileInfo::exists(local(QStringLiteral("Pitchwise"))));
        QVERIFY(!QFileInfo::exists(local(QStringLiteral("BaseDB.db"))));
        QCOMPARE(drills(QStringLiteral("<")), builtInBefore);
        QVERIFY(starter.started.isEmpty());
        const auto box = env.prompter.find(QStringLiteral("Download Error"));
        QCOMPARE(box.text, QStringLiteral("Pitchwise update was not completed because some files were not completely downloaded."));
        QCOMPARE(box.icon, Prompter::Icon::Critical);

        // The updater missing from the server: its error on the line, and again no start.
        env.prompter.clear();
        newVersionOnServer(sumLine(program, QStringLiteral("Pitchwise")));
        QFile::remove(site + QStringLiteral("/Updates/PWUpdate"));
        UpdateCheck second(temp->path());
        second.setServer(server());
        run(second);
        QVERIFY2(second.suffix(UpdateCheck::ProgramLine).startsWith(QStringLiteral(" (PWUpdate could not be downloaded: ")),
                 qPrintable(second.suffix(UpdateCheck::ProgramLine)));
        QVERIFY(starter.started.isEmpty());
        QVERIFY(!env.prompter.find(QStringLiteral("Download Error")).kind.isEmpty());
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
        QVERIFY(check.suffix(UpdateCheck::VersionLine).startsWith(QStringLiteral(" (PitchwiseVersion.txt could not be downloaded: ")));
        QVERIFY(check.suffix(UpdateCheck::DrillLine).startsWith(QStringLiteral(" (BaseDB.db could not be downloaded: ")));
        QVERIFY(check.isChecked(UpdateCheck::DrillLine));

        UpdateCheck unset(temp->path());
        unset.setServer({});
        run(unset);
        QCOMPARE(unset.suffix(UpdateCheck::VersionLine), QStringLiteral(" (No update server is set)"));
        QCOMPARE(unset.suffix(UpdateCheck::DrillLine), QStringLiteral(" (No update server is set)"));
    }

    void updateDrillsReplacesOnlyTheBuiltInOnes()
    {
        insertRow(QStringLiteral("DrillBook"), fields(QStringLiteral("DrillID DrillName"), {1000, QStringLiteral("Mine")}));
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
        QVERIFY(countRows(QStringLiteral("DrillData"), Where{{QStringLiteral("DrillID"), 1000, QStringLiteral("<")}}) > 0);
    }

    void aBadSeedChangesNothing()
    {
        const QStringList before = queryRows(QStringLiteral("SELECT * FROM DrillBook ORDER BY DrillID"));
        const int data = countRows(QStringLiteral("DrillData"));
        QSqlDatabase db = Db::shared();
        QVERIFY(UpdateDrills(db, local(QStringLiteral("BaseDB.db"))).problem.contains(QStringLiteral("BaseDB.db was not found after download")));
        QVERIFY(UpdateDrills(db, writeFile(local(QStringLiteral("text.db")), QByteArray(4096, 'x'))).problem.contains(QStringLiteral("is not a database")));
        const QString empty = local(QStringLiteral("empty.db"));
        withDatabase(empty, [](const QSqlDatabase& d) { execSql(d, QStringLiteral("CREATE TABLE Other (A INTEGER)")); });
        QVERIFY(UpdateDrills(db, empty).problem.contains(QStringLiteral("holds no drills")));
        // A seed whose rows break the store halfway: what was already replaced is rolled back.
        const QString broken = makeSeed(local(QStringLiteral("broken.db")));
        withDatabase(broken, [](const QSqlDatabase& d) {
            execSql(d, QStringLiteral("DROP INDEX IF EXISTS ux_DrillBook"));
            execSql(d, QStringLiteral("INSERT INTO DrillBook (DrillID, DrillName) SELECT MAX(DrillID), 'Twice' FROM DrillBook"));
        });
        const DrillUpdate r = UpdateDrills(db, broken);
        QVERIFY2(!r.ok && r.problem.startsWith(QStringLiteral("The built-in drills were not changed")), qPrintable(r.problem));
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
        serve(QStringLiteral("PitchwiseVersion.txt"), "0.0.1\n");
        serve(QStringLiteral("BaseDB.db"), fileBytes(makeSeed(local(QStringLiteral("seed.db")))));
        CheckUpdates w(nullptr, temp->path());
        QCOMPARE(w.windowTitle(), QStringLiteral("Check For Updates"));
        w.check().setServer(server());
        QSignalSpy reload(&selection(), &Selection::dataChanged);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_Return);  // Check is the default button
        QTRY_COMPARE_WITH_TIMEOUT(child<QPushButton>(&w, "CancelBtn")->text(), QStringLiteral("Close"), 20000);
        auto* list = child<QListWidget>(&w, "CheckList");
        QCOMPARE(list->item(0)->text(), QStringLiteral("Check for a new version of Pitchwise (Pitchwise is up to date)"));
        QVERIFY(list->item(2)->text().startsWith(QStringLiteral("Download the newest built-in drills (System Drills Downloaded) (")));
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->item(i)->checkState(), Qt::Checked);
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());
        QCOMPARE(reload.size(), 1);  // open drill windows reload the replaced drills
        QCOMPARE(reload.first().first().toString(), QStringLiteral("DrillBook"));
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

    void theUpdaterReplacesTheProgramAndStartsIt()
    {
        const QString from = local(QStringLiteral("download")), to = local(QStringLiteral("app"));
        QDir().mkpath(from);
        QDir().mkpath(to);
        const QString marker = local(QStringLiteral("started.txt"));
        writeFile(from + QStringLiteral("/Pitchwise"), "#!/bin/sh\necho new > '" + marker.toUtf8() + "'\n");
        writeFile(from + QStringLiteral("/PWUpdate.ini"), ini);
        const QByteArray old = "#!/bin/sh\necho old > '" + marker.toUtf8() + "'\n";
        writeFile(to + QStringLiteral("/Pitchwise"), old);
        const auto runUpdater = [&](const QStringList& args) {
            QProcess p;
            p.start(toolProgram(QStringLiteral("pwupdate")), args);
            p.waitForFinished(30000);
            return p.exitCode();
        };

        // The program still running past the limit: nothing changes.
        QProcess running;
        running.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(running.waitForStarted());
        QCOMPARE(runUpdater({QStringLiteral("--wait-limit"), QStringLiteral("1"), from + QStringLiteral("/Pitchwise"),
                             to + QLatin1Char('/'), QString::number(running.processId())}),
                 2);
        QCOMPARE(fileBytes(to + QStringLiteral("/Pitchwise")), old);
        running.kill();
        running.waitForFinished();

        // A program that ends after a moment (and is not yet collected by its parent) is waited for.
        QProcess ending;
        ending.start(QStringLiteral("sleep"), {QStringLiteral("1")});
        QVERIFY(ending.waitForStarted());
        QElapsedTimer t;
        t.start();
        QCOMPARE(runUpdater({from + QStringLiteral("/Pitchwise"), to + QLatin1Char('/'), QString::number(ending.processId())}), 0);
        QVERIFY(t.elapsed() >= 800);
        QCOMPARE(fileBytes(to + QStringLiteral("/Pitchwise")), fileBytes(from + QStringLiteral("/Pitchwise")));
        QCOMPARE(fileBytes(to + QStringLiteral("/Pitchwise.bak")), old);
        QVERIFY(QFileInfo(to + QStringLiteral("/Pitchwise")).isExecutable());
        QTRY_COMPARE(fileBytes(marker), QByteArray("new\n"));
        QVERIFY(QDir(to).entryList(QDir::Files | QDir::Hidden).size() == 2);  // no temporary copy left
        QVERIFY(fileBytes(from + QStringLiteral("/PWUpdate.log")).contains("replaced"));

        // An ini naming a file elsewhere is refused before anything is touched.
        writeFile(from + QStringLiteral("/PWUpdate.ini"), "[Update]\nProgram=../Pitchwise\n");
        QCOMPARE(runUpdater({from + QStringLiteral("/Pitchwise"), to + QLatin1Char('/')}), 1);
        QCOMPARE(fileBytes(to + QStringLiteral("/Pitchwise.bak")), old);
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
