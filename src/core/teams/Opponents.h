// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace pw {

// One entry of the opponents screen's working list. The own team carries its name with a
// leading "*", which is how the list keeps that mark until it is saved.
struct OpponentEntry {
    qint16 number = 0;
    QString name;  // "*Comets" for the own team
    QString coach;
    QString phone;
    QString color;

    bool isUs() const { return name.startsWith(QLatin1Char('*')); }
    QString plainName() const { return isUs() ? name.mid(1) : name; }
};

// The team's opponents as the opponents screen edits them: read as a whole, changed in memory,
// written back as a whole.
class OpponentList {
public:
    // The team's opponents by number, the own team marked.
    static OpponentList load(qint16 teamNo);

    const QList<OpponentEntry>& entries() const { return m_entries; }
    bool changed() const { return m_changed; }
    // "3 - Valley FC  (Pat Moore)".
    QString lineText(qsizetype index) const;

    // Puts an entry at position index (replacing that entry), or at the end when index is -1;
    // returns where it went. A number that is not a whole number from 1 to 32767, or that another
    // entry already has, is refused with a PwError that says so, and the list stays as it was.
    qsizetype store(qsizetype index, const QString& numberText, const QString& name, const QString& coach,
                    const QString& phone, const QString& color, bool ourTeam);

    // Replaces the team's opponents by the list in one transaction.
    void save(qint16 teamNo);

private:
    QList<OpponentEntry> m_entries;
    bool m_changed = false;
};

// What "Our Team" fills in: the team's name, head coach, coach's phone and jersey colour.
OpponentEntry ourTeamEntry(qint16 teamNo);

// The opponent picker's entries ("*Comets:  Jo Park"), by number.
struct OpponentChoice {
    qint16 number = 0;
    QString name;  // with the "*" of the own team
    QString text;
};
QList<OpponentChoice> opponentChoices(qint16 teamNo);

}  // namespace pw
