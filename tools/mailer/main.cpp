// pwmail — the command-line mailer Pitchwise starts to send one message through an SMTP server.
//
//   pwmail FILE -t TO -server HOST -s SUBJECT -f FROM -log LOGFILE [-c CC] [-u USER [-pw PASSWORD]]
//          [-timeout SECONDS] [-debug]
//
// FILE holds the message text (UTF-8). TO and CC may list several addresses separated by commas.
// HOST may carry a port ("mail.example.org:587") or a scheme (smtps:// for TLS from the start;
// otherwise STARTTLS is used whenever the server offers it). With -u and no -pw the password is
// read from the first line of standard input, so that it never shows in a process list; -pw is
// still understood for scripts that pass it openly.
//
// Every run appends to LOGFILE: what was sent to whom, and on failure one line holding "Error:"
// with the cause. The password never reaches the log, not even with -debug (which adds the SMTP
// conversation). Exit codes: 0 sent; 1 the server refused the message or a recipient; 2 the
// server could not be reached, did not answer in time or refused the login; 3 bad arguments or
// an unreadable message file.
#include "MailText.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

#include <curl/curl.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

enum Exit { Sent = 0, Refused = 1, ServerFault = 2, BadInput = 3 };

struct Options {
    QString bodyFile, to, cc, server, subject, from, logFile, user;
    std::string password;
    bool passwordGiven = false;
    long timeoutSeconds = 25;
    bool debug = false;
};

class Log {
public:
    bool open(const QString& path)
    {
        m_file.setFileName(path);
        return m_file.open(QIODevice::Append | QIODevice::Text);
    }
    void line(const QString& text)
    {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        m_file.write((stamp + QLatin1Char(' ') + text + QLatin1Char('\n')).toUtf8());
        m_file.flush();
    }
    void raw(const QByteArray& bytes)
    {
        m_file.write(bytes);
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
    case CURLINFO_TEXT: t->log->raw("* " + text); break;
    case CURLINFO_HEADER_IN:
        // A 334 is a challenge: the login goes on. Anything else ends it.
        if (t->inLogin && !text.startsWith("334"))
            t->inLogin = false;
        t->log->raw("< " + text);
        break;
    case CURLINFO_HEADER_OUT:
        if (text.toUpper().startsWith("AUTH"))
            t->inLogin = true;
        t->log->raw(t->inLogin ? QByteArray("> (login hidden)\r\n") : "> " + text);
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
    case CURLE_RECV_ERROR:
        return ServerFault;
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
                     "[-u USER [-pw PASSWORD]] [-timeout SECONDS] [-debug]\n",
                     why.toLocal8Bit().constData());
        return BadInput;
    }
    Log log;
    if (!log.open(o.logFile)) {
        std::fprintf(stderr, "pwmail: cannot write the log file %s\n", o.logFile.toLocal8Bit().constData());
        return BadInput;
    }
    if (!o.user.isEmpty() && !o.passwordGiven) {
        std::getline(std::cin, o.password);
        if (!o.password.empty() && o.password.back() == '\r')
            o.password.pop_back();
    }

    const QStringList to = pwmail::splitAddresses(o.to);
    const QStringList cc = pwmail::splitAddresses(o.cc);
    log.line(QStringLiteral("Sending %1 to %2%3 through %4")
                 .arg(o.bodyFile, to.join(QStringLiteral(", ")),
                      cc.isEmpty() ? QString() : QStringLiteral(" (copy to %1)").arg(cc.join(QStringLiteral(", "))),
                      o.server));

    QFile body(o.bodyFile);
    if (!body.open(QIODevice::ReadOnly)) {
        log.line(QStringLiteral("Error: cannot read the message file %1 (%2)").arg(o.bodyFile, body.errorString()));
        return BadInput;
    }
    const QString from = pwmail::unquote(o.from);
    Upload upload;
    upload.data = pwmail::composeMessage(from, to, cc, o.subject, QString::fromUtf8(body.readAll()),
                                         QDateTime::currentDateTime());

    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        log.line(QStringLiteral("Error: the mail library could not start"));
        return ServerFault;
    }
    CURL* curl = curl_easy_init();
    char errorText[CURL_ERROR_SIZE] = {};
    curl_slist* rcpt = nullptr;
    for (const QString& a : to + cc)
        rcpt = curl_slist_append(rcpt, ("<" + pwmail::addressOnly(a) + ">").toUtf8().constData());
    const QByteArray url = pwmail::serverUrl(o.server).toUtf8();
    const QByteArray mailFrom = ("<" + pwmail::addressOnly(from) + ">").toUtf8();
    const QByteArray user = o.user.toUtf8();
    Trace trace{&log};

    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
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
