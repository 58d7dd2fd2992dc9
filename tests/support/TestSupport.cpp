// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "common/AppPaths.h"
#include "data/DatabaseFile.h"
#include "data/Schema.h"
#include "data/Secrets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QUuid>
#include <QWidget>

namespace pwtest {

TestEnv::TestEnv()
{
    // A desktop keyring the tests may reach is never the coach's entry.
    pw::setKeyringService(QStringLiteral("Pitchwise-Tests"));
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    pw::setSettingsFile(settingsPath());
    pw::setLogFilePath(m_dir.filePath(QStringLiteral("Pitchwise.log")));
    const QByteArray seed = qgetenv("PW_SEED_DB");
    if (!seed.isEmpty())
        pw::setSeedDatabasePath(QString::fromLocal8Bit(seed));
    // The mailer and the updater are built into the build tree's bin folder, not beside the tests,
    // and so are the shipped files (help, translations).
    pw::setToolFolder(qEnvironmentVariable("PW_TOOLS_DIR"));
    pw::setDataFolder(qEnvironmentVariable("PW_TOOLS_DIR"));
    pw::setPrompter(&prompter);
    pw::setDesktop(&desktop);
}

TestEnv::~TestEnv()
{
    pw::setPrompter(nullptr);
    pw::setDesktop(nullptr);
    pw::setSettingsFile({});
}

QString TestEnv::logText() const
{
    QFile f(pw::logFilePath());
    return f.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(f.readAll()) : QString();
}

void TestEnv::reset()
{
    QFile::remove(settingsPath());
    QFile::remove(pw::logFilePath());
    prompter.clear();
    desktop = RecordingDesktop{};
    pw::resetState();
    pw::callStack().clear();
}

void TestStore::onServer(const QString& sql)
{
    withDatabase(m_server, [&](const QSqlDatabase& db) { pw::execSql(db, sql.arg(m_location.database)); });
}

QString TestStore::open(const QString& tempDir)
{
    close();
    if (qgetenv("PW_TEST_ENGINE") != "postgres") {
        m_location = pw::DbLocation::parse(
            tempDir + QStringLiteral("/store-%1.db").arg(QUuid::createUuid().toString(QUuid::Id128)));
        pw::buildDatabaseFile(m_location.path);
        pw::Db::openShared(m_location);
        m_isOpen = true;
        return {};
    }
    m_server = QString::fromLocal8Bit(qgetenv("PW_TEST_PG"));
    if (m_server.isEmpty())
        return QStringLiteral("PW_TEST_PG names no PostgreSQL server");
    m_location = pw::DbLocation::parse(m_server);
    // A database of its own per test program: ctest runs them side by side.
    m_location.database = QStringLiteral("pwt_") + QUuid::createUuid().toString(QUuid::Id128);
    onServer(QStringLiteral("CREATE DATABASE %1"));
    pw::Db::openShared(m_location);
    pw::buildDatabase(pw::Db::shared());
    m_isOpen = true;
    return {};
}

void TestStore::close()
{
    if (!m_isOpen)
        return;
    m_isOpen = false;
    pw::Db::closeShared();
    if (m_location.engine == pw::Engine::PostgreSQL)
        onServer(QStringLiteral("DROP DATABASE IF EXISTS %1"));
    else
        QFile::remove(m_location.path);
}

void StoreTest::initTestCase()
{
    if (const QString why = store.open(env.dir()); !why.isEmpty())
        QSKIP(qPrintable(why));
}

void StoreTest::cleanup()
{
    const auto error = env.prompter.find(QStringLiteral("Error"));
    QVERIFY2(error.kind.isEmpty(), qPrintable(error.text));
}

void insertRow(const QString& table, const Fields& values)
{
    QStringList names;
    QVariantList bound;
    for (const auto& [name, value] : values) {
        pw::checkIdentifier(name);
        names << name;
        bound << value;
    }
    const QString marks = QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "));
    pw::execSql(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(QStringLiteral(", ")), marks),
                bound);
}

int countRows(const QString& table, const pw::Where& where)
{
    QSqlQuery q = pw::execSql(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(table, where.clause()), where.values());
    return q.next() ? q.value(0).toInt() : -1;
}

Fields fields(const QString& names, const QVariantList& values)
{
    const QStringList columns = names.split(QLatin1Char(' '));
    if (columns.size() != values.size())
        qFatal("%lld columns for %lld values", qlonglong(columns.size()), qlonglong(values.size()));
    Fields out;
    for (qsizetype i = 0; i < columns.size(); ++i)
        out << qMakePair(columns[i], values[i]);
    return out;
}

