#include "app/MainForm.h"

#include "app/AppState.h"
#include "app/Desktop.h"
#include "app/GridModel.h"
#include "app/HelpWindow.h"
#include "app/LogoPicture.h"
#include "app/Prompter.h"
#include "app/Record.h"
#include "app/TeamData.h"
#include "app/TeamTree.h"
#include "app/Trace.h"
#include "app/Twips.h"
#include "app/cfgDialog.h"
#include "app/frmAbout.h"
#include "data/Settings.h"
#include "games/GameState.h"
#include "tournaments/Tournaments.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace pw {

namespace {

const QStringList kMainGridHeaders{
    QStringLiteral("Player"), QStringLiteral("Play"),  QStringLiteral("Shots"),    QStringLiteral("Goals"),
    QStringLiteral("Steals"), QStringLiteral("Assists"), QString(),                QStringLiteral("SOG"),
    QStringLiteral("Goals"),  QStringLiteral("Blocks"), QStringLiteral("OverShot"), QStringLiteral("Qtrs"),
    QStringLiteral("Avail")};
const QList<int> kMainGridTwips{1700, 610, 610, 610, 610, 610, 80, 610, 610, 610, 610, 500, 500};

const QStringList kPlayerGridHeaders{
    QStringLiteral("Opponent"), QStringLiteral("Qtrs"),    QStringLiteral("Avail"), QStringLiteral("Shots"),
    QStringLiteral("Goals"),    QStringLiteral("Blks/Stls"), QStringLiteral("Assists"), QString(),
    QStringLiteral("SOG"),      QStringLiteral("GA"),      QStringLiteral("Blocks"), QStringLiteral("OverShot")};
const QList<int> kPlayerGridTwips{1700, 620, 620, 620, 620, 620, 620, 80, 620, 620, 620, 620};

const QStringList kTotalCaptions{QStringLiteral("Shots"),   QStringLiteral("Goals"),         QStringLiteral("Steals"),
                                 QStringLiteral("Assists"), QStringLiteral("Shots on Goal"), QStringLiteral("Goals"),
                                 QStringLiteral("OverShot"), QStringLiteral("Blocks")};

// Separator limits, in twips: the tree stays wider than 750, the roster grid wider than 2500,
// and each grid taller than 500.
constexpr int kMinTreeTwips = 750;
constexpr int kMinGridWidthTwips = 2500;
constexpr int kMinGridHeightTwips = 500;

// Commands whose state follows a single selected game.
const QStringList kGameCommands{QStringLiteral("DataSetupGame"),   QStringLiteral("mGameNotes"),
                                QStringLiteral("FilePreviewSheet"), QStringLiteral("FilePrintSheet"),
                                QStringLiteral("GameReschedule"),  QStringLiteral("GameDelGame"),
                                QStringLiteral("TreeGameMnu.GameNotes"), QStringLiteral("GameStats"),
                                QStringLiteral("GameLineUp"),      QStringLiteral("GameNotes"),
                                QStringLiteral("GamePrintStatSheet")};
const QStringList kPlayerPrintCommands{QStringLiteral("FilePreviewPlayer"), QStringLiteral("FilePreviewNotes"),
                                       QStringLiteral("FilePrintPlayer"),   QStringLiteral("FilePrintNotes"),
                                       QStringLiteral("PlayerPrintStats"),  QStringLiteral("PlayerPrintNotes")};
const QStringList kTournamentCommands{QStringLiteral("DataSetTournament"), QStringLiteral("DataModTournament"),
                                      QStringLiteral("DataDelTournament"), QStringLiteral("TreeTeamMnu.AddTourney")};

const char* kBuiltProperty = "pwBuilt";
const char* kWantedProperty = "pwWanted";

QColor feeColour(FeeStatus status)
{
    switch (status) {
    case FeeStatus::Paid: return QColor(0xc8, 0xe6, 0xc9);
    case FeeStatus::Partial: return QColor(0xff, 0xf1, 0x9c);
    case FeeStatus::Unpaid: return QColor(0xff, 0xcc, 0xbc);
    }
    return {};
}

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Pitchwise"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/pitchwise.png")));
    m_tree = new TeamTreeModel(this);
    m_mainGrid = new GridModel(kMainGridHeaders, this);
    m_playerGrid = new GridModel(kPlayerGridHeaders, this);

    buildPopups();
    buildMenus();
    buildToolBar();
    buildCentral();
    buildStatusBar();
    DisablePlayerMenus();
    for (const QString& name : kGameCommands)
        want(name, false);
    setLogo(ReadSettingText(QStringLiteral("TeamLogo")));
    resize(1120, 720);
}

