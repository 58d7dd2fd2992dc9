// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/MailAddress.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Building the text of one mail from addresses that were read by the program's own rules
// (common/MailAddress.h): the headers and the message.
namespace pwmail {

using pw::mail::Address;

// A header value as the mail standard wants it: plain when it is printable ASCII, otherwise
// UTF-8 encoded words, each within the standard's length, never splitting a character. A line
// break in the value is encoded with the rest, so it can never start a header of its own.
QByteArray headerText(const QString& value);
// The body in quoted-printable form with CRLF line ends, so that any text and any line length
// pass every server unchanged.
QByteArray quotedPrintable(const QString& text);
// An address header's value: each address proper as read, a name before it quoted or, beyond
// ASCII, encoded; a long list one address a line.
QByteArray addressHeader(const QList<Address>& addresses);
// "<local@domain>", as MAIL FROM and RCPT TO take it.
QByteArray envelopeAddress(const Address& address);

QByteArray composeMessage(const Address& from, const QList<Address>& to, const QList<Address>& cc,
                          const QString& subject, const QString& body, const QDateTime& when);

}  // namespace pwmail
