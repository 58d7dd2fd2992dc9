// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/update/UpdateCheck.h"

#include "data/Changes.h"

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Desktop.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "data/Backup.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlField>
#include <QSqlRecord>

namespace pw {

namespace {

// The translation context of the update texts.
struct Update {
    Q_DECLARE_TR_FUNCTIONS(Update)
};

const QString kUpdates = QStringLiteral("Updates/");
const QString kVersionFile = QStringLiteral("PitchwiseVersion.txt");
const QString kIniFile = QStringLiteral("PWUpdate.ini");
const QString kSeedFile = QStringLiteral("BaseDB.db");
constexpr int kFirstOwnDrill = 1000;

QString bracketed(const QString& text)
{
    return QStringLiteral(" (%1)").arg(text);
}

QByteArray fileSha256(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

int countBelow(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery q = execSql(db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE DrillID < ?").arg(table), {kFirstOwnDrill});
    return q.next() ? q.value(0).toInt() : 0;
}

// Copies the seed's built-in rows of one table, field by field, under the program's own names.
void copyRows(const QSqlDatabase& seed, const QSqlDatabase& db, const QString& table)
{
    // The columns as the program's table has them, whatever the engine's catalogue is called.
    const QSqlRecord ours = execSql(db, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table)).record();
    QSqlQuery rows = execSql(seed, QStringLiteral("SELECT * FROM %1 WHERE DrillID < ?").arg(table), {kFirstOwnDrill});
    const QSqlRecord theirs = rows.record();
    QStringList columns;
    QList<int> from;
    for (int i = 0; i < theirs.count(); ++i) {
        const QString name = theirs.fieldName(i);
        // PostgreSQL gives its column names in lower case; the seed's spelling is the schema's.
        bool known = false;
        for (int j = 0; j < ours.count() && !known; ++j)
            known = ours.fieldName(j).compare(name, Qt::CaseInsensitive) == 0;
        if (!known)
            continue;
        checkIdentifier(name);
        columns << name;
        from << i;
    }
    if (!columns.contains(QStringLiteral("DrillID"), Qt::CaseInsensitive))
        throw PwError(err::BadArgument, Update::tr("The table %1 of the downloaded drills has no DrillID").arg(table));
    const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "));
    PreparedStatement insert(
        db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(QStringLiteral(", ")), marks));
    while (rows.next()) {
        QVariantList values;
        for (int i : from)
            values << rows.value(i);
        insert.exec(values);
    }
}

}  // namespace

// ---- versions

VersionInfo CVer(const QString& path, const QString& current, const QByteArray& publicKey)
{
    VersionInfo info;
    QFile file(path);
    if (!file.exists()) {
        info.problem = Update::tr("%1 was not found after download").arg(QDir::toNativeSeparators(path));
        return info;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        info.problem = Update::tr("%1 could not be read: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return info;
    }
    // A version file is a few lines; anything bigger is not one.
    const ReleaseList list = readReleaseList(file.read(64 * 1024));
    info.version = list.version;
    // Nothing in the file counts before its signature does: the server is not to be trusted.
    QString refused = list.problem;
    if (refused.isEmpty() && list.signature.isEmpty())
        refused = Update::tr("The version file is not signed");
    else if (refused.isEmpty() &&
             !verifyRelease(list.content, list.signature, publicKey.isEmpty() ? builtInReleaseKey() : publicKey))
        refused = Update::tr("The version file's signature does not match the release key");
    if (!refused.isEmpty()) {
        info.problem = Update::tr("%1: the update was refused").arg(refused);
        return info;
    }
    if (info.version.isEmpty()) {
        info.problem = Update::tr("The version file is empty");
        return info;
    }
    const auto theirs = parseVersion(info.version);
    const auto ours = parseVersion(current.isEmpty() ? programVersion() : current);
    if (!theirs || !ours) {
        info.problem = Update::tr("The version file holds no version number");
        return info;
    }
    info.newer = *theirs > *ours;  // major first, then minor, then revision
    info.sums = list.sums;
    return info;
}

// ---- built-in drills

DrillUpdate UpdateDrills(QSqlDatabase& db, const QString& seedPath)
{
    PW_TRACE(QStringLiteral("UpdateDrills"), traceArg(QStringLiteral("seedPath"), seedPath));
    DrillUpdate result;
    if (!QFileInfo(seedPath).isFile()) {
        result.problem = Update::tr("%1 was not found after download").arg(QDir::toNativeSeparators(seedPath));
        return result;
    }
    const QString seedName = QStringLiteral("pw_update_seed");
    try {
        DbLocation location;
        location.path = seedPath;
        location.readOnly = true;
        {
            const QSqlDatabase seed = openDatabase(location, seedName);
            // Opening succeeds on any file; the first statement tells whether it is a database.
            QSqlQuery probe(seed);
            if (!probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))) {
                result.problem = Update::tr("The downloaded %1 is not a database").arg(QFileInfo(seedPath).fileName());
            } else if (!seed.tables().contains(QStringLiteral("DrillBook")) ||
                       !seed.tables().contains(QStringLiteral("DrillData"))) {
                result.problem = Update::tr("The downloaded %1 holds no drills").arg(QFileInfo(seedPath).fileName());
            } else {
                const int seedDrills = countBelow(seed, QStringLiteral("DrillBook"));
                autoBackup(db, BackupReason::DrillUpdate);
                Transaction tx(db);
                const int removed = countBelow(db, QStringLiteral("DrillBook"));
                execSql(db, QStringLiteral("DELETE FROM DrillData WHERE DrillID < ?"), {kFirstOwnDrill});
                execSql(db, QStringLiteral("DELETE FROM DrillBook WHERE DrillID < ?"), {kFirstOwnDrill});
                copyRows(seed, db, QStringLiteral("DrillBook"));
                copyRows(seed, db, QStringLiteral("DrillData"));
                tx.commit();
                result.ok = true;
                result.added = seedDrills - removed;
            }
        }
        closeDatabase(seedName);
    } catch (const PwError& e) {
        closeDatabase(seedName);
        LogMessage(QStringLiteral("UpdateDrills: %1").arg(e.description()));
        result.ok = false;
        result.problem = Update::tr("The built-in drills were not changed: %1").arg(e.description());
    }
    return result;
}

