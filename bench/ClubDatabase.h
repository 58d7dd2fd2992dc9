// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The club database both benchmarks time the program on: built row by row through the store, so
// that it looks like a club's database after a season of use.
namespace pw::bench {

struct ClubSize {
    int teams = 40;
    int players = 20;
    int games = 30;
};

// Fills the open shared database: every team with its players, opponents, played games and one
// statistics row per player and game, in one transaction.
void fillClub(const ClubSize& size);
// Every team plays five tournaments of two rounds with its first round scheduled; team 1's first
// tournament is a full 16-team bracket with every game timed and the own team in round 1.
void addTournaments(int teams);
// The coach's own drills up to count in all, each with a small diagram.
void addDrills(int count);
// A season of practices: three sessions a week from September to December for every team, each
// with a full agenda.
void addPractices(int teams);

}  // namespace pw::bench
