// SPDX-License-Identifier: GPL-3.0-or-later
// pwmail — the command-line mailer Pitchwise starts to send one message through an SMTP server.
//
//   pwmail FILE -t TO -server HOST -s SUBJECT -f FROM -log LOGFILE [-c CC] [-u USER [-pw PASSWORD]]
//          [-timeout SECONDS] [-allowplain] [-debug]
//
// FILE holds the message text (UTF-8). TO and CC may list several addresses separated by commas;
// every address (FROM too) must be one by the mail standard's grammar, read by the same rules
// the program uses where addresses are typed: a line break or any other control character, an
// angle bracket out of place or anything else that is no address refuses the run before the
// server is contacted, with a log line naming the address, and nothing is sent.
// HOST may carry a port ("mail.example.org:587") or a scheme (smtp://, or smtps:// for TLS from
// the start). With a login (-u), the password goes out only over an encrypted connection
// (smtps:// or STARTTLS), unless the server is this machine or -allowplain is given for a
// server that offers no encryption at all; without a login STARTTLS is used whenever the server
// offers it. With -u and no -pw the password is read from the first line of standard input, so
// that it never shows in a process list; -pw is still understood for scripts that pass it openly.
//
// Every run appends to LOGFILE (made readable by its owner only): what was sent to whom, and on
// failure one line holding "Error:" with the cause. Control characters of any value written
// there are escaped, so no value can break a line of the log. The password never reaches the
// log, not even with -debug (which adds the SMTP conversation). Exit codes: 0 sent; 1 the server
// refused the message or a recipient, or a recipient (-t) is no valid address; 2 the server
// could not be reached, did not answer in time, refused the login or offered no encryption for
// it; 3 bad arguments (the sender or a copy address among them) or an unreadable message file.
#include "MailText.h"

#include "common/LogText.h"
#include "common/MailAddress.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <curl/curl.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

enum Exit { Sent = 0, Refused = 1, ServerFault = 2, BadInput = 3 };

struct Options {
    QString bodyFile, to, cc, server, subject, from, logFile, user;
    std::string password;
    bool passwordGiven = false;
    long timeoutSeconds = 25;
    bool allowPlain = false;
    bool debug = false;
};

class Log {
public:
    // The log names every family's address: it is made readable by its owner only, and a log
    // of ours that an older version left readable to others is closed up too.
    bool open(const QString& path)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::Append | QIODevice::Text, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return false;
        const QFileInfo info(path);
        bool ours = info.isFile() && !info.isSymLink();
#ifdef Q_OS_UNIX
        ours = ours && info.ownerId() == ::geteuid();
#endif
        if (ours)
            m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return true;
    }
    void line(const QString& text)
    {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        m_file.write((stamp + QLatin1Char(' ') + pw::escapeControls(text) + QLatin1Char('\n')).toUtf8());
        m_file.flush();
    }
    // Lines of the SMTP conversation as libcurl reports them, each behind its marker.
    void conversation(const char* marker, const QByteArray& bytes)
    {
        QByteArrayList lines = bytes.split('\n');
        if (lines.size() > 1 && lines.last().isEmpty())
            lines.removeLast();
        for (QByteArray& l : lines) {
            if (l.endsWith('\r'))
                l.chop(1);
            m_file.write(marker + pw::escapeControls(QString::fromUtf8(l)).toUtf8() + '\n');
        }
        m_file.flush();
    }

private:
    QFile m_file;
};

