// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fees/FeeStatus.h"

#include <cmath>

namespace pw {

FeeStatus feeStatus(double amountPaid, double share)
{
    const long long paidCents = std::llround(amountPaid * 100.0);
    const long long shareCents = static_cast<long long>(std::floor(share * 100.0 + 1e-6));
    if (paidCents >= shareCents)
        return FeeStatus::Paid;
    return paidCents > 0 ? FeeStatus::Partial : FeeStatus::Unpaid;
}

double playerShare(double teamAmount, int players)
{
    return players > 0 ? teamAmount / players : 0.0;
}

}  // namespace pw
