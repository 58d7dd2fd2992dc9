// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstRun.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "data/DatabaseFile.h"
#include "data/Secrets.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryFile>

#include <optional>

namespace pw {

namespace {

// The translation context of the startup texts.
struct Startup {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

struct EmailAccount {
    QString server;
    QString user;
    QString password;
};

// A typed folder may start with "~" or be relative; both mean the home folder.
QString absoluteFolder(const QString& typed)
{
    QString folder = QDir::fromNativeSeparators(typed.trimmed());
    if (folder == QLatin1String("~"))
        folder = QDir::homePath();
    else if (folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    if (QDir::isRelativePath(folder))
        folder = QDir::homePath() + QLatin1Char('/') + folder;
    return QDir::cleanPath(folder);
}

bool isWritableFolder(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.pitchwise-XXXXXX"));
    return probe.open();
}

void tellPlaceProblem(const QString& title, const QString& problem)
{
    prompter().message(title, Startup::tr("%1\n\nPlease choose another place for the data.").arg(problem),

                       Prompter::Icon::Exclamation);
}

std::optional<EmailAccount> askEmailAccount()
{
    const QString title = Startup::tr("E-mail Configuration");
    const auto answer = prompter().message(
        Startup::tr("E-Mail Configuration"),
        Startup::tr("To enable the E-mail option of this program, you will need to supply some information about "
                    "your E-mail server.\nThe next few questions will ask the name of your e-mail server and your "
                    "username and password.\nIf you are not sure about the server name, username and password, "
                    "click 'NO' below and you can enable this option later. Otherwise, click 'YES'"),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes)
        return std::nullopt;
    // An empty answer ends the questions: the program goes on without e-mail, which can be set
    // up later in the options.
    EmailAccount account;
    const auto server = prompter().inputText(title, Startup::tr("Enter your E-mail server name:"), {});
    if (!server || server->trimmed().isEmpty())
        return std::nullopt;
    account.server = server->trimmed();
    const auto user = prompter().inputText(title, Startup::tr("Enter your User Name:"), {});
    if (!user || user->trimmed().isEmpty())
        return std::nullopt;
    account.user = user->trimmed();
    const auto password = prompter().inputText(title, Startup::tr("Enter your Password:"), {}, true);
    if (!password || password->isEmpty())
        return std::nullopt;
    account.password = *password;
    return account;
}

}  // namespace

QString defaultDataFolder()
{
    return QDir::homePath() + QStringLiteral("/Brantworks/Data");
}

bool makeFolderLevels(const QString& folder, QStringList* created, QString* error)
{
    const QString clean = QDir::cleanPath(folder);
    const QStringList parts = clean.split(QLatin1Char('/'));
    QString path;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        path = i == 0 ? parts.at(0) : path + QLatin1Char('/') + parts.at(i);
        if (path.isEmpty())
            continue;  // the root of an absolute path
        const QFileInfo info(path);
        if (info.isDir())
            continue;
        if (info.exists()) {
            *error = Startup::tr("%1 is a file, not a folder.").arg(QDir::toNativeSeparators(path));
            return false;
        }
        if (!QDir().mkdir(path)) {
            *error = Startup::tr("The folder %1 could not be created.").arg(QDir::toNativeSeparators(path));
            return false;
        }
        // The coach's data is readable by the coach only.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        created->append(path);
    }
    if (!isWritableFolder(clean)) {
        *error = Startup::tr("The folder %1 cannot be written to.").arg(QDir::toNativeSeparators(clean));
        return false;
    }
    return true;
}

void removeFolders(const QStringList& created)
{
    for (qsizetype i = created.size() - 1; i >= 0; --i)
        QDir().rmdir(created.at(i));
}

bool CreateNewInstall()
{
    PW_TRACE(QStringLiteral("CreateNewInstall"));
    const auto answer = prompter().message(
        Startup::tr("New Install"),
        Startup::tr("It appears as though this is the first time you have started Pitchwise.\nYou will be asked a "
                    "few questions to get started.\nDo you want to continue?"),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes)
        return false;
    CreateRegKey(kSettingsKey);
    return CreateDBFile();
}

bool CreateDBFile()
{
    PW_TRACE(QStringLiteral("CreateDBFile"));
    return askForDatabase(true).has_value();
}

namespace {

enum class Place { Chosen, AskAgain, Cancelled };

// Asks where the database goes and makes its folders, listing those it made in created. A place
// that cannot be used is reported and asked again.
Place askPlace(QString& path, QStringList& created)
{
    const auto typed = prompter().inputText(
        Startup::tr("Data Path"),
        Startup::tr("Where would you like to store the data?\nClick 'OK' to accept.\n'Cancel' to browse."),
        QDir::toNativeSeparators(defaultDataFolder()));
    if (!typed || typed->trimmed().isEmpty()) {
        path = prompter().saveFileName(Startup::tr("Create DataBase file"), QDir::homePath(),
                                       QStringLiteral("Pitchwise.db"),
                                       Startup::tr("Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*"));
        if (path.isEmpty())
            return Place::Cancelled;
        path = QFileInfo(path).absoluteFilePath();
        // Game note files live beside the database wherever it is.
        QString error;
        if (!makeFolderLevels(QFileInfo(path).absolutePath() + QStringLiteral("/GameNotes"), &created, &error)) {
            removeFolders(created);
            tellPlaceProblem(Startup::tr("Create DataBase file"), error);
            return Place::AskAgain;
        }
        return Place::Chosen;
    }
    const QString folder = absoluteFolder(*typed);
    QString error;
    if (!makeFolderLevels(folder, &created, &error) ||
        !makeFolderLevels(folder + QStringLiteral("/GameNotes"), &created, &error)) {
        removeFolders(created);
        tellPlaceProblem(Startup::tr("Data Path"), error);
        return Place::AskAgain;
    }
    path = folder + QStringLiteral("/Pitchwise.db");
    return Place::Chosen;
}

// A database is never replaced: an existing one may be taken over, anything else is left alone.
// True: the coach takes the existing Pitchwise database at path.
bool takeExisting(const QString& path, bool record)
{
    if (!isPitchwiseDatabaseFile(path)) {
        tellPlaceProblem(Startup::tr("Data Path"), Startup::tr("The file %1 already exists and is not a Pitchwise "
                                                               "database. It will not be replaced.")
                                                       .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const auto use =
        prompter().message(Startup::tr("Data Path"),
                           Startup::tr("A Pitchwise database already exists at\n%1\n\nDo you want to use it?")
                               .arg(QDir::toNativeSeparators(path)),
                           Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (use != Prompter::Answer::Yes)
        return false;
    if (record)
        WriteSetting(QStringLiteral("mdbFile"), path);
    return true;
}

// Builds the new database at path and, when record, stores the settings that make it the coach's.
// False: it could not be built (said to the coach) and the folders made for it are gone.
bool buildAndRecord(const QString& path, const QStringList& created, bool record,
                    const std::optional<EmailAccount>& email)
{
    try {
        buildDatabaseFile(path);
    } catch (const PwError& e) {
        removeFolders(created);
        tellPlaceProblem(Startup::tr("Create DataBase file"),
                         Startup::tr("The database could not be created:\n%1").arg(e.description()));
        return false;
    }
    try {
        // The database setting goes last: once written, the file is the coach's database.
        if (record && email) {
            WriteSetting(QStringLiteral("EmailServer"), email->server);
            WriteSetting(QStringLiteral("EmailUser"), email->user);
            writeEmailPassword(email->password);
            WriteSetting(QStringLiteral("EmailDebug"), QStringLiteral("0"));
        }
        if (record)
            WriteSetting(QStringLiteral("mdbFile"), path);
    } catch (...) {
        // Without its setting the new file would be lost at the next start; take it back.
        QFile::remove(path);
        removeFolders(created);
        throw;
    }
    return true;
}

}  // namespace

std::optional<ChosenDatabase> askForDatabase(bool record)
{
    std::optional<std::optional<EmailAccount>> email;  // asked once, even when the place is asked again
    while (true) {
        QString path;
        QStringList created;
        const Place place = askPlace(path, created);
        if (place == Place::Cancelled)
            return std::nullopt;
        if (place == Place::AskAgain)
            continue;

        if (QFileInfo::exists(path)) {
            if (takeExisting(path, record))
                return ChosenDatabase{path, false};
            removeFolders(created);
            continue;
        }

        if (!email)
            email = askEmailAccount();
        if (!buildAndRecord(path, created, record, *email))
            continue;
        state().BuiltDatabase = path;
        return ChosenDatabase{path, true};
    }
}

}  // namespace pw
