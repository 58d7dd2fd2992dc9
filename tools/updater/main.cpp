// SPDX-License-Identifier: GPL-3.0-or-later
// pwupdate: puts a downloaded new version of Pitchwise in place of the running one.
//
//   pwupdate --sha256 SUM [--wait-limit SECONDS] NEWFILE TARGETFOLDER/ [PID]
//
// Pitchwise starts it after a check for updates has downloaded NEWFILE, then quits. The updater
// reads NEWFILE once, and goes on only when those bytes have the SHA-256 sum SUM that the
// program took from the signed version file, are not empty and are a program. It then waits for
// process PID (the program) to end, writes the checked bytes into TARGETFOLDER under a temporary
// name, keeps a copy of the current program file as "<name>.bak", renames the new file over the
// program file in one step and runs it with --version. A new program that does not answer is
// replaced by the backup again, so the coach always keeps a program that starts. PWUpdate.ini
// beside NEWFILE names the program file to replace; what happened is written to PWUpdate.log
// beside it too.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <sys/types.h>
#include <unistd.h>
#endif

#ifndef O_NOFOLLOW
#define O_NOFOLLOW 0  // Windows has no symbolic links in the POSIX sense to follow
#endif
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif
#ifndef O_BINARY
#define O_BINARY 0
#endif

namespace {

enum Exit { Done = 0, BadInput = 1, StillRunning = 2, ReplaceFailed = 3, StartFailed = 4, NewProgramFailed = 5 };

#ifdef Q_OS_WIN
const QString kDefaultProgram = QStringLiteral("Pitchwise.exe");
#else
const QString kDefaultProgram = QStringLiteral("pitchwise");  // the installed program's own name
#endif
// A program file larger than this is no Pitchwise.
constexpr qint64 kMaxProgramBytes = qint64(1) << 30;
// How long the new program may take to say its version.
constexpr int kVersionSeconds = 30;

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Opens path without ever following a link at its name.
int openNoFollow(const QString& path, int flags, int mode = 0)
{
    return ::open(QFile::encodeName(path).constData(), flags | O_NOFOLLOW | O_CLOEXEC | O_BINARY, mode);
}

class Log {
public:
    explicit Log(const QString& path)
    {
        // A link in place of the log would make the updater write wherever it points.
        const int fd = path.isEmpty() ? -1 : openNoFollow(path, O_WRONLY | O_APPEND | O_CREAT, 0600);
        if (fd >= 0 && !m_file.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFileDevice::AutoCloseHandle))
            ::close(fd);
    }
    void line(const QString& text)
    {
        const QByteArray out = (QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') + text).toUtf8();
        if (m_file.isOpen()) {
            m_file.write(out + '\n');
            m_file.flush();
        }
    }
    // A failure goes to the log and to standard error.
    int fail(int code, const QString& text)
    {
        line(QStringLiteral("Error: ") + text);
        std::fprintf(stderr, "pwupdate: %s\n", text.toLocal8Bit().constData());
        return code;
    }

private:
    QFile m_file;
};

bool isRunning(qint64 pid)
{
#ifdef Q_OS_WIN
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (!h)
        return false;
    const DWORD r = WaitForSingleObject(h, 0);
    CloseHandle(h);
    return r == WAIT_TIMEOUT;
#else
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return false;
    // An ended process its parent has not collected yet still answers; it no longer runs.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray s = stat.readAll();
        const qsizetype close = s.lastIndexOf(')');
        if (close > 0 && close + 2 < s.size() && (s.at(close + 2) == 'Z' || s.at(close + 2) == 'X'))
            return false;
    }
    return true;
#endif
}

// The program file to replace: a bare file name, never a path that could reach elsewhere.
QString programName(const QString& iniPath, QString* problem)
{
    const QFileInfo info(iniPath);
    if (info.isSymLink()) {
        *problem = QStringLiteral("%1 is a link; it is not followed").arg(iniPath);
        return {};
    }
    if (!info.exists())
        return kDefaultProgram;
    const QSettings ini(iniPath, QSettings::IniFormat);
    const QString name = ini.value(QStringLiteral("Update/Program"), kDefaultProgram).toString().trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char(':')))
        *problem = QStringLiteral("%1 names no plain program file (\"%2\")").arg(iniPath, name);
    return name;
}

