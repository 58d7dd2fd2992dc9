// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"

#include "ui/base/Modal.h"

#include "data/Changes.h"

#include "app/HelpWindow.h"
#include "app/RosterData.h"
#include "app/RosterModel.h"
#include "app/ScreenMap.h"
#include "app/TeamTree.h"
#include "app/cfgDialog.h"
#include "app/frmAbout.h"
#include "common/AppState.h"
#include "common/Desktop.h"
#include "common/Formats.h"
#include "common/Icons.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "common/Twips.h"
#include "core/games/GameState.h"
#include "core/games/GameView.h"
#include "core/games/Record.h"
#include "core/schedule/SeasonGames.h"
#include "core/teams/TeamData.h"
#include "core/tournaments/Tournaments.h"
#include "data/Settings.h"
#include "ui/base/CommandRegistry.h"
#include "ui/base/LogoPicture.h"
#include "ui/base/RowList.h"
#include "ui/base/SurfaceAccessible.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <iterator>

namespace pw {

namespace {

const QList<int> kMainGridTwips{1700, 610, 610, 610, 610, 610, 80, 610, 610, 610, 610, 500, 500};
const QList<int> kPlayerGridTwips{1700, 620, 620, 620, 620, 620, 620, 80, 620, 620, 620, 620};

// The captions of the team totals, each with its colon: a language may space it otherwise.
const char* const kTotalCaptions[] = {
    QT_TRANSLATE_NOOP("pw::MainForm", "Shots:"),         QT_TRANSLATE_NOOP("pw::MainForm", "Goals:"),
    QT_TRANSLATE_NOOP("pw::MainForm", "Steals:"),        QT_TRANSLATE_NOOP("pw::MainForm", "Assists:"),
    QT_TRANSLATE_NOOP("pw::MainForm", "Shots on Goal:"), QT_TRANSLATE_NOOP("pw::MainForm", "Goals:"),
    QT_TRANSLATE_NOOP("pw::MainForm", "OverShot:"),      QT_TRANSLATE_NOOP("pw::MainForm", "Blocks:")};

// Separator limits, in twips: the tree stays wider than 750, the roster grid wider than 2500,
// and each grid taller than 500.
constexpr int kMinTreeTwips = 750;
constexpr int kMinGridWidthTwips = 2500;
constexpr int kMinGridHeightTwips = 500;

// Up to this many teams, the tree opens every team at once; a club with more opens only the
// team being worked on, and others as the coach opens them.
constexpr qsizetype kOpenTeamsUpTo = 6;

// Tables whose rows the tree, the roster or the status bar show.
// What the main window shows: the teams with their games and tournaments in the tree, the
// roster with its shares and figures in the grids, the record in the status bar.
bool shownHere(Change what)
{
    switch (what) {
    case Change::Practices:
    case Change::Drills:
    case Change::Notes: return false;
    default: return true;
    }
}

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Pitchwise"));
    setWindowIcon(programIcon(QStringLiteral("pitchwise")));
    m_tree = new TeamTreeModel(this);
    m_mainGrid = new RosterModel(this);
    m_playerGrid = new PlayerGamesModel(this);

    buildCommands();
    buildCentral();
    buildStatusBar();
    applyCommandState();
    setLogo(ReadSettingText(QStringLiteral("TeamLogo")));
    connect(&changeNotices(), &ChangeNotices::changed, this, &MainForm::dataSaved);
    resize(1120, 720);
    watchScreenMap(*this, *TeamTree, *m_tree);
}

MainForm::~MainForm() = default;

void MainForm::buildCommands()
{
    registerAllCommands(m_table, *this);
    for (const CommandDef& c : m_table.commands()) {
        QAction* shared = nullptr;
        for (const Placement& p : c.placements) {
            const QString key = m_table.key(c, p);
            if (m_actions.contains(key))
                continue;
            if (!p.caption.isEmpty()) {
                QAction* own = makeAction(c, p.caption, p.name.isEmpty() ? c.name : p.name, false);
                // A toolbar button is known by its own name, shown when the pointer rests on it;
                // the status bar says what it does.
                if (p.menu == kToolbar)
                    own->setToolTip(p.caption);
                m_actions.insert(key, own);
                continue;
            }
            if (!shared)
                shared = makeAction(c, c.caption, c.name, true);
            m_actions.insert(key, shared);
        }
    }
    // Top-level menus and pop-ups; sub-menus are made while their parents are filled.
    QList<const MenuDef*> tops;
    for (const MenuDef& m : m_table.menus()) {
        if (!m.path.contains(QLatin1Char('/')))
            tops << &m;
    }
    std::stable_sort(tops.begin(), tops.end(), [](const MenuDef* a, const MenuDef* b) { return a->order < b->order; });
    for (const MenuDef* m : tops) {
        QMenu* menu = m->popup ? new QMenu(this) : menuBar()->addMenu(m->caption);
        menu->setObjectName(m->path);
        m_menus.insert(m->path, menu);
        fillMenu(menu, m->path);
    }
    buildToolBar();
}

QAction* MainForm::makeAction(const CommandDef& c, const QString& caption, const QString& name, bool shared)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setToolTip(c.tip);
    action->setStatusTip(c.tip);
    if (!c.icon.isEmpty()) {
        action->setIcon(programIcon(c.icon));
        // The picture is for the toolbar; the menus show text only.
        action->setIconVisibleInMenu(false);
    }
    // A shortcut belongs to one action only: two would make it ambiguous and neither would run.
    if (shared && !c.shortcut.isEmpty())
        action->setShortcut(c.shortcut);
    if (c.handler) {
        const auto handler = c.handler;
        connect(action, &QAction::triggered, this, [handler] { handler(); });
    }
    return action;
}

