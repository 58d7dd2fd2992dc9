// The main window on a realistic club: tree, roster, record, selection routing, command states,
// separators, in-place tournament names, and the window's own messages.
#include "TestSupport.h"

#include "app/AppState.h"
#include "app/GridModel.h"
#include "app/HelpWindow.h"
#include "app/MainForm.h"
#include "app/TeamTree.h"
#include "app/Twips.h"
#include "data/Fields.h"
#include "data/Settings.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QHeaderView>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

using namespace pw;
using namespace pwtest;

class TestMainForm : public QObject {
    Q_OBJECT

private:
    TestEnv env;
    TestStore store;
    std::unique_ptr<MainForm> form;

    bool wanted(const QString& name) const { return form->command(name)->property("pwWanted").toBool(); }

    void openForm()
    {
        form = std::make_unique<MainForm>();
        form->ConfigureMainStatus();
        form->SetTeamTabs();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString why;
        QVERIFY2(store.open(env.dir(), &why), qPrintable(why));
        addRealisticClub();
    }

    void init()
    {
        env.prompter.clear();
        resetState();
        openForm();
    }

    void cleanup() { form.reset(); }

    void treeShowsVisibleTeamsWithTheirGames()
    {
        const QStringList keys = form->treeModel()->keys();
        QVERIFY(keys.contains(QStringLiteral("Team1")));
        QVERIFY(keys.contains(QStringLiteral("Team2")));
        QVERIFY(!keys.contains(QStringLiteral("Team3")));
        // Teams by start date; season games only under a team.
        QCOMPARE(form->treeModel()->item(0)->text(), QStringLiteral("Comets (U10G-Fall 2026)"));
        QCOMPARE(form->treeModel()->item(1)->text(), QStringLiteral("Rockets (U12B-Fall 2026)"));
        QVERIFY(keys.contains(QStringLiteral("G1T1")));
        QVERIFY(keys.contains(QStringLiteral("OppCoachNo1T1")));
        QVERIFY(!keys.contains(QStringLiteral("G1001T1")));
        QCOMPARE(form->treeModel()->node(QStringLiteral("G2T1"))->text(), QStringLiteral("Lakeside United"));
        QCOMPARE(form->treeModel()->node(QStringLiteral("Field3T1"))->text(), QStringLiteral("Field: Riverside 2"));
    }

    void loadingATeamFillsRosterRecordAndStatus()
    {
        QVERIFY(form->selectTeam(1));
        QCOMPARE(state().CurrentTeamNo, qint16(1));
        QCOMPARE(ReadSetting(QStringLiteral("TeamTabNo")), QStringLiteral("1"));
        GridModel* grid = form->mainGridModel();
        QCOMPARE(grid->rowCount(), 15);
        QCOMPARE(grid->cell(0, 0), QStringLiteral("Alvarez,Sofia (2)"));
        QCOMPARE(grid->cell(14, 0), QStringLiteral("O'Brien,Nora (16)"));
        QCOMPARE(grid->rowData(0).toInt(), 1);
        // Fee colours only on fee-managing teams; the too-old player is marked red.
        const QColor evans = grid->data(grid->index(4, 0), Qt::BackgroundRole).value<QColor>();
        QVERIFY(evans.red() > 150 && evans.green() < 100);
        const QColor paid = grid->data(grid->index(0, 0), Qt::BackgroundRole).value<QColor>();
        const QColor unpaid = grid->data(grid->index(14, 0), Qt::BackgroundRole).value<QColor>();
        QVERIFY(paid.isValid() && unpaid.isValid() && paid != unpaid);
        QCOMPARE(form->statusText(3), QStringLiteral("Record: 2 - 1 - 1"));
        QCOMPARE(form->statusText(4), QStringLiteral("Point Total:7"));
        QCOMPARE(form->statusText(5), QStringLiteral("Player Count: 15"));
        QCOMPARE(form->statusText(1), QStringLiteral("Opponent: "));
        // Played games show their result and score.
        QCOMPARE(form->treeModel()->node(QStringLiteral("G1T1"))->data(TeamTreeModel::ImageRole).toString(), QStringLiteral("won"));
        QCOMPARE(form->treeModel()->node(QStringLiteral("G2T1"))->data(TeamTreeModel::ImageRole).toString(), QStringLiteral("lost"));
        QCOMPARE(form->treeModel()->node(QStringLiteral("G3T1"))->data(TeamTreeModel::ImageRole).toString(), QStringLiteral("tied"));
        QCOMPARE(form->treeModel()->node(QStringLiteral("G5T1"))->data(TeamTreeModel::ImageRole).toString(), QStringLiteral("nyp"));
        QCOMPARE(form->treeModel()->node(QStringLiteral("Score1T1"))->text(), QStringLiteral("Score: 3-1"));
        QVERIFY(env.prompter.shown.isEmpty());
        form->treeView()->expandAll();
        form->resize(1180, 760);
        QTest::qWait(50);
        screenshot(form.get(), QStringLiteral("mainform-team"));
    }

