// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/schedule/Schedule.h"
#include "ui/base/EditWindow.h"

class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimeEdit;

namespace pw {

class ScheduleModel;

// "Game Schedule": the team's season games as numbered slots, edited together in memory and
// stored on OK.
class frmSchedule : public EditWindow {
    Q_OBJECT
public:
    // Opens with slots 1 to numberOfGames (the team's game count) and selectedGameNo's slot
    // chosen, when there is one.
    frmSchedule(qint16 teamNo, qint16 numberOfGames, qint16 selectedGameNo, QWidget* parent = nullptr);
    ~frmSchedule() override;

    const ScheduleSlots& slots() const { return m_slots; }
    const ScheduleModel* model() const { return m_model; }
    // The slot the next Add/Modify fills; 0 for none.
    int rememberedSlot() const { return m_slotNo; }

    // The handlers, public so that tests drive them as the coach would.
    void ScheduleList_Click(int row);
    void txtOppNo_Click();
    void AddMod_Click();
    void OKButton_Click();
    void ResetInputs();

protected:
    bool save() override;

private:
    // The constructor's parts, in the order the window is built: the grid (its caption
    // returned), the slot's inputs, the buttons, the inputs' captioned rows, the connections.
    QLabel* buildGrid();
    void buildInputs();
    void buildButtons();
    QHBoxLayout* buildInputRows();
    void connectWidgets();
    void fillGrid();

    qint16 m_teamNo = 0;
    ScheduleSlots m_slots;
    QList<ScheduleOpponent> m_opponents;
    int m_slotNo = 0;
    ScheduleModel* m_model = nullptr;
    QTableView* ScheduleList = nullptr;
    QComboBox* txtOppNo = nullptr;
    QLineEdit* txtOppName = nullptr;
    QLineEdit* txtOppCoach = nullptr;
    QDateEdit* GameDate = nullptr;
    QTimeEdit* GameTime = nullptr;
    QLineEdit* txtFieldName = nullptr;
    QPushButton* AddMod = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CloseBtn = nullptr;
};

}  // namespace pw