MainForm::~MainForm() = default;

QAction* MainForm::makeCommand(QObject* owner, const QString& name, const QString& caption,
                               std::function<void()> handler, const QString& tip)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    action->setProperty(kBuiltProperty, static_cast<bool>(handler));
    action->setProperty(kWantedProperty, true);
    action->setEnabled(static_cast<bool>(handler));
    if (handler)
        connect(action, &QAction::triggered, this, [handler] { handler(); });
    const bool popup = owner == GridMnu || owner == TreeTeamMnu || owner == TreeTournyMnu || owner == TreeGameMnu;
    m_commands.insert(popup ? owner->objectName() + QLatin1Char('.') + name : name, action);
    if (auto* menu = qobject_cast<QMenu*>(owner))
        menu->addAction(action);
    return action;
}

QAction* MainForm::command(const QString& name) const
{
    return m_commands.value(name);
}

void MainForm::want(const QString& name, bool wanted)
{
    want(command(name), wanted);
}

void MainForm::want(QAction* action, bool wanted)
{
    if (!action)
        return;
    action->setProperty(kWantedProperty, wanted);
    action->setEnabled(wanted && action->property(kBuiltProperty).toBool());
}

void MainForm::buildPopups()
{
    GridMnu = new QMenu(this);
    GridMnu->setObjectName(QStringLiteral("GridMnu"));
    TreeTeamMnu = new QMenu(this);
    TreeTeamMnu->setObjectName(QStringLiteral("TreeTeamMnu"));
    TreeTournyMnu = new QMenu(this);
    TreeTournyMnu->setObjectName(QStringLiteral("TreeTournyMnu"));
    TreeGameMnu = new QMenu(this);
    TreeGameMnu->setObjectName(QStringLiteral("TreeGameMnu"));

    makeCommand(GridMnu, QStringLiteral("GrdUpdatePlayer"), tr("Update Player Stats"));

    makeCommand(TreeTeamMnu, QStringLiteral("Opponents"), tr("Opponents List"));
    makeCommand(TreeTeamMnu, QStringLiteral("Schedule"), tr("Schedule New Game"));
    makeCommand(TreeTeamMnu, QStringLiteral("AddTourney"), tr("Add New Tournament"));
    makeCommand(TreeTeamMnu, QStringLiteral("TeamInfo"), tr("Team Information"));
    QMenu* teamPrint = TreeTeamMnu->addMenu(tr("Print"));
    teamPrint->setObjectName(QStringLiteral("TreeTeamPrint"));
    auto* teamStats = makeCommand(TreeTeamMnu, QStringLiteral("PrintTeamStats"), tr("Team Stats"));
    TreeTeamMnu->removeAction(teamStats);
    teamPrint->addAction(teamStats);
    makeCommand(TreeTeamMnu, QStringLiteral("ViewRoster"), tr("View Roster"));
    makeCommand(TreeTeamMnu, QStringLiteral("ViewCaptains"), tr("View Captains"));

    makeCommand(TreeTournyMnu, QStringLiteral("Bracket"), tr("Tournament Bracket"));
    makeCommand(TreeTournyMnu, QStringLiteral("Add"), tr("Add New Tournament"));
    makeCommand(TreeTournyMnu, QStringLiteral("Modify"), tr("Modify Selected"));
    makeCommand(TreeTournyMnu, QStringLiteral("Delete"), tr("Delete Selected"));

    makeCommand(TreeGameMnu, QStringLiteral("Bracket"), tr("Tournament Bracket"));
    makeCommand(TreeGameMnu, QStringLiteral("GameLineup"), tr("Game Lineup"));
    makeCommand(TreeGameMnu, QStringLiteral("GameNotes"), tr("Game Notes"));
    makeCommand(TreeGameMnu, QStringLiteral("GameSendResults"), tr("Send Game Results"));
    makeCommand(TreeGameMnu, QStringLiteral("SetNotPlayed"), tr("Set as Not Yet Played"));
    makeCommand(TreeGameMnu, QStringLiteral("TreeReschedGame"), tr("Reschedule Game"));
    makeCommand(TreeGameMnu, QStringLiteral("TreeDelGame"), tr("Delete Game"));
}

