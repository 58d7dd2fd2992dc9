// SPDX-License-Identifier: GPL-3.0-or-later
// The team profile and the new-team wizard, driven as the coach drives them, on both engines.
#include "TestSupport.h"

#include "common/Selection.h"
#include "data/Schema.h"
#include "ui/schedule/frmSchedule.h"
#include "ui/teams/NewTeamWiz.h"
#include "ui/teams/PlayerInfo.h"
#include "ui/teams/TeamFields.h"
#include "ui/teams/TeamInfo.h"
#include "ui/teams/frmOpponent.h"
#include "ui_TeamFields.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace pw;
using namespace pwtest;
using A = Prompter::Answer;

class TestTeamWindows : public StoreTest {
    Q_OBJECT

private:
    // Typed as the keyboard would, accents and emoji included.
    static void type(QLineEdit* e, const QString& text)
    {
        e->clear();
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, text, Qt::NoModifier);
    }

    static QString column(int teamNo, const char* name)
    {
        return GetDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), teamNo}}, QString::fromLatin1(name));
    }

    // The three teams the profile's tests start from, named so that the picker sorts them
    // Badgers, Comets, Rockets.
    static void threeTeams()
    {
        emptyTables();
        addTeam(1, QStringLiteral("Comets"),
                fields(QStringLiteral(
                           "League ClubName TeamCoach1 TeamCoach1Phone JerseyColor ShortsColor Minutes MinQtrReq "
                           "ManageFees TeamAmount TeamPracticeSchedule TrackCaptain SeasonCaptains TimeTrack "
                           "NumberOfGames EmailSendTo"),
                       {"Valley Youth League", "Comets SC", "Jo Park", "555-0101", "Red", "White", 20, 2, true, 1500.0,
                        "1,6:00 PM-7:30 PM;0,0;0,0;1,5:30 PM-7:00 PM;0,0", 1, "3;7", 1, 6, "results@example.org"}));
        addTeam(2, QStringLiteral("Rockets"), fields(QStringLiteral("Sex AgeDivision"), {"B", "U12"}));
        addTeam(3, QStringLiteral("Badgers"), fields(QStringLiteral("Visible Sex"), {false, "C"}));
        addPlayer(1, 1, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 7);
        addOpponent(1, 1, QStringLiteral("Blue Herons"));
    }

    // Runs work on the modal dialog that opens next (the wizard from Add, a first start).
    template <typename D> static void whenShown(std::function<void(D*)> work)
    {
        QTimer::singleShot(0, [work] {
            auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!d)
                qFatal("the expected dialog did not open");
            work(d);
        });
    }

    static void fillWizard(NewTeamWiz* w, const QString& name)
    {
        Ui::TeamFields& ui = w->fields()->ui();
        ui.TxtLeague->setText(QStringLiteral("Valley Youth League"));
        ui.txtTeamName->setText(name);
        ui.txtClubName->setText(QStringLiteral("Valley SC"));
        w->cmdNext_Click();
        ui.txtSeason->setText(QStringLiteral("Spring 2027"));
        ui.txtAge->setCurrentIndex(ui.txtAge->findText(QStringLiteral("U9")));
        w->txtAge_Click();
        ui.optSex_1->setChecked(true);
        w->cmdNext_Click();
        w->cmdNext_Click();
        ui.txtCoach_1->setText(QStringLiteral("Sam Reed"));
        ui.txtCoachPhone_1->setText(QStringLiteral("555-0199"));
        w->cmdNext_Click();
        w->cmdNext_Click();
    }

