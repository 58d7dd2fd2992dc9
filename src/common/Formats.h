#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

namespace pw {

// The named display formats the program uses ("Long Date", "Short Date", "Medium Time",
// "hh:mm AMPM", "h:Nn AMPM", "General Date", "Long Time", "Currency", "#%", "mmm d",
// "mmmm d, yyyy", "mmmm dd, yyyy"), rendered in the coach's locale. Dates may come as QDate, QDateTime or the
// ISO text the SQLite driver hands back. Throws PwError for a name it does not know.
QString Format(const QVariant& value, const QString& formatName);

// The "Short Date" pattern of the coach's locale with four-digit years, for date pickers.
QString shortDateFormat();

// Text the coach (or a file of someone else's) typed, made safe to show: control characters such
// as NUL are dropped, and text holding right-to-left characters or direction controls is isolated
// so that it cannot turn the text around it ("evil" shown as "live").
QString shownText(const QString& userText);

// Rounds to the given number of decimals; a value exactly halfway goes to the even neighbour.
double RoundHalfEven(double value, int digits = 0);

// A date/time out of whatever the store handed back (QDateTime, QDate or ISO text); invalid when
// null or unreadable.
QDateTime toDateTime(const QVariant& value);

// An amount the coach typed or the "Currency" format showed ("$1,500.00", "1500", "1,500.5");
// nothing when it is not an amount. Empty text is nothing too: the caller decides what that means.
std::optional<double> parseAmount(const QString& text);

}  // namespace pw
