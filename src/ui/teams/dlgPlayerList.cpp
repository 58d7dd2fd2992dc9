// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/dlgPlayerList.h"

#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw {

dlgPlayerList::dlgPlayerList(qint16 teamNo, QWidget* parent)
    : QDialog(parent)
    , m_teamNo(teamNo)
{
    setObjectName(QStringLiteral("dlgPlayerList"));
    setWindowTitle(tr("Players List"));
    PlayerList = new QListWidget(this);
    PlayerList->setObjectName(QStringLiteral("PlayerList"));
    PlayerList->setAccessibleName(tr("Players List"));
    PlayerList->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    AddBtn = new QPushButton(tr("Add"), this);
    AddBtn->setObjectName(QStringLiteral("AddBtn"));
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PlayerList, 1);
    layout->addLayout(buttons);

    connect(AddBtn, &QPushButton::clicked, this,
            [this] { guarded(QStringLiteral("AddBtn_Click"), {}, [this] { AddBtn_Click(); }); });
    connect(PlayerList, &QListWidget::itemDoubleClicked, AddBtn, &QPushButton::click);
    connect(PlayerList, &QListWidget::currentRowChanged, this, [this](int row) { AddBtn->setEnabled(row >= 0); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    guarded(QStringLiteral("MakeList"), {}, [this] { MakeList(); });
}

void dlgPlayerList::MakeList()
{
    m_entries = importCandidates(m_teamNo);
    PlayerList->clear();
    for (const ImportEntry& e : m_entries)
        PlayerList->addItem(e.text);
    AddBtn->setEnabled(false);
}

void dlgPlayerList::AddBtn_Click()
{
    const int row = PlayerList->currentRow();
    if (row < 0 || row >= m_entries.size())
        return;
    const ImportEntry chosen = m_entries.at(row);
    CopyPlayer(chosen.playerNo, chosen.teamNo, m_teamNo);
    ++m_added;
    m_lastAdded = chosen.playerNo;
    prompter().message(windowTitle(), tr("%1 has been added.").arg(chosen.text), Prompter::Icon::Information);
    // The number is now taken here: the list no longer offers it.
    MakeList();
}

}  // namespace pw
