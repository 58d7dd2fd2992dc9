// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/PlayerProfile.h"
#include "ui/base/EditWindow.h"

#include <memory>

namespace Ui {
class PlayerFields;
}

class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QMenuBar;
class QPushButton;
class QToolButton;

namespace pw {

// The player profile ("Player Information"): one player of the current team at a time, on the
// Player, Mother and Father pages, with the items the player is to work on beside it.
class PlayerInfo : public EditWindow {
    Q_OBJECT
public:
    // Opens on the team's player (the first one when playerNo is not on the team).
    PlayerInfo(qint16 teamNo, qint16 playerNo, QWidget* parent = nullptr);
    // Opens on the main window's current team and player.
    explicit PlayerInfo(qint16 teamNo, QWidget* parent = nullptr);
    ~PlayerInfo() override;

    Ui::PlayerFields& ui() const { return *m_ui; }
    qint16 shownPlayerNo() const;

    // The procedures and handlers of the window, public so that tests drive them as the coach would.
    void GenPlayerList(qint16 playerNo);
    void ClearPlayerInfo();
    void FillPlayerInfo();
    void FillTeamList(qint16 playerNo);
    void CPlayer_Click(int index);
    void OKButton_Click();
    void PlayerAdd_Click();
    void PlayerDelete_Click();
    void PlayerImport_Click();
    void CopyBtn_Click();
    void AddBtn_Click();
    void RemoveBtn_Click();
    void UpBtn_Click();
    void DownBtn_Click();
    void UpdateBtn_Click();
    void OpenBtn_Click();
    void sameAddress_Click(bool dad);

    bool notesDirty() const { return m_notesDirty; }

protected:
    bool save() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts, in the order the window is built.
    QMenuBar* buildMenuBar();
    QWidget* buildPlayerFields();
    QHBoxLayout* buildButtonRow();
    void buildNotesFrame();
    void connectFields(QWidget* fields);
    void connectButtons();
    PlayerProfile collect() const;
    void fillParent(const ParentInfo& p, bool dad);
    // A parent whose box is ticked shows the player's address, city, state, zip and phone.
    void showPlayerAddress(bool dad);
    void markNotesChanged();
    void setNotesClean();
    void moveNote(int by);
    void enableArrows();
    void showAge();
    void reloadNotes();
    void parentLastNamesFollow();

    qint16 m_teamNo = 0;
    std::unique_ptr<Ui::PlayerFields> m_ui;
    QComboBox* CPlayer = nullptr;
    QLabel* lblPlayerNo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* PreviewBtn = nullptr;
    QPushButton* CopyBtn = nullptr;
    QComboBox* TeamList = nullptr;
    QPushButton* OpenBtn = nullptr;
    QFrame* NotesFrame = nullptr;
    QListWidget* NoteList = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* RemoveBtn = nullptr;
    QPushButton* UpdateBtn = nullptr;
    QPushButton* PrintNotesBtn = nullptr;
    QToolButton* UpBtn = nullptr;
    QToolButton* DownBtn = nullptr;
    int m_shownIndex = -1;
    bool m_notesDirty = false;
    QString m_lastNameOnEntry;  // the player's last name when its field got the focus
    double m_amountPaid = 0.0;
    bool m_birthDateKnown = false;  // the player has a birth date (the picker always shows one)
};

}  // namespace pw
