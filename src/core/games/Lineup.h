// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QSet>
#include <QString>

#include <array>
#include <functional>

class QUndoStack;

namespace pw {

// The line-up board keeps, per period and player, where the player stands. Positions are twips on
// a field of a fixed nominal size, so that a line-up looks the same whatever the window's size.
namespace lineup {
constexpr int kMaxPeriods = 4;
constexpr int kPlaces = 11;  // place icons on the field
// Drops snap to a grid of 572 x 415 twips; an icon (about 540 twips) is kept by its top-left
// corner, 270 twips up and left of the grid point it stands on.
constexpr int kStepX = 572;
constexpr int kStepY = 415;
constexpr int kIconOffset = 270;
constexpr int kIconSize = 540;
// The field: 16 steps long and 14 wide, a pitch's proportions with the halfway line on a grid
// column and the centre spot on a grid point.
constexpr int kFieldWidth = 16 * kStepX;
constexpr int kFieldHeight = 14 * kStepY;
// Period thumbnails show the field at this fraction.
constexpr double kThumbScale = 1.97;
}  // namespace lineup

// Where a drop at (x, y) twips puts the icon's top-left corner: the nearest grid point (an exact
// half going to the even point), less the icon offset.
QPoint snapToGrid(QPoint dropTwips);

// One player in one period: PlaceNo 0 when he is off the field, else the place icon (1 to 11)
// showing him at XPos/YPos (top-left corner, twips).
struct LineupSlot {
    qint16 PlaceNo = 0;
    qint16 XPos = 0;
    qint16 YPos = 0;
    friend bool operator==(const LineupSlot&, const LineupSlot&) = default;
};

// A roster player as the board shows him, with his totals over the earlier games of the season
// or tournament.
struct LineupPlayer {
    qint16 playerNo = 0;
    QString name;       // the display name, safe to show, without the captain mark
    int jerseyNo = -1;  // -1 when he has none
    // His position flags as stored: front line, half back, full back, sweeper, goalkeeper ("0;0;1;0;0").
    QString position{};
    bool captain = false;
    int earlierPlayed = 0;
    int earlierAvailable = 0;

    // What his place icon shows on the board and on paper: his jersey number, else the number of
    // the place he was given.
    QString iconText(int placeNo) const { return QString::number(jerseyNo >= 0 ? jerseyNo : placeNo); }
};

// A game's availability text ("1;1;0;1") as one flag per period 1..periods. Only an entry that
// reads as the number 0 means "not available": an empty, short or garbled text leaves the
// missing periods available.
QList<qint16> parseAvailability(const QString& qtrAvailable, int periods);

// The share shown under "PT": played over available as a whole percentage, "0%" for none played
// and without available periods.
QString playTimeText(int played, int available);

// "Play Time History": each game's periods played joined by "-", an empty value counting 0.
QString playTimeHistoryText(const QList<QVariant>& qtrPlayedByGame);

// The state of the line-up board for one game: who stands where in each period, who is available
// when, and the figures that follow from it. No widgets: every rule of the board is here and the
// window only shows it and passes the coach's gestures on.
class LineupBoard : public QObject {
    Q_OBJECT
public:
    enum class Refusal { None, NoPeriod, NotAvailable, AlreadySelected };
    // The one-line note's text for a refusal ("" for none).
    static QString refusalText(Refusal r);

    // The players in grid order; periods 1..4 and places 1..11 are clamped.
    void setup(int periods, int places, QList<LineupPlayer> players);
    // Loading: a player's availability text of this game, and one stored placement. A placement
    // of an unknown player, period or place, or on a place already taken, is ignored.
    void loadAvailability(qint16 playerNo, const QString& qtrAvailable);
    void loadSlot(int period, qint16 playerNo, const LineupSlot& slot);

    int periods() const { return m_periods; }
    int places() const { return m_places; }
    const QList<LineupPlayer>& players() const { return m_players; }
    int rowOf(qint16 playerNo) const { return m_rowOf.value(playerNo, -1); }
    const LineupPlayer* player(qint16 playerNo) const;
    LineupSlot slot(int period, qint16 playerNo) const;
    // lcPlayerAvail: 1 when the player is available in the period. Periods beyond the game's count
    // (and unknown players) read as available.
    bool available(int period, qint16 playerNo) const;
    int PlacedCount(int period) const;
    // The player on a place in a period; 0 when it is free.
    qint16 playerAt(int period, int placeNo) const;

