// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/GameStats.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"

#include <QCoreApplication>
#include <QObject>

#include <algorithm>

namespace pw {

namespace {

// The translation context of the games texts.
struct Games {
    Q_DECLARE_TR_FUNCTIONS(Games)
};

constexpr qint32 kLargestFigure = 32767;
constexpr int kResultWaiting = 99;

Where statKey(qint16 teamNo, qint16 gameNo, qint16 playerNo)
{
    return {
        {QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("GameNo"), gameNo}, {QStringLiteral("PlayerNo"), playerNo}};
}

}  // namespace

QStringList StatFigures::columns()
{
    return {QStringLiteral("Shots"),    QStringLiteral("Goals"),      QStringLiteral("Blocks"),
            QStringLiteral("Assists"),  QStringLiteral("ShotOnGoal"), QStringLiteral("GoalsBlocked"),
            QStringLiteral("OverShot"), QStringLiteral("GoalsScored")};
}

QStringList StatFigures::texts() const
{
    return {shots, goals, blocks, assists, shotOnGoal, goalsBlocked, overShot, goalsScored};
}

PlayerGameStats readGameStats(qint16 teamNo, qint16 gameNo, qint16 playerNo)
{
    PW_TRACE(QStringLiteral("readGameStats"), traceArg(QStringLiteral("TeamNo"), teamNo) +
                                                  traceArg(QStringLiteral("GameNo"), gameNo) +
                                                  traceArg(QStringLiteral("PlayerNo"), playerNo));
    const Where key = statKey(teamNo, gameNo, playerNo);
    QSqlQuery q = execSql(QStringLiteral("SELECT %1, QtrPlayed, QtrAvailable FROM GameStat%2")
                              .arg(StatFigures::columns().join(QStringLiteral(", ")), key.clause()),
                          key.values());
    PlayerGameStats stats;
    if (!q.next())
        return stats;
    stats.exists = true;
    int i = 0;
    for (QString* figure :
         {&stats.figures.shots, &stats.figures.goals, &stats.figures.blocks, &stats.figures.assists,
          &stats.figures.shotOnGoal, &stats.figures.goalsBlocked, &stats.figures.overShot, &stats.figures.goalsScored})
        *figure = NullToText(q.value(i++));
    stats.qtrPlayed = NullToInt(q.value(i++));
    stats.qtrAvailable = NullToText(q.value(i++));
    return stats;
}

bool isGoalkeeper(const QString& positionText)
{
    const QString t = positionText.trimmed();
    return !t.isEmpty() && t.back() == QLatin1Char('1');
}

std::optional<qint32> figureValue(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    // Digits only: a sign, a decimal point or an exponent is not a count of anything.
    if (t.size() > 5 ||
        !std::all_of(t.begin(), t.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return std::nullopt;
    const qint32 value = t.toInt();
    return value <= kLargestFigure ? std::optional<qint32>(value) : std::nullopt;
}

QString goalieShotsOnGoal(const QString& goalsBlocked, const QString& goalsLetIn, const QString& overShot)
{
    const QStringList parts{goalsBlocked, goalsLetIn, overShot};
    if (std::all_of(parts.begin(), parts.end(), [](const QString& p) { return p.trimmed().isEmpty(); }))
        return {};
    qint32 sum = 0;
    for (const QString& p : parts) {
        const auto value = figureValue(p);
        if (!value)
            return QStringLiteral("Err");
        sum += *value;
    }
    // A sum that could not be stored would be refused at the save; it says so here already.
    return sum <= kLargestFigure ? QString::number(sum) : QStringLiteral("Err");
}

bool isSingleGame(qint16 gameNo)
{
    return gameNo >= 1 && gameNo % 100 != 0;
}

QList<StatPlayer> statPlayers(qint16 teamNo, int nameOption)
{
    PW_TRACE(QStringLiteral("FillPlayerList"), traceArg(QStringLiteral("TeamNo"), teamNo));
    QList<StatPlayer> out;
    // Both engines put a player without a jersey first: the store would otherwise decide.
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo, Nickname, PlayerLastName, PlayerFirstName, Position FROM Player "
                               "WHERE TeamNo = ? ORDER BY COALESCE(JerseyNo, 0) ASC, PlayerNo ASC"),
                {teamNo});
    while (q.next()) {
        StatPlayer p;
        p.playerNo = NullToInt(q.value(0));
        p.text = shownText(Makename(q.value(1), q.value(2), q.value(3), nameOption));
        p.lastName = NullToText(q.value(2));
        p.firstName = NullToText(q.value(3));
        p.position = NullToText(q.value(4));
        out << p;
    }
    return out;
}

bool saveGameStats(qint16 teamNo, qint16 gameNo, qint16 opponentNo, qint16 playerNo, const StatFigures& figures,
                   bool goalkeeper)
{
    PW_TRACE(QStringLiteral("OKButton_Click"), traceArg(QStringLiteral("TeamNo"), teamNo) +
                                                   traceArg(QStringLiteral("GameNo"), gameNo) +
                                                   traceArg(QStringLiteral("PlayerNo"), playerNo));
    if (teamNo < 1 || playerNo < 1 || !isSingleGame(gameNo))
        throw PwError(err::BadArgument, Games::tr("Statistics are kept for a player of a team in one game."));
    QVariantList values;
    for (const QString& text : figures.texts()) {
        const auto value = figureValue(text);
        if (!value)
            throw PwError(err::BadArgument, Games::tr("Check the values. All values must be numeric"));
        values << *value;
    }

    const Where key = statKey(teamNo, gameNo, playerNo);
    Transaction tx;
    if (!goalkeeper) {
        // Figures from a game he kept goal in stay; the dialog never showed them to change.
        QSqlQuery stored = execSql(
            QStringLiteral("SELECT ShotOnGoal, GoalsBlocked, OverShot, GoalsScored FROM GameStat%1").arg(key.clause()),
            key.values());
        const bool found = stored.next();
        for (int i = 0; i < 4; ++i)
            values[4 + i] = found && !stored.value(i).isNull() ? stored.value(i) : QVariant(0);
    }
    QStringList columns{QStringLiteral("Opponent")};
    columns << StatFigures::columns();
    values.prepend(opponentNo);
    const bool added = upsertRow(QStringLiteral("GameStat"), key, columns, values);
    PutDBData(QStringLiteral("Schedule"), {{QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("GameNo"), gameNo}},
              QStringLiteral("Result"), kResultWaiting);
    announce(Change::Statistics, teamNo, gameNo);
    tx.commit();
    return added;
}

}  // namespace pw