void MainForm::fillMenu(QMenu* menu, const QString& path)
{
    for (const CommandTable::Item& item : m_table.itemsOf(path)) {
        if (item.separatorBefore)
            menu->addSeparator();
        if (item.subMenu) {
            QMenu* sub = menu->addMenu(item.subMenu->caption);
            sub->setObjectName(item.subMenu->path.section(QLatin1Char('/'), -1));
            m_menus.insert(item.subMenu->path, sub);
            fillMenu(sub, item.subMenu->path);
        } else {
            menu->addAction(m_actions.value(m_table.key(*item.command, *item.placement)));
        }
    }
}

void MainForm::buildToolBar()
{
    QToolBar* tb = addToolBar(tr("Main"));
    tb->setObjectName(kToolbar);
    tb->setMovable(false);
    tb->setIconSize(QSize(24, 24));
    // The button that shows the commands a narrow window has no room for.
    if (auto* more = tb->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More commands"));
    for (const CommandTable::Item& item : m_table.itemsOf(kToolbar)) {
        if (item.separatorBefore)
            tb->addSeparator();
        const CommandDef& c = *item.command;
        if (c.dropDown.isEmpty()) {
            tb->addAction(m_actions.value(m_table.key(c, *item.placement)));
            continue;
        }
        // A button whose menu drops down at once, rather than an action of its own.
        auto* button = new QToolButton(tb);
        button->setObjectName(c.name);
        button->setIcon(programIcon(c.icon));
        button->setToolTip(c.tip);
        button->setAccessibleName(c.caption);
        button->setMenu(m_menus.value(c.dropDown));
        button->setPopupMode(QToolButton::InstantPopup);
        tb->addWidget(button);
    }
    auto* spacer = new QWidget(tb);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tb->addWidget(spacer);
    MainGif = new QLabel(tb);
    MainGif->setObjectName(QStringLiteral("MainGif"));
    MainGif->setFixedHeight(40);
    MainGif->setAlignment(Qt::AlignCenter);
    tb->addWidget(MainGif);
}

QAction* MainForm::command(const QString& key) const
{
    m_table.command(key);  // throws for a key no command has
    return m_actions.value(key);
}

bool MainForm::commandWanted(const QString& key) const
{
    return m_table.wanted(key, contextOf(selection(), m_resultMailable));
}

void MainForm::applyCommandState()
{
    const CommandContext context = contextOf(selection(), m_resultMailable);
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it)
        it.value()->setEnabled(m_table.enabled(it.key(), context));
}

bool MainForm::resultMailable(const GameStatus& game) const
{
    return selection().singleGame() && game.hasResult && !selection().Team().EmailSendTo.isEmpty();
}

namespace {

// The grids' common look: whole rows selected, no editing, and columns at least as wide as drawn.
void setupGrid(QTableView* grid, QAbstractItemModel* model, const QStringList& headers, const QList<int>& twips,
               qreal dpi, qreal dpiY)
{
    setUpRowList(grid, model);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setMinimumSectionSize(2);
    // The drawn widths are the least a column gets; a heading never ends up clipped.
    const QFontMetrics headerFont(grid->horizontalHeader()->font());
    for (int c = 0; c < twips.size(); ++c) {
        const QString heading = headers.value(c);
        // Figure columns hold up to four characters ("100%").
        const int needed = heading.isEmpty()
                               ? 0
                               : qMax(headerFont.horizontalAdvance(heading),
                                      c == 0 ? 0 : grid->fontMetrics().horizontalAdvance(QStringLiteral("100%"))) +
                                     14;
        grid->setColumnWidth(c, qMax(twipsToPixels(twips.at(c), dpi), needed));
    }
    grid->setMinimumHeight(twipsToPixels(kMinGridHeightTwips, dpiY) + 1);
    grid->setAlternatingRowColors(true);
}

}  // namespace

