// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

namespace pw {

// One team's season games, tournament games and practice sessions as an iCalendar file (RFC
// 5545), for the families' phones. Every event keeps its UID from one export to the next, so that
// a calendar that imports the file again updates its events instead of doubling them.

// One event of the calendar. Its times are wall-clock times, as the coach entered them; they are
// kept as Qt::UTC date-times only so that no time zone conversion ever touches them.
struct CalendarEvent {
    QString uid;  // "team3-game7@…", "team3-tournament2-round1@…", "team3-practice17@…"
    QString summary;
    QString location;
    QString description;
    QDate date;       // the day it is on (a moved game: its new day)
    QDateTime start;  // invalid for an event without a time of day: it fills the day
    QDateTime end;    // as start
    bool allDay() const { return !start.isValid(); }
};

// Every dated event of the team: season and tournament games (a moved game on its new day and
// time), then practice sessions and team meetings, each by date. A game lasts its periods times
// the minutes of a period; a game whose length is not set, and a session without an end, last an
// hour. Throws PwError when the team is not in the store.
QList<CalendarEvent> teamCalendarEvents(qint16 teamNo);

// The whole file: the events of the team with zone written as its VTIMEZONE (its changes
// between standard and daylight time in the years the events cover), CRLF line ends and lines
// folded at 75 octets. stamp is the DTSTAMP of every event.
QByteArray teamCalendarText(qint16 teamNo, const QTimeZone& zone = QTimeZone::systemTimeZone(),
                            const QDateTime& stamp = QDateTime::currentDateTimeUtc());

// Writes the team's calendar to path in the machine's time zone; the file is replaced whole or
// not at all. Throws PwError when the team is missing or the file cannot be written.
void exportTeamCalendar(qint16 teamNo, const QString& path);

// The file name offered for a team's calendar: "Eagles.ics", with characters no file name may
// hold replaced; "Team 3.ics" for a team without a name.
QString calendarFileName(qint16 teamNo);

// RFC 5545 TEXT: backslash, semicolon, comma and line breaks escaped; other control characters,
// which no calendar may hold, are dropped.
QString icsText(const QString& text);
// One content line as written: UTF-8, folded so that no line holds more than 75 octets (a
// character is never split), each line ended by CRLF.
QByteArray icsLine(const QString& line);
// The VTIMEZONE of zone, covering the years first to last.
QStringList icsTimeZone(const QTimeZone& zone, int firstYear, int lastYear);

// "Keep exported calendar up to date": after every save that changes a team's schedule, the
// calendar file last exported for that team is written again. The file is remembered per team
// in the settings; a run on a database named for that run only (--database) remembers nothing
// and rewrites nothing, since the files belong to the recorded database.
bool keepCalendarsSetting();
void setKeepCalendarsSetting(bool keep);
// The file last exported for the team, empty when none is remembered.
QString exportedCalendarFile(qint16 teamNo);
void rememberExportedCalendar(qint16 teamNo, const QString& path);
// Starts listening to the saves (once a run; later calls do nothing). A file that cannot be
// written is logged: the save itself went through.
void keepExportedCalendarsUpToDate();

}  // namespace pw
