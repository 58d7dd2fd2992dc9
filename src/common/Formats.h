// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace pw {

// The named display formats the program uses ("Long Date", "Short Date", "Medium Time",
// "hh:mm AMPM", "h:Nn AMPM", "General Date", "Long Time", "Currency", "#%", "mmm d",
// "mmmm d, yyyy", "mmmm dd, yyyy"), rendered in the coach's locale. Dates may come as QDate, QDateTime or the
// ISO text the SQLite driver hands back. Throws PwError for a name it does not know.
QString Format(const QVariant& value, const QString& formatName);

// The "Short Date" pattern of the coach's locale with four-digit years, for date pickers.
QString shortDateFormat();

// Whether the coach's locale tells the time on a 12-hour clock, with AM and PM.
bool usesTwelveHourClock();
// A time of day on the coach's clock: "hh:mm AP" on a 12-hour clock, "HH:mm" on a 24-hour one;
// unspaced ("hh:mmAP") where a label is short of room.
QString clockFormat(bool spaced = true);

// A time of day the coach typed: "9:30", "09:30", "9.30", "930", "0930", "9" or "21:30", with or
// without AM or PM after it ("9:30 pm", "9:30p", "9:30 PM", or the locale's own words). Without
// AM or PM the hour is read on the 24-hour clock. Invalid when the text is no time.
QTime readTypedTime(const QString& text);
// A date the coach typed: day, month and year in the order of the display format (such as
// "M/d/yyyy"), parted by anything that is no digit ("10/3/2026", "10-3-26", "10.3.") or as digits
// alone, two for day and month and two or four for the year ("10032026", "100326"). A two-digit
// year is one of this century; a date typed without a year is one of today's year. Text with
// letters is read in the display format itself. Invalid when the text is no date.
QDate readTypedDate(const QString& text, const QString& format, const QDate& today = QDate::currentDate());

// Text the coach (or a file of someone else's) typed, made safe to show: control characters such
// as NUL are dropped, and text holding right-to-left characters or direction controls is isolated
// so that it cannot turn the text around it ("evil" shown as "live").
QString shownText(const QString& userText);
// The same for text of several lines (a message, a note): its line breaks are kept, as "\n", and
// each line is made safe on its own.
QString shownLines(const QString& userText);

// The longest start of text that fits a column of the given width (in UTF-16 code units, which
// never count fewer than the store's characters) and ends between two whole characters: an emoji,
// a keycap or a letter with its accents is kept whole or left out, never cut into a broken one.
QString cutToWidth(const QString& text, qsizetype width);
// The same for a width measured otherwise (a printed column): the longest start ending between
// whole characters for which fits holds; fits must hold for every shorter start too.
QString cutToWidth(const QString& text, const std::function<bool(const QString&)>& fits);

// Rounds to the given number of decimals; a value exactly halfway goes to the even neighbour.
double RoundHalfEven(double value, int digits = 0);

// A date/time out of whatever the store handed back (QDateTime, QDate or ISO text); invalid when
// null or unreadable.
QDateTime toDateTime(const QVariant& value);

// An amount the coach typed or the "Currency" format showed ("$1,500.00", "1500", "1,500.5");
// nothing when it is not an amount. Empty text is nothing too: the caller decides what that means.
std::optional<double> parseAmount(const QString& text);

}  // namespace pw