void MainForm::buildMenus()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    makeCommand(file, QStringLiteral("FileCheckUpdates"), tr("Check for &Updates"));
    file->addSeparator();
    QAction* exit = makeCommand(file, QStringLiteral("FileExit"), tr("E&xit"), [this] { close(); });
    exit->setShortcut(QKeySequence::Quit);

    QMenu* team = bar->addMenu(tr("&Team"));
    team->setObjectName(QStringLiteral("mnuTeam"));
    makeCommand(team, QStringLiteral("DataSetOpponents"), tr("&Opponent List"));
    makeCommand(team, QStringLiteral("DataSetSchedule"), tr("&Schedule New Game"));
    QMenu* tourney = team->addMenu(tr("T&ournament"));
    tourney->setObjectName(QStringLiteral("mnuTournament"));
    makeCommand(tourney, QStringLiteral("DataSetTournament"), tr("&Add New"));
    makeCommand(tourney, QStringLiteral("DataModTournament"), tr("&Modify Selected"));
    makeCommand(tourney, QStringLiteral("DataDelTournament"), tr("&Delete Selected"));
    team->addSeparator();
    makeCommand(team, QStringLiteral("DataSetPractice"), tr("&Practice Schedule"));
    makeCommand(team, QStringLiteral("DataPracticeDrills"), tr("Practice &Drills"));
    team->addSeparator();
    makeCommand(team, QStringLiteral("DataEditTeam"), tr("Team &Information"));
    makeCommand(team, QStringLiteral("mTeamCaptain"), tr("&Captains"));
    makeCommand(team, QStringLiteral("ViewFees"), tr("&Fee Management"));

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    makeCommand(view, QStringLiteral("mTeamRoster"), tr("&Roster"));
    makeCommand(view, QStringLiteral("mDataStandings"), tr("&Standings"), [this] { mDataStandings_Click(); });
    view->addSeparator();
    for (const bool preview : {true, false}) {
        const QString prefix = preview ? QStringLiteral("FilePreview") : QStringLiteral("FilePrint");
        QMenu* sub = view->addMenu(preview ? tr("Print Pre&view") : tr("&Print"));
        sub->setObjectName(prefix + QStringLiteral("Menu"));
        makeCommand(sub, prefix + QStringLiteral("Team"), tr("&Team Stats"));
        QMenu* roster = sub->addMenu(tr("&Roster"));
        roster->setObjectName(prefix + QStringLiteral("RosterMenu"));
        makeCommand(roster, prefix + QStringLiteral("RosterOfficial"), tr("&Official Format"));
        makeCommand(roster, prefix + QStringLiteral("RosterHandout"), tr("&Handout Format"));
        makeCommand(sub, prefix + QStringLiteral("Schedule"), tr("&Schedule"));
    }

    QMenu* game = bar->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    makeCommand(game, QStringLiteral("DataSetupGame"), tr("Game &Lineup"));
    makeCommand(game, QStringLiteral("mGameNotes"), tr("Game &Notes"));
    game->addSeparator();
    QMenu* gamePreview = game->addMenu(tr("Print Pre&view"));
    gamePreview->setObjectName(QStringLiteral("GamePreviewMenu"));
    makeCommand(gamePreview, QStringLiteral("FilePreviewSheet"), tr("&Stat Sheet"));
    QMenu* gamePrint = game->addMenu(tr("&Print"));
    gamePrint->setObjectName(QStringLiteral("GamePrintMenu"));
    makeCommand(gamePrint, QStringLiteral("FilePrintSheet"), tr("&Stat Sheet"));
    game->addSeparator();
    makeCommand(game, QStringLiteral("mGameSendResults"), tr("Send &Results"));
    makeCommand(game, QStringLiteral("GameReschedule"), tr("Res&chedule Game"));
    makeCommand(game, QStringLiteral("GameDelGame"), tr("&Delete Game"));

    QMenu* player = bar->addMenu(tr("&Player"));
    player->setObjectName(QStringLiteral("mnuPlayer"));
    makeCommand(player, QStringLiteral("PlayerRoster"), tr("&Roster"));
    makeCommand(player, QStringLiteral("DataUpdatePlayer"), tr("&Update Player Stats"));
    player->addSeparator();
    QMenu* playerPreview = player->addMenu(tr("Print Pre&view"));
    playerPreview->setObjectName(QStringLiteral("PlayerPreviewMenu"));
    makeCommand(playerPreview, QStringLiteral("FilePreviewPlayer"), tr("Player &Stats"));
    makeCommand(playerPreview, QStringLiteral("FilePreviewNotes"), tr("Player &Notes"));
    QMenu* playerPrint = player->addMenu(tr("&Print"));
    playerPrint->setObjectName(QStringLiteral("PlayerPrintMenu"));
    makeCommand(playerPrint, QStringLiteral("FilePrintPlayer"), tr("Player &Stats"));
    makeCommand(playerPrint, QStringLiteral("FilePrintNotes"), tr("Player &Notes"));

    QMenu* tools = bar->addMenu(tr("T&ools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    QAction* cfg = makeCommand(tools, QStringLiteral("ToolsCfg"), tr("&Configuration"), [this] { ToolsCfg_Click(); });
    cfg->setShortcut(QKeySequence::Preferences);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = makeCommand(help, QStringLiteral("HelpMain"), tr("&Contents..."), [this] { showHelp(1); });
    contents->setShortcut(QKeySequence::HelpContents);
    makeCommand(help, QStringLiteral("HelpIndex"), tr("&Index"), [this] { showHelp(2); });
    makeCommand(help, QStringLiteral("HelpSearch"), tr("&Search"), [this] { showHelp(3); });
    help->addSeparator();
    makeCommand(help, QStringLiteral("HelpAbout"), tr("&About"), [this] { HelpAbout_Click(); });
}

void MainForm::buildToolBar()
{
    QToolBar* tb = addToolBar(tr("Main"));
    tb->setObjectName(QStringLiteral("MainTB"));
    tb->setMovable(false);
    tb->setIconSize(QSize(24, 24));
    auto button = [&](const QString& key, const QString& tip, std::function<void()> handler = {}) {
        QAction* a = makeCommand(tb, key, tip, std::move(handler), tip);
        a->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(key)));
        tb->addAction(a);
        return a;
    };
    button(QStringLiteral("GblTeam"), tr("Team Setup"));
    button(QStringLiteral("TeamRoster"), tr("Team Roster"));
    button(QStringLiteral("TeamOpponent"), tr("Opponents"));
    button(QStringLiteral("TeamSchedule"), tr("Team Schedule"));
    button(QStringLiteral("TeamTournament"), tr("Tournament Bracket"));
    button(QStringLiteral("TeamStandings"), tr("Team Standings (Web-Site)"), [this] { mDataStandings_Click(); });
    tb->addSeparator();
    button(QStringLiteral("GameLineUp"), tr("View/Modify Line-up for Selected Game"));
    button(QStringLiteral("GameNotes"), tr("Notes for Selected Game"));
    button(QStringLiteral("GameStats"), tr("Enter Game Statistics"));
    tb->addSeparator();
    button(QStringLiteral("GblConfiguration"), tr("Applications Options"), [this] { ToolsCfg_Click(); });

    m_printMenu = new QMenu(this);
    m_printMenu->setObjectName(QStringLiteral("PrintMenu"));
    makeCommand(m_printMenu, QStringLiteral("TeamPrintStat"), tr("Team Statistics"));
    makeCommand(m_printMenu, QStringLiteral("TeamPrintRoster"), tr("Roster"));
    makeCommand(m_printMenu, QStringLiteral("TeamPrintSchedule"), tr("Schedule"));
    makeCommand(m_printMenu, QStringLiteral("GamePrintStatSheet"), tr("Blank Stat Sheet"));
    makeCommand(m_printMenu, QStringLiteral("PlayerPrintStats"), tr("Player Statistics"));
    makeCommand(m_printMenu, QStringLiteral("PlayerPrintNotes"), tr("Player Notes"));
    auto* print = new QToolButton(tb);
    print->setObjectName(QStringLiteral("Print"));
    print->setIcon(QIcon(QStringLiteral(":/icons/Print.png")));
    print->setToolTip(tr("Print"));
    print->setMenu(m_printMenu);
    print->setPopupMode(QToolButton::InstantPopup);
    tb->addWidget(print);

    button(QStringLiteral("GblMessages"), tr("Send Email to entire team"));

    auto* spacer = new QWidget(tb);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tb->addWidget(spacer);
    MainGif = new QLabel(tb);
    MainGif->setObjectName(QStringLiteral("MainGif"));
    MainGif->setFixedHeight(40);
    MainGif->setAlignment(Qt::AlignCenter);
    tb->addWidget(MainGif);
}

