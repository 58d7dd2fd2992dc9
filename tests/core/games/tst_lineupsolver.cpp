// SPDX-License-Identifier: GPL-3.0-or-later
// The line-up proposal's rules: checked on thousands of random rosters, availabilities and season
// histories, and on the games a coach knows (a late arrival, one keeper, no keeper, a short
// roster, a locked striker).
#include "core/games/LineupSolver.h"
#include "core/games/Pitch.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace pw;

namespace {

constexpr int kGoalFlag = int(SpotKind::Goal);

QList<SpotKind> spotsFor(int places)
{
    QList<SpotKind> kinds;
    for (const FormationSpot& s : formationSpots(places))
        kinds << s.kind;
    return kinds;
}

int goalSpot(const LineupProblem& pb)
{
    return int(pb.spots.indexOf(SpotKind::Goal));
}

bool available(const LineupProblem& pb, int i, int p)
{
    return p < pb.players[i].available.size() && pb.players[i].available[p];
}

int availableCount(const LineupProblem& pb, int i)
{
    int n = 0;
    for (int p = 0; p < pb.periods; ++p)
        n += available(pb, i, p) ? 1 : 0;
    return n;
}

bool periodKept(const LineupProblem& pb, int p)
{
    return p < pb.lockedPeriods.size() && pb.lockedPeriods[p];
}

int playedIn(const LineupSolution& s, int i)
{
    int n = 0;
    for (const QList<int>& period : s.spotOf)
        n += period[i] >= 0 ? 1 : 0;
    return n;
}

// The lowest season share among the players available in the game.
double lowestShare(const LineupProblem& pb, const QList<int>& played)
{
    double lowest = 2.0;
    for (int i = 0; i < pb.players.size(); ++i) {
        if (availableCount(pb, i) > 0)
            lowest = std::min(lowest, seasonShare(pb.players[i], played[i]));
    }
    return lowest;
}

// The reference a proposal must never fall below: period by period, the kept players, those who
// need every period left for the minimum, then the lowest shares so far, until the period is full.
QList<int> greedyPlayed(const LineupProblem& pb)
{
    const int n = int(pb.players.size());
    QList<int> played(n, 0);
    for (const SolverPlacement& l : pb.locked)
        played[l.player] += periodKept(pb, l.period) ? 1 : 0;
    for (int p = 0; p < pb.periods; ++p) {
        if (periodKept(pb, p))
            continue;
        QList<int> order;
        for (int i = 0; i < n; ++i) {
            if (available(pb, i, p))
                order << i;
        }
        const auto locked = [&](int i) {
            return std::any_of(pb.locked.cbegin(), pb.locked.cend(),
                               [&](const SolverPlacement& l) { return l.player == i && l.period == p; });
        };
        // A player who needs every period left to reach the minimum cannot wait his turn.
        const auto pressed = [&](int i) {
            int left = 0;
            for (int q = p; q < pb.periods; ++q)
                left += available(pb, i, q) && !periodKept(pb, q) ? 1 : 0;
            return std::min(pb.minPeriods, availableCount(pb, i)) - played[i] >= left;
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            if (locked(a) != locked(b))
                return locked(a);
            if (pressed(a) != pressed(b))
                return pressed(a);
            return seasonShare(pb.players[a], played[a]) < seasonShare(pb.players[b], played[b]);
        });
        for (int k = 0; k < std::min<qsizetype>(order.size(), pb.spots.size()); ++k)
            played[order[k]] += 1;
    }
    return played;
}

