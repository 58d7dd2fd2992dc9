// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice/frmPractice.h"

#include "ui/base/Modal.h"

#include "ui/schedule/frmMonthSchedule.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "core/practice/PracticeModel.h"
#include "core/reports/PracticeReports.h"
#include "ui/base/FieldConfig.h"
#include "ui/practice/PracticeCellDelegate.h"
#include "ui/practice/dlgDrillMaint.h"
#include "ui/practice/dlgRecur.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace pw {

namespace {

QString cellArgs(int col, int row)
{
    return traceArg(QStringLiteral("lcColNo"), col) + traceArg(QStringLiteral("lcRowNo"), row);
}

}  // namespace

frmPractice::frmPractice(qint16 teamNo, const QString& key, const QDate& day, QWidget* parent)
    : EditWindow(parent)
    , m_teamNo(teamNo)
    , m_key(key)
{
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(tr("Training Session Planning"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);

    buildHeaderInputs();
    buildGrid();
    buildCellEditors();
    buildButtons();
    auto* header = buildHeaderRow();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(UpdateBtn);
    buttons->addWidget(DrillsBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(PracticeList, 1);
    layout->addLayout(buttons);
    buildMenus();
    setTabOrder(StartTime, EndTime);
    setTabOrder(EndTime, TimeSegment);
    setTabOrder(TimeSegment, TeamMeeting);
    setTabOrder(TeamMeeting, PracticeList);
    setTabOrder(PracticeList, UpdateBtn);
    setTabOrder(UpdateBtn, DrillsBtn);
    setTabOrder(DrillsBtn, CloseBtn);

    // A new session can be stored as it stands, so Update is never disabled; the caption shows
    // whether there is unsaved work.
    setDirtyMarker(this, nullptr);

    connectWidgets();
    connectCellEditors();

    load(QStringLiteral("Form_Load"), [&] {
        m_cells->fillDrillLists();
        for (const QString& coach : FillCoachList(m_teamNo))
            CoachList->addItem(coachText(coach), coach);

        std::optional<PracticeSession> stored;
        if (const auto id = practiceIdFromKey(m_key))
            stored = loadPracticeSession(m_teamNo, *id);
        if (stored) {
            m_session = *stored;
        } else {
            // Removed meanwhile, or never stored: a new session on the day.
            m_key.clear();
            m_session = newPracticeSession(m_teamNo, day);
        }
        fillHeader();
        showGrid();
    });
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 34);
}

void frmPractice::buildHeaderInputs()
{
    // ---- the header
    PracticeDate = new QLabel(this);
    PracticeDate->setObjectName(QStringLiteral("PracticeDate"));
    QFont bold = PracticeDate->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    PracticeDate->setFont(bold);
    const auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    StartTime = combo("StartTime");
    EndTime = combo("EndTime");
    for (const DayMinutes t : practiceTimes()) {
        StartTime->addItem(practiceTimeText(t), t);
        EndTime->addItem(practiceTimeText(t), t);
    }
    TimeSegment = combo("TimeSegment");
    for (const int minutes : practiceSegments())
        TimeSegment->addItem(QString::number(minutes), minutes);
    TeamMeeting = new QCheckBox(tr("Team &Meeting"), this);
    TeamMeeting->setObjectName(QStringLiteral("TeamMeeting"));
}

void frmPractice::buildGrid()
{
    // ---- the agenda grid; its cells are edited through the editors placed over them
    m_model = new PracticeModel(m_session, this);
    PracticeList = new QTableView(this);
    PracticeList->setObjectName(QStringLiteral("PracticeList"));
    PracticeList->setAccessibleName(tr("Agenda"));
    PracticeList->setModel(m_model);
    PracticeList->setSelectionMode(QAbstractItemView::SingleSelection);
    PracticeList->setSelectionBehavior(QAbstractItemView::SelectItems);
    PracticeList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the buttons; the arrows move between cells.
    PracticeList->setTabKeyNavigation(false);
    PracticeList->setWordWrap(true);
    PracticeList->verticalHeader()->hide();
    PracticeList->horizontalHeader()->setHighlightSections(false);
    PracticeList->setContextMenuPolicy(Qt::CustomContextMenu);
    PracticeList->installEventFilter(this);
    PracticeList->setMinimumHeight(fontMetrics().height() * 16);
}

void frmPractice::buildCellEditors()
{
    m_cells = new PracticeCellDelegate(
        m_session, m_teamNo, PracticeList->viewport(),
        [this](const QModelIndex& cell, qint32 drillId) { PlaceDrill(cell.row() + 1, cell.column(), drillId); }, this);
    PracticeList->setItemDelegate(m_cells);
    DrillEditor = m_cells->drillEditor();
    DrillList = m_cells->techniques();
    DrillList1 = m_cells->tactics();
    CoachList = m_cells->coaches();
    txtEditBox = m_cells->textBox();
    for (QWidget* editor : {static_cast<QWidget*>(DrillList), static_cast<QWidget*>(DrillList1),
                            static_cast<QWidget*>(CoachList), static_cast<QWidget*>(txtEditBox)})
        editor->installEventFilter(this);
}

void frmPractice::buildButtons()
{
    UpdateBtn = new QPushButton(tr("&Update"), this);
    UpdateBtn->setObjectName(QStringLiteral("UpdateBtn"));
    DrillsBtn = new QPushButton(tr("&Drills"), this);
    DrillsBtn->setObjectName(QStringLiteral("DrillsBtn"));
    CloseBtn = new QPushButton(tr("&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    // Enter belongs to the grid and its editors, never to a button.
    for (QPushButton* b : {UpdateBtn, DrillsBtn, CloseBtn})
        b->setAutoDefault(false);
}

QHBoxLayout* frmPractice::buildHeaderRow()
{
    const auto labelled = [this](QHBoxLayout* row, const QString& text, QWidget* input) {
        auto* l = new QLabel(text, this);
        l->setBuddy(input);
        row->addWidget(l);
        row->addWidget(input);
        row->addSpacing(fontMetrics().averageCharWidth() * 2);
    };
    auto* header = new QHBoxLayout;
    header->addWidget(PracticeDate);
    header->addSpacing(fontMetrics().averageCharWidth() * 4);
    labelled(header, tr("&Start Time"), StartTime);
    labelled(header, tr("&End Time"), EndTime);
    labelled(header, tr("Time Se&gment"), TimeSegment);
    header->addWidget(TeamMeeting);
    header->addStretch();
    return header;
}

void frmPractice::connectWidgets()
{
    connect(DrillsBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("Drills_Click"), [this] { Drills_Click(); }));
    connect(UpdateBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("Update_Click"), [this] { Update_Click(); }));
    connect(CloseBtn, &QPushButton::clicked, this, [this] { closeWindow(); });
    for (QComboBox* box : {StartTime, EndTime, TimeSegment})
        connect(box, &QComboBox::currentIndexChanged, this,
                handler(box->objectName() + QStringLiteral("_Click"), [this] { timesChanged(); }));
    connect(TeamMeeting, &QCheckBox::toggled, this,
            handler(QStringLiteral("TeamMeeting_Click"), [this] { TeamMeeting_Click(); }));
    connect(PracticeList, &QTableView::clicked, this,
            handler(QStringLiteral("PracticeList_Click"),
                    [this](const QModelIndex& cell) { setEditMode(cell.column(), cell.row() + 1); }));
    connect(PracticeList, &QTableView::customContextMenuRequested, this,
            handler(QStringLiteral("PracticeList_MouseUp"), [this](const QPoint& pos) {
                QModelIndex cell = PracticeList->indexAt(pos);
                if (!cell.isValid())
                    cell = PracticeList->currentIndex();
                if (cell.isValid())
                    showTimeMenu(cell.row() + 1, PracticeList->viewport()->mapToGlobal(pos));
            }));
}

void frmPractice::connectCellEditors()
{
    // Each pick and each keystroke goes to the cell at once, through the delegate.
    connect(DrillList, &QComboBox::activated, this,
            handler(QStringLiteral("DrillList_Click"), [this] { m_cells->commitFrom(DrillList); }));
    connect(DrillList1, &QComboBox::activated, this,
            handler(QStringLiteral("DrillList1_Click"), [this] { m_cells->commitFrom(DrillList1); }));
    connect(CoachList, &QComboBox::activated, this, handler(QStringLiteral("CoachList_Click"), [this] {
                m_cells->commitFrom(CoachList);
                markChanged();
            }));
    connect(txtEditBox, &QPlainTextEdit::textChanged, this, handler(QStringLiteral("txtEditBox_Change"), [this] {
                if (m_cells->isFilling() || m_editRow < 1)
                    return;
                m_cells->commitFrom(txtEditBox);
                SetRowHeight(m_editRow);
                markChanged();
            }));
    // An editor belongs to its cell: it goes when the cells move under it or the coach goes elsewhere.
    connect(PracticeList->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { hideEditors(); });
    connect(PracticeList->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { hideEditors(); });
    connect(PracticeList->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        hideEditors();
        guarded(QStringLiteral("SetRowHeight"), {}, [this] {
            for (int r = 1; r <= m_model->rowCount(); ++r)
                SetRowHeight(r);
        });
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || m_editCol < 0 || m_relayout || now == PracticeList)
            return;
        for (QWidget* w = now; w; w = w->parentWidget()) {
            if (w == DrillEditor || w == CoachList || w == txtEditBox)
                return;
        }
        hideEditors();
    });
}