void MainForm::buildCentral()
{
    const qreal dpi = logicalDpiX();
    const qreal dpiY = logicalDpiY();

    TeamTree = new QTreeView;
    TeamTree->setObjectName(QStringLiteral("TeamTree"));
    TeamTree->setModel(m_tree);
    TeamTree->setHeaderHidden(true);
    // Long detail lines scroll sideways instead of being cut short.
    TeamTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TeamTree->header()->setStretchLastSection(false);
    TeamTree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    TeamTree->setContextMenuPolicy(Qt::CustomContextMenu);
    TeamTree->setMinimumWidth(twipsToPixels(kMinTreeTwips, dpi) + 1);
    TeamTree->setExpandsOnDoubleClick(true);
    connect(TeamTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!m_filling && current.isValid())
                    TeamTree_NodeClick(current);
            });
    connect(TeamTree, &QWidget::customContextMenuRequested, this, &MainForm::TeamTree_MouseDown);
    connect(m_tree, &QStandardItemModel::itemChanged, this, &MainForm::TeamTree_AfterLabelEdit);

    auto setupGrid = [&](QTableView* grid, GridModel* model, const QList<int>& twips) {
        grid->setModel(model);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
        grid->horizontalHeader()->setHighlightSections(false);
        grid->horizontalHeader()->setMinimumSectionSize(2);
        // The drawn widths are the least a column gets; a heading never ends up clipped.
        const QFontMetrics headerFont(grid->horizontalHeader()->font());
        for (int c = 0; c < twips.size(); ++c) {
            const QString heading = model->headers().value(c);
            const int needed = heading.isEmpty() ? 0 : headerFont.horizontalAdvance(heading) + 14;
            grid->setColumnWidth(c, qMax(twipsToPixels(twips.at(c), dpi), needed));
        }
        grid->setMinimumHeight(twipsToPixels(kMinGridHeightTwips, dpiY) + 1);
        grid->setAlternatingRowColors(true);
    };

    MainGrid = new QTableView;
    MainGrid->setObjectName(QStringLiteral("MainGrid"));
    setupGrid(MainGrid, m_mainGrid, kMainGridTwips);
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

    PlayerDataGrid = new QTableView;
    PlayerDataGrid->setObjectName(QStringLiteral("PlayerDataGrid"));
    setupGrid(PlayerDataGrid, m_playerGrid, kPlayerGridTwips);

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

    m_hSplit = new QSplitter(Qt::Vertical);
    m_hSplit->setObjectName(QStringLiteral("HSeparator"));
    m_hSplit->setChildrenCollapsible(false);
    m_hSplit->addWidget(MainGrid);
    m_hSplit->addWidget(lower);
    m_hSplit->setStretchFactor(0, 3);
    m_hSplit->setStretchFactor(1, 2);

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
    for (qsizetype i = 0; i < kTotalCaptions.size(); ++i) {
        auto* caption = new QLabel(kTotalCaptions.at(i) + QLatin1Char(':'));
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

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(4);
    rightLayout->addWidget(m_hSplit, 1);
    rightLayout->addWidget(totals);

    m_vSplit = new QSplitter(Qt::Horizontal);
    m_vSplit->setObjectName(QStringLiteral("VSeparator"));
    m_vSplit->setChildrenCollapsible(false);
    m_vSplit->addWidget(TeamTree);
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
        pw::SetTeamTabs(*m_tree);
        TeamTree->expandToDepth(0);
    });
}