// ---- the check

UpdateCheck::UpdateCheck(const QString& tempFolder, QObject* parent)
    : QObject(parent)
    , m_tempFolder(tempFolder)
    , m_programFolder(QCoreApplication::applicationDirPath())
    , m_download(new FtpDownload(this))
{
    connect(m_download, &FtpDownload::progress, this, &UpdateCheck::progress);
    connect(m_download, &FtpDownload::finished, this, &UpdateCheck::transferEnded);
}

QString UpdateCheck::defaultTempFolder(QString* problem)
{
    // A folder no other user can reach, or none: nobody may swap a checked file before the
    // updater runs, so there is no shared folder to fall back on.
    return programTempFolder(problem);
}

QString UpdateCheck::programFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Pitchwise.exe");
#else
    return QStringLiteral("Pitchwise");
#endif
}

QString UpdateCheck::updaterFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("PWUpdate.exe");
#else
    return QStringLiteral("PWUpdate");
#endif
}

bool UpdateCheck::fromSystemPackage() const
{
    return runsFromSystemPackage(m_programFolder);
}

QString UpdateCheck::packageManagerNote()
{
    return Update::tr("Pitchwise was installed from a system package. Updates come through your package manager.");
}

bool UpdateCheck::tempFolderIsPrivate() const
{
    return !m_tempFolder.isEmpty() && isOwnPrivateFolder(m_tempFolder);
}

QString UpdateCheck::localPath(const QString& fileName) const
{
    return QDir(m_tempFolder).filePath(fileName);
}

void UpdateCheck::setServer(const UpdateServer& server, const QString& problem)
{
    m_server = server;
    m_serverProblem = problem;
    m_serverGiven = true;
}

void UpdateCheck::setLine(int line, const QString& suffix, bool checked)
{
    m_suffix.at(line) = suffix;
    m_checked.at(line) = checked;
    Q_EMIT lineChanged(line);
}

UpdateCheck::Line UpdateCheck::lineOf(Step step) const
{
    switch (step) {
    case Step::Version: return VersionLine;
    case Step::Program:
    case Step::Updater:
    case Step::Ini: return ProgramLine;
    case Step::Seed: break;
    }
    return DrillLine;
}

void UpdateCheck::start()
{
    if (m_state != State::Ready)
        return;
    if (!m_serverGiven)
        setServer(UpdateServer::fromSettings(&m_serverProblem), m_serverProblem);
    PW_TRACE(QStringLiteral("UpdateCheck.start"), traceArg(QStringLiteral("Server"), m_server.display()));
    m_state = State::Running;
    if (!tempFolderIsPrivate()) {
        const QString why = Update::tr("No temporary folder of your own: nothing was downloaded");
        setLine(VersionLine, bracketed(why));
        leaveDrills(why);
        return;
    }
    for (const QString& name : {kVersionFile, updaterFileName(), kIniFile})
        QFile::remove(localPath(name));
    download(Step::Version, kVersionFile);
}

void UpdateCheck::cancel()
{
    if (m_state != State::Running)
        return;
    m_state = State::Cancelling;
    Q_EMIT cancelPending();
    m_download->cancel();
}

