#include "update/UpdateCheck.h"

#include "common/AppState.h"
#include "common/Desktop.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlField>
#include <QSqlRecord>

namespace pw {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("UpdateCheck", text);
}

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
        throw PwError(err::BadArgument, tr("The table %1 of the downloaded drills has no DrillID").arg(table));
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

std::optional<std::array<int, 3>> parseVersion(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,9})\\.(\\d{1,9})\\.(\\d{1,9})$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return std::array<int, 3>{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
}

QHash<QString, QByteArray> readSums(const QStringList& lines)
{
    static const QRegularExpression re(QStringLiteral("^([0-9A-Fa-f]{64}) [ *](.+)$"));
    QHash<QString, QByteArray> sums;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = re.match(line.trimmed());
        if (m.hasMatch())
            sums.insert(m.captured(2).trimmed(), m.captured(1).toLatin1().toLower());
    }
    return sums;
}

VersionInfo CVer(const QString& path, const QString& current)
{
    VersionInfo info;
    QFile file(path);
    if (!file.exists()) {
        info.problem = tr("%1 was not found after download").arg(QDir::toNativeSeparators(path));
        return info;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        info.problem = tr("%1 could not be read: %2").arg(QFileInfo(path).fileName(), file.errorString());
        return info;
    }
    // A version file is a few lines; anything bigger is not one.
    const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(QRegularExpression(QStringLiteral("\r?\n")));
    info.version = lines.value(0).trimmed();
    if (info.version.startsWith(QChar(0xFEFF)))
        info.version.remove(0, 1);
    if (info.version.isEmpty()) {
        info.problem = tr("The version file is empty");
        return info;
    }
    const auto theirs = parseVersion(info.version);
    const auto ours = parseVersion(current.isEmpty() ? programVersion() : current);
    if (!theirs || !ours) {
        info.problem = tr("The version file holds no version number");
        return info;
    }
    info.newer = *theirs > *ours;  // major first, then minor, then revision
    info.sums = readSums(lines.mid(1));
    return info;
}

// ---- built-in drills

