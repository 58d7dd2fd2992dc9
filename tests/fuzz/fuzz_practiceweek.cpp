// SPDX-License-Identifier: GPL-3.0-or-later
// Practice weeks ("1,6:00 PM-7:30 PM;0,0;..."): any text reads as five days without harm, what
// was read writes and reads back the same, and a new session takes its times from any of them.
#include "core/practice/PracticeSession.h"
#include "core/teams/TeamProfile.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pw::PracticeWeek week = pw::decodePracticeWeek(text);
    if (pw::decodePracticeWeek(pw::encodePracticeWeek(week)) != week)
        std::abort();
    // Monday 2026-10-05 to Sunday 2026-10-11: every weekday, ticked or not.
    for (int day = 0; day < 7; ++day) {
        pw::PracticeSession session;
        session.date = QDate(2026, 10, 5).addDays(day);
        pw::applyPracticeWeek(session, text);
        if (session.start != pw::kNoTime && (session.start < 0 || session.start >= 24 * 60))
            std::abort();
    }
    return 0;
}
