// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/MonthCalendar.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/schedule/Schedule.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace pw {

namespace {

// The translation context of the schedule texts.
struct Schedule {
    Q_DECLARE_TR_FUNCTIONS(Schedule)
};

QString teamKey(qint16 teamNo, QChar kind, int number)
{
    return QStringLiteral("T%1%2%3").arg(teamNo).arg(kind).arg(number);
}

// Practice times are stored as date-times; the calendar shows the time of day only.
QString practiceTime(const QVariant& stored)
{
    const QDateTime t = toDateTime(stored);
    return t.isValid() ? Format(t, QStringLiteral("h:Nn AMPM")) : QString();
}

QString kindWords(const CalendarEntry& e)
{
    switch (e.kind) {
    case CalendarEntry::Kind::Game: return Schedule::tr("Game");
    case CalendarEntry::Kind::TournamentGame: return Schedule::tr("Tournament game");
    case CalendarEntry::Kind::Practice:
    case CalendarEntry::Kind::TeamMeeting: break;
    }
    return {};  // a practice's first line already says what it is
}

// Puts an entry on its day of the schedule; a day outside the schedule's range shows nothing.
void place(FilledSchedule& out, const QDate& day, CalendarEntry e)
{
    const qint64 k = out.first.daysTo(day);
    if (k < 0 || k >= out.days.size())
        return;
    e.date = day;
    out.days[k] << e;
}

// One game row of placeGames' query: on its day and, when moved, on its new day too.
void placeGame(FilledSchedule& out, qint16 teamNo, const QSqlQuery& games)
{
    CalendarEntry e;
    const int gameNo = games.value(0).toInt();
    e.kind = gameNo >= kFirstTournamentGameNo ? CalendarEntry::Kind::TournamentGame : CalendarEntry::Kind::Game;
    e.key = teamKey(teamNo, QLatin1Char('G'), gameNo);
    const QDateTime firstSet = toDateTime(games.value(1));
    const QString timeText = shownText(NullToText(games.value(2)));
    const QString opponent = shownText(NullToText(games.value(6)));
    const QString field = shownText(NullToText(games.value(3)));
    const QDateTime moved = toDateTime(games.value(4));
    if (moved.isValid()) {
        // On its new day the game is marked as moved and says where it was first set; moved
        // without a new time, it keeps its first one.
        CalendarEntry m = e;
        const QString newTime = shownText(NullToText(games.value(5))).trimmed();
        const QString movedTime = newTime.isEmpty() ? timeText : newTime;
        m.time = parseGameTime(movedTime);
        m.movedFrom = firstSet.date();
        m.lines << Schedule::tr("%1 (moved)").arg(opponent.isEmpty() ? Schedule::tr("Game") : opponent) << movedTime
                << field
                << Schedule::tr("Moved from %1 %2").arg(Format(firstSet, QStringLiteral("mmm d")), timeText).trimmed();
        place(out, moved.date(), m);
        // Only the time changed: the day holds the game once.
        if (moved.date() == firstSet.date())
            return;
    }
    e.time = parseGameTime(timeText);
    e.lines << opponent << timeText << field;
    // A moved game stays on the day it was first set for, but must not look as if it were
    // still played then.
    if (moved.isValid()) {
        e.lines << Schedule::tr("Moved to %1 %2")
                       .arg(Format(moved, QStringLiteral("mmm d")), shownText(NullToText(games.value(5))))
                       .trimmed();
    }
    place(out, firstSet.date(), e);
}

// Tournament games are in the same table and count as the team's games on their day too. A
// moved game is read when either its first or its new day is shown.
void placeGames(FilledSchedule& out, qint16 teamNo, const QDate& after)
{
    const QDate first = out.first;
    QSqlQuery games = execSql(
        QStringLiteral("SELECT s.GameNo, s.GameDate, s.GameTime, s.FieldName, s.RescheduleDate, s.RescheduleTime, "
                       "o.OpponentName FROM Schedule s LEFT JOIN Opponent o ON o.TeamNo = s.TeamNo AND "
                       "o.OpponentNo = s.OpponentNo WHERE s.TeamNo = ? AND s.GameNo >= ? AND ((s.GameDate >= ? AND "
                       "s.GameDate < ?) OR (s.RescheduleDate >= ? AND s.RescheduleDate < ?)) ORDER BY s.GameDate, "
                       "s.GameNo"),
        {teamNo, 1, first, after, first, after});
    while (games.next())
        placeGame(out, teamNo, games);
}

void placePractices(FilledSchedule& out, qint16 teamNo, const QDate& after)
{
    QSqlQuery practices =
        execSql(QStringLiteral(
                    "SELECT PracticeID, PracticeDate, StartTime, EndTime, TeamMeeting FROM Practice WHERE TeamNo = ? "
                    "AND PracticeDate >= ? AND PracticeDate < ? ORDER BY PracticeDate, StartTime, PracticeID"),
                {teamNo, out.first, after});
    while (practices.next()) {
        CalendarEntry e;
        const bool meeting = practices.value(4).toBool();
        e.kind = meeting ? CalendarEntry::Kind::TeamMeeting : CalendarEntry::Kind::Practice;
        e.time = toDateTime(practices.value(2)).time();
        e.key = teamKey(teamNo, QLatin1Char('P'), practices.value(0).toInt());
        e.lines << (meeting ? Schedule::tr("Team Meeting") : Schedule::tr("Session"))
                << practiceTime(practices.value(2)) << practiceTime(practices.value(3));
        place(out, toDateTime(practices.value(1)).date(), e);
    }
}

void sortDays(FilledSchedule& out)
{
    for (qsizetype k = 0; k < out.days.size(); ++k) {
        QList<CalendarEntry>& day = out.days[k];
        // Games first (the game is the day's main event), each kind by its time; stored times
        // that are not times keep the order of the store.
        std::stable_sort(day.begin(), day.end(), [](const CalendarEntry& a, const CalendarEntry& b) {
            if (a.isGame() != b.isGame())
                return a.isGame();
            if (a.time.isValid() && b.time.isValid())
                return a.time < b.time;
            return false;
        });
        if (day.size() > 1)
            out.conflicts << out.first.addDays(k);
    }
}

}  // namespace

