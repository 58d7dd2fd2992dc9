// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fees/dlgMoney.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/fees/FeeStatus.h"
#include "core/fees/Fees.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace pw {

namespace {

QString currency(double amount)
{
    return Format(amount, QStringLiteral("Currency"));
}

}  // namespace

dlgMoney::dlgMoney(qint16 teamNo, QWidget* parent)
    : QDialog(parent)
    , m_teamNo(teamNo)
{
    setObjectName(QStringLiteral("dlgMoney"));
    setWindowTitle(tr("Fee Management"));
    setSizeGripEnabled(true);

    m_model = new FeeModel(this);
    MoneyList = new QTableView(this);
    MoneyList->setObjectName(QStringLiteral("MoneyList"));
    MoneyList->setModel(m_model);
    MoneyList->verticalHeader()->hide();
    MoneyList->horizontalHeader()->setHighlightSections(false);
    MoneyList->setSelectionMode(QAbstractItemView::SingleSelection);
    // A click (or moving onto) an amount starts editing it in place, as does typing.
    MoneyList->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                               QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    MoneyList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    MoneyList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    MoneyList->setAccessibleName(tr("Amounts paid"));

    const auto value = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    lblTeamFee = value("lblTeamFee");
    lblPlayerFee = value("lblPlayerFee");
    lblTotal = value("lblTotal");
    lblDiff = value("lblDiff");
    auto* figures = new QFormLayout;
    figures->addRow(tr("Team's Fee:"), lblTeamFee);
    figures->addRow(tr("Player Fee:"), lblPlayerFee);
    figures->addRow(tr("Total Paid:"), lblTotal);
    figures->addRow(tr("Difference:"), lblDiff);

    CancelButton = new QPushButton(tr("Close"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MoneyList, 1);
    layout->addLayout(figures);
    layout->addLayout(buttons);

    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { showTotals(); });
    connect(m_model, &FeeModel::amountRefused, this, [this](const QString& text) {
        m_refused = true;
        prompter().message(
            tr("Amount Paid"),
            tr("\"%1\" is not an amount. Type what the player has paid, for example 25 or 25.50.").arg(text),
            Prompter::Icon::Exclamation);
    });

    guarded(QStringLiteral("Form_Load"), traceArg(QStringLiteral("TeamNo"), teamNo), [this] {
        const TeamFees fees = readFees(m_teamNo);
        m_teamAmount = fees.teamAmount;
        m_model->setLines(fees.lines);
    });
    showTotals();
    resize(QSize(fontMetrics().averageCharWidth() * 56, fontMetrics().height() * 32));
}

void dlgMoney::showTotals()
{
    TeamFees fees{m_teamAmount, m_model->lines()};
    lblTeamFee->setText(currency(fees.teamAmount));
    lblPlayerFee->setText(currency(fees.playerFee()));
    lblTotal->setText(currency(fees.totalPaid()));
    lblDiff->setText(currency(fees.difference()));
}

bool dlgMoney::store()
{
    if (m_stored)
        return true;
    // An amount still being typed counts: leaving the cell hands it to the model. When the model
    // refuses it, the window stays open on that cell so the coach can put it right.
    const QModelIndex editing = MoneyList->currentIndex();
    m_refused = false;
    MoneyList->setCurrentIndex(QModelIndex());
    if (m_refused) {
        MoneyList->setCurrentIndex(editing);
        MoneyList->setFocus();
        return false;
    }
    m_stored = guardedValue(QStringLiteral("CancelButton_Click"), {}, false, [this] {
        saveFees(m_teamNo, m_model->lines());
        return true;
    });
    return m_stored;
}

void dlgMoney::CancelButton_Click()
{
    if (store())
        accept();
}

void dlgMoney::reject()
{
    // The window has no way to drop what was typed: Escape keeps the amounts like Close.
    if (store())
        QDialog::reject();
}

void dlgMoney::closeEvent(QCloseEvent* e)
{
    if (store())
        e->accept();
    else
        e->ignore();
}

}  // namespace pw
