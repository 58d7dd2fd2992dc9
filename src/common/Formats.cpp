// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Formats.h"

#include "common/Trace.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace pw {

namespace {

QString shortDatePattern(const QLocale& locale)
{
    // Locales give two-digit years for their short form; a schedule that spans New Year reads
    // better with the full year, so two-digit years become four.
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QStringLiteral("yyyy")))
        pattern.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return pattern;
}

QString longTimePattern(const QLocale& locale)
{
    QString pattern = locale.timeFormat(QLocale::LongFormat);
    pattern.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));  // no time-zone names
    return pattern.trimmed();
}

// Where each whole character (grapheme cluster) of text ends. Text that is not well formed (a lone
// surrogate) still never ends on half a pair.
QList<qsizetype> characterEnds(const QString& text)
{
    QList<qsizetype> ends;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype next = characters.toNextBoundary(); next > 0; next = characters.toNextBoundary()) {
        if (!text.at(next - 1).isHighSurrogate() || next == text.size())
            ends << next;
    }
    return ends;
}

}  // namespace

QDateTime toDateTime(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime: return value.toDateTime();
    case QMetaType::QDate: return value.toDate().startOfDay();
    default: break;
    }
    const QString text = value.toString().trimmed();
    QDateTime dt = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(text.left(10), Qt::ISODate);
        if (d.isValid())
            dt = d.startOfDay();
    }
    return dt;
}

double RoundHalfEven(double value, int digits)
{
    const double scale = std::pow(10.0, digits);
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);  // nearest, ties to even
    const double rounded = std::nearbyint(value * scale) / scale;
    std::fesetround(oldMode);
    return rounded == 0.0 ? 0.0 : rounded;  // no "-0"
}

QString Format(const QVariant& value, const QString& formatName)
{
    const QLocale locale;
    if (formatName == QLatin1String("Currency"))
        return locale.toCurrencyString(RoundHalfEven(value.toDouble(), 2), QString(), 2);
    if (formatName == QLatin1String("#%")) {
        // "#" shows no digit for zero: a share of nothing is the bare "%".
        const auto percent = static_cast<qlonglong>(RoundHalfEven(value.toDouble() * 100.0));
        return (percent == 0 ? QString() : locale.toString(percent)) + QLatin1Char('%');
    }

    const QDateTime dt = toDateTime(value);
    if (formatName == QLatin1String("Long Date"))
        return locale.toString(dt.date(), QLocale::LongFormat);
    if (formatName == QLatin1String("Short Date"))
        return locale.toString(dt.date(), shortDatePattern(locale));
    if (formatName == QLatin1String("mmm d"))
        return locale.toString(dt.date(), QStringLiteral("MMM d"));
    if (formatName == QLatin1String("mmmm d, yyyy"))
        return locale.toString(dt.date(), QStringLiteral("MMMM d, yyyy"));
    if (formatName == QLatin1String("mmmm dd, yyyy"))
        return locale.toString(dt.date(), QStringLiteral("MMMM dd, yyyy"));
    if (formatName == QLatin1String("hh:mm AMPM") || formatName == QLatin1String("Medium Time"))
        return locale.toString(dt.time(), QStringLiteral("hh:mm AP"));
    if (formatName == QLatin1String("h:Nn AMPM"))
        return locale.toString(dt.time(), QStringLiteral("h:mm AP"));
    if (formatName == QLatin1String("Long Time"))
        return locale.toString(dt.time(), longTimePattern(locale));
    if (formatName == QLatin1String("General Date")) {
        QString text = locale.toString(dt.date(), shortDatePattern(locale));
        if (dt.time() != QTime(0, 0))
            text += QLatin1Char(' ') + locale.toString(dt.time(), longTimePattern(locale));
        return text;
    }
    throw PwError(err::BadArgument, QStringLiteral("Unknown display format \"%1\"").arg(formatName));
}

QString shownText(const QString& userText)
{
    QString out;
    out.reserve(userText.size() + 2);
    bool directional = false;
    for (const QChar c : userText) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            continue;
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirPDF:
        case QChar::DirRLI:
        case QChar::DirLRI:
        case QChar::DirFSI:
        case QChar::DirPDI: directional = true; break;
        default: break;
        }
        out += c;
    }
    // First-strong isolate ... pop directional isolate.
    return directional ? QChar(0x2068) + out + QChar(0x2069) : out;
}

QString shownLines(const QString& userText)
{
    QString text = userText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = shownText(line);
    return lines.join(QLatin1Char('\n'));
}

QString cutToWidth(const QString& text, qsizetype width)
{
    if (text.size() <= width)
        return text;
    qsizetype end = 0;
    for (qsizetype next : characterEnds(text)) {
        if (next > width)
            break;
        end = next;
    }
    return text.left(end);
}

QString cutToWidth(const QString& text, const std::function<bool(const QString&)>& fits)
{
    if (fits(text))
        return text;
    const QList<qsizetype> ends = characterEnds(text);
    // The longest start that fits, found by halving: a few measures rather than one per character.
    qsizetype low = 0;  // ends before index low fit
    qsizetype high = ends.size();
    while (low < high) {
        const qsizetype mid = (low + high) / 2;
        if (fits(text.left(ends.at(mid))))
            low = mid + 1;
        else
            high = mid;
    }
    return low == 0 ? QString() : text.left(ends.at(low - 1));
}

