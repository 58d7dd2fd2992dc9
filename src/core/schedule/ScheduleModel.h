// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/RowTableModel.h"
#include "core/schedule/Schedule.h"

#include <QHash>

namespace pw {

// The schedule editor's grid: one row per slot, "No.", "Opponent", "Date", "Time". An empty
// slot shows only its number.
class ScheduleModel : public RowTableModel<ScheduleSlot> {
    Q_OBJECT
public:
    explicit ScheduleModel(QObject* parent = nullptr);
    // The names the opponent column shows, by opponent number.
    void setOpponents(const QList<ScheduleOpponent>& opponents);
    QVariant data(const QModelIndex& index, int role) const override;
    // What a cell shows.
    QString cellText(int row, int column) const;

private:
    QHash<qint16, QString> m_names;
};

}  // namespace pw