    void clickingAGameOfAnotherTeamLoadsThatTeamFirst()
    {
        QVERIFY(form->selectTeam(2));
        QCOMPARE(form->mainGridModel()->rowCount(), 3);
        QVERIFY(form->selectNode(QStringLiteral("G3T1")));
        QCOMPARE(state().CurrentTeamNo, qint16(1));
        QCOMPARE(state().CurrentGameNo, qint16(3));
        QCOMPARE(state().CurrentTournamentNo, qint16(0));
        QCOMPARE(state().CurrentOpponentNo, qint16(3));
        QCOMPARE(form->mainGridModel()->rowCount(), 15);
        QCOMPARE(form->statusText(1), QStringLiteral("Opponent: Northside Strikers"));
        QCOMPARE(form->statusText(2), QStringLiteral("Score: 1-1"));
        QVERIFY(wanted(QStringLiteral("GameLineUp")));
        QVERIFY(wanted(QStringLiteral("mGameSendResults")));  // played, and the team has an address
        QVERIFY(form->selectNode(QStringLiteral("G5T1")));
        QVERIFY(!wanted(QStringLiteral("mGameSendResults")));  // not played yet
        QVERIFY(form->selectNode(QStringLiteral("G3T1")));
        QVERIFY(!wanted(QStringLiteral("TeamTournament")));
        // A detail line selects its game, and the arrow keys walk on through the lines.
        form->treeView()->expandAll();
        QVERIFY(form->selectNode(QStringLiteral("Date1T1")));
        QCOMPARE(state().CurrentGameNo, qint16(1));
        QCOMPARE(form->statusText(1), QStringLiteral("Opponent: Blue Herons"));
        QCOMPARE(form->statusText(2), QStringLiteral("Score: 3-1"));
        form->treeView()->setFocus();
        QTest::keyClick(form->treeView(), Qt::Key_Down);
        QCOMPARE(form->treeModel()->keyOf(form->treeView()->currentIndex()), QStringLiteral("Field1T1"));
        QTest::keyClick(form->treeView(), Qt::Key_Down);
        QCOMPARE(form->treeModel()->keyOf(form->treeView()->currentIndex()), QStringLiteral("OppCoach1T1"));
        QCOMPARE(state().CurrentGameNo, qint16(1));
        // Back on the team: the team view, no single game.
        QVERIFY(form->selectNode(QStringLiteral("Team1")));
        QCOMPARE(state().CurrentGameNo, qint16(0));
        QVERIFY(!wanted(QStringLiteral("GameLineUp")));
        QVERIFY(!wanted(QStringLiteral("DataSetupGame")));
        QCOMPARE(form->statusText(2), QStringLiteral("Score: "));
    }

