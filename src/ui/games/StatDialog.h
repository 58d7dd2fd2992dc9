// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/games/GameStats.h"
#include "ui/base/EditWindow.h"

#include <QHash>

#include <memory>

namespace Ui {
class StatDialog;
}

class QLineEdit;

namespace pw {

// "Game Statistics": the figures of one player of a game at a time. Saving a player's figures
// marks the game as played, and the main window, told that GameStat changed, recomputes the
// game's result from the goals.
class StatDialog : public EditWindow {
    Q_OBJECT
public:
    // Opens on the team's player playerNo when it is above 0 and on the team, otherwise on the
    // first player by jersey. The players are named by nameOption (the coach's NameOpt).
    StatDialog(qint16 teamNo, qint16 gameNo, qint16 opponentNo, qint16 playerNo, int nameOption,
               QWidget* parent = nullptr);
    ~StatDialog() override;

    // What the game commands do: with no single game chosen the coach is told to choose one,
    // otherwise the dialog runs modally. False when it was refused.
    static bool enterStats(qint16 teamNo, qint16 gameNo, qint16 opponentNo, qint16 playerNo, int nameOption,
                           QWidget* parent);

    Ui::StatDialog& ui() const { return *m_ui; }
    qint16 shownPlayerNo() const;

    // The procedures and handlers of the dialog, public so that tests drive them as the coach would.
    void CPName_Click(int index);
    void OKButton_Click();
    bool CheckValues();
    void EnterTfield(const QString& ctlName);

    // Escape asks about unsaved figures as the Close button does.

protected:
    bool save() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillPlayerList(qint16 playerNo);
    void showPlayer();
    void leaveTfield(QLineEdit* box);
    void showGoalieShots();
    QList<QLineEdit*> boxes() const;
    QList<QLineEdit*> enabledBoxes() const;

    qint16 m_teamNo = 0;
    qint16 m_gameNo = 0;
    qint16 m_opponentNo = 0;
    int m_nameOption = 0;
    std::unique_ptr<Ui::StatDialog> m_ui;
    QList<StatPlayer> m_players;
    int m_shownIndex = -1;
    QHash<QString, QString> m_enteredText;  // each box's text when it last got the focus
};

}  // namespace pw
