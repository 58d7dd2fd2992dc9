// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/frmOpponent.h"

#include "common/Prompter.h"
#include "common/Selection.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw {

frmOpponent::frmOpponent(qint16 teamNo, QWidget* parent)
    : EditWindow(parent)
    , m_teamNo(teamNo)
{
    setObjectName(QStringLiteral("frmOpponent"));
    setWindowTitle(tr("Opponent Information"));
    setUnsavedQuestion(tr("Save Data"), tr("Changes have been made, Do you want to save them?"));

    buildInputs();
    buildLayout();
    setTabOrder(txtOppNo, txtOppName);
    setTabOrder(txtOppName, txtOppCoach);
    setTabOrder(txtOppCoach, txtOppPhone);
    setTabOrder(txtOppPhone, txtOppColor);
    setTabOrder(txtOppColor, chkUs);
    setTabOrder(chkUs, AddMod);
    setTabOrder(AddMod, OpponentList);

    setDirtyMarker(this, OKButton);
    connectWidgets();

    load(QStringLiteral("Form_Load"), [&] {
        m_list = pw::OpponentList::load(m_teamNo);
        ResetOppList();
    });
}

void frmOpponent::buildInputs()
{
    auto field = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(255);
        return e;
    };
    txtOppNo = field("txtOppNo");
    txtOppNo->setMaxLength(5);
    txtOppNo->setValidator(new QIntValidator(1, 32767, txtOppNo));
    txtOppName = field("txtOppName");
    txtOppCoach = field("txtOppCoach");
    txtOppPhone = field("txtOppPhone");
    txtOppColor = field("txtOppColor");
    chkUs = new QCheckBox(tr("Our Team"), this);
    chkUs->setObjectName(QStringLiteral("chkUs"));
    OpponentList = new QListWidget(this);
    OpponentList->setObjectName(QStringLiteral("OpponentList"));
    OpponentList->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    AddMod = new QPushButton(tr("Add/Modify"), this);
    AddMod->setObjectName(QStringLiteral("AddMod"));
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setAutoDefault(false);
    OKButton->setAutoDefault(false);
    // Enter in the fields stores the entry.
    AddMod->setDefault(true);
}

void frmOpponent::buildLayout()
{
    auto* form = new QFormLayout;
    auto row = [&](const QString& caption, const char* labelName, QLineEdit* edit) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(labelName));
        l->setBuddy(edit);
        form->addRow(l, edit);
    };
    row(tr("Team Number:"), "lblOppNo", txtOppNo);
    row(tr("Team Name:"), "lblOppName", txtOppName);
    row(tr("Coach:"), "lblOppCoach", txtOppCoach);
    row(tr("Coach Phone No.:"), "lblOppPhone", txtOppPhone);
    row(tr("Jersey Color"), "lblOppColor", txtOppColor);
    form->addRow(QString(), chkUs);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(AddMod, 0, Qt::AlignRight);
    left->addStretch();
    auto* listCaption = new QLabel(tr("Opponents List"), this);
    listCaption->setBuddy(OpponentList);
    auto* right = new QVBoxLayout;
    right->addWidget(listCaption);
    right->addWidget(OpponentList, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}

void frmOpponent::connectWidgets()
{
    connect(OpponentList, &QListWidget::currentRowChanged, this,
            handler(QStringLiteral("OpponentList_Click"), [this](int r) { OpponentList_Click(r); }));
    connect(chkUs, &QCheckBox::clicked, this, handler(QStringLiteral("chkUs_Click"), [this] { chkUs_Click(); }));
    connect(AddMod, &QPushButton::clicked, this, handler(QStringLiteral("AddMod_Click"), [this] { AddMod_Click(); }));
    connect(OKButton, &QPushButton::clicked, this,
            handler(QStringLiteral("OKButton_Click"), [this] { OKButton_Click(); }));
    connect(CloseBtn, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void frmOpponent::ResetOppList()
{
    const QSignalBlocker quiet(OpponentList);
    OpponentList->clear();
    for (qsizetype i = 0; i < m_list.entries().size(); ++i)
        OpponentList->addItem(m_list.lineText(i));
    OpponentList->setCurrentRow(-1);
}

void frmOpponent::clearFields()
{
    for (QLineEdit* e : {txtOppNo, txtOppName, txtOppCoach, txtOppPhone, txtOppColor})
        e->clear();
    chkUs->setChecked(false);
}

void frmOpponent::OpponentList_Click(int row)
{
    if (row < 0 || row >= m_list.entries().size())
        return;
    const OpponentEntry& e = m_list.entries().at(row);
    txtOppNo->setText(QString::number(e.number));
    txtOppName->setText(e.plainName());
    txtOppCoach->setText(e.coach);
    txtOppPhone->setText(e.phone);
    txtOppColor->setText(e.color);
    chkUs->setChecked(e.isUs());
    m_editing = row;
}

void frmOpponent::chkUs_Click()
{
    if (!chkUs->isChecked())
        return;
    const OpponentEntry us = ourTeamEntry(m_teamNo);
    txtOppName->setText(us.name);
    txtOppCoach->setText(us.coach);
    txtOppPhone->setText(us.phone);
    txtOppColor->setText(us.color);
}

void frmOpponent::AddMod_Click()
{
    try {
        m_list.store(m_editing, txtOppNo->text(), txtOppName->text(), txtOppCoach->text(), txtOppPhone->text(),
                     txtOppColor->text(), chkUs->isChecked());
    } catch (const PwError& e) {
        // The entry stays in the fields so that the coach can put the number right.
        prompter().message(tr("Team Number"), e.description(), Prompter::Icon::Exclamation);
        txtOppNo->setFocus(Qt::OtherFocusReason);
        txtOppNo->selectAll();
        return;
    }
    m_editing = -1;
    markChanged();
    clearFields();
    ResetOppList();
    txtOppNo->setFocus(Qt::OtherFocusReason);
}

bool frmOpponent::save()
{
    m_list.save(m_teamNo);
    markSaved();
    return true;
}

void frmOpponent::OKButton_Click()
{
    if (save())
        accept();
}

}  // namespace pw
