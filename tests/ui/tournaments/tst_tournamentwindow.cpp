// SPDX-License-Identifier: GPL-3.0-or-later
// The bracket window as the coach uses it: typing teams, the pop-up menu and its commands, the
// Enter Teams walk, game times reaching the own team's schedule, undo, saving and the close
// question, and how brackets of every size look.
#include "TestSupport.h"

#include "common/Formats.h"
#include "common/Selection.h"
#include "ui/schedule/frmNewData.h"
#include "ui/tournaments/BracketView.h"
#include "ui/tournaments/TournamentWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTimeEdit>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>

using namespace pw;
using namespace pwtest;

class TestTournamentWindow : public StoreTest {
    Q_OBJECT

private:
    // Tournament n of team 1 with the given rounds.
    static void addTournament(int n, int rounds)
    {
        insertRow(QStringLiteral("TournamentInfo"),
                  fields(QStringLiteral("TeamNo TournamentNo TournamentName TournamentTeams TournamentStartDate"),
                         {1, n, QStringLiteral("Cup %1").arg(n), rounds, QDate(2026, 10, 3)}));
    }
    static void click(Tournament& w, int slot, Qt::MouseButton button = Qt::LeftButton)
    {
        BracketView* view = w.surface();
        QTest::mouseClick(view, button, {}, view->teamRect(slot).center());
    }
    // Shown and active, so that its shortcuts work.
    static bool shown(QWidget& w)
    {
        w.show();
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
    static QString caption(const Tournament& w, int slot) { return w.bracket().team(slot).caption; }
    // A picker that hands out the team's opponents 1, 2, … for positions 1, 2, … and cancels at stopAt.
    static void pickInOrder(Tournament& w, int stopAt, QList<int>* asked = nullptr, QList<int>* lit = nullptr)
    {
        w.pickTeam = [&w, stopAt, asked, lit](int position, BracketTeam* chosen) {
            if (asked)
                *asked << position;
            if (lit)
                *lit << w.surface()->highlight();
            if (position == stopAt)
                return false;
            chosen->caption = position == 1 ? QStringLiteral("*Comets") : QStringLiteral("Team %1").arg(position);
            chosen->tag = QString::number(position);
            return true;
        };
    }
    // The own team's game 2001 as stored: opponent, date, time and field.
    static QString ownGame()
    {
        QSqlQuery q = execSql(QStringLiteral(
            "SELECT OpponentNo, GameDate, GameTime, FieldName FROM Schedule WHERE TeamNo = 1 AND GameNo = 2001"));
        return q.next() ? QStringLiteral("%1 %2 %3 %4")
                              .arg(q.value(0).toString(), toDateTime(q.value(1)).date().toString(Qt::ISODate),
                                   q.value(2).toString(), q.value(3).toString())
                        : QString();
    }

private Q_SLOTS:
    // Team 1 "Comets" (opponent 1 is the team itself) with opponents 2 to 16.
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"));
        addOpponent(1, 1, QStringLiteral("Comets"), true);
        for (int n = 2; n <= 16; ++n)
            addOpponent(1, n, QStringLiteral("Team %1").arg(n));
    }

