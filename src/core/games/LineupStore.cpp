// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/LineupStore.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/games/Captains.h"
#include "core/games/GameState.h"
#include "core/games/GameView.h"
#include "core/games/Lineup.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringList>

namespace pw {

namespace {

// The translation context of the games texts.
struct Games {
    Q_DECLARE_TR_FUNCTIONS(Games)
};

QString traceGame(const LineupGame& g)
{
    return traceArg(QStringLiteral("TeamNo"), g.teamNo) + traceArg(QStringLiteral("GameNo"), g.gameNo);
}

Where statKey(qint16 teamNo, qint16 gameNo, qint16 playerNo)
{
    return {
        {QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("GameNo"), gameNo}, {QStringLiteral("PlayerNo"), playerNo}};
}

QList<LineupPlayer> readPlayers(const LineupGame& g)
{
    const QString order = g.nameOption == 2 ? QStringLiteral("LOWER(PlayerFirstName) ASC, LOWER(PlayerLastName) ASC")
                                            : QStringLiteral("LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC");
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo, Nickname, PlayerLastName, PlayerFirstName, JerseyNo, Position "
                               "FROM Player "
                               "WHERE TeamNo = ? ORDER BY %1, PlayerNo ASC")
                    .arg(order),
                {g.teamNo});
    QList<LineupPlayer> players;
    while (q.next()) {
        LineupPlayer p;
        p.playerNo = NullToInt(q.value(0));
        p.name = shownText(Makename(q.value(1), q.value(2), q.value(3), g.nameOption));
        p.jerseyNo = q.value(4).isNull() ? -1 : q.value(4).toInt();
        p.position = NullToText(q.value(5));
        players << p;
    }
    return players;
}

// Players' statistics rows for a game as the board first makes them: no figures yet. Each row
// takes team, game, player, opponent, periods played and availability.
QString insertStatRows(qsizetype count)
{
    return QStringLiteral("INSERT INTO GameStat (TeamNo, GameNo, PlayerNo, Opponent, Shots, Goals, Blocks, Assists, "
                          "ShotOnGoal, GoalsBlocked, OverShot, GoalsScored, QtrPlayed, QtrAvailable) VALUES ") +
           QStringList(count, QStringLiteral("(?, ?, ?, ?, 0, 0, 0, 0, 0, 0, 0, 0, ?, ?)")).join(QStringLiteral(", "));
}

// Writes one column of the player's statistics row of the game, making the row first when it is
// missing (after "Delete Setup" the board stays open on a game without rows).
void writeStatColumn(const LineupGame& g, qint16 playerNo, const QString& column, const QVariant& value,
                     const QString& qtrAvailable)
{
    Transaction tx;
    if (!execSql(QStringLiteral("SELECT 1 FROM GameStat WHERE TeamNo = ? AND GameNo = ? AND PlayerNo = ?"),
                 {g.teamNo, g.gameNo, playerNo})
             .next())
        execSql(insertStatRows(1), {g.teamNo, g.gameNo, playerNo, g.opponentNo, 0, qtrAvailable});
    PutDBData(QStringLiteral("GameStat"), statKey(g.teamNo, g.gameNo, playerNo), column, value);
    announce(Change::Lineup, g.teamNo, g.gameNo);
    tx.commit();
}

}  // namespace

