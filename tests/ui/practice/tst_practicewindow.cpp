// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window on both engines: a new session from the practice week, drills, a teaching
// moment and a coach placed through the in-cell editors and the keyboard, a split, storing and
// reloading, the time and mode changes, deleting, recurrence, the agenda preview and the
// question about unsaved work.
#include "TestSupport.h"

#include "core/schedule/MonthCalendar.h"
#include "ui/schedule/frmMonthSchedule.h"

#include "common/Formats.h"
#include "common/Selection.h"
#include "core/practice/PracticeModel.h"
#include "ui/base/FieldConfig.h"
#include "ui/practice/dlgDrillMaint.h"
#include "ui/practice/dlgRecur.h"
#include "ui/practice/frmPractice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>

using namespace pw;
using namespace pwtest;

namespace {

const QDate kTuesday(2026, 9, 15);
using Answer = Prompter::Answer;

void addDrill(int id, const QString& name, int type)
{
    insertRow(QStringLiteral("DrillBook"),
              fields(QStringLiteral("DrillID DrillName Description Discipline DrillType"),
                     {id, name, name + QStringLiteral(" purpose"), QStringLiteral("Passing"), type}));
}

QStringList column(const frmPractice& w, int col)
{
    QStringList out;
    for (int r = 0; r < w.model().rowCount(); ++r)
        out << w.model().cellText(r, col);
    return out;
}

QTableView* grid(frmPractice& w)
{
    return child<QTableView>(&w, "PracticeList");
}

void clickCell(frmPractice& w, int row, int col)
{
    QTableView* g = grid(w);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(w.model().index(row - 1, col)).center());
}

void key(QWidget* target, Qt::Key k, Qt::KeyboardModifiers mods = {})
{
    QTest::keyClick(target, k, mods);
}

bool shown(QWidget& w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

QList<QDate> practiceDates()
{
    QList<QDate> out;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PracticeDate FROM Practice WHERE TeamNo = ? ORDER BY PracticeDate"), {1});
    while (q.next())
        out << toDateTime(q.value(0)).date();
    return out;
}

qint32 storedTuesday()
{
    PracticeSession s = newPracticeSession(1, kTuesday);
    s.placeDrill(1, 9001);
    return savePracticeSession(s);
}

}  // namespace