    void typingTeamsAndThePopupMenu()
    {
        addTournament(1, 2);
        Tournament w(1, 1, 2);
        QVERIFY(shown(w));
        QVERIFY(!w.isDirty());

        // Only an empty first-round label asks for a name.
        env.prompter.inputs << QStringLiteral("  Valley FC ") << QStringLiteral("Hill United");
        click(w, 1);
        QCOMPARE(env.prompter.shown.size(), 1);
        QCOMPARE(env.prompter.find(QStringLiteral("Enter Team")).text,
                 QStringLiteral("Enter the name of the team in this position"));
        QCOMPARE(w.bracket().team(1), (BracketTeam{QStringLiteral("Valley FC"), QString(), false}));
        QVERIFY(w.isDirty() && child<QPushButton>(&w, "SaveBtn")->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Tournament - Cup 1 (Dirty)"));
        click(w, 1);
        click(w, 101);
        QCOMPARE(env.prompter.shown.size(), 1);
        click(w, 3);
        QCOMPARE(caption(w, 3), QStringLiteral("Hill United"));

        // The pop-up: Winner and Clear field only for a filled label that can still move on.
        auto* menu = child<QMenu>(&w, "TourneyMnu");
        auto* winner = child<QAction>(&w, "PopWinner");
        auto* clear = child<QAction>(&w, "popClear");
        for (int slot : {2, 3}) {
            click(w, slot, Qt::RightButton);
            QTRY_VERIFY(menu->isVisible());
            menu->hide();
            QCOMPARE(w.menuSlot(), slot);
            QCOMPARE(winner->isEnabled() && clear->isEnabled(), slot == 3);
        }
        QVERIFY(child<QAction>(&w, "popClearBracket")->isEnabled());

        // Slot 3 of two rounds goes to 102, and 102 on to the tournament winner 201.
        winner->trigger();
        QCOMPARE(caption(w, 102), QStringLiteral("Hill United"));
        w.prepareTeamMenu(102);
        winner->trigger();
        QCOMPARE(caption(w, 201), QStringLiteral("Hill United"));
        w.prepareTeamMenu(201);
        QVERIFY(!winner->isEnabled() && clear->isEnabled());

        // Ctrl+Z takes the last Winner back, and only it.
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.bracket().team(201).isEmpty());
        QCOMPARE(caption(w, 102), QStringLiteral("Hill United"));

        w.prepareTeamMenu(1);
        clear->trigger();
        QVERIFY(w.bracket().team(1).isEmpty());
        child<QAction>(&w, "TournClearBracket")->trigger();
        QVERIFY(!w.bracket().hasAnyTeam());
        // Undone all the way back, the window is clean again.
        while (w.undoStack()->canUndo())
            w.undoStack()->undo();
        QVERIFY(!w.isDirty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Tournament - Cup 1"));
    }

    void enterTeamsWalk()
    {
        addTournament(1, 2);
        Tournament w(1, 1, 2);
        QVERIFY(shown(w));
        QList<int> asked, lit, timed;
        pickInOrder(w, 3, &asked, &lit);
        w.editGameTime = [&](const BracketGameTag& current) -> std::optional<BracketGameTag> {
            timed << current.time.hour();
            return std::nullopt;
        };

        // An empty bracket starts at once; cancelling at position 3 keeps 1 and 2.
        child<QAction>(&w, "TournEnterTeams")->trigger();
        QVERIFY(env.prompter.shown.isEmpty());
        QCOMPARE(asked, (QList<int>{1, 2, 3}));
        QCOMPARE(lit, (QList<int>{1, 2, 3}));
        QCOMPARE(w.surface()->highlight(), 0);
        QCOMPARE(w.bracket().team(1), (BracketTeam{QStringLiteral("*Comets"), QStringLiteral("1"), false}));
        QCOMPARE(w.bracket().team(2).tag, QStringLiteral("2"));
        QVERIFY(w.bracket().team(3).isEmpty() && w.bracket().team(4).isEmpty());
        // The completed pair was offered its game time, at noon for a game without one.
        QCOMPARE(timed, QList<int>{12});
        QVERIFY(w.isDirty());

        // A filled bracket asks first; No leaves it alone.
        env.prompter.answers << Prompter::Answer::No;
        asked.clear();
        w.TournEnterTeams_Click();
        QCOMPARE(env.prompter.shown.size(), 1);
        QCOMPARE(
            env.prompter.shown[0].text,
            QStringLiteral(
                "This Bracket contains data.\rIf you continue, all data will be cleared.\rDo you want to continue?"));
        QVERIFY(env.prompter.shown[0].title == QStringLiteral("Warning") &&
                env.prompter.shown[0].buttons == Prompter::Buttons::YesNo);
        QVERIFY(asked.isEmpty());
        QCOMPARE(caption(w, 2), QStringLiteral("Team 2"));

        // Yes clears the bracket before the walk; cancelling at once leaves it empty, one undo away.
        w.prepareTeamMenu(1);
        w.PopWinner_Click();
        env.prompter.answers << Prompter::Answer::Yes;
        pickInOrder(w, 1, &asked);
        w.TournEnterTeams_Click();
        QCOMPARE(asked, QList<int>{1});
        QVERIFY(!w.bracket().hasAnyTeam());
        w.undoStack()->undo();
        QCOMPARE(caption(w, 101), QStringLiteral("*Comets"));
        QCOMPARE(caption(w, 2), QStringLiteral("Team 2"));
    }

    // The real dialogs: the picker's OK hands over the opponent's name and number, Cancel ends the
    // walk; a completed pair brings up the game's entry dialog.
    void enterTeamsWithTheRealDialogs()
    {
        addTournament(1, 2);
        Tournament w(1, 1, 2);
        QVERIFY(shown(w));
        QStringList seen;
        std::function<void()> answer = [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == &w) {
                QTimer::singleShot(20, answer);
                return;
            }
            seen << dialog->objectName() + QLatin1Char(':') + dialog->windowTitle();
            if (dialog->objectName() == QLatin1String("frmNewData")) {
                child<QLineEdit>(dialog, "TGameField")->setText(QStringLiteral("Field 4"));
                child<QPushButton>(dialog, "AddBtn")->click();
            } else if (seen.size() < 4) {
                child<QListWidget>(dialog, "OppList")->setCurrentRow(seen.size() + 1);
                child<QPushButton>(dialog, "OKButton")->click();
            } else {
                child<QPushButton>(dialog, "CancelButton")->click();
                return;
            }
            QTimer::singleShot(20, answer);
        };
        QTimer::singleShot(20, answer);
        w.TournEnterTeams_Click();
        QCOMPARE(seen.join(QStringLiteral(", ")),
                 QStringLiteral("frmOppList:Select Opponent, frmOppList:Select Opponent, "
                                "frmNewData:Set Tournament Game Schedule, frmOppList:Select Opponent"));
        QCOMPARE(w.bracket().team(1), (BracketTeam{QStringLiteral("Team 3"), QStringLiteral("3"), false}));
        QCOMPARE(w.bracket().team(2), (BracketTeam{QStringLiteral("Team 4"), QStringLiteral("4"), false}));
        QVERIFY(w.bracket().team(3).isEmpty());
        const BracketGameTag tag = BracketGameTag::parse(w.bracket().gameTag(1));
        QVERIFY(tag.time == QTime(12, 0) && tag.field == QStringLiteral("Field 4"));
    }

