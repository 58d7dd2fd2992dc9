// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/frmOppList.h"

#include "common/AppState.h"
#include "common/Trace.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw {

frmOppList::frmOppList(qint16 teamNo, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOppList"));
    setWindowTitle(tr("Select Opponent"));
    OppList = new QListWidget(this);
    OppList->setObjectName(QStringLiteral("OppList"));
    OppList->setAccessibleName(tr("Opponents"));
    OppList->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(OppList, 1);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this,
            [this] { guarded(QStringLiteral("OKButton_Click"), {}, [this] { OKButton_Click(); }); });
    connect(OppList, &QListWidget::itemDoubleClicked, OKButton, &QPushButton::click);
    connect(OppList, &QListWidget::currentRowChanged, this, [this](int row) { OKButton->setEnabled(row >= 0); });
    connect(CancelButton, &QPushButton::clicked, this, &frmOppList::reject);

    guarded(QStringLiteral("Form_Load"), {}, [&] { m_choices = opponentChoices(teamNo); });
    for (const OpponentChoice& c : m_choices)
        OppList->addItem(c.text);
    OppList->setCurrentRow(m_choices.isEmpty() ? -1 : 0);
    OKButton->setEnabled(!m_choices.isEmpty());
}

void frmOppList::OKButton_Click()
{
    const int row = OppList->currentRow();
    if (row < 0 || row >= m_choices.size())
        return;
    if (onChosen)
        onChosen(m_position, m_choices.at(row));
    accept();
}

void frmOppList::CancelButton_Click()
{
    reject();
}

}  // namespace pw
