// The main window on a realistic club: tree, roster, record, selection routing, command states,
// separators, in-place tournament names, and the window's own messages.
#include "TestSupport.h"

#include "common/AppState.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "app/RosterModel.h"
#include "app/HelpWindow.h"
#include "app/MainForm.h"
#include "app/TeamTree.h"
#include "common/Twips.h"
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

    bool wanted(const QString& key) const { return form->commandWanted(key); }

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
        QCOMPARE(selection().CurrentTeamNo(), qint16(1));
        QCOMPARE(ReadSetting(QStringLiteral("TeamTabNo")), QStringLiteral("1"));
        RosterModel* grid = form->mainGridModel();
        QCOMPARE(grid->rowCount(), 15);
        QCOMPARE(grid->row(0)->text, QStringLiteral("Alvarez,Sofia (2)"));
        QCOMPARE(grid->row(14)->text, QStringLiteral("O'Brien,Nora (16)"));
        QCOMPARE(grid->playerAt(0), qint16(1));
        // Fee colours only on fee-managing teams; the too-old player is marked red over them.
        auto colour = [&](int row) { return grid->data(grid->index(row, 0), Qt::BackgroundRole).value<QColor>(); };
        QCOMPARE(colour(4), RosterModel::tooOldColour());
        QCOMPARE(colour(0), RosterModel::feeColour(FeeStatus::Paid));
        QCOMPARE(colour(14), RosterModel::feeColour(FeeStatus::Unpaid));
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
        QCOMPARE(selection().CurrentTeamNo(), qint16(1));
        QCOMPARE(selection().CurrentGameNo(), qint16(3));
        QCOMPARE(selection().CurrentTournamentNo(), qint16(0));
        QCOMPARE(selection().CurrentOpponentNo(), qint16(3));
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
        QCOMPARE(selection().CurrentGameNo(), qint16(1));
        QCOMPARE(form->statusText(1), QStringLiteral("Opponent: Blue Herons"));
        QCOMPARE(form->statusText(2), QStringLiteral("Score: 3-1"));
        form->treeView()->setFocus();
        QTest::keyClick(form->treeView(), Qt::Key_Down);
        QCOMPARE(form->treeModel()->keyOf(form->treeView()->currentIndex()), QStringLiteral("Field1T1"));
        QTest::keyClick(form->treeView(), Qt::Key_Down);
        QCOMPARE(form->treeModel()->keyOf(form->treeView()->currentIndex()), QStringLiteral("OppCoach1T1"));
        QCOMPARE(selection().CurrentGameNo(), qint16(1));
        // Back on the team: the team view, no single game.
        QVERIFY(form->selectNode(QStringLiteral("Team1")));
        QCOMPARE(selection().CurrentGameNo(), qint16(0));
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
        QCOMPARE(selection().CurrentTournamentNo(), qint16(1));
        QCOMPARE(selection().NoTiers(), qint16(2));
        QCOMPARE(selection().CurrentGameNo(), qint16(1000));
        QVERIFY(wanted(QStringLiteral("TeamTournament")));
        // The tournament's own game counts, not the season's.
        QCOMPARE(form->statusText(3), QStringLiteral("Record: 1 - 0 - 0"));
        QCOMPARE(form->statusText(4), QStringLiteral("Point Total:3"));
        QVERIFY(form->selectNode(QStringLiteral("R1001T1")));
        QCOMPARE(selection().CurrentGameNo(), qint16(1001));
        QCOMPARE(selection().CurrentTournamentNo(), qint16(1));
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

    void commandsStandWhereTheyBelong_data()
    {
        // Key, caption without its accelerator, and the menu (or toolbar) that holds it.
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("holder");
        const char* rows[][3] = {
            {"GblTeam", "Team Setup", "MainTB"},
            {"TeamRoster", "Team Roster", "MainTB"},
            {"TeamOpponent", "Opponents", "MainTB"},
            {"TeamSchedule", "Team Schedule", "MainTB"},
            {"TeamTournament", "Tournament Bracket", "MainTB"},
            {"TeamStandings", "Team Standings (Web-Site)", "MainTB"},
            {"GameLineUp", "View/Modify Line-up for Selected Game", "MainTB"},
            {"GameNotes", "Notes for Selected Game", "MainTB"},
            {"GameStats", "Enter Game Statistics", "MainTB"},
            {"GblConfiguration", "Applications Options", "MainTB"},
            {"GblMessages", "Send Email to entire team", "MainTB"},
            {"FileCheckUpdates", "Check for Updates", "mnuFile"},
            {"FileExit", "Exit", "mnuFile"},
            {"DataSetOpponents", "Opponent List", "mnuTeam"},
            {"DataSetSchedule", "Schedule New Game", "mnuTeam"},
            {"DataSetTournament", "Add New", "mnuTournament"},
            {"DataModTournament", "Modify Selected", "mnuTournament"},
            {"DataDelTournament", "Delete Selected", "mnuTournament"},
            {"DataSetPractice", "Practice Schedule", "mnuTeam"},
            {"DataPracticeDrills", "Practice Drills", "mnuTeam"},
            {"DataEditTeam", "Team Information", "mnuTeam"},
            {"mTeamCaptain", "Captains", "mnuTeam"},
            {"ViewFees", "Fee Management", "mnuTeam"},
            {"mTeamRoster", "Roster", "mnuView"},
            {"mDataStandings", "Standings", "mnuView"},
            {"FilePreviewTeam", "Team Stats", "FilePreviewMenu"},
            {"FilePrintRosterHandout", "Handout Format", "FilePrintRosterMenu"},
            {"DataSetupGame", "Game Lineup", "mnuGame"},
            {"mGameNotes", "Game Notes", "mnuGame"},
            {"FilePreviewSheet", "Stat Sheet", "GamePreviewMenu"},
            {"FilePrintSheet", "Stat Sheet", "GamePrintMenu"},
            {"mGameSendResults", "Send Results", "mnuGame"},
            {"GameReschedule", "Reschedule Game", "mnuGame"},
            {"GameDelGame", "Delete Game", "mnuGame"},
            {"PlayerRoster", "Roster", "mnuPlayer"},
            {"DataUpdatePlayer", "Update Player Stats", "mnuPlayer"},
            {"FilePreviewPlayer", "Player Stats", "PlayerPreviewMenu"},
            {"FilePrintNotes", "Player Notes", "PlayerPrintMenu"},
            {"ToolsCfg", "Configuration", "mnuTools"},
            {"HelpMain", "Contents...", "mnuHelp"},
            {"HelpIndex", "Index", "mnuHelp"},
            {"HelpSearch", "Search", "mnuHelp"},
            {"HelpAbout", "About", "mnuHelp"},
            {"TeamPrintStat", "Team Statistics", "PrintMenu"},
            {"PlayerPrintNotes", "Player Notes", "PrintMenu"},
            {"GridMnu.GrdUpdatePlayer", "Update Player Stats", "GridMnu"},
            {"TreeTeamMnu.Opponents", "Opponents List", "TreeTeamMnu"},
            {"TreeTeamMnu.PrintTeamStats", "Team Stats", "TreeTeamPrint"},
            {"TreeTeamMnu.ViewCaptains", "View Captains", "TreeTeamMnu"},
            {"TreeTournyMnu.Bracket", "Tournament Bracket", "TreeTournyMnu"},
            {"TreeGameMnu.GameSendResults", "Send Game Results", "TreeGameMnu"},
            {"TreeGameMnu.SetNotPlayed", "Set as Not Yet Played", "TreeGameMnu"},
            {"TreeGameMnu.TreeDelGame", "Delete Game", "TreeGameMnu"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]) << QString::fromLatin1(r[2]);
    }

    void commandsStandWhereTheyBelong()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QString, holder);
        QAction* a = form->command(key);
        QVERIFY(a);
        QWidget* owner = nullptr;
        for (QObject* w : a->associatedObjects()) {
            if (w->objectName() == holder)
                owner = qobject_cast<QWidget*>(w);
        }
        QVERIFY2(owner, qPrintable(holder));
        if (holder == QLatin1String("MainTB")) {
            QCOMPARE(a->toolTip(), caption);
            QVERIFY(!a->icon().pixmap(24, 24).isNull());
        } else {
            QCOMPARE(a->text().remove(QLatin1Char('&')), caption);
        }
    }

    void theCommandTableHoldsTogether()
    {
        QStringList menus;
        for (QAction* a : form->menuBar()->actions())
            menus << a->text().remove(QLatin1Char('&'));
        QCOMPARE(menus, (QStringList{QStringLiteral("File"), QStringLiteral("Team"), QStringLiteral("View"),
                                     QStringLiteral("Game"), QStringLiteral("Player"), QStringLiteral("Tools"),
                                     QStringLiteral("Help")}));
        // A misspelt command name is an error, not a silent null.
        QVERIFY_THROWS_EXCEPTION(PwError, form->command(QStringLiteral("GameLinUp")));
        CommandTable table;
        table.addMenu({.path = QStringLiteral("mnuX"), .caption = QStringLiteral("X")});
        QVERIFY_THROWS_EXCEPTION(PwError, table.add({.name = QStringLiteral("A"), .menu = QStringLiteral("mnuY")}));
        table.add({.name = QStringLiteral("A"), .menu = QStringLiteral("mnuX")});
        QVERIFY_THROWS_EXCEPTION(PwError, table.add({.name = QStringLiteral("A"), .menu = QStringLiteral("mnuX")}));
        // Windows that other parts of the program bring stay disabled whatever the selection.
        QVERIFY(form->selectNode(QStringLiteral("G1T1")));
        for (const QString& name : {QStringLiteral("GblTeam"), QStringLiteral("GameLineUp"), QStringLiteral("DataSetupGame"),
                                    QStringLiteral("FileCheckUpdates"), QStringLiteral("GblMessages")})
            QVERIFY2(!form->command(name)->isEnabled() && wanted(name), qPrintable(name));
        for (const QString& name : {QStringLiteral("FileExit"), QStringLiteral("ToolsCfg"), QStringLiteral("GblConfiguration"),
                                    QStringLiteral("HelpMain"), QStringLiteral("HelpAbout"), QStringLiteral("TeamStandings")})
            QVERIFY2(form->command(name)->isEnabled(), qPrintable(name));
    }

    void playerCommandsFollowTheSelection()
    {
        QVERIFY(form->selectTeam(1));
        QVERIFY(!wanted(QStringLiteral("FilePrintPlayer")));
        form->MainGrid_Click(2);
        QCOMPARE(selection().CurrentPlayerNo(), qint16(3));
        QVERIFY(wanted(QStringLiteral("FilePrintPlayer")));
        QVERIFY(wanted(QStringLiteral("PlayerPrintNotes")));
        QVERIFY(!wanted(QStringLiteral("DataUpdatePlayer")));  // no single game selected
        QVERIFY(form->selectNode(QStringLiteral("G2T1")));
        form->MainGrid_Click(2);
        QVERIFY(wanted(QStringLiteral("DataUpdatePlayer")));
        QVERIFY(wanted(QStringLiteral("GridMnu.GrdUpdatePlayer")));
        QVERIFY(form->selectNode(QStringLiteral("Team2")));  // loading a team clears the player
        QCOMPARE(selection().CurrentPlayerNo(), qint16(0));
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
