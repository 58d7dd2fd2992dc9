// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice/dlgDrillMaint.h"

#include "ui/base/Modal.h"

#include "common/Prompter.h"
#include "data/SeedLibrary.h"
#include "ui/practice/DrillField.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace pw {

namespace {

// The delay between picking a drill in the list and loading it, so that running through the list
// with the arrow keys does not load every drill on the way.
constexpr int kSwitchDelayMs = 30;
// Markers placed from the keyboard start mid-field; one already there pushes the next one aside.
constexpr int kKeyPlaceStep = kDrillMarkerSize / 2;

// The drill list. Focus arriving in an item list makes its first row the current one; here that
// would load the first drill a moment after the window opened, which the coach did not choose,
// and draw the whole window a second time. The window opens on an empty field, and a drill loads
// when the coach picks one (with the mouse, or the arrow keys from the top).
class DrillListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        const bool chosen = currentIndex().isValid();
        const QSignalBlocker quiet(this);
        QListWidget::focusInEvent(event);
        if (!chosen)
            selectionModel()->clearCurrentIndex();
    }
};

}  // namespace

// One change of the diagram, kept as the whole diagram before and after: a diagram is small, and
// a snapshot cannot get out of step with the numbering of markers.
class DrillDiagramCommand : public QUndoCommand {
public:
    DrillDiagramCommand(dlgDrillMaint& window, const QString& text, DrillDiagram before, DrillDiagram after,
                        int mergeKey)
        : QUndoCommand(text)
        , m_window(window)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_mergeKey(mergeKey)
    {
    }
    void undo() override { m_window.setDiagram(m_before); }
    void redo() override { m_window.setDiagram(m_after); }
    int id() const override { return m_mergeKey < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* o = static_cast<const DrillDiagramCommand*>(other);
        if (o->m_mergeKey != m_mergeKey)
            return false;
        m_after = o->m_after;
        setObsolete(m_after == m_before);
        return true;
    }

private:
    dlgDrillMaint& m_window;
    DrillDiagram m_before;
    DrillDiagram m_after;
    int m_mergeKey;
};