void FillPlayerGrid(LineupBoard& board, const LineupGame& g)
{
    PW_TRACE(QStringLiteral("FillPlayerGrid"), traceGame(g));
    QList<LineupPlayer> players = readPlayers(g);
    QHash<qint16, int> rowOf;
    for (int i = 0; i < players.size(); ++i)
        rowOf.insert(players[i].playerNo, i);

    // GetQtrs for every player at once: the earlier games of the season (or of the tournament) and
    // this game's row, which holds his availability and captaincy.
    const int low = int(g.tournamentNo) * 1000;
    QSqlQuery q = execSql(QStringLiteral("SELECT PlayerNo, GameNo, QtrPlayed, QtrAvailable, Captain FROM GameStat "
                                         "WHERE TeamNo = ? AND ((GameNo BETWEEN ? AND ?) OR GameNo = ?)"),
                          {g.teamNo, low, low + 1000, g.gameNo});
    QHash<qint16, QString> availability;
    QSet<qint16> gameCaptains;
    while (q.next()) {
        const int row = rowOf.value(NullToInt(q.value(0)), -1);
        if (row < 0)
            continue;
        const qint16 gameNo = NullToInt(q.value(1));
        LineupPlayer& p = players[row];
        if (gameNo == g.gameNo) {
            availability.insert(p.playerNo, NullToText(q.value(3)));
            if (q.value(4).toBool())
                gameCaptains.insert(p.playerNo);
        } else if (gameNo < g.gameNo) {  // the query keeps to the season's (or tournament's) range
            p.earlierPlayed += NullToInt(q.value(2));
            p.earlierAvailable += CountQtrs(NullToText(q.value(3)));
        }
    }

    QSet<qint16> captains = gameCaptains;
    if (g.trackCaptain)
        captains = readSeasonCaptains(g.teamNo);
    for (LineupPlayer& p : players)
        p.captain = captains.contains(p.playerNo);

    board.setup(g.periods, g.places, players);
    for (auto it = availability.cbegin(); it != availability.cend(); ++it)
        board.loadAvailability(it.key(), it.value());

    QSqlQuery s = execSql(QStringLiteral("SELECT QtrNo, PlayerNo, PlaceNo, XPos, YPos FROM GameSetup "
                                         "WHERE TeamNo = ? AND GameNo = ? ORDER BY QtrNo, PlaceNo, PlayerNo"),
                          {g.teamNo, g.gameNo});
    while (s.next()) {
        const int period = NullToInt(s.value(0));
        // A player no longer available in a period cannot stand on the field in it.
        if (!board.available(period, NullToInt(s.value(1))))
            continue;
        board.loadSlot(period, NullToInt(s.value(1)),
                       LineupSlot{NullToInt(s.value(2)), NullToInt(s.value(3)), NullToInt(s.value(4))});
    }
}

void saveLineup(const LineupBoard& board, const LineupGame& g)
{
    PW_TRACE(QStringLiteral("GameSave"), traceGame(g));
    Transaction tx;
    // Never a line-up for a game that is gone: it would come back as statistics of no game.
    if (!execSql(QStringLiteral("SELECT 1 FROM Schedule WHERE TeamNo = ? AND GameNo = ?"), {g.teamNo, g.gameNo}).next())
        throw PwError(err::BadArgument,
                      Games::tr("Game %1 is no longer in the schedule, so its line-up cannot be saved.").arg(g.gameNo));

    RowSet set{QStringLiteral("GameSetup"),
               {{QStringLiteral("TeamNo"), g.teamNo}, {QStringLiteral("GameNo"), g.gameNo}},
               {QStringLiteral("TeamNo"), QStringLiteral("GameNo"), QStringLiteral("PlayerNo"), QStringLiteral("QtrNo"),
                QStringLiteral("PlaceNo"), QStringLiteral("XPos"), QStringLiteral("YPos")},
               {}};
    for (int period = 1; period <= lineup::kMaxPeriods; ++period) {
        for (const LineupPlayer& p : board.players()) {
            const LineupSlot s = board.slot(period, p.playerNo);
            if (s.PlaceNo > 0)
                set.rows << QVariantList{g.teamNo, g.gameNo, p.playerNo, period, s.PlaceNo, s.XPos, s.YPos};
        }
    }
    replaceRows(set);

    QSet<qint16> withRow;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo FROM GameStat WHERE TeamNo = ? AND GameNo = ?"), {g.teamNo, g.gameNo});
    while (q.next())
        withRow.insert(NullToInt(q.value(0)));
    const QSqlDatabase db = Db::shared();
    // The row's identity is team, game and player; the opponent is brought up to date with it.
    PreparedStatement update(db, QStringLiteral("UPDATE GameStat SET Opponent = ?, QtrPlayed = ?, QtrAvailable = ? "
                                                "WHERE TeamNo = ? AND GameNo = ? AND PlayerNo = ?"));
    PreparedStatement insert(db, insertStatRows(1));
    for (const LineupPlayer& p : board.players()) {
        const int played = board.placedCount(p.playerNo);
        const QString avail = board.JoinlcPlayerAvail(p.playerNo);
        if (withRow.contains(p.playerNo))
            update.exec({g.opponentNo, played, avail, g.teamNo, g.gameNo, p.playerNo});
        else
            insert.exec({g.teamNo, g.gameNo, p.playerNo, g.opponentNo, played, avail});
    }
    storeSeasonShares(g.teamNo);
    announce(Change::Lineup, g.teamNo, g.gameNo);
    tx.commit();
}

