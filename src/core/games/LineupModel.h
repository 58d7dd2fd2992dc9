// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

namespace pw {

class LineupBoard;

// The line-up board's roster grid: one row per player ("*" before a captain's name, "X" in each
// period he stands on the field, "PT" and "QP"), then the Totals row with each period's count.
// Period cells of a period the player is not available in are yellow; name cells have the
// button face. The model follows the board and keeps no state of its own.
class LineupModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name = 0, FirstPeriod = 1, PT = 5, QP = 6, ColumnCount = 7 };
    // Qt::UserRole of a player row is the player's number; the Totals row has none.
    static constexpr int PlayerNoRole = Qt::UserRole;

    explicit LineupModel(const LineupBoard& board, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The player of a grid row; 0 for the Totals row.
    qint16 playerNo(int row) const;
    int totalsRow() const;
    // The name cell: "*" for a captain, then the name.
    QString nameCell(qint16 playerNo) const;
    static int periodOfColumn(int column) { return column >= FirstPeriod && column < PT ? column : 0; }

private:
    void refreshAll();
    const LineupBoard& m_board;
};

}  // namespace pw
