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
        QTest::newRow("long date") << QVariant(kickoff) << QStringLiteral("Long Date") << QStringLiteral("Saturday, September 5, 2026");
        QTest::newRow("short date, four-digit year") << QVariant(kickoff) << QStringLiteral("Short Date") << QStringLiteral("9/5/2026");
        QTest::newRow("medium time") << QVariant(kickoff) << QStringLiteral("Medium Time") << QStringLiteral("09:05 AM");
        QTest::newRow("hh:mm AMPM") << QVariant(QDateTime(QDate(2026, 9, 5), QTime(18, 30))) << QStringLiteral("hh:mm AMPM") << QStringLiteral("06:30 PM");
        QTest::newRow("h:Nn AMPM") << QVariant(kickoff) << QStringLiteral("h:Nn AMPM") << QStringLiteral("9:05 AM");
        QTest::newRow("mmm d") << QVariant(QDate(2026, 12, 5)) << QStringLiteral("mmm d") << QStringLiteral("Dec 5");
        QTest::newRow("mmmm d, yyyy") << QVariant(QDate(2026, 12, 5)) << QStringLiteral("mmmm d, yyyy") << QStringLiteral("December 5, 2026");
        QTest::newRow("general date") << QVariant(kickoff) << QStringLiteral("General Date") << QStringLiteral("9/5/2026 9:05:00 AM");
        QTest::newRow("general date, midnight") << QVariant(QDate(2026, 9, 5)) << QStringLiteral("General Date") << QStringLiteral("9/5/2026");
        QTest::newRow("stored ISO text") << QVariant(QStringLiteral("2026-09-05T00:00:00.000")) << QStringLiteral("Long Date") << QStringLiteral("Saturday, September 5, 2026");
        QTest::newRow("null date") << QVariant() << QStringLiteral("Long Date") << QString();
        QTest::newRow("currency") << QVariant(1234.5) << QStringLiteral("Currency") << QStringLiteral("$1,234.50");
        QTest::newRow("currency zero") << QVariant(0) << QStringLiteral("Currency") << QStringLiteral("$0.00");
        QTest::newRow("currency half cent to even") << QVariant(0.125) << QStringLiteral("Currency") << QStringLiteral("$0.12");
        QTest::newRow("percent") << QVariant(0.75) << QStringLiteral("#%") << QStringLiteral("75%");
        QTest::newRow("percent half to even down") << QVariant(0.625) << QStringLiteral("#%") << QStringLiteral("62%");
        QTest::newRow("percent half to even up") << QVariant(0.875) << QStringLiteral("#%") << QStringLiteral("88%");
        QTest::newRow("percent of nothing has no digit") << QVariant(0.004) << QStringLiteral("#%") << QStringLiteral("%");
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
        } cases[] = {{2.5, 0, 2.0}, {3.5, 0, 4.0}, {-2.5, 0, -2.0}, {2.6, 0, 3.0}, {0.125, 2, 0.12}, {0.375, 2, 0.38}, {-0.4, 0, 0.0}};
        for (const auto& c : cases)
            QCOMPARE(RoundHalfEven(c.value, c.digits), c.rounded);
    }

    void unknownFormatsAreErrors() { QVERIFY_THROWS_EXCEPTION(PwError, Format(1, QStringLiteral("Fancy"))); }

    void amountsAreReadBackAsShownOrTyped()
    {
        // What the "Currency" format shows reads back as the amount it shows.
        for (double amount : {0.0, 12.5, 1500.0, 1234567.89, -40.0})
            QCOMPARE(parseAmount(Format(amount, QStringLiteral("Currency"))).value_or(-1e9), amount);
        for (const auto& [text, amount] : {std::pair{"1500", 1500.0}, {" 1,500.50 ", 1500.5}, {"$75", 75.0}, {"(20.00)", -20.0}})
            QCOMPARE(parseAmount(QString::fromLatin1(text)).value_or(-1e9), amount);
        for (const char* text : {"", "  ", "lots", "$", "12 apples", "nan", "inf"})
            QVERIFY2(!parseAmount(QString::fromLatin1(text)), text);
        QCOMPARE(shortDateFormat().count(QLatin1Char('y')), 4);
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
