// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MailAddress.h"

#include "common/LogText.h"

#include <QCoreApplication>

#include <string>
#include <string_view>

namespace pw::mail {

namespace {

// The translation context of the mail texts.
struct Mail {
    Q_DECLARE_TR_FUNCTIONS(Mail)
};

// The limits of the mail standards (a server may refuse anything longer).
constexpr qsizetype kMaxEntry = 512;     // characters of one entry, name and all
constexpr qsizetype kMaxName = 256;      // characters of a display name
constexpr qsizetype kMaxLocal = 64;      // bytes before the @
constexpr qsizetype kMaxAddrSpec = 254;  // bytes of local@domain
constexpr qsizetype kMaxLabel = 63;      // characters of one part of a domain name
constexpr qsizetype kMaxDomain = 253;    // characters of a domain name

QString trimSpaces(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == QLatin1Char(' '))
        ++from;
    while (to > from && text.at(to - 1) == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

QString unquote(const QString& text)
{
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

void append(QString& s, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        s += QChar(QChar::highSurrogate(c));
        s += QChar(QChar::lowSurrogate(c));
    } else {
        s += QChar(char16_t(c));
    }
}

// A character that breaks a line or steers the text rather than showing.
bool isControl(char32_t c)
{
    return c < 0x20 || c == 0x7f || (c >= 0x80 && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

// Characters beyond ASCII that may stand in an address (the standard's UTF-8 extension): those
// that show as themselves. Format characters (direction marks and the like), other spaces,
// private and unassigned ones could hide what the address really is.
bool isVisibleNonAscii(char32_t c)
{
    if (c < 0x80 || c == 0xfffd)
        return false;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return false;
    default: return true;
    }
}

// The entry as code points, or the reason it holds a character no address may hold.
QString codePoints(const QString& text, std::u32string& out)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char32_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            u = QChar::surrogateToUcs4(c, text.at(++i));
        else if (c.isSurrogate())
            return Mail::tr("it holds a broken character");
        if (isControl(u))
            return Mail::tr("it holds a line break, a tab or another control character");
        if (u >= 0x80 && !isVisibleNonAscii(u))
            return Mail::tr("it holds an invisible or unknown character");
        out.push_back(u);
    }
    return {};
}

bool isAtext(char32_t c)
{
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9'))
        return true;
    // Beyond ASCII, only characters that passed codePoints() are ever looked at.
    static constexpr std::u32string_view kSigns = U"!#$%&'*+-/=?^_`{|}~";
    return c >= 0x80 || (c != 0 && kSigns.find(c) != std::u32string_view::npos);
}

bool isLabelCharacter(char32_t c)
{
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'-')
        return true;
    return c >= 0x80 && (QChar::isLetterOrNumber(c) || QChar::isMark(c));
}

QString angleBrackets()
{
    return Mail::tr("it holds angle brackets < > other than the pair around the address");
}

// Why a character stands where the grammar has no place for it.
QString outOfPlace(char32_t c)
{
    if (c == U' ')
        return Mail::tr("it holds a space inside the address");
    if (c == U'<' || c == U'>')
        return angleBrackets();
    if (c == U'@')
        return Mail::tr("it holds more than one @");
    QString shown;
    append(shown, c);
    return Mail::tr("it holds \"%1\" where the address has no place for it").arg(shown);
}

struct Cursor {
    explicit Cursor(const std::u32string& text)
        : s(text)
    {
    }

    const std::u32string& s;
    size_t i = 0;
    QString why;  // the first failure's reason

