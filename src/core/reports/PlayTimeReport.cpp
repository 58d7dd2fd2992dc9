// SPDX-License-Identifier: GPL-3.0-or-later
// The playing-time report for parents: each player's season share and periods by zone, the
// team's spread and who fell short of the minimum periods, then the season game by game.
#include "core/reports/PlayTimeReport.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/games/Captains.h"
#include "core/games/GameState.h"
#include "core/reports/Reports.h"
#include "core/teams/TeamProfile.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

// The translation context of the reports texts.
struct Reports {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

QString nameOf(const QVariant& last, const QVariant& first)
{
    return shownText(NullToText(last)).trimmed() + QStringLiteral(", ") + shownText(NullToText(first)).trimmed();
}

// The games with statistics rows, by date (games without one last), then by number. A season
// game is named by its opponent, a tournament game by its tournament, dated by the schedule or,
// without a date there, by the tournament's start.
QList<PlayTimeGame> readGames(qint16 teamNo)
{
    QSqlQuery q =
        execSql(QStringLiteral(
                    "SELECT g.GameNo, MAX(s.GameDate), MAX(o.OpponentName), MAX(t.TournamentName), "
                    "MAX(t.TournamentStartDate) FROM GameStat g "
                    "LEFT JOIN Schedule s ON s.TeamNo = g.TeamNo AND s.GameNo = g.GameNo "
                    "LEFT JOIN Opponent o ON o.TeamNo = g.TeamNo AND o.OpponentNo = COALESCE(s.OpponentNo, g.Opponent) "
                    "LEFT JOIN TournamentInfo t ON t.TeamNo = g.TeamNo AND g.GameNo >= 1000 "
                    "AND t.TournamentNo * 1000 <= g.GameNo AND g.GameNo < (t.TournamentNo + 1) * 1000 "
                    "WHERE g.TeamNo = ? GROUP BY g.GameNo"),
                {teamNo});
    QList<PlayTimeGame> games;
    while (q.next()) {
        PlayTimeGame g;
        g.gameNo = NullToInt(q.value(0));
        const QString tournament = NullToText(q.value(3));
        const bool inTournament = g.gameNo >= 1000 && !tournament.isEmpty();
        g.opponent = shownText(inTournament ? tournament : NullToText(q.value(2)));
        g.date = toDateTime(q.value(1)).date();
        if (!g.date.isValid() && inTournament)
            g.date = toDateTime(q.value(4)).date();
        games << g;
    }
    std::sort(games.begin(), games.end(), [](const PlayTimeGame& a, const PlayTimeGame& b) {
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid();
        if (a.date != b.date)
            return a.date < b.date;
        return a.gameNo < b.gameNo;
    });
    return games;
}

QList<PlayTimePlayer> readPlayers(qint16 teamNo, qsizetype gameCount)
{
    QSqlQuery q = execSql(QStringLiteral("SELECT PlayerNo, PlayerLastName, PlayerFirstName, JerseyNo FROM Player "
                                         "WHERE TeamNo = ? ORDER BY LOWER(PlayerLastName) ASC, "
                                         "LOWER(PlayerFirstName) ASC, PlayerNo ASC"),
                          {teamNo});
    QList<PlayTimePlayer> players;
    while (q.next()) {
        PlayTimePlayer p;
        p.playerNo = NullToInt(q.value(0));
        p.name = nameOf(q.value(1), q.value(2));
        p.jersey = shownText(NullToText(q.value(3))).trimmed();
        p.games.resize(gameCount);
        players << p;
    }
    return players;
}

// Where each player's and game's cell is, for filling them from the rows of the store.
struct CellIndex {
    QHash<qint16, int> player;
    QHash<qint16, int> game;
};

// Periods played and available and the captain of every player's games, in one read.
void readCells(qint16 teamNo, PlayTimeSeason& s, const CellIndex& at)
{
    QSqlQuery q = execSql(
        QStringLiteral("SELECT PlayerNo, GameNo, QtrPlayed, QtrAvailable, Captain FROM GameStat WHERE TeamNo = ?"),
        {teamNo});
    while (q.next()) {
        const int player = at.player.value(NullToInt(q.value(0)), -1);
        const int game = at.game.value(NullToInt(q.value(1)), -1);
        if (player < 0 || game < 0)
            continue;  // a player who has left the team
        PlayTimeCell& c = s.players[player].games[game];
        c.hasRow = true;
        c.played = std::max(0, int(NullToInt(q.value(2))));
        c.available = CountQtrs(NullToText(q.value(3)));
        c.captain = q.value(4).toBool();
        if (c.played > 0)
            s.games[game].played = true;
    }
}

// The periods each player stood in each zone of the field, counted by the store: one row per
// player, game and zone.
void readZones(qint16 teamNo, PlayTimeSeason& s, const CellIndex& at)
{
    // The zones' starts as whole twips: positions are whole, so "at or past 873.5" is "at or past 874".
    QVariantList values;
    for (double start : fieldZoneStarts())
        values << int(std::ceil(start));
    values << teamNo;
    QSqlQuery q = execSql(QStringLiteral("SELECT PlayerNo, GameNo, Zone, COUNT(*) FROM (SELECT PlayerNo, GameNo, "
                                         "CASE WHEN XPos < ? THEN 0 WHEN XPos < ? THEN 1 WHEN XPos < ? THEN 2 ELSE 3 "
                                         "END AS Zone FROM GameSetup WHERE TeamNo = ? AND PlaceNo > 0) AS z "
                                         "GROUP BY PlayerNo, GameNo, Zone"),
                          values);
    while (q.next()) {
        const int player = at.player.value(NullToInt(q.value(0)), -1);
        const int game = at.game.value(NullToInt(q.value(1)), -1);
        const int zone = NullToInt(q.value(2));
        if (player < 0 || game < 0 || zone < 0 || zone >= kFieldZones)
            continue;
        s.players[player].games[game].zones[size_t(zone)] += int(q.value(3).toLongLong());
    }
}

// The season's sums of each player, his games under the minimum and the team's spread.
void sumSeason(PlayTimeSeason& s, const QSet<qint16>& seasonCaptains)
{
    QList<QPair<qint16, int>> shares;
    for (PlayTimePlayer& p : s.players) {
        p.seasonCaptain = s.seasonCaptains && seasonCaptains.contains(p.playerNo);
        for (int g = 0; g < p.games.size(); ++g) {
            PlayTimeCell& c = p.games[g];
            p.played += c.played;
            p.available += c.available;
            p.captaincies += c.captain ? 1 : 0;
            for (size_t z = 0; z < p.zones.size(); ++z)
                p.zones[z] += c.zones[z];
            // The minimum, or every period he was there for when that is fewer; a game nobody
            // has played yet asks nothing.
            const int minimum = std::min(s.minPeriods, c.available);
            c.belowMinimum = s.games[g].played && c.played < minimum;
            if (c.belowMinimum)
                p.belowMinimum << g;
        }
        p.hasShare = p.available > 0;
        if (p.hasShare) {
            p.share = int(RoundHalfEven(100.0 * p.played / p.available));
            shares << qMakePair(p.playerNo, p.share);
        }
    }
    s.spread = shareSpread(shares);
}

}  // namespace

