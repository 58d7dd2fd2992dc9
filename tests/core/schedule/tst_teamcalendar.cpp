// SPDX-License-Identifier: GPL-3.0-or-later
// The team calendar on both engines: the exported file read back by a real iCalendar parser and
// held against the store, the same UIDs on every export, the file kept up to date after saves,
// and the text rules of the format (escaping, folding, the time zone).
#include "TestSupport.h"

#include "common/Formats.h"
#include "core/schedule/Schedule.h"
#include "core/schedule/TeamCalendar.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace pw;
using namespace pwtest;

namespace {

const QDateTime kSessionDay(QDate(1899, 12, 30), QTime(0, 0));  // practice times keep only their time of day
constexpr int kTeam = 5;

void addPractice(const QDate& day, const QTime& from, const QDateTime& to, bool meeting = false)
{
    insertRow(QStringLiteral("Practice"),
              fields(QStringLiteral("TeamNo PracticeDate StartTime EndTime TimeSegment TeamMeeting"),
                     {kTeam, day, QDateTime(kSessionDay.date(), from), to, 15, meeting}));
}

// The Eagles: three dated season games (one moved to another day, one without a kick-off time), one
// without a date, a tournament game and three sessions, one ending at midnight; another team's
// game beside them.
void seedEagles()
{
    emptyTables();
    addTeam(kTeam, QStringLiteral("Eagles"),
            fields(QStringLiteral("JerseyColor ShortsColor AltColor TeamCoach1 TeamCoach1Phone Periods Minutes"),
                   {"Blue", "White", "Yellow", "Dana Reyes", "555-0101", 2, 25}));
    addTeam(6, QStringLiteral("Rockets"));
    addOpponent(kTeam, 1, QStringLiteral("Hawks"));
    addOpponent(kTeam, 2, QStringLiteral("Owls, Jr; \"B\""));
    execSql(QStringLiteral("UPDATE Opponent SET OpponentColor = ? WHERE OpponentNo = ?"), {"Red", 1});
    execSql(QStringLiteral("UPDATE Opponent SET OpponentColor = ? WHERE OpponentNo = ?"), {"blue", 2});
    addGame(kTeam, 1, 1, QDate(2026, 9, 12));
    execSql(QStringLiteral("UPDATE Schedule SET FieldName = ? WHERE GameNo = 1"), {"North Park, Field 2"});
    addGame(kTeam, 2, 2, QDate(2026, 10, 3));
    execSql(QStringLiteral("UPDATE Schedule SET GameTime = ?, RescheduleDate = ?, RescheduleTime = ? WHERE GameNo = 2"),
            {"9:30 AM", QDate(2026, 11, 7), "1:15 PM"});
    addGame(kTeam, 3, 1, QDate());
    addGame(kTeam, 4, 1, QDate(2027, 3, 27));
    execSql(QStringLiteral("UPDATE Schedule SET GameTime = ? WHERE GameNo = 4"), {""});
    insertRow(QStringLiteral("TournamentInfo"),
              fields(QStringLiteral("TeamNo TournamentNo TournamentName TournamentTeams TournamentStartDate"),
                     {kTeam, 1, "Harvest Cup", 2, QDate(2026, 10, 17)}));
    addGame(kTeam, 1001, 1, QDate(2026, 10, 17));
    execSql(QStringLiteral("UPDATE Schedule SET GameTime = ?, FieldName = ? WHERE GameNo = 1001"),
            {"08:00 AM", "Cup Field"});
    addPractice(QDate(2026, 9, 9), QTime(17, 0), QDateTime(kSessionDay.date(), QTime(18, 30)));
    addPractice(QDate(2026, 9, 16), QTime(19, 0), QDateTime(kSessionDay.date(), QTime(20, 0)), true);
    addPractice(QDate(2026, 9, 23), QTime(22, 30), QDateTime(QDate(2026, 9, 24), QTime(0, 0)));
    addGame(6, 1, 1, QDate(2026, 9, 12));
}

// What the icalendar package understood of the file.
QJsonObject parsed(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PW_ICS_SCRIPT), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning("%s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QJsonObject eventByUid(const QJsonArray& events, const QString& uid)
{
    for (const QJsonValue& e : events) {
        if (e.toObject().value(QStringLiteral("uid")).toString() == uid)
            return e.toObject();
    }
    return {};
}

QString wall(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm"));
}

QString utcOf(const QDateTime& t)
{
    return QDateTime(t.date(), t.time(), QTimeZone("Europe/Berlin"))
        .toUTC()
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

struct Expected {
    QString uid;
    QString summary;
    QString location;
    QDateTime start;  // invalid: all day on date
    QDateTime end;
    QDate date;
};

// The events the store holds, worked out from its rows.
QList<Expected> expectedFromStore()
{
    QList<Expected> out;
    QSqlQuery games = execSql(QStringLiteral("SELECT s.GameNo, s.GameDate, s.GameTime, s.FieldName, s.RescheduleDate, "
                                             "s.RescheduleTime, o.OpponentName FROM Schedule s JOIN Opponent o ON "
                                             "o.TeamNo = s.TeamNo AND o.OpponentNo = s.OpponentNo WHERE s.TeamNo = ?"),
                              {kTeam});
    while (games.next()) {
        Expected e;
        const int no = games.value(0).toInt();
        const bool moved = !games.value(4).isNull();
        e.date = toDateTime(games.value(moved ? 4 : 1)).date();
        if (!e.date.isValid())
            continue;
        const QTime kickOff = parseGameTime(games.value(moved ? 5 : 2).toString());
        if (kickOff.isValid()) {
            e.start = QDateTime(e.date, kickOff);
            e.end = e.start.addSecs(2 * 25 * 60);
        }
        e.uid = no >= 1000 ? QStringLiteral("team%1-tournament%2-round%3@").arg(kTeam).arg(no / 1000).arg(no % 1000)
                           : QStringLiteral("team%1-game%2@").arg(kTeam).arg(no);
        e.summary = QStringLiteral("Eagles vs ") + games.value(6).toString();
        e.location = games.value(3).toString();
        out << e;
    }
    QSqlQuery sessions =
        execSql(QStringLiteral(
                    "SELECT PracticeID, PracticeDate, StartTime, EndTime, TeamMeeting FROM Practice WHERE TeamNo = ?"),
                {kTeam});
    while (sessions.next()) {
        Expected e;
        e.date = toDateTime(sessions.value(1)).date();
        e.start = QDateTime(e.date, toDateTime(sessions.value(2)).time());
        const QDateTime end = toDateTime(sessions.value(3));
        e.end = end.date() == e.date.addDays(1) ? end : QDateTime(e.date, end.time());
        e.uid = QStringLiteral("team%1-practice%2@").arg(kTeam).arg(sessions.value(0).toInt());
        e.summary = sessions.value(4).toBool() ? QStringLiteral("Team Meeting") : QStringLiteral("Practice");
        out << e;
    }
    return out;
}

QStringList uids(const QJsonArray& events)
{
    QStringList out;
    for (const QJsonValue& e : events)
        out << e.toObject().value(QStringLiteral("uid")).toString();
    return out;
}

}  // namespace

class TestTeamCalendar : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    void exportedFileReadsBackAsTheStore()
    {
        QCOMPARE(QString::fromUtf8(QTimeZone::systemTimeZoneId()), QStringLiteral("Europe/Berlin"));
        seedEagles();
        const QString path = env.dir() + QStringLiteral("/Eagles.ics");
        exportTeamCalendar(kTeam, path);
        const QJsonObject file = parsed(path);
        QCOMPARE(file.value(QStringLiteral("version")).toString(), QStringLiteral("2.0"));
        QCOMPARE(file.value(QStringLiteral("zones")).toArray(), QJsonArray{QStringLiteral("Europe/Berlin")});
        QVERIFY(file.value(QStringLiteral("longest_line")).toInt() <= 75);
        QCOMPARE(file.value(QStringLiteral("bare_newlines")).toInt(), 0);

        const QJsonArray events = file.value(QStringLiteral("events")).toArray();
        const QList<Expected> expected = expectedFromStore();
        QCOMPARE(events.size(), expected.size());
        for (const Expected& want : expected) {
            QJsonObject got;
            for (const QJsonValue& e : events) {
                if (e.toObject().value(QStringLiteral("uid")).toString().startsWith(want.uid))
                    got = e.toObject();
            }
            QVERIFY2(!got.isEmpty(), qPrintable(want.uid));
            QCOMPARE(got.value(QStringLiteral("summary")).toString(), want.summary);
            QCOMPARE(got.value(QStringLiteral("location")).toString(), want.location);
            const QJsonObject start = got.value(QStringLiteral("start")).toObject();
            const QJsonObject end = got.value(QStringLiteral("end")).toObject();
            if (!want.start.isValid()) {
                QCOMPARE(start.value(QStringLiteral("date")).toString(), want.date.toString(Qt::ISODate));
                QCOMPARE(end.value(QStringLiteral("date")).toString(), want.date.addDays(1).toString(Qt::ISODate));
                continue;
            }
            QCOMPARE(start.value(QStringLiteral("wall")).toString(), wall(want.start));
            QCOMPARE(end.value(QStringLiteral("wall")).toString(), wall(want.end));
            // The file's own VTIMEZONE gives the right moment in summer and in winter time.
            QCOMPARE(start.value(QStringLiteral("utc")).toString(), utcOf(want.start));
            QCOMPARE(end.value(QStringLiteral("utc")).toString(), utcOf(want.end));
        }

        // The moved game is on its new day only; the tournament game says which cup it belongs to;
        // the families read what to wear (the alternate against the blue Owls) and whom to call.
        const QJsonObject moved = eventByUid(events, QStringLiteral("team5-game2@pitchwise.brantworks.com"));
        QCOMPARE(moved.value(QStringLiteral("start")).toObject().value(QStringLiteral("wall")).toString(),
                 QStringLiteral("2026-11-07T13:15"));
        QCOMPARE(moved.value(QStringLiteral("description")).toString(),
                 QStringLiteral("Wear: Yellow (the opponent plays in blue)\nCoach: Dana Reyes, 555-0101"));
        const QJsonObject first = eventByUid(events, QStringLiteral("team5-game1@pitchwise.brantworks.com"));
        QCOMPARE(first.value(QStringLiteral("description")).toString(),
                 QStringLiteral("Wear: Blue jersey, White shorts\nCoach: Dana Reyes, 555-0101"));
        QVERIFY(eventByUid(events, QStringLiteral("team5-tournament1-round1@pitchwise.brantworks.com"))
                    .value(QStringLiteral("description"))
                    .toString()
                    .startsWith(QLatin1String("Harvest Cup, round 1\n")));

        // Exported again after a change, every event keeps its UID.
        execSql(QStringLiteral("UPDATE Schedule SET FieldName = ? WHERE TeamNo = ? AND GameNo = 1"), {"Elm", kTeam});
        exportTeamCalendar(kTeam, path);
        const QJsonArray again = parsed(path).value(QStringLiteral("events")).toArray();
        QCOMPARE(uids(again), uids(events));
        QCOMPARE(calendarFileName(kTeam), QStringLiteral("Eagles.ics"));
        QVERIFY_THROWS_EXCEPTION(PwError, exportTeamCalendar(99, path));
    }

    void keptUpToDateAfterSaves()
    {
        seedEagles();
        const QString path = env.dir() + QStringLiteral("/kept.ics");
        exportTeamCalendar(kTeam, path);
        rememberExportedCalendar(kTeam, path);
        QCOMPARE(exportedCalendarFile(kTeam), path);
        keepExportedCalendarsUpToDate();
        const auto movedStart = [&] {
            const QJsonArray events = parsed(path).value(QStringLiteral("events")).toArray();
            return eventByUid(events, QStringLiteral("team5-game1@pitchwise.brantworks.com"))
                .value(QStringLiteral("start"))
                .toObject()
                .value(QStringLiteral("wall"))
                .toString();
        };

        // Off (the default): a save leaves the file alone.
        rescheduleGame(kTeam, 1, QDate(2026, 9, 19), QStringLiteral("11:00 AM"));
        QCOMPARE(movedStart(), QStringLiteral("2026-09-12T10:00"));
        // On: the save rewrites it, and so does a new practice.
        setKeepCalendarsSetting(true);
        rescheduleGame(kTeam, 1, QDate(2026, 9, 26), QStringLiteral("11:00 AM"));
        QCOMPARE(movedStart(), QStringLiteral("2026-09-26T11:00"));
        // Another team's save, and a run on a database named for that run only, change nothing.
        rescheduleGame(6, 1, QDate(2026, 9, 26), QStringLiteral("11:00 AM"));
        setDatabaseOverride(store.location().display());
        rescheduleGame(kTeam, 1, QDate(2026, 10, 10), QStringLiteral("11:00 AM"));
        setDatabaseOverride({});
        QCOMPARE(movedStart(), QStringLiteral("2026-09-26T11:00"));
        setKeepCalendarsSetting(false);
    }

    void textRules()
    {
        QCOMPARE(icsText(QStringLiteral("Owls, Jr; \"B\" \\ 2\r\nField\x01 3\n")),
                 QStringLiteral("Owls\\, Jr\\; \"B\" \\\\ 2\\nField 3\\n"));

        // A line of 75 octets stays whole; longer ones are folded before the 76th octet, never inside
        // a character, and unfold to what they were.
        const QString exact(75, QLatin1Char('a'));
        QCOMPARE(icsLine(exact), exact.toUtf8() + "\r\n");
        for (const QString& line :
             {QString(200, QLatin1Char('x')),
              QStringLiteral("DESCRIPTION:") + QString::fromUtf8("Müller für € 5 ⚽🏆 ").repeated(9),
              QString::fromUtf8("🏆").repeated(40)}) {
            const QByteArray folded = icsLine(line);
            QVERIFY(folded.endsWith("\r\n"));
            const QList<QByteArray> physical = folded.chopped(2).split('\n');
            QVERIFY(physical.size() > 1);
            for (qsizetype i = 0; i < physical.size(); ++i) {
                QByteArray l = physical.at(i);
                if (i + 1 < physical.size()) {
                    QVERIFY(l.endsWith('\r'));
                    l.chop(1);
                }
                QVERIFY2(l.size() <= 75, l.constData());
                QVERIFY(i == 0 || l.startsWith(' '));
                QVERIFY2(!QString::fromUtf8(l).contains(QChar::ReplacementCharacter), l.constData());
            }
            QCOMPARE(QString::fromUtf8(folded.chopped(2).replace("\r\n ", "")), line);
        }

        // The zone's changes of the years covered: Berlin goes to summer time on the last Sunday of
        // March at 02:00 and back on the last Sunday of October at 03:00.
        const QString berlin = icsTimeZone(QTimeZone("Europe/Berlin"), 2026, 2026).join(QLatin1Char('\n'));
        QVERIFY(berlin.contains(QLatin1String("BEGIN:DAYLIGHT\nDTSTART:20260329T020000\nTZOFFSETFROM:+0100\n"
                                              "TZOFFSETTO:+0200\nTZNAME:CEST\nEND:DAYLIGHT")));
        QVERIFY(berlin.contains(QLatin1String("BEGIN:STANDARD\nDTSTART:20261025T030000\nTZOFFSETFROM:+0200\n"
                                              "TZOFFSETTO:+0100\nTZNAME:CET\nEND:STANDARD")));
        const QStringList utc = icsTimeZone(QTimeZone("UTC"), 2026, 2027);
        QCOMPARE(utc.count(QStringLiteral("BEGIN:STANDARD")), 1);
        QVERIFY(utc.contains(QStringLiteral("TZOFFSETTO:+0000")));
        QVERIFY(!utc.contains(QStringLiteral("BEGIN:DAYLIGHT")));
    }
};

int main(int argc, char** argv)
{
    // The calendar is written in the machine's zone: one with summer time shows that it is right.
    qputenv("TZ", "Europe/Berlin");
    QApplication app(argc, argv);
    TestTeamCalendar t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_teamcalendar.moc"