LineupProblem randomProblem(QRandomGenerator& rng)
{
    LineupProblem pb;
    pb.periods = rng.bounded(2, 7);
    const int places = QList<int>{5, 7, 9, 11}[rng.bounded(4)];
    pb.spots = spotsFor(places);
    pb.minPeriods = rng.bounded(0, pb.periods + 1);
    pb.timeLimitMs = 5000;  // the rules, not the clock: timing is the benchmark's
    const int players = rng.bounded(places - 2, 21);
    for (int i = 0; i < players; ++i) {
        SolverPlayer p;
        const int arrives = rng.bounded(10) == 0 ? rng.bounded(pb.periods) : 0;
        const int leaves = rng.bounded(10) == 0 ? rng.bounded(arrives, pb.periods + 1) : pb.periods;
        for (int q = 0; q < pb.periods; ++q)
            p.available << (q >= arrives && q < leaves && rng.bounded(12) != 0);
        p.earlierAvailable = rng.bounded(0, 41);
        p.earlierPlayed = rng.bounded(0, p.earlierAvailable + 1);
        p.goalPeriods = rng.bounded(0, 9);
        for (bool& f : p.flags)
            f = rng.bounded(4) == 0;
        p.mayPlayGoal = rng.bounded(5) == 0;
        pb.players << p;
    }
    // Now and then a kept period (re-planning) or a locked player.
    pb.lockedPeriods = QList<bool>(pb.periods, false);
    if (rng.bounded(4) == 0) {
        const int kept = rng.bounded(pb.periods);
        pb.lockedPeriods[kept] = true;
        int spot = 0;
        for (int i = 0; i < players && spot < pb.spots.size(); ++i) {
            if (available(pb, i, kept) && rng.bounded(3) != 0)
                pb.locked << SolverPlacement{i, spot++, kept};
        }
    }
    if (rng.bounded(3) == 0 && players > 0) {
        const int p = rng.bounded(pb.periods);
        const int i = rng.bounded(players);
        if (!pb.lockedPeriods[p] && available(pb, i, p))
            pb.locked << SolverPlacement{i, rng.bounded(int(pb.spots.size())), p};
    }
    return pb;
}

// Every rule a proposal keeps, whatever the data; a message for the first one broken.
QString brokenRule(const LineupProblem& pb, const LineupSolution& s)
{
    const int n = int(pb.players.size());
    if (s.spotOf.size() != pb.periods)
        return QStringLiteral("periods");
    for (const SolverPlacement& l : pb.locked) {
        if (s.spotOf[l.period][l.player] != l.spot)
            return QStringLiteral("lock of %1 in period %2").arg(l.player).arg(l.period);
    }
    for (int p = 0; p < pb.periods; ++p) {
        QList<int> taken;
        int availableNow = 0;
        for (int i = 0; i < n; ++i) {
            availableNow += available(pb, i, p) ? 1 : 0;
            const int spot = s.spotOf[p][i];
            if (spot < 0)
                continue;
            if (!available(pb, i, p))
                return QStringLiteral("player %1 placed though not available in period %2").arg(i).arg(p);
            if (taken.contains(spot))
                return QStringLiteral("spot %1 taken twice in period %2").arg(spot).arg(p);
            taken << spot;
        }
        if (periodKept(pb, p))
            continue;
        if (taken.size() != std::min<qsizetype>(availableNow, pb.spots.size()))
            return QStringLiteral("period %1 has %2 players").arg(p).arg(taken.size());
        if (!taken.isEmpty() && !taken.contains(goalSpot(pb)) && taken.size() < pb.spots.size()) {
            // An empty goal only when locked field players make up everybody there.
            int lockedHere = 0;
            for (const SolverPlacement& l : pb.locked)
                lockedHere += l.period == p ? 1 : 0;
            if (lockedHere < taken.size())
                return QStringLiteral("nobody in goal in period %1").arg(p);
        }
    }
    if (!s.minimumMissed) {
        for (int i = 0; i < n; ++i) {
            if (playedIn(s, i) < std::min(pb.minPeriods, availableCount(pb, i)))
                return QStringLiteral("player %1 under the minimum").arg(i);
        }
    }
    return {};
}

// The goal's order: no goalkeeper plays on the field (unlocked) while a player who is none keeps
// goal, nor does a player allowed in goal while one who is not allowed keeps it.
QString goalRuleBroken(const LineupProblem& pb, const LineupSolution& s)
{
    const auto group = [&](int i) { return pb.players[i].flags[kGoalFlag] ? 0 : pb.players[i].mayPlayGoal ? 1 : 2; };
    const auto locked = [&](int i, int p) {
        return std::any_of(pb.locked.cbegin(), pb.locked.cend(),
                           [&](const SolverPlacement& l) { return l.player == i && l.period == p; });
    };
    for (int p = 0; p < pb.periods; ++p) {
        if (periodKept(pb, p))
            continue;
        const int keeper = int(s.spotOf[p].indexOf(goalSpot(pb)));
        if (keeper < 0 || locked(keeper, p))
            continue;
        for (int i = 0; i < pb.players.size(); ++i) {
            if (s.spotOf[p][i] >= 0 && i != keeper && !locked(i, p) && group(i) < group(keeper))
                return QStringLiteral("player %1 on the field while %2 keeps goal in period %3")
                    .arg(i)
                    .arg(keeper)
                    .arg(p);
        }
    }
    return {};
}

