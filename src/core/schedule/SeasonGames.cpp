// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/SeasonGames.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QHash>

namespace pw {

QString resultImage(int result)
{
    switch (result) {
    case 1: return QStringLiteral("won");
    case 2: return QStringLiteral("lost");
    case 3: return QStringLiteral("tied");
    default: return QStringLiteral("nyp");
    }
}

QList<SeasonGame> readSeasonGames(const QList<qint16>& teamNos)
{
    PW_TRACE(QStringLiteral("readSeasonGames"), traceArg(QStringLiteral("Teams"), teamNos.size()));
    QList<SeasonGame> out;
    if (teamNos.isEmpty())
        return out;
    // Tournament games (1000 and up) stand under their tournaments, not here. The teams are few
    // and small numbers, so they are bound one placeholder each.
    QVariantList values;
    const QString teams = inList(teamNos, values);
    values << 1000;
    QSqlQuery q =
        execSql(QStringLiteral(
                    "SELECT s.TeamNo, s.GameNo, s.GameDate, s.GameTime, s.FieldName, s.Result, s.RescheduleDate, "
                    "s.RescheduleTime, o.OpponentName, o.OpponentCoach, o.OpponentCoachPhone, o.OpponentColor "
                    "FROM Schedule s LEFT JOIN Opponent o ON o.TeamNo = s.TeamNo AND o.OpponentNo = s.OpponentNo "
                    "WHERE s.TeamNo IN (%1) AND s.GameNo < ? "
                    "ORDER BY s.TeamNo, CASE WHEN s.GameDate IS NULL THEN 1 ELSE 0 END, s.GameDate ASC, s.GameNo ASC")
                    .arg(teams),
                values);
    QHash<qint16, QList<SeasonGame>> byTeam;
    while (q.next()) {
        SeasonGame g;
        g.teamNo = NullToInt(q.value(0));
        g.gameNo = NullToInt(q.value(1));
        g.gameDate = q.value(2);
        g.gameTime = shownText(NullToText(q.value(3)));
        g.fieldName = shownText(NullToText(q.value(4)));
        g.result = NullToInt(q.value(5));
        g.rescheduleDate = q.value(6);
        g.rescheduleTime = shownText(NullToText(q.value(7)));
        g.opponentName = shownText(NullToText(q.value(8)));
        g.opponentCoach = shownText(NullToText(q.value(9)));
        g.opponentCoachPhone = shownText(NullToText(q.value(10)));
        g.opponentColor = shownText(NullToText(q.value(11)));
        byTeam[g.teamNo] << g;
    }
    for (qint16 t : teamNos)
        out << byTeam.value(t);
    return out;
}

QList<QPair<QString, QString>> gameDetailLines(const SeasonGame& g)
{
    QList<QPair<QString, QString>> lines;
    lines << qMakePair(QStringLiteral("Date"), QStringLiteral("Date:") +
                                                   Format(g.gameDate, QStringLiteral("Long Date")) +
                                                   QStringLiteral(" at ") + g.gameTime);
    if (!g.rescheduleDate.isNull() && toDateTime(g.rescheduleDate).isValid()) {
        lines << qMakePair(QStringLiteral("rDate"), QStringLiteral("Rescheduled Date:") +
                                                        Format(g.rescheduleDate, QStringLiteral("Long Date")) +
                                                        QStringLiteral(" at ") + g.rescheduleTime);
    }
    lines << qMakePair(QStringLiteral("Field"), QStringLiteral("Field: ") + g.fieldName);
    lines << qMakePair(QStringLiteral("OppCoach"), QStringLiteral("Coach: ") + g.opponentCoach);
    lines << qMakePair(QStringLiteral("OppCoachNo"), QStringLiteral("Phone: ") + g.opponentCoachPhone);
    lines << qMakePair(QStringLiteral("OppColor"), QStringLiteral("Color: ") + g.opponentColor);
    lines << qMakePair(QStringLiteral("Score"), QStringLiteral("Score: "));
    return lines;
}

}  // namespace pw