void UpdateCheck::download(Step step, const QString& fileName)
{
    m_step = step;
    m_localName = fileName;
    if (m_state == State::Cancelling) {
        finish();
        return;
    }
    if (!m_server.isSet()) {
        const QString why = m_serverProblem.isEmpty() ? Update::tr("No update server is set") : m_serverProblem;
        // Ends on the next turn like a transfer, so every step takes the same way.
        QMetaObject::invokeMethod(
            this, [this, why] { transferEnded(why, {}, false); }, Qt::QueuedConnection);
        return;
    }
    if (step != Step::Version && !m_version.sums.contains(fileName)) {
        // A file the signed list does not vouch for is not even fetched; the refusal says why.
        QFile::remove(localPath(fileName));
        QMetaObject::invokeMethod(
            this, [this] { transferEnded({}, {}, false); }, Qt::QueuedConnection);
        return;
    }
    m_download->start(m_server, kUpdates + fileName, localPath(fileName));
}

void UpdateCheck::transferEnded(const QString& error, const QByteArray& sha256, bool cancelled)
{
    if (cancelled || m_state == State::Cancelling) {
        setLine(lineOf(m_step), bracketed(Update::tr("Cancelled")));
        finish();
        return;
    }
    QString problem = error;
    bool refused = false;
    if (problem.isEmpty()) {
        problem = refusal(m_localName, sha256);
        refused = !problem.isEmpty();
    } else if (m_server.isSet()) {
        problem = Update::tr("%1 could not be downloaded: %2").arg(m_localName, error);
    }

    switch (m_step) {
    case Step::Version:
        if (!problem.isEmpty()) {
            setLine(VersionLine, bracketed(problem));
            // Without a checked list nothing else can be checked either.
            leaveDrills(m_server.isSet() ? Update::tr("Not downloaded: the version file could not be used") : problem);
        } else {
            versionArrived();
        }
        return;
    case Step::Program:
    case Step::Updater:
    case Step::Ini:
        if (!problem.isEmpty()) {
            setLine(VersionLine, bracketed(Update::tr("Version %1 is available").arg(m_version.version)));
            setLine(ProgramLine, bracketed(problem));
            m_programProblem = problem;
            if (refused)
                m_refusedFile = m_localName;
            fetchDrills();
            return;
        }
        if (m_step == Step::Program || m_step == Step::Updater) {
            QFile f(localPath(m_localName));
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ReadOwner);
        }
        if (m_step == Step::Program) {
            download(Step::Updater, updaterFileName());
        } else if (m_step == Step::Updater) {
            download(Step::Ini, kIniFile);
        } else {
            m_newVersionDownloaded = true;
            setLine(VersionLine, bracketed(Update::tr("New Version Downloaded")));
            setLine(ProgramLine, bracketed(Update::tr("Version %1").arg(m_version.version)));
            fetchDrills();
        }
        return;
    case Step::Seed:
        if (!problem.isEmpty())
            setLine(DrillLine, bracketed(problem));
        else
            seedArrived();
        finish();
        return;
    }
}

QString UpdateCheck::refusal(const QString& localName, const QByteArray& sha256)
{
    if (m_step == Step::Version)
        return {};  // its signature is checked once it is read
    const QByteArray expected = m_version.sums.value(localName);
    if (!expected.isEmpty() && expected == sha256)
        return {};
    // Never leave a file behind that something could take for the real one.
    QFile::remove(localPath(localName));
    if (expected.isEmpty())
        return Update::tr("%1 was refused: the version file lists no SHA-256 sum for it").arg(localName);
    return Update::tr("%1 was refused: its SHA-256 sum does not match the version file").arg(localName);
}

void UpdateCheck::versionArrived()
{
    m_version = CVer(localPath(kVersionFile), m_currentVersion, m_releaseKey);
    if (!m_version.problem.isEmpty()) {
        setLine(VersionLine, bracketed(m_version.problem));
        leaveDrills(Update::tr("Not downloaded: the version file could not be used"));
    } else if (m_version.newer && fromSystemPackage()) {
        // The package manager owns the program file: the new version is named, never fetched.
        setLine(VersionLine, bracketed(Update::tr("Version %1 is available").arg(m_version.version)));
        setLine(ProgramLine, bracketed(packageManagerNote()));
        fetchDrills();
    } else if (m_version.newer) {
        QFile::remove(localPath(programFileName()));
        download(Step::Program, programFileName());
    } else {
        setLine(VersionLine, bracketed(Update::tr("Pitchwise is up to date")));
        fetchDrills();
    }
}

void UpdateCheck::fetchDrills()
{
    QFile::remove(localPath(kSeedFile));
    download(Step::Seed, kSeedFile);
}

void UpdateCheck::leaveDrills(const QString& why)
{
    setLine(DrillLine, bracketed(why));
    finish();
}