void MainForm::buildCentral()
{
    const qreal dpi = logicalDpiX();
    const qreal dpiY = logicalDpiY();
    QWidget* tree = buildTree();
    QWidget* roster = buildRoster();
    QWidget* lower = buildPlayerGames();
    QWidget* totals = buildTotals();

    m_hSplit = new QSplitter(Qt::Vertical);
    m_hSplit->setObjectName(QStringLiteral("HSeparator"));
    m_hSplit->setChildrenCollapsible(false);
    m_hSplit->addWidget(roster);
    m_hSplit->addWidget(lower);
    m_hSplit->setStretchFactor(0, 3);
    m_hSplit->setStretchFactor(1, 2);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(4);
    rightLayout->addWidget(m_hSplit, 1);
    rightLayout->addWidget(totals);

    m_vSplit = new QSplitter(Qt::Horizontal);
    m_vSplit->setObjectName(QStringLiteral("VSeparator"));
    m_vSplit->setChildrenCollapsible(false);
    m_vSplit->addWidget(tree);
    m_vSplit->addWidget(right);
    m_vSplit->setStretchFactor(0, 0);
    m_vSplit->setStretchFactor(1, 1);
    m_vSplit->setSizes({twipsToPixels(4300, dpi), twipsToPixels(10000, dpi)});

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, twipsToPixels(100, dpiY), 6, 0);
    layout->addWidget(m_vSplit);
    setCentralWidget(central);

    setTabOrder(TeamTree, MainGrid);
    setTabOrder(MainGrid, PlayerDataGrid);
}

QWidget* MainForm::buildTree()
{
    const qreal dpi = logicalDpiX();
    TeamTree = new ClippedTreeView;
    TeamTree->setObjectName(QStringLiteral("TeamTree"));
    TeamTree->setAccessibleName(tr("Teams and games"));
    TeamTree->setModel(m_tree);
    TeamTree->setHeaderHidden(true);
    // Long detail lines scroll sideways instead of being cut short.
    // The column is fitted when the tree changes (fitTreeColumn), not after every item change,
    // which would measure every visible row again each time.
    TeamTree->header()->setSectionResizeMode(QHeaderView::Interactive);
    TeamTree->header()->setStretchLastSection(false);
    // Fitting measures the rows in view and a few hundred around them, not every game of a club.
    TeamTree->header()->setResizeContentsPrecision(300);
    connect(TeamTree, &QTreeView::expanded, this, &MainForm::fitTreeColumn);
    connect(TeamTree, &QTreeView::collapsed, this, &MainForm::fitTreeColumn);
    TeamTree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    TeamTree->setContextMenuPolicy(Qt::CustomContextMenu);
    TeamTree->setMinimumWidth(twipsToPixels(kMinTreeTwips, dpi) + 1);
    TeamTree->setExpandsOnDoubleClick(true);
    connect(TeamTree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!m_filling && current.isValid())
            TeamTree_NodeClick(current);
    });
    connect(TeamTree, &QWidget::customContextMenuRequested, this, &MainForm::TeamTree_MouseDown);
    // A double click on a game opens its line-up board.
    connect(TeamTree, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        const NodeKey::Kind kind = NodeKey::parse(m_tree->keyOf(index)).kind;
        if ((kind == NodeKey::Kind::Game || kind == NodeKey::Kind::TournamentGame) && selection().singleGame()) {
            if (QAction* lineup = command(QStringLiteral("DataSetupGame")); lineup->isEnabled())
                lineup->trigger();
        }
    });
    connect(m_tree, &QStandardItemModel::itemChanged, this, &MainForm::TeamTree_AfterLabelEdit);
    return TeamTree;
}

QWidget* MainForm::buildRoster()
{
    const qreal dpi = logicalDpiX();
    MainGrid = new QTableView;
    MainGrid->setObjectName(QStringLiteral("MainGrid"));
    MainGrid->setAccessibleName(tr("Roster"));
    setupGrid(MainGrid, m_mainGrid, m_mainGrid->headers(), kMainGridTwips, dpi, logicalDpiY());
    MainGrid->setMinimumWidth(twipsToPixels(kMinGridWidthTwips, dpi) + 1);
    MainGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MainGrid, &QTableView::clicked, this, [this](const QModelIndex& i) { MainGrid_Click(i.row()); });
    connect(MainGrid, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { MainGrid_DblClick(i.row()); });
    connect(MainGrid, &QWidget::customContextMenuRequested, this, &MainForm::MainGrid_MouseDown);
    connect(MainGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                // Keyboard moves select the player too; clicks arrive through clicked().
                if (current.isValid() && previous.isValid() && current.row() != previous.row())
                    MainGrid_Click(current.row());
            });
    return MainGrid;
}

