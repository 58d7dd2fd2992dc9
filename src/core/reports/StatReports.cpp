// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics reports and the line-up sheet: team and player statistics, the blank tally sheet
// of a game, and the line-up sheet printed from the open line-up board.
#include "core/reports/Reports.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/games/GameState.h"
#include "core/games/GameStats.h"
#include "core/games/GameView.h"
#include "core/games/Lineup.h"
#include "core/games/LineupModel.h"
#include "core/games/LineupStore.h"
#include "core/games/Pitch.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QObject>
#include <QSqlQuery>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace pw {

namespace {

// The translation context of the reports texts.
struct Reports {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

// One look for every report of this file: a bold heading, a smaller bold line under it, tables
// in a plain 9-point face with bold column headings.
constexpr double kHeadingSize = 14;
constexpr double kSubheadingSize = 11;
constexpr double kCellSize = 9;
constexpr double kRowHeight = 300;    // a printed table line
constexpr double kTallyHeight = 620;  // a tally sheet line: room for strokes by hand
constexpr double kGap = 240;          // space between blocks

// Tournament games are numbered from 1000 on, a thousand per tournament.
bool isTournamentGame(qint16 gameNo)
{
    return gameNo >= 1000;
}

// The widths in proportion, spread over the width of the page: a table runs from margin to
// margin like a word processor's, and still fits a printer whose margins are wider.
QList<double> spread(QList<double> widths, double available)
{
    double total = 0;
    for (double w : widths)
        total += w;
    if (total > 0) {
        for (double& w : widths)
            w *= available / total;
    }
    return widths;
}

// A centred heading at y; returns the y below it.
double printHeading(Printout& p, const QString& text, double y, double size = kHeadingSize)
{
    p.PrintAt(text, size, p.left() + p.halfWidth(), y, Printout::Centre, Printout::Bold);
    return y + p.TextHeight(text) + 60;
}

QString figureText(qint64 value)
{
    return QString::number(value);
}

// A statistics table from margin to margin: each page it continues on starts with its column
// headings again. The first leftColumns columns hold names and are aligned left; the others hold
// figures and are centred.
PagedTable statTable(Printout& p, const QList<double>& widths, int leftColumns)
{
    QList<int> align;
    for (int c = 0; c < widths.size(); ++c)
        align << (c < leftColumns ? Printout::Left : Printout::Centre);
    return PagedTable(p, PagedTable::boundsFrom(p.left(), spread(widths, p.right() - p.left())), align);
}

// A line of the tables, its text in the middle: plain (-1) or bold, a printed line or a tally line.
PagedTable::RowLook cellLook(int style = -1, double height = kRowHeight)
{
    PagedTable::RowLook look;
    look.size = kCellSize;
    look.style = style;
    look.height = height;
    look.middle = true;
    return look;
}

// Headings of a statistics table whose columns from firstGroup on fall into the two groups "On
// The Field" (fieldColumns columns) and "Goalie" (four): a line of group names over the column
// names. The columns before the groups have one tall heading cell each. Returns the Y below.
double groupedHeadings(PagedTable& t, double y, int firstGroup, int fieldColumns, const QStringList& names)
{
    Printout& p = t.printout();
    const int goalieFirst = firstGroup + fieldColumns;
    const int end = goalieFirst + 4;
    const double rowPos = y + kRowHeight;
    t.rules(y, 0);
    p.setFont(kCellSize, Printout::Bold);
    const double textY = rowPos - 10 - p.TextHeight();
    p.PrintAt(Reports::tr("On The Field"), kCellSize, (t.x(firstGroup) + t.x(goalieFirst)) / 2, textY, Printout::Centre,
              Printout::Bold);
    p.PrintAt(Reports::tr("Goalie"), kCellSize, (t.x(goalieFirst) + t.x(end)) / 2, textY, Printout::Centre,
              Printout::Bold);
    for (int c = 0; c <= firstGroup; ++c)
        p.drawLine(t.x(c), y, t.x(c), rowPos);
    for (int c : {goalieFirst, end})
        p.drawLine(t.x(c), y, t.x(c), rowPos);
    p.drawLine(t.x(firstGroup), rowPos, t.x(end), rowPos);
    return t.drawRow(rowPos, names, cellLook(Printout::Bold));
}

// Rows of figures and their Totals line; the last row goes over with the Totals rather than leave
// them alone on a page. Returns the Y below the Totals.
double figureRows(PagedTable& t, double y, const QList<QStringList>& rows, const QStringList& totals)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        y = t.keep(y, i + 1 == rows.size() ? 2 * kRowHeight : kRowHeight);
        y = t.drawRow(y, rows[i], cellLook());
    }
    return t.row(y, totals, cellLook(Printout::Bold));
}

}  // namespace

