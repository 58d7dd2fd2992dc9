// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/PlayerProfile.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace pw {

// "Players List": players of the club's other teams that can join this team under their own
// numbers; "Add" copies the chosen one in.
class dlgPlayerList : public QDialog {
    Q_OBJECT
public:
    explicit dlgPlayerList(qint16 teamNo, QWidget* parent = nullptr);

    // Rebuilds the list.
    void MakeList();
    void AddBtn_Click();

    QListWidget* list() const { return PlayerList; }
    const QList<ImportEntry>& entries() const { return m_entries; }
    int addedCount() const { return m_added; }
    qint16 lastAdded() const { return m_lastAdded; }

private:
    qint16 m_teamNo = 0;
    QList<ImportEntry> m_entries;
    int m_added = 0;
    qint16 m_lastAdded = 0;
    QListWidget* PlayerList = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

}  // namespace pw
