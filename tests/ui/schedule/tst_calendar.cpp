// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar on both engines: which days the five weeks show and how the pickers follow
// them, games and practices in their days with their keys, clashes, the cost in statements, and
// the window driven by mouse and keyboard.
#include "TestSupport.h"

#include "data/Changes.h"

#include "core/schedule/MonthCalendar.h"
#include "ui/schedule/frmMonthSchedule.h"
#include "ui/schedule/frmSchedule.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>

using namespace pw;
using namespace pwtest;

namespace {

// August 2026 starts on a Saturday, February 2026 on a Sunday.
const QDate kAugust(2026, 8, 20);

int addPractice(int team, const QDate& day, bool meeting = false, int fromHour = 17)
{
    insertRow(QStringLiteral("Practice"),
              fields(QStringLiteral("TeamNo PracticeDate StartTime EndTime TimeSegment TeamMeeting"),
                     {team, day, QDateTime(QDate(1899, 12, 30), QTime(fromHour, 0)),
                      QDateTime(QDate(1899, 12, 30), QTime(fromHour + 1, 30)), 15, meeting}));
    QSqlQuery q = execSql(QStringLiteral("SELECT MAX(PracticeID) FROM Practice"));
    q.next();
    return q.value(0).toInt();
}

void addTimedGame(int team, int gameNo, const QDate& day, const QString& time)
{
    addGame(team, gameNo, 1, day);
    execSql(QStringLiteral("UPDATE Schedule SET GameTime = ? WHERE TeamNo = ? AND GameNo = ?"), {time, team, gameNo});
}

QStringList keysOn(const MonthCalendar& c, const QDate& day)
{
    QStringList keys;
    for (const CalendarEntry& e : c.entriesOn(day))
        keys << e.key;
    return keys;
}

// Runs work on whatever modal window or pop-up action opens, then closes what is still open.
void onTop(const std::function<void()>& action, const std::function<void(QWidget*)>& work)
{
    bool seen = false;
    QTimer::singleShot(0, qApp, [&] {
        QWidget* top =
            QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (top) {
            seen = true;
            work(top);
        }
        if (QApplication::activeModalWidget() && QApplication::activeModalWidget() == top)
            top->close();
    });
    action();
    QVERIFY(seen);
}

QPoint cellCentre(QTableView* grid, const QModelIndex& index)
{
    return grid->visualRect(index).center();
}

}  // namespace

