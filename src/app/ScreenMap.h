// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMainWindow;
class QTreeView;

namespace pw {

class TeamTreeModel;

// For the black-box benchmark, which clicks the running program the way a coach does: with
// PW_BENCH_GEOMETRY naming a file, the main window keeps in it where on the screen its tree items,
// toolbar buttons, menu titles, open menus' entries and the current items of other windows' lists
// are, rewritten whenever they move or the focus changes. Without
// the variable nothing is watched or written.
void watchScreenMap(QMainWindow& window, QTreeView& tree, const TeamTreeModel& model);

// The lines of the file: "<kind> <name> <x> <y> <width> <height>" in screen pixels, kind one of
// window, tree (name: the node's key), tool (the action's name), bar (the menu's name), menu
// (an entry's name) and current (the current item of a list, table or tree in any window, by the
// view's name).
QString screenMapText(QMainWindow& window, QTreeView& tree, const TeamTreeModel& model);

}  // namespace pw
