// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/practice/PracticeSession.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/teams/TeamProfile.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlQuery>

#include <cmath>

namespace pw {

namespace {

// The translation context of the practice texts.
struct Practice {
    Q_DECLARE_TR_FUNCTIONS(Practice)
};

constexpr DayMinutes kDayEnd = 24 * 60;
constexpr int kCoachSize = 255;  // the Coach column's width
constexpr int kMostRecurrenceWeeks = 520;

QString teachingMomentText()
{
    return Practice::tr("Teaching Moment");
}

// A time of the session as the store keeps it: the session's day with the time, so that the
// column alone names a moment; the end of the day is midnight of the next.
QVariant storedTime(const QDate& date, DayMinutes minutes)
{
    if (minutes == kNoTime || !date.isValid())
        return QVariant(QMetaType(QMetaType::QDateTime));
    if (minutes >= kDayEnd)
        return QDateTime(date.addDays(1), QTime(0, 0));
    return QDateTime(date, QTime(minutes / 60, minutes % 60));
}

// The minutes of a stored time; only its time of day counts, except that midnight of the day
// after the session is the end of the session's day.
DayMinutes minutesOf(const QDate& date, const QVariant& value)
{
    const QDateTime dt = toDateTime(value);
    if (!dt.isValid())
        return kNoTime;
    if (date.isValid() && dt.date() == date.addDays(1) && dt.time() == QTime(0, 0))
        return kDayEnd;
    return dt.time().msecsSinceStartOfDay() / 60000;
}

// A time as the practice week writes it ("6:00 PM", "18:00", "6:00:00 PM"), if it is one of the
// list's half hours; an end at midnight is the end of the day.
DayMinutes weekTime(const QString& text, bool isEnd)
{
    const QString t = text.simplified().toUpper();
    QTime time;
    for (const char* format : {"h:mm AP", "h:mm:ss AP", "h:mmAP", "H:mm", "H:mm:ss"}) {
        time = QTime::fromString(t, QString::fromLatin1(format));
        if (time.isValid())
            break;
    }
    if (!time.isValid() || time.second() != 0 || time.minute() % 30 != 0)
        return kNoTime;
    const DayMinutes minutes = time.hour() * 60 + time.minute();
    return isEnd && minutes == 0 ? kDayEnd : minutes;
}

QString sessionArgs(qint16 teamNo, qint32 practiceId)
{
    return traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("PracticeID"), practiceId);
}

// Adds a Practice row and gives back the number the store gave it.
qint32 insertPractice(qint16 teamNo, const QDate& date, DayMinutes start, DayMinutes end, int segment, bool meeting)
{
    QSqlQuery q = execSql(QStringLiteral("INSERT INTO Practice (TeamNo, PracticeDate, StartTime, EndTime, TimeSegment, "
                                         "TeamMeeting) VALUES (?, ?, ?, ?, ?, ?) RETURNING PracticeID"),
                          {teamNo, date, storedTime(date, start), storedTime(date, end), segment, meeting});
    if (!q.next())
        throw PwError(err::DatabaseQuery, QStringLiteral("The store gave no PracticeID for the new session"));
    return q.value(0).toInt();
}

}  // namespace

bool AgendaRow::isEmpty() const
{
    return drillId == kNoDrill && drillName.isEmpty() && description.isEmpty() && discipline.isEmpty() &&
           coach.isEmpty() && agendaItem.isEmpty() && agendaNotes.isEmpty();
}

// ---------------------------------------------------------------- the grid

void PracticeSession::setPracticeTime()
{
    int slots = 0;
    if (start != kNoTime && end != kNoTime && segment > 0 && end > start)
        slots = (end - start) / segment;
    // A split row takes no time of its own, so each one adds a row to the column.
    int n = slots;
    if (slots > 0) {
        for (qsizetype i = 1; i < rows.size(); ++i)
            n += rows.at(i).split ? 1 : 0;
    }
    while (rows.size() < n)
        rows.append(AgendaRow{});
    int splitsAbove = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        AgendaRow& r = rows[i];
        if (i >= n) {
            r.time = kNoTime;
        } else if (i > 0 && r.split) {
            r.time = rows.at(i - 1).time;
            ++splitsAbove;
        } else {
            r.time = start + int(i - splitsAbove) * segment;
        }
    }
}

