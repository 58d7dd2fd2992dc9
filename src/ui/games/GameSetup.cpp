// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/games/GameSetup.h"

#include "data/Changes.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Twips.h"
#include "core/games/Captains.h"
#include "core/games/LineupModel.h"
#include "core/games/Pitch.h"
#include "core/messaging/GameNotes.h"
#include "core/reports/Reports.h"
#include "data/Database.h"
#include "ui/base/FieldConfig.h"
#include "ui/games/LineupViews.h"
#include "ui/games/frmCaptain.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QUndoStack>

namespace pw {

using namespace lineup;

namespace {

// One board per game: opening it again brings the open one forward, so that two boards can
// never save different line-ups over each other.
QHash<QPair<qint16, qint16>, QPointer<GameSetup>>& openBoards()
{
    static QHash<QPair<qint16, qint16>, QPointer<GameSetup>> boards;
    return boards;
}

QString periodCaption(int period)
{
    return GameSetup::tr("Period %1").arg(period);
}

// The periods' names in the copy menu; a language words each ordinal its own way.
const char* const kOrdinals[] = {
    QT_TRANSLATE_NOOP("pw::GameSetup", "1st Period"), QT_TRANSLATE_NOOP("pw::GameSetup", "2nd Period"),
    QT_TRANSLATE_NOOP("pw::GameSetup", "3rd Period"), QT_TRANSLATE_NOOP("pw::GameSetup", "4th Period")};

}  // namespace

GameSetup::GameSetup(const LineupGame& game, const QString& gameNodeText, QWidget* parent)
    : EditWindow(parent)
    , m_game(game)
{
    setObjectName(QStringLiteral("GameSetup"));
    setWindowTitle(tr("Lineup for %1").arg(gameNodeText));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    installSurfaceAccessibility();

    QVBoxLayout* left = buildRoster();
    QVBoxLayout* right = buildBoard();

    auto* main = new QHBoxLayout;
    main->addLayout(left, 0);
    main->addLayout(right, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(main);
    buildMenus(this);
    QWidget::setTabOrder(m_grid, m_field);
    QWidget* previous = m_field;
    for (PeriodThumb* t : m_thumbs) {
        QWidget::setTabOrder(previous, t);
        previous = t;
    }
    QWidget::setTabOrder(previous, m_saveBtn);
    QWidget::setTabOrder(m_saveBtn, m_suggestBtn);

    setDirtyMarker(this, m_saveBtn);
    setUnsavedQuestion(tr("Save Data"), tr("Data has been change, do you want to save it?"));

    connectWidgets();

    // Opening: the grid and field from the store; every player of the roster then gets a
    // statistics row for the game (the availability and captain commands write into it). Rows
    // already there are left alone: opening the board changes no stored figure.
    ClearField(5);
    FillPlayerGrid();
    if (!Db::isReadOnly())
        guarded(QStringLiteral("addMissingStatRows"), {}, [this] { addMissingStatRows(m_board, m_game); });
    sizeGrid();
    resize(sizeHint().expandedTo(QSize(900, 560)));
}

QVBoxLayout* GameSetup::buildRoster()
{
    m_model = new LineupModel(m_board, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("PlayerGrid"));
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->setAccessibleName(tr("Roster"));
    m_grid->viewport()->setAcceptDrops(true);
    m_grid->viewport()->installEventFilter(this);
    m_grid->installEventFilter(this);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("PlayerGridNote"));
    m_note->setAccessibleName(tr("Note"));
    QFont noteFont = m_note->font();
    noteFont.setBold(true);
    m_note->setFont(noteFont);
    m_note->setMinimumHeight(m_note->fontMetrics().height());

    m_saveBtn = new QPushButton(tr("&Save"), this);
    m_saveBtn->setObjectName(QStringLiteral("SaveBtn"));
    m_saveBtn->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(m_grid, 1);
    left->addWidget(m_note);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_saveBtn);
    m_suggestBtn = new QPushButton(tr("Suggest Line-up"), this);
    m_suggestBtn->setObjectName(QStringLiteral("SuggestBtn"));
    m_suggestBtn->setAutoDefault(false);
    buttons->addWidget(m_suggestBtn);
    buttons->addStretch(1);
    left->addLayout(buttons);
    return left;
}

