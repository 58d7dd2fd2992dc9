// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/GameView.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/games/GameState.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringList>

#include <cmath>

namespace pw {

namespace {

// The translation context of the games texts.
struct Games {
    Q_DECLARE_TR_FUNCTIONS(Games)
};

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

// The sums of a player's statistics rows as the store adds them up.
struct PlayerSums {
    qint64 windowPlayed = 0;  // the rows up to the game (every row for a summary's share)
    qint64 windowAvailable = 0;
    qint64 played = 0;  // every row of the range, for a summary's periods
    qint64 available = 0;
    std::array<qint64, kFigureCount> figures{};
    bool hasGameRow = false;
    QVariantList gameRow;  // the game's QtrPlayed, QtrAvailable and eight figures, as stored
};

// The selection in a form the queries use.
struct Window {
    qint16 tournamentNo = 0;
    qint16 gameNo = 0;
    bool wholeShare() const { return gameNo == qint16(int(tournamentNo) * 1000); }
    bool summary() const { return isSummary(gameNo); }
    bool counts(qint16 rowGame) const { return wholeShare() || rowGame <= gameNo; }
};

// A number the store holds as the program reads it: a whole number within the bounds. Text is
// beyond any number in SQLite's order, so it falls outside too.
QString outside(const QString& column, const QString& low, const QString& high)
{
    return QStringLiteral("%1 NOT BETWEEN %2 AND %3 OR %1 <> CAST(%1 AS INTEGER)").arg(column, low, high);
}

// 1 for a statistics row the store cannot add up exactly as the program reads it: a game number or
// periods beyond 16 bits or not whole, availability other than "1;0;1;1" (whose periods are then
// the count of ones), and on SQLite, whose columns take anything, figures stored as text or
// fractions or near the 64-bit ends. A player with such a row is added up here instead, from his
// rows as read (addedUpHere), which knows every form.
QString oddRow(Engine engine)
{
    QStringList odd{outside(QStringLiteral("GameNo"), QStringLiteral("-32768"), QStringLiteral("32767")),
                    outside(QStringLiteral("QtrPlayed"), QStringLiteral("-32768"), QStringLiteral("32767")),
                    QStringLiteral("REPLACE(REPLACE(QtrAvailable, '0', '1') || ';', '1;', '') <> ''")};
    // The server's columns hold 32-bit numbers, whose sums cannot come near the ends.
    if (engine == Engine::SQLite) {
        for (const QString& f : QString::fromLatin1(kFigureColumns).split(QStringLiteral(", ")))
            odd << outside(f, QStringLiteral("-1099511627776"), QStringLiteral("1099511627776"));
    }
    return QStringLiteral("CASE WHEN %1 THEN 1 ELSE 0 END").arg(odd.join(QStringLiteral(" OR ")));
}

QString rowsWhere(qint16 teamNo, const Window& w, std::optional<qint16> playerNo, QVariantList& values)
{
    values << teamNo;
    QString where = QStringLiteral("TeamNo = ?");
    if (playerNo) {
        where += QStringLiteral(" AND PlayerNo = ?");
        values << *playerNo;
    }
    return where + rangeClause(w.tournamentNo, values);
}

// The columns of the sums: the share's window, the summary's totals or the game's own row.
QStringList sumColumns(const Window& w, Engine engine, QVariantList& values)
{
    // SQLite's TOTAL never stops at an overflow: a huge figure makes its row one added up here.
    const QString sum = engine == Engine::SQLite ? QStringLiteral("TOTAL") : QStringLiteral("SUM");
    const QString available = QStringLiteral("LENGTH(QtrAvailable) - LENGTH(REPLACE(QtrAvailable, '1', ''))");
    const QStringList figureColumns = QString::fromLatin1(kFigureColumns).split(QStringLiteral(", "));
    QStringList columns{QStringLiteral("PlayerNo"), QStringLiteral("SUM(%1)").arg(oddRow(engine))};
    const auto add = [&](const QString& column, const QString& condition) {
        columns << (condition.isEmpty() ? QStringLiteral("%1(%2)").arg(sum, column)
                                        : QStringLiteral("%1(CASE WHEN %2 THEN %3 END)").arg(sum, condition, column));
    };
    const QString window = w.wholeShare() ? QString() : QStringLiteral("GameNo <= ?");
    add(QStringLiteral("QtrPlayed"), window);
    add(available, window);
    if (!w.wholeShare())
        values << w.gameNo << w.gameNo;
    if (w.summary()) {
        if (!w.wholeShare()) {
            add(QStringLiteral("QtrPlayed"), {});
            add(available, {});
        }
        for (const QString& f : figureColumns)
            add(f, {});
        return columns;
    }
    // The game's own row, taken as stored: there is one per player and game.
    columns << QStringLiteral("MAX(CASE WHEN GameNo = ? THEN 1 ELSE 0 END)");
    values << w.gameNo;
    for (const QString& c : QStringList{QStringLiteral("QtrPlayed"), QStringLiteral("QtrAvailable")} + figureColumns) {
        columns << QStringLiteral("MAX(CASE WHEN GameNo = ? THEN %1 END)").arg(c);
        values << w.gameNo;
    }
    return columns;
}

qint64 wholeSum(const QVariant& v)
{
    return std::llround(v.toDouble());
}

// One row per player: the sums over his rows, the up-to-the-game window a condition of the sums.
// The players with a row the store cannot add up are returned in odd.
QHash<qint16, PlayerSums> sumRows(qint16 teamNo, const Window& w, std::optional<qint16> playerNo, Engine engine,
                                  QSet<qint16>& odd)
{
    QVariantList values;
    const QStringList columns = sumColumns(w, engine, values);
    const QString where = rowsWhere(teamNo, w, playerNo, values);
    QSqlQuery q = execSql(QStringLiteral("SELECT %1 FROM GameStat WHERE %2 GROUP BY PlayerNo")
                              .arg(columns.join(QStringLiteral(", ")), where),
                          values);
    QHash<qint16, PlayerSums> sums;
    while (q.next()) {
        // Player numbers the program reads as the same player are his, whatever their stored form.
        const qint16 player = NullToInt(q.value(0));
        if (q.value(1).toLongLong() > 0)
            odd.insert(player);
        PlayerSums& s = sums[player];
        s.windowPlayed += wholeSum(q.value(2));
        s.windowAvailable += wholeSum(q.value(3));
        int next = 4;
        if (w.summary()) {
            if (w.wholeShare()) {
                s.played = s.windowPlayed;
                s.available = s.windowAvailable;
            } else {
                s.played += wholeSum(q.value(next++));
                s.available += wholeSum(q.value(next++));
            }
            for (size_t i = 0; i < s.figures.size(); ++i)
                s.figures[i] = addFigures(s.figures[i], wholeSum(q.value(next++)));
        } else if (q.value(next).toInt() == 1) {
            s.hasGameRow = true;
            s.gameRow.clear();
            for (int i = 1; i <= 2 + kFigureCount; ++i)
                s.gameRow << q.value(next + i);
        }
    }
    return sums;
}

// The players with a row the store could not add up, added up here from their rows as read.
void addedUpHere(QHash<qint16, PlayerSums>& sums, const QSet<qint16>& players, qint16 teamNo, const Window& w,
                 std::optional<qint16> playerNo)
{
    QVariantList values;
    const QString where = rowsWhere(teamNo, w, playerNo, values);
    QSqlQuery q = execSql(QStringLiteral("SELECT PlayerNo, GameNo, QtrPlayed, QtrAvailable, %1 FROM GameStat WHERE %2")
                              .arg(QLatin1String(kFigureColumns), where),
                          values);
    for (qint16 p : players)
        sums[p] = PlayerSums{};
    while (q.next()) {
        const qint16 player = NullToInt(q.value(0));
        if (!players.contains(player))
            continue;
        PlayerSums& s = sums[player];
        const qint16 gameNo = NullToInt(q.value(1));
        const qint64 played = NullToInt(q.value(2));
        const qint64 available = CountQtrs(NullToText(q.value(3)));
        s.played += played;
        s.available += available;
        if (w.counts(gameNo)) {
            s.windowPlayed += played;
            s.windowAvailable += available;
        }
        if (w.summary()) {
            for (int i = 0; i < kFigureCount; ++i)
                s.figures[size_t(i)] = addFigures(s.figures[size_t(i)], figureOf(q.value(4 + i)).value_or(0));
        } else if (gameNo == w.gameNo) {
            s.hasGameRow = true;
            s.gameRow.clear();
            for (int i = 0; i < 2 + kFigureCount; ++i)
                s.gameRow << q.value(2 + i);
        }
    }
}

QHash<qint16, PlayerSums> readSums(qint16 teamNo, const Window& w, std::optional<qint16> playerNo)
{
    const Engine engine = engineOf(Db::shared());
    QSet<qint16> odd;
    QHash<qint16, PlayerSums> sums = sumRows(teamNo, w, playerNo, engine, odd);
    if (!odd.isEmpty())
        addedUpHere(sums, odd, teamNo, w, playerNo);
    return sums;
}

std::optional<qint64> nonZero(qint64 v)
{
    return v == 0 ? std::nullopt : std::optional<qint64>(v);
}

// A player's line from his sums.
PlayerGameLine lineFor(const PlayerSums& s, const Window& w)
{
    PlayerGameLine line;
    line.hasShare = s.windowAvailable > 0;
    if (line.hasShare)
        line.percent = static_cast<int>(RoundHalfEven(100.0 * s.windowPlayed / s.windowAvailable));
    if (w.summary()) {
        // In a summary a total of nothing shows as an empty cell.
        line.shown = true;
        for (size_t i = 0; i < s.figures.size(); ++i)
            line.figures[i] = nonZero(s.figures[i]);
        line.qtrPlayed = nonZero(s.played);
        line.qtrAvailable = nonZero(s.available);
    } else if (s.hasGameRow) {
        line.shown = true;
        line.qtrPlayed = NullToInt(s.gameRow.value(0));
        line.qtrAvailable = CountQtrs(NullToText(s.gameRow.value(1)));
        for (int i = 0; i < kFigureCount; ++i)
            line.figures[size_t(i)] = figureOf(s.gameRow.value(2 + i));
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

namespace {

// The shares are kept with the players for the reports; one statement for all that changed.
void writeShares(qint16 teamNo, const QList<QPair<qint16, int>>& changed)
{
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

}  // namespace

GameView readGameView(qint16 teamNo, qint16 tournamentNo, qint16 gameNo, bool storeShares)
{
    PW_TRACE(QStringLiteral("SelectGame"),
             traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("lcGameNo"), gameNo));
    const Window window{tournamentNo, gameNo};
    const QHash<qint16, PlayerSums> sums = readSums(teamNo, window, std::nullopt);

    GameView view;
    QList<QPair<qint16, int>> changed;
    QSqlQuery players = execSql(QStringLiteral("SELECT PlayerNo, PlayTime FROM Player WHERE TeamNo = ?"), {teamNo});
    while (players.next()) {
        const qint16 playerNo = NullToInt(players.value(0));
        const PlayerGameLine line = lineFor(sums.value(playerNo), window);
        for (size_t i = 0; i < view.totals.size(); ++i)
            view.totals[i] = addFigures(view.totals[i], line.figures[i].value_or(0));
        view.lines.insert(playerNo, line);
        if (players.value(1).isNull() || players.value(1).toLongLong() != line.percent)
            changed << qMakePair(playerNo, line.percent);
    }
    if (storeShares && !changed.isEmpty() && !Db::isReadOnly())
        writeShares(teamNo, changed);
    return view;
}

void storeSeasonShares(qint16 teamNo)
{
    readGameView(teamNo, 0, 0, true);
}

int CalculatePlayTime(qint16 teamNo, qint16 tournamentNo, qint16 gameNo, qint16 lcPlyrNo, PlayerGameLine* figures)
{
    PW_TRACE(QStringLiteral("CalculatePlayTime"), traceArg(QStringLiteral("lcPlyrNo"), lcPlyrNo));
    const Window window{tournamentNo, gameNo};
    const PlayerGameLine line = lineFor(readSums(teamNo, window, lcPlyrNo).value(lcPlyrNo), window);
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
            separator.opponent = Games::tr("Tournament");
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
