// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tournaments/Bracket.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/schedule/Schedule.h"
#include "data/Backup.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QObject>
#include <QRegularExpression>
#include <QSet>

namespace pw {

namespace {

// The translation context of the tournaments texts.
struct Tournaments {
    Q_DECLARE_TR_FUNCTIONS(Tournaments)
};

const QString kEmptyTag = QStringLiteral(";;");

int clampRounds(int rounds)
{
    return qBound(1, rounds, bracket::kMaxRounds);
}

int positionsIn(int rounds, int column)
{
    return 1 << (rounds - column);
}

QString traceTeamTournament(qint16 teamNo, qint16 tournamentNo)
{
    return traceArg(QStringLiteral("lcTeamNo"), teamNo) + traceArg(QStringLiteral("TournamentNo"), tournamentNo);
}

Where tournamentScope(qint16 teamNo, qint16 tournamentNo)
{
    return {{QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("TournamentNo"), tournamentNo}};
}

// Numbers as "12/31/2026", "31/12/2026", "31.12.2026" or "2026-12-31", with or without a time after
// them. Day and month are told apart by a number above 12; when both could be either, the coach's
// own date order decides, as the date entry wrote the text in it.
QDate parseTagDate(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    static const QRegularExpression numeric(QStringLiteral("^(\\d{1,4})([-/.])(\\d{1,2})\\2(\\d{1,4})(?:[T ].*)?$"));
    const QRegularExpressionMatch m = numeric.match(t);
    if (m.hasMatch()) {
        const int a = m.captured(1).toInt();
        const int b = m.captured(3).toInt();
        if (m.captured(1).size() == 4)
            return QDate(a, b, m.captured(4).toInt());
        const QString yearText = m.captured(4);
        if (yearText.size() != 2 && yearText.size() != 4)
            return {};
        const int year = yearText.size() == 2 ? 2000 + yearText.toInt() : yearText.toInt();
        bool dayFirst = m.captured(2) == QLatin1String(".");
        if (!dayFirst) {
            if (a > 12)
                dayFirst = true;
            else if (b <= 12 && a != b) {
                const QString order = shortDateFormat();
                dayFirst = order.indexOf(QLatin1Char('d')) < order.indexOf(QLatin1Char('M'));
            }
        }
        return dayFirst ? QDate(year, b, a) : QDate(year, a, b);
    }
    const QLocale locale;
    for (QLocale::FormatType f : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDate d = locale.toDate(t, f);
        if (d.isValid())
            return d;
    }
    return {};
}

QString timeText(const QTime& time, const QString& pattern)
{
    return time.isValid() ? QLocale().toString(time, pattern) : QString();
}

// A team set against itself: how an empty pair is marked.
bool isSelfPair(const BracketTeam& upper, const BracketTeam& lower)
{
    return !upper.tag.isEmpty() && upper.tag.trimmed() == lower.tag.trimmed();
}

void markSelfPairs(Bracket& bracket)
{
    for (int game : bracket.games()) {
        BracketTeam upper = bracket.team(game);
        BracketTeam lower = bracket.team(game + 1);
        const bool hide = isSelfPair(upper, lower);
        if (upper.hidden != hide || lower.hidden != hide) {
            upper.hidden = lower.hidden = hide;
            bracket.setTeam(game, upper);
            bracket.setTeam(game + 1, lower);
        }
    }
}

// An opponent number kept as text; nothing when the text is not one.
std::optional<qint16> opponentNumber(const QString& tag)
{
    bool ok = false;
    const int n = tag.trimmed().toInt(&ok);
    if (!ok || n < -32768 || n > 32767)
        return std::nullopt;
    return static_cast<qint16>(n);
}

void requireTournamentNo(qint16 tournamentNo)
{
    if (tournamentNo < 1 || tournamentNo > bracket::kMaxTournaments)
        throw PwError(err::BadArgument,
                      Tournaments::tr("Tournament %1 is not a tournament number a team can have.").arg(tournamentNo));
}

TournamentInfo infoFrom(const QSqlQuery& q)
{
    TournamentInfo info;
    info.teamNo = NullToInt(q.value(0));
    info.tournamentNo = NullToInt(q.value(1));
    info.name = NullToText(q.value(2));
    info.rounds = static_cast<qint16>(clampRounds(NullToInt(q.value(3))));
    info.startDate = toDateTime(q.value(4)).date();
    return info;
}

const QString kInfoColumns = QStringLiteral(
    "SELECT TeamNo, TournamentNo, TournamentName, TournamentTeams, TournamentStartDate FROM TournamentInfo ");

}  // namespace

// --- Game tags ---------------------------------------------------------------------------------

QString BracketGameTag::toText() const
{
    if (isEmpty())
        return kEmptyTag;
    // Seconds are written only when there are any, so a time read back is the time written.
    const QString clock = time.second() != 0 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    return (date.isValid() ? date.toString(Qt::ISODate) : QString()) + QLatin1Char(';') +
           (time.isValid() ? time.toString(clock) : QString()) + QLatin1Char(';') + field;
}

BracketGameTag BracketGameTag::parse(const QString& text)
{
    BracketGameTag tag;
    if (text.trimmed() == QLatin1String("Game Time"))
        return tag;
    const QStringList parts = text.split(QLatin1Char(';'));
    tag.date = parseTagDate(parts.value(0));
    tag.time = parseGameTime(parts.value(1));
    // A field name may hold ";" itself: everything after the second separator is the field.
    tag.field = parts.mid(2).join(QLatin1Char(';'));
    return tag;
}

QString FormatGameTime(const QString& tag)
{
    const BracketGameTag t = BracketGameTag::parse(tag);
    if (t.isEmpty())
        return Tournaments::tr("Game Time");
    // What an incomplete tag lacks is left out with its separator.
    const QString date = t.date.isValid() ? Format(t.date, QStringLiteral("mmm d")) : QString();
    const QString rest = (timeText(t.time, clockFormat(false)) + QLatin1Char(' ') + shownText(t.field)).trimmed();
    if (date.isEmpty() || rest.isEmpty())
        return date + rest;
    return date + QStringLiteral(" - ") + rest;
}

QString gameToolTip(const QString& tag)
{
    const BracketGameTag t = BracketGameTag::parse(tag);
    return Tournaments::tr("Date: %1\r\nTime: %2\r\nField: %3\r\n(Double-Click to Modify)")
        .arg(t.date.isValid() ? Format(t.date, QStringLiteral("mmmm d, yyyy")) : QString(),
             timeText(t.time, clockFormat()), shownText(t.field));
}

// --- The bracket -------------------------------------------------------------------------------

Bracket::Bracket(int rounds)
    : m_rounds(clampRounds(rounds))
{
    for (int c = 0; c <= m_rounds; ++c) {
        for (int p = 1; p <= positionsIn(m_rounds, c); ++p) {
            m_teams.insert(bracket::slotOf(c, p), BracketTeam{});
            if (c < m_rounds && p % 2 == 1)
                m_games.insert(bracket::slotOf(c, p), kEmptyTag);
        }
    }
}

QList<int> Bracket::allSlots() const
{
    return m_teams.keys();  // slot numbers grow column by column, then down each column
}

QList<int> Bracket::games() const
{
    return m_games.keys();
}

void Bracket::setTeam(int slot, const BracketTeam& team)
{
    if (hasSlot(slot))
        m_teams[slot] = team;
}

void Bracket::setGameTag(int game, const QString& tag)
{
    if (hasGame(game))
        m_games[game] = tag.trimmed().isEmpty() || tag.trimmed() == QLatin1String("Game Time") ? kEmptyTag : tag;
}

bool Bracket::advance(int slot)
{
    if (!hasSlot(slot) || bracket::column(slot) >= m_rounds || m_teams.value(slot).isEmpty())
        return false;
    const BracketTeam from = m_teams.value(slot);
    m_teams[bracket::winnerSlot(slot)] = BracketTeam{from.caption, from.tag};
    return true;
}

void Bracket::clearSlot(int slot)
{
    if (hasSlot(slot))
        m_teams[slot] = BracketTeam{};
}

void Bracket::clearTeams()
{
    for (BracketTeam& t : m_teams)
        t = BracketTeam{};
}

bool Bracket::hasAnyTeam() const
{
    return std::any_of(m_teams.cbegin(), m_teams.cend(), [](const BracketTeam& t) { return !t.isEmpty(); });
}

// --- Layout ------------------------------------------------------------------------------------

BracketLayout BuildTourney(int NoTiers, QSizeF labelSize)
{
    PW_TRACE(QStringLiteral("BuildTourney"), traceArg(QStringLiteral("NoTiers"), NoTiers));
    constexpr double kGap = 500;
    constexpr double kStub = kGap / 2;
    const int tiers = clampRounds(NoTiers);
    const double w = labelSize.width();
    const double h = labelSize.height();
    BracketLayout layout;
    double right = 0;
    double bottom = 0;
    for (int r = tiers; r >= 0; --r) {
        if (r > 0)
            layout.headings.prepend({Tournaments::tr("Round %1").arg(r), (kGap + w) * (r - 1) + kGap + w / 2});
        const double left = (kGap + w) * r + kGap;
        const double step = double(1 << r);
        for (int p = 1; p <= positionsIn(tiers, r); ++p) {
            const int s = bracket::slotOf(r, p);
            const QRectF label(left, step * kGap * (p - 1) + step * kGap / 2 + 125, w, h);
            layout.teamLabels.insert(s, label);
            right = qMax(right, label.right());
            bottom = qMax(bottom, label.bottom());
            const double middle = label.center().y();
            if (r < tiers) {
                layout.connectors << QLineF(label.right(), middle, label.right() + kStub, middle);
                if (p % 2 == 0) {
                    const QRectF upper = layout.teamLabels.value(s - 1);
                    layout.gameLabels.insert(s - 1, QRectF(QPointF(left, (upper.top() + label.top()) / 2), labelSize));
                    layout.connectors << QLineF(label.right() + kStub, upper.center().y(), label.right() + kStub,
                                                middle);
                }
            }
            if (r > 0)
                layout.connectors << QLineF(left - kStub, middle, left, middle);
        }
    }
    layout.surface = QSizeF(right + 100, bottom + 100);
    return layout;
}

// --- Tournaments -------------------------------------------------------------------------------

QList<TournamentInfo> readTournaments(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("readTournaments"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    QSqlQuery q = execSql(kInfoColumns + QStringLiteral("WHERE TeamNo = ? ORDER BY TournamentNo ASC"), {teamNo});
    QList<TournamentInfo> out;
    while (q.next())
        out << infoFrom(q);
    return out;
}

std::optional<TournamentInfo> readTournament(qint16 teamNo, qint16 tournamentNo)
{
    PW_TRACE(QStringLiteral("readTournament"), traceTeamTournament(teamNo, tournamentNo));
    QSqlQuery q =
        execSql(kInfoColumns + QStringLiteral("WHERE TeamNo = ? AND TournamentNo = ?"), {teamNo, tournamentNo});
    if (!q.next())
        return std::nullopt;
    return infoFrom(q);
}

qint16 nextTournamentNo(qint16 teamNo)
{
    // Numbers are not reused: a deleted tournament's own games stay under its number.
    const qint16 next = GetNextNo(QStringLiteral("TournamentNo"), QStringLiteral("TournamentInfo"),
                                  {{QStringLiteral("TeamNo"), teamNo}});
    if (next > bracket::kMaxTournaments)
        throw PwError(
            err::BadArgument,
            Tournaments::tr("This team already has tournament %1, the highest number a tournament can have; no "
                            "more tournaments can be added.")
                .arg(bracket::kMaxTournaments));
    return next;
}

qint16 saveTournament(const TournamentInfo& info)
{
    PW_TRACE(QStringLiteral("saveTournament"), traceTeamTournament(info.teamNo, info.tournamentNo));
    if (info.name.trimmed().isEmpty())
        throw PwError(err::BadArgument, Tournaments::tr("You must supply a tournament name."));
    if (info.rounds < 1 || info.rounds > bracket::kMaxRounds)
        throw PwError(err::BadArgument, Tournaments::tr("A tournament has 1 to %1 rounds.").arg(bracket::kMaxRounds));
    Transaction tx;
    const qint16 number = info.tournamentNo > 0 ? info.tournamentNo : nextTournamentNo(info.teamNo);
    requireTournamentNo(number);
    upsertRow(
        QStringLiteral("TournamentInfo"), tournamentScope(info.teamNo, number),
        {QStringLiteral("TournamentName"), QStringLiteral("TournamentTeams"), QStringLiteral("TournamentStartDate")},
        {cutToWidth(info.name, 50), info.rounds, info.startDate.isValid() ? QVariant(info.startDate) : QVariant()});
    announce(Change::Tournaments, info.teamNo);
    tx.commit();
    return number;
}

void DeleteTournament(qint16 teamNo, qint16 tournamentNo)
{
    PW_TRACE(QStringLiteral("DeleteTournament"), traceTeamTournament(teamNo, tournamentNo));
    autoBackup(BackupReason::DeleteTournament);
    const Where scope = tournamentScope(teamNo, tournamentNo);
    Transaction tx;
    execSql(QStringLiteral("DELETE FROM Tournament") + scope.clause(), scope.values());
    execSql(QStringLiteral("DELETE FROM TournamentInfo") + scope.clause(), scope.values());
    announce(Change::Tournaments, teamNo);
    tx.commit();
}

// --- The stored bracket ------------------------------------------------------------------------

Bracket FillTourney(qint16 lcTeamNo, qint16 tournamentNo, int rounds)
{
    PW_TRACE(QStringLiteral("FillTourney"), traceArg(QStringLiteral("lcTeamNo"), lcTeamNo));
    Bracket b(rounds);
    QSqlQuery q = execSql(QStringLiteral("SELECT Round, Time, Opp1, Opp1No, Opp2, Opp2No FROM Tournament "
                                         "WHERE TeamNo = ? AND TournamentNo = ? ORDER BY Round ASC"),
                          {lcTeamNo, tournamentNo});
    while (q.next()) {
        const int game = NullToInt(q.value(0));
        if (!b.hasGame(game))
            continue;  // a row of a larger bracket (the tournament was made smaller) or a damaged one
        b.setGameTag(game, NullToText(q.value(1)));
        b.setTeam(game, BracketTeam{NullToText(q.value(2)), NullToText(q.value(3))});
        b.setTeam(game + 1, BracketTeam{NullToText(q.value(4)), NullToText(q.value(5))});
    }
    markSelfPairs(b);
    return b;
}

void saveBracket(qint16 teamNo, qint16 tournamentNo, Bracket& bracket)
{
    PW_TRACE(QStringLiteral("saveBracket"), traceTeamTournament(teamNo, tournamentNo));
    requireTournamentNo(tournamentNo);

    RowSet rows{QStringLiteral("Tournament"),
                tournamentScope(teamNo, tournamentNo),
                {QStringLiteral("TeamNo"), QStringLiteral("TournamentNo"), QStringLiteral("Round"),
                 QStringLiteral("Time"), QStringLiteral("Opp1"), QStringLiteral("Opp1No"), QStringLiteral("Opp2"),
                 QStringLiteral("Opp2No")},
                {}};
    // ClearSchedule: the tournament's own games are all rewritten below. A row of a game whose
    // opponent was still open (CheckOppNo) is among them, so it comes back with its opponent.
    const int first = tournamentNo * 1000;
    RowSet own{QStringLiteral("Schedule"),
               {{QStringLiteral("TeamNo"), teamNo},
                {QStringLiteral("GameNo"), first, QStringLiteral(">=")},
                {QStringLiteral("GameNo"), first + 1000, QStringLiteral("<=")}},
               {QStringLiteral("TeamNo"), QStringLiteral("GameNo"), QStringLiteral("OpponentNo"),
                QStringLiteral("GameDate"), QStringLiteral("GameTime"), QStringLiteral("FieldName"),
                QStringLiteral("Result")},
               {}};
    Transaction tx;
    // A game has a result only once its statistics are entered: a new game starts without one,
    // and a game written again keeps what its statistics gave it.
    QHash<int, QVariant> results;
    QSqlQuery stored =
        execSql(QStringLiteral("SELECT GameNo, Result FROM Schedule") + own.scope.clause(), own.scope.values());
    while (stored.next())
        results.insert(stored.value(0).toInt(), stored.value(1));
    QSet<int> written;
    // AddToSchedule: the own team's game against the other side, when that side was picked.
    auto addToSchedule = [&](const QString& lcON, int lcGN, const QString& gameTag) {
        PW_TRACE(QStringLiteral("AddToSchedule"),
                 traceArg(QStringLiteral("lcON"), lcON) + traceArg(QStringLiteral("lcGN"), lcGN));
        const std::optional<qint16> opponent = opponentNumber(lcON);
        // The own team twice in one round is a slip; its first game stands.
        if (!opponent || written.contains(lcGN))
            return;
        written.insert(lcGN);
        const BracketGameTag t = BracketGameTag::parse(gameTag);
        own.rows << QVariantList{teamNo,
                                 lcGN,
                                 *opponent,
                                 t.date.isValid() ? QVariant(t.date) : QVariant(),
                                 gameTimeText(t.time),
                                 cutToWidth(t.field, 255),
                                 results.value(lcGN)};
    };

    for (int game : bracket.games()) {
        const BracketTeam upper = bracket.team(game);
        const BracketTeam lower = bracket.team(game + 1);
        const QString tag = bracket.gameTag(game);
        // The columns' widths: only the free-text field at the end of the tag can be cut.
        rows.rows << QVariantList{teamNo,
                                  tournamentNo,
                                  game,
                                  cutToWidth(tag, 50),
                                  cutToWidth(upper.caption, 255),
                                  cutToWidth(upper.tag, 255),
                                  cutToWidth(lower.caption, 255),
                                  cutToWidth(lower.tag, 255)};
        if (isSelfPair(upper, lower))
            continue;  // an empty pair is no game
        const int lcGN = first + bracket::column(game) + 1;
        if (upper.isOwnTeam() && !lower.tag.isEmpty())
            addToSchedule(lower.tag, lcGN, tag);
        else if (lower.isOwnTeam() && !upper.tag.isEmpty())
            addToSchedule(upper.tag, lcGN, tag);
    }

    replaceRows(rows);
    replaceRows(own);
    announce(Change::Tournaments, teamNo);
    tx.commit();
    markSelfPairs(bracket);
}

bool writeOwnGameTime(qint16 teamNo, qint16 tournamentNo, int round, const BracketGameTag& tag)
{
    PW_TRACE(QStringLiteral("writeOwnGameTime"),
             traceTeamTournament(teamNo, tournamentNo) + traceArg(QStringLiteral("Round"), round));
    QSqlQuery q = execSql(QStringLiteral("UPDATE Schedule SET GameDate = ?, GameTime = ?, FieldName = ? "
                                         "WHERE TeamNo = ? AND GameNo = ?"),
                          {tag.date.isValid() ? QVariant(tag.date) : QVariant(), gameTimeText(tag.time),
                           cutToWidth(tag.field, 255), teamNo, tournamentNo * 1000 + round});
    if (q.numRowsAffected() < 1)
        return false;
    announce(Change::Tournaments, teamNo);
    return true;
}

// --- The team tree's branches ------------------------------------------------------------------

namespace {

// The own team's tournament game, with the opponent's name where the number still names one.
struct OwnGame {
    bool resolved = false;
    QString opponentName;
};
using OwnGames = QHash<QPair<int, int>, OwnGame>;  // (team, game number) -> game

// A bracket position: the team in it, with its opponent number.
struct Position {
    QString caption;
    QString tag;
};

// The brackets' positions, each with the team's own opponent number.
struct Positions {
    QHash<QPair<int, int>, QHash<int, Position>> slots;  // (team, tournament) -> slot -> team
    QHash<int, QString> usNo;                            // team -> its own opponent number
};

OwnGames readOwnGames(const QList<qint16>& teamNos)
{
    OwnGames ownGames;
    QVariantList gameValues;
    const QString gameTeams = inList(teamNos, gameValues);
    gameValues << 1000;
    QSqlQuery games = execSql(
        QStringLiteral("SELECT s.TeamNo, s.GameNo, o.OpponentNo, o.OpponentName FROM Schedule s LEFT JOIN Opponent o "
                       "ON o.TeamNo = s.TeamNo AND o.OpponentNo = s.OpponentNo WHERE s.TeamNo IN (%1) AND s.GameNo > ?")
            .arg(gameTeams),
        gameValues);
    while (games.next())
        ownGames.insert({games.value(0).toInt(), games.value(1).toInt()},
                        OwnGame{!games.value(2).isNull(), NullToText(games.value(3))});
    return ownGames;
}

Positions readPositions(const QList<qint16>& teamNos)
{
    Positions positions;
    QVariantList bracketValues{true};
    const QString bracketTeams = inList(teamNos, bracketValues);
    QSqlQuery rows =
        execSql(QStringLiteral("SELECT t.TeamNo, t.TournamentNo, t.Round, t.Opp1, t.Opp1No, t.Opp2, t.Opp2No, u.UsNo "
                               "FROM Tournament t LEFT JOIN (SELECT TeamNo, MIN(OpponentNo) AS UsNo FROM Opponent "
                               "WHERE IsUs = ? GROUP BY TeamNo) u ON u.TeamNo = t.TeamNo WHERE t.TeamNo IN (%1)")
                    .arg(bracketTeams),
                bracketValues);
    while (rows.next()) {
        const int team = rows.value(0).toInt();
        auto& slots = positions.slots[{team, rows.value(1).toInt()}];
        const int game = rows.value(2).toInt();
        slots.insert(game, Position{NullToText(rows.value(3)), NullToText(rows.value(4)).trimmed()});
        slots.insert(game + 1, Position{NullToText(rows.value(5)), NullToText(rows.value(6)).trimmed()});
        if (!rows.value(7).isNull())
            positions.usNo.insert(team, QString::number(rows.value(7).toInt()));
    }
    return positions;
}

// OpponentNo: from the own team's first-round position, the slots it would advance to. A round
// gets the clock while the own team can still reach it and has no game in it yet; once another
// team holds the slot the own team would have reached, it is out.
QList<int> clockRounds(const TournamentBranch& b, const OwnGames& ownGames, const Positions& positions)
{
    QList<int> out;
    const int team = b.info.teamNo;
    const int first = b.info.tournamentNo * 1000;
    const QString us = positions.usNo.value(team);
    const QHash<int, Position> slots = positions.slots.value({team, b.info.tournamentNo});
    if (us.isEmpty())
        return out;
    int slot = 0;
    for (int p = 1; p <= positionsIn(b.info.rounds, 0) && slot == 0; ++p) {
        if (slots.value(p).tag == us)
            slot = p;
    }
    if (slot == 0)
        return out;
    for (int r = 2; r <= b.info.rounds; ++r) {
        slot = bracket::winnerSlot(slot);
        const Position held = slots.value(slot);
        const bool someoneElse =
            held.tag.isEmpty() ? !held.caption.isEmpty() && !held.caption.startsWith(QLatin1Char('*')) : held.tag != us;
        if (someoneElse)
            break;
        if (!ownGames.contains({team, first + r}))
            out << r;
    }
    return out;
}

}  // namespace

QList<TournamentBranch> tournamentBranches(const QList<qint16>& teamNos)
{
    PW_TRACE(QStringLiteral("AddTourney"), traceArg(QStringLiteral("Teams"), teamNos.size()));
    if (teamNos.isEmpty())
        return {};

    QVariantList infoValues;
    const QString infoTeams = inList(teamNos, infoValues);
    QSqlQuery info = execSql(
        kInfoColumns + QStringLiteral("WHERE TeamNo IN (%1) ORDER BY TeamNo ASC, TournamentNo ASC").arg(infoTeams),
        infoValues);
    QList<TournamentBranch> out;
    while (info.next())
        out << TournamentBranch{infoFrom(info), {}, {}};
    if (out.isEmpty())
        return out;

    const OwnGames ownGames = readOwnGames(teamNos);
    const Positions positions = readPositions(teamNos);
    for (TournamentBranch& b : out) {
        const int first = b.info.tournamentNo * 1000;
        for (int r = 1; r <= b.info.rounds; ++r) {
            const OwnGame g = ownGames.value({b.info.teamNo, first + r});
            b.roundTexts << (g.resolved && !g.opponentName.isEmpty() ? g.opponentName
                                                                     : QStringLiteral("Round%1").arg(r));
        }
        b.clockRounds = clockRounds(b, ownGames, positions);
    }
    return out;
}

}  // namespace pw