frmPractice::~frmPractice() = default;

void frmPractice::showCalendar(qint16 teamNo, QWidget* parent)
{
    frmMonthSchedule::showCalendar(teamNo, parent, [teamNo, parent](const QString& key, const QDate& day) {
        openSession(teamNo, key, day, parent);
    });
}

void frmPractice::openSession(qint16 teamNo, const QString& key, const QDate& day, QWidget* parent)
{
    Modal<frmPractice> window(teamNo, key, day, parent);
    window.exec();
}

void frmPractice::buildMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* session = bar->addMenu(tr("&Session"));
    session->setObjectName(QStringLiteral("mnuSession"));
    const auto action = [this](QMenu* menu, const char* name, const QString& caption, auto body) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler(QString::fromLatin1(name), body));
        return a;
    };
    action(session, "SessionRecur", tr("&Recurrence"), [this] { Recurrence_Click(); });
    m_deleteAction = action(session, "SessionDelete", tr("&Delete"), [this] { Delete_Click(); });
    session->addSeparator();
    action(session, "SessionPreview", tr("Pe&view Agenda"), [this] { PrintAgenda(true); });
    action(session, "SessionPrint", tr("&Print Agenda"), [this] { PrintAgenda(false); });
    session->addSeparator();
    QAction* update = action(session, "SessionUpdate", tr("&Update"), [this] { Update_Click(); });
    update->setShortcut(QKeySequence::Save);
    // The window keeps the shortcut whatever has the focus, also with the menu never opened.
    addAction(update);

    m_timeMenu = new QMenu(tr("Time"), this);
    m_timeMenu->setObjectName(QStringLiteral("mnuTime"));
    m_splitAction = action(m_timeMenu, "SplitTeam", tr("Split Team"), [this] { SplitTeam_Click(m_menuRow); });
    m_undoSplitAction = action(m_timeMenu, "UndoSplit", tr("Undo Split"), [this] { UndoSplit_Click(m_menuRow); });
}