void PracticeSession::splitTeam(int row)
{
    PW_TRACE(QStringLiteral("SplitTeam"), traceArg(QStringLiteral("lcRow"), row));
    if (row < 1 || row > rows.size())
        return;
    AgendaRow second;
    second.split = true;
    rows.insert(row, second);
    setPracticeTime();
}

bool PracticeSession::undoSplit(int row)
{
    PW_TRACE(QStringLiteral("UndoSplit"), traceArg(QStringLiteral("lcRow"), row));
    if (row < 2 || row > rows.size() || !rows.at(row - 1).split)
        return false;
    rows.removeAt(row - 1);
    setPracticeTime();
    return true;
}

void PracticeSession::placeDrill(int row, qint32 drillId)
{
    PW_TRACE(QStringLiteral("PracticeSession::placeDrill"),
             traceArg(QStringLiteral("lcRow"), row) + traceArg(QStringLiteral("lcPID"), drillId));
    if (row < 1 || row > rows.size())
        return;
    AgendaRow& r = rows[row - 1];
    const bool wasMoment = r.drillId == kTeachingMoment;
    r.drillId = drillId;
    if (drillId == kNoDrill) {
        r.drillName.clear();
        r.description.clear();
        r.discipline.clear();
        r.coach.clear();
        return;
    }
    if (drillId == kTeachingMoment) {
        r.drillName = teachingMomentText();
        if (!wasMoment)
            r.description.clear();
        r.discipline.clear();
    } else {
        QSqlQuery q = execSql(
            QStringLiteral("SELECT DrillName, Description, Discipline FROM DrillBook WHERE DrillID = ?"), {drillId});
        const bool found = q.next();
        r.drillName = found ? NullToText(q.value(0)) : QString();
        r.description = found ? NullToText(q.value(1)) : QString();
        r.discipline = found ? NullToText(q.value(2)) : QString();
    }
    // The coach always has an empty row below the last one to pick the next drill in.
    if (row == rows.size())
        rows.append(AgendaRow{});
}

void PracticeSession::setTeamMeeting(bool on)
{
    teamMeeting = on;
    clearRows();
    setPracticeTime();
}

bool PracticeSession::wouldLoseAgenda() const
{
    return (!rows.isEmpty() && !rows.first().isEmpty()) || rows.size() >= 2;
}

// ---------------------------------------------------------------- lists and keys

QList<DayMinutes> practiceTimes()
{
    QList<DayMinutes> out;
    for (int i = 0; i <= 48; ++i)
        out << i * 30;
    return out;
}

QString practiceTimeText(DayMinutes minutes)
{
    return Format(QDateTime(QDate(2000, 1, 1), QTime(0, 0)).addSecs(qint64(minutes) * 60),
                  QStringLiteral("hh:mm AMPM"));
}

QList<int> practiceSegments()
{
    return {10, 15, 20, 25, 30};
}

QString slotTimeText(DayMinutes minutes)
{
    if (minutes == kNoTime)
        return {};
    return Format(QDateTime(QDate(2000, 1, 1), QTime(0, 0)).addSecs(qint64(minutes) * 60), QStringLiteral("h:Nn AMPM"));
}

std::optional<qint32> practiceIdFromKey(const QString& key)
{
    const qsizetype p = key.indexOf(QLatin1Char('P'), 0, Qt::CaseInsensitive);
    if (p < 0)
        return std::nullopt;
    bool ok = false;
    const qint32 id = key.mid(p + 1).trimmed().toInt(&ok);
    return ok && id > 0 ? std::optional<qint32>(id) : std::nullopt;
}

QString practiceKey(qint16 teamNo, qint32 practiceId)
{
    return QStringLiteral("T%1P%2").arg(teamNo).arg(practiceId);
}

void applyPracticeWeek(PracticeSession& session, const QString& practiceWeek)
{
    const int weekday = session.date.isValid() ? session.date.dayOfWeek() - 1 : -1;  // Monday 0
    const PracticeWeek week = decodePracticeWeek(practiceWeek);
    if (weekday < 0 || weekday >= int(week.size()))
        return;
    const PracticeDay& day = week[size_t(weekday)];
    if (!day.on)
        return;
    if (const DayMinutes s = weekTime(day.start, false); s != kNoTime)
        session.start = s;
    if (const DayMinutes e = weekTime(day.end, true); e != kNoTime)
        session.end = e;
}

