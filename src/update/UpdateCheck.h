#pragma once

#include "update/FtpDownload.h"

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <array>
#include <optional>

namespace pw {

// ---- versions

// "1.4.12" -> {1, 4, 12}; nothing for any other text (two parts, letters, negative numbers).
std::optional<std::array<int, 3>> parseVersion(const QString& text);

// What the version file on the update server says.
struct VersionInfo {
    bool newer = false;  // its version is above the running program's
    QString version;     // its first line, as written
    QString problem;     // why it could not be read; newer is false then
    // SHA-256 sums (lower-case hex) listed after the first line, by file name.
    QHash<QString, QByteArray> sums;
};

// Reads the version file at path and compares its first line, "major.minor.revision", with
// current (the running program's version unless given).
VersionInfo CVer(const QString& path, const QString& current = QString());

// The sums of a version file's lines after the first: "<64 hex digits>  <file name>", as
// sha256sum writes them (a "*" before the name is allowed). Other lines are ignored.
QHash<QString, QByteArray> readSums(const QStringList& lines);

// ---- built-in drills

struct DrillUpdate {
    bool ok = false;
    int added = 0;    // seed drills minus the built-in drills they replaced
    QString problem;  // why nothing was changed
};

// Replaces the built-in drills (numbers below 1000) of db by those of the seed database at
// seedPath, in one transaction: on any failure the drills stay exactly as they were. The coach's
// own drills (1000 and above) are never touched. Fields are copied by name, and only those the
// program's tables have.
DrillUpdate UpdateDrills(QSqlDatabase& db, const QString& seedPath);

// ---- the check itself

// The steps of an update check, one after the other: the version file (and, when it names a newer
// version, the program, its updater and the updater's settings), the built-in drills, and the
// finish, which starts the updater when a complete new version is in the temporary folder.
// Every transfer runs on the downloader's thread; this object lives on the window's thread.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    enum Line { VersionLine, ProgramLine, DrillLine, FinishLine, LineCount };
    enum class State { Ready, Running, Cancelling, Done };

    explicit UpdateCheck(const QString& tempFolder, QObject* parent = nullptr);

    // "<system temporary folder>/Pitchwise", where the downloads wait for the updater.
    static QString defaultTempFolder();
    static QString programFileName();  // "Pitchwise", "Pitchwise.exe" on Windows
    static QString updaterFileName();  // "PWUpdate", "PWUpdate.exe" on Windows

    // Made when the window opens; false when it could not be made.
    bool makeTempFolder() const;
    QString tempFolder() const { return m_tempFolder; }
    QString localPath(const QString& fileName) const;

    // Where the server (the settings unless given), the program's folder and its version come
    // from; tests set their own.
    void setServer(const UpdateServer& server, const QString& problem = QString());
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    void setCurrentVersion(const QString& version) { m_currentVersion = version; }
    // The database whose built-in drills are replaced (the program's shared one unless set).
    void setDatabase(const QSqlDatabase& db) { m_db = db; }

    void start();
    // Stops the running transfer; the check then finishes without starting the updater.
    void cancel();

    State state() const { return m_state; }
    QString suffix(int line) const { return m_suffix.at(line); }
    bool isChecked(int line) const { return m_checked.at(line); }
    bool newVersionDownloaded() const { return m_newVersionDownloaded; }
    bool updaterStarted() const { return m_updaterStarted; }
    bool drillsReplaced() const { return m_drillsReplaced; }
    int drillsAdded() const { return m_drillsAdded; }

Q_SIGNALS:
    void lineChanged(int line);
    void progress(qint64 received, qint64 total);
    void cancelPending();
    void finished();
    // The updater runs and waits for the program to end: whoever owns the program closes it.
    void quitRequested();

private:
    enum class Step { Version, Program, Updater, Ini, Seed };

    void download(Step step, const QString& fileName);
    void transferEnded(const QString& error, const QByteArray& sha256, bool cancelled);
    void versionArrived();
    void seedArrived();
    void fetchDrills();
    void finish();
    void startUpdater();
    // A file the version file has a sum for must match it; a refused file is deleted.
    QString refusal(const QString& localName, const QByteArray& sha256);
    void setLine(int line, const QString& suffix, bool checked = true);
    Line lineOf(Step step) const;

    QString m_tempFolder;
    QString m_programFolder;
    QString m_currentVersion;
    UpdateServer m_server;
    QString m_serverProblem;
    bool m_serverGiven = false;
    std::optional<QSqlDatabase> m_db;
    FtpDownload* m_download = nullptr;

    State m_state = State::Ready;
    Step m_step = Step::Version;
    QString m_localName;
    VersionInfo m_version;
    bool m_newVersionDownloaded = false;
    bool m_updaterStarted = false;
    bool m_drillsReplaced = false;
    int m_drillsAdded = 0;
    std::array<QString, LineCount> m_suffix;
    std::array<bool, LineCount> m_checked{};
};

}  // namespace pw
