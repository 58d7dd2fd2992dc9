// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/RowTableModel.h"
#include "core/teams/PlayerProfile.h"

#include <QCoreApplication>
#include <QDialog>

class QTableView;

namespace pw {

class RosterLinesModel : public RowTableModel<RosterLine> {
    Q_DECLARE_TR_FUNCTIONS(RosterLinesModel)

public:
    explicit RosterLinesModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
};

// "Team Roster": the team's players with phone, parents and e-mail, to read at a glance.
class dlgRoster : public QDialog {
    Q_OBJECT
public:
    explicit dlgRoster(qint16 teamNo, QWidget* parent = nullptr);

    RosterLinesModel* model() const { return m_model; }
    QTableView* grid() const { return RosterGrid; }

private:
    RosterLinesModel* m_model = nullptr;
    QTableView* RosterGrid = nullptr;
};

}  // namespace pw
