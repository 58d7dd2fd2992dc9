// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/update/FtpDownload.h"

#include "common/LateLibrary.h"
#include "common/Trace.h"
#include "data/Secrets.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pw {

namespace {

// The translation context of the update texts.
struct Update {
    Q_DECLARE_TR_FUNCTIONS(Update)
};

// The libcurl functions a transfer needs, opened on first use (see LateLibrary). libcurl wants its
// global start once, before any thread uses it: that happens here too, once.
struct Curl {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) init = nullptr;
    decltype(&curl_easy_setopt) setopt = nullptr;
    decltype(&curl_easy_perform) perform = nullptr;
    decltype(&curl_easy_cleanup) cleanup = nullptr;
    decltype(&curl_easy_strerror) strerror = nullptr;
    QString problem;  // why transfers cannot run; empty when they can
};

const Curl& curl()
{
    static const Curl api = [] {
        Curl c;
        LateLibrary lib(QStringLiteral("curl"), 4);
        if (lib.load() && lib.resolve(c.globalInit, "curl_global_init") && lib.resolve(c.init, "curl_easy_init") &&
            lib.resolve(c.setopt, "curl_easy_setopt") && lib.resolve(c.perform, "curl_easy_perform") &&
            lib.resolve(c.cleanup, "curl_easy_cleanup") && lib.resolve(c.strerror, "curl_easy_strerror"))
            c.globalInit(CURL_GLOBAL_DEFAULT);
        c.problem = lib.problem();
        return c;
    }();
    return api;
}

struct Sink {
    QFile* file = nullptr;
    QCryptographicHash hash{QCryptographicHash::Sha256};
    bool writeFailed = false;
};

size_t writeData(char* data, size_t size, size_t count, void* user)
{
    auto* sink = static_cast<Sink*>(user);
    const qint64 bytes = static_cast<qint64>(size) * static_cast<qint64>(count);
    if (sink->file->write(data, bytes) != bytes) {
        sink->writeFailed = true;
        return 0;  // makes libcurl stop with a write error
    }
    sink->hash.addData(QByteArrayView(data, bytes));
    return size_t(bytes);
}

struct Watch {
    std::atomic_bool* cancel = nullptr;
    std::function<void(qint64, qint64)> report;
    QElapsedTimer sinceReport;
};

int transferInfo(void* user, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t)
{
    auto* watch = static_cast<Watch*>(user);
    if (watch->cancel->load())
        return 1;  // libcurl ends the transfer with CURLE_ABORTED_BY_CALLBACK
    // A few reports a second are plenty for a progress bar and keep the window's queue short.
    if (!watch->sinceReport.isValid() || watch->sinceReport.elapsed() >= 100) {
        watch->sinceReport.start();
        watch->report(qint64(received), qint64(total));
    }
    return 0;
}

// Makes path afresh for this user alone. Whatever has the name already (a file left from an
// earlier transfer, or a link someone put there) is removed first, and the file is made only if
// the name is free then, so nothing is ever written through a link. Empty, or why it failed.
QString openNewFile(QFile& file, const QString& path)
{
    QFile::remove(path);
    file.setFileName(path);
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
#else
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ? QString() : file.errorString();
#endif
}

bool replaceFile(const QString& from, const QString& to)
{
#ifdef Q_OS_WIN
    QFile::remove(to);
#endif
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

struct Outcome {
    QString error;
    QByteArray sha256;
    bool cancelled = false;
};

// Runs on the downloader's thread.
Outcome fetch(const UpdateServer& server, const QString& path, const QString& localPath, std::atomic_bool& cancel,
              const std::function<void(qint64, qint64)>& report)
{
    Outcome out;
    const QString partPath = localPath + QStringLiteral(".part");
    QFile part;
    if (const QString why = openNewFile(part, partPath); !why.isEmpty()) {
        out.error = Update::tr("%1 could not be written: %2").arg(partPath, why);
        return out;
    }
    Sink sink;
    sink.file = &part;
    Watch watch{&cancel, report, {}};

    const Curl& api = curl();
    CURL* handle = api.problem.isEmpty() ? api.init() : nullptr;
    if (!handle) {
        part.remove();
        out.error = Update::tr("The transfer library could not start");
        if (!api.problem.isEmpty())
            qWarning("The transfer library could not start: %s", qPrintable(api.problem));
        return out;
    }
    char errorText[CURL_ERROR_SIZE] = {};
    const QByteArray url = server.url(path);
    const QByteArray user = server.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    api.setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    api.setopt(handle, CURLOPT_URL, url.constData());
    api.setopt(handle, CURLOPT_PROTOCOLS_STR, "ftp");
    api.setopt(handle, CURLOPT_NOSIGNAL, 1L);
    // Encrypted when the server offers it, plain otherwise: most club servers are plain FTP.
    api.setopt(handle, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    if (!server.user.isEmpty()) {
        api.setopt(handle, CURLOPT_USERNAME, user.constData());
        api.setopt(handle, CURLOPT_PASSWORD, password.constData());
    }
    // A server that does not answer, or stops sending, must not keep the coach waiting for long.
    api.setopt(handle, CURLOPT_CONNECTTIMEOUT, FtpDownload::kConnectSeconds);
    api.setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, FtpDownload::kStallSeconds);
    api.setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    api.setopt(handle, CURLOPT_LOW_SPEED_TIME, FtpDownload::kStallSeconds);
    api.setopt(handle, CURLOPT_WRITEFUNCTION, writeData);
    api.setopt(handle, CURLOPT_WRITEDATA, &sink);
    api.setopt(handle, CURLOPT_NOPROGRESS, 0L);
    api.setopt(handle, CURLOPT_XFERINFOFUNCTION, transferInfo);
    api.setopt(handle, CURLOPT_XFERINFODATA, &watch);

    const CURLcode code = api.perform(handle);
    api.cleanup(handle);
    part.close();

    if (code == CURLE_OK) {
        // One rename, replacing whatever has the name (a link is replaced, never followed).
        if (replaceFile(partPath, localPath)) {
            out.sha256 = sink.hash.result().toHex();
            return out;
        }
        out.error =
            Update::tr("%1 could not be put in place: %2").arg(localPath, QString::fromLocal8Bit(std::strerror(errno)));
    } else if (code == CURLE_ABORTED_BY_CALLBACK && cancel.load()) {
        out.cancelled = true;
        out.error = Update::tr("Cancelled");
    } else if (sink.writeFailed) {
        out.error = Update::tr("%1 could not be written: %2").arg(partPath, part.errorString());
    } else {
        out.error = QString::fromUtf8(errorText).trimmed();
        if (out.error.isEmpty())
            out.error = QString::fromUtf8(api.strerror(code));
    }
    part.remove();
    return out;  // masked on the window's thread, which owns the list of secrets
}

}  // namespace

