// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/TeamCalendar.h"

#include "data/Changes.h"

#include "common/AppState.h"
#include "common/Formats.h"
#include "common/Trace.h"
#include "core/schedule/Schedule.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace pw {

namespace {

// The translation context of the calendar's texts.
struct TeamCalendar {
    Q_DECLARE_TR_FUNCTIONS(TeamCalendar)
};

// UIDs end in a domain of their own so that they never meet another program's; it never changes,
// or every calendar that imported a file would see new events.
const QString kUidDomain = QStringLiteral("pitchwise.brantworks.com");
constexpr int kDefaultMinutes = 60;
constexpr int kFoldOctets = 75;

struct TeamFacts {
    QString name;
    QString jersey;
    QString shorts;
    QString alternate;
    QString coach;
    QString phone;
    int gameMinutes = 0;
};

TeamFacts readTeamFacts(qint16 teamNo)
{
    QSqlQuery q = execSql(QStringLiteral("SELECT TeamName, JerseyColor, ShortsColor, AltColor, TeamCoach1, "
                                         "TeamCoach1Phone, TeamCoach1Mobile, Periods, Minutes FROM Teams "
                                         "WHERE TeamNo = ?"),
                          {teamNo});
    if (!q.next())
        throw PwError(err::BadArgument, TeamCalendar::tr("Team %1 is not in the database.").arg(teamNo));
    TeamFacts t;
    t.name = NullToText(q.value(0)).trimmed();
    if (t.name.isEmpty())
        t.name = TeamCalendar::tr("Team %1").arg(teamNo);
    t.jersey = NullToText(q.value(1)).trimmed();
    t.shorts = NullToText(q.value(2)).trimmed();
    t.alternate = NullToText(q.value(3)).trimmed();
    t.coach = NullToText(q.value(4)).trimmed();
    // The phone the families may call on the day: the coach's phone, else the mobile.
    t.phone = NullToText(q.value(5)).trimmed();
    if (t.phone.isEmpty())
        t.phone = NullToText(q.value(6)).trimmed();
    t.gameMinutes = std::max(0, int(NullToInt(q.value(7)))) * std::max(0, int(NullToInt(q.value(8))));
    return t;
}

// What to wear: the team's colours, or its alternate when the opponent plays in the same jersey.
QString wearLine(const TeamFacts& team, const QString& opponentColor)
{
    const bool clash = !opponentColor.isEmpty() && !team.alternate.isEmpty() &&
                       opponentColor.compare(team.jersey, Qt::CaseInsensitive) == 0;
    if (clash)
        return TeamCalendar::tr("Wear: %1 (the opponent plays in %2)").arg(team.alternate, opponentColor);
    if (team.jersey.isEmpty() && team.shorts.isEmpty())
        return {};
    if (team.shorts.isEmpty())
        return TeamCalendar::tr("Wear: %1 jersey").arg(team.jersey);
    if (team.jersey.isEmpty())
        return TeamCalendar::tr("Wear: %1 shorts").arg(team.shorts);
    return TeamCalendar::tr("Wear: %1 jersey, %2 shorts").arg(team.jersey, team.shorts);
}

QString coachLine(const TeamFacts& team)
{
    if (team.phone.isEmpty())
        return team.coach.isEmpty() ? QString() : TeamCalendar::tr("Coach: %1").arg(team.coach);
    if (team.coach.isEmpty())
        return TeamCalendar::tr("Coach's phone: %1").arg(team.phone);
    return TeamCalendar::tr("Coach: %1, %2").arg(team.coach, team.phone);
}

QString joinLines(const QStringList& lines)
{
    QStringList kept;
    for (const QString& l : lines) {
        if (!l.isEmpty())
            kept << l;
    }
    return kept.join(QLatin1Char('\n'));
}

// A start on date at time lasting minutes, in wall-clock times; no time: the event fills the day.
void setTimes(CalendarEvent& e, const QDate& date, const QTime& time, int minutes)
{
    e.date = date;
    if (!time.isValid())
        return;
    e.start = QDateTime(date, time, Qt::UTC);
    e.end = e.start.addSecs(qint64(minutes > 0 ? minutes : kDefaultMinutes) * 60);
}

QHash<int, QString> tournamentNames(qint16 teamNo)
{
    QHash<int, QString> names;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT TournamentNo, TournamentName FROM TournamentInfo WHERE TeamNo = ?"), {teamNo});
    while (q.next())
        names.insert(q.value(0).toInt(), NullToText(q.value(1)).trimmed());
    return names;
}

void addGames(QList<CalendarEvent>& out, qint16 teamNo, const TeamFacts& team)
{
    const QHash<int, QString> tournaments = tournamentNames(teamNo);
    QSqlQuery q = execSql(
        QStringLiteral("SELECT s.GameNo, s.GameDate, s.GameTime, s.FieldName, s.RescheduleDate, s.RescheduleTime, "
                       "o.OpponentName, o.OpponentColor FROM Schedule s LEFT JOIN Opponent o ON o.TeamNo = s.TeamNo "
                       "AND o.OpponentNo = s.OpponentNo WHERE s.TeamNo = ? AND s.GameNo >= ? ORDER BY s.GameNo"),
        {teamNo, 1});
    while (q.next()) {
        const int gameNo = q.value(0).toInt();
        // A moved game is on its new day; moved without a new time, it keeps its first one.
        const QDateTime moved = toDateTime(q.value(4));
        const QString movedTime = NullToText(q.value(5)).trimmed();
        const QDate date = moved.isValid() ? moved.date() : toDateTime(q.value(1)).date();
        if (!date.isValid())
            continue;  // a game without a day cannot be put in a calendar
        const QString timeText = moved.isValid() && !movedTime.isEmpty() ? movedTime : NullToText(q.value(2));
        const QString opponent = NullToText(q.value(6)).trimmed();
        CalendarEvent e;
        QString about;
        if (gameNo >= kFirstTournamentGameNo) {
            const int tournamentNo = gameNo / 1000;
            e.uid = QStringLiteral("team%1-tournament%2-round%3@%4")
                        .arg(teamNo)
                        .arg(tournamentNo)
                        .arg(gameNo % 1000)
                        .arg(kUidDomain);
            const QString name = tournaments.value(tournamentNo);
            about = name.isEmpty() ? TeamCalendar::tr("Tournament game, round %1").arg(gameNo % 1000)
                                   : TeamCalendar::tr("%1, round %2").arg(name).arg(gameNo % 1000);
        } else {
            e.uid = QStringLiteral("team%1-game%2@%3").arg(teamNo).arg(gameNo).arg(kUidDomain);
        }
        // The data holds no home or away: the team's own name comes first, as on its schedule.
        e.summary = opponent.isEmpty() ? TeamCalendar::tr("%1 game").arg(team.name)
                                       : TeamCalendar::tr("%1 vs %2").arg(team.name, opponent);
        e.location = NullToText(q.value(3)).trimmed();
        e.description = joinLines({about, wearLine(team, NullToText(q.value(7)).trimmed()), coachLine(team)});
        setTimes(e, date, parseGameTime(timeText), team.gameMinutes);
        out << e;
    }
}

// A session's time of day on its own day; the end of the day is stored as midnight of the next.
QDateTime sessionTime(const QDate& date, const QVariant& stored, bool isEnd)
{
    const QDateTime t = toDateTime(stored);
    if (!t.isValid())
        return {};
    if (isEnd && t.time() == QTime(0, 0) && t.date() != date)
        return QDateTime(date.addDays(1), QTime(0, 0), Qt::UTC);
    return QDateTime(date, t.time(), Qt::UTC);
}

void addPractices(QList<CalendarEvent>& out, qint16 teamNo, const TeamFacts& team)
{
    QSqlQuery q = execSql(QStringLiteral("SELECT PracticeID, PracticeDate, StartTime, EndTime, TeamMeeting FROM "
                                         "Practice WHERE TeamNo = ? ORDER BY PracticeDate, PracticeID"),
                          {teamNo});
    while (q.next()) {
        const QDate date = toDateTime(q.value(1)).date();
        if (!date.isValid())
            continue;
        CalendarEvent e;
        e.uid = QStringLiteral("team%1-practice%2@%3").arg(teamNo).arg(q.value(0).toInt()).arg(kUidDomain);
        e.summary = q.value(4).toBool() ? TeamCalendar::tr("Team Meeting") : TeamCalendar::tr("Practice");
        e.description = joinLines({team.name, coachLine(team)});
        e.date = date;
        const QDateTime start = sessionTime(date, q.value(2), false);
        if (start.isValid()) {
            const QDateTime end = sessionTime(date, q.value(3), true);
            e.start = start;
            e.end = end.isValid() && end > start ? end : start.addSecs(qint64(kDefaultMinutes) * 60);
        }
        out << e;
    }
}

QString stamp(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

QString offsetText(int seconds)
{
    const int a = std::abs(seconds) / 60;
    return QStringLiteral("%1%2%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(a / 60, 2, 10, QLatin1Char('0'))
        .arg(a % 60, 2, 10, QLatin1Char('0'));
}

QStringList zoneComponent(const QTimeZone::OffsetData& at, int offsetBefore)
{
    const bool daylight = at.daylightTimeOffset != 0;
    const QString kind = daylight ? QStringLiteral("DAYLIGHT") : QStringLiteral("STANDARD");
    // The onset is told in the local time that held until then.
    const QDateTime onset = at.atUtc.toUTC().addSecs(offsetBefore);
    QStringList lines{QStringLiteral("BEGIN:") + kind, QStringLiteral("DTSTART:") + stamp(onset),
                      QStringLiteral("TZOFFSETFROM:") + offsetText(offsetBefore),
                      QStringLiteral("TZOFFSETTO:") + offsetText(at.offsetFromUtc)};
    if (!at.abbreviation.isEmpty())
        lines << QStringLiteral("TZNAME:") + icsText(at.abbreviation);
    lines << QStringLiteral("END:") + kind;
    return lines;
}

QStringList eventLines(const CalendarEvent& e, const QString& tzid, const QString& dtstamp)
{
    QStringList lines{QStringLiteral("BEGIN:VEVENT"), QStringLiteral("UID:") + e.uid,
                      QStringLiteral("DTSTAMP:") + dtstamp};
    if (e.allDay()) {
        lines << QStringLiteral("DTSTART;VALUE=DATE:") + e.date.toString(QStringLiteral("yyyyMMdd"))
              << QStringLiteral("DTEND;VALUE=DATE:") + e.date.addDays(1).toString(QStringLiteral("yyyyMMdd"));
    } else {
        lines << QStringLiteral("DTSTART;TZID=%1:%2").arg(tzid, stamp(e.start))
              << QStringLiteral("DTEND;TZID=%1:%2").arg(tzid, stamp(e.end));
    }
    lines << QStringLiteral("SUMMARY:") + icsText(e.summary);
    if (!e.location.isEmpty())
        lines << QStringLiteral("LOCATION:") + icsText(e.location);
    if (!e.description.isEmpty())
        lines << QStringLiteral("DESCRIPTION:") + icsText(e.description);
    lines << QStringLiteral("END:VEVENT");
    return lines;
}

// A parameter value (the TZID) may hold no control character, quote, colon, semicolon or comma
// unquoted; a zone id holds none but "/", "_", "-" and "+", yet a made-up TZ variable might.
QString tzidOf(const QTimeZone& zone)
{
    QString id = QString::fromUtf8(zone.id());
    id.removeIf([](QChar c) { return c.category() == QChar::Other_Control || c == QLatin1Char('"'); });
    if (id.isEmpty())
        id = QStringLiteral("UTC");
    return id.contains(QLatin1Char(':')) || id.contains(QLatin1Char(';')) || id.contains(QLatin1Char(','))
               ? QLatin1Char('"') + id + QLatin1Char('"')
               : id;
}

QString settingName(qint16 teamNo)
{
    return QStringLiteral("CalendarFile%1").arg(teamNo);
}

}  // namespace

QList<CalendarEvent> teamCalendarEvents(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("teamCalendarEvents"), traceArg(QStringLiteral("TeamNo"), teamNo));
    const TeamFacts team = readTeamFacts(teamNo);
    QList<CalendarEvent> games;
    addGames(games, teamNo, team);
    std::stable_sort(games.begin(), games.end(), [](const CalendarEvent& a, const CalendarEvent& b) {
        return a.date < b.date || (a.date == b.date && a.start < b.start);
    });
    QList<CalendarEvent> out = games;
    addPractices(out, teamNo, team);
    return out;
}

QString icsText(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar c : lines) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(',')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            out += QStringLiteral("\\n");
        } else if (c.category() != QChar::Other_Control || c == QLatin1Char('\t')) {
            out += c;
        }
    }
    return out;
}

