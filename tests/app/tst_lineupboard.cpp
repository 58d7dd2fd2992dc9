// The line-up board as the coach uses it: picking periods, dragging and keying players on and off,
// the refusals in the note, availability and captains written at once, the close question, and
// the board keeping to its game while the main window moves on.
#include "TestSupport.h"

#include "app/MainForm.h"
#include "app/RosterModel.h"
#include "games/GameSetup.h"
#include "games/LineupModel.h"
#include "games/LineupViews.h"

#include <QAccessible>
#include <QFile>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>

using namespace pw;
using namespace pwtest;

class TestLineupBoard : public StoreTest {
    Q_OBJECT

private:
    static LineupGame game(qint16 gameNo, int places = 8)
    {
        return LineupGame{.teamNo = 1, .gameNo = gameNo, .opponentNo = 1, .periods = 4, .places = places};
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
        return queryRows(QStringLiteral("SELECT QtrNo, PlayerNo, XPos, YPos FROM GameSetup WHERE TeamNo = 1 AND GameNo = ? ORDER BY QtrNo, PlayerNo"),
                         {gameNo});
    }
    static QString stat(int gameNo, int playerNo, const char* column)
    {
        return GetDBData(QStringLiteral("GameStat"),
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
        QCOMPARE(countRows(QStringLiteral("GameStat"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), 1}}), 10);
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
