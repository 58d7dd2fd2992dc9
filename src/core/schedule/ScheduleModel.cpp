// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/ScheduleModel.h"

#include "common/Formats.h"

namespace pw {

ScheduleModel::ScheduleModel(QObject* parent)
    : RowTableModel({tr("No."), tr("Opponent"), tr("Date"), tr("Time")}, parent)
{
}

void ScheduleModel::setOpponents(const QList<ScheduleOpponent>& opponents)
{
    beginResetModel();
    m_names.clear();
    for (const ScheduleOpponent& o : opponents)
        m_names.insert(o.number, shownText(o.name));
    endResetModel();
}

QString ScheduleModel::cellText(int r, int column) const
{
    const ScheduleSlot* s = row(r);
    if (!s)
        return {};
    if (column == 0)
        return QString::number(s->gameNo);
    if (!s->filled())
        return {};
    switch (column) {
    case 1: return m_names.value(s->opponentNo);
    case 2: return s->date.isValid() ? Format(s->date, QStringLiteral("Short Date")) : QString();
    case 3: {
        // Kick-off texts the add dialog wrote ("1:30 PM") show the same way as the editor's.
        const QTime t = parseGameTime(s->timeText);
        return t.isValid() ? gameTimeText(t) : shownText(s->timeText);
    }
    default: return {};
    }
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole: return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == 1 ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter)) : QVariant(int(Qt::AlignCenter));
    default: return {};
    }
}

}  // namespace pw
