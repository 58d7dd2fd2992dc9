// SPDX-License-Identifier: GPL-3.0-or-later
// First start and database selection, driven through the scripted prompter against a private
// home folder.
#include "TestSupport.h"
#include <QElapsedTimer>
#include <QProcess>

#include "app/FirstRun.h"
#include "app/Startup.h"
#include "data/DatabaseFile.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryFile>

using namespace pw;
using namespace pwtest;
using A = Prompter::Answer;

class TestFirstRun : public QObject {
    Q_OBJECT

private:
    TestEnv env;
    QString home;

    QString dataFolder() const { return home + QStringLiteral("/Brantworks/Data"); }
    QString dbFile() const { return dataFolder() + QStringLiteral("/Pitchwise.db"); }
    // A Pitchwise database in the usual place.
    QString builtDbFile() const
    {
        QDir().mkpath(dataFolder());
        buildDatabaseFile(dbFile());
        return dbFile();
    }
    QStringList homeContents() const
    {
        return QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    // Forgets what was shown, and queues the coach's next answers, typed texts and picked files.
    void coach(const QList<A>& answers, const QList<std::optional<QString>>& inputs = {}, const QStringList& files = {})
    {
        env.prompter.clear();
        env.prompter.answers = answers;
        env.prompter.inputs = inputs;
        env.prompter.files = files;
    }

private Q_SLOTS:
    void init()
    {
        env.reset();
        Db::closeShared();
        home = env.dir() + QStringLiteral("/home");
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        qputenv("HOME", home.toLocal8Bit());
    }

    void decliningTouchesNothingAndAcceptingTheDefaultsBuildsTheDatabase()
    {
        coach({A::No});
        QVERIFY(!PrepareDatabase());
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("New Install")});
        const auto& asked = env.prompter.shown[0];
        QCOMPARE(asked.text,
                 QStringLiteral("It appears as though this is the first time you have started Pitchwise.\n"
                                "You will be asked a few questions to get started.\nDo you want to continue?"));
        QCOMPARE(asked.buttons, Prompter::Buttons::YesNo);
        QVERIFY(!QFile::exists(env.settingsPath()));
        QCOMPARE(homeContents(), QStringList());
        QVERIFY(state().NewInstall);
        QVERIFY(!Db::isOpen());

        coach({A::Yes, A::No},
              {QDir::toNativeSeparators(dataFolder())});  // New Install; OK on the proposed folder; no e-mail
        QVERIFY(PrepareDatabase());
        const auto path = env.prompter.find(QStringLiteral("Data Path"));
        QCOMPARE(path.text,
                 QStringLiteral("Where would you like to store the data?\nClick 'OK' to accept.\n'Cancel' to browse."));
        QCOMPARE(path.defaultText, QDir::toNativeSeparators(dataFolder()));
        const QString mail = env.prompter.find(QStringLiteral("E-Mail Configuration")).text;
        QVERIFY(mail.startsWith(QLatin1String("To enable the E-mail option of this program, you will need to supply")));
        QVERIFY(mail.endsWith(
            QLatin1String("click 'NO' below and you can enable this option later. Otherwise, click 'YES'")));

