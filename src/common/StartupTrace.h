// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pw {

// What each step of a start costs. With PW_STARTUP_TRACE=1 in the environment, every step that
// ends prints its own milliseconds and the time since the program began to standard error:
//     startup:   12.3 ms  (total   45.6 ms)  database opened
// Without it a step costs one test of a flag.
void startupStep(const char* step);
// The steps so far, as printed; for the tests.
QString startupTraceText();
// Turns the trace on or off whatever the environment says (the tests do), and starts the clock again.
void setStartupTrace(bool on);

}  // namespace pw