    // 0 while the coach has not picked a period.
    int currentPeriod() const { return m_current; }
    void setCurrentPeriod(int period);

    // The first free place of the period, 0 when every place is taken.
    int GetPlaceNo(int period) const;
    // The player already stands on the field in the current period.
    bool CheckSelect(qint16 playerNo) const;
    // Whether the player may be picked up from the grid for a new placement.
    Refusal checkPlacement(qint16 playerNo) const;

    // A new placement in the current period at the drop point (twips). False (nothing changed)
    // when every place is taken.
    bool place(qint16 playerNo, QPoint dropTwips);
    // The same in any period of the game.
    bool placeIn(int period, qint16 playerNo, QPoint dropTwips);
    // Moves a placed player within the current period; the place stays.
    bool move(qint16 playerNo, QPoint dropTwips);
    // Takes the player off the field in the period; false when he was not on it.
    bool RemovePlayer(int period, qint16 playerNo);
    // Replaces the current period's line-up by period `from`'s, each player at the same spot.
    // Players not available in the current period are left out. False when nothing could be done
    // (no current period, or from is the current one).
    bool copyPeriod(int from);

    // Availability, set for the given periods (1..periods). Taking availability away takes the
    // player off the field in those periods. Returns the periods he was taken off in.
    QList<int> setAvailable(qint16 playerNo, const QList<int>& periods, bool available);
    void setCaptain(qint16 playerNo, bool captain);

    // The availability text written to the store: "1;1;0;1".
    QString JoinlcPlayerAvail(qint16 playerNo) const;
    int availableCount(qint16 playerNo) const;  // periods of this game he is available in
    int placedCount(qint16 playerNo) const;     // periods of this game he stands on the field
    QString ptText(qint16 playerNo) const;
    QString qpText(qint16 playerNo) const;

    // Locks keep what the coach placed when a line-up is proposed: a placed player in a period, or
    // a whole period. They belong to this editing session and are not stored. A player's lock
    // holds only while he stands on the field in the period; taking him off drops it.
    bool isLocked(int period, qint16 playerNo) const;
    bool isPeriodLocked(int period) const;
    // False when there is nothing to lock (the player is not on the field in the period).
    bool setLocked(int period, qint16 playerNo, bool locked);
    void setPeriodLocked(int period, bool locked);

    // The whole line-up, for undo: one slot per period and player, in grid order.
    using Snapshot = std::array<QList<LineupSlot>, lineup::kMaxPeriods>;
    Snapshot snapshot() const { return m_slots; }
    // Puts a line-up back; placements of players no longer available are left out.
    void restore(const Snapshot& s);

Q_SIGNALS:
    // setup() replaces the roster: views start over.
    void rosterAboutToChange();
    void rosterChanged();
    void lineupChanged();
    void availabilityChanged(qint16 playerNo);
    void captainChanged(qint16 playerNo);
    void currentPeriodChanged(int period);
    void locksChanged();

private:
    LineupSlot* slotRef(int period, qint16 playerNo);
    void recount();

    int m_periods = 4;
    int m_places = lineup::kPlaces;
    int m_current = 0;
    QList<LineupPlayer> m_players;
    QHash<qint16, int> m_rowOf;
    Snapshot m_slots;                                        // LineupSlot by period, then grid row
    std::array<QList<qint16>, lineup::kMaxPeriods> m_avail;  // lcPlayerAvail by period, then grid row
    std::array<int, lineup::kMaxPeriods> m_placed{};
    QSet<QPair<int, qint16>> m_lockedSlots;  // (period, player)
    QSet<int> m_lockedPeriods;
};

// Runs one of the coach's changes to the line-up and, when it changed something, keeps it on the
// stack as one step that Ctrl+Z takes back. The step shows its period again when undone or redone.
// Returns what change returned.
bool applyLineupChange(QUndoStack& stack, LineupBoard& board, const QString& text, const std::function<bool()>& change);

}  // namespace pw
