// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule, the roster hand-out, the official roster and the player notes, rendered to PDF
// and read back with pdftotext: headings, columns and rows in order, the practice days, the form's
// box and blanks, continuation pages, and hostile values kept inside the page; on both engines.
#include "TestSupport.h"

#include "core/reports/Reports.h"
#include "core/teams/PlayerRules.h"

#include <QRegularExpression>

using namespace pw;
using namespace pwtest;

namespace {

struct Kind {
    Report report;
    int orientation;
};

struct Rendered {
    QString path;
    QString text;
    int pages() const { return int(text.count(QLatin1Char('\f'))); }
    QStringList pageTexts() const { return text.split(QLatin1Char('\f'), Qt::SkipEmptyParts); }
    // The line of the page that holds word: its words left to right by where they end, the form's
    // underscores and the spaces dropped, so that a value written over a blank reads in its place.
    QString lineOf(const QString& word) const
    {
        const QList<PdfWord> words = readPdfWords(path);
        const auto at = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == word; });
        QList<PdfWord> line;
        std::copy_if(words.begin(), words.end(), std::back_inserter(line), [&](const PdfWord& w) {
            return at != words.end() && w.page == at->page && qAbs(w.box.bottom() - at->box.bottom()) < 4;
        });
        std::sort(line.begin(), line.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.right() < b.box.right(); });
        QString joined;
        for (const PdfWord& w : line)
            joined += QString(w.text).remove(QLatin1Char('_'));
        return joined;
    }
};

QString bare(const char* text)
{
    return QString::fromUtf8(text).remove(QLatin1Char(' '));
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

const Kind kSchedule{[](Printout& p) { PrintSchedule(p, 1); }, kScheduleOrientation};
const Kind kHandout{[](Printout& p) { PrintHandoutRoster(p, 1); }, kHandoutOrientation};
const Kind kOfficial{[](Printout& p) { PrintOfficialRoster(p, 1); }, kOfficialRosterOrientation};
const Kind kNotesOfAva{[](Printout& p) { PrintPlayerNotes(p, 1, 1); }, kPlayerNotesOrientation};
const Kind kNotesOfAll{[](Printout& p) { PrintPlayerNotes(p, 1, 0); }, kPlayerNotesOrientation};

}  // namespace

Q_DECLARE_METATYPE(Kind)

class TestReports : public StoreTest {
    Q_OBJECT

private:
    // Under PW_SCREENSHOT_DIR when that is set, so that the pages can be looked at; the engine in
    // the name, as both engines' runs may write there at once.
    Rendered print(const Kind& kind, const QString& name) const
    {
        const QString shots = qEnvironmentVariable("PW_SCREENSHOT_DIR");
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
        const QString path = QStringLiteral("%1/%2-%3%4.pdf")
                                 .arg(shots.isEmpty() ? env.dir() : shots,
                                      qEnvironmentVariable("PW_TEST_ENGINE", QStringLiteral("sqlite")), name,
                                      tag.isEmpty() ? tag : QLatin1Char('-') + tag);
        printToPdf(kind.report, kind.orientation, path);
        return {path, readPdf(path)};
    }

private Q_SLOTS:
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
        const QString text = print(kSchedule, QStringLiteral("schedule")).text;
        QVERIFY2(textsInOrder(
                     text, {QStringLiteral("Comets\nFall 2026 (U10 G)\n"),
                            QStringLiteral("\nGame Opponent Name Date Time Field Score\n"
                                           "1 Blue Herons Saturday, September 12, 2026 10:00 AM Riverside 2\n"
                                           "2 Saturday, September 19, 2026 9:05 AM North Park\n"
                                           "3 Valley FC Saturday, October 3, 2026 1:30 PM Lakeside 4\n"),
                            QStringLiteral("\nFor information about standings and directions to soccer fields,\n"
                                           "go to the web-site: https://league.example.org/standings\n"
                                           "For General information, go to the web-site: https://club.example.org\n")}),
                 qPrintable(text));