namespace {

// The defaults with the overrides put in, each in its default's place or added at the end.
Fields merged(Fields base, const Fields& overrides)
{
    for (const auto& o : overrides) {
        auto same = [&](const auto& b) { return b.first.compare(o.first, Qt::CaseInsensitive) == 0; };
        if (auto it = std::find_if(base.begin(), base.end(), same); it != base.end())
            it->second = o.second;
        else
            base << o;
    }
    return base;
}

}  // namespace

void addTeam(int teamNo, const QString& name, const Fields& overrides)
{
    const Fields defaults =
        fields(QStringLiteral("TeamNo TeamName AgeDivision Sex Season Visible NumberOfGames Periods "
                              "NumberOfPlayers TournamentPlay ManageFees PointValue StartDate CutOff"),
               {teamNo, name, "U10", "G", "Fall 2026", true, 0, 4, 8, false, false, "3;1;0", QDate(2026, 9, 5),
                QDate(2016, 8, 1)});
    insertRow(QStringLiteral("Teams"), merged(defaults, overrides));
}

void addPlayer(int teamNo, int playerNo, const QString& last, const QString& first, int jersey, const Fields& overrides)
{
    const Fields defaults = fields(QStringLiteral("TeamNo PlayerNo PlayerLastName PlayerFirstName JerseyNo BirthDate"),
                                   {teamNo, playerNo, last, first, jersey, QDate(2017, 3, 14)});
    insertRow(QStringLiteral("Player"), merged(defaults, overrides));
}

void addOpponent(int teamNo, int opponentNo, const QString& name, bool isUs)
{
    insertRow(QStringLiteral("Opponent"),
              fields(QStringLiteral("TeamNo OpponentNo OpponentName IsUs"), {teamNo, opponentNo, name, isUs}));
}

void addGame(int teamNo, int gameNo, int opponentNo, const QDate& date, const QVariant& result)
{
    insertRow(QStringLiteral("Schedule"),
              fields(QStringLiteral("TeamNo GameNo OpponentNo GameDate GameTime FieldName Result"),
                     {teamNo, gameNo, opponentNo, date, "10:00 AM", "Riverside 2", result}));
}

void addRealisticClub()
{
    addTeam(1, QStringLiteral("Comets"),
            fields(QStringLiteral("TournamentPlay NumberOfGames WebSite ManageFees TeamAmount EmailSendTo"),
                   {true, 6, "https://league.example.org/standings", true, 1500.0, "families@example.org"}));
    addTeam(2, QStringLiteral("Rockets"),
            fields(QStringLiteral("AgeDivision Sex StartDate NumberOfGames"), {"U12", "B", QDate(2026, 9, 12), 1}));
    addTeam(3, QStringLiteral("Old Squad"), fields(QStringLiteral("Visible StartDate"), {false, QDate(2025, 9, 1)}));

    // Fifteen players, jerseys 2 to 16; ten paid in full, three in part, two nothing.
    const QStringList names =
        QStringLiteral("Alvarez Sofia,Brooks Mia,Chen Lily,Dubois Chloe,Evans Grace,Fischer Hanna,"
                       "Garcia Isabella,Hughes Ava,Ito Yui,Jensen Freja,Kowalski Zofia,Larsen Emma,"
                       "Moreno Lucia,Nakamura Aoi,O'Brien Nora")
            .split(QLatin1Char(','));
    for (int i = 0; i < names.size(); ++i) {
        const QStringList name = names[i].split(QLatin1Char(' '));
        Fields extra{{QStringLiteral("AmountPaid"), i < 10 ? 100.0 : (i < 13 ? 40.0 : 0.0)}};
        if (i == 4)
            extra << qMakePair(QStringLiteral("BirthDate"), QVariant(QDate(2015, 2, 1)));  // too old for U10
        addPlayer(1, i + 1, name[0], name[1], i + 2, extra);
    }
    addPlayer(2, 1, QStringLiteral("Quinn"), QStringLiteral("Leo"), 9);
    addPlayer(2, 2, QStringLiteral("Reyes"), QStringLiteral("Max"), 10);
    addPlayer(2, 3, QStringLiteral("Stone"), QStringLiteral("Eli"), 11);

    const QStringList opponents =
        QStringLiteral("Blue Herons,Lakeside United,Northside Strikers,Valley FC").split(QLatin1Char(','));
    for (int i = 0; i < opponents.size(); ++i)
        addOpponent(1, i + 1, opponents[i]);
    addOpponent(2, 1, QStringLiteral("Hill Rovers"));
    addOpponent(1, 5, QStringLiteral("Comets"), true);

    // Six Saturdays from September 12 against the opponents in turn. Results as stored before the
    // record is recomputed: 99 waits for it.
    const QVariantList results{99, 99, 99, 1, {}, {}};
    for (int g = 1; g <= 6; ++g)
        addGame(1, g, (g - 1) % 4 + 1, QDate(2026, 9, 12).addDays(7 * (g - 1)), results[g - 1]);
    addGame(2, 1, 1, QDate(2026, 9, 13), 99);

    insertRow(QStringLiteral("TournamentInfo"),
              fields(QStringLiteral("TeamNo TournamentNo TournamentName TournamentTeams TournamentStartDate"),
                     {1, 1, "Harvest Cup", 2, QDate(2026, 11, 7)}));
    addGame(1, 1001, 2, QDate(2026, 11, 7), 99);
    addGame(1, 1002, 3, QDate(2026, 11, 8));

    // Team, game, player, goals, against: the season's 3-1, 0-2, 1-1 and 2-0, team 2's 4-4, the cup's 3-2.
    const int stats[][5] = {{1, 1, 1, 2, 0}, {1, 1, 2, 1, 1}, {1, 2, 1, 0, 2},   {1, 3, 3, 1, 1},
                            {1, 4, 4, 2, 0}, {2, 1, 1, 4, 4}, {1, 1001, 5, 3, 2}};
    for (const auto& s : stats)
        insertRow(QStringLiteral("GameStat"),
                  fields(QStringLiteral("TeamNo GameNo PlayerNo Goals GoalsScored"), {s[0], s[1], s[2], s[3], s[4]}));
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void withDatabase(const QString& address, const std::function<void(const QSqlDatabase&)>& work)
{
    const auto close = qScopeGuard([] { pw::closeDatabase(QStringLiteral("pw_other")); });
    work(pw::openDatabase(pw::DbLocation::parse(address), QStringLiteral("pw_other")));
}

void emptyTables()
{
    for (const pw::TableDef& t : pw::schemaTables()) {
        if (!t.name.startsWith(QLatin1String("Drill")))
            pw::execSql(QStringLiteral("DELETE FROM %1").arg(t.name));
    }
}

QStringList queryRows(const QString& sql, const QVariantList& values)
{
    QSqlQuery q = pw::execSql(sql, values);
    QStringList out;
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << pw::NullToText(q.value(i));
        out << row.join(QLatin1Char('/'));
    }
    return out;
}

