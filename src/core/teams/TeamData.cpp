// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/teams/TeamData.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/teams/PlayerRules.h"
#include "core/teams/PointValue.h"
#include "data/Database.h"
#include "data/Fields.h"

namespace pw {

QString teamEntryText(const QString& name, const QString& ageDivision, const QString& sex, const QString& season)
{
    return shownText(name) + QStringLiteral(" (") + shownText(ageDivision) + shownText(sex) + QLatin1Char('-') +
           shownText(season) + QLatin1Char(')');
}

QList<TeamEntry> visibleTeams()
{
    PW_TRACE(QStringLiteral("visibleTeams"));
    QList<TeamEntry> out;
    QSqlQuery q = execSql(QStringLiteral("SELECT TeamNo, TeamName, AgeDivision, Sex, Season FROM Teams "
                                         "WHERE Visible = ? ORDER BY CASE WHEN StartDate IS NULL THEN 1 ELSE 0 END, "
                                         "StartDate ASC, TeamNo ASC"),
                          {true});
    while (q.next()) {
        // A team number the program cannot hold (the store keeps 32 bits, the program 16) is
        // left out and said in the log, rather than shown as some other team.
        const qlonglong teamNo = q.value(0).toLongLong();
        if (teamNo < 1 || teamNo > 32767) {
            LogMessage(QStringLiteral("A team with the number %1 is not shown: team numbers run from 1 to 32767.")
                           .arg(teamNo));
            continue;
        }
        out << TeamEntry{static_cast<qint16>(teamNo), teamEntryText(NullToText(q.value(1)), NullToText(q.value(2)),
                                                                    NullToText(q.value(3)), NullToText(q.value(4)))};
    }
    return out;
}

TeamSettings readTeamSettings(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("readTeamSettings"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    TeamSettings t;
    QSqlQuery q = execSql(QStringLiteral("SELECT NumberOfGames, StartDate, TimeTrack, TrackCaptain, Periods, "
                                         "TournamentPlay, CutOff, NumberOfPlayers, MinQtrReq, WebSite, HomePage, "
                                         "ManageFees, PointValue, TeamAmount, EmailSendTo FROM Teams WHERE TeamNo = ?"),
                          {teamNo});
    if (!q.next())
        return t;
    t.NumberOfGames = NullToInt(q.value(0));
    t.StartDate = toDateTime(q.value(1)).date();
    t.TimeTrack = NullToInt(q.value(2));
    t.TrackCaptain = NullToInt(q.value(3));
    t.Periods = NullToInt(q.value(4));
    t.TournamentPlay = q.value(5).toBool();
    t.CutOff = toDateTime(q.value(6)).date();
    t.NumberOfPlayers = NullToInt(q.value(7));
    t.MinQtrReq = NullToInt(q.value(8));
    t.WebSite = NullToText(q.value(9)).trimmed();
    t.HomePage = NullToText(q.value(10)).trimmed();
    t.ManageFees = q.value(11).toBool();
    const QString points = NullToText(q.value(12));
    const PointValues pv = parsePointValue(points);
    if (!pointValueIsWellFormed(points))
        t.MalformedPointValue = points;
    t.WinPoints = pv.win;
    t.TiePoints = pv.tie;
    t.LossPoints = pv.loss;
    t.TeamAmount = q.value(13).toDouble();
    t.EmailSendTo = NullToText(q.value(14)).trimmed();
    return t;
}

QString teamWebSite(qint16 teamNo)
{
    return GetDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("WebSite"))
        .trimmed();
}

}  // namespace pw