// The selected player's games under the roster, with a heading naming the player.
QWidget* MainForm::buildPlayerGames()
{
    PlayerDataGrid = new QTableView;
    PlayerDataGrid->setObjectName(QStringLiteral("PlayerDataGrid"));
    PlayerDataGrid->setAccessibleName(tr("Player games"));
    setupGrid(PlayerDataGrid, m_playerGrid, m_playerGrid->headers(), kPlayerGridTwips, logicalDpiX(), logicalDpiY());

    lblPlayer = new QLabel(tr("Player games"));
    lblPlayer->setObjectName(QStringLiteral("lblPlayer"));
    QFont bold = lblPlayer->font();
    bold.setBold(true);
    lblPlayer->setFont(bold);

    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 4, 0, 0);
    lowerLayout->setSpacing(2);
    lowerLayout->addWidget(lblPlayer);
    lowerLayout->addWidget(PlayerDataGrid, 1);
    return lower;
}

QWidget* MainForm::buildTotals()
{
    const QFont bold = lblPlayer->font();  // as the player games' heading
    // "Team Totals:" with a caption and a value per statistic, side by side.
    auto* totals = new QFrame;
    totals->setObjectName(QStringLiteral("TeamTotals"));
    totals->setFrameShape(QFrame::StyledPanel);
    auto* totalsLayout = new QHBoxLayout(totals);
    totalsLayout->setContentsMargins(6, 3, 6, 3);
    auto* heading = new QLabel(tr("Team Totals:"));
    heading->setObjectName(QStringLiteral("lblTeamTotals"));
    heading->setFont(bold);
    totalsLayout->addWidget(heading);
    for (qsizetype i = 0; i < qsizetype(std::size(kTotalCaptions)); ++i) {
        auto* caption = new QLabel(tr(kTotalCaptions[i]));
        caption->setObjectName(QStringLiteral("TotCaption_%1").arg(i));
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("Totlbl_%1").arg(i));
        value->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        value->setFont(bold);
        totalsLayout->addSpacing(8);
        totalsLayout->addWidget(caption);
        totalsLayout->addWidget(value);
        Totlbl << value;
    }
    totalsLayout->addStretch(1);
    return totals;
}

void MainForm::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("MainStatus"));
    statusBar()->setSizeGripEnabled(true);
}

void MainForm::ConfigureMainStatus()
{
    PW_TRACE(QStringLiteral("ConfigureMainStatus"));
    for (QLabel* p : std::as_const(m_panels)) {
        statusBar()->removeWidget(p);
        delete p;
    }
    m_panels.clear();
    struct Panel {
        QString text;
        QString tip;
        int twips;  // 0: sized by its text
    };
    const QList<Panel> panels{{tr("Opponent:"), QString(), 2880},
                              {tr("Score:"), tr("Score of Selected Game"), 2160},
                              {tr("Record: 0 - 0 - 0"), tr("Win/Loss Record"), 2160},
                              {tr("Point Total: 0"), tr("Point Total for Standings"), 0},
                              {tr("Players: "), tr("Player Count"), 0}};
    for (qsizetype i = 0; i < panels.size(); ++i) {
        auto* label = new QLabel(panels.at(i).text);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setToolTip(panels.at(i).tip);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        if (panels.at(i).twips > 0)
            label->setMinimumWidth(twipsToPixels(panels.at(i).twips, logicalDpiX()));
        else
            label->setMinimumWidth(twipsToPixels(1440, logicalDpiX()));
        statusBar()->addWidget(label, panels.at(i).twips > 0 ? 0 : 1);
        m_panels << label;
    }
}

void MainForm::UpdateStatusBar(int panelNo, const QString& text)
{
    if (panelNo >= 1 && panelNo <= m_panels.size())
        m_panels.at(panelNo - 1)->setText(text);
}

QString MainForm::statusText(int panelNo) const
{
    return panelNo >= 1 && panelNo <= m_panels.size() ? m_panels.at(panelNo - 1)->text() : QString();
}

void MainForm::SetTeamTabs()
{
    guarded(QStringLiteral("SetTeamTabs"), {}, [&] {
        m_filling = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{m_filling};
        const QList<TeamEntry> teams = visibleTeams();
        if (teams.size() <= kOpenTeamsUpTo) {
            // A coach's few teams stand open with all their games, read at once.
            QList<qint16> teamNos;
            for (const TeamEntry& t : teams)
                teamNos << t.teamNo;
            m_tree->SetTeamTabs(teams, readSeasonGames(teamNos), tournamentBranches(teamNos));
            TeamTree->expandToDepth(0);
        } else {
            // A club's teams stay closed until opened; a team's games are read then.
            m_tree->SetTeamTabs(teams, &readSeasonGames, &tournamentBranches);
        }
        m_filling = false;
        fitTreeColumn();
    });
}