        QVERIFY(QFileInfo(dataFolder() + QStringLiteral("/GameNotes")).isDir());
        QVERIFY(isPitchwiseDatabaseFile(dbFile()));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dbFile());
        for (const char* name : {"EmailServer", "EmailUser", "EmailPassword", "EmailDebug"})
            QVERIFY2(!env.stored(QString::fromLatin1(name)).isValid(), name);
        QVERIFY(state().NewInstall);
        QVERIFY(Db::isOpen());
        QCOMPARE(state().DataFolder, dataFolder());
        Db::closeShared();

        // The next start opens the same database without a question.
        coach({});
        QVERIFY(PrepareDatabase());
        QVERIFY(!state().NewInstall);
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void theEmailAccountIsWrittenOnlyWhenComplete_data()
    {
        QTest::addColumn<QString>("user");
        QTest::newRow("complete") << QStringLiteral("coach");
        QTest::newRow("user left empty") << QString();
    }

    void theEmailAccountIsWrittenOnlyWhenComplete()
    {
        QFETCH(QString, user);
        coach({A::Yes, A::Yes},  // New Install; e-mail
              {QDir::toNativeSeparators(dataFolder()), QStringLiteral("smtp.example.org"), user,
               QStringLiteral("p@ss w'rd")});
        QVERIFY(CreateNewInstall());
        QCOMPARE(env.prompter.titles().count(QStringLiteral("Data Path")), 1);  // not asked again
        QVERIFY(isPitchwiseDatabaseFile(dbFile()));
        if (user.isEmpty()) {
            QVERIFY(!env.stored(QStringLiteral("EmailServer")).isValid());
            QVERIFY(!env.stored(QStringLiteral("EmailDebug")).isValid());
            return;
        }
        QCOMPARE(env.prompter.titles().count(QStringLiteral("E-mail Configuration")), 3);
        for (const auto& [name, value] : {std::pair{"EmailServer", "smtp.example.org"},
                                          {"EmailUser", "coach"},
                                          {"EmailPassword", "p@ss w'rd"},
                                          {"EmailDebug", "0"}})
            QCOMPARE(ReadSetting(QString::fromLatin1(name)), QString::fromLatin1(value));
        // The e-mail password lives in these files: they, their folders and the log are the coach's alone.
        LogMessage(QStringLiteral("first entry"));
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                            QFile::WriteOther | QFile::ExeOther;
        for (const QString& path :
             {dataFolder(), home + QStringLiteral("/Brantworks"), dataFolder() + QStringLiteral("/GameNotes"), dbFile(),
              settingsFileName(), logFilePath(), QFileInfo(logFilePath()).absolutePath()})
            QVERIFY2(!(QFileInfo(path).permissions() & others), qPrintable(path));
    }

    void browsingCanBeCancelledOrPickAnyFile()
    {
        coach({A::Yes}, {std::nullopt});  // New Install; Cancel: browse instead, and cancel that too
        QVERIFY(!CreateNewInstall());
        const auto browse = env.prompter.find(QStringLiteral("Create DataBase file"));
        QCOMPARE(browse.kind, QStringLiteral("save"));
        QCOMPARE(browse.defaultText, QStringLiteral("Pitchwise.db"));
        QVERIFY(!env.stored(QStringLiteral("mdbFile")).isValid());
        QCOMPARE(homeContents(), QStringList());

        QDir().mkpath(home + QStringLiteral("/Team Files"));
        const QString chosen = home + QStringLiteral("/Team Files/Zoë's \"club\".db");
        coach({A::Yes, A::No}, {QString()}, {chosen});  // New Install, field cleared: browse; no e-mail
        QVERIFY(CreateNewInstall());
        QVERIFY(isPitchwiseDatabaseFile(chosen));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), chosen);
    }

    void aFolderThatCannotBeMadeIsAskedAgain()
    {
        writeFile(home + QStringLiteral("/blocked"), {});
        coach({A::Yes, A::Ok, A::No},
              {home + QStringLiteral("/blocked/Data"), home + QStringLiteral("/Ünïcode Data 'x'")});
        QVERIFY(CreateNewInstall());
        QCOMPARE(env.prompter.titles().count(QStringLiteral("Data Path")), 3);  // asked, told why, asked again
        const auto& problem = env.prompter.shown.at(2);
        QCOMPARE(problem.kind, QStringLiteral("message"));
        QVERIFY(problem.text.contains(QLatin1String("blocked")));
        QVERIFY(problem.text.endsWith(QLatin1String("Please choose another place for the data.")));
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/blocked/Data")));
        QVERIFY(isPitchwiseDatabaseFile(home + QStringLiteral("/Ünïcode Data 'x'/Pitchwise.db")));
    }

    void anExistingDatabaseIsOfferedNotReplaced()
    {
        const QDateTime before = QFileInfo(builtDbFile()).lastModified();
        coach({A::Yes, A::Yes}, {dataFolder()});  // New Install; use it
        QVERIFY(CreateNewInstall());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dbFile());
        QCOMPARE(QFileInfo(dbFile()).lastModified(), before);
        QVERIFY(!env.prompter.titles().contains(QStringLiteral("E-Mail Configuration")));
    }

    void aTestRunUsesTheTestDatabaseAndKeepsTheSettings()
    {
        WriteSetting(QStringLiteral("mdbFile"), builtDbFile());
        state().TestMode = true;
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, dataFolder() + QStringLiteral("/Pitchwise_Test.db"));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dbFile());
        QVERIFY(env.prompter.shown.isEmpty());
        Db::closeShared();

        // Where no test database can be made, a new one is asked for and not recorded.
        WriteSetting(QStringLiteral("mdbFile"), QStringLiteral("/media/usb-stick/Pitchwise.db"));
        coach({A::No, A::No}, {home + QStringLiteral("/Scratch")});  // new database; no e-mail
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, home + QStringLiteral("/Scratch/Pitchwise.db"));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), QStringLiteral("/media/usb-stick/Pitchwise.db"));
        QVERIFY(state().NewInstall);
        Db::closeShared();
    }

    void aDatabaseNamedForTheRunKeepsTheSettings()
    {
        // --database: that database is opened, and the recorded one stays recorded; so does a
        // first start's lack of one, which then asks nothing.
        const QString archive = home + QStringLiteral("/Season2025.db");
        buildDatabaseFile(archive);
        const auto forget = qScopeGuard([] { setDatabaseOverride({}); });
        setDatabaseOverride(archive);
        coach({});
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, archive);
        QVERIFY(env.prompter.shown.isEmpty());
        QVERIFY(!QFile::exists(env.settingsPath()));
        Db::closeShared();

        // Named but missing: another file picked or a new one made is used, and not recorded.
        WriteSetting(QStringLiteral("mdbFile"), builtDbFile());
        setDatabaseOverride(home + QStringLiteral("/gone.db"));
        coach({A::Yes}, {}, {archive});
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, archive);
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dbFile());
        Db::closeShared();
        coach({A::No, A::No}, {home + QStringLiteral("/Scratch")});  // new database; no e-mail
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, home + QStringLiteral("/Scratch/Pitchwise.db"));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dbFile());
        undoFirstStart();
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dbFile());
    }

    void aDatabaseThatIsNotAFileOrIsInUseIsCalledWhatItIs()
    {
        // A folder and a pipe recorded as the database are named for what they are.
        const QString folder = home + QStringLiteral("/Season.db");
        QDir().mkpath(folder);
        const QString pipe = home + QStringLiteral("/pipe.db");
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {pipe}), 0);
        for (const auto& [path, said] : {std::pair{folder, "a folder"}, std::pair{pipe, "a pipe"}}) {
            WriteSetting(QStringLiteral("mdbFile"), path);
            coach({A::Cancel});
            QVERIFY(!PrepareDatabase());
            QVERIFY2(env.prompter.shown[0].text.contains(QLatin1String(said)), qPrintable(env.prompter.shown[0].text));
        }
        // A database another program keeps locked is reported within seconds, and may be tried again.
        WriteSetting(QStringLiteral("mdbFile"), builtDbFile());
        withDatabase(dbFile(), [&](const QSqlDatabase& locker) {
            execSql(locker, QStringLiteral("BEGIN EXCLUSIVE"));
            coach({A::Yes, A::No, A::Cancel});
            QElapsedTimer timer;
            timer.start();
            QVERIFY(!PrepareDatabase());
            QVERIFY(timer.elapsed() < 10000);
            QCOMPARE(env.prompter.titles().join(QLatin1Char('|')),
                     QStringLiteral("Database In Use|Database In Use|Database Problem"));
            QVERIFY(env.prompter.shown[0].text.contains(QLatin1String("in use by another program")));
            execSql(locker, QStringLiteral("ROLLBACK"));
        });
        coach({});
        QVERIFY(PrepareDatabase());
        QVERIFY(env.prompter.shown.isEmpty());
        Db::closeShared();
    }

    // SQLite writes a journal beside the database while changing it: a writable file in a folder
    // that takes no new file cannot be changed, and is opened read-only with the one notice a
    // read-only file gets, instead of failing at the first write.
    void aDatabaseWhoseFolderTakesNoNewFileIsOpenedReadOnly()
    {
        const auto takesNewFiles = [](const QString& folder) {
            return QTemporaryFile(folder + QStringLiteral("/probe-XXXXXX")).open();
        };
        // A journal name longer than any folder can hold stops the journal for everyone, root too.
        const QString longName =
            dataFolder() + QLatin1Char('/') + QString(245, QLatin1Char('S')) + QStringLiteral(".db");
        QVERIFY(QFile::rename(builtDbFile(), longName));
        QStringList cases{longName};
        // A folder that is really closed: its permissions, or where they do not bind (root), the
        // immutable attribute where the file system has it.
        const QString archive = home + QStringLiteral("/Archive");
        QDir().mkpath(archive);
        buildDatabaseFile(archive + QStringLiteral("/Pitchwise.db"));
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (takesNewFiles(archive))
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), archive});
        const auto reopen = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), archive});
            QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        if (!takesNewFiles(archive))
            cases << archive + QStringLiteral("/Pitchwise.db");
        else
            qInfo("this machine cannot close a folder to its own user; the long journal name stands in");

        for (const QString& path : std::as_const(cases)) {
            const QByteArray before = fileBytes(path);
            WriteSetting(QStringLiteral("mdbFile"), path);
            coach({});
            QVERIFY(PrepareDatabase());
            QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Read-Only Database")});
            QVERIFY(Db::isReadOnly());
            QVERIFY(execSql(QStringLiteral("SELECT COUNT(*) FROM Teams")).next());
            Db::closeShared();
            QCOMPARE(fileBytes(path), before);
        }
        // The same file in a folder that takes new files is changed as usual.
        const QString open = dataFolder() + QStringLiteral("/Season.db");
        QVERIFY(QFile::rename(longName, open));
        WriteSetting(QStringLiteral("mdbFile"), open);
        coach({});
        QVERIFY(PrepareDatabase());
        QVERIFY(env.prompter.shown.isEmpty());
        QVERIFY(!Db::isReadOnly());
        Db::closeShared();
    }

    void aRecordedFileThatCannotBeUsedIsNamedAndLeftAlone_data()
    {
        QTest::addColumn<bool>("foreign");
        QTest::newRow("on a drive that is not connected today") << false;
        QTest::newRow("not a Pitchwise database") << true;
    }

    void aRecordedFileThatCannotBeUsedIsNamedAndLeftAlone()
    {
        QFETCH(bool, foreign);
        const QString recorded = foreign ? writeFile(home + QStringLiteral("/notes.db"), "shopping list")
                                         : QStringLiteral("/media/usb-stick/Pitchwise.db");
        const QStringList before = homeContents();
        WriteSetting(QStringLiteral("mdbFile"), recorded);
        coach({A::Cancel});
        QVERIFY(!PrepareDatabase());
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Database Problem")});  // not a first start
        QVERIFY(env.prompter.shown[0].text.contains(recorded));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), recorded);
        QCOMPARE(homeContents(), before);
        QVERIFY(!state().NewInstall);

        // Picking a real database instead remembers it.
        const QString good = builtDbFile();
        coach({A::Yes}, {}, {good});
        QVERIFY(PrepareDatabase());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), good);
        Db::closeShared();

        // Or making a new one.
        WriteSetting(QStringLiteral("mdbFile"), recorded);
        coach({A::No, A::No}, {home + QStringLiteral("/Fresh")});  // new database; no e-mail
        QVERIFY(PrepareDatabase());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), home + QStringLiteral("/Fresh/Pitchwise.db"));
        QCOMPARE(Db::sharedLocation().path, home + QStringLiteral("/Fresh/Pitchwise.db"));
        Db::closeShared();
        QCOMPARE(QFile::exists(recorded) ? fileBytes(recorded) : QByteArray("<none>"),
                 foreign ? QByteArray("shopping list") : QByteArray("<none>"));
    }
};

QTEST_GUILESS_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