QByteArray icsLine(const QString& line)
{
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / kFoldOctets * 3 + 2);
    qsizetype lineOctets = 0;
    for (qsizetype i = 0; i < utf8.size();) {
        // One whole character: its lead byte and the continuation bytes (10xxxxxx) after it.
        qsizetype n = 1;
        while (i + n < utf8.size() && (static_cast<unsigned char>(utf8.at(i + n)) & 0xC0) == 0x80)
            ++n;
        if (lineOctets + n > kFoldOctets) {
            out += "\r\n ";
            lineOctets = 1;  // the space that marks the continued line counts
        }
        out += utf8.mid(i, n);
        lineOctets += n;
        i += n;
    }
    out += "\r\n";
    return out;
}

QStringList icsTimeZone(const QTimeZone& zone, int firstYear, int lastYear)
{
    const QString tzid = tzidOf(zone);
    QStringList lines{QStringLiteral("BEGIN:VTIMEZONE"), QStringLiteral("TZID:") + tzid};
    const QDateTime from(QDate(firstYear, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(lastYear + 1, 1, 1), QTime(0, 0), Qt::UTC);
    // The change in force when the first year begins, then every change up to the last year's end.
    QTimeZone::OffsetDataList changes;
    const QTimeZone::OffsetData before = zone.previousTransition(from);
    if (before.atUtc.isValid())
        changes << before;
    changes << zone.transitions(from, to);
    if (changes.isEmpty()) {
        const int offset = zone.offsetFromUtc(from);
        // A zone without changes (UTC, or one that gave up daylight time long ago) is one standard time.
        QTimeZone::OffsetData fixed;
        fixed.atUtc = QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC).addSecs(-offset);
        fixed.offsetFromUtc = offset;
        fixed.standardTimeOffset = offset;
        fixed.daylightTimeOffset = 0;
        fixed.abbreviation = zone.abbreviation(from);
        lines << zoneComponent(fixed, offset);
    }
    for (const QTimeZone::OffsetData& change : std::as_const(changes))
        lines << zoneComponent(change, zone.offsetFromUtc(change.atUtc.addSecs(-1)));
    lines << QStringLiteral("END:VTIMEZONE");
    return lines;
}