void MainForm::fitTreeColumn()
{
    // Fitted once when the rebuild is done; and a hidden window's tree is fitted when it is shown
    // (measuring every name costs the start several milliseconds for nothing).
    if (m_filling || !isVisible())
        return;
    TeamTree->resizeColumnToContents(0);
    // A name of thousands of characters scrolls no further than twice the tree's width.
    const int limit = 2 * qMax(TeamTree->viewport()->width(), TeamTree->minimumWidth());
    if (TeamTree->columnWidth(0) > limit)
        TeamTree->setColumnWidth(0, limit);
}

bool MainForm::selectNode(const QString& key)
{
    if (m_refreshPending)
        refreshShown();
    const QModelIndex index = m_tree->indexOf(key);
    if (!index.isValid())
        return false;
    if (TeamTree->currentIndex() == index)
        TeamTree_NodeClick(index);
    else
        TeamTree->setCurrentIndex(index);
    return true;
}

bool MainForm::selectTeam(qint16 teamNo)
{
    if (m_refreshPending)
        refreshShown();
    const QModelIndex index = m_tree->indexOf(NodeKey::team(teamNo));
    if (!index.isValid())
        return false;
    m_filling = true;
    TeamTree->setCurrentIndex(index);
    m_filling = false;
    LoadTeam(teamNo);
    return true;
}

bool MainForm::selectFirstTeam()
{
    for (const QString& key : m_tree->keys()) {
        if (key.startsWith(QLatin1String("Team")))
            return selectTeam(static_cast<qint16>(key.mid(4).toInt()));
    }
    return false;
}

