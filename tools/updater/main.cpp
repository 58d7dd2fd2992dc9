// pwupdate: puts a downloaded new version of Pitchwise in place of the running one.
//
//   pwupdate [--wait-limit SECONDS] NEWFILE TARGETFOLDER/ [PID]
//
// Pitchwise starts it after a check for updates has downloaded NEWFILE, then quits. The updater
// waits for process PID (the program) to end, copies NEWFILE into TARGETFOLDER under a temporary
// name, keeps a copy of the current program file as "<name>.bak", renames the new file over the
// program file in one step and starts it. PWUpdate.ini beside NEWFILE names the program file to replace; what happened is written to
// PWUpdate.log beside it too.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QThread>

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#endif

namespace {

enum Exit { Done = 0, BadInput = 1, StillRunning = 2, ReplaceFailed = 3, StartFailed = 4 };

#ifdef Q_OS_WIN
const QString kDefaultProgram = QStringLiteral("Pitchwise.exe");
#else
const QString kDefaultProgram = QStringLiteral("pitchwise");  // the installed program's own name
#endif

class Log {
public:
    explicit Log(const QString& path)
        : m_file(path)
    {
        m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
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
    if (!QFileInfo::exists(iniPath))
        return kDefaultProgram;
    const QSettings ini(iniPath, QSettings::IniFormat);
    const QString name = ini.value(QStringLiteral("Update/Program"), kDefaultProgram).toString().trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char(':')))
        *problem = QStringLiteral("%1 names no plain program file (\"%2\")").arg(iniPath, name);
    return name;
}

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

QString renameError(const QString& from, const QString& to, const std::error_code& ec)
{
    return QStringLiteral("%1 could not be renamed to %2: %3").arg(from, to, QString::fromLocal8Bit(ec.message()));
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Puts a downloaded new version of Pitchwise in place."));
    parser.addHelpOption();
    const QCommandLineOption waitOption(QStringLiteral("wait-limit"),
                                        QStringLiteral("How long to wait for the program to end (seconds)."),
                                        QStringLiteral("seconds"), QStringLiteral("120"));
    parser.addOption(waitOption);
    parser.addPositionalArgument(QStringLiteral("newfile"), QStringLiteral("The downloaded program."));
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The program's folder, ending in /."));
    parser.addPositionalArgument(QStringLiteral("pid"), QStringLiteral("The running program's process id."), QStringLiteral("[pid]"));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "pwupdate: usage: pwupdate [--wait-limit SECONDS] NEWFILE TARGETFOLDER/ [PID]\n");
        return BadInput;
    }
    const QFileInfo newFile(args.at(0));
    const QString folder = QDir::cleanPath(args.at(1));
    Log log(newFile.absoluteDir().filePath(QStringLiteral("PWUpdate.log")));
    log.line(QStringLiteral("Update of %1 from %2").arg(folder, newFile.absoluteFilePath()));

    bool ok = true;
    const qint64 pid = args.size() == 3 ? args.at(2).toLongLong(&ok) : 0;
    const int waitLimit = parser.value(waitOption).toInt();
    if (!ok || pid < 0 || waitLimit < 0)
        return log.fail(BadInput, QStringLiteral("The process id \"%1\" or the wait limit is not a number").arg(args.value(2)));
    if (!newFile.isFile())
        return log.fail(BadInput, QStringLiteral("The new program %1 is not there").arg(newFile.absoluteFilePath()));
    if (!QFileInfo(folder).isDir())
        return log.fail(BadInput, QStringLiteral("The program folder %1 is not there").arg(folder));
    QString problem;
    const QString name = programName(newFile.absoluteDir().filePath(QStringLiteral("PWUpdate.ini")), &problem);
    if (!problem.isEmpty())
        return log.fail(BadInput, problem);

    // The program file cannot be replaced (on Windows) or is still in use while the program runs.
    if (pid > 0) {
        const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + qint64(waitLimit) * 1000;
        while (isRunning(pid)) {
            if (QDateTime::currentMSecsSinceEpoch() > deadline)
                return log.fail(StillRunning, QStringLiteral("Pitchwise (process %1) was still running after %2 seconds; "
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
    // Copied under a temporary name in the same folder first, so the last step is one rename on
    // one file system: the program file is always either the old one or the complete new one.
    const QString fresh = dir.filePath(QStringLiteral(".%1.new").arg(name));
    QFile::remove(fresh);
    if (!QFile::copy(newFile.absoluteFilePath(), fresh))
        return log.fail(ReplaceFailed, QStringLiteral("%1 could not be copied to %2").arg(newFile.absoluteFilePath(), fresh));
    QFile::setPermissions(fresh, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                     QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther);

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
    std::error_code ec;
    std::filesystem::rename(fsPath(fresh), fsPath(target), ec);
    if (ec) {
        QFile::remove(fresh);
        return log.fail(ReplaceFailed, renameError(fresh, target, ec));
    }
    log.line(QStringLiteral("%1 replaced%2").arg(target, hadProgram ? QStringLiteral("; the old one is ") + backup : QString()));

    if (!QProcess::startDetached(target, {}, folder))
        return log.fail(StartFailed, QStringLiteral("The new %1 could not be started").arg(target));
    log.line(QStringLiteral("Started %1").arg(target));
    return Done;
}
