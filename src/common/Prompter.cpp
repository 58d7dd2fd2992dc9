// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Prompter.h"

#include <QDebug>
#include <QStringList>

namespace pw {

namespace {

class SilentPrompter final : public Prompter {
public:
    Answer message(const QString& title, const QString& text, Icon, Buttons buttons) override
    {
        qWarning().noquote() << title << ":" << text;
        switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return Answer::Cancel;
        case Buttons::YesNo: return Answer::No;
        case Buttons::YesNoCancel: return Answer::Cancel;
        }
        return Answer::Cancel;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&, bool) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
};

SilentPrompter g_silent;
Prompter* g_prompter = nullptr;

}  // namespace

Prompter& prompter()
{
    return g_prompter ? *g_prompter : g_silent;
}

void setPrompter(Prompter* p)
{
    g_prompter = p;
}

QString qtFileFilter(const QString& pipeFilter)
{
    // Pairs of description and pattern. Qt reads the patterns from the brackets of the
    // description, so the bracket is rebuilt from the pattern half: that one is what filters.
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts.at(i).trimmed();
        const qsizetype bracket = desc.indexOf(QLatin1Char('('));
        if (bracket >= 0)
            desc = desc.left(bracket).trimmed();
        QString pattern = parts.at(i + 1).trimmed();
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(desc, pattern);
    }
    return out.join(QStringLiteral(";;"));
}

}  // namespace pw
