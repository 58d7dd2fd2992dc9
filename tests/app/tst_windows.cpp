// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog, the splash window's start-up, the help catalogue, the about box, the
// editing base and its dirty marker.
#include "TestSupport.h"

#include "app/HelpCatalog.h"
#include "app/MainForm.h"
#include "app/RosterModel.h"
#include "app/Startup.h"
#include "app/TeamTree.h"
#include "app/cfgDialog.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"
#include "common/Selection.h"
#include "common/StartupTrace.h"
#include "data/DatabaseFile.h"
#include "data/Options.h"
#include "ui/base/EditWindow.h"
#include "ui/teams/NewTeamWiz.h"
#include "ui/teams/TeamFields.h"
#include "ui_TeamFields.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeView>
#include <QUndoCommand>
#include <QUndoStack>

using namespace pw;
using namespace pwtest;

class TestWindows : public QObject {
    Q_OBJECT

private:
    TestEnv env;

    QString writeLogo(const QString& name)
    {
        // A club badge; Qt reads GIFs but cannot write them, so the test's badge is a PNG.
        const QString path = env.dir() + QLatin1Char('/') + name;
        QImage badge(48, 48, QImage::Format_ARGB32);
        badge.fill(QColor(0, 128, 0));
        badge.save(path, "PNG");
        return path;
    }

private Q_SLOTS:
    void init() { env.reset(); }

