// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the coach's language: the language chosen from the setting and the desktop,
// the first-run question, menus, a window, the unsaved-changes mark, a printed report and the
// locale's dates and money on a Spanish and on a German desktop; the options dialog's choice
// for the next start; the help titles the translations know.
#include "TestSupport.h"

#include "app/HelpCatalog.h"
#include "app/Language.h"
#include "app/MainForm.h"
#include "app/cfgDialog.h"
#include "app/frmSplash.h"
#include "common/AppPaths.h"
#include "common/Formats.h"
#include "core/practice/DrillDiagram.h"
#include "core/practice/PracticeSession.h"
#include "core/print/PrintLayer.h"
#include "core/reports/Reports.h"
#include "data/DatabaseFile.h"
#include "ui/base/Dirty.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace pw;
using namespace pwtest;

namespace {

// The accelerator letters of a menu's items that more than one item claims.
QStringList clashingAccelerators(const QMenu* menu)
{
    QHash<QChar, QStringList> byKey;
    for (const QAction* a : menu->actions()) {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("&([^&])")).match(a->text());
        if (!a->isSeparator() && a->isVisible() && m.hasMatch())
            byKey[m.captured(1).at(0).toLower()] << a->text();
    }
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << menu->title() + QStringLiteral(": ") + it.value().join(QStringLiteral(" / "));
    }
    return clashes;
}

// The same for a window's buttons, check boxes and labels.
QStringList clashesIn(const QWidget* window)
{
    QMenu keys;
    keys.setTitle(window->windowTitle());
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        keys.addAction(b->text());
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (l->buddy())
            keys.addAction(l->text());
    }
    return clashingAccelerators(&keys);
}

QStringList clashesIn(const QMenuBar* bar)
{
    QStringList clashes;
    QList<const QMenu*> menus;
    for (const QAction* a : bar->actions()) {
        if (a->menu())
            menus << a->menu();
    }
    while (!menus.isEmpty()) {
        const QMenu* menu = menus.takeFirst();
        clashes << clashingAccelerators(menu);
        for (const QAction* a : menu->actions()) {
            if (a->menu())
                menus << a->menu();
        }
    }
    return clashes;
}

