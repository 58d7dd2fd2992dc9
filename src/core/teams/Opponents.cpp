// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/teams/Opponents.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"

#include <QCoreApplication>

namespace pw {

namespace {

// The translation context of the teams texts.
struct Teams {
    Q_DECLARE_TR_FUNCTIONS(Teams)
};

}  // namespace

OpponentList OpponentList::load(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("Form_Load"), traceArg(QStringLiteral("TeamNo"), teamNo));
    OpponentList list;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT OpponentNo, OpponentName, OpponentCoach, OpponentCoachPhone, OpponentColor, "
                               "IsUs FROM Opponent WHERE TeamNo = ? ORDER BY OpponentNo ASC"),
                {teamNo});
    while (q.next()) {
        OpponentEntry e;
        e.number = NullToInt(q.value(0));
        e.name = (q.value(5).toBool() ? QStringLiteral("*") : QString()) + NullToText(q.value(1));
        e.coach = NullToText(q.value(2));
        e.phone = NullToText(q.value(3));
        e.color = NullToText(q.value(4));
        list.m_entries << e;
    }
    return list;
}

QString OpponentList::lineText(qsizetype index) const
{
    const OpponentEntry& e = m_entries.at(index);
    return QString::number(e.number) + QStringLiteral(" - ") + shownText(e.name) + QStringLiteral("  (") +
           shownText(e.coach) + QLatin1Char(')');
}

qsizetype OpponentList::store(qsizetype index, const QString& numberText, const QString& name, const QString& coach,
                              const QString& phone, const QString& color, bool ourTeam)
{
    bool ok = false;
    const int number = numberText.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > 32767)
        throw PwError(err::BadArgument, Teams::tr("The team number must be a whole number from 1 to 32767."));
    // The store keeps one opponent per number: games find their opponent by it.
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (i != index && m_entries.at(i).number == number)
            throw PwError(err::BadArgument, Teams::tr("The number %1 is already used by %2. Choose another number.")
                                                .arg(number)
                                                .arg(shownText(m_entries.at(i).plainName())));
    }
    // A name typed with a "*" of its own would read as the own team.
    QString plain = name;
    while (plain.startsWith(QLatin1Char('*')))
        plain.remove(0, 1);
    OpponentEntry e{static_cast<qint16>(number), (ourTeam ? QStringLiteral("*") : QString()) + plain, coach, phone,
                    color};
    m_changed = true;
    if (index >= 0 && index < m_entries.size()) {
        m_entries[index] = e;
        return index;
    }
    m_entries << e;
    return m_entries.size() - 1;
}

void OpponentList::save(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("OKButton_Click"), traceArg(QStringLiteral("TeamNo"), teamNo));
    RowSet set{QStringLiteral("Opponent"),
               {{QStringLiteral("TeamNo"), teamNo}},
               {QStringLiteral("TeamNo"), QStringLiteral("OpponentNo"), QStringLiteral("OpponentName"),
                QStringLiteral("OpponentCoach"), QStringLiteral("OpponentCoachPhone"), QStringLiteral("OpponentColor"),
                QStringLiteral("IsUs")},
               {}};
    for (const OpponentEntry& e : m_entries)
        set.rows << QVariantList{teamNo, e.number, e.plainName(), e.coach, e.phone, e.color, e.isUs()};
    replaceRows(set);
    m_changed = false;
    announce(Change::Opponents, teamNo);
}

OpponentEntry ourTeamEntry(qint16 teamNo)
{
    OpponentEntry e;
    QSqlQuery q =
        execSql(QStringLiteral("SELECT TeamName, TeamCoach1, TeamCoach1Phone, JerseyColor FROM Teams WHERE TeamNo = ?"),
                {teamNo});
    if (q.next()) {
        e.name = NullToText(q.value(0));
        e.coach = NullToText(q.value(1));
        e.phone = NullToText(q.value(2));
        e.color = NullToText(q.value(3));
    }
    return e;
}

QList<OpponentChoice> opponentChoices(qint16 teamNo)
{
    QList<OpponentChoice> out;
    const OpponentList list = OpponentList::load(teamNo);
    for (const OpponentEntry& e : list.entries())
        out << OpponentChoice{e.number, e.name, shownText(e.name) + QStringLiteral(":  ") + shownText(e.coach)};
    return out;
}

}  // namespace pw
