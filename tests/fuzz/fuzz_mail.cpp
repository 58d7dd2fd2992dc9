// SPDX-License-Identifier: GPL-3.0-or-later
// The mailer's addresses and message: recipients, copy, sender, subject and body (parted by a
// 0xFF byte, which no UTF-8 text holds) are read and composed as the mailer does. Whatever the
// input, every address that is accepted is one line of plain address text that reads back the
// same, and the composed message keeps its header lines: no value can end a header, start one
// of its own or end the message early.
#include "MailText.h"
#include "common/LogText.h"
#include "common/MailAddress.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// An address as the server and the header get it: no control character, no bracket, no space
// outside a quoted part before the @; and read again, it is the same address.
void checkAddress(const pw::mail::Address& a)
{
    const QString bare = a.addrSpec();
    check(pw::escapeControls(bare) == bare && pw::escapeControls(a.name) == a.name);
    check(!bare.contains(QLatin1Char('<')) && !bare.contains(QLatin1Char('>')));
    check(!a.local.contains(QLatin1Char(' ')) || a.local.startsWith(QLatin1Char('"')));
    check(!a.domain.contains(QLatin1Char(' ')) && !a.domain.isEmpty());
    const std::optional<pw::mail::Address> again = pw::mail::parseAddress(bare);
    check(again && again->local == a.local && again->domain == a.domain);
    const std::optional<pw::mail::Address> envelope =
        pw::mail::parseAddress(QLatin1Char('<') + bare + QLatin1Char('>'));
    check(envelope && envelope->addrSpec() == bare);
}

QList<QString> addressSpecs(const QList<pw::mail::Address>& list)
{
    QList<QString> out;
    for (const pw::mail::Address& a : list)
        out << a.addrSpec();
    return out;
}

// The value of one header, its folded lines joined again.
QString headerValue(const QByteArray& head, const QByteArray& name)
{
    const qsizetype start = head.startsWith(name + ": ") ? 0 : head.indexOf("\r\n" + name + ": ");
    check(start >= 0);
    QByteArray value;
    for (qsizetype i = start + (start == 0 ? 0 : 2) + name.size() + 2; i < head.size();) {
        const qsizetype end = head.indexOf("\r\n", i);
        value += head.mid(i, end < 0 ? -1 : end - i);
        if (end < 0 || end + 2 >= head.size() || head.at(end + 2) != ' ')
            break;
        i = end + 2;
    }
    return QString::fromUtf8(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)).split('\xff');
    const auto part = [&parts](qsizetype i) { return i < parts.size() ? QString::fromUtf8(parts.at(i)) : QString(); };

    const pw::mail::AddressList to = pw::mail::parseAddressList(part(0));
    const pw::mail::AddressList cc = pw::mail::parseAddressList(part(1));
    const pw::mail::AddressList from = pw::mail::parseAddressList(part(2));
    for (const pw::mail::AddressList* list : {&to, &cc, &from}) {
        check(list->ok() || list->addresses.isEmpty());
        for (const pw::mail::Address& a : list->addresses)
            checkAddress(a);
    }
    for (const QString& entry : pw::mail::splitAddresses(part(0)))
        check(!entry.isEmpty() && !entry.startsWith(QLatin1Char(' ')) && !entry.endsWith(QLatin1Char(' ')));
    if (!to.ok() || to.addresses.isEmpty() || !cc.ok() || !from.ok() || from.addresses.size() != 1)
        return 0;

    const QByteArray m = pwmail::composeMessage(from.addresses.first(), to.addresses, cc.addresses, part(3), part(4),
                                                QDateTime(QDate(2026, 9, 5), QTime(10, 0)));
    // Lines end in CRLF only, and none is longer than the standard's 998 characters.
    check(!m.contains('\0') && m.count('\r') == m.count('\n') && m.count("\r\n") == m.count('\n'));
    for (const QByteArray& line : m.split('\n'))
        check(line.size() <= 999);
    const qsizetype bodyStart = m.indexOf("\r\n\r\n");
    check(bodyStart > 0);
    const QByteArray head = m.left(bodyStart);
    QList<QByteArray> names;
    for (const QByteArray& line : head.split('\n')) {
        if (!line.startsWith(' '))
            names << line.left(line.indexOf(':'));
    }
    QList<QByteArray> expected{"Date", "From", "To"};
    if (!cc.addresses.isEmpty())
        expected << "Cc";
    expected << "Subject"
             << "Message-ID"
             << "MIME-Version"
             << "Content-Type"
             << "Content-Transfer-Encoding";
    check(names == expected);
    // The body never holds the line that ends a message.
    check(!m.mid(bodyStart).contains("\r\n.\r\n") && !m.mid(bodyStart).contains("\r\n.."));
    // The address headers read back as the addresses they were made of.
    check(addressSpecs(pw::mail::parseAddressList(headerValue(head, "To")).addresses) == addressSpecs(to.addresses));
    if (!cc.addresses.isEmpty())
        check(addressSpecs(pw::mail::parseAddressList(headerValue(head, "Cc")).addresses) ==
              addressSpecs(cc.addresses));
    check(addressSpecs(pw::mail::parseAddressList(headerValue(head, "From")).addresses) ==
          addressSpecs(from.addresses));
    return 0;
}