        addTeam(2, QStringLiteral("Rockets"));
        const QString empty =
            print({[](Printout& p) { PrintSchedule(p, 2); }, kScheduleOrientation}, QStringLiteral("schedule-empty"))
                .text;
        QVERIFY(textsInOrder(
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
    // Exactly the ticked days, each once, between the heading and the roster.
    void handoutPracticeDays()
    {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, lines);
        execSql(QStringLiteral("UPDATE Teams SET TeamPracticeSchedule = ? WHERE TeamNo = 1"), {stored});
        const QString text = print(kHandout, QStringLiteral("practice")).text;
        QVERIFY2(text.contains(QStringLiteral("\nPractice Schedule:\n") + lines.join(QLatin1Char('\n')) +
                               QStringLiteral("\n\nNo. ")),
                 qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("day: ")), lines.filter(QStringLiteral("day: ")).size());
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
        const QString text = print(kHandout, QStringLiteral("handout")).text;
        QVERIFY2(text.contains(
                     QStringLiteral("\nNo. Player Name Phone Parents E-mail\n12 brooks, Mia Ann Brooks /\nTom Brooks\n"
                                    "3 Chen, Lily Wei Chen\n7 Zeller, Ava 555-0111 Kim Zeller zeller@example.org\n\n"
                                    "Coaches Phone Alt Phone E-Mail\nDana Ortiz 555-0101 555-0199 dana@example.org\n"
                                    "Sam Lee 555-0102\n")),
                 qPrintable(text));
    }