QVBoxLayout* GameSetup::buildBoard()
{
    m_currentQtr = new QLabel(this);
    m_currentQtr->setObjectName(QStringLiteral("CurrentQtr"));
    QFont big = m_currentQtr->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_currentQtr->setFont(big);
    m_currentQtr->setMinimumHeight(m_currentQtr->fontMetrics().height());

    m_field = new FieldView(m_board, this);

    auto* thumbs = new QHBoxLayout;
    for (int period = 1; period <= kMaxPeriods; ++period) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(periodCaption(period), this);
        label->setObjectName(QStringLiteral("lblQtr%1").arg(period));
        label->setAlignment(Qt::AlignHCenter);
        auto* thumb = new PeriodThumb(m_board, period, this);
        label->setBuddy(thumb);
        column->addWidget(label);
        column->addWidget(thumb, 1);
        thumbs->addLayout(column, 1);
        m_thumbs << thumb;
        m_thumbLabels << label;
        connect(thumb, &PeriodThumb::picked, this,
                handler(QStringLiteral("Qtr1Pic_Click"), [this](int p) { Qtr1Pic_Click(p); }));
        // Ctrl+1 … Ctrl+4 pick a period from anywhere on the board.
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + period - 1)), this);
        connect(key, &QShortcut::activated, this,
                handler(QStringLiteral("Qtr1Pic_Click"), [this, period] { Qtr1Pic_Click(period); }));
    }

    auto* right = new QVBoxLayout;
    right->addWidget(m_currentQtr);
    right->addWidget(m_field, 4);
    right->addLayout(thumbs, 1);
    return right;
}

void GameSetup::connectWidgets()
{
    connect(m_suggestBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("SuggestLineup_Click"), [this] { suggestLineup(); }));
    connect(&m_board, &LineupBoard::currentPeriodChanged, this,
            [this](int period) { m_replanAction->setText(tr("Re-plan from Period %1").arg(std::max(1, period))); });
    connect(m_saveBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("GameSave_Click"), [this] { GameSave_Click(); }));
    connect(m_field, &FieldView::dropped, this,
            handler(QStringLiteral("MainField_DragDrop"), [this](const QString& kind, qint16 playerNo, QPoint twips) {
                MainField_DragDrop(playerNo, twips, kind == QLatin1String("move"));
            }));
    connect(m_field, &FieldView::iconPressed, this, handler(QStringLiteral("plyr1_MouseDown"), [this](qint16 playerNo) {
                selectPlayer(playerNo);
                SelectRow(m_board.rowOf(playerNo));
                setNote({});
            }));
    connect(m_field, &FieldView::moveKey, this,
            handler(QStringLiteral("MainField_KeyDown"), [this](int dx, int dy) { moveByKey(dx, dy); }));
    connect(m_field, &FieldView::removeKey, this,
            handler(QStringLiteral("MainField_KeyDown"), [this] { removeByKey(); }));
    connect(m_grid, &QTableView::customContextMenuRequested, this,
            handler(QStringLiteral("PlayerGrid_MouseDown"), [this](const QPoint& pos) {
                QModelIndex cell = m_grid->indexAt(pos);
                if (!cell.isValid())
                    cell = m_grid->currentIndex();
                if (!cell.isValid() || m_model->playerNo(cell.row()) == 0)
                    return;
                prepareGridMenu(cell);
                const QPoint at = pos.isNull() ? m_grid->visualRect(cell).center() : pos;
                // Run until the coach has chosen: a menu window of the board's own, which screen
                // readers find as the board's pop-up, and nothing changes under it meanwhile.
                m_gridMenu->exec(m_grid->viewport()->mapToGlobal(at));
            }));
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            handler(QStringLiteral("PlayerGrid_RowColChange"), [this](const QModelIndex& current) {
                if (const qint16 no = m_model->playerNo(current.row()))
                    selectPlayer(no);
            }));
    // Season captains are ticked in the captains window, which may be open beside the board.
    connect(&changeNotices(), &ChangeNotices::changed, this, [this](const ChangeNotice& n) {
        if (n.what == Change::Team && n.teamNo == m_game.teamNo && m_game.trackCaptain)
            guarded(QStringLiteral("refreshSeasonCaptains"), {}, [this] { refreshSeasonCaptains(); });
    });
}

