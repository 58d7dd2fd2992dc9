// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace pw {

// Reads the built-in drill library from its readable source (JSON) and writes it into db
// (DrillBook and DrillData, replacing the rows numbered below 1000). Checks every drill against
// the rules of the library and the size of the drill field; throws PwError naming the first fault.
// Returns the number of drills written.
int loadDrillLibrary(const QString& jsonPath, const QSqlDatabase& db);

// The drill field every diagram is drawn on, in twips: it prints at full scale four to a page.
constexpr int kDrillFieldWidth = 5400;
constexpr int kDrillFieldHeight = 3600;

}  // namespace pw