    // One X, in the box of the team's kind; the age and colours on their blanks.
    void officialRosterBox()
    {
        for (const auto& [sex, boxes] :
             {std::pair{"B", "(X)BOYSTEAMOR()GIRLS"}, {"G", "()BOYSTEAMOR(X)GIRLS"}, {"C", "()BOYSTEAMOR(X)GIRLS"}}) {
            execSql(QStringLiteral("UPDATE Teams SET Sex = ? WHERE TeamNo = 1"), {QString::fromLatin1(sex)});
            QCOMPARE(
                print(kOfficial, QStringLiteral("box-%1").arg(QLatin1String(sex))).lineOf(QStringLiteral("DIVISION")),
                QString::fromLatin1(boxes) +
                    bare("TEAM: TEAM AGE DIVISION U10 TEAM COLORS: JERSEY Navy SHORTS White ALTERNATE JERSEY Gold"));
        }
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
        Rendered r = print(kOfficial, QStringLiteral("official"));
        QCOMPARE(r.pages(), 1);
        QCOMPARE(r.lineOf(QStringLiteral("LEAGUE:")),
                 bare("LEAGUE: North County Youth Soccer OFFICIAL TEAM ROSTER FOR Fall 2026 SEASON"));
        QCOMPARE(r.lineOf(QStringLiteral("CLUB")), bare("TEAM NAME: Comets CLUB NAME: Riverside SC TEAM NUMBER:"));
        QVERIFY2(r.text.contains(
                     QStringLiteral("\nJERSEY PLAYER'S NAME ZIP DATE OF\nPHONE STREET NUMBER AND NAME AGE\n"
                                    "NO. FIRST NAME LAST NAME CODE BIRTH\n1. 9 Bea Old 1/20/2016 %1\n"
                                    "2. 4 Ada Young 555-0123 4 Oak Lane 02140 5/2/2018 %2\n3. 11 Cy Nodate\n\n"
                                    "COACH Dana Ortiz 555-0101 12 Elm Street 02139\nASST COACH Sam Lee 555-0102\n"
                                    "ASST COACH\n\nTEAM ROSTER CLUB APPROVAL\n")
                         .arg(CalculateAge(QDate(2016, 1, 20)))
                         .arg(CalculateAge(QDate(2018, 5, 2)))),
                 qPrintable(r.text));
        QVERIFY(textsInOrder(r.text, {QStringLiteral("TEAM ROSTER APPROVED THROUGH LINE __________"),
                                      QStringLiteral("HEAD COACH"), QStringLiteral("Date"),
                                      QStringLiteral("DISTRICT REPRESENTATIVE")}));

        for (int i = 4; i <= 45; ++i)
            addPlayer(1, i, QStringLiteral("Late%1").arg(i), QStringLiteral("Kid"), i,
                      fields(QStringLiteral("BirthDate"), {QDate(2017, 1, 1).addDays(i)}));
        r = print(kOfficial, QStringLiteral("official-long"));
        const QStringList pages = r.pageTexts();
        QVERIFY2(pages.size() >= 2, qPrintable(r.text));
        for (const QString& page : pages)
            QVERIFY(textsInOrder(page, {QStringLiteral("North County Youth Soccer"), QStringLiteral("TEAM NAME:"),
                                        QStringLiteral("PLAYER'S NAME")}));
        QVERIFY(!pages.first().contains(QStringLiteral("APPROVAL")) &&
                pages.last().contains(QStringLiteral("APPROVAL")));
        QVERIFY(textsInOrder(r.text, {QStringLiteral("\n1. "), QStringLiteral("\n44. "), QStringLiteral("\n45. "),
                                      QStringLiteral("Nodate")}));
        QVERIFY(wordsOffThePage(r.path).isEmpty());
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
        Rendered r = print(kNotesOfAva, QStringLiteral("notes-one"));
        QCOMPARE(r.pages(), 1);
        QVERIFY2(r.text.contains(QStringLiteral("Notes for Ava Zeller\n\nPriority Note Status\n1 First thing X\n"
                                                "2 Second thing\n3 Third thing\n")),
                 qPrintable(r.text));

        const QStringList pages = print(kNotesOfAll, QStringLiteral("notes-all")).pageTexts();
        QCOMPARE(pages.size(), 3);
        QVERIFY(textsInOrder(pages[0], {QStringLiteral("Notes for Mia Brooks"), QStringLiteral("Mia's note")}));
        QVERIFY(textsInOrder(pages[1], {QStringLiteral("Notes for Lily Chen"), QStringLiteral("Priority")}));
        QVERIFY(textsInOrder(pages[2], {QStringLiteral("Notes for Ava Zeller"), QStringLiteral("Third thing")}));
        QVERIFY(!pages[2].contains(QStringLiteral("Mia")));

        const QString words = QStringLiteral("run back and cover the space behind the defence ").repeated(4).trimmed();
        QStringList order;
        for (int i = 1; i <= 80; ++i) {
            order << QStringLiteral("N%1 run").arg(i, 3, 10, QLatin1Char('0'));
            note(100 + i, 1, 10 + i, order.last() + QLatin1Char(' ') + words + QLatin1Char('-') + order.last().left(4));
        }
        r = print(kNotesOfAva, QStringLiteral("notes-long"));
        QVERIFY(r.pages() > 2 && wordsOffThePage(r.path).isEmpty());
        static const QRegularExpression start(QStringLiteral("(N\\d{3}) run"));
        for (const QString& page : r.pageTexts()) {
            QVERIFY(textsInOrder(page, {QStringLiteral("Notes for Ava Zeller"), QStringLiteral("Priority")}));
            for (auto it = start.globalMatch(page); it.hasNext();)  // each note that starts on a page ends on it
                QVERIFY(page.contains(QStringLiteral("defence-") + it.next().captured(1)));
        }
        QVERIFY(textsInOrder(r.text, order));
    }

    void hostileValuesStayOnThePage_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("schedule") << kSchedule;
        QTest::newRow("handout") << kHandout;
        QTest::newRow("official") << kOfficial;
        QTest::newRow("notes") << kNotesOfAva;
    }
    // What a coach may type or paste never leaves the page: long values are shortened, a note
    // without spaces wraps and goes on over pages, line breaks and direction marks change nothing.
    void hostileValuesStayOnThePage()
    {
        QFETCH(Kind, kind);
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

        const Rendered r = print(kind, QStringLiteral("hostile"));
        const QStringList off = wordsOffThePage(r.path);
        QVERIFY2(off.isEmpty(), qPrintable(off.join(QLatin1Char('\n'))));
        // Shortened with an ellipsis (read back as three dots).
        QVERIFY(r.text.contains(QStringLiteral("Wolfeschlegelsteinhausen")) && r.text.contains(QStringLiteral("...")));
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
            for (const Kind& kind : {kSchedule, kHandout, kOfficial, kNotesOfAll})
                printToPdf(kind.report, kind.orientation, env.dir() + QStringLiteral("/cost.pdf"));
            costs << statementCount() - before;
        }
        QCOMPARE(costs[1], costs[0]);
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
