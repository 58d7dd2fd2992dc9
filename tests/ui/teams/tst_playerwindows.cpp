// SPDX-License-Identifier: GPL-3.0-or-later
// The player profile with its notes, the players list it imports from, the opponents window and
// picker, and the team roster, driven as a coach uses them, on both engines.
#include "TestSupport.h"

#include "common/Formats.h"
#include "ui/teams/PlayerInfo.h"
#include "ui/teams/dlgPlayerList.h"
#include "ui/teams/dlgRoster.h"
#include "ui/teams/frmOppList.h"
#include "ui/teams/frmOpponent.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

using namespace pw;
using namespace pwtest;

class TestPlayerWindows : public StoreTest {
    Q_OBJECT

private:
    static QString text(QWidget* w, const char* lineEdit) { return child<QLineEdit>(w, lineEdit)->text(); }
    static void click(QWidget* w, const char* button)
    {
        QTest::mouseClick(child<QAbstractButton>(w, button), Qt::LeftButton);
    }

    // What a picker, list or grid column shows, top to bottom.
    static QStringList items(const QAbstractItemModel* model, int column = 0)
    {
        QStringList out;
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, column).data().toString();
        return out;
    }
    static QStringList items(const QComboBox* box) { return items(box->model()); }
    static QStringList items(const QListWidget* list) { return items(list->model()); }

    static QStringList texts(std::initializer_list<const char*> list)
    {
        QStringList out;
        for (const char* t : list)
            out << QString::fromUtf8(t);
        return out;
    }

    // One value read past the windows, straight from the store.
    static QVariant stored(const QString& sql, const QVariantList& values = {})
    {
        QSqlQuery q = execSql(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }

    static QVariant playerField(int teamNo, int playerNo, const char* column)
    {
        return stored(
            QStringLiteral("SELECT %1 FROM Player WHERE TeamNo = ? AND PlayerNo = ?").arg(QLatin1String(column)),
            {teamNo, playerNo});
    }

    // Brooks' items to work on as stored, by priority, a ticked one with a leading "+".
    static QStringList storedNotes()
    {
        QStringList out;
        QSqlQuery q = execSql(QStringLiteral("SELECT Note, Checked FROM PlayerNotes WHERE TeamNo = 1 AND PlayerNo = 2 "
                                             "ORDER BY Priority"));
        while (q.next())
            out << (q.value(1).toBool() ? QStringLiteral("+") : QString()) + q.value(0).toString();
        return out;
    }

    static void clickRow(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    // Replaces what a line edit shows the way a coach retypes it.
    static void retype(QLineEdit* edit, const QString& newText)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, newText);
    }
    static void retype(QWidget* w, const char* lineEdit, const QString& newText)
    {
        retype(child<QLineEdit>(w, lineEdit), newText);
    }

    // A tick box reacts to clicks on its box and caption only, not on the rest of its row.
    static void tick(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    }

    static void show(QWidget& w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }

    // Comets (players out of name order by number; Brooks with an address, parents and two items
    // to work on) and its opponents, the own team among them; Rockets; a hidden Old Squad; Lions.
    static void club()
    {
        const QString coach = QStringLiteral("TeamCoach1 TeamCoach1Phone JerseyColor");
        addTeam(1, QStringLiteral("Comets"), fields(coach, {"Jo Park", "555-0100", "Gold"}));
        addTeam(2, QStringLiteral("Rockets"), fields(coach, {"Sam Lee", "555-0200", "Red"}));
        addTeam(3, QStringLiteral("Old Squad"), fields(QStringLiteral("Visible"), {false}));
        addTeam(4, QStringLiteral("Lions"));
        addPlayer(1, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 9);
        addPlayer(1, 2, QStringLiteral("Brooks"), QStringLiteral("Mia"), 7,
                  fields(QStringLiteral("Address City State ZipCode PhoneNo AmountPaid BirthDate MomFirstName "
                                        "MomAddress DadLastName DadFirstName DadAddress"),
                         {"12 Elm St", "Riverside", "CA", "92501", "555-0142", 80.0,
                          QDate::currentDate().addYears(-10).addDays(1), "Kate", "9 Oak Ave", "Okafor", "Tom",
                          "77 Birch Ln"}));
        addPlayer(1, 5, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 4);
        addPlayer(2, 2, QStringLiteral("Reyes"), QStringLiteral("Max"), 10);
        addPlayer(2, 3, QStringLiteral("Stone"), QStringLiteral("Eli"), 11);
        addPlayer(2, 4, QStringLiteral("Quinn"), QStringLiteral("Leo"), 12);
        const QString note = QStringLiteral("TeamNo PlayerNo NoteID Note Priority Checked");
        insertRow(QStringLiteral("PlayerNotes"), fields(note, {1, 2, 1, "Weak foot passing", 2, false}));
        insertRow(QStringLiteral("PlayerNotes"), fields(note, {1, 2, 2, "Head up when dribbling", 1, false}));
        const QVariantList opponents[] = {{1, 1, "Blue Herons", "Pat Moore", false},
                                          {1, 2, "Valley FC", "Lee Chan", false},
                                          {1, 5, "Comets", "Jo Park", true},
                                          {2, 1, "Hill Rovers", "Ann Fox", false}};
        for (const QVariantList& o : opponents)
            insertRow(QStringLiteral("Opponent"),
                      fields(QStringLiteral("TeamNo OpponentNo OpponentName OpponentCoach IsUs"), o));
    }

