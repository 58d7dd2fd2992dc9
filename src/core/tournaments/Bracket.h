// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLineF>
#include <QList>
#include <QMap>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

namespace pw {

// A tournament's single-elimination bracket. Column c (0 .. rounds) holds 2^(rounds - c)
// positions p = 1, 2, … from the top; column 0 the entered teams, column c the winners of round c,
// the last column the tournament winner. A position's slot number is 100 * c + p. Positions
// 2k - 1 and 2k of a column below the last play game k of the next round, known by the slot of
// its upper position.
namespace bracket {
constexpr int kMaxRounds = 4;
constexpr int kMaxTournaments = 31;  // tournament numbers times 1000 must stay 16-bit game numbers
inline int column(int slot)
{
    return slot / 100;
}
inline int position(int slot)
{
    return slot % 100;
}
inline int slotOf(int column, int position)
{
    return 100 * column + position;
}
// Where the winner of the position at slot goes: 100 * (c + 1) + (p + 1) / 2.
inline int winnerSlot(int slot)
{
    return slotOf(column(slot) + 1, (position(slot) + 1) / 2);
}
// The game a position plays in: the slot of the pair's upper position.
inline int gameOf(int slot)
{
    return position(slot) % 2 == 1 ? slot : slot - 1;
}
}  // namespace bracket

// A game's date, time and field, stored as "date;time;field" (";;" when not set). The date is
// kept as ISO text; older texts in other forms are read as far as they can be.
struct BracketGameTag {
    QDate date;
    QTime time;
    QString field;
    bool isEmpty() const { return !date.isValid() && !time.isValid() && field.isEmpty(); }
    QString toText() const;                            // "2026-10-03;09:30;Field 4", ";;" when empty
    static BracketGameTag parse(const QString& text);  // never fails: what cannot be read stays empty
};

// The game label's caption: "Game Time" for an empty tag (";;", "", "Game Time" or nothing
// readable), else "Oct 3 - 09:30AM Field 4" (date "mmm d", time on the coach's clock: "hh:mmAMPM",
// or "HH:mm" where the locale tells the time on a 24-hour clock); a part the tag
// lacks is left out with its separator ("Oct 3 - Field 4").
QString FormatGameTime(const QString& tag);
// The game label's tooltip: "Date: " … CR LF "Time: " … CR LF "Field: " … CR LF
// "(Double-Click to Modify)", date "mmmm d, yyyy", time "hh:mm AMPM" (or "HH:mm", as the label);
// missing parts print empty.
QString gameToolTip(const QString& tag);

// One position: the team's name as shown ("*" first for the own team) and its opponent number as
// text (empty for a team typed in).
struct BracketTeam {
    QString caption;
    QString tag;
    bool hidden = false;  // a team set against itself marks an empty pair and is not shown
    bool isOwnTeam() const { return caption.startsWith(QLatin1Char('*')); }
    bool isEmpty() const { return caption.isEmpty(); }
    friend bool operator==(const BracketTeam&, const BracketTeam&) = default;
};

// The bracket's contents: every position of every column, and every game's tag.
class Bracket {
public:
    explicit Bracket(int rounds = 1);
    int rounds() const { return m_rounds; }
    // Every slot of the bracket, column by column, top to bottom.
    QList<int> allSlots() const;
    // Every game (by its upper slot), column by column.
    QList<int> games() const;
    bool hasSlot(int slot) const { return m_teams.contains(slot); }
    bool hasGame(int game) const { return m_games.contains(game); }

    BracketTeam team(int slot) const { return m_teams.value(slot); }
    void setTeam(int slot, const BracketTeam& team);
    QString gameTag(int game) const { return m_games.value(game, QStringLiteral(";;")); }
    void setGameTag(int game, const QString& tag);

