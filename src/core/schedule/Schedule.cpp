// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/Schedule.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/teams/Opponents.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"

#include <QCoreApplication>
#include <QLocale>
#include <QObject>

namespace pw {

namespace {

// The translation context of the schedule texts.
struct Schedule {
    Q_DECLARE_TR_FUNCTIONS(Schedule)
};

bool isSeasonGameNo(int gameNo)
{
    return gameNo >= 1 && gameNo < kFirstTournamentGameNo;
}

void requireSeasonGame(int gameNo)
{
    if (!isSeasonGameNo(gameNo))
        throw PwError(
            err::BadArgument,
            Schedule::tr("Game %1 is not a season game; tournament games are changed in their bracket.").arg(gameNo));
}

// The season games of a team: numbers 1 to 999. Rows numbered 0 or below are nobody's games and
// are left alone as well.
Where seasonScope(qint16 teamNo)
{
    return {{QStringLiteral("TeamNo"), teamNo},
            {QStringLiteral("GameNo"), 1, QStringLiteral(">=")},
            {QStringLiteral("GameNo"), int(kFirstTournamentGameNo), QStringLiteral("<")}};
}

QVariant dateValue(const QDate& d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}

QString traceTeamGame(qint16 teamNo, qint16 gameNo)
{
    return traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("lcGameNo"), gameNo);
}

}  // namespace

QString ScheduleOpponent::text() const
{
    return shownText(name) + QStringLiteral(" (") + shownText(coach) + QLatin1Char(')');
}

QList<ScheduleOpponent> scheduleOpponents(qint16 teamNo)
{
    QList<ScheduleOpponent> out;
    const OpponentList list = OpponentList::load(teamNo);
    for (const OpponentEntry& e : list.entries())
        out << ScheduleOpponent{e.number, e.plainName(), e.coach};
    return out;
}

bool hasOpponents(qint16 teamNo)
{
    return GetNextNo(QStringLiteral("OpponentNo"), QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), teamNo}}) >
           1;
}

qint16 nextSeasonGameNo(qint16 teamNo)
{
    const qint16 next = GetNextNo(QStringLiteral("GameNo"), QStringLiteral("Schedule"), seasonScope(teamNo));
    // Number 1000 would be read as the first game of tournament 1.
    if (next >= kFirstTournamentGameNo)
        throw PwError(err::BadArgument, Schedule::tr("The season already has game %1; no more games can be added.")
                                            .arg(kFirstTournamentGameNo - 1));
    return next;
}

QDate defaultGameDate(qint16 teamNo, qint16 gameNo, const QDate& today)
{
    QSqlQuery q = execSql(QStringLiteral("SELECT StartDate FROM Teams WHERE TeamNo = ?"), {teamNo});
    const QDate start = q.next() ? toDateTime(q.value(0)).date() : QDate();
    if (!start.isValid())
        return today;
    return start.addDays(7 * qint64(qMax<int>(gameNo, 1) - 1));
}

qint16 addSeasonGame(qint16 teamNo, qint16 opponentNo, const QDate& date, const QString& timeText,
                     const QString& fieldName)
{
    PW_TRACE(QStringLiteral("addSeasonGame"),
             traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("lcOpponentNo"), opponentNo));
    Transaction tx;
    const qint16 gameNo = nextSeasonGameNo(teamNo);
    // No result yet: a stored result (99 included) would make the record count the game as a 0-0
    // tie before it is played. Saving its statistics gives it one.
    execSql(QStringLiteral("INSERT INTO Schedule (TeamNo, GameNo, OpponentNo, GameDate, GameTime, FieldName) "
                           "VALUES (?, ?, ?, ?, ?, ?)"),
            {teamNo, gameNo, opponentNo, dateValue(date), timeText, fieldName});
    QSqlQuery count = execSql(QStringLiteral("UPDATE Teams SET NumberOfGames = ? WHERE TeamNo = ?"), {gameNo, teamNo});
    // A game without its team would be seen by nobody: refuse rather than store it.
    if (count.numRowsAffected() < 1)
        throw PwError(err::BadArgument, Schedule::tr("Team %1 is not in the database.").arg(teamNo));
    announce(Change::Games, teamNo);
    tx.commit();
    return gameNo;
}

