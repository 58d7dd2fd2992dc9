// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/update/FtpDownload.h"
#include "core/update/ReleaseList.h"

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <array>
#include <optional>

namespace pw {

// ---- versions

// What the update server's version file says, once its signature is checked.
struct VersionInfo {
    bool newer = false;  // its version is above the running program's
    QString version;     // its first line, as written
    QString problem;     // why it cannot be used; newer is false and sums empty then
    // SHA-256 sums (lower-case hex) of the files the release holds, by file name.
    QHash<QString, QByteArray> sums;
};

// Reads the version file at path, checks its signature against publicKey (the release key built
// into the program unless given) and compares its first line, "major.minor.revision", with
// current (the running program's version unless given). A file that is unsigned, badly signed or
// signed with another key is refused: nothing in it is used.
VersionInfo CVer(const QString& path, const QString& current = QString(), const QByteArray& publicKey = QByteArray());

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

    // The program's own temporary folder, where the downloads wait for the updater; empty when
    // no folder that only this user can use could be made (problem says why).
    static QString defaultTempFolder(QString* problem = nullptr);
    static QString programFileName();  // "Pitchwise", "Pitchwise.exe" on Windows
    static QString updaterFileName();  // "PWUpdate", "PWUpdate.exe" on Windows

    // Downloads go only to a folder this user owns and nobody else may enter: false for any
    // other (a shared one, a link, one that is missing), and then nothing is downloaded.
    bool tempFolderIsPrivate() const;
    QString tempFolder() const { return m_tempFolder; }
    QString localPath(const QString& fileName) const;

    // Where the server (the settings unless given), the program's folder and its version come
    // from; tests set their own.
    void setServer(const UpdateServer& server, const QString& problem = QString());
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    // A program installed from a system package is never replaced by the check: a newer version
    // is only named, with this note, and the drills are still fetched.
    bool fromSystemPackage() const;
    static QString packageManagerNote();
    void setCurrentVersion(const QString& version) { m_currentVersion = version; }
    // The public key the version file's signature must match (the built-in release key unless set).
    void setReleaseKey(const QByteArray& publicKey) { m_releaseKey = publicKey; }
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
    // Ends the check without fetching the drills, the drills' line saying why.
    void leaveDrills(const QString& why);
    void finish();
    void startUpdater();
    // Every file after the version file must match the sum its signed list gives; a file without
    // one, or that does not match, is refused and deleted.
    QString refusal(const QString& localName, const QByteArray& sha256);
    void setLine(int line, const QString& suffix, bool checked = true);
    Line lineOf(Step step) const;

    QString m_tempFolder;
    QString m_programFolder;
    QString m_currentVersion;
    QByteArray m_releaseKey;
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
    QString m_programProblem;  // why the program, updater or ini did not arrive, as its line says
    QString m_refusedFile;     // the one of them refused for its sum, if that was why
    bool m_updaterStarted = false;
    bool m_drillsReplaced = false;
    std::array<QString, LineCount> m_suffix;
    std::array<bool, LineCount> m_checked{};
};

}  // namespace pw
