// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Secrets.h"

#include "common/Trace.h"
#include "data/Database.h"
#include "data/Settings.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace pw {

namespace {

QString g_service = QStringLiteral("Pitchwise");

// A database password is filed under the address it belongs to, without the password.
QString databaseKey(const DbLocation& location)
{
    return QStringLiteral("Database %1@%2:%3/%4")
        .arg(location.user, location.host)
        .arg(location.port)
        .arg(location.database);
}

// Runs a keyring job to its end, or gives up after a few seconds (a keyring that asks to be
// unlocked must not freeze the program).
bool run(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    bool done = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&done] { done = true; });
    job.start();
    if (!done)
        loop.exec();
    return done && job.error() == QKeychain::NoError;
}

}  // namespace

void setKeyringService(const QString& service)
{
    g_service = service;
}

bool storeSecret(const QString& key, const QString& value)
{
    QKeychain::WritePasswordJob job(g_service);
    job.setKey(key);
    job.setTextData(value);
    return run(job);
}

std::optional<QString> readSecret(const QString& key)
{
    QKeychain::ReadPasswordJob job(g_service);
    job.setKey(key);
    if (!run(job))
        return std::nullopt;
    return job.textData();
}

void forgetSecret(const QString& key)
{
    QKeychain::DeletePasswordJob job(g_service);
    job.setKey(key);
    run(job);
}

void writeEmailPassword(const QString& password)
{
    registerSecret(password);
    if (storeSecret(QStringLiteral("EmailPassword"), password)) {
        WriteSetting(QStringLiteral("EmailPassword"), QString());
        WriteSetting(QStringLiteral("EmailPasswordKept"), QStringLiteral("Keyring"));
        return;
    }
    // No keyring on this desktop: the settings file (readable by the coach only) keeps it.
    WriteSetting(QStringLiteral("EmailPassword"), password);
    WriteSetting(QStringLiteral("EmailPasswordKept"), QStringLiteral("Settings"));
}

QString readEmailPassword()
{
    QString password;
    if (ReadSettingText(QStringLiteral("EmailPasswordKept")) == QLatin1String("Keyring"))
        password = readSecret(QStringLiteral("EmailPassword")).value_or(QString());
    else
        password = ReadSettingText(QStringLiteral("EmailPassword"));
    registerSecret(password);
    return password;
}

void writeDatabaseSetting(const QString& setting)
{
    const QString trimmed = setting.trimmed();
    if (DbLocation::isServerAddress(trimmed)) {
        DbLocation location = DbLocation::parse(trimmed);
        if (!location.password.isEmpty() && storeSecret(databaseKey(location), location.password)) {
            location.password.clear();
            WriteSetting(QStringLiteral("mdbFile"), location.toSetting());
            return;
        }
    }
    WriteSetting(QStringLiteral("mdbFile"), trimmed);
}

void completeFromKeyring(DbLocation& location)
{
    if (location.engine != Engine::PostgreSQL || !location.password.isEmpty() || location.user.isEmpty())
        return;
    if (const auto password = readSecret(databaseKey(location))) {
        location.password = *password;
        registerSecret(*password);
    }
}

}  // namespace pw