ScheduledGame readScheduledGame(qint16 teamNo, qint16 gameNo)
{
    PW_TRACE(QStringLiteral("readScheduledGame"), traceTeamGame(teamNo, gameNo));
    QSqlQuery q =
        execSql(QStringLiteral("SELECT OpponentNo, GameDate, GameTime, FieldName, RescheduleDate, RescheduleTime "
                               "FROM Schedule WHERE TeamNo = ? AND GameNo = ?"),
                {teamNo, gameNo});
    if (!q.next())
        throw PwError(err::BadArgument, Schedule::tr("Game %1 is not in the schedule.").arg(gameNo));
    ScheduledGame g;
    g.gameNo = gameNo;
    g.opponentNo = NullToInt(q.value(0));
    g.date = toDateTime(q.value(1)).date();
    g.timeText = NullToText(q.value(2));
    g.fieldName = NullToText(q.value(3));
    g.rescheduleDate = toDateTime(q.value(4)).date();
    g.rescheduleTime = NullToText(q.value(5));
    return g;
}

void rescheduleGame(qint16 teamNo, qint16 gameNo, const QDate& date, const QString& timeText)
{
    PW_TRACE(QStringLiteral("rescheduleGame"), traceTeamGame(teamNo, gameNo));
    requireSeasonGame(gameNo);
    QSqlQuery q = execSql(QStringLiteral("UPDATE Schedule SET RescheduleDate = ?, RescheduleTime = ? "
                                         "WHERE TeamNo = ? AND GameNo = ?"),
                          {dateValue(date), timeText, teamNo, gameNo});
    if (q.numRowsAffected() < 1)
        throw PwError(err::BadArgument, Schedule::tr("Game %1 is not in the schedule.").arg(gameNo));
    announce(Change::Games, teamNo, gameNo);
}

void deleteSeasonGame(qint16 teamNo, qint16 gameNo)
{
    PW_TRACE(QStringLiteral("deleteSeasonGame"), traceTeamGame(teamNo, gameNo));
    requireSeasonGame(gameNo);
    Transaction tx;
    QSqlQuery gone = execSql(QStringLiteral("DELETE FROM Schedule WHERE TeamNo = ? AND GameNo = ?"), {teamNo, gameNo});
    // A game deleted already (twice clicked, or by another coach on the server) must not lower
    // the count a second time.
    if (gone.numRowsAffected() < 1)
        throw PwError(err::BadArgument, Schedule::tr("Game %1 is not in the schedule.").arg(gameNo));
    execSql(QStringLiteral("DELETE FROM GameStat WHERE TeamNo = ? AND GameNo = ?"), {teamNo, gameNo});
    execSql(QStringLiteral("UPDATE Teams SET NumberOfGames = CASE WHEN NumberOfGames > 0 THEN NumberOfGames - 1 "
                           "ELSE 0 END WHERE TeamNo = ?"),
            {teamNo});
    announce(Change::Games, teamNo);
    tx.commit();
}

QString gameTimeText(const QTime& time)
{
    if (!time.isValid())
        return {};
    // A time with seconds (a bracket's game tag may hold them) keeps them, and reads back the same.
    if (time.second() != 0)
        return QLocale().toString(time, QStringLiteral("hh:mm:ss AP"));
    return Format(QDateTime(QDate(2000, 1, 1), time), QStringLiteral("hh:mm AMPM"));
}

