// SPDX-License-Identifier: GPL-3.0-or-later
// Named display formats in US English, and rounding of exact halves to even.
#include "TestSupport.h"

#include "common/Formats.h"

using namespace pw;

class TestFormats : public QObject {
    Q_OBJECT

private:
    pwtest::TestEnv env;

private Q_SLOTS:
    void namedFormats_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const QDateTime kickoff(QDate(2026, 9, 5), QTime(9, 5));
        QTest::newRow("long date") << QVariant(kickoff) << QStringLiteral("Long Date")
                                   << QStringLiteral("Saturday, September 5, 2026");
        QTest::newRow("short date, four-digit year")
            << QVariant(kickoff) << QStringLiteral("Short Date") << QStringLiteral("9/5/2026");
        QTest::newRow("medium time") << QVariant(kickoff) << QStringLiteral("Medium Time")
                                     << QStringLiteral("09:05 AM");
        QTest::newRow("hh:mm AMPM") << QVariant(QDateTime(QDate(2026, 9, 5), QTime(18, 30)))
                                    << QStringLiteral("hh:mm AMPM") << QStringLiteral("06:30 PM");
        QTest::newRow("h:Nn AMPM") << QVariant(kickoff) << QStringLiteral("h:Nn AMPM") << QStringLiteral("9:05 AM");
        QTest::newRow("mmm d") << QVariant(QDate(2026, 12, 5)) << QStringLiteral("mmm d") << QStringLiteral("Dec 5");
        QTest::newRow("mmmm d, yyyy") << QVariant(QDate(2026, 12, 5)) << QStringLiteral("mmmm d, yyyy")
                                      << QStringLiteral("December 5, 2026");
        QTest::newRow("general date") << QVariant(kickoff) << QStringLiteral("General Date")
                                      << QStringLiteral("9/5/2026 9:05:00 AM");
        QTest::newRow("general date, midnight")
            << QVariant(QDate(2026, 9, 5)) << QStringLiteral("General Date") << QStringLiteral("9/5/2026");
        QTest::newRow("stored ISO text") << QVariant(QStringLiteral("2026-09-05T00:00:00.000"))
                                         << QStringLiteral("Long Date")
                                         << QStringLiteral("Saturday, September 5, 2026");
        QTest::newRow("null date") << QVariant() << QStringLiteral("Long Date") << QString();
        QTest::newRow("currency") << QVariant(1234.5) << QStringLiteral("Currency") << QStringLiteral("$1,234.50");
        QTest::newRow("currency zero") << QVariant(0) << QStringLiteral("Currency") << QStringLiteral("$0.00");
        QTest::newRow("currency half cent to even")
            << QVariant(0.125) << QStringLiteral("Currency") << QStringLiteral("$0.12");
        QTest::newRow("percent") << QVariant(0.75) << QStringLiteral("#%") << QStringLiteral("75%");
        QTest::newRow("percent half to even down") << QVariant(0.625) << QStringLiteral("#%") << QStringLiteral("62%");
        QTest::newRow("percent half to even up") << QVariant(0.875) << QStringLiteral("#%") << QStringLiteral("88%");
        QTest::newRow("percent of nothing has no digit")
            << QVariant(0.004) << QStringLiteral("#%") << QStringLiteral("%");
    }

    void namedFormats()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, format);
        QTEST(Format(value, format), "expected");
    }

    void halvesGoToEven()
    {
        const struct {
            double value;
            int digits;
            double rounded;
        } cases[] = {{2.5, 0, 2.0},    {3.5, 0, 4.0},    {-2.5, 0, -2.0}, {2.6, 0, 3.0},
                     {0.125, 2, 0.12}, {0.375, 2, 0.38}, {-0.4, 0, 0.0}};
        for (const auto& c : cases)
            QCOMPARE(RoundHalfEven(c.value, c.digits), c.rounded);
    }

    void unknownFormatsAreErrors() { QVERIFY_THROWS_EXCEPTION(PwError, Format(1, QStringLiteral("Fancy"))); }

    void amountsAreReadBackAsShownOrTyped()
    {
        // What the "Currency" format shows reads back as the amount it shows.
        for (double amount : {0.0, 12.5, 1500.0, 1234567.89, -40.0})
            QCOMPARE(parseAmount(Format(amount, QStringLiteral("Currency"))).value_or(-1e9), amount);
        for (const auto& [text, amount] :
             {std::pair{"1500", 1500.0}, {" 1,500.50 ", 1500.5}, {"$75", 75.0}, {"(20.00)", -20.0}})
            QCOMPARE(parseAmount(QString::fromLatin1(text)).value_or(-1e9), amount);
        for (const char* text : {"", "  ", "lots", "$", "12 apples", "nan", "inf"})
            QVERIFY2(!parseAmount(QString::fromLatin1(text)), text);
        QCOMPARE(shortDateFormat().count(QLatin1Char('y')), 4);
    }

    // Cut to a column's width, text keeps whole characters: no half of a surrogate pair, no keycap
    // torn from its digit, no accent torn from its letter.
    void textIsCutBetweenWholeCharacters()
    {
        const QString ball = QString::fromUtf8("\xE2\x9A\xBD");      // one unit
        const QString goal = QString::fromUtf8("\xF0\x9F\xA5\x85");  // a surrogate pair
        const QString keycap = QStringLiteral("1\uFE0F\u20E3");
        const QString accented = QStringLiteral("e\u0301");
        const QString name = QStringLiteral("Drill ") + goal + keycap + accented;
        const struct {
            qsizetype width;
            QString kept;
        } cases[] = {{5, QStringLiteral("Drill")},
                     {6, QStringLiteral("Drill ")},
                     {7, QStringLiteral("Drill ")},
                     {8, QStringLiteral("Drill ") + goal},
                     {10, QStringLiteral("Drill ") + goal},
                     {11, QStringLiteral("Drill ") + goal + keycap},
                     {12, QStringLiteral("Drill ") + goal + keycap},
                     {13, name},
                     {0, QString()}};
        for (const auto& c : cases) {
            const QString cut = cutToWidth(name, c.width);
            QCOMPARE(cut, c.kept);
            QVERIFY(cut.size() <= c.width);
            QVERIFY(!cut.toUtf8().contains("\xEF\xBF\xBD"));  // no replacement character
        }
        QCOMPARE(cutToWidth(ball + ball, 1), ball);
        // A lone high surrogate at the cut is never left dangling either.
        QCOMPARE(cutToWidth(QStringLiteral("ab") + QChar(0xD83D) + QStringLiteral("cd"), 3), QStringLiteral("ab"));
        // By measured width: each start tried is whole, and the longest that fits is kept.
        QStringList tried;
        const QString kept = cutToWidth(name, [&](const QString& s) {
            tried << s;
            return s.size() <= 9;
        });
        QCOMPARE(kept, QStringLiteral("Drill ") + goal);
        for (const QString& t : std::as_const(tried))
            QVERIFY(!t.toUtf8().contains("\xEF\xBF\xBD"));
    }

    // Text of several lines keeps its breaks; each line is made safe on its own.
    void linesStayLines()
    {
        QCOMPARE(shownLines(QStringLiteral("line one\r\nline two\rline three\n")),
                 QStringLiteral("line one\nline two\nline three\n"));
        QCOMPARE(shownLines(QStringLiteral("a\u0000b\n\u05E9\u05DC\u05D5\u05DD")),
                 QStringLiteral("ab\n") + shownText(QStringLiteral("\u05E9\u05DC\u05D5\u05DD")));
    }

    // What the coach types into a time or date field is read whole, never merged with what the
    // field held; the clock follows the locale's 12 or 24 hours.
    void typedTimesAndDatesAndTheClock()
    {
        const struct {
            const char* typed;
            QTime time;
        } times[] = {{"9:30", QTime(9, 30)},      {"09:30", QTime(9, 30)},       {"930", QTime(9, 30)},
                     {"0930", QTime(9, 30)},      {"21:30", QTime(21, 30)},      {"2130", QTime(21, 30)},
                     {"9", QTime(9, 0)},          {"9.05", QTime(9, 5)},         {"9:30 pm", QTime(21, 30)},
                     {"9:30p", QTime(21, 30)},    {"9:30 AM", QTime(9, 30)},     {"12 am", QTime(0, 0)},
                     {"12:15 PM", QTime(12, 15)}, {" 7:45 p.m. ", QTime(19, 45)}};
        for (const auto& t : times)
            QCOMPARE(readTypedTime(QString::fromLatin1(t.typed)), t.time);
        for (const char* bad : {"", "25:00", "9:75", "13 pm", "0 am", "nine", "9:30:15:1", "12345"})
            QVERIFY2(!readTypedTime(QString::fromLatin1(bad)).isValid(), bad);

        const QDate today(2026, 8, 20);
        const struct {
            const char* typed;
            const char* format;
            QDate date;
        } dates[] = {
            {"10/3/2026", "M/d/yyyy", QDate(2026, 10, 3)},    {"10/3/26", "M/d/yyyy", QDate(2026, 10, 3)},
            {"10-3-2026", "M/d/yyyy", QDate(2026, 10, 3)},    {"10/3", "M/d/yyyy", QDate(2026, 10, 3)},
            {"10032026", "M/d/yyyy", QDate(2026, 10, 3)},     {"100326", "M/d/yyyy", QDate(2026, 10, 3)},
            {"3.10.2026", "dd.MM.yyyy", QDate(2026, 10, 3)},  {"03102026", "dd.MM.yyyy", QDate(2026, 10, 3)},
            {"2026-10-03", "yyyy-MM-dd", QDate(2026, 10, 3)}, {"Oct 3, 2026", "MMM d, yyyy", QDate(2026, 10, 3)}};
        for (const auto& d : dates)
            QCOMPARE(readTypedDate(QString::fromLatin1(d.typed), QString::fromLatin1(d.format), today), d.date);
        for (const char* bad : {"", "13/3/2026", "2/30/2026", "10/3/20261", "1234567", "10//"})
            QVERIFY2(!readTypedDate(QString::fromLatin1(bad), QStringLiteral("M/d/yyyy"), today).isValid(), bad);

        QVERIFY(usesTwelveHourClock());
        QCOMPARE(clockFormat(), QStringLiteral("hh:mm AP"));
        QCOMPARE(clockFormat(false), QStringLiteral("hh:mmAP"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const bool twelve = usesTwelveHourClock();
        const QString clock = clockFormat(false);
        const QTime typed = readTypedTime(QStringLiteral("21.30"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(!twelve);
        QCOMPARE(clock, QStringLiteral("HH:mm"));
        QCOMPARE(typed, QTime(21, 30));
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