// Parses the argument list; on a mistake returns the reason.
QString parse(const QStringList& args, Options& o)
{
    if (args.size() < 2 || args.at(1).startsWith(QLatin1Char('-')))
        return QStringLiteral("the message file must come first");
    o.bodyFile = args.at(1);
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString key = args.at(i).toLower();
        if (key == QLatin1String("-debug")) {
            o.debug = true;
            continue;
        }
        if (key == QLatin1String("-allowplain")) {
            o.allowPlain = true;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(key);
        const QString value = args.at(++i);
        if (key == QLatin1String("-t"))
            o.to = value;
        else if (key == QLatin1String("-c"))
            o.cc = value;
        else if (key == QLatin1String("-server"))
            o.server = value;
        else if (key == QLatin1String("-s"))
            o.subject = value;
        else if (key == QLatin1String("-f"))
            o.from = value;
        else if (key == QLatin1String("-log"))
            o.logFile = value;
        else if (key == QLatin1String("-u"))
            o.user = value;
        else if (key == QLatin1String("-pw")) {
            o.password = value.toStdString();
            o.passwordGiven = true;
        } else if (key == QLatin1String("-timeout")) {
            bool ok = false;
            o.timeoutSeconds = value.toLong(&ok);
            if (!ok || o.timeoutSeconds < 1)
                return QStringLiteral("-timeout needs a number of seconds");
        } else
            return QStringLiteral("unknown option %1").arg(args.at(i - 1));
    }
    if (o.logFile.isEmpty())
        return QStringLiteral("-log is missing");
    if (o.to.trimmed().isEmpty())
        return QStringLiteral("-t is missing");
    if (o.server.trimmed().isEmpty())
        return QStringLiteral("-server is missing");
    if (o.from.trimmed().isEmpty())
        return QStringLiteral("-f is missing");
    return {};
}

// The message is handed to libcurl from memory.
struct Upload {
    QByteArray data;
    qsizetype pos = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* userp)
{
    auto* up = static_cast<Upload*>(userp);
    const qsizetype room = qsizetype(size * count);
    const qsizetype n = qMin(room, up->data.size() - up->pos);
    if (n > 0) {
        std::memcpy(buffer, up->data.constData() + up->pos, size_t(n));
        up->pos += n;
    }
    return size_t(n);
}

// With -debug the SMTP conversation goes to the log, but whatever the client sends while logging
// in (the AUTH line and the answers to the server's challenges) is written as "(login hidden)".
struct Trace {
    Log* log = nullptr;
    bool inLogin = false;
};

int traceSmtp(CURL*, curl_infotype type, char* data, size_t size, void* userp)
{
    auto* t = static_cast<Trace*>(userp);
    const QByteArray text(data, qsizetype(size));
    switch (type) {
    case CURLINFO_TEXT: t->log->conversation("* ", text); break;
    case CURLINFO_HEADER_IN:
        // A 334 is a challenge: the login goes on. Anything else ends it.
        if (t->inLogin && !text.startsWith("334"))
            t->inLogin = false;
        t->log->conversation("< ", text);
        break;
    case CURLINFO_HEADER_OUT:
        if (text.toUpper().startsWith("AUTH"))
            t->inLogin = true;
        t->log->conversation("> ", t->inLogin ? QByteArray("(login hidden)") : text);
        break;
    default: break;
    }
    return 0;
}

