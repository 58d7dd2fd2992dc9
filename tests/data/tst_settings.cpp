// SPDX-License-Identifier: GPL-3.0-or-later
// The settings rules: what a missing value reads as, defaults written back, and a store that
// cannot be read.
#include "TestSupport.h"

#include "data/Options.h"
#include "data/Secrets.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>

using namespace pw;
using namespace pwtest;

class TestSettings : public QObject {
    Q_OBJECT

private:
    TestEnv env;

private Q_SLOTS:
    void init() { env.reset(); }

    void missingOrUnreadableValuesFollowTheirRules()
    {
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), QStringLiteral("0"));
        QCOMPARE(ReadSettingText(QStringLiteral("mdbFile")), QString());
        // Reading without a default writes nothing; a default is written back.
        QVERIFY(!env.stored(QStringLiteral("mdbFile")).isValid());
        QCOMPARE(ReadSetting(QStringLiteral("TeamTabNo"), QStringLiteral("1")), QStringLiteral("1"));
        QCOMPARE(env.stored(QStringLiteral("TeamTabNo")).toString(), QStringLiteral("1"));
        // A present value wins over the default.
        WriteSetting(QStringLiteral("TeamTabNo"), QStringLiteral("4"));
        QCOMPARE(ReadSetting(QStringLiteral("TeamTabNo"), QStringLiteral("1")), QStringLiteral("4"));
        QCOMPARE(ReadSettingText(QStringLiteral("Other"), QStringLiteral("x")), QStringLiteral("x"));
        // A folder where the settings file should be cannot be read as settings: all counts as missing.
        QFile::remove(env.settingsPath());
        QDir().mkpath(env.settingsPath());
        QCOMPARE(ReadSetting(QStringLiteral("mdbFile")), QStringLiteral("0"));
        QCOMPARE(ReadSettingText(QStringLiteral("EmailUser")), QString());
        QCOMPARE(ReadSetting(QStringLiteral("TeamTabNo"), QStringLiteral("1")), QStringLiteral("1"));
        QDir(env.settingsPath()).removeRecursively();
    }

    void emptyAndAwkwardValuesRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces and quotes") << QStringLiteral("/home/coach/My \"Team\" Data/it's here.db");
        QTest::newRow("non-ascii") << QStringLiteral("/home/zoë/Données/Pitchwise.db");
        QTest::newRow("commas") << QStringLiteral("a, b, c");
        QTest::newRow("zero") << QStringLiteral("0");
    }

    void emptyAndAwkwardValuesRoundTrip()
    {
        QFETCH(QString, value);
        WriteSetting(QStringLiteral("EmailServer"), value);
        // A stored empty string is a value, not a missing one: it must not read as "0".
        QCOMPARE(ReadSetting(QStringLiteral("EmailServer")), value);
        QCOMPARE(ReadSettingText(QStringLiteral("EmailServer")), value);
    }

    void aStoreThatCannotBeWrittenStillReadsAndSaysSoOnce()
    {
        WriteSetting(QStringLiteral("EmailServer"), QStringLiteral("smtp.example.org"));
        const QString path = settingsFileName();
        // An immutable file stands for one the coach may not write (the tests run as root).
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) != 0)
            QSKIP("this file system cannot make a file unwritable for root");
        const auto restore = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
        });
        QVERIFY_THROWS_EXCEPTION(PwError, WriteSetting(QStringLiteral("NameOpt"), QStringLiteral("2")));
        WriteSetting(QStringLiteral("NameOpt"), QStringLiteral("1"));  // told once already: logged only
        QVERIFY(env.logText().contains(QLatin1String("NameOpt")));
        // Reading keeps working: the options show what the file holds.
        QCOMPARE(ReadSetting(QStringLiteral("EmailServer")), QStringLiteral("smtp.example.org"));
        QCOMPARE(Options::read().EmailServer, QStringLiteral("smtp.example.org"));
    }

    void theEmailPasswordGoesToTheKeyringOrStaysInTheCoachsFile()
    {
        const QString password = QStringLiteral("Goal keeper\"s/2026");
        QElapsedTimer timer;
        timer.start();
        writeEmailPassword(password);
        QCOMPARE(readEmailPassword(), password);
        QVERIFY(timer.elapsed() < 12000);  // a missing keyring answers at once, a stuck one within seconds
        const QString kept = ReadSettingText(QStringLiteral("EmailPasswordKept"));
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            // No keyring service on this machine: the settings file keeps it, readable by the coach only.
            QCOMPARE(kept, QStringLiteral("Settings"));
            QCOMPARE(ReadSettingText(QStringLiteral("EmailPassword")), password);
            QCOMPARE(QFileInfo(settingsFileName()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                     QFileDevice::Permissions());
        } else if (kept == QLatin1String("Keyring")) {
            QCOMPARE(ReadSettingText(QStringLiteral("EmailPassword")), QString());  // not in the file
            forgetSecret(QStringLiteral("EmailPassword"));
        }
        // A database password follows the same rule, and the address read back is complete.
        writeDatabaseSetting(QStringLiteral("postgresql://coach:%1@db.club.example/club").arg(password));
        DbLocation back = DbLocation::parse(ReadSettingText(QStringLiteral("mdbFile")));
        completeFromKeyring(back);
        QCOMPARE(back.password, password);
        QCOMPARE(back.host, QStringLiteral("db.club.example"));
        // Wherever it is kept, it never shows in the log.
        LogMessage(QStringLiteral("mail login failed with ") + password);
        QVERIFY(!env.logText().contains(password));
    }

    void numbersReadAsText()
    {
        QCOMPARE(SetRegValue(kSettingsKey, QStringLiteral("NameOpt"), RegDword, 2), 0L);
        QCOMPARE(ReadSetting(QStringLiteral("NameOpt")), QStringLiteral("2"));
    }

    void makenameForms_data()
    {
        QTest::addColumn<QVariant>("nick");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << QVariant() << 0 << QStringLiteral("Smith, Anna");
        QTest::newRow("1") << QVariant() << 1 << QStringLiteral("Smith, A");
        QTest::newRow("2") << QVariant() << 2 << QStringLiteral("Anna S.");
        QTest::newRow("unknown option") << QVariant() << 5 << QString();
        QTest::newRow("empty nickname") << QVariant(QString()) << 2 << QStringLiteral("Anna S.");
        QTest::newRow("nickname wins 0") << QVariant(QStringLiteral("Ace")) << 0 << QStringLiteral("Ace");
        QTest::newRow("nickname wins 2") << QVariant(QStringLiteral("Ace")) << 2 << QStringLiteral("Ace");
    }

    void makenameForms()
    {
        QFETCH(QVariant, nick);
        QFETCH(int, option);
        QTEST(Makename(nick, QStringLiteral("Smith"), QStringLiteral("Anna"), option), "expected");
    }

    void nullConversions()
    {
        QCOMPARE(NullToText(QVariant()), QString());
        QCOMPARE(NullToText(QVariant(QMetaType::fromType<QString>())), QString());
        QCOMPARE(NullToText(42), QStringLiteral("42"));
        QCOMPARE(NullToInt(QVariant()), qint16(0));
        QCOMPARE(NullToInt(QStringLiteral("abc")), qint16(0));
        QCOMPARE(NullToInt(QStringLiteral(" 12 ")), qint16(12));
        QCOMPARE(NullToInt(70000), qint16(0));
        QCOMPARE(NullToInt(-5), qint16(-5));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
