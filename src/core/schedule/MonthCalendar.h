// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QTime>

namespace pw {

// One game, practice or team meeting as a day of the calendar shows it.
struct CalendarEntry {
    enum class Kind { Game, TournamentGame, Practice, TeamMeeting };
    Kind kind = Kind::Game;
    QDate date;
    QTime time;         // for the order within the day; invalid when the stored time is not one
    QString key;        // "T1G7" for a game, "T1P12" for a practice
    QStringList lines;  // what the cell shows, first line the headline
    QDate movedFrom;    // a moved game on its new day: the day it was first set for

    bool isGame() const { return kind == Kind::Game || kind == Kind::TournamentGame; }
};

// The entries of a run of days, by day.
struct FilledSchedule {
    QDate first;
    QList<QList<CalendarEntry>> days;  // days[k]: the entries of first + k, games before practices
    QList<QDate> conflicts;            // the days holding more than one entry, in order
};

// Every game (season and tournament) and every practice or team meeting of the team dated from
// first to first + days - 1. Two statements whatever the number of rows: one per table.
FilledSchedule FillSchedule(qint16 teamNo, const QDate& first, int days);

// The team's game count (its NumberOfGames), which the schedule editor needs to lay out its slots.
qint16 seasonGameCount(qint16 teamNo);

// The five weeks of one team the month calendar shows: which days they are, which month the
// pickers name, and what lies on each day. Rows are the weeks, columns the days Sunday to Saturday.
class MonthCalendar : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kWeeks = 5;
    static constexpr int kDaysShown = kWeeks * 7;
    static constexpr int kWeekScrollMin = -52;
    static constexpr int kWeekScrollMax = 52;
    static constexpr int kWeekSmallStep = 1;
    static constexpr int kWeekLargeStep = 4;
    static constexpr int kYearsAround = 3;

    enum Role {
        DateRole = Qt::UserRole + 1,  // QDate of the cell
        InShownMonthRole,             // bool: false for the greyed days of the neighbouring months
        IsTodayRole,                  // bool
        ConflictRole,                 // bool: the day holds more than one entry
    };

    explicit MonthCalendar(QObject* parent = nullptr);

    // Opens on the month of today for the team: the base date is its first day, the scroller 0
    // (1 when today would fall after the five weeks).
    void open(qint16 teamNo, const QDate& today = QDate::currentDate());

    static QStringList monthNames();                   // "January" … "December"
    static QDate sundayOnOrBefore(const QDate& date);  // the first-shown day of a view holding date
    // The years the year list offers: this year - 3 to this year + 3, widened to the shown year
    // when the scroller has carried the view beyond them.
    QList<int> years() const;

    qint16 teamNo() const { return m_team; }
    QDate today() const { return m_today; }
    QDate baseDate() const { return m_base; }
    QDate firstShown() const { return m_first; }
    QDate dayAfterRange() const { return m_first.addDays(kDaysShown); }
    int weekOffset() const { return m_offset; }
    // The month and year the pickers show (of the Saturday of the first week).
    int shownMonth() const { return m_month; }
    int shownYear() const { return m_year; }

    QDate dateAt(int week, int column) const;
    QModelIndex indexOf(const QDate& date) const;  // invalid outside the five weeks
    bool inShownMonth(const QDate& date) const;
    const QList<CalendarEntry>& entriesOn(const QDate& date) const;  // empty outside the weeks
    // The key of a cell: its first entry's, "" for a day without entries.
    QString keyAt(int week, int column) const;

    // The coach's moves. A month or a year chosen starts from the first of that month, with the
    // scroller back at 0, so the next step of the scroller moves the view one week from there.
    void chooseMonth(int month);
    void chooseYear(int year);
    // Shows base date + 7 × offset weeks (offset kept within the scroller's range).
    void scrollWeeks(int offset);

    // Shows the five weeks whose first row holds date, and tells the coach about clashes.
    void SetMonthGrid(const QDate& date);
    // Reads the entries again without moving (after the coach edited a game or a practice).
    void redraw() { SetMonthGrid(m_first); }
    // Brings the month and year into line with the weeks starting on first.
    void CheckRange(const QDate& first);
    void ClearMonthGrid();

    // Words a screen reader says for a day: its date, then each entry.
    QString accessibleText(const QDate& date) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // The shown weeks moved: the pickers follow shownMonth() and shownYear().
    void rangeChanged();

private:
    void announceConflicts();

    qint16 m_team = 0;
    QDate m_today;
    QDate m_base;
    QDate m_first;
    int m_offset = 0;
    int m_month = 0;
    int m_year = 0;
    FilledSchedule m_filled;
    // Days already named in a conflict message while the calendar is open: scrolling past the
    // same clash again does not repeat the message; the cell stays marked.
    QSet<QDate> m_announced;
};

}  // namespace pw
