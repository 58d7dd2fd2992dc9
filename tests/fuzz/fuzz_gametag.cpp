// SPDX-License-Identifier: GPL-3.0-or-later
// Bracket game tags ("2026-10-03;09:30;Field 4"): any text is read without harm and shows as a
// caption and a tooltip, and a tag written back and read again is the tag that was read.
#include "core/tournaments/Bracket.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pw::BracketGameTag tag = pw::BracketGameTag::parse(text);
    (void)pw::FormatGameTime(text);
    (void)pw::gameToolTip(text);
    const pw::BracketGameTag back = pw::BracketGameTag::parse(tag.toText());
    if (back.date != tag.date || back.time != tag.time || back.field != tag.field)
        std::abort();
    return 0;
}
