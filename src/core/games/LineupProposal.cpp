// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/LineupProposal.h"

#include "core/games/Lineup.h"
#include "core/games/LineupStore.h"
#include "core/games/Pitch.h"
#include "core/teams/PlayerProfile.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/Schema.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace pw {

using namespace lineup;

namespace {

// The translation context of the games texts.
struct Games {
    Q_DECLARE_TR_FUNCTIONS(Games)
};

// An icon kept by a lock (or in a kept period) stands on the formation's spot nearest to it that
// no other kept icon of the period has taken.
int nearestSpot(const QList<FormationSpot>& spots, QList<bool>& taken, const LineupSlot& slot)
{
    int best = -1;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int s = 0; s < spots.size(); ++s) {
        if (taken[s])
            continue;
        const QPoint corner = snapToGrid({spots[s].grid.x() * kStepX, spots[s].grid.y() * kStepY});
        const qint64 dx = corner.x() - slot.XPos;
        const qint64 dy = corner.y() - slot.YPos;
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = s;
        }
    }
    if (best >= 0)
        taken[best] = true;
    return best;
}

struct Shares {
    double lowest = 2.0;
    qint16 lowestPlayer = 0;
};

// The lowest season share among the players available in this game, this game included.
Shares lowestShare(const LineupBoard& board)
{
    Shares s;
    for (const LineupPlayer& p : board.players()) {
        const int available = board.availableCount(p.playerNo);
        if (available == 0)
            continue;
        const double share = double(p.earlierPlayed + board.placedCount(p.playerNo)) / (p.earlierAvailable + available);
        if (share < s.lowest) {
            s.lowest = share;
            s.lowestPlayer = p.playerNo;
        }
    }
    return s;
}

QString percentText(double share)
{
    return playTimeText(int(std::lround(share * 1000)), 1000);
}

QString proposalNote(const LineupBoard& board, const Shares& before, const LineupSolution& solution, int firstPeriod)
{
    const LineupPlayer* p = board.player(before.lowestPlayer);
    if (!p)
        return Games::tr("Nobody is available for this game.");
    QStringList parts;
    parts << Games::tr("%1 %2 periods, lowest share %3 → %4")
                 .arg(p->name)
                 .arg(board.placedCount(p->playerNo))
                 .arg(percentText(before.lowest), percentText(lowestShare(board).lowest));
    for (int period : solution.shortPeriods) {
        if (period + 1 >= firstPeriod)
            parts << Games::tr("only %1 available in period %2").arg(board.PlacedCount(period + 1)).arg(period + 1);
    }
    if (solution.minimumMissed)
        parts << Games::tr("not everyone can play the minimum periods");
    if (!solution.complete)
        parts << Games::tr("the best line-up found in the time allowed");
    return parts.join(QStringLiteral("; "));
}

}  // namespace

KeeperHistory readKeeperHistory(const LineupGame& game)
{
    // An icon stands "in goal" when its centre is left of the second grid column (fieldArea).
    const int goalLine = 2 * kStepX - kIconOffset;
    const int low = int(game.tournamentNo) * 1000;
    const bool ticks = storedColumn(QStringLiteral("Player"), QStringLiteral("MayPlayGoal"));
    QSqlQuery q = execSql(QStringLiteral("SELECT p.PlayerNo, %1, "
                                         "(SELECT COUNT(*) FROM GameSetup s WHERE s.TeamNo = p.TeamNo AND "
                                         "s.PlayerNo = p.PlayerNo AND s.GameNo BETWEEN ? AND ? AND s.GameNo < ? AND "
                                         "s.XPos < ?) FROM Player p WHERE p.TeamNo = ?")
                              .arg(ticks ? QStringLiteral("p.MayPlayGoal") : QStringLiteral("NULL")),
                          {low, low + 1000, game.gameNo, goalLine, game.teamNo});
    KeeperHistory h;
    while (q.next()) {
        const qint16 playerNo = NullToInt(q.value(0));
        if (q.value(1).toBool())
            h.mayPlayGoal.insert(playerNo);
        h.goalPeriods.insert(playerNo, q.value(2).toInt());
    }
    return h;
}

LineupProblem lineupProblem(const LineupBoard& board, int minPeriods, const KeeperHistory& history, int fromPeriod)
{
    const QList<FormationSpot> spots = formationSpots(board.places());
    LineupProblem pb;
    pb.periods = board.periods();
    pb.minPeriods = minPeriods;
    for (const FormationSpot& s : spots)
        pb.spots << s.kind;
    const QList<LineupPlayer>& players = board.players();
    for (const LineupPlayer& p : players) {
        SolverPlayer sp;
        for (int period = 1; period <= board.periods(); ++period)
            sp.available << board.available(period, p.playerNo);
        sp.earlierPlayed = p.earlierPlayed;
        sp.earlierAvailable = p.earlierAvailable;
        sp.goalPeriods = history.goalPeriods.value(p.playerNo);
        const Positions flags = decodePositions(p.position);
        std::copy(flags.begin(), flags.end(), sp.flags.begin());
        sp.mayPlayGoal = history.mayPlayGoal.contains(p.playerNo);
        pb.players << sp;
    }
    for (int period = 1; period <= board.periods(); ++period) {
        const bool kept = period < fromPeriod || board.isPeriodLocked(period);
        pb.lockedPeriods << kept;
        QList<bool> taken(spots.size(), false);
        // Kept icons in the order of their places, so that the same board always maps the same way.
        for (int place = 1; place <= kPlaces; ++place) {
            const qint16 playerNo = board.playerAt(period, place);
            if (playerNo == 0 || (!kept && !board.isLocked(period, playerNo)))
                continue;
            const int spot = nearestSpot(spots, taken, board.slot(period, playerNo));
            if (spot >= 0)
                pb.locked << SolverPlacement{board.rowOf(playerNo), spot, period - 1};
        }
    }
    return pb;
}

QString proposeLineup(LineupBoard& board, int minPeriods, const KeeperHistory& history, int fromPeriod)
{
    const LineupProblem pb = lineupProblem(board, minPeriods, history, fromPeriod);
    const LineupSolution solution = solveLineup(pb);
    const QList<FormationSpot> spots = formationSpots(board.places());
    const Shares before = lowestShare(board);
    const QList<LineupPlayer> players = board.players();
    {
        QSignalBlocker quiet(&board);  // one notice for the whole proposal
        for (int period = 1; period <= board.periods(); ++period) {
            if (pb.lockedPeriods[period - 1])
                continue;
            for (const LineupPlayer& p : players) {
                if (!board.isLocked(period, p.playerNo))
                    board.RemovePlayer(period, p.playerNo);
            }
            // In the formation's order, so that the places are numbered along it.
            for (int spot = 0; spot < spots.size(); ++spot) {
                for (int row = 0; row < players.size(); ++row) {
                    const qint16 no = players[row].playerNo;
                    if (solution.spotOf[period - 1][row] != spot || board.isLocked(period, no))
                        continue;
                    board.placeIn(period, no, {spots[spot].grid.x() * kStepX, spots[spot].grid.y() * kStepY});
                }
            }
        }
    }
    Q_EMIT board.lineupChanged();
    return proposalNote(board, before, solution, fromPeriod);
}

}  // namespace pw