class TestCalendar : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("NumberOfGames"), {3}));
        addTeam(2, QStringLiteral("Rockets"));
        addOpponent(1, 1, QStringLiteral("Valley FC"));
        addOpponent(2, 1, QStringLiteral("Hill United"));
    }
    void fiveWeeksFromTheSunday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("firstOfMonthColumn");
        QTest::newRow("month starting on Sunday") << QDate(2026, 2, 17) << QDate(2026, 2, 1) << 0;
        QTest::newRow("month starting on Saturday") << kAugust << QDate(2026, 7, 26) << 6;
    }
    void fiveWeeksFromTheSunday()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, first);
        QFETCH(int, firstOfMonthColumn);
        MonthCalendar c;
        c.open(1, today);
        QCOMPARE(c.firstShown(), first);
        QCOMPARE(c.dateAt(0, firstOfMonthColumn), QDate(today.year(), today.month(), 1));
        QCOMPARE(c.dateAt(4, 6), first.addDays(34));
        QCOMPARE(c.dayAfterRange(), first.addDays(35));
        QCOMPARE(c.shownMonth(), today.month());
        for (int col = 0; col < 7; ++col) {
            const QModelIndex i = c.index(0, col);
            QCOMPARE(i.data(MonthCalendar::InShownMonthRole).toBool(), col >= firstOfMonthColumn);
        }
        QVERIFY(c.index(4, 6).data(MonthCalendar::InShownMonthRole).toBool() ==
                (first.addDays(34).month() == today.month()));
        QVERIFY(c.indexOf(today).data(MonthCalendar::IsTodayRole).toBool());
        QCOMPARE(c.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Sunday"));
        QCOMPARE(c.headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Saturday"));
        QCOMPARE(c.years(), (QList<int>{2023, 2024, 2025, 2026, 2027, 2028, 2029}));
        QCOMPARE(MonthCalendar::monthNames().value(8), QStringLiteral("September"));
    }

    void scrollingAndChoosing()
    {
        MonthCalendar c;
        c.open(1, kAugust);
        const QDate secondRow = c.dateAt(1, 3);
        c.scrollWeeks(1);
        QCOMPARE(c.dateAt(0, 3), secondRow);  // every day one row up
        c.scrollWeeks(4);                     // Saturday August 29 ends the first week
        QCOMPARE(c.shownMonth(), 8);
        c.scrollWeeks(5);  // Saturday September 5 reaches the first row
        QCOMPARE(c.shownMonth(), 9);
        QCOMPARE(c.firstShown(), QDate(2026, 8, 30));
        QCOMPARE(c.baseDate(), QDate(2026, 8, 1));
        c.scrollWeeks(80);
        QCOMPARE(c.weekOffset(), MonthCalendar::kWeekScrollMax);
        QCOMPARE(c.firstShown(), MonthCalendar::sundayOnOrBefore(QDate(2026, 8, 1).addDays(7 * 52)));

        c.chooseMonth(3);  // of the shown year, 2027
        QCOMPARE(c.baseDate(), QDate(2027, 3, 1));
        QCOMPARE(c.weekOffset(), 0);
        c.chooseYear(2029);
        QCOMPARE(c.baseDate(), QDate(2029, 3, 1));  // the month is kept
        QCOMPARE(c.shownMonth(), 3);
        c.scrollWeeks(52);  // beyond the listed years: the list takes the shown year in
        QCOMPARE(c.shownYear(), 2030);
        QCOMPARE(c.years().last(), 2030);

        c.open(1, QDate(2026, 8, 31));  // past the five weeks from July 26: opened a week on
        QCOMPARE(c.weekOffset(), 1);
        QCOMPARE(c.indexOf(QDate(2026, 8, 31)), c.index(4, 1));
        QCOMPARE(c.shownMonth(), 8);
    }

    void entriesInTheirDays()
    {
        const QDate first(2026, 7, 26);
        addTimedGame(1, 1, first, QStringLiteral("01:30 PM"));
        addTimedGame(1, 2, first.addDays(34), QStringLiteral("9:00 AM"));
        addGame(1, 1001, 1, QDate(2026, 8, 15));  // a tournament game counts as a game of the day
        addGame(2, 1, 1, QDate(2026, 8, 4));      // another team's
        execSql(QStringLiteral("UPDATE Schedule SET RescheduleDate = ?, RescheduleTime = ? WHERE GameNo = 2"),
                {QDate(2026, 9, 3), QStringLiteral("6:00 PM")});
        const int session = addPractice(1, QDate(2026, 8, 5));
        const int meeting = addPractice(1, QDate(2026, 8, 6), true);
        addPractice(1, first.addDays(35));  // the day after the range
        addPractice(1, first.addDays(-1));
        addPractice(2, QDate(2026, 8, 7));

        MonthCalendar c;
        c.open(1, kAugust);
        QCOMPARE(c.keyAt(0, 0), QStringLiteral("T1G1"));
        QCOMPARE(c.entriesOn(first).value(0).lines, (QStringList{"Valley FC", "01:30 PM", "Riverside 2"}));
        QCOMPARE(c.keyAt(4, 6), QStringLiteral("T1G2"));
        QCOMPARE(c.entriesOn(first.addDays(34)).value(0).lines.last(), QStringLiteral("Moved to Sep 3 6:00 PM"));
        QCOMPARE(keysOn(c, QDate(2026, 8, 15)), QStringList{"T1G1001"});
        QCOMPARE(c.entriesOn(QDate(2026, 8, 15)).value(0).kind, CalendarEntry::Kind::TournamentGame);
        QCOMPARE(keysOn(c, QDate(2026, 8, 5)), QStringList{QStringLiteral("T1P%1").arg(session)});
        QCOMPARE(c.entriesOn(QDate(2026, 8, 5)).value(0).lines, (QStringList{"Session", "5:00 PM", "6:30 PM"}));
        QCOMPARE(c.entriesOn(QDate(2026, 8, 6)).value(0).lines.value(0), QStringLiteral("Team Meeting"));
        QCOMPARE(c.keyAt(1, 4), QStringLiteral("T1P%1").arg(meeting));
        int filled = 0;
        for (int d = 0; d < MonthCalendar::kDaysShown; ++d)
            filled += c.entriesOn(first.addDays(d)).isEmpty() ? 0 : 1;
        QCOMPARE(filled, 5);
        QCOMPARE(c.index(1, 3).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Wednesday, August 5, 2026; Session, 5:00 PM, 6:30 PM"));
        QCOMPARE(c.index(0, 0).data().toString(), QStringLiteral("26\nValley FC\n01:30 PM\nRiverside 2"));
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void conflictsAreShownAndToldOnce()
    {
        const QDate clash(2026, 8, 12);
        addPractice(1, clash, false, 9);
        addTimedGame(1, 1, clash, QStringLiteral("10:00 AM"));
        addPractice(1, QDate(2026, 8, 19), false, 17);
        addPractice(1, QDate(2026, 8, 19), true, 19);

        MonthCalendar c;
        c.open(1, kAugust);
        QCOMPARE(env.prompter.shown.size(), 1);
        const auto told = env.prompter.find(QStringLiteral("Schedule Conflict"));
        QCOMPARE(told.text, QStringLiteral("There is a conflict on 8/12/2026, 8/19/2026"));
        QCOMPARE(told.icon, Prompter::Icon::Critical);
        // Every entry stays in its day, the game first, so the game is what the day opens.
        QCOMPARE(c.entriesOn(clash).size(), 2);
        QVERIFY(c.keyAt(2, 3).contains(QLatin1Char('G')));
        QVERIFY(c.indexOf(clash).data(MonthCalendar::ConflictRole).toBool());
        QVERIFY(c.indexOf(clash).data(Qt::AccessibleTextRole).toString().contains(QStringLiteral("schedule conflict")));
        QCOMPARE(c.entriesOn(QDate(2026, 8, 19)).value(0).kind, CalendarEntry::Kind::Practice);

        c.scrollWeeks(3);
        c.scrollWeeks(0);
        c.redraw();
        QCOMPARE(env.prompter.shown.size(), 1);  // the same clashes are not told again
        addPractice(1, QDate(2026, 8, 26));
        addPractice(1, QDate(2026, 8, 26));
        c.redraw();
        QCOMPARE(env.prompter.shown.size(), 2);
        QCOMPARE(env.prompter.shown.last().text, QStringLiteral("There is a conflict on 8/26/2026"));
    }

    void aMovedGameShowsOnItsNewDay()
    {
        addTimedGame(1, 1, QDate(2026, 8, 1), QStringLiteral("10:00 AM"));
        addTimedGame(1, 2, QDate(2026, 7, 18), QStringLiteral("9:00 AM"));  // first set before the weeks shown
        execSql(QStringLiteral("UPDATE Schedule SET RescheduleDate = ?, RescheduleTime = ? WHERE GameNo = ?"),
                {QDate(2026, 8, 13), QStringLiteral("6:00 PM"), 1});
        execSql(QStringLiteral("UPDATE Schedule SET RescheduleDate = ?, RescheduleTime = ? WHERE GameNo = ?"),
                {QDate(2026, 8, 20), QString(), 2});

        MonthCalendar c;
        c.open(1, kAugust);
        // The first date keeps a pointer to the new one; the new date holds the game, marked moved.
        QCOMPARE(c.entriesOn(QDate(2026, 8, 1)).value(0).lines.last(), QStringLiteral("Moved to Aug 13 6:00 PM"));
        const CalendarEntry moved = c.entriesOn(QDate(2026, 8, 13)).value(0);
        QCOMPARE(moved.key, QStringLiteral("T1G1"));
        QCOMPARE(moved.lines,
                 (QStringList{"Valley FC (moved)", "6:00 PM", "Riverside 2", "Moved from Aug 1 10:00 AM"}));
        QVERIFY(c.indexOf(QDate(2026, 8, 13))
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("Moved from Aug 1")));
        // Moved without a new time it keeps its first one.
        QCOMPARE(c.entriesOn(QDate(2026, 8, 20)).value(0).lines,
                 (QStringList{"Valley FC (moved)", "9:00 AM", "Riverside 2", "Moved from Jul 18 9:00 AM"}));
        QCOMPARE(c.entriesOn(QDate(2026, 8, 20)).value(0).time, QTime(9, 0));
        QVERIFY(env.prompter.shown.isEmpty());

        frmMonthSchedule w(1, 3, nullptr, kAugust);
        w.resize(1000, 640);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        screenshot(&w, QStringLiteral("calendar-moved-game"));
    }

    void screenReadersFindEveryControlAndYear()
    {
        frmMonthSchedule w(1, 3, nullptr, kAugust);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(unnamedControls(&w).join(QStringLiteral("; ")), QString());
        // The months and years of an open list are reported inside it, where a click reaches them.
        for (const char* name : {"lstMonth", "lstYear"}) {
            auto* list = child<QComboBox>(&w, name);
            list->showPopup();
            QTRY_VERIFY(list->view()->isVisible());
            QVERIFY(list->view()->model()->rowCount() > 3);
            QCOMPARE(itemsOutsideView(list->view()).join(QStringLiteral("; ")), QString());
            screenshot(list->view()->window(), QStringLiteral("calendar-%1").arg(QLatin1String(name)));
            list->hidePopup();
        }
    }

    void statementsDoNotGrowWithTheEntries()
    {
        const QDate first(2026, 7, 26);
        auto cost = [&] {
            const quint64 before = statementCount();
            const FilledSchedule f = FillSchedule(1, first, MonthCalendar::kDaysShown);
            return statementCount() - before;
        };
        const quint64 empty = cost();
        for (int d = 0; d < 35; ++d) {
            addGame(1, d + 1, 1, first.addDays(d));
            addPractice(1, first.addDays(d));
        }
        QCOMPARE(cost(), empty);
        QCOMPARE(empty, quint64(2));
        QCOMPARE(FillSchedule(1, first, 35).conflicts.size(), 35);
    }

    void windowOpensGamesAndPractices()
    {
        addTimedGame(1, 2, QDate(2026, 8, 11), QStringLiteral("10:00 AM"));
        const int session = addPractice(1, QDate(2026, 8, 13));
        frmMonthSchedule w(1, 3, nullptr, kAugust);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Month Schdule"));
        auto* grid = child<QTableView>(&w, "MonthGrid");
        auto* scroll = child<QScrollBar>(&w, "WeekScroll");
        MonthCalendar* c = w.calendar();
        QCOMPARE(child<QComboBox>(&w, "lstMonth")->currentText(), QStringLiteral("August"));
        QCOMPARE(child<QComboBox>(&w, "lstYear")->currentText(), QStringLiteral("2026"));

        // No practice window wired: a double click on a practice or a free day does nothing.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, c->indexOf(QDate(2026, 8, 13))));

        QList<QPair<QString, QDate>> asked;
        w.openPractice = [&](const QString& key, const QDate& day) { asked << qMakePair(key, day); };
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, c->indexOf(QDate(2026, 8, 13))));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, c->indexOf(QDate(2026, 8, 14))));
        grid->setFocus();
        grid->setCurrentIndex(c->indexOf(QDate(2026, 8, 13)));
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(asked, (QList<QPair<QString, QDate>>{{QStringLiteral("T1P%1").arg(session), QDate(2026, 8, 13)},
                                                      {QString(), QDate(2026, 8, 14)},
                                                      {QString(), QDate(2026, 8, 21)}}));

        // The game opens the editor on its slot; the calendar comes back on the same weeks and
        // shows what the editor changed.
        scroll->setValue(1);
        const QDate first = c->firstShown();
        onTop(
            [&] {
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                                   cellCentre(grid, c->indexOf(QDate(2026, 8, 11))));
            },
            [](QWidget* top) {
                auto* editor = qobject_cast<frmSchedule*>(top);
                QVERIFY(editor);
                QCOMPARE(editor->rememberedSlot(), 2);
                // Stored and announced as the editor's own save is, while the editor is open.
                execSql(QStringLiteral("UPDATE Schedule SET GameDate = ? WHERE GameNo = 2"), {QDate(2026, 8, 12)});
                announce(Change::Games, 1);
                QCOMPARE(keysOn(*qobject_cast<frmMonthSchedule*>(top->parentWidget())->calendar(), QDate(2026, 8, 12)),
                         QStringList{"T1G2"});
            });
        QCOMPARE(c->firstShown(), first);
        QCOMPARE(keysOn(*c, QDate(2026, 8, 12)), QStringList{"T1G2"});

        // Keys past the last row carry the view a week; Page Down moves four.
        grid->setCurrentIndex(c->index(4, 2));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(scroll->value(), 2);
        QCOMPARE(w.currentDay(), c->dateAt(4, 2));
        QTest::keyClick(grid, Qt::Key_PageDown);
        QCOMPARE(scroll->value(), 6);
        QCOMPARE(child<QComboBox>(&w, "lstMonth")->currentText(), QStringLiteral("September"));
        child<QComboBox>(&w, "lstMonth")->setCurrentIndex(1);  // February of 2026
        QCOMPARE(c->firstShown(), QDate(2026, 2, 1));
        QCOMPARE(scroll->value(), 0);
        child<QComboBox>(&w, "lstYear")->setCurrentText(QStringLiteral("2028"));
        QCOMPARE(c->baseDate(), QDate(2028, 2, 1));
    }

    void busyMonth()
    {
        // A clash day offers its entries to choose from.
        addTimedGame(1, 1, QDate(2026, 8, 8), QStringLiteral("10:00 AM"));
        addTimedGame(1, 2, QDate(2026, 8, 15), QStringLiteral("01:30 PM"));
        addTimedGame(1, 3, QDate(2026, 8, 22), QStringLiteral("09:00 AM"));
        addGame(1, 1001, 1, QDate(2026, 8, 29));
        for (const QDate& d : {QDate(2026, 8, 4), QDate(2026, 8, 6), QDate(2026, 8, 11), QDate(2026, 8, 13),
                               QDate(2026, 8, 18), QDate(2026, 8, 20), QDate(2026, 8, 25), QDate(2026, 8, 27)})
            addPractice(1, d);
        addPractice(1, QDate(2026, 8, 15), false, 9);
        const int meeting = addPractice(1, QDate(2026, 8, 15), true, 18);
        addPractice(1, QDate(2026, 8, 1), true, 18);

        frmMonthSchedule w(1, 3, nullptr, kAugust);
        w.resize(1000, 640);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        screenshot(&w, QStringLiteral("calendar-busy"));
        QCOMPARE(env.prompter.titles(), QStringList{"Schedule Conflict"});

        QList<QString> opened;
        w.openPractice = [&](const QString& key, const QDate&) { opened << key; };
        auto* grid = child<QTableView>(&w, "MonthGrid");
        grid->setFocus();
        grid->setCurrentIndex(w.calendar()->indexOf(QDate(2026, 8, 15)));
        onTop([&] { QTest::keyClick(grid, Qt::Key_Return); },
              [](QWidget* top) {
                  auto* menu = qobject_cast<QMenu*>(top);
                  QVERIFY(menu);
                  QCOMPARE(menu->actions().size(), 3);
                  QVERIFY(menu->actions().value(0)->text().startsWith(QStringLiteral("Valley FC")));
                  for (int i = 0; i < 3; ++i)
                      QTest::keyClick(menu, Qt::Key_Down);
                  QTest::keyClick(menu, Qt::Key_Return);
              });
        QCOMPARE(opened, QStringList{QStringLiteral("T1P%1").arg(meeting)});
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
