// SPDX-License-Identifier: GPL-3.0-or-later
// The season schedule on both engines: game numbers beside tournament games, adding, moving and
// deleting a game, the editor's slots, and the add dialog, the editor and the tree's commands
// driven as a coach uses them.
#include "TestSupport.h"

#include "common/Formats.h"
#include "common/Selection.h"
#include "core/schedule/Schedule.h"
#include "core/schedule/ScheduleModel.h"
#include "core/schedule/SeasonGames.h"
#include "ui/schedule/ScheduleActions.h"
#include "ui/schedule/frmNewData.h"
#include "ui/schedule/frmSchedule.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>

using namespace pw;
using namespace pwtest;

namespace {

const QDate kStart(2026, 9, 5);

// Every row of a statement, each as its values joined by "/".
QStringList rowsOf(const QString& sql, const QVariantList& values = {})
{
    QSqlQuery q = execSql(sql, values);
    QStringList out;
    while (q.next()) {
        QStringList v;
        for (int i = 0; i < q.record().count(); ++i)
            v << NullToText(q.value(i));
        out << v.join(QLatin1Char('/'));
    }
    return out;
}

// Team 1's games as "number/opponent/result/moved?" and the stored count.
QStringList games(int team = 1)
{
    QStringList out;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT GameNo, OpponentNo, Result, RescheduleDate FROM Schedule WHERE TeamNo = ? "
                               "ORDER BY GameNo"),
                {team});
    while (q.next())
        out << QStringLiteral("%1/%2/%3%4")
                   .arg(q.value(0).toInt())
                   .arg(q.value(1).toInt())
                   .arg(NullToText(q.value(2)), q.value(3).isNull() ? "" : "/moved");
    return out;
}

int gameCount(int team = 1)
{
    return GetDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), team}}, QStringLiteral("NumberOfGames"))
        .toInt();
}

QStringList statGames()
{
    return rowsOf(QStringLiteral("SELECT GameNo, PlayerNo FROM GameStat WHERE TeamNo = 1 ORDER BY GameNo, PlayerNo"));
}

// Comets with three opponents, game 1 won (with statistics), game 2 unplayed (statistics, a
// line-up and notes), tournament game 1001 lost; Rockets with no opponents at all.
void club()
{
    addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("NumberOfGames"), {2}));
    addTeam(2, QStringLiteral("Rockets"), fields(QStringLiteral("StartDate"), {QVariant()}));
    const QVariantList opponents[] = {
        {1, "Blue Herons", "Pat Moore"}, {2, "Valley FC", "Lee Chan"}, {3, "O'Brien's \"XI\"", "Ann Fox"}};
    for (const QVariantList& o : opponents)
        insertRow(QStringLiteral("Opponent"),
                  fields(QStringLiteral("TeamNo OpponentNo OpponentName OpponentCoach"), QVariantList{1} + o));
    addGame(1, 1, 1, kStart, 1);
    addGame(1, 2, 2, kStart.addDays(7));
    addGame(1, 1001, 3, kStart.addDays(30), 2);
    for (const QVariantList& s : {QVariantList{1, 1, 1}, {1, 1, 2}, {1, 2, 1}, {1, 1001, 1}})
        insertRow(QStringLiteral("GameStat"), fields(QStringLiteral("TeamNo GameNo PlayerNo"), s));
    insertRow(QStringLiteral("GameSetup"), fields(QStringLiteral("TeamNo GameNo PlayerNo QtrNo"), {1, 2, 1, 1}));
    insertRow(QStringLiteral("GameNotes"), fields(QStringLiteral("TeamNo GameNo Notes"), {1, 2, "Press high"}));
}

void click(QWidget* w, const char* button)
{
    QTest::mouseClick(child<QAbstractButton>(w, button), Qt::LeftButton);
}

}  // namespace