QStringList helpTitlesShipped(const QString& root)
{
    QStringList titles;
    std::function<void(const QJsonArray&)> walk = [&](const QJsonArray& topics) {
        for (const QJsonValue& v : topics) {
            titles << v.toObject().value(QStringLiteral("title")).toString();
            walk(v.toObject().value(QStringLiteral("children")).toArray());
        }
    };
    QFile contents(root + QStringLiteral("/contents.json"));
    if (contents.open(QIODevice::ReadOnly))
        walk(QJsonDocument::fromJson(contents.readAll()).array());
    const HelpCatalog help = HelpCatalog::load(root);
    for (const QString& page : help.pages())
        titles << help.title(page);
    return titles;
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private:
    TestEnv env;

private Q_SLOTS:
    void init() { env.reset(); }
    void cleanup()
    {
        installLanguage(QStringLiteral("en"), QLocale(QLocale::English, QLocale::UnitedStates));
        Db::closeShared();
    }

    void theLanguageFollowsTheSettingThenTheDesktop()
    {
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("es-MX"), QStringLiteral("en-US")}), QStringLiteral("es"));
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("fr-FR"), QStringLiteral("de_AT")}), QStringLiteral("de"));
        QCOMPARE(chooseLanguage(QString(), {QStringLiteral("fr-FR")}), QStringLiteral("en"));
        QCOMPARE(chooseLanguage(QStringLiteral("de"), {QStringLiteral("es-ES")}), QStringLiteral("de"));
        QCOMPARE(chooseLanguage(QStringLiteral("en"), {QStringLiteral("es-ES")}), QStringLiteral("en"));
        // A setting the program does not know (left by another version) counts as none.
        WriteSetting(QStringLiteral("Language"), QStringLiteral("klingon"));
        QCOMPARE(languageSetting(), QString());
        QCOMPARE(chooseLanguage(languageSetting(), {QStringLiteral("es-ES")}), QStringLiteral("es"));

        // A Mexican desktop keeps its own money; Spanish chosen on an English desktop is Spain's.
        QVERIFY(installLanguage(QStringLiteral("es"), QLocale(QStringLiteral("es_MX"))));
        QCOMPARE(QLocale().territory(), QLocale::Mexico);
        QVERIFY(installLanguage(QStringLiteral("es"), QLocale(QLocale::English, QLocale::UnitedStates)));
        QCOMPARE(QLocale().language(), QLocale::Spanish);
        QVERIFY(installLanguage(QStringLiteral("en"), QLocale(QStringLiteral("de_DE"))));
        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(QCoreApplication::translate("pw::cfgDialog", "Pick Logo"), QStringLiteral("Pick Logo"));
    }

    void theProgramSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("firstRunTitle");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("optionsTitle");
        QTest::addColumn<QString>("unsaved");
        QTest::addColumn<QString>("scheduleHeadings");
        QTest::addColumn<bool>("acceleratorsChecked");
        QTest::newRow("Spanish") << "es_ES"
                                 << "Nueva instalación"
                                 << "&Archivo"
                                 << "Configuración"
                                 << "Configuración (sin guardar)"
                                 << "Rival Fecha Hora Campo Resultado" << true;
        QTest::newRow("German") << "de_DE"
                                << "Neuinstallation"
                                << "&Datei"
                                << "Einstellungen"
                                << "Einstellungen (ungespeichert)"
                                << "Spiel Gegner Datum Uhrzeit Platz Ergebnis" << false;
    }

    // As the program starts on such a desktop: the language of its preferred languages, with the
    // splash window's first-run question, the main window's menus, the options window with its
    // unsaved-changes mark, and a printed schedule with the locale's dates.
    void theProgramSpeaksTheDesktopsLanguage()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, firstRunTitle);
        QFETCH(QString, fileMenu);
        QFETCH(QString, optionsTitle);
        QFETCH(QString, unsaved);
        QFETCH(QString, scheduleHeadings);
        QFETCH(bool, acceleratorsChecked);
        const QLocale locale(desktop);
        QVERIFY(installLanguage(chooseLanguage(languageSetting(), locale.uiLanguages()), locale));

        const QString home = env.dir() + QStringLiteral("/home-") + desktop;
        QDir().mkpath(home);
        qputenv("HOME", home.toLocal8Bit());
        env.prompter.answers << Prompter::Answer::No;
        auto* declined = new frmSplash;
        declined->Timer1_Timer();
        QCOMPARE(env.prompter.titles(), QStringList{firstRunTitle});
        env.prompter.clear();

        const QString path = env.dir() + QStringLiteral("/club-") + desktop + QStringLiteral(".db");
        buildDatabaseFile(path);
        Db::openShared(DbLocation::parse(path));
        addRealisticClub();
        Db::closeShared();
        WriteSetting(QStringLiteral("mdbFile"), path);
        auto* splash = new frmSplash;
        splash->Timer1_Timer();
        MainForm* main = splash->mainForm();
        QVERIFY(main);
        QCOMPARE(main->menuBar()->actions().value(0)->text(), fileMenu);
        if (acceleratorsChecked) {
            const QStringList clashes = clashesIn(main->menuBar());
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
        }

        cfgDialog options;
        QCOMPARE(options.windowTitle(), optionsTitle);
        if (acceleratorsChecked) {
            const QStringList clashes = clashesIn(&options);
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
        }
        Dirty(&options, nullptr, true);
        QCOMPARE(options.windowTitle(), unsaved);
        Dirty(&options, nullptr, true);
        QCOMPARE(options.windowTitle(), unsaved);
        Dirty(&options, nullptr, false);
        QCOMPARE(options.windowTitle(), optionsTitle);

        const QString pdf = env.dir() + QStringLiteral("/schedule-") + desktop + QStringLiteral(".pdf");
        printToPdf([](Printout& p) { PrintSchedule(p, 1); }, kScheduleOrientation, pdf);
        const QString text = readPdf(pdf).simplified();
        QVERIFY2(text.contains(scheduleHeadings), qPrintable(text));
        // The first game's day as the desktop's locale writes it out.
        QVERIFY2(text.contains(locale.toString(QDate(2026, 9, 12), QLocale::LongFormat)), qPrintable(text));
        QCOMPARE(Format(1500.5, QStringLiteral("Currency")), locale.toCurrencyString(1500.5, QString(), 2));
        QVERIFY(Format(1500.5, QStringLiteral("Currency")).contains(QStringLiteral("€")));

        main->close();
        delete main;
        Db::closeShared();
        QCOMPARE(env.prompter.shown.size(), 0);
    }

    // The choice is written for the next start; this run keeps its language.
    void theOptionsDialogKeepsTheLanguageForTheNextStart()
    {
        WriteSetting(QStringLiteral("mdbFile"), env.dir() + QStringLiteral("/Pitchwise.db"));
        cfgDialog options;
        auto* language = child<QComboBox>(&options, "cboLanguage");
        QCOMPARE(language->currentIndex(), 0);  // "System default"
        QVERIFY(child<QLabel>(&options, "lblLanguageNote")->text().contains(QStringLiteral("next start")));
        language->setCurrentIndex(language->findText(QStringLiteral("Deutsch")));
        child<QPushButton>(&options, "OKButton")->click();
        QCOMPARE(env.stored(QStringLiteral("Language")).toString(), QStringLiteral("de"));
        QCOMPARE(QCoreApplication::translate("pw::cfgDialog", "Pick Logo"), QStringLiteral("Pick Logo"));

        cfgDialog again;
        QCOMPARE(child<QComboBox>(&again, "cboLanguage")->currentText(), QStringLiteral("Deutsch"));
        child<QComboBox>(&again, "cboLanguage")->setCurrentIndex(0);
        child<QPushButton>(&again, "OKButton")->click();
        QCOMPARE(env.stored(QStringLiteral("Language")).toString(), QString());
    }

    // Words the store keeps are kept in English and only shown in the coach's language.
    void storedWordsStayEnglish()
    {
        QVERIFY(installLanguage(QStringLiteral("es"), QLocale(QStringLiteral("es_ES"))));
        QCOMPARE(drillDisciplines(0).value(0), QStringLiteral("Warmup"));
        QCOMPARE(drillStages(1).value(0), QStringLiteral("Individual (1 v 1)"));
        QCOMPARE(drillWordText(QStringLiteral("Warmup")), QStringLiteral("Calentamiento"));
        QCOMPARE(drillWordText(QStringLiteral("Our own drill word")), QStringLiteral("Our own drill word"));
        QCOMPARE(coachText(QStringLiteral("All Coaches")), QStringLiteral("Todos los entrenadores"));
        QCOMPARE(coachText(QStringLiteral("Dana Ortiz")), QStringLiteral("Dana Ortiz"));
        QCOMPARE(dirtyCaption(QStringLiteral("Actualizar")), QStringLiteral("Actualizar (sin guardar)"));
    }

    // Every title of the table of contents and of the pages is one the translations know, and is

    // shown translated.
    void helpTitlesAreTranslated()
    {
        const QString root = dataPath(QStringLiteral("help"));
        const QStringList shipped = helpTitlesShipped(root);
        QVERIFY(shipped.size() > 10);
        const QStringList known = HelpCatalog::untranslatedTitles();
        for (const QString& title : shipped)
            QVERIFY2(known.contains(title), qPrintable(title));

        QVERIFY(installLanguage(QStringLiteral("es"), QLocale(QStringLiteral("es_ES"))));
        const HelpCatalog help = HelpCatalog::load(root);
        QCOMPARE(help.contents().value(0).title, QStringLiteral("Bienvenido a Pitchwise"));
        QCOMPARE(help.title(QStringLiteral("options.html")), QStringLiteral("Opciones (Herramientas > Configuración)"));
        // Found by its title in either language.
        QCOMPARE(help.search(QStringLiteral("Bienvenido")).value(0).page, QStringLiteral("welcome.html"));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
