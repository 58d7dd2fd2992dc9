// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update/CheckUpdates.h"

#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/update/UpdateCheck.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace pw {

CheckUpdates::CheckUpdates(QWidget* parent, const QString& tempFolder, const QString& programFolder)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CheckUpdates"));
    setWindowTitle(tr("Check For Updates"));
    setSizeGripEnabled(true);

    QString problem;
    m_check = new UpdateCheck(tempFolder.isEmpty() ? UpdateCheck::defaultTempFolder(&problem) : tempFolder, this);
    if (!programFolder.isEmpty())
        m_check->setProgramFolder(programFolder);
    if (!m_check->tempFolderIsPrivate()) {
        // Downloads wait there for the updater: in a folder others can reach, they could be swapped.
        prompter().message(tr("Check For Updates"),
                           problem.isEmpty()
                               ? tr("Pitchwise found no temporary folder that only you can use, so nothing can be "
                                    "downloaded.")
                               : tr("Pitchwise found no temporary folder that only you can use, so nothing can be "
                                    "downloaded.\n\n%1")
                                     .arg(problem),

                           Prompter::Icon::Exclamation);
    }

    buildWidgets();
    connectWidgets();

    const QFontMetrics fm = fontMetrics();
    resize(fm.averageCharWidth() * 88, fm.height() * 16);
}

void CheckUpdates::buildWidgets()
{
    lblExplain = new QLabel(tr("Pitchwise looks on your club's update server for a newer version of the program "
                               "and for the newest built-in drills. Drills you made yourself, and everything "
                               "else you entered, stay as they are. Press Check to begin."),
                            this);
    lblExplain->setObjectName(QStringLiteral("lblExplain"));
    lblExplain->setWordWrap(true);
    lblPackage = new QLabel(UpdateCheck::packageManagerNote(), this);
    lblPackage->setObjectName(QStringLiteral("lblPackage"));
    lblPackage->setWordWrap(true);
    lblPackage->setVisible(m_check->fromSystemPackage());

    CheckList = new QListWidget(this);
    CheckList->setObjectName(QStringLiteral("CheckList"));
    CheckList->setAccessibleName(tr("Update steps"));
    CheckList->setWordWrap(true);
    CheckList->setTextElideMode(Qt::ElideNone);
    CheckList->setSelectionMode(QAbstractItemView::NoSelection);
    for (int line = 0; line < UpdateCheck::LineCount; ++line) {
        auto* item = new QListWidgetItem(lineCaption(line), CheckList);
        // The marks show progress; the coach does not tick them.
        item->setFlags(Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    lblExplain->setBuddy(CheckList);

    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setAccessibleName(tr("Download progress"));
    Progress->setRange(0, 100);
    Progress->setValue(0);
    Progress->setTextVisible(false);

    lblCancel = new QLabel(tr("Cancel is pending"), this);
    lblCancel->setObjectName(QStringLiteral("lblCancel"));
    lblCancel->hide();

    OKButton = new QPushButton(tr("&Check"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCancel);
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblExplain);
    layout->addWidget(lblPackage);
    layout->addWidget(CheckList, 1);
    layout->addWidget(Progress);
    layout->addLayout(buttons);
}

void CheckUpdates::connectWidgets()
{
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtn_Click(); });
    connect(m_check, &UpdateCheck::lineChanged, this, [this](int line) { showLine(line); });
    connect(m_check, &UpdateCheck::progress, this, [this](qint64 received, qint64 total) {
        // An FTP server that does not say the size gives a busy bar.
        Progress->setRange(0, total > 0 ? 100 : 0);
        Progress->setValue(total > 0 ? int(received * 100 / total) : 0);
    });
    connect(m_check, &UpdateCheck::cancelPending, this, [this] {
        lblCancel->show();
        CancelBtn->setEnabled(false);
    });
    connect(m_check, &UpdateCheck::finished, this, [this] { showFinished(); });
}

CheckUpdates::~CheckUpdates() = default;

QString CheckUpdates::lineCaption(int line)
{
    switch (line) {
    case UpdateCheck::VersionLine: return tr("Check for a new version of Pitchwise");
    case UpdateCheck::ProgramLine: return tr("Download the new version and its updater");
    case UpdateCheck::DrillLine: return tr("Download the newest built-in drills");
    case UpdateCheck::FinishLine: break;
    }
    return tr("Finish the update");
}

void CheckUpdates::showLine(int line)
{
    QListWidgetItem* item = CheckList->item(line);
    item->setText(lineCaption(line) + m_check->suffix(line));
    item->setCheckState(m_check->isChecked(line) ? Qt::Checked : Qt::Unchecked);
    CheckList->scrollToItem(item);
}

void CheckUpdates::OKButton_Click()
{
    guarded(QStringLiteral("OKButton_Click"), {}, [this] {
        OKButton->setEnabled(false);
        CancelBtn->setFocus();
        Progress->setRange(0, 0);
        m_check->start();
    });
}

void CheckUpdates::CancelBtn_Click()
{
    guarded(QStringLiteral("CancelBtn_Click"), {}, [this] {
        if (m_check->state() == UpdateCheck::State::Running)
            m_check->cancel();
        else if (m_check->state() != UpdateCheck::State::Cancelling)
            QDialog::reject();
    });
}

void CheckUpdates::reject()
{
    // Escape or the window's close box while a file is coming: stop it, then go.
    if (m_check->state() == UpdateCheck::State::Running || m_check->state() == UpdateCheck::State::Cancelling) {
        m_closeWhenDone = true;
        m_check->cancel();
        return;
    }
    QDialog::reject();
}

void CheckUpdates::showFinished()
{
    lblCancel->hide();
    Progress->setRange(0, 100);
    Progress->setValue(100);
    CancelBtn->setText(tr("Close"));
    CancelBtn->setEnabled(true);
    CancelBtn->setDefault(true);
    CancelBtn->setFocus();
    if (m_closeWhenDone)
        QDialog::reject();
}

}  // namespace pw