GameSetup::~GameSetup()
{
    auto& boards = openBoards();
    const auto key = qMakePair(m_game.teamNo, m_game.gameNo);
    if (boards.value(key) == this)
        boards.remove(key);
}

GameSetup* GameSetup::openBoard(const LineupGame& game, const QString& gameNodeText, QWidget* parent)
{
    if (GameSetup* open = boardFor(game.teamNo, game.gameNo)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* board = new GameSetup(game, gameNodeText, parent);
    board->setAttribute(Qt::WA_DeleteOnClose);
    openBoards().insert(qMakePair(game.teamNo, game.gameNo), board);
    board->show();
    return board;
}

GameSetup* GameSetup::boardFor(qint16 teamNo, qint16 gameNo)
{
    return openBoards().value(qMakePair(teamNo, gameNo)).data();
}

void GameSetup::buildMenus(QWidget* menuHost)
{
    auto* bar = new QMenuBar(menuHost);
    layout()->setMenuBar(bar);
    const auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* gameMenu = bar->addMenu(tr("&Game"));
    gameMenu->setObjectName(QStringLiteral("mnuGame"));
    QAction* saveAction = action(gameMenu, "GameSave", tr("&Save Setup"));
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this,
            handler(QStringLiteral("GameSave_Click"), [this] { GameSave_Click(); }));
    connect(action(gameMenu, "GameDelete", tr("&Delete Setup")), &QAction::triggered, this,
            handler(QStringLiteral("GameDelete_Click"), [this] { GameDelete_Click(); }));
    gameMenu->addSeparator();
    addProposalActions(gameMenu);
    gameMenu->addSeparator();
    // The line-up sheet prints the board as it stands, saved or not; the stat sheet is the
    // game's blank tally sheet.
    const auto lineupSheet = [this](bool preview) {
        runReport(QStringLiteral("GamePrintSetupSub"),
                  Report([this](Printout& p) { GamePrintSetupSub(p, m_board, m_game); }), kLineupSheetOrientation,
                  tr("Lineup for game %1").arg(m_game.gameNo), preview, this);
    };
    const auto statSheet = [this](bool preview) {
        runReport(QStringLiteral("PrintStatSheet"),
                  Report([t = m_game.teamNo, g = m_game.gameNo](Printout& p) { PrintStatSheet(p, t, g); }),
                  kStatSheetOrientation, tr("Stat Sheet"), preview, this);
    };
    QMenu* print = gameMenu->addMenu(tr("&Print"));
    connect(action(print, "GamePrintSetup", tr("Lineup")), &QAction::triggered, this,
            [lineupSheet] { lineupSheet(false); });
    connect(action(print, "GamePrintStat", tr("Stat Sheet")), &QAction::triggered, this,
            [statSheet] { statSheet(false); });
    QMenu* preview = gameMenu->addMenu(tr("Pre&view"));
    connect(action(preview, "GamePreviewSetup", tr("Lineup")), &QAction::triggered, this,
            [lineupSheet] { lineupSheet(true); });
    connect(action(preview, "GamePreviewStat", tr("Stat Sheet")), &QAction::triggered, this,
            [statSheet] { statSheet(true); });
    gameMenu->addSeparator();
    connect(action(gameMenu, "GameGameNotes", tr("Game &Notes")), &QAction::triggered, this,
            handler(QStringLiteral("GameGameNotes_Click"),
                    [this] { OpenGameNotes(state().DataFolder, m_game.teamNo, m_game.gameNo); }));
    connect(action(gameMenu, "GameCaptainHistory", tr("&Captain History")), &QAction::triggered, this,
            handler(QStringLiteral("GameCaptainHistory_Click"), [this] { GameCaptainHistory_Click(); }));
    gameMenu->addSeparator();
    connect(action(gameMenu, "GameExit", tr("E&xit")), &QAction::triggered, this, [this] { closeWindow(); });

    QMenu* copy = bar->addMenu(tr("&Copy"));
    copy->setObjectName(QStringLiteral("CopyMnu"));
    for (int period = 1; period <= kMaxPeriods; ++period) {
        QAction* a = action(copy, "CopyFromQ", tr(kOrdinals[period - 1]));
        a->setObjectName(QStringLiteral("CopyFromQ%1").arg(period));
        a->setVisible(period <= m_game.periods);
        connect(a, &QAction::triggered, this,
                handler(QStringLiteral("CopyFromQ_Click"), [this, period] { CopyFromQ_Click(period); }));
        m_copyActions << a;
    }

    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName(QStringLiteral("NAmnu"));
    m_captainAction = action(m_gridMenu, "NACaptain", tr("Mark as Captain"));
    m_availableAction = action(m_gridMenu, "NAA", tr("Available"));
    m_notAvailableAction = action(m_gridMenu, "NANA", tr("NOT available"));
    QAction* history = action(m_gridMenu, "NAPTHistory", tr("Play Time History"));
    connect(m_captainAction, &QAction::triggered, this,
            handler(QStringLiteral("NACaptain_Click"), [this] { NACaptain_Click(); }));
    connect(m_availableAction, &QAction::triggered, this,
            handler(QStringLiteral("NAA_Click"), [this] { NAA_Click(); }));
    connect(m_notAvailableAction, &QAction::triggered, this,
            handler(QStringLiteral("NANA_Click"), [this] { NANA_Click(); }));
    connect(history, &QAction::triggered, this,
            handler(QStringLiteral("NAPTHistory_Click"), [this] { NAPTHistory_Click(); }));
}

