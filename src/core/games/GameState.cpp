// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/GameState.h"

#include "common/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QStringList>

namespace pw {

bool isResult(const QVariant& result)
{
    if (!result.isValid() || result.isNull())
        return false;
    bool ok = false;
    const double value = result.toString().trimmed().toDouble(&ok);
    return ok && value >= 1;
}

bool CheckGameStatus(qint16 lcTeamNo, qint16 lcGameNo)
{
    PW_TRACE(QStringLiteral("CheckGameStatus"),
             traceArg(QStringLiteral("lcTeamNo"), lcTeamNo) + traceArg(QStringLiteral("lcGameNo"), lcGameNo));
    if (lcGameNo == 0)
        return true;
    return isResult(GetDBData(QStringLiteral("Schedule"),
                              {{QStringLiteral("TeamNo"), lcTeamNo}, {QStringLiteral("GameNo"), lcGameNo}},
                              QStringLiteral("Result")));
}

GameStatus readGameStatus(qint16 teamNo, qint16 gameNo)
{
    PW_TRACE(QStringLiteral("readGameStatus"),
             traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("lcGameNo"), gameNo));
    GameStatus status;
    QSqlQuery q = execSql(QStringLiteral("SELECT OpponentNo, Result FROM Schedule WHERE TeamNo = ? AND GameNo = ? "
                                         "ORDER BY TeamNo, GameNo LIMIT 1"),
                          {teamNo, gameNo});
    if (q.next()) {
        status.opponentNo = NullToInt(q.value(0));
        status.hasResult = isResult(q.value(1));
    }
    return status;
}

qint16 CountQtrs(const QString& QtrStr)
{
    qint16 count = 0;
    for (const QString& piece : QtrStr.split(QLatin1Char(';'))) {
        bool ok = false;
        if (piece.trimmed().toDouble(&ok) == 1.0 && ok)
            ++count;
    }
    return count;
}

}  // namespace pw
