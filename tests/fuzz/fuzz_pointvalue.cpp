// SPDX-License-Identifier: GPL-3.0-or-later
// Point values ("3;1;0"): any text parses without harm, and a text found well formed reads back
// as the numbers it holds.
#include "core/games/Record.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pw::PointValues pv = pw::parsePointValue(text);
    if (pw::pointValueIsWellFormed(text) && !text.trimmed().isEmpty()) {
        const QStringList parts = text.split(QLatin1Char(';'));
        if (pv.win != parts.value(0).trimmed().toInt())
            std::abort();
        if (parts.size() > 1 && pv.tie != parts.value(1).trimmed().toInt())
            std::abort();
    }
    return 0;
}