dlgDrillMaint::dlgDrillMaint(QWidget* parent)
    : EditWindow(parent)
{
    setObjectName(QStringLiteral("dlgDrillMaint"));
    setWindowTitle(tr("Drill Maintenance"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    installSurfaceAccessibility();

    // Layout: the list on the left; name, type and lists, then field with palette, the line boxes
    // and the texts on the right.
    auto* right = new QVBoxLayout;
    buildFactRows(right);
    buildFieldRow(right);
    buildLineBoxes(right);
    buildTexts(right);
    buildButtons(right);
    auto* main = new QHBoxLayout;
    main->addWidget(DrillList);
    main->addLayout(right, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(main);
    buildMenus();
    setDrillTabOrder();

    setDirtyMarker(this, nullptr);
    connectWidgets();

    // Opening: the lists of the first type, every drill of both types, an empty field.
    load(QStringLiteral("Form_Load"), [this] {
        fillTypeLists(0, {}, {});
        clearDrill();
        FillDrillList(2);
    });
    syncLineBoxes();
    resize(sizeHint().expandedTo(QSize(1040, 720)));
}

void dlgDrillMaint::buildFactRows(QVBoxLayout* right)
{
    DrillList = new DrillListWidget(this);
    DrillList->setObjectName(QStringLiteral("DrillList"));
    DrillList->setAccessibleName(tr("Drills"));
    DrillList->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    // Every drill is one line in one font: the list measures one row, not all five hundred, before
    // it first shows.
    DrillList->setUniformItemSizes(true);

    txtDrillName = new QLineEdit(this);
    txtDrillName->setObjectName(QStringLiteral("txtDrillName"));
    txtDrillName->setReadOnly(true);
    auto* nameLabel = new QLabel(tr("Drill Name:"), this);
    nameLabel->setBuddy(txtDrillName);

    lblupdate = new QLabel(tr("This is a system drill and is not modifiable."), this);
    lblupdate->setObjectName(QStringLiteral("lblupdate"));
    QFont bold = lblupdate->font();
    bold.setBold(true);
    lblupdate->setFont(bold);
    lblupdate->setStyleSheet(QStringLiteral("color: #a01010"));
    lblupdate->hide();

    // The type options in screen order; their ids are the stored types.
    optDrillType = new QButtonGroup(this);
    optDrillType->setObjectName(QStringLiteral("optDrillType"));
    auto* types = new QHBoxLayout;
    for (int type : {1, 0}) {
        auto* option = new QRadioButton(drillTypeName(type), this);
        option->setObjectName(QStringLiteral("optDrillType_%1").arg(type));
        optDrillType->addButton(option, type);
        types->addWidget(option);
    }
    optDrillType->button(0)->setChecked(true);

    txtDiscipline = new QComboBox(this);
    txtDiscipline->setObjectName(QStringLiteral("txtDiscipline"));
    txtStage = new QComboBox(this);
    txtStage->setObjectName(QStringLiteral("txtStage"));
    txtStage->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* disciplineLabel = new QLabel(tr("Discipline:"), this);
    disciplineLabel->setBuddy(txtDiscipline);
    auto* stageLabel = new QLabel(tr("Development Stage:"), this);
    stageLabel->setBuddy(txtStage);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(txtDrillName, 1);
    nameRow->addWidget(lblupdate);
    auto* typeRow = new QHBoxLayout;
    typeRow->addLayout(types);
    typeRow->addSpacing(12);
    typeRow->addWidget(disciplineLabel);
    typeRow->addWidget(txtDiscipline, 1);
    typeRow->addSpacing(12);
    typeRow->addWidget(stageLabel);
    typeRow->addWidget(txtStage, 2);
    right->addLayout(nameRow);
    right->addLayout(typeRow);
}

void dlgDrillMaint::buildFieldRow(QVBoxLayout* right)
{
    m_field = new DrillField(m_drill.diagram, m_drawing, this);

    // The palette in its frames, beside the field.
    auto* paletteColumn = new QVBoxLayout;
    for (const MarkerGroup& group : markerPalette()) {
        auto* frame = new QGroupBox(group.caption, this);
        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(6, 4, 6, 6);
        for (int kind : group.kinds) {
            auto* item = new MarkerPaletteItem(kind, frame);
            row->addWidget(item);
            m_palette << item;
            connect(item, &MarkerPaletteItem::placeRequested, this,
                    handler(QStringLiteral("Gnome_KeyDown"), [this](int k) { placeByKey(k); }));
        }
        row->addStretch(1);
        paletteColumn->addWidget(frame);
    }
    Garbage = new DrillBench(this);
    paletteColumn->addWidget(Garbage);
    paletteColumn->addStretch(1);

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(m_field, 1);
    fieldRow->addLayout(paletteColumn);
    right->addLayout(fieldRow, 3);
}

void dlgDrillMaint::buildLineBoxes(QVBoxLayout* right)
{
    // Line kinds (pictures) and line styles (captions), each a set of exclusive boxes numbered as
    // the diagram stores them.
    const QSize iconSize(40, 18);
    chkLine = new QButtonGroup(this);
    chkLine->setObjectName(QStringLiteral("chkLine"));
    auto* lineBoxes = new QHBoxLayout;
    lineBoxes->setSpacing(2);
    const QStringList kindNames{tr("Plain line"), tr("Arrow line"), tr("Curved line")};
    for (qint16 kind = drill::kPlainLine; kind <= drill::kCurveLine; ++kind) {
        auto* box = new QToolButton(this);
        box->setObjectName(QStringLiteral("chkLine_%1").arg(kind));
        box->setCheckable(true);
        box->setIconSize(iconSize);
        box->setIcon(lineKindIcon(kind, iconSize, devicePixelRatioF()));
        box->setToolTip(kindNames[kind - drill::kPlainLine]);
        box->setAccessibleName(kindNames[kind - drill::kPlainLine]);
        chkLine->addButton(box, kind);
        lineBoxes->addWidget(box);
    }
    chkPassType = new QButtonGroup(this);
    chkPassType->setObjectName(QStringLiteral("chkPassType"));
    const QStringList styleCaptions{tr("Pass Line"), tr("Run Line"), tr("Pass Line")};
    const QStringList styleNames{tr("solid"), tr("dashed"), tr("dotted")};
    lineBoxes->addSpacing(8);
    for (qint16 style = 0; style < 3; ++style) {
        auto* box = new QToolButton(this);
        box->setObjectName(QStringLiteral("chkPassType_%1").arg(style));
        box->setCheckable(true);
        box->setText(styleCaptions[style]);
        box->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        box->setIconSize(QSize(iconSize.width(), 6));
        box->setIcon(lineStyleIcon(style, QSize(iconSize.width(), 6), devicePixelRatioF()));
        // The two pass-line boxes differ only by their pen, so say which is which.
        box->setToolTip(styleNames[style]);
        box->setAccessibleName(styleCaptions[style] + QStringLiteral(", ") + styleNames[style]);
        chkPassType->addButton(box, style);
        lineBoxes->addWidget(box);
    }
    ClearPass = new QPushButton(tr("Clear Pass Lines"), this);
    ClearPass->setObjectName(QStringLiteral("ClearPass"));
    ClearPass->setAutoDefault(false);
    auto* grid = new QCheckBox(tr("Show Grid"), this);
    grid->setObjectName(QStringLiteral("chkGrid"));
    grid->setChecked(true);
    chkGrid = grid;
    lineBoxes->addSpacing(8);
    lineBoxes->addWidget(ClearPass);
    lineBoxes->addWidget(chkGrid);
    lineBoxes->addStretch(1);
    right->addLayout(lineBoxes);
}

void dlgDrillMaint::buildTexts(QVBoxLayout* right)
{
    // The three texts side by side under the field.
    auto makeText = [this](const char* name) {
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setTabChangesFocus(true);
        edit->setMinimumHeight(fontMetrics().height() * 5);
        return edit;
    };
    txtDescription = makeText("txtDescription");
    txtExplanation = makeText("txtExplanation");
    txtDevelopment = makeText("txtDevelopment");
    auto* texts = new QHBoxLayout;
    const QList<QPair<QString, QPlainTextEdit*>> captions{
        {tr("Purpose"), txtDescription}, {tr("Procedure"), txtExplanation}, {tr("Coaching Points"), txtDevelopment}};
    for (const auto& [caption, edit] : captions) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        edit->setAccessibleName(caption);
        column->addWidget(label);
        column->addWidget(edit, 1);
        texts->addLayout(column, 1);
    }
    right->addLayout(texts, 1);
}

void dlgDrillMaint::buildButtons(QVBoxLayout* right)
{
    OKButton = new QPushButton(tr("Update"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAutoDefault(false);
    CancelButton = new QPushButton(tr("Close"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);

    DrillSwitchTmr = new QTimer(this);
    DrillSwitchTmr->setObjectName(QStringLiteral("DrillSwitchTmr"));
    DrillSwitchTmr->setSingleShot(true);
    DrillSwitchTmr->setInterval(kSwitchDelayMs);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    right->addLayout(buttons);
}

void dlgDrillMaint::setDrillTabOrder()
{
    // Tab order follows the screen: list, drill facts, palette, field, line boxes, texts, buttons.
    QList<QWidget*> order{DrillList,     txtDrillName, optDrillType->button(1), optDrillType->button(0),
                          txtDiscipline, txtStage};
    for (MarkerPaletteItem* item : m_palette)
        order << item;
    order << m_field;
    for (QAbstractButton* b : chkLine->buttons())
        order << b;
    for (QAbstractButton* b : chkPassType->buttons())
        order << b;
    order << ClearPass << chkGrid << txtDescription << txtExplanation << txtDevelopment << OKButton << CancelButton;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void dlgDrillMaint::connectWidgets()
{
    connect(DrillList, &QListWidget::currentRowChanged, this,
            handler(QStringLiteral("DrillList_Click"), [this](int row) { DrillList_Click(row); }));
    connect(DrillSwitchTmr, &QTimer::timeout, this,
            handler(QStringLiteral("DrillSwitchTmr_Timer"), [this] { DrillSwitchTmr_Timer(); }));
    connect(optDrillType, &QButtonGroup::idClicked, this,
            handler(QStringLiteral("optDrillType_Click"), [this](int id) { optDrillType_Click(id); }));
    connect(chkLine, &QButtonGroup::idClicked, this,
            handler(QStringLiteral("chkLine_Click"), [this](int id) { chkLine_Click(id); }));
    connect(chkPassType, &QButtonGroup::idClicked, this,
            handler(QStringLiteral("chkPassType_Click"), [this](int id) { chkPassType_Click(id); }));
    connect(ClearPass, &QPushButton::clicked, this,
            handler(QStringLiteral("ClearPass_Click"), [this] { ClearPass_Click(); }));
    connect(chkGrid, &QAbstractButton::toggled, this, [this](bool on) { m_field->setShowGrid(on); });
    connect(OKButton, &QPushButton::clicked, this,
            handler(QStringLiteral("OKButton_Click"), [this] { OKButton_Click(); }));
    connect(CancelButton, &QPushButton::clicked, this, [this] { closeWindow(); });
    for (QPlainTextEdit* edit : {txtDescription, txtExplanation, txtDevelopment})
        connect(edit, &QPlainTextEdit::textChanged, this, [this] { markChanged(); });
    for (QComboBox* list : {txtDiscipline, txtStage})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { markChanged(); });
    connect(m_field, &DrillField::markerDropped, this,
            handler(QStringLiteral("PracticeField_DragDrop"),
                    [this](const MarkerDrag& drag, QPoint topLeft) { PracticeField_DragDrop(drag, topLeft); }));
    connect(m_field, &DrillField::lineFinished, this,
            handler(QStringLiteral("PracticeField_MouseUp"), [this](const DrillLine& line) {
                changeDiagram(tr("Draw line"), [&](DrillDiagram& d) { d.addLine(line); });
            }));
    connect(m_field, &DrillField::moveKey, this,
            handler(QStringLiteral("PracticeField_KeyDown"), [this](int dx, int dy) { moveByKey(dx, dy); }));
    connect(m_field, &DrillField::benchKey, this,
            handler(QStringLiteral("PracticeField_KeyDown"), [this] { benchByKey(); }));
    connect(Garbage, &DrillBench::benched, this,
            handler(QStringLiteral("Garbage_DragDrop"), [this](int number) { Garbage_DragDrop(number); }));
}

dlgDrillMaint::~dlgDrillMaint() = default;

void dlgDrillMaint::showDrills(QWidget* parent)
{
    Modal<dlgDrillMaint> window(parent);
    window.exec();
}

void dlgDrillMaint::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(bar);

    QMenu* drillMenu = bar->addMenu(tr("&Drill"));
    drillMenu->setObjectName(QStringLiteral("mnuDrill"));
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto body) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler(QString::fromLatin1(name), body));
        return a;
    };
    add(drillMenu, "mnuAddNew", tr("Add New"), [this] { AddNew_Click(); });
    m_addCopy = add(drillMenu, "mnuAddCopy", tr("Add New (Copy Current)"), [this] { AddCopy_Click(); });
    m_remove = add(drillMenu, "mnuRemove", tr("Remove Selected"), [this] { RemoveSelected_Click(); });
    drillMenu->addSeparator();
    m_update = add(drillMenu, "mnuUpdate", tr("Update"), [this] { OKButton_Click(); });
    m_update->setShortcut(QKeySequence::Save);
    drillMenu->addSeparator();
    QAction* close = drillMenu->addAction(tr("Close"));
    close->setObjectName(QStringLiteral("mnuClose"));
    connect(close, &QAction::triggered, this, [this] { closeWindow(); });

    QMenu* sortMenu = bar->addMenu(tr("SortBy"));
    sortMenu->setObjectName(QStringLiteral("SortBy"));
    auto* sortGroup = new QActionGroup(this);
    const QStringList captions{drillTypeName(0), drillTypeName(1), tr("Techniques and Tactics")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = sortMenu->addAction(captions[i]);
        a->setObjectName(QStringLiteral("SortBy_%1").arg(i));
        a->setCheckable(true);
        sortGroup->addAction(a);
        connect(a, &QAction::triggered, this, handler(QStringLiteral("SortBy_Click"), [this, i] { SortBy_Click(i); }));
        m_sortBy << a;
    }
    m_sortBy[2]->setChecked(true);
}

// ---------------------------------------------------------------- the list

qint32 dlgDrillMaint::listedDrillId(int row) const
{
    const QListWidgetItem* item = DrillList->item(row);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void dlgDrillMaint::FillDrillList(int ActiveIndex)
{
    m_filter = std::clamp(ActiveIndex, 0, 2);
    const QSignalBlocker quiet(DrillList);
    DrillList->clear();
    m_shownRow = -1;
    for (const DrillListEntry& e : ::pw::FillDrillList(m_filter)) {
        auto* item = new QListWidgetItem(e.name, DrillList);
        item->setData(Qt::UserRole, e.id);
        if (e.id == m_drill.id && m_drill.id != 0)
            m_shownRow = DrillList->count() - 1;
    }
    DrillList->setCurrentRow(m_shownRow);
}

void dlgDrillMaint::SortBy_Click(int index)
{
    if (!settleChanges()) {
        m_sortBy[m_filter]->setChecked(true);
        return;
    }
    m_sortBy[std::clamp(index, 0, 2)]->setChecked(true);
    load(QStringLiteral("SortBy_Click"), [&] {
        clearDrill();
        FillDrillList(index);
    });
}

void dlgDrillMaint::showAllTypes()
{
    m_sortBy[2]->setChecked(true);
    FillDrillList(2);
}

void dlgDrillMaint::DrillList_Click(int row)
{
    if (row == m_shownRow)
        return;
    // The drill on screen keeps its row until the coach has settled its changes.
    if (!settleChanges()) {
        const QSignalBlocker quiet(DrillList);
        DrillList->setCurrentRow(m_shownRow);
        return;
    }
    DrillSwitchTmr->start();
}

void dlgDrillMaint::DrillSwitchTmr_Timer()
{
    DrillSwitchTmr->stop();
    const int row = DrillList->currentRow();
    if (row < 0 || row == m_shownRow)
        return;
    showDrill(listedDrillId(row));
    m_shownRow = row;
}

void dlgDrillMaint::openDrill(qint32 drillId)
{
    DrillSwitchTmr->stop();
    for (int row = 0; row < DrillList->count(); ++row) {
        if (listedDrillId(row) == drillId) {
            const QSignalBlocker quiet(DrillList);
            DrillList->setCurrentRow(row);
            m_shownRow = row;
        }
    }
    showDrill(drillId);
}

// ---------------------------------------------------------------- one drill

void dlgDrillMaint::fillTypeLists(int type, const QString& discipline, const QString& stage, bool keepUnlisted)
{
    auto fill = [keepUnlisted](QComboBox* list, const QStringList& items, const QString& current) {
        const QSignalBlocker quiet(list);
        list->clear();
        // Shown in the coach's language, kept as stored.
        for (const QString& item : items)
            list->addItem(drillWordText(item), item);
        if (keepUnlisted && !current.isEmpty() && list->findData(current) < 0)
            list->addItem(current, current);
        list->setCurrentIndex(list->findData(current));
    };
    fill(txtDiscipline, drillDisciplines(type), discipline);
    fill(txtStage, drillStages(type), stage);
}

void dlgDrillMaint::clearDrill()
{
    m_drawing.cancel();
    const qint16 type = m_drill.type;
    m_drill = Drill{};
    m_drill.type = type;
    m_field->setSelectedMarker(0);
    m_field->update();
    txtDrillName->clear();
    for (QPlainTextEdit* edit : {txtDescription, txtExplanation, txtDevelopment})
        edit->clear();
    txtDiscipline->setCurrentIndex(-1);
    txtStage->setCurrentIndex(-1);
    undoStack()->clear();
    setEditable(false);
}

void dlgDrillMaint::showDrill(qint32 drillId)
{
    undoStack()->clear();
    load(QStringLiteral("DrillSwitchTmr_Timer"), [&] {
        clearDrill();
        const std::optional<Drill> drill = ::pw::loadDrill(drillId);
        if (!drill)
            return;
        m_drill = *drill;
        txtDrillName->setText(m_drill.name);
        txtDrillName->setCursorPosition(0);
        optDrillType->button(m_drill.type == 1 ? 1 : 0)->setChecked(true);
        fillTypeLists(m_drill.type, m_drill.discipline, m_drill.stage);
        txtDescription->setPlainText(m_drill.description);
        txtExplanation->setPlainText(m_drill.explanation);
        txtDevelopment->setPlainText(m_drill.development);
        m_field->update();
        setEditable(!m_drill.isBuiltIn());
    });
}

void dlgDrillMaint::setEditable(bool editable)
{
    const bool open = m_drill.id != 0;
    for (QPlainTextEdit* edit : {txtDescription, txtExplanation, txtDevelopment})
        edit->setReadOnly(!editable);
    for (QWidget* w : std::initializer_list<QWidget*>{txtDiscipline, txtStage, Garbage, ClearPass, OKButton})
        w->setEnabled(editable);
    for (QAbstractButton* b : optDrillType->buttons())
        b->setEnabled(editable);
    for (QAbstractButton* b : chkLine->buttons() + chkPassType->buttons())
        b->setEnabled(editable);
    for (MarkerPaletteItem* item : m_palette)
        item->setEnabled(editable);
    m_field->setEditable(editable);
    m_update->setEnabled(editable);
    m_addCopy->setEnabled(open);
    m_remove->setEnabled(open && !m_drill.isBuiltIn());
    lblupdate->setVisible(open && m_drill.isBuiltIn());
}

void dlgDrillMaint::optDrillType_Click(int index)
{
    PW_TRACE(QStringLiteral("optDrillType_Click"), traceArg(QStringLiteral("Index"), index));
    const int type = index == 1 ? 1 : 0;
    optDrillType->button(type)->setChecked(true);
    if (type == m_drill.type)
        return;
    m_drill.type = qint16(type);
    // Both lists change with the type; a discipline both types know ("Attacking") stays picked.
    fillTypeLists(type, txtDiscipline->currentData().toString(), txtStage->currentData().toString(), false);
    markChanged();
}

// ---------------------------------------------------------------- storing

bool dlgDrillMaint::save()
{
    if (m_drill.id == 0 || m_drill.isBuiltIn())
        return true;
    Drill d = m_drill;
    d.type = qint16(optDrillType->checkedId() == 1 ? 1 : 0);
    d.discipline = txtDiscipline->currentData().toString();
    d.stage = txtStage->currentData().toString();

    d.description = txtDescription->toPlainText();
    d.explanation = txtExplanation->toPlainText();
    d.development = txtDevelopment->toPlainText();
    if (!saveDrill(d))
        return false;
    m_drill = d;
    markSaved();
    return true;
}

void dlgDrillMaint::OKButton_Click()
{
    save();
}

void dlgDrillMaint::AddNew_Click()
{
    if (!settleChanges())
        return;
    const std::optional<QString> name =
        prompter().inputText(tr("New Drill"), tr("Enter the name of the new drill."), QString());
    if (!name || name->trimmed().isEmpty())
        return;
    const qint32 id = addDrill(name->trimmed(), m_drill.type);
    if (id == 0)
        return;
    // A new drill the list's filter would hide is shown with all the others.
    if (m_filter != 2 && m_filter != m_drill.type)
        showAllTypes();
    else
        FillDrillList(m_filter);
    openDrill(id);
}

void dlgDrillMaint::AddCopy_Click()
{
    if (m_drill.id == 0 || !settleChanges())
        return;
    const std::optional<QString> name = prompter().inputText(tr("New Drill"), tr("Enter New Drill Name:"), QString());
    if (!name || name->trimmed().isEmpty())
        return;
    const qint32 id = copyDrill(m_drill.id, name->trimmed());
    if (id == 0)
        return;
    FillDrillList(m_filter);
    openDrill(id);
}

void dlgDrillMaint::RemoveSelected_Click()
{
    if (m_drill.id == 0 || m_drill.isBuiltIn())
        return;
    if (!removeDrill(m_drill.id))
        return;
    load(QStringLiteral("RemoveSelected_Click"), [this] {
        clearDrill();
        FillDrillList(m_filter);
    });
}

// ---------------------------------------------------------------- the diagram

void dlgDrillMaint::setDiagram(const DrillDiagram& diagram)
{
    m_drill.diagram = diagram;
    m_field->setSelectedMarker(std::min(m_field->selectedMarker(), diagram.markerCount()));
    m_field->update();
}

void dlgDrillMaint::changeDiagram(const QString& text, const std::function<void(DrillDiagram&)>& change, int mergeKey)
{
    if (!m_field->isEditable())
        return;
    DrillDiagram after = m_drill.diagram;
    change(after);
    if (after == m_drill.diagram)
        return;
    undoStack()->push(new DrillDiagramCommand(*this, text, m_drill.diagram, std::move(after), mergeKey));
}

void dlgDrillMaint::PracticeField_DragDrop(const MarkerDrag& drag, QPoint topLeft)
{
    if (drag.moving) {
        const int number = drag.kindOrNumber;
        if (number < 1 || number > diagram().markerCount())
            return;
        changeDiagram(tr("Move marker"), [&](DrillDiagram& d) { d.moveMarker(number, topLeft); });
        m_field->setSelectedMarker(number);
        return;
    }
    if (markerToolTip(drag.kindOrNumber).isEmpty())
        return;
    changeDiagram(tr("Place marker"), [&](DrillDiagram& d) { d.addMarker(drag.kindOrNumber, topLeft); });
    m_field->setSelectedMarker(diagram().markerCount());
}

void dlgDrillMaint::Garbage_DragDrop(int number)
{
    if (number < 1 || number > diagram().markerCount())
        return;
    changeDiagram(tr("Bench marker"), [&](DrillDiagram& d) { d.removeMarker(number); });
    m_field->setSelectedMarker(0);
}

void dlgDrillMaint::placeByKey(int kind)
{
    QPoint at((kDrillFieldWidth - kDrillMarkerSize) / 2, (kDrillFieldHeight - kDrillMarkerSize) / 2);
    auto taken = [&](QPoint p) {
        return std::any_of(diagram().markers().begin(), diagram().markers().end(),
                           [&](const DrillMarker& m) { return m.topLeft == p; });
    };
    for (int i = 0; i < 8 && taken(at); ++i)
        at += QPoint(kKeyPlaceStep, kKeyPlaceStep / 2);
    PracticeField_DragDrop(MarkerDrag{false, kind, {}}, at);
}

void dlgDrillMaint::moveByKey(int dx, int dy)
{
    const int number = m_field->selectedMarker();
    if (number < 1 || number > diagram().markerCount())
        return;
    const QPoint from = diagram().marker(number).topLeft;
    const QPoint to = clampMarker(from + QPoint(dx, dy));
    changeDiagram(
        tr("Move marker"), [&](DrillDiagram& d) { d.moveMarker(number, to); }, number);
}

void dlgDrillMaint::benchByKey()
{
    Garbage_DragDrop(m_field->selectedMarker());
}

void dlgDrillMaint::ClearPass_Click()
{
    m_drawing.cancel();
    changeDiagram(tr("Clear pass lines"), [](DrillDiagram& d) { d.clearLines(); });
    m_field->update();
}

void dlgDrillMaint::chkLine_Click(int kind)
{
    PW_TRACE(QStringLiteral("chkLine_Click"), traceArg(QStringLiteral("Index"), kind));
    m_drawing.setKind(qint16(kind));
    syncLineBoxes();
    m_field->update();
}

void dlgDrillMaint::chkPassType_Click(int style)
{
    PW_TRACE(QStringLiteral("chkPassType_Click"), traceArg(QStringLiteral("Index"), style));
    m_drawing.setStyle(qint16(style));
    syncLineBoxes();
    m_field->update();
}

void dlgDrillMaint::syncLineBoxes()
{
    if (QAbstractButton* b = chkLine->button(m_drawing.kind()))
        b->setChecked(true);
    if (QAbstractButton* b = chkPassType->button(m_drawing.style()))
        b->setChecked(true);
}

}  // namespace pw
