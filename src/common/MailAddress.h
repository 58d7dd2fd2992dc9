// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// E-mail addresses and mail servers as the program keeps them and its mailer sends to them. The
// program and the mailer share this code (it needs Qt Core only), so that what the program
// accepts where an address is typed is exactly what the mailer sends, and nothing it sends can
// become a command to the mail server or a header line of its own.
namespace pw::mail {

// One address: a display name, when one was given, and the address proper (local@domain).
struct Address {
    QString name;    // unquoted, words joined by single spaces; empty when there was none
    QString local;   // as it goes to the server: dot-separated words, or a quoted string with its quotes
    QString domain;  // a host name, or an address literal in brackets
    QString addrSpec() const { return local + QLatin1Char('@') + domain; }
    bool operator==(const Address&) const = default;
};

// Reads one address by the mail standard's grammar: "ann@x.org", "Ann Smith <ann@x.org>",
// "\"Smith, Ann\" <ann@x.org>", with comments in parentheses allowed around the words. Letters
// beyond ASCII may stand where the standard's UTF-8 extension allows them. Refused: control
// characters of any kind (line breaks, tabs, NUL) and invisible ones, angle brackets anywhere
// but around the address, spaces inside the address, a domain that is no host name, and
// anything longer than the standard allows. Nothing on refusal; why then gets the reason.
std::optional<Address> parseAddress(const QString& entry, QString* why = nullptr);

// "a@x.org, \"Smith, Ann\" <b@y.org>;c@z.org" -> the three entries, trimmed, empty ones dropped;
// a comma or semicolon inside quotes, parentheses or angle brackets belongs to its entry. One
// pair of quotes around a whole entry is taken away, as older command lines wrote them.
QStringList splitAddresses(const QString& list);

struct AddressList {
    QList<Address> addresses;
    QString badEntry;  // the first entry that is no address
    QString why;       // why it is not; empty when every entry is one
    bool ok() const { return why.isEmpty(); }
};
// Every entry of the list read; on the first that is no address, the list is refused whole.
AddressList parseAddressList(const QString& list);

// Why the text of an address field (one address or several parted by commas) cannot be sent
// to; empty when it can, and for an empty field. Several entries: the bad one is named.
QString addressFieldProblem(const QString& text);
// What the coach is told about such a field: fieldName is what the field is called there.
QString fieldProblemMessage(const QString& fieldName, const QString& problem);
// The title of that message: "Invalid E-mail Address".
QString fieldProblemTitle();

// An outgoing mail server as the settings give it: "mail.x.org", "mail.x.org:587",
// "smtp://mail.x.org", "smtps://mail.x.org:465", "[::1]:25".
struct Server {
    QString scheme;  // "smtp" or "smtps"
    QString host;    // a host name or an IP address, without brackets
    int port = 0;    // 0: the scheme's own
    QString url() const;
};
// Nothing (with the reason) for anything else: another scheme, a user, a path, spaces or
// control characters, a port outside 1..65535.
std::optional<Server> parseServer(const QString& text, QString* why = nullptr);

// True for this machine's own addresses written plainly: "localhost", 127.x.y.z, ::1. Every
// other form counts as another machine, so that a doubtful one is treated the safe way.
bool isLoopbackHost(const QString& host);

// Whether the mailer may log in only over an encrypted connection (TLS from the start or
// STARTTLS): whenever it sends a password, unless the server is this machine or the coach has
// allowed an unencrypted connection for a club server that offers none.
bool encryptionRequired(const Server& server, bool login, bool allowPlain);

}  // namespace pw::mail
