// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Changes.h"

#include "data/Database.h"

namespace pw {

void ChangeNotices::announce(const ChangeNotice& notice)
{
    if (transactionOpen()) {
        m_pending << notice;
        return;
    }
    Q_EMIT changed(notice);
}

void ChangeNotices::transactionEnded(bool committed)
{
    const QList<ChangeNotice> pending = std::exchange(m_pending, {});
    if (!committed)
        return;
    // The same notice from several steps of one save is sent once.
    QList<ChangeNotice> sent;
    for (const ChangeNotice& n : pending) {
        const bool seen = std::any_of(sent.cbegin(), sent.cend(), [&](const ChangeNotice& s) {
            return s.what == n.what && s.teamNo == n.teamNo && s.gameNo == n.gameNo;
        });
        if (!seen) {
            sent << n;
            Q_EMIT changed(n);
        }
    }
}

ChangeNotices& changeNotices()
{
    static ChangeNotices notices;
    return notices;
}

void announce(Change what, qint16 teamNo, qint16 gameNo)
{
    changeNotices().announce({what, teamNo, gameNo});
}

}  // namespace pw
