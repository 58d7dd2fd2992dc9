#include "TestSupport.h"

#include "common/AppState.h"
#include "common/Trace.h"
#include "data/DatabaseFile.h"
#include "data/Settings.h"

#include <QDate>
#include <QDir>
#include <QWidget>
#include <QFile>
#include <QLocale>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>

namespace pwtest {

void ScriptedPrompter::clear()
{
    shown.clear();
    answers.clear();
    inputs.clear();
    files.clear();
}

QStringList ScriptedPrompter::titles() const
{
    QStringList out;
    for (const Shown& s : shown)
        out << s.title;
    return out;
}

const ScriptedPrompter::Shown* ScriptedPrompter::find(const QString& title) const
{
    for (const Shown& s : shown) {
        if (s.title == title)
            return &s;
    }
    return nullptr;
}

pw::Prompter::Answer ScriptedPrompter::message(const QString& title, const QString& text, Icon icon, Buttons buttons)
{
    shown.append(Shown{QStringLiteral("message"), title, text, icon, buttons, {}});
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<QString> ScriptedPrompter::inputText(const QString& title, const QString& prompt,
                                                   const QString& defaultText, bool)
{
    shown.append(Shown{QStringLiteral("input"), title, prompt, Icon::None, Buttons::OkCancel, defaultText});
    if (!inputs.isEmpty())
        return inputs.takeFirst();
    return std::nullopt;
}

QString ScriptedPrompter::openFileName(const QString& title, const QString&, const QString& filter)
{
    shown.append(Shown{QStringLiteral("open"), title, filter, Icon::None, Buttons::OkCancel, {}});
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString ScriptedPrompter::saveFileName(const QString& title, const QString&, const QString& proposedName,
                                       const QString& filter)
{
    shown.append(Shown{QStringLiteral("save"), title, filter, Icon::None, Buttons::OkCancel, proposedName});
    return files.isEmpty() ? QString() : files.takeFirst();
}

bool RecordingDesktop::openUrl(const QUrl& url)
{
    urls << url;
    return succeed;
}

bool RecordingDesktop::openFile(const QString& path)
{
    files << path;
    return succeed;
}

bool RecordingDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    programs << (QStringList{program} + arguments);
    return succeed;
}

TestEnv::TestEnv()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    pw::setSettingsFile(settingsPath());
    pw::setLogFilePath(m_dir.filePath(QStringLiteral("Pitchwise.log")));
    const QByteArray seed = qgetenv("PW_SEED_DB");
    if (!seed.isEmpty())
        pw::setSeedDatabasePath(QString::fromLocal8Bit(seed));
    pw::setPrompter(&prompter);
    pw::setDesktop(&desktop);
}

TestEnv::~TestEnv()
{
    pw::setPrompter(nullptr);
    pw::setDesktop(nullptr);
    pw::setSettingsFile({});
}

QString TestEnv::settingsPath() const
{
    return m_dir.filePath(QStringLiteral("settings.ini"));
}

QString TestEnv::logText() const
{
    QFile f(pw::logFilePath());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(f.readAll());
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

TestStore::~TestStore()
{
    close();
}

bool TestStore::wantsPostgres()
{
    return qgetenv("PW_TEST_ENGINE") == "postgres";
}

QString TestStore::engineName() const
{
    return m_location.engine == pw::Engine::PostgreSQL ? QStringLiteral("postgres") : QStringLiteral("sqlite");
}

bool TestStore::open(const QString& tempDir, QString* skipReason)
{
    close();
    if (!wantsPostgres()) {
        m_location = pw::DbLocation{};
        m_location.path = tempDir + QStringLiteral("/store-%1.db").arg(QUuid::createUuid().toString(QUuid::Id128));
        pw::buildDatabaseFile(m_location.path);
        pw::Db::openShared(m_location);
        m_isOpen = true;
        return true;
    }
    const QString server = QString::fromLocal8Bit(qgetenv("PW_TEST_PG"));
    if (server.isEmpty()) {
        *skipReason = QStringLiteral("PW_TEST_PG names no PostgreSQL server");
        return false;
    }
    m_admin = pw::DbLocation::parse(server);
    m_location = m_admin;
    // A database of its own per test program: ctest runs them side by side.
    m_location.database = QStringLiteral("pwt_") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase admin = pw::openDatabase(m_admin, QStringLiteral("pw_admin"));
        pw::execSql(admin, QStringLiteral("CREATE DATABASE %1").arg(m_location.database));
    }
    pw::closeDatabase(QStringLiteral("pw_admin"));
    pw::Db::openShared(m_location);
    pw::buildDatabase(pw::Db::shared());
    m_isOpen = true;
    return true;
}

void TestStore::close()
{
    if (!m_isOpen)
        return;
    m_isOpen = false;
    pw::Db::closeShared();
    if (m_location.engine == pw::Engine::PostgreSQL) {
        {
            QSqlDatabase admin = pw::openDatabase(m_admin, QStringLiteral("pw_admin"));
            pw::execSql(admin, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_location.database));
        }
        pw::closeDatabase(QStringLiteral("pw_admin"));
    } else {
        QFile::remove(m_location.path);
    }
}

