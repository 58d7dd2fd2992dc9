#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Building the text of one mail: addresses, the server address and the message with its headers.
namespace pwmail {

// "a@x.org, \"Smith, Ann\" <b@y.org>;c@z.org" -> the three entries, trimmed, empty ones dropped;
// a comma inside quotes or angle brackets belongs to its entry.
QStringList splitAddresses(const QString& list);
// "Mum <b@y.org>" -> "b@y.org"; a bare address stays as it is.
QString addressOnly(const QString& entry);
// Takes away one pair of surrounding double quotes, as older command lines wrote them.
QString unquote(const QString& text);
// "mail.example.org" -> "smtp://mail.example.org"; a port or a scheme given are kept.
QString serverUrl(const QString& server);

// A header value as the mail standard wants it: plain when it is printable ASCII, otherwise
// UTF-8 encoded words, each within the standard's length, never splitting a character.
QByteArray headerText(const QString& value);
// The body in quoted-printable form with CRLF line ends, so that any text and any line length
// pass every server unchanged.
QByteArray quotedPrintable(const QString& text);
// An address header's value: each address as it is, a name before it quoted or, beyond ASCII,
// encoded; a long list one address a line.
QByteArray addressHeader(const QStringList& entries);

QByteArray composeMessage(const QString& from, const QStringList& to, const QStringList& cc, const QString& subject,
                          const QString& body, const QDateTime& when);

}  // namespace pwmail