void MainForm::loadTeamView(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("LoadTeam"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    // Remembering the team is a convenience: a settings store that cannot be written must not
    // keep the team from loading. It is written only when it changes, so that a start on the
    // remembered team writes nothing.
    if (ReadSetting(QStringLiteral("TeamTabNo")) != QString::number(teamNo))
        SetRegValue(kSettingsKey, QStringLiteral("TeamTabNo"), RegString, QString::number(teamNo));
    const TeamSettings team = readTeamSettings(teamNo);
    selection().setTeam(teamNo, team);
    // A team whose games have not been read yet is opened when it is loaded.
    const QModelIndex node = m_tree->indexOf(NodeKey::team(teamNo));
    if (m_tree->canFetchMore(node))
        TeamTree->expand(node);

    if (!team.MalformedPointValue.isEmpty() && !m_toldPoints.contains(teamNo)) {
        // Said once per team and run: the record is shown all the same, with those points as 0.
        m_toldPoints.insert(teamNo);
        prompter().message(tr("Point Values"),
                           tr("The points for a win, a tie and a loss of this team (\"%1\") are not three whole "
                              "numbers, so they count as 0. Correct them in the team information.")
                               .arg(shownText(team.MalformedPointValue)),
                           Prompter::Icon::Exclamation);
    }

    const QList<RosterRow> roster = readRoster(teamNo, team);
    m_mainGrid->setRows(roster);
    // The spread on the team's row needs more room than one share.
    MainGrid->clearSpans();
    if (m_mainGrid->teamRow() >= 0)
        MainGrid->setSpan(m_mainGrid->teamRow(), 1, 1, RosterModel::kSpreadColumns);
    // Long names widen the player column rather than being cut off, up to three times its
    // drawn width; longer ones end in "…" and show whole in their tool tip.
    const int drawn = twipsToPixels(kMainGridTwips.first(), logicalDpiX());
    MainGrid->resizeColumnToContents(0);
    MainGrid->setColumnWidth(0, qBound(drawn, MainGrid->columnWidth(0) + 8, 3 * drawn));
    UpdateStatusBar(5, tr("Player Count: %1").arg(roster.size()));
    SetFormSize(m_mainGrid->rowCount());
    m_playerGrid->clearRows();
    lblPlayer->setText(tr("Player games"));
}

void MainForm::LoadTeam(qint16 teamNo)
{
    guarded(QStringLiteral("LoadTeam"), traceArg(QStringLiteral("lcTeamNo"), teamNo), [&] {
        loadTeamView(teamNo);
        SelectGame();
    });
}

QString MainForm::GetRecord(qint16 gameNo)
{
    const Selection& s = selection();
    return guardedValue(
        QStringLiteral("GetRecord"),
        traceArg(QStringLiteral("lcTeamNo"), s.CurrentTeamNo()) + traceArg(QStringLiteral("lcGameNo"), gameNo),
        QString(), [&] {
            const TeamSettings& t = s.Team();
            // A click only looks; the refresh after a save stores what it recomputed.
            const RecordSummary r = pw::GetRecord(s.CurrentTeamNo(), s.CurrentTournamentNo(),
                                                  {t.WinPoints, t.TiePoints, t.LossPoints}, gameNo, m_storeResults);
            if (r.computed) {
                m_tree->showResults(s.CurrentTeamNo(), s.CurrentTournamentNo(), r.games);
                UpdateStatusBar(3, r.recordText());
                UpdateStatusBar(4, r.pointTotalText());
            }
            return r.scoreText;
        });
}

void MainForm::SelectGame()
{
    guarded(QStringLiteral("SelectGame"), {}, [&] {
        Selection& s = selection();
        UpdateStatusBar(1, tr("Opponent: %1").arg(s.singleGame() ? currentGameNodeText() : QString()));
        UpdateStatusBar(2, tr("Score: %1").arg(GetRecord(s.CurrentGameNo())));

        const GameStatus game =
            s.CurrentGameNo() > 0 ? readGameStatus(s.CurrentTeamNo(), s.CurrentGameNo()) : GameStatus{};
        s.setOpponent(game.opponentNo);
        m_resultMailable = resultMailable(game);
        applyCommandState();
        showGameFigures();
    });
}

QString MainForm::nodeText(const QString& key) const
{
    const QStandardItem* node = m_tree->node(key);
    return node ? node->text() : QString();
}

QString MainForm::currentGameNodeText() const
{
    QModelIndex node = TeamTree->currentIndex();
    if (NodeKey::parse(m_tree->keyOf(node)).kind == NodeKey::Kind::Detail)
        node = node.parent();
    return m_tree->data(node, Qt::DisplayRole).toString();
}

void MainForm::showGameFigures()
{
    const Selection& s = selection();
    // Selecting only reads: the stored shares follow the saves of line-ups and availability.
    const GameView view = readGameView(s.CurrentTeamNo(), s.CurrentTournamentNo(), s.CurrentGameNo(), false);
    m_mainGrid->setGameView(view);
    // The strip's labels read Shots, Goals, Steals, Assists, Shots on Goal, Goals (let in),
    // OverShot and Blocks; the view sums the goalkeeper's blocks before the shots over.
    const int figureOfLabel[] = {0, 1, 2, 3, 4, 5, 7, 6};
    for (qsizetype i = 0; i < Totlbl.size(); ++i)
        Totlbl[i]->setText(QString::number(view.totals[static_cast<size_t>(figureOfLabel[i])]));
}

void MainForm::SetFormSize(int numOfRows)
{
    m_sizedRows = numOfRows;
    // The roster grid is made tall enough for up to eleven players and the team's row; larger
    // rosters scroll.
    const int rows = qBound(1, numOfRows, 12);
    const int rowHeight = MainGrid->verticalHeader()->defaultSectionSize();
    const int wanted =
        MainGrid->horizontalHeader()->sizeHint().height() + rows * rowHeight + 2 * MainGrid->frameWidth() + 2;
    const QList<int> sizes = m_hSplit->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (total <= 0)
        return;
    const int lowerMin = m_hSplit->widget(1)->minimumSizeHint().height();
    const int upper = qBound(MainGrid->minimumHeight(), wanted, qMax(MainGrid->minimumHeight(), total - lowerMin));
    m_hSplit->setSizes({upper, total - upper});
}

void MainForm::TeamTree_NodeClick(const QModelIndex& index)
{
    const QString key = m_tree->keyOf(index);
    guarded(QStringLiteral("TeamTree_NodeClick"), traceArg(QStringLiteral("Node"), key), [&] {
        Selection& s = selection();
        const NodeKey k = NodeKey::parse(key);
        // A node of another team loads that team first; the record is then computed once, for
        // what the node shows.
        const qint16 team =
            k.kind == NodeKey::Kind::Team ? static_cast<qint16>(index.data(TeamTreeModel::TagRole).toInt()) : k.teamNo;
        const bool newTeam =
            k.kind != NodeKey::Kind::Detail && k.kind != NodeKey::Kind::Unknown && team != s.CurrentTeamNo();
        if (newTeam)
            loadTeamView(team);
        switch (k.kind) {
        case NodeKey::Kind::Team:
            s.setTournament(0);
            s.setGame(0);
            SelectGame();
            break;
        case NodeKey::Kind::Game:
            if (newTeam || k.gameNo != s.CurrentGameNo() || s.CurrentTournamentNo() != 0) {
                s.setTournament(0);
                s.setGame(k.gameNo);
                SelectGame();
            }
            break;
        case NodeKey::Kind::Tournament:
            s.setTournament(k.tournamentNo, tournamentRounds(k.teamNo, k.tournamentNo));
            s.setGame(static_cast<qint16>(k.tournamentNo * 1000));
            SelectGame();
            break;
        case NodeKey::Kind::TournamentGame: {
            const NodeKey parent = NodeKey::parse(m_tree->keyOf(index.parent()));
            const qint16 tournament = parent.kind == NodeKey::Kind::Tournament ? parent.tournamentNo : k.tournamentNo;
            if (newTeam || k.gameNo != s.CurrentGameNo() || tournament != s.CurrentTournamentNo()) {
                s.setTournament(tournament, tournamentRounds(k.teamNo, tournament));
                s.setGame(k.gameNo);
                SelectGame();
            }
            break;
        }
        case NodeKey::Kind::Detail:
            // A detail line stands for its game. The highlight stays where the coach put it, so
            // the arrow keys can walk through the lines.
            if (index.parent().isValid())
                TeamTree_NodeClick(index.parent());
            break;
        case NodeKey::Kind::Unknown: break;
        }
    });
}

void MainForm::TeamTree_AfterLabelEdit(QStandardItem* item)
{
    if (m_filling || !item)
        return;
    const NodeKey k = NodeKey::parse(item->data(TeamTreeModel::KeyRole).toString());
    if (k.kind != NodeKey::Kind::Tournament)
        return;
    const QString saved = item->data(TeamTreeModel::SavedTextRole).toString();
    QString text = cutToWidth(item->text().trimmed(), 50);
    if (text == saved)
        return;
    // A tournament needs a name; one that could not be stored is not shown either.
    const QScopedValueRollback renaming(m_renaming, true);
    if (text.isEmpty() ||
        !guardedValue(QStringLiteral("TeamTree_AfterLabelEdit"), traceArg(QStringLiteral("NewString"), text), false,
                      [&] { return renameTournament(k.teamNo, k.tournamentNo, text); }))
        text = saved;
    const QSignalBlocker block(m_tree);
    item->setData(text, TeamTreeModel::SavedTextRole);
    item->setText(text);
}

QMenu* MainForm::popupFor(const QString& nodeKey) const
{
    switch (NodeKey::parse(nodeKey).kind) {
    case NodeKey::Kind::Team: return menu(QStringLiteral("TreeTeamMnu"));
    case NodeKey::Kind::Tournament: return menu(QStringLiteral("TreeTournyMnu"));
    case NodeKey::Kind::Game:
    case NodeKey::Kind::TournamentGame: return menu(QStringLiteral("TreeGameMnu"));
    default: return nullptr;
    }
}

void MainForm::prepareTreePopup(const QString& key)
{
    const NodeKey k = NodeKey::parse(key);
    // The tournament's pop-up and the game's share the bracket's action; of the games, only a
    // tournament's shows it.
    if (k.kind == NodeKey::Kind::Tournament)
        command(QStringLiteral("TreeTournyMnu.Bracket"))->setVisible(true);
    if (k.kind == NodeKey::Kind::Game || k.kind == NodeKey::Kind::TournamentGame) {
        command(QStringLiteral("TreeGameMnu.Bracket"))->setVisible(k.kind == NodeKey::Kind::TournamentGame);
        // Statistics may have given the game its result since it was selected.
        const Selection& s = selection();
        m_resultMailable = resultMailable(readGameStatus(s.CurrentTeamNo(), s.CurrentGameNo()));
        applyCommandState();
    }
}

void MainForm::TeamTree_MouseDown(const QPoint& pos)
{
    const QModelIndex index = TeamTree->indexAt(pos);
    if (!index.isValid())
        return;
    TeamTree->setCurrentIndex(index);
    const QString key = m_tree->keyOf(TeamTree->currentIndex());
    QMenu* popup = popupFor(key);
    if (!popup)
        return;
    guarded(QStringLiteral("TeamTree_MouseDown"), traceArg(QStringLiteral("Node"), key),
            [&] { prepareTreePopup(key); });
    popup->popup(TeamTree->viewport()->mapToGlobal(pos));
}

void MainForm::MainGrid_Click(int row)
{
    guarded(QStringLiteral("MainGrid_Click"), traceArg(QStringLiteral("Row"), row), [&] {
        const RosterRow* player = m_mainGrid->row(row);
        if (!player)
            return;
        selection().setPlayer(player->playerNo);
        applyCommandState();
        lblPlayer->setText(tr("Player games: %1").arg(player->text));
        m_playerGrid->setRows(FillPlayerData(selection().CurrentTeamNo(), player->playerNo));
        if (MainGrid->currentIndex().row() != row)
            MainGrid->setCurrentIndex(m_mainGrid->index(row, 0));
    });
}

void MainForm::MainGrid_DblClick(int row)
{
    MainGrid_Click(row);
    guarded(QStringLiteral("MainGrid_DblClick"), traceArg(QStringLiteral("Row"), row), [&] {
        if (selection().singleGame()) {
            // The same command as the Player menu's, so the two can never disagree on when it applies.
            if (QAction* stats = command(QStringLiteral("DataUpdatePlayer")); stats->isEnabled())
                stats->trigger();
            return;
        }
        prompter().message(tr("No Game Selected"), tr("Select the game in which to add statistics."),
                           Prompter::Icon::Critical);
    });
}

void MainForm::MainGrid_MouseDown(const QPoint& pos)
{
    const QModelIndex index = MainGrid->indexAt(pos);
    if (!index.isValid() || !m_mainGrid->row(index.row()))
        return;  // the team's row has no player to act on
    MainGrid_Click(index.row());
    gridMenu()->popup(MainGrid->viewport()->mapToGlobal(pos));
}

void MainForm::mDataStandings_Click()
{
    guarded(QStringLiteral("mDataStandings_Click"), {}, [&] {
        if (OpenInBrowser(teamWebSite(selection().CurrentTeamNo())) == QLatin1String("URLFailed"))
            prompter().message(tr("Invalid URL"), tr("Unable to open Standings page."), Prompter::Icon::Exclamation);
    });
}

void MainForm::ToolsCfg_Click()
{
    guarded(QStringLiteral("ToolsCfg_Click"), {}, [&] {
        Modal<cfgDialog> dialog(this);
        connect(dialog.get(), &cfgDialog::settingsSaved, this, [this](const QString& logo) {
            const qint16 team = selection().CurrentTeamNo();
            SetTeamTabs();
            selectTeam(team);
            setLogo(logo);
        });
        dialog.exec();
    });
}

void MainForm::dataSaved(const ChangeNotice& notice)
{
    // A tournament renamed in the tree is shown there already; rebuilding the tree would take
    // away the very item whose edit is being finished.
    if (!shownHere(notice.what) || m_renaming || m_refreshPending)
        return;
    // One refresh for all the notices of one action (a player's profile and the ticks of his
    // items to work on are two saves), once the handler that saved has finished. Whatever asks
    // the main window to select a node before then gets the fresh tree first.
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_refreshPending)
            refreshShown();
    });
}

