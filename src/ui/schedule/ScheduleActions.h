// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace pw {

// The schedule commands of the main window. Each works on the main window's selection (its
// current team, and for the last two its current game), asks the coach what it needs and stores
// it through the schedule logic, whose change notice the open windows follow. Failures are
// reported, never thrown.

// Adds one season game through the data-entry dialog (also the "Schedule New Game" menu item).
void TeamSetSchedule_Click(QWidget* parent);
// Moves the current season game to a new date and time, keeping its first ones.
void TreeReschedGame_Click(QWidget* parent);
// Deletes the current season game with its statistics, after asking; nodeText is what the tree
// shows for the game (the opponent's name).
void TreeDelGame_Click(QWidget* parent, const QString& nodeText);
// Writes the current team's games and practices to an iCalendar file the coach picks (File >
// Export > Team Calendar…), and remembers the file for "Keep exported calendar up to date".
void ExportTeamCalendar_Click(QWidget* parent);

}  // namespace pw
