// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Options.h"

#include "common/LogText.h"
#include "common/MailAddress.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Secrets.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QObject>

#include <algorithm>

namespace pw {

namespace {

// The translation context of the store texts.
struct Store {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

bool readsTrue(const QString& value)
{
    const QString v = value.trimmed();
    return !v.isEmpty() && v != QLatin1String("0") && v.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

}  // namespace

Options Options::read()
{
    Options o;
    o.mdbFile = ReadSettingText(QStringLiteral("mdbFile"));
    const int name = ReadSetting(QStringLiteral("NameOpt")).toInt();
    o.NameOpt = static_cast<qint16>(name >= 0 && name <= 2 ? name : 0);
    o.EmailServer = ReadSettingText(QStringLiteral("EmailServer"));
    o.EmailUser = ReadSettingText(QStringLiteral("EmailUser"));
    o.EmailPassword = readEmailPassword();
    o.EmailDebug = readsTrue(ReadSetting(QStringLiteral("EmailDebug")));
    o.EmailAllowPlain = emailAllowPlainSetting();
    const QString logo = ReadSettingText(QStringLiteral("TeamLogo"));
    o.TeamLogo = logo == QLatin1String("0") ? QString() : logo;
    o.BackupsToKeep = backupsToKeep();
    return o;
}

void Options::write() const
{
    writeDatabaseSetting(mdbFile);
    WriteSetting(QStringLiteral("NameOpt"), QString::number(NameOpt));
    WriteSetting(QStringLiteral("EmailServer"), EmailServer.trimmed());
    WriteSetting(QStringLiteral("EmailUser"), EmailUser.trimmed());
    writeEmailPassword(EmailPassword);
    WriteSetting(QStringLiteral("EmailDebug"), EmailDebug ? QStringLiteral("1") : QStringLiteral("0"));
    WriteSetting(QStringLiteral("EmailAllowPlain"), EmailAllowPlain ? QStringLiteral("1") : QStringLiteral("0"));
    WriteSetting(QStringLiteral("TeamLogo"), TeamLogo);
    WriteSetting(QStringLiteral("BackupsToKeep"), QString::number(std::clamp(BackupsToKeep, 1, kMaxBackupsToKeep)));
}

int backupsToKeep()
{
    bool ok = false;
    const int n = ReadSettingText(QStringLiteral("BackupsToKeep")).trimmed().toInt(&ok);
    return ok ? std::clamp(n, 1, kMaxBackupsToKeep) : kDefaultBackupsToKeep;
}

bool emailAllowPlainSetting()
{
    // Strictly "1": a setting that is missing, mistyped or unreadable keeps the password encrypted.
    return ReadSetting(QStringLiteral("EmailAllowPlain")).trimmed() == QLatin1String("1");
}

QString maskedDatabaseSetting(const QString& setting)
{
    if (!DbLocation::isServerAddress(setting))
        return setting;
    try {
        return DbLocation::parse(setting).display();
    } catch (const PwError&) {
        return maskedValue({}, setting);
    }
}

QString unmaskedDatabaseSetting(const QString& edited, const QString& original)
{
    if (edited.trimmed() == maskedDatabaseSetting(original).trimmed())
        return original;
    if (!DbLocation::isServerAddress(edited) || !DbLocation::isServerAddress(original))
        return edited;
    try {
        // ******** left in place stands for the stored password.
        DbLocation location = DbLocation::parse(edited);
        if (location.password != QLatin1String("********"))
            return edited;
        location.password = DbLocation::parse(original).password;
        return location.toSetting();
    } catch (const PwError&) {
        return edited;
    }
}

std::optional<OptionsProblem> checkOptions(const Options& options, const QString& repeatedPassword)
{
    // Without a database the next start would greet the coach as a new user.
    if (options.mdbFile.trimmed().isEmpty())
        return OptionsProblem{Store::tr("Database file"),
                              Store::tr("Enter the database file, or the address of a PostgreSQL database. "
                                        "Pitchwise needs one to start."),
                              OptionsProblem::Field::Database};
    if (options.EmailPassword != repeatedPassword)
        return OptionsProblem{Store::tr("Wrong Password"),
                              Store::tr("The passwords to not match. Please re-enter them"),
                              OptionsProblem::Field::Password};
    // The server and the user name reach the mailer's command line and the mail server as typed.
    QString why;
    if (!options.EmailServer.trimmed().isEmpty() && !mail::parseServer(options.EmailServer, &why))
        return OptionsProblem{Store::tr("Server Name"),
                              Store::tr("The Server Name is not the address of a mail server: %1.\nType the server's "
                                        "name, such as mail.example.org, with the port when the club gives one "
                                        "(mail.example.org:587), or smtps://mail.example.org for a connection "
                                        "that is encrypted from the start.")
                                  .arg(why),
                              OptionsProblem::Field::Server};
    if (escapeControls(options.EmailUser) != options.EmailUser)
        return OptionsProblem{Store::tr("User Name"),
                              Store::tr("The User Name holds a line break, a tab or another control character. "
                                        "Type it again."),
                              OptionsProblem::Field::User};
    return std::nullopt;
}

}  // namespace pw
