// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pw {

enum class FeeStatus { Unpaid, Partial, Paid };

// Where a player stands against an even share of the team's fee. Amounts are compared to the
// cent, so a share of 33.333… is met by 33.33.
FeeStatus feeStatus(double amountPaid, double share);

// The even share of the team's fee; 0 for a team without players.
double playerShare(double teamAmount, int players);

}  // namespace pw
