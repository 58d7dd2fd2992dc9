// The schedule, the roster hand-out, the official roster and the player notes, rendered to PDF
// and read back with pdftotext: headings, columns and rows in order, the practice days, the form's
// box and blanks, continuation pages, and hostile values kept inside the page; on both engines.
#include "TestSupport.h"

#include "reports/Reports.h"
#include "teams/PlayerRules.h"

#include <QProcess>
#include <QRegularExpression>

using namespace pw;
using namespace pwtest;

Q_DECLARE_METATYPE(pw::Report)

namespace {

struct Word {
    QString text;
    QRectF box;  // points from the page's top-left corner
    int page = 0;
};

struct Rendered {
    QString text;  // pdftotext -layout, pages ending in form feeds
    QList<Word> words;
    QSizeF pageSize;

    int pages() const { return int(text.count(QLatin1Char('\f'))); }
    // Words not wholly inside the half-inch margins.
    QStringList outside() const
    {
        QStringList out;
        const QRectF inside(35, 35, pageSize.width() - 70, pageSize.height() - 70);
        for (const Word& w : words) {
            if (!inside.contains(w.box))
                out << QStringLiteral("%1 (page %2)").arg(w.text.left(30)).arg(w.page + 1);
        }
        return out;
    }
    // The line of the first page that holds word: its words left to right by where they end, the
    // form's underscores dropped, so that a value written over a blank reads in the blank's place.
    QString lineOf(const QString& word) const
    {
        const auto at = std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.text == word; });
        QList<Word> line;
        for (const Word& w : words) {
            if (at != words.end() && w.page == at->page && qAbs(w.box.bottom() - at->box.bottom()) < 4)
                line << w;
        }
        std::sort(line.begin(), line.end(), [](const Word& a, const Word& b) { return a.box.right() < b.box.right(); });
        QString joined;
        for (const Word& w : line)
            joined += QString(w.text).remove(QLatin1Char('_'));
        return joined;
    }
};

QString pdftotext(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("pdftotext failed: %s", p.readAllStandardError().constData());
    return QString::fromUtf8(p.readAllStandardOutput());
}

Rendered render(const Report& report, int orientation, const QString& path)
{
    printToPdf(report, orientation, path);
    Rendered r;
    // The fonts join "fi" into one glyph.
    r.text =
        pdftotext({QStringLiteral("-layout"), path, QStringLiteral("-")}).replace(QChar(0xFB01), QLatin1String("fi"));
    static const QRegularExpression item(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"|<word xMin=\"([\\d.]+)\" "
                       "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = -1;
    for (auto it = item.globalMatch(pdftotext({QStringLiteral("-bbox"), path, QStringLiteral("-")})); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedLength(1)) {
            ++page;
            r.pageSize = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        } else {
            r.words << Word{m.captured(7),
                            QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                                   QPointF(m.captured(5).toDouble(), m.captured(6).toDouble())),
                            page};
        }
    }
    return r;
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

// Text as lineOf reads it: without spaces.
QString bare(const QByteArray& text)
{
    return QString::fromUtf8(text).remove(QLatin1Char(' '));
}

bool hasLine(const QString& text, const QString& pattern)
{
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
}

void game(int gameNo, int opponentNo, const QDate& date, const char* time, const QString& field)
{
    insertRow(QStringLiteral("Schedule"), fields(QStringLiteral("TeamNo GameNo OpponentNo GameDate GameTime FieldName"),
                                                 {1, gameNo, opponentNo, date, QString::fromLatin1(time), field}));
}

void note(int noteId, int playerNo, int priority, const QString& text, bool checked = false)
{
    insertRow(QStringLiteral("PlayerNotes"), fields(QStringLiteral("NoteID TeamNo PlayerNo Priority Note Checked"),
                                                    {noteId, 1, playerNo, priority, text, checked}));
}

const Report kSchedule = [](Printout& p) { PrintSchedule(p, 1); };
const Report kHandout = [](Printout& p) { PrintHandoutRoster(p, 1); };
const Report kOfficial = [](Printout& p) { PrintOfficialRoster(p, 1); };
const Report kNotesOfAva = [](Printout& p) { PrintPlayerNotes(p, 1, 1); };
const Report kNotesOfAll = [](Printout& p) { PrintPlayerNotes(p, 1, 0); };

}  // namespace

