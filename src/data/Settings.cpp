// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Settings.h"

#include "common/Trace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>
#include <utility>

namespace pw {

namespace {

// The translation context of the store texts.
struct Store {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

QString g_iniPath;
QString g_databaseOverride;
bool g_writeFailureTold = false;  // a store that cannot be written is told once a run

std::unique_ptr<QSettings> openStore(const QString& keyName)
{
    std::unique_ptr<QSettings> s;
    if (!g_iniPath.isEmpty()) {
        s = std::make_unique<QSettings>(g_iniPath, QSettings::IniFormat);
    } else {
        // "Software\Brant\Pitchwise": the organisation and application follow "Software".
        QStringList parts = keyName.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
            parts.removeFirst();
        const QString org = parts.value(0, QStringLiteral("Brant"));
        const QString app = parts.size() > 1 ? parts.mid(1).join(QLatin1Char('/')) : QStringLiteral("Pitchwise");
        s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, org, app);
    }
    return s;
}

QString readWithRule(const QString& keyName, const QString& valueName, const QString& defaultValue,
                     const QString& missing)
{
    QVariant value;
    if (QueryRegValue(keyName, valueName, value) == 0)
        return value.toString();
    if (!defaultValue.isEmpty()) {
        SetRegValue(keyName, valueName, RegString, defaultValue);
        return defaultValue;
    }
    return missing;
}

}  // namespace

void setSettingsFile(const QString& iniPath)
{
    g_iniPath = iniPath;
    g_writeFailureTold = false;
}

void setDatabaseOverride(const QString& setting)
{
    g_databaseOverride = setting.trimmed();
}

QString databaseOverride()
{
    return g_databaseOverride;
}

QString settingsFileName()
{
    return openStore(kSettingsKey)->fileName();
}

long QueryRegValue(const QString& keyName, const QString& valueName, QVariant& value)
{
    auto store = openStore(keyName);
    // A store that could not be written still reads: only one that cannot be read or parsed
    // counts as having no values.
    const QFileInfo file(store->fileName());
    if (store->status() == QSettings::FormatError || (file.exists() && !file.isReadable()))
        return 5;
    const QVariant raw = store->value(valueName);
    if (!raw.isValid())
        return 2;
    switch (raw.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray: value = raw.toString(); return 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: value = QString::number(raw.toLongLong()); return 0;
    default: return -1;
    }
}

long SetRegValue(const QString& keyName, const QString& valueName, int type, const QVariant& value)
{
    auto store = openStore(keyName);
    // The settings may hold the e-mail password: their folder and file are the coach's only.
    makePrivatePath(QFileInfo(store->fileName()).absolutePath());
    if (type == RegDword)
        store->setValue(valueName, value.toInt());
    else
        store->setValue(valueName, value.toString());
    store->sync();
    makePrivateFile(store->fileName());
    return store->status() == QSettings::NoError ? 0 : 5;
}

void CreateRegKey(const QString& keyName, RegRoot)
{
    PW_TRACE(QStringLiteral("CreateRegKey"), traceArg(QStringLiteral("KeyName"), keyName));
    // QSettings makes its file on the first write; make it now so a later read finds the store.
    auto store = openStore(keyName);
    makePrivatePath(QFileInfo(store->fileName()).absolutePath());
    store->sync();
    makePrivateFile(store->fileName());
}

void WriteSetting(RegRoot, const QString& keyName, const QString& valueName, const QVariant& value, int type)
{
    PW_TRACE(QStringLiteral("WriteSetting"),
             traceArg(QStringLiteral("ValueName"), valueName) + traceArg(valueName, value.toString()));
    if (SetRegValue(keyName, valueName, type, value) != 0) {
        const QString text = Store::tr("The setting %1 could not be saved in %2").arg(valueName, settingsFileName());
        if (std::exchange(g_writeFailureTold, true)) {
            LogMessage(text);  // the coach knows already
            return;
        }
        throw PwError(err::FileAccess, text);
    }
}

QString ReadSetting(RegRoot, const QString& keyName, const QString& valueName, const QString& defaultValue)
{
    return readWithRule(keyName, valueName, defaultValue, QStringLiteral("0"));
}

QString ReadSettingText(RegRoot, const QString& keyName, const QString& valueName, const QString& defaultValue)
{
    return readWithRule(keyName, valueName, defaultValue, QString());
}

void WriteSetting(const QString& valueName, const QVariant& value)
{
    WriteSetting(RegRoot::LocalMachine, kSettingsKey, valueName, value, RegString);
}

QString ReadSetting(const QString& valueName, const QString& defaultValue)
{
    return ReadSetting(RegRoot::LocalMachine, kSettingsKey, valueName, defaultValue);
}

void RemoveSetting(const QString& valueName)
{
    PW_TRACE(QStringLiteral("RemoveSetting"), traceArg(QStringLiteral("ValueName"), valueName));
    auto store = openStore(kSettingsKey);
    store->remove(valueName);
    store->sync();
    if (store->status() != QSettings::NoError)
        throw PwError(err::FileAccess,
                      Store::tr("The setting %1 could not be saved in %2").arg(valueName, settingsFileName()));
}

QString ReadSettingText(const QString& valueName, const QString& defaultValue)
{
    return ReadSettingText(RegRoot::LocalMachine, kSettingsKey, valueName, defaultValue);
}

}  // namespace pw
