// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/RestoreWindow.h"

#include "ui/base/Buttons.h"
#include "ui/base/Modal.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "ui/base/RowList.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace pw {

namespace {

QString databaseFolder()
{
    return QFileInfo(Db::sharedLocation().path).absolutePath();
}

QString databaseFilter()
{
    return RestoreWindow::tr("Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*");
}

}  // namespace

BackupListModel::BackupListModel(QObject* parent)
    : RowTableModel<BackupEntry>({RestoreWindow::tr("Made"), RestoreWindow::tr("Reason")}, parent)
{
}

QVariant BackupListModel::data(const QModelIndex& index, int role) const
{
    const BackupEntry* entry = row(index.row());
    if (!entry || role != Qt::DisplayRole)
        return {};
    return index.column() == 0 ? Format(entry->made, QStringLiteral("General Date")) : backupReasonText(entry->reason);
}

void backUpNow()
{
    guarded(QStringLiteral("FileBackUp_Click"), {}, [] {
        const QString title = RestoreWindow::tr("Back Up Now");
        if (!backupsApply()) {
            prompter().message(title, serverBackupText(), Prompter::Icon::Information);
            return;
        }
        const QString proposed = RestoreWindow::tr("Pitchwise %1.db").arg(QDate::currentDate().toString(Qt::ISODate));
        const QString file = prompter().saveFileName(RestoreWindow::tr("Back Up Database"), databaseFolder(), proposed,
                                                     databaseFilter());
        if (file.isEmpty())
            return;
        backUpTo(file);
        prompter().message(title,
                           RestoreWindow::tr("The database was backed up to %1.").arg(QDir::toNativeSeparators(file)),
                           Prompter::Icon::Information);
    });
}

RestoreWindow::RestoreWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RestoreWindow"));
    setWindowTitle(tr("Restore"));
    setSizeGripEnabled(true);

    m_model = new BackupListModel(this);
    BackupList = new QTableView(this);
    BackupList->setObjectName(QStringLiteral("BackupList"));
    setUpRowList(BackupList, m_model);
    BackupList->horizontalHeader()->setHighlightSections(false);
    BackupList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    BackupList->horizontalHeader()->setStretchLastSection(true);
    BackupList->setAccessibleName(tr("Automatic backups"));

    RestoreBtn = namedButton(tr("&Restore"), "RestoreBtn", this);
    ChooseFileBtn = namedButton(tr("&Choose File…"), "ChooseFileBtn", this);
    CloseBtn = namedButton(tr("Close"), "CloseBtn", this);
    auto* side = new QVBoxLayout;
    side->addWidget(RestoreBtn);
    side->addWidget(ChooseFileBtn);
    side->addStretch(1);
    side->addWidget(CloseBtn);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BackupList, 1);
    layout->addLayout(side);
    setTabOrder(BackupList, RestoreBtn);
    setTabOrder(RestoreBtn, ChooseFileBtn);
    setTabOrder(ChooseFileBtn, CloseBtn);

    connect(RestoreBtn, &QPushButton::clicked, this, &RestoreWindow::RestoreBtn_Click);
    connect(ChooseFileBtn, &QPushButton::clicked, this, &RestoreWindow::ChooseFileBtn_Click);
    connect(CloseBtn, &QPushButton::clicked, this, &RestoreWindow::reject);
    connect(BackupList, &QTableView::doubleClicked, this, [this] { RestoreBtn_Click(); });
    connect(BackupList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RestoreWindow::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &RestoreWindow::selectionChanged);

    resize(fontMetrics().averageCharWidth() * 80, fontMetrics().lineSpacing() * 20);
    fillList();
    BackupList->setFocus();
}

void openRestoreWindow(QWidget* parent)
{
    guarded(QStringLiteral("FileRestore_Click"), {}, [parent] {
        if (!backupsApply()) {
            prompter().message(RestoreWindow::tr("Restore"), serverBackupText(), Prompter::Icon::Information);
            return;
        }
        Modal<RestoreWindow> window(parent);
        window.exec();
    });
}

void RestoreWindow::fillList()
{
    guarded(QStringLiteral("FillBackupList"), {}, [this] {
        m_model->setRows(listBackups());
        if (m_model->rowCount() > 0)
            BackupList->selectRow(0);
        selectionChanged();
    });
}

void RestoreWindow::selectionChanged()
{
    RestoreBtn->setEnabled(BackupList->selectionModel()->hasSelection());
}

void RestoreWindow::RestoreBtn_Click()
{
    guarded(QStringLiteral("RestoreBtn_Click"), {}, [this] {
        const QModelIndexList rows = BackupList->selectionModel()->selectedRows();
        const BackupEntry* entry = rows.isEmpty() ? nullptr : m_model->row(rows.first().row());
        if (!entry)
            return;
        const BackupEntry chosen = *entry;  // the list is filled again by the restore
        const QString shown =
            tr("the backup of %1 (%2)")
                .arg(Format(chosen.made, QStringLiteral("General Date")), backupReasonText(chosen.reason));
        if (confirmAndRestore(chosen.path, shown))
            accept();
    });
}

void RestoreWindow::ChooseFileBtn_Click()
{
    guarded(QStringLiteral("ChooseFileBtn_Click"), {}, [this] {
        const QString file = prompter().openFileName(tr("Restore From Backup"), databaseFolder(), databaseFilter());
        if (file.isEmpty())
            return;
        const BackupFileCheck check = checkBackupFile(file);
        if (!check.ok()) {
            prompter().message(tr("Restore"), check.problem, Prompter::Icon::Exclamation);
            return;
        }
        if (confirmAndRestore(file, QDir::toNativeSeparators(file)))
            accept();
    });
}

bool RestoreWindow::confirmAndRestore(const QString& path, const QString& shown)
{
    const auto answer =
        prompter().message(tr("Restore"),
                           tr("Replace the open database by %1?\n\nThe database as it is now is backed up first; "
                              "that backup is listed in this window.")
                               .arg(shown),
                           Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes)
        return false;
    restoreFrom(path);
    prompter().message(tr("Restore"), tr("The database was restored from %1.").arg(shown), Prompter::Icon::Information);
    return true;
}

}  // namespace pw
