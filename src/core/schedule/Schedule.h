// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <QVariant>

namespace pw {

// Season games are numbered 1 to 999; from 1000 on the same table holds the team's tournament
// games, which belong to their brackets and are never touched here.
constexpr qint16 kFirstTournamentGameNo = 1000;

// An opponent as the schedule's pickers offer it.
struct ScheduleOpponent {
    qint16 number = 0;
    QString name;  // without the own team's mark
    QString coach;
    // "Valley FC (Lee Chan)", safe to show.
    QString text() const;
};

// The team's opponents by number.
QList<ScheduleOpponent> scheduleOpponents(qint16 teamNo);
// Whether the team has any opponent to schedule a game against.
bool hasOpponents(qint16 teamNo);

// The number the team's next season game takes: the highest season number + 1, 1 for none.
// Throws PwError when the season numbers are used up.
qint16 nextSeasonGameNo(qint16 teamNo);

// The date offered for the given game: a week per game from the team's start date, so that
// consecutive games default to one week apart; today when the team has no start date.
QDate defaultGameDate(qint16 teamNo, qint16 gameNo, const QDate& today = QDate::currentDate());

// Adds a season game under the next number and makes that number the team's game count, in one
// transaction. The game starts without a result (not played yet). Returns its number.
qint16 addSeasonGame(qint16 teamNo, qint16 opponentNo, const QDate& date, const QString& timeText,
                     const QString& fieldName);

// One stored game as the reschedule dialog starts from it.
struct ScheduledGame {
    qint16 gameNo = 0;
    qint16 opponentNo = 0;
    QDate date;
    QString timeText;
    QString fieldName;
    QDate rescheduleDate;  // invalid when the game was never moved
    QString rescheduleTime;
};
// Throws PwError when the team has no such game.
ScheduledGame readScheduledGame(qint16 teamNo, qint16 gameNo);

// Moves a season game: the new date and time go to RescheduleDate and RescheduleTime, while
// GameDate and GameTime keep the first ones. Throws PwError when there is no such season game.
void rescheduleGame(qint16 teamNo, qint16 gameNo, const QDate& date, const QString& timeText);

// Deletes a season game with its statistics and lowers the team's game count by one (never below
// 0), in one transaction. Line-ups and notes of the game stay. Throws PwError for a number that
// is not a season game's.
void deleteSeasonGame(qint16 teamNo, qint16 gameNo);

// Kick-off times as the schedule shows them: "01:30 PM", "01:30:15 PM" when there are seconds.
QString gameTimeText(const QTime& time);
// A stored kick-off text ("1:30 PM", "01:30 PM", "13:30") as a time; invalid when it is not one.
QTime parseGameTime(const QString& text);

// One numbered slot of the schedule editor.
struct ScheduleSlot {
    qint16 gameNo = 0;
    qint16 opponentNo = 0;  // 0: the slot holds no game
    QDate date;
    QString timeText;
    QString fieldName;
    // Kept from the stored game, so that saving the editor does not wipe a played game's result
    // or a game's new date.
    QVariant result;
    QVariant rescheduleDate;
    QVariant rescheduleTime;

    bool filled() const { return opponentNo > 0; }
};

// The schedule editor's numbered slots, edited in memory and stored as a whole.
class ScheduleSlots {
public:
    // Slots 1 to the team's game count, each holding the season game of its number. A game
    // numbered above the count (the count goes down when a game is deleted) gets its slot too,
    // so that saving never loses it.
    void load(qint16 teamNo, int numberOfGames);

    int count() const { return static_cast<int>(m_slots.size()); }
    const QList<ScheduleSlot>& slots() const { return m_slots; }
    // Slot gameNo (1-based); null when there is no such slot.
    const ScheduleSlot* slot(int gameNo) const;

    // Puts a game into slot gameNo; opponent 0 empties the slot. The time is kept as "hh:mm AM"
    // text. False when there is no such slot.
    bool store(int gameNo, qint16 opponentNo, const QDate& date, const QTime& time, const QString& fieldName);

    // Replaces the team's season games by the filled slots in one transaction. Tournament games
    // stay, and a slot whose game was stored keeps that game's result and new date.
    void save(qint16 teamNo) const;

private:
    QList<ScheduleSlot> m_slots;
};

}  // namespace pw