void GameSetup::sizeGrid()
{
    const qreal dpi = logicalDpiX();
    QHeaderView* header = m_grid->horizontalHeader();
    const QFontMetrics fm = m_grid->fontMetrics();
    const int pad = fm.averageCharWidth() * 2;
    // The described widths are kept as the least; a longer name or a heading in a larger font
    // widens its column rather than being cut off.
    int nameWidth = std::max(twipsToPixels(1000, dpi), header->fontMetrics().horizontalAdvance(tr("Player")) + pad);
    for (int row = 0; row < m_model->rowCount(); ++row)
        nameWidth = std::max(
            nameWidth, fm.horizontalAdvance(m_model->data(m_model->index(row, 0), Qt::DisplayRole).toString()) + pad);
    nameWidth = std::min(nameWidth, fm.averageCharWidth() * 32);
    m_grid->setColumnWidth(LineupModel::Name, nameWidth);
    int width = nameWidth;
    for (int c = LineupModel::FirstPeriod; c < LineupModel::ColumnCount; ++c) {
        const bool hidden = LineupModel::periodOfColumn(c) > m_game.periods;
        m_grid->setColumnHidden(c, hidden);
        const int w =
            std::max({twipsToPixels(400, dpi), header->fontMetrics().horizontalAdvance(QStringLiteral("Prd4")) + pad,
                      fm.horizontalAdvance(QStringLiteral("100%")) + pad});
        m_grid->setColumnWidth(c, w);
        width += hidden ? 0 : w;
    }
    // Every row shows while the roster is short; from 23 players on the grid shows 25 rows and scrolls.
    const int rows = m_model->rowCount();
    const int shownRows = rows - 1 < 23 ? rows : 25;
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    const int frame = 2 * m_grid->frameWidth();
    const bool scrolls = shownRows < rows;
    m_grid->setFixedWidth(width + frame + (scrolls ? m_grid->verticalScrollBar()->sizeHint().width() : 0));
    m_grid->setMinimumHeight(std::min(shownRows, 8) * rowHeight + header->height() + frame);
    m_grid->setMaximumHeight(shownRows * rowHeight + header->sizeHint().height() + frame);
}

QString GameSetup::note() const
{
    return m_note->text();
}

void GameSetup::setNote(const QString& text)
{
    m_note->setText(text);
    // Read out too: the label's name stays "Note", its description is what it says, and the grid
    // the keyboard is on carries it as well, so that a refused Enter is heard where it was pressed.
    m_note->setAccessibleDescription(text);
    m_grid->setAccessibleDescription(text);
}

void GameSetup::FillPlayerGrid()
{
    load(QStringLiteral("FillPlayerGrid"), [this] { pw::FillPlayerGrid(m_board, m_game); });
    undoStack()->clear();  // a clean stack: load() has marked the window saved
}