UpdateServer UpdateServer::parse(const QString& address, QString* problem)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    const QUrl url(text.contains(QStringLiteral("://")) ? text : QStringLiteral("ftp://") + text, QUrl::TolerantMode);
    const auto refuse = [&] {
        if (problem)
            *problem = Update::tr("The update server \"%1\" is not an FTP address").arg(text);
        return UpdateServer{};
    };
    if (!url.isValid() || url.scheme().compare(QLatin1String("ftp"), Qt::CaseInsensitive) != 0 ||
        url.host().isEmpty() || url.hasQuery() || url.hasFragment())
        return refuse();
    UpdateServer s;
    s.host = url.host();
    s.port = url.port(21);
    const QStringList parts = url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.contains(QStringLiteral("..")))
        return refuse();
    s.folder = parts.join(QLatin1Char('/'));
    return s;
}

UpdateServer UpdateServer::fromSettings(QString* problem)
{
    UpdateServer s = parse(ReadSettingText(QStringLiteral("UpdateServer")), problem);
    if (!s.isSet())
        return s;
    s.user = ReadSettingText(QStringLiteral("UpdateUser")).trimmed();
    if (!s.user.isEmpty()) {
        s.password = readSecret(QStringLiteral("UpdatePassword")).value_or(QString());
        registerSecret(s.password);
    }
    return s;
}

QByteArray UpdateServer::url(const QString& path) const
{
    QByteArray out = "ftp://";
    const bool ipv6 = host.contains(QLatin1Char(':'));
    out += ipv6 ? "[" + host.toUtf8() + "]" : QUrl::toAce(host);
    out += ":" + QByteArray::number(port);
    const QStringList parts = (folder + QLatin1Char('/') + path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& p : parts)
        out += "/" + QUrl::toPercentEncoding(p);
    return out;
}

QString UpdateServer::display() const
{
    return QString::fromUtf8(url(QString()));
}

FtpDownload::FtpDownload(QObject* parent)
    : QObject(parent)
    , m_cancel(std::make_shared<std::atomic_bool>(false))
{
    curl();
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("FtpDownload"));
    m_thread.start();
}

FtpDownload::~FtpDownload()
{
    m_cancel->store(true);
    m_thread.quit();
    m_thread.wait();
}

void FtpDownload::start(const UpdateServer& server, const QString& path, const QString& localPath)
{
    if (m_busy)
        return;
    m_busy = true;
    m_cancel->store(false);
    const std::shared_ptr<std::atomic_bool> cancel = m_cancel;
    QMetaObject::invokeMethod(
        m_worker,
        [this, server, path, localPath, cancel] {
            // Signals are queued to the downloader's own thread; a downloader destroyed meanwhile
            // drops them (its destructor waits for this transfer before it goes).
            const Outcome out = fetch(server, path, localPath, *cancel, [this](qint64 received, qint64 total) {
                QMetaObject::invokeMethod(
                    this, [this, received, total] { Q_EMIT progress(received, total); }, Qt::QueuedConnection);
            });
            QMetaObject::invokeMethod(
                this,
                [this, out] {
                    m_busy = false;
                    Q_EMIT finished(maskSecrets(out.error), out.sha256, out.cancelled);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void FtpDownload::cancel()
{
    if (m_busy)
        m_cancel->store(true);
}

}  // namespace pw
