// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/Captains.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/teams/PlayerProfile.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>

#include <algorithm>

namespace pw {

namespace {

// The translation context of the games texts.
struct Games {
    Q_DECLARE_TR_FUNCTIONS(Games)
};

// Tournament games are numbered from 1000 on, so a season never has more than 999 games,
// whatever a damaged game count says.
constexpr int kLastSeasonGame = 999;
constexpr int kSeasonCaptainsLength = 255;

}  // namespace

QSet<qint16> seasonCaptainSet(const QString& text)
{
    QSet<qint16> out;
    for (const QString& piece : text.split(QLatin1Char(';'))) {
        const QString t = piece.trimmed();
        // Digits only, so that "+3", "3.0" or "0x3" are not taken for a player by accident.
        if (t.isEmpty() || t.size() > 5 ||
            !std::all_of(t.begin(), t.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
            continue;
        const int playerNo = t.toInt();
        if (playerNo >= 1 && playerNo <= 32767)
            out.insert(static_cast<qint16>(playerNo));
    }
    return out;
}

QSet<qint16> readSeasonCaptains(qint16 teamNo)
{
    return seasonCaptainSet(
        GetDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("SeasonCaptains")));
}

QString seasonCaptainText(const QList<qint16>& playerNos)
{
    QStringList parts;
    for (const qint16 playerNo : playerNos) {
        const QString part = QString::number(playerNo);
        if (!parts.contains(part))
            parts << part;
    }
    return parts.join(QLatin1Char(';'));
}

CaptainHistory readCaptains(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("readCaptains"), traceArg(QStringLiteral("TeamNo"), teamNo));
    CaptainHistory history;
    QSqlQuery team = execSql(
        QStringLiteral("SELECT TrackCaptain, NumberOfGames, SeasonCaptains FROM Teams WHERE TeamNo = ?"), {teamNo});
    if (team.next()) {
        history.seasonMode = NullToInt(team.value(0)) == 1;
        history.numberOfGames = static_cast<qint16>(std::clamp<int>(NullToInt(team.value(1)), 0, kLastSeasonGame));
        history.storedSeasonCaptains = NullToText(team.value(2));
    }
    const QSet<qint16> seasonCaptains = seasonCaptainSet(history.storedSeasonCaptains);

    // The players as the player picker lists them: by name, case ignored.
    QHash<qint16, qsizetype> rowOf;
    for (const PlayerEntry& e : playerEntries(teamNo)) {
        CaptainPlayer p;
        p.playerNo = e.playerNo;
        p.caption = e.text;
        p.seasonCaptain = seasonCaptains.contains(p.playerNo);
        rowOf.insert(p.playerNo, history.players.size());
        history.players << p;
    }

    if (history.seasonMode || history.numberOfGames < 1 || history.players.isEmpty())
        return history;
    QSqlQuery games = execSql(QStringLiteral("SELECT PlayerNo, GameNo FROM GameStat WHERE TeamNo = ? AND Captain = ? "
                                             "AND GameNo BETWEEN 1 AND ? ORDER BY GameNo ASC"),
                              {teamNo, true, history.numberOfGames});
    while (games.next()) {
        const auto row = rowOf.constFind(NullToInt(games.value(0)));
        if (row == rowOf.constEnd())
            continue;  // a player who has left the team
        QList<qint16>& captained = history.players[*row].games;
        const qint16 gameNo = NullToInt(games.value(1));
        if (captained.isEmpty() || captained.last() != gameNo)
            captained << gameNo;
    }
    return history;
}

bool saveSeasonCaptains(qint16 teamNo, const QList<qint16>& playerNos)
{
    const QString text = seasonCaptainText(playerNos);
    PW_TRACE(QStringLiteral("saveSeasonCaptains"),
             traceArg(QStringLiteral("TeamNo"), teamNo) + traceArg(QStringLiteral("SeasonCaptains"), text));
    // Refused here, so that both engines refuse alike rather than one of them cutting the list.
    if (text.size() > kSeasonCaptainsLength)
        throw PwError(err::BadArgument, Games::tr("Too many season captains to keep. Choose fewer captains."));
    const bool stored = PutDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), teamNo}},
                                  QStringLiteral("SeasonCaptains"), text);
    if (stored)
        announce(Change::Team, teamNo);
    return stored;
}

}  // namespace pw
