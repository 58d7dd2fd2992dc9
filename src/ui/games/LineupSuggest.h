// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QListWidget;
class QSpinBox;

namespace pw {

class LineupBoard;

// "Re-plan from Period n": who is no longer available (a child leaving hurt, or nobody when a late
// arrival was marked available already) and from which period the line-up is proposed again.
class ReplanDialog : public QDialog {
    Q_OBJECT
public:
    ReplanDialog(const LineupBoard& board, int period, QWidget* parent = nullptr);
    qint16 playerNo() const;  // 0 for nobody
    int period() const;

private:
    QListWidget* m_players = nullptr;
    QSpinBox* m_period = nullptr;
};

}  // namespace pw