QByteArray teamCalendarText(qint16 teamNo, const QTimeZone& zone, const QDateTime& stampTime)
{
    const QList<CalendarEvent> events = teamCalendarEvents(teamNo);
    const TeamFacts team = readTeamFacts(teamNo);
    QStringList lines{QStringLiteral("BEGIN:VCALENDAR"),
                      QStringLiteral("VERSION:2.0"),
                      QStringLiteral("PRODID:-//Brant//Pitchwise %1//EN").arg(programVersion()),
                      QStringLiteral("CALSCALE:GREGORIAN"),
                      QStringLiteral("METHOD:PUBLISH"),
                      QStringLiteral("X-WR-CALNAME:") + icsText(team.name)};
    const QString tzid = tzidOf(zone);
    int firstYear = QDate::currentDate().year();
    int lastYear = firstYear;
    for (const CalendarEvent& e : events) {
        firstYear = std::min(firstYear, e.date.year());
        lastYear = std::max(lastYear, e.date.year());
    }
    lines << icsTimeZone(zone, firstYear, lastYear);
    const QString dtstamp = stamp(stampTime.toUTC()) + QLatin1Char('Z');
    for (const CalendarEvent& e : events)
        lines << eventLines(e, tzid, dtstamp);
    lines << QStringLiteral("END:VCALENDAR");
    QByteArray out;
    for (const QString& l : std::as_const(lines))
        out += icsLine(l);
    return out;
}