private Q_SLOTS:

    void init()
    {
        env.reset();
        emptyTables();
        club();
    }

    // Whatever a window's handler threw would have been shown under this title.
    void theProfileOpensOnThePlayerAndSavesOnlyAfterAChange()
    {
        PlayerInfo w(1, 2);
        show(w);
        auto* tabs = child<QTabWidget>(&w, "PlyrTab");
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));
        QCOMPARE(QStringList({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
                 texts({"Player", "Mother", "Father"}));
        auto* picker = child<QComboBox>(&w, "CPlayer");
        QCOMPARE(items(picker), texts({"Alvarez, Sofia", "Brooks, Mia", "Chen, Lily"}));
        QCOMPARE(picker->currentText(), QStringLiteral("Brooks, Mia"));
        QCOMPARE(child<QLabel>(&w, "lblPlayerNo")->text(), QStringLiteral("2"));
        // A day short of ten years is nine; the tenth birthday itself is ten.
        QCOMPARE(child<QLabel>(&w, "lblAge")->text(), QStringLiteral("9"));
        // The birth date typed whole, as the coach's short date, replaces the one shown.
        auto* birthDate = child<QDateEdit>(&w, "ctlBirthDate");
        birthDate->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(QApplication::focusWidget(),
                         QLocale().toString(QDate::currentDate().addYears(-10), shortDateFormat()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(birthDate->date(), QDate::currentDate().addYears(-10));
        QCOMPARE(child<QLabel>(&w, "lblAge")->text(), QStringLiteral("10"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information (Dirty)"));
        QVERIFY(child<QPushButton>(&w, "PreviewBtn")->isEnabled());
        for (int page = 0; page < 3; ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            screenshot(&w, QStringLiteral("player-profile-") + tabs->tabText(page).toLower());
        }
        tabs->setCurrentIndex(0);

        // Shown afresh, the window is clean again until the coach types.
        w.GenPlayerList(2);
        auto* saveButton = child<QPushButton>(&w, "OKButton");
        QVERIFY(!saveButton->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));
        // Letters are refused in the jersey box as they are typed, and the note says why.
        retype(&w, "txtJerseyNo", QStringLiteral("abc"));
        QCOMPARE(text(&w, "txtJerseyNo"), QString());
        QCOMPARE(QToolTip::text(), QStringLiteral("A jersey number is a whole number from 0 to 32767."));
        QVERIFY(saveButton->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information (Dirty)"));

        // Moving to another player with changes asks first; Cancel stays, No drops the change.
        env.prompter.answers << Prompter::Answer::Cancel;
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(env.prompter.find(QStringLiteral("Save Data")).text,
                 QStringLiteral("Changes have been made, Do you want to save them?"));
        QCOMPARE(w.shownPlayerNo(), qint16(2));
        QCOMPARE(picker->currentText(), QStringLiteral("Brooks, Mia"));
        QCOMPARE(text(&w, "txtJerseyNo"), QString());

        QTest::mouseClick(saveButton, Qt::LeftButton);
        QCOMPARE(playerField(1, 2, "JerseyNo").toInt(), 0);
        QCOMPARE(playerField(1, 2, "AmountPaid").toDouble(), 80.0);  // the fees window's to change
        QVERIFY(!saveButton->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));

        env.prompter.clear();
        retype(&w, "txtPlayerNickName", QStringLiteral("Mimi"));
        env.prompter.answers << Prompter::Answer::No;
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(env.prompter.titles(), texts({"Save Data"}));
        QCOMPARE(w.shownPlayerNo(), qint16(1));
        QCOMPARE(playerField(1, 2, "Nickname").toString(), QString());
        QVERIFY(!saveButton->isEnabled());
    }

    // The "May play in goal" tick is saved with the profile and shown again.
    void theMayPlayInGoalTickIsSavedWithTheProfile()
    {
        {
            PlayerInfo w(1, 1);
            show(w);
            auto* box = child<QCheckBox>(&w, "chkMayPlayGoal");
            QVERIFY(!box->isChecked());
            tick(box);
            QCOMPARE(w.windowTitle(), QStringLiteral("Player Information (Dirty)"));
            QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
            QVERIFY(playerField(1, 1, "MayPlayGoal").toBool());
            QVERIFY(!playerField(1, 5, "MayPlayGoal").toBool());
        }
        PlayerInfo again(1, 1);
        QVERIFY(child<QCheckBox>(&again, "chkMayPlayGoal")->isChecked());
    }

    void screenReadersFindEveryFieldByName()
    {
        PlayerInfo w(1, 2);
        show(w);
        QCOMPARE(unnamedControls(&w).join(QStringLiteral("; ")), QString());
        // The parts of the address are told apart, on the player's page and each parent's.
        auto name = [&](const char* control) {
            return QAccessible::queryAccessibleInterface(child<QWidget>(&w, control))->text(QAccessible::Name);
        };
        QCOMPARE(QStringList({name("txtCity"), name("txtState"), name("txtZip"), name("ctlBirthDate")}),
                 texts({"City", "State", "Zip", "Birth Date"}));
        QCOMPARE(QStringList({name("MomCity"), name("MomState"), name("DadZip")}), texts({"City", "State", "Zip"}));
    }

    void closingWithChangesAsksAndAFailedSaveKeepsTheWindow()
    {
        PlayerInfo w(1, 2);
        show(w);
        retype(&w, "txtPlayerLastName", QString());
        env.prompter.answers << Prompter::Answer::Yes;
        QVERIFY(!w.closeWindow());
        QCOMPARE(env.prompter.titles(), texts({"Save Data", "Player Name"}));
        QVERIFY(w.isVisible());
        env.prompter.answers << Prompter::Answer::No;
        QVERIFY(w.closeWindow());
        QCOMPARE(playerField(1, 2, "PlayerLastName").toString(), QStringLiteral("Brooks"));
    }

    // An address reaches the mail server as typed: one that is no e-mail address (a line break
    // with commands after it, an angle bracket out of place, a bad one among several) is refused
    // at Save with the field named, its page shown and the cursor in it; nothing is stored.
    void anAddressThatIsNoEmailAddressIsRefusedWhereItIsTyped()
    {
        PlayerInfo w(1, 2);
        show(w);
        auto* tabs = child<QTabWidget>(&w, "PlyrTab");
        auto* mum = child<QLineEdit>(&w, "MomEmail");
        auto* dad = child<QLineEdit>(&w, "DadEmail");
        retype(mum, QStringLiteral("kate@home.example"));
        mum->setText(QStringLiteral("kate@home.example>\r\nDATA\r\nSubject: injected"));  // as pasted
        tabs->setCurrentIndex(0);
        click(&w, "OKButton");
        QCOMPARE(env.prompter.titles(), texts({"Invalid E-mail Address"}));
        QCOMPARE(env.prompter.shown[0].text,
                 QStringLiteral("The mother's E-Mail is not a valid e-mail address: it holds a line break, a tab or "
                                "another control character.\nType it as name@example.org or as Name "
                                "<name@example.org>; several addresses are parted by commas."));
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), mum);
        QCOMPARE(playerField(1, 2, "MomEmail").toString(), QString());

        env.prompter.clear();
        retype(mum, QStringLiteral("kate@home.example> NOTIFY=SUCCESS"));
        click(&w, "OKButton");
        QVERIFY(env.prompter.shown.value(0).text.contains(QStringLiteral("angle brackets")));
        retype(mum, QStringLiteral("Kate Brooks <kate@home.example>"));
        env.prompter.clear();
        retype(dad, QStringLiteral("tom@work.example, tom home@example.org"));
        click(&w, "OKButton");
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(env.prompter.shown.value(0).text.startsWith(
            QStringLiteral("The father's E-Mail is not a valid e-mail address: \"tom home@example.org\": ")));
        QCOMPARE(playerField(1, 2, "DadEmail").toString(), QString());

        env.prompter.clear();
        retype(dad, QStringLiteral("tom@work.example, \"Okafor, Tom\" <tom@home.example>"));
        click(&w, "OKButton");
        QVERIFY(env.prompter.shown.isEmpty());
        QCOMPARE(playerField(1, 2, "MomEmail").toString(), QStringLiteral("Kate Brooks <kate@home.example>"));
        QCOMPARE(playerField(1, 2, "DadEmail").toString(),
                 QStringLiteral("tom@work.example, \"Okafor, Tom\" <tom@home.example>"));
    }

    void aMotherAtThePlayersAddressFollowsItIntoTheStore()
    {
        PlayerInfo w(1, 2);
        show(w);
        child<QTabWidget>(&w, "PlyrTab")->setCurrentIndex(1);
        QCOMPARE(text(&w, "MomAddress"), QStringLiteral("9 Oak Ave"));
        tick(child<QCheckBox>(&w, "chkMomSameAdd"));
        const char* momFields[] = {"MomAddress", "MomCity", "MomState", "MomZip", "MomPhone"};
        const QStringList player = texts({"12 Elm St", "Riverside", "CA", "92501", "555-0142"});
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(text(&w, momFields[i]), player[i]);
            QVERIFY2(!child<QLineEdit>(&w, momFields[i])->isEnabled(), momFields[i]);
        }
        QVERIFY(child<QLineEdit>(&w, "MomEmail")->isEnabled());
        QVERIFY(child<QLineEdit>(&w, "DadAddress")->isEnabled());

        child<QTabWidget>(&w, "PlyrTab")->setCurrentIndex(0);
        retype(&w, "txtAddress", QStringLiteral("40 Pine Rd"));
        QCOMPARE(text(&w, "MomAddress"), QStringLiteral("40 Pine Rd"));
        click(&w, "OKButton");
        QCOMPARE(playerField(1, 2, "MomAddress").toString(), QStringLiteral("40 Pine Rd"));
        QCOMPARE(playerField(1, 2, "MomZip").toString(), QStringLiteral("92501"));
        QVERIFY(playerField(1, 2, "MomSameAdd").toBool());
        QCOMPARE(playerField(1, 2, "DadAddress").toString(), QStringLiteral("77 Birch Ln"));

        // Opened again the tick holds; taken off, the fields keep the address and may be edited.
        PlayerInfo again(1, 2);
        show(again);
        child<QTabWidget>(&again, "PlyrTab")->setCurrentIndex(1);
        auto* same = child<QCheckBox>(&again, "chkMomSameAdd");
        QVERIFY(same->isChecked());
        QVERIFY(!child<QLineEdit>(&again, "MomCity")->isEnabled());
        tick(same);
        QVERIFY(child<QLineEdit>(&again, "MomCity")->isEnabled());
        QCOMPARE(text(&again, "MomAddress"), QStringLiteral("40 Pine Rd"));
    }

    void parentLastNamesFollowThePlayersUnlessTheyDiffer()
    {
        PlayerInfo w(1, 2);
        show(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* last = child<QLineEdit>(&w, "txtPlayerLastName");
        // The mother has no last name yet, then the player's old one: she follows both times; the
        // father keeps his own.
        for (const QString& name : {QStringLiteral("Hale"), QStringLiteral("Brooks-Hale")}) {
            QTest::mouseClick(last, Qt::LeftButton);
            QVERIFY(last->hasFocus());
            retype(last, name);
            QTest::keyClick(last, Qt::Key_Tab);
            QVERIFY(!last->hasFocus());
            QCOMPARE(text(&w, "MomLastName"), name);
            QCOMPARE(text(&w, "DadLastName"), QStringLiteral("Okafor"));
        }
        // Emptied, it changes nobody.
        QTest::mouseClick(last, Qt::LeftButton);
        retype(last, QString());
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(text(&w, "MomLastName"), QStringLiteral("Brooks-Hale"));
        retype(last, QStringLiteral("Brooks-Hale"));
        click(&w, "OKButton");
        QCOMPARE(playerField(1, 2, "MomLastName").toString(), QStringLiteral("Brooks-Hale"));
        QCOMPARE(playerField(1, 2, "DadLastName").toString(), QStringLiteral("Okafor"));
        QCOMPARE(child<QComboBox>(&w, "CPlayer")->currentText(), QStringLiteral("Brooks-Hale, Mia"));
    }

    void leavingTheLastNameUnchangedAndAMissingBirthDateChangeNothing()
    {
        // Chen has no parents' last names and no birth date stored.
        execSql(QStringLiteral("UPDATE Player SET BirthDate = NULL WHERE TeamNo = 1 AND PlayerNo = 1"));
        PlayerInfo w(1, 1);
        show(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(child<QLabel>(&w, "lblAge")->text(), QString());
        auto* last = child<QLineEdit>(&w, "txtPlayerLastName");
        QTest::mouseClick(last, Qt::LeftButton);
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(text(&w, "MomLastName"), QString());
        QVERIFY(!w.isDirty());
        // Another change saved keeps the birth date empty rather than today's.
        retype(&w, "txtPhone", QStringLiteral("555-0199"));
        click(&w, "OKButton");
        QVERIFY(playerField(1, 1, "BirthDate").isNull());
        QCOMPARE(playerField(1, 1, "MomLastName").toString(), QString());
        // A date the coach picks is kept.
        child<QDateEdit>(&w, "ctlBirthDate")->setDate(QDate(2016, 4, 2));
        QVERIFY(!child<QLabel>(&w, "lblAge")->text().isEmpty());
        click(&w, "OKButton");
        QCOMPARE(toDateTime(playerField(1, 1, "BirthDate")).date(), QDate(2016, 4, 2));
    }

    void theNotesPanelShowsTheWholeUpdateCaption()
    {
        PlayerInfo w(1, 2);
        show(w);
        click(&w, "OpenBtn");
        auto* update = child<QPushButton>(&w, "UpdateBtn");
        w.UpBtn_Click();
        child<QListWidget>(&w, "NoteList")->setCurrentRow(1);
        w.UpBtn_Click();
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        QVERIFY(update->width() >= update->fontMetrics().horizontalAdvance(update->text()));
    }

    void addingAndDeletingPlayersThroughThePlayerMenu()
    {
        PlayerInfo w(1, 2);
        show(w);
        auto* picker = child<QComboBox>(&w, "CPlayer");
        auto* add = w.findChild<QAction*>(QStringLiteral("PlayerAdd"));
        auto* del = w.findChild<QAction*>(QStringLiteral("PlayerDelete"));
        QVERIFY(add && del);
        const pw::Where comets{{QStringLiteral("TeamNo"), 1}};

        // A cancelled name, then an empty one, add nobody.
        add->trigger();
        env.prompter.inputs << QString() << QStringLiteral("Aoi");
        add->trigger();
        QCOMPARE(countRows(QStringLiteral("Player"), comets), 3);
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());

        env.prompter.clear();
        env.prompter.inputs << QStringLiteral("Nakamura") << QStringLiteral("Aoi");
        add->trigger();
        QCOMPARE(env.prompter.titles(), texts({"Player Name", "Player Name"}));
        QCOMPARE(env.prompter.shown[0].kind, QStringLiteral("input"));
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Enter the new player's LAST name."));
        QCOMPARE(env.prompter.shown[1].text, QStringLiteral("Enter the new player's FIRST name."));
        // The number after the highest, not after the count.
        QCOMPARE(playerField(1, 6, "PlayerFirstName").toString(), QStringLiteral("Aoi"));
        QCOMPARE(playerField(1, 6, "MomLastName").toString(), QStringLiteral("Nakamura"));
        QCOMPARE(playerField(1, 6, "AmountPaid").toDouble(), 0.0);
        QCOMPARE(items(picker).size(), 4);
        QCOMPARE(picker->currentText(), QStringLiteral("Nakamura, Aoi"));
        QCOMPARE(w.shownPlayerNo(), qint16(6));
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));

        // Alvarez, Brooks, Chen, Nakamura: No keeps Brooks; Yes removes her with her notes and
        // shows the next one.
        picker->setCurrentIndex(1);
        w.CPlayer_Click(1);
        env.prompter.clear();
        del->trigger();
        QCOMPARE(env.prompter.find(QStringLiteral("Confirm Delete")).text,
                 QStringLiteral("Are you sure you want to delete Brooks, Mia?"));
        QCOMPARE(countRows(QStringLiteral("Player"), comets), 4);
        env.prompter.answers << Prompter::Answer::Yes;
        del->trigger();
        const pw::Where brooks{{QStringLiteral("TeamNo"), 1}, {QStringLiteral("PlayerNo"), 2}};
        QCOMPARE(countRows(QStringLiteral("Player"), brooks), 0);
        QCOMPARE(countRows(QStringLiteral("PlayerNotes"), brooks), 0);
        QCOMPARE(items(picker), texts({"Alvarez, Sofia", "Chen, Lily", "Nakamura, Aoi"}));
        QCOMPARE(picker->currentText(), QStringLiteral("Chen, Lily"));
        QCOMPARE(w.shownPlayerNo(), qint16(1));
        QCOMPARE(text(&w, "txtPlayerFirstName"), QStringLiteral("Lily"));

        // The last entry gone, the one before it shows.
        picker->setCurrentIndex(2);
        w.CPlayer_Click(2);
        env.prompter.answers << Prompter::Answer::Yes;
        del->trigger();
        QCOMPARE(picker->currentText(), QStringLiteral("Chen, Lily"));
        QCOMPARE(w.shownPlayerNo(), qint16(1));
    }

    void copyingOffersOnlyTeamsWhereTheNumberIsFree()
    {
        PlayerInfo w(1, 2);
        show(w);
        auto* teams = child<QComboBox>(&w, "TeamList");
        // Comets has Brooks as 2 and so has Rockets (Reyes): neither is offered; hidden teams are.
        QCOMPARE(items(teams), texts({"Lions (U10G-Fall 2026)", "Old Squad (U10G-Fall 2026)"}));
        teams->setCurrentIndex(1);
        click(&w, "CopyBtn");
        QCOMPARE(playerField(3, 2, "PlayerLastName").toString(), QStringLiteral("Brooks"));
        QCOMPARE(playerField(3, 2, "DadAddress").toString(), QStringLiteral("77 Birch Ln"));
        QCOMPARE(playerField(3, 2, "AmountPaid").toDouble(), 0.0);
        QCOMPARE(countRows(QStringLiteral("PlayerNotes"), {{QStringLiteral("TeamNo"), 3}}), 0);
        QCOMPARE(env.prompter.find(QStringLiteral("Copy Player")).text,
                 QStringLiteral("Brooks, Mia has been copied to Old Squad (U10G-Fall 2026)."));
        QCOMPARE(items(teams), texts({"Lions (U10G-Fall 2026)"}));
    }

    void importingAPlayerFromAnotherTeam()
    {
        PlayerInfo w(1, 2);
        show(w);
        QStringList before, after, message;
        bool modal = false;
        // The list is modal: it is worked once the import has opened it.
        QObject scope;  // a list that never opens leaves nothing behind to run later
        QTimer::singleShot(0, &scope, [&] {
            QWidget* top = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<dlgPlayerList*>(top);
            modal = dialog != nullptr;
            if (dialog) {
                before = items(dialog->list());
                screenshot(dialog, QStringLiteral("players-list"));
                clickRow(dialog->list(), 1);
                click(dialog, "AddBtn");
                message << env.prompter.shown.value(0).title << env.prompter.shown.value(0).text;
                after = items(dialog->list());
            }
            if (top)
                top->close();
        });
        w.findChild<QAction*>(QStringLiteral("PlayerImport"))->trigger();
        QVERIFY(modal);
        // Reyes wears Brooks' number 2 on Rockets: not offered.
        QCOMPARE(before, texts({"Quinn, Leo", "Stone, Eli"}));
        QCOMPARE(message, texts({"Players List", "Stone, Eli has been added."}));
        QCOMPARE(after, texts({"Quinn, Leo"}));
        QCOMPARE(playerField(1, 3, "PlayerLastName").toString(), QStringLiteral("Stone"));
        QVERIFY(items(child<QComboBox>(&w, "CPlayer")).contains(QStringLiteral("Stone, Eli")));
        QCOMPARE(w.shownPlayerNo(), qint16(2));
    }

    void theNotesPanelKeepsItemsInTheCoachesOrder()
    {
        PlayerInfo w(1, 2);
        show(w);
        auto* open = child<QPushButton>(&w, "OpenBtn");
        auto* frame = child<QFrame>(&w, "NotesFrame");
        auto* list = child<QListWidget>(&w, "NoteList");
        auto* update = child<QPushButton>(&w, "UpdateBtn");
        auto* up = child<QToolButton>(&w, "UpBtn");
        auto* down = child<QToolButton>(&w, "DownBtn");
        QVERIFY(!frame->isVisible());
        const int narrow = w.width();
        QTest::mouseClick(open, Qt::LeftButton);
        QVERIFY(frame->isVisible());
        QCOMPARE(open->text(), QStringLiteral("< Less"));
        QVERIFY(w.width() > narrow);
        QVERIFY(child<QPushButton>(&w, "PrintNotesBtn")->isEnabled());
        QCOMPARE(items(list), texts({"Head up when dribbling", "Weak foot passing"}));

        // An item is written as soon as it is added; a cancelled one is not.
        env.prompter.inputs << QStringLiteral("Call for the ball");
        click(&w, "AddBtn");
        click(&w, "AddBtn");
        QCOMPARE(env.prompter.find(QStringLiteral("Improvement Item")).text,
                 QStringLiteral("Enter the item that needs improvement."));
        QCOMPARE(storedNotes().size(), 3);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        QCOMPARE(list->currentRow(), 2);
        QVERIFY(up->isEnabled() && !down->isEnabled());
        QCoreApplication::processEvents();  // the marked caption's wider button is laid out first
        screenshot(&w, QStringLiteral("player-profile-notes"));
        QTest::mouseClick(update, Qt::LeftButton);
        QCOMPARE(update->text(), QStringLiteral("Update"));

        list->setCurrentRow(0);
        QVERIFY(!up->isEnabled() && down->isEnabled());
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        QCOMPARE(list->currentRow(), 1);
        QTest::mouseClick(update, Qt::LeftButton);
        QCOMPARE(storedNotes(), texts({"Weak foot passing", "Head up when dribbling", "Call for the ball"}));

        // A tick, a removal and a move, then Save: asked to update, Yes writes the list as shown.
        list->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        QTest::mouseClick(update, Qt::LeftButton);
        list->setCurrentRow(1);
        click(&w, "RemoveBtn");
        QCOMPARE(storedNotes().size(), 2);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        list->setCurrentRow(1);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(items(list), texts({"Call for the ball", "Weak foot passing"}));
        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::Yes;
        click(&w, "OKButton");
        QCOMPARE(env.prompter.find(QStringLiteral("Update information")).text,
                 QStringLiteral("Notes have been changed, but not updated. Do you want to update it now?"));
        QCOMPARE(storedNotes(), texts({"+Call for the ball", "Weak foot passing"}));
        QCOMPARE(update->text(), QStringLiteral("Update"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));

        // No leaves the stored order alone.
        list->setCurrentRow(1);
        QTest::mouseClick(up, Qt::LeftButton);
        env.prompter.answers << Prompter::Answer::No;
        click(&w, "OKButton");
        QCOMPARE(storedNotes(), texts({"+Call for the ball", "Weak foot passing"}));
    }

    void theOpponentsWindowEditsEntriesInPlaceAndSavesOnOk()
    {
        frmOpponent w(1);
        show(w);
        QCOMPARE(w.windowTitle(), QStringLiteral("Opponent Information"));
        auto* list = w.listWidget();
        QCOMPARE(items(list),
                 texts({"1 - Blue Herons  (Pat Moore)", "2 - Valley FC  (Lee Chan)", "5 - *Comets  (Jo Park)"}));
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());
        screenshot(&w, QStringLiteral("opponents"));

        clickRow(list, 2);
        QCOMPARE(QStringList({text(&w, "txtOppNo"), text(&w, "txtOppName"), text(&w, "txtOppCoach")}),
                 texts({"5", "Comets", "Jo Park"}));
        QVERIFY(child<QCheckBox>(&w, "chkUs")->isChecked());
        clickRow(list, 1);
        QVERIFY(!child<QCheckBox>(&w, "chkUs")->isChecked());
        retype(&w, "txtOppCoach", QStringLiteral("Lee Chan-Ruiz"));
        click(&w, "AddMod");
        // An entry may keep its own number, and keeps its place.
        clickRow(list, 0);
        retype(&w, "txtOppName", QStringLiteral("Blue Herons FC"));
        click(&w, "AddMod");
        const QStringList edited =
            texts({"1 - Blue Herons FC  (Pat Moore)", "2 - Valley FC  (Lee Chan-Ruiz)", "5 - *Comets  (Jo Park)"});
        QCOMPARE(items(list), edited);
        QVERIFY(text(&w, "txtOppNo").isEmpty() && text(&w, "txtOppName").isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Opponent Information (Dirty)"));

        // A new entry needs a number of its own; the fields wait to be put right.
        retype(&w, "txtOppName", QStringLiteral("Lakeside United"));
        click(&w, "AddMod");
        retype(&w, "txtOppNo", QStringLiteral("2"));
        click(&w, "AddMod");
        QCOMPARE(env.prompter.titles(), texts({"Team Number", "Team Number"}));
        QVERIFY(env.prompter.shown[1].text.contains(QLatin1String("Valley FC")));
        QCOMPARE(items(list), edited);
        QCOMPARE(text(&w, "txtOppName"), QStringLiteral("Lakeside United"));
        retype(&w, "txtOppNo", QStringLiteral("7"));
        click(&w, "AddMod");
        QCOMPARE(items(list).value(3), QStringLiteral("7 - Lakeside United  ()"));

        click(&w, "OKButton");
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(countRows(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), 1}}), 4);
        auto opponent = [](int no, const char* column) {
            return stored(QStringLiteral("SELECT %1 FROM Opponent WHERE TeamNo = 1 AND OpponentNo = ?")
                              .arg(QLatin1String(column)),
                          {no});
        };
        QCOMPARE(opponent(1, "OpponentName").toString(), QStringLiteral("Blue Herons FC"));
        QCOMPARE(opponent(2, "OpponentCoach").toString(), QStringLiteral("Lee Chan-Ruiz"));
        QCOMPARE(opponent(5, "OpponentName").toString(), QStringLiteral("Comets"));
        QVERIFY(opponent(5, "IsUs").toBool());
        QVERIFY(!opponent(7, "IsUs").toBool());
    }

    void ourTeamTickFillsInTheTeamAndClosingAsksOnlyAfterChanges()
    {
        {
            frmOpponent untouched(2);
            show(untouched);
            QVERIFY(untouched.closeWindow());
            QVERIFY(env.prompter.shown.isEmpty());
        }
        {
            frmOpponent w(2);
            show(w);
            retype(&w, "txtOppNo", QStringLiteral("9"));
            tick(child<QCheckBox>(&w, "chkUs"));
            QCOMPARE(QStringList({text(&w, "txtOppName"), text(&w, "txtOppCoach"), text(&w, "txtOppPhone"),
                                  text(&w, "txtOppColor")}),
                     texts({"Rockets", "Sam Lee", "555-0200", "Red"}));
            click(&w, "AddMod");
            QCOMPARE(items(w.listWidget()).value(1), QStringLiteral("9 - *Rockets  (Sam Lee)"));
            click(&w, "OKButton");
            QCOMPARE(stored(QStringLiteral("SELECT OpponentName FROM Opponent WHERE TeamNo = 2 AND IsUs = ?"), {true})
                         .toString(),
                     QStringLiteral("Rockets"));
            QCOMPARE(countRows(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), 2}}), 2);
        }
        frmOpponent w(2);
        show(w);
        clickRow(w.listWidget(), 0);
        retype(&w, "txtOppName", QStringLiteral("Hill Rovers B"));
        click(&w, "AddMod");
        env.prompter.answers << Prompter::Answer::Cancel;
        click(&w, "CloseBtn");
        QVERIFY(w.isVisible());
        QCOMPARE(env.prompter.find(QStringLiteral("Save Data")).text,
                 QStringLiteral("Changes have been made, Do you want to save them?"));
        env.prompter.answers << Prompter::Answer::No;
        click(&w, "CloseBtn");
        QVERIFY(!w.isVisible());
        QCOMPARE(
            stored(QStringLiteral("SELECT OpponentName FROM Opponent WHERE TeamNo = 2 AND OpponentNo = 1")).toString(),
            QStringLiteral("Hill Rovers"));
    }

    void theOpponentPickerHandsBackTheChoiceOrTheCancel()
    {
        frmOppList picker(1);
        QCOMPARE(items(picker.list()), texts({"Blue Herons:  Pat Moore", "Valley FC:  Lee Chan", "*Comets:  Jo Park"}));
        picker.setPosition(3);
        QStringList chosen;
        const auto record = [&](int position, const OpponentChoice& c) {
            chosen << QStringLiteral("%1:%2").arg(position).arg(c.number);
        };
        picker.onChosen = record;
        show(picker);
        clickRow(picker.list(), 2);
        click(&picker, "OKButton");
        QCOMPARE(chosen, texts({"3:5"}));
        QCOMPARE(picker.result(), int(QDialog::Accepted));

        frmOppList cancelled(1);
        cancelled.onChosen = record;
        show(cancelled);
        click(&cancelled, "CancelButton");
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QCOMPARE(chosen.size(), 1);

        frmOppList none(8);
        QCOMPARE(none.list()->count(), 0);
        QVERIFY(!child<QPushButton>(&none, "OKButton")->isEnabled());
    }

    void theRosterListsPlayersByLastNameWithTheirParents()
    {
        execSql(QStringLiteral("DELETE FROM Player"));
        const struct {
            const char *last, *first, *momFirst, *momLast, *dadFirst, *dadLast;
        } players[] = {{"Smith", "Anna", "Kate", "Smith", "Tom", "Smith"},
                       {"de Vries", "Noor", "Kate", "Jones", "Tom", ""},
                       {"Evans", "Grace", "", "Evans", "Tom", "Evans"},
                       {"Brooks", "Mia", "Ruth", "", "", "Okafor"},
                       {"Chen", "Lily", "", "", "", ""}};
        int no = 0;
        for (const auto& p : players) {
            ++no;
            addPlayer(1, no, QString::fromUtf8(p.last), QString::fromUtf8(p.first), 10 + no,
                      fields(QStringLiteral("MomFirstName MomLastName DadFirstName DadLastName PhoneNo"),
                             {p.momFirst, p.momLast, p.dadFirst, p.dadLast, QStringLiteral("555-010%1").arg(no)}));
        }
        dlgRoster roster(1);
        QCOMPARE(roster.windowTitle(), QStringLiteral("Team Roster"));
        const RosterLinesModel* model = roster.model();
        QCOMPARE(items(model), texts({"Brooks, Mia (14)", "Chen, Lily (15)", "de Vries, Noor (12)", "Evans, Grace (13)",
                                      "Smith, Anna (11)"}));
        QCOMPARE(items(model, 1).value(4), QStringLiteral("555-0101"));
        QCOMPARE(items(model, 2), texts({"Ruth", "", "Kate Jones/Tom", "Tom", "Kate/Tom"}));
        QCOMPARE(model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Parents"));
        show(roster);
        screenshot(&roster, QStringLiteral("roster"));
    }
};

QTEST_MAIN(TestPlayerWindows)
#include "tst_playerwindows.moc"
