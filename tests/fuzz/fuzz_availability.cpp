// SPDX-License-Identifier: GPL-3.0-or-later
// Availability texts ("1;1;0;1"): any text gives one flag per period, 0 or 1, and the flags
// written the way the line-up board writes them read back the same.
#include "core/games/Lineup.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the number of periods (a game has a few; none is allowed too).
    const int periods = data[0] % 9;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const QList<qint16> flags = pw::parseAvailability(text, periods);
    if (flags.size() != periods)
        std::abort();
    QStringList parts;
    for (qint16 f : flags) {
        if (f != 0 && f != 1)
            std::abort();
        parts << QString::number(f);
    }
    if (pw::parseAvailability(parts.join(QLatin1Char(';')), periods) != flags)
        std::abort();
    return 0;
}
