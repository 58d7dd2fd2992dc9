// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace pw {

// The program's settings: string values under one key, kept per user with QSettings
// (organisation "Brant", application "Pitchwise"). Missing values follow fixed rules:
// ReadSetting gives "0" (or writes and returns the default it was given), ReadSettingText gives "".
// A settings store that cannot be read counts as having no values at all.

enum class RegRoot { LocalMachine, CurrentUser };
inline const QString kSettingsKey = QStringLiteral("Software\\Brant\\Pitchwise");

enum RegType { RegString = 1, RegDword = 4 };

void CreateRegKey(const QString& keyName, RegRoot root = RegRoot::LocalMachine);
void WriteSetting(RegRoot root, const QString& keyName, const QString& valueName, const QVariant& value,
                  int type = RegString);
QString ReadSetting(RegRoot root, const QString& keyName, const QString& valueName, const QString& defaultValue = {});
QString ReadSettingText(RegRoot root, const QString& keyName, const QString& valueName,
                        const QString& defaultValue = {});

// Low-level calls; they return 0 on success, or an error code (-1 for a value of another type,
// 2 for a missing value, 5 for a store that cannot be read or written).
long QueryRegValue(const QString& keyName, const QString& valueName, QVariant& value);
long SetRegValue(const QString& keyName, const QString& valueName, int type, const QVariant& value);

// Shorthands for the program's own key, which is the only one it uses.
void WriteSetting(const QString& valueName, const QVariant& value);
QString ReadSetting(const QString& valueName, const QString& defaultValue = {});
QString ReadSettingText(const QString& valueName, const QString& defaultValue = {});
// Takes the value out of the program's key, so that it reads as missing again.
void RemoveSetting(const QString& valueName);

// Tests and the test database keep their settings in a file of their own; empty restores the
// user's settings.
void setSettingsFile(const QString& iniPath);
QString settingsFileName();

// A database named on the command line (--database) for this run only: the start-up opens it in
// place of the recorded one, and nothing of it goes into the settings. Empty: none.
void setDatabaseOverride(const QString& setting);
QString databaseOverride();

}  // namespace pw