    void theOptionsDialogLoadsKeepsAndWritesEverySetting()
    {
        for (const auto& [name, value] : {std::pair{"mdbFile", "/data/Pitchwise.db"},
                                          {"NameOpt", "1"},
                                          {"EmailServer", "smtp.example.org"},
                                          {"EmailUser", "coach"},
                                          {"EmailPassword", "secret"},
                                          {"EmailDebug", "1"}})
            WriteSetting(QString::fromLatin1(name), QString::fromLatin1(value));
        const QString logo = writeLogo(QStringLiteral("badge.png"));
        WriteSetting(QStringLiteral("TeamLogo"), logo);
        const QByteArray before = fileBytes(env.settingsPath());
        cfgDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Configuration"));
        QCOMPARE(child<QLineEdit>(&dialog, "TxtDataFile")->text(), QStringLiteral("/data/Pitchwise.db"));
        QVERIFY(child<QRadioButton>(&dialog, "NameOpt_1")->isChecked());
        QCOMPARE(dialog.nameIndex(), 1);
        QCOMPARE(state().NameOpt, qint16(1));
        QCOMPARE(child<QLineEdit>(&dialog, "txtServer")->text(), QStringLiteral("smtp.example.org"));
        QCOMPARE(child<QLineEdit>(&dialog, "txtEmailPassword")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(&dialog, "txtRePassword")->text(), QStringLiteral("secret"));
        QVERIFY(child<QCheckBox>(&dialog, "chkDebug")->isChecked());
        // Encryption is required of the mail server unless the coach says otherwise.
        auto* allowPlain = child<QCheckBox>(&dialog, "chkAllowPlain");
        QCOMPARE(allowPlain->text().remove(QLatin1Char('&')), QStringLiteral("Allow unencrypted connection"));
        QVERIFY(!allowPlain->isChecked());
        auto* keepCalendar = child<QCheckBox>(&dialog, "chkKeepCalendar");
        QCOMPARE(keepCalendar->text(), QStringLiteral("Keep exported calendar up to date"));
        QVERIFY(!keepCalendar->isChecked());
        QCOMPARE(dialog.logoPath(), logo);
        QCOMPARE(child<QRadioButton>(&dialog, "NameOpt_2")->text(), QStringLiteral("John S."));
        QCOMPARE(child<QPushButton>(&dialog, "PickGifBtn")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Pick Logo"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        screenshot(&dialog, QStringLiteral("options-dialog"));

        // A cancelled picker keeps the logo, and Cancel keeps every setting as it was.
        QTest::mouseClick(child<QPushButton>(&dialog, "PickGifBtn"), Qt::LeftButton);
        QCOMPARE(dialog.logoPath(), logo);
        child<QLineEdit>(&dialog, "txtUser")->setText(QStringLiteral("someone else"));
        QTest::mouseClick(child<QRadioButton>(&dialog, "NameOpt_0"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&dialog, "CancelButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(fileBytes(env.settingsPath()), before);

        // Opened again: mismatched passwords change nothing.
        env.prompter.clear();
        cfgDialog again;
        QSignalSpy saved(&again, &cfgDialog::settingsSaved);
        child<QLineEdit>(&again, "txtServer")->setText(QStringLiteral("other.example.org"));
        child<QLineEdit>(&again, "txtRePassword")->setText(QStringLiteral("typo"));
        QTest::mouseClick(child<QPushButton>(&again, "OKButton"), Qt::LeftButton);
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Wrong Password")});
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("The passwords to not match. Please re-enter them"));
        QCOMPARE(env.prompter.shown[0].icon, Prompter::Icon::Critical);
        QCOMPARE(child<QLineEdit>(&again, "txtEmailPassword")->text(), QString());
        QCOMPARE(child<QLineEdit>(&again, "txtRePassword")->text(), QString());
        QCOMPARE(ReadSetting(QStringLiteral("EmailServer")), QStringLiteral("smtp.example.org"));
        QCOMPARE(saved.count(), 0);
        QCOMPARE(again.result(), 0);

        // A server that is no server address (here with a line break and a command after it) is
        // refused, named, and given the cursor.
        env.prompter.clear();
        child<QLineEdit>(&again, "txtServer")->setText(QStringLiteral("other.example.org\r\nRCPT TO:<x@y.org>"));
        QTest::mouseClick(child<QPushButton>(&again, "OKButton"), Qt::LeftButton);
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Server Name")});
        QVERIFY(env.prompter.shown[0].text.startsWith(
            QStringLiteral("The Server Name is not the address of a mail server: it holds a space, a line break")));
        QCOMPARE(again.focusWidget(), child<QLineEdit>(&again, "txtServer"));
        QCOMPARE(ReadSetting(QStringLiteral("EmailServer")), QStringLiteral("smtp.example.org"));
        QCOMPARE(saved.count(), 0);
        child<QLineEdit>(&again, "txtServer")->setText(QStringLiteral("other.example.org"));

        // Put right, OK writes every setting.
        const QString newLogo = writeLogo(QStringLiteral("crest.png"));
        child<QLineEdit>(&again, "TxtDataFile")->setText(QStringLiteral("/elsewhere/Pitchwise.db"));
        QTest::mouseClick(child<QRadioButton>(&again, "NameOpt_2"), Qt::LeftButton);
        child<QLineEdit>(&again, "txtServer")->clear();
        child<QLineEdit>(&again, "txtUser")->clear();
        child<QCheckBox>(&again, "chkDebug")->setChecked(false);
        child<QCheckBox>(&again, "chkAllowPlain")->setChecked(true);
        child<QCheckBox>(&again, "chkKeepCalendar")->setChecked(true);
        env.prompter.files << newLogo;
        QTest::mouseClick(child<QPushButton>(&again, "PickGifBtn"), Qt::LeftButton);
        QCOMPARE(env.prompter.shown.last().kind, QStringLiteral("open"));
        QCOMPARE(env.prompter.shown.last().text,
                 QStringLiteral("GIF Files (*.gif)|*.gif|jpeg Files (*.jpg)|*.jpg| All Files (*.*)|*.*"));
        QVERIFY(child<QLabel>(&again, "ConfigGif")->movie() || !child<QLabel>(&again, "ConfigGif")->pixmap().isNull());
        state().mdbFile = QStringLiteral("/data/Pitchwise.db");
        QTest::mouseClick(child<QPushButton>(&again, "OKButton"), Qt::LeftButton);

        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.at(0).at(0).toString(), newLogo);
        // Cleared boxes are stored as empty values, which read back as empty, not "0".
        for (const auto& [name, value] : {std::pair{"mdbFile", "/elsewhere/Pitchwise.db"},
                                          {"NameOpt", "2"},
                                          {"EmailDebug", "0"},
                                          {"EmailServer", ""},
                                          {"EmailUser", ""},
                                          {"EmailPassword", ""},
                                          {"EmailAllowPlain", "1"},
                                          {"KeepCalendar", "1"}})
            QCOMPARE(ReadSetting(QString::fromLatin1(name)), QString::fromLatin1(value));
        QCOMPARE(ReadSetting(QStringLiteral("TeamLogo")), newLogo);
        // The program's copies follow, except the open database, which changes at the next start.
        QCOMPARE(state().NameOpt, qint16(2));
        QCOMPARE(state().EmailServer, QString());
        QVERIFY(!state().EmailDebug);
        QVERIFY(state().EmailAllowPlain);
        QCOMPARE(state().mdbFile, QStringLiteral("/data/Pitchwise.db"));
    }

    void theSplashOpensTheMainWindowOnceUnlessTheFirstStartIsDeclined()
    {
        qputenv("HOME", (env.dir() + QStringLiteral("/emptyhome")).toLocal8Bit());
        QDir().mkpath(env.dir() + QStringLiteral("/emptyhome"));
        env.prompter.answers << Prompter::Answer::No;
        auto* declined = new frmSplash;
        QSignalSpy declinedDone(declined, &frmSplash::finished);
        declined->Timer1_Timer();
        QCOMPARE(declinedDone.count(), 1);
        QVERIFY(!declinedDone.at(0).at(0).toBool());
        QVERIFY(!declined->mainForm());
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("New Install")});
        env.prompter.clear();

