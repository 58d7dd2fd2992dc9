#include "core/games/GameView.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/games/GameState.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <cmath>

namespace pw {

namespace {

constexpr const char* kFigureColumns = "Shots, Goals, Blocks, Assists, ShotOnGoal, GoalsScored, GoalsBlocked, OverShot";

bool isSummary(qint16 gameNo)
{
    return gameNo % 100 == 0;
}

// The statistics rows that count for a selection: the whole team for the season (tournament
// games included, as the season's share has always counted them), one tournament's otherwise.
QString rangeClause(qint16 tournamentNo, QVariantList& values)
{
    if (tournamentNo == 0)
        return {};
    values << int(tournamentNo) * 1000 << (int(tournamentNo) + 1) * 1000;
    return QStringLiteral(" AND GameNo BETWEEN ? AND ?");
}

std::optional<int> optionalInt(const QVariant& v)
{
    if (v.isNull())
        return std::nullopt;
    // Only a text can be blank; numbers are taken as they come, without a detour through text.
    if (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty())
        return std::nullopt;
    return static_cast<int>(v.toLongLong());
}

// One statistics row as read: player, game, periods and the eight figures.
struct StatRow {
    qint16 playerNo = 0;
    PlayTimeRow time;
    Figures figures{};
};

QList<StatRow> readStatRows(qint16 teamNo, qint16 tournamentNo, std::optional<qint16> playerNo)
{
    QVariantList values{teamNo};
    QString where = QStringLiteral("TeamNo = ?");
    if (playerNo) {
        where += QStringLiteral(" AND PlayerNo = ?");
        values << *playerNo;
    }
    where += rangeClause(tournamentNo, values);
    // No order asked for: the rows are gathered per player, and the sums do not depend on it.
    QSqlQuery q = execSql(QStringLiteral("SELECT PlayerNo, GameNo, QtrPlayed, QtrAvailable, %1 FROM GameStat WHERE %2")
                              .arg(QLatin1String(kFigureColumns), where),
                          values);
    QList<StatRow> rows;
    while (q.next()) {
        StatRow r;
        r.playerNo = NullToInt(q.value(0));
        r.time = PlayTimeRow{NullToInt(q.value(1)), NullToInt(q.value(2)), NullToText(q.value(3))};
        for (int i = 0; i < kFigureCount; ++i)
            r.figures[static_cast<size_t>(i)] = figureOf(q.value(4 + i));
        rows << r;
    }
    return rows;
}

// A player's line from that player's rows.
PlayerGameLine lineFor(const QList<StatRow>& rows, qint16 tournamentNo, qint16 gameNo)
{
    PlayerGameLine line;
    QList<PlayTimeRow> times;
    for (const StatRow& r : rows)
        times << r.time;
    line.percent = playTimePercent(times, tournamentNo, gameNo);
    if (isSummary(gameNo)) {
        line.shown = true;
        std::array<qint64, kFigureCount> sum{};
        qint64 played = 0;
        qint64 available = 0;
        for (const StatRow& r : rows) {
            for (size_t i = 0; i < sum.size(); ++i)
                sum[i] = addFigures(sum[i], r.figures[i].value_or(0));
            played += r.time.qtrPlayed;
            available += CountQtrs(r.time.qtrAvailable);
        }
        // In a summary a total of nothing shows as an empty cell.
        for (size_t i = 0; i < sum.size(); ++i)
            line.figures[i] = sum[i] == 0 ? std::nullopt : std::optional<qint64>(sum[i]);
        line.qtrPlayed = played == 0 ? std::nullopt : std::optional<qint64>(played);
        line.qtrAvailable = available == 0 ? std::nullopt : std::optional<qint64>(available);
        return line;
    }
    for (const StatRow& r : rows) {
        if (r.time.gameNo != gameNo)
            continue;
        line.shown = true;
        line.figures = r.figures;
        line.qtrPlayed = r.time.qtrPlayed;
        line.qtrAvailable = CountQtrs(r.time.qtrAvailable);
    }
    return line;
}

}  // namespace

std::optional<qint64> figureOf(const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return std::nullopt;
    switch (stored.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short: return stored.toLongLong();
    default: break;
    }
    const QString text = stored.toString().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 whole = text.toLongLong(&ok);
    if (ok)
        return whole;
    const double value = text.toDouble(&ok);
    if (!ok || std::isnan(value))
        return 0;
    // Beyond the range the nearest end stands for it; the conversion itself could not hold it.
    if (value >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (value <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return std::llround(value);
}

int playTimePercent(const QList<PlayTimeRow>& rows, qint16 tournamentNo, qint16 gameNo)
{
    const bool summary = gameNo == qint16(int(tournamentNo) * 1000);
    qint64 played = 0;
    qint64 available = 0;
    for (const PlayTimeRow& r : rows) {
        if (summary || r.gameNo <= gameNo) {
            played += r.qtrPlayed;
            available += CountQtrs(r.qtrAvailable);
        }
    }
    if (available <= 0)
        return 0;
    return static_cast<int>(RoundHalfEven(100.0 * played / available));
}

GameView readGameView(qint16 teamNo, qint16 tournamentNo, qint16 gameNo, bool storeShares)
{
    PW_TRACE(QStringLiteral("SelectGame"),
             traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("lcGameNo"), gameNo));
    QHash<qint16, QList<StatRow>> byPlayer;
    for (const StatRow& r : readStatRows(teamNo, tournamentNo, std::nullopt))
        byPlayer[r.playerNo] << r;

    GameView view;
    QList<QPair<qint16, int>> changed;
    QSqlQuery players = execSql(QStringLiteral("SELECT PlayerNo, PlayTime FROM Player WHERE TeamNo = ?"), {teamNo});
    while (players.next()) {
        const qint16 playerNo = NullToInt(players.value(0));
        const PlayerGameLine line = lineFor(byPlayer.value(playerNo), tournamentNo, gameNo);
        for (size_t i = 0; i < view.totals.size(); ++i)
            view.totals[i] = addFigures(view.totals[i], line.figures[i].value_or(0));
        view.lines.insert(playerNo, line);
        if (players.value(1).isNull() || players.value(1).toLongLong() != line.percent)
            changed << qMakePair(playerNo, line.percent);
    }

    // The shares are kept with the players for the reports; one statement for all that changed.
    if (storeShares && !changed.isEmpty() && !Db::isReadOnly()) {
        QString cases;
        QStringList marks;
        QVariantList values;
        for (const auto& [playerNo, percent] : changed) {
            cases += QStringLiteral(" WHEN CAST(? AS INTEGER) THEN CAST(? AS INTEGER)");
            values << playerNo << percent;
        }
        values << teamNo;
        for (const auto& c : changed) {
            marks << QStringLiteral("?");
            values << c.first;
        }
        execSql(QStringLiteral("UPDATE Player SET PlayTime = CASE PlayerNo%1 ELSE PlayTime END WHERE TeamNo = ? AND "
                               "PlayerNo IN (%2)")
                    .arg(cases, marks.join(QStringLiteral(", "))),
                values);
    }
    return view;
}

int CalculatePlayTime(qint16 teamNo, qint16 tournamentNo, qint16 gameNo, qint16 lcPlyrNo, PlayerGameLine* figures)
{
    PW_TRACE(QStringLiteral("CalculatePlayTime"), traceArg(QStringLiteral("lcPlyrNo"), lcPlyrNo));
    const PlayerGameLine line = lineFor(readStatRows(teamNo, tournamentNo, lcPlyrNo), tournamentNo, gameNo);
    if (!Db::isReadOnly())
        execSql(QStringLiteral("UPDATE Player SET PlayTime = ? WHERE TeamNo = ? AND PlayerNo = ?"),
                {line.percent, teamNo, lcPlyrNo});
    if (figures)
        *figures = line;
    return line.percent;
}

QList<PlayerRecordLine> FillPlayerData(qint16 teamNo, qint16 playerNo)
{
    PW_TRACE(QStringLiteral("FillPlayerData"), traceArg(QStringLiteral("PlayerNo"), playerNo));
    QSqlQuery q = execSql(QStringLiteral("SELECT g.GameNo, o.OpponentName, s.Result, g.QtrPlayed, g.QtrAvailable, "
                                         "g.Shots, g.Goals, g.Blocks, g.Assists, g.ShotOnGoal, g.GoalsScored, "
                                         "g.GoalsBlocked, g.OverShot FROM GameStat g "
                                         "LEFT JOIN Schedule s ON s.TeamNo = g.TeamNo AND s.GameNo = g.GameNo "
                                         "LEFT JOIN Opponent o ON o.TeamNo = s.TeamNo AND o.OpponentNo = s.OpponentNo "
                                         "WHERE g.TeamNo = ? AND g.PlayerNo = ? ORDER BY g.GameNo"),
                          {teamNo, playerNo});
    QList<PlayerRecordLine> out;
    std::optional<int> group;
    while (q.next()) {
        if (!isResult(q.value(2)))
            continue;
        const qint16 gameNo = NullToInt(q.value(0));
        // The season's games come first; each tournament's games start behind a separator.
        if (group && *group != gameNo / 1000) {
            PlayerRecordLine separator;
            separator.separator = true;
            separator.opponent = QObject::tr("Tournament");
            out << separator;
        }
        group = gameNo / 1000;
        PlayerRecordLine line;
        line.gameNo = gameNo;
        line.opponent = shownText(NullToText(q.value(1)));
        line.qtrPlayed = optionalInt(q.value(3));
        line.qtrAvailable = CountQtrs(NullToText(q.value(4)));
        for (int i = 0; i < kFigureCount; ++i)
            line.figures[static_cast<size_t>(i)] = figureOf(q.value(5 + i));
        out << line;
    }
    return out;
}

}  // namespace pw