QTime parseGameTime(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    // The add dialog writes the picker's "1:30 PM", the editor "01:30 PM"; older rows and other
    // locales may hold a 24-hour time or seconds.
    static const char* const patterns[] = {"h:mm AP", "h:mm:ss AP", "h:mmAP", "H:mm", "H:mm:ss"};
    for (const QLocale& locale : {QLocale(), QLocale::c()}) {
        for (const char* p : patterns) {
            const QTime time = locale.toTime(t, QString::fromLatin1(p));
            if (time.isValid())
                return time;
        }
    }
    return {};
}

const ScheduleSlot* ScheduleSlots::slot(int gameNo) const
{
    return gameNo >= 1 && gameNo <= m_slots.size() ? &m_slots.at(gameNo - 1) : nullptr;
}

void ScheduleSlots::load(qint16 teamNo, int numberOfGames)
{
    PW_TRACE(QStringLiteral("Form_Load"),
             traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("NumberOfGames"), numberOfGames));
    const Where scope = seasonScope(teamNo);
    QSqlQuery q =
        execSql(QStringLiteral("SELECT GameNo, OpponentNo, GameDate, GameTime, FieldName, Result, RescheduleDate, "
                               "RescheduleTime FROM Schedule%1 ORDER BY GameNo ASC")
                    .arg(scope.clause()),
                scope.values());
    QList<ScheduleSlot> stored;
    int highest = 0;
    while (q.next()) {
        ScheduleSlot s;
        s.gameNo = NullToInt(q.value(0));
        s.opponentNo = NullToInt(q.value(1));
        s.date = toDateTime(q.value(2)).date();
        s.timeText = NullToText(q.value(3));
        s.fieldName = NullToText(q.value(4));
        s.result = q.value(5).isNull() ? QVariant() : QVariant(q.value(5).toInt());
        const QDateTime moved = toDateTime(q.value(6));
        s.rescheduleDate = moved.isValid() ? QVariant(moved) : QVariant();
        s.rescheduleTime = q.value(7).isNull() ? QVariant() : QVariant(q.value(7).toString());
        highest = qMax<int>(highest, s.gameNo);
        stored << s;
    }

    const int slots = qBound(0, qMax(numberOfGames, highest), kFirstTournamentGameNo - 1);
    m_slots.clear();
    m_slots.reserve(slots);
    for (int n = 1; n <= slots; ++n) {
        ScheduleSlot empty;
        empty.gameNo = static_cast<qint16>(n);
        m_slots << empty;
    }
    for (const ScheduleSlot& s : stored)
        m_slots[s.gameNo - 1] = s;
}

bool ScheduleSlots::store(int gameNo, qint16 opponentNo, const QDate& date, const QTime& time, const QString& fieldName)
{
    if (!slot(gameNo))
        return false;
    ScheduleSlot& s = m_slots[gameNo - 1];
    if (opponentNo < 1) {
        // An emptied slot is no game any more: what was kept of its game goes with it.
        s = ScheduleSlot{};
        s.gameNo = static_cast<qint16>(gameNo);
        return true;
    }
    s.opponentNo = opponentNo;
    s.date = date;
    s.timeText = gameTimeText(time);
    s.fieldName = fieldName;
    return true;
}

void ScheduleSlots::save(qint16 teamNo) const
{
    PW_TRACE(QStringLiteral("OKButton_Click"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    RowSet set{QStringLiteral("Schedule"),
               seasonScope(teamNo),
               {QStringLiteral("TeamNo"), QStringLiteral("GameNo"), QStringLiteral("OpponentNo"),
                QStringLiteral("GameDate"), QStringLiteral("GameTime"), QStringLiteral("FieldName"),
                QStringLiteral("Result"), QStringLiteral("RescheduleDate"), QStringLiteral("RescheduleTime")},
               {}};
    for (const ScheduleSlot& s : m_slots) {
        if (!s.filled())
            continue;
        set.rows << QVariantList{teamNo,      s.gameNo, s.opponentNo,     dateValue(s.date), s.timeText,
                                 s.fieldName, s.result, s.rescheduleDate, s.rescheduleTime};
    }
    replaceRows(set);
    announce(Change::Games, teamNo);
}

}  // namespace pw
