// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

namespace pw {

// Where the club keeps its updates: an FTP server, perhaps with a folder of its own on it.
struct UpdateServer {
    QString host;
    int port = 21;
    QString folder;  // below the login folder, without leading or trailing slashes
    QString user;    // empty: anonymous
    QString password;

    bool isSet() const { return !host.isEmpty(); }
    // Reads "host", "host:port", "host/folder" or "ftp://host:port/folder". Gives an empty server and
    // says why in problem when the text is no FTP address (empty text: no server, no problem).
    static UpdateServer parse(const QString& address, QString* problem = nullptr);
    // The settings UpdateServer and UpdateUser, and the password from the keyring.
    static UpdateServer fromSettings(QString* problem = nullptr);
    // The address of a file given relative to the server's folder, percent-encoded, without
    // user or password (those go to the transfer separately so they never show in an address).
    QByteArray url(const QString& path) const;
    QString display() const;
};

// Downloads one file at a time on a thread of its own, so the window stays responsive. The file
// is written as "<name>.part" and renamed into place only once the transfer is complete, so a
// broken transfer never leaves a truncated file under the real name. Progress and the end of a
// transfer arrive as signals on the thread that made the downloader.
class FtpDownload : public QObject {
    Q_OBJECT
public:
    explicit FtpDownload(QObject* parent = nullptr);
    ~FtpDownload() override;  // stops a running transfer and waits for its thread

    // Starts fetching path (relative to the server's folder) into localPath; ignored while busy.
    void start(const UpdateServer& server, const QString& path, const QString& localPath);
    // Asks the running transfer to stop; it ends with finished(cancelled = true).
    void cancel();
    bool isBusy() const { return m_busy; }

    // How long a server may take to answer a connection, and how long a transfer may stall.
    static constexpr long kConnectSeconds = 15;
    static constexpr long kStallSeconds = 30;

Q_SIGNALS:
    void progress(qint64 received, qint64 total);
    // error is empty when the file is in place; sha256 is the hex sum of what was received.
    void finished(const QString& error, const QByteArray& sha256, bool cancelled);

private:
    QThread m_thread;
    QObject* m_worker = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
    bool m_busy = false;
};

}  // namespace pw