    void tournamentNodesSelectTheTournament()
    {
        QVERIFY(form->selectTeam(1));
        form->treeModel()->addNode(QStringLiteral("Team1"), QStringLiteral("E1T1"), QStringLiteral("Harvest Cup"),
                                   QStringLiteral("tournament"), 1);
        form->treeModel()->addNode(QStringLiteral("E1T1"), QStringLiteral("R1001T1"), QStringLiteral("Round 1"),
                                   QStringLiteral("nyp"), 1001);
        QVERIFY(form->selectNode(QStringLiteral("E1T1")));
        QCOMPARE(state().CurrentTournamentNo, qint16(1));
        QCOMPARE(state().NoTiers, qint16(2));
        QCOMPARE(state().CurrentGameNo, qint16(1000));
        QVERIFY(wanted(QStringLiteral("TeamTournament")));
        // The tournament's own game counts, not the season's.
        QCOMPARE(form->statusText(3), QStringLiteral("Record: 1 - 0 - 0"));
        QCOMPARE(form->statusText(4), QStringLiteral("Point Total:3"));
        QVERIFY(form->selectNode(QStringLiteral("R1001T1")));
        QCOMPARE(state().CurrentGameNo, qint16(1001));
        QCOMPARE(state().CurrentTournamentNo, qint16(1));
        QCOMPARE(form->statusText(2), QStringLiteral("Score: 3-2"));
        QCOMPARE(form->treeModel()->node(QStringLiteral("R1001T1"))->data(TeamTreeModel::ImageRole).toString(), QStringLiteral("won"));
        QVERIFY(form->popupFor(QStringLiteral("E1T1"))->objectName() == QStringLiteral("TreeTournyMnu"));
        QVERIFY(form->popupFor(QStringLiteral("R1001T1"))->objectName() == QStringLiteral("TreeGameMnu"));
        QVERIFY(form->popupFor(QStringLiteral("Team1"))->objectName() == QStringLiteral("TreeTeamMnu"));
        QVERIFY(!form->popupFor(QStringLiteral("Score1T1")));
    }

