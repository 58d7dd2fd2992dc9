// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/teams/PointValue.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace pw {

namespace {

// One part of a point value: a whole number, or nothing.
std::optional<qint16> pointPart(const QString& part)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]{1,5}$"));
    const QString t = part.trimmed();
    if (!whole.match(t).hasMatch())
        return std::nullopt;
    const int n = t.toInt();
    return n < -32768 || n > 32767 ? std::nullopt : std::optional<qint16>(static_cast<qint16>(n));
}

}  // namespace

bool pointValueIsWellFormed(const QString& pointValue)
{
    if (pointValue.trimmed().isEmpty())
        return true;  // no points given: every result counts 0
    const QStringList parts = pointValue.split(QLatin1Char(';'));
    if (parts.size() > 3)
        return false;
    for (const QString& p : parts) {
        if (!pointPart(p))
            return false;
    }
    return true;
}

PointValues parsePointValue(const QString& pointValue)
{
    // Both read each part the same way, so what is called well formed reads as it says.
    const QStringList parts = pointValue.split(QLatin1Char(';'));
    return PointValues{pointPart(parts.value(0)).value_or(0), pointPart(parts.value(1)).value_or(0),
                       pointPart(parts.value(2)).value_or(0)};
}

}  // namespace pw
