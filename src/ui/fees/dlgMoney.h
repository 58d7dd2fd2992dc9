// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

namespace pw {

class FeeModel;

// The fees window: every player's amount paid, edited in place, against the team's fee. The
// amounts are stored when the window closes, all together.
class dlgMoney : public QDialog {
    Q_OBJECT
public:
    explicit dlgMoney(qint16 teamNo, QWidget* parent = nullptr);

    FeeModel& model() const { return *m_model; }
    // Shows the team's fee, the player fee, the total paid and the difference.
    void showTotals();
    // "Close": stores every amount, then closes. The window stays open when the store refused.
    void CancelButton_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    bool store();

    qint16 m_teamNo;
    double m_teamAmount = 0;
    bool m_stored = false;
    bool m_refused = false;  // an amount typed was refused while the window was being closed
    FeeModel* m_model = nullptr;
    QTableView* MoneyList = nullptr;
    QLabel* lblTeamFee = nullptr;
    QLabel* lblPlayerFee = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* lblDiff = nullptr;
    QPushButton* CancelButton = nullptr;
};

}  // namespace pw