        const QString path = env.dir() + QStringLiteral("/club.db");
        buildDatabaseFile(path);
        Db::openShared(DbLocation::parse(path));
        addRealisticClub();
        Db::closeShared();
        WriteSetting(QStringLiteral("mdbFile"), path);
        WriteSetting(QStringLiteral("TeamTabNo"), QStringLiteral("2"));

        auto* splash = new frmSplash;
        QCOMPARE(child<QLabel>(splash, "lblVersion")->text(),
                 QStringLiteral("Version %1.%2.%3").arg(PW_VERSION_MAJOR).arg(PW_VERSION_MINOR).arg(PW_VERSION_PATCH));
        QSignalSpy finished(splash, &frmSplash::finished);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        screenshot(splash, QStringLiteral("splash"));
        QTest::keyClick(splash, Qt::Key_Space);  // a key press starts at once...
        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.at(0).at(0).toBool());
        MainForm* main = splash->mainForm();  // the splash closes itself
        QTest::qWait(1200);                   // ...and the timer does not start it again
        QCOMPARE(finished.count(), 1);
        QVERIFY(main && main->isVisible());
        QCOMPARE(selection().CurrentTeamNo(), qint16(2));
        QCOMPARE(main->mainGridModel()->rows().size(), 3);
        QCOMPARE(main->treeModel()->keyOf(main->treeView()->currentIndex()), QStringLiteral("Team2"));
        QVERIFY(env.prompter.shown.isEmpty());
        main->close();
        delete main;
        Db::closeShared();
    }

    void theMainWindowIsBuiltBehindTheSplashAndAStartWritesNothing()
    {
        const QString path = env.dir() + QStringLiteral("/behind.db");
        buildDatabaseFile(path);
        Db::openShared(DbLocation::parse(path));
        addRealisticClub();
        Db::closeShared();
        WriteSetting(QStringLiteral("mdbFile"), path);
        WriteSetting(QStringLiteral("TeamTabNo"), QStringLiteral("2"));
        // The settings file looks old: a start that stores anything in it gives it a new time.
        const QDateTime old(QDate(2020, 1, 1), QTime(12, 0));
        {
            QFile settings(settingsFileName());
            QVERIFY(settings.open(QIODevice::ReadWrite));
            QVERIFY(settings.setFileTime(old, QFileDevice::FileModificationTime));
        }
        setStartupTrace(true);
        const quint64 writes = writeCount();

        auto* splash = new frmSplash;
        QSignalSpy finished(splash, &frmSplash::finished);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        // Before the coach clicks or the timer runs, the database is open and the main window
        // built, waiting to be shown.
        QTRY_VERIFY(splash->mainForm() && Db::isOpen());
        MainForm* main = splash->mainForm();
        QVERIFY(!main->isVisible());
        QCOMPARE(finished.count(), 0);
        QTest::mouseClick(splash, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(main->isVisible());
        QCOMPARE(main->treeModel()->keyOf(main->treeView()->currentIndex()), QStringLiteral("Team2"));
        // The splash came first, before the database was opened; nothing was written.
        const QString trace = startupTraceText();
        setStartupTrace(false);
        QVERIFY2(trace.indexOf(QLatin1String("splash drawn")) >= 0 &&
                     trace.indexOf(QLatin1String("splash drawn")) < trace.indexOf(QLatin1String("database opened")),
                 qPrintable(trace));
        QCOMPARE(writeCount(), writes);
        QCOMPARE(QFileInfo(settingsFileName()).lastModified(), old);
        main->close();
        delete main;
        Db::closeShared();
    }

    void aFirstStartAsksForTheFirstTeamAndLeavesNothingWhenAbandoned()
    {
        const QString home = env.dir() + QStringLiteral("/firsthome");
        QDir(home).removeRecursively();
        QDir().mkpath(home);
        qputenv("HOME", home.toLocal8Bit());
        const QString folder = home + QStringLiteral("/Club");
        const QString db = folder + QStringLiteral("/Pitchwise.db");
        auto firstStart = [&](std::function<void(NewTeamWiz*)> inWizard) {
            env.prompter.clear();
            env.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No};  // go on; no e-mail
            env.prompter.inputs = {QDir::toNativeSeparators(folder)};
            QTimer::singleShot(0, [inWizard] {
                auto* wizard = qobject_cast<NewTeamWiz*>(QApplication::activeModalWidget());
                if (!wizard)
                    qFatal("the first start did not ask for a team");
                inWizard(wizard);
            });
            auto* splash = new frmSplash;
            QSignalSpy finished(splash, &frmSplash::finished);
            splash->Timer1_Timer();
            return std::pair{finished.value(0).value(0).toBool(), splash->mainForm()};
        };

        // Abandoned: the database made for it goes, and so does the setting naming it.
        auto [started, main] = firstStart([this](NewTeamWiz* w) {
            env.prompter.answers = {Prompter::Answer::Yes};
            w->cmdCancel_Click();
        });
        QVERIFY(!started && !main);
        QVERIFY(env.prompter.titles().contains(QStringLiteral("Confirm Cancel")));
        QVERIFY(!QFile::exists(db));
        QVERIFY(!QDir(folder + QStringLiteral("/GameNotes")).exists());
        QVERIFY(!env.stored(QStringLiteral("mdbFile")).isValid());
        QVERIFY(!Db::isOpen());

        // Finished: the main window opens on the new team.
        std::tie(started, main) = firstStart([](NewTeamWiz* w) {
            QCOMPARE(w->teamNo(), qint16(1));
            Ui::TeamFields& ui = w->fields()->ui();
            ui.TxtLeague->setText(QStringLiteral("Valley League"));
            ui.txtTeamName->setText(QStringLiteral("Comets"));
            ui.txtClubName->setText(QStringLiteral("Comets SC"));
            w->cmdNext_Click();
            ui.txtSeason->setText(QStringLiteral("Fall 2027"));
            ui.txtAge->setCurrentIndex(ui.txtAge->findText(QStringLiteral("U10")));
            w->txtAge_Click();
            ui.optSex_0->setChecked(true);
            w->cmdNext_Click();
            w->cmdNext_Click();
            ui.txtCoach_1->setText(QStringLiteral("Jo Park"));
            ui.txtCoachPhone_1->setText(QStringLiteral("555-0101"));
            for (int i = 0; i < 3; ++i)
                w->cmdNext_Click();
            w->cmdFinish_Click();
        });
        QVERIFY(started && main && main->isVisible());
        QCOMPARE(env.stored(QStringLiteral("mdbFile")).toString(), db);
        QCOMPARE(selection().CurrentTeamNo(), qint16(1));
        QCOMPARE(main->treeModel()->keyOf(main->treeView()->currentIndex()), QStringLiteral("Team1"));
        main->close();
        delete main;
        Db::closeShared();

        // A database the coach already had is never taken away, even one without a team: only
        // the setting goes, so that the next start asks again.
        RemoveSetting(QStringLiteral("mdbFile"));
        const QString kept = home + QStringLiteral("/Old/Pitchwise.db");
        QDir().mkpath(home + QStringLiteral("/Old"));
        buildDatabaseFile(kept);
        env.prompter.clear();
        env.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};  // go on; use the one there
        env.prompter.inputs = {QDir::toNativeSeparators(home + QStringLiteral("/Old"))};
        QTimer::singleShot(0, [this] {
            auto* wizard = qobject_cast<NewTeamWiz*>(QApplication::activeModalWidget());
            QVERIFY(wizard);
            env.prompter.answers = {Prompter::Answer::Yes};
            wizard->cmdCancel_Click();
        });
        auto* splash = new frmSplash;
        QSignalSpy finished(splash, &frmSplash::finished);
        splash->Timer1_Timer();
        QVERIFY(!finished.value(0).value(0).toBool());
        QVERIFY(env.prompter.titles().contains(QStringLiteral("Data Path")));
        QVERIFY(QFile::exists(kept));
        QVERIFY(!env.stored(QStringLiteral("mdbFile")).isValid());
    }

    void helpCatalogueHasContentsIndexAndSearch()
    {
        // Every page of the contents exists, and the main ones are listed.
        const HelpCatalog help = HelpCatalog::load();
        QStringList tocPages;
        std::function<void(const QList<HelpTopic>&)> walk = [&](const QList<HelpTopic>& topics) {
            for (const HelpTopic& t : topics) {
                tocPages << t.page;
                walk(t.children);
            }
        };
        walk(help.contents());
        for (const QString& page : tocPages)
            QVERIFY2(help.pages().contains(page), qPrintable(page));
        for (const QString& page :
             {QStringLiteral("mainwindow.html"), QStringLiteral("firststart.html"), QStringLiteral("options.html")})
            QVERIFY2(tocPages.contains(page), qPrintable(page));
        QVERIFY(help.index().size() > 20);
        for (qsizetype i = 1; i < help.index().size(); ++i)
            QVERIFY(help.index()[i - 1].first.compare(help.index()[i].first, Qt::CaseInsensitive) <= 0);
        QCOMPARE(help.search(QStringLiteral("point total")).value(0).page, QStringLiteral("statusbar.html"));
        QVERIFY(help.search(QStringLiteral("xylophone quasar")).isEmpty());
        QVERIFY(help.search(QStringLiteral("   ")).isEmpty());
    }

    void helpSearchMatchesWholeWords()
    {
        const QString root = env.dir() + QStringLiteral("/help");
        QDir().mkpath(root);
        writeFile(root + QStringLiteral("/keeper.html"), "<title>Keeper</title><p>The goalie wears gloves.</p>");
        writeFile(root + QStringLiteral("/scoring.html"), "<title>Scoring</title><p>A goal counts once. Goal!</p>");
        const QList<HelpHit> hits = HelpCatalog::load(root).search(QStringLiteral("goal"));
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits.first().page, QStringLiteral("scoring.html"));
        QCOMPARE(HelpCatalog::load(root).search(QStringLiteral("goalie")).value(0).page, QStringLiteral("keeper.html"));
    }

    void aboutBoxTellsVersionAndWhereThingsAre()
    {
        frmAbout about;
        QVERIFY(frmAbout::systemInfo().contains(QLatin1String("Settings: ")));
        QTest::mouseClick(child<QPushButton>(&about, "cmdSysInfo"), Qt::LeftButton);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        screenshot(&about, QStringLiteral("about"));
    }

    void theEditingBaseGuardsLoadingAndAsksBeforeLosingChanges()
    {
        // A small editing window on the shared base: one field edit, one drawn-surface edit.
        struct Editor : EditWindow {
            QPushButton* saveButton = new QPushButton(QStringLiteral("Save"), this);
            QLineEdit* name = new QLineEdit(this);
            int saves = 0;
            bool saveWorks = true;
            int handled = 0;
            using EditWindow::setDirtyMarker;
            Editor()
            {
                setWindowTitle(QStringLiteral("Lineup"));
                setDirtyMarker(nullptr, saveButton);
                connect(name, &QLineEdit::textChanged, this,
                        handler(QStringLiteral("txtName_Change"), [this](const QString&) {
                            ++handled;
                            markChanged();
                        }));
                connect(saveButton, &QPushButton::clicked, this, handler(QStringLiteral("SaveBtn_Click"), [] {
                            throw PwError(err::DatabaseQuery, QStringLiteral("disk full"));
                        }));
                load(QStringLiteral("Form_Load"), [this] { name->setText(QStringLiteral("Blue Herons")); });
            }
            bool save() override
            {
                ++saves;
                if (saveWorks)
                    markSaved();
                return saveWorks;
            }
        } editor;
        // Filling the window is not an edit.
        QCOMPARE(editor.handled, 0);
        QVERIFY(!editor.isDirty());
        QVERIFY(!editor.saveButton->isEnabled());
        editor.name->setText(QStringLiteral("Herons"));
        editor.name->setText(QStringLiteral("Herons FC"));  // marked once
        QCOMPARE(editor.windowTitle(), QStringLiteral("Lineup (Dirty)"));
        QVERIFY(editor.saveButton->isEnabled());
        // A failing handler is reported under its own name and the window carries on.
        editor.saveButton->click();
        QVERIFY(env.prompter.find(QStringLiteral("Error")).text.contains(QLatin1String("SaveBtn_Click")));
        env.prompter.clear();
        // Closing with changes asks; Cancel keeps the window, and so does a save that fails.
        editor.show();
        env.prompter.answers << Prompter::Answer::Cancel;
        QVERIFY(!editor.closeWindow());
        QCOMPARE(env.prompter.shown.last().title, QStringLiteral("Save Data"));
        editor.saveWorks = false;
        env.prompter.answers << Prompter::Answer::Yes;
        QVERIFY(!editor.closeWindow());
        editor.saveWorks = true;
        env.prompter.answers << Prompter::Answer::Yes;
        QVERIFY(editor.closeWindow());
        QCOMPARE(editor.saves, 2);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Lineup"));

        // Undo commands drive the marker too: undoing back to the saved state is clean again.
        editor.undoStack()->push(new QUndoCommand(QStringLiteral("Place player")));
        QVERIFY(editor.isDirty());
        editor.undoStack()->undo();
        QVERIFY(!editor.isDirty());
        QVERIFY(!editor.saveButton->isEnabled());
        // A panel's button may carry the mark in its text instead.
        auto* panel = new QPushButton(QStringLiteral("Notes"), &editor);
        editor.setDirtyMarker(panel, editor.saveButton);
        editor.undoStack()->push(new QUndoCommand(QStringLiteral("Place player")));
        QCOMPARE(panel->text(), QStringLiteral("Notes (Dirty)"));
        editor.undoStack()->undo();
        QCOMPARE(panel->text(), QStringLiteral("Notes"));
        env.prompter.clear();
        editor.show();
        QVERIFY(editor.closeWindow());  // nothing to ask
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void theOptionsRulesHoldWithoutTheWindow()
    {
        // Nothing stored reads as empty, not "0".
        const Options none = Options::read();
        QCOMPARE(QStringList({none.mdbFile, none.EmailServer, none.EmailUser, none.TeamLogo}).join(QLatin1Char('|')),
                 QStringLiteral("|||"));
        QVERIFY(none.NameOpt == 0 && !none.EmailDebug && !none.EmailAllowPlain);
        Options o;
        o.EmailPassword = QStringLiteral("s3cret");
        // A blank database would make the next start a first start.
        o.mdbFile = QStringLiteral("   ");
        QCOMPARE(checkOptions(o, QStringLiteral("s3cret"))->title, QStringLiteral("Database file"));
        o.mdbFile = QStringLiteral("  /data/Pitchwise.db ");
        QVERIFY(!checkOptions(o, QStringLiteral("s3cret")));
        QCOMPARE(checkOptions(o, QStringLiteral("s3cre")).value().title, QStringLiteral("Wrong Password"));
        // The mail server and the account reach the mailer and the server as typed.
        for (const char* server : {"mail.club.org", "mail.club.org:587", "smtps://mail.club.org", " [::1]:25 "}) {
            o.EmailServer = QString::fromLatin1(server);
            QVERIFY2(!checkOptions(o, QStringLiteral("s3cret")), server);
        }
        for (const char* server :
             {"mail.club.org\r\nX", "ftp://mail.club.org", "coach@mail.club.org", "mail.club.org:70000"}) {
            o.EmailServer = QString::fromLatin1(server);
            const auto problem = checkOptions(o, QStringLiteral("s3cret"));
            QVERIFY2(problem && problem->field == OptionsProblem::Field::Server, server);
        }
        o.EmailServer.clear();
        o.EmailUser = QStringLiteral("coach\nAUTH");
        QCOMPARE(checkOptions(o, QStringLiteral("s3cret"))->title, QStringLiteral("User Name"));
        o.EmailUser = QStringLiteral("coach@club.org");
        QVERIFY(!checkOptions(o, QStringLiteral("s3cret")));
        // Only "1" allows an unencrypted connection; anything else keeps the password encrypted.
        for (const auto& [value, allowed] : {std::pair{"1", true}, {"0", false}, {"yes", false}, {"", false}}) {
            WriteSetting(QStringLiteral("EmailAllowPlain"), QString::fromLatin1(value));
            QCOMPARE(Options::read().EmailAllowPlain, allowed);
            LoadStartupSettings();
            QCOMPARE(state().EmailAllowPlain, allowed);
        }
        o.NameOpt = 2;
        o.EmailPassword = QStringLiteral(" spaced ");
        o.write();
        const Options back = Options::read();
        QCOMPARE(back.mdbFile, QStringLiteral("/data/Pitchwise.db"));
        QCOMPARE(back.NameOpt, qint16(2));
        QCOMPARE(back.EmailPassword, QStringLiteral(" spaced "));  // a password is kept as typed
        WriteSetting(QStringLiteral("NameOpt"), QStringLiteral("7"));
        QCOMPARE(Options::read().NameOpt, qint16(0));
    }

    void aNewTeamStartsWithNoGameOrPlayer()
    {
        Selection& s = selection();
        TeamSettings settings;
        settings.Periods = 4;
        s.setTeam(3, settings);
        s.setGame(7);
        s.setPlayer(2);
        QCOMPARE(s.CurrentGameNo(), qint16(7));
        QVERIFY(s.singleGame());
        s.setTeam(4, settings);
        QCOMPARE(s.CurrentGameNo(), qint16(0));
        QCOMPARE(s.CurrentPlayerNo(), qint16(0));
        QCOMPARE(s.Team().Periods, qint16(4));
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
