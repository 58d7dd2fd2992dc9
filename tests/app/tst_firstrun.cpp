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
#include <QSettings>

using namespace pw;
using namespace pwtest;

class TestFirstRun : public QObject {
    Q_OBJECT

private:
    TestEnv env;
    QString home;

    QString dataFolder() const { return home + QStringLiteral("/Brantworks/Data"); }
    QStringList homeContents() const
    {
        QStringList out;
        QDir dir(home);
        for (const QFileInfo& fi : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            out << fi.fileName();
        return out;
    }
    bool settingExists(const QString& name) const
    {
        return QSettings(env.settingsPath(), QSettings::IniFormat).contains(name);
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
        env.prompter.answers << Prompter::Answer::No;
        QVERIFY(!PrepareDatabase());
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("New Install")});
        const auto& asked = env.prompter.shown[0];
        QCOMPARE(asked.text, QStringLiteral("It appears as though this is the first time you have started Pitchwise.\n"
                                            "You will be asked a few questions to get started.\nDo you want to continue?"));
        QCOMPARE(asked.buttons, Prompter::Buttons::YesNo);
        QVERIFY(!QFile::exists(env.settingsPath()));
        QCOMPARE(homeContents(), QStringList());
        QVERIFY(state().NewInstall);
        QVERIFY(!Db::isOpen());

        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::Yes << Prompter::Answer::No;  // New Install; no e-mail
        env.prompter.inputs << QDir::toNativeSeparators(dataFolder());           // OK on the proposed folder
        QVERIFY(PrepareDatabase());
        const auto* path = env.prompter.find(QStringLiteral("Data Path"));
        QVERIFY(path);
        QCOMPARE(path->text, QStringLiteral("Where would you like to store the data?\nClick 'OK' to accept.\n'Cancel' to browse."));
        QCOMPARE(path->defaultText, QDir::toNativeSeparators(dataFolder()));
        const auto* mail = env.prompter.find(QStringLiteral("E-Mail Configuration"));
        QVERIFY(mail);
        QVERIFY(mail->text.startsWith(QLatin1String("To enable the E-mail option of this program, you will need to supply")));
        QVERIFY(mail->text.endsWith(QLatin1String("click 'NO' below and you can enable this option later. Otherwise, click 'YES'")));

