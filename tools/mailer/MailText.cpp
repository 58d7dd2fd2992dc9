// SPDX-License-Identifier: GPL-3.0-or-later
#include "MailText.h"

#include <QUuid>

#include <algorithm>

namespace pwmail {

namespace {

bool plainHeader(const QString& value)
{
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return value.size() <= 900;
}

}  // namespace

QByteArray headerText(const QString& value)
{
    if (plainHeader(value))
        return value.toLatin1();
    // Each encoded word holds at most 45 bytes of UTF-8 (60 once in base64), which keeps it under
    // the 75 characters the standard allows; words are split between characters only.
    QByteArrayList words;
    QByteArray chunk;
    const QByteArray utf8 = value.toUtf8();
    for (qsizetype i = 0; i < utf8.size();) {
        qsizetype len = 1;
        const auto lead = uchar(utf8[i]);
        if (lead >= 0xf0)
            len = 4;
        else if (lead >= 0xe0)
            len = 3;
        else if (lead >= 0xc0)
            len = 2;
        if (chunk.size() + len > 45) {
            words << chunk;
            chunk.clear();
        }
        chunk += utf8.mid(i, len);
        i += len;
    }
    if (!chunk.isEmpty())
        words << chunk;
    QByteArrayList encoded;
    for (const QByteArray& w : words)
        encoded << "=?UTF-8?B?" + w.toBase64() + "?=";
    return encoded.join("\r\n ");
}

QByteArray quotedPrintable(const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray hex = "0123456789ABCDEF";
    QByteArray out;
    const QList<QByteArray> lines = normal.toUtf8().split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray& line = lines[n];
        QByteArray current;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto c = uchar(line[i]);
            const bool last = i == line.size() - 1;
            // Spaces and tabs at a line's end would be lost in transit; "." at a line's start is
            // encoded so that no server ever sees the end-of-message line, also where a long
            // line is broken just before it.
            const auto piece = [&](bool lineStart) {
                if ((c >= 33 && c <= 126 && c != '=' && !(c == '.' && lineStart)) || ((c == ' ' || c == '\t') && !last))
                    return QByteArray(1, char(c));
                return QByteArray("=") + hex[c >> 4] + hex[c & 15];
            };
            QByteArray next = piece(current.isEmpty());
            if (current.size() + next.size() > 75) {
                out += current + "=\r\n";
                current.clear();
                next = piece(true);
            }
            current += next;
        }
        out += current;
        if (n + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

QByteArray addressHeader(const QList<Address>& addresses)
{
    QByteArrayList parts;
    for (const Address& a : addresses) {
        if (a.name.isEmpty()) {
            parts << a.addrSpec().toUtf8();
        } else if (plainHeader(a.name)) {
            // A plain name goes in quotes, so that a comma or a dot in it means nothing to a reader.
            QString q = a.name;
            q.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
            parts << "\"" + q.toLatin1() + "\" " + envelopeAddress(a);
        } else {
            parts << headerText(a.name) + " " + envelopeAddress(a);
        }
    }
    // One address a line once the list grows long: header lines stay within the standard's length.
    qsizetype length = 0;
    for (const QByteArray& p : parts)
        length += p.size() + 2;
    return parts.join(length > 70 ? ",\r\n " : ", ");
}

QByteArray envelopeAddress(const Address& address)
{
    return "<" + address.addrSpec().toUtf8() + ">";
}

QByteArray composeMessage(const Address& from, const QList<Address>& to, const QList<Address>& cc,
                          const QString& subject, const QString& body, const QDateTime& when)
{
    QByteArray m;
    m += "Date: " + when.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    m += "From: " + addressHeader({from}) + "\r\n";
    m += "To: " + addressHeader(to) + "\r\n";
    if (!cc.isEmpty())
        m += "Cc: " + addressHeader(cc) + "\r\n";
    m += "Subject: " + headerText(subject) + "\r\n";
    // The sender's host name as read (so never a space or a line break); one beyond ASCII or an
    // address literal has no place there, and a name of our own stands in.
    const QByteArray domain = from.domain.toUtf8();
    const bool plainDomain = !domain.isEmpty() && !domain.startsWith('[') &&
                             std::all_of(domain.begin(), domain.end(), [](char c) { return uchar(c) < 0x80; });
    m += "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@" +
         (plainDomain ? domain : QByteArray("pitchwise.local")) + ">\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "Content-Type: text/plain; charset=UTF-8\r\n";
    m += "Content-Transfer-Encoding: quoted-printable\r\n";
    m += "\r\n";
    m += quotedPrintable(body);
    m += "\r\n";
    return m;
}

}  // namespace pwmail
