// SPDX-License-Identifier: GPL-3.0-or-later
// The line-up board as the coach uses it: picking periods, dragging and keying players on and off,
// the refusals in the note, availability and captains written at once, the close question, and
// the board keeping to its game while the main window moves on.
#include "TestSupport.h"

#include "app/MainForm.h"
#include "app/RosterModel.h"
#include "core/games/LineupModel.h"
#include "core/games/Pitch.h"
#include "ui/base/EditWindow.h"
#include "ui/games/GameSetup.h"
#include "ui/games/LineupSuggest.h"
#include "ui/games/LineupViews.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>

using namespace pw;
using namespace pwtest;

// Counts the events of one type that reach the objects it watches.
class EventCounter : public QObject {
public:
    EventCounter(QEvent::Type type, int& count)
        : m_type(type)
        , m_count(count)
    {
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == m_type)
            ++m_count;
        return false;
    }

private:
    QEvent::Type m_type;
    int& m_count;
};

class TestLineupBoard : public StoreTest {
    Q_OBJECT

private:
    static LineupGame game(qint16 gameNo, int places = 8)
    {
        return LineupGame{.teamNo = 1, .gameNo = gameNo, .opponentNo = 1, .periods = 4, .places = places};
    }
    // A main window as the program makes it: on the heap, deleted when it closes.
    static MainForm* openMainForm()
    {
        auto* form = new MainForm;
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->ConfigureMainStatus();
        form->SetTeamTabs();
        form->show();
        if (!QTest::qWaitForWindowExposed(form)) {
            delete form;
            return nullptr;
        }
        return form;
    }
    static int rowOf(GameSetup& b, qint16 playerNo) { return b.board().rowOf(playerNo); }
    // Presses the name cell and drops the player on the field, as a drag from the grid does.
    static void drag(GameSetup& b, qint16 playerNo, QPoint twips)
    {
        if (b.PlayerGrid_MouseDown(rowOf(b, playerNo)))
            b.MainField_DragDrop(playerNo, twips, false);
    }
    static QString cell(GameSetup& b, qint16 playerNo, int column)
    {
        return b.model().data(b.model().index(rowOf(b, playerNo), column), Qt::DisplayRole).toString();
    }
    // Period/player/x/y of each placement stored for the game.
    static QStringList setupRows(int gameNo)
    {
        return queryRows(QStringLiteral("SELECT QtrNo, PlayerNo, XPos, YPos FROM GameSetup WHERE TeamNo = 1 AND GameNo "
                                        "= ? ORDER BY QtrNo, PlayerNo"),
                         {gameNo});
    }
    static QString stat(int gameNo, int playerNo, const char* column)
    {
        return GetDBData(
            QStringLiteral("GameStat"),
            {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), gameNo}, {QStringLiteral("PlayerNo"), playerNo}},
            QString::fromLatin1(column));
    }

