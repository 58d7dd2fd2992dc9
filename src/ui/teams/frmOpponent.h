// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/Opponents.h"
#include "ui/base/EditWindow.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pw {

// "Opponent Information": the team's whole opponents list, edited in memory and stored on OK.
class frmOpponent : public EditWindow {
    Q_OBJECT
public:
    explicit frmOpponent(qint16 teamNo, QWidget* parent = nullptr);

    const pw::OpponentList& list() const { return m_list; }
    QListWidget* listWidget() const { return OpponentList; }

    // The handlers, public so that tests drive them as the coach would.
    void OpponentList_Click(int row);
    void chkUs_Click();
    void AddMod_Click();
    void OKButton_Click();
    void ResetOppList();

protected:
    bool save() override;

private:
    // The constructor's parts: the inputs and buttons, their captioned layout, the connections.
    void buildInputs();
    void buildLayout();
    void connectWidgets();
    void clearFields();

    qint16 m_teamNo = 0;
    pw::OpponentList m_list;
    int m_editing = -1;  // the entry the next Add/Modify replaces; -1 adds one
    QLineEdit* txtOppNo = nullptr;
    QLineEdit* txtOppName = nullptr;
    QLineEdit* txtOppCoach = nullptr;
    QLineEdit* txtOppPhone = nullptr;
    QLineEdit* txtOppColor = nullptr;
    QCheckBox* chkUs = nullptr;
    QListWidget* OpponentList = nullptr;
    QPushButton* AddMod = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CloseBtn = nullptr;
};

}  // namespace pw