DrillUpdate UpdateDrills(QSqlDatabase& db, const QString& seedPath)
{
    PW_TRACE(QStringLiteral("UpdateDrills"), traceArg(QStringLiteral("seedPath"), seedPath));
    DrillUpdate result;
    if (!QFileInfo(seedPath).isFile()) {
        result.problem = tr("%1 was not found after download").arg(QDir::toNativeSeparators(seedPath));
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
                result.problem = tr("The downloaded %1 is not a database").arg(QFileInfo(seedPath).fileName());
            } else if (!seed.tables().contains(QStringLiteral("DrillBook")) ||
                       !seed.tables().contains(QStringLiteral("DrillData"))) {
                result.problem = tr("The downloaded %1 holds no drills").arg(QFileInfo(seedPath).fileName());
            } else {
                const int seedDrills = countBelow(seed, QStringLiteral("DrillBook"));
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
        result.problem = tr("The built-in drills were not changed: %1").arg(e.description());
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

QString UpdateCheck::defaultTempFolder()
{
    // A folder no other user can reach: nobody may swap a checked file before the updater runs.
    const QString folder = programTempFolder();
    return folder.isEmpty() ? QDir(QDir::tempPath()).filePath(QStringLiteral("Pitchwise")) : folder;
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

bool UpdateCheck::makeTempFolder() const
{
    return QDir().mkpath(m_tempFolder);
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
    case Step::Version:
        return VersionLine;
    case Step::Program:
    case Step::Updater:
    case Step::Ini:
        return ProgramLine;
    case Step::Seed:
        break;
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
        const QString why = m_serverProblem.isEmpty() ? tr("No update server is set") : m_serverProblem;
        // Ends on the next turn like a transfer, so every step takes the same way.
        QMetaObject::invokeMethod(this, [this, why] { transferEnded(why, {}, false); }, Qt::QueuedConnection);
        return;
    }
    m_download->start(m_server, kUpdates + fileName, localPath(fileName));
}

void UpdateCheck::transferEnded(const QString& error, const QByteArray& sha256, bool cancelled)
{
    if (cancelled || m_state == State::Cancelling) {
        setLine(lineOf(m_step), bracketed(tr("Cancelled")));
        finish();
        return;
    }
    QString problem = error;
    if (problem.isEmpty())
        problem = refusal(m_localName, sha256);
    else if (m_server.isSet())
        problem = tr("%1 could not be downloaded: %2").arg(m_localName, error);

    switch (m_step) {
    case Step::Version:
        if (!problem.isEmpty()) {
            setLine(VersionLine, bracketed(problem));
            fetchDrills();
        } else {
            versionArrived();
        }
        return;
    case Step::Program:
    case Step::Updater:
    case Step::Ini:
        if (!problem.isEmpty()) {
            setLine(VersionLine, bracketed(tr("Version %1 is available").arg(m_version.version)));
            setLine(ProgramLine, bracketed(problem));
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
            setLine(VersionLine, bracketed(tr("New Version Downloaded")));
            setLine(ProgramLine, bracketed(tr("Version %1").arg(m_version.version)));
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
    if (m_version.sums.isEmpty())
        return {};
    const QByteArray expected = m_version.sums.value(localName);
    if (expected == sha256)
        return {};
    // Never leave a file behind that something could take for the real one.
    QFile::remove(localPath(localName));
    if (expected.isEmpty())
        return tr("%1 was refused: the version file lists no SHA-256 sum for it").arg(localName);
    return tr("%1 was refused: its SHA-256 sum does not match the version file").arg(localName);
}

void UpdateCheck::versionArrived()
{
    m_version = CVer(localPath(kVersionFile), m_currentVersion);
    if (!m_version.problem.isEmpty()) {
        setLine(VersionLine, bracketed(m_version.problem));
        fetchDrills();
    } else if (m_version.newer) {
        QFile::remove(localPath(programFileName()));
        download(Step::Program, programFileName());
    } else {
        setLine(VersionLine, bracketed(tr("Pitchwise is up to date")));
        fetchDrills();
    }
}

void UpdateCheck::fetchDrills()
{
    QFile::remove(localPath(kSeedFile));
    download(Step::Seed, kSeedFile);
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
    m_drillsAdded = r.added;
    setLine(DrillLine, bracketed(tr("System Drills Downloaded")) +
                           bracketed(tr("%1 drills were added").arg(r.added)));
}

void UpdateCheck::finish()
{
    const bool cancelled = m_state == State::Cancelling;
    m_state = State::Done;
    if (!cancelled) {
        for (int line = VersionLine; line < FinishLine; ++line) {
            if (!m_checked.at(line) && m_suffix.at(line).isEmpty())
                setLine(line, bracketed(tr("No file to update")));
        }
        if (m_version.newer)
            startUpdater();
    }
    if (cancelled)
        setLine(FinishLine, bracketed(tr("Cancelled: nothing was installed")));
    else if (m_updaterStarted)
        setLine(FinishLine, bracketed(tr("Pitchwise closes to finish the update")));
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
    QString cause;
    if (!m_newVersionDownloaded || !QFileInfo::exists(updater) || !QFileInfo::exists(localPath(kIniFile))) {
        cause = tr("%1 or %2 was not found after download")
                    .arg(QDir::toNativeSeparators(updater), QDir::toNativeSeparators(localPath(kIniFile)));
    } else if (!QFileInfo::exists(program)) {
        cause = tr("%1 was not found after download").arg(QDir::toNativeSeparators(program));
    } else {
        for (const QString& name : {programFileName(), updaterFileName(), kIniFile}) {
            if (!m_version.sums.isEmpty() && fileSha256(localPath(name)) != m_version.sums.value(name)) {
                cause = tr("%1 changed after its download").arg(QDir::toNativeSeparators(localPath(name)));
                break;
            }
        }
    }
    if (!cause.isEmpty()) {
        LogMessage(QStringLiteral("Check For Updates: ") + cause);
        setLine(FinishLine, bracketed(tr("The update was not completed")) + bracketed(cause));
        prompter().message(tr("Download Error"),
                           tr("Pitchwise update was not completed because some files were not completely downloaded."),
                           Prompter::Icon::Critical);
        return;
    }
    // The updater waits for this process to end before it replaces the program file.
    const QStringList arguments{program, m_programFolder + QLatin1Char('/'),
                                QString::number(QCoreApplication::applicationPid())};
    LogMessage(QStringLiteral("Starting the updater: %1 %2").arg(updater, arguments.join(QLatin1Char(' '))));
    if (!desktop().startProgram(updater, arguments)) {
        setLine(FinishLine, bracketed(tr("The update was not completed")));
        prompter().message(tr("Check For Updates"),
                           tr("The updater %1 could not be started. Pitchwise was not changed.").arg(updater),
                           Prompter::Icon::Critical);
        return;
    }
    m_updaterStarted = true;
    prompter().message(tr("Check For Updates"),
                       tr("Pitchwise will now close so that the new version can be installed. It starts again by "
                          "itself when the update is done."),
                       Prompter::Icon::Information);
}

}  // namespace pw