// ---------------------------------------------------------------- filling

void frmPractice::fillHeader()
{
    PW_TRACE(QStringLiteral("FillPracticeDate"));
    PracticeDate->setText(Format(m_session.date, QStringLiteral("mmmm dd, yyyy")));
    StartTime->setCurrentIndex(StartTime->findData(m_session.start));
    EndTime->setCurrentIndex(EndTime->findData(m_session.end));
    int segment = TimeSegment->findData(m_session.segment);
    if (segment < 0 && m_session.segment > 0) {
        // A length the list does not offer is kept, so that the times stay as stored.
        TimeSegment->addItem(QString::number(m_session.segment), m_session.segment);
        segment = TimeSegment->count() - 1;
    }
    TimeSegment->setCurrentIndex(segment);
    TeamMeeting->setChecked(m_session.teamMeeting);
    m_deleteAction->setEnabled(m_session.isStored());
}

void frmPractice::sizeColumns()
{
    const QFontMetrics fm = PracticeList->fontMetrics();
    const int ch = fm.averageCharWidth();
    QHeaderView* h = PracticeList->horizontalHeader();
    h->setStretchLastSection(false);
    h->setSectionResizeMode(QHeaderView::Interactive);
    const int timeWidth =
        std::max(fm.horizontalAdvance(QStringLiteral("12:00 PM")), h->fontMetrics().horizontalAdvance(tr("Time"))) +
        3 * ch;
    PracticeList->setColumnWidth(PracticeModel::Time, timeWidth);
    if (m_session.teamMeeting) {
        PracticeList->setColumnWidth(PracticeModel::AgendaItem, 34 * ch);
        h->setSectionResizeMode(PracticeModel::Notes, QHeaderView::Stretch);
    } else {
        PracticeList->setColumnWidth(PracticeModel::Drill, 26 * ch);
        PracticeList->setColumnWidth(PracticeModel::Discipline, 14 * ch);
        PracticeList->setColumnWidth(PracticeModel::Coach, 16 * ch);
        h->setSectionResizeMode(PracticeModel::Description, QHeaderView::Stretch);
    }
}

