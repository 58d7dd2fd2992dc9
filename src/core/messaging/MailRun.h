// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace pw {

// The mail server settings a send uses.
struct MailServer {
    QString server;    // host, host:port or a smtp:// / smtps:// address
    QString user;      // empty: no login is attempted
    QString password;  // handed to the mailer on its standard input, never on its command line
    bool debug = false;
    int timeoutSeconds = 25;  // what the mailer allows the server; the run gives it five more
    // The coach's club server offers no encryption: the password may go out unencrypted
    // ("Allow unencrypted connection"). Off, the mailer logs in only over TLS, except on this machine.
    bool allowPlain = false;
};
// The settings as the options dialog keeps them.
MailServer mailServerFromSettings();

// One message to one or more recipient entries; every entry gets a mail of its own.
struct MailJob {
    QString bodyFile;
    QStringList recipients;  // each entry may hold several addresses separated by ","
    QString copyTo;          // -c, for every entry
    QString subject;
    QString from;
    QString logFile;
};

// The mailer's argument list for one entry. The password is never part of it.
QStringList mailerArguments(const MailJob& job, const QString& recipient, const MailServer& server);

// True when the mail log holds a failure line ("Error:").
bool mailLogHasError(const QString& logFile);

// Runs the project's mailer once per recipient entry, one after the other, without blocking the
// window: progress and the end are signals. A mailer that does not finish within the server's
// time plus five seconds is stopped and the log says so. When the server cannot be reached or
// refuses the login, the entries left are not tried: they would only fail the same way, each
// after its own wait.
class MailRun : public QObject {
    Q_OBJECT
public:
    MailRun(MailJob job, MailServer server, QObject* parent = nullptr);
    ~MailRun() override;

    void start();
    // Stops the mailer that is running; the log gets an "Error:" line, so the send does not count.
    void cancel();
    bool isRunning() const { return m_running; }
    // After finished(): whether every entry went out and the log holds no "Error:".
    bool clean() const { return m_clean; }

Q_SIGNALS:
    // Before each entry: its number from 0, the count, the addresses.
    void sending(int index, int count, const QString& recipient);
    void finished(bool clean);

private:
    void next();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onTimeout();
    void logLine(const QString& text);
    void finish();

    MailJob m_job;
    MailServer m_server;
    QProcess* m_process = nullptr;
    QTimer m_watchdog;
    int m_index = -1;
    bool m_running = false;
    bool m_clean = false;
    bool m_stop = false;
    QString m_stopReason;
};

}  // namespace pw