int exitFor(CURLcode rc)
{
    switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_LOGIN_DENIED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR: return ServerFault;
    default: return Refused;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    Options o;
    if (const QString why = parse(args, o); !why.isEmpty()) {
        std::fprintf(stderr,
                     "pwmail: %s\nusage: pwmail FILE -t TO -server HOST -s SUBJECT -f FROM -log LOGFILE [-c CC] "
                     "[-u USER [-pw PASSWORD]] [-timeout SECONDS] [-allowplain] [-debug]\n",
                     pw::escapeControls(why).toLocal8Bit().constData());
        return BadInput;
    }
    Log log;
    if (!log.open(o.logFile)) {
        std::fprintf(stderr, "pwmail: cannot write the log file %s\n",
                     pw::escapeControls(o.logFile).toLocal8Bit().constData());
        return BadInput;
    }
    if (!o.user.isEmpty() && !o.passwordGiven) {
        std::getline(std::cin, o.password);
        if (!o.password.empty() && o.password.back() == '\r')
            o.password.pop_back();
    }

    const QStringList toEntries = pw::mail::splitAddresses(o.to);
    const QStringList ccEntries = pw::mail::splitAddresses(o.cc);
    log.line(QStringLiteral("Sending %1 to %2%3 through %4")
                 .arg(o.bodyFile, toEntries.join(QStringLiteral(", ")),
                      ccEntries.isEmpty() ? QString()
                                          : QStringLiteral(" (copy to %1)").arg(ccEntries.join(QStringLiteral(", "))),
                      o.server));

    // Every address is read before the server is contacted: one that is no address would reach
    // the server as a command or a header of its own, so the whole list is refused.
    const auto refused = [&log](const QString& option, const pw::mail::AddressList& list) {
        if (list.ok())
            log.line(QStringLiteral("Error: not sent: %1 names no e-mail address").arg(option));
        else
            log.line(QStringLiteral("Error: not sent: \"%1\" (%2) is not a valid e-mail address: %3")
                         .arg(list.badEntry, option, list.why));
    };
    const pw::mail::AddressList to = pw::mail::parseAddressList(o.to);
    if (!to.ok() || to.addresses.isEmpty()) {
        refused(QStringLiteral("-t"), to);
        return Refused;
    }
    const pw::mail::AddressList cc = pw::mail::parseAddressList(o.cc);
    if (!cc.ok()) {
        refused(QStringLiteral("-c"), cc);
        return BadInput;
    }
    const pw::mail::AddressList from = pw::mail::parseAddressList(o.from);
    if (!from.ok() || from.addresses.size() != 1) {
        if (from.addresses.size() > 1)
            log.line(QStringLiteral("Error: not sent: -f must name one sender"));
        else
            refused(QStringLiteral("-f"), from);
        return BadInput;
    }
    QString serverProblem;
    const std::optional<pw::mail::Server> server = pw::mail::parseServer(o.server, &serverProblem);
    if (!server) {
        log.line(QStringLiteral("Error: not sent: the server \"%1\" (-server) cannot be used: %2")
                     .arg(o.server, serverProblem));
        return BadInput;
    }

    QFile body(o.bodyFile);
    if (!body.open(QIODevice::ReadOnly)) {
        log.line(QStringLiteral("Error: cannot read the message file %1 (%2)").arg(o.bodyFile, body.errorString()));
        return BadInput;
    }
    Upload upload;
    upload.data = pwmail::composeMessage(from.addresses.first(), to.addresses, cc.addresses, o.subject,
                                         QString::fromUtf8(body.readAll()), QDateTime::currentDateTime());

    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        log.line(QStringLiteral("Error: the mail library could not start"));
        return ServerFault;
    }
    CURL* curl = curl_easy_init();
    char errorText[CURL_ERROR_SIZE] = {};
    curl_slist* rcpt = nullptr;
    for (const pwmail::Address& a : to.addresses + cc.addresses)
        rcpt = curl_slist_append(rcpt, pwmail::envelopeAddress(a).constData());
    const QByteArray url = server->url().toUtf8();
    const QByteArray mailFrom = pwmail::envelopeAddress(from.addresses.first());
    const QByteArray user = o.user.toUtf8();
    // A password goes out only encrypted (see the top of this file); without a login, STARTTLS
    // is still used whenever the server offers it.
    const bool encrypt = pw::mail::encryptionRequired(*server, !o.user.isEmpty(), o.allowPlain);
    Trace trace{&log};

    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
#endif
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(encrypt ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(upload.data.size()));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, qMin(o.timeoutSeconds, 15L));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, o.timeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    if (!o.user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, o.password.c_str());
    }
    if (o.debug) {
        curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, traceSmtp);
        curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &trace);
    }

    const CURLcode rc = curl_easy_perform(curl);
    int code = Sent;
    if (rc == CURLE_OK) {
        log.line(QStringLiteral("Sent."));
    } else if (rc == CURLE_USE_SSL_FAILED && encrypt) {
        log.line(QStringLiteral("Error: the mail server %1 offers no encrypted connection, so the password was not "
                                "sent. Use the server's encrypted address (smtps://) if the club has one, or allow an "
                                "unencrypted connection (Pitchwise: \"Allow unencrypted connection\" in the e-mail "
                                "settings; pwmail: -allowplain) (code %2)")
                     .arg(server->url())
                     .arg(int(rc)));
        code = ServerFault;
    } else {
        QString why = QString::fromUtf8(errorText).trimmed();
        if (why.isEmpty())
            why = QString::fromUtf8(curl_easy_strerror(rc));
        log.line(QStringLiteral("Error: %1 (code %2)").arg(why).arg(int(rc)));
        code = exitFor(rc);
    }
    // The password is no longer needed; leave nothing of it in memory that outlives the call.
    std::fill(o.password.begin(), o.password.end(), '\0');
    curl_slist_free_all(rcpt);
    curl_easy_cleanup(curl);
    curl_global_cleanup();
    return code;
}