class TestPracticeWindow : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        // Only these two drills, so that the lists' order is known on every engine.
        execSql(QStringLiteral("DELETE FROM DrillBook"));
        addDrill(9001, QStringLiteral("Aardvark Rondo"), 0);
        addDrill(9002, QStringLiteral("Aardvark Overlap"), 1);
        addTeam(1, QStringLiteral("Comets"),
                fields(QStringLiteral("TeamPracticeSchedule TeamCoach1 TeamCoach2 TeamCoach3"),
                       {"0,0;1,5:00 PM-6:30 PM;0,0;1,6:00 PM-7:30 PM;0,0", "Dana Ortiz", "", "Sam Lee"}));
    }

    void planningSplittingStoringAndReloading()
    {
        NoticeLog notices;
        frmPractice w(1, QString(), kTuesday, nullptr);
        QVERIFY(shown(w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Training Session Planning"));
        QCOMPARE(child<QLabel>(&w, "PracticeDate")->text(), QStringLiteral("September 15, 2026"));
        QCOMPARE(child<QComboBox>(&w, "StartTime")->count(), 49);
        QCOMPARE(child<QComboBox>(&w, "StartTime")->currentText(), QStringLiteral("05:00 PM"));
        QCOMPARE(child<QComboBox>(&w, "EndTime")->currentText(), QStringLiteral("06:30 PM"));
        QCOMPARE(child<QComboBox>(&w, "TimeSegment")->currentText(), QStringLiteral("15"));
        QCOMPARE(column(w, 0), QStringList({"5:00 PM", "5:15 PM", "5:30 PM", "5:45 PM", "6:00 PM", "6:15 PM"}));
        QCOMPARE(w.model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Drill/Evolution"));
        QVERIFY(!w.isDirty());

        // A drill by mouse: the technique list opens over the cell; Enter goes on to the right.
        auto* techniques = child<QComboBox>(&w, "DrillList");
        auto* tactics = child<QComboBox>(&w, "DrillList1");
        clickCell(w, 1, PracticeModel::Drill);
        QVERIFY(techniques->isVisible() && techniques->hasFocus());
        // The grid holds the editor as its cell's and places it over the cell.
        const QModelIndex firstDrill = w.model().index(0, PracticeModel::Drill);
        auto* drillEditor = child<QWidget>(&w, "DrillEditor");
        QCOMPARE(grid(w)->indexWidget(firstDrill), drillEditor);
        QCOMPARE(drillEditor->pos(), grid(w)->visualRect(firstDrill).topLeft());
        QCOMPARE(techniques->itemText(0), QStringLiteral("<Empty>"));
        QCOMPARE(techniques->itemText(1), QStringLiteral("Teaching Moment"));
        QCOMPARE(techniques->itemText(2), QStringLiteral("Aardvark Rondo"));
        QCOMPARE(tactics->itemText(2), QStringLiteral("Aardvark Overlap"));
        key(techniques, Qt::Key_Down);
        key(techniques, Qt::Key_Down);
        key(techniques, Qt::Key_Return);
        QVERIFY(!techniques->isVisible());
        QCOMPARE(w.session().rows[0].drillId, 9001);
        QCOMPARE(w.model().cellText(0, PracticeModel::Description), QStringLiteral("Aardvark Rondo purpose"));
        QCOMPARE(w.model().cellText(0, PracticeModel::Discipline), QStringLiteral("Passing"));
        QVERIFY(w.isDirty() && w.windowTitle().endsWith(QStringLiteral(" (Dirty)")));

        // A teaching moment by keyboard alone: Enter opens the cell's list, Enter after the pick
        // goes on into the moment's text, Ctrl+Enter breaks its line, Enter leaves it.
        QTableView* g = grid(w);
        QVERIFY(g->hasFocus());
        key(g, Qt::Key_Left);
        key(g, Qt::Key_Down);
        key(g, Qt::Key_Return);
        QCOMPARE(w.editedCell(), qMakePair(2, int(PracticeModel::Drill)));
        key(techniques, Qt::Key_Down);
        key(techniques, Qt::Key_Return);
        auto* text = child<QPlainTextEdit>(&w, "txtEditBox");
        QVERIFY(text->isVisible() && text->hasFocus());
        const QModelIndex moment = w.model().index(1, PracticeModel::Description);
        QCOMPARE(g->indexWidget(moment), text);
        QVERIFY(!g->indexWidget(firstDrill));
        QTest::keyClicks(text, QStringLiteral("Heads up"));
        key(text, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(text, QStringLiteral("first touch"));
        key(text, Qt::Key_Return);
        QVERIFY(!text->isVisible() && !g->indexWidget(moment));
        QCOMPARE(w.session().rows[1].drillId, kTeachingMoment);
        QCOMPARE(w.session().rows[1].description, QStringLiteral("Heads up\nfirst touch"));
        QVERIFY(g->rowHeight(1) > g->rowHeight(2));

        // The coach list; Escape puts the editor away.
        clickCell(w, 1, PracticeModel::Coach);
        auto* coaches = child<QComboBox>(&w, "CoachList");
        QVERIFY(coaches->isVisible());
        QCOMPARE(QStringList({coaches->itemText(0), coaches->itemText(1), coaches->itemText(2)}),
                 QStringList({"All Coaches", "Dana Ortiz", "Sam Lee"}));
        key(coaches, Qt::Key_Down);
        key(coaches, Qt::Key_Down);
        key(coaches, Qt::Key_Escape);
        QVERIFY(!coaches->isVisible() && w.isVisible());
        QCOMPARE(w.session().rows[0].coach, QStringLiteral("Dana Ortiz"));

        // Split Team at 5:30 from the grid's pop-up (Shift+F10): a second group in the same slot.
        g->setCurrentIndex(w.model().index(2, 0));
        key(g, Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = child<QMenu>(&w, "mnuTime");
        QVERIFY(menu->isVisible());
        QVERIFY(!child<QAction>(&w, "UndoSplit")->isEnabled());
        child<QAction>(&w, "SplitTeam")->trigger();
        menu->hide();
        QCOMPARE(column(w, 0),
                 QStringList({"5:00 PM", "5:15 PM", "5:30 PM", "5:30 PM", "5:45 PM", "6:00 PM", "6:15 PM"}));
        QVERIFY(w.model().index(3, 0).data(PracticeModel::SplitRole).toBool());

        // The second group gets a tactic: Tab goes from the techniques to the tactics.
        clickCell(w, 4, PracticeModel::Drill);
        key(techniques, Qt::Key_Tab);
        QVERIFY(tactics->hasFocus());
        screenshot(&w, QStringLiteral("practice-drill-editor"));
        for (int i = 0; i < 3; ++i)
            key(tactics, Qt::Key_Down);
        key(tactics, Qt::Key_Escape);
        QCOMPARE(w.session().rows[3].drillName, QStringLiteral("Aardvark Overlap"));
        screenshot(&w, QStringLiteral("practice-plan"));

        // Ctrl+S stores it, tells the calendar, and the window is clean with the stored key.
        key(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!w.isDirty());
        const auto id = practiceIdFromKey(w.key());
        QVERIFY(id && w.key() == practiceKey(1, *id));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.count(Change::Practices, 1), 1);
        QCOMPARE(queryRows(QStringLiteral("SELECT RowNo, Moment FROM TeachingMoment WHERE PracticeID = ?"), {*id}),
                 QStringList({"2/Heads up\nfirst touch"}));

        frmPractice again(1, w.key(), QDate(), nullptr);
        QCOMPARE(column(again, 0), column(w, 0));
        QCOMPARE(again.session().rows, w.session().rows);
        QVERIFY(again.model().index(3, 0).data(PracticeModel::SplitRole).toBool());
        QVERIFY(!again.isDirty());
        QVERIFY(child<QAction>(&again, "SessionDelete")->isEnabled());
    }

    void timesAndTeamMeetings()
    {
        frmPractice w(1, QString(), kTuesday, nullptr);
        QVERIFY(shown(w));
        QVERIFY(!child<QAction>(&w, "SessionDelete")->isEnabled());
        child<QComboBox>(&w, "EndTime")->setCurrentText(QStringLiteral("07:00 PM"));
        QCOMPARE(w.model().rowCount(), 8);
        child<QComboBox>(&w, "TimeSegment")->setCurrentText(QStringLiteral("30"));
        QCOMPARE(column(w, 0), QStringList({"5:00 PM", "5:30 PM", "6:00 PM", "6:30 PM"}));
        QVERIFY(w.isDirty());

        // No keeps the training session and the box as they were.
        auto* meeting = child<QCheckBox>(&w, "TeamMeeting");
        env.prompter.answers << Answer::No << Answer::Yes;
        meeting->click();
        const auto asked = env.prompter.find(QStringLiteral("Clear Agenda"));
        QCOMPARE(asked.text,
                 QStringLiteral("Changing this scheduled event will clear the set agenda, Do you want to continue?"));
        QVERIFY(asked.buttons == Prompter::Buttons::YesNo);
        QVERIFY(!meeting->isChecked() && !w.session().teamMeeting);
        QCOMPARE(w.model().columnCount(), 5);
        meeting->click();
        QCOMPARE(env.prompter.shown.size(), 2);
        QVERIFY(w.session().teamMeeting);
        QCOMPARE(QStringList({w.model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                              w.model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                              w.model().headerData(2, Qt::Horizontal, Qt::DisplayRole).toString()}),
                 QStringList({"Time", "Agenda Item", "Notes"}));
        QCOMPARE(w.model().columnCount(), 3);

        // The text box walks the cells: Enter to the right, Down to the row below, Left at the
        // start of the text back to the left.
        clickCell(w, 1, PracticeModel::AgendaItem);
        auto* text = child<QPlainTextEdit>(&w, "txtEditBox");
        QTest::keyClicks(text, QStringLiteral("Snacks"));
        key(text, Qt::Key_Return);
        QCOMPARE(w.editedCell(), qMakePair(1, int(PracticeModel::Notes)));
        QTest::keyClicks(text, QStringLiteral("O'Brien brings oranges"));
        key(text, Qt::Key_Down);
        QCOMPARE(w.editedCell(), qMakePair(2, int(PracticeModel::Notes)));
        key(text, Qt::Key_Left);
        QCOMPARE(w.editedCell(), qMakePair(2, int(PracticeModel::AgendaItem)));
        QCOMPARE(w.session().rows[0].agendaItem, QStringLiteral("Snacks"));
        QCOMPARE(w.session().rows[0].agendaNotes, QStringLiteral("O'Brien brings oranges"));
        w.Update_Click();
        const auto stored = loadPracticeSession(1, *practiceIdFromKey(w.key()));
        QVERIFY(stored && stored->teamMeeting);
        QCOMPARE(stored->rows[0].agendaNotes, QStringLiteral("O'Brien brings oranges"));
    }

    // The month calendar stays open under the practice window it opened and shows each save of
    // that window at once: Update and Recurrence.
    void theOpenCalendarFollowsThePracticeWindow()
    {
        frmMonthSchedule calendar(1, 0, nullptr, kTuesday);
        QVERIFY(shown(calendar));
        const auto keysOn = [&calendar](const QDate& day) {
            QStringList keys;
            for (const CalendarEntry& e : calendar.calendar()->entriesOn(day))
                keys << e.key;
            return keys;
        };
        QVERIFY(keysOn(kTuesday).isEmpty());
        calendar.openPractice = [&calendar](const QString& key, const QDate& day) {
            frmPractice::openSession(1, key, day, &calendar);
        };
        bool checked = false;
        onModal<frmPractice>([&] { calendar.openPractice(QString(), kTuesday); },
                             [&](frmPractice* w) {
                                 w->Update_Click();
                                 QCOMPARE(keysOn(kTuesday), QStringList{w->key()});
                                 onModal<dlgRecur>([&] { child<QAction>(w, "SessionRecur")->trigger(); },
                                                   [](dlgRecur* d) {
                                                       child<QLineEdit>(d, "txtWeeks")->setText(QStringLiteral("1"));
                                                       QTest::mouseClick(child<QAbstractButton>(d, "OKButton"),
                                                                         Qt::LeftButton);
                                                   });
                                 QCOMPARE(keysOn(kTuesday.addDays(7)).size(), 1);
                                 checked = true;
                             });
        QVERIFY(checked);
    }

    void deletingAndRecurrence()
    {
        frmPractice w(1, practiceKey(1, storedTuesday()), QDate(), nullptr);
        QVERIFY(shown(w));
        QCOMPARE(w.session().rows[0].drillName, QStringLiteral("Aardvark Rondo"));

        // A Tuesday session for two weeks on Tuesday and Thursday: four copies.
        onModal<dlgRecur>([&] { child<QAction>(&w, "SessionRecur")->trigger(); },
                          [](dlgRecur* d) {
                              QVERIFY(child<QCheckBox>(d, "chkDay2")->isChecked());
                              child<QLineEdit>(d, "txtWeeks")->setText(QStringLiteral("2"));
                              child<QCheckBox>(d, "chkDay4")->setChecked(true);
                              QTest::mouseClick(child<QAbstractButton>(d, "OKButton"), Qt::LeftButton);
                          });
        QCOMPARE(practiceDates(), QList<QDate>({kTuesday, QDate(2026, 9, 22), QDate(2026, 9, 24), QDate(2026, 9, 29),
                                                QDate(2026, 10, 1)}));
        QCOMPARE(countRows(QStringLiteral("PracticeDrill"), {{QStringLiteral("DrillID"), 9001}}), 5);

        env.prompter.answers << Answer::No << Answer::Yes;
        child<QAction>(&w, "SessionDelete")->trigger();
        const auto asked = env.prompter.find(QStringLiteral("Delete Session"));
        QCOMPARE(asked.text,
                 QStringLiteral("Are you sure you want to delete this Training Session from the database?"));
        QVERIFY(asked.buttons == Prompter::Buttons::YesNo);
        QCOMPARE(practiceDates().size(), 5);
        QVERIFY(w.isVisible());
        child<QAction>(&w, "SessionDelete")->trigger();
        QCOMPARE(practiceDates().size(), 4);
        QVERIFY(!practiceDates().contains(kTuesday));
        QVERIFY(!w.isVisible());
        QCOMPARE(env.prompter.shown.size(), 2);  // closing after the delete asked nothing more
    }

    void previewAndUnsavedWork()
    {
        // A session never stored is offered for saving before its agenda is shown.
        frmPractice w(1, QString(), kTuesday, nullptr);
        QVERIFY(shown(w));
        w.PlaceDrill(1, PracticeModel::Drill, 9001);
        env.prompter.answers << Answer::Yes;
        onModal<FieldConfig>([&] { child<QAction>(&w, "SessionPreview")->trigger(); },
                             [](FieldConfig* preview) { QVERIFY(preview->pageCount() >= 1); });
        QCOMPARE(env.prompter.titles(), QStringList({"Save Data"}));
        QVERIFY(w.session().isStored() && !w.isDirty());
        QCOMPARE(practiceDates().size(), 1);
        onModal<dlgDrillMaint>([&] { QTest::mouseClick(child<QAbstractButton>(&w, "DrillsBtn"), Qt::LeftButton); },
                               [](dlgDrillMaint*) {});

        // Closing with changes: Cancel keeps the window and the work, No drops it.
        w.SplitTeam_Click(2);
        env.prompter.clear();
        env.prompter.answers << Answer::Cancel << Answer::No;
        QVERIFY(!w.closeWindow());
        QVERIFY(w.isVisible() && w.isDirty());
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Do you want to save your changes?"));
        QVERIFY(w.closeWindow());
        QCOMPARE(loadPracticeSession(1, w.session().practiceId)->rows.size(), 6);
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