bool MainForm::selectNode(const QString& key)
{
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
    const QModelIndex index = m_tree->indexOf(NodeKey::team(teamNo));
    if (!index.isValid())
        return false;
    m_filling = true;
    TeamTree->setCurrentIndex(index);
    m_filling = false;
    state().CurrentTeamNo = teamNo;
    state().CurrentTournamentNo = 0;
    LoadTeam(teamNo);  // its team view recomputes the record too
    return true;
}

void MainForm::LoadTeam(qint16 teamNo)
{
    guarded(QStringLiteral("LoadTeam"), traceArg(QStringLiteral("lcTeamNo"), teamNo), [&] {
        // Remembering the team is a convenience: a settings store that cannot be written must not
        // keep the team from loading.
        SetRegValue(kSettingsKey, QStringLiteral("TeamTabNo"), RegString, QString::number(teamNo));
        AppState& s = state();
        s.Team = readTeamSettings(teamNo);
        s.CurrentTeamNo = teamNo;

        want(QStringLiteral("TeamTournament"), s.Team.TournamentPlay);
        for (const QString& name : kTournamentCommands)
            want(name, s.Team.TournamentPlay);
        want(QStringLiteral("TeamStandings"), !s.Team.WebSite.isEmpty());
        want(QStringLiteral("mDataStandings"), !s.Team.WebSite.isEmpty());
        want(QStringLiteral("ViewFees"), s.Team.ManageFees);

        const QList<RosterRow> roster = readRoster(teamNo, s.Team);
        QList<GridModel::Row> rows;
        for (const RosterRow& r : roster) {
            GridModel::Row row;
            row.rowData = r.playerNo;
            row.cells << r.text;
            if (r.tooOld) {
                row.background = QColor(0xd3, 0x2f, 0x2f);
                row.foreground = Qt::white;
            } else if (r.fee) {
                row.background = feeColour(*r.fee);
            }
            rows << row;
        }
        m_mainGrid->setRows(rows);
        // Long names widen the player column rather than being cut off.
        const int drawn = twipsToPixels(kMainGridTwips.first(), logicalDpiX());
        MainGrid->resizeColumnToContents(0);
        MainGrid->setColumnWidth(0, qMax(drawn, MainGrid->columnWidth(0) + 8));
        UpdateStatusBar(5, tr("Player Count: %1").arg(rows.size()));
        SetFormSize(static_cast<int>(rows.size()));
        m_playerGrid->clearRows();
        lblPlayer->setText(tr("Player games"));

        s.CurrentGameNo = 0;
        s.CurrentPlayerNo = 0;
        DisablePlayerMenus();
        SelectGame();
    });
}