void GameSetup::SelectRow(int lcRowNo)
{
    if (lcRowNo < 0 || lcRowNo >= m_model->rowCount())
        return;
    const QSignalBlocker quiet(m_grid->selectionModel());
    m_grid->selectionModel()->setCurrentIndex(m_model->index(lcRowNo, 0), QItemSelectionModel::NoUpdate);
    m_grid->selectionModel()->select(
        QItemSelection(m_model->index(lcRowNo, 0), m_model->index(lcRowNo, LineupModel::ColumnCount - 1)),
        QItemSelectionModel::ClearAndSelect);
}

void GameSetup::ClearField(int FieldToClear)
{
    m_field->setSelectedPlayer(0);
    if (FieldToClear == 5) {
        for (PeriodThumb* t : m_thumbs)
            t->setSelectedPlayer(0);
    }
    for (int i = 0; i < m_thumbs.size(); ++i) {
        const bool shown = i < m_game.periods;
        m_thumbs[i]->setVisible(shown);
        m_thumbLabels[i]->setVisible(shown);
    }
}

void GameSetup::LoadField()
{
    m_field->setSelectedPlayer(m_board.CheckSelect(m_currentPlayer) ? m_currentPlayer : 0);
    m_field->update();
}

void GameSetup::selectPlayer(qint16 playerNo)
{
    m_currentPlayer = playerNo;
    m_field->setSelectedPlayer(m_board.CheckSelect(playerNo) ? playerNo : 0);
    for (PeriodThumb* t : m_thumbs)
        t->setSelectedPlayer(playerNo);
}

void GameSetup::Qtr1Pic_Click(int period)
{
    if (period < 1 || period > m_game.periods)
        return;
    m_board.setCurrentPeriod(period);
    m_currentQtr->setText(periodCaption(period));
    m_field->setProperty("tag", QString::number(period));
    for (int i = 0; i < m_copyActions.size(); ++i)
        m_copyActions[i]->setEnabled(i + 1 != period);
    ClearField(0);
    LoadField();
    setNote({});
}

bool GameSetup::PlayerGrid_MouseDown(int row)
{
    const qint16 playerNo = m_model->playerNo(row);
    if (playerNo == 0)
        return false;
    selectPlayer(playerNo);
    const LineupBoard::Refusal why = m_board.checkPlacement(playerNo);
    setNote(LineupBoard::refusalText(why));
    if (why != LineupBoard::Refusal::None)
        return false;
    SelectRow(row);
    return true;
}

void GameSetup::MainField_DragDrop(qint16 playerNo, QPoint twips, bool moving)
{
    if (!m_board.player(playerNo))
        return;
    selectPlayer(playerNo);
    const LineupPlayer& p = *m_board.player(playerNo);
    if (moving) {
        applyLineupChange(*undoStack(), m_board, tr("Move %1").arg(p.name),
                          [&] { return m_board.move(playerNo, twips); });
    } else {
        // Checked again at the drop: the coach may have changed the period or availability meanwhile.
        const LineupBoard::Refusal why = m_board.checkPlacement(playerNo);
        setNote(LineupBoard::refusalText(why));
        if (why != LineupBoard::Refusal::None)
            return;
        if (m_board.GetPlaceNo(m_board.currentPeriod()) == 0) {
            prompter().message(tr("Player Placement"), tr("All players have been placed."),
                               Prompter::Icon::Information);
            return;
        }
        applyLineupChange(*undoStack(), m_board, tr("Place %1").arg(p.name),
                          [&] { return m_board.place(playerNo, twips); });
    }
    selectPlayer(playerNo);
    SelectRow(m_board.rowOf(playerNo));
}

void GameSetup::PlayerGrid_DragDrop(qint16 playerNo)
{
    const LineupPlayer* p = m_board.player(playerNo);
    if (!p)
        return;
    const int period = m_board.currentPeriod();
    applyLineupChange(*undoStack(), m_board, tr("Take off %1").arg(p->name),
                      [&] { return m_board.RemovePlayer(period, playerNo); });
    selectPlayer(playerNo);
}

void GameSetup::placeByKey()
{
    const int row = m_grid->currentIndex().row();
    if (!PlayerGrid_MouseDown(row))
        return;
    const qint16 playerNo = m_model->playerNo(row);
    MainField_DragDrop(playerNo, keyboardSpot(m_board, m_board.currentPeriod(), playerNo), false);
}

void GameSetup::removeByKey()
{
    if (m_currentPlayer != 0 && m_board.CheckSelect(m_currentPlayer))
        PlayerGrid_DragDrop(m_currentPlayer);
}

