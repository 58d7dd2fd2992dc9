#pragma once

#include "schedule/Schedule.h"

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
    enum class Purpose { Game };

    explicit frmNewData(qint16 teamNo, QWidget* parent = nullptr);

    void setPurpose(Purpose purpose);
    // Fills the game panel; opponent 0 leaves the opponent to be chosen.
    void setGame(qint16 opponentNo, const QDate& date, const QTime& time, const QString& fieldName);
    // For a game that is only moved: opponent and field are shown but cannot be changed.
    void setOpponentLocked(bool locked);

    // The entry handed back by Add.
    qint16 opponentNo() const;
    QDate date() const;
    QTime time() const;
    // The kick-off time as the picker shows it ("1:30 PM").
    QString timeText() const;
    QString fieldName() const;

    const QList<ScheduleOpponent>& opponents() const { return m_opponents; }

    void AddBtn_Click();
    void reject() override;

private:
    QWidget* makeGamePanel();

    QList<ScheduleOpponent> m_opponents;
    QStackedWidget* m_panels = nullptr;
    QWidget* m_gamePanel = nullptr;
    QComboBox* OpList = nullptr;
    QDateEdit* GameDate = nullptr;
    QTimeEdit* Gametime = nullptr;
    QLineEdit* GameField = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace pw