QString MainForm::GetRecord(qint16 teamNo, qint16 gameNo)
{
    return guardedValue(QStringLiteral("GetRecord"),
                        traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("lcGameNo"), gameNo),
                        QString(), [&] {
                            const RecordSummary r = pw::GetRecord(teamNo, gameNo, m_tree);
                            if (r.computed) {
                                UpdateStatusBar(3, r.recordText());
                                UpdateStatusBar(4, r.pointTotalText());
                            }
                            return r.scoreText;
                        });
}

void MainForm::SelectGame()
{
    guarded(QStringLiteral("SelectGame"), {}, [&] {
        AppState& s = state();
        const bool single = s.CurrentGameNo % 100 != 0;
        QModelIndex node = TeamTree->currentIndex();
        if (NodeKey::parse(m_tree->keyOf(node)).kind == NodeKey::Kind::Detail)
            node = node.parent();
        const QString nodeText = m_tree->data(node, Qt::DisplayRole).toString();
        UpdateStatusBar(1, tr("Opponent: ") + (single ? nodeText : QString()));
        UpdateStatusBar(2, tr("Score: ") + GetRecord(s.CurrentTeamNo, s.CurrentGameNo));
        for (const QString& name : kGameCommands)
            want(name, single);
        updateResultCommands();
        s.CurrentOpponentNo = gameOpponentNo(s.CurrentTeamNo, s.CurrentGameNo);
        if (s.CurrentPlayerNo > 0)
            EnablePlayerMenus();
    });
}