void GameSetup::moveByKey(int stepsX, int stepsY)
{
    if (m_currentPlayer == 0 || !m_board.CheckSelect(m_currentPlayer))
        return;
    const LineupSlot s = m_board.slot(m_board.currentPeriod(), m_currentPlayer);
    // The icon's grid point, one step on, kept on the field.
    const int x = std::clamp(s.XPos + kIconOffset + stepsX * kStepX, 0, kFieldWidth);
    const int y = std::clamp(s.YPos + kIconOffset + stepsY * kStepY, 0, kFieldHeight);
    MainField_DragDrop(m_currentPlayer, QPoint(x, y), true);
}

void GameSetup::CopyFromQ_Click(int period)
{
    if (m_board.currentPeriod() == 0) {
        setNote(LineupBoard::refusalText(LineupBoard::Refusal::NoPeriod));
        return;
    }
    if (period == m_board.currentPeriod())
        return;
    applyLineupChange(*undoStack(), m_board, tr("Copy %1").arg(tr(kOrdinals[period - 1])),
                      [&] { return m_board.copyPeriod(period); });
    setNote({});
    LoadField();
}

void GameSetup::prepareGridMenu(const QModelIndex& cell)
{
    m_menuRow = cell.row();
    const qint16 playerNo = m_model->playerNo(cell.row());
    const int period = LineupModel::periodOfColumn(cell.column());
    const bool onPeriod = period >= 1 && period <= m_game.periods;
    // The cells it acts on: the period cells of the row the coach selected when the pressed cell
    // is among them, else the pressed cell alone. A whole row lit up by a placement is no choice
    // of periods.
    QItemSelectionModel* sel = m_grid->selectionModel();
    if (!sel->isSelected(cell) || sel->isSelected(m_model->index(cell.row(), LineupModel::Name)))
        sel->select(cell, QItemSelectionModel::ClearAndSelect);
    sel->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    m_menuPeriods.clear();
    for (int p = 1; p <= m_game.periods; ++p) {
        if (sel->isSelected(m_model->index(cell.row(), p)))
            m_menuPeriods << p;
    }
    m_availableAction->setEnabled(onPeriod);
    m_notAvailableAction->setEnabled(onPeriod);
    m_captainAction->setEnabled(!onPeriod);
    m_captainAction->setText(m_model->nameCell(playerNo).startsWith(QLatin1Char('*')) ? tr("Unmark as Captain")
                                                                                      : tr("Mark as Captain"));
    selectPlayer(playerNo);
}

void GameSetup::setAvailability(bool isAvailable)
{
    const qint16 playerNo = m_model->playerNo(m_menuRow);
    if (playerNo == 0 || m_menuPeriods.isEmpty())
        return;
    // Written at once; if the store refuses, the board goes back to what it showed.
    const LineupBoard::Snapshot lineupBefore = m_board.snapshot();
    QList<int> wasAvailable;
    for (int p : std::as_const(m_menuPeriods)) {
        if (m_board.available(p, playerNo))
            wasAvailable << p;
    }
    m_board.setAvailable(playerNo, m_menuPeriods, isAvailable);
    try {
        writeAvailability(m_game, playerNo, m_board.JoinlcPlayerAvail(playerNo));
    } catch (...) {
        QList<int> wasNot;
        for (int p : std::as_const(m_menuPeriods)) {
            if (!wasAvailable.contains(p))
                wasNot << p;
        }
        m_board.setAvailable(playerNo, wasAvailable, true);
        m_board.setAvailable(playerNo, wasNot, false);
        m_board.restore(lineupBefore);
        throw;
    }
    markChanged();
    LoadField();
}

void GameSetup::NAA_Click()
{
    setAvailability(true);
}

void GameSetup::NANA_Click()
{
    setAvailability(false);
}

void GameSetup::NACaptain_Click()
{
    const qint16 playerNo = m_model->playerNo(m_menuRow);
    const LineupPlayer* p = m_board.player(playerNo);
    if (!p)
        return;
    const bool captain = !m_model->nameCell(playerNo).startsWith(QLatin1Char('*'));
    writeCaptain(m_game, playerNo, captain, m_board.JoinlcPlayerAvail(playerNo));
    m_board.setCaptain(playerNo, captain);
    m_field->update();
}

