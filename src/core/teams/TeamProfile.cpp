// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/teams/TeamProfile.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "data/Backup.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace pw {

namespace {

// The translation context of the teams texts.
struct Teams {
    Q_DECLARE_TR_FUNCTIONS(Teams)
};

}  // namespace

QString encodePracticeWeek(const PracticeWeek& week)
{
    QStringList days;
    for (const PracticeDay& d : week)
        days << (d.on ? QStringLiteral("1,") + d.start + QLatin1Char('-') + d.end : QStringLiteral("0,0"));
    return days.join(QLatin1Char(';'));
}

PracticeWeek decodePracticeWeek(const QString& text)
{
    PracticeWeek week;
    const QStringList days = text.split(QLatin1Char(';'));
    for (qsizetype i = 0; i < days.size() && i < qsizetype(week.size()); ++i) {
        const QString& entry = days.at(i);
        const qsizetype comma = entry.indexOf(QLatin1Char(','));
        const QString flag = comma < 0 ? entry : entry.left(comma);
        if (flag.trimmed().toInt() == 0)
            continue;
        PracticeDay& d = week[static_cast<size_t>(i)];
        d.on = true;
        const QString times = comma < 0 ? QString() : entry.mid(comma + 1);
        const qsizetype dash = times.indexOf(QLatin1Char('-'));
        d.start = (dash < 0 ? times : times.left(dash)).trimmed();
        d.end = dash < 0 ? QString() : times.mid(dash + 1).trimmed();
    }
    return week;
}

QString encodePointBoxes(const std::array<QString, 3>& boxes)
{
    return boxes[0].trimmed() + QLatin1Char(';') + boxes[1].trimmed() + QLatin1Char(';') + boxes[2].trimmed();
}

std::array<QString, 3> decodePointBoxes(const QString& text)
{
    std::array<QString, 3> boxes{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0")};
    if (text.trimmed().isEmpty())
        return boxes;
    const QStringList parts = text.split(QLatin1Char(';'));
    for (qsizetype i = 0; i < parts.size() && i < 3; ++i)
        boxes[static_cast<size_t>(i)] = parts.at(i).trimmed();
    return boxes;
}

namespace {

// The profile's columns in one order, for reading and writing alike.
QStringList profileColumns()
{
    QStringList c{
        QStringLiteral("League"),          QStringLiteral("TeamName"),     QStringLiteral("ClubName"),
        QStringLiteral("WebSite"),         QStringLiteral("HomePage"),     QStringLiteral("TournamentPlay"),
        QStringLiteral("ManageFees"),      QStringLiteral("TeamAmount"),   QStringLiteral("Visible"),
        QStringLiteral("Season"),          QStringLiteral("StartDate"),    QStringLiteral("AgeDivision"),
        QStringLiteral("CutOff"),          QStringLiteral("Sex"),          QStringLiteral("Periods"),
        QStringLiteral("NumberOfPlayers"), QStringLiteral("Minutes"),      QStringLiteral("MinQtrReq"),
        QStringLiteral("JerseyColor"),     QStringLiteral("ShortsColor"),  QStringLiteral("AltColor"),
        QStringLiteral("TimeTrack"),       QStringLiteral("TrackCaptain"), QStringLiteral("TeamPracticeSchedule"),
        QStringLiteral("EmailSendTo"),     QStringLiteral("PointValue")};
    for (int i = 1; i <= 3; ++i) {
        const QString n = QStringLiteral("TeamCoach%1").arg(i);
        c << n << n + QStringLiteral("Phone") << n + QStringLiteral("Add") << n + QStringLiteral("Zip")
          << n + QStringLiteral("Mobile") << n + QStringLiteral("Email");
    }
    return c;
}

QVariant dateValue(const QDate& d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}

QVariantList profileValues(const TeamProfile& p)
{
    QVariantList v{p.league,
                   p.teamName,
                   p.clubName,
                   p.webSite,
                   p.homePage,
                   p.tournamentPlay,
                   p.manageFees,
                   p.teamAmount,
                   p.visible,
                   p.season,
                   dateValue(p.startDate),
                   p.ageDivision,
                   dateValue(p.cutOff),
                   p.sex,
                   p.periods,
                   p.numberOfPlayers,
                   p.minutes,
                   p.minQtrReq,
                   p.jerseyColor,
                   p.shortsColor,
                   p.altColor,
                   p.timeTrack,
                   p.trackCaptain,
                   p.practiceSchedule,
                   p.emailSendTo,
                   p.pointValue};
    for (const CoachInfo& c : p.coaches)
        v << c.name << c.phone << c.address << c.zip << c.mobile << c.email;
    return v;
}

}  // namespace

std::optional<TeamProfile> readTeamProfile(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("LoadTeamData"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    const QStringList cols = profileColumns();
    QSqlQuery q = execSql(QStringLiteral("SELECT %1, SeasonCaptains, NumberOfGames FROM Teams WHERE TeamNo = ?")
                              .arg(cols.join(QStringLiteral(", "))),
                          {teamNo});
    if (!q.next())
        return std::nullopt;
    int i = 0;
    auto text = [&] { return NullToText(q.value(i++)); };
    auto number = [&] { return static_cast<int>(q.value(i++).toLongLong()); };
    auto flag = [&] { return q.value(i++).toBool(); };
    auto date = [&] { return toDateTime(q.value(i++)).date(); };
    TeamProfile p;
    p.teamNo = teamNo;
    p.league = text();
    p.teamName = text();
    p.clubName = text();
    p.webSite = text();
    p.homePage = text();
    p.tournamentPlay = flag();
    p.manageFees = flag();
    p.teamAmount = q.value(i++).toDouble();
    p.visible = flag();
    p.season = text();
    p.startDate = date();
    p.ageDivision = text();
    p.cutOff = date();
    p.sex = text();
    p.periods = number();
    p.numberOfPlayers = number();
    p.minutes = number();
    p.minQtrReq = number();
    p.jerseyColor = text();
    p.shortsColor = text();
    p.altColor = text();
    p.timeTrack = number();
    p.trackCaptain = number();
    p.practiceSchedule = text();
    p.emailSendTo = text();
    p.pointValue = text();
    for (CoachInfo& c : p.coaches) {
        c.name = text();
        c.phone = text();
        c.address = text();
        c.zip = text();
        c.mobile = text();
        c.email = text();
    }
    p.seasonCaptains = text();
    p.numberOfGames = number();
    return p;
}

bool saveTeamProfile(const TeamProfile& profile)
{
    PW_TRACE(QStringLiteral("OKButton_Click"), traceArg(QStringLiteral("TeamNo"), profile.teamNo));
    if (profile.teamNo < 1)
        throw PwError(err::BadArgument, Teams::tr("A team needs a number from 1 up."));
    Transaction tx;
    QStringList cols = profileColumns();
    QVariantList values = profileValues(profile);
    QSqlQuery q =
        execSql(QStringLiteral("SELECT TrackCaptain, SeasonCaptains FROM Teams WHERE TeamNo = ?"), {profile.teamNo});
    const bool exists = q.next();
    if (!exists) {
        cols << QStringLiteral("SeasonCaptains") << QStringLiteral("NumberOfGames");
        values << QString() << 0;
    } else if (q.value(0).toLongLong() != profile.trackCaptain) {
        cols << QStringLiteral("SeasonCaptains");
        values << QString();
    }
    const bool added = upsertRow(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), profile.teamNo}}, cols, values);
    announce(Change::Team, profile.teamNo);
    tx.commit();
    return added;
}