    // Setting an unknown slot or game does nothing.
    // Winner: copies the position into the next column; false in the last column or when empty.
    bool advance(int slot);
    // Clear field.
    void clearSlot(int slot);
    // Clear Bracket: every position emptied and shown again; game times stay.
    void clearTeams();
    bool hasAnyTeam() const;

    friend bool operator==(const Bracket&, const Bracket&) = default;

private:
    int m_rounds = 1;
    QMap<int, BracketTeam> m_teams;
    QMap<int, QString> m_games;
};

// BuildTourney: where everything of an empty bracket stands, in twips on the drawing surface,
// given the size of a team label (game labels take the same size; a window may widen them).
// Columns 500 apart, first-round labels 500 apart from 375 down, every later label centred
// between its two feeders, game labels halfway between their pair. NoTiers outside 1 to
// kMaxRounds is taken as the nearest of them.
struct BracketLayout {
    struct Heading {
        QString text;  // "Round " + r
        double centreX = 0;
    };
    QMap<int, QRectF> teamLabels;  // by slot
    QMap<int, QRectF> gameLabels;  // by game slot
    QList<Heading> headings;       // y = 0, centred on centreX
    QList<QLineF> connectors;
    QSizeF surface;  // reaches 100 past the rightmost and lowest label
};
BracketLayout BuildTourney(int NoTiers, QSizeF labelSize);

// The tournament as stored (TournamentInfo).
struct TournamentInfo {
    qint16 teamNo = 0;
    qint16 tournamentNo = 0;
    QString name;
    qint16 rounds = 1;  // TournamentTeams, read as 1 to kMaxRounds whatever the row holds
    QDate startDate;
};
// The team's tournaments by number.
QList<TournamentInfo> readTournaments(qint16 teamNo);
std::optional<TournamentInfo> readTournament(qint16 teamNo, qint16 tournamentNo);
// The number a new tournament takes; PwError when the team already has kMaxTournaments.
qint16 nextTournamentNo(qint16 teamNo);
// Adds or updates the row and returns its number; a tournamentNo below 1 takes nextTournamentNo.
// PwError for an empty name ("You must supply a tournament name.") or rounds outside 1 to
// kMaxRounds.
qint16 saveTournament(const TournamentInfo& info);
// DeleteTournament: the TournamentInfo row and the bracket rows; the own team's schedule rows stay.
void DeleteTournament(qint16 teamNo, qint16 tournamentNo);

// FillTourney: the stored bracket of the tournament. Rows with an unknown slot are passed over;
// a team set against itself comes back hidden, as the save left it.
Bracket FillTourney(qint16 lcTeamNo, qint16 tournamentNo, int rounds);
// Save: ClearSchedule, the bracket rows, the own team's games (AddToSchedule / CheckOppNo, one
// row per round it plays in, game number tournament * 1000 + round, Result 99), and the hidden
// self-pairs marked in the bracket, in one transaction; either all of it is stored or nothing
// (the bracket too stays as it was). A self-pair writes no own game; an opponent tag that is no
// number writes none either.
void saveBracket(qint16 teamNo, qint16 tournamentNo, Bracket& bracket);
// Writes a game's new time straight into the own team's schedule row of that round (when there
// is one); false when there is none.
bool writeOwnGameTime(qint16 teamNo, qint16 tournamentNo, int round, const BracketGameTag& tag);

// The tree's branch of a tournament: its round nodes' texts (the opponent's OpponentName once the
// own team's game of that round names an opponent that exists, else "Round" + r) and which rounds
// get the clock picture (OpponentNo): from the own team's (IsUs) first-round position, every later
// round it can still reach (no other team holds the slot it would advance to) and in which it has
// no schedule row yet.
struct TournamentBranch {
    TournamentInfo info;
    QStringList roundTexts;  // index r - 1
    QList<int> clockRounds;  // rounds shown with the clock
};
// AddTourney / CheckTourney for every tournament of the given teams, in a fixed number of reads.
QList<TournamentBranch> tournamentBranches(const QList<qint16>& teamNos);

}  // namespace pw
