#pragma once

#include <QMainWindow>
#include <QModelIndex>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QStandardItem;
class QTableView;
class QToolButton;
class QTreeView;

namespace pw {

class GridModel;
class HelpWindow;
class TeamTreeModel;

// The program's main window: the tree of teams, games and tournaments, the roster grid with the
// selected player's games below it, the toolbar, menus and status bar. It keeps the current
// selection and routes every command to the window that owns it.
class MainForm : public QMainWindow {
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
    QString GetRecord(qint16 teamNo, qint16 gameNo);
    void SelectGame();
    void EnablePlayerMenus();
    void DisablePlayerMenus();
    void ClearTeamNode();
    void SetFormSize(int numOfRows);
    // Selects the team's node and loads the team, record included; false when the tree has no
    // such team.
    bool selectTeam(qint16 teamNo);
    // Selects a node by key as a click would.
    bool selectNode(const QString& key);
    void setLogo(const QString& path);

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
    void showHelp(int page);  // 1 contents, 2 index, 3 search

    TeamTreeModel* treeModel() const { return m_tree; }
    GridModel* mainGridModel() const { return m_mainGrid; }
    GridModel* playerGridModel() const { return m_playerGrid; }
    QTreeView* treeView() const { return TeamTree; }
    // A command by its control name (toolbar key, menu or pop-up item).
    QAction* command(const QString& name) const;
    // The pop-up menu that a right click on this node or the grid would show; null for none.
    QMenu* popupFor(const QString& nodeKey) const;
    QMenu* gridMenu() const { return GridMnu; }
    QMenu* printMenu() const { return m_printMenu; }
    QLabel* logoLabel() const { return MainGif; }
    QSplitter* verticalSeparator() const { return m_vSplit; }
    QSplitter* horizontalSeparator() const { return m_hSplit; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildPopups();
    void buildCentral();
    void buildStatusBar();
    // An action named after its control; a handler makes it a built command, none leaves it
    // disabled until the window it opens exists.
    QAction* makeCommand(QObject* owner, const QString& name, const QString& caption,
                         std::function<void()> handler = {}, const QString& tip = {});
    // Whether the current selection allows the command; it is enabled only when it is also built.
    void want(const QString& name, bool wanted);
    void want(QAction* action, bool wanted);
    void prepareTreePopup(const QString& key);
    void updateResultCommands();

    TeamTreeModel* m_tree = nullptr;
    GridModel* m_mainGrid = nullptr;
    GridModel* m_playerGrid = nullptr;
    QTreeView* TeamTree = nullptr;
    QTableView* MainGrid = nullptr;
    QTableView* PlayerDataGrid = nullptr;
    QLabel* lblPlayer = nullptr;
    QLabel* MainGif = nullptr;
    QSplitter* m_vSplit = nullptr;
    QSplitter* m_hSplit = nullptr;
    QList<QLabel*> m_panels;
    QList<QLabel*> Totlbl;
    QMenu* GridMnu = nullptr;
    QMenu* TreeTeamMnu = nullptr;
    QMenu* TreeTournyMnu = nullptr;
    QMenu* TreeGameMnu = nullptr;
    QMenu* m_printMenu = nullptr;
    QHash<QString, QAction*> m_commands;
    QPointer<HelpWindow> m_help;
    bool m_filling = false;
    int m_sizedRows = 0;  // set while the tree is rebuilt, so selection changes do nothing
};

}  // namespace pw