// Reads the new program once: every later step uses these bytes, never the file again.
QString readNewProgram(const QString& path, QByteArray* bytes)
{
    const int fd = openNoFollow(path, O_RDONLY);
    if (fd < 0) {
        return errno == ELOOP ? QStringLiteral("The new program %1 is a link; it is not followed").arg(path)
                              : QStringLiteral("The new program %1 cannot be opened: %2").arg(path, errnoText());
    }
    QFile file;
    struct stat st = {};
    QString why;
    if (::fstat(fd, &st) != 0 || (st.st_mode & S_IFMT) != S_IFREG)
        why = QStringLiteral("The new program %1 is not a plain file").arg(path);
#ifndef Q_OS_WIN
    else if ((st.st_mode & S_IXUSR) == 0)
        why = QStringLiteral("The new program %1 is not executable").arg(path);
#endif
    else if (st.st_size > kMaxProgramBytes)
        why = QStringLiteral("The new program %1 is too large to be a program").arg(path);
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        why = QStringLiteral("The new program %1 cannot be read: %2").arg(path, file.errorString());
    if (!why.isEmpty()) {
        ::close(fd);
        return why;
    }
    *bytes = file.read(kMaxProgramBytes + 1);
    if (bytes->isEmpty())
        return QStringLiteral("The new program %1 is empty").arg(path);
#ifdef Q_OS_WIN
    const bool program = bytes->startsWith("MZ");
#else
    const bool program = bytes->startsWith("\x7f"
                                           "ELF") ||
                         bytes->startsWith("#!");
#endif
    if (!program)
        return QStringLiteral("The new program %1 is not a program file").arg(path);
    return {};
}

// Writes bytes as a new file (the name must be free, and a link there is not followed) and
// flushes it to the disk, so the rename that follows puts a complete file in place.
QString writeNewFile(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    const int fd = openNoFollow(path, O_WRONLY | O_CREAT | O_EXCL, 0700);
    if (fd < 0)
        return QStringLiteral("%1 could not be made: %2").arg(path, errnoText());
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QStringLiteral("%1 could not be made: %2").arg(path, file.errorString());
    }
    bool ok = file.write(bytes) == bytes.size() && file.flush();
#ifndef Q_OS_WIN
    ok = ok && ::fsync(fd) == 0;
#endif
    file.close();
    ok = ok && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther);
    if (!ok) {
        QFile::remove(path);
        return QStringLiteral("%1 could not be written completely").arg(path);
    }
    return {};
}

// One rename on one file system: the file at to is always either the old one or the new one.
QString renameOver(const QString& from, const QString& to)
{
#ifdef Q_OS_WIN
    const bool ok = MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                                reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return ok ? QString() : QStringLiteral("%1 could not be renamed to %2").arg(from, to);
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return QStringLiteral("%1 could not be renamed to %2: %3").arg(from, to, errnoText());
#endif
}