Refusal::Refusal(const QString& table, const QString& event, const QString& when, Fault fault)
    : m_table(table)
{
    if (pw::Db::sharedLocation().engine == pw::Engine::PostgreSQL) {
        // The session ends itself; the sleep lets the end arrive before the statement goes on.
        pw::execSql(
            fault == Fault::LoseConnection
                ? QStringLiteral("CREATE OR REPLACE FUNCTION pw_refuse() RETURNS trigger LANGUAGE plpgsql AS "
                                 "$$ BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); PERFORM pg_sleep(5); "
                                 "RETURN NULL; END $$")
                : QStringLiteral("CREATE OR REPLACE FUNCTION pw_refuse() RETURNS trigger LANGUAGE plpgsql AS "
                                 "$$ BEGIN RAISE EXCEPTION 'refused'; END $$"));
        pw::execSql(QStringLiteral(
                        "CREATE TRIGGER pw_refusal BEFORE %1 ON %2 FOR EACH ROW WHEN (%3) EXECUTE FUNCTION pw_refuse()")
                        .arg(event, table, when));
    } else {
        pw::execSql(QStringLiteral(
                        "CREATE TRIGGER pw_refusal BEFORE %1 ON %2 WHEN %3 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                        .arg(event, table, when));
    }
}

Refusal::~Refusal()
{
    const bool pg = pw::Db::sharedLocation().engine == pw::Engine::PostgreSQL;
    pw::execSql(pg ? QStringLiteral("DROP TRIGGER pw_refusal ON %1").arg(m_table)
                   : QStringLiteral("DROP TRIGGER pw_refusal"));
}

namespace {

QString pdftotext(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("pdftotext failed: %s", p.readAllStandardError().constData());
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

QString readPdf(const QString& path, const QStringList& options)
{
    QStringList pages = pdftotext(options + QStringList{QStringLiteral("-layout"), path, QStringLiteral("-")})
                            .normalized(QString::NormalizationForm_KC)
                            .split(QLatin1Char('\f'));
    for (QString& page : pages) {
        QStringList lines = page.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = line.simplified();
        page = lines.join(QLatin1Char('\n'));
    }
    return pages.join(QLatin1Char('\f'));
}

QList<PdfWord> readPdfWords(const QString& path)
{
    static const QRegularExpression item(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"|<word xMin=\"([\\d.]+)\" "
                       "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> out;
    PdfWord page{{}, {}, 0, {}};
    for (auto it = item.globalMatch(pdftotext({QStringLiteral("-bbox"), path, QStringLiteral("-")})); it.hasNext();) {
        const auto m = it.next();
        const auto number = [&m](int i) { return m.captured(i).toDouble(); };
        if (m.capturedLength(1))
            page = {{}, {}, page.page + 1, QSizeF(number(1), number(2))};
        else
            out << PdfWord{m.captured(7), QRectF(QPointF(number(3), number(4)), QPointF(number(5), number(6))),
                           page.page, page.pageSize};
    }
    return out;
}

QStringList wordsOffThePage(const QString& path)
{
    QStringList out;
    for (const PdfWord& w : readPdfWords(path)) {
        if (!QRectF(35, 35, w.pageSize.width() - 70, w.pageSize.height() - 70).contains(w.box))
            out << QStringLiteral("%1 (page %2)").arg(w.text.left(30)).arg(w.page);
    }
    return out;
}

bool textsInOrder(const QString& text, const QStringList& parts)
{
    qsizetype from = 0;
    for (const QString& part : parts) {
        if ((from = text.indexOf(part, from)) < 0) {
            qWarning() << "missing or out of order:" << part;
            return false;
        }
        from += part.size();
    }
    return true;
}

namespace {

QString roleName(const QAccessibleInterface* a)
{
    return QString::fromLatin1(qAccessibleRoleString(a->role()));
}

// The item view an item of the accessibility tree belongs to, with the item's model index (only
// tables and lists: a tree's row numbers count its open nodes, not the model's rows).
QModelIndex modelIndexOf(QAccessibleInterface* item, QAbstractItemView** view)
{
    QAccessibleTableCellInterface* cell = item->tableCellInterface();
    QAccessibleInterface* parent = item->parent();
    *view = parent ? qobject_cast<QAbstractItemView*>(parent->object()) : nullptr;
    if (!cell || !*view || !(*view)->model() || (*view)->inherits("QTreeView"))
        return {};
    return (*view)->model()->index(cell->rowIndex(), cell->columnIndex(), (*view)->rootIndex());
}

// Controls the coach operates, also those the keyboard does not reach (a toolbar's extension).
bool operated(QAccessibleInterface* a)
{
    switch (a->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::PageTab: return true;
    default: return a->state().focusable;
    }
}

void collectUnnamed(QAccessibleInterface* a, QStringList* out, int depth)
{
    if (!a || !a->isValid() || depth > 40)
        return;
    const bool named = !a->text(QAccessible::Name).trimmed().isEmpty();
    // A widget that hands its focus on (a tab widget to its tabs) is read as what it hands it to,
    // and a combo box's list as the combo box, which carries the name.
    auto* widget = qobject_cast<QWidget*>(a->object());
    const bool handsOn =
        (widget && widget->focusProxy()) || (a->parent() && a->parent()->role() == QAccessible::ComboBox);
    if (operated(a) && !named && !handsOn) {
        QAbstractItemView* view = nullptr;
        const QModelIndex index = modelIndexOf(a, &view);
        if (!a->tableCellInterface() && a->object()) {
            *out << roleName(a) + QLatin1Char(' ') + a->object()->objectName();
        } else if (index.isValid() && index.data(Qt::DisplayRole).toString().isEmpty() &&
                   index.data(Qt::BackgroundRole).isValid()) {
            // An empty cell is read as blank; one that tells something by its colour alone is not.
            *out << QStringLiteral("%1 %2 %3,%4")
                        .arg(roleName(a), view->objectName())
                        .arg(index.row())
                        .arg(index.column());
        }
    }
    for (int i = 0; i < a->childCount(); ++i)
        collectUnnamed(a->child(i), out, depth + 1);
}

}  // namespace

QStringList unnamedControls(QWidget* window)
{
    QStringList out;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), &out, 0);
    return out;
}

QStringList itemsOutsideView(QWidget* view)
{
    QStringList out;
    auto* items = qobject_cast<QAbstractItemView*>(view);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(view);
    if (!items || !a)
        return {QStringLiteral("no item view")};
    const QRect shown(items->viewport()->mapToGlobal(QPoint(0, 0)), items->viewport()->size());
    for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface* item = a->child(i);
        if (!item || !item->tableCellInterface() || item->state().invisible)
            continue;
        const QRect r = item->rect();
        if (!r.isEmpty() && !shown.contains(r)) {
            out << QStringLiteral("%1 %2,%3 %4x%5")
                       .arg(item->text(QAccessible::Name))
                       .arg(r.x() - shown.x())
                       .arg(r.y() - shown.y())
                       .arg(r.width())
                       .arg(r.height());
        }
    }
    return out;
}

void screenshot(QObject* widget, const QString& name, qreal scale)
{
    const QByteArray dir = qgetenv("PW_SCREENSHOT_DIR");
    auto* w = qobject_cast<QWidget*>(widget);
    if (dir.isEmpty() || !w)
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    // Rendered at the given device pixel ratio, as a high-density screen would show it.
    QPixmap shot(w->size() * scale);
    shot.setDevicePixelRatio(scale);
    w->render(&shot);
    shot.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace pwtest
