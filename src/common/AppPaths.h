// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

// Where the program finds what it ships with. Installed, the program sits in <prefix>/bin, its
// files in <prefix>/share/pitchwise and its helper programs in <prefix>/libexec/pitchwise; in the
// build tree all of them sit beside the program. Both are found from the program's own folder at
// run time, so an installed copy can be moved to another prefix (or a scratch root) and still work.

// A shipped file or folder (the seed database, "help/...", "translations"): the installed one when
// it exists, else the one beside the program. Tests, which run from their own folder, name the
// build tree's with setDataFolder.
QString dataPath(const QString& relative);
void setDataFolder(const QString& folder);  // empty: found from the program's folder again

// One of the program's own helper programs (the mailer, the updater), by base name: the installed
// one when it exists, else the one beside the program. The mailer is handed the e-mail password,
// so the folder is never taken from the environment; tests name the build tree's with
// setHelperFolder.
QString helperProgram(const QString& name);
void setHelperFolder(const QString& folder);  // empty: found from the program's folder again

// True when this copy came from a system package (the package installs a marker file beside the
// shipped files): updates then come through the package manager, never by replacing the program.
bool runsFromSystemPackage();

// The same lookups from a given program folder (tests lay out a scratch tree).
QString dataPath(const QString& programFolder, const QString& relative);
QString helperProgram(const QString& programFolder, const QString& name);
bool runsFromSystemPackage(const QString& programFolder);

}  // namespace pw