void MainForm::refreshShown()
{
    m_refreshPending = false;
    const QScopedValueRollback storing(m_storeResults, true);
    guarded(QStringLiteral("dataSaved"), {}, [&] {
        // Rebuild what shows the saved rows and select again what was selected, as far as it
        // still exists: the node in the tree (a game stays the current game) and the player in
        // the roster grid.
        const QString key = m_tree->keyOf(TeamTree->currentIndex());
        const qint16 team = selection().CurrentTeamNo();
        const qint16 player = selection().CurrentPlayerNo();
        SetTeamTabs();
        const QModelIndex node = key.isEmpty() ? QModelIndex() : m_tree->indexOf(key);
        if (node.isValid()) {
            {
                const QScopedValueRollback filling(m_filling, true);
                TeamTree->setCurrentIndex(node);
            }
            // The team is read afresh (its settings, roster and shares may be what changed);
            // the node then makes its game or tournament current again.
            loadTeamView(team);
            TeamTree_NodeClick(node);
            reselectPlayer(player);
        } else if (!selectTeam(team) && !selectFirstTeam()) {
            // The last team is gone: nothing is current any more.
            m_mainGrid->clearRows();
            selection().clear();
            applyCommandState();
        }
    });
}

void MainForm::reselectPlayer(qint16 playerNo)
{
    if (playerNo == 0)
        return;
    const QList<RosterRow>& rows = m_mainGrid->rows();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).playerNo == playerNo) {
            MainGrid_Click(static_cast<int>(i));
            return;
        }
    }
}