// ClearPracticeList and FillPracticeDrills end here: the grid shows the session's rows, each as
// tall as its text.
void frmPractice::showGrid()
{
    hideEditors();
    const QModelIndex current = PracticeList->currentIndex();
    const int columns = m_model->columnCount();
    m_model->refresh();
    if (columns != m_model->columnCount() || isLoading())
        sizeColumns();
    for (int r = 1; r <= m_model->rowCount(); ++r)
        SetRowHeight(r);
    if (current.isValid())
        PracticeList->setCurrentIndex(
            m_model->index(std::min(current.row(), m_model->rowCount() - 1), std::min(current.column(), columns - 1)));
}

void frmPractice::SetRowHeight(int lcRow)
{
    PW_TRACE(QStringLiteral("SetRowHeight"), traceArg(QStringLiteral("GridCtl"), QStringLiteral("PracticeList")) +
                                                 traceArg(QStringLiteral("lcRow"), lcRow));
    if (lcRow < 1 || lcRow > m_model->rowCount())
        return;
    const QFontMetrics fm = PracticeList->fontMetrics();
    // The grid wraps at words in a proportional font: a little under the average width per
    // character keeps the last line of a long text from being cut off.
    const int ch = std::max(1, fm.averageCharWidth() * 11 / 10);
    int lines = 1;
    for (const int col : m_model->wrappedColumns()) {
        const int chars = (PracticeList->columnWidth(col) - 8) / ch;
        lines = std::max(lines, CountLines(m_model->cellText(lcRow - 1, col), chars));
    }
    PracticeList->setRowHeight(lcRow - 1, lines * fm.height() + 8);
}

// ---------------------------------------------------------------- the header

void frmPractice::timesChanged()
{
    hideEditors();
    m_session.start = StartTime->currentIndex() < 0 ? kNoTime : StartTime->currentData().toInt();
    m_session.end = EndTime->currentIndex() < 0 ? kNoTime : EndTime->currentData().toInt();
    if (TimeSegment->currentIndex() >= 0)
        m_session.segment = TimeSegment->currentData().toInt();
    // The agenda is laid out again from what is stored: the rows follow the new slots.
    m_session.rows = m_session.isStored() ? loadPracticeRows(m_teamNo, m_session.practiceId) : QList<AgendaRow>{};
    m_session.setPracticeTime();
    showGrid();
    markChanged();
}

void frmPractice::TeamMeeting_Click()
{
    hideEditors();
    const bool on = TeamMeeting->isChecked();
    if (on == m_session.teamMeeting)
        return;
    if (m_session.wouldLoseAgenda() && !askClearAgenda()) {
        // The box goes back, so that it keeps saying what the grid shows.
        const QSignalBlocker quiet(TeamMeeting);
        TeamMeeting->setChecked(!on);
        return;
    }
    m_session.setTeamMeeting(on);
    showGrid();
    markChanged();
}

// ---------------------------------------------------------------- the grid and its editors

void frmPractice::setEditMode(int lcColNo, int lcRowNo)
{
    PW_TRACE(QStringLiteral("setEditMode"), cellArgs(lcColNo, lcRowNo));
    hideEditors();
    if (lcRowNo < 1 || lcRowNo > m_model->rowCount() || lcColNo < 0 || lcColNo >= m_model->columnCount())
        return;
    const QModelIndex cell = m_model->index(lcRowNo - 1, lcColNo);
    PracticeList->setCurrentIndex(cell);
    QWidget* editor = m_cells->editorWidget(m_cells->editorFor(cell));
    if (!editor)
        return;
    m_editRow = lcRowNo;
    m_editCol = lcColNo;
    // The grid places the editor over the cell and fills it from the cell.
    PracticeList->openPersistentEditor(cell);
    editor->raise();
    (editor == DrillEditor ? m_cells->drillFocus() : editor)->setFocus();
}

