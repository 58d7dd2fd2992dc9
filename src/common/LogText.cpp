// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LogText.h"

namespace pw {

QString escapeControls(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        switch (u) {
        case u'\r': out += QLatin1String("\\r"); continue;
        case u'\n': out += QLatin1String("\\n"); continue;
        case u'\t': out += QLatin1String("\\t"); continue;
        default: break;
        }
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            out += QStringLiteral("\\x%1").arg(unsigned(u), 2, 16, QLatin1Char('0'));
        else if (u == 0x2028 || u == 0x2029 || c.isSurrogate())
            out += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

}  // namespace pw
