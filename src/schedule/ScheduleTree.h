#pragma once

#include <QtGlobal>

namespace pw {

class TeamTreeModel;

// Adds the team's season games under its node of the main window's tree: one node per game with
// the opponent's name, and below it the date, a changed date, field, coach, phone, colour and score.
void AddSchedule(TeamTreeModel& tree, qint16 teamNo);

// The picture of a game node for a stored result: 1 "won", 2 "lost", 3 "tied", else "nyp".
const char* resultImage(int result);

}  // namespace pw