void insertRow(const QString& table, const QList<QPair<QString, QVariant>>& values)
{
    QStringList names;
    QStringList marks;
    QVariantList bound;
    for (const auto& [name, value] : values) {
        pw::checkIdentifier(name);
        names << name;
        marks << QStringLiteral("?");
        bound << value;
    }
    pw::execSql(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                bound);
}

int countRows(const QString& table, const pw::Where& where)
{
    QSqlQuery q = pw::execSql(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(table, where.clause()), where.values());
    return q.next() ? q.value(0).toInt() : -1;
}

namespace {

QList<QPair<QString, QVariant>> merged(QList<QPair<QString, QVariant>> base,
                                       const QList<QPair<QString, QVariant>>& overrides)
{
    for (const auto& o : overrides) {
        bool replaced = false;
        for (auto& b : base) {
            if (b.first.compare(o.first, Qt::CaseInsensitive) == 0) {
                b.second = o.second;
                replaced = true;
            }
        }
        if (!replaced)
            base << o;
    }
    return base;
}

}  // namespace

void addTeam(int teamNo, const QString& name, const QList<QPair<QString, QVariant>>& overrides)
{
    insertRow(QStringLiteral("Teams"),
              merged({{QStringLiteral("TeamNo"), teamNo},
                      {QStringLiteral("TeamName"), name},
                      {QStringLiteral("AgeDivision"), QStringLiteral("U10")},
                      {QStringLiteral("Sex"), QStringLiteral("G")},
                      {QStringLiteral("Season"), QStringLiteral("Fall 2026")},
                      {QStringLiteral("Visible"), true},
                      {QStringLiteral("NumberOfGames"), 0},
                      {QStringLiteral("Periods"), 4},
                      {QStringLiteral("NumberOfPlayers"), 8},
                      {QStringLiteral("TournamentPlay"), false},
                      {QStringLiteral("ManageFees"), false},
                      {QStringLiteral("PointValue"), QStringLiteral("3;1;0")},
                      {QStringLiteral("StartDate"), QDate(2026, 9, 5)},
                      {QStringLiteral("CutOff"), QDate(2016, 8, 1)}},
                     overrides));
}

void addPlayer(int teamNo, int playerNo, const QString& last, const QString& first, int jersey,
               const QList<QPair<QString, QVariant>>& overrides)
{
    insertRow(QStringLiteral("Player"), merged({{QStringLiteral("TeamNo"), teamNo},
                                                {QStringLiteral("PlayerNo"), playerNo},
                                                {QStringLiteral("PlayerLastName"), last},
                                                {QStringLiteral("PlayerFirstName"), first},
                                                {QStringLiteral("JerseyNo"), jersey},
                                                {QStringLiteral("BirthDate"), QDate(2017, 3, 14)}},
                                               overrides));
}

void addOpponent(int teamNo, int opponentNo, const QString& name)
{
    insertRow(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), teamNo},
                                           {QStringLiteral("OpponentNo"), opponentNo},
                                           {QStringLiteral("OpponentName"), name},
                                           {QStringLiteral("IsUs"), false}});
}

void addGame(int teamNo, int gameNo, int opponentNo, const QDate& date, const QVariant& result)
{
    insertRow(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), teamNo},
                                           {QStringLiteral("GameNo"), gameNo},
                                           {QStringLiteral("OpponentNo"), opponentNo},
                                           {QStringLiteral("GameDate"), date},
                                           {QStringLiteral("GameTime"), QStringLiteral("10:00 AM")},
                                           {QStringLiteral("FieldName"), QStringLiteral("Riverside 2")},
                                           {QStringLiteral("Result"), result}});
}

void addStat(int teamNo, int gameNo, int playerNo, int goals, int goalsAgainst)
{
    insertRow(QStringLiteral("GameStat"), {{QStringLiteral("TeamNo"), teamNo},
                                           {QStringLiteral("GameNo"), gameNo},
                                           {QStringLiteral("PlayerNo"), playerNo},
                                           {QStringLiteral("Goals"), goals},
                                           {QStringLiteral("GoalsScored"), goalsAgainst}});
}

