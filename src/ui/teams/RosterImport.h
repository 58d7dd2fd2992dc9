// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/RowTableModel.h"
#include "core/teams/RosterCsv.h"
#include "ui/base/EditWindow.h"

#include <QHash>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace pw {

// The rows of an import as they would be stored: the file's line, what is wrong with the row,
// what storing does with it, then every field. A duplicate's choice (Update or Skip) is its check
// box in the "Action" column.
class ImportPreviewModel : public RowTableModel<ImportRow> {
public:
    enum Column { LineColumn, ProblemColumn, ActionColumn, FirstFieldColumn };
    explicit ImportPreviewModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // New rows; when as many as before, shown without a reset.
    void updateRows(QList<ImportRow> rows);

    // Called when the coach turns a duplicate to Update (skip false) or Skip.
    std::function<void(int line, bool skip)> onChoice;

    static QString actionText(const ImportRow& row);
};

// "Import Roster": a club's or an exported roster file read into the team. The coach sees every
// row as it would be stored, changes which column feeds which field and whether duplicates update
// or are skipped, and imports the good rows in one go.
class RosterImportWindow : public EditWindow {
    Q_OBJECT
public:
    RosterImportWindow(qint16 teamNo, const QString& path, QWidget* parent = nullptr);

    const RosterImportPlan& plan() const { return m_plan; }
    ImportPreviewModel* model() const { return m_model; }
    QTableView* grid() const { return PreviewGrid; }
    // The picker of the field the file's column feeds.
    QComboBox* matchBox(int column) const { return m_matchBoxes.value(column); }

protected:
    bool save() override;

private:
    void buildMatching();
    void buildLayout();
    void replan();
    void showSummary();
    void fitColumns();
    void matchChanged(int column);

    qint16 m_teamNo = 0;
    QByteArray m_bytes;
    RosterImportPlan m_plan;
    QString m_stored;  // what the last import stored, for the summary
    ImportPreviewModel* m_model = nullptr;
    QList<QComboBox*> m_matchBoxes;
    QHash<int, int> m_gaveUp;  // column -> the column its field went to
    QWidget* m_matchArea = nullptr;
    QTableView* PreviewGrid = nullptr;
    QLabel* lblSummary = nullptr;
    QPushButton* ImportBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

// Player > Export Roster: asks for the file (proposing "<Team> roster.csv") and whether to add a
// byte-order mark, then writes it.
void exportRosterAsked(qint16 teamNo);

}  // namespace pw
