// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/schedule/Schedule.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTimeEdit;

namespace pw {

// The small data-entry dialog. It shows one panel for what it is asked for; today that is a
// season game ("Game Schedule Information"), and the tournament panels join the same stack.
// The caller sets the caption; Add hands the entry back (the shared dialog result 0), Cancel or
// Escape leave it unused (1).
class frmNewData : public QDialog {
    Q_OBJECT
public:
    // Game: a season game. Tournament: a tournament's name, start date and size ("Add New
    // Tournament", "Modify Tournament Information"). TournamentGame: a bracket game's date, time
    // and field ("Set Tournament Game Schedule").
    enum class Purpose { Game, Tournament, TournamentGame };

    explicit frmNewData(qint16 teamNo, QWidget* parent = nullptr);

    void setPurpose(Purpose purpose);
    // Fills the game panel; opponent 0 leaves the opponent to be chosen.
    void setGame(qint16 opponentNo, const QDate& date, const QTime& time, const QString& fieldName);
    // For a game that is only moved: opponent and field are shown but cannot be changed, and the
    // button that hands the entry back says "Reschedule".
    void setOpponentLocked(bool locked);

    // Fills the tournament panel; rounds 1 to 4 (the size list "From 2 to 2 Teams" …).
    void setTournament(const QString& name, const QDate& startDate, int rounds);
    QString tournamentName() const;
    QDate tournamentStart() const;
    int tournamentRounds() const;
    // Fills the tournament-game panel; its entry comes back through date(), time() and fieldName().
    void setTournamentGame(const QDate& date, const QTime& time, const QString& fieldName);
    // The entry handed back by Add.
    qint16 opponentNo() const;
    QDate date() const;
    QTime time() const;
    // The kick-off time as the picker shows it ("1:30 PM").
    QString timeText() const;
    QString fieldName() const;

    const QList<ScheduleOpponent>& opponents() const { return m_opponents; }

    void AddBtn_Click();

private:
    QWidget* makeGamePanel();
    QWidget* makeTournamentPanel();
    QWidget* makeTournamentGamePanel();

    QList<ScheduleOpponent> m_opponents;
    QStackedWidget* m_panels = nullptr;
    QWidget* m_gamePanel = nullptr;
    QComboBox* OpList = nullptr;
    QDateEdit* GameDate = nullptr;
    QTimeEdit* Gametime = nullptr;
    QLineEdit* GameField = nullptr;
    Purpose m_purpose = Purpose::Game;
    bool m_moving = false;  // the game panel reschedules a stored game
    QWidget* m_tournamentPanel = nullptr;
    QLineEdit* txtTournName = nullptr;
    QDateEdit* TournDate = nullptr;
    QComboBox* TournSize = nullptr;
    QWidget* m_tournamentGamePanel = nullptr;
    QDateEdit* TGameDate = nullptr;
    QTimeEdit* TGameTime = nullptr;
    QLineEdit* TGameField = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace pw
