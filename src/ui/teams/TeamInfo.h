// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/TeamProfile.h"
#include "ui/base/EditWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenuBar;
class QPushButton;

namespace pw {

class TeamFields;

// The team profile ("Team Information"): one team at a time, picked in CTeam, on six pages;
// saves, adds through the wizard, copies and deletes teams.
class TeamInfo : public EditWindow {
    Q_OBJECT
public:
    // Opens on the given team (normally the main window's current one).
    explicit TeamInfo(qint16 teamNo, QWidget* parent = nullptr);
    ~TeamInfo() override;

    TeamFields* fields() const { return m_fields; }
    // The team shown ("Team ID:"); 0 for none.
    qint16 shownTeamNo() const { return m_team.teamNo; }

    // The procedures of the window, public so that tests drive them as the coach would.
    void LoadTeamData(qint16 teamNo);
    void ClearTeamData();
    void GenTeamList(qint16 teamNo);
    bool CheckCritical();
    void OKButton_Click();
    void CTeam_Click(int index);
    void TeamAdd_Click();
    void TeamDelete_Click();
    void TeamCopy_Click();

protected:
    bool save() override;

private:
    void showNoTeam();

    TeamFields* m_fields = nullptr;
    QComboBox* CTeam = nullptr;
    QCheckBox* chkShowTeam = nullptr;
    QLabel* lblTeamNo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CloseBtn = nullptr;
    QMenuBar* m_menu = nullptr;
    TeamProfile m_team;  // the shown team as loaded: what the fields do not edit is kept from it
    int m_shownIndex = -1;
};

}  // namespace pw