FilledSchedule FillSchedule(qint16 teamNo, const QDate& first, int days)
{
    PW_TRACE(QStringLiteral("FillSchedule"),
             traceArg(QStringLiteral("lcDate"), first) + traceArg(QStringLiteral("lcDays"), days));
    FilledSchedule out;
    out.first = first;
    out.days.resize(qMax(days, 0));
    if (days <= 0 || !first.isValid())
        return out;
    // Stored dates may carry a time of day: the range is every moment from the first day's
    // midnight up to the midnight after the last day.
    const QDate after = first.addDays(days);
    placeGames(out, teamNo, after);
    placePractices(out, teamNo, after);
    sortDays(out);
    return out;
}

qint16 seasonGameCount(qint16 teamNo)
{
    return NullToInt(
        GetDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("NumberOfGames")));
}

MonthCalendar::MonthCalendar(QObject* parent)
    : QAbstractTableModel(parent)
{
    ClearMonthGrid();
}

void MonthCalendar::open(qint16 teamNo, const QDate& today)
{
    m_team = teamNo;
    m_today = today;
    m_announced.clear();
    m_base = QDate(today.year(), today.month(), 1);
    // Five weeks from the Sunday before the 1st can end before the 30th or 31st; the view then
    // opens a week on, so that today is always in sight.
    m_offset = sundayOnOrBefore(m_base).daysTo(today) >= kDaysShown ? 1 : 0;
    ClearMonthGrid();
    SetMonthGrid(m_base.addDays(7 * m_offset));
}

QStringList MonthCalendar::monthNames()
{
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names << QLocale().standaloneMonthName(m, QLocale::LongFormat);
    return names;
}

QDate MonthCalendar::sundayOnOrBefore(const QDate& date)
{
    // Qt counts Monday as 1 and Sunday as 7.
    return date.addDays(-(date.dayOfWeek() % 7));
}

QList<int> MonthCalendar::years() const
{
    const int thisYear = m_today.isValid() ? m_today.year() : QDate::currentDate().year();
    int from = thisYear - kYearsAround;
    int to = thisYear + kYearsAround;
    if (m_year > 0) {
        from = qMin(from, m_year);
        to = qMax(to, m_year);
    }
    QList<int> out;
    for (int y = from; y <= to; ++y)
        out << y;
    return out;
}

QDate MonthCalendar::dateAt(int week, int column) const
{
    if (week < 0 || week >= kWeeks || column < 0 || column > 6 || !m_first.isValid())
        return {};
    return m_first.addDays(week * 7 + column);
}

QModelIndex MonthCalendar::indexOf(const QDate& date) const
{
    const qint64 k = m_first.isValid() && date.isValid() ? m_first.daysTo(date) : -1;
    if (k < 0 || k >= kDaysShown)
        return {};
    return index(int(k / 7), int(k % 7));
}

bool MonthCalendar::inShownMonth(const QDate& date) const
{
    return date.month() == m_month && date.year() == m_year;
}