class TestReports : public QObject {
    Q_OBJECT

private:
    TestEnv env;
    TestStore store;

    // Under PW_SCREENSHOT_DIR when that is set, so that the pages can be looked at.
    Rendered print(const Report& report, int orientation, const QString& name) const
    {
        const QString shots = qEnvironmentVariable("PW_SCREENSHOT_DIR");
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
        return render(
            report, orientation,
            // The engine in the name: both engines' runs may write there at once.
            QStringLiteral("%1/%2-%3%4.pdf")
                .arg(shots.isEmpty() ? env.dir() : shots, qEnvironmentVariable("PW_TEST_ENGINE", QStringLiteral("sqlite")),
                     name, tag.isEmpty() ? tag : QLatin1Char('-') + tag));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString why = store.open(env.dir()); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void init()
    {
        env.reset();
        emptyTables();
        addTeam(
            1, QStringLiteral("Comets"),
            fields(QStringLiteral(
                       "WebSite HomePage League ClubName JerseyColor ShortsColor AltColor TeamCoach1 TeamCoach1Phone "
                       "TeamCoach1Mobile TeamCoach1Email TeamCoach1Add TeamCoach1Zip TeamCoach2 TeamCoach2Phone"),
                   {"https://league.example.org/standings", "https://club.example.org", "North County Youth Soccer",
                    "Riverside SC", "Navy", "White", "Gold", "Dana Ortiz", "555-0101", "555-0199", "dana@example.org",
                    "12 Elm Street", "02139", "Sam Lee", "555-0102"}));
    }

    void cleanup() { QVERIFY(env.prompter.shown.isEmpty()); }

    // Games by date whatever their numbers, numbered as printed, times in the short form, the
    // footer's web sites; a team without games still gets its headings.
    void schedule()
    {
        addOpponent(1, 1, QStringLiteral("Blue Herons"));
        addOpponent(1, 2, QStringLiteral("Valley FC"));
        game(1, 2, QDate(2026, 10, 3), "01:30 PM", QStringLiteral("Lakeside 4"));
        game(2, 1, QDate(2026, 9, 12), "10:00 AM", QStringLiteral("Riverside 2"));
        game(3, 7, QDate(2026, 9, 19), "09:05 AM", QStringLiteral("North Park"));  // no such opponent
        const QString text = print(kSchedule, kScheduleOrientation, QStringLiteral("schedule")).text;
        QVERIFY2(inOrder(text, {QStringLiteral("Comets"), QStringLiteral("Fall 2026 (U10 G)")}), qPrintable(text));
        QVERIFY(hasLine(text, QStringLiteral("^\\s*Game\\s+Opponent Name\\s+Date\\s+Time\\s+Field\\s+Score\\s*$")));
        QVERIFY(hasLine(
            text,
            QStringLiteral("^\\s*1\\s+Blue Herons\\s+Saturday, September 12, 2026\\s+10:00 AM\\s+Riverside 2\\s*$")));
        QVERIFY(hasLine(text, QStringLiteral("^\\s*2\\s+Saturday, September 19, 2026\\s+9:05 AM\\s+North Park\\s*$")));
        QVERIFY(hasLine(
            text, QStringLiteral("^\\s*3\\s+Valley FC\\s+Saturday, October 3, 2026\\s+1:30 PM\\s+Lakeside 4\\s*$")));
        QVERIFY(
            inOrder(text, {QStringLiteral("Lakeside 4\n"),
                           QStringLiteral("For information about standings and directions to soccer fields,\n"),
                           QStringLiteral("go to the web-site: https://league.example.org/standings\n"),
                           QStringLiteral("For General information, go to the web-site: https://club.example.org\n")}));

        addTeam(2, QStringLiteral("Rockets"));
        const QString empty =
            print([](Printout& p) { PrintSchedule(p, 2); }, kScheduleOrientation, QStringLiteral("schedule-empty"))
                .text;
        QVERIFY(inOrder(
            empty, {QStringLiteral("Rockets"), QStringLiteral("Opponent Name"), QStringLiteral("For information")}));
    }

    void handoutPracticeDays_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("lines");
        const QStringList none{QStringLiteral("No Practices Scheduled")};
        QTest::newRow("none stored") << QVariant() << none;
        QTest::newRow("no day ticked") << QVariant(QStringLiteral("0,0;0,0;0,0;0,0;0,0")) << none;
        QTest::newRow("second entry only") << QVariant(QStringLiteral("0,0;1,5:30 PM-7:00 PM;0,0;0,0;0,0"))
                                           << QStringList{QStringLiteral("Tuesday: 5:30 PM-7:00 PM")};
        QTest::newRow("monday and thursday")
            << QVariant(QStringLiteral("1,6:00 PM-7:30 PM;0,0;0,0;1,6:00 PM-7:00 PM;0,0"))
            << QStringList{QStringLiteral("Monday: 6:00 PM-7:30 PM"), QStringLiteral("Thursday: 6:00 PM-7:00 PM")};
    }

