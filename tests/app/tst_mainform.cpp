// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a realistic club: tree, roster, record, selection routing, command states,
// separators, in-place tournament names, and the window's own messages.
#include "TestSupport.h"

#include "app/HelpWindow.h"
#include "app/MainForm.h"
#include "app/RosterModel.h"
#include "app/TeamTree.h"
#include "common/Icons.h"
#include "common/Selection.h"
#include "common/Twips.h"
#include "core/messaging/Notes.h"
#include "ui/messaging/NoteWindows.h"
#include "ui/teams/PlayerInfo.h"
#include "ui/teams/RosterImport.h"
#include "ui/teams/TeamInfo.h"
#include "ui/teams/dlgRoster.h"
#include "ui/teams/frmOpponent.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
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
    QString image(const QString& key) const
    {
        return form->treeModel()->node(key)->data(TeamTreeModel::ImageRole).toString();
    }
    // The five status bar panels, "|" between them.
    QString status() const
    {
        QStringList panels;
        for (int i = 1; i <= 5; ++i)
            panels << form->statusText(i);
        return panels.join(QLatin1Char('|'));
    }

    // Runs check on the modal window a command opens next, then closes it.
    template <typename W, typename F> static void onModal(F check)
    {
        QTimer::singleShot(0, [check] {
            auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
            if (!w)
                qFatal("the command opened no window");
            check(w);
            w->close();
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(store.open(env.dir()), QString());
        addRealisticClub();
    }

    void init()
    {
        env.reset();
        form = std::make_unique<MainForm>();
        form->ConfigureMainStatus();
        form->SetTeamTabs();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(form->selectTeam(1));
    }

    void cleanup() { form.reset(); }

    void loadingATeamFillsTreeRosterRecordAndStatus()
    {
        // The first visible team is loaded (which teams and games the tree holds is the logic's test).
        QCOMPARE(form->treeModel()->item(0)->text(), QStringLiteral("Comets (U10G-Fall 2026)"));
        QCOMPARE(ReadSetting(QStringLiteral("TeamTabNo")), QStringLiteral("1"));
        RosterModel* grid = form->mainGridModel();
        QCOMPARE(grid->rows().size(), 15);
        QCOMPARE(grid->rowCount(), 16);  // and the team's row
        // Fee colours only on fee-managing teams; the too-old player is marked red over them.
        auto colour = [&](int row) { return grid->data(grid->index(row, 0), Qt::BackgroundRole).value<QColor>(); };
        QCOMPARE(colour(4), RosterModel::tooOldColour());
        QCOMPARE(colour(0), RosterModel::feeColour(FeeStatus::Paid));
        QCOMPARE(colour(14), RosterModel::feeColour(FeeStatus::Unpaid));
        QCOMPARE(status(), QStringLiteral("Opponent: |Score: |Record: 2 - 1 - 1|Point Total:7|Player Count: 15"));
        QCOMPARE(image(QStringLiteral("G3T1")), QStringLiteral("tied"));  // played games show their result
        QVERIFY(env.prompter.shown.isEmpty());
        form->treeView()->expandAll();
        form->resize(1180, 760);
        QTest::qWait(50);
        screenshot(form.get(), QStringLiteral("mainform-team"));
    }

    // Icons come drawn at each size and scale: a 24 px button on a screen of scale 2 gets the 48 px
    // drawing itself (not the 24 px one blown up), a selected team its own picture, and a command
    // that cannot run a grey one.
    void iconsAreDrawnForEverySizeAndScale()
    {
        const auto image = [](const QPixmap& p) {
            QImage i = p.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            i.setDevicePixelRatio(1);
            return i;
        };
        const QIcon lineup = programIcon(QStringLiteral("GameLineUp"));
        const QImage sharp = image(lineup.pixmap(QSize(24, 24), 2.0));
        QCOMPARE(sharp.size(), QSize(48, 48));
        QCOMPARE(sharp, image(lineup.pixmap(QSize(48, 48), 1.0)));
        QVERIFY(
            sharp !=
            image(lineup.pixmap(QSize(24, 24), 1.0)).scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY(sharp.pixelColor(24, 24).alpha() > 0 || sharp.pixelColor(12, 12).alpha() > 0);

        const QIcon team = programIcon(QStringLiteral("team"), QStringLiteral("team-selected"));
        const QImage selected = image(team.pixmap(QSize(16, 16), 1.0, QIcon::Selected));
        QCOMPARE(selected, image(programIcon(QStringLiteral("team-selected")).pixmap(QSize(16, 16), 1.0)));
        QVERIFY(selected != image(team.pixmap(QSize(16, 16), 1.0)));

        const QImage grey = image(lineup.pixmap(QSize(24, 24), 1.0, QIcon::Disabled));
        bool allGrey = true;
        for (int y = 0; y < grey.height(); ++y) {
            for (int x = 0; x < grey.width(); ++x) {
                const QRgb c = grey.pixel(x, y);
                allGrey = allGrey && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
            }
        }
        QVERIFY(allGrey && grey != image(lineup.pixmap(QSize(24, 24), 1.0)));
        QVERIFY(!hasProgramIcon(QStringLiteral("no-such-icon")));
    }

    void screenReadersFindEveryControlByNameAndEveryNodeWhereItIs()
    {
        form->treeView()->expandAll();
        QCOMPARE(unnamedControls(form.get()).join(QStringLiteral("; ")), QString());
        // A narrow tree pane with long lines: each node is reported where it can be clicked.
        child<QSplitter>(form.get(), "VSeparator")->setSizes({200, 900});
        QTest::qWait(20);
        QVERIFY(form->treeView()->header()->sectionSize(0) > form->treeView()->viewport()->width());
        QCOMPARE(itemsOutsideView(form->treeView()).join(QStringLiteral("; ")), QString());
    }

    void theScreenMapSaysWhereTreeItemsAndButtonsAreOnScreen()
    {
        // The black-box benchmark clicks where the file named by PW_BENCH_GEOMETRY says.
        const QString file = env.dir() + QStringLiteral("/screen.map");
        qputenv("PW_BENCH_GEOMETRY", file.toLocal8Bit());
        auto owned = std::make_unique<MainForm>();
        MainForm& mapped = *owned;
        qunsetenv("PW_BENCH_GEOMETRY");
        mapped.ConfigureMainStatus();
        mapped.SetTeamTabs();
        mapped.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mapped));
        QVERIFY(mapped.selectTeam(1));
        QTRY_VERIFY(QFile::exists(file));
        QHash<QString, QRect> places;
        QFile read(file);
        QVERIFY(read.open(QIODevice::ReadOnly));
        for (const QByteArray& line : read.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 6)
                places.insert(QString::fromUtf8(f[0] + ' ' + f[1]),
                              QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()));
        }
        // What lies at each place is what the map names.
        const QPoint team = places.value(QStringLiteral("tree Team1")).center();
        QCOMPARE(
            mapped.treeModel()->keyOf(mapped.treeView()->indexAt(mapped.treeView()->viewport()->mapFromGlobal(team))),
            QStringLiteral("Team1"));
        const QPoint lineup = places.value(QStringLiteral("tool GameLineUp")).center();
        auto* button = qobject_cast<QToolButton*>(mapped.childAt(mapped.mapFromGlobal(lineup)));
        QVERIFY(button && button->defaultAction()->objectName() == QLatin1String("GameLineUp"));
        QVERIFY(places.contains(QStringLiteral("bar mnuTeam")));
        // Without the variable nothing is written.
        owned.reset();
        QFile::remove(file);
        MainForm plain;
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QTest::qWait(20);
        QVERIFY(!QFile::exists(file));
    }

    void clickingAGameOfAnotherTeamLoadsThatTeamFirst()
    {
        QVERIFY(form->selectTeam(2));
        QVERIFY(form->selectNode(QStringLiteral("G3T1")));
        QCOMPARE(selection().CurrentTeamNo(), qint16(1));
        QCOMPARE(selection().CurrentGameNo(), qint16(3));
        QCOMPARE(selection().CurrentTournamentNo(), qint16(0));
        QCOMPARE(selection().CurrentOpponentNo(), qint16(3));
        QCOMPARE(status(), QStringLiteral("Opponent: Northside Strikers|Score: 1-1|Record: 2 - 1 - 1|Point Total:7|"
                                          "Player Count: 15"));
        QVERIFY(wanted(QStringLiteral("GameLineUp")));
        QVERIFY(!wanted(QStringLiteral("TeamTournament")));
        QVERIFY(wanted(QStringLiteral("mGameSendResults")));  // played, and the team has an address
        QVERIFY(form->selectNode(QStringLiteral("G5T1")));
        QVERIFY(!wanted(QStringLiteral("mGameSendResults")));  // not played yet
        // A detail line selects its game, and the arrow keys walk on through the lines.
        form->treeView()->expandAll();
        QVERIFY(form->selectNode(QStringLiteral("Date1T1")));
        QCOMPARE(selection().CurrentGameNo(), qint16(1));
        QCOMPARE(status(), QStringLiteral("Opponent: Blue Herons|Score: 3-1|Record: 2 - 1 - 1|Point Total:7|"
                                          "Player Count: 15"));
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
        QCOMPARE(status(), QStringLiteral("Opponent: |Score: |Record: 2 - 1 - 1|Point Total:7|Player Count: 15"));
    }

    void tournamentNodesSelectTheTournamentAndKeepTheirNames()
    {
        QStandardItem* node =
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
        QCOMPARE(status(), QStringLiteral("Opponent: |Score: |Record: 1 - 0 - 0|Point Total:3|Player Count: 15"));
        QVERIFY(form->selectNode(QStringLiteral("R1001T1")));
        QCOMPARE(selection().CurrentGameNo(), qint16(1001));
        QCOMPARE(selection().CurrentTournamentNo(), qint16(1));
        QCOMPARE(form->statusText(2), QStringLiteral("Score: 3-2"));
        QCOMPARE(image(QStringLiteral("R1001T1")), QStringLiteral("won"));
        for (const auto& [key, menu] :
             {std::pair{"E1T1", "TreeTournyMnu"}, {"R1001T1", "TreeGameMnu"}, {"Team1", "TreeTeamMnu"}})
            QCOMPARE(form->popupFor(QString::fromLatin1(key))->objectName(), QString::fromLatin1(menu));
        QVERIFY(!form->popupFor(QStringLiteral("Score1T1")));

        // Only a tournament's name is edited in place, and it is stored as typed.
        QVERIFY(node->isEditable());
        QVERIFY(!form->treeModel()->node(QStringLiteral("G1T1"))->isEditable());
        const Where cup{{QStringLiteral("TeamNo"), 1}, {QStringLiteral("TournamentNo"), 1}};
        node->setText(QStringLiteral("Harvest Cup \"Gold\" '26"));
        QCOMPARE(GetDBData(QStringLiteral("TournamentInfo"), cup, QStringLiteral("TournamentName")),
                 QStringLiteral("Harvest Cup \"Gold\" '26"));
        node->setText(QStringLiteral("   "));  // a tournament keeps a name
        QCOMPARE(node->text(), QStringLiteral("Harvest Cup \"Gold\" '26"));
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
        // Key, caption without its accelerator, and the menu (or toolbar) that holds it: one of each.
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("holder");
        const char* rows[][3] = {
            {"GblTeam", "Team Setup", "MainTB"},
            {"FileExit", "Exit", "mnuFile"},
            {"FileBackUp", "Back Up Now…", "mnuFile"},
            {"FileRestore", "Restore…", "mnuFile"},
            {"DataEditTeam", "Team Information", "mnuTeam"},
            {"DataSetTournament", "Add New", "mnuTournament"},
            {"mDataStandings", "Standings", "mnuView"},
            {"FilePreviewTeam", "Team Stats", "FilePreviewMenu"},
            {"FilePrintRosterHandout", "Handout Format", "FilePrintRosterMenu"},
            {"mGameSendResults", "Send Results", "mnuGame"},
            {"FilePreviewSheet", "Stat Sheet", "GamePreviewMenu"},
            {"FilePrintSheet", "Stat Sheet", "GamePrintMenu"},
            {"DataUpdatePlayer", "Update Player Stats", "mnuPlayer"},
            {"FilePreviewPlayer", "Player Stats", "PlayerPreviewMenu"},
            {"FilePrintNotes", "Player Notes", "PlayerPrintMenu"},
            {"ToolsCfg", "Configuration", "mnuTools"},
            {"HelpAbout", "About", "mnuHelp"},
            {"TeamPrintStat", "Team Statistics", "PrintMenu"},
            {"FilePreviewPlayTime", "Playing Time Report", "FilePreviewMenu"},
            {"FilePrintPlayTime", "Playing Time Report", "FilePrintMenu"},
            {"TeamPrintPlayTime", "Playing Time Report", "PrintMenu"},
            {"GridMnu.GrdUpdatePlayer", "Update Player Stats", "GridMnu"},
            {"TreeTeamMnu.ViewCaptains", "View Captains", "TreeTeamMnu"},
            {"TreeTeamMnu.PrintTeamStats", "Team Stats", "TreeTeamPrint"},
            {"TeamStandings", "Team Standings (Web-Site)", "MainTB"},
            {"TreeTeamMnu.ViewRoster", "View Roster", "TreeTeamMnu"},
            {"TreeTournyMnu.Bracket", "Tournament Bracket", "TreeTournyMnu"},
            {"TreeGameMnu.SetNotPlayed", "Set as Not Yet Played", "TreeGameMnu"},
            {"FileExportCalendar", "Team Calendar…", "mnuExport"},
            {"PlayerExportRoster", "Export Roster…", "mnuPlayer"},
            {"PlayerImportRoster", "Import Roster…", "mnuPlayer"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QString::fromUtf8(r[1]) << QString::fromLatin1(r[2]);
    }

    void commandsStandWhereTheyBelong()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QString, holder);
        QAction* a = form->command(key);
        QVERIFY(a);
        const QObjectList holders = a->associatedObjects();
        QVERIFY2(std::any_of(holders.begin(), holders.end(),
                             [&](QObject* w) { return w->isWidgetType() && w->objectName() == holder; }),
                 qPrintable(holder));
        QCOMPARE(a->text().remove(QLatin1Char('&')), caption);
        // A toolbar button shows its picture and, as its tool tip, its own name; the status bar
        // says what the command does.
        QCOMPARE(a->statusTip(), form->commands().command(key).tip);
        if (holder == QLatin1String("MainTB")) {
            QVERIFY(!a->icon().pixmap(24, 24).isNull());
            QCOMPARE(a->toolTip(), caption);
        }
    }

    void theCommandTableHoldsTogether()
    {
        QStringList menus;
        for (QAction* a : form->menuBar()->actions())
            menus << a->text().remove(QLatin1Char('&'));
        QCOMPARE(menus.join(QLatin1Char(' ')), QStringLiteral("File Team View Game Player Tools Help"));
        // A misspelt command name is an error, not a silent null.
        QVERIFY_THROWS_EXCEPTION(PwError, form->command(QStringLiteral("GameLinUp")));
        CommandTable table;
        table.addMenu({.path = QStringLiteral("mnuX"), .caption = QStringLiteral("X")});
        const auto in = [](const char* menu, const char* name = "") {
            return Placement{.menu = QString::fromLatin1(menu), .name = QString::fromLatin1(name)};
        };
        QVERIFY_THROWS_EXCEPTION(PwError, table.add({.name = QStringLiteral("A"), .placements = {in("mnuY")}}));
        QVERIFY_THROWS_EXCEPTION(PwError, table.add({.name = QStringLiteral("A")}));  // stands nowhere
        table.add({.name = QStringLiteral("A"), .placements = {in("mnuX"), in("MainTB", "B")}});
        QVERIFY_THROWS_EXCEPTION(PwError, table.add({.name = QStringLiteral("A"), .placements = {in("mnuX")}}));
        QVERIFY_THROWS_EXCEPTION(PwError, table.add({.name = QStringLiteral("C"), .placements = {in("MainTB", "B")}}));
        QCOMPARE(&table.command(QStringLiteral("B")), &table.command(QStringLiteral("A")));
        QCOMPARE(table.keys(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
        QVERIFY(form->selectNode(QStringLiteral("G1T1")));
        for (const QString& name : QStringLiteral("FileExit FileCheckUpdates ToolsCfg GblConfiguration HelpMain "
                                                  "HelpAbout TeamStandings GblTeam GblMessages "
                                                  "TeamRoster TeamOpponent mTeamRoster GameLineUp DataSetupGame")
                                       .split(QLatin1Char(' ')))
            QVERIFY2(form->command(name)->isEnabled(), qPrintable(name));
    }

    void exportingTheTeamCalendar()
    {
        // File > Export > Team Calendar… offers the team's name as the file's and remembers the
        // file for keeping it up to date; cancelling writes nothing.
        QVERIFY(form->selectTeam(1));
        const QString path = env.dir() + QStringLiteral("/Comets calendar.ics");
        env.prompter.files << path;
        form->command(QStringLiteral("FileExportCalendar"))->trigger();
        QCOMPARE(env.prompter.shown.size(), 1);
        QCOMPARE(env.prompter.shown[0].kind, QStringLiteral("save"));
        QCOMPARE(env.prompter.shown[0].defaultText, QStringLiteral("Comets.ics"));
        QVERIFY(fileBytes(path).contains("SUMMARY:Comets vs "));
        QCOMPARE(env.stored(QStringLiteral("CalendarFile1")).toString(), path);
        QFile::remove(path);
        form->command(QStringLiteral("FileExportCalendar"))->trigger();
        QVERIFY(!QFileInfo::exists(path));
    }

    void exportingAndImportingTheRoster()
    {
        // Both need a team; the export proposes the team's name, the import reads the file back
        // into a window where every player is a duplicate that changes nothing.
        for (const char* key : {"PlayerExportRoster", "PlayerImportRoster"}) {
            QVERIFY(!form->commands().wanted(QString::fromLatin1(key), CommandContext{}));
            QVERIFY(form->commands().wanted(QString::fromLatin1(key), CommandContext{Need::Team}));
        }
        QVERIFY(form->selectTeam(1));
        const QString path = env.dir() + QStringLiteral("/Comets roster.csv");
        env.prompter.files << path;
        form->command(QStringLiteral("PlayerExportRoster"))->trigger();
        QCOMPARE(env.prompter.shown.value(0).defaultText, QStringLiteral("Comets roster.csv"));
        QCOMPARE(fileBytes(path), exportRoster(1, false));
        env.prompter.clear();
        env.prompter.files << path;
        const int players = countRows(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}});
        bool allUnchanged = false;
        onModal<RosterImportWindow>([&](RosterImportWindow* w) {
            allUnchanged =
                w->plan().rows.size() == players && std::all_of(w->plan().rows.begin(), w->plan().rows.end(),
                                                                [](const ImportRow& r) { return r.unchanged; });
        });
        form->command(QStringLiteral("PlayerImportRoster"))->trigger();
        QVERIFY(allUnchanged);
        QCOMPARE(env.prompter.shown.value(0).kind, QStringLiteral("open"));
        QFile::remove(path);
    }

    void aCommandIsOneActionWhereverItStands()
    {
        // Standings stand in the View menu and on the toolbar, where the button keeps its own
        // name: one handler run a click from either.
        form->command(QStringLiteral("TeamStandings"))->trigger();
        QCOMPARE(env.desktop.urls.size(), 1);
        form->command(QStringLiteral("mDataStandings"))->trigger();
        QCOMPARE(env.desktop.urls.size(), 2);
        // Game notes in the Game menu and in the game's pop-up are one action; the toolbar's
        // button is disabled and enabled with it.
        QAction* notes = form->command(QStringLiteral("mGameNotes"));
        QCOMPARE(form->command(QStringLiteral("TreeGameMnu.GameNotes")), notes);
        QStringList holders;
        for (QObject* o : notes->associatedObjects())
            holders << o->objectName();
        QVERIFY2(holders.contains(QStringLiteral("mnuGame")) && holders.contains(QStringLiteral("TreeGameMnu")),
                 qPrintable(holders.join(QLatin1Char(' '))));
        QAction* notesButton = form->command(QStringLiteral("GameNotes"));
        QVERIFY(!notes->isEnabled() && !notesButton->isEnabled());  // the team, no single game
        QVERIFY(form->selectNode(QStringLiteral("G1T1")));
        QVERIFY(notes->isEnabled() && notesButton->isEnabled());
        // A placement with words of its own has its own action, enabled with its command.
        QAction* roster = form->command(QStringLiteral("mTeamRoster"));
        QAction* viewRoster = form->command(QStringLiteral("TreeTeamMnu.ViewRoster"));
        QVERIFY(roster != viewRoster);
        QCOMPARE(viewRoster->isEnabled(), roster->isEnabled());
        QVERIFY(form->selectTeam(2));  // no web site
        QVERIFY(!form->command(QStringLiteral("TeamStandings"))->isEnabled());

        // Every command says what it does in other words than its caption; toolbar ones have a picture.
        for (const CommandDef& c : form->commands().commands()) {
            const QString caption = QString(c.caption).remove(QLatin1Char('&'));
            QVERIFY2(!c.tip.isEmpty() && c.tip.compare(caption, Qt::CaseInsensitive) != 0, qPrintable(c.name));
            QSet<QAction*> own;
            for (const Placement& p : c.placements) {
                own << form->command(form->commands().key(c, p));
                if (p.menu == kToolbar)
                    QVERIFY2(hasProgramIcon(c.icon) && !programIcon(c.icon).pixmap(24, 24).isNull(),
                             qPrintable(c.name));
            }
            // One action a command, and one more for each placement with a caption of its own.
            const qsizetype captioned = std::count_if(c.placements.begin(), c.placements.end(),
                                                      [](const Placement& p) { return !p.caption.isEmpty(); });
            QCOMPARE(own.size(), captioned + (captioned < c.placements.size() ? 1 : 0));
        }

        // The bracket's action serves the tournament's pop-up and the game's; right-clicking a
        // season game hides it, and a tournament shows it again.
        QVERIFY(form->selectTeam(1));
        form->treeModel()->addNode(QStringLiteral("Team1"), QStringLiteral("E1T1"), QStringLiteral("Harvest Cup"),
                                   QStringLiteral("tournament"), 1);
        QAction* bracket = form->command(QStringLiteral("TreeTournyMnu.Bracket"));
        QCOMPARE(form->command(QStringLiteral("TreeGameMnu.Bracket")), bracket);
        const auto rightClick = [&](const char* key) {
            const QModelIndex index = form->treeModel()->indexOf(QString::fromLatin1(key));
            form->treeView()->scrollTo(index);
            form->TeamTree_MouseDown(form->treeView()->visualRect(index).center());
            form->popupFor(QString::fromLatin1(key))->close();
        };
        rightClick("G1T1");
        QVERIFY(!bracket->isVisible());
        rightClick("E1T1");
        QVERIFY(bracket->isVisible());
    }

    void theTeamCommandsOpenTheirWindowsOnTheCurrentTeam()
    {
        form->MainGrid_Click(2);
        const qint16 player = selection().CurrentPlayerNo();
        QVERIFY(player > 0);
        onModal<PlayerInfo>([&](PlayerInfo* w) { QCOMPARE(w->shownPlayerNo(), player); });
        form->command(QStringLiteral("TeamRoster"))->trigger();
        onModal<frmOpponent>([](frmOpponent* w) { QCOMPARE(w->list().entries().size(), 5); });
        form->command(QStringLiteral("DataSetOpponents"))->trigger();
        onModal<dlgRoster>([](dlgRoster* w) { QCOMPARE(w->model()->rowCount(), 15); });
        form->command(QStringLiteral("mTeamRoster"))->trigger();
        onModal<frmNoteList>([](frmNoteList* w) { QCOMPARE(w->model().rowCount(), 0); });
        form->command(QStringLiteral("GblMessages"))->trigger();

        // A team deleted in the profile leaves the main window on the first team of the tree.
        addTeam(9, QStringLiteral("Zebras"));
        form->SetTeamTabs();
        QVERIFY(form->selectTeam(9));
        onModal<TeamInfo>([this](TeamInfo* w) {
            QCOMPARE(w->shownTeamNo(), qint16(9));
            env.prompter.answers = {Prompter::Answer::Yes};
            w->TeamDelete_Click();
        });
        form->command(QStringLiteral("GblTeam"))->trigger();
        QTRY_VERIFY(!form->treeModel()->indexOf(QStringLiteral("Team9")).isValid());
        QCOMPARE(selection().CurrentTeamNo(), qint16(1));
        QCOMPARE(form->mainGridModel()->rows().size(), 15);
    }

    void playerCommandsAndDoubleClicksFollowTheSelection()
    {
        QVERIFY(!wanted(QStringLiteral("FilePrintPlayer")));
        form->MainGrid_Click(2);
        QCOMPARE(selection().CurrentPlayerNo(), qint16(3));
        QVERIFY(wanted(QStringLiteral("FilePrintPlayer")));
        QVERIFY(wanted(QStringLiteral("PlayerPrintNotes")));
        QVERIFY(!wanted(QStringLiteral("DataUpdatePlayer")));  // no single game selected
        form->MainGrid_DblClick(0);
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("No Game Selected")});
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Select the game in which to add statistics."));
        QCOMPARE(env.prompter.shown[0].icon, Prompter::Icon::Critical);
        QVERIFY(form->selectNode(QStringLiteral("G2T1")));
        form->MainGrid_Click(2);
        QVERIFY(wanted(QStringLiteral("DataUpdatePlayer")));
        QVERIFY(wanted(QStringLiteral("GridMnu.GrdUpdatePlayer")));
        QVERIFY(form->selectNode(QStringLiteral("Team2")));  // loading a team clears the player
        QCOMPARE(selection().CurrentPlayerNo(), qint16(0));
        QVERIFY(!wanted(QStringLiteral("FilePrintPlayer")));
    }

    // Rockets' one game: Quinn plays 4 of 4, Reyes 3 of 4 and Stone 1 of 4; the team's average
    // share is 67% (200 / 3), Stone's 25% lies 42 points under it, Reyes' 75% only 8 over.
    void theShareColumnShowsTheSpreadAndWhoTrails()
    {
        execSql(QStringLiteral("UPDATE GameStat SET QtrPlayed = 4, QtrAvailable = '1;1;1;1' WHERE TeamNo = 2"));
        for (const auto& [player, played] : {std::pair{2, 3}, std::pair{3, 1}})
            insertRow(QStringLiteral("GameStat"),
                      fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable"),
                             {2, 1, player, played, "1;1;1;1"}));
        QVERIFY(form->selectTeam(2));
        RosterModel* grid = form->mainGridModel();
        const int team = grid->teamRow();
        QCOMPARE(team, 3);
        const auto cell = [&](int row, int role) { return grid->data(grid->index(row, 1), role); };
        QCOMPARE(grid->data(grid->index(team, 0), Qt::DisplayRole).toString(), QStringLiteral("Team"));
        QCOMPARE(cell(team, Qt::DisplayRole).toString(), QStringLiteral("Spread 75 pts"));
        QCOMPARE(cell(team, Qt::ToolTipRole).toString(), QStringLiteral("Shares from 25% to 100%; team average 67%"));
        QVERIFY(!(grid->flags(grid->index(team, 1)) & Qt::ItemIsSelectable));
        // The spread has room beyond the share column, and reads whole.
        QTableView* view = form->mainGrid();
        QCOMPARE(view->columnSpan(team, 1), RosterModel::kSpreadColumns);
        QVERIFY(view->visualRect(grid->index(team, 1)).width() >
                view->fontMetrics().horizontalAdvance(cell(team, Qt::DisplayRole).toString()));

        // Stone is marked: a colour, a bold share and, in words, why.
        QCOMPARE(grid->rows().at(2).text, QStringLiteral("Stone,Eli (11)"));
        const QString why = QStringLiteral("42 points under the team average of 67%");
        QCOMPARE(cell(2, Qt::BackgroundRole).value<QColor>(), RosterModel::behindColour());
        QVERIFY(cell(2, Qt::FontRole).value<QFont>().bold());
        QCOMPARE(cell(2, Qt::ToolTipRole).toString(), why);
        QCOMPARE(cell(2, Qt::AccessibleDescriptionRole).toString(), why);
        QCOMPARE(cell(2, Qt::DisplayRole).toString(), QStringLiteral("25%"));
        for (int row : {0, 1}) {
            QVERIFY(!cell(row, Qt::BackgroundRole).isValid());
            QVERIFY(cell(row, Qt::ToolTipRole).toString().isEmpty());
        }
        screenshot(view, QStringLiteral("roster-spread"));

        // A refresh keeps the selected player and follows the new shares: Reyes now plays one
        // period too, and both trail the average of 50% by 25 points.
        form->MainGrid_Click(1);
        QCOMPARE(selection().CurrentPlayerNo(), qint16(2));
        execSql(QStringLiteral("UPDATE GameStat SET QtrPlayed = 1 WHERE TeamNo = 2 AND PlayerNo = 2"));
        form->SelectGame();
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(selection().CurrentPlayerNo(), qint16(2));
        QCOMPARE(cell(team, Qt::DisplayRole).toString(), QStringLiteral("Spread 75 pts"));
        for (int row : {1, 2})
            QCOMPARE(cell(row, Qt::ToolTipRole).toString(), QStringLiteral("25 points under the team average of 50%"));
        // The team's row is no player: a right-click there offers nothing and keeps the player.
        form->MainGrid_MouseDown(view->visualRect(grid->index(team, 0)).center());
        QVERIFY(!form->gridMenu()->isVisible());
        QCOMPARE(selection().CurrentPlayerNo(), qint16(2));

        // The playing-time report stands in the team's pop-up too, one action with the Print button's.
        QAction* report = form->command(QStringLiteral("TeamPrintPlayTime"));
        QStringList holders;
        for (QObject* o : report->associatedObjects())
            holders << o->objectName();
        QVERIFY2(holders.contains(QStringLiteral("TreeTeamPrint")) && holders.contains(QStringLiteral("PrintMenu")),
                 qPrintable(holders.join(QLatin1Char(' '))));
        QVERIFY(report->isEnabled() && form->command(QStringLiteral("FilePreviewPlayTime"))->isEnabled());
    }

    void standingsOpenTheTeamsWebSite()
    {
        form->command(QStringLiteral("TeamStandings"))->trigger();
        QCOMPARE(env.desktop.urls, QList<QUrl>{QUrl(QStringLiteral("https://league.example.org/standings"))});
        env.desktop.succeed = false;
        form->mDataStandings_Click();
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Invalid URL")});
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Unable to open Standings page."));
        QCOMPARE(env.prompter.shown[0].icon, Prompter::Icon::Exclamation);
        QVERIFY(form->selectTeam(2));  // no web site: no standings
        QVERIFY(!form->command(QStringLiteral("TeamStandings"))->isEnabled());
    }

    void gridsAndSeparatorsKeepTheirSizes()
    {
        const qreal dpiX = form->logicalDpiX();
        const qreal dpiY = form->logicalDpiY();
        auto* grid = form->findChild<QTableView*>(QStringLiteral("MainGrid"));
        const QStringList headers = form->mainGridModel()->headers();
        QCOMPARE(headers.size(), 13);
        QCOMPARE(headers.at(6), QString());
        QCOMPARE(headers.at(12), QStringLiteral("Avail"));
        // Drawn widths are the least; headings always fit.
        QVERIFY(grid->columnWidth(0) >= twipsToPixels(1700, dpiX));
        QCOMPARE(grid->columnWidth(6), twipsToPixels(80, dpiX));
        const QFontMetrics fm(grid->horizontalHeader()->font());
        for (int c = 0; c < 13; ++c)
            QVERIFY2(grid->columnWidth(c) >= fm.horizontalAdvance(headers.at(c)), qPrintable(headers.at(c)));
        QCOMPARE(form->playerGridModel()->headers().at(5), QStringLiteral("Blks/Stls"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Panel2"))->toolTip(),
                 QStringLiteral("Score of Selected Game"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Panel5"))->toolTip(), QStringLiteral("Player Count"));
        // The separators stop before a pane gets too small.
        form->verticalSeparator()->setSizes({10, 5000});
        QVERIFY(form->treeView()->width() > twipsToPixels(750, dpiX));
        form->verticalSeparator()->setSizes({5000, 10});
        QVERIFY(grid->width() > twipsToPixels(2500, dpiX));
        form->horizontalSeparator()->setSizes({5000, 1});
        QVERIFY(form->findChild<QTableView*>(QStringLiteral("PlayerDataGrid"))->height() > twipsToPixels(500, dpiY));
        form->horizontalSeparator()->setSizes({1, 5000});
        QVERIFY(grid->height() > twipsToPixels(500, dpiY));
    }

    void loadingCarriesOnPastAFailureOrAMalformedPointValue()
    {
        execSql(QStringLiteral("ALTER TABLE Player RENAME TO PlayerAway"));
        form->LoadTeam(2);
        execSql(QStringLiteral("ALTER TABLE PlayerAway RENAME TO Player"));
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Error")});
        QVERIFY(env.prompter.shown[0].text.contains(QLatin1String("has occurred in readRoster")));
        QVERIFY(env.logText().contains(QLatin1String("LoadTeam Params(lcTeamNo:= 2 ;)")));
        env.prompter.clear();
        // Points that cannot be read count as zero, and the coach is told which value, once.
        const Where team2{{QStringLiteral("TeamNo"), 2}};
        PutDBData(QStringLiteral("Teams"), team2, QStringLiteral("PointValue"), QStringLiteral("x;;"));
        form->LoadTeam(2);
        form->LoadTeam(2);
        PutDBData(QStringLiteral("Teams"), team2, QStringLiteral("PointValue"), QStringLiteral("3;1;0"));
        QCOMPARE(form->mainGridModel()->rows().size(), 3);
        QCOMPARE(status(), QStringLiteral("Opponent: |Score: |Record: 0 - 0 - 1|Point Total:0|Player Count: 3"));
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Point Values")});
        QVERIFY(env.prompter.shown[0].text.contains(QLatin1String("\"x;;\"")));
    }

    void hostileRowsAreShownWithoutHarm()
    {
        // Sums past 64 bits, a reversed name, a NUL, a name of ten thousand letters, a team
        // number the program cannot hold.
        execSql(QStringLiteral("UPDATE GameStat SET Goals = ? WHERE TeamNo = 2"), {qlonglong(9000000000000000000LL)});
        execSql(QStringLiteral(
                    "UPDATE Player SET PlayerLastName = ?, PlayerFirstName = ? WHERE TeamNo = 2 AND PlayerNo = 1"),
                {QStringLiteral("\u202Elive"), QString(QStringLiteral("An")) + QChar(0) + QStringLiteral("na")});
        execSql(QStringLiteral("UPDATE Player SET PlayerLastName = ? WHERE TeamNo = 2 AND PlayerNo = 2"),
                {QString(10000, QLatin1Char('W'))});
        insertRow(QStringLiteral("Teams"), fields(QStringLiteral("TeamNo TeamName Visible"), {70000, "Huge", true}));
        form->SetTeamTabs();
        QVERIFY(form->selectTeam(2));
        QCOMPARE(status().section(QLatin1Char('|'), 2, 2), QStringLiteral("Record: 1 - 0 - 0"));
        QVERIFY(!form->treeModel()->keys().contains(QStringLiteral("Team0")));
        QVERIFY(env.logText().contains(QLatin1String("number 70000 is not shown")));
        const RosterModel* grid = form->mainGridModel();
        QStringList names;
        for (const RosterRow& r : grid->rows())
            names << r.text;
        const QString reversed = names.filter(QStringLiteral("live")).value(0);
        QVERIFY(reversed.startsWith(QChar(0x2068)) && reversed.contains(QChar(0x2069)));  // isolated
        QVERIFY(!names.join(QString()).contains(QChar(0)));
        const int longRow = static_cast<int>(names.indexOf(names.filter(QStringLiteral("WWWW")).value(0)));
        QVERIFY(form->mainGrid()->columnWidth(0) <= 3 * twipsToPixels(1700, form->logicalDpiX()));
        QCOMPARE(grid->data(grid->index(longRow, 0), Qt::ToolTipRole).toString(), names.at(longRow));
        QVERIFY(env.prompter.shown.isEmpty());
        execSql(QStringLiteral("DELETE FROM Teams WHERE TeamNo = 70000"));
        execSql(QStringLiteral("UPDATE GameStat SET Goals = 0 WHERE TeamNo = 2"));
    }

    void helpOpensOnTheAskedTab()
    {
        form->showHelp(2);
        auto* help = form->findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->findChild<QTabWidget*>(QStringLiteral("HelpTabs"))->currentIndex(), 1);
        QVERIFY(!help->currentPage().isEmpty());
        form->showHelp(3);
        QCOMPARE(help->findChild<QTabWidget*>(QStringLiteral("HelpTabs"))->currentIndex(), 2);
        screenshot(help, QStringLiteral("help-window"));
        help->close();
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