const QList<CalendarEntry>& MonthCalendar::entriesOn(const QDate& date) const
{
    static const QList<CalendarEntry> none;
    const qint64 k = m_filled.first.isValid() && date.isValid() ? m_filled.first.daysTo(date) : -1;
    if (k < 0 || k >= m_filled.days.size())
        return none;
    return m_filled.days.at(k);
}

QString MonthCalendar::keyAt(int week, int column) const
{
    const QList<CalendarEntry>& e = entriesOn(dateAt(week, column));
    return e.isEmpty() ? QString() : e.first().key;
}

void MonthCalendar::chooseMonth(int month)
{
    if (month < 1 || month > 12)
        return;
    m_base = QDate(m_year, month, 1);
    m_offset = 0;
    SetMonthGrid(m_base);
}

void MonthCalendar::chooseYear(int year)
{
    if (year < 1)
        return;
    m_base = QDate(year, m_month, 1);
    m_offset = 0;
    SetMonthGrid(m_base);
}

void MonthCalendar::scrollWeeks(int offset)
{
    m_offset = qBound(kWeekScrollMin, offset, kWeekScrollMax);
    SetMonthGrid(m_base.addDays(7 * m_offset));
}

void MonthCalendar::SetMonthGrid(const QDate& date)
{
    PW_TRACE(QStringLiteral("SetMonthGrid"), traceArg(QStringLiteral("lcDate"), date));
    if (!date.isValid())
        return;
    beginResetModel();
    m_first = sundayOnOrBefore(date);
    CheckRange(m_first);
    try {
        m_filled = FillSchedule(m_team, m_first, kDaysShown);
    } catch (...) {
        // The days are still shown; what could not be read stays empty.
        m_filled = FilledSchedule{m_first, QList<QList<CalendarEntry>>(kDaysShown), {}};
        endResetModel();
        Q_EMIT rangeChanged();
        throw;
    }
    endResetModel();
    Q_EMIT rangeChanged();
    announceConflicts();
}

void MonthCalendar::CheckRange(const QDate& first)
{
    // The view is named after the month in which its first week ends.
    const QDate saturday = first.addDays(6);
    m_month = saturday.month();
    m_year = saturday.year();
}

void MonthCalendar::ClearMonthGrid()
{
    beginResetModel();
    m_filled = FilledSchedule{m_first, QList<QList<CalendarEntry>>(kDaysShown), {}};
    endResetModel();
}

void MonthCalendar::announceConflicts()
{
    // One message per redraw at most, naming every day that has not been named before.
    QStringList days;
    for (const QDate& d : m_filled.conflicts) {
        if (m_announced.contains(d))
            continue;
        m_announced.insert(d);
        days << Format(d, QStringLiteral("Short Date"));
    }
    if (days.isEmpty())
        return;
    prompter().message(Schedule::tr("Schedule Conflict"),
                       Schedule::tr("There is a conflict on %1").arg(days.join(QStringLiteral(", "))),

                       Prompter::Icon::Critical);
}

QString MonthCalendar::accessibleText(const QDate& date) const
{
    QStringList parts{Format(date, QStringLiteral("Long Date"))};
    const QList<CalendarEntry>& entries = entriesOn(date);
    if (entries.isEmpty())
        parts << Schedule::tr("nothing scheduled");
    if (entries.size() > 1)
        parts << Schedule::tr("schedule conflict");
    for (const CalendarEntry& e : entries) {
        QStringList words;
        const QString kind = kindWords(e);
        if (!kind.isEmpty())
            words << kind;
        for (const QString& l : e.lines) {
            if (!l.isEmpty())
                words << l;
        }
        parts << words.join(QStringLiteral(", "));
    }
    return parts.join(QStringLiteral("; "));
}

int MonthCalendar::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kWeeks;
}

int MonthCalendar::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 7;
}

QVariant MonthCalendar::data(const QModelIndex& index, int role) const
{
    const QDate date = dateAt(index.row(), index.column());
    if (!index.isValid() || !date.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        QStringList lines{QString::number(date.day())};
        for (const CalendarEntry& e : entriesOn(date))
            lines << e.lines;
        return lines.join(QLatin1Char('\n'));
    }
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: return accessibleText(date);
    case DateRole: return date;
    case InShownMonthRole: return inShownMonth(date);
    case IsTodayRole: return date == m_today;
    case ConflictRole: return entriesOn(date).size() > 1;
    default: return {};
    }
}

QVariant MonthCalendar::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0: return Schedule::tr("Sunday");
    case 1: return Schedule::tr("Monday");
    case 2: return Schedule::tr("Tuesday");
    case 3: return Schedule::tr("Wednesday");
    case 4: return Schedule::tr("Thursday");
    case 5: return Schedule::tr("Friday");
    case 6: return Schedule::tr("Saturday");
    default: return {};
    }
}

}  // namespace pw
