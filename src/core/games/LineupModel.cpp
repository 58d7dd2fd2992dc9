// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/LineupModel.h"

#include "core/games/Lineup.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace pw {

LineupModel::LineupModel(const LineupBoard& board, QObject* parent)
    : QAbstractTableModel(parent)
    , m_board(board)
{
    connect(&board, &LineupBoard::rosterAboutToChange, this, [this] { beginResetModel(); });
    connect(&board, &LineupBoard::rosterChanged, this, [this] { endResetModel(); });
    connect(&board, &LineupBoard::lineupChanged, this, &LineupModel::refreshAll);
    connect(&board, &LineupBoard::availabilityChanged, this, &LineupModel::refreshAll);
    connect(&board, &LineupBoard::captainChanged, this, [this](qint16 playerNo) {
        const QModelIndex cell = index(m_board.rowOf(playerNo), Name);
        Q_EMIT dataChanged(cell, cell);
    });
}

void LineupModel::refreshAll()
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int LineupModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_board.players().size()) + 1;
}

int LineupModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int LineupModel::totalsRow() const
{
    return static_cast<int>(m_board.players().size());
}

qint16 LineupModel::playerNo(int row) const
{
    return row >= 0 && row < totalsRow() ? m_board.players()[row].playerNo : qint16(0);
}

QString LineupModel::nameCell(qint16 no) const
{
    const LineupPlayer* p = m_board.player(no);
    return p ? (p->captain ? QStringLiteral("*") : QString()) + p->name : QString();
}

QVariant LineupModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == Name)
        return tr("Player");
    if (section == PT)
        return QStringLiteral("PT");
    if (section == QP)
        return QStringLiteral("QP");
    return QStringLiteral("Prd") + QString::number(section);
}

QVariant LineupModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    const int period = periodOfColumn(column);
    const bool totals = index.row() == totalsRow();
    const qint16 no = playerNo(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (totals) {
            if (column == Name)
                return tr("Totals");
            return period > 0 ? QVariant(QString::number(m_board.PlacedCount(period))) : QVariant();
        }
        if (column == Name)
            return nameCell(no);
        if (period > 0)
            return m_board.slot(period, no).PlaceNo > 0 ? QStringLiteral("X") : QString();
        return column == PT ? m_board.ptText(no) : m_board.qpText(no);
    case Qt::BackgroundRole:
        if (column == Name)
            return QGuiApplication::palette().color(QPalette::Button);
        if (!totals && period > 0 && !m_board.available(period, no))
            return QColor(Qt::yellow);
        return {};
    case Qt::ForegroundRole:
        // Dark text on the yellow of an unavailable period, whatever the colour scheme.
        if (!totals && period > 0 && !m_board.available(period, no))
            return QColor(Qt::black);
        if (column == Name)
            return QGuiApplication::palette().color(QPalette::ButtonText);
        return {};
    case Qt::TextAlignmentRole: return column == Name ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case Qt::ToolTipRole:
        if (!totals && period > 0 && !m_board.available(period, no))
            return tr("Not available in period %1").arg(period);
        return {};
    case Qt::AccessibleTextRole:
        // The yellow says it to the eye; a screen reader needs the words.
        if (!totals && period > 0 && !m_board.available(period, no))
            return tr("not available");
        return {};
    case PlayerNoRole: return totals ? QVariant() : QVariant(no);
    default: return {};
    }
}

}  // namespace pw
