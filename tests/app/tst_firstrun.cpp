// First start and database selection, driven through the scripted prompter against a private
// home folder.
#include "TestSupport.h"

#include "common/AppState.h"
#include "app/FirstRun.h"
#include "app/Startup.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

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
    void answerNewInstall()
    {
        env.prompter.answers << Prompter::Answer::Yes;  // New Install
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

    void decliningEndsWithoutTouchingTheDisk()
    {
        env.prompter.answers << Prompter::Answer::No;
        QVERIFY(!PrepareDatabase());
        QCOMPARE(env.prompter.shown.size(), 1);
        const auto& asked = env.prompter.shown[0];
        QCOMPARE(asked.title, QStringLiteral("New Install"));
        QCOMPARE(asked.text, QStringLiteral("It appears as though this is the first time you have started Pitchwise.\n"
                                            "You will be asked a few questions to get started.\nDo you want to continue?"));
        QCOMPARE(asked.buttons, Prompter::Buttons::YesNo);
        QVERIFY(!QFile::exists(env.settingsPath()));
        QCOMPARE(homeContents(), QStringList());
        QVERIFY(state().NewInstall);
        QVERIFY(!Db::isOpen());
    }

    void acceptingTheDefaultsBuildsTheDatabase()
    {
        answerNewInstall();
        env.prompter.inputs << QDir::toNativeSeparators(dataFolder());  // OK on the proposed folder
        env.prompter.answers << Prompter::Answer::No;                  // no e-mail
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
        answerNewInstall();
        env.prompter.inputs << QDir::toNativeSeparators(dataFolder());
        env.prompter.answers << Prompter::Answer::Yes;
        env.prompter.inputs << QStringLiteral("smtp.example.org") << QStringLiteral("coach") << QStringLiteral("p@ss w'rd");
        QVERIFY(CreateNewInstall());
        QCOMPARE(env.prompter.titles().count(QStringLiteral("E-mail Configuration")), 3);
        QCOMPARE(ReadSetting(QStringLiteral("EmailServer")), QStringLiteral("smtp.example.org"));
        QCOMPARE(ReadSetting(QStringLiteral("EmailUser")), QStringLiteral("coach"));
        QCOMPARE(ReadSetting(QStringLiteral("EmailPassword")), QStringLiteral("p@ss w'rd"));
        QCOMPARE(ReadSetting(QStringLiteral("EmailDebug")), QStringLiteral("0"));
    }

    void anIncompleteEmailAccountIsNotWritten()
    {
        answerNewInstall();
        env.prompter.inputs << QDir::toNativeSeparators(dataFolder());
        env.prompter.answers << Prompter::Answer::Yes;
        env.prompter.inputs << QStringLiteral("smtp.example.org") << QString();  // user left empty
        QVERIFY(CreateNewInstall());
        QCOMPARE(env.prompter.titles().count(QStringLiteral("Data Path")), 1);  // not asked again
        QVERIFY(!settingExists(QStringLiteral("EmailServer")));
        QVERIFY(!settingExists(QStringLiteral("EmailDebug")));
        QVERIFY(QFile::exists(dataFolder() + QStringLiteral("/Pitchwise.db")));
    }

    void cancellingBothQuestionsCreatesNothing()
    {
        answerNewInstall();
        env.prompter.inputs << std::nullopt;  // Cancel: browse instead
        QVERIFY(!CreateNewInstall());
        const auto* browse = env.prompter.find(QStringLiteral("Create DataBase file"));
        QVERIFY(browse);
        QCOMPARE(browse->kind, QStringLiteral("save"));
        QCOMPARE(browse->defaultText, QStringLiteral("Pitchwise.db"));
        QVERIFY(!settingExists(QStringLiteral("mdbFile")));
        QCOMPARE(homeContents(), QStringList());
    }

    void aChosenFileIsUsed()
    {
        QDir().mkpath(home + QStringLiteral("/Team Files"));
        const QString chosen = home + QStringLiteral("/Team Files/Zoë's \"club\".db");
        answerNewInstall();
        env.prompter.inputs << QString();  // field cleared: browse
        env.prompter.files << chosen;
        env.prompter.answers << Prompter::Answer::No;
        QVERIFY(CreateNewInstall());
        QVERIFY(isPitchwiseDatabaseFile(chosen));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), chosen);
    }

    void aFolderThatCannotBeMadeIsAskedAgain()
    {
        QFile blocker(home + QStringLiteral("/blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        answerNewInstall();
        env.prompter.inputs << home + QStringLiteral("/blocked/Data") << home + QStringLiteral("/Ünïcode Data 'x'");
        env.prompter.answers << Prompter::Answer::Ok << Prompter::Answer::No;
        QVERIFY(CreateNewInstall());
        int asked = 0;
        for (const auto& shown : env.prompter.shown)
            asked += shown.kind == QLatin1String("input") && shown.title == QLatin1String("Data Path");
        QCOMPARE(asked, 2);
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
        answerNewInstall();
        env.prompter.inputs << dataFolder();
        env.prompter.answers << Prompter::Answer::Yes;  // use it
        QVERIFY(CreateNewInstall());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), dataFolder() + QStringLiteral("/Pitchwise.db"));
        QCOMPARE(QFileInfo(dataFolder() + QStringLiteral("/Pitchwise.db")).lastModified(), before);
        QVERIFY(!env.prompter.find(QStringLiteral("E-Mail Configuration")));
    }

    void testWordOpensTheTestDatabase()
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
    }

    void aMissingRecordedFileIsNotAFirstStart()
    {
        // The database lives on a drive that is not connected today.
        const QString away = QStringLiteral("/media/usb-stick/Pitchwise.db");
        WriteSetting(QStringLiteral("mdbFile"), away);
        env.prompter.answers << Prompter::Answer::Cancel;
        QVERIFY(!PrepareDatabase());
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Database Problem")});
        QVERIFY(env.prompter.shown[0].text.contains(away));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), away);
        QCOMPARE(homeContents(), QStringList());
        QVERIFY(!state().NewInstall);
    }

    void aTestRunKeepsTheSettings()
    {
        WriteSetting(QStringLiteral("mdbFile"), QStringLiteral("/media/usb-stick/Pitchwise.db"));
        state().TestMode = true;
        env.prompter.answers << Prompter::Answer::No << Prompter::Answer::No;  // new database; no e-mail
        env.prompter.inputs << home + QStringLiteral("/Scratch");
        QVERIFY(PrepareDatabase());
        QCOMPARE(Db::sharedLocation().path, home + QStringLiteral("/Scratch/Pitchwise.db"));
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), QStringLiteral("/media/usb-stick/Pitchwise.db"));
        QVERIFY(state().NewInstall);
        Db::closeShared();
    }

    void aForeignFileIsNamedAndLeftAlone()
    {
        const QString foreign = home + QStringLiteral("/notes.db");
        QFile f(foreign);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("shopping list");
        f.close();
        WriteSetting(QStringLiteral("mdbFile"), foreign);

        env.prompter.answers << Prompter::Answer::Cancel;
        QVERIFY(!PrepareDatabase());
        QCOMPARE(env.prompter.shown.size(), 1);
        QCOMPARE(env.prompter.shown[0].title, QStringLiteral("Database Problem"));
        QVERIFY(env.prompter.shown[0].text.contains(foreign));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("shopping list"));
        f.close();

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
        WriteSetting(QStringLiteral("mdbFile"), foreign);
        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::No << Prompter::Answer::No;  // new database; no e-mail
        env.prompter.inputs << home + QStringLiteral("/Fresh");
        QVERIFY(PrepareDatabase());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), home + QStringLiteral("/Fresh/Pitchwise.db"));
        QCOMPARE(Db::sharedLocation().path, home + QStringLiteral("/Fresh/Pitchwise.db"));
        Db::closeShared();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("shopping list"));
    }
};

QTEST_GUILESS_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