void MainForm::HelpAbout_Click()

{
    guarded(QStringLiteral("HelpAbout_Click"), {}, [&] {
        Modal<frmAbout> about(this);
        about.exec();
    });
}

void MainForm::showHelp(int page)
{
    guarded(QStringLiteral("HelpMain_Click"), traceArg(QStringLiteral("Page"), page), [&] {
        if (!m_help) {
            m_help = new HelpWindow(this);
            m_help->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_help->showPage(page);
    });
}

void MainForm::setLogo(const QString& path)
{
    showLogo(MainGif, path, QSize(160, 40));
}

void MainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The team is loaded before the window first appears, when the grids have no size yet.
    if (!event->spontaneous()) {
        SetFormSize(m_sizedRows);
        // Likewise the tree, measured now that it is shown, so that the first frame already
        // draws the fitted column (a second frame of the tree followed it when this waited for the
        // event loop).
        fitTreeColumn();
    }
}

void MainForm::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, so every other window goes with it. Each is
    // asked to close as its own close button would ask it: an editing window with unsaved
    // changes asks whether to save them, and when the coach cancels there, the program goes on
    // with every window as it was.
    QList<QPointer<QWidget>> others;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible())
            others << w;
    }
    // The window on top (a modal one asking first) before the ones under it.
    std::reverse(others.begin(), others.end());
    if (QWidget* modal = QApplication::activeModalWidget()) {
        others.removeAll(modal);
        others.prepend(modal);
    }
    for (const QPointer<QWidget>& w : std::as_const(others)) {
        if (w && w->isVisible() && !w->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace pw