// The new program must start and say that it is Pitchwise; empty when it did.
QString versionProblem(const QString& program, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, {QStringLiteral("--version")});
    if (!p.waitForStarted(kVersionSeconds * 1000))
        return QStringLiteral("it could not be started (%1)").arg(p.errorString());
    if (!p.waitForFinished(kVersionSeconds * 1000)) {
        p.kill();
        p.waitForFinished(1000);
        return QStringLiteral("it did not answer --version within %1 seconds").arg(kVersionSeconds);
    }
    const QByteArray out = p.readAllStandardOutput().trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("--version ended with exit code %1").arg(p.exitCode());
    if (!out.startsWith("Pitchwise "))
        return QStringLiteral("--version did not name Pitchwise");
    return {};
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Puts a downloaded new version of Pitchwise in place."));
    parser.addHelpOption();
    // "-5" as the process id is a wrong process id, not an unknown option.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption sumOption(QStringLiteral("sha256"),
                                       QStringLiteral("The SHA-256 sum the new program must have (64 hex digits)."),
                                       QStringLiteral("sum"));
    const QCommandLineOption waitOption(QStringLiteral("wait-limit"),
                                        QStringLiteral("How long to wait for the program to end (seconds)."),
                                        QStringLiteral("seconds"), QStringLiteral("120"));
    parser.addOption(sumOption);
    parser.addOption(waitOption);
    parser.addPositionalArgument(QStringLiteral("newfile"), QStringLiteral("The downloaded program (absolute path)."));
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("The program's folder (absolute), ending in /."));
    parser.addPositionalArgument(QStringLiteral("pid"), QStringLiteral("The running program's process id."),
                                 QStringLiteral("[pid]"));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr,
                     "pwupdate: usage: pwupdate --sha256 SUM [--wait-limit SECONDS] NEWFILE TARGETFOLDER/ [PID]\n");
        return BadInput;
    }
    // Paths come from the program as absolute ones; a relative one would depend on where the
    // updater happened to be started.
    const bool newFileAbsolute = QDir::isAbsolutePath(args.at(0));
    const QFileInfo newFile(args.at(0));
    Log log(newFileAbsolute ? newFile.absoluteDir().filePath(QStringLiteral("PWUpdate.log")) : QString());
    if (!newFileAbsolute)
        return log.fail(BadInput, QStringLiteral("The new program \"%1\" is not an absolute path").arg(args.at(0)));
    if (!QDir::isAbsolutePath(args.at(1)))
        return log.fail(BadInput, QStringLiteral("The program folder \"%1\" is not an absolute path").arg(args.at(1)));
    const QString folder = QDir::cleanPath(args.at(1));
    log.line(QStringLiteral("Update of %1 from %2").arg(folder, newFile.absoluteFilePath()));

    bool ok = true;
    const qint64 pid = args.size() == 3 ? args.at(2).toLongLong(&ok) : 0;
    if (args.size() == 3 && (!ok || pid <= 0))
        return log.fail(BadInput,
                        QStringLiteral("The process id \"%1\" is not a positive whole number").arg(args.at(2)));
    const int waitLimit = parser.value(waitOption).toInt(&ok);
    if (!ok || waitLimit < 0)
        return log.fail(
            BadInput,
            QStringLiteral("The wait limit \"%1\" is not a whole number of seconds").arg(parser.value(waitOption)));
    const QByteArray expected = parser.value(sumOption).trimmed().toLower().toLatin1();
    if (expected.size() != 64 || QByteArray::fromHex(expected).toHex() != expected)
        return log.fail(BadInput, QStringLiteral("The SHA-256 sum of the new program (--sha256) is missing or is not "
                                                 "64 hex digits"));
    if (!QFileInfo(folder).isDir())
        return log.fail(BadInput, QStringLiteral("The program folder %1 is not there").arg(folder));

    QByteArray bytes;
    if (const QString why = readNewProgram(newFile.absoluteFilePath(), &bytes); !why.isEmpty())
        return log.fail(BadInput, why + QStringLiteral("; nothing was changed"));
    if (QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() != expected)
        return log.fail(BadInput,
                        QStringLiteral("The new program %1 does not have the SHA-256 sum it was given; nothing "
                                       "was changed")
                            .arg(newFile.absoluteFilePath()));
    QString problem;
    const QString name = programName(newFile.absoluteDir().filePath(QStringLiteral("PWUpdate.ini")), &problem);
    if (!problem.isEmpty())
        return log.fail(BadInput, problem);

    // The program file cannot be replaced (on Windows) or is still in use while the program runs.
    if (pid > 0) {
        const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + qint64(waitLimit) * 1000;
        while (isRunning(pid)) {
            if (QDateTime::currentMSecsSinceEpoch() > deadline)
                return log.fail(StillRunning,
                                QStringLiteral("Pitchwise (process %1) was still running after %2 seconds; "
                                               "nothing was changed")
                                    .arg(pid)
                                    .arg(waitLimit));
            QThread::msleep(200);
        }
        log.line(QStringLiteral("Process %1 has ended").arg(pid));
    }

    const QDir dir(folder);
    const QString target = dir.filePath(name);
    const QString backup = target + QStringLiteral(".bak");
    // Written under a temporary name in the same folder first, so the last step is one rename on
    // one file system: the program file is always either the old one or the complete new one.
    const QString fresh = dir.filePath(QStringLiteral(".%1.new").arg(name));
    if (const QString why = writeNewFile(fresh, bytes); !why.isEmpty())
        return log.fail(ReplaceFailed, why);

    // The backup is a copy, so the program file itself is never missing: the one rename below
    // puts the new file in its place in a single step (replacing it where it exists).
    const bool hadProgram = QFileInfo::exists(target);
    if (hadProgram) {
        QFile::remove(backup);
        if (!QFile::copy(target, backup)) {
            QFile::remove(fresh);
            return log.fail(ReplaceFailed, QStringLiteral("%1 could not be kept as %2").arg(target, backup));
        }
    }
    if (const QString why = renameOver(fresh, target); !why.isEmpty()) {
        QFile::remove(fresh);
        return log.fail(ReplaceFailed, why);
    }
    log.line(QStringLiteral("%1 replaced%2")
                 .arg(target, hadProgram ? QStringLiteral("; the old one is ") + backup : QString()));

    // A new program that does not even start is taken out again: the old one goes back in place
    // (through a copy, so the backup stays), or, where there was none, the new one is removed.
    if (const QString why = versionProblem(target, folder); !why.isEmpty()) {
        log.line(QStringLiteral("Error: the new %1 does not work: %2").arg(target, why));
        QString restored;
        if (!hadProgram) {
            QFile::remove(target);
            restored = QStringLiteral("it was removed again");
        } else if (!QFile::copy(backup, fresh) || !renameOver(fresh, target).isEmpty()) {
            QFile::remove(fresh);
            return log.fail(NewProgramFailed,
                            QStringLiteral("The new %1 does not work (%2), and %3 could not be put back; "
                                           "copy it over %1 by hand")
                                .arg(target, why, backup));
        } else {
            restored = QStringLiteral("the previous version was put back");
            QProcess::startDetached(target, {}, folder);
        }
        return log.fail(NewProgramFailed,
                        QStringLiteral("The new %1 does not work (%2); %3").arg(target, why, restored));
    }

    if (!QProcess::startDetached(target, {}, folder))
        return log.fail(StartFailed, QStringLiteral("The new %1 could not be started").arg(target));
    log.line(QStringLiteral("Started %1").arg(target));
    return Done;
}