        QVERIFY(QFileInfo(dataFolder() + QStringLiteral("/GameNotes")).isDir());
        QVERIFY(isPitchwiseDatabaseFile(dataFolder() + QStringLiteral("/Pitchwise.db")));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dataFolder() + QStringLiteral("/Pitchwise.db"));
        for (const QString& name : {QStringLiteral("EmailServer"), QStringLiteral("EmailUser"),
                                    QStringLiteral("EmailPassword"), QStringLiteral("EmailDebug")})
            QVERIFY2(!settingExists(name), qPrintable(name));
        QVERIFY(state().NewInstall);
        QVERIFY(Db::isOpen());
        QCOMPARE(state().DataFolder, dataFolder());
        Db::closeShared();

        // The next start opens the same database without a question.
        env.prompter.clear();
        QVERIFY(PrepareDatabase());
        QVERIFY(!state().NewInstall);
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void theEmailAccountIsWrittenWhenComplete()
    {
        env.prompter.answers << Prompter::Answer::Yes << Prompter::Answer::Yes;  // New Install; e-mail
        env.prompter.inputs << QDir::toNativeSeparators(dataFolder());
        env.prompter.inputs << QStringLiteral("smtp.example.org") << QStringLiteral("coach") << QStringLiteral("p@ss w'rd");
        QVERIFY(CreateNewInstall());
        QCOMPARE(env.prompter.titles().count(QStringLiteral("E-mail Configuration")), 3);
        QCOMPARE(ReadSetting(QStringLiteral("EmailServer")), QStringLiteral("smtp.example.org"));
        // The e-mail password lives in these files: they, their folders and the log are the coach's alone.
        LogMessage(QStringLiteral("first entry"));
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                            QFile::ExeOther;
        for (const QString& path : {dataFolder(), home + QStringLiteral("/Brantworks"), dataFolder() + QStringLiteral("/GameNotes"),
                                    dataFolder() + QStringLiteral("/Pitchwise.db"), settingsFileName(), logFilePath(),
                                    QFileInfo(logFilePath()).absolutePath()})
            QVERIFY2(!(QFileInfo(path).permissions() & others), qPrintable(path));
        QCOMPARE(ReadSetting(QStringLiteral("EmailUser")), QStringLiteral("coach"));
        QCOMPARE(ReadSetting(QStringLiteral("EmailPassword")), QStringLiteral("p@ss w'rd"));
        QCOMPARE(ReadSetting(QStringLiteral("EmailDebug")), QStringLiteral("0"));
    }

    void anIncompleteEmailAccountIsNotWritten()
    {
        env.prompter.answers << Prompter::Answer::Yes << Prompter::Answer::Yes;  // New Install; e-mail
        env.prompter.inputs << QDir::toNativeSeparators(dataFolder());
        env.prompter.inputs << QStringLiteral("smtp.example.org") << QString();  // user left empty
        QVERIFY(CreateNewInstall());
        QCOMPARE(env.prompter.titles().count(QStringLiteral("Data Path")), 1);  // not asked again
        QVERIFY(!settingExists(QStringLiteral("EmailServer")));
        QVERIFY(!settingExists(QStringLiteral("EmailDebug")));
        QVERIFY(QFile::exists(dataFolder() + QStringLiteral("/Pitchwise.db")));
    }

    void browsingCanBeCancelledOrPickAnyFile()
    {
        env.prompter.answers << Prompter::Answer::Yes;  // New Install
        env.prompter.inputs << std::nullopt;             // Cancel: browse instead, and cancel that too
        QVERIFY(!CreateNewInstall());
        const auto* browse = env.prompter.find(QStringLiteral("Create DataBase file"));
        QVERIFY(browse);
        QCOMPARE(browse->kind, QStringLiteral("save"));
        QCOMPARE(browse->defaultText, QStringLiteral("Pitchwise.db"));
        QVERIFY(!settingExists(QStringLiteral("mdbFile")));
        QCOMPARE(homeContents(), QStringList());

        QDir().mkpath(home + QStringLiteral("/Team Files"));
        const QString chosen = home + QStringLiteral("/Team Files/Zoë's \"club\".db");
        env.prompter.answers << Prompter::Answer::Yes << Prompter::Answer::No;  // New Install; no e-mail
        env.prompter.inputs << QString();                                         // field cleared: browse
        env.prompter.files << chosen;
        QVERIFY(CreateNewInstall());
        QVERIFY(isPitchwiseDatabaseFile(chosen));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), chosen);
    }

    void aFolderThatCannotBeMadeIsAskedAgain()
    {
        QVERIFY(QFile(home + QStringLiteral("/blocked")).open(QIODevice::WriteOnly));
        env.prompter.answers << Prompter::Answer::Yes << Prompter::Answer::Ok << Prompter::Answer::No;
        env.prompter.inputs << home + QStringLiteral("/blocked/Data") << home + QStringLiteral("/Ünïcode Data 'x'");
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
        QDir().mkpath(dataFolder());
        buildDatabaseFile(dataFolder() + QStringLiteral("/Pitchwise.db"));
        const QDateTime before = QFileInfo(dataFolder() + QStringLiteral("/Pitchwise.db")).lastModified();
        env.prompter.answers << Prompter::Answer::Yes << Prompter::Answer::Yes;  // New Install; use it
        env.prompter.inputs << dataFolder();
        QVERIFY(CreateNewInstall());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dataFolder() + QStringLiteral("/Pitchwise.db"));
        QCOMPARE(QFileInfo(dataFolder() + QStringLiteral("/Pitchwise.db")).lastModified(), before);
        QVERIFY(!env.prompter.find(QStringLiteral("E-Mail Configuration")));
    }

    void aTestRunUsesTheTestDatabaseAndKeepsTheSettings()
    {
        QDir().mkpath(dataFolder());
        const QString real = dataFolder() + QStringLiteral("/Pitchwise.db");
        buildDatabaseFile(real);
        WriteSetting(QStringLiteral("mdbFile"), real);
        state().TestMode = true;
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, dataFolder() + QStringLiteral("/Pitchwise_Test.db"));
        QVERIFY(isPitchwiseDatabaseFile(dataFolder() + QStringLiteral("/Pitchwise_Test.db")));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), real);
        QVERIFY(env.prompter.shown.isEmpty());
        Db::closeShared();

        // Where no test database can be made, a new one is asked for and not recorded.
        WriteSetting(QStringLiteral("mdbFile"), QStringLiteral("/media/usb-stick/Pitchwise.db"));
        env.prompter.answers << Prompter::Answer::No << Prompter::Answer::No;  // new database; no e-mail
        env.prompter.inputs << home + QStringLiteral("/Scratch");
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, home + QStringLiteral("/Scratch/Pitchwise.db"));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), QStringLiteral("/media/usb-stick/Pitchwise.db"));
        QVERIFY(state().NewInstall);
        Db::closeShared();
    }

    void aDatabaseThatIsNotAFileOrIsInUseIsCalledWhatItIs()
    {
        // A folder and a pipe recorded as the database are named for what they are.
        const QString folder = home + QStringLiteral("/Season.db");
        QDir().mkpath(folder);
        const QString pipe = home + QStringLiteral("/pipe.db");
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {pipe}), 0);
        for (const auto& [path, said] : {std::pair{folder, "a folder"}, std::pair{pipe, "a pipe"}}) {
            env.prompter.clear();
            WriteSetting(QStringLiteral("mdbFile"), path);
            env.prompter.answers << Prompter::Answer::Cancel;
            QVERIFY(!PrepareDatabase());
            QVERIFY2(env.prompter.shown[0].text.contains(QLatin1String(said)), qPrintable(env.prompter.shown[0].text));
        }
        // A database another program keeps locked is reported within seconds, and may be tried again.
        QDir().mkpath(dataFolder());
        const QString path = dataFolder() + QStringLiteral("/Pitchwise.db");
        buildDatabaseFile(path);
        WriteSetting(QStringLiteral("mdbFile"), path);
        DbLocation other;
        other.path = path;
        {
            QSqlDatabase locker = openDatabase(other, QStringLiteral("locker"));
            execSql(locker, QStringLiteral("BEGIN EXCLUSIVE"));
            env.prompter.clear();
            env.prompter.answers << Prompter::Answer::Yes << Prompter::Answer::No << Prompter::Answer::Cancel;
            QElapsedTimer timer;
            timer.start();
            QVERIFY(!PrepareDatabase());
            QVERIFY(timer.elapsed() < 10000);
            QCOMPARE(env.prompter.titles(), (QStringList{QStringLiteral("Database In Use"), QStringLiteral("Database In Use"),
                                                         QStringLiteral("Database Problem")}));
            QVERIFY(env.prompter.shown[0].text.contains(QLatin1String("in use by another program")));
            execSql(locker, QStringLiteral("ROLLBACK"));
        }
        closeDatabase(QStringLiteral("locker"));
        env.prompter.clear();
        QVERIFY(PrepareDatabase());
        QVERIFY(env.prompter.shown.isEmpty());
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
        const QString recorded = foreign ? home + QStringLiteral("/notes.db") : QStringLiteral("/media/usb-stick/Pitchwise.db");
        QFile f(recorded);
        if (foreign) {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("shopping list");
            f.close();
        }
        const QStringList before = homeContents();
        WriteSetting(QStringLiteral("mdbFile"), recorded);
        env.prompter.answers << Prompter::Answer::Cancel;
        QVERIFY(!PrepareDatabase());
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Database Problem")});  // not a first start
        QVERIFY(env.prompter.shown[0].text.contains(recorded));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), recorded);
        QCOMPARE(homeContents(), before);
        QVERIFY(!state().NewInstall);

        // Picking a real database instead remembers it.
        QDir().mkpath(dataFolder());
        const QString good = dataFolder() + QStringLiteral("/Pitchwise.db");
        buildDatabaseFile(good);
        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::Yes;
        env.prompter.files << good;
        QVERIFY(PrepareDatabase());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), good);
        Db::closeShared();

        // Or making a new one.
        WriteSetting(QStringLiteral("mdbFile"), recorded);
        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::No << Prompter::Answer::No;  // new database; no e-mail
        env.prompter.inputs << home + QStringLiteral("/Fresh");
        QVERIFY(PrepareDatabase());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), home + QStringLiteral("/Fresh/Pitchwise.db"));
        QCOMPARE(Db::sharedLocation().path, home + QStringLiteral("/Fresh/Pitchwise.db"));
        Db::closeShared();
        QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>"),
                 foreign ? QByteArray("shopping list") : QByteArray("<none>"));
    }
};

QTEST_GUILESS_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
