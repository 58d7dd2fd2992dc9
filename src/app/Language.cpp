// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Language.h"

#include "common/AppPaths.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace pw {

namespace {

const QString kSettingName = QStringLiteral("Language");
const QString kEnglish = QStringLiteral("en");

// The translators in place, kept for the run; a new language replaces them.
std::unique_ptr<QTranslator>& programTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void removeTranslator(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

bool knownLanguage(const QString& code)
{
    for (const ProgramLanguage& language : programLanguages()) {
        if (language.code == code)
            return true;
    }
    return false;
}

}  // namespace

QList<ProgramLanguage> programLanguages()
{
    // Each language is named in itself, so that a coach who cannot read the current one finds his.
    return {{kEnglish, QStringLiteral("English")},
            {QStringLiteral("es"), QStringLiteral("Español")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")}};
}

QString languageSetting()
{
    const QString code = ReadSettingText(kSettingName).trimmed().toLower();
    return knownLanguage(code) ? code : QString();
}

void writeLanguageSetting(const QString& code)
{
    WriteSetting(kSettingName, code);
}

QString chooseLanguage(const QString& setting, const QStringList& uiLanguages)
{
    if (knownLanguage(setting))
        return setting;
    for (const QString& preferred : uiLanguages) {
        // "es-MX", "es_ES" and "es" all ask for Spanish.
        const QString code = preferred.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (knownLanguage(code))
            return code;
    }
    return kEnglish;
}

bool installLanguage(const QString& code, const QLocale& desktop)
{
    removeTranslator(programTranslator());
    removeTranslator(qtTranslator());
    const QLocale wanted(code);
    QLocale::setDefault(desktop.language() == wanted.language() ? desktop : wanted);
    if (code == kEnglish || !knownLanguage(code))
        return code == kEnglish;

    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("pitchwise_") + code, dataPath(QStringLiteral("translations"))))
        return false;
    QCoreApplication::installTranslator(own.get());
    programTranslator() = std::move(own);
    return true;
}

QString installStartupLanguage()
{
    const QString code = chooseLanguage(languageSetting(), QLocale::system().uiLanguages());
    installLanguage(code);
    return code;
}

}  // namespace pw
