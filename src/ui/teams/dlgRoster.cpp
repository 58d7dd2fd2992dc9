// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/dlgRoster.h"

#include "common/Selection.h"
#include "common/Trace.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace pw {

RosterLinesModel::RosterLinesModel(QObject* parent)
    : RowTableModel<RosterLine>({tr("Player Name"), tr("Phone No."), tr("Parents"), tr("E-Mail")}, parent)
{
}

QVariant RosterLinesModel::data(const QModelIndex& index, int role) const
{
    const RosterLine* line = row(index.row());
    if (!line || role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return line->name;
    case 1: return line->phone;
    case 2: return line->parents;
    case 3: return line->email;
    default: return {};
    }
}

dlgRoster::dlgRoster(qint16 teamNo, QWidget* parent)
    : QDialog(parent)
    , m_model(new RosterLinesModel(this))
{
    setObjectName(QStringLiteral("dlgRoster"));
    setWindowTitle(tr("Team Roster"));
    RosterGrid = new QTableView(this);
    RosterGrid->setObjectName(QStringLiteral("RosterGrid"));
    RosterGrid->setModel(m_model);
    RosterGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RosterGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    RosterGrid->setAlternatingRowColors(true);
    RosterGrid->verticalHeader()->hide();
    RosterGrid->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CloseBtn"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RosterGrid, 1);
    layout->addWidget(buttons);
    guarded(QStringLiteral("dlgRoster_Load"), {}, [&] { m_model->setRows(rosterLines(teamNo)); });
    RosterGrid->resizeColumnsToContents();
    // Wide enough to read every column without scrolling, as far as the screen allows.
    int width = RosterGrid->verticalScrollBar()->sizeHint().width() + 2 * RosterGrid->frameWidth();
    for (int c = 0; c < m_model->columnCount(); ++c)
        width += RosterGrid->columnWidth(c);
    resize(std::min(std::max(width + 40, 560), 1100), 420);
}

}  // namespace pw
