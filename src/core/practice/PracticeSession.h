// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace pw {

// The row value of an agenda row: a drill number, or one of these.
constexpr qint32 kNoDrill = 0;
constexpr qint32 kTeachingMoment = -1;

// Minutes from midnight: the time lists run from 12:00 AM (0) to 12:00 AM at the end of the day
// (1440), which a time of day cannot say.
using DayMinutes = int;
constexpr DayMinutes kNoTime = -1;

// One row of the agenda grid.
struct AgendaRow {
    DayMinutes time = kNoTime;  // the slot's start; kNoTime for rows past the end of the session
    bool split = false;         // the second group of the slot above
    qint32 drillId = kNoDrill;  // a drill, kNoDrill or kTeachingMoment
    QString drillName;          // "Drill/Evolution" ("Teaching Moment" for a moment)
    QString description;        // the drill's purpose, or the moment's text
    QString discipline;
    QString coach;
    QString agendaItem;  // team meetings
    QString agendaNotes;

    // Nothing in any cell: a row that is not stored (unless it holds a split).
    bool isEmpty() const;
    bool operator==(const AgendaRow&) const = default;
};

// One dated practice of a team and its agenda; row 1 of the grid is rows[0].
struct PracticeSession {
    qint32 practiceId = 0;  // 0 until the first save
    qint16 teamNo = 0;
    QDate date;
    DayMinutes start = kNoTime;
    DayMinutes end = kNoTime;
    int segment = 15;  // minutes
    bool teamMeeting = false;
    QList<AgendaRow> rows;

    bool isStored() const { return practiceId > 0; }

    // ClearPracticeList: an empty grid for the current mode.
    void clearRows() { rows.clear(); }
    // SetPracticeTime: the time column from start, end and segment. A split row shares the time of
    // the row above and takes none of its own; the grid grows to hold every slot and keeps rows
    // past the end (they get no time). An end before the start, or no times, gives no slots.
    void setPracticeTime();
    // Split Team at row (1-based): an empty second group after it, in the same slot.
    void splitTeam(int row);
    // Undo Split on row (1-based): removes that split row and closes the gap. False (and nothing
    // changes) when the row is not the second group of a slot.
    bool undoSplit(int row);
    // PlaceDrill: puts drill drillId (or kNoDrill, kTeachingMoment) into row (1-based), reading
    // the drill's texts from the library. A drill in the last row adds a row after it.
    void placeDrill(int row, qint32 drillId);
    // The team-meeting box changed: the grid is set up again for the other mode.
    void setTeamMeeting(bool on);
    // Whether switching modes would throw away agenda work (the coach is asked first).
    bool wouldLoseAgenda() const;
};

// The start and end lists: 49 times, every half hour from 12:00 AM to 12:00 AM ("hh:mm AMPM").
QList<DayMinutes> practiceTimes();
QString practiceTimeText(DayMinutes minutes);  // "05:30 PM"
// The segment list: 10, 15, 20, 25, 30 minutes.
QList<int> practiceSegments();
// How a slot's time shows in the agenda: "5:30 PM".
QString slotTimeText(DayMinutes minutes);

// The session a selected key names: "T3P17" -> 17; nothing for a new session ("" or no "P").
std::optional<qint32> practiceIdFromKey(const QString& key);
QString practiceKey(qint16 teamNo, qint32 practiceId);  // "T3P17"

// A new session on date: times from the team's practice week when the week has that weekday
// ticked and its times are on the time list; otherwise no times yet. Segment 15 minutes.
PracticeSession newPracticeSession(qint16 teamNo, const QDate& date);
// The header defaults from the practice-week text alone (what newPracticeSession reads).
void applyPracticeWeek(PracticeSession& session, const QString& practiceWeek);

// One entry of a drill list.
struct DrillChoice {
    QString name;
    qint32 drillId = 0;
    bool operator==(const DrillChoice&) const = default;
};
// The "Techniques" (DrillType 0) and "Tactics" (DrillType 1) lists, each "<Empty>", "Teaching
// Moment" and the drills by name; a list without drills stays empty. One query.
struct DrillLists {
    QList<DrillChoice> techniques;
    QList<DrillChoice> tactics;
};
DrillLists practiceDrillLists();
// "All Coaches" and each of the team's coaches that has a name, as a drill row stores them.
QStringList FillCoachList(qint16 teamNo);
// A stored coach as the coach reads it: "All Coaches" in his language, a name as it is.
QString coachText(const QString& stored);

// The stored session with its agenda and times; nothing when the team has no such session.
std::optional<PracticeSession> loadPracticeSession(qint16 teamNo, qint32 practiceId);
// The stored agenda alone (rows as stored, no times): what the grid is rebuilt from when the
// coach changes the times.
QList<AgendaRow> loadPracticeRows(qint16 teamNo, qint32 practiceId);

// Saves header and agenda in one transaction and gives back the PracticeID (new sessions get
// theirs from the store; session.practiceId is set only once everything is stored). Rows with
// content are stored, and empty split rows so that the split survives; a teaching moment goes to
// both tables. A failed save throws and leaves the stored session as it was.
qint32 savePracticeSession(PracticeSession& session);
// Removes the session and its agenda in one transaction; its teaching moments stay. False when
// there was no such session.
bool deletePracticeSession(qint16 teamNo, qint32 practiceId);

// The coach's questions before Delete and before a mode change that clears the agenda.
bool askDeleteSession();
bool askClearAgenda();

// The dates the recurrence dialog copies a session to: for each of the next `weeks` weeks, every
// ticked day (0 Sunday to 6 Saturday) of that week. Nothing when weeks is not a number.
QList<QDate> recurrenceDates(const QDate& sessionDate, const QString& weeks, const std::array<bool, 7>& days);
// Copies session practiceId to each date, all in one transaction; the new PracticeIDs in order.
QList<qint32> recurPracticeSession(qint32 practiceId, const QList<QDate>& dates);
// Copies header (date replaced), agenda and teaching moments of a stored session to newDate in one
// transaction; the new session's PracticeID, or 0 when there is no such session.
qint32 CopyPracticeSession(qint32 practiceId, const QDate& newDate);

}  // namespace pw
