// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/PracticeSession.h"

#include <QAbstractTableModel>

namespace pw {

// CountLines: the lines a text needs when it is broken at its line ends and wrapped at lcMaxLen
// characters, words kept whole where they fit. At least one.
int CountLines(const QString& lcStr, int lcMaxLen);

// The agenda grid of a practice session: "Time", "Drill/Evolution", "Description", "Discipline",
// "Coach" for a training session, "Time", "Agenda Item", "Notes" for a team meeting. It shows the
// session's rows and writes the cells the coach types into back to them; the session is the state.
class PracticeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time = 0, Drill = 1, Description = 2, Discipline = 3, Coach = 4, AgendaItem = 1, Notes = 2 };
    // The row value: the drill, 0 for an empty row, -1 for a teaching moment.
    static constexpr int DrillIdRole = Qt::UserRole;
    // True for the second group of a split slot.
    static constexpr int SplitRole = Qt::UserRole + 1;

    explicit PracticeModel(PracticeSession& session, QObject* parent = nullptr);

    // The session's rows or its mode changed as a whole.
    void refresh();
    // One row of the session changed (0-based).
    void refreshRow(int row);

    // The text of a cell (0-based row); writes go to the session's row.
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    // The columns whose text wraps and sets the row's height.
    QList<int> wrappedColumns() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    PracticeSession& m_session;
};

}  // namespace pw
