// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice/dlgRecur.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw {

dlgRecur::dlgRecur(const QDate& sessionDate, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgRecur"));
    setWindowTitle(tr("Recurrence"));

    txtWeeks = new QLineEdit(this);
    txtWeeks->setObjectName(QStringLiteral("txtWeeks"));
    txtWeeks->setMaxLength(3);
    auto* weeksLabel = new QLabel(tr("Repeat for how many &weeks:"), this);
    weeksLabel->setBuddy(txtWeeks);

    auto* dayBox = new QVBoxLayout;
    dayBox->addWidget(new QLabel(tr("On these days of each week:"), this));
    const QLocale locale;
    for (int d = 0; d < 7; ++d) {
        // QLocale counts Monday 1 to Sunday 7; the boxes run Sunday to Saturday.
        auto* box = new QCheckBox(locale.dayName(d == 0 ? 7 : d, QLocale::LongFormat), this);
        box->setObjectName(QStringLiteral("chkDay%1").arg(d));
        box->setChecked(sessionDate.isValid() && sessionDate.dayOfWeek() % 7 == d);
        dayBox->addWidget(box);
        chkDay[size_t(d)] = box;
    }

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* weeksRow = new QHBoxLayout;
    weeksRow->addWidget(weeksLabel);
    weeksRow->addWidget(txtWeeks);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(weeksRow);
    layout->addLayout(dayBox);
    layout->addLayout(buttons);
    txtWeeks->setFocus();
}

QString dlgRecur::weeks() const
{
    return txtWeeks->text();
}

std::array<bool, 7> dlgRecur::days() const
{
    std::array<bool, 7> out{};
    for (size_t d = 0; d < 7; ++d)
        out[d] = chkDay[d]->isChecked();
    return out;
}

}  // namespace pw
