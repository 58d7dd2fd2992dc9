// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/RosterImport.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"

#include <QBrush>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace pw {

namespace {

QStringList previewHeaders()
{
    QStringList h{RosterImportWindow::tr("Line"), RosterImportWindow::tr("Problem"), RosterImportWindow::tr("Action")};
    for (RosterField f : rosterFields())
        h << rosterFieldLabel(f);
    return h;
}

}  // namespace

ImportPreviewModel::ImportPreviewModel(QObject* parent)
    : RowTableModel<ImportRow>(previewHeaders(), parent)
{
}

QString ImportPreviewModel::actionText(const ImportRow& row)
{
    if (!row.error.isEmpty())
        return RosterImportWindow::tr("Not imported");
    if (!row.duplicate())
        return RosterImportWindow::tr("Add");
    if (row.skip)
        return RosterImportWindow::tr("Skip");
    return row.unchanged ? RosterImportWindow::tr("Update (no change)") : RosterImportWindow::tr("Update");
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    const ImportRow* r = row(index.row());
    if (!r)
        return {};
    const bool bad = !r->error.isEmpty();
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == LineColumn)
            return r->line;
        if (index.column() == ProblemColumn)
            return shownText(r->error);
        if (index.column() == ActionColumn)
            return actionText(*r);
        return shownText(rosterValue(r->player, rosterFields().value(index.column() - FirstFieldColumn)));
    case Qt::ToolTipRole:
        // The reason reaches the coach wherever the pointer rests on the row, not by its colour alone.
        return bad ? shownText(r->error) : QVariant();
    case Qt::ForegroundRole: return bad ? QVariant(QBrush(QColor(0xA0, 0x00, 0x10))) : QVariant();
    case Qt::BackgroundRole:
        // Behind the row's own columns, which always say something: an empty cell stays plain.
        return bad && index.column() < FirstFieldColumn ? QVariant(QBrush(QColor(0xFF, 0xE4, 0xE4))) : QVariant();
    case Qt::CheckStateRole:
        if (index.column() == ActionColumn && r->duplicate() && !bad)
            return r->skip ? Qt::Unchecked : Qt::Checked;
        return {};
    default: return {};
    }
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = RowTableModel<ImportRow>::flags(index);
    const ImportRow* r = row(index.row());
    if (r && index.column() == ActionColumn && r->duplicate() && r->error.isEmpty())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

void ImportPreviewModel::updateRows(QList<ImportRow> rows)
{
    if (rows.size() != m_rows.size()) {
        setRows(std::move(rows));
        return;
    }
    // The same rows seen anew: the grid keeps its current cell, where the keyboard left it.
    m_rows = std::move(rows);
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool ImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const ImportRow* r = row(index.row());
    if (!r || role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const bool skip = value.toInt() != Qt::Checked;
    if (skip != r->skip && onChoice)
        onChoice(r->line, skip);
    return true;
}

RosterImportWindow::RosterImportWindow(qint16 teamNo, const QString& path, QWidget* parent)
    : EditWindow(parent)
    , m_teamNo(teamNo)
    , m_model(new ImportPreviewModel(this))
{
    setObjectName(QStringLiteral("RosterImportWindow"));
    setWindowTitle(tr("Import Roster"));
    setUnsavedQuestion(tr("Import Roster"), tr("Import the players read from the file before closing?"));
    load(QStringLiteral("RosterImport_Load"), [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            // Said in the window's summary line: there is nothing to import, and the coach closes it.
            m_plan.error = tr("Cannot read %1: %2").arg(path, file.errorString());
            return;
        }
        m_bytes = file.readAll();
        m_plan = planImport(m_teamNo, m_bytes);
    });
    buildMatching();
    buildLayout();
    setDirtyMarker(this, nullptr);
    m_model->onChoice = [this](int line, bool skip) {
        guarded(QStringLiteral("PreviewGrid_Choice"), {}, [&] {
            if (skip)
                m_plan.mapping.skippedLines.insert(line);
            else
                m_plan.mapping.skippedLines.remove(line);
            markChanged();
            replan();
        });
    };
    m_model->setRows(m_plan.rows);
    showSummary();
    fitColumns();
    resize(1100, 620);
}

void RosterImportWindow::buildMatching()
{
    m_matchArea = new QWidget;
    m_matchArea->setObjectName(QStringLiteral("MatchArea"));
    auto* form = new QFormLayout(m_matchArea);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    for (int c = 0; c < m_plan.headers.size(); ++c) {
        const QString header = m_plan.headers.at(c).simplified().isEmpty()
                                   ? tr("Column %1").arg(c + 1)
                                   : shownText(m_plan.headers.at(c).simplified());
        auto* box = new QComboBox(m_matchArea);
        box->setObjectName(QStringLiteral("Match%1").arg(c));
        box->setAccessibleName(tr("Field for the column \"%1\"").arg(header));
        box->addItem(tr("(not imported)"), static_cast<int>(RosterField::None));
        for (RosterField f : rosterFields())
            box->addItem(rosterFieldLabel(f), static_cast<int>(f));
        box->setCurrentIndex(box->findData(static_cast<int>(m_plan.mapping.columns.value(c, RosterField::None))));
        auto* label = new QLabel(header, m_matchArea);
        label->setObjectName(QStringLiteral("lblMatch%1").arg(c));
        label->setBuddy(box);
        label->setToolTip(header);
        form->addRow(label, box);
        connect(box, &QComboBox::activated, this,
                handler(QStringLiteral("Match_Click"), [this, c] { matchChanged(c); }));
        m_matchBoxes << box;
    }
}