QString shortDateFormat()
{
    return shortDatePattern(QLocale());
}

bool usesTwelveHourClock()
{
    // Quoted text of the pattern ("HH 'h' mm") is no part of the clock.
    QString pattern = QLocale().timeFormat(QLocale::ShortFormat);
    pattern.remove(QRegularExpression(QStringLiteral("'[^']*'")));
    return pattern.contains(QLatin1Char('a'), Qt::CaseInsensitive);
}

QString clockFormat(bool spaced)
{
    if (!usesTwelveHourClock())
        return QStringLiteral("HH:mm");
    return spaced ? QStringLiteral("hh:mm AP") : QStringLiteral("hh:mmAP");
}

QTime readTypedTime(const QString& text)
{
    QString t = text.trimmed().toLower();
    // AM or PM at the end: the locale's words first, then the usual short forms, longest first.
    const QLocale locale;
    const QList<QPair<QString, int>> halves{{locale.amText().toLower(), 0}, {locale.pmText().toLower(), 12},
                                            {QStringLiteral("a.m."), 0},    {QStringLiteral("p.m."), 12},
                                            {QStringLiteral("am"), 0},      {QStringLiteral("pm"), 12},
                                            {QStringLiteral("a"), 0},       {QStringLiteral("p"), 12}};
    std::optional<int> half;
    for (const auto& [mark, offset] : halves) {
        if (!mark.isEmpty() && t.endsWith(mark)) {
            half = offset;
            t = t.chopped(mark.size()).trimmed();
            break;
        }
    }
    // "9", "9:30", "9.30", "9h30", "9 30", or the digits alone: "930", "2130".
    static const QRegularExpression parted(QStringLiteral("^(\\d{1,2})(?:[:.h ](\\d{1,2}))?$"));
    static const QRegularExpression digits(QStringLiteral("^\\d{3,4}$"));
    int hour = 0;
    int minute = 0;
    if (const QRegularExpressionMatch m = parted.match(t); m.hasMatch()) {
        hour = m.captured(1).toInt();
        minute = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    } else if (digits.match(t).hasMatch()) {
        hour = t.chopped(2).toInt();
        minute = t.right(2).toInt();
    } else {
        return {};
    }
    if (half) {
        if (hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + *half;
    }
    return QTime(hour, minute);  // invalid past 23:59
}

QDate readTypedDate(const QString& text, const QString& format, const QDate& today)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    if (std::any_of(t.cbegin(), t.cend(), [](QChar c) { return c.isLetter(); }))
        return QLocale().toDate(t, format);
    // The order of day, month and year in the format: "M/d/yyyy" gives M, d, y. A run of three or
    // more d is the weekday's name, no part of the date.
    QString order;
    static const QRegularExpression runs(QStringLiteral("d+|M+|y+"));
    for (QRegularExpressionMatchIterator it = runs.globalMatch(format); it.hasNext();) {
        const QString run = it.next().captured();
        if (!(run.startsWith(QLatin1Char('d')) && run.size() > 2) && !order.contains(run.at(0)))
            order += run.at(0);
    }
    if (order.size() != 3)
        order = QStringLiteral("Mdy");
    QStringList parts = t.split(QRegularExpression(QStringLiteral("\\D+")), Qt::SkipEmptyParts);
    if (parts.size() == 1) {
        // Digits alone: two for day and month, the rest (two or four) for the year.
        const QString all = parts.takeFirst();
        if (all.size() != 4 && all.size() != 6 && all.size() != 8)
            return {};
        qsizetype at = 0;
        for (QChar part : order) {
            const qsizetype width = part == QLatin1Char('y') ? all.size() - 4 : 2;
            if (width > 0)
                parts << all.mid(at, width);
            at += width;
        }
    }
    if (parts.size() == 2)
        order.remove(QLatin1Char('y'));  // no year typed
    if (parts.size() != order.size())
        return {};
    int day = 0;
    int month = 0;
    int year = today.year();
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QString& part = parts.at(i);
        if (part.size() > (order.at(i) == QLatin1Char('y') ? 4 : 2))
            return {};
        const int value = part.toInt();
        if (order.at(i) == QLatin1Char('d'))
            day = value;
        else if (order.at(i) == QLatin1Char('M'))
            month = value;
        else if (part.size() <= 2)
            year = 2000 + value;
        else if (part.size() == 4)
            year = value;
        else
            return {};
    }
    return QDate(year, month, day);
}

std::optional<double> parseAmount(const QString& text)
{
    const QLocale locale;
    QString t = text.trimmed();
    t.remove(locale.currencySymbol(QLocale::CurrencySymbol));
    t.remove(locale.currencySymbol(QLocale::CurrencyIsoCode));
    t = t.trimmed();
    // Accounting style shows a negative amount in brackets.
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(t, &ok);
    if (!ok)
        value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

}  // namespace pw