    void gameTimesReachTheOwnSchedule()
    {
        addTournament(2, 2);
        Tournament w(1, 2, 2);
        QVERIFY(shown(w));
        pickInOrder(w, 5);
        w.editGameTime = [](const BracketGameTag&) { return std::optional<BracketGameTag>(); };
        w.TournEnterTeams_Click();
        QVERIFY(child<QAction>(&w, "TournSave")->isEnabled());
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!w.isDirty());
        QVERIFY(ownGame().startsWith(QStringLiteral("2 ")));

        // The dialog's entry becomes the caption and goes straight into the own team's schedule row
        // of round 1.
        QList<BracketGameTag> offered;
        BracketGameTag next{QDate(2026, 10, 3), QTime(9, 30), QStringLiteral("Field 4")};
        w.editGameTime = [&](const BracketGameTag& current) {
            offered << current;
            return std::optional<BracketGameTag>(next);
        };
        // From the keyboard: down from the first team to its game, Enter opens the game's time.
        BracketView* view = w.surface();
        view->setFocus();
        view->setCurrent({BracketView::Label::Kind::Team, 1});
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->current(), (BracketView::Label{BracketView::Label::Kind::Game, 1}));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(FormatGameTime(w.bracket().gameTag(1)), QStringLiteral("Oct 3 - 09:30AM Field 4"));
        QCOMPARE(ownGame(), QStringLiteral("2 2026-10-03 09:30 AM Field 4"));

        // Undoing a time puts the schedule back too; the dialog starts from the game's time.
        next = {QDate(2026, 10, 4), QTime(14, 0), QStringLiteral("South")};
        w.Glbl_DblClick(1);
        QCOMPARE(offered.last().toText(),
                 (BracketGameTag{QDate(2026, 10, 3), QTime(9, 30), QStringLiteral("Field 4")}.toText()));
        QCOMPARE(ownGame(), QStringLiteral("2 2026-10-04 02:00 PM South"));
        w.undoStack()->undo();
        QCOMPARE(ownGame(), QStringLiteral("2 2026-10-03 09:30 AM Field 4"));

        // What screen readers are told about the labels.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.surface());
        QCOMPARE(a->childCount(), 4 + 2 + 1 + 3);
        QCOMPARE(a->child(1)->text(QAccessible::Name), QStringLiteral("Round 1, game 1: Oct 3 - 09:30AM Field 4"));
        QVERIFY(a->child(1)->text(QAccessible::Description).endsWith(QStringLiteral("(Double-Click to Modify)")));
        QCOMPARE(a->child(2)->text(QAccessible::Name), QStringLiteral("Round 1, position 2: Team 2"));
        QCOMPARE(a->child(a->childCount() - 1)->text(QAccessible::Name), QStringLiteral("Winner: empty"));
    }

    // "Set Tournament Game Schedule" takes a typed time or date whole, whatever it showed before,
    // on the coach's clock as the game labels show it; what is no time is refused and said so.
    void typingAGameTimeAndDate()
    {
        frmNewData d(1);
        d.setPurpose(frmNewData::Purpose::TournamentGame);
        d.setTournamentGame(QDate(2026, 9, 12), QTime(12, 0), QStringLiteral("North"));
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* time = child<QTimeEdit>(&d, "TGameTime");
        auto* date = child<QDateEdit>(&d, "TGameDate");
        QCOMPARE(time->text(), QStringLiteral("12:00 PM"));
        const auto typeInto = [](const QString& text, Qt::Key end) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), end);
        };
        time->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        typeInto(QStringLiteral("09:30"), Qt::Key_Tab);
        QCOMPARE(d.time(), QTime(9, 30));
        QCOMPARE(time->text(), QStringLiteral("09:30 AM"));
        // A click into the time and an hour typed: the hour is the time, afternoon included.
        QTest::mouseClick(time->findChild<QLineEdit*>(), Qt::LeftButton, {}, QPoint(6, time->height() / 2));
        QTest::qWait(1);
        typeInto(QStringLiteral("2 pm"), Qt::Key_Tab);
        QCOMPARE(d.time(), QTime(14, 0));
        // A shortcut taken while typing acts on the typed time.
        QTime atShortcut;
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &d);
        QObject::connect(shortcut, &QShortcut::activated, &d, [&] { atShortcut = d.time(); });
        time->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2:10 pm"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(atShortcut, QTime(14, 10));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2 pm"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // A typed date keeps nothing of the one it replaces.
        date->setFocus(Qt::TabFocusReason);
        typeInto(QStringLiteral("10/3/2026"), Qt::Key_Tab);
        QCOMPARE(d.date(), QDate(2026, 10, 3));

        // No time: Enter keeps the keyboard there and the dialog open; Escape gives the time back.
        time->setFocus(Qt::TabFocusReason);
        typeInto(QStringLiteral("25:00"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), time);
        QVERIFY(d.isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("\"25:00\" is not a time. Type one such as 09:30 AM."));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(d.isVisible());
        QCOMPARE(time->text(), QStringLiteral("02:00 PM"));
        QCOMPARE(d.time(), QTime(14, 0));

        // On a 24-hour clock the dialog and the game's label both show 21:45.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
        frmNewData german(1);
        german.setPurpose(frmNewData::Purpose::TournamentGame);
        german.setTournamentGame(QDate(2026, 10, 3), QTime(21, 45), QStringLiteral("Nord"));
        QCOMPARE(child<QTimeEdit>(&german, "TGameTime")->text(), QStringLiteral("21:45"));
        const QString label =
            FormatGameTime(BracketGameTag{QDate(2026, 10, 3), QTime(21, 45), QStringLiteral("Nord")}.toText());
        QVERIFY2(label.endsWith(QStringLiteral("21:45 Nord")), qPrintable(label));
    }

    void gameLabelsShowTheWholeField()
    {
        addTournament(2, 2);
        Tournament w(1, 2, 2);
        QVERIFY(shown(w));
        BracketView* view = w.surface();
        const int narrow = view->gameRect(1).width();
        const BracketGameTag tag{QDate(2026, 10, 3), QTime(9, 30),
                                 QStringLiteral("Riverside Sports Complex, North Field 12")};
        w.editGameTime = [&](const BracketGameTag&) { return std::optional<BracketGameTag>(tag); };
        w.Glbl_DblClick(1);
        // The labels widen to the longest game caption, the bracket keeping its shape.
        const QString caption = FormatGameTime(tag.toText());
        QVERIFY(view->gameRect(1).width() > narrow);
        QVERIFY(view->gameRect(1).width() - 6 >= view->fontMetrics().horizontalAdvance(caption));
        QList<QRect> rects;
        for (const BracketView::Label& l : view->labels())
            rects << view->labelRect(l);
        for (int i = 0; i < rects.size(); ++i) {
            QVERIFY(view->rect().contains(rects[i]));
            for (int j = i + 1; j < rects.size(); ++j)
                QVERIFY(!rects[i].intersects(rects[j]));
        }
        QCOMPARE(view->labelAt(view->gameRect(1).center()), (BracketView::Label{BracketView::Label::Kind::Game, 1}));
        QTRY_VERIFY(child<QScrollBar>(&w, "HScroll1")->maximum() > 0);  // the wider bracket scrolls
        screenshot(&w, QStringLiteral("tournament-long-field"));
        // Undone, the short labels come back.
        w.undoStack()->undo();
        QCOMPARE(view->gameRect(1).width(), narrow);
        w.markSaved();
    }

    void savingAndClosing()
    {
        addTournament(1, 2);
        auto* w = new Tournament(1, 1, 2);
        QVERIFY(shown(*w));
        env.prompter.inputs << QStringLiteral("Valley FC");
        click(*w, 1);
        // Cancel keeps the window, No closes it without storing.
        env.prompter.answers << Prompter::Answer::Cancel << Prompter::Answer::No;
        QVERIFY(!w->closeWindow());
        QVERIFY(w->isVisible());
        QVERIFY(w->closeWindow());
        QCOMPARE(env.prompter.find(QStringLiteral("Save Data")).text,
                 QStringLiteral("Data has not been saved. Do you want to save it before you exit?"));
        QCOMPARE(countRows(QStringLiteral("Tournament")), 0);
        delete w;

        // Yes stores the bracket, tells the other windows, and hides a team set against itself.
        NoticeLog changed;
        w = new Tournament(1, 1, 2);
        QVERIFY(shown(*w));
        // Both places of the second pair take the same team.
        w->pickTeam = [](int position, BracketTeam* chosen) {
            *chosen = position == 1   ? BracketTeam{QStringLiteral("*Comets"), QStringLiteral("1")}
                      : position == 2 ? BracketTeam{QStringLiteral("Team 2"), QStringLiteral("2")}
                                      : BracketTeam{QStringLiteral("Bye"), QStringLiteral("9")};
            return true;
        };
        w->editGameTime = [](const BracketGameTag&) { return std::optional<BracketGameTag>(); };
        w->TournEnterTeams_Click();
        env.prompter.answers << Prompter::Answer::Yes;
        QVERIFY(w->closeWindow());
        QCOMPARE(countRows(QStringLiteral("Tournament")), 3);
        QCOMPARE(countRows(QStringLiteral("Schedule"), {{QStringLiteral("GameNo"), 1001}}), 1);
        QCOMPARE(w->surface()->teamAt(w->surface()->teamRect(3).center()), 0);
        QCOMPARE(changed.count(Change::Tournaments, 1), 1);
        delete w;

        // Opened again, the bracket is what was stored and the window is clean.
        Tournament again(1, 1, 2);
        QVERIFY(again.bracket().team(3).hidden && !again.isDirty());
    }

    void bracketsOfEverySize()
    {
        addTournament(1, 4);
        addTournament(2, 1);
        Tournament big(1, 1, 4);
        QVERIFY(shown(big));
        BracketView* view = big.surface();
        // 16 + 8 + 4 + 2 + 1 team labels and 15 games, none overlapping, all on the surface.
        QList<QRect> rects;
        for (const BracketView::Label& l : view->labels())
            rects << view->labelRect(l);
        QCOMPARE(rects.size(), 31 + 15);
        for (int i = 0; i < rects.size(); ++i) {
            QVERIFY(view->rect().contains(rects[i]));
            for (int j = i + 1; j < rects.size(); ++j)
                QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(QStringLiteral("%1 / %2").arg(i).arg(j)));
        }
        QCOMPARE(view->labelAt(view->gameRect(301).center()),
                 (BracketView::Label{BracketView::Label::Kind::Game, 301}));
        QVERIFY(view->teamRect(401).isValid() && !view->teamRect(402).isValid());
        screenshot(&big, QStringLiteral("tournament-16-empty"));

        pickInOrder(big, 17);
        big.editGameTime = [](const BracketGameTag&) { return std::optional<BracketGameTag>(); };
        big.TournEnterTeams_Click();
        for (int slot : {1, 4, 5, 8, 9, 12, 13, 16, 101, 104, 105, 107, 201, 204, 302}) {
            big.prepareTeamMenu(slot);
            big.PopWinner_Click();
        }
        big.editGameTime = [](const BracketGameTag&) {
            return BracketGameTag{QDate(2026, 10, 3), QTime(9, 30), QStringLiteral("Field 4")};
        };
        for (int game : {1, 3, 101, 301})
            big.Glbl_DblClick(game);
        QCOMPARE(caption(big, 401), QStringLiteral("Team 13"));
        screenshot(&big, QStringLiteral("tournament-16-filled"));
        // Maximised, the bracket shows from its top-left corner.
        auto* picture = child<QScrollArea>(&big, "Picture1");
        child<QScrollBar>(&big, "VScroll1")->setValue(child<QScrollBar>(&big, "VScroll1")->maximum());
        big.showMaximized();
        QTRY_VERIFY(big.isMaximized());
        QCOMPARE(picture->verticalScrollBar()->value(), 0);
        big.markSaved();

        // Two teams fit without scrolling.
        Tournament small(1, 2, 1);
        QVERIFY(shown(small));
        QCOMPARE(small.surface()->labels().size(), 4);
        QVERIFY(!child<QScrollBar>(&small, "HScroll1")->isVisible() &&
                !child<QScrollBar>(&small, "VScroll1")->isVisible());
        screenshot(&small, QStringLiteral("tournament-2"));
    }
};

QTEST_MAIN(TestTournamentWindow)
#include "tst_tournamentwindow.moc"