bool addMissingStatRows(const LineupBoard& board, const LineupGame& g)
{
    PW_TRACE(QStringLiteral("addMissingStatRows"), traceGame(g));
    Transaction tx;
    // A game that is gone gets no rows: they would be statistics of no game.
    if (!execSql(QStringLiteral("SELECT 1 FROM Schedule WHERE TeamNo = ? AND GameNo = ?"), {g.teamNo, g.gameNo}).next())
        return false;
    QSet<qint16> withRow;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo FROM GameStat WHERE TeamNo = ? AND GameNo = ?"), {g.teamNo, g.gameNo});
    while (q.next())
        withRow.insert(NullToInt(q.value(0)));
    QList<QVariantList> missing;
    for (const LineupPlayer& p : board.players()) {
        if (!withRow.contains(p.playerNo))
            missing << QVariantList{g.teamNo,
                                    g.gameNo,
                                    p.playerNo,
                                    g.opponentNo,
                                    board.placedCount(p.playerNo),
                                    board.JoinlcPlayerAvail(p.playerNo)};
    }
    if (missing.isEmpty())
        return false;
    // One statement for the whole roster; a roster past any sensible size goes in a few, so that
    // no engine's limit on bound values is reached.
    constexpr qsizetype kRowsPerStatement = 1000;
    for (qsizetype from = 0; from < missing.size(); from += kRowsPerStatement) {
        const QList<QVariantList> part = missing.mid(from, kRowsPerStatement);
        QVariantList values;
        for (const QVariantList& row : part)
            values << row;
        execSql(insertStatRows(part.size()), values);
    }
    announce(Change::Lineup, g.teamNo, g.gameNo);
    tx.commit();
    return true;
}

void writeAvailability(const LineupGame& g, qint16 playerNo, const QString& qtrAvailable)
{
    PW_TRACE(QStringLiteral("NAA_Click"), traceGame(g) + traceArg(QStringLiteral("PlayerNo"), playerNo));
    // The stored shares count the available periods: they follow at once, in the same save.
    Transaction tx;
    writeStatColumn(g, playerNo, QStringLiteral("QtrAvailable"), qtrAvailable, qtrAvailable);
    storeSeasonShares(g.teamNo);
    tx.commit();
}

void writeCaptain(const LineupGame& g, qint16 playerNo, bool captain, const QString& qtrAvailable)
{
    PW_TRACE(QStringLiteral("NACaptain_Click"), traceGame(g) + traceArg(QStringLiteral("PlayerNo"), playerNo));
    writeStatColumn(g, playerNo, QStringLiteral("Captain"), captain, qtrAvailable);
}

void deleteLineup(qint16 teamNo, qint16 gameNo)
{
    PW_TRACE(QStringLiteral("GameDelete"),
             traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("GameNo"), gameNo));
    Transaction tx;
    execSql(QStringLiteral("DELETE FROM GameSetup WHERE TeamNo = ? AND GameNo = ?"), {teamNo, gameNo});
    execSql(QStringLiteral("DELETE FROM GameStat WHERE TeamNo = ? AND GameNo = ?"), {teamNo, gameNo});
    storeSeasonShares(teamNo);
    announce(Change::Statistics, teamNo, gameNo);
    tx.commit();
}

QString playTimeHistory(qint16 teamNo, qint16 playerNo)
{
    PW_TRACE(QStringLiteral("NAPTHistory_Click"), traceArg(QStringLiteral("PlayerNo"), playerNo));
    QSqlQuery q =
        execSql(QStringLiteral("SELECT QtrPlayed FROM GameStat WHERE TeamNo = ? AND PlayerNo = ? ORDER BY GameNo ASC"),
                {teamNo, playerNo});
    QList<QVariant> played;
    while (q.next())
        played << q.value(0);
    return playTimeHistoryText(played);
}

}  // namespace pw