void exportTeamCalendar(qint16 teamNo, const QString& path)
{
    PW_TRACE(QStringLiteral("exportTeamCalendar"),
             traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("Path"), path));
    const QByteArray text = teamCalendarText(teamNo);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw PwError(err::FileAccess,
                      TeamCalendar::tr("The calendar could not be written to %1: %2").arg(path, file.errorString()));
}

QString calendarFileName(qint16 teamNo)
{
    QString name = readTeamFacts(teamNo).name;
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return name + QStringLiteral(".ics");
}

bool keepCalendarsSetting()
{
    return ReadSetting(QStringLiteral("KeepCalendar")).trimmed() == QLatin1String("1");
}

void setKeepCalendarsSetting(bool keep)
{
    WriteSetting(QStringLiteral("KeepCalendar"), keep ? QStringLiteral("1") : QStringLiteral("0"));
}

QString exportedCalendarFile(qint16 teamNo)
{
    return ReadSettingText(settingName(teamNo));
}

void rememberExportedCalendar(qint16 teamNo, const QString& path)
{
    if (databaseOverride().isEmpty())
        WriteSetting(settingName(teamNo), path);
}

void keepExportedCalendarsUpToDate()
{
    static bool listening = false;
    if (std::exchange(listening, true))
        return;
    QObject::connect(&changeNotices(), &ChangeNotices::changed, &changeNotices(), [](const ChangeNotice& n) {
        const bool schedule = n.what == Change::Games || n.what == Change::Tournaments || n.what == Change::Practices ||
                              n.what == Change::Team || n.what == Change::Opponents;
        if (!schedule || n.teamNo == 0 || !databaseOverride().isEmpty() || !keepCalendarsSetting())
            return;
        const QString path = exportedCalendarFile(n.teamNo);
        if (path.isEmpty())
            return;
        try {
            exportTeamCalendar(n.teamNo, path);
        } catch (const PwError& e) {
            // A deleted team, a folder that went away: the save stands, the log says why.
            LogMessage(e.description());
        }
    });
}

}  // namespace pw