void frmPractice::hideEditors()
{
    const QWidget* focus = QApplication::focusWidget();
    for (QWidget* editor :
         {static_cast<QWidget*>(DrillEditor), static_cast<QWidget*>(CoachList), static_cast<QWidget*>(txtEditBox)}) {
        // The focus goes back to the grid first, or it would wander off to a button.
        if (editor->isVisible() && focus && (editor == focus || editor->isAncestorOf(focus)))
            PracticeList->setFocus();
    }
    if (m_editCol >= 0)
        PracticeList->closePersistentEditor(m_model->index(m_editRow - 1, m_editCol));
    // One the grid let go of when its rows were laid out anew is hidden as well.
    for (QWidget* editor :
         {static_cast<QWidget*>(DrillEditor), static_cast<QWidget*>(CoachList), static_cast<QWidget*>(txtEditBox)})
        editor->hide();
    m_editRow = 0;
    m_editCol = -1;
}

void frmPractice::moveEditor(int rowStep, int colStep)
{
    int row = m_editRow + rowStep;
    int col = m_editCol + colStep;
    // Past the last column the next row begins; the time column has no editor.
    if (col >= m_model->columnCount()) {
        col = 1;
        ++row;
    } else if (col < 1) {
        col = m_model->columnCount() - 1;
        --row;
    }
    if (row < 1 || row > m_model->rowCount()) {
        hideEditors();
        return;
    }
    setEditMode(col, row);
    if (m_editCol < 0)
        PracticeList->setFocus();
}

bool frmPractice::editorKey(QObject* watched, int key, Qt::KeyboardModifiers mods)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Escape) {
        hideEditors();
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const bool forward = key == Qt::Key_Tab;
        if (watched == DrillList && forward && DrillList1->isEnabled()) {
            DrillList1->setFocus();
            return true;
        }
        if (watched == DrillList1 && !forward && DrillList->isEnabled()) {
            DrillList->setFocus();
            return true;
        }
        hideEditors();
        if (forward)
            focusNextChild();
        return true;
    }
    if (watched != txtEditBox) {
        if (enter)
            moveEditor(0, 1);
        return enter;
    }
    const QTextCursor caret = txtEditBox->textCursor();
    if (enter && (mods & Qt::ControlModifier)) {
        txtEditBox->insertPlainText(QStringLiteral("\n"));
        return true;
    }
    if (mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (enter)
        moveEditor(0, 1);
    else if (key == Qt::Key_Left && caret.position() == 0 && !caret.hasSelection())
        moveEditor(0, -1);
    else if (key == Qt::Key_Right && caret.atEnd() && !caret.hasSelection())
        moveEditor(0, 1);
    else if (key == Qt::Key_Up)
        moveEditor(-1, 0);
    else if (key == Qt::Key_Down)
        moveEditor(1, 0);
    else
        return false;
    return true;
}

bool frmPractice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return EditWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    bool used = false;
    guarded(watched == PracticeList ? QStringLiteral("PracticeList_KeyDown") : QStringLiteral("txtEditBox_KeyDown"),
            traceArg(QStringLiteral("KeyCode"), code) + traceArg(QStringLiteral("Shift"), int(mods)), [&] {
                if (watched != PracticeList) {
                    used = editorKey(watched, code, mods);
                    return;
                }
                const QModelIndex cell = PracticeList->currentIndex();
                if (!cell.isValid())
                    return;
                if ((code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_F2) && mods == Qt::NoModifier) {
                    setEditMode(cell.column(), cell.row() + 1);
                    used = true;
                } else if (code == Qt::Key_F10 && mods == Qt::ShiftModifier) {
                    const QRect r = PracticeList->visualRect(cell);
                    showTimeMenu(cell.row() + 1, PracticeList->viewport()->mapToGlobal(r.bottomLeft()));
                    used = true;
                }
            });
    return used || EditWindow::eventFilter(watched, event);
}