void UpdateCheck::seedArrived()
{
    DrillUpdate r;
    try {
        QSqlDatabase db = m_db ? *m_db : Db::shared();
        r = UpdateDrills(db, localPath(kSeedFile));
    } catch (const PwError& e) {
        r.problem = e.description();
    }
    if (!r.ok) {
        setLine(DrillLine, bracketed(r.problem));
        return;
    }
    m_drillsReplaced = true;
    // Open drill and practice windows show the built-in drills by name: they reload.
    announce(Change::Drills, 0);
    setLine(DrillLine, bracketed(Update::tr("System Drills Downloaded")) +
                           bracketed(Update::tr("%1 drills were added").arg(r.added)));
}

void UpdateCheck::finish()
{
    const bool cancelled = m_state == State::Cancelling;
    m_state = State::Done;
    if (!cancelled) {
        for (int line = VersionLine; line < FinishLine; ++line) {
            if (!m_checked.at(line) && m_suffix.at(line).isEmpty())
                setLine(line, bracketed(Update::tr("No file to update")));
        }
        if (m_version.newer && !fromSystemPackage())
            startUpdater();
    }
    if (cancelled)
        setLine(FinishLine, bracketed(Update::tr("Cancelled: nothing was installed")));
    else if (m_updaterStarted)
        setLine(FinishLine, bracketed(Update::tr("Pitchwise closes to finish the update")));
    else if (m_suffix.at(FinishLine).isEmpty())
        setLine(FinishLine, QString());
    Q_EMIT finished();
    if (m_updaterStarted)
        Q_EMIT quitRequested();
}

void UpdateCheck::startUpdater()
{
    const QString program = localPath(programFileName());
    const QString updater = localPath(updaterFileName());
    // A file refused for its sum was deleted, so this also keeps a tampered program from running.
    // The sums are taken once more just before the start: nothing may have changed a file since.
    // The updater is given the program's signed sum and installs only a file that matches it.
    if (!m_programProblem.isEmpty()) {
        // The program line already says what went wrong: no second cause for the same failure.
        LogMessage(QStringLiteral("Check For Updates: ") + m_programProblem);
        setLine(FinishLine, bracketed(Update::tr("The update was not completed")));
        prompter().message(
            Update::tr("Download Error"),
            m_refusedFile.isEmpty()
                ? Update::tr("Pitchwise update was not completed because some files were not completely downloaded.")
                : Update::tr("Pitchwise update was not completed because %1 was refused: its check failed.")
                      .arg(m_refusedFile),
            Prompter::Icon::Critical);
        return;
    }
    QString cause;
    if (!m_newVersionDownloaded || !QFileInfo::exists(updater) || !QFileInfo::exists(localPath(kIniFile))) {
        cause = Update::tr("%1 or %2 was not found after download")
                    .arg(QDir::toNativeSeparators(updater), QDir::toNativeSeparators(localPath(kIniFile)));
    } else if (!QFileInfo::exists(program)) {
        cause = Update::tr("%1 was not found after download").arg(QDir::toNativeSeparators(program));
    } else {
        for (const QString& name : {programFileName(), updaterFileName(), kIniFile}) {
            const QByteArray expected = m_version.sums.value(name);
            if (expected.isEmpty() || fileSha256(localPath(name)) != expected) {
                cause = Update::tr("%1 changed after its download").arg(QDir::toNativeSeparators(localPath(name)));
                break;
            }
        }
    }
    if (!cause.isEmpty()) {
        LogMessage(QStringLiteral("Check For Updates: ") + cause);
        setLine(FinishLine, bracketed(Update::tr("The update was not completed")) + bracketed(cause));
        prompter().message(
            Update::tr("Download Error"),
            Update::tr("Pitchwise update was not completed because some files were not completely downloaded."),
            Prompter::Icon::Critical);
        return;
    }
    // The updater waits for this process to end before it replaces the program file.
    const QStringList arguments{
        QStringLiteral("--sha256"), QString::fromLatin1(m_version.sums.value(programFileName())), program,
        m_programFolder + QLatin1Char('/'), QString::number(QCoreApplication::applicationPid())};
    LogMessage(QStringLiteral("Starting the updater: %1 %2").arg(updater, arguments.join(QLatin1Char(' '))));
    if (!desktop().startProgram(updater, arguments)) {
        setLine(FinishLine, bracketed(Update::tr("The update was not completed")));
        prompter().message(Update::tr("Check For Updates"),
                           Update::tr("The updater %1 could not be started. Pitchwise was not changed.").arg(updater),
                           Prompter::Icon::Critical);
        return;
    }
    m_updaterStarted = true;
    prompter().message(
        Update::tr("Check For Updates"),
        Update::tr("Pitchwise will now close so that the new version can be installed. It starts again by "
                   "itself when the update is done."),
        Prompter::Icon::Information);
}

}  // namespace pw
