// SPDX-License-Identifier: GPL-3.0-or-later
// Position flags ("0;1;0;0;1"): any text reads as five ticks without harm, ticks written read
// back as they were, and what was read from any text writes and reads back the same.
#include "core/teams/PlayerProfile.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pw::Positions read = pw::decodePositions(text);
    if (pw::decodePositions(pw::encodePositions(read)) != read)
        std::abort();
    if (size > 0) {
        pw::Positions ticked{};
        for (size_t i = 0; i < ticked.size(); ++i)
            ticked[i] = (data[0] >> i) & 1;
        if (pw::decodePositions(pw::encodePositions(ticked)) != ticked)
            std::abort();
    }
    return 0;
}