void addRealisticClub()
{
    addTeam(1, QStringLiteral("Comets"),
            {{QStringLiteral("TournamentPlay"), true},
             {QStringLiteral("WebSite"), QStringLiteral("https://league.example.org/standings")},
             {QStringLiteral("NumberOfGames"), 6},
             {QStringLiteral("ManageFees"), true},
             {QStringLiteral("TeamAmount"), 1500.0},
             {QStringLiteral("EmailSendTo"), QStringLiteral("families@example.org")}});
    addTeam(2, QStringLiteral("Rockets"),
            {{QStringLiteral("AgeDivision"), QStringLiteral("U12")},
             {QStringLiteral("Sex"), QStringLiteral("B")},
             {QStringLiteral("StartDate"), QDate(2026, 9, 12)},
             {QStringLiteral("NumberOfGames"), 1}});
    addTeam(3, QStringLiteral("Old Squad"), {{QStringLiteral("Visible"), false}, {QStringLiteral("StartDate"), QDate(2025, 9, 1)}});

    const QList<QPair<QString, QString>> names{
        {QStringLiteral("Alvarez"), QStringLiteral("Sofia")},   {QStringLiteral("Brooks"), QStringLiteral("Mia")},
        {QStringLiteral("Chen"), QStringLiteral("Lily")},       {QStringLiteral("Dubois"), QStringLiteral("Chloe")},
        {QStringLiteral("Evans"), QStringLiteral("Grace")},     {QStringLiteral("Fischer"), QStringLiteral("Hanna")},
        {QStringLiteral("Garcia"), QStringLiteral("Isabella")}, {QStringLiteral("Hughes"), QStringLiteral("Ava")},
        {QStringLiteral("Ito"), QStringLiteral("Yui")},         {QStringLiteral("Jensen"), QStringLiteral("Freja")},
        {QStringLiteral("Kowalski"), QStringLiteral("Zofia")},  {QStringLiteral("Larsen"), QStringLiteral("Emma")},
        {QStringLiteral("Moreno"), QStringLiteral("Lucia")},    {QStringLiteral("Nakamura"), QStringLiteral("Aoi")},
        {QStringLiteral("O'Brien"), QStringLiteral("Nora")}};
    for (int i = 0; i < names.size(); ++i) {
        QList<QPair<QString, QVariant>> extra{{QStringLiteral("AmountPaid"), i < 10 ? 100.0 : (i < 13 ? 40.0 : 0.0)}};
        if (i == 4)
            extra << qMakePair(QStringLiteral("BirthDate"), QVariant(QDate(2015, 2, 1)));  // too old for U10
        addPlayer(1, i + 1, names[i].first, names[i].second, i + 2, extra);
    }
    addPlayer(2, 1, QStringLiteral("Quinn"), QStringLiteral("Leo"), 9);
    addPlayer(2, 2, QStringLiteral("Reyes"), QStringLiteral("Max"), 10);
    addPlayer(2, 3, QStringLiteral("Stone"), QStringLiteral("Eli"), 11);

    const QStringList opponents{QStringLiteral("Blue Herons"), QStringLiteral("Lakeside United"),
                                QStringLiteral("Northside Strikers"), QStringLiteral("Valley FC")};
    for (int i = 0; i < opponents.size(); ++i)
        addOpponent(1, i + 1, opponents[i]);
    addOpponent(2, 1, QStringLiteral("Hill Rovers"));
    insertRow(QStringLiteral("Opponent"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("OpponentNo"), 5},
                                           {QStringLiteral("OpponentName"), QStringLiteral("Comets")},
                                           {QStringLiteral("IsUs"), true}});

    // Results as stored before the record is recomputed: 99 waits for it.
    addGame(1, 1, 1, QDate(2026, 9, 12), 99);
    addGame(1, 2, 2, QDate(2026, 9, 19), 99);
    addGame(1, 3, 3, QDate(2026, 9, 26), 99);
    addGame(1, 4, 4, QDate(2026, 10, 3), 1);
    addGame(1, 5, 1, QDate(2026, 10, 10));
    addGame(1, 6, 2, QDate(2026, 10, 17));
    addStat(1, 1, 1, 2, 0);
    addStat(1, 1, 2, 1, 1);  // 3-1
    addStat(1, 2, 1, 0, 2);  // 0-2
    addStat(1, 3, 3, 1, 1);  // 1-1
    addStat(1, 4, 4, 2, 0);  // 2-0
    addGame(2, 1, 1, QDate(2026, 9, 13), 99);
    addStat(2, 1, 1, 4, 4);

    insertRow(QStringLiteral("TournamentInfo"), {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("TournamentNo"), 1},
                                                 {QStringLiteral("TournamentName"), QStringLiteral("Harvest Cup")},
                                                 {QStringLiteral("TournamentTeams"), 2},
                                                 {QStringLiteral("TournamentStartDate"), QDate(2026, 11, 7)}});
    addGame(1, 1001, 2, QDate(2026, 11, 7), 99);
    addGame(1, 1002, 3, QDate(2026, 11, 8));
    addStat(1, 1001, 5, 3, 2);
}

void screenshot(QObject* widget, const QString& name)
{
    const QByteArray dir = qgetenv("PW_SCREENSHOT_DIR");
    auto* w = qobject_cast<QWidget*>(widget);
    if (dir.isEmpty() || !w)
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace pwtest