PracticeSession newPracticeSession(qint16 teamNo, const QDate& date)
{
    PW_TRACE(QStringLiteral("newPracticeSession"), traceArg(QStringLiteral("TeamNo"), teamNo));
    PracticeSession s;
    s.teamNo = teamNo;
    s.date = date;
    applyPracticeWeek(s, GetDBData(QStringLiteral("Teams"), Where{{QStringLiteral("TeamNo"), teamNo}},
                                   QStringLiteral("TeamPracticeSchedule")));
    s.setPracticeTime();
    return s;
}

DrillLists practiceDrillLists()
{
    PW_TRACE(QStringLiteral("practiceDrillLists"));
    DrillLists lists;
    QSqlQuery q = execSql(QStringLiteral("SELECT DrillID, DrillName, DrillType FROM DrillBook "
                                         "WHERE DrillType = ? OR DrillType = ? ORDER BY DrillName ASC, DrillID ASC"),
                          {0, 1});
    while (q.next()) {
        QList<DrillChoice>& list = q.value(2).toInt() == 0 ? lists.techniques : lists.tactics;
        if (list.isEmpty())
            list << DrillChoice{Practice::tr("<Empty>"), kNoDrill}
                 << DrillChoice{teachingMomentText(), kTeachingMoment};
        list << DrillChoice{NullToText(q.value(1)), q.value(0).toInt()};
    }
    return lists;
}

QString coachText(const QString& stored)
{
    return stored == QLatin1String("All Coaches") ? Practice::tr("All Coaches") : stored;
}

QStringList FillCoachList(qint16 teamNo)

{
    PW_TRACE(QStringLiteral("FillCoachList"), traceArg(QStringLiteral("TeamNo"), teamNo));
    // Stored in English whatever the language, as the rows always kept it.
    QStringList out{QStringLiteral(QT_TRANSLATE_NOOP("Practice", "All Coaches"))};
    QSqlQuery q =
        execSql(QStringLiteral("SELECT TeamCoach1, TeamCoach2, TeamCoach3 FROM Teams WHERE TeamNo = ?"), {teamNo});
    if (q.next()) {
        for (int i = 0; i < 3; ++i) {
            const QString name = NullToText(q.value(i)).trimmed();
            if (!name.isEmpty())
                out << name;
        }
    }
    return out;
}

// ---------------------------------------------------------------- the store

QList<AgendaRow> loadPracticeRows(qint16 teamNo, qint32 practiceId)
{
    PW_TRACE(QStringLiteral("FillPracticeDrills"), sessionArgs(teamNo, practiceId));
    QList<AgendaRow> rows;
    QSqlQuery q = execSql(
        QStringLiteral("SELECT d.RowNo, d.DrillID, d.Coach, d.AgendaItem, d.AgendaNotes, d.TeamSplit, b.DrillName, "
                       "b.Description, b.Discipline, m.Moment FROM PracticeDrill d "
                       "LEFT JOIN DrillBook b ON b.DrillID = d.DrillID "
                       "LEFT JOIN TeachingMoment m ON m.PracticeID = d.PracticeID AND m.RowNo = d.RowNo "
                       "WHERE d.TeamNo = ? AND d.PracticeID = ? ORDER BY d.RowNo ASC"),
        {teamNo, practiceId});
    QList<bool> filled;
    while (q.next()) {
        const int rowNo = q.value(0).toInt();
        if (rowNo < 1 || rowNo > 10000)
            continue;
        while (rows.size() < rowNo) {
            rows.append(AgendaRow{});
            filled.append(false);
        }
        if (filled.at(rowNo - 1))
            continue;  // a second moment stored for the row: the first one counts
        filled[rowNo - 1] = true;
        AgendaRow& r = rows[rowNo - 1];
        r.drillId = q.value(1).toInt();
        r.coach = NullToText(q.value(2));
        r.agendaItem = NullToText(q.value(3));
        r.agendaNotes = NullToText(q.value(4));
        r.split = rowNo > 1 && q.value(5).toBool();
        if (r.drillId == kTeachingMoment) {
            r.drillName = teachingMomentText();
            r.description = NullToText(q.value(9));
        } else if (r.drillId > 0) {
            r.drillName = NullToText(q.value(6));
            r.description = NullToText(q.value(7));
            r.discipline = NullToText(q.value(8));
        }
    }
    return rows;
}