private Q_SLOTS:
    // Comets: ten players (numbers 1 to 10, jerseys 11 to 20), two games against the Owls.
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("NumberOfGames"), {2}));
        addOpponent(1, 1, QStringLiteral("Owls"));
        const QStringList last{"Adams", "Baker", "Chen", "Diaz", "Evans", "Fox", "Garcia", "Hill", "Ito", "Jones"};
        for (int i = 0; i < last.size(); ++i)
            addPlayer(1, i + 1, last[i], QStringLiteral("Kid%1").arg(i + 1), 11 + i);
        addGame(1, 1, 1, QDate(2026, 9, 12));
        addGame(1, 2, 1, QDate(2026, 9, 19));
    }

    void placingPlayersOnTheField()
    {
        GameSetup b(game(1), QStringLiteral("1 - Owls"));
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        // Opening stored a zeroed row for every player at once.
        QCOMPARE(countRows(QStringLiteral("GameStat"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 1}}),
                 10);
        QVERIFY(!b.isDirty());

        QVERIFY(!b.PlayerGrid_MouseDown(0));
        QCOMPARE(b.note(), QStringLiteral("No Period Selected"));
        QTest::mouseClick(child<QWidget>(&b, "Qtr1Pic1"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(&b, "CurrentQtr")->text(), QStringLiteral("Period 1"));
        QVERIFY(!child<QAction>(&b, "CopyFromQ1")->isEnabled() && child<QAction>(&b, "CopyFromQ2")->isEnabled());

        drag(b, 1, QPoint(1000, 1000));
        QCOMPARE(b.board().slot(1, 1).XPos, qint16(874));
        QCOMPARE(cell(b, 1, 1), QStringLiteral("X"));
        QVERIFY(b.isDirty() && child<QPushButton>(&b, "SaveBtn")->isEnabled());
        QVERIFY(!b.PlayerGrid_MouseDown(rowOf(b, 1)));
        QCOMPARE(b.note(), QStringLiteral("Player already selected"));

        // Seven more fill the eight places; the ninth is told the field is full.
        for (qint16 p = 2; p <= 9; ++p)
            drag(b, p, QPoint(572 * (p + 2), 415 * 3));
        QCOMPARE(env.prompter.shown.size(), 1);
        QCOMPARE(env.prompter.shown[0].title, QStringLiteral("Player Placement"));
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("All players have been placed."));
        QCOMPARE(b.board().PlacedCount(1), 8);

        // Off again by dropping the icon on the grid, by key and by undo.
        b.PlayerGrid_DragDrop(8);
        QCOMPARE(b.board().PlacedCount(1), 7);
        auto* grid = child<QTableView>(&b, "PlayerGrid");
        grid->setFocus();
        grid->setCurrentIndex(b.model().index(rowOf(b, 7), 0));
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(b.board().slot(1, 7).PlaceNo, qint16(0));
        child<QAction>(&b, "UndoAction")->trigger();
        QVERIFY(b.board().slot(1, 7).PlaceNo > 0);
        // Enter keys the player on at the next free spot of the formation.
        grid->setCurrentIndex(b.model().index(rowOf(b, 10), 0));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(b.board().slot(1, 10).PlaceNo, qint16(8));

        // The field's icons are spoken with the player's name and where he stands.
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(child<QWidget>(&b, "MainField"));
        QCOMPARE(field->childCount(), 8);
        QCOMPARE(field->child(0)->text(QAccessible::Name), QStringLiteral("Adams, Kid1, left defence"));

        // Period 2 copies period 1; undo brings the empty period back.
        QTest::mouseClick(child<QWidget>(&b, "Qtr1Pic2"), Qt::LeftButton);
        b.CopyFromQ_Click(1);
        QCOMPARE(b.board().PlacedCount(2), 8);
        child<QAction>(&b, "UndoAction")->trigger();
        QCOMPARE(b.board().PlacedCount(2), 0);
        QCOMPARE(b.board().currentPeriod(), 2);
        QTest::mouseClick(child<QWidget>(&b, "Qtr1Pic1"), Qt::LeftButton);
        b.resize(1100, 680);
        screenshot(&b, QStringLiteral("lineup-board"));
        screenshot(&b, QStringLiteral("lineup-board-2x"), 2.0);

        b.GameSave_Click();
        QVERIFY(!b.isDirty());
        QCOMPARE(setupRows(1).size(), 8);
        QCOMPARE(stat(1, 1, "QtrPlayed"), QStringLiteral("1"));
    }

    // Opening the board reads in the same statements whatever the size of the roster and writes only
    // the missing statistics rows, in one statement; opened again it writes nothing.
    void openingCostsTheSameWhateverTheRoster()
    {
        const auto open = [](qint16 gameNo) {
            const quint64 statements = statementCount();
            const quint64 writes = writeCount();
            GameSetup b(game(gameNo), QStringLiteral("Owls"));
            return qMakePair(statementCount() - statements, writeCount() - writes);
        };
        const auto ten = open(1);
        QCOMPARE(ten.second, quint64(1));
        const auto tenAgain = open(1);
        QCOMPARE(tenAgain.second, quint64(0));
        for (int p = 11; p <= 80; ++p)
            addPlayer(1, p, QStringLiteral("Player%1").arg(p), QStringLiteral("Kid"), p);
        // Earlier figures and placements of every player, which the board reads for its shares.
        GameSetup first(game(1), QStringLiteral("Owls"));
        for (qint16 p = 1; p <= 8; ++p)
            first.board().loadSlot(1, p, LineupSlot{p, qint16(572 * (p + 1)), 415});
        first.GameSave_Click();
        QCOMPARE(open(2), ten);
        QCOMPARE(open(2), tenAgain);
        QCOMPARE(countRows(QStringLiteral("GameStat"), {{QStringLiteral("GameNo"), 2}}), 80);
    }

    // The field is painted once when the board shows, and its grass and lines come from a picture
    // kept for the size: picking a period or placing a player does not draw them again.
    void theFieldIsPaintedFromItsPicture()
    {
        GameSetup b(game(1), QStringLiteral("1 - Owls"));
        auto* field = child<QWidget>(&b, "MainField");
        int paints = 0;
        EventCounter counter(QEvent::Paint, paints);
        field->installEventFilter(&counter);
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QApplication::processEvents();
        QCOMPARE(paints, 1);
        const quint64 drawn = pitchPixmapsDrawn();
        QTest::mouseClick(child<QWidget>(&b, "Qtr1Pic1"), Qt::LeftButton);
        drag(b, 1, QPoint(1000, 1000));
        field->repaint();
        child<QWidget>(&b, "Qtr1Pic1")->repaint();
        QVERIFY(paints > 1);
        QCOMPARE(pitchPixmapsDrawn(), drawn);
        // A new size is drawn once, then kept too.
        b.resize(b.width() + 60, b.height() + 40);
        QApplication::processEvents();
        const quint64 resized = pitchPixmapsDrawn();
        QVERIFY(resized > drawn);
        field->repaint();
        QCOMPARE(pitchPixmapsDrawn(), resized);
    }

    // A game with statistics but no line-up: opening its board adds the missing rows and leaves
    // the stored periods played as they are; only Save writes the board's.
    void openingTheBoardChangesNoStoredFigure()
    {
        insertRow(
            QStringLiteral("GameStat"),
            fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable Goals"), {1, 2, 3, 3, "1;1;1;1", 2}));
        GameSetup b(game(2), QStringLiteral("2 - Owls"));
        QCOMPARE(stat(2, 3, "QtrPlayed"), QStringLiteral("3"));
        QCOMPARE(stat(2, 3, "Goals"), QStringLiteral("2"));
        QCOMPARE(countRows(QStringLiteral("GameStat"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 2}}),
                 10);
        QVERIFY(!b.isDirty());
        QCOMPARE(cell(b, 3, LineupModel::PT), QStringLiteral("0%"));  // none of four periods placed yet
        b.GameSave_Click();
        QCOMPARE(stat(2, 3, "QtrPlayed"), QStringLiteral("0"));
    }

    // Enter on a grid row keys the player on where his position flags say: a goalkeeper in goal,
    // others to spots of their position, a player without flags on a field spot, never the goal
    // while one is free. Each is one undo step. A save clears the refusal note.
    void keyingPlayersOnFollowsTheirPositions()
    {
        const QList<QPair<int, const char*>> flags{
            {1, "1;0;0;0;0"}, {2, "0;0;1;0;0"}, {3, "0;0;0;0;1"}, {4, "0;1;0;0;0"}};
        for (const auto& [playerNo, position] : flags)
            execSql(QStringLiteral("UPDATE Player SET Position = ? WHERE TeamNo = 1 AND PlayerNo = ?"),
                    {QString::fromLatin1(position), playerNo});
        GameSetup b(game(1, 11), QStringLiteral("1 - Owls"));
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        b.Qtr1Pic_Click(1);
        auto* grid = child<QTableView>(&b, "PlayerGrid");
        grid->setFocus();
        const auto key = [&](qint16 playerNo) {
            grid->setCurrentIndex(b.model().index(rowOf(b, playerNo), 0));
            QTest::keyClick(grid, Qt::Key_Return);
        };
        const auto area = [&](qint16 playerNo) {
            const LineupSlot s = b.board().slot(1, playerNo);
            return s.PlaceNo > 0 ? fieldArea(QPoint(s.XPos, s.YPos)) : QString();
        };
        // Fox, dragged on next to the left back's spot, keeps it free of a second icon.
        drag(b, 6, QPoint(4 * 572, 3 * 415));
        key(5);
        QVERIFY2(area(5).endsWith(QStringLiteral("defence")), qPrintable(area(5)));
        const auto icon = [&](qint16 playerNo) {
            const LineupSlot s = b.board().slot(1, playerNo);
            return QRect(s.XPos, s.YPos, 540, 540);
        };
        QVERIFY(!icon(5).intersects(icon(6)));
        key(1);
        QVERIFY2(area(1).endsWith(QStringLiteral("attack")), qPrintable(area(1)));
        key(3);
        QCOMPARE(area(3), QStringLiteral("in goal"));
        key(2);
        QVERIFY2(area(2).endsWith(QStringLiteral("defence")), qPrintable(area(2)));
        key(4);
        QVERIFY2(area(4).endsWith(QStringLiteral("midfield")), qPrintable(area(4)));
        child<QAction>(&b, "UndoAction")->trigger();
        QCOMPARE(area(4), QString());
        QCOMPARE(b.board().PlacedCount(1), 5);
        screenshot(&b, QStringLiteral("lineup-board-keyed"));

        key(5);
        QCOMPARE(b.note(), QStringLiteral("Player already selected"));
        b.GameSave_Click();
        QCOMPARE(b.note(), QString());
    }

    void availabilityAndCaptainAreWrittenAtOnce()
    {
        GameSetup b(game(1), QStringLiteral("1 - Owls"));
        b.Qtr1Pic_Click(2);
        drag(b, 3, QPoint(2000, 2000));
        b.GameSave_Click();

        // A period cell offers availability, not the captaincy.
        b.prepareGridMenu(b.model().index(rowOf(b, 3), 2));
        QVERIFY(child<QAction>(&b, "NANA")->isEnabled() && !child<QAction>(&b, "NACaptain")->isEnabled());
        b.NANA_Click();
        QCOMPARE(stat(1, 3, "QtrAvailable"), QStringLiteral("1;0;1;1"));
        QCOMPARE(b.board().slot(2, 3).PlaceNo, qint16(0));
        QVERIFY(b.isDirty());
        QVERIFY(!b.PlayerGrid_MouseDown(rowOf(b, 3)));
        QCOMPARE(b.note(), QStringLiteral("Player Not Available"));

        b.prepareGridMenu(b.model().index(rowOf(b, 3), 2));
        b.NAA_Click();
        QCOMPARE(stat(1, 3, "QtrAvailable"), QStringLiteral("1;1;1;1"));

        // The name cell offers the captaincy, captioned by what it would do.
        b.prepareGridMenu(b.model().index(rowOf(b, 5), 0));
        QCOMPARE(child<QAction>(&b, "NACaptain")->text(), QStringLiteral("Mark as Captain"));
        QVERIFY(!child<QAction>(&b, "NAA")->isEnabled());
        b.NACaptain_Click();
        QVERIFY(QVariant(stat(1, 5, "Captain")).toBool());
        QCOMPARE(cell(b, 5, LineupModel::Name), QStringLiteral("*Evans, Kid5"));
        b.prepareGridMenu(b.model().index(rowOf(b, 5), 0));
        QCOMPARE(child<QAction>(&b, "NACaptain")->text(), QStringLiteral("Unmark as Captain"));

        // The history of periods played, game by game, under the name as the grid shows it.
        b.NAPTHistory_Click();
        QCOMPARE(env.prompter.shown.last().title, QStringLiteral("Play Time History for: *Evans, Kid5"));
        QCOMPARE(env.prompter.shown.last().text, QStringLiteral("0"));

        // After "Delete Setup" the board stays on the emptied game; a captain marked then is kept.
        b.GameDelete_Click();
        QCOMPARE(countRows(QStringLiteral("GameStat"), {{QStringLiteral("GameNo"), 1}}), 0);
        QCOMPARE(cell(b, 5, LineupModel::Name), QStringLiteral("Evans, Kid5"));
        b.prepareGridMenu(b.model().index(rowOf(b, 5), 0));
        b.NACaptain_Click();
        QVERIFY(QVariant(stat(1, 5, "Captain")).toBool());
        QCOMPARE(stat(1, 5, "Goals"), QStringLiteral("0"));
    }

    // Ctrl+L proposes every period as one undo step: full periods, the keeper in goal, the note,
    // PT and QP at once, nothing stored before Save. Locks keep an icon or a whole period.
    void suggestingALineup()
    {
        execSql(QStringLiteral("UPDATE Player SET Position = ? WHERE TeamNo = 1 AND PlayerNo = 3"),
                {QStringLiteral("0;0;0;0;1")});
        LineupGame g = game(1);
        g.minPeriods = 2;
        GameSetup b(g, QStringLiteral("1 - Owls"));
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        b.Qtr1Pic_Click(1);
        drag(b, 5, QPoint(2000, 2000));
        const LineupBoard::Snapshot before = b.board().snapshot();
        QTest::keyClick(&b, Qt::Key_L, Qt::ControlModifier);
        const LineupBoard::Snapshot proposed = b.board().snapshot();
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(b.board().PlacedCount(p), 8);
            const LineupSlot keeper = b.board().slot(p, 3);
            QCOMPARE(fieldArea(QPoint(keeper.XPos, keeper.YPos)), QStringLiteral("in goal"));
        }
        // 32 places among ten players new to the season: three or four periods each.
        QCOMPARE(b.note(),
                 QStringLiteral("Adams, Kid1 %1 periods, lowest share 0% → 75%").arg(b.board().placedCount(1)));
        QCOMPARE(cell(b, 1, LineupModel::QP), QString::number(b.board().placedCount(1)));
        QCOMPARE(cell(b, 1, LineupModel::PT), b.board().ptText(1));
        QVERIFY(b.isDirty());
        QCOMPARE(setupRows(1), QStringList());
        child<QAction>(&b, "UndoAction")->trigger();
        QCOMPARE(b.board().snapshot(), before);
        child<QAction>(&b, "RedoAction")->trigger();
        QCOMPARE(b.board().snapshot(), proposed);

        // A locked icon and a locked period stay as they are; the rest is proposed again.
        b.Qtr1Pic_Click(2);
        auto* field = child<FieldView>(&b, "MainField");
        const qint16 locked = b.board().playerAt(2, 1);
        field->setSelectedPlayer(locked);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_L);
        QVERIFY(b.board().isLocked(2, locked));
        QAccessibleInterface* fieldAccess = QAccessible::queryAccessibleInterface(field);
        QStringList names;
        for (int i = 0; i < fieldAccess->childCount(); ++i)
            names << fieldAccess->child(i)->text(QAccessible::Name);
        QCOMPARE(names.filter(QStringLiteral(", locked")).size(), 1);
        bool seen = false;
        QTimer::singleShot(0, &b, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu && menu->objectName() == QStringLiteral("PeriodMenu"));
            seen = true;
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        auto* thumb = child<QWidget>(&b, "Qtr1Pic4");
        QContextMenuEvent press(QContextMenuEvent::Keyboard, thumb->rect().center(),
                                thumb->mapToGlobal(thumb->rect().center()));
        QCoreApplication::sendEvent(thumb, &press);
        QVERIFY(seen && b.board().isPeriodLocked(4));
        QCOMPARE(QAccessible::queryAccessibleInterface(thumb)->text(QAccessible::Name),
                 QStringLiteral("Period 4, locked"));
        const LineupSlot kept = b.board().slot(2, locked);
        const QList<LineupSlot> period4 = b.board().snapshot()[3];
        b.board().RemovePlayer(4, b.board().playerAt(4, 2));  // the coach's own change, kept by the lock
        const QList<LineupSlot> period4Changed = b.board().snapshot()[3];
        QVERIFY(period4Changed != period4);
        b.suggestLineup();
        QCOMPARE(b.board().slot(2, locked), kept);
        QCOMPARE(b.board().snapshot()[3], period4Changed);
        QCOMPARE(b.board().PlacedCount(2), 8);
        screenshot(&b, QStringLiteral("lineup-board-suggested"));

        b.GameSave_Click();
        QCOMPARE(setupRows(1).size(), 8 * 3 + 7);
    }

    // A child leaves hurt after period 2: he is not available from period 3 on (written at once),
    // periods 1 and 2 stay as they were and periods 3 and 4 are proposed again without him.
    void replanningDuringAGame()
    {
        GameSetup b(game(1), QStringLiteral("1 - Owls"));
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        b.suggestLineup();
        qint16 hurt = 0;
        for (qint16 p = 1; p <= 10 && hurt == 0; ++p)
            hurt = b.board().slot(3, p).PlaceNo > 0 && b.board().slot(2, p).PlaceNo > 0 ? p : 0;
        QVERIFY(hurt != 0);
        const LineupBoard::Snapshot before = b.board().snapshot();
        b.Qtr1Pic_Click(3);
        QCOMPARE(child<QAction>(&b, "Replan")->text(), QStringLiteral("Re-plan from Period 3"));
        // The dialog: who and from which period.
        bool asked = false;
        QTimer::singleShot(0, &b, [&] {
            auto* dialog = qobject_cast<ReplanDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(child<QSpinBox>(dialog, "ReplanPeriod")->value(), 3);
            auto* players = child<QListWidget>(dialog, "ReplanPlayers");
            QCOMPARE(players->item(0)->text(), QStringLiteral("Nobody"));
            for (int row = 0; row < players->count(); ++row) {
                if (players->item(row)->data(Qt::UserRole).toInt() == hurt)
                    players->setCurrentRow(row);
            }
            asked = true;
            dialog->accept();
        });
        child<QAction>(&b, "Replan")->trigger();
        QVERIFY(asked);
        QCOMPARE(stat(1, hurt, "QtrAvailable"), QStringLiteral("1;1;0;0"));
        const LineupBoard::Snapshot after = b.board().snapshot();
        QCOMPARE(after[0], before[0]);
        QCOMPARE(after[1], before[1]);
        for (int p = 3; p <= 4; ++p) {
            QCOMPARE(b.board().PlacedCount(p), 8);
            QCOMPARE(b.board().slot(p, hurt).PlaceNo, qint16(0));
        }
        QVERIFY(b.note().contains(QLatin1String("lowest share")));
        // Undo takes back the new periods; the availability stays as written.
        child<QAction>(&b, "UndoAction")->trigger();
        QCOMPARE(b.board().PlacedCount(3), 7);
        QCOMPARE(b.board().snapshot()[1], before[1]);
    }

    void screenReadersHearTheBoard()
    {
        GameSetup b(game(1), QStringLiteral("1 - Owls"));
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        b.Qtr1Pic_Click(2);
        auto* grid = child<QTableView>(&b, "PlayerGrid");
        grid->setFocus();
        const QModelIndex period2 = b.model().index(rowOf(b, 3), 2);
        grid->setCurrentIndex(period2);

        // The grid's pop-up is a menu of the board's own, open until the coach has chosen.
        bool seen = false;
        QTimer::singleShot(0, &b, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu && menu->objectName() == QStringLiteral("NAmnu"));
            QAccessibleInterface* m = QAccessible::queryAccessibleInterface(menu);
            QCOMPARE(m->role(), QAccessible::PopupMenu);
            QCOMPARE(menu->parentWidget(), &b);
            QVERIFY(m->window() && m->window() == menu->windowHandle() && m->window()->isVisible());
            QCOMPARE(m->child(2)->text(QAccessible::Name), QStringLiteral("NOT available"));
            seen = true;
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint at = grid->visualRect(period2).center();
        QContextMenuEvent press(QContextMenuEvent::Keyboard, at, grid->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(grid->viewport(), &press);
        QVERIFY(seen);
        QCOMPARE(stat(1, 3, "QtrAvailable"), QStringLiteral("1;0;1;1"));

        // The yellow cell says in words what its colour says; the refusal is read with the note.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        QCOMPARE(table->tableInterface()->cellAt(period2.row(), period2.column())->text(QAccessible::Name),
                 QStringLiteral("not available"));
        QVERIFY(!b.PlayerGrid_MouseDown(rowOf(b, 3)));
        QCOMPARE(b.note(), QStringLiteral("Player Not Available"));
        QAccessibleInterface* note = QAccessible::queryAccessibleInterface(child<QLabel>(&b, "PlayerGridNote"));
        QCOMPARE(note->text(QAccessible::Description), b.note());
        QCOMPARE(table->text(QAccessible::Description), b.note());
        QCOMPARE(unnamedControls(&b).join(QStringLiteral("; ")), QString());
        b.Qtr1Pic_Click(1);
        QCOMPARE(note->text(QAccessible::Description), QString());
    }

    void gameNotesOpenTheGamesOwnFile()
    {
        state().DataFolder = env.dir();
        GameSetup b(game(2), QStringLiteral("2 - Owls"));
        child<QAction>(&b, "GameGameNotes")->trigger();
        const QString path = env.dir() + QStringLiteral("/GameNotes/Team1Game2.txt");
        QCOMPARE(env.desktop.files, QStringList{path});
        QVERIFY(QFile::exists(path));
        // A file that is there already is opened as it is, never emptied.
        writeFile(path, "Keep the press high");
        child<QAction>(&b, "GameGameNotes")->trigger();
        QCOMPARE(fileBytes(path), QByteArray("Keep the press high"));
        QCOMPARE(env.desktop.files.size(), 2);
    }

    void closingAsksToSave()
    {
        {
            auto* b = GameSetup::openBoard(game(1), QStringLiteral("1 - Owls"), nullptr);
            QPointer<GameSetup> guard(b);
            b->Qtr1Pic_Click(1);
            drag(*b, 2, QPoint(3000, 2500));
            env.prompter.answers << Prompter::Answer::No;
            QVERIFY(b->closeWindow());
            QCOMPARE(env.prompter.shown.last().text, QStringLiteral("Data has been change, do you want to save it?"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(guard.isNull());
            QVERIFY(setupRows(1).isEmpty());
        }
        auto* b = GameSetup::openBoard(game(1), QStringLiteral("1 - Owls"), nullptr);
        b->Qtr1Pic_Click(3);
        drag(*b, 2, QPoint(3000, 2500));
        env.prompter.answers << Prompter::Answer::Yes;
        QVERIFY(b->closeWindow());
        QCOMPARE(setupRows(1), QStringList{QStringLiteral("3/2/2590/2220")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The main window and an open board follow each other's saves, and ending the program asks
    // the board about its unsaved line-up: Cancel keeps everything running.
    void theProgramEndsOnlyWhenEveryOpenWindowAgrees()
    {
        QPointer<MainForm> form = openMainForm();
        QVERIFY(form);
        QVERIFY(form->selectNode(QStringLiteral("G1T1")));
        const QString opponent = form->statusText(1);
        QVERIFY(opponent.contains(QLatin1String("Owls")));
        form->command(QStringLiteral("DataSetupGame"))->trigger();
        QPointer<GameSetup> board = GameSetup::boardFor(1, 1);
        QVERIFY(board);
        // The board's first save (statistics rows for every player) keeps the game selected.
        QTest::qWait(10);
        QCOMPARE(selection().CurrentGameNo(), qint16(1));
        QCOMPARE(form->statusText(1), opponent);
        QVERIFY(form->command(QStringLiteral("GameLineUp"))->isEnabled());

        // A line-up saved on the board shows in the main window's shares at once, game kept.
        board->Qtr1Pic_Click(1);
        drag(*board, 1, QPoint(1000, 1000));
        board->GameSave_Click();
        QTRY_COMPARE(form->mainGridModel()->cellText(0, 1), QStringLiteral("25%"));
        QCOMPARE(selection().CurrentGameNo(), qint16(1));
        QCOMPARE(form->statusText(1), opponent);

        drag(*board, 2, QPoint(2000, 1000));
        QVERIFY(board->isDirty());
        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::Cancel;
        QVERIFY(!form->close());
        QVERIFY(form && form->isVisible() && board && board->isVisible() && board->isDirty());
        QCOMPARE(env.prompter.shown.size(), 1);
        env.prompter.answers << Prompter::Answer::No;
        QVERIFY(form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form && !board);
        QCOMPARE(setupRows(1).size(), 1);  // the dropped placement was not stored
    }

    // The main window may be asked to end while a modal window of its own shows (the session
    // ends, the coach closes it from the task bar). The modal window is asked first: Cancel keeps
    // both. And should the main window go all the same, its modal window goes with it, and
    // nothing is freed twice.
    void theMainWindowEndsCleanlyUnderAModalWindow()
    {
        QPointer<MainForm> form = openMainForm();
        QVERIFY(form);
        QVERIFY(form->selectNode(QStringLiteral("Team1")));
        QPointer<EditWindow> profile;
        QTimer::singleShot(0, qApp, [&] {
            profile = qobject_cast<EditWindow*>(QApplication::activeModalWidget());
            QVERIFY(profile);
            profile->markChanged();
            env.prompter.answers << Prompter::Answer::Cancel;
            QVERIFY(!form->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(form && profile && profile->isVisible());
            // The main window goes from under its modal window.
            delete form.data();
        });
        form->command(QStringLiteral("GblTeam"))->trigger();
        QVERIFY(!form && !profile);
    }

    void theBoardKeepsToItsGame()
    {
        MainForm form;
        form.ConfigureMainStatus();
        form.SetTeamTabs();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.selectNode(QStringLiteral("G1T1")));
        form.command(QStringLiteral("DataSetupGame"))->trigger();
        GameSetup* first = GameSetup::boardFor(1, 1);
        QVERIFY(first);
        QVERIFY(first->windowTitle().startsWith(QStringLiteral("Lineup for ")));

        // The coach moves on in the main window; the open board still saves game 1.
        QVERIFY(form.selectNode(QStringLiteral("G2T1")));
        first->Qtr1Pic_Click(1);
        drag(*first, 1, QPoint(1000, 1000));
        drag(*first, 2, QPoint(2000, 1000));
        first->GameSave_Click();
        QCOMPARE(setupRows(1).size(), 2);
        QVERIFY(setupRows(2).isEmpty());
        // The main window's shares follow the saved line-up: 1 of 4 periods.
        QVERIFY(form.selectNode(QStringLiteral("G1T1")));
        QCOMPARE(form.mainGridModel()->cellText(0, 1), QStringLiteral("25%"));

        // A second game gets a board of its own; the first game's command brings its board back.
        QVERIFY(form.selectNode(QStringLiteral("G2T1")));
        form.command(QStringLiteral("GameLineUp"))->trigger();
        QVERIFY(GameSetup::boardFor(1, 2) && GameSetup::boardFor(1, 2) != first);
        QVERIFY(form.selectNode(QStringLiteral("G1T1")));
        form.command(QStringLiteral("DataSetupGame"))->trigger();
        QCOMPARE(GameSetup::boardFor(1, 1), first);
        QCOMPARE(form.findChildren<GameSetup*>().size(), 2);

        // The tree's command refuses a team without players.
        execSql(QStringLiteral("DELETE FROM Player"));
        form.command(QStringLiteral("TreeGameMnu.GameLineup"))->trigger();
        QCOMPARE(env.prompter.shown.last().title, QStringLiteral("No Players"));
        QCOMPARE(env.prompter.shown.last().text, QStringLiteral("There are no players to line up."));
        form.close();
    }
};

QTEST_MAIN(TestLineupBoard)
#include "tst_lineupboard.moc"
