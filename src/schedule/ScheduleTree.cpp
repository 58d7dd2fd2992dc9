#include "schedule/ScheduleTree.h"

#include "app/Formats.h"
#include "app/TeamTree.h"
#include "app/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QStandardItem>

namespace pw {

const char* resultImage(int result)
{
    switch (result) {
    case 1: return "won";
    case 2: return "lost";
    case 3: return "tied";
    default: return "nyp";
    }
}

void AddSchedule(TeamTreeModel& tree, qint16 teamNo)
{
    PW_TRACE(QStringLiteral("AddSchedule"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    QStandardItem* teamNode = tree.node(NodeKey::team(teamNo));
    if (!teamNode)
        return;
    // Tournament games (1000 and up) stand under their tournaments, not here.
    QSqlQuery q = execSql(
        QStringLiteral("SELECT s.GameNo, s.GameDate, s.GameTime, s.FieldName, s.Result, s.RescheduleDate, "
                       "s.RescheduleTime, o.OpponentName, o.OpponentCoach, o.OpponentCoachPhone, o.OpponentColor "
                       "FROM Schedule s LEFT JOIN Opponent o ON o.TeamNo = s.TeamNo AND o.OpponentNo = s.OpponentNo "
                       "WHERE s.TeamNo = ? AND s.GameNo < ? "
                       "ORDER BY CASE WHEN s.GameDate IS NULL THEN 1 ELSE 0 END, s.GameDate ASC, s.GameNo ASC"),
        {teamNo, 1000});
    while (q.next()) {
        const qint16 gameNo = NullToInt(q.value(0));
        QStandardItem* gameNode = tree.addNode(teamNode, NodeKey::game(gameNo, teamNo), NullToText(q.value(7)),
                                               QString::fromLatin1(resultImage(NullToInt(q.value(4)))), gameNo);
        auto detail = [&](const char* word, const QString& text) {
            tree.addNode(gameNode, NodeKey::detail(QString::fromLatin1(word), gameNo, teamNo), text, {}, gameNo);
        };
        detail("Date", QStringLiteral("Date:") + Format(q.value(1), QStringLiteral("Long Date")) +
                           QStringLiteral(" at ") + NullToText(q.value(2)));
        if (!q.value(5).isNull() && toDateTime(q.value(5)).isValid()) {
            detail("rDate", QStringLiteral("Rescheduled Date:") + Format(q.value(5), QStringLiteral("Long Date")) +
                                QStringLiteral(" at ") + NullToText(q.value(6)));
        }
        detail("Field", QStringLiteral("Field: ") + NullToText(q.value(3)));
        detail("OppCoach", QStringLiteral("Coach: ") + NullToText(q.value(8)));
        detail("OppCoachNo", QStringLiteral("Phone: ") + NullToText(q.value(9)));
        detail("OppColor", QStringLiteral("Color: ") + NullToText(q.value(10)));
        detail("Score", QStringLiteral("Score: "));
    }
}

}  // namespace pw