std::optional<PracticeSession> loadPracticeSession(qint16 teamNo, qint32 practiceId)
{
    PW_TRACE(QStringLiteral("loadPracticeSession"), sessionArgs(teamNo, practiceId));
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PracticeDate, StartTime, EndTime, TimeSegment, TeamMeeting FROM Practice "
                               "WHERE TeamNo = ? AND PracticeID = ?"),
                {teamNo, practiceId});
    if (!q.next())
        return std::nullopt;
    PracticeSession s;
    s.practiceId = practiceId;
    s.teamNo = teamNo;
    s.date = toDateTime(q.value(0)).date();
    s.start = minutesOf(s.date, q.value(1));
    s.end = minutesOf(s.date, q.value(2));
    s.segment = q.value(3).isNull() ? 15 : q.value(3).toInt();
    s.teamMeeting = q.value(4).toBool();
    s.rows = loadPracticeRows(teamNo, practiceId);
    s.setPracticeTime();
    return s;
}

qint32 savePracticeSession(PracticeSession& s)
{
    PW_TRACE(QStringLiteral("PracticeSave_Click"), sessionArgs(s.teamNo, s.practiceId));
    Transaction tx;
    qint32 id = s.practiceId;
    if (id > 0) {
        QSqlQuery q = execSql(
            QStringLiteral("UPDATE Practice SET PracticeDate = ?, StartTime = ?, EndTime = ?, "
                           "TimeSegment = ?, TeamMeeting = ? WHERE PracticeID = ? AND TeamNo = ?"),
            {s.date, storedTime(s.date, s.start), storedTime(s.date, s.end), s.segment, s.teamMeeting, id, s.teamNo});
        // Removed meanwhile (by a second window, say): the coach's work is stored as a new session.
        if (q.numRowsAffected() < 1)
            id = 0;
    }
    if (id <= 0)
        id = insertPractice(s.teamNo, s.date, s.start, s.end, s.segment, s.teamMeeting);

    RowSet drills{QStringLiteral("PracticeDrill"),
                  Where{{QStringLiteral("TeamNo"), s.teamNo}, {QStringLiteral("PracticeID"), id}},
                  {QStringLiteral("RowNo"), QStringLiteral("TeamNo"), QStringLiteral("PracticeID"),
                   QStringLiteral("DrillID"), QStringLiteral("Coach"), QStringLiteral("AgendaItem"),
                   QStringLiteral("AgendaNotes"), QStringLiteral("TeamSplit")},
                  {}};
    RowSet moments{QStringLiteral("TeachingMoment"),
                   Where{{QStringLiteral("PracticeID"), id}},
                   {QStringLiteral("PracticeID"), QStringLiteral("RowNo"), QStringLiteral("Moment")},
                   {}};
    const QString none = QStringLiteral("");
    for (qsizetype i = 0; i < s.rows.size(); ++i) {
        const AgendaRow& r = s.rows.at(i);
        const bool split = i > 0 && r.split;
        // An empty second group is kept too: otherwise the split, and the places of the rows after
        // it, would be lost on reloading.
        if (r.isEmpty() && !split)
            continue;
        const int rowNo = int(i) + 1;
        const QString coach = cutToWidth(r.coach, kCoachSize);
        if (s.teamMeeting) {
            drills.rows << QVariantList{rowNo, s.teamNo, id, r.drillId, coach, r.agendaItem, r.agendaNotes, split};
        } else {
            drills.rows << QVariantList{rowNo, s.teamNo, id, r.drillId, coach, none, none, split};
            if (r.drillId == kTeachingMoment)
                moments.rows << QVariantList{id, rowNo, r.description};
        }
    }
    replaceRows(drills);
    replaceRows(moments);
    announce(Change::Practices, s.teamNo);
    tx.commit();
    s.practiceId = id;
    return id;
}