void frmPractice::PlaceDrill(int lcRow, int lcCol, qint32 lcPID)
{
    PW_TRACE(QStringLiteral("PlaceDrill"), traceArg(QStringLiteral("lcRow"), lcRow) +
                                               traceArg(QStringLiteral("lcCol"), lcCol) +
                                               traceArg(QStringLiteral("lcPID"), lcPID));
    if (lcRow < 1 || lcRow > m_model->rowCount())
        return;
    const qsizetype before = m_session.rows.size();
    m_session.placeDrill(lcRow, lcPID);
    if (m_session.rows.size() != before) {
        // A row was added below: the grid is shown again, the open editor staying on its cell.
        // The grid lets go of its editor when its rows are laid out anew: it is opened again.
        const int row = m_editRow;
        const int col = m_editCol;
        QWidget* focus = QApplication::focusWidget();
        {
            const QScopedValueRollback keep(m_relayout, true);
            m_model->refresh();
        }
        for (int r = 1; r <= m_model->rowCount(); ++r)
            SetRowHeight(r);
        PracticeList->setCurrentIndex(m_model->index(lcRow - 1, lcCol));
        m_editRow = row;
        m_editCol = col;
        if (col >= 0) {
            PracticeList->openPersistentEditor(m_model->index(row - 1, col));
            if (focus)
                focus->setFocus();
        }
    } else {
        m_model->refreshRow(lcRow - 1);
        SetRowHeight(lcRow);
    }
    markChanged();
}

void frmPractice::showTimeMenu(int row, const QPoint& globalPos)
{
    if (row < 1 || row > m_model->rowCount())
        return;
    hideEditors();
    m_menuRow = row;
    const AgendaRow& r = m_session.rows.at(row - 1);
    m_splitAction->setEnabled(r.time != kNoTime);
    m_undoSplitAction->setEnabled(r.split);
    m_timeMenu->popup(globalPos);
}

void frmPractice::SplitTeam_Click(int lcRow)
{
    if (lcRow < 1 || lcRow > m_model->rowCount())
        return;
    m_session.splitTeam(lcRow);
    showGrid();
    PracticeList->setCurrentIndex(m_model->index(lcRow, PracticeModel::Time));
    markChanged();
}

// The split goes from the grid like every other edit, and from the store with the next Update:
// the coach can take back a split made by mistake in a session not yet stored, and the rows
// typed since the last Update stay.
void frmPractice::UndoSplit_Click(int lcRow)
{
    if (!m_session.undoSplit(lcRow))
        return;
    showGrid();
    markChanged();
}

// ---------------------------------------------------------------- storing, reports, copies

bool frmPractice::save()
{
    hideEditors();
    savePracticeSession(m_session);
    m_key = practiceKey(m_teamNo, m_session.practiceId);
    m_deleteAction->setEnabled(true);
    markSaved();
    return true;
}

void frmPractice::Update_Click()
{
    save();
}

void frmPractice::Delete_Click()
{
    if (!m_session.isStored() || !askDeleteSession())
        return;
    deletePracticeSession(m_teamNo, m_session.practiceId);
    // Nothing is left to edit or to save.
    markSaved();
    closeWindow();
}

bool frmPractice::storedSession()
{
    if (m_session.isStored() && !isDirty())
        return true;
    const auto answer = prompter().message(tr("Save Data"), tr("Do you want to save your changes?"),
                                           Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Answer::Yes)
        return save();
    return answer == Prompter::Answer::No && m_session.isStored();
}

void frmPractice::Recurrence_Click()
{
    hideEditors();
    if (!storedSession())
        return;
    Modal<dlgRecur> dialog(m_session.date, this);
    if (dialog.exec() != QDialog::Accepted || !dialog)
        return;
    const QList<QDate> dates = recurrenceDates(m_session.date, dialog->weeks(), dialog->days());
    if (dates.isEmpty())
        return;
    recurPracticeSession(m_session.practiceId, dates);
}

void frmPractice::PrintAgenda(bool isPreview)
{
    hideEditors();
    if (!storedSession())
        return;
    runReport(QStringLiteral("PrintPracticeAgenda"),
              Report([team = m_teamNo, id = m_session.practiceId](Printout& p) { PrintPracticeAgenda(p, team, id); }),
              kPracticeAgendaOrientation,
              tr("Training Session %1").arg(Format(m_session.date, QStringLiteral("mmmm dd, yyyy"))), isPreview, this);
}

void frmPractice::Drills_Click()
{
    hideEditors();
    // The lists read the library again each time they open, so new drills show at once.
    dlgDrillMaint::showDrills(this);
}

}  // namespace pw
