// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/teams/PlayerRules.h"

namespace pw {

int CalculateAge(const QDate& birthDate, const QDate& today)
{
    if (!birthDate.isValid() || !today.isValid())
        return 0;
    int age = today.year() - birthDate.year();
    // A 29 February birthday falls on 1 March in other years.
    QDate birthday(today.year(), birthDate.month(), birthDate.day());
    if (!birthday.isValid())
        birthday = QDate(today.year(), 3, 1);
    if (birthday > today)
        --age;
    return age;
}

bool CheckAge(const QDate& birthDate, const QDate& cutOff)
{
    if (!birthDate.isValid() || !cutOff.isValid())
        return true;
    return birthDate >= cutOff;
}

}  // namespace pw
