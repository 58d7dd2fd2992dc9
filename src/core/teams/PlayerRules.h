// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

namespace pw {

// Age in whole years on the given day; the birthday itself counts as the new age.
int CalculateAge(const QDate& birthDate, const QDate& today = QDate::currentDate());

// True when the player may play in the team's age division: born on or after the cut-off date.
// A missing birth date or cut-off is not held against the player.
bool CheckAge(const QDate& birthDate, const QDate& cutOff);

}  // namespace pw