// ------------------------------------------------------------------------------ team statistics

void FilePrintTeamSub(Printout& p, qint16 teamNo)
{
    PW_TRACE(QStringLiteral("FilePrintTeamSub"), traceArg(QStringLiteral("lcIsPreview"), p.isPreview()));
    const QString teamName = shownText(
        GetDBData(QStringLiteral("Teams"), Where{{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("TeamName")));
    // The season summary: every player's share and figures over all games, in two reads.
    const GameView season = readGameView(teamNo, 0, 0, false);
    QSqlQuery q = execSql(QStringLiteral("SELECT PlayerNo, JerseyNo, PlayerLastName, PlayerFirstName FROM Player "
                                         "WHERE TeamNo = ? ORDER BY PlayerLastName, PlayerFirstName, PlayerNo"),
                          {teamNo});

    double y = printHeading(p, Reports::tr("Statistics for %1").arg(teamName), p.top()) + kGap;
    const QStringList names{Reports::tr("Player Name"), Reports::tr("Play"), Reports::tr("Shots"), Reports::tr("Goals"),
                            Reports::tr("Blks/Stls"),   Reports::tr("Asts"), Reports::tr("Shots"), Reports::tr("Goals"),
                            Reports::tr("Blocks"),      Reports::tr("Over")};
    PagedTable table = statTable(p, {3000, 800, 760, 760, 1000, 760, 760, 760, 800, 760}, 1);
    table.headings = [&](double top) { return groupedHeadings(table, top, 1, 5, names); };
    y = table.start(y);

    qint64 played = 0;
    qint64 available = 0;
    QList<QStringList> rows;
    while (q.next()) {
        const qint16 playerNo = NullToInt(q.value(0));
        const QString jersey = NullToText(q.value(1)).trimmed();
        // A player without a number goes without the empty brackets.
        const QString name = (jersey.isEmpty() ? QString() : QStringLiteral("(") + jersey + QStringLiteral(") ")) +
                             shownText(NullToText(q.value(2))) + QStringLiteral(", ") +
                             shownText(NullToText(q.value(3)));
        const PlayerGameLine line = season.lines.value(playerNo);
        played += line.qtrPlayed.value_or(0);
        available += line.qtrAvailable.value_or(0);
        QStringList cells{name, QString::number(line.percent) + QStringLiteral("%")};
        for (const std::optional<qint64>& f : line.figures)
            cells << figureText(f.value_or(0));
        rows << cells;
    }
    // The team's share is all periods played over all available: a sum of the players' shares
    // would mean nothing.
    const int teamShare = available > 0 ? int(RoundHalfEven(100.0 * played / available)) : 0;
    QStringList totals{Reports::tr("Totals"), QString::number(teamShare) + QStringLiteral("%")};
    for (qint64 f : season.totals)
        totals << figureText(f);
    figureRows(table, y, rows, totals);
}

// ---------------------------------------------------------------------------- player statistics

QList<qint16> playersToPrint(qint16 teamNo, qint16 selectedPlayerNo)
{
    PW_TRACE(QStringLiteral("FilePrintPlayerSub"), traceArg(QStringLiteral("PlayerNo"), selectedPlayerNo));
    QSqlQuery q =
        execSql(QStringLiteral("SELECT PlayerNo, PlayerLastName, PlayerFirstName FROM Player WHERE TeamNo = ? "
                               "ORDER BY PlayerLastName, PlayerFirstName, PlayerNo"),
                {teamNo});
    QList<qint16> all;
    QString selectedName;
    while (q.next()) {
        const qint16 no = NullToInt(q.value(0));
        all << no;
        if (no == selectedPlayerNo)
            selectedName = shownText(NullToText(q.value(1))) + QStringLiteral(", ") + shownText(NullToText(q.value(2)));
    }
    // No player selected, or one that is no longer on the team: the whole team, without asking.
    if (selectedPlayerNo == 0 || !all.contains(selectedPlayerNo))
        return all;
    const Prompter::Answer answer = prompter().message(
        Reports::tr("Print All Players"),
        Reports::tr("Do you want to print all players? (Yes)\nor only for %1 (No)").arg(selectedName),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    return answer == Prompter::Answer::Yes ? all : QList<qint16>{selectedPlayerNo};
}

namespace {

// One game of a player's statistics: the printed cells and the figures to sum.
struct GameLine {
    QStringList cells;
    std::array<qint64, 2 + kFigureCount> values{};  // QP, QA and the eight figures
};

// The players' names for the headings, "First Last".
QHash<qint16, QString> playerNames(qint16 teamNo)
{
    QHash<qint16, QString> names;
    QSqlQuery q = execSql(
        QStringLiteral("SELECT PlayerNo, PlayerFirstName, PlayerLastName FROM Player WHERE TeamNo = ?"), {teamNo});
    while (q.next())
        names.insert(NullToInt(q.value(0)),
                     shownText(NullToText(q.value(1))) + QStringLiteral(" ") + shownText(NullToText(q.value(2))));
    return names;
}

// Every game row of every player asked for, in one read.
QHash<qint16, QList<GameLine>> gameLines(qint16 teamNo, const QList<qint16>& playerNos)
{
    QHash<qint16, QList<GameLine>> games;
    if (playerNos.isEmpty())
        return games;
    QVariantList values{teamNo};
    const QString players = inList(playerNos, values);
    // A season game is named by its opponent, a tournament game by its tournament.
    QSqlQuery q =
        execSql(QStringLiteral(
                    "SELECT g.PlayerNo, g.GameNo, o.OpponentName, t.TournamentName, g.QtrPlayed, g.QtrAvailable, "
                    "g.Shots, g.Goals, g.Blocks, g.Assists, g.ShotOnGoal, g.GoalsScored, g.GoalsBlocked, "
                    "g.OverShot FROM GameStat g "
                    "LEFT JOIN Schedule s ON s.TeamNo = g.TeamNo AND s.GameNo = g.GameNo "
                    "LEFT JOIN Opponent o ON o.TeamNo = g.TeamNo AND o.OpponentNo = COALESCE(s.OpponentNo, g.Opponent) "
                    "LEFT JOIN TournamentInfo t ON t.TeamNo = g.TeamNo AND g.GameNo >= 1000 "
                    "AND t.TournamentNo * 1000 <= g.GameNo AND g.GameNo < (t.TournamentNo + 1) * 1000 "
                    "WHERE g.TeamNo = ? AND g.PlayerNo IN (%1) ORDER BY g.PlayerNo, g.GameNo")
                    .arg(players),
                values);
    while (q.next()) {
        GameLine line;
        const qint16 gameNo = NullToInt(q.value(1));
        const QString opponent = NullToText(q.value(2));
        const QString tournament = NullToText(q.value(3));
        line.cells << shownText(isTournamentGame(gameNo) && !tournament.isEmpty() ? tournament : opponent);
        line.values[0] = figureOf(q.value(4)).value_or(0);
        line.values[1] = CountQtrs(NullToText(q.value(5)));
        line.cells << NullToText(q.value(4)) << QString::number(line.values[1]);
        for (int i = 0; i < kFigureCount; ++i) {
            line.values[size_t(2 + i)] = figureOf(q.value(6 + i)).value_or(0);
            line.cells << NullToText(q.value(6 + i));
        }
        games[NullToInt(q.value(0))] << line;
    }
    return games;
}

// One player's block at y: the heading, the games and their Totals. Returns the Y below it.
double printPlayerBlock(Printout& p, const QString& heading, const QList<GameLine>& games, double y)
{
    const QStringList columns{Reports::tr("Opponent"), Reports::tr("QP"),    Reports::tr("QA"),
                              Reports::tr("Shots"),    Reports::tr("Goals"), Reports::tr("Blks/Stls"),
                              Reports::tr("Asts"),     Reports::tr("Shots"), Reports::tr("Goals"),
                              Reports::tr("Blocks"),   Reports::tr("Over")};
    // The block starts on a new page when it would not fit the rest of this one but fits a page
    // of its own; a longer one simply runs on.
    p.setFont(kHeadingSize, Printout::Bold);
    const double block = p.TextHeight(heading) + 60 + kGap + kRowHeight * double(3 + games.size());
    const double pageHeight = p.bottom() - p.top();
    if (y > p.top() && y + std::min(block, pageHeight) > p.bottom()) {
        p.NextPage();
        y = p.top();
    }
    y = printHeading(p, heading, y) + kGap;
    PagedTable table = statTable(p, {2600, 560, 560, 760, 760, 1000, 760, 760, 760, 800, 760}, 1);
    table.headings = [&](double top) { return groupedHeadings(table, top, 3, 4, columns); };
    y = table.start(y);

    std::array<qint64, 2 + kFigureCount> sums{};
    QList<QStringList> rows;
    for (const GameLine& g : games) {
        for (size_t i = 0; i < sums.size(); ++i)
            sums[i] = addFigures(sums[i], g.values[i]);
        rows << g.cells;
    }
    QStringList totals{Reports::tr("Totals")};
    for (qint64 s : sums)
        totals << figureText(s);
    return figureRows(table, y, rows, totals);
}

}  // namespace

void PrintIndividualStats(Printout& p, qint16 teamNo, const QList<qint16>& playerNos)
{
    PW_TRACE(QStringLiteral("PrintIndividualStats"), traceArg(QStringLiteral("lcIsPreview"), p.isPreview()));
    const QHash<qint16, QString> names = playerNames(teamNo);
    const QHash<qint16, QList<GameLine>> games = gameLines(teamNo, playerNos);
    QList<qint16> players = playerNos;
    QString teamHeading;
    if (players.isEmpty()) {
        // A team without players still gets its heading and an empty table.
        teamHeading = shownText(
            GetDBData(QStringLiteral("Teams"), Where{{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("TeamName")));
        players << 0;
    }
    double y = p.top();
    for (qint16 playerNo : std::as_const(players)) {
        const QString heading =
            Reports::tr("Statistics for %1").arg(playerNo == 0 ? teamHeading : names.value(playerNo));
        y = printPlayerBlock(p, heading, games.value(playerNo), y) + 3 * kGap;
    }
}

// ------------------------------------------------------------------------------- tally sheet

void PrintStatSheet(Printout& p, qint16 teamNo, qint16 gameNo)
{
    PW_TRACE(QStringLiteral("PrintStatSheet"), traceArg(QStringLiteral("lcIsPreview"), p.isPreview()));
    QSqlQuery game =
        execSql(QStringLiteral("SELECT GameDate FROM Schedule WHERE TeamNo = ? AND GameNo = ?"), {teamNo, gameNo});
    const QVariant gameDate = game.next() ? game.value(0) : QVariant();
    // Players without a number first, then by number, the same on every engine.
    QSqlQuery q =
        execSql(QStringLiteral("SELECT JerseyNo, Nickname, PlayerLastName, PlayerFirstName, Position FROM Player "
                               "WHERE TeamNo = ? ORDER BY CASE WHEN JerseyNo IS NULL THEN 0 ELSE 1 END, "
                               "JerseyNo, PlayerLastName, PlayerFirstName, PlayerNo"),
                {teamNo});
    struct Row {
        QString jersey;
        QString name;
        bool goalkeeper = false;
    };
    QList<Row> rows;
    while (q.next())
        rows << Row{NullToText(q.value(0)), shownText(Makename(q.value(1), q.value(2), q.value(3), 0)),
                    isGoalkeeper(NullToText(q.value(4)))};

    const QString date = Format(gameDate, QStringLiteral("Long Date"));
    const QString heading = isTournamentGame(gameNo) ? Reports::tr("Stats for %1 (Tournament)").arg(date)
                                                     : Reports::tr("Stats for %1").arg(date);
    double y = printHeading(p, heading, p.top()) + kGap;

    // Every player gets a field line (keepers play the field in their other periods); the
    // keepers get a goalie line as well.
    const QStringList fieldNames{Reports::tr("Plyr No."),     Reports::tr("Player Name"),  Reports::tr("Blocks/Steals"),
                                 Reports::tr("Shot On Goal"), Reports::tr("Goals Scored"), Reports::tr("Assists")};
    PagedTable field = statTable(p, {1000, 2800, 1650, 1650, 1650, 1650}, 2);
    field.headings = [&](double top) {
        field.rules(top, 0);
        return field.drawRow(top, fieldNames, cellLook(Printout::Bold));
    };
    y = field.start(y);
    for (const Row& r : std::as_const(rows))
        y = field.row(y, {r.jersey, r.name}, cellLook(-1, kTallyHeight));

    const QStringList goalieNames{Reports::tr("Goalie No."), Reports::tr("Goalie"), Reports::tr("Shots Missed"),
                                  Reports::tr("Goals Blocked"), Reports::tr("Goals Scored")};
    PagedTable goalie = statTable(p, {1250, 2800, 2100, 2100, 2100}, 2);
    goalie.headings = [&](double top) {
        goalie.rules(top, 0);
        return goalie.drawRow(top, goalieNames, cellLook(Printout::Bold));
    };
    // The goalie table starts with at least its headings and one line.
    y = goalie.start(y + 2 * kGap, kRowHeight + kTallyHeight);
    for (const Row& r : std::as_const(rows)) {
        if (r.goalkeeper)
            y = goalie.row(y, {r.jersey, r.name}, cellLook(-1, kTallyHeight));
    }
}

// ------------------------------------------------------------------------------ line-up sheet

namespace {

// The field of one period as the board shows it: the pitch, the icons where they stand and the
// players' names under them. A name that would cover another drops a line or two; only when that
// fails too is it shortened. Drawn in field twips through the field's transform.
void paintPeriodField(QPainter& painter, const QRectF& target, const LineupBoard& board, int period)
{
    using namespace lineup;
    painter.save();
    painter.setTransform(fieldTransform(target), true);
    painter.setClipRect(QRectF(0, 0, kFieldWidth, kFieldHeight));
    paintPitch(painter);

    QList<NameLabel> labels;
    for (const LineupPlayer& pl : board.players()) {
        const LineupSlot s = board.slot(period, pl.playerNo);
        if (s.PlaceNo == 0)
            continue;
        paintPlaceIcon(painter, QPoint(s.XPos, s.YPos), pl.iconText(s.PlaceNo), pl.captain);
        labels << NameLabel{QPointF(s.XPos + kIconOffset, s.YPos + kIconSize), pl.name};
    }
    // On paper a name is at most four grid steps wide, and two when it must squeeze in; it stays
    // on the field rather than running off it at the touch line.
    NameLabelStyle style;
    style.font = QFont(QStringLiteral("Arial"));
    style.font.setPixelSize(250);
    style.wide = 4 * kStepX - 120;
    style.narrow = 2 * kStepX - 120;
    style.padX = 40;
    style.gapY = 10;
    style.lineGap = 20;
    style.radius = 60;
    style.keepWithin = kFieldWidth;
    style.alpha = 170;
    paintNameLabels(painter, labels, style);
    painter.restore();
    // A thin frame, so that the field ends cleanly on white paper.
    painter.save();
    painter.setPen(QPen(Qt::black, 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(fieldTransform(target).mapRect(QRectF(0, 0, kFieldWidth, kFieldHeight)));
    painter.restore();
}

}  // namespace

namespace {

// The board's grid on a page of its own: the name, a mark for each period on the field (yellow
// where the player is not available), the share and the periods played, and the Totals line.
void printLineupGrid(Printout& p, const LineupBoard& board, const QString& versus, const QString& date)
{
    p.NextPage();
    // Headed like the panels, over the grid at the left bound.
    p.PrintAt(versus, kSubheadingSize, p.left(), p.top(), Printout::Left, Printout::Bold);
    double y = p.top() + p.TextHeight(versus) + 40;
    p.PrintAt(date, kCellSize + 1, p.left(), y, Printout::Left, Printout::Bold);
    y += p.TextHeight(date) + kGap;
    // The grid's texts come from the board's own model, so the sheet says what the board says.
    LineupModel grid(board);
    QList<int> columns{LineupModel::Name};
    for (int period = 1; period <= board.periods(); ++period)
        columns << LineupModel::FirstPeriod + period - 1;
    columns << LineupModel::PT << LineupModel::QP;
    QList<double> widths{1000};
    while (widths.size() < columns.size())
        widths << 400;
    PagedTable table(p, PagedTable::boundsFrom(p.left(), widths));

    // Small print: the columns are as narrow as the board's.
    constexpr double kGridSize = 7;
    constexpr double kGridRow = 260;
    const auto gridLine = [&](double rowTop, const QStringList& cells, int style) {
        p.setFont(kGridSize, style);
        const double textLine = rowTop + kGridRow - 30;
        table.cell(cells.value(0), 0, Printout::Left, textLine);
        // The narrow cells are centred without the usual inner margins, which would leave no
        // room for "100%".
        const double textTop = textLine - 10 - p.TextHeight();
        for (int c = 1; c < cells.size(); ++c)
            p.PrintAt(cells[c], kGridSize, (table.x(c) + table.x(c + 1)) / 2, textTop, Printout::Centre, style);
        table.rules(rowTop + kGridRow, kGridRow);
        return rowTop + kGridRow;
    };
    table.headings = [&](double rowTop) {
        // The headings on grey, as the board shows its fixed cells (bold would not fit "Prd1").
        p.fillRect(QRectF(table.x(0), rowTop, table.x(table.columns()) - table.x(0), kGridRow),
                   QColor(0xe4, 0xe4, 0xe4));
        table.rules(rowTop, 0);
        QStringList cells;
        for (int c : std::as_const(columns))
            cells << grid.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        return gridLine(rowTop, cells, -1);
    };
    y = table.start(y);
    for (int row = 0; row < grid.rowCount(); ++row) {
        y = table.keep(y, kGridRow);
        QStringList cells;
        for (int i = 0; i < columns.size(); ++i) {
            const QModelIndex cell = grid.index(row, columns[i]);
            cells << grid.data(cell, Qt::DisplayRole).toString();
            const QVariant fill = grid.data(cell, Qt::BackgroundRole);
            if (i > 0 && fill.canConvert<QColor>() && fill.value<QColor>() == QColor(Qt::yellow))
                p.fillRect(QRectF(table.x(i), y, widths[i], kGridRow), Qt::yellow);
        }
        y = gridLine(y, cells, row == grid.totalsRow() ? int(Printout::Bold) : -1);
    }
}

}  // namespace

void GamePrintSetupSub(Printout& p, const LineupBoard& board, const LineupGame& game)
{
    PW_TRACE(QStringLiteral("GamePrintSetupSub"), traceArg(QStringLiteral("lcIsPreview"), p.isPreview()));
    // The game's date and the opponent's name, in one read that always gives one row.
    QSqlQuery q = execSql(QStringLiteral("SELECT (SELECT GameDate FROM Schedule WHERE TeamNo = ? AND GameNo = ?), "
                                         "(SELECT OpponentName FROM Opponent WHERE TeamNo = ? AND OpponentNo = ?)"),
                          {game.teamNo, game.gameNo, game.teamNo, game.opponentNo});
    const bool found = q.next();
    const QString date = found ? Format(q.value(0), QStringLiteral("Long Date")) : QString();
    const QString versus = Reports::tr("Line-up vs. %1").arg(found ? shownText(NullToText(q.value(1))) : QString());

    // The date heads the page; the periods stand two by two below it, odd ones left, even right.
    const double top = printHeading(p, date, p.top(), kSubheadingSize) + 60;
    const double gap = 480;
    const double panelWidth = (p.right() - p.left() - gap) / 2;
    const double blockHeight = (p.bottom() - top) / 2;
    p.setFont(kCellSize);
    const double textHeight = p.TextHeight();
    const double lineHeight = textHeight + 30;
    // The field takes the panel's width, unless that leaves too little room for the reserves.
    const double fieldHeight =
        std::min(panelWidth * lineup::kFieldHeight / lineup::kFieldWidth, blockHeight - 800 - 6 * lineHeight);
    const double fieldWidth = fieldHeight * lineup::kFieldWidth / lineup::kFieldHeight;

    p.setFont(kSubheadingSize, Printout::Bold);
    const double versusHeight = p.TextHeight(versus);
    for (int period = 1; period <= board.periods(); ++period) {
        const double x = p.left() + ((period - 1) % 2) * (panelWidth + gap);
        const double blockTop = top + ((period - 1) / 2) * blockHeight;
        const double fieldTop = blockTop + versusHeight + 500;
        // The texts end 500 and 150 twips above the field.
        p.PrintAt(versus, kSubheadingSize, x, fieldTop - 500 - versusHeight, Printout::Left, Printout::Bold);
        const QString periodText = Reports::tr("Period %1").arg(period);

        p.setFont(kCellSize + 1, Printout::Bold);
        p.PrintAt(periodText, kCellSize + 1, x, fieldTop - 150 - p.TextHeight(periodText), Printout::Left,
                  Printout::Bold);
        paintPeriodField(p.painter(), QRectF(x, fieldTop, fieldWidth, fieldHeight), board, period);

        // The reserves, one a line; a long bench runs on in further columns of the panel.
        double y = fieldTop + fieldHeight + 150;
        p.PrintAt(Reports::tr("Reserve"), kCellSize + 1, x, y, Printout::Left, Printout::Bold | Printout::Underline);
        y += lineHeight + 30;
        QStringList reserves;
        for (const LineupPlayer& pl : board.players()) {
            if (board.slot(period, pl.playerNo).PlaceNo == 0)
                reserves << pl.name;
        }
        const double listBottom = blockTop + blockHeight - 120;
        const int perColumn = std::max(1, int((listBottom - y) / lineHeight));
        const int columns = std::max(1, int((reserves.size() + perColumn - 1) / perColumn));
        const double columnWidth = panelWidth / columns;
        p.setFont(kCellSize);
        for (int i = 0; i < reserves.size(); ++i) {
            const double cx = x + (i / perColumn) * columnWidth;
            const double cy = y + (i % perColumn) * lineHeight;
            p.PrintAt(p.elided(reserves[i], columnWidth - 120), kCellSize, cx, cy);
        }
    }

    printLineupGrid(p, board, versus, date);
}

}  // namespace pw