void GameSetup::NAPTHistory_Click()
{
    const qint16 playerNo = m_model->playerNo(m_menuRow);
    if (playerNo == 0)
        return;
    prompter().message(tr("Play Time History for: %1").arg(m_model->nameCell(playerNo)),

                       playTimeHistory(m_game.teamNo, playerNo), Prompter::Icon::None);
}

bool GameSetup::save()
{
    saveLineup(m_board, m_game);
    markSaved();
    setNote({});  // a refusal from before the save is no longer news
    return true;
}

void GameSetup::GameSave_Click()
{
    save();
}

void GameSetup::GameDelete_Click()
{
    deleteLineup(m_game.teamNo, m_game.gameNo);
    const int period = m_board.currentPeriod();
    FillPlayerGrid();
    Qtr1Pic_Click(period);
}

void GameSetup::GameCaptainHistory_Click()
{
    frmCaptain::showCaptains(m_game.teamNo, this);
}

void GameSetup::refreshSeasonCaptains()
{
    const QSet<qint16> captains = readSeasonCaptains(m_game.teamNo);
    for (const LineupPlayer& p : m_board.players())
        m_board.setCaptain(p.playerNo, captains.contains(p.playerNo));
    m_field->update();
}

void GameSetup::startGridDrag(qint16 playerNo)
{
    const LineupPlayer* p = m_board.player(playerNo);
    if (!p)
        return;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kLineupMime), QByteArray("new ") + QByteArray::number(playerNo));
    auto* drag = new QDrag(m_grid);
    drag->setMimeData(mime);
    const int side = std::max(24, int(m_field->width() * double(kIconSize) / kFieldWidth));
    drag->setPixmap(placeIconPixmap(p->jerseyNo >= 0 ? QString::number(p->jerseyNo) : QString(), p->captain, side,
                                    devicePixelRatioF()));
    drag->setHotSpot(QPoint(side / 2, side / 2));
    drag->exec(Qt::MoveAction);
}

bool GameSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            guarded(QStringLiteral("PlayerGrid_KeyDown"), {}, [this] { placeByKey(); });
            return true;
        }
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            guarded(QStringLiteral("PlayerGrid_KeyDown"), {}, [this] { removeByKey(); });
            return true;
        }
    }
    if (watched == m_grid->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* e = static_cast<QMouseEvent*>(event);
            m_pressedPlayer = 0;
            const QModelIndex cell = m_grid->indexAt(e->position().toPoint());
            if (e->button() == Qt::LeftButton && cell.isValid() && cell.column() == LineupModel::Name) {
                if (guardedValue(QStringLiteral("PlayerGrid_MouseDown"), {}, false,
                                 [&] { return PlayerGrid_MouseDown(cell.row()); })) {
                    m_pressedPlayer = m_model->playerNo(cell.row());
                    m_pressPos = e->position().toPoint();
                    m_grid->setCurrentIndex(cell);
                    SelectRow(cell.row());
                    return true;  // the row stays highlighted; the view must not start a rubber band
                }
            }
            break;
        }
        case QEvent::MouseMove: {
            const auto* e = static_cast<QMouseEvent*>(event);
            if (m_pressedPlayer != 0 && (e->buttons() & Qt::LeftButton) &&
                (e->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
                const qint16 playerNo = m_pressedPlayer;
                m_pressedPlayer = 0;
                startGridDrag(playerNo);
                return true;
            }
            if (m_pressedPlayer != 0)
                return true;
            break;
        }
        case QEvent::MouseButtonRelease:
            if (m_pressedPlayer != 0) {
                m_pressedPlayer = 0;
                return true;
            }
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDragMoveEvent*>(event);
            if (e->mimeData()->data(QString::fromLatin1(kLineupMime)).startsWith("move ")) {
                e->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(event);
            const QByteArray payload = e->mimeData()->data(QString::fromLatin1(kLineupMime));
            if (payload.startsWith("move ")) {
                e->acceptProposedAction();
                const qint16 playerNo = qint16(payload.mid(5).toInt());
                guarded(QStringLiteral("PlayerGrid_DragDrop"), {}, [&] { PlayerGrid_DragDrop(playerNo); });
                return true;
            }
            break;
        }
        default: break;
        }
    }
    return EditWindow::eventFilter(watched, event);
}

}  // namespace pw