// A squad of `count` players with the same season so far, none flagged.
LineupProblem squad(int count, int periods, int places, int minPeriods = 0)
{
    LineupProblem pb;
    pb.periods = periods;
    pb.spots = spotsFor(places);
    pb.minPeriods = minPeriods;
    pb.timeLimitMs = 5000;
    for (int i = 0; i < count; ++i) {
        SolverPlayer p;
        p.available = QList<bool>(periods, true);
        p.earlierAvailable = 12;
        p.earlierPlayed = 9;
        pb.players << p;
    }
    return pb;
}

}  // namespace

class TestLineupSolver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Thousands of random games: every rule holds in every proposal, the lowest share is never
    // below what a lowest-share-first fill leaves, and the same data gives the same proposal.
    void everyProposalKeepsTheRules()
    {
        QRandomGenerator rng(2026);
        int compared = 0;
        const int runs = 2000;
        for (int run = 0; run < runs; ++run) {
            const LineupProblem pb = randomProblem(rng);
            const LineupSolution s = solveLineup(pb);
            const QString why = brokenRule(pb, s) + goalRuleBroken(pb, s);
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(why)));
            QVERIFY2(s.complete, qPrintable(QStringLiteral("run %1 ran out of time").arg(run)));
            QList<int> played;
            for (int i = 0; i < pb.players.size(); ++i)
                played << playedIn(s, i);
            const QList<int> greedy = greedyPlayed(pb);
            bool greedyMeetsMinimum = true;
            for (int i = 0; i < pb.players.size(); ++i)
                greedyMeetsMinimum = greedyMeetsMinimum && greedy[i] >= std::min(pb.minPeriods, availableCount(pb, i));
            if (greedyMeetsMinimum) {
                QVERIFY2(!s.minimumMissed, qPrintable(QStringLiteral("run %1").arg(run)));
                QVERIFY2(lowestShare(pb, played) >= lowestShare(pb, greedy) - 1e-9,
                         qPrintable(QStringLiteral("run %1: %2 < %3")
                                        .arg(run)
                                        .arg(lowestShare(pb, played))
                                        .arg(lowestShare(pb, greedy))));
                ++compared;
            }
            if (run % 50 == 0)
                QCOMPARE(solveLineup(pb).spotOf, s.spotOf);
        }
        QVERIFY2(compared > runs / 2, qPrintable(QString::number(compared)));
    }

    // Out of time, a proposal still keeps the board's rules (a plain lowest-share-first fill).
    void outOfTimeStillKeepsTheRules()
    {
        QRandomGenerator rng(7);
        for (int run = 0; run < 100; ++run) {
            LineupProblem pb = randomProblem(rng);
            pb.timeLimitMs = 0;
            const LineupSolution s = solveLineup(pb);
            QVERIFY(!s.complete);
            QString why = brokenRule(pb, s);
            if (why.contains(QLatin1String("minimum")))
                why.clear();  // the plain fill does not promise the minimum
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(why)));
        }
    }

    // Games a coach knows.
    void gamesACoachKnows()
    {
        const int goal = 7;  // eight a side: seven field spots, then the goal
        QCOMPARE(spotsFor(8).indexOf(SpotKind::Goal), goal);

        // A late arrival plays the periods he is there for, at least the minimum.
        LineupProblem late = squad(10, 4, 8, 2);
        late.players[3].available = {false, false, true, true};
        LineupSolution s = solveLineup(late);
        QCOMPARE(s.spotOf[0][3], -1);
        QVERIFY(s.spotOf[2][3] >= 0 && s.spotOf[3][3] >= 0);

        // One keeper: in goal whenever he plays, and he plays his share.
        LineupProblem oneKeeper = squad(9, 4, 8);
        oneKeeper.players[5].flags[kGoalFlag] = true;
        s = solveLineup(oneKeeper);
        QCOMPARE(playedIn(s, 5), 4);  // 32 places among 9 equal players: four periods for most of them
        for (int p = 0; p < 4; ++p)
            QCOMPARE(s.spotOf[p][5], goal);

        // No keeper: the player the coach allows in goal; when he sits out, whoever kept goal least.
        LineupProblem noKeeper = squad(10, 4, 8);
        noKeeper.players[2].mayPlayGoal = true;
        for (int i = 0; i < 10; ++i)
            noKeeper.players[i].goalPeriods = i == 6 ? 0 : 5;
        s = solveLineup(noKeeper);
        for (int p = 0; p < 4; ++p) {
            const int keeper = int(s.spotOf[p].indexOf(goal));
            QVERIFY(keeper == 2 || (s.spotOf[p][2] < 0 && keeper == 6));
        }

        // Two keepers take turns, the one with fewer periods in goal first.
        LineupProblem two = squad(8, 4, 8);
        two.players[0].flags[kGoalFlag] = two.players[1].flags[kGoalFlag] = true;
        two.players[0].goalPeriods = 10;
        two.players[1].goalPeriods = 6;
        s = solveLineup(two);
        int first = 0;
        int second = 0;
        for (int p = 0; p < 4; ++p) {
            first += s.spotOf[p][0] == goal ? 1 : 0;
            second += s.spotOf[p][1] == goal ? 1 : 0;
        }
        QCOMPARE(first + second, 4);
        QCOMPARE(second, 4);  // 6 + 4 = 10: he only catches up

        // Fewer players than spots: everybody plays every period, the goal filled, and it is said.
        LineupProblem shortRoster = squad(6, 4, 8);
        s = solveLineup(shortRoster);
        QCOMPARE(s.shortPeriods, (QList<int>{0, 1, 2, 3}));
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(s.spotOf[p].count(-1), 0);
            QVERIFY(s.spotOf[p].contains(goal));
        }

        // A locked striker stays on his spot; the rest is proposed around him.
        LineupProblem striker = squad(12, 4, 11);
        const int centreForward = 8;
        QCOMPARE(striker.spots[centreForward], SpotKind::FrontLine);
        striker.locked << SolverPlacement{4, centreForward, 1};
        s = solveLineup(striker);
        QCOMPARE(s.spotOf[1][4], centreForward);
        QVERIFY(brokenRule(striker, s).isEmpty());

        // Positions: a full back goes to the back line, a forward up front.
        LineupProblem positions = squad(8, 2, 8);
        positions.players[0].flags[int(SpotKind::FullBack)] = true;
        positions.players[1].flags[int(SpotKind::FrontLine)] = true;
        s = solveLineup(positions);
        QCOMPARE(positions.spots[s.spotOf[0][0]], SpotKind::FullBack);
        QCOMPARE(positions.spots[s.spotOf[0][1]], SpotKind::FrontLine);
    }

    // The size a coach meets at most, 20 players, 6 periods and 11 spots: answered in time, every
    // rule settled (the benchmark gives the figures).
    void aFullSquadIsAnsweredInTime()
    {
        QRandomGenerator rng(11);
        QList<qint64> ms;
        for (int run = 0; run < 20; ++run) {
            LineupProblem pb = squad(20, 6, 11, 3);
            for (SolverPlayer& p : pb.players) {
                for (int q = 0; q < 6; ++q)
                    p.available[q] = rng.bounded(10) != 0;
                p.earlierAvailable = 100 + rng.bounded(20);
                p.earlierPlayed = 40 + rng.bounded(60);
                p.goalPeriods = rng.bounded(10);
                p.flags[size_t(rng.bounded(4))] = true;
            }
            pb.players[0].flags[kGoalFlag] = pb.players[1].flags[kGoalFlag] = true;
            pb.timeLimitMs = 45;
            QElapsedTimer clock;
            clock.start();
            const LineupSolution s = solveLineup(pb);
            ms << clock.elapsed();
            QVERIFY(brokenRule(pb, s).isEmpty());
        }
        std::sort(ms.begin(), ms.end());
        qInfo() << "proposal ms, lowest/median/highest:" << ms.first() << ms[ms.size() / 2] << ms.last();
        QVERIFY2(ms[ms.size() / 2] < 50, qPrintable(QString::number(ms[ms.size() / 2])));
    }

    // Shares converge: the player furthest behind plays every period, the one furthest ahead sits
    // out the most, and nobody sits out two periods in a row when it can be helped.
    void sharesConvergeOverTheSeason()
    {
        LineupProblem pb = squad(10, 4, 8);
        pb.players[0].earlierPlayed = 4;   // 4 of 12
        pb.players[9].earlierPlayed = 12;  // 12 of 12
        const LineupSolution s = solveLineup(pb);
        QCOMPARE(playedIn(s, 0), 4);
        for (int i = 1; i < 9; ++i)
            QVERIFY(playedIn(s, 9) <= playedIn(s, i));
        for (int i = 0; i < 9; ++i) {  // the one furthest ahead cannot help sitting out
            for (int p = 0; p + 1 < 4; ++p)
                QVERIFY2(s.spotOf[p][i] >= 0 || s.spotOf[p + 1][i] >= 0, qPrintable(QString::number(i)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLineupSolver)
#include "tst_lineupsolver.moc"
