// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace pw {

// One of the program's icons by name ("GameLineUp", "team", "pitchwise"), for every size and screen
// scale. The icons are drawn from their SVG at build time at the sizes the menus, tree, toolbar
// and title bars ask for, each at one and two times its size, into plain pixels: showing one costs
// a copy, where the SVG engine parsed a picture anew for every size and state it was asked for (89
// parses before the main window's first frame). Each drawing is read when first shown.
// selected names the picture shown while the item is selected, if it has one of its own.
QIcon programIcon(const QString& name, const QString& selected = QString());

// Whether the program has an icon of that name.
bool hasProgramIcon(const QString& name);

}  // namespace pw
