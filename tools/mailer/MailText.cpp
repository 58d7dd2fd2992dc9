#include "MailText.h"

#include <QRegularExpression>
#include <QUuid>

namespace pwmail {

QStringList splitAddresses(const QString& list)
{
    // A comma inside a quoted name ("Smith, Ann" <ann@x.org>) or inside <...> is not a separator.
    QStringList out;
    QString current;
    bool quoted = false;
    bool angled = false;
    const auto take = [&] {
        const QString entry = unquote(current.trimmed()).trimmed();
        if (!entry.isEmpty())
            out << entry;
        current.clear();
    };
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QChar c = list.at(i);
        if (c == QLatin1Char('\\') && quoted && i + 1 < list.size()) {
            current += c;
            current += list.at(++i);
            continue;
        }
        if (c == QLatin1Char('"') && !angled)
            quoted = !quoted;
        else if (c == QLatin1Char('<') && !quoted)
            angled = true;
        else if (c == QLatin1Char('>') && !quoted)
            angled = false;
        else if ((c == QLatin1Char(',') || c == QLatin1Char(';')) && !quoted && !angled) {
            take();
            continue;
        }
        current += c;
    }
    take();
    return out;
}

QString addressOnly(const QString& entry)
{
    const qsizetype open = entry.lastIndexOf(QLatin1Char('<'));
    const qsizetype close = entry.lastIndexOf(QLatin1Char('>'));
    if (open >= 0 && close > open)
        return entry.mid(open + 1, close - open - 1).trimmed();
    return entry.trimmed();
}

QString unquote(const QString& text)
{
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

QString serverUrl(const QString& server)
{
    const QString s = server.trimmed();
    return s.contains(QLatin1String("://")) ? s : QStringLiteral("smtp://") + s;
}

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
            QByteArray piece;
            // Spaces and tabs at a line's end would be lost in transit; "." at a line's start is
            // encoded so that no server ever sees the end-of-message line.
            if ((c >= 33 && c <= 126 && c != '=' && !(c == '.' && current.isEmpty())) || ((c == ' ' || c == '\t') && !last))
                piece = QByteArray(1, char(c));
            else
                piece = QByteArray("=") + hex[c >> 4] + hex[c & 15];
            if (current.size() + piece.size() > 75) {
                out += current + "=\r\n";
                current.clear();
            }
            current += piece;
        }
        out += current;
        if (n + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

QByteArray addressHeader(const QStringList& entries)
{
    QByteArrayList parts;
    for (const QString& entry : entries) {
        const qsizetype open = entry.lastIndexOf(QLatin1Char('<'));
        if (open < 0 || !entry.endsWith(QLatin1Char('>'))) {
            parts << entry.trimmed().toUtf8();
            continue;
        }
        const QString name = unquote(entry.left(open).trimmed());
        const QByteArray address = "<" + addressOnly(entry).toUtf8() + ">";
        if (name.isEmpty()) {
            parts << address;
        } else if (plainHeader(name)) {
            // A plain name goes in quotes, so that a comma or a dot in it means nothing to a reader.
            QString q = name;
            q.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
            parts << "\"" + q.toLatin1() + "\" " + address;
        } else {
            parts << headerText(name) + " " + address;
        }
    }
    // One address a line once the list grows long: header lines stay within the standard's length.
    qsizetype length = 0;
    for (const QByteArray& p : parts)
        length += p.size() + 2;
    return parts.join(length > 70 ? ",\r\n " : ", ");
}

QByteArray composeMessage(const QString& from, const QStringList& to, const QStringList& cc, const QString& subject,
                          const QString& body, const QDateTime& when)
{
    QByteArray m;
    m += "Date: " + when.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    m += "From: " + addressHeader({from}) + "\r\n";
    m += "To: " + addressHeader(to) + "\r\n";
    if (!cc.isEmpty())
        m += "Cc: " + addressHeader(cc) + "\r\n";
    m += "Subject: " + headerText(subject) + "\r\n";
    const QString domain = addressOnly(from).section(QLatin1Char('@'), 1);
    m += "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@" +
         (domain.isEmpty() ? QByteArray("pitchwise.local") : headerText(domain)) + ">\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "Content-Type: text/plain; charset=UTF-8\r\n";
    m += "Content-Transfer-Encoding: quoted-printable\r\n";
    m += "\r\n";
    m += quotedPrintable(body);
    m += "\r\n";
    return m;
}

}  // namespace pwmail
