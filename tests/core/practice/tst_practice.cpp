// SPDX-License-Identifier: GPL-3.0-or-later
// Practice sessions: the time column and splits, header defaults from the practice week, saving,
// reloading, deleting, a failed save, recurrence and copies, the pick lists, and the printed
// agenda read back from PDF; on both engines.
#include "TestSupport.h"

#include "core/practice/PracticeSession.h"
#include "core/reports/PracticeReports.h"

#include <QProcess>
#include <QRegularExpression>

using namespace pw;
using namespace pwtest;

namespace {

constexpr DayMinutes at(int h, int m = 0)
{
    return h * 60 + m;
}

QList<DayMinutes> times(const PracticeSession& s)
{
    QList<DayMinutes> out;
    for (const AgendaRow& r : s.rows)
        out << r.time;
    return out;
}

void drill(int id, const QString& name, int type, const QString& purpose = {})
{
    insertRow(
        QStringLiteral("DrillBook"),
        fields(QStringLiteral("DrillID DrillName Description Discipline Explanation Development DrillType"),
               {id, name, purpose.isEmpty() ? name + QStringLiteral(" purpose") : purpose, QStringLiteral("Passing"),
                name + QStringLiteral(" explained"), name + QStringLiteral(" made harder"), type}));
}

// Tuesday 5:00 to 6:30 PM by 15: a drill, a teaching moment, a split whose second group holds a
// drill with a coach.
PracticeSession tuesday()
{
    PracticeSession s = newPracticeSession(1, QDate(2026, 9, 15));
    s.placeDrill(1, 9001);
    s.placeDrill(2, kTeachingMoment);
    s.rows[1].description = QStringLiteral("Heads up, O'Brien's \"first touch\"");
    s.splitTeam(3);
    s.placeDrill(4, 9002);
    s.rows[3].coach = QStringLiteral("Sam Lee");
    return s;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("pdftotext failed");
    // The fonts join "fi" into one glyph.
    return QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0xFB01), QLatin1String("fi"));
}

bool inOrder(const QString& text, const QStringList& parts)
{
    qsizetype at = 0;
    for (const QString& part : parts) {
        if ((at = text.indexOf(part, at)) < 0)
            return false;
        at += part.size();
    }
    return true;
}

bool hasLine(const QString& text, const QString& pattern)
{
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
}

}  // namespace

class TestPractice : public StoreTest {
    Q_OBJECT

private:
    QString print(qint32 practiceId, const QString& name) const
    {
        const QString shots = qEnvironmentVariable("PW_SCREENSHOT_DIR");
        const QString pdf = QStringLiteral("%1/%2-%3.pdf")
                                .arg(shots.isEmpty() ? env.dir() : shots,
                                     qEnvironmentVariable("PW_TEST_ENGINE", QStringLiteral("sqlite")), name);
        printToPdf([&](Printout& p) { PrintPracticeAgenda(p, 1, practiceId); }, kPracticeAgendaOrientation, pdf);
        return pdfText(pdf);
    }

private Q_SLOTS:

    void init()
    {
        env.reset();
        emptyTables();
        execSql(QStringLiteral("DELETE FROM DrillBook WHERE DrillID >= ?"), {9000});
        drill(9001, QStringLiteral("Aardvark Rondo"), 0);
        drill(9002, QStringLiteral("Aardvark Overlap"), 1);
        addTeam(1, QStringLiteral("Comets"),
                fields(QStringLiteral("TeamPracticeSchedule TeamCoach1 TeamCoach2 TeamCoach3"),
                       {"0,0;1,5:00 PM-6:30 PM;0,0;1,6:00 PM-7:30 PM;0,0", "Dana Ortiz", "", "Sam Lee"}));
    }

    void cleanup() { QVERIFY(env.prompter.shown.isEmpty()); }