private Q_SLOTS:

    void init()
    {
        env.reset();
        threeTeams();
    }

    // Escape is the second way out of a window, after its close button: with unsaved changes it
    // asks first, Cancel keeps the window with its edits, No lets them go.
    void escapeAsksBeforeAnyEditingWindowDropsItsEdits()
    {
        selection().setTeam(1, {});
        const QList<std::function<EditWindow*()>> windows{
            [] { return new TeamInfo(1); },
            [] { return new PlayerInfo(1); },
            [] { return new frmOpponent(1); },
            [] { return new frmSchedule(1, 0, 0); },
        };
        for (const auto& make : windows) {
            std::unique_ptr<EditWindow> w(make());
            const QString name = QString::fromLatin1(w->metaObject()->className());
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            w->markChanged();
            env.prompter.clear();
            env.prompter.answers << Prompter::Answer::Cancel;
            QTest::keyClick(w.get(), Qt::Key_Escape);
            QVERIFY2(w->isVisible() && w->isDirty(), qPrintable(name));
            QCOMPARE(env.prompter.shown.size(), 1);
            QCOMPARE(env.prompter.shown.last().icon, Prompter::Icon::Question);
            env.prompter.answers << Prompter::Answer::No;
            QTest::keyClick(w.get(), Qt::Key_Escape);
            QVERIFY2(!w->isVisible(), qPrintable(name));
            QCOMPARE(env.prompter.shown.size(), 2);
        }
    }

    void theProfileShowsTheTeamOnItsPages()
    {
        selection().setTeam(1, {});
        TeamInfo w(1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Team Information"));
        const Ui::TeamFields& ui = w.fields()->ui();
        QStringList tabs;
        for (int i = 0; i < ui.TeamConfigTab->count(); ++i)
            tabs << ui.TeamConfigTab->tabText(i);
        QCOMPARE(tabs.join(QLatin1Char(',')), QStringLiteral("General,Season,Tracking,Coaches,Practice,Reporting"));
        QCOMPARE(ui.CoachTab->tabText(0) + QLatin1Char(',') + ui.CoachTab->tabText(1) + QLatin1Char(',') +
                     ui.CoachTab->tabText(2),
                 QStringLiteral("Coach,Assist. Coach,Assist. Coach"));
        QMenu* team = child<QMenu>(&w, "mnuTeam");
        QStringList items;
        for (QAction* a : team->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items.join(QLatin1Char(',')), QStringLiteral("Add,Delete,-,Copy Team"));

        // Every team, hidden ones too, by name.
        auto* picker = child<QComboBox>(&w, "CTeam");
        QCOMPARE(picker->count(), 3);
        QCOMPARE(picker->itemText(0), QStringLiteral("Badgers (U10C-Fall 2026)"));
        QCOMPARE(picker->currentText(), QStringLiteral("Comets (U10G-Fall 2026)"));
        QCOMPARE(child<QLabel>(&w, "lblTeamNo")->text(), QStringLiteral("1"));
        QCOMPARE(ui.TxtLeague->text(), QStringLiteral("Valley Youth League"));
        QCOMPARE(ui.txtTeamAmount->text(), QStringLiteral("$1,500.00"));
        QVERIFY(ui.txtTeamAmount->isEnabled());
        QVERIFY(ui.optSex_1->isChecked());
        QCOMPARE(ui.txtAge->currentText(), QStringLiteral("U10"));
        QVERIFY(ui.CptOpt_1->isChecked() && ui.optTimeTrack_1->isChecked());
        QVERIFY(ui.chk_0->isChecked() && !ui.chk_1->isChecked() && ui.chk_3->isChecked());
        QCOMPARE(ui.txtPracS_3->text(), QStringLiteral("5:30 PM"));
        QVERIFY(!ui.txtPracS_1->isEnabled() && ui.txtPracE_3->isEnabled());
        QCOMPARE(ui.txtPts_0->text() + ui.txtPts_1->text() + ui.txtPts_2->text(), QStringLiteral("310"));
        QVERIFY(child<QCheckBox>(&w, "chkShowTeam")->isChecked());
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());

        w.resize(w.sizeHint());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < ui.TeamConfigTab->count(); ++i) {
            ui.TeamConfigTab->setCurrentIndex(i);
            screenshot(&w, QStringLiteral("team-profile-%1").arg(ui.TeamConfigTab->tabText(i).toLower()));
        }

        // A co-ed team stays co-ed, and picking it asks nothing while nothing changed.
        picker->setCurrentIndex(0);
        w.CTeam_Click(0);
        QVERIFY(env.prompter.shown.isEmpty());
        QVERIFY(ui.optSex_2->isChecked());
        QVERIFY(!child<QCheckBox>(&w, "chkShowTeam")->isChecked());
        QVERIFY(!ui.txtTeamAmount->isEnabled());
        w.close();
    }

    void screenReadersFindEveryFieldByName()
    {
        TeamInfo w(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(unnamedControls(&w).join(QStringLiteral("; ")), QString());
        // The practice times say which day and which end of the practice they are.
        const Ui::TeamFields& ui = w.fields()->ui();
        QCOMPARE(QAccessible::queryAccessibleInterface(ui.txtPracS_0)->text(QAccessible::Name),
                 QStringLiteral("Monday start"));
        QCOMPARE(QAccessible::queryAccessibleInterface(ui.txtPracE_4)->text(QAccessible::Name),
                 QStringLiteral("Friday end"));
    }

    void theRequiredFieldsAreCheckedInOrder()
    {
        TeamInfo w(2);
        Ui::TeamFields& ui = w.fields()->ui();
        // Fill everything the check wants, then empty one field at a time.
        const QList<QPair<QLineEdit*, QString>> filled{{ui.txtJerseyColor, QStringLiteral("Blue")},
                                                       {ui.txtShortsColor, QStringLiteral("Black")},
                                                       {ui.txtCoach_1, QStringLiteral("Lee")},
                                                       {ui.txtCoachPhone_1, QStringLiteral("555")}};
        for (const auto& [edit, text] : filled)
            edit->setText(text);
        const QList<QPair<QWidget*, QString>> order{{ui.txtTeamName, QStringLiteral("Team Name:")},
                                                    {ui.txtSeason, QStringLiteral("Season:")},
                                                    {ui.txtAge, QStringLiteral("Age:")},
                                                    {ui.txtNoPlayers, QStringLiteral("Players on the field:")},
                                                    {ui.txtJerseyColor, QStringLiteral("Jersey:")},
                                                    {ui.txtShortsColor, QStringLiteral("Shorts:")},
                                                    {ui.txtCoach_1, QStringLiteral("Name:")},
                                                    {ui.txtCoachPhone_1, QStringLiteral("Phone:")},
                                                    {ui.txtPeriods, QStringLiteral("Periods/Game:")}};
        const QString before = column(2, "TeamName");
        for (const auto& [field, caption] : order) {
            env.prompter.clear();
            QString kept;
            if (auto* e = qobject_cast<QLineEdit*>(field)) {
                kept = e->text();
                e->clear();
            } else {
                ui.txtAge->setCurrentIndex(-1);
            }
            QVERIFY(!w.CheckCritical());
            QCOMPARE(env.prompter.shown.size(), 1);
            QCOMPARE(env.prompter.shown[0].title, QStringLiteral("Missing Data"));
            QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Critical data is missing for: ") + caption);
            QCOMPARE(env.prompter.shown[0].icon, Prompter::Icon::Critical);
            if (auto* e = qobject_cast<QLineEdit*>(field))
                e->setText(kept);
            else
                ui.txtAge->setCurrentIndex(ui.txtAge->findText(QStringLiteral("U12")));
        }
        QVERIFY(w.CheckCritical());
        QCOMPARE(column(2, "TeamName"), before);
    }

    void aSaveWritesTheFieldsAndKeepsWhatOthersWrote()
    {
        NoticeLog saved;
        TeamInfo w(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Ui::TeamFields& ui = w.fields()->ui();
        type(ui.TxtLeague, QStringLiteral("Liga \"Norte\" – Ñandú ⚽"));
        QVERIFY(w.isDirty());
        QVERIFY(w.windowTitle().endsWith(QLatin1String(" (Dirty)")));
        ui.txtTeamAmount->clear();
        QTest::mouseClick(ui.chk_1, Qt::LeftButton);
        QTest::mouseClick(ui.chk_0, Qt::LeftButton);
        ui.txtPts_0->setText(QStringLiteral("3"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QVERIFY(env.prompter.shown.isEmpty());
        QCOMPARE(column(1, "League"), QStringLiteral("Liga \"Norte\" – Ñandú ⚽"));
        QCOMPARE(column(1, "TeamAmount").toDouble(), 0.0);
        QCOMPARE(column(1, "TeamPracticeSchedule"), QStringLiteral("0,0;1,6:00 PM-7:30 PM;0,0;1,5:30 PM-7:00 PM;0,0"));
        QCOMPARE(column(1, "PointValue"), QStringLiteral("3;1;0"));
        // The captains chosen for the season and the season's games are not the profile's.
        QCOMPARE(column(1, "SeasonCaptains"), QStringLiteral("3;7"));
        QCOMPARE(column(1, "NumberOfGames"), QStringLiteral("6"));
        QVERIFY(!w.isDirty());
        QVERIFY(saved.count(Change::Team) > 0);

        // A different captain mode makes the season's captains meaningless.
        QTest::mouseClick(ui.CptOpt_0, Qt::LeftButton);
        QVERIFY(w.isDirty());
        w.OKButton_Click();
        QCOMPARE(column(1, "TrackCaptain"), QStringLiteral("0"));
        QCOMPARE(column(1, "SeasonCaptains"), QString());

        // A fee that is not an amount is refused, with nothing written.
        QTest::mouseClick(ui.chkMoney, Qt::LeftButton);
        QTest::mouseClick(ui.chkMoney, Qt::LeftButton);
        type(ui.txtTeamAmount, QStringLiteral("lots"));
        w.OKButton_Click();
        QCOMPARE(env.prompter.find(QStringLiteral("Team Fee")).text,
                 QStringLiteral("The team fee must be an amount, such as 150.00."));
        QVERIFY(w.isDirty());
        type(ui.txtTeamAmount, QStringLiteral("1234.5"));
        ui.txtTeamAmount->clearFocus();
        QCOMPARE(ui.txtTeamAmount->text(), QStringLiteral("$1,234.50"));
        w.OKButton_Click();
        QCOMPARE(column(1, "TeamAmount").toDouble(), 1234.5);
        w.close();
    }

    // The coaches' addresses and the one for game results reach the mail server as typed: one
    // that is no e-mail address is refused at Save (and at the wizard's Next) with the field
    // named, its page shown and the cursor in it; nothing is written.
    void addressesAreCheckedWhereTheyAreTyped()
    {
        TeamInfo w(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Ui::TeamFields& ui = w.fields()->ui();
        type(ui.txtEmail_2, QStringLiteral("ana@club.example"));
        ui.txtEmail_2->setText(QStringLiteral("ana@club.example\r\nRCPT TO:<everyone@club.example>"));  // as pasted
        ui.TeamConfigTab->setCurrentIndex(0);
        w.OKButton_Click();
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Invalid E-mail Address")});
        QVERIFY(env.prompter.shown[0].text.startsWith(
            QStringLiteral("The first assistant coach's Email is not a valid e-mail address: it holds a line break")));
        QCOMPARE(ui.TeamConfigTab->currentWidget(), ui.Coaches);
        QCOMPARE(ui.CoachTab->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), ui.txtEmail_2);
        QVERIFY(w.isDirty());
        QCOMPARE(column(1, "TeamCoach2Email"), QString());

        env.prompter.clear();
        type(ui.txtEmail_2, QStringLiteral("Ana Ruiz <ana@club.example>"));
        type(ui.txtReportEmail, QStringLiteral("results@example.org> NOTIFY=SUCCESS"));
        w.OKButton_Click();
        QVERIFY(env.prompter.shown.value(0).text.startsWith(QStringLiteral(
            "The Email address to Send Game Results is not a valid e-mail address: it holds angle brackets")));
        QCOMPARE(ui.TeamConfigTab->currentWidget(), ui.Reporting);
        QCOMPARE(column(1, "EmailSendTo"), QStringLiteral("results@example.org"));

        env.prompter.clear();
        type(ui.txtReportEmail, QStringLiteral("League Results <results@league.example>"));
        w.OKButton_Click();
        QVERIFY(env.prompter.shown.isEmpty());
        QCOMPARE(column(1, "TeamCoach2Email"), QStringLiteral("Ana Ruiz <ana@club.example>"));
        QCOMPARE(column(1, "EmailSendTo"), QStringLiteral("League Results <results@league.example>"));

        // The wizard checks the page the address stands on before it moves on.
        NewTeamWiz wizard(5, NewTeamWiz::Mode::AddTeam);
        Ui::TeamFields& wui = wizard.fields()->ui();
        wui.TxtLeague->setText(QStringLiteral("League"));
        wui.txtTeamName->setText(QStringLiteral("Falcons"));
        wui.txtClubName->setText(QStringLiteral("Falcons FC"));
        wizard.cmdNext_Click();
        wui.txtSeason->setText(QStringLiteral("Spring 2027"));
        wui.txtAge->setCurrentIndex(wui.txtAge->findText(QStringLiteral("U9")));
        wizard.txtAge_Click();
        wui.optSex_1->setChecked(true);
        wizard.cmdNext_Click();
        wizard.cmdNext_Click();
        wui.txtCoach_1->setText(QStringLiteral("Sam Reed"));
        wui.txtCoachPhone_1->setText(QStringLiteral("555-0199"));
        wui.txtEmail_1->setText(QStringLiteral("sam reed@club.example"));
        env.prompter.clear();
        wizard.cmdNext_Click();
        QCOMPARE(wizard.currentPage(), 3);
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Invalid E-mail Address")});
        QVERIFY(
            env.prompter.shown[0].text.startsWith(QStringLiteral("The coach's Email is not a valid e-mail address: ")));
        wui.txtEmail_1->setText(QStringLiteral("sam.reed@club.example"));
        wizard.cmdNext_Click();
        QCOMPARE(wizard.currentPage(), 4);
    }

    void switchingTeamsAsksAboutChanges()
    {
        TeamInfo w(1);
        auto* picker = child<QComboBox>(&w, "CTeam");
        w.fields()->ui().txtSeason->setText(QStringLiteral("Winter"));
        w.markChanged();
        env.prompter.answers = {A::Cancel};
        picker->setCurrentIndex(2);
        w.CTeam_Click(2);
        QCOMPARE(env.prompter.shown.value(0).title, QStringLiteral("Save Data"));
        QCOMPARE(picker->currentIndex(), 1);
        QCOMPARE(w.fields()->ui().txtSeason->text(), QStringLiteral("Winter"));

        env.prompter.answers = {A::No};
        picker->setCurrentIndex(2);
        w.CTeam_Click(2);
        QCOMPARE(w.shownTeamNo(), qint16(2));
        QCOMPARE(column(1, "Season"), QStringLiteral("Fall 2026"));
        QVERIFY(!w.isDirty());
    }

    void deletingAsksAndShowsTheNeighbour()
    {
        TeamInfo w(2);  // Rockets, the last entry
        auto* picker = child<QComboBox>(&w, "CTeam");
        w.TeamDelete_Click();
        const auto asked = env.prompter.find(QStringLiteral("Confirm Delete"));
        QVERIFY(asked.text.startsWith(QLatin1String("Are you sure you want to delete Rockets (U12B-Fall 2026)?")));
        QCOMPARE(countRows(QStringLiteral("Teams")), 3);  // answered No

        env.prompter.answers = {A::Yes};
        w.TeamDelete_Click();
        QCOMPARE(countRows(QStringLiteral("Teams")), 2);
        QCOMPARE(w.shownTeamNo(), qint16(1));  // the previous entry
        QCOMPARE(picker->currentText(), QStringLiteral("Comets (U10G-Fall 2026)"));

        picker->setCurrentIndex(0);
        w.CTeam_Click(0);  // Badgers, the first entry
        env.prompter.answers = {A::Yes};
        w.TeamDelete_Click();
        QCOMPARE(w.shownTeamNo(), qint16(1));  // the next entry
        QCOMPARE(countRows(QStringLiteral("Player")), 1);

        // The last team leaves an empty profile that Save would add under the next number.
        env.prompter.answers = {A::Yes};
        w.TeamDelete_Click();
        QCOMPARE(countRows(QStringLiteral("Teams")), 0);
        QCOMPARE(countRows(QStringLiteral("Player")) + countRows(QStringLiteral("Opponent")), 0);
        QCOMPARE(picker->count(), 0);
        QCOMPARE(child<QLabel>(&w, "lblTeamNo")->text(), QStringLiteral("1"));
        QVERIFY(w.fields()->ui().txtTeamName->text().isEmpty());
        QVERIFY(!w.isDirty());
    }

    void copyingMakesANewTeamAndShowsIt()
    {
        TeamInfo w(1);
        w.TeamCopy_Click();
        QCOMPARE(env.prompter.find(QStringLiteral("Copy Team")).text,
                 QStringLiteral("Are you sure you want to make a copy of Comets (U10G-Fall 2026)?"));
        QCOMPARE(countRows(QStringLiteral("Teams")), 3);

        env.prompter.clear();
        env.prompter.answers = {A::Yes};
        w.TeamCopy_Click();
        QCOMPARE(countRows(QStringLiteral("Teams")), 4);
        QCOMPARE(w.shownTeamNo(), qint16(4));
        QCOMPARE(child<QComboBox>(&w, "CTeam")->count(), 4);
        QCOMPARE(
            env.prompter.find(QStringLiteral("Team Copied")).text,
            QStringLiteral(
                "Comets (U10G-Fall 2026) has been copied.\nThe team shown is the new team. Make changes as needed."));
        QCOMPARE(column(4, "League"), QStringLiteral("Valley Youth League"));
        QCOMPARE(countRows(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 4}}), 0);
    }

    void theKeyboardMovesOnThroughThePages()
    {
        TeamInfo w(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Ui::TeamFields& ui = w.fields()->ui();
        ui.TxtLeague->setFocus();
        QTest::qWait(20);
        QCOMPARE(ui.TxtLeague->selectedText(), ui.TxtLeague->text());  // the whole text, ready to replace
        QTest::keyClick(ui.TxtLeague, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ui.txtTeamName);
        ui.txtHomePage->setFocus();
        QTest::keyClick(ui.txtHomePage, Qt::Key_Return);
        QCOMPARE(ui.TeamConfigTab->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), ui.txtSeason);
        ui.TeamConfigTab->setCurrentIndex(2);
        ui.txtAlternate->setFocus();
        QTest::keyClick(ui.txtAlternate, Qt::Key_Tab);
        QCOMPARE(ui.TeamConfigTab->currentIndex(), 3);
        QCOMPARE(QApplication::focusWidget(), ui.txtCoach_1);
        ui.txtEmail_1->setFocus();
        QTest::keyClick(ui.txtEmail_1, Qt::Key_Return);
        QCOMPARE(ui.CoachTab->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), ui.txtCoach_2);
        ui.CoachTab->setCurrentIndex(2);
        ui.txtEmail_3->setFocus();
        QTest::keyClick(ui.txtEmail_3, Qt::Key_Tab);
        QCOMPARE(ui.TeamConfigTab->currentIndex(), 4);
        QCOMPARE(QApplication::focusWidget(), ui.chk_0);
        QVERIFY(!w.isDirty());  // moving about changes nothing
        w.close();
    }

    // A click into a field that has the focus already selects its text once, so that what is typed
    // replaces it (never "Fall 2026Spring 2027"); a second click places the cursor as in any field.
    void aClickIntoAFocusedFieldReplacesItsText()
    {
        TeamInfo w(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Ui::TeamFields& ui = w.fields()->ui();
        ui.TeamConfigTab->setCurrentIndex(1);
        ui.txtSeason->setFocus(Qt::TabFocusReason);
        QTest::qWait(1);
        ui.txtSeason->setText(QStringLiteral("Fall 2026"));  // shown while the field had the focus
        const QPoint end(ui.txtSeason->width() - 4, ui.txtSeason->height() / 2);
        QTest::mouseClick(ui.txtSeason, Qt::LeftButton, {}, end);
        QTest::qWait(1);
        QTest::keyClicks(ui.txtSeason, QStringLiteral("Spring 2027"));
        QCOMPARE(ui.txtSeason->text(), QStringLiteral("Spring 2027"));
        QTest::mouseClick(ui.txtSeason, Qt::LeftButton, {}, end);
        QTest::qWait(1);
        QTest::keyClicks(ui.txtSeason, QStringLiteral(" B"));
        QCOMPARE(ui.txtSeason->text(), QStringLiteral("Spring 2027 B"));
        // A practice time is typed whole, and a date in the coach's order.
        ui.TeamConfigTab->setCurrentIndex(4);
        ui.chk_1->click();
        QVERIFY(ui.txtPracS_1->isEnabled());
        ui.txtPracS_1->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5:15 pm"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(ui.txtPracS_1->time(), QTime(17, 15));
        ui.TeamConfigTab->setCurrentIndex(1);
        ui.txtCutOff->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("8/1/2026"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(ui.txtCutOff->date(), QDate(2026, 8, 1));
        w.markSaved();
        w.close();
    }

    void theWizardChecksEachPageAndSavesTheTeam()
    {
        NewTeamWiz w(5, NewTeamWiz::Mode::AddTeam);
        QCOMPARE(w.windowTitle(), QStringLiteral("New Team Wizard"));
        QCOMPARE(w.currentPage(), 0);
        QCOMPARE(child<QLabel>(&w, "lblTitle")->text(), QStringLiteral("General Information"));
        QCOMPARE(
            child<QLabel>(&w, "lblInfo")->text().section(QLatin1Char('\n'), 0, 2),
            QStringLiteral("Fill in the information about the team in general.\nLeague:\n(REQUIRED) The name of the "
                           "association to which your team belongs."));
        QVERIFY(!child<QPushButton>(&w, "cmdBack")->isEnabled());
        QVERIFY(child<QPushButton>(&w, "cmdFinish")->isHidden());
        Ui::TeamFields& ui = w.fields()->ui();
        QVERIFY(ui.txtTeamAmount->isHidden() && ui.chkMoney->isHidden());
        QCOMPARE(ui.lblCutOff->text(), QStringLiteral("Must be born after:"));
        QCOMPARE(ui.lblSeason->text(), QStringLiteral("Season/Session:"));
        QCOMPARE(ui.lblStartDate->text(), QStringLiteral("Start:"));
        QCOMPARE(ui.dpStartDate->date(), QDate::currentDate());

        w.cmdNext_Click();
        QCOMPARE(w.currentPage(), 0);
        QCOMPARE(env.prompter.titles(), (QStringList{QStringLiteral("Missing Data"), QStringLiteral("Missing Data")}));
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Critical data is missing for: League:"));
        QCOMPARE(env.prompter.shown[1].text,
                 QStringLiteral("Some required fields in the General Information section has not been completed.\n"
                                "Check the information to the left and fill in the missing data.\n"
                                "You will be able to change this information from within Pitchwise."));
        ui.TxtLeague->setText(QStringLiteral("League"));
        ui.txtTeamName->setText(QStringLiteral("Falcons"));
        ui.txtClubName->setText(QStringLiteral("Falcons FC"));
        w.cmdNext_Click();
        QCOMPARE(w.currentPage(), 1);
        QCOMPARE(child<QLabel>(&w, "lblTitle")->text(), QStringLiteral("Session Information"));

        // The age fills in the game data and the cut-off.
        ui.txtSeason->setText(QStringLiteral("Spring 2027"));
        ui.txtAge->setCurrentIndex(ui.txtAge->findText(QStringLiteral("U6")));
        w.txtAge_Click();
        QCOMPARE(ui.txtPeriods->text() + ui.txtNoPlayers->text() + ui.txtMinQtrReq->text() + ui.txtMinutes->text(),
                 QStringLiteral("4728"));
        QCOMPARE(ui.txtCutOff->date(), QDate(QDate::currentDate().year() - 7, 8, 1));
        ui.txtAge->setCurrentIndex(ui.txtAge->findText(QStringLiteral("U12")));
        w.txtAge_Click();
        QCOMPARE(ui.txtPeriods->text() + ui.txtNoPlayers->text() + ui.txtMinQtrReq->text() + ui.txtMinutes->text(),
                 QStringLiteral("411220"));
        env.prompter.clear();
        w.cmdNext_Click();
        QCOMPARE(env.prompter.shown.value(0).text, QStringLiteral("Critical Data for Division is missing."));
        QCOMPARE(w.currentPage(), 1);
        QCOMPARE(ui.optSex_2->text(), QStringLiteral("Co-Ed"));
        ui.optSex_2->setChecked(true);
        ui.txtMinutes->clear();
        env.prompter.clear();
        w.cmdNext_Click();
        QCOMPARE(env.prompter.shown.value(0).text, QStringLiteral("Critical data is missing for: Minutes/Period:"));
        ui.txtMinutes->setText(QStringLiteral("25"));
        env.prompter.clear();
        w.cmdNext_Click();
        w.cmdNext_Click();  // tracking asks for nothing
        QCOMPARE(w.currentPage(), 3);
        QVERIFY(env.prompter.shown.isEmpty());

        // An assistant with a name needs a phone number.
        ui.txtCoach_1->setText(QStringLiteral("Sam Reed"));
        ui.txtCoachPhone_1->setText(QStringLiteral("555-0199"));
        ui.txtCoach_2->setText(QStringLiteral("Ana Ruiz"));
        w.cmdNext_Click();
        QCOMPARE(env.prompter.shown.value(0).text, QStringLiteral("Critical data is missing for: Phone:"));
        QCOMPARE(ui.CoachTab->currentIndex(), 1);
        ui.txtCoachPhone_2->setText(QStringLiteral("555-0142"));
        w.cmdBack_Click();
        QCOMPARE(w.currentPage(), 2);
        w.cmdNext_Click();
        w.cmdNext_Click();
        w.cmdNext_Click();  // training asks for nothing
        QCOMPARE(w.currentPage(), 5);
        QVERIFY(child<QPushButton>(&w, "cmdNext")->isHidden());
        QVERIFY(!child<QPushButton>(&w, "cmdFinish")->isHidden());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        screenshot(&w, QStringLiteral("wizard-reporting"));
        ui.txtPts_1->clear();
        env.prompter.clear();
        w.cmdFinish_Click();
        QCOMPARE(env.prompter.shown.value(0).text, QStringLiteral("Critical data is missing for: Tie ="));
        QCOMPARE(countRows(QStringLiteral("Teams")), 3);
        ui.txtPts_1->setText(QStringLiteral("1"));
        NoticeLog saved;
        w.cmdFinish_Click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(column(5, "TeamName"), QStringLiteral("Falcons"));
        QCOMPARE(column(5, "Sex"), QStringLiteral("C"));
        QCOMPARE(column(5, "Minutes"), QStringLiteral("25"));
        QCOMPARE(column(5, "NumberOfGames"), QStringLiteral("0"));
        QCOMPARE(column(5, "TeamCoach2Phone"), QStringLiteral("555-0142"));
        QCOMPARE(column(5, "PointValue"), QStringLiteral("2;1;0"));
        QVERIFY(QVariant(column(5, "Visible")).toBool());
        QCOMPARE(saved.count(Change::Team), 1);
    }

    void theWizardPagesLookRight()
    {
        NewTeamWiz w(5, NewTeamWiz::Mode::FirstStart);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        fillWizard(&w, QStringLiteral("Falcons"));
        for (int page = 0; page < 6; ++page) {
            while (w.currentPage() > page)
                w.cmdBack_Click();
            while (w.currentPage() < page)
                w.cmdNext_Click();
            QCOMPARE(child<QLabel>(&w, "lblTitle")->text(), NewTeamWiz::pageTitle(page));
            screenshot(&w, QStringLiteral("wizard-page-%1").arg(page));
        }
        QVERIFY(env.prompter.shown.isEmpty());
        // At a first start, cancelling warns that the program will not start.
        w.cmdCancel_Click();
        QCOMPARE(env.prompter.find(QStringLiteral("Confirm Cancel")).text,
                 QStringLiteral("If you cancel now, Pitchwise will not start and at the next startup, you will have to "
                                "re-enter all information.\nAre you sure you want to cancel?"));
        QVERIFY(w.isVisible() && !state().WizardCancelled);
        env.prompter.answers = {A::Yes};
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(state().WizardCancelled);
        QCOMPARE(countRows(QStringLiteral("Teams")), 3);
    }

    void addingATeamRunsTheWizard()
    {
        TeamInfo w(1);
        state().WizardCancelled = true;
        whenShown<NewTeamWiz>([](NewTeamWiz* wiz) {
            QCOMPARE(wiz->teamNo(), qint16(4));
            fillWizard(wiz, QStringLiteral("Owls"));
            wiz->cmdFinish_Click();
        });
        w.TeamAdd_Click();
        QVERIFY(!state().WizardCancelled);
        QCOMPARE(w.shownTeamNo(), qint16(4));
        QCOMPARE(w.fields()->ui().txtTeamName->text(), QStringLiteral("Owls"));
        QCOMPARE(child<QComboBox>(&w, "CTeam")->count(), 4);

        whenShown<NewTeamWiz>([this](NewTeamWiz* wiz) {
            env.prompter.answers = {A::Yes};
            wiz->cmdCancel_Click();
        });
        w.TeamAdd_Click();
        QVERIFY(state().WizardCancelled);
        QCOMPARE(env.prompter.find(QStringLiteral("Confirm Cancel")).text,
                 QStringLiteral("The new team will not be saved.\nAre you sure you want to cancel?"));
        QCOMPARE(countRows(QStringLiteral("Teams")), 4);
        QCOMPARE(w.shownTeamNo(), qint16(4));
    }
};

QTEST_MAIN(TestTeamWindows)
#include "tst_teamwindows.moc"
