// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace pw {

// A language the program speaks: its code ("es") and its name in itself ("Español").
struct ProgramLanguage {
    QString code;
    QString name;
};

// English, the language the program is written in, then the translations it ships.
QList<ProgramLanguage> programLanguages();

// The coach's choice in the options dialog: empty for the desktop's language, else a language
// code. It takes effect at the next start.
QString languageSetting();
void writeLanguageSetting(const QString& code);

// The language to speak: the setting when it names one of the program's languages, else the
// first of the desktop's preferred languages ("es-MX", "de", ...) that the program speaks, else
// English.
QString chooseLanguage(const QString& setting, const QStringList& uiLanguages);

// Puts a language in place for this run: the program's translation and Qt's own (its dialogs'
// buttons), and the locale that dates, times, numbers and money follow: the desktop's when it is
// of that language (a Mexican desktop keeps its pesos), else the language's own. English takes
// the translations out again. False when the program's translation of the language is missing.
bool installLanguage(const QString& code, const QLocale& desktop = QLocale::system());

// The start-up's part: the language of the setting and the desktop, put in place. Returns its code.
QString installStartupLanguage();

}  // namespace pw
