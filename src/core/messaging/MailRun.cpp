// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/messaging/MailRun.h"

#include "common/AppState.h"
#include "common/LogText.h"
#include "common/Trace.h"

#include <QDateTime>
#include <QFile>

namespace pw {

namespace {

// A setting that was never written reads as "0"; for the server and the account that means none.
QString settingText(const QString& value)
{
    const QString v = value.trimmed();
    return v == QLatin1String("0") ? QString() : v;
}

}  // namespace

MailServer mailServerFromSettings()
{
    const AppState& s = state();
    MailServer m;
    m.server = settingText(s.EmailServer);
    m.user = settingText(s.EmailUser);
    m.password = s.EmailPassword;
    m.debug = s.EmailDebug;
    m.allowPlain = s.EmailAllowPlain;
    return m;
}

QStringList mailerArguments(const MailJob& job, const QString& recipient, const MailServer& server)
{
    QStringList args{job.bodyFile, QStringLiteral("-t"), recipient};
    if (!job.copyTo.trimmed().isEmpty())
        args << QStringLiteral("-c") << job.copyTo.trimmed();
    args << QStringLiteral("-server") << server.server << QStringLiteral("-s") << job.subject << QStringLiteral("-f")
         << job.from << QStringLiteral("-log") << job.logFile;
    if (!server.user.isEmpty())
        args << QStringLiteral("-u") << server.user;
    args << QStringLiteral("-timeout") << QString::number(server.timeoutSeconds);
    if (server.allowPlain)
        args << QStringLiteral("-allowplain");
    if (server.debug)
        args << QStringLiteral("-debug");
    return args;
}

bool mailLogHasError(const QString& logFile)
{
    QFile f(logFile);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.readAll().contains("Error:");
}

MailRun::MailRun(MailJob job, MailServer server, QObject* parent)
    : QObject(parent)
    , m_job(std::move(job))
    , m_server(std::move(server))
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &MailRun::onTimeout);
}

MailRun::~MailRun()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

void MailRun::start()
{
    PW_TRACE(QStringLiteral("SendMessage"), traceArg(QStringLiteral("Recipients"), int(m_job.recipients.size())));
    registerSecret(m_server.password);  // whatever goes wrong, no trace or log may show it
    m_running = true;
    m_clean = false;
    m_stop = false;
    m_index = -1;
    next();
}

void MailRun::cancel()
{
    if (!m_running)
        return;
    m_stop = true;
    m_stopReason = tr("sending was cancelled");
    if (m_process)
        m_process->kill();
}

void MailRun::logLine(const QString& text)
{
    // As the mailer writes it: readable by the coach only, and no value breaking a line.
    QFile f(m_job.logFile);
    if (f.open(QIODevice::Append | QIODevice::Text, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        f.write((stamp + QLatin1Char(' ') + escapeControls(text) + QLatin1Char('\n')).toUtf8());
    }
}

void MailRun::next()
{
    ++m_index;
    if (m_stop || m_index >= m_job.recipients.size()) {
        finish();
        return;
    }
    const QString recipient = m_job.recipients.at(m_index);
    Q_EMIT sending(m_index, int(m_job.recipients.size()), recipient);

    m_process = new QProcess(this);
    m_process->setProgram(toolProgram(QStringLiteral("pwmail")));
    m_process->setArguments(mailerArguments(m_job, recipient, m_server));
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    connect(m_process, &QProcess::finished, this, &MailRun::onFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            logLine(QStringLiteral("Error: the mailer %1 could not be started (%2)")
                        .arg(m_process->program(), m_process->errorString()));
            m_stop = true;
            m_process->deleteLater();
            m_process = nullptr;
            m_watchdog.stop();
            QMetaObject::invokeMethod(this, &MailRun::next, Qt::QueuedConnection);
        }
    });
    m_process->start();
    if (!m_process)  // it could not be started; the run goes on from the error handler
        return;
    if (!m_server.user.isEmpty()) {
        // The mailer reads the password from its first input line; nothing else ever sees it.
        m_process->write(m_server.password.toUtf8() + '\n');
    }
    m_process->closeWriteChannel();
    m_watchdog.start((m_server.timeoutSeconds + 5) * 1000);
}

void MailRun::onTimeout()
{
    if (!m_process)
        return;
    m_stop = true;
    m_stopReason =
        tr("the mail server %1 did not answer within %2 seconds").arg(m_server.server).arg(m_server.timeoutSeconds);
    m_process->kill();
}

void MailRun::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_watchdog.stop();
    const QByteArray complaint = m_process->readAllStandardError().trimmed();
    m_process->deleteLater();
    m_process = nullptr;
    if (!m_stopReason.isEmpty()) {
        logLine(QStringLiteral("Error: ") + m_stopReason);
        m_stopReason.clear();
    } else if (status != QProcess::NormalExit) {
        logLine(QStringLiteral("Error: the mailer stopped unexpectedly"));
    } else if (exitCode != 0 && !mailLogHasError(m_job.logFile)) {
        // The mailer refused its arguments before it could write its log.
        logLine(QStringLiteral("Error: ") + (complaint.isEmpty() ? tr("the mailer failed (code %1)").arg(exitCode)
                                                                 : QString::fromLocal8Bit(complaint)));
    }
    // 2: the server could not be reached or refused the login; 3: the message itself is unusable.
    if (exitCode == 2 || exitCode == 3)
        m_stop = true;
    next();
}

void MailRun::finish()
{
    m_running = false;
    m_clean = !m_stop && !mailLogHasError(m_job.logFile);
    Q_EMIT finished(m_clean);
}

}  // namespace pw
