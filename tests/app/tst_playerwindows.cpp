// The player profile with its notes, the players list it imports from, the opponents window and
// picker, and the team roster, driven as a coach uses them, on both engines.
#include "TestSupport.h"

#include "teams/PlayerInfo.h"
#include "teams/dlgPlayerList.h"
#include "teams/dlgRoster.h"
#include "teams/frmOppList.h"
#include "teams/frmOpponent.h"

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
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using namespace pw;
using namespace pwtest;

class TestPlayerWindows : public QObject {
    Q_OBJECT

private:
    TestEnv env;
    TestStore store;

    template <typename T>
    static T* child(QWidget* w, const char* name)
    {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    static QStringList items(const QComboBox* box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }

    static QStringList items(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    // One value read past the windows, straight from the store.
    static QVariant stored(const QString& sql, const QVariantList& values)
    {
        QSqlQuery q = execSql(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }

    static QVariant playerField(int teamNo, int playerNo, const QString& column)
    {
        return stored(QStringLiteral("SELECT %1 FROM Player WHERE TeamNo = ? AND PlayerNo = ?").arg(column), {teamNo, playerNo});
    }

    // The player's items to work on as stored, by priority, a ticked one with a leading "+".
    static QStringList storedNotes(int teamNo, int playerNo)
    {
        QStringList out;
        QSqlQuery q = execSql(QStringLiteral("SELECT Note, Checked FROM PlayerNotes WHERE TeamNo = ? AND PlayerNo = ? "
                                             "ORDER BY Priority"),
                              {teamNo, playerNo});
        while (q.next())
            out << (q.value(1).toBool() ? QStringLiteral("+") : QString()) + q.value(0).toString();
        return out;
    }

    static void clickRow(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    // Replaces what a line edit shows the way a coach retypes it.
    static void retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
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

    // Runs work on the modal dialog the next step opens, once it is up.
    static void onModal(const std::function<void(QWidget*)>& work, int tries = 50)
    {
        QTimer::singleShot(tries == 50 ? 0 : 20, [work, tries] {
            if (QWidget* modal = QApplication::activeModalWidget())
                work(modal);
            else if (tries > 0)
                onModal(work, tries - 1);
        });
    }

    // Comets (players out of name order by number, Brooks with parents and two items to work on)
    // and its opponents, the own team among them; Rockets; a hidden Old Squad; Lions.
    static void club()
    {
        addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("TeamCoach1 TeamCoach1Phone JerseyColor"), {"Jo Park", "555-0100", "Gold"}));
        addTeam(2, QStringLiteral("Rockets"), fields(QStringLiteral("TeamCoach1 TeamCoach1Phone JerseyColor"), {"Sam Lee", "555-0200", "Red"}));
        addTeam(3, QStringLiteral("Old Squad"), fields(QStringLiteral("Visible"), {false}));
        addTeam(4, QStringLiteral("Lions"));
        addPlayer(1, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 9);
        addPlayer(1, 2, QStringLiteral("Brooks"), QStringLiteral("Mia"), 7,
                  fields(QStringLiteral("Address City State ZipCode PhoneNo AmountPaid BirthDate MomFirstName MomAddress "
                                        "DadLastName DadFirstName DadAddress"),
                         {"12 Elm St", "Riverside", "CA", "92501", "555-0142", 80.0, QDate::currentDate().addYears(-10).addDays(1),
                          "Kate", "9 Oak Ave", "Okafor", "Tom", "77 Birch Ln"}));
        addPlayer(1, 5, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 4);
        addPlayer(2, 2, QStringLiteral("Reyes"), QStringLiteral("Max"), 10);
        addPlayer(2, 3, QStringLiteral("Stone"), QStringLiteral("Eli"), 11);
        addPlayer(2, 4, QStringLiteral("Quinn"), QStringLiteral("Leo"), 12);
        const QVariantList notes[] = {{1, "Weak foot passing", 2}, {2, "Head up when dribbling", 1}};
        for (const QVariantList& n : notes)
            insertRow(QStringLiteral("PlayerNotes"), fields(QStringLiteral("TeamNo PlayerNo NoteID Note Priority Checked"),
                                                            {1, 2, n[0], n[1], n[2], false}));
        const QVariantList opponents[] = {{1, 1, "Blue Herons", "Pat Moore", false}, {1, 2, "Valley FC", "Lee Chan", false},
                                          {1, 5, "Comets", "Jo Park", true}, {2, 1, "Hill Rovers", "Ann Fox", false}};
        for (const QVariantList& o : opponents)
            insertRow(QStringLiteral("Opponent"), fields(QStringLiteral("TeamNo OpponentNo OpponentName OpponentCoach IsUs"), o));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString why = store.open(env.dir()); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void init()
    {
        env.reset();
        for (const char* table : {"Teams", "Player", "PlayerNotes", "Opponent"})
            execSql(QStringLiteral("DELETE FROM %1").arg(QString::fromLatin1(table)));
        club();
    }

    // Whatever a window's handler threw would have been shown under this title.
    void cleanup() { QVERIFY2(env.prompter.find(QStringLiteral("Error")).kind.isEmpty(), qPrintable(env.prompter.find(QStringLiteral("Error")).text)); }

    void theProfileOpensOnThePlayerAndSavesOnlyAfterAChange()
    {
        PlayerInfo w(1, 2);
        show(w);
        auto* tabs = child<QTabWidget>(&w, "PlyrTab");
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));
        QCOMPARE(QStringList({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
                 QStringList({QStringLiteral("Player"), QStringLiteral("Mother"), QStringLiteral("Father")}));
        auto* picker = child<QComboBox>(&w, "CPlayer");
        QCOMPARE(items(picker), QStringList({QStringLiteral("Alvarez, Sofia"), QStringLiteral("Brooks, Mia"), QStringLiteral("Chen, Lily")}));
        QCOMPARE(picker->currentText(), QStringLiteral("Brooks, Mia"));
        QCOMPARE(child<QLabel>(&w, "lblPlayerNo")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLineEdit>(&w, "txtAddress")->text(), QStringLiteral("12 Elm St"));
        QCOMPARE(child<QLineEdit>(&w, "DadLastName")->text(), QStringLiteral("Okafor"));
        // A day short of ten years is nine; the tenth birthday itself is ten.
        QCOMPARE(child<QLabel>(&w, "lblAge")->text(), QStringLiteral("9"));
        child<QDateEdit>(&w, "ctlBirthDate")->setDate(QDate::currentDate().addYears(-10));
        QCOMPARE(child<QLabel>(&w, "lblAge")->text(), QStringLiteral("10"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information (Dirty)"));
        QVERIFY(!child<QPushButton>(&w, "PreviewBtn")->isEnabled());
        for (int page = 0; page < 3; ++page) {
            tabs->setCurrentIndex(page);
            screenshot(&w, QStringLiteral("player-profile-") + tabs->tabText(page).toLower());
        }
        tabs->setCurrentIndex(0);

        // Opened on a number the team does not have: the first player by name.
        PlayerInfo other(1, 99);
        QCOMPARE(child<QComboBox>(&other, "CPlayer")->currentText(), QStringLiteral("Alvarez, Sofia"));
        QCOMPARE(other.shownPlayerNo(), qint16(5));

        // Shown afresh, the window is clean again until the coach types.
        w.GenPlayerList(2);
        auto* saveButton = child<QPushButton>(&w, "OKButton");
        QVERIFY(!saveButton->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));
        retype(child<QLineEdit>(&w, "txtJerseyNo"), QStringLiteral("abc"));
        QVERIFY(saveButton->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information (Dirty)"));

        // Moving to another player with changes asks first; Cancel stays, No drops the change.
        env.prompter.answers << Prompter::Answer::Cancel;
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(env.prompter.find(QStringLiteral("Save Data")).text, QStringLiteral("Changes have been made, Do you want to save them?"));
        QCOMPARE(w.shownPlayerNo(), qint16(2));
        QCOMPARE(picker->currentText(), QStringLiteral("Brooks, Mia"));
        QCOMPARE(child<QLineEdit>(&w, "txtJerseyNo")->text(), QStringLiteral("abc"));

        QTest::mouseClick(saveButton, Qt::LeftButton);
        QCOMPARE(playerField(1, 2, QStringLiteral("JerseyNo")).toInt(), 0);
        QCOMPARE(playerField(1, 2, QStringLiteral("AmountPaid")).toDouble(), 80.0);  // the fees window's
        QVERIFY(!saveButton->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));

        env.prompter.clear();
        retype(child<QLineEdit>(&w, "txtPlayerNickName"), QStringLiteral("Mimi"));
        env.prompter.answers << Prompter::Answer::No;
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Save Data")});
        QCOMPARE(w.shownPlayerNo(), qint16(1));
        QCOMPARE(playerField(1, 2, QStringLiteral("Nickname")).toString(), QString());
        QVERIFY(!saveButton->isEnabled());
    }

    void closingWithChangesAsksAndAFailedSaveKeepsTheWindow()
    {
        PlayerInfo w(1, 2);
        show(w);
        retype(child<QLineEdit>(&w, "txtPlayerLastName"), QString());
        env.prompter.answers << Prompter::Answer::Yes;
        QVERIFY(!w.closeWindow());
        QCOMPARE(env.prompter.titles(), QStringList({QStringLiteral("Save Data"), QStringLiteral("Player Name")}));
        QVERIFY(w.isVisible());
        QCOMPARE(playerField(1, 2, QStringLiteral("PlayerLastName")).toString(), QStringLiteral("Brooks"));
        env.prompter.answers << Prompter::Answer::No;
        QVERIFY(w.closeWindow());
        QCOMPARE(playerField(1, 2, QStringLiteral("PlayerLastName")).toString(), QStringLiteral("Brooks"));

        env.prompter.clear();
        PlayerInfo untouched(1, 2);
        show(untouched);
        QVERIFY(untouched.closeWindow());
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void aMotherAtThePlayersAddressFollowsItIntoTheStore()
    {
        PlayerInfo w(1, 2);
        show(w);
        child<QTabWidget>(&w, "PlyrTab")->setCurrentIndex(1);
        QCOMPARE(child<QLineEdit>(&w, "MomAddress")->text(), QStringLiteral("9 Oak Ave"));
        tick(child<QCheckBox>(&w, "chkMomSameAdd"));
        const char* momFields[] = {"MomAddress", "MomCity", "MomState", "MomZip", "MomPhone"};
        const QStringList player{QStringLiteral("12 Elm St"), QStringLiteral("Riverside"), QStringLiteral("CA"),
                                 QStringLiteral("92501"), QStringLiteral("555-0142")};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(child<QLineEdit>(&w, momFields[i])->text(), player[i]);
            QVERIFY2(!child<QLineEdit>(&w, momFields[i])->isEnabled(), momFields[i]);
        }
        QVERIFY(child<QLineEdit>(&w, "MomEmail")->isEnabled());
        QVERIFY(child<QLineEdit>(&w, "DadAddress")->isEnabled());

        child<QTabWidget>(&w, "PlyrTab")->setCurrentIndex(0);
        retype(child<QLineEdit>(&w, "txtAddress"), QStringLiteral("40 Pine Rd"));
        QCOMPARE(child<QLineEdit>(&w, "MomAddress")->text(), QStringLiteral("40 Pine Rd"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QCOMPARE(playerField(1, 2, QStringLiteral("MomAddress")).toString(), QStringLiteral("40 Pine Rd"));
        QCOMPARE(playerField(1, 2, QStringLiteral("MomZip")).toString(), QStringLiteral("92501"));
        QVERIFY(playerField(1, 2, QStringLiteral("MomSameAdd")).toBool());
        QCOMPARE(playerField(1, 2, QStringLiteral("DadAddress")).toString(), QStringLiteral("77 Birch Ln"));

        // Opened again the tick holds; taken off, the fields keep the address and may be edited.
        PlayerInfo again(1, 2);
        show(again);
        child<QTabWidget>(&again, "PlyrTab")->setCurrentIndex(1);
        auto* same = child<QCheckBox>(&again, "chkMomSameAdd");
        QVERIFY(same->isChecked());
        QVERIFY(!child<QLineEdit>(&again, "MomCity")->isEnabled());
        tick(same);
        QVERIFY(child<QLineEdit>(&again, "MomCity")->isEnabled());
        QCOMPARE(child<QLineEdit>(&again, "MomAddress")->text(), QStringLiteral("40 Pine Rd"));
    }

    void parentLastNamesFollowThePlayersUnlessTheyDiffer()
    {
        PlayerInfo w(1, 2);
        show(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* last = child<QLineEdit>(&w, "txtPlayerLastName");
        auto* mom = child<QLineEdit>(&w, "MomLastName");
        auto* dad = child<QLineEdit>(&w, "DadLastName");
        // The mother has no last name yet: she gets the new one; the father keeps his own.
        for (const QString& name : {QStringLiteral("Hale"), QStringLiteral("Brooks-Hale")}) {
            QTest::mouseClick(last, Qt::LeftButton);
            QVERIFY(last->hasFocus());
            retype(last, name);
            QTest::keyClick(last, Qt::Key_Tab);
            QVERIFY(!last->hasFocus());
            QCOMPARE(mom->text(), name);
            QCOMPARE(dad->text(), QStringLiteral("Okafor"));
        }
        // Emptied, it changes nobody.
        QTest::mouseClick(last, Qt::LeftButton);
        retype(last, QString());
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(mom->text(), QStringLiteral("Brooks-Hale"));
        retype(last, QStringLiteral("Brooks-Hale"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QCOMPARE(playerField(1, 2, QStringLiteral("MomLastName")).toString(), QStringLiteral("Brooks-Hale"));
        QCOMPARE(playerField(1, 2, QStringLiteral("DadLastName")).toString(), QStringLiteral("Okafor"));
    }

    void addingAndDeletingPlayersThroughThePlayerMenu()
    {
        PlayerInfo w(1, 2);
        show(w);
        auto* picker = child<QComboBox>(&w, "CPlayer");
        auto* add = w.findChild<QAction*>(QStringLiteral("PlayerAdd"));
        auto* del = w.findChild<QAction*>(QStringLiteral("PlayerDelete"));
        QVERIFY(add && del);

        // A cancelled name, then an empty one, add nobody.
        add->trigger();
        env.prompter.inputs << QString() << QStringLiteral("Aoi");
        add->trigger();
        QCOMPARE(countRows(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}}), 3);
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());

        env.prompter.clear();
        env.prompter.inputs << QStringLiteral("Nakamura") << QStringLiteral("Aoi");
        add->trigger();
        QCOMPARE(env.prompter.shown.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(env.prompter.shown[i].kind, QStringLiteral("input"));
            QCOMPARE(env.prompter.shown[i].title, QStringLiteral("Player Name"));
        }
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Enter the new player's LAST name."));
        QCOMPARE(env.prompter.shown[1].text, QStringLiteral("Enter the new player's FIRST name."));
        // The next number after the highest, not after the count.
        QCOMPARE(playerField(1, 6, QStringLiteral("PlayerFirstName")).toString(), QStringLiteral("Aoi"));
        QCOMPARE(playerField(1, 6, QStringLiteral("MomLastName")).toString(), QStringLiteral("Nakamura"));
        QCOMPARE(playerField(1, 6, QStringLiteral("AmountPaid")).toDouble(), 0.0);
        QCOMPARE(items(picker).size(), 4);
        QCOMPARE(picker->currentText(), QStringLiteral("Nakamura, Aoi"));
        QCOMPARE(w.shownPlayerNo(), qint16(6));
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));

        // Alvarez, Brooks, Chen, Nakamura: No keeps Brooks; Yes removes her and her notes and
        // shows the next one.
        picker->setCurrentIndex(1);
        w.CPlayer_Click(1);
        env.prompter.clear();
        del->trigger();
        QCOMPARE(env.prompter.find(QStringLiteral("Confirm Delete")).text, QStringLiteral("Are you sure you want to delete Brooks, Mia?"));
        QCOMPARE(countRows(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}}), 4);
        env.prompter.answers << Prompter::Answer::Yes;
        del->trigger();
        QCOMPARE(countRows(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("PlayerNo"), 2}}), 0);
        QCOMPARE(countRows(QStringLiteral("PlayerNotes"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("PlayerNo"), 2}}), 0);
        QCOMPARE(items(picker), QStringList({QStringLiteral("Alvarez, Sofia"), QStringLiteral("Chen, Lily"), QStringLiteral("Nakamura, Aoi")}));
        QCOMPARE(picker->currentText(), QStringLiteral("Chen, Lily"));
        QCOMPARE(w.shownPlayerNo(), qint16(1));
        QCOMPARE(child<QLineEdit>(&w, "txtPlayerFirstName")->text(), QStringLiteral("Lily"));

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
        QCOMPARE(items(teams), QStringList({QStringLiteral("Lions (U10G-Fall 2026)"), QStringLiteral("Old Squad (U10G-Fall 2026)")}));
        teams->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(&w, "CopyBtn"), Qt::LeftButton);
        QCOMPARE(playerField(3, 2, QStringLiteral("PlayerLastName")).toString(), QStringLiteral("Brooks"));
        QCOMPARE(playerField(3, 2, QStringLiteral("DadAddress")).toString(), QStringLiteral("77 Birch Ln"));
        QCOMPARE(playerField(3, 2, QStringLiteral("AmountPaid")).toDouble(), 0.0);
        QCOMPARE(countRows(QStringLiteral("PlayerNotes"), {{QStringLiteral("TeamNo"), 3}}), 0);
        QCOMPARE(env.prompter.find(QStringLiteral("Copy Player")).text, QStringLiteral("Brooks, Mia has been copied to Old Squad (U10G-Fall 2026)."));
        QCOMPARE(items(teams), QStringList{QStringLiteral("Lions (U10G-Fall 2026)")});
    }

    void importingAPlayerFromAnotherTeam()
    {
        PlayerInfo w(1, 2);
        show(w);
        QStringList before, after, message;
        bool modal = false;
        onModal([&](QWidget* top) {
            auto* dialog = qobject_cast<dlgPlayerList*>(top);
            modal = dialog != nullptr;
            if (dialog) {
                before = items(dialog->list());
                screenshot(dialog, QStringLiteral("players-list"));
                clickRow(dialog->list(), 1);
                QTest::mouseClick(child<QPushButton>(dialog, "AddBtn"), Qt::LeftButton);
                message << env.prompter.shown.value(0).title << env.prompter.shown.value(0).text;
                after = items(dialog->list());
            }
            top->close();
        });
        w.findChild<QAction*>(QStringLiteral("PlayerImport"))->trigger();
        QVERIFY(modal);
        // Reyes wears Brooks' number 2 on Rockets: not offered.
        QCOMPARE(before, QStringList({QStringLiteral("Quinn, Leo"), QStringLiteral("Stone, Eli")}));
        QCOMPARE(message, QStringList({QStringLiteral("Players List"), QStringLiteral("Stone, Eli has been added.")}));
        QCOMPARE(after, QStringList{QStringLiteral("Quinn, Leo")});
        QCOMPARE(playerField(1, 3, QStringLiteral("PlayerLastName")).toString(), QStringLiteral("Stone"));
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
        QVERIFY(!child<QPushButton>(&w, "PrintNotesBtn")->isEnabled());
        QCOMPARE(items(list), QStringList({QStringLiteral("Head up when dribbling"), QStringLiteral("Weak foot passing")}));

        // An item is written as soon as it is added; a cancelled one is not.
        env.prompter.inputs << QStringLiteral("Call for the ball");
        QTest::mouseClick(child<QPushButton>(&w, "AddBtn"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&w, "AddBtn"), Qt::LeftButton);
        QCOMPARE(env.prompter.find(QStringLiteral("Improvement Item")).text, QStringLiteral("Enter the item that needs improvement."));
        QCOMPARE(storedNotes(1, 2).size(), 3);
        QCOMPARE(list->count(), 3);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        QCOMPARE(list->currentRow(), 2);
        QVERIFY(up->isEnabled() && !down->isEnabled());
        screenshot(&w, QStringLiteral("player-profile-notes"));
        QTest::mouseClick(update, Qt::LeftButton);
        QCOMPARE(update->text(), QStringLiteral("Update"));

        list->setCurrentRow(0);
        QVERIFY(!up->isEnabled() && down->isEnabled());
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        QCOMPARE(list->currentRow(), 1);
        QTest::mouseClick(update, Qt::LeftButton);
        QCOMPARE(storedNotes(1, 2), QStringList({QStringLiteral("Weak foot passing"), QStringLiteral("Head up when dribbling"),
                                                 QStringLiteral("Call for the ball")}));

        // A tick and a removal, then Save: asked to update, Yes writes the list as shown.
        list->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        QTest::mouseClick(update, Qt::LeftButton);
        list->setCurrentRow(1);
        QTest::mouseClick(child<QPushButton>(&w, "RemoveBtn"), Qt::LeftButton);
        QCOMPARE(storedNotes(1, 2).size(), 2);
        QCOMPARE(update->text(), QStringLiteral("Update (Dirty)"));
        list->setCurrentRow(1);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(items(list), QStringList({QStringLiteral("Call for the ball"), QStringLiteral("Weak foot passing")}));
        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::Yes;
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        const auto asked = env.prompter.find(QStringLiteral("Update information"));
        QCOMPARE(asked.text, QStringLiteral("Notes have been changed, but not updated. Do you want to update it now?"));
        QCOMPARE(storedNotes(1, 2), QStringList({QStringLiteral("+Call for the ball"), QStringLiteral("Weak foot passing")}));
        QCOMPARE(update->text(), QStringLiteral("Update"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Player Information"));

        // No leaves the stored order alone.
        list->setCurrentRow(1);
        QTest::mouseClick(up, Qt::LeftButton);
        env.prompter.answers << Prompter::Answer::No;
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QCOMPARE(storedNotes(1, 2), QStringList({QStringLiteral("+Call for the ball"), QStringLiteral("Weak foot passing")}));

        QTest::mouseClick(open, Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QCOMPARE(open->text(), QStringLiteral("More >"));
    }

    void theOpponentsWindowEditsEntriesInPlaceAndSavesOnOk()
    {
        frmOpponent w(1);
        show(w);
        QCOMPARE(w.windowTitle(), QStringLiteral("Opponent Information"));
        auto* list = w.listWidget();
        const QStringList lines{QStringLiteral("1 - Blue Herons  (Pat Moore)"), QStringLiteral("2 - Valley FC  (Lee Chan)"),
                                QStringLiteral("5 - *Comets  (Jo Park)")};
        QCOMPARE(items(list), lines);
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());
        screenshot(&w, QStringLiteral("opponents"));

        auto* number = child<QLineEdit>(&w, "txtOppNo");
        auto* name = child<QLineEdit>(&w, "txtOppName");
        auto* coach = child<QLineEdit>(&w, "txtOppCoach");
        auto* us = child<QCheckBox>(&w, "chkUs");
        auto* addMod = child<QPushButton>(&w, "AddMod");
        clickRow(list, 2);
        QCOMPARE(QStringList({number->text(), name->text(), coach->text()}),
                 QStringList({QStringLiteral("5"), QStringLiteral("Comets"), QStringLiteral("Jo Park")}));
        QVERIFY(us->isChecked());
        clickRow(list, 1);
        QVERIFY(!us->isChecked());
        retype(coach, QStringLiteral("Lee Chan-Ruiz"));
        QTest::mouseClick(addMod, Qt::LeftButton);
        // An entry keeps its own number and its place.
        clickRow(list, 0);
        retype(name, QStringLiteral("Blue Herons FC"));
        QTest::mouseClick(addMod, Qt::LeftButton);
        const QStringList edited{QStringLiteral("1 - Blue Herons FC  (Pat Moore)"), QStringLiteral("2 - Valley FC  (Lee Chan-Ruiz)"), lines[2]};
        QCOMPARE(items(list), edited);
        QVERIFY(number->text().isEmpty() && name->text().isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Opponent Information (Dirty)"));

        // A new entry needs a number of its own; the fields wait to be put right.
        retype(name, QStringLiteral("Lakeside United"));
        QTest::mouseClick(addMod, Qt::LeftButton);
        retype(number, QStringLiteral("2"));
        QTest::mouseClick(addMod, Qt::LeftButton);
        QCOMPARE(env.prompter.titles(), QStringList({QStringLiteral("Team Number"), QStringLiteral("Team Number")}));
        QVERIFY(env.prompter.shown[1].text.contains(QLatin1String("Valley FC")));
        QCOMPARE(items(list), edited);
        QCOMPARE(name->text(), QStringLiteral("Lakeside United"));
        retype(number, QStringLiteral("7"));
        QTest::mouseClick(addMod, Qt::LeftButton);
        QCOMPARE(items(list).value(3), QStringLiteral("7 - Lakeside United  ()"));

        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(countRows(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), 1}}), 4);
        auto opponent = [](int no, const char* column) {
            return stored(QStringLiteral("SELECT %1 FROM Opponent WHERE TeamNo = 1 AND OpponentNo = ?").arg(QString::fromLatin1(column)), {no});
        };
        QCOMPARE(opponent(1, "OpponentName").toString(), QStringLiteral("Blue Herons FC"));
        QCOMPARE(opponent(2, "OpponentCoach").toString(), QStringLiteral("Lee Chan-Ruiz"));
        QCOMPARE(opponent(5, "OpponentName").toString(), QStringLiteral("Comets"));
        QVERIFY(opponent(5, "IsUs").toBool());
        QVERIFY(!opponent(7, "IsUs").toBool());
        QCOMPARE(countRows(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), 2}}), 1);
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
            retype(child<QLineEdit>(&w, "txtOppNo"), QStringLiteral("9"));
            tick(child<QCheckBox>(&w, "chkUs"));
            QStringList shown;
            for (const char* field : {"txtOppName", "txtOppCoach", "txtOppPhone", "txtOppColor"})
                shown << child<QLineEdit>(&w, field)->text();
            QCOMPARE(shown, QStringList({QStringLiteral("Rockets"), QStringLiteral("Sam Lee"), QStringLiteral("555-0200"), QStringLiteral("Red")}));
            QTest::mouseClick(child<QPushButton>(&w, "AddMod"), Qt::LeftButton);
            QCOMPARE(items(w.listWidget()).value(1), QStringLiteral("9 - *Rockets  (Sam Lee)"));
            QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
            QCOMPARE(stored(QStringLiteral("SELECT OpponentName FROM Opponent WHERE TeamNo = 2 AND IsUs = ?"), {true}).toString(),
                     QStringLiteral("Rockets"));
            QCOMPARE(countRows(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), 2}}), 2);
        }
        frmOpponent w(2);
        show(w);
        clickRow(w.listWidget(), 0);
        retype(child<QLineEdit>(&w, "txtOppName"), QStringLiteral("Hill Rovers B"));
        QTest::mouseClick(child<QPushButton>(&w, "AddMod"), Qt::LeftButton);
        env.prompter.answers << Prompter::Answer::Cancel;
        QTest::mouseClick(child<QPushButton>(&w, "CloseBtn"), Qt::LeftButton);
        QVERIFY(w.isVisible());
        const auto asked = env.prompter.find(QStringLiteral("Save Data"));
        QCOMPARE(asked.text, QStringLiteral("Changes have been made, Do you want to save them?"));
        env.prompter.answers << Prompter::Answer::No;
        QTest::mouseClick(child<QPushButton>(&w, "CloseBtn"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(stored(QStringLiteral("SELECT OpponentName FROM Opponent WHERE TeamNo = 2 AND OpponentNo = 1"), {}).toString(),
                 QStringLiteral("Hill Rovers"));
    }

    void theOpponentPickerHandsBackTheChoiceOrTheCancel()
    {
        frmOppList picker(1);
        QCOMPARE(items(picker.list()), QStringList({QStringLiteral("Blue Herons:  Pat Moore"), QStringLiteral("Valley FC:  Lee Chan"),
                                                    QStringLiteral("*Comets:  Jo Park")}));
        picker.setPosition(3);
        QStringList chosen;
        const auto record = [&](int position, const OpponentChoice& c) { chosen << QStringLiteral("%1:%2").arg(position).arg(c.number); };
        picker.onChosen = record;
        show(picker);
        clickRow(picker.list(), 2);
        QTest::mouseClick(child<QPushButton>(&picker, "OKButton"), Qt::LeftButton);
        QCOMPARE(chosen, QStringList{QStringLiteral("3:5")});
        QCOMPARE(state().DialogResult, qint16(0));
        QCOMPARE(picker.result(), int(QDialog::Accepted));

        frmOppList cancelled(1);
        cancelled.onChosen = record;
        show(cancelled);
        state().DialogResult = 0;
        QTest::mouseClick(child<QPushButton>(&cancelled, "CancelButton"), Qt::LeftButton);
        QCOMPARE(state().DialogResult, qint16(1));
        QCOMPARE(chosen.size(), 1);

        frmOppList none(8);
        QCOMPARE(none.list()->count(), 0);
        QVERIFY(!child<QPushButton>(&none, "OKButton")->isEnabled());
    }

    void theRosterListsPlayersByLastNameWithTheirParents()
    {
        execSql(QStringLiteral("DELETE FROM Player"));
        const struct {
            int no;
            const char *last, *first, *momFirst, *momLast, *dadFirst, *dadLast, *parents;
        } players[] = {{1, "Smith", "Anna", "Kate", "Smith", "Tom", "Smith", "Kate/Tom"},
                       {2, "de Vries", "Noor", "Kate", "Jones", "Tom", "", "Kate Jones/Tom"},
                       {3, "Evans", "Grace", "", "Evans", "Tom", "Evans", "Tom"},
                       {4, "Brooks", "Mia", "Ruth", "", "", "Okafor", "Ruth"},
                       {5, "Chen", "Lily", "", "", "", "", ""}};
        for (const auto& p : players)
            addPlayer(1, p.no, QString::fromLatin1(p.last), QString::fromLatin1(p.first), 10 + p.no,
                      fields(QStringLiteral("MomFirstName MomLastName DadFirstName DadLastName PhoneNo Email"),
                             {p.momFirst, p.momLast, p.dadFirst, p.dadLast, QStringLiteral("555-01") + QString::number(p.no), "fam@example.org"}));
        dlgRoster roster(1);
        QCOMPARE(roster.windowTitle(), QStringLiteral("Team Roster"));
        const RosterLinesModel* model = roster.model();
        QStringList names, parents;
        for (int r = 0; r < model->rowCount(); ++r) {
            names << model->data(model->index(r, 0), Qt::DisplayRole).toString();
            parents << model->data(model->index(r, 2), Qt::DisplayRole).toString();
        }
        QCOMPARE(names, QStringList({QStringLiteral("Brooks, Mia (14)"), QStringLiteral("Chen, Lily (15)"), QStringLiteral("de Vries, Noor (12)"),
                                     QStringLiteral("Evans, Grace (13)"), QStringLiteral("Smith, Anna (11)")}));
        QCOMPARE(parents, QStringList({QStringLiteral("Ruth"), QString(), QStringLiteral("Kate Jones/Tom"), QStringLiteral("Tom"),
                                       QStringLiteral("Kate/Tom")}));
        QCOMPARE(model->data(model->index(4, 1), Qt::DisplayRole).toString(), QStringLiteral("555-011"));
        QCOMPARE(model->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Parents"));
        show(roster);
        screenshot(&roster, QStringLiteral("roster"));
    }
};

QTEST_MAIN(TestPlayerWindows)
#include "tst_playerwindows.moc"