    bool end() const { return i >= s.size(); }
    char32_t peek() const { return end() ? 0 : s[i]; }
    bool fail(const QString& reason)
    {
        if (why.isEmpty())
            why = reason;
        return false;
    }
};

// Spaces and comments "(...)" (nested, with \-escapes), which the standard allows between the
// words of an address and which carry nothing.
bool skipCfws(Cursor& c)
{
    for (;;) {
        while (c.peek() == U' ')
            ++c.i;
        if (c.peek() != U'(')
            return true;
        int depth = 0;
        do {
            if (c.end())
                return c.fail(Mail::tr("a parenthesis is not closed"));
            char32_t ch = c.s[c.i++];
            const bool escaped = ch == U'\\';
            if (escaped) {
                if (c.end())
                    return c.fail(Mail::tr("a parenthesis is not closed"));
                ch = c.s[c.i++];
            }
            if (ch == U'<' || ch == U'>')
                return c.fail(angleBrackets());
            if (!escaped && ch == U'(')
                ++depth;
            else if (!escaped && ch == U')')
                --depth;
        } while (depth > 0);
    }
}

// A quoted string: the text between the quotes, with its \-escapes resolved.
bool quoted(Cursor& c, QString& text)
{
    ++c.i;
    while (!c.end()) {
        char32_t ch = c.s[c.i++];
        if (ch == U'"')
            return true;
        if (ch == U'\\') {
            if (c.end())
                break;
            ch = c.s[c.i++];
        }
        if (ch == U'<' || ch == U'>')
            return c.fail(angleBrackets());
        append(text, ch);
    }
    return c.fail(Mail::tr("a quotation mark is not closed"));
}

QString requoted(const QString& text)
{
    QString q = text;
    q.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The display name: words (atoms or quoted strings) and dots, as in "J. Smith", with spaces or
// comments between them. False only for a broken quote or comment.
bool phrase(Cursor& c, QString& name)
{
    for (;;) {
        const size_t before = c.i;
        if (!skipCfws(c))
            return false;
        const bool spaced = c.i != before;
        QString word;
        if (c.peek() == U'"') {
            if (!quoted(c, word))
                return false;
        } else if (isAtext(c.peek()) || c.peek() == U'.') {
            while (isAtext(c.peek()) || c.peek() == U'.')
                append(word, c.s[c.i++]);
        } else {
            return true;
        }
        if (spaced && !name.isEmpty())
            name += QLatin1Char(' ');
        name += word;
    }
}

// Words of atext parted by single dots, as the part before the @ is written.
bool dotAtom(Cursor& c, QString& out)
{
    for (;;) {
        const size_t start = c.i;
        while (isAtext(c.peek()))
            append(out, c.s[c.i++]);
        if (c.i == start) {
            if (c.peek() == U'.' || (!out.isEmpty() && c.peek() == U'@'))
                return c.fail(Mail::tr("the part before the @ starts or ends with a dot, or has two dots in a row"));
            if (c.peek() == U'@')
                return c.fail(Mail::tr("there is nothing before the @"));
            return c.fail(c.end() ? Mail::tr("there is no @ in it") : outOfPlace(c.peek()));
        }
        if (c.peek() != U'.')
            return true;
        append(out, c.s[c.i++]);
    }
}

bool domain(Cursor& c, QString& out)
{
    if (c.peek() == U'[') {
        // An address literal, "[192.0.2.1]" or "[IPv6:2001:db8::1]": letters, digits and the
        // signs these are written with, and nothing a list or a server could read otherwise.
        out += QLatin1Char('[');
        ++c.i;
        while (!c.end() && c.peek() != U']') {
            const char32_t ch = c.s[c.i++];
            const bool allowed = (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z') ||
                                 (ch >= U'0' && ch <= U'9') || ch == U':' || ch == U'.' || ch == U'-';
            if (!allowed)
                return c.fail(Mail::tr("the address in brackets after the @ is not valid"));
            append(out, ch);
        }
        if (c.end() || out.size() == 1)
            return c.fail(Mail::tr("the address in brackets after the @ is not valid"));
        out += QLatin1Char(']');
        ++c.i;
        return true;
    }
    for (;;) {
        QString label;
        while (isLabelCharacter(c.peek()))
            append(label, c.s[c.i++]);
        if (label.isEmpty() && c.end() && out.isEmpty())
            return c.fail(Mail::tr("there is nothing after the @"));
        if (label.isEmpty() || label.startsWith(QLatin1Char('-')) || label.endsWith(QLatin1Char('-')) ||
            label.size() > kMaxLabel)
            return c.fail(Mail::tr("the part after the @ is not a domain name such as example.org"));
        out += label;
        if (c.peek() != U'.')
            break;
        out += QLatin1Char('.');
        ++c.i;
    }
    if (out.size() > kMaxDomain)
        return c.fail(Mail::tr("the part after the @ is longer than 253 characters"));
    return true;
}

bool addrSpec(Cursor& c, Address& a)
{
    if (c.peek() == U'"') {
        QString content;
        if (!quoted(c, content))
            return false;
        if (content.isEmpty())
            return c.fail(Mail::tr("there is nothing before the @"));
        a.local = requoted(content);
    } else if (!dotAtom(c, a.local)) {
        return false;
    }
    if (c.peek() != U'@')
        return c.fail(c.end() ? Mail::tr("there is no @ in it") : outOfPlace(c.peek()));
    ++c.i;
    return domain(c, a.domain);
}

std::optional<Address> refuse(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return std::nullopt;
}

std::optional<Address> withinLimits(const Address& a, QString* why)
{
    if (a.local.toUtf8().size() > kMaxLocal)
        return refuse(why, Mail::tr("the part before the @ is longer than 64 characters"));
    if (a.addrSpec().toUtf8().size() > kMaxAddrSpec)
        return refuse(why, Mail::tr("the address is longer than 254 characters"));
    if (a.name.size() > kMaxName)
        return refuse(why, Mail::tr("the name is longer than 256 characters"));
    return a;
}

bool isIpv6Text(const QString& host)
{
    if (!host.contains(QLatin1Char(':')))
        return false;
    for (const QChar c : host) {
        if (!(c.isDigit() && c.unicode() < 0x80) && !QStringLiteral("abcdefABCDEF:.").contains(c))
            return false;
    }
    return true;
}

bool isHostName(const QString& host)
{
    if (host.isEmpty() || host.size() > kMaxDomain)
        return false;
    for (const QString& label : host.split(QLatin1Char('.'))) {
        if (label.isEmpty() || label.size() > kMaxLabel)
            return false;
        for (const QChar c : label) {
            const char16_t u = c.unicode();
            const bool ascii = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
                               u == u'-' || u == u'_';
            if (!ascii && (u < 0x80 || !(c.isLetterOrNumber() || c.isMark())))
                return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Address> parseAddress(const QString& entry, QString* why)
{
    const QString text = trimSpaces(entry);
    if (text.isEmpty())
        return refuse(why, Mail::tr("it is empty"));
    if (text.size() > kMaxEntry)
        return refuse(why, Mail::tr("it is too long"));
    std::u32string s;
    if (const QString bad = codePoints(text, s); !bad.isEmpty())
        return refuse(why, bad);

    // A name and the address in angle brackets...
    Cursor n(s);
    Address a;
    QString name;
    if (phrase(n, name) && n.peek() == U'<') {
        ++n.i;
        if (skipCfws(n) && addrSpec(n, a) && skipCfws(n)) {
            if (n.peek() != U'>') {
                n.fail(n.end() ? Mail::tr("the < before the address has no > after it") : outOfPlace(n.peek()));
            } else {
                ++n.i;
                if (skipCfws(n) && !n.end())
                    n.fail(Mail::tr("something follows the > after the address"));
            }
        }
        if (!n.why.isEmpty())
            return refuse(why, n.why);
        a.name = name;
        return withinLimits(a, why);
    }
    if (!n.why.isEmpty())
        return refuse(why, n.why);

    // ... or the address alone.
    Cursor b(s);
    a = Address{};
    if (skipCfws(b) && addrSpec(b, a) && skipCfws(b) && !b.end())
        b.fail(outOfPlace(b.peek()));
    if (!b.why.isEmpty())
        return refuse(why, b.why);
    return withinLimits(a, why);
}

QStringList splitAddresses(const QString& list)
{
    QStringList out;
    QString current;
    bool inQuotes = false;
    int comment = 0;
    bool angled = false;
    const auto take = [&] {
        const QString entry = trimSpaces(unquote(trimSpaces(current)));
        if (!entry.isEmpty())
            out << entry;
        current.clear();
    };
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QChar c = list.at(i);
        if (c == QLatin1Char('\\') && (inQuotes || comment > 0) && i + 1 < list.size()) {
            current += c;
            current += list.at(++i);
            continue;
        }
        if (inQuotes) {
            inQuotes = c != QLatin1Char('"');
        } else if (comment > 0) {
            if (c == QLatin1Char('('))
                ++comment;
            else if (c == QLatin1Char(')'))
                --comment;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char('(')) {
            comment = 1;
        } else if (c == QLatin1Char('<')) {
            angled = true;
        } else if (c == QLatin1Char('>')) {
            angled = false;
        } else if ((c == QLatin1Char(',') || c == QLatin1Char(';')) && !angled) {
            take();
            continue;
        }
        current += c;
    }
    take();
    return out;
}

AddressList parseAddressList(const QString& list)
{
    AddressList out;
    for (const QString& entry : splitAddresses(list)) {
        QString why;
        const std::optional<Address> a = parseAddress(entry, &why);
        if (!a) {
            out.addresses.clear();
            out.badEntry = entry;
            out.why = why;
            return out;
        }
        out.addresses << *a;
    }
    return out;
}

QString addressFieldProblem(const QString& text)
{
    if (trimSpaces(text).isEmpty())
        return {};
    const AddressList list = parseAddressList(text);
    if (list.ok())
        return list.addresses.isEmpty() ? Mail::tr("it holds no address") : QString();
    if (splitAddresses(text).size() > 1)
        return Mail::tr("\"%1\": %2").arg(escapeControls(list.badEntry), list.why);
    return list.why;
}

QString fieldProblemMessage(const QString& fieldName, const QString& problem)
{
    return Mail::tr("%1 is not a valid e-mail address: %2.\nType it as name@example.org or as Name <name@example.org>; "
                    "several addresses are parted by commas.")
        .arg(fieldName, problem);
}

QString fieldProblemTitle()
{
    return Mail::tr("Invalid E-mail Address");
}

QString Server::url() const
{
    QString u = scheme + QStringLiteral("://") +
                (host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host);
    if (port > 0)
        u += QLatin1Char(':') + QString::number(port);
    return u;
}

std::optional<Server> parseServer(const QString& text, QString* why)
{
    const auto no = [why](const QString& reason) -> std::optional<Server> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    QString rest = trimSpaces(text);
    if (rest.isEmpty())
        return no(Mail::tr("it is empty"));
    for (const QChar c : rest) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || (c.unicode() >= 0x80 && c.unicode() <= 0x9f) || c.isSpace() ||
            c.category() == QChar::Other_Format || c.isSurrogate())
            return no(Mail::tr("it holds a space, a line break or another control character"));
    }
    Server s;
    s.scheme = QStringLiteral("smtp");
    if (const qsizetype sep = rest.indexOf(QStringLiteral("://")); sep >= 0) {
        s.scheme = rest.left(sep).toLower();
        if (s.scheme != QLatin1String("smtp") && s.scheme != QLatin1String("smtps"))
            return no(Mail::tr("only smtp:// and smtps:// servers can send mail"));
        rest = rest.mid(sep + 3);
    }
    if (rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    for (const char* part : {"/", "@", "?", "#"}) {
        if (rest.contains(QLatin1String(part)))
            return no(Mail::tr("it holds more than the server's name and port"));
    }
    QString port;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return no(Mail::tr("the [ before the server's address has no ] after it"));
        s.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return no(Mail::tr("it holds more than the server's name and port"));
        port = after.mid(1);
        if (!isIpv6Text(s.host))
            return no(Mail::tr("the address in brackets is not an IPv6 address"));
    } else {
        if (rest.count(QLatin1Char(':')) > 1)
            return no(Mail::tr("an IPv6 address must stand in brackets, as in [2001:db8::1]:587"));
        const qsizetype colon = rest.indexOf(QLatin1Char(':'));
        s.host = colon < 0 ? rest : rest.left(colon);
        if (colon >= 0)
            port = rest.mid(colon + 1);
        if (!isHostName(s.host))
            return no(Mail::tr("\"%1\" is not a server name").arg(s.host));
    }
    if (!port.isEmpty() || rest.endsWith(QLatin1Char(':'))) {
        bool ok = port.size() <= 5;
        for (const QChar c : port)
            ok = ok && c.unicode() >= u'0' && c.unicode() <= u'9';
        s.port = ok ? port.toInt() : 0;
        if (s.port < 1 || s.port > 65535)
            return no(Mail::tr("the port is not a number from 1 to 65535"));
    }
    return s;
}

bool isLoopbackHost(const QString& host)
{
    QString h = host.toLower();
    if (h.startsWith(QLatin1Char('[')) && h.endsWith(QLatin1Char(']')))
        h = h.mid(1, h.size() - 2);
    if (h == QLatin1String("localhost") || h == QLatin1String("localhost.") || h == QLatin1String("::1") ||
        h == QLatin1String("0:0:0:0:0:0:0:1"))
        return true;
    if (h.startsWith(QLatin1String("::ffff:")))
        h = h.mid(7);
    // Dotted decimal only: other spellings (octal, hexadecimal, fewer parts) may be read as
    // another machine's address by the resolver, so they never count as this one.
    const QStringList parts = h.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& p : parts) {
        if (p.isEmpty() || p.size() > 3 || (p.size() > 1 && p.startsWith(QLatin1Char('0'))))
            return false;
        for (const QChar c : p) {
            if (c.unicode() < u'0' || c.unicode() > u'9')
                return false;
        }
        if (p.toInt() > 255)
            return false;
    }
    return parts.first() == QLatin1String("127");
}

bool encryptionRequired(const Server& server, bool login, bool allowPlain)
{
    return login && !allowPlain && !isLoopbackHost(server.host);
}

}  // namespace pw::mail
