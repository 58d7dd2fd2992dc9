// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/TeamInfo.h"

#include "ui/base/Modal.h"

#include "ui_TeamFields.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "ui/teams/NewTeamWiz.h"
#include "ui/teams/TeamFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw {

TeamInfo::TeamInfo(qint16 teamNo, QWidget* parent)
    : EditWindow(parent)
{
    setObjectName(QStringLiteral("TeamInfo"));
    setWindowTitle(tr("Team Information"));
    setUnsavedQuestion(tr("Save Data"), tr("Changes have been made, Do you want to save them?"));

    m_menu = new QMenuBar(this);
    QMenu* team = m_menu->addMenu(tr("Team"));
    team->setObjectName(QStringLiteral("mnuTeam"));
    QAction* add = team->addAction(tr("Add"));
    add->setObjectName(QStringLiteral("TeamAdd"));
    QAction* del = team->addAction(tr("Delete"));
    del->setObjectName(QStringLiteral("TeamDelete"));
    team->addSeparator();
    QAction* copy = team->addAction(tr("Copy Team"));
    copy->setObjectName(QStringLiteral("TeamCopy"));

    CTeam = new QComboBox(this);
    CTeam->setObjectName(QStringLiteral("CTeam"));
    CTeam->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_fields = new TeamFields(this);
    chkShowTeam = new QCheckBox(tr("Show Team on Main Screen"), this);
    chkShowTeam->setObjectName(QStringLiteral("chkShowTeam"));
    auto* teamIdCaption = new QLabel(tr("Team ID:"), this);
    teamIdCaption->setObjectName(QStringLiteral("lblTeamID"));
    lblTeamNo = new QLabel(this);
    lblTeamNo->setObjectName(QStringLiteral("lblTeamNo"));
    lblTeamNo->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    OKButton = new QPushButton(tr("Save"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    // Enter belongs to the fields (it moves on), never to a default button.
    for (QPushButton* b : {OKButton, CloseBtn})
        b->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menu);
    layout->addWidget(CTeam);
    layout->addWidget(m_fields, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkShowTeam);
    bottom->addStretch();
    bottom->addWidget(teamIdCaption);
    bottom->addWidget(lblTeamNo);
    bottom->addStretch();
    bottom->addWidget(OKButton);
    bottom->addWidget(CloseBtn);
    layout->addLayout(bottom);
    setTabOrder(CTeam, m_fields->ui().TeamConfigTab);
    setTabOrder(m_fields->ui().txtReportEmail, chkShowTeam);

    setDirtyMarker(this, OKButton);
    connect(m_fields, &TeamFields::edited, this, [this] { markChanged(); });
    connect(chkShowTeam, &QCheckBox::clicked, this, [this] { markChanged(); });
    connect(OKButton, &QPushButton::clicked, this,
            handler(QStringLiteral("OKButton_Click"), [this] { OKButton_Click(); }));
    connect(CloseBtn, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(CTeam, &QComboBox::activated, this,
            handler(QStringLiteral("CTeam_Click"), [this](int i) { CTeam_Click(i); }));
    connect(add, &QAction::triggered, this, handler(QStringLiteral("TeamAdd_Click"), [this] { TeamAdd_Click(); }));
    connect(del, &QAction::triggered, this,
            handler(QStringLiteral("TeamDelete_Click"), [this] { TeamDelete_Click(); }));
    connect(copy, &QAction::triggered, this, handler(QStringLiteral("TeamCopy_Click"), [this] { TeamCopy_Click(); }));

    GenTeamList(teamNo);
    // Without a current team (or with one that is gone) the profile opens on the first team.
    if (m_shownIndex < 0 && CTeam->count() > 0)
        GenTeamList(static_cast<qint16>(CTeam->itemData(0).toInt()));
}

TeamInfo::~TeamInfo() = default;

void TeamInfo::ClearTeamData()
{
    load(QStringLiteral("ClearTeamData"), [&] {
        m_fields->clear();
        chkShowTeam->setChecked(false);
        lblTeamNo->clear();
        m_team = TeamProfile{};
    });
}

void TeamInfo::LoadTeamData(qint16 teamNo)
{
    load(QStringLiteral("LoadTeamData"), [&] {
        const auto team = readTeamProfile(teamNo);
        if (!team)
            return;
        m_team = *team;
        m_fields->fill(*team);
        chkShowTeam->setChecked(team->visible);
        lblTeamNo->setText(QString::number(teamNo));
    });
}

void TeamInfo::showNoTeam()
{
    // Nothing left to show: an empty profile under the next free number, which Save would add.
    ClearTeamData();
    load(QStringLiteral("showNoTeam"), [&] {
        m_team.teamNo = GenTeamNo();
        lblTeamNo->setText(QString::number(m_team.teamNo));
        chkShowTeam->setChecked(true);
    });
}

void TeamInfo::GenTeamList(qint16 teamNo)
{
    load(QStringLiteral("GenTeamList"), [&] {
        CTeam->clear();
        for (const TeamEntry& t : allTeamsByName())
            CTeam->addItem(t.text, t.teamNo);
        m_shownIndex = teamNo > 0 ? CTeam->findData(teamNo) : -1;
        CTeam->setCurrentIndex(m_shownIndex);
    });
    if (m_shownIndex >= 0) {
        ClearTeamData();
        LoadTeamData(teamNo);
    } else if (CTeam->count() == 0) {
        showNoTeam();
    }
}

void TeamInfo::CTeam_Click(int index)
{
    if (index == m_shownIndex)
        return;
    if (!settleChanges()) {
        CTeam->setCurrentIndex(m_shownIndex);
        return;
    }
    m_shownIndex = index;
    ClearTeamData();
    LoadTeamData(static_cast<qint16>(CTeam->itemData(index).toInt()));
}

bool TeamInfo::CheckCritical()
{
    QWidget* missingField = m_fields->firstEmpty(m_fields->requiredFields());
    if (!missingField)
        return true;
    prompter().message(tr("Missing Data"),
                       tr("Critical data is missing for: %1").arg(m_fields->firstMissing({missingField})),
                       Prompter::Icon::Critical);
    // Show the coach where it is missing.
    for (QWidget* page = missingField->parentWidget(); page; page = page->parentWidget()) {
        const int tab = m_fields->ui().TeamConfigTab->indexOf(page);
        if (tab >= 0) {
            m_fields->ui().TeamConfigTab->setCurrentIndex(tab);
            break;
        }
        const int coach = m_fields->ui().CoachTab->indexOf(page);
        if (coach >= 0)
            m_fields->ui().CoachTab->setCurrentIndex(coach);
    }
    missingField->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TeamInfo::save()
{
    if (!CheckCritical() || !m_fields->checkAddresses())
        return false;
    if (!m_fields->feeAmount()) {
        prompter().message(tr("Team Fee"), tr("The team fee must be an amount, such as 150.00."),
                           Prompter::Icon::Exclamation);
        m_fields->ui().TeamConfigTab->setCurrentIndex(0);
        m_fields->ui().txtTeamAmount->setFocus(Qt::OtherFocusReason);
        return false;
    }
    TeamProfile team = m_fields->collect(m_team);
    team.teamNo = static_cast<qint16>(lblTeamNo->text().toInt());
    team.visible = chkShowTeam->isChecked();
    saveTeamProfile(team);
    m_team = readTeamProfile(team.teamNo).value_or(team);
    markSaved();
    // A new team joins the picker; a renamed one shows its new name there.
    if (CTeam->currentIndex() < 0 ||
        CTeam->currentText() != teamEntryText(team.teamName, team.ageDivision, team.sex, team.season))
        GenTeamList(team.teamNo);
    return true;
}

void TeamInfo::OKButton_Click()
{
    save();
}

void TeamInfo::TeamAdd_Click()
{
    if (!settleChanges())
        return;
    state().WizardCancelled = false;
    Modal<NewTeamWiz> wizard(GenTeamNo(), NewTeamWiz::Mode::AddTeam, this);
    const int result = wizard.exec();
    if (!wizard)
        return;
    if (result == QDialog::Accepted)
        GenTeamList(wizard->teamNo());
    else
        markSaved();
}

void TeamInfo::TeamDelete_Click()
{
    const int index = CTeam->currentIndex();
    if (index < 0)
        return;
    const QString text = CTeam->itemText(index);
    // A team takes its whole season with it, so the coach is asked first.
    if (prompter().message(tr("Confirm Delete"),
                           tr("Are you sure you want to delete %1?\nIts players, opponents, games, statistics, "
                              "tournaments, practices and notes are deleted with it.")
                               .arg(text),
                           Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    const qint16 teamNo = static_cast<qint16>(CTeam->itemData(index).toInt());
    const int neighbour = neighbourAfterRemoval(index, CTeam->count());
    const qint16 next = neighbour < 0 ? 0 : static_cast<qint16>(CTeam->itemData(neighbour).toInt());
    deleteTeam(teamNo);
    markSaved();
    GenTeamList(next);
}

void TeamInfo::TeamCopy_Click()
{
    const int index = CTeam->currentIndex();
    if (index < 0 || !settleChanges())
        return;
    const QString text = CTeam->itemText(index);
    if (prompter().message(tr("Copy Team"), tr("Are you sure you want to make a copy of %1?").arg(text),
                           Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    const qint16 newTeam = GenTeamNo();
    CopyTeam(static_cast<qint16>(CTeam->itemData(index).toInt()), newTeam);
    GenTeamList(newTeam);
    prompter().message(tr("Team Copied"),
                       tr("%1 has been copied.\nThe team shown is the new team. Make changes as needed.").arg(text),

                       Prompter::Icon::Information);
}

}  // namespace pw
