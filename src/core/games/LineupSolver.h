// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <array>

namespace pw {

// The kinds of spot a formation has, in the order of the players' position flags.
enum class SpotKind { FrontLine = 0, HalfBack = 1, FullBack = 2, Sweeper = 3, Goal = 4 };
constexpr int kSpotKinds = 5;

// A roster player as the line-up proposal sees him.
struct SolverPlayer {
    QList<bool> available;  // one flag per period of the game
    int earlierPlayed = 0;  // periods played in the season's earlier games
    int earlierAvailable = 0;
    int goalPeriods = 0;                   // periods in goal in the season's earlier games
    std::array<bool, kSpotKinds> flags{};  // position flags: front line, half back, full back, sweeper, goalkeeper
    bool mayPlayGoal = false;              // a field player the coach allows in goal
};

// A player on a spot in a period; periods and spots count from 0, players are indexes.
struct SolverPlacement {
    int player = 0;
    int spot = 0;
    int period = 0;
    friend bool operator==(const SolverPlacement&, const SolverPlacement&) = default;
};

struct LineupProblem {
    int periods = 4;
    QList<SpotKind> spots;  // one of them the goal
    QList<SolverPlayer> players;
    int minPeriods = 0;  // the team's minimum periods per game
    // Placements the coach keeps. In a locked period they are the whole period: nobody is added.
    QList<SolverPlacement> locked;
    QList<bool> lockedPeriods;  // one flag per period; missing flags read as not locked
    int timeLimitMs = 45;       // for the whole proposal
};

struct LineupSolution {
    // [period][player]: the spot he stands on, -1 on the bench.
    QList<QList<int>> spotOf;
    QList<int> shortPeriods;     // periods with fewer players available than spots
    bool minimumMissed = false;  // somebody cannot reach the minimum periods this game
    // Every rule was solved to the end; false when time ran out and the best line-up found so far
    // (or, without any, a simple lowest-share-first fill) was taken.
    bool complete = true;
};

// The proposal: every rule of the line-up board's "Suggest Line-up", in their order of priority.
// The same problem always gives the same solution.
LineupSolution solveLineup(const LineupProblem& problem);

// The season share a player ends the game with when he plays `played` periods of it: played over
// available, this game included; -1 when he has no available period at all.
double seasonShare(const SolverPlayer& player, int played);

}  // namespace pw