bool deletePracticeSession(qint16 teamNo, qint32 practiceId)
{
    PW_TRACE(QStringLiteral("SessionDelete_Click"), sessionArgs(teamNo, practiceId));
    if (practiceId <= 0)
        return false;
    Transaction tx;
    const int removed =
        execSql(QStringLiteral("DELETE FROM Practice WHERE TeamNo = ? AND PracticeID = ?"), {teamNo, practiceId})
            .numRowsAffected();
    execSql(QStringLiteral("DELETE FROM PracticeDrill WHERE TeamNo = ? AND PracticeID = ?"), {teamNo, practiceId});
    announce(Change::Practices, teamNo);
    tx.commit();
    return removed > 0;
}

bool askDeleteSession()
{
    return prompter().message(Practice::tr("Delete Session"),
                              Practice::tr("Are you sure you want to delete this Training Session from the database?"),
                              Prompter::Icon::Question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

bool askClearAgenda()
{
    return prompter().message(
               Practice::tr("Clear Agenda"),
               Practice::tr("Changing this scheduled event will clear the set agenda, Do you want to continue?"),
               Prompter::Icon::Question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

// ---------------------------------------------------------------- recurrence and copies

QList<QDate> recurrenceDates(const QDate& sessionDate, const QString& weeks, const std::array<bool, 7>& days)
{
    bool ok = false;
    const double count = weeks.trimmed().toDouble(&ok);
    QList<QDate> out;
    if (!ok || !std::isfinite(count) || !sessionDate.isValid())
        return out;
    const QDate sunday = sessionDate.addDays(-(sessionDate.dayOfWeek() % 7));
    // Ten years of practices at most: a slip of the finger ("1000") must not fill the store.
    for (int w = 1; w <= count && w <= kMostRecurrenceWeeks; ++w) {
        for (int d = 0; d < 7; ++d) {
            if (days[size_t(d)])
                out << sunday.addDays(7 * w + d);
        }
    }
    return out;
}

qint32 CopyPracticeSession(qint32 practiceId, const QDate& newDate)
{
    PW_TRACE(QStringLiteral("CopyPracticeSession"),
             traceArg(QStringLiteral("PID"), practiceId) + traceArg(QStringLiteral("newDate"), newDate));
    Transaction tx;
    QSqlQuery q = execSql(QStringLiteral("SELECT TeamNo, PracticeDate, StartTime, EndTime, TimeSegment, TeamMeeting "
                                         "FROM Practice WHERE PracticeID = ?"),
                          {practiceId});
    if (!q.next())
        return 0;
    const qint16 teamNo = qint16(q.value(0).toInt());
    const QDate oldDate = toDateTime(q.value(1)).date();
    // A copied team meeting stays a team meeting: its agenda means nothing as a training session.
    const qint32 newId = insertPractice(teamNo, newDate, minutesOf(oldDate, q.value(2)), minutesOf(oldDate, q.value(3)),
                                        q.value(4).toInt(), q.value(5).toBool());
    copyRows(QStringLiteral("PracticeDrill"), Where{{QStringLiteral("PracticeID"), practiceId}},
             {{QStringLiteral("PracticeID"), newId}});
    // The moments' texts come along, or the copy's moment rows would be blank.
    copyRows(QStringLiteral("TeachingMoment"), Where{{QStringLiteral("PracticeID"), practiceId}},
             {{QStringLiteral("PracticeID"), newId}});
    tx.commit();
    return newId;
}

QList<qint32> recurPracticeSession(qint32 practiceId, const QList<QDate>& dates)
{
    PW_TRACE(QStringLiteral("dlgRecur_OK"), traceArg(QStringLiteral("PID"), practiceId));
    QList<qint32> ids;
    Transaction tx;
    for (const QDate& date : dates) {
        const qint32 id = CopyPracticeSession(practiceId, date);
        if (id == 0)
            return {};  // no such session: nothing was copied
        ids << id;
    }
    announce(Change::Practices,
             NullToInt(GetDBData(QStringLiteral("Practice"), {{QStringLiteral("PracticeID"), practiceId}},
                                 QStringLiteral("TeamNo"))));
    tx.commit();
    return ids;
}

}  // namespace pw
