// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/practice/PracticeModel.h"

#include "common/Trace.h"
#include "core/practice/DrillDiagram.h"

#include <QColor>
#include <QFont>
#include <QRegularExpression>

namespace pw {

int CountLines(const QString& lcStr, int lcMaxLen)
{
    PW_TRACE(QStringLiteral("CountLines"),
             traceArg(QStringLiteral("lcStr"), lcStr.left(40)) + traceArg(QStringLiteral("lcMaxLen"), lcMaxLen));
    const int width = std::max(1, lcMaxLen);
    int lines = 0;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& paragraph : lcStr.split(lineEnd)) {
        int used = 0;  // characters on the current line
        int count = 1;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            qsizetype len = word.size();
            if (used > 0 && used + 1 + len <= width) {
                used += 1 + int(len);
                continue;
            }
            if (used > 0)
                ++count;  // the word goes to the next line
            // A word longer than a line is cut where the line ends, as the grid does.
            while (len > width) {
                ++count;
                len -= width;
            }
            used = int(len);
        }
        lines += count;
    }
    return std::max(1, lines);
}

PracticeModel::PracticeModel(PracticeSession& session, QObject* parent)
    : QAbstractTableModel(parent)
    , m_session(session)
{
}

void PracticeModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void PracticeModel::refreshRow(int row)
{
    if (row >= 0 && row < rowCount())
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int PracticeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_session.rows.size());
}

int PracticeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_session.teamMeeting ? 3 : 5;
}

QList<int> PracticeModel::wrappedColumns() const
{
    return m_session.teamMeeting ? QList<int>{AgendaItem, Notes} : QList<int>{Drill, Description, Discipline};
}

QString PracticeModel::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const AgendaRow& r = m_session.rows.at(row);
    if (column == Time)
        return slotTimeText(r.time);
    if (m_session.teamMeeting) {
        switch (column) {
        case AgendaItem: return r.agendaItem;
        case Notes: return r.agendaNotes;
        default: return {};
        }
    }
    switch (column) {
    case Drill: return r.drillName;
    case Description: return r.description;
    case Discipline: return drillWordText(r.discipline);
    case Coach: return coachText(r.coach);

    default: return {};
    }
}

void PracticeModel::setCellText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount())
        return;
    AgendaRow& r = m_session.rows[row];
    if (m_session.teamMeeting) {
        if (column == AgendaItem)
            r.agendaItem = text;
        else if (column == Notes)
            r.agendaNotes = text;
        else
            return;
    } else if (column == Description) {
        r.description = text;
    } else if (column == Coach) {
        r.coach = text;
    } else {
        return;
    }
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell);
}

QVariant PracticeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const AgendaRow& r = m_session.rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return cellText(index.row(), index.column());
    case DrillIdRole: return r.drillId;
    case SplitRole: return r.split;
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignLeft | Qt::AlignTop);
    case Qt::BackgroundRole: {
        // Both groups of a split slot share a tint, so that the coach sees them as one slot.
        const bool splitSlot = r.split || (index.row() + 1 < rowCount() && m_session.rows.at(index.row() + 1).split);
        if (splitSlot)
            return QColor(0xE3, 0xEE, 0xFA);
        if (index.column() == Time)
            return QColor(0xF2, 0xF2, 0xF2);
        return {};
    }
    case Qt::FontRole:
        if (r.split && index.column() == Time) {
            QFont second;
            second.setItalic(true);
            return second;
        }
        return {};
    case Qt::ToolTipRole:
        if (r.split && index.column() == Time)
            return tr("Second group of the %1 slot").arg(slotTimeText(r.time));
        return {};
    default: return {};
    }
}

QVariant PracticeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList training{tr("Time"), tr("Drill/Evolution"), tr("Description"), tr("Discipline"), tr("Coach")};
    const QStringList meeting{tr("Time"), tr("Agenda Item"), tr("Notes")};
    return (m_session.teamMeeting ? meeting : training).value(section);
}

}  // namespace pw
