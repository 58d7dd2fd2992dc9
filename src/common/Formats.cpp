#include "common/Formats.h"

#include "common/Trace.h"

#include <QLocale>
#include <QRegularExpression>

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

QString shortDateFormat()
{
    return shortDatePattern(QLocale());
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
