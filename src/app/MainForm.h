// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/base/Commands.h"
#include "ui/base/Shell.h"

#include <QHash>
#include <QMainWindow>
#include <QModelIndex>
#include <QPointer>
#include <QSet>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QStandardItem;
class QTableView;
class QToolButton;
class QTreeView;

namespace pw {

class HelpWindow;
struct ChangeNotice;
struct GameStatus;
class PlayerGamesModel;
class RosterModel;
class TeamTreeModel;

// The program's main window: the tree of teams, games and tournaments, the roster grid with the
// selected player's games below it, the toolbar, menus and status bar. Clicks in the tree and grid
// change the program's selection; menus, toolbar and pop-ups are built from the command table,
// and the selection decides which commands are enabled. It is the shell the command handlers
// open their windows from.
class MainForm : public QMainWindow, public Shell {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Procedures other windows and start-up call.
    void ConfigureMainStatus();
    void UpdateStatusBar(int panelNo, const QString& text);
    QString statusText(int panelNo) const;
    void SetTeamTabs();
    void LoadTeam(qint16 teamNo);
    // Recomputes the record of the current team (or tournament), shows it in the status bar and
    // the tree, and returns the score of gameNo.
    QString GetRecord(qint16 gameNo);
    QString recordText(qint16 gameNo) override { return GetRecord(gameNo); }
    void SelectGame();
    // Sets every command's enabled state from the selection.
    void applyCommandState();

    void SetFormSize(int numOfRows);
    // Selects the team's node and loads the team, record included; false when the tree has no
    // such team.
    bool selectTeam(qint16 teamNo) override;
    // Selects the first team of the tree; false when it lists none.
    bool selectFirstTeam();
    // Selects a node by key as a click would.
    bool selectNode(const QString& key) override;
    QString nodeText(const QString& key) const override;
    void setLogo(const QString& path);
    // What the tree shows for the selected game (its opponent); a detail line gives its game's.
    QString currentGameNodeText() const override;

    // The rest of the shell: the main window's own windows.
    QWidget* parentWindow() override { return this; }
    void quit() override { close(); }
    void openStandings() override { mDataStandings_Click(); }
    void openOptions() override { ToolsCfg_Click(); }
    void openAbout() override { HelpAbout_Click(); }

    // Event handlers, public so that tests can drive them as the coach would.
    void TeamTree_NodeClick(const QModelIndex& index);
    void TeamTree_AfterLabelEdit(QStandardItem* item);
    void TeamTree_MouseDown(const QPoint& pos);
    void MainGrid_Click(int row);
    void MainGrid_DblClick(int row);
    void MainGrid_MouseDown(const QPoint& pos);
    void mDataStandings_Click();
    void ToolsCfg_Click();
    void HelpAbout_Click();
    void showHelp(int page) override;  // 1 contents, 2 index, 3 search

    TeamTreeModel* treeModel() const { return m_tree; }
    RosterModel* mainGridModel() const { return m_mainGrid; }
    PlayerGamesModel* playerGridModel() const { return m_playerGrid; }
    QTreeView* treeView() const { return TeamTree; }
    QTableView* mainGrid() const { return MainGrid; }
    const CommandTable& commands() const { return m_table; }
    // A command's action by the key of any of its placements (see CommandTable::key); throws for
    // an unknown key. The placements of a command share one action, but those with a caption of
    // their own.
    QAction* command(const QString& key) const;
    // Whether the selection meets the command's needs, built or not.
    bool commandWanted(const QString& key) const;
    // The pop-up menu that a right click on this node or the grid would show; null for none.
    QMenu* popupFor(const QString& nodeKey) const;
    QMenu* menu(const QString& path) const { return m_menus.value(path); }
    QMenu* gridMenu() const { return menu(QStringLiteral("GridMnu")); }
    QMenu* printMenu() const { return menu(QStringLiteral("PrintMenu")); }
    QLabel* logoLabel() const { return MainGif; }
    QSplitter* verticalSeparator() const { return m_vSplit; }
    QSplitter* horizontalSeparator() const { return m_hSplit; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildCommands();
    QAction* makeAction(const CommandDef& command, const QString& caption, const QString& name, bool shared);
    void fillMenu(QMenu* menu, const QString& path);
    void buildToolBar();
    void buildCentral();
    // The panels of the central area, each built with its signals.
    QWidget* buildTree();
    QWidget* buildRoster();
    QWidget* buildPlayerGames();
    QWidget* buildTotals();
    void buildStatusBar();
    void prepareTreePopup(const QString& key);
    // Makes the team current and fills the window for it, without the team view's record.
    void loadTeamView(qint16 teamNo);
    // Whether the current game's result may be mailed (a result, and an address to mail it to).
    bool resultMailable(const GameStatus& game) const;
    void fitTreeColumn();
    // Fills the roster's statistics columns and the team totals for the selected game or summary.
    void showGameFigures();
    // Another window saved rows that the tree or grid show.
    void dataSaved(const ChangeNotice& notice);
    void refreshShown();
    void reselectPlayer(qint16 playerNo);

    TeamTreeModel* m_tree = nullptr;
    RosterModel* m_mainGrid = nullptr;
    PlayerGamesModel* m_playerGrid = nullptr;
    QTreeView* TeamTree = nullptr;
    QTableView* MainGrid = nullptr;
    QTableView* PlayerDataGrid = nullptr;
    QLabel* lblPlayer = nullptr;
    QLabel* MainGif = nullptr;
    QSplitter* m_vSplit = nullptr;
    QSplitter* m_hSplit = nullptr;
    QList<QLabel*> m_panels;
    QList<QLabel*> Totlbl;
    CommandTable m_table;
    QHash<QString, QAction*> m_actions;  // by placement key; a command's placements share theirs
    QHash<QString, QMenu*> m_menus;      // by menu path
    bool m_resultMailable = false;
    QSet<qint16> m_toldPoints;  // teams whose malformed point values the coach was told of
    QPointer<HelpWindow> m_help;
    bool m_filling = false;
    bool m_renaming = false;        // a tournament is being renamed in the tree
    bool m_refreshPending = false;  // saved changes are waiting to be shown
    bool m_storeResults = false;    // the refresh after a save stores the recomputed results
    int m_sizedRows = 0;            // set while the tree is rebuilt, so selection changes do nothing
};

}  // namespace pw