qint16 GenTeamNo()
{
    return GetNextNo(QStringLiteral("TeamNo"), QStringLiteral("Teams"), {});
}

void CopyTeam(qint16 sourceTeamNo, qint16 newTeamNo)
{
    PW_TRACE(QStringLiteral("CopyTeam"),
             traceArg(QStringLiteral("SourceTeam"), sourceTeamNo) + traceArg(QStringLiteral("NewTeam"), newTeamNo));
    copyRows(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), sourceTeamNo}},
             {{QStringLiteral("TeamNo"), newTeamNo}});
    announce(Change::Team, newTeamNo);
}

void deleteTeam(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("TeamDelete_Click"), traceArg(QStringLiteral("TeamNo"), teamNo));
    autoBackup(BackupReason::DeleteTeam);
    Transaction tx;
    // Teaching moments hang off the team's practices, not the team: they go first, while the
    // practices still say which are the team's.
    execSql(QStringLiteral(
                "DELETE FROM TeachingMoment WHERE PracticeID IN (SELECT PracticeID FROM Practice WHERE TeamNo = ?)"),
            {teamNo});
    for (const char* table : {"Teams", "GameNotes", "GameSetup", "GameStat", "Opponent", "Player", "PlayerNotes",
                              "Practice", "PracticeDrill", "Schedule", "TeamNotes", "Tournament", "TournamentInfo"})
        execSql(QStringLiteral("DELETE FROM %1 WHERE TeamNo = ?").arg(QString::fromLatin1(table)), {teamNo});
    announce(Change::Team, teamNo);
    tx.commit();
}

QList<TeamEntry> allTeamsByName()
{
    PW_TRACE(QStringLiteral("GenTeamList"));
    QList<TeamEntry> out;
    QSqlQuery q = execSql(QStringLiteral("SELECT TeamNo, TeamName, AgeDivision, Sex, Season FROM Teams "
                                         "ORDER BY LOWER(TeamName) ASC, TeamNo ASC"));
    while (q.next()) {
        const qlonglong teamNo = q.value(0).toLongLong();
        if (teamNo < 1 || teamNo > 32767)
            continue;
        out << TeamEntry{static_cast<qint16>(teamNo), teamEntryText(NullToText(q.value(1)), NullToText(q.value(2)),
                                                                    NullToText(q.value(3)), NullToText(q.value(4)))};
    }
    return out;
}

int neighbourAfterRemoval(int index, int count)
{
    if (count <= 1 || index < 0 || index >= count)
        return -1;
    return index == count - 1 ? index - 1 : index + 1;
}

std::optional<int> ageYears(const QString& ageDivision)
{
    static const QRegularExpression re(QStringLiteral("^\\s*[Uu]\\s*(\\d{1,2})\\s*$"));
    const auto m = re.match(ageDivision);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt();
}

AgeDefaults ageDefaults(int years)
{
    if (years == 5 || years == 6)
        return {4, 7, 2, 8};
    if (years >= 7 && years <= 9)
        return {4, 11, 2, 10};
    if (years == 10 || years == 11)
        return {4, 11, 2, 15};
    return {4, 11, 2, 20};
}

QDate ageCutOff(int years, const QDate& today)
{
    return QDate(today.year() - years - 1, 8, 1);
}

}  // namespace pw
