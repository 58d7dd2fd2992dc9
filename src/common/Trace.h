// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <exception>
#if __has_include(<source_location>)
#include <source_location>
#endif
#include <utility>

namespace pw {

// Where a failure was raised: the caller's line, taken as a default argument. The standard type
// where the compiler has it; clang 14 (the sanitizer and fuzzing build) lacks the built-in that
// libstdc++'s needs, so there a small stand-in reads the line the same way.
#if defined(__cpp_lib_source_location) && !(defined(__clang__) && __clang_major__ < 15)
using SourceLocation = std::source_location;
#else
class SourceLocation {
public:
    static constexpr SourceLocation current(std::uint_least32_t line = __builtin_LINE()) noexcept
    {
        SourceLocation where;
        where.m_line = line;
        return where;
    }
    constexpr std::uint_least32_t line() const noexcept { return m_line; }

private:
    std::uint_least32_t m_line = 0;
};
#endif

// One running procedure, as the error log and the "Error" box report it.
struct CallStackEntry {
    QString ProcName;
    qint32 ErrNumber = 0;
    QString ArgsText;
    qint32 LineNo = 0;
};

// The procedures running right now, oldest first.
class CallStack {
public:
    const QList<CallStackEntry>& entries() const { return m_entries; }
    qsizetype depth() const { return m_entries.size(); }
    void push(const QString& procName, const QString& argsText);
    void remove(const QString& procName);
    void setEntries(QList<CallStackEntry> entries) { m_entries = std::move(entries); }
    void clear() { m_entries.clear(); }

private:
    QList<CallStackEntry> m_entries;
};

CallStack& callStack();

void TraceEnter(const QString& procName, const QString& argsText);
// Removes the oldest entry of that name; an unknown name leaves the stack alone.
void TraceExit(const QString& procName);
// Records the error on every entry named procName, appends a block to the log and tells the
// coach about the newest running procedure.
void ErrorHandler(const QString& procName, qint32 errNumber, qint32 lineNo, const QString& description);
// How many failures have been reported to the coach in this run (errors and refused writes). A
// save compares it before and after: any failure reported while it was open makes it roll back.
quint64 reportedFailureCount();
// Counts a failure that was told to the coach some other way than through ErrorHandler.
void noteReportedFailure();
// Appends a free text block to the log. Like every line of the log, its line breaks and other
// control characters are written as escapes ("\n"), so the text stays one line.
void LogMessage(const QString& text);

QString logFilePath();

// Makes the missing folders of path one level at a time, each readable by the owner only (the
// coach's data, settings and log are nobody else's business). Folders already there keep their
// permissions. False when a level could not be made.
bool makePrivatePath(const QString& path);
// Makes a file readable and writable by its owner only.
void makePrivateFile(const QString& path);
// The program's own temporary folder, made once a run with a name no one can guess
// ("Pitchwise-XXXXXX") in $XDG_RUNTIME_DIR, or else in the user's cache folder, each used only
// when this user owns it and nobody else may write in it. The folder is this user's with mode
// 0700, and is checked to be so through an opened handle, so no other user can put or change a
// file the program will use (a download waiting for the updater, say). Empty, with the reason in
// problem, when no such folder could be made: there is no shared folder to fall back on.
QString programTempFolder(QString* problem = nullptr);
// A folder (not a link to one) owned by this user whose mode is exactly 0700.
bool isOwnPrivateFolder(const QString& path);
void setLogFilePath(const QString& path);  // tests point the log elsewhere

// Error numbers of the program's own failures.
namespace err {
constexpr qint32 Unexpected = 1000;      // an exception that is not one of ours
constexpr qint32 FileAccess = 1075;      // a file or folder could not be read, written or made
constexpr qint32 DatabaseOpen = 3001;    // the database could not be opened
constexpr qint32 DatabaseQuery = 3002;   // a statement failed
constexpr qint32 DatabaseCreate = 3003;  // building a new database failed
constexpr qint32 NotPitchwiseDb = 3004;  // the file is not a Pitchwise database
constexpr qint32 BadArgument = 3005;     // a caller passed something the code cannot use
constexpr qint32 DuplicateKey = 3006;    // a number is already taken (another coach on the same server)
constexpr qint32 DatabaseBusy = 3007;    // another program holds the database
}  // namespace err

// The program's failures. The call stack is captured where the error is raised, so that the log
// still lists the procedures that were running even after the stack has unwound to the event
// handler that catches it.
class PwError : public std::exception {
public:
    PwError(qint32 number, QString description, SourceLocation where = SourceLocation::current());

    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }
    qint32 line() const { return m_line; }
    const QList<CallStackEntry>& stackAtRaise() const { return m_stack; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    qint32 m_number;
    QString m_description;
    qint32 m_line;
    QList<CallStackEntry> m_stack;
    QByteArray m_what;
};

// Enters the procedure on construction and leaves it when the scope ends, however it ends.
class TraceScope {
public:
    explicit TraceScope(QString procName, const QString& argsText = {});
    ~TraceScope();
    TraceScope(const TraceScope&) = delete;
    TraceScope& operator=(const TraceScope&) = delete;

private:
    QString m_procName;
};

#define PW_TRACE_CAT2(a, b) a##b
#define PW_TRACE_CAT(a, b) PW_TRACE_CAT2(a, b)
#define PW_TRACE(...) ::pw::TraceScope PW_TRACE_CAT(pwTraceScope_, __LINE__)(__VA_ARGS__)

// One argument of a trace text: "name:= value ;".
QString traceArg(const QString& name, const QVariant& value);
// A text with every password-looking value hidden, for traces of settings and connections.
QString maskedValue(const QString& name, const QString& value);

// Passwords the program has read (from the settings or a database address). Every trace, log
// block and message shown has them replaced by ********, whatever text they stand in.
// Passwords shorter than four characters cannot be told from ordinary text and are not kept.
void registerSecret(const QString& secret);
QString maskSecrets(QString text);

// Reports the exception being handled (call only inside a catch block) through ErrorHandler, or,
// in debug mode, prints it with the call stack to standard error and aborts.
void reportCurrentException();

// Runs body as the event handler or procedure procName: it is traced, and any failure inside is
// reported. Returns false when the body failed.
template <typename F> bool guarded(const QString& procName, const QString& argsText, F&& body)
{
    TraceScope scope(procName, argsText);
    try {
        std::forward<F>(body)();
        return true;
    } catch (...) {
        reportCurrentException();
    }
    return false;
}

// Like guarded(), for procedures that hand back a value: a failure returns fallback.
template <typename T, typename F> T guardedValue(const QString& procName, const QString& argsText, T fallback, F&& body)
{
    TraceScope scope(procName, argsText);
    try {
        return std::forward<F>(body)();
    } catch (...) {
        reportCurrentException();
    }
    return fallback;
}

}  // namespace pw