void MainForm::EnablePlayerMenus()
{
    for (const QString& name : kPlayerPrintCommands)
        want(name, true);
    const bool single = state().CurrentGameNo % 100 != 0;
    want(QStringLiteral("DataUpdatePlayer"), single);
    want(QStringLiteral("GridMnu.GrdUpdatePlayer"), single);
}

void MainForm::DisablePlayerMenus()
{
    for (const QString& name : kPlayerPrintCommands)
        want(name, false);
    want(QStringLiteral("DataUpdatePlayer"), false);
    want(QStringLiteral("GridMnu.GrdUpdatePlayer"), false);
}

void MainForm::ClearTeamNode()
{
    m_tree->removeChildren(NodeKey::team(state().CurrentTeamNo));
}

void MainForm::SetFormSize(int numOfRows)
{
    m_sizedRows = numOfRows;
    // The roster grid is made tall enough for up to eleven players; larger rosters scroll.
    const int rows = qBound(1, numOfRows, 11);
    const int rowHeight = MainGrid->verticalHeader()->defaultSectionSize();
    const int wanted = MainGrid->horizontalHeader()->sizeHint().height() + rows * rowHeight +
                       2 * MainGrid->frameWidth() + 2;
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
        AppState& s = state();
        const NodeKey k = NodeKey::parse(key);
        switch (k.kind) {
        case NodeKey::Kind::Team: {
            const qint16 tag = static_cast<qint16>(index.data(TeamTreeModel::TagRole).toInt());
            if (tag != s.CurrentTeamNo) {
                s.CurrentTeamNo = tag;
                s.CurrentTournamentNo = 0;
                LoadTeam(tag);
            } else {
                s.CurrentTournamentNo = 0;
                s.CurrentGameNo = 0;
                SelectGame();
            }
            want(QStringLiteral("TeamTournament"), false);
            break;
        }
        case NodeKey::Kind::Game:
            if (k.teamNo != s.CurrentTeamNo) {
                s.CurrentTeamNo = k.teamNo;
                LoadTeam(k.teamNo);
            }
            if (k.gameNo != s.CurrentGameNo || s.CurrentTournamentNo != 0) {
                s.CurrentTournamentNo = 0;
                s.CurrentGameNo = k.gameNo;
                SelectGame();
            }
            want(QStringLiteral("TeamTournament"), false);
            break;
        case NodeKey::Kind::Tournament:
            if (k.teamNo != s.CurrentTeamNo) {
                s.CurrentTeamNo = k.teamNo;
                LoadTeam(k.teamNo);
            }
            s.CurrentTournamentNo = k.tournamentNo;
            s.NoTiers = tournamentRounds(k.teamNo, k.tournamentNo);
            s.CurrentGameNo = static_cast<qint16>(k.tournamentNo * 1000);
            SelectGame();
            want(QStringLiteral("TeamTournament"), s.Team.TournamentPlay);
            break;
        case NodeKey::Kind::TournamentGame: {
            if (k.teamNo != s.CurrentTeamNo) {
                s.CurrentTeamNo = k.teamNo;
                LoadTeam(k.teamNo);
            }
            const NodeKey parent = NodeKey::parse(m_tree->keyOf(index.parent()));
            const qint16 tournament = parent.kind == NodeKey::Kind::Tournament ? parent.tournamentNo : k.tournamentNo;
            if (k.gameNo != s.CurrentGameNo || tournament != s.CurrentTournamentNo) {
                s.CurrentTournamentNo = tournament;
                s.NoTiers = tournamentRounds(k.teamNo, tournament);
                s.CurrentGameNo = k.gameNo;
                SelectGame();
            }
            want(QStringLiteral("TeamTournament"), s.Team.TournamentPlay);
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
    QString text = item->text().trimmed().left(50);
    if (text == saved)
        return;
    // A tournament needs a name; one that could not be stored is not shown either.
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
    case NodeKey::Kind::Team: return TreeTeamMnu;
    case NodeKey::Kind::Tournament: return TreeTournyMnu;
    case NodeKey::Kind::Game:
    case NodeKey::Kind::TournamentGame: return TreeGameMnu;
    default: return nullptr;
    }
}

void MainForm::updateResultCommands()
{
    // Results can be mailed for a single game that has a result, to a team with an address.
    const AppState& s = state();
    bool mailable = s.CurrentGameNo % 100 != 0 && CheckGameStatus(s.CurrentTeamNo, s.CurrentGameNo);
    if (mailable)
        mailable = !teamEmailSendTo(s.CurrentTeamNo).isEmpty();
    want(QStringLiteral("TreeGameMnu.GameSendResults"), mailable);
    want(QStringLiteral("mGameSendResults"), mailable);
}

void MainForm::prepareTreePopup(const QString& key)
{
    const NodeKey k = NodeKey::parse(key);
    if (k.kind == NodeKey::Kind::Game || k.kind == NodeKey::Kind::TournamentGame) {
        command(QStringLiteral("TreeGameMnu.Bracket"))->setVisible(k.kind == NodeKey::Kind::TournamentGame);
        updateResultCommands();  // statistics may have given the game its result since it was selected
    }
}

void MainForm::TeamTree_MouseDown(const QPoint& pos)
{
    const QModelIndex index = TeamTree->indexAt(pos);
    if (!index.isValid())
        return;
    TeamTree->setCurrentIndex(index);
    const QString key = m_tree->keyOf(TeamTree->currentIndex());
    QMenu* menu = popupFor(key);
    if (!menu)
        return;
    guarded(QStringLiteral("TeamTree_MouseDown"), traceArg(QStringLiteral("Node"), key), [&] { prepareTreePopup(key); });
    menu->popup(TeamTree->viewport()->mapToGlobal(pos));
}

void MainForm::MainGrid_Click(int row)
{
    guarded(QStringLiteral("MainGrid_Click"), traceArg(QStringLiteral("Row"), row), [&] {
        const QVariant player = m_mainGrid->rowData(row);
        if (!player.isValid())
            return;
        state().CurrentPlayerNo = static_cast<qint16>(player.toInt());
        EnablePlayerMenus();
        lblPlayer->setText(tr("Player games: %1").arg(m_mainGrid->cell(row, 0)));
        if (MainGrid->currentIndex().row() != row)
            MainGrid->setCurrentIndex(m_mainGrid->index(row, 0));
    });
}

void MainForm::MainGrid_DblClick(int row)
{
    MainGrid_Click(row);
    guarded(QStringLiteral("MainGrid_DblClick"), traceArg(QStringLiteral("Row"), row), [&] {
        if (state().CurrentGameNo % 100 != 0) {
            // Statistics entry opens here once it exists; its command stays disabled until then.
            if (QAction* stats = command(QStringLiteral("DataUpdatePlayer")); stats && stats->isEnabled())
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
    if (!index.isValid())
        return;
    MainGrid_Click(index.row());
    GridMnu->popup(MainGrid->viewport()->mapToGlobal(pos));
}

void MainForm::mDataStandings_Click()
{
    guarded(QStringLiteral("mDataStandings_Click"), {}, [&] {
        if (OpenInBrowser(teamWebSite(state().CurrentTeamNo)) == QLatin1String("URLFailed"))
            prompter().message(tr("Invalid URL"), tr("Unable to open Standings page."), Prompter::Icon::Exclamation);
    });
}

void MainForm::ToolsCfg_Click()
{
    guarded(QStringLiteral("ToolsCfg_Click"), {}, [&] {
        cfgDialog dialog(this);
        connect(&dialog, &cfgDialog::settingsSaved, this, [this](const QString& logo) {
            const qint16 team = state().CurrentTeamNo;
            SetTeamTabs();
            selectTeam(team);
            setLogo(logo);
        });
        dialog.exec();
    });
}

void MainForm::HelpAbout_Click()
{
    guarded(QStringLiteral("HelpAbout_Click"), {}, [&] {
        frmAbout about(this);
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
    if (!event->spontaneous())
        SetFormSize(m_sizedRows);
}

void MainForm::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, so every other window goes with it.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible())
            w->close();
    }
    event->accept();
}

}  // namespace pw