class TestSchedule : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        club();
        selection().setTeam(1, TeamSettings{});
    }
    void seasonNumbersIgnoreTournamentGames_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("next");
        QTest::newRow("none") << QList<int>{} << 1;
        QTest::newRow("tournament games only") << QList<int>{1001, 2003} << 1;
        QTest::newRow("highest plus one, gaps kept") << QList<int>{1, 3, 1001} << 4;
        QTest::newRow("last season number") << QList<int>{998} << 999;
    }
    void seasonNumbersIgnoreTournamentGames()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(int, next);
        execSql(QStringLiteral("DELETE FROM Schedule"));
        for (int n : numbers)
            addGame(1, n, 1, kStart, 2);
        QCOMPARE(int(nextSeasonGameNo(1)), next);
        QCOMPARE(
            addSeasonGame(1, 2, kStart.addDays(3), QStringLiteral("1:30 PM"), QStringLiteral("Smith's \"Park\"; DROP")),
            qint16(next));
        QCOMPARE(gameCount(), next);
        QCOMPARE(
            rowsOf(QStringLiteral(
                       "SELECT OpponentNo, GameTime, FieldName, Result FROM Schedule WHERE TeamNo = 1 AND GameNo = ?"),
                   {next}),
            QStringList{QStringLiteral("2/1:30 PM/Smith's \"Park\"; DROP/")});
        QCOMPARE(games().size(), numbers.size() + 1);  // nothing else changed
        if (next == 999)
            QVERIFY_THROWS_EXCEPTION(PwError, nextSeasonGameNo(1));  // 1000 is tournament 1's
    }

    void gamesDefaultToAWeekApart()
    {
        QCOMPARE(defaultGameDate(1, 1), kStart);
        QCOMPARE(defaultGameDate(1, 3), kStart.addDays(14));
        QCOMPARE(defaultGameDate(2, 3, QDate(2027, 1, 2)), QDate(2027, 1, 2));  // no start date: today
    }

    void reschedulingKeepsTheFirstDate()
    {
        rescheduleGame(1, 2, QDate(2026, 10, 1), QStringLiteral("3:00 PM"));
        QCOMPARE(readScheduledGame(1, 2).date, kStart.addDays(7));
        QCOMPARE(readScheduledGame(1, 2).rescheduleDate, QDate(2026, 10, 1));
        QCOMPARE(rowsOf(QStringLiteral(
                     "SELECT GameTime, FieldName, RescheduleTime FROM Schedule WHERE TeamNo = 1 AND GameNo = 2")),
                 QStringList{QStringLiteral("10:00 AM/Riverside 2/3:00 PM")});
        const SeasonGame g = readSeasonGames({1}).value(1);
        QCOMPARE(gameDetailLines(g).value(1).second,
                 QStringLiteral("Rescheduled Date:Thursday, October 1, 2026 at 3:00 PM"));
        QVERIFY_THROWS_EXCEPTION(PwError, rescheduleGame(1, 7, kStart, {}));     // no such game
        QVERIFY_THROWS_EXCEPTION(PwError, rescheduleGame(1, 1001, kStart, {}));  // the bracket's
    }

    void deletingTakesTheStatisticsAndOneFromTheCount()
    {
        execSql(QStringLiteral("UPDATE Teams SET NumberOfGames = 1 WHERE TeamNo = 1"));
        deleteSeasonGame(1, 1);  // not the highest
        QCOMPARE(games(), QStringList({"2/2/", "1001/3/2"}));
        QCOMPARE(statGames(), QStringList({"2/1", "1001/1"}));
        QCOMPARE(gameCount(), 0);
        QCOMPARE(rowsOf(QStringLiteral("SELECT COUNT(*) FROM GameSetup")) +
                     rowsOf(QStringLiteral("SELECT COUNT(*) FROM GameNotes")),
                 QStringList({"1", "1"}));
        QCOMPARE(nextSeasonGameNo(1), 3);
        deleteSeasonGame(1, 2);
        QCOMPARE(gameCount(), 0);  // never below none
        QVERIFY_THROWS_EXCEPTION(PwError, deleteSeasonGame(1, 2));
        QVERIFY_THROWS_EXCEPTION(PwError, deleteSeasonGame(1, 1001));
        QCOMPARE(games(), QStringList({"1001/3/2"}));
    }

    // A store failure in the middle of a save leaves every row as it was.
    void aFailedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("add") << "add";
        QTest::newRow("delete") << "delete";
        QTest::newRow("editor") << "editor";
    }
    void aFailedSaveChangesNothing()
    {
        QFETCH(QString, operation);
        const QStringList before = games() + statGames();
        const bool editor = operation == QLatin1String("editor");
        const Refusal refusal =
            editor ? Refusal(QStringLiteral("Schedule"), QStringLiteral("INSERT"), QStringLiteral("NEW.GameNo = 2"))
                   : Refusal(QStringLiteral("Teams"), QStringLiteral("UPDATE"), QStringLiteral("NEW.TeamNo = 1"));
        if (operation == QLatin1String("add"))
            QVERIFY_THROWS_EXCEPTION(PwError, addSeasonGame(1, 1, kStart, {}, {}));
        if (operation == QLatin1String("delete"))
            QVERIFY_THROWS_EXCEPTION(PwError, deleteSeasonGame(1, 1));
        if (editor) {
            ScheduleSlots slots;
            slots.load(1, 3);
            slots.store(3, 3, kStart, QTime(9, 0), QString());
            QVERIFY_THROWS_EXCEPTION(PwError, slots.save(1));
        }
        QCOMPARE(games() + statGames(), before);
        QCOMPARE(gameCount(), 2);
    }

    void theEditorKeepsWhatItDoesNotEdit()
    {
        rescheduleGame(1, 1, QDate(2026, 9, 6), QStringLiteral("9:00 AM"));
        addGame(1, 6, 3, kStart);  // numbered above the count after a delete
        ScheduleSlots slots;
        slots.load(1, 4);
        QCOMPARE(slots.count(), 6);
        QVERIFY(slots.slot(1)->filled() && !slots.slot(3)->filled() && !slots.slot(7));
        QVERIFY(slots.store(1, 2, QDate(2026, 9, 20), QTime(14, 30), QStringLiteral("North 1")));
        QVERIFY(slots.store(2, 0, {}, {}, {}));               // emptied: no row
        QVERIFY(slots.store(4, 1, kStart, QTime(0, 0), {}));  // a new game
        QVERIFY(!slots.store(7, 1, kStart, QTime(0, 0), {}));
        QCOMPARE(slots.slot(1)->timeText, QStringLiteral("02:30 PM"));
        slots.save(1);
        QCOMPARE(games(), QStringList({"1/2/1/moved", "4/1/", "6/3/", "1001/3/2"}));
        QCOMPARE(gameCount(), 2);

        ScheduleModel grid;
        grid.setOpponents(scheduleOpponents(1));
        slots.load(1, 4);
        grid.setRows(slots.slots());
        QCOMPARE(grid.headers(), QStringList({"No.", "Opponent", "Date", "Time"}));
        QCOMPARE(QStringList({grid.cellText(0, 1), grid.cellText(0, 2), grid.cellText(0, 3)}),
                 QStringList({"Valley FC", "9/20/2026", "02:30 PM"}));
        QCOMPARE(QStringList({grid.cellText(1, 0), grid.cellText(1, 1), grid.cellText(5, 3)}),
                 QStringList({"2", "", "10:00 AM"}));
    }

    void kickOffTimesAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time");
        QTest::newRow("picker") << "1:30 PM" << QTime(13, 30);
        QTest::newRow("editor") << "01:30 PM" << QTime(13, 30);
        QTest::newRow("midnight") << "12:00 AM" << QTime(0, 0);
        QTest::newRow("24-hour") << "18:05" << QTime(18, 5);
        QTest::newRow("empty") << "" << QTime();
        QTest::newRow("words") << "TBD" << QTime();
    }
    void kickOffTimesAreRead()
    {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        QCOMPARE(parseGameTime(text), time);
    }

    void theAddDialogNeedsAnOpponent()
    {
        frmNewData dialog(1);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New Data"));
        QCOMPARE(child<QGroupBox>(&dialog, "GamePanel")->title(), QStringLiteral("Game Schedule Information"));
        auto* opponents = child<QComboBox>(&dialog, "OpList");
        QCOMPARE(opponents->itemText(2), QStringLiteral("O'Brien's \"XI\" (Ann Fox)"));
        QCOMPARE(opponents->currentIndex(), -1);
        QCOMPARE(child<QTimeEdit>(&dialog, "Gametime")->text(), QStringLiteral("12:00 PM"));
        screenshot(&dialog, QStringLiteral("schedule-add-game"));
        click(&dialog, "AddBtn");
        const auto shown = env.prompter.find(QStringLiteral("Missing Opponent"));
        QCOMPARE(shown.text, QStringLiteral("You must supply an opponent."));
        QCOMPARE(shown.icon, Prompter::Icon::Critical);
        QVERIFY(dialog.isVisible());
        opponents->setCurrentIndex(1);
        click(&dialog, "AddBtn");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.opponentNo(), qint16(2));
    }

    void addingFromTheMainWindow()
    {
        NoticeLog saved;
        onModal<frmNewData>([] { TeamSetSchedule_Click(nullptr); },
                            [](frmNewData* d) {
                                QCOMPARE(d->windowTitle(), QStringLiteral("Add New Game to Schedule"));
                                QCOMPARE(child<QPushButton>(d, "AddBtn")->text(), QStringLiteral("Add"));
                                QCOMPARE(d->date(), kStart.addDays(14));  // the third game
                                child<QComboBox>(d, "OpList")->setCurrentIndex(2);
                                child<QTimeEdit>(d, "Gametime")->setTime(QTime(9, 15));
                                click(d, "AddBtn");
                            });
        QCOMPARE(games().value(2), QStringLiteral("3/3/"));
        QCOMPARE(GetDBData(QStringLiteral("Schedule"), {{QStringLiteral("GameNo"), 3}}, QStringLiteral("GameTime")),
                 QStringLiteral("9:15 AM"));
        QCOMPARE(gameCount(), 3);
        QCOMPARE(saved.count(Change::Games, 1), 1);

        onModal<frmNewData>([] { TeamSetSchedule_Click(nullptr); }, [](frmNewData* d) { click(d, "CancelBtn"); });
        QCOMPARE(gameCount(), 3);
        QCOMPARE(saved.size(), 1);

        selection().setTeam(2, TeamSettings{});
        TeamSetSchedule_Click(nullptr);  // refused before any dialog
        const auto refused = env.prompter.find(QStringLiteral("No Opponents"));
        QCOMPARE(refused.text,
                 QStringLiteral(
                     "There are no opponents listed. You must first enter the opponent names in the opponents list."));
        QCOMPARE(games(2), QStringList());
    }

    void reschedulingAndDeletingFromTheTree()
    {
        selection().setGame(2);
        onModal<frmNewData>([] { TreeReschedGame_Click(nullptr); },
                            [](frmNewData* d) {
                                QCOMPARE(d->windowTitle(), QStringLiteral("Reschedule Game"));
                                // The button says what it does: the game is moved, not added.
                                QCOMPARE(child<QPushButton>(d, "AddBtn")->text(), QStringLiteral("Reschedule"));
                                screenshot(d, QStringLiteral("reschedule-game"));
                                QCOMPARE(child<QComboBox>(d, "OpList")->currentText(),
                                         QStringLiteral("Valley FC (Lee Chan)"));
                                QCOMPARE(child<QLineEdit>(d, "GameField")->text(), QStringLiteral("Riverside 2"));
                                QCOMPARE(d->time(), QTime(10, 0));
                                child<QDateEdit>(d, "GameDate")->setDate(QDate(2026, 10, 3));
                                click(d, "AddBtn");
                            });
        QCOMPARE(readScheduledGame(1, 2).rescheduleDate, QDate(2026, 10, 3));
        QCOMPARE(readScheduledGame(1, 2).date, kStart.addDays(7));

        env.prompter.answers << Prompter::Answer::No << Prompter::Answer::Yes;
        TreeDelGame_Click(nullptr, QStringLiteral("Valley FC"));
        QCOMPARE(games().size(), 3);
        TreeDelGame_Click(nullptr, QStringLiteral("Valley FC"));
        const auto asked = env.prompter.find(QStringLiteral("Delete Game"));
        QCOMPARE(asked.text, QStringLiteral("Are you sure you would like to delete the game with Valley FC?"));
        QCOMPARE(asked.buttons, Prompter::Buttons::YesNo);
        QCOMPARE(games(), QStringList({"1/1/1", "1001/3/2"}));
        QCOMPARE(gameCount(), 1);
    }

    void theEditorStoresSlotsOnOkAndAsksOnClose()
    {
        frmSchedule w(1, 3, 2);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Game Schedule"));
        QCOMPARE(w.rememberedSlot(), 2);
        QCOMPARE(child<QLineEdit>(&w, "txtOppName")->text(), QStringLiteral("Valley FC"));
        QCOMPARE(child<QLineEdit>(&w, "txtOppCoach")->text(), QStringLiteral("Lee Chan"));
        QCOMPARE(child<QTimeEdit>(&w, "GameTime")->time(), QTime(10, 0));
        screenshot(&w, QStringLiteral("schedule-editor-slot"));
        auto* grid = child<QTableView>(&w, "ScheduleList");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(w.model()->index(2, 1)).center());
        QCOMPARE(w.rememberedSlot(), 3);
        QCOMPARE(child<QComboBox>(&w, "txtOppNo")->currentIndex(), -1);
        QCOMPARE(child<QTimeEdit>(&w, "GameTime")->text(), QStringLiteral("12:00 AM"));
        QCOMPARE(child<QDateEdit>(&w, "GameDate")->date(), QDate::currentDate());
        child<QComboBox>(&w, "txtOppNo")->setCurrentIndex(0);
        QCOMPARE(child<QLineEdit>(&w, "txtOppName")->text(), QStringLiteral("Blue Herons"));
        QTest::keyClicks(child<QLineEdit>(&w, "txtFieldName"), QStringLiteral("Lakeside"));
        click(&w, "AddMod");
        QCOMPARE(w.model()->cellText(2, 1), QStringLiteral("Blue Herons"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Game Schedule (Dirty)"));
        QCOMPARE(w.rememberedSlot(), 0);
        click(&w, "AddMod");  // no slot chosen: nothing more
        QCOMPARE(w.slots().slot(3)->fieldName, QStringLiteral("Lakeside"));
        screenshot(&w, QStringLiteral("schedule-editor"));

        click(&w, "CloseBtn");  // unanswered: Cancel keeps it open
        QCOMPARE(env.prompter.find(QStringLiteral("Save Data?")).text,
                 QStringLiteral("Data has been changed. Do you want to Save the changes?"));
        QVERIFY(w.isVisible());
        QCOMPARE(games().size(), 3);
        NoticeLog saved;
        click(&w, "OKButton");
        QVERIFY(!w.isVisible());
        QCOMPARE(games(), QStringList({"1/1/1", "2/2/", "3/1/", "1001/3/2"}));
        QCOMPARE(saved.size(), 1);

        frmSchedule discarded(1, 3, 0);
        discarded.show();
        discarded.ScheduleList_Click(0);
        child<QComboBox>(&discarded, "txtOppNo")->setCurrentIndex(2);
        click(&discarded, "AddMod");
        env.prompter.answers << Prompter::Answer::No;
        click(&discarded, "CloseBtn");
        QVERIFY(!discarded.isVisible());
        QCOMPARE(games().value(0), QStringLiteral("1/1/1"));
    }
};

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