    void timeColumn_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("segment");
        QTest::addColumn<int>("splitAt");
        QTest::addColumn<QList<DayMinutes>>("expected");
        const int five = at(17);
        QTest::newRow("six slots") << five << at(18, 30) << 15 << 0
                                   << QList<DayMinutes>{five, at(17, 15), at(17, 30), at(17, 45), at(18), at(18, 15)};
        QTest::newRow("split at 5:30") << five << at(18, 30) << 15 << 3
                                       << QList<DayMinutes>{five,       at(17, 15), at(17, 30), at(17, 30),
                                                            at(17, 45), at(18),     at(18, 15)};
        QTest::newRow("split the last slot")
            << five << at(18) << 30 << 2 << QList<DayMinutes>{five, at(17, 30), at(17, 30)};
        QTest::newRow("part slot dropped")
            << five << at(18, 20) << 25 << 0 << QList<DayMinutes>{five, at(17, 25), at(17, 50)};
        QTest::newRow("to the end of the day") << at(23) << 24 * 60 << 30 << 0 << QList<DayMinutes>{at(23), at(23, 30)};
        QTest::newRow("end before start") << at(18, 30) << five << 15 << 0 << QList<DayMinutes>{};
        QTest::newRow("no times") << kNoTime << kNoTime << 15 << 0 << QList<DayMinutes>{};
    }
    void timeColumn()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, segment);
        QFETCH(int, splitAt);
        QFETCH(QList<DayMinutes>, expected);
        PracticeSession s;
        s.start = start;
        s.end = end;
        s.segment = segment;
        s.setPracticeTime();
        const bool below = splitAt > 0 && splitAt < s.rows.size();
        if (below)
            s.rows[splitAt].drillId = kTeachingMoment;  // moves down with the split
        if (splitAt > 0) {
            s.splitTeam(splitAt);
            QCOMPARE(s.rows.at(splitAt).split, true);
            QVERIFY(s.rows.at(splitAt).isEmpty());
            QCOMPARE(s.rows.value(splitAt + 1).drillId, below ? kTeachingMoment : kNoDrill);
        }
        QCOMPARE(times(s), expected);
        if (splitAt > 0) {
            QVERIFY(!s.undoSplit(splitAt));  // not a second group
            QVERIFY(s.undoSplit(splitAt + 1));
            QCOMPARE(s.rows.size(), expected.size() - 1);
            QCOMPARE(s.rows.value(splitAt).drillId, below ? kTeachingMoment : kNoDrill);
        }
    }

    void headerDefaultsFromPracticeWeek_data()
    {
        QTest::addColumn<QString>("week");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        const QString week = QStringLiteral("0,0;1,5:00 PM-6:30 PM;0,0;1,18:00-12:00 AM;1,5:15 PM-6:00 PM");
        QTest::newRow("Tuesday") << week << QDate(2026, 9, 15) << at(17) << at(18, 30);
        QTest::newRow("Thursday, 24-hour start, midnight end") << week << QDate(2026, 9, 17) << at(18) << 24 * 60;
        QTest::newRow("Friday, start off the list") << week << QDate(2026, 9, 18) << kNoTime << at(18);
        QTest::newRow("Monday not ticked") << week << QDate(2026, 9, 14) << kNoTime << kNoTime;
        QTest::newRow("Saturday") << week << QDate(2026, 9, 19) << kNoTime << kNoTime;
        QTest::newRow("no week") << QString() << QDate(2026, 9, 15) << kNoTime << kNoTime;
    }
    void headerDefaultsFromPracticeWeek()
    {
        QFETCH(QString, week);
        QFETCH(QDate, date);
        QFETCH(int, start);
        QFETCH(int, end);
        PracticeSession s;
        s.date = date;
        applyPracticeWeek(s, week);
        QCOMPARE(s.start, start);
        QCOMPARE(s.end, end);

        // The store's week gives a new Tuesday session its six slots.
        const PracticeSession fresh = newPracticeSession(1, QDate(2026, 9, 15));
        QCOMPARE(fresh.practiceId, 0);
        QCOMPARE(fresh.rows.size(), 6);
        QCOMPARE(fresh.segment, 15);
    }

    void listsAndKeys()
    {
        const quint64 before = statementCount();
        const DrillLists lists = practiceDrillLists();
        QCOMPARE(statementCount() - before, quint64(1));
        const QList<DrillChoice> head{{QStringLiteral("<Empty>"), kNoDrill},
                                      {QStringLiteral("Teaching Moment"), kTeachingMoment}};
        QCOMPARE(lists.techniques.mid(0, 2), head);
        QCOMPARE(lists.tactics.mid(0, 2), head);
        QVERIFY(lists.techniques.contains(DrillChoice{QStringLiteral("Aardvark Rondo"), 9001}));
        QVERIFY(!lists.techniques.contains(DrillChoice{QStringLiteral("Aardvark Overlap"), 9002}));
        QVERIFY(lists.tactics.contains(DrillChoice{QStringLiteral("Aardvark Overlap"), 9002}));
        for (const QList<DrillChoice>& list : {lists.techniques, lists.tactics}) {
            for (qsizetype i = 3; i < list.size(); ++i)
                QVERIFY(list[i - 1].name.compare(list[i].name, Qt::CaseInsensitive) <= 0);
        }
        // Without drills of a type its list stays empty.
        execSql(QStringLiteral("UPDATE DrillBook SET DrillType = ? WHERE DrillType = ?"), {7, 1});
        const bool none = practiceDrillLists().tactics.isEmpty();
        execSql(QStringLiteral("UPDATE DrillBook SET DrillType = ? WHERE DrillType = ?"), {1, 7});
        QVERIFY(none);
        QCOMPARE(FillCoachList(1), (QStringList{"All Coaches", "Dana Ortiz", "Sam Lee"}));

        QCOMPARE(practiceTimes().size(), 49);
        QCOMPARE(practiceTimeText(practiceTimes().at(35)), QStringLiteral("05:30 PM"));
        QCOMPARE(practiceTimeText(practiceTimes().last()), QStringLiteral("12:00 AM"));
        QCOMPARE(practiceKey(3, 17), QStringLiteral("T3P17"));
        QCOMPARE(practiceIdFromKey(practiceKey(3, 17)).value_or(0), 17);
        QVERIFY(!practiceIdFromKey(QStringLiteral("T3")));
        QVERIFY(!practiceIdFromKey(QString()));
    }

    // Saved, reloaded, saved again: the rows, the split and the moment in both tables.
    void saveAndReload()
    {
        PracticeSession s = tuesday();
        QCOMPARE(s.rows.size(), 7);
        const qint32 id = savePracticeSession(s);
        QVERIFY(id > 0);
        QCOMPARE(s.practiceId, id);
        QCOMPARE(countRows(QStringLiteral("PracticeDrill"),
                           Where{{"PracticeID", id}, {"DrillID", kTeachingMoment}, {"RowNo", 2}}),
                 1);
        QCOMPARE(GetDBData(QStringLiteral("TeachingMoment"), Where{{"PracticeID", id}, {"RowNo", 2}},
                           QStringLiteral("Moment")),
                 s.rows[1].description);
        QCOMPARE(countRows(QStringLiteral("PracticeDrill"), Where{{"PracticeID", id}, {"TeamSplit", true}}), 1);

        std::optional<PracticeSession> back = loadPracticeSession(1, id);
        QVERIFY(back);
        QCOMPARE(back->date, s.date);
        QCOMPARE(back->start, at(17));
        QCOMPARE(back->end, at(18, 30));
        QCOMPARE(back->rows, s.rows);
        QVERIFY(!loadPracticeSession(2, id));  // another team's number

        // A second save replaces the agenda and keeps the number.
        back->setTeamMeeting(false);
        back->placeDrill(1, 9002);
        QCOMPARE(savePracticeSession(*back), id);
        QCOMPARE(countRows(QStringLiteral("Practice")), 1);
        QCOMPARE(countRows(QStringLiteral("PracticeDrill"), Where{{"PracticeID", id}}), 1);
        QCOMPARE(countRows(QStringLiteral("TeachingMoment")), 0);

        // A team meeting keeps its items and notes.
        PracticeSession meeting = newPracticeSession(1, QDate(2026, 9, 17));
        meeting.setTeamMeeting(true);
        meeting.rows[2].agendaItem = QStringLiteral("Tournament travel");
        meeting.rows[2].agendaNotes = QStringLiteral("Hotel; carpools");
        const qint32 m = savePracticeSession(meeting);
        QCOMPARE(loadPracticeSession(1, m)->rows, meeting.rows);
        QVERIFY(loadPracticeSession(1, m)->teamMeeting);
    }

    void deleteKeepsTeachingMoments()
    {
        PracticeSession s = tuesday();
        const qint32 id = savePracticeSession(s);
        PracticeSession other = tuesday();
        savePracticeSession(other);
        QVERIFY(deletePracticeSession(1, id));
        QCOMPARE(countRows(QStringLiteral("Practice"), Where{{"PracticeID", id}}), 0);
        QCOMPARE(countRows(QStringLiteral("PracticeDrill"), Where{{"PracticeID", id}}), 0);
        QCOMPARE(countRows(QStringLiteral("TeachingMoment"), Where{{"PracticeID", id}}), 1);
        QCOMPARE(countRows(QStringLiteral("PracticeDrill")), 3);  // the other session's
        QVERIFY(!deletePracticeSession(1, id));
    }

    // The moment table is out of reach, so the save fails after writing the header and the rows:
    // none of it may stay.
    void failedSaveChangesNothing()
    {
        PracticeSession s = tuesday();
        const qint32 id = savePracticeSession(s);
        PracticeSession changed = s;
        changed.end = at(19);
        changed.rows[0] = AgendaRow{};
        PracticeSession fresh = tuesday();
        execSql(QStringLiteral("ALTER TABLE TeachingMoment RENAME TO tm_away"));
        bool threw = false;
        bool freshThrew = false;
        try {
            savePracticeSession(changed);
        } catch (const PwError&) {
            threw = true;
        }
        try {
            savePracticeSession(fresh);
        } catch (const PwError&) {
            freshThrew = true;
        }
        execSql(QStringLiteral("ALTER TABLE tm_away RENAME TO TeachingMoment"));
        QVERIFY(threw && freshThrew);
        QCOMPARE(fresh.practiceId, 0);
        QCOMPARE(countRows(QStringLiteral("Practice")), 1);
        const PracticeSession back = *loadPracticeSession(1, id);
        QCOMPARE(back.end, at(18, 30));
        QCOMPARE(back.rows, s.rows);
    }

    void recurrenceDates_data()
    {
        QTest::addColumn<QString>("weeks");
        QTest::addColumn<QList<QDate>>("expected");
        QTest::newRow("2 weeks") << QStringLiteral(" 2 ")
                                 << QList<QDate>{QDate(2026, 9, 22), QDate(2026, 9, 24), QDate(2026, 9, 29),
                                                 QDate(2026, 10, 1)};
        QTest::newRow("abc") << QStringLiteral("abc") << QList<QDate>{};
        QTest::newRow("empty") << QString() << QList<QDate>{};
        QTest::newRow("none") << QStringLiteral("0") << QList<QDate>{};
    }
    void recurrenceDates()
    {
        QFETCH(QString, weeks);
        QFETCH(QList<QDate>, expected);
        const std::array<bool, 7> tueThu{false, false, true, false, true, false, false};
        QCOMPARE(pw::recurrenceDates(QDate(2026, 9, 15), weeks, tueThu), expected);
        // A Sunday session belongs to the week it starts.
        QCOMPARE(pw::recurrenceDates(QDate(2026, 9, 13), QStringLiteral("1"), {true}),
                 QList<QDate>{QDate(2026, 9, 20)});
    }

    // Copies carry times, agenda, split, moments and the meeting flag to the new dates.
    void copiesAndRecurrence()
    {
        PracticeSession s = tuesday();
        const qint32 id = savePracticeSession(s);
        const QList<QDate> dates =
            pw::recurrenceDates(s.date, QStringLiteral("2"), {false, false, true, false, true, false, false});
        const QList<qint32> ids = recurPracticeSession(id, dates);
        QCOMPARE(ids.size(), 4);
        QCOMPARE(countRows(QStringLiteral("Practice")), 5);
        for (int i = 0; i < ids.size(); ++i) {
            const PracticeSession copy = *loadPracticeSession(1, ids[i]);
            QCOMPARE(copy.date, dates[i]);
            QCOMPARE(copy.start, s.start);
            QCOMPARE(copy.end, s.end);
            QCOMPARE(copy.rows, s.rows);
        }

        PracticeSession meeting = newPracticeSession(1, QDate(2026, 9, 17));
        meeting.setTeamMeeting(true);
        meeting.rows[0].agendaItem = QStringLiteral("Welcome");
        const qint32 copied = CopyPracticeSession(savePracticeSession(meeting), QDate(2026, 12, 31));
        const PracticeSession copy = *loadPracticeSession(1, copied);
        QVERIFY(copy.teamMeeting);
        QCOMPARE(copy.date, QDate(2026, 12, 31));
        QCOMPARE(copy.rows, meeting.rows);
        QCOMPARE(CopyPracticeSession(987654, QDate(2026, 12, 31)), 0);
        QCOMPARE(recurPracticeSession(987654, dates), QList<qint32>{});
    }

    void askings()
    {
        env.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No};
        QVERIFY(askDeleteSession());
        QVERIFY(!askClearAgenda());
        QCOMPARE(env.prompter.titles(), (QStringList{"Delete Session", "Clear Agenda"}));
        QCOMPARE(env.prompter.shown[1].text,
                 QStringLiteral("Changing this scheduled event will clear the set agenda, Do you want to continue?"));
        env.prompter.clear();
    }

    void agendaReport()
    {
        PracticeSession s = tuesday();
        // The seed drill with the busiest diagram, for a look at the drawn sheet.
        QSqlQuery busiest =
            execSql(QStringLiteral("SELECT DrillID FROM DrillData GROUP BY DrillID ORDER BY COUNT(*) DESC, DrillID"));
        QVERIFY(busiest.next());
        for (int row : {5, 6, 7})
            s.placeDrill(row, row == 6 ? busiest.value(0).toInt() : 9001);  // rows 5 to 7 on the second sheet page
        const qint32 id = savePracticeSession(s);
        const quint64 before = statementCount();
        const QString text = print(id, QStringLiteral("agenda"));
        QVERIFY(statementCount() - before <= 6);  // a query per part, not one per row or drill
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 4);  // the agenda, rows 1 to 4, rows 5 to 7, the rest of row 6's texts
        QVERIFY2(hasLine(pages[0], QStringLiteral("^\\s*Agenda\\s*$")), qPrintable(text));
        QVERIFY(hasLine(pages[0], QStringLiteral("^\\s*Tuesday, September 15, 2026\\s*$")));
        QVERIFY(hasLine(pages[0], QStringLiteral("^\\s*5:00 PM - 6:30 PM\\s*$")));
        QVERIFY(hasLine(pages[0],
                        QStringLiteral("^\\s*Time\\s+Drill/Evolution\\s+Discipline\\s+Coach\\s+Description\\s*$")));
        QVERIFY(
            hasLine(pages[0], QStringLiteral("^\\s*5:00 PM\\s+Aardvark\\s+Passing\\s+Aardvark Rondo purpose\\s*$")));
        QVERIFY(
            hasLine(pages[0], QStringLiteral("^\\s*5:15 PM\\s+Teaching\\s+Heads up, O'Brien's \"first touch\"\\s*$")));
        QVERIFY(
            hasLine(pages[0], QStringLiteral("^\\s*5:30 PM\\s+Aardvark\\s+Passing\\s+Sam Lee\\s+Aardvark Overlap")));
        QCOMPARE(pages[0].count(QStringLiteral("5:30 PM")), 2);
        QVERIFY(hasLine(pages[0], QStringLiteral("^\\s*6:15 PM\\s+Aardvark")));
        // Sheets: row 1 top left, row 4 bottom right; the moment in row 2 gets none.
        QCOMPARE(pages[1].count(QStringLiteral("Purpose:")), 2);
        QVERIFY(hasLine(pages[1], QStringLiteral("^\\s*Aardvark Rondo\\s*$")));
        QVERIFY(hasLine(pages[1], QStringLiteral("^\\s+Aardvark Overlap\\s*$")));
        QVERIFY(pages[1].indexOf(QStringLiteral("Rondo made harder")) < pages[1].indexOf(QStringLiteral("Overlap")));
        QCOMPARE(pages[2].count(QStringLiteral("Development:")), 3);
        QVERIFY(pages[3].contains(QStringLiteral("(continued)")) &&
                pages[3].contains(QStringLiteral("Development (continued):")));

        // A sheet on its own, as the drill window prints it.
        const QString pdf = env.dir() + QStringLiteral("/sheet.pdf");
        printToPdf([](Printout& p) { PrintDrill(p, 9002, p.left(), p.top()); }, Printout::Portrait, pdf);
        QVERIFY(inOrder(pdfText(pdf), {"Aardvark Overlap", "Purpose:", "Aardvark Overlap purpose", "Description:",
                                       "Aardvark Overlap explained", "Development:", "Aardvark Overlap made harder"}));

        PracticeSession meeting = newPracticeSession(1, QDate(2026, 9, 17));
        meeting.setTeamMeeting(true);
        meeting.rows[0].agendaItem = QStringLiteral("Welcome");
        meeting.rows[0].agendaNotes = QStringLiteral("Season goals");
        const QString m = print(savePracticeSession(meeting), QStringLiteral("meeting"));
        QCOMPARE(m.count(QLatin1Char('\f')), 1);
        QVERIFY(hasLine(m, QStringLiteral("^\\s*Team Meeting\\s*$")));
        QVERIFY(hasLine(m, QStringLiteral("^\\s*Time\\s+Agenda Item\\s+Notes\\s*$")));
        QVERIFY(hasLine(m, QStringLiteral("^\\s*6:00 PM\\s+Welcome\\s+Season goals\\s*$")));

        // A meeting longer than a page: its headings open every page and no item's notes are split.
        PracticeSession longMeeting = newPracticeSession(1, QDate(2026, 9, 24));
        longMeeting.setTeamMeeting(true);
        for (qsizetype r = 0; r < longMeeting.rows.size(); ++r) {
            longMeeting.rows[r].agendaItem = QStringLiteral("Item %1").arg(r + 1);
            QStringList notes;
            for (int n = 1; n <= 12; ++n)
                notes << QStringLiteral("Item%1 note %2").arg(r + 1).arg(n);
            longMeeting.rows[r].agendaNotes = notes.join(QLatin1Char('\n'));
        }
        const QStringList meetingPages = print(savePracticeSession(longMeeting), QStringLiteral("meeting-long"))
                                             .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY(meetingPages.size() >= 2);
        for (const QString& page : meetingPages)
            QVERIFY(hasLine(page, QStringLiteral("^\\s*Time\\s+Agenda Item\\s+Notes\\s*$")));
        const auto pageOf = [&meetingPages](const QString& line) {
            for (qsizetype i = 0; i < meetingPages.size(); ++i) {
                if (hasLine(meetingPages[i], QStringLiteral("\\b") + line + QStringLiteral("\\s*$")))
                    return i;
            }
            return qsizetype(-1);
        };
        for (qsizetype r = 1; r <= longMeeting.rows.size(); ++r) {
            const qsizetype first = pageOf(QStringLiteral("Item%1 note 1").arg(r));
            QVERIFY(first >= 0);
            QCOMPARE(pageOf(QStringLiteral("Item%1 note 12").arg(r)), first);
        }
        QVERIFY(pageOf(QStringLiteral("Item%1 note 12").arg(longMeeting.rows.size())) > 0);
    }

    void longDrillTextsPrintWhole()
    {
        // Numbered words, so that a word left off or printed twice shows.
        const auto words = [](QChar lead, int count) {
            QStringList out;
            for (int i = 1; i <= count; ++i)
                out << QStringLiteral("%1%2").arg(lead).arg(i, 3, 10, QLatin1Char('0'));
            return out;
        };
        const QStringList purpose = words(QLatin1Char('p'), 50);
        const QStringList explanation = words(QLatin1Char('e'), 420);
        const QStringList development = words(QLatin1Char('d'), 260);
        insertRow(QStringLiteral("DrillBook"),
                  fields(QStringLiteral("DrillID DrillName Description Discipline Explanation Development DrillType"),
                         {9003, "Endless Rondo", purpose.join(QLatin1Char(' ')), "Passing",
                          explanation.mid(0, 200).join(QLatin1Char(' ')) + QStringLiteral("\r\n") +
                              explanation.mid(200).join(QLatin1Char(' ')),
                          development.join(QLatin1Char(' ')), 0}));
        const QStringList whole = QStringList{"Purpose:"} + purpose + QStringList{"Description:"} + explanation +
                                  QStringList{"Development:"} + development;

        // The sheet alone, and the agenda with it beside a short one: every word, in order, on the paper.
        const QString sheet = env.dir() + QStringLiteral("/long-sheet.pdf");
        printToPdf([](Printout& p) { PrintDrill(p, 9003, p.left(), p.top()); }, Printout::Portrait, sheet);
        PracticeSession s = newPracticeSession(1, QDate(2026, 9, 15));
        s.placeDrill(1, 9003);
        s.placeDrill(2, 9001);
        const QString shots = qEnvironmentVariable("PW_SCREENSHOT_DIR");
        const QString agenda = (shots.isEmpty() ? env.dir() : shots) + QStringLiteral("/long-drill-agenda.pdf");
        const qint32 id = savePracticeSession(s);
        printToPdf([&](Printout& p) { PrintPracticeAgenda(p, 1, id); }, kPracticeAgendaOrientation, agenda);
        for (const QString& pdf : {sheet, agenda}) {
            // The agenda's first page lists the purpose in its table; the sheets follow it.
            const QString text = readPdf(pdf, pdf == agenda ? QStringList{"-f", "2"} : QStringList{});
            QVERIFY2(textsInOrder(text, whole), qPrintable(pdf));
            QVERIFY(!text.contains(QChar(0x2026)));
            const QStringList printed = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            for (const QString& w : whole) {
                if (!w.endsWith(QLatin1Char(':')))
                    QVERIFY2(printed.count(w) == 1, qPrintable(w));
            }
            QCOMPARE(wordsOffThePage(pdf), QStringList());
        }
        // What runs over goes on in the same quarter of the next page, under the drill's name.
        const QString sheetText = readPdf(sheet);
        QVERIFY(sheetText.count(QLatin1Char('\f')) >= 2);
        QVERIFY(textsInOrder(sheetText, {"\f", "Endless Rondo (continued)"}));
        QVERIFY(textsInOrder(readPdf(agenda), {"Aardvark Rondo purpose", "\f", "Endless Rondo (continued)"}));
    }
};

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
