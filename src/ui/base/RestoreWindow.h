// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/RowTableModel.h"
#include "data/Backup.h"

#include <QDialog>

class QPushButton;
class QTableView;

namespace pw {

// The automatic backups, newest first: when each was made and why.
class BackupListModel : public RowTableModel<BackupEntry> {
public:
    explicit BackupListModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
};

// File > "Back Up Now…": asks where to write a copy of the open database (a file named by today's
// date beside the database is proposed), writes it and says so in one line. On a server it says
// how the club's server is backed up instead.
void backUpNow();

// File > "Restore…": the automatic backups in a list, "Choose File…" for any other backup, and
// "Restore", which asks before the open database is replaced. Opened only for a database file.
class RestoreWindow : public QDialog {
    Q_OBJECT
public:
    explicit RestoreWindow(QWidget* parent = nullptr);

    BackupListModel& model() const { return *m_model; }
    QTableView* list() const { return BackupList; }
    // Fills the list from the Backups folder, the newest selected.
    void fillList();

    void RestoreBtn_Click();
    void ChooseFileBtn_Click();

private:
    // Asks before the open database is replaced by the backup at path, then restores it. True
    // when it was restored.
    bool confirmAndRestore(const QString& path, const QString& shown);
    void selectionChanged();

    BackupListModel* m_model = nullptr;
    QTableView* BackupList = nullptr;
    QPushButton* RestoreBtn = nullptr;
    QPushButton* ChooseFileBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

// Opens the Restore window over parent, or on a server says how the club's server is backed up.
void openRestoreWindow(QWidget* parent);

}  // namespace pw
