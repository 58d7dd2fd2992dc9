// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/Opponents.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;

namespace pw {

// The opponent picker: the team's opponents by number, the own team marked "*", each with its
// coach. OK hands the chosen one to whoever asked for the position; Cancel tells the caller to
// stop (the shared dialog result 1).
class frmOppList : public QDialog {
    Q_OBJECT
public:
    explicit frmOppList(qint16 teamNo, QWidget* parent = nullptr);

    // The bracket position being filled.
    void setPosition(int position) { m_position = position; }
    int position() const { return m_position; }
    // Called on OK with the position and the chosen opponent.
    std::function<void(int position, const OpponentChoice& chosen)> onChosen;

    const QList<OpponentChoice>& choices() const { return m_choices; }
    QListWidget* list() const { return OppList; }

    void OKButton_Click();
    void CancelButton_Click();

private:
    QList<OpponentChoice> m_choices;
    int m_position = 0;
    QListWidget* OppList = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

}  // namespace pw