    void handoutPracticeDays()
    {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, lines);
        execSql(QStringLiteral("UPDATE Teams SET TeamPracticeSchedule = ? WHERE TeamNo = 1"), {stored});
        const QString text = print(kHandout, kHandoutOrientation, QStringLiteral("practice")).text;
        static const QRegularExpression day(QStringLiteral("^\\s*((Mon|Tues|Wednes|Thurs|Fri)day|No Practices).*$"),
                                            QRegularExpression::MultilineOption);
        QStringList printed;
        for (auto it = day.globalMatch(text); it.hasNext();)
            printed << it.next().captured(0).trimmed();
        QCOMPARE(printed, lines);
        QVERIFY(inOrder(text, QStringList{QStringLiteral("Practice Schedule:")} + lines +
                                  QStringList{QStringLiteral("No.")}));
    }

    // Players by last name whatever their case, parents joined (the father under the mother when
    // both do not fit), then the coaches who are there.
    void handoutRoster()
    {
        addPlayer(1, 1, QStringLiteral("Zeller"), QStringLiteral("Ava"), 7,
                  fields(QStringLiteral("PhoneNo Email MomFirstName MomLastName"),
                         {"555-0111", "zeller@example.org", "Kim", "Zeller"}));
        addPlayer(1, 2, QStringLiteral("brooks"), QStringLiteral("Mia"), 12,
                  fields(QStringLiteral("MomFirstName MomLastName DadFirstName DadLastName"),
                         {"Ann", "Brooks", "Tom", "Brooks"}));
        addPlayer(1, 3, QStringLiteral("Chen"), QStringLiteral("Lily"), 3,
                  fields(QStringLiteral("DadFirstName DadLastName"), {"Wei", "Chen"}));
        const QString text = print(kHandout, kHandoutOrientation, QStringLiteral("handout")).text;
        QVERIFY2(hasLine(text, QStringLiteral("^\\s*No\\.\\s+Player Name\\s+Phone\\s+Parents\\s+E-mail\\s*$")),
                 qPrintable(text));
        QVERIFY(
            hasLine(text, QStringLiteral("^\\s*12\\s+brooks, Mia\\s+Ann Brooks /\\s*\\n\\s*Tom "
                                         "Brooks\\s*\\n\\s*3\\s+Chen, Lily\\s+Wei Chen\\s*\\n"
                                         "\\s*7\\s+Zeller, Ava\\s+555-0111\\s+Kim Zeller\\s+zeller@example.org\\s*$")));
        QVERIFY(hasLine(
            text, QStringLiteral(
                      "^\\s*Coaches\\s+Phone\\s+Alt Phone\\s+E-Mail\\s*\\n\\s*Dana Ortiz\\s+555-0101\\s+555-0199\\s+"
                      "dana@example.org\\s*\\n\\s*Sam Lee\\s+555-0102\\s*$")));
    }

    void officialRosterBox_data()
    {
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QByteArray>("boxes");
        QTest::newRow("boys") << QStringLiteral("B") << QByteArray("(X)BOYS TEAM OR ()GIRLS");
        QTest::newRow("girls") << QStringLiteral("G") << QByteArray("()BOYS TEAM OR (X)GIRLS");
        QTest::newRow("mixed") << QStringLiteral("C") << QByteArray("()BOYS TEAM OR (X)GIRLS");
    }

    // One X, in the box of the team's kind; the age and colours on their blanks.
    void officialRosterBox()
    {
        QFETCH(QString, sex);
        QFETCH(QByteArray, boxes);
        execSql(QStringLiteral("UPDATE Teams SET Sex = ? WHERE TeamNo = 1"), {sex});
        const Rendered r = print(kOfficial, kOfficialRosterOrientation, QStringLiteral("box"));
        QCOMPARE(
            r.lineOf(QStringLiteral("DIVISION")),
            bare(boxes + " TEAM: TEAM AGE DIVISION U10 TEAM COLORS: JERSEY Navy SHORTS White ALTERNATE JERSEY Gold"));
    }

    // The team's values on the form's blanks; players oldest first, numbered, with their age; the
    // coaches and the approval; many players go on over further pages that say whose they are.
    void officialRoster()
    {
        addPlayer(1, 1, QStringLiteral("Young"), QStringLiteral("Ada"), 4,
                  fields(QStringLiteral("BirthDate PhoneNo Address ZipCode"),
                         {QDate(2018, 5, 2), "555-0123", "4 Oak Lane", "02140"}));
        addPlayer(1, 2, QStringLiteral("Old"), QStringLiteral("Bea"), 9,
                  fields(QStringLiteral("BirthDate"), {QDate(2016, 1, 20)}));
        addPlayer(1, 3, QStringLiteral("Nodate"), QStringLiteral("Cy"), 11,
                  fields(QStringLiteral("BirthDate"), {QVariant()}));
        Rendered r = print(kOfficial, kOfficialRosterOrientation, QStringLiteral("official"));
        const QString& text = r.text;
        QCOMPARE(r.pages(), 1);
        QCOMPARE(r.lineOf(QStringLiteral("LEAGUE:")),
                 QStringLiteral("LEAGUE:NorthCountyYouthSoccerOFFICIALTEAMROSTERFORFall2026SEASON"));
        QCOMPARE(r.lineOf(QStringLiteral("CLUB")), bare("TEAM NAME: Comets CLUB NAME: Riverside SC TEAM NUMBER:"));
        QVERIFY(hasLine(
            text,
            QStringLiteral(
                "^\\s*JERSEY\\s+PLAYER'S NAME\\s+ZIP\\s+DATE OF\\s*\\n\\s*PHONE\\s+STREET NUMBER AND NAME\\s+AGE\\s*\\n"
                "\\s*NO\\.\\s+FIRST NAME\\s+LAST NAME\\s+CODE\\s+BIRTH\\s*\\n"
                "\\s*1\\.\\s+9\\s+Bea\\s+Old\\s+1/20/2016\\s+%1\\s*\\n"
                "\\s*2\\.\\s+4\\s+Ada\\s+Young\\s+555-0123\\s+4 Oak Lane\\s+02140\\s+5/2/2018\\s+%2\\s*\\n"
                "\\s*3\\.\\s+11\\s+Cy\\s+Nodate\\s*$")
                .arg(CalculateAge(QDate(2016, 1, 20)))
                .arg(CalculateAge(QDate(2018, 5, 2)))));
        QVERIFY(hasLine(text, QStringLiteral("^\\s*COACH\\s+Dana Ortiz\\s+555-0101\\s+12 Elm Street\\s+02139\\s*\\n"
                                             "\\s*ASST COACH\\s+Sam Lee\\s+555-0102\\s*\\n\\s*ASST COACH\\s*$")));
        QVERIFY(
            inOrder(text, {QStringLiteral("ASST COACH"), QStringLiteral("TEAM ROSTER CLUB APPROVAL"),
                           QStringLiteral("TEAM ROSTER APPROVED THROUGH LINE __________"), QStringLiteral("HEAD COACH"),
                           QStringLiteral("Date"), QStringLiteral("DISTRICT REPRESENTATIVE")}));

        for (int i = 4; i <= 45; ++i)
            addPlayer(1, i, QStringLiteral("Late%1").arg(i), QStringLiteral("Kid"), i,
                      fields(QStringLiteral("BirthDate"), {QDate(2017, 1, 1).addDays(i)}));
        r = print(kOfficial, kOfficialRosterOrientation, QStringLiteral("official-long"));
        const QStringList pages = r.text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(r.text));
        for (const QString& page : pages)
            QVERIFY(inOrder(page, {QStringLiteral("North County Youth Soccer"), QStringLiteral("TEAM NAME:"),
                                   QStringLiteral("PLAYER'S NAME")}));
        QVERIFY(!pages.first().contains(QStringLiteral("APPROVAL")) &&
                pages.last().contains(QStringLiteral("APPROVAL")));
        QVERIFY(inOrder(r.text, {QStringLiteral(" 1. "), QStringLiteral(" 44. "), QStringLiteral(" 45. "),
                                 QStringLiteral("Nodate")}));
        QVERIFY(r.outside().isEmpty());
    }

    // One player's notes by priority, the ticked ones marked; every player's by last name, each on
    // a page of its own; a long list goes on over pages under its heading, no note cut in two.
    void playerNotes()
    {
        addPlayer(1, 1, QStringLiteral("Zeller"), QStringLiteral("Ava"), 7);
        addPlayer(1, 2, QStringLiteral("Brooks"), QStringLiteral("Mia"), 12);
        addPlayer(1, 3, QStringLiteral("Chen"), QStringLiteral("Lily"), 3);
        note(1, 1, 3, QStringLiteral("Third thing"));
        note(2, 1, 1, QStringLiteral("First thing"), true);
        note(3, 1, 2, QStringLiteral("Second thing"));
        note(4, 2, 1, QStringLiteral("Mia's note"));
        Rendered r = print(kNotesOfAva, kPlayerNotesOrientation, QStringLiteral("notes-one"));
        QCOMPARE(r.pages(), 1);
        QVERIFY2(hasLine(r.text,
                         QStringLiteral(
                             "^\\s*Notes for Ava Zeller\\s*\\n\\s*\\n\\s*Priority\\s+Note\\s+Status\\s*\\n"
                             "\\s*1\\s+First thing\\s+X\\s*\\n\\s*2\\s+Second thing\\s*\\n\\s*3\\s+Third thing\\s*$")),
                 qPrintable(r.text));

        r = print(kNotesOfAll, kPlayerNotesOrientation, QStringLiteral("notes-all"));
        const QStringList pages = r.text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 3);
        QVERIFY(inOrder(pages[0], {QStringLiteral("Notes for Mia Brooks"), QStringLiteral("Mia's note")}));
        QVERIFY(inOrder(pages[1], {QStringLiteral("Notes for Lily Chen"), QStringLiteral("Priority")}));
        QVERIFY(inOrder(pages[2], {QStringLiteral("Notes for Ava Zeller"), QStringLiteral("Third thing")}));
        QVERIFY(!pages[2].contains(QStringLiteral("Mia")));

        const QString words = QStringLiteral("run back and cover the space behind the defence ").repeated(4);
        QStringList order;
        for (int i = 1; i <= 80; ++i) {
            order << QStringLiteral("N%1 run").arg(i, 3, 10, QLatin1Char('0'));
            note(100 + i, 1, 10 + i,
                 order.last() + QLatin1Char(' ') + words.trimmed() + QLatin1Char('-') + order.last().left(4));
        }
        r = print(kNotesOfAva, kPlayerNotesOrientation, QStringLiteral("notes-long"));
        QVERIFY(r.pages() > 2 && r.outside().isEmpty());
        for (const QString& page : r.text.split(QLatin1Char('\f'), Qt::SkipEmptyParts)) {
            QVERIFY(inOrder(page, {QStringLiteral("Notes for Ava Zeller"), QStringLiteral("Priority")}));
            // Each note that starts on a page ends on it.
            static const QRegularExpression start(QStringLiteral("(N\\d{3}) run"));
            for (auto it = start.globalMatch(page); it.hasNext();)
                QVERIFY(page.contains(QStringLiteral("defence-") + it.next().captured(1)));
        }
        QVERIFY(inOrder(r.text, order));
    }

    void hostileValuesStayOnThePage_data()
    {
        QTest::addColumn<Report>("report");
        QTest::addColumn<int>("orientation");
        QTest::newRow("schedule") << kSchedule << kScheduleOrientation;
        QTest::newRow("handout") << kHandout << kHandoutOrientation;
        QTest::newRow("official") << kOfficial << kOfficialRosterOrientation;
        QTest::newRow("notes") << kNotesOfAva << kPlayerNotesOrientation;
    }

    // What a coach may type or paste never leaves the page: long values are shortened, a note
    // without spaces wraps and goes on over pages, line breaks and direction marks change nothing.
    void hostileValuesStayOnThePage()
    {
        QFETCH(Report, report);
        QFETCH(int, orientation);
        const QString longName =
            QStringLiteral("\r\nW") + QStringLiteral("olfeschlegelsteinhausen").repeated(9) + QStringLiteral("\r\n");
        const QString mixed = QStringLiteral("⚽🥅 \u05D3\u05E0\u05D4 \u05DB\u05D4\u05DF 🏆 Dana\u202E evil");
        execSql(
            QStringLiteral("UPDATE Teams SET TeamName = ?, Season = ?, League = ?, ClubName = ?, AgeDivision = ?, "
                           "JerseyColor = ?, "
                           "WebSite = ?, TeamCoach1 = ?, TeamCoach1Add = ?, TeamPracticeSchedule = ? WHERE TeamNo = 1"),
            {longName, mixed, longName, longName, longName, mixed, longName, longName, longName,
             QStringLiteral("1,") + longName.trimmed() + QStringLiteral(";0,0;0,0;0,0;0,0")});
        addPlayer(1, 1, longName, mixed, 99,
                  fields(QStringLiteral("PhoneNo Address Email MomFirstName"), {longName, longName, longName, mixed}));
        addPlayer(1, 2, mixed, longName, 5);
        addOpponent(1, 1, longName);
        game(1, 1, QDate(2026, 9, 12), "10:00 AM", longName);
        // The server keeps notes of up to 255 characters; a file made elsewhere may hold more.
        const QString unbroken(store.location().engine == Engine::PostgreSQL ? 251 : 10000, QLatin1Char('x'));
        note(1, 1, 1, QStringLiteral("\r\n") + unbroken + QStringLiteral("\r\n"), true);
        note(2, 1, 2, mixed + QStringLiteral("\n") + longName);

        const Rendered r = print(report, orientation, QStringLiteral("hostile"));
        QVERIFY2(r.outside().isEmpty(), qPrintable(r.outside().join(QLatin1Char('\n'))));
        QVERIFY(r.text.contains(QStringLiteral("Wolfeschlegelsteinhausen")) && r.text.contains(QChar(0x2026)));
        QVERIFY(!r.text.contains(QStringLiteral("lhcseflo")));  // the override stays inside its own value
        if (QTest::currentDataTag() == QLatin1String("notes")) {
            QCOMPARE(r.text.count(QLatin1Char('x')), unbroken.size());
            QVERIFY(unbroken.size() < 1000 || r.pages() > 1);
        }
    }

    // The reports read a fixed number of statements however many players, games and notes.
    void statementsDoNotGrowWithTheTeam()
    {
        QList<quint64> costs;
        for (int size : {1, 30}) {
            emptyTables();
            addTeam(1, QStringLiteral("Comets"));
            addOpponent(1, 1, QStringLiteral("Valley FC"));
            for (int i = 1; i <= size; ++i) {
                addPlayer(1, i, QStringLiteral("P%1").arg(i), QStringLiteral("Kid"), i);
                addGame(1, i, 1, QDate(2026, 9, 1).addDays(i));
                note(i, i, 1, QStringLiteral("note"));
            }
            const quint64 before = statementCount();
            print(kSchedule, kScheduleOrientation, QStringLiteral("cost-schedule"));
            print(kHandout, kHandoutOrientation, QStringLiteral("cost-handout"));
            print(kOfficial, kOfficialRosterOrientation, QStringLiteral("cost-official"));
            print(kNotesOfAll, kPlayerNotesOrientation, QStringLiteral("cost-notes"));
            costs << statementCount() - before;
        }
        QCOMPARE(costs[1], costs[0]);
        QVERIFY(costs[0] <= 8);
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
