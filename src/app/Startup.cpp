// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "data/Options.h"

#include "app/FirstRun.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "data/Backup.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/Schema.h"
#include "data/Secrets.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <utility>

namespace pw {

namespace {

// The translation context of the startup texts.
struct Startup {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

enum class Fix { PickFile, NewDatabase, Quit };

Fix askHowToFix(const DbLocation& location, const QString& reason)
{
    const auto answer = prompter().message(
        Startup::tr("Database Problem"),
        Startup::tr("Pitchwise cannot use the database\n%1\n\n%2\n\nClick 'Yes' to pick another database file, "
                    "'No' to create a new database, or 'Cancel' to quit. The file itself is left as it is.")
            .arg(QDir::toNativeSeparators(location.display()), reason),
        Prompter::Icon::Exclamation, Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Answer::Yes)
        return Fix::PickFile;
    if (answer == Prompter::Answer::No)
        return Fix::NewDatabase;
    return Fix::Quit;
}

}  // namespace

void openAndCheck(const DbLocation& location)
{
    // Opening a missing SQLite file would quietly make an empty one; a folder, a pipe or a
    // device is called what it is.
    const QFileInfo file(location.path);
    if (location.engine == Engine::SQLite && !file.isFile()) {
        if (file.isDir())
            throw PwError(err::NotPitchwiseDb, Startup::tr("This is a folder, not a database file."));
        if (file.exists())
            throw PwError(err::NotPitchwiseDb, Startup::tr("This is not a file but a pipe or a device."));
        throw PwError(err::NotPitchwiseDb, Startup::tr("The file does not exist."));
    }
    Db::openShared(location);
    try {
        QSqlDatabase db = Db::shared();
        if (location.engine == Engine::PostgreSQL && missingTables(db).size() == schemaTables().size())
            buildDatabase(db);
        checkPitchwiseDatabase(db, location.display());
        // An older database gets what this version adds; one that cannot take it (read-only,
        // rows that break an identity) is used as it is.
        if (!location.readOnly) {
            try {
                upgradeSchema(db);
            } catch (const PwError& e) {
                LogMessage(QStringLiteral("The database could not be brought up to date: ") + e.description());
            }
        }
    } catch (...) {
        Db::closeShared();
        throw;
    }
}

namespace {

// A database file whose changes could not be stored is opened for reading only: one the coach may
// not write, or one in a folder that takes no new file (where SQLite would keep its journal).
void markReadOnly(DbLocation& location)
{
    if (location.engine == Engine::SQLite && QFileInfo(location.path).isFile() && !canChangeDatabaseFile(location.path))
        location.readOnly = true;
}

void setDataFolder(const DbLocation& location)
{
    // Game note files live beside the database, or in the default folder on this computer when
    // the data lives on a server. A folder that cannot be made now is reported when a note is saved.
    state().DataFolder =
        location.engine == Engine::SQLite ? QFileInfo(location.path).absolutePath() : defaultDataFolder();
    QStringList created;
    QString error;
    makeFolderLevels(state().DataFolder + QStringLiteral("/GameNotes"), &created, &error);
}

}  // namespace

void LoadStartupSettings()
{
    AppState& s = state();
    // A database named for this run takes the place of the recorded one.
    s.mdbFile = databaseOverride().isEmpty() ? ReadSetting(QStringLiteral("mdbFile")) : databaseOverride();
    s.NameOpt = static_cast<qint16>(ReadSetting(QStringLiteral("NameOpt")).toInt());
    s.EmailServer = ReadSetting(QStringLiteral("EmailServer"));
    s.EmailUser = ReadSetting(QStringLiteral("EmailUser"));
    s.EmailPassword = ReadSettingText(QStringLiteral("EmailPasswordKept")) == QLatin1String("Keyring")
                          ? readEmailPassword()
                          : ReadSetting(QStringLiteral("EmailPassword"));
    registerSecret(s.EmailPassword);
    s.EmailDebug = ReadSetting(QStringLiteral("EmailDebug")) != QLatin1String("0");
    s.EmailAllowPlain = emailAllowPlainSetting();
}

namespace {

// The recorded database address, made ready to open. An address that cannot be read is kept in
// unreadable and reported like a database that cannot be opened.
DbLocation recordedLocation(QString& unreadable)
{
    const AppState& s = state();
    DbLocation location;
    try {
        location = DbLocation::parse(s.mdbFile);
        completeFromKeyring(location);
    } catch (const PwError& e) {
        location.path = maskedValue({}, s.mdbFile);
        unreadable = e.description();
    }
    if (s.TestMode && unreadable.isEmpty()) {
        location = location.testVariant();
        // A test run on a machine without a test database gets a fresh one to play with.
        if (location.engine == Engine::SQLite && !QFileInfo::exists(location.path) &&
            QFileInfo(location.path).absoluteDir().exists())
            buildDatabaseFile(location.path);
    }
    markReadOnly(location);
    return location;
}

bool askTryAgain(const DbLocation& location)
{
    const auto again = prompter().message(
        Startup::tr("Database In Use"),
        Startup::tr("%1\nis in use by another program.\n\nClick 'Yes' to try again, or 'No' for other "
                    "choices.")
            .arg(QDir::toNativeSeparators(location.display())),
        Prompter::Icon::Exclamation, Prompter::Buttons::YesNo);
    return again == Prompter::Answer::Yes;
}

// Asks the coach what to do about a database that cannot be used, and changes location to the
// one picked or made. False: the coach quits.
bool fixLocation(DbLocation& location, const QString& reason)
{
    AppState& s = state();
    switch (askHowToFix(location, reason)) {
    case Fix::Quit: return false;
    case Fix::PickFile: {
        const QString picked = prompter().openFileName(
            Startup::tr("Open Pitchwise Database"), s.DataFolder.isEmpty() ? defaultDataFolder() : s.DataFolder,
            Startup::tr("Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*"));
        if (!picked.isEmpty()) {
            location = DbLocation::parse(picked);
            markReadOnly(location);
        }
        break;
    }
    case Fix::NewDatabase:
        if (const auto made = askForDatabase(!s.TestMode && databaseOverride().isEmpty())) {
            location = DbLocation::parse(made->path);
            s.NewInstall = s.NewInstall || made->built;
        }
        break;
    }
    return true;
}

// Opens location, or another database the coach picks or makes instead, until one opens. False:
// the coach quits.
bool openOrFix(DbLocation& location, QString unreadable)
{
    while (true) {
        try {
            if (!unreadable.isEmpty())
                throw PwError(err::DatabaseOpen, std::exchange(unreadable, QString()));
            openAndCheck(location);
            return true;
        } catch (const PwError& e) {
            if (e.number() == err::DatabaseBusy) {
                if (askTryAgain(location))
                    continue;
            } else if (e.number() != err::NotPitchwiseDb && e.number() != err::DatabaseOpen) {
                throw;
            }
            if (!fixLocation(location, e.description()))
                return false;
        }
    }
}

}  // namespace

bool PrepareDatabase()
{
    PW_TRACE(QStringLiteral("PrepareDatabase"));
    AppState& s = state();
    s.NewInstall = false;
    LoadStartupSettings();

    // Only a missing setting means a first start. A recorded file that is not there (a drive that
    // is not connected, say) is reported below instead, so that no new database takes its place
    // unasked.
    if (s.mdbFile == QLatin1String("0") || s.mdbFile.trimmed().isEmpty()) {
        s.NewInstall = true;
        if (!CreateNewInstall())
            return false;
        s.mdbFile = ReadSetting(QStringLiteral("mdbFile"));
    }

    QString unreadable;
    DbLocation location = recordedLocation(unreadable);
    if (!openOrFix(location, unreadable))
        return false;

    // Remember a database the coach picked instead of the recorded one (test runs and runs on a
    // database named for the run change nothing).
    if (!s.TestMode && databaseOverride().isEmpty() && location.engine == Engine::SQLite &&
        location.path != s.mdbFile) {
        WriteSetting(QStringLiteral("mdbFile"), location.path);
        s.mdbFile = location.path;
    }
    setDataFolder(location);
    // A copy of how the day began, once a day: cheap when today's is there already.
    dailyBackup();
    if (location.readOnly) {
        // Said once, plainly: this is how the coach looks at an archived season, not a failure.
        prompter().message(Startup::tr("Read-Only Database"),
                           Startup::tr("%1\ncan be read but not changed. You can look at everything; changes "
                                       "cannot be saved.")
                               .arg(QDir::toNativeSeparators(location.display())),
                           Prompter::Icon::Information);
    }
    return true;
}

bool needsFirstTeam()
{
    if (!state().NewInstall || Db::isReadOnly())
        return false;
    QSqlQuery q = execSql(QStringLiteral("SELECT COUNT(*) FROM Teams"));
    return q.next() && q.value(0).toLongLong() == 0;
}

void undoFirstStart()
{
    PW_TRACE(QStringLiteral("undoFirstStart"));
    AppState& s = state();
    const bool sqlite = Db::isOpen() && Db::sharedLocation().engine == Engine::SQLite;
    const QString open = sqlite ? Db::sharedLocation().path : QString();
    Db::closeShared();
    const QString built = std::exchange(s.BuiltDatabase, QString());
    if (!built.isEmpty() && sqlite && QFileInfo(open) == QFileInfo(built)) {
        for (const QString& suffix :
             {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(built + suffix);
        // The game-notes folder made beside it goes too, as long as nothing was put in it.
        QDir(QFileInfo(built).absolutePath()).rmdir(QStringLiteral("GameNotes"));
    }
    if (!s.TestMode && databaseOverride().isEmpty())
        RemoveSetting(QStringLiteral("mdbFile"));
    s.mdbFile.clear();
}

}  // namespace pw
