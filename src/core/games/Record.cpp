// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/Record.h"

#include "common/Trace.h"
#include "core/games/GameState.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <optional>

namespace pw {

namespace {

// The translation context of the games texts.
struct Games {
    Q_DECLARE_TR_FUNCTIONS(Games)
};

}  // namespace

QString RecordSummary::recordText() const
{
    return Games::tr("Record: %1 - %2 - %3").arg(wins).arg(losses).arg(ties);
}

QString RecordSummary::pointTotalText() const
{
    return Games::tr("Point Total:%1").arg(points);
}

namespace {

// The stored results of the games numbered first..last, and the games in their order.
struct StoredResults {
    QHash<int, QVariant> results;
    QList<int> games;
};

struct Goals {
    double scored = 0;
    double against = 0;
};

StoredResults readResults(qint16 teamNo, int first, int last)
{
    StoredResults stored;
    QSqlQuery results = execSql(QStringLiteral("SELECT GameNo, Result FROM Schedule WHERE TeamNo = ? AND GameNo "
                                               "BETWEEN ? AND ? ORDER BY GameNo"),
                                {teamNo, first, last});
    while (results.next()) {
        const int g = results.value(0).toInt();
        if (!stored.results.contains(g))
            stored.games << g;
        stored.results.insert(g, results.value(1));
    }
    return stored;
}

QHash<int, Goals> readGoals(qint16 teamNo, int first, int last)
{
    QHash<int, Goals> goals;
    // Summed as floating point: hostile figures past 64 bits must not stop the record (an integer
    // sum overflows), and the result compares the same.
    QSqlQuery sums = execSql(QStringLiteral("SELECT GameNo, SUM(CAST(Goals AS DOUBLE PRECISION)), "
                                            "SUM(CAST(GoalsScored AS DOUBLE PRECISION)) FROM GameStat WHERE TeamNo = ? "
                                            "AND GameNo BETWEEN ? AND ? GROUP BY GameNo"),
                             {teamNo, first, last});
    while (sums.next())
        goals.insert(sums.value(0).toInt(), Goals{sums.value(1).toDouble(), sums.value(2).toDouble()});
    return goals;
}

// Stores the results that changed, in one statement for all of them however many games changed.
void writeResults(qint16 teamNo, const QList<QPair<int, QVariant>>& rewrites)
{
    QString cases;
    QStringList marks;
    QVariantList values;
    for (const auto& [g, result] : rewrites) {
        cases += QStringLiteral(" WHEN ? THEN CAST(? AS INTEGER)");
        values << g << result;
    }
    values << teamNo;
    for (const auto& change : rewrites) {
        marks << QStringLiteral("?");
        values << change.first;
    }
    execSql(QStringLiteral("UPDATE Schedule SET Result = CASE GameNo%1 END WHERE TeamNo = ? AND GameNo IN (%2)")
                .arg(cases, marks.join(QStringLiteral(", "))),
            values);
}

}  // namespace

RecordSummary GetRecord(qint16 teamNo, qint16 tournament, const PointValues& pv, qint16 gameNo, bool storeResults)
{
    PW_TRACE(QStringLiteral("GetRecord"), traceArg(QStringLiteral("lcTeamNo"), teamNo) +
                                              traceArg(QStringLiteral("lcTournamentNo"), tournament) +
                                              traceArg(QStringLiteral("lcGameNo"), gameNo));
    RecordSummary summary;
    if (teamNo < 1)
        return summary;
    summary.computed = true;

    // Every season game counts, or every game of the current tournament. Game numbers are not
    // renumbered when a game is deleted, so the whole number range is read rather than
    // 1..NumberOfGames.
    const int first = tournament > 0 ? tournament * 1000 + 1 : 1;
    const int last = tournament > 0 ? tournament * 1000 + 999 : 999;
    const StoredResults stored = readResults(teamNo, first, last);
    const QHash<int, Goals> goals = readGoals(teamNo, first, last);

    QList<QPair<int, QVariant>> rewrites;  // game, result
    for (int g : stored.games) {
        const Goals gl = goals.value(g);
        if (!isResult(stored.results.value(g)))
            continue;  // not played: counts nothing and keeps its picture
        if (!goals.contains(g)) {
            // A result without any figures (a bracket saved by an earlier version marked every
            // game as played) is no result: it counts nothing and is taken away.
            rewrites << qMakePair(g, QVariant());
            continue;
        }
        int result = 3;
        if (gl.scored > gl.against) {
            ++summary.wins;
            result = 1;
        } else if (gl.scored < gl.against) {
            ++summary.losses;
            result = 2;
        } else {
            ++summary.ties;
        }
        if (stored.results.value(g).toInt() != result)
            rewrites << qMakePair(g, QVariant(result));
        const QString score = QStringLiteral("%1-%2").arg(gl.scored, 0, 'f', 0).arg(gl.against, 0, 'f', 0);
        if (g == gameNo)
            summary.scoreText = score;
        summary.games << GameResult{static_cast<qint16>(g), result, score};
    }

    // A read-only database shows the record all the same; only the stored results stay behind.
    if (storeResults && !rewrites.isEmpty() && !Db::isReadOnly())
        writeResults(teamNo, rewrites);

    summary.points = summary.wins * pv.win + summary.ties * pv.tie + summary.losses * pv.loss;
    return summary;
}

}  // namespace pw
