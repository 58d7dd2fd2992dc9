// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

// A game's free notes live in a text file of their own, "Team<T>Game<G>.txt" in the GameNotes
// folder of the data folder, so the coach can keep them in any editor.
QString gameNotesPath(const QString& dataFolder, qint16 teamNo, qint16 gameNo);

// OpenGameNotes: makes the folder and an empty file when they are missing (an existing file is
// never touched) and opens the file in the desktop's editor. False (after telling the coach what
// failed) when the file could not be made or opened.
bool OpenGameNotes(const QString& dataFolder, qint16 teamNo, qint16 gameNo);

}  // namespace pw