    void renamingATournamentNodeStoresTheName()
    {
        QVERIFY(form->selectTeam(1));
        QStandardItem* node = form->treeModel()->addNode(QStringLiteral("Team1"), QStringLiteral("E1T1"),
                                                         QStringLiteral("Harvest Cup"), QStringLiteral("tournament"), 1);
        QVERIFY(node->isEditable());
        QVERIFY(!form->treeModel()->node(QStringLiteral("G1T1"))->isEditable());
        node->setText(QStringLiteral("Harvest Cup \"Gold\" '26"));
        QCOMPARE(GetDBData(QStringLiteral("TournamentInfo"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("TournamentNo"), 1}},
                           QStringLiteral("TournamentName")),
                 QStringLiteral("Harvest Cup \"Gold\" '26"));
        node->setText(QStringLiteral("   "));  // a tournament keeps a name
        QCOMPARE(node->text(), QStringLiteral("Harvest Cup \"Gold\" '26"));
        PutDBData(QStringLiteral("TournamentInfo"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("TournamentNo"), 1}},
                  QStringLiteral("TournamentName"), QStringLiteral("Harvest Cup"));
        QVERIFY(env.prompter.shown.isEmpty());
        // A name that cannot be stored is not shown either.
        QStandardItem* ghost = form->treeModel()->addNode(QStringLiteral("Team1"), QStringLiteral("E9T1"),
                                                          QStringLiteral("Ghost Cup"), QStringLiteral("tournament"), 9);
        ghost->setText(QStringLiteral("Renamed"));
        QCOMPARE(ghost->text(), QStringLiteral("Ghost Cup"));
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Failed Update")});
    }

    void everyCommandExistsAndUnbuiltOnesStayDisabled()
    {
        const QList<QPair<QString, QString>> toolbar{
            {QStringLiteral("GblTeam"), QStringLiteral("Team Setup")},
            {QStringLiteral("TeamRoster"), QStringLiteral("Team Roster")},
            {QStringLiteral("TeamOpponent"), QStringLiteral("Opponents")},
            {QStringLiteral("TeamSchedule"), QStringLiteral("Team Schedule")},
            {QStringLiteral("TeamTournament"), QStringLiteral("Tournament Bracket")},
            {QStringLiteral("TeamStandings"), QStringLiteral("Team Standings (Web-Site)")},
            {QStringLiteral("GameLineUp"), QStringLiteral("View/Modify Line-up for Selected Game")},
            {QStringLiteral("GameNotes"), QStringLiteral("Notes for Selected Game")},
            {QStringLiteral("GameStats"), QStringLiteral("Enter Game Statistics")},
            {QStringLiteral("GblConfiguration"), QStringLiteral("Applications Options")},
            {QStringLiteral("GblMessages"), QStringLiteral("Send Email to entire team")}};
        for (const auto& [key, tip] : toolbar) {
            QAction* a = form->command(key);
            QVERIFY2(a, qPrintable(key));
            QCOMPARE(a->toolTip(), tip);
            QVERIFY2(!a->icon().isNull(), qPrintable(key));
        }
        const QStringList printItems{QStringLiteral("Team Statistics"), QStringLiteral("Roster"), QStringLiteral("Schedule"),
                                     QStringLiteral("Blank Stat Sheet"), QStringLiteral("Player Statistics"),
                                     QStringLiteral("Player Notes")};
        QStringList shown;
        for (QAction* a : form->printMenu()->actions())
            shown << a->text();
        QCOMPARE(shown, printItems);

        QStringList menus;
        for (QAction* a : form->menuBar()->actions())
            menus << a->text().remove(QLatin1Char('&'));
        QCOMPARE(menus, (QStringList{QStringLiteral("File"), QStringLiteral("Team"), QStringLiteral("View"),
                                     QStringLiteral("Game"), QStringLiteral("Player"), QStringLiteral("Tools"),
                                     QStringLiteral("Help")}));
        const QList<QPair<QString, QString>> items{
            {QStringLiteral("FileCheckUpdates"), QStringLiteral("Check for Updates")},
            {QStringLiteral("FileExit"), QStringLiteral("Exit")},
            {QStringLiteral("DataSetOpponents"), QStringLiteral("Opponent List")},
            {QStringLiteral("DataSetSchedule"), QStringLiteral("Schedule New Game")},
            {QStringLiteral("DataSetTournament"), QStringLiteral("Add New")},
            {QStringLiteral("DataModTournament"), QStringLiteral("Modify Selected")},
            {QStringLiteral("DataDelTournament"), QStringLiteral("Delete Selected")},
            {QStringLiteral("DataSetPractice"), QStringLiteral("Practice Schedule")},
            {QStringLiteral("DataPracticeDrills"), QStringLiteral("Practice Drills")},
            {QStringLiteral("DataEditTeam"), QStringLiteral("Team Information")},
            {QStringLiteral("mTeamCaptain"), QStringLiteral("Captains")},
            {QStringLiteral("ViewFees"), QStringLiteral("Fee Management")},
            {QStringLiteral("mTeamRoster"), QStringLiteral("Roster")},
            {QStringLiteral("mDataStandings"), QStringLiteral("Standings")},
            {QStringLiteral("DataSetupGame"), QStringLiteral("Game Lineup")},
            {QStringLiteral("mGameNotes"), QStringLiteral("Game Notes")},
            {QStringLiteral("FilePreviewSheet"), QStringLiteral("Stat Sheet")},
            {QStringLiteral("FilePrintSheet"), QStringLiteral("Stat Sheet")},
            {QStringLiteral("mGameSendResults"), QStringLiteral("Send Results")},
            {QStringLiteral("GameReschedule"), QStringLiteral("Reschedule Game")},
            {QStringLiteral("GameDelGame"), QStringLiteral("Delete Game")},
            {QStringLiteral("PlayerRoster"), QStringLiteral("Roster")},
            {QStringLiteral("DataUpdatePlayer"), QStringLiteral("Update Player Stats")},
            {QStringLiteral("FilePreviewPlayer"), QStringLiteral("Player Stats")},
            {QStringLiteral("FilePreviewNotes"), QStringLiteral("Player Notes")},
            {QStringLiteral("FilePrintPlayer"), QStringLiteral("Player Stats")},
            {QStringLiteral("FilePrintNotes"), QStringLiteral("Player Notes")},
            {QStringLiteral("ToolsCfg"), QStringLiteral("Configuration")},
            {QStringLiteral("HelpMain"), QStringLiteral("Contents...")},
            {QStringLiteral("HelpIndex"), QStringLiteral("Index")},
            {QStringLiteral("HelpSearch"), QStringLiteral("Search")},
            {QStringLiteral("HelpAbout"), QStringLiteral("About")},
            {QStringLiteral("GridMnu.GrdUpdatePlayer"), QStringLiteral("Update Player Stats")},
            {QStringLiteral("TreeTeamMnu.Opponents"), QStringLiteral("Opponents List")},
            {QStringLiteral("TreeTeamMnu.PrintTeamStats"), QStringLiteral("Team Stats")},
            {QStringLiteral("TreeTeamMnu.ViewCaptains"), QStringLiteral("View Captains")},
            {QStringLiteral("TreeTournyMnu.Bracket"), QStringLiteral("Tournament Bracket")},
            {QStringLiteral("TreeGameMnu.GameSendResults"), QStringLiteral("Send Game Results")},
            {QStringLiteral("TreeGameMnu.SetNotPlayed"), QStringLiteral("Set as Not Yet Played")},
            {QStringLiteral("TreeGameMnu.TreeDelGame"), QStringLiteral("Delete Game")}};
        for (const auto& [name, caption] : items) {
            QAction* a = form->command(name);
            QVERIFY2(a, qPrintable(name));
            QCOMPARE(a->text().remove(QLatin1Char('&')), caption);
        }
        // Windows that other parts of the program bring stay disabled whatever the selection.
        QVERIFY(form->selectNode(QStringLiteral("G1T1")));
        for (const QString& name : {QStringLiteral("GblTeam"), QStringLiteral("GameLineUp"), QStringLiteral("DataSetupGame"),
                                    QStringLiteral("FileCheckUpdates"), QStringLiteral("GblMessages")})
            QVERIFY2(!form->command(name)->isEnabled(), qPrintable(name));
        for (const QString& name : {QStringLiteral("FileExit"), QStringLiteral("ToolsCfg"), QStringLiteral("GblConfiguration"),
                                    QStringLiteral("HelpMain"), QStringLiteral("HelpAbout"), QStringLiteral("TeamStandings")})
            QVERIFY2(form->command(name)->isEnabled(), qPrintable(name));
    }

    void playerCommandsFollowTheSelection()
    {
        QVERIFY(form->selectTeam(1));
        QVERIFY(!wanted(QStringLiteral("FilePrintPlayer")));
        form->MainGrid_Click(2);
        QCOMPARE(state().CurrentPlayerNo, qint16(3));
        QVERIFY(wanted(QStringLiteral("FilePrintPlayer")));
        QVERIFY(wanted(QStringLiteral("PlayerPrintNotes")));
        QVERIFY(!wanted(QStringLiteral("DataUpdatePlayer")));  // no single game selected
        QVERIFY(form->selectNode(QStringLiteral("G2T1")));
        form->MainGrid_Click(2);
        QVERIFY(wanted(QStringLiteral("DataUpdatePlayer")));
        QVERIFY(wanted(QStringLiteral("GridMnu.GrdUpdatePlayer")));
        QVERIFY(form->selectNode(QStringLiteral("Team2")));  // loading a team clears the player
        QCOMPARE(state().CurrentPlayerNo, qint16(0));
        QVERIFY(!wanted(QStringLiteral("FilePrintPlayer")));
    }

    void doubleClickWithoutAGameSaysSo()
    {
        QVERIFY(form->selectTeam(1));
        form->MainGrid_DblClick(0);
        QCOMPARE(env.prompter.shown.size(), 1);
        QCOMPARE(env.prompter.shown[0].title, QStringLiteral("No Game Selected"));
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Select the game in which to add statistics."));
        QCOMPARE(env.prompter.shown[0].icon, Prompter::Icon::Critical);
        env.prompter.clear();
        QVERIFY(form->selectNode(QStringLiteral("G1T1")));
        form->MainGrid_DblClick(0);
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void standingsOpenTheTeamsWebSite()
    {
        QVERIFY(form->selectTeam(1));
        QVERIFY(wanted(QStringLiteral("TeamStandings")));
        form->command(QStringLiteral("TeamStandings"))->trigger();
        QCOMPARE(env.desktop.urls.size(), 1);
        QCOMPARE(env.desktop.urls[0].toString(), QStringLiteral("https://league.example.org/standings"));
        env.desktop.succeed = false;
        form->mDataStandings_Click();
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Invalid URL")});
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Unable to open Standings page."));
        QCOMPARE(env.prompter.shown[0].icon, Prompter::Icon::Exclamation);
        env.desktop.succeed = true;
        QVERIFY(form->selectTeam(2));  // no web site: no standings
        QVERIFY(!wanted(QStringLiteral("TeamStandings")));
        QVERIFY(!form->command(QStringLiteral("TeamStandings"))->isEnabled());
    }

    void separatorsKeepTheirLimits()
    {
        const qreal dpi = form->logicalDpiX();
        QSplitter* v = form->verticalSeparator();
        v->setSizes({10, 5000});
        QVERIFY(form->treeView()->width() > twipsToPixels(750, dpi));
        v->setSizes({5000, 10});
        QVERIFY(form->findChild<QTableView*>(QStringLiteral("MainGrid"))->width() > twipsToPixels(2500, dpi));
        QSplitter* h = form->horizontalSeparator();
        h->setSizes({5000, 1});
        QVERIFY(form->findChild<QTableView*>(QStringLiteral("PlayerDataGrid"))->height() > twipsToPixels(500, form->logicalDpiY()));
        h->setSizes({1, 5000});
        QVERIFY(form->findChild<QTableView*>(QStringLiteral("MainGrid"))->height() > twipsToPixels(500, form->logicalDpiY()));
    }

    void gridHeadersAndWidthsAreAsDrawn()
    {
        auto* grid = form->findChild<QTableView*>(QStringLiteral("MainGrid"));
        QCOMPARE(form->mainGridModel()->headers().size(), 13);
        QCOMPARE(form->mainGridModel()->headers().at(6), QString());
        QCOMPARE(form->mainGridModel()->headers().at(12), QStringLiteral("Avail"));
        // Drawn widths are the least; headings always fit.
        QVERIFY(grid->columnWidth(0) >= twipsToPixels(1700, form->logicalDpiX()));
        QCOMPARE(grid->columnWidth(6), twipsToPixels(80, form->logicalDpiX()));
        const QFontMetrics fm(grid->horizontalHeader()->font());
        for (int c = 0; c < 13; ++c)
            QVERIFY2(grid->columnWidth(c) >= fm.horizontalAdvance(form->mainGridModel()->headers().at(c)),
                     qPrintable(form->mainGridModel()->headers().at(c)));
        QCOMPARE(form->playerGridModel()->headers().at(5), QStringLiteral("Blks/Stls"));
        auto* panel2 = form->findChild<QLabel*>(QStringLiteral("Panel2"));
        QCOMPARE(panel2->toolTip(), QStringLiteral("Score of Selected Game"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Panel5"))->toolTip(), QStringLiteral("Player Count"));
    }

    void aFailingLoadIsReportedAndTheWindowCarriesOn()
    {
        QVERIFY(form->selectTeam(1));
        execSql(QStringLiteral("ALTER TABLE Player RENAME TO PlayerAway"));
        form->LoadTeam(2);
        execSql(QStringLiteral("ALTER TABLE PlayerAway RENAME TO Player"));
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Error")});
        QVERIFY(env.prompter.shown[0].text.contains(QLatin1String("has occurred in readRoster")));
        QVERIFY(env.logText().contains(QLatin1String("LoadTeam Params(lcTeamNo:= 2 ;)")));
        env.prompter.clear();
        form->LoadTeam(2);
        QCOMPARE(form->mainGridModel()->rowCount(), 3);
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void malformedPointValuesCountAsZero()
    {
        PutDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), 2}}, QStringLiteral("PointValue"), QStringLiteral("x;;"));
        QVERIFY(form->selectTeam(2));
        QCOMPARE(form->statusText(3), QStringLiteral("Record: 0 - 0 - 1"));
        QCOMPARE(form->statusText(4), QStringLiteral("Point Total:0"));
        PutDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), 2}}, QStringLiteral("PointValue"), QStringLiteral("3;1;0"));
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void aMissingLogoShowsNothing()
    {
        form->setLogo(env.dir() + QStringLiteral("/nowhere.gif"));
        QVERIFY(form->logoLabel()->pixmap().isNull());
        form->setLogo(QStringLiteral(":/icons/pitchwise@2x.png"));  // a readable picture
        // Resource paths are not files on disk, so they are not shown either: the setting names files.
        QVERIFY(env.prompter.shown.isEmpty());
    }

    void helpOpensOnTheAskedTab()
    {
        form->showHelp(2);
        auto* help = form->findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->findChild<QTabWidget*>(QStringLiteral("HelpTabs"))->currentIndex(), 1);
        QVERIFY(!help->catalog().index().isEmpty());
        QVERIFY(!help->currentPage().isEmpty());
        form->showHelp(3);
        QCOMPARE(help->findChild<QTabWidget*>(QStringLiteral("HelpTabs"))->currentIndex(), 2);
        screenshot(help, QStringLiteral("help-window"));
        help->close();
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
