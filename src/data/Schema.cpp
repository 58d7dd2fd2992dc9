// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Schema.h"

#include "common/Trace.h"
#include "data/Backup.h"

#include <QSqlRecord>

#include <algorithm>

namespace pw {

namespace {

ColumnDef key(const char* name)
{
    return ColumnDef{QString::fromLatin1(name), ColType::Int32, 0, true, false};
}
ColumnDef num(const char* name)
{
    return ColumnDef{QString::fromLatin1(name), ColType::Int32};
}
ColumnDef real(const char* name)
{
    return ColumnDef{QString::fromLatin1(name), ColType::Float32};
}
ColumnDef text(const char* name, int size)
{
    return ColumnDef{QString::fromLatin1(name), ColType::Text, size};
}
ColumnDef memo(const char* name)
{
    return ColumnDef{QString::fromLatin1(name), ColType::Memo};
}
ColumnDef date(const char* name)
{
    return ColumnDef{QString::fromLatin1(name), ColType::DateTime};
}
ColumnDef flag(const char* name)
{
    return ColumnDef{QString::fromLatin1(name), ColType::Boolean};
}
ColumnDef autoNo(const char* name)
{
    return ColumnDef{QString::fromLatin1(name), ColType::Int32, 0, true, true};
}
QStringList cols(std::initializer_list<const char*> names)
{
    QStringList out;
    for (const char* n : names)
        out << QString::fromLatin1(n);
    return out;
}

// The identity of the tables whose rows are numbered one by one.
void setIdentities(QList<TableDef>& tables)
{
    const QList<QPair<const char*, QStringList>> ids{
        {"Teams", cols({"TeamNo"})},
        {"Player", cols({"TeamNo", "PlayerNo"})},
        {"Opponent", cols({"TeamNo", "OpponentNo"})},
        {"Schedule", cols({"TeamNo", "GameNo"})},
        {"GameStat", cols({"TeamNo", "GameNo", "PlayerNo"})},
        {"TournamentInfo", cols({"TeamNo", "TournamentNo"})},
        {"DrillBook", cols({"DrillID"})},
    };
    for (TableDef& t : tables) {
        for (const auto& [name, columns] : ids) {
            if (t.name == QLatin1String(name))
                t.identity = columns;
        }
    }
}

// A game's lineup and its statistics.
QList<TableDef> gameTables()
{
    QList<TableDef> t;
    t << TableDef{
        QStringLiteral("GameSetup"),
        {key("TeamNo"), key("GameNo"), key("PlayerNo"), key("QtrNo"), num("PlaceNo"), num("XPos"), num("YPos")},
        {cols({"TeamNo", "GameNo"})}};
    t << TableDef{QStringLiteral("GameStat"),
                  {key("TeamNo"), key("GameNo"), num("Opponent"), key("PlayerNo"), num("Shots"), num("Goals"),
                   num("Blocks"), num("Assists"), num("ShotOnGoal"), num("GoalsBlocked"), num("OverShot"),
                   num("GoalsScored"), text("QtrAvailable", 25), num("QtrPlayed"), flag("Captain")},
                  {cols({"TeamNo", "GameNo"}), cols({"TeamNo", "PlayerNo"})}};
    return t;
}

// The team's opponents and players.
QList<TableDef> rosterTables()
{
    QList<TableDef> t;
    t << TableDef{QStringLiteral("Opponent"),
                  {key("TeamNo"), key("OpponentNo"), text("OpponentName", 255), text("OpponentCoach", 255),
                   text("OpponentCoachPhone", 255), text("OpponentColor", 255), flag("IsUs")},
                  {cols({"TeamNo", "OpponentNo"})}};
    t << TableDef{QStringLiteral("Player"),
                  {key("TeamNo"),
                   key("PlayerNo"),
                   text("PlayerLastName", 255),
                   text("PlayerFirstName", 255),
                   text("Nickname", 50),
                   num("JerseyNo"),
                   text("Email", 255),
                   text("Position", 255),
                   text("Address", 255),
                   text("City", 255),
                   text("State", 255),
                   text("ZipCode", 50),
                   date("BirthDate"),
                   text("PhoneNo", 255),
                   text("AltNo", 255),
                   num("PlayTime"),
                   text("MomLastName", 255),
                   text("MomFirstName", 255),
                   text("MomAddress", 255),
                   text("MomCity", 255),
                   text("MomState", 255),
                   text("MomZip", 255),
                   text("MomPhone", 255),
                   text("MomEmail", 255),
                   text("MomAltPhone", 255),
                   flag("MomSameAdd"),
                   text("DadLastName", 255),
                   text("DadFirstName", 255),
                   text("DadAddress", 255),
                   text("DadCity", 255),
                   text("DadState", 255),
                   text("DadZip", 255),
                   text("DadPhone", 255),
                   text("DadEmail", 255),
                   text("DadAltPhone", 255),
                   flag("DadSameAdd"),
                   real("AmountPaid"),
                   flag("MayPlayGoal")},
                  {cols({"TeamNo", "PlayerNo"})}};
    return t;
}

// The season: its games and the team itself.
QList<TableDef> seasonTables()
{
    QList<TableDef> t;
    t << TableDef{QStringLiteral("Schedule"),
                  {key("TeamNo"), key("GameNo"), num("OpponentNo"), date("GameDate"), text("GameTime", 50),
                   text("FieldName", 255), num("Result"), date("RescheduleDate"), text("RescheduleTime", 50)},
                  {cols({"TeamNo", "GameNo"})}};
    t << TableDef{QStringLiteral("Teams"),
                  {key("TeamNo"),
                   text("TeamName", 255),
                   text("ClubName", 255),
                   text("TeamCoach1", 255),
                   text("TeamCoach1Phone", 255),
                   text("TeamCoach1Add", 255),
                   text("TeamCoach1Zip", 255),
                   text("TeamCoach1Mobile", 255),
                   text("TeamCoach1Email", 255),
                   text("TeamCoach2", 255),
                   text("TeamCoach2Phone", 255),
                   text("TeamCoach2Add", 255),
                   text("TeamCoach2Zip", 255),
                   text("TeamCoach2Mobile", 255),
                   text("TeamCoach2Email", 255),
                   text("TeamCoach3", 255),
                   text("TeamCoach3Phone", 255),
                   text("TeamCoach3Add", 255),
                   text("TeamCoach3Zip", 255),
                   text("TeamCoach3Mobile", 255),
                   text("TeamCoach3Email", 255),
                   text("TeamPracticeSchedule", 255),
                   num("NumberOfGames"),
                   num("Minutes"),
                   num("NumberOfPlayers"),
                   flag("Visible"),
                   text("League", 255),
                   text("Season", 255),
                   date("CutOff"),
                   text("AgeDivision", 255),
                   text("Sex", 10),
                   text("JerseyColor", 255),
                   text("ShortsColor", 255),
                   text("AltColor", 255),
                   text("EmailSendTo", 255),
                   text("WebSite", 255),
                   text("HomePage", 255),
                   num("TimeTrack"),
                   num("TrackCaptain"),
                   text("SeasonCaptains", 255),
                   num("Periods"),
                   flag("TournamentPlay"),
                   num("MinQtrReq"),
                   flag("ManageFees"),
                   real("TeamAmount"),
                   text("PointValue", 10),
                   date("StartDate")},
                  {cols({"TeamNo"})}};
    return t;
}

// Notes on players, games, the team and practices.
QList<TableDef> noteTables()
{
    QList<TableDef> t;
    t << TableDef{QStringLiteral("PlayerNotes"),
                  {key("NoteID"), text("Note", 255), flag("Checked"), key("TeamNo"), key("PlayerNo"), num("Priority")},
                  {cols({"TeamNo", "PlayerNo"})}};
    t << TableDef{
        QStringLiteral("GameNotes"), {key("TeamNo"), key("GameNo"), memo("Notes")}, {cols({"TeamNo", "GameNo"})}};
    t << TableDef{QStringLiteral("TeamNotes"),
                  {key("TeamNo"), autoNo("NoteID"), memo("Note"), text("Subject", 255), date("DateWritten"),
                   date("DateSent"), flag("IsEmail")},
                  {cols({"TeamNo"})}};
    t << TableDef{
        QStringLiteral("TeachingMoment"), {key("RowNo"), key("PracticeID"), memo("Moment")}, {cols({"PracticeID"})}};
    return t;
}

// Tournament brackets and their settings.
QList<TableDef> tournamentTables()
{
    QList<TableDef> t;
    t << TableDef{QStringLiteral("Tournament"),
                  {key("TeamNo"), key("TournamentNo"), key("Round"), text("Opp1", 255), text("Opp2", 255),
                   text("Opp1No", 255), text("Opp2No", 255), text("Time", 50), text("Place", 50)},
                  {cols({"TeamNo", "TournamentNo"})}};
    t << TableDef{QStringLiteral("TournamentInfo"),
                  {key("TeamNo"), key("TournamentNo"), text("TournamentName", 50), num("TournamentTeams"),
                   date("TournamentStartDate")},
                  {cols({"TeamNo", "TournamentNo"})}};
    return t;
}

// The drill book and the practices made of its drills.
QList<TableDef> drillAndPracticeTables()
{
    QList<TableDef> t;
    // DrillType and Stage come last: the drill editor needs them beside the original columns.
    t << TableDef{QStringLiteral("DrillBook"),
                  {key("DrillID"), text("DrillName", 50), text("Description", 255), text("Discipline", 50),
                   memo("Explanation"), memo("Development"), num("DrillType"), text("Stage", 50)},
                  {cols({"DrillID"})}};
    t << TableDef{QStringLiteral("DrillData"),
                  {key("DrillID"), num("GnomeType"), num("BaseGnomeNo"), num("FieldGnomeNo"), num("GnomeXPos"),
                   num("GnomeYPos"), num("X1"), num("Y1"), num("X2"), num("Y2"), num("MX"), num("MY"), num("PassType")},
                  {cols({"DrillID"})}};
    t << TableDef{QStringLiteral("Practice"),
                  {autoNo("PracticeID"), key("TeamNo"), date("PracticeDate"), date("StartTime"), date("EndTime"),
                   num("TimeSegment"), flag("TeamMeeting")},
                  {cols({"TeamNo", "PracticeDate"})}};
    t << TableDef{QStringLiteral("PracticeDrill"),
                  {key("RowNo"), key("TeamNo"), key("PracticeID"), num("DrillID"), text("Coach", 255),
                   memo("AgendaItem"), memo("AgendaNotes"), flag("TeamSplit")},
                  {cols({"PracticeID"})}};
    return t;
}

QList<TableDef> buildTables()
{
    QList<TableDef> t;
    t << gameTables() << rosterTables() << seasonTables() << noteTables() << tournamentTables()
      << drillAndPracticeTables();
    setIdentities(t);
    return t;
}

QString uniqueIndexSql(const TableDef& t, bool ifNotExists)
{
    return QStringLiteral("CREATE UNIQUE INDEX %1ux_%2 ON %2 (%3)")
        .arg(ifNotExists ? QStringLiteral("IF NOT EXISTS ") : QString(), t.name, t.identity.join(QStringLiteral(", ")));
}

QString columnSql(Engine engine, const ColumnDef& c)
{
    if (c.autoNumber) {
        return engine == Engine::SQLite
                   ? c.name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT")
                   : c.name + QStringLiteral(" INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
    }
    QString type;
    switch (c.type) {
    case ColType::Int32: type = QStringLiteral("INTEGER"); break;
    case ColType::Float32: type = QStringLiteral("REAL"); break;
    case ColType::Text: type = QStringLiteral("VARCHAR(%1)").arg(c.size); break;
    case ColType::Memo: type = QStringLiteral("TEXT"); break;
    case ColType::DateTime: type = QStringLiteral("TIMESTAMP"); break;
    case ColType::Boolean: type = QStringLiteral("BOOLEAN"); break;
    }
    return c.name + QLatin1Char(' ') + type + (c.required ? QStringLiteral(" NOT NULL") : QString());
}

}  // namespace

QStringList TableDef::keyOrder() const
{
    if (!identity.isEmpty())
        return identity;
    QStringList out;
    for (const ColumnDef& c : columns) {
        if (c.required)
            out << c.name;
    }
    return out;
}

bool TableDef::hasColumn(const QString& column) const
{
    for (const ColumnDef& c : columns) {
        if (c.name.compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

const QList<TableDef>& schemaTables()
{
    static const QList<TableDef> tables = buildTables();
    return tables;
}

const TableDef& tableDef(const QString& name)
{
    for (const TableDef& t : schemaTables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    }
    throw PwError(err::BadArgument, QStringLiteral("Unknown table %1").arg(name));
}

QStringList columnNames(const QString& table)
{
    QStringList out;
    for (const ColumnDef& c : tableDef(table).columns)
        out << c.name;
    return out;
}

void checkColumn(const QString& table, const QString& column)
{
    if (!tableDef(table).hasColumn(column))
        throw PwError(err::BadArgument, QStringLiteral("%1 has no column %2").arg(table, column));
}

void createSchema(const QSqlDatabase& db)
{
    PW_TRACE(QStringLiteral("createSchema"));
    const Engine engine = engineOf(db);
    for (const TableDef& t : schemaTables()) {
        QStringList defs;
        for (const ColumnDef& c : t.columns)
            defs << columnSql(engine, c);
        execSql(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(t.name, defs.join(QStringLiteral(", "))));
        if (!t.identity.isEmpty())
            execSql(db, uniqueIndexSql(t, false));
        int n = 0;
        for (const QStringList& index : t.indexes) {
            if (index == t.identity) {
                ++n;  // the unique index serves the look-ups too
                continue;
            }
            execSql(db, QStringLiteral("CREATE INDEX ix_%1_%2 ON %1 (%3)")
                            .arg(t.name)
                            .arg(++n)
                            .arg(index.join(QStringLiteral(", "))));
        }
    }
    // The version is kept without a table of its own.
    if (engine == Engine::SQLite)
        execSql(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    else
        execSql(db, QStringLiteral("COMMENT ON TABLE Teams IS 'Pitchwise schema %1'").arg(kSchemaVersion));
}

QStringList missingTables(const QSqlDatabase& db)
{
    QStringList present;
    if (engineOf(db) == Engine::SQLite) {
        // Reading the catalogue is what fails on a file that is not a database.
        QSqlQuery q = execSql(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        while (q.next())
            present << q.value(0).toString().toLower();
    } else {
        QSqlQuery q = execSql(db, QStringLiteral("SELECT table_name FROM information_schema.tables "
                                                 "WHERE table_schema = current_schema()"));
        while (q.next())
            present << q.value(0).toString().toLower();
    }
    QStringList missing;
    for (const TableDef& t : schemaTables()) {
        if (!present.contains(t.name.toLower()))
            missing << t.name;
    }
    return missing;
}

namespace {

// Columns added after the first release, with the schema version that added them: a database made
// before gets them when it is upgraded, and is not taken for another program's for lacking them.
struct AddedColumn {
    int version;
    const char* table;
    const char* column;
};
constexpr AddedColumn kAddedColumns[] = {{3, "Player", "MayPlayGoal"}};

bool addedAfter(int version, const QString& table, const QString& column)
{
    return std::any_of(std::begin(kAddedColumns), std::end(kAddedColumns), [&](const AddedColumn& a) {
        return a.version > version && table == QLatin1String(a.table) && column == QLatin1String(a.column);
    });
}

// The table's columns in the database, in lower case.
QStringList presentColumns(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery q = engineOf(db) == Engine::SQLite
                      ? execSql(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table})
                      : execSql(db,
                                QStringLiteral("SELECT column_name FROM information_schema.columns "
                                               "WHERE table_schema = current_schema() AND table_name = ?"),
                                {table.toLower()});
    QStringList present;
    while (q.next())
        present << q.value(0).toString().toLower();
    return present;
}

void addMissingColumns(const QSqlDatabase& db, int version)
{
    for (const AddedColumn& a : kAddedColumns) {
        const QString table = QString::fromLatin1(a.table);
        if (a.version <= version || presentColumns(db, table).contains(QString::fromLatin1(a.column).toLower()))
            continue;
        for (const ColumnDef& c : tableDef(table).columns) {
            if (c.name == QLatin1String(a.column))
                execSql(db, QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table, columnSql(engineOf(db), c)));
        }
    }
}

}  // namespace

QStringList missingColumns(const QSqlDatabase& db)
{
    QStringList missing;
    const int version = schemaVersion(db);
    for (const TableDef& t : schemaTables()) {
        const QStringList present = presentColumns(db, t.name);
        for (const ColumnDef& c : t.columns) {
            if (!present.contains(c.name.toLower()) && !addedAfter(version, t.name, c.name))
                missing << t.name + QLatin1Char('.') + c.name;
        }
    }
    return missing;
}

bool storedColumn(const QString& table, const QString& column)
{
    return !Db::isReadOnly() || presentColumns(Db::shared(), table).contains(column.toLower());
}

int schemaVersion(const QSqlDatabase& db)
{
    if (engineOf(db) == Engine::SQLite) {
        QSqlQuery q = execSql(db, QStringLiteral("PRAGMA user_version"));
        return q.next() ? q.value(0).toInt() : 0;
    }
    QSqlQuery q = execSql(db, QStringLiteral("SELECT obj_description('teams'::regclass, 'pg_class')"));
    if (!q.next())
        return 0;
    const QString comment = q.value(0).toString();
    return comment.section(QLatin1Char(' '), -1).toInt();
}

void upgradeSchema(const QSqlDatabase& db)
{
    PW_TRACE(QStringLiteral("upgradeSchema"));
    const int version = schemaVersion(db);
    if (version >= kSchemaVersion)
        return;
    autoBackup(db, BackupReason::Upgrade);
    addMissingColumns(db, version);
    QStringList broken;
    for (const TableDef& t : schemaTables()) {
        if (t.identity.isEmpty())
            continue;
        try {
            execSql(db, uniqueIndexSql(t, true));
        } catch (const PwError& e) {
            broken << t.name + QStringLiteral(": ") + e.description();
        }
    }
    if (!broken.isEmpty()) {
        LogMessage(QStringLiteral("The database keeps rows with the same number; they stay as they are:\n") +
                   broken.join(QLatin1Char('\n')));
        return;
    }
    if (engineOf(db) == Engine::SQLite)
        execSql(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    else
        execSql(db, QStringLiteral("COMMENT ON TABLE Teams IS 'Pitchwise schema %1'").arg(kSchemaVersion));
}

QString rowIdColumn(Engine engine)
{
    return engine == Engine::SQLite ? QStringLiteral("rowid") : QStringLiteral("ctid");
}

}  // namespace pw