void RosterImportWindow::buildLayout()
{
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("MatchScroll"));
    scroll->setWidget(m_matchArea);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(m_matchArea->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    auto* matchBox = new QGroupBox(tr("File Columns"), this);
    matchBox->setObjectName(QStringLiteral("fraMatch"));
    (new QVBoxLayout(matchBox))->addWidget(scroll);

    PreviewGrid = new QTableView(this);
    PreviewGrid->setObjectName(QStringLiteral("PreviewGrid"));
    PreviewGrid->setAccessibleName(tr("Rows as they will be stored"));
    PreviewGrid->setModel(m_model);
    PreviewGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreviewGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    PreviewGrid->verticalHeader()->hide();
    PreviewGrid->setWordWrap(true);
    auto* previewBox = new QGroupBox(tr("Rows as They Will Be Stored"), this);
    previewBox->setObjectName(QStringLiteral("fraPreview"));
    (new QVBoxLayout(previewBox))->addWidget(PreviewGrid);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ImportBtn = new QPushButton(tr("Import"), this);
    ImportBtn->setObjectName(QStringLiteral("ImportBtn"));
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    // Enter in a picker does not import behind the coach's back.
    ImportBtn->setAutoDefault(false);
    CloseBtn->setAutoDefault(false);
    connect(ImportBtn, &QPushButton::clicked, this, handler(QStringLiteral("ImportBtn_Click"), [this] { save(); }));
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* panes = new QHBoxLayout;
    panes->addWidget(matchBox, 0);
    panes->addWidget(previewBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSummary, 1);
    buttons->addWidget(ImportBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    QList<QWidget*> order;
    for (QComboBox* box : std::as_const(m_matchBoxes))
        order << box;
    order << PreviewGrid << ImportBtn << CloseBtn;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void RosterImportWindow::matchChanged(int column)
{
    const auto field = static_cast<RosterField>(m_matchBoxes.at(column)->currentData().toInt());
    const RosterField before = m_plan.mapping.columns.value(column);
    auto show = [this](int c, RosterField f) {
        m_plan.mapping.columns[c] = f;
        m_matchBoxes.at(c)->setCurrentIndex(m_matchBoxes.at(c)->findData(static_cast<int>(f)));
    };
    // A field is fed by one column: the column that fed it gives it up, and takes it back when
    // this column moves on, so that stepping through the list with the arrow keys takes nothing.
    for (auto it = m_gaveUp.begin(); it != m_gaveUp.end();) {
        if (it.value() == column && m_plan.mapping.columns.value(it.key()) == RosterField::None) {
            show(it.key(), before);
            it = m_gaveUp.erase(it);
        } else {
            ++it;
        }
    }
    m_gaveUp.remove(column);
    for (int c = 0; c < m_matchBoxes.size(); ++c) {
        if (c != column && field != RosterField::None && m_plan.mapping.columns.value(c) == field) {
            show(c, RosterField::None);
            m_gaveUp.insert(c, column);
        }
    }
    m_plan.mapping.columns[column] = field;
    markChanged();
    replan();
}

void RosterImportWindow::replan()
{
    m_stored.clear();
    m_plan = planImport(m_teamNo, m_bytes, m_plan.mapping);
    m_model->updateRows(m_plan.rows);
    showSummary();
    fitColumns();
}

void RosterImportWindow::fitColumns()
{
    PreviewGrid->resizeColumnsToContents();
    // A long reason wraps onto more lines rather than pushing the fields out of sight.
    const int widest = fontMetrics().averageCharWidth() * 40;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (PreviewGrid->columnWidth(c) > widest)
            PreviewGrid->setColumnWidth(c, widest);
    }
    PreviewGrid->resizeRowsToContents();
}

void RosterImportWindow::showSummary()
{
    int add = 0, update = 0, same = 0, skip = 0;
    for (const ImportRow& r : m_plan.rows) {
        if (!r.error.isEmpty())
            continue;
        add += !r.duplicate();
        update += r.stored() && r.duplicate();
        same += r.duplicate() && !r.skip && r.unchanged;
        skip += r.skip;
    }
    QString text = m_plan.error;
    if (text.isEmpty())
        text = tr("%1 rows: %2 to add, %3 to update, %4 unchanged, %5 skipped, %6 with errors (not imported).")
                   .arg(m_plan.rows.size())
                   .arg(add)
                   .arg(update)
                   .arg(same)
                   .arg(skip)
                   .arg(m_plan.errorCount());
    if (!m_stored.isEmpty())
        text = m_stored + QLatin1Char(' ') + text;
    lblSummary->setText(text);
    ImportBtn->setEnabled(add + update > 0);
}

bool RosterImportWindow::save()
{
    const ImportResult result = storeImport(m_plan);
    replan();
    m_stored = tr("Imported: %1 added, %2 updated.").arg(result.added).arg(result.updated);
    showSummary();
    markSaved();
    return true;
}

void exportRosterAsked(qint16 teamNo)
{
    const QString title = RosterImportWindow::tr("Export Roster");
    const QString path = prompter().saveFileName(title, QDir::homePath(), rosterFileName(teamNo),
                                                 RosterImportWindow::tr("CSV Files (*.csv)|*.csv"));
    if (path.isEmpty())
        return;
    const auto bom = prompter().message(title, RosterImportWindow::tr("Add byte-order mark for spreadsheet programs?"),
                                        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    try {
        writeRosterFile(teamNo, path, bom == Prompter::Answer::Yes);
    } catch (const PwError& e) {
        prompter().message(title, e.description(), Prompter::Icon::Critical);
    }
}

}  // namespace pw
