// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RosterData.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/teams/PlayerRules.h"
#include "data/Database.h"
#include "data/Fields.h"

namespace pw {

QList<RosterRow> readRoster(qint16 teamNo, const TeamSettings& team)
{
    PW_TRACE(QStringLiteral("readRoster"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    QList<RosterRow> rows;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo, PlayerLastName, PlayerFirstName, JerseyNo, BirthDate, "
                               "AmountPaid FROM Player WHERE TeamNo = ? "
                               "ORDER BY LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC, PlayerNo ASC"),
                {teamNo});
    QList<double> paid;
    while (q.next()) {
        RosterRow row;
        row.playerNo = NullToInt(q.value(0));
        row.text = shownText(NullToText(q.value(1))) + QLatin1Char(',') + shownText(NullToText(q.value(2))) +
                   QStringLiteral(" (") + shownText(NullToText(q.value(3))) + QLatin1Char(')');
        row.tooOld = !CheckAge(toDateTime(q.value(4)).date(), team.CutOff);
        paid << q.value(5).toDouble();
        rows << row;
    }
    if (team.ManageFees) {
        const double share = playerShare(team.TeamAmount, static_cast<int>(rows.size()));
        for (qsizetype i = 0; i < rows.size(); ++i)
            rows[i].fee = feeStatus(paid.at(i), share);
    }
    return rows;
}

}  // namespace pw
