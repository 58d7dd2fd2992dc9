// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

// A value as a line of a log may hold it: control characters (line breaks, tabs, NUL, ...), the
// Unicode line and paragraph separators and unpaired surrogates are written as escapes ("\r",
// "\n", "\t", "\x00", "\u2028"), so that no value can end a line of the log or start one of its
// own. Everything else is kept as it is.
QString escapeControls(const QString& text);

}  // namespace pw