PlayTimeSeason readPlayTimeSeason(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("readPlayTimeSeason"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    PlayTimeSeason s;
    const TeamProfile team = readTeamProfile(teamNo).value_or(TeamProfile{});
    s.teamName = shownText(team.teamName).trimmed();
    s.seasonLine = shownText(team.season).trimmed() + QStringLiteral(" (") + shownText(team.ageDivision).trimmed() +
                   QLatin1Char(' ') + shownText(team.sex).trimmed() + QLatin1Char(')');
    s.minPeriods = std::max(0, team.minQtrReq);
    s.seasonCaptains = team.trackCaptain == 1;
    s.games = readGames(teamNo);
    s.players = readPlayers(teamNo, s.games.size());
    CellIndex at;
    for (int i = 0; i < s.players.size(); ++i)
        at.player.insert(s.players[i].playerNo, i);
    for (int i = 0; i < s.games.size(); ++i)
        at.game.insert(s.games[i].gameNo, i);
    readCells(teamNo, s, at);
    readZones(teamNo, s, at);
    sumSeason(s, seasonCaptainSet(team.seasonCaptains));
    return s;
}

QString zoneText(const ZoneCounts& zones)
{
    // One letter a zone, as the report's legend explains them.
    const QString letters[] = {Reports::tr("G", "in goal"), Reports::tr("D", "defence"), Reports::tr("M", "midfield"),
                               Reports::tr("A", "attack")};
    QStringList parts;
    for (size_t z = 0; z < zones.size(); ++z) {
        if (zones[z] > 0)
            parts << letters[z] + QString::number(zones[z]);
    }
    return parts.join(QLatin1Char(' '));
}

// ---------------------------------------------------------------- printing

namespace {

constexpr double kTitleSize = 14;
constexpr double kSubtitleSize = 11;
constexpr double kTextSize = 10;
constexpr double kGridSize = 8;
constexpr double kRowAir = 60;        // twips of air a table row has beyond its text
constexpr double kSectionGap = 240;   // twips between the parts of the report
constexpr double kWidestGame = 1600;  // a game column is no wider, however few the games

// A game under the minimum: shaded, and marked with "*" as well, so that it shows on any printer.
QColor shortShade()
{
    return QColor(0xd6, 0xd6, 0xd6);
}

double printTitle(Printout& p, const PlayTimeSeason& s, double y)
{
    const double centre = p.left() + p.halfWidth();
    p.PrintAt(Reports::tr("Playing Time Report"), kTitleSize, centre, y, Printout::Centre, Printout::Bold);
    y += p.TextHeight() + 40;
    p.PrintAt(Reports::tr("%1, %2").arg(s.teamName, s.seasonLine), kSubtitleSize, centre, y, Printout::Centre, 0);
    return y + p.TextHeight() + kSectionGap;
}

// A part's heading at the left margin, on the next page when it and room lines of text below it
// do not fit. Returns the Y below it.
double printHeading(Printout& p, const QString& text, double y, double room)
{
    p.setFont(kSubtitleSize, Printout::Bold);
    if (y > p.top() && y + p.TextHeight() + 80 + room > p.bottom()) {
        p.NextPage();
        y = p.top();
    }
    p.PrintAt(text, kSubtitleSize, p.left(), y, Printout::Left, Printout::Bold);
    return y + p.TextHeight() + 80;
}

// "Sep 12 Blue Herons"; the opponent alone for a game without a date.
QString gameLabel(const PlayTimeGame& g)
{
    if (!g.date.isValid())
        return g.opponent;
    return Reports::tr("%1 %2").arg(Format(g.date, QStringLiteral("mmm d")), g.opponent);
}

QString shareText(const PlayTimePlayer& p)
{
    return p.hasShare ? Reports::tr("%1%").arg(p.share) : QStringLiteral("-");
}

// The season: one row per player.
double printSeasonTable(Printout& p, const PlayTimeSeason& s, double y)
{
    PagedTable::RowLook look;
    look.size = kTextSize;
    look.air = kRowAir;
    y = printHeading(p, Reports::tr("Season"), y, 3 * (p.TextHeight() + kRowAir));
    QList<double> widths{3400, 700, 1100, 1100, 1000, 1000, 1000, 1000, 1000, 1000};
    double total = 0;
    for (double w : std::as_const(widths))
        total += w;
    for (double& w : widths)
        w *= (p.right() - p.left()) / total;
    QList<int> align(widths.size(), Printout::Centre);
    align[0] = Printout::Left;
    PagedTable t(p, PagedTable::boundsFrom(p.left(), widths), align);
    const QStringList heads{Reports::tr("Player"),    Reports::tr("No."),      Reports::tr("Played"),
                            Reports::tr("Available"), Reports::tr("Share"),    Reports::tr("In Goal"),
                            Reports::tr("Defence"),   Reports::tr("Midfield"), Reports::tr("Attack"),
                            Reports::tr("Captain")};
    t.headings = [&t, heads, look](double top) { return t.headingRow(top, heads, look); };
    y = t.start(y, 2 * t.rowHeight(look));
    for (const PlayTimePlayer& pl : s.players) {
        QStringList cells{pl.name, pl.jersey, QString::number(pl.played), QString::number(pl.available), shareText(pl)};
        for (int periods : pl.zones)
            cells << QString::number(periods);
        cells << (pl.seasonCaptain ? Reports::tr("Season") : QString::number(pl.captaincies));
        y = t.row(y, cells, look);
    }
    return y;
}

// The team's lines: its average share and spread, and who played fewer than the minimum in which
// games.
QStringList summaryLines(const PlayTimeSeason& s)
{
    QStringList lines;
    const ShareSpread& sp = s.spread;
    if (sp.players == 0)
        lines << Reports::tr("No player has had periods available yet.");
    else
        lines << Reports::tr("Average share %1%; spread %2 pts, from %3% to %4%.")
                     .arg(sp.average)
                     .arg(sp.spread())
                     .arg(sp.lowest)
                     .arg(sp.highest);
    if (s.minPeriods <= 0) {
        lines << Reports::tr("The team sets no minimum periods per game.");
        return lines;
    }
    QStringList shortOnes;
    for (const PlayTimePlayer& pl : s.players) {
        QStringList games;
        for (int g : pl.belowMinimum)
            games << gameLabel(s.games.at(g));
        if (!games.isEmpty())
            shortOnes << Reports::tr("%1: %2").arg(pl.name, games.join(QStringLiteral("; ")));
    }
    if (shortOnes.isEmpty()) {
        lines << Reports::tr("Every player played the team's minimum periods per game (%1, or every period "
                             "available when fewer) in every game.")
                     .arg(s.minPeriods);
        return lines;
    }
    lines << Reports::tr("Below the team's minimum periods per game (%1, or every period available when fewer):")
                 .arg(s.minPeriods);
    return lines + shortOnes;
}

double printTeamSummary(Printout& p, const PlayTimeSeason& s, double y)
{
    const QStringList lines = summaryLines(s);
    p.setFont(kTextSize, 0);
    const double lineH = p.TextHeight() + 30;
    y = printHeading(p, Reports::tr("Team"), y + kSectionGap, 2 * lineH);
    const double indent = 360;
    for (int i = 0; i < lines.size(); ++i) {
        // The players below the minimum stand indented under the line that introduces them.
        const double x = i >= 2 ? p.left() + indent : p.left();
        p.setFont(kTextSize, 0);
        y = p.MultiLinePrint(lines.at(i), p.right() - x, x, y, lineH);
    }
    return y;
}

// The first line of a player's game: "3/4", "*" under the minimum, "C" as captain; "-" when he
// was not available at all, nothing when he has no row for the game.
QString cellLine(const PlayTimeCell& c)
{
    if (!c.hasRow)
        return {};
    if (c.available == 0)
        return QStringLiteral("-");
    QString text = Reports::tr("%1/%2").arg(c.played).arg(c.available);
    if (c.belowMinimum)
        text += QLatin1Char('*');
    if (c.captain)
        text = Reports::tr("%1 %2", "periods and the captain's mark").arg(text, Reports::tr("C", "captain"));
    return text;
}

// The widths of the game-by-game grid: the players' names, and the game columns as wide as their
// widest cell or date; how many games fit across the page.
struct GridLayout {
    double nameWidth = 0;
    double gameWidth = 0;
    int perPage = 1;
};

GridLayout gridLayout(Printout& p, const PlayTimeSeason& s)
{
    GridLayout l;
    p.setFont(kGridSize, Printout::Bold);
    double name = p.TextWidth(Reports::tr("Player"));
    double game = 0;
    for (const PlayTimeGame& g : s.games)
        game = std::max(game, p.TextWidth(g.date.isValid() ? Format(g.date, QStringLiteral("mmm d")) : QString()));
    p.setFont(kGridSize, 0);
    for (const PlayTimePlayer& pl : s.players) {
        name = std::max(name, p.TextWidth(pl.name));
        for (const PlayTimeCell& c : pl.games)
            game = std::max({game, p.TextWidth(cellLine(c)), p.TextWidth(zoneText(c.zones))});
    }
    const double width = p.right() - p.left();
    l.nameWidth = std::clamp(name + 100, 1800.0, width / 4);
    l.gameWidth = std::max(game + 100, 700.0);
    l.perPage = std::max(1, int((width - l.nameWidth) / l.gameWidth));
    return l;
}

// A grid of some of the season's games, under its title.
struct GameGroup {
    QString title;
    QList<int> games;  // indexes into the season's games
};

// All games in one grid when they fit across the page; else a grid per month (and more than one
// for a month with more games than fit), games without a date last.
QList<GameGroup> gameGroups(const PlayTimeSeason& s, int perPage)
{
    QList<GameGroup> groups;
    if (s.games.size() <= perPage) {
        GameGroup all{Reports::tr("Game by Game"), {}};
        for (int g = 0; g < s.games.size(); ++g)
            all.games << g;
        return {all};
    }
    int month = -1;
    for (int g = 0; g < s.games.size(); ++g) {
        const QDate date = s.games.at(g).date;
        const int key = date.isValid() ? date.year() * 12 + date.month() : 0;
        if (groups.isEmpty() || key != month || groups.last().games.size() >= perPage) {
            const QString title =
                date.isValid()
                    ? Reports::tr("Game by Game: %1").arg(QLocale().toString(date, QStringLiteral("MMMM yyyy")))
                    : Reports::tr("Game by Game: games without a date");
            groups << GameGroup{title, {}};
        }
        month = key;
        groups.last().games << g;
    }
    return groups;
}

// The grid's heading rows: each game's date over its opponent.
double gridHeadings(PagedTable& t, const PlayTimeSeason& s, const GameGroup& group, double y)
{
    Printout& p = t.printout();
    p.setFont(kGridSize, Printout::Bold);
    const double lineH = p.TextHeight();
    const double height = 2 * lineH + kRowAir;
    t.shade(y, height);
    t.rules(y, 0);
    const double first = y + kRowAir / 2 + lineH;
    p.setFont(kGridSize, Printout::Bold);
    t.cell(Reports::tr("Player"), 0, Printout::Left, first + lineH / 2);
    for (int i = 0; i < group.games.size(); ++i) {
        const PlayTimeGame& g = s.games.at(group.games.at(i));
        t.cell(g.date.isValid() ? Format(g.date, QStringLiteral("mmm d")) : QString(), i + 1, Printout::Centre, first);
        t.cell(g.opponent, i + 1, Printout::Centre, first + lineH);
    }
    t.rules(y + height, height);
    return y + height;
}

// One player's row: his name, and for each game its two lines, shaded under the minimum.
double gridRow(PagedTable& t, const PlayTimePlayer& pl, const GameGroup& group, double y)
{
    Printout& p = t.printout();
    p.setFont(kGridSize, 0);
    const double lineH = p.TextHeight();
    const double height = 2 * lineH + kRowAir;
    y = t.keep(y, height);
    for (int i = 0; i < group.games.size(); ++i) {
        if (pl.games.at(group.games.at(i)).belowMinimum)
            p.fillRect(QRectF(t.x(i + 1), y, t.x(i + 2) - t.x(i + 1), height), shortShade());
    }
    p.setFont(kGridSize, 0);
    const double first = y + kRowAir / 2 + lineH;
    t.cell(pl.name, 0, Printout::Left, first + lineH / 2);
    for (int i = 0; i < group.games.size(); ++i) {
        const PlayTimeCell& c = pl.games.at(group.games.at(i));
        const QString zones = zoneText(c.zones);
        // A game without zones has one line, in the middle of the row like the name.
        t.cell(cellLine(c), i + 1, Printout::Centre, zones.isEmpty() ? first + lineH / 2 : first);
        t.cell(zones, i + 1, Printout::Centre, first + lineH);
    }
    t.rules(y + height, height);
    return y + height;
}

// A group's title and the legend under it; returns the Y below them.
double gridTitle(Printout& p, const QString& title, double y)
{
    p.PrintAt(title, kSubtitleSize, p.left(), y, Printout::Left, Printout::Bold);
    y += p.TextHeight() + 60;
    p.setFont(kGridSize, 0);
    const QString legend = Reports::tr("Each game: periods played/periods available, then the periods in goal (G), "
                                       "in defence (D), in midfield (M) and in attack (A); C captain; * fewer than "
                                       "the minimum periods (shaded).");
    return p.MultiLinePrint(legend, p.right() - p.left(), p.left(), y, p.TextHeight() + 20) + 80;
}

double printGameGroup(Printout& p, const PlayTimeSeason& s, const GameGroup& group, const GridLayout& l, double y)
{
    const double rest = p.right() - p.left() - l.nameWidth;
    const double gameWidth = group.games.isEmpty() ? rest : std::min(kWidestGame, rest / double(group.games.size()));
    QList<double> widths{l.nameWidth};
    QList<int> align{Printout::Left};
    for (qsizetype i = 0; i < group.games.size(); ++i) {
        widths << gameWidth;
        align << Printout::Centre;
    }
    PagedTable t(p, PagedTable::boundsFrom(p.left(), widths), align);
    t.pageHead = [&p, title = group.title](double top) { return gridTitle(p, title, top); };
    t.headings = [&t, &s, &group](double top) { return gridHeadings(t, s, group, top); };
    // The title, the legend, the headings and two players stay together.
    p.setFont(kGridSize, 0);
    const double rowH = 2 * p.TextHeight() + kRowAir;
    if (y > p.top() && y + 1200 + 3 * rowH > p.bottom()) {
        p.NextPage();
        y = p.top();
    }
    y = t.start(gridTitle(p, group.title, y));
    for (const PlayTimePlayer& pl : s.players)
        y = gridRow(t, pl, group, y);
    return y;
}

}  // namespace

void PrintPlayTimeReport(Printout& p, qint16 teamNo)
{
    PW_TRACE(QStringLiteral("PrintPlayTimeReport"),
             traceArg(QStringLiteral("lcIsPreview"), p.isPreview()) + traceArg(QStringLiteral("lcTeamNo"), teamNo));
    const PlayTimeSeason s = readPlayTimeSeason(teamNo);
    double y = printTitle(p, s, p.top());
    y = printSeasonTable(p, s, y);
    y = printTeamSummary(p, s, y);
    const GridLayout layout = gridLayout(p, s);
    const QList<GameGroup> groups = gameGroups(s, layout.perPage);
    // One grid follows the team's lines; a season that does not fit across the page gets a page
    // for each month.
    for (int i = 0; i < groups.size(); ++i) {
        if (groups.size() > 1) {
            p.NextPage();
            y = p.top();
        } else {
            y += 2 * kSectionGap;
        }
        y = printGameGroup(p, s, groups.at(i), layout, y);
    }
}

}  // namespace pw
