// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Database.h"

#include "data/Changes.h"

#include "common/Trace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

namespace pw {

namespace {

// The translation context of the store texts.
struct Store {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

DbLocation g_sharedLocation;
bool g_connectionLost = false;                // the server dropped the shared connection: reopened before next use
QHash<QString, int> g_txDepth;                // nested guards on one connection join the outermost transaction
QHash<QString, bool> g_txRollbackOnly;        // an inner guard gave up: the outermost may not commit
QHash<QString, quint64> g_txFailuresAtStart;  // reported failures when the outermost guard began
quint64 g_statements = 0;
quint64 g_writes = 0;

// A statement that changes the store (or its schema), by its first word.
bool writes(const QString& sql)
{
    static const QRegularExpression write(QStringLiteral("^\\s*(INSERT|UPDATE|DELETE|REPLACE|CREATE|DROP|ALTER)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return write.match(sql).hasMatch();
}

// A unique index refused the row: the number is taken, most likely by another coach who saved
// at the same moment on a shared server.
bool isDuplicateKey(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("23505") || code == QLatin1String("2067") || code == QLatin1String("1555") ||
           error.databaseText().contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive);
}

// Another program (or another Pitchwise) holds the database file locked.
bool isBusy(const QSqlError& error)
{
    return error.nativeErrorCode() == QLatin1String("5") ||
           error.databaseText().contains(QLatin1String("database is locked"), Qt::CaseInsensitive);
}

// The server went away or ended the session (restarted, stopped by its administrator, the
// network dropped): the connection is of no further use. SQLSTATE classes 08 (connection
// exception) and 57P (operator intervention), or the client library's own words when the
// server vanished without a state.
bool isConnectionLost(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P")))
        return true;
    const QString text = error.databaseText() + error.driverText();
    return text.contains(QLatin1String("server closed the connection"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("terminating connection"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("no connection to the server"), Qt::CaseInsensitive);
}

[[noreturn]] void throwDbError(qint32 number, const QString& what, const QSqlError& error, SourceLocation where)
{
    if (isConnectionLost(error)) {
        g_connectionLost = true;
        throw PwError(err::DatabaseQuery,
                      Store::tr("The connection to the database server was lost, so nothing of this change was "
                                "saved. Pitchwise connects again when it next reads or saves. (%1)")
                          .arg(error.text().trimmed()),
                      where);
    }
    if (isBusy(error)) {
        throw PwError(err::DatabaseBusy, Store::tr("The database is in use by another program, which keeps it locked."),
                      where);
    }
    if (isDuplicateKey(error)) {
        throw PwError(err::DuplicateKey,
                      Store::tr("The number is already taken in the database, perhaps by someone saving at the "
                                "same time. Nothing was saved: open the window again and repeat the change. (%1)")
                          .arg(error.text().trimmed()),
                      where);
    }
    QString text = what;
    const QString driverText = error.text().trimmed();
    if (!driverText.isEmpty())
        text += QStringLiteral(": ") + driverText;
    throw PwError(number, text, where);
}

// Dates travel as plain local date-time text on PostgreSQL, so that a difference between the
// server's and the coach's time zones can never move a game to another day. SQLite keeps Qt's
// ISO text; a bare date becomes midnight so that every stored date has the same form and sorts.
QVariant storeValue(Engine engine, const QVariant& value)
{
    if (value.isNull())
        return value;
    QDateTime dt;
    if (value.typeId() == QMetaType::QDate)
        dt = value.toDate().startOfDay();
    else if (value.typeId() == QMetaType::QDateTime)
        dt = value.toDateTime();
    else
        return value;
    if (engine == Engine::PostgreSQL)
        return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    return dt;
}

}  // namespace

bool DbLocation::isServerAddress(const QString& setting)
{
    const QString s = setting.trimmed();
    return s.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           s.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

namespace {

QString decodePart(const QString& part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

// The user information ends at the last "@": a password may hold any character. Takes it off
// the front of rest.
void takeUserInfo(DbLocation& loc, QString& rest)
{
    const qsizetype at = rest.lastIndexOf(QLatin1Char('@'));
    if (at < 0)
        return;
    const QString userInfo = rest.left(at);
    rest = rest.mid(at + 1);
    const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
    loc.user = decodePart(colon >= 0 ? userInfo.left(colon) : userInfo);
    if (colon >= 0) {
        const QString raw = userInfo.mid(colon + 1);
        loc.password = decodePart(raw);
        registerSecret(raw);
        registerSecret(loc.password);
    }
}

// "[::1]:5432", "db.club.example:5432" or a bare host.
void readHostPort(DbLocation& loc, const QString& hostPort)
{
    const qsizetype close = hostPort.indexOf(QLatin1Char(']'));
    const qsizetype portColon = hostPort.indexOf(QLatin1Char(':'), close < 0 ? 0 : close);
    loc.host = decodePart(portColon >= 0 ? hostPort.left(portColon) : hostPort)
                   .remove(QLatin1Char('['))
                   .remove(QLatin1Char(']'));
    if (loc.host.isEmpty())
        loc.host = QStringLiteral("localhost");
    if (portColon >= 0) {
        bool ok = false;
        const int port = hostPort.mid(portColon + 1).toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            throw PwError(err::DatabaseOpen,
                          Store::tr("The port of the database address is not a number from 1 to 65535."));
        loc.port = port;
    }
}

// Options travel to the driver as "key=value" pairs separated by spaces, so only known keys
// with plain values may pass: nothing the address holds can add options of its own.
QStringList readOptions(const QString& query)
{
    static const QStringList known{QStringLiteral("sslmode"),
                                   QStringLiteral("sslrootcert"),
                                   QStringLiteral("sslcert"),
                                   QStringLiteral("sslkey"),
                                   QStringLiteral("sslcrl"),
                                   QStringLiteral("connect_timeout"),
                                   QStringLiteral("application_name"),
                                   QStringLiteral("target_session_attrs"),
                                   QStringLiteral("channel_binding"),
                                   QStringLiteral("gssencmode"),
                                   QStringLiteral("keepalives"),
                                   QStringLiteral("keepalives_idle"),
                                   QStringLiteral("keepalives_interval"),
                                   QStringLiteral("keepalives_count")};
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:+-]+$"));
    QStringList options;
    for (const QString& pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const QString key = decodePart(pair.section(QLatin1Char('='), 0, 0)).trimmed();
        const QString value = decodePart(pair.section(QLatin1Char('='), 1));
        if (!known.contains(key))
            throw PwError(err::DatabaseOpen,
                          Store::tr("The database address has an option Pitchwise does not know: %1.").arg(key));
        if (!plain.match(value).hasMatch())
            throw PwError(err::DatabaseOpen,
                          Store::tr("The value of the option %1 of the database address cannot be passed on: use "
                                    "letters, digits and . / : _ + - only.")
                              .arg(key));
        options << key + QLatin1Char('=') + value;
    }
    return options;
}

}  // namespace

DbLocation DbLocation::parse(const QString& setting)
{
    DbLocation loc;
    if (!isServerAddress(setting)) {
        loc.engine = Engine::SQLite;
        loc.path = setting;
        return loc;
    }
    loc.engine = Engine::PostgreSQL;
    const QString text = setting.trimmed();
    QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);
    takeUserInfo(loc, rest);
    QString query;
    if (const qsizetype mark = rest.indexOf(QLatin1Char('?')); mark >= 0) {
        query = rest.mid(mark + 1);
        rest = rest.left(mark);
    }
    QString hostPort = rest;
    if (const qsizetype slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
        hostPort = rest.left(slash);
        loc.database = decodePart(rest.mid(slash + 1));
    }
    readHostPort(loc, hostPort);
    loc.options << readOptions(query);
    return loc;
}

QString DbLocation::toSetting() const
{
    if (engine == Engine::SQLite)
        return path;
    auto enc = [](const QString& part) { return QString::fromLatin1(QUrl::toPercentEncoding(part)); };
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty() || !password.isEmpty())
        text += enc(user) + (password.isEmpty() ? QString() : QLatin1Char(':') + enc(password)) + QLatin1Char('@');
    const QString shownHost = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    text += QStringLiteral("%1:%2/%3").arg(shownHost).arg(port).arg(enc(database));
    return options.isEmpty() ? text : text + QLatin1Char('?') + options.join(QLatin1Char('&'));
}

bool DbLocation::requiresTls() const
{
    for (const QString& o : options) {
        if (o == QLatin1String("sslmode=require") || o == QLatin1String("sslmode=verify-ca") ||
            o == QLatin1String("sslmode=verify-full"))
            return true;
    }
    return false;
}

QString DbLocation::display() const
{
    if (engine == Engine::SQLite)
        return path;
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += user + (password.isEmpty() ? QString() : QStringLiteral(":********")) + QLatin1Char('@');
    const QString shownHost = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    text += QStringLiteral("%1:%2/%3").arg(shownHost).arg(port).arg(database);
    return options.isEmpty() ? text : text + QLatin1Char('?') + options.join(QLatin1Char('&'));
}

DbLocation DbLocation::testVariant() const
{
    DbLocation t = *this;
    if (engine == Engine::PostgreSQL) {
        // Lower case, as an unquoted CREATE DATABASE makes it.
        t.database += QStringLiteral("_test");
        return t;
    }
    const qsizetype dot = path.lastIndexOf(QLatin1String(".db"), -1, Qt::CaseInsensitive);
    t.path = (dot >= 0 && dot == path.size() - 3) ? path.left(dot) + QStringLiteral("_Test.db")
                                                  : path + QStringLiteral("_Test");
    return t;
}

QSqlDatabase openDatabase(const DbLocation& location, const QString& connectionName)
{
    const QString driver = location.engine == Engine::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        throw PwError(err::DatabaseOpen,
                      Store::tr("The database driver %1 is not installed on this computer.").arg(driver));
    }
    if (QSqlDatabase::contains(connectionName))
        closeDatabase(connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connectionName);
    if (location.engine == Engine::SQLite) {
        db.setDatabaseName(location.path);
        // A file locked by another program is reported within a few seconds rather than
        // freezing the window.
        db.setConnectOptions(location.readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                                               : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    } else {
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setDatabaseName(location.database);
        db.setUserName(location.user);
        db.setPassword(location.password);
        QStringList options = location.options;
        if (!options.filter(QRegularExpression(QStringLiteral("^connect_timeout="))).size())
            options << QStringLiteral("connect_timeout=15");
        db.setConnectOptions(options.join(QLatin1Char(';')));
    }
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        const QString driverText = maskSecrets(error.text().trimmed());
        if (location.requiresTls() && driverText.contains(QLatin1String("SSL"), Qt::CaseInsensitive)) {
            throw PwError(err::DatabaseOpen,
                          Store::tr("The server of %1 offers no encrypted (TLS) connection, and the address asks "
                                    "for one (sslmode). Ask the club's administrator to turn TLS on, or remove "
                                    "sslmode from the address. (%2)")
                              .arg(location.display(), driverText));
        }
        throw PwError(err::DatabaseOpen,
                      Store::tr("Could not open the database %1: %2").arg(location.display(), driverText));
    }
    return db;
}

void closeDatabase(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    g_txDepth.remove(connectionName);
    g_txRollbackOnly.remove(connectionName);
    g_txFailuresAtStart.remove(connectionName);
}

quint64 statementCount()
{
    return g_statements;
}

quint64 writeCount()
{
    return g_writes;
}

Engine engineOf(const QSqlDatabase& db)
{
    return db.driverName() == QLatin1String("QPSQL") ? Engine::PostgreSQL : Engine::SQLite;
}

namespace Db {

QString sharedName()
{
    return QStringLiteral("pitchwise");
}

void openShared(const DbLocation& location)
{
    openDatabase(location, sharedName());
    g_sharedLocation = location;
}

void closeShared()
{
    g_connectionLost = false;
    closeDatabase(sharedName());
    g_sharedLocation = DbLocation{};
}

bool isOpen()
{
    return QSqlDatabase::contains(sharedName()) && QSqlDatabase::database(sharedName(), false).isOpen();
}

QSqlDatabase shared()
{
    // A connection the server dropped is opened anew, but never in the middle of a save: the
    // save that lost it ends first, rolled back by the server. While the server cannot be
    // reached, each use says so again.
    if (g_connectionLost && !transactionOpen()) {
        closeDatabase(sharedName());
        openDatabase(g_sharedLocation, sharedName());
        g_connectionLost = false;
    }
    if (!QSqlDatabase::contains(sharedName()))
        throw PwError(err::DatabaseOpen, Store::tr("No database is open."));
    return QSqlDatabase::database(sharedName(), false);
}

const DbLocation& sharedLocation()
{
    return g_sharedLocation;
}

bool isReadOnly()
{
    return g_sharedLocation.readOnly;
}

QString connectionText()
{
    return g_sharedLocation.display();
}

}  // namespace Db

QSqlQuery execSql(const QSqlDatabase& db, const QString& sql, const QVariantList& values, SourceLocation where)
{
    ++g_statements;
    g_writes += writes(sql) ? 1 : 0;
    QSqlQuery query(db);
    // PostgreSQL streams forward-only results row by row and drops them when another statement
    // runs meanwhile; results are read while other statements run, so there it fetches them whole.
    query.setForwardOnly(engineOf(db) == Engine::SQLite);
    if (values.isEmpty()) {
        // Statements without values run as they are: PostgreSQL cannot prepare DDL.
        if (!query.exec(sql))
            throwDbError(err::DatabaseQuery, Store::tr("The statement failed (%1)").arg(sql), query.lastError(), where);
        return query;
    }
    if (!query.prepare(sql))
        throwDbError(err::DatabaseQuery, Store::tr("The statement could not be prepared (%1)").arg(sql),
                     query.lastError(), where);
    const Engine engine = engineOf(db);
    for (const QVariant& v : values)
        query.addBindValue(storeValue(engine, v));
    if (!query.exec())
        throwDbError(err::DatabaseQuery, Store::tr("The statement failed (%1)").arg(sql), query.lastError(), where);
    return query;
}

QSqlQuery execSql(const QString& sql, const QVariantList& values, SourceLocation where)
{
    return execSql(Db::shared(), sql, values, where);
}

QString placeholders(qsizetype n)
{
    return QStringList(n, QStringLiteral("?")).join(QStringLiteral(", "));
}

QString inList(const QList<qint16>& numbers, QVariantList& values)
{
    for (qint16 n : numbers)
        values << n;
    return placeholders(numbers.size());
}

PreparedStatement::PreparedStatement(const QSqlDatabase& db, const QString& sql, SourceLocation where)
    : m_query(db)
    , m_sql(sql)
    , m_engine(engineOf(db))
{
    if (!m_query.prepare(sql))
        throwDbError(err::DatabaseQuery, Store::tr("The statement could not be prepared (%1)").arg(sql),
                     m_query.lastError(), where);
}

void PreparedStatement::exec(const QVariantList& values, SourceLocation where)
{
    ++g_statements;
    g_writes += writes(m_sql) ? 1 : 0;
    for (qsizetype i = 0; i < values.size(); ++i)
        m_query.bindValue(static_cast<int>(i), storeValue(m_engine, values.at(i)));
    if (!m_query.exec())
        throwDbError(err::DatabaseQuery, Store::tr("The statement failed (%1)").arg(m_sql), m_query.lastError(), where);
}

bool transactionOpen()
{
    return std::any_of(g_txDepth.cbegin(), g_txDepth.cend(), [](int depth) { return depth > 0; });
}

Transaction::Transaction(QSqlDatabase db, SourceLocation where)
    : m_db(std::move(db))
{
    int& depth = g_txDepth[m_db.connectionName()];
    if (depth == 0) {
        if (!m_db.transaction())
            throwDbError(err::DatabaseQuery, Store::tr("A transaction could not be started"), m_db.lastError(), where);
        g_txFailuresAtStart[m_db.connectionName()] = reportedFailureCount();
        g_txRollbackOnly.remove(m_db.connectionName());
    }
    ++depth;
    m_open = true;
}

Transaction::Transaction()
    : Transaction(Db::shared())
{
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    const QString name = m_db.connectionName();
    int& depth = g_txDepth[name];
    if (--depth == 0) {
        m_db.rollback();
        g_txRollbackOnly.remove(name);
        g_txFailuresAtStart.remove(name);
        changeNotices().transactionEnded(false);
    } else {
        g_txRollbackOnly[name] = true;
    }
}

void Transaction::commit(SourceLocation where)
{
    if (!m_open)
        return;
    m_open = false;
    const QString name = m_db.connectionName();
    int& depth = g_txDepth[name];
    if (--depth > 0)
        return;  // the outermost guard decides
    const bool failedInside = g_txFailuresAtStart.take(name) != reportedFailureCount();
    if (g_txRollbackOnly.take(name) || failedInside) {
        m_db.rollback();
        changeNotices().transactionEnded(false);
        throw PwError(err::DatabaseQuery, Store::tr("The changes could not be saved: part of them failed."), where);
    }
    if (!m_db.commit()) {
        const QSqlError error = m_db.lastError();
        m_db.rollback();
        changeNotices().transactionEnded(false);
        throwDbError(err::DatabaseQuery, Store::tr("The changes could not be saved"), error, where);
    }
    changeNotices().transactionEnded(true);
}

Where::Where(std::initializer_list<Cond> conds)
{
    for (const Cond& c : conds)
        add(c.column, c.value, c.op);
}

Where& Where::add(const QString& column, const QVariant& value, const QString& op)
{
    checkIdentifier(column);
    static const QStringList allowed{QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("<"),
                                     QStringLiteral("<="), QStringLiteral(">"),  QStringLiteral(">=")};
    if (!allowed.contains(op))
        throw PwError(err::BadArgument, QStringLiteral("Unsupported comparison \"%1\"").arg(op));
    m_conds.append(Cond{column, value, op});
    return *this;
}

QString Where::sql() const
{
    QStringList parts;
    for (const Cond& c : m_conds)
        parts << QStringLiteral("%1 %2 ?").arg(c.column, c.op);
    return parts.join(QStringLiteral(" AND "));
}

QString Where::clause() const
{
    return m_conds.isEmpty() ? QString() : QStringLiteral(" WHERE ") + sql();
}

QVariantList Where::values() const
{
    QVariantList out;
    for (const Cond& c : m_conds)
        out << c.value;
    return out;
}

QStringList Where::columns() const
{
    QStringList out;
    for (const Cond& c : m_conds)
        out << c.column;
    return out;
}

QString Where::text() const
{
    QStringList parts;
    for (const Cond& c : m_conds) {
        const bool quoted = c.value.typeId() == QMetaType::QString;
        const QString v = quoted ? QLatin1Char('\'') + c.value.toString() + QLatin1Char('\'') : c.value.toString();
        parts << QStringLiteral("%1 %2 %3").arg(c.column, c.op, v);
    }
    return parts.join(QStringLiteral(" AND "));
}

void checkIdentifier(const QString& name)
{
    static const QRegularExpression ident(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!ident.match(name).hasMatch())
        throw PwError(err::BadArgument, QStringLiteral("\"%1\" is not a column or table name").arg(name));
}

}  // namespace pw
