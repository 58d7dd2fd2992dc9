// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/Lineup.h"

#include "common/Formats.h"

#include <QLocale>
#include <QUndoCommand>
#include <QUndoStack>

#include <cmath>

namespace pw {

using namespace lineup;

namespace {

// Nearest integer, an exact half going to the even one.
int nearestEven(double v)
{
    return static_cast<int>(RoundHalfEven(v));
}

qint16 clamp16(int v)
{
    return static_cast<qint16>(std::clamp(v, -32768, 32767));
}

// One undoable change of the line-up: the whole line-up before and after it.
class LineupCommand : public QUndoCommand {
public:
    LineupCommand(LineupBoard& board, const QString& text, int period, LineupBoard::Snapshot before,
                  LineupBoard::Snapshot after)
        : QUndoCommand(text)
        , m_board(board)
        , m_period(period)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }
    void undo() override { apply(m_before); }
    void redo() override
    {
        // Pushing runs redo() once; the change is already made by then.
        if (m_pushed)
            apply(m_after);
        m_pushed = true;
    }

private:
    void apply(const LineupBoard::Snapshot& s)
    {
        if (m_period > 0)
            m_board.setCurrentPeriod(m_period);
        m_board.restore(s);
    }
    LineupBoard& m_board;
    int m_period;
    LineupBoard::Snapshot m_before;
    LineupBoard::Snapshot m_after;
    bool m_pushed = false;
};

}  // namespace

QPoint snapToGrid(QPoint dropTwips)
{
    const int m = nearestEven(double(dropTwips.x()) / kStepX);
    const int n = nearestEven(double(dropTwips.y()) / kStepY);
    return {clamp16(m * kStepX - kIconOffset), clamp16(n * kStepY - kIconOffset)};
}

QList<qint16> parseAvailability(const QString& qtrAvailable, int periods)
{
    const QStringList pieces = qtrAvailable.split(QLatin1Char(';'));
    QList<qint16> out;
    for (int p = 0; p < periods; ++p) {
        bool ok = false;
        const double v = p < pieces.size() ? pieces[p].trimmed().toDouble(&ok) : 1.0;
        out << qint16(ok && v == 0.0 ? 0 : 1);
    }
    return out;
}

QString playTimeText(int played, int available)
{
    if (available < 1)
        return QStringLiteral("0%");
    // A whole percentage as "#%" rounds it, but with a 0 where "#" would leave a bare "%".
    const auto percent = static_cast<qlonglong>(RoundHalfEven(100.0 * played / available));
    return QLocale().toString(percent) + QLatin1Char('%');
}

QString playTimeHistoryText(const QList<QVariant>& qtrPlayedByGame)
{
    QStringList parts;
    for (const QVariant& v : qtrPlayedByGame) {
        const QString t = v.isNull() ? QString() : v.toString().trimmed();
        parts << (t.isEmpty() ? QStringLiteral("0") : t);
    }
    return parts.join(QLatin1Char('-'));
}

QString LineupBoard::refusalText(Refusal r)
{
    switch (r) {
    case Refusal::NoPeriod: return tr("No Period Selected");
    case Refusal::NotAvailable: return tr("Player Not Available");
    case Refusal::AlreadySelected: return tr("Player already selected");
    case Refusal::None: break;
    }
    return {};
}

void LineupBoard::setup(int periods, int places, QList<LineupPlayer> players)
{
    Q_EMIT rosterAboutToChange();
    m_periods = std::clamp(periods, 1, kMaxPeriods);
    m_places = std::clamp(places, 1, kPlaces);
    m_current = 0;
    m_lockedSlots.clear();
    m_lockedPeriods.clear();
    m_players = std::move(players);
    m_rowOf.clear();
    for (int i = 0; i < m_players.size(); ++i)
        m_rowOf.insert(m_players[i].playerNo, i);
    for (int p = 0; p < kMaxPeriods; ++p) {
        m_slots[p] = QList<LineupSlot>(m_players.size());
        m_avail[p] = QList<qint16>(m_players.size(), 1);
    }
    recount();
    Q_EMIT rosterChanged();
}

void LineupBoard::loadAvailability(qint16 playerNo, const QString& qtrAvailable)
{
    const int row = rowOf(playerNo);
    if (row < 0)
        return;
    const QList<qint16> flags = parseAvailability(qtrAvailable, m_periods);
    for (int p = 0; p < m_periods; ++p)
        m_avail[p][row] = flags[p];
}

void LineupBoard::loadSlot(int period, qint16 playerNo, const LineupSlot& slot)
{
    LineupSlot* s = slotRef(period, playerNo);
    if (!s || slot.PlaceNo < 1 || slot.PlaceNo > kPlaces || s->PlaceNo > 0 || playerAt(period, slot.PlaceNo) != 0)
        return;
    *s = slot;
    m_placed[period - 1] += 1;
}

const LineupPlayer* LineupBoard::player(qint16 playerNo) const
{
    const int row = rowOf(playerNo);
    return row < 0 ? nullptr : &m_players[row];
}

LineupSlot* LineupBoard::slotRef(int period, qint16 playerNo)
{
    const int row = rowOf(playerNo);
    if (row < 0 || period < 1 || period > kMaxPeriods)
        return nullptr;
    return &m_slots[period - 1][row];
}

LineupSlot LineupBoard::slot(int period, qint16 playerNo) const
{
    const int row = rowOf(playerNo);
    if (row < 0 || period < 1 || period > kMaxPeriods)
        return {};
    return m_slots[period - 1][row];
}

bool LineupBoard::available(int period, qint16 playerNo) const
{
    const int row = rowOf(playerNo);
    if (row < 0 || period < 1 || period > m_periods)
        return true;
    return m_avail[period - 1][row] != 0;
}

int LineupBoard::PlacedCount(int period) const
{
    return period >= 1 && period <= kMaxPeriods ? m_placed[period - 1] : 0;
}

qint16 LineupBoard::playerAt(int period, int placeNo) const
{
    if (period < 1 || period > kMaxPeriods || placeNo < 1)
        return 0;
    const QList<LineupSlot>& slots = m_slots[period - 1];
    for (int row = 0; row < slots.size(); ++row) {
        if (slots[row].PlaceNo == placeNo)
            return m_players[row].playerNo;
    }
    return 0;
}

void LineupBoard::setCurrentPeriod(int period)
{
    if (period < 0 || period > m_periods || period == m_current)
        return;
    m_current = period;
    Q_EMIT currentPeriodChanged(period);
}

int LineupBoard::GetPlaceNo(int period) const
{
    for (int place = 1; place <= m_places; ++place) {
        if (playerAt(period, place) == 0)
            return place;
    }
    return 0;
}

bool LineupBoard::CheckSelect(qint16 playerNo) const
{
    return m_current > 0 && slot(m_current, playerNo).PlaceNo > 0;
}

LineupBoard::Refusal LineupBoard::checkPlacement(qint16 playerNo) const
{
    if (m_current == 0)
        return Refusal::NoPeriod;
    if (!available(m_current, playerNo))
        return Refusal::NotAvailable;
    if (CheckSelect(playerNo))
        return Refusal::AlreadySelected;
    return Refusal::None;
}

bool LineupBoard::place(qint16 playerNo, QPoint dropTwips)
{
    return placeIn(m_current, playerNo, dropTwips);
}

bool LineupBoard::placeIn(int period, qint16 playerNo, QPoint dropTwips)
{
    LineupSlot* s = slotRef(period, playerNo);
    if (!s || s->PlaceNo > 0)
        return false;
    const int placeNo = GetPlaceNo(period);
    if (placeNo == 0)
        return false;
    const QPoint at = snapToGrid(dropTwips);
    *s = LineupSlot{qint16(placeNo), qint16(at.x()), qint16(at.y())};
    m_placed[period - 1] += 1;
    Q_EMIT lineupChanged();
    return true;
}

bool LineupBoard::isLocked(int period, qint16 playerNo) const
{
    return m_lockedSlots.contains(qMakePair(period, playerNo)) && slot(period, playerNo).PlaceNo > 0;
}

bool LineupBoard::isPeriodLocked(int period) const
{
    return m_lockedPeriods.contains(period);
}

bool LineupBoard::setLocked(int period, qint16 playerNo, bool locked)
{
    if (locked && slot(period, playerNo).PlaceNo == 0)
        return false;
    if (isLocked(period, playerNo) == locked)
        return true;
    if (locked)
        m_lockedSlots.insert(qMakePair(period, playerNo));
    else
        m_lockedSlots.remove(qMakePair(period, playerNo));
    Q_EMIT locksChanged();
    return true;
}

void LineupBoard::setPeriodLocked(int period, bool locked)
{
    if (period < 1 || period > m_periods || isPeriodLocked(period) == locked)
        return;
    if (locked)
        m_lockedPeriods.insert(period);
    else
        m_lockedPeriods.remove(period);
    Q_EMIT locksChanged();
}

bool LineupBoard::move(qint16 playerNo, QPoint dropTwips)
{
    LineupSlot* s = slotRef(m_current, playerNo);
    if (!s || s->PlaceNo == 0)
        return false;
    const QPoint at = snapToGrid(dropTwips);
    if (s->XPos == at.x() && s->YPos == at.y())
        return false;
    s->XPos = qint16(at.x());
    s->YPos = qint16(at.y());
    Q_EMIT lineupChanged();
    return true;
}

bool LineupBoard::RemovePlayer(int period, qint16 playerNo)
{
    LineupSlot* s = slotRef(period, playerNo);
    if (!s || s->PlaceNo == 0)
        return false;
    s->PlaceNo = 0;
    m_placed[period - 1] -= 1;
    if (m_lockedSlots.remove(qMakePair(period, playerNo)))
        Q_EMIT locksChanged();
    Q_EMIT lineupChanged();
    return true;
}

bool LineupBoard::copyPeriod(int from)
{
    if (m_current == 0 || from == m_current || from < 1 || from > kMaxPeriods)
        return false;
    QSignalBlocker quiet(this);  // one notice for the whole copy
    for (const LineupPlayer& p : m_players)
        RemovePlayer(m_current, p.playerNo);
    for (int placeNo = 1; placeNo <= kPlaces; ++placeNo) {
        const qint16 playerNo = playerAt(from, placeNo);
        if (playerNo == 0 || !available(m_current, playerNo))
            continue;
        const LineupSlot source = slot(from, playerNo);
        // Dropped where the icon's centre stood, which snaps back to the same spot.
        place(playerNo, QPoint(source.XPos + kIconOffset, source.YPos + kIconOffset));
    }
    quiet.unblock();
    Q_EMIT lineupChanged();
    return true;
}

QList<int> LineupBoard::setAvailable(qint16 playerNo, const QList<int>& periods, bool isAvailable)
{
    QList<int> takenOff;
    const int row = rowOf(playerNo);
    if (row < 0)
        return takenOff;
    bool changed = false;
    for (int p : periods) {
        if (p < 1 || p > m_periods)
            continue;
        changed = changed || (m_avail[p - 1][row] != 0) != isAvailable;
        m_avail[p - 1][row] = isAvailable ? 1 : 0;
        if (!isAvailable && m_slots[p - 1][row].PlaceNo > 0) {
            m_slots[p - 1][row].PlaceNo = 0;
            m_placed[p - 1] -= 1;
            m_lockedSlots.remove(qMakePair(p, playerNo));
            takenOff << p;
        }
    }
    if (!takenOff.isEmpty())
        Q_EMIT lineupChanged();
    if (changed)
        Q_EMIT availabilityChanged(playerNo);
    return takenOff;
}

void LineupBoard::setCaptain(qint16 playerNo, bool captain)
{
    const int row = rowOf(playerNo);
    if (row < 0 || m_players[row].captain == captain)
        return;
    m_players[row].captain = captain;
    Q_EMIT captainChanged(playerNo);
}

QString LineupBoard::JoinlcPlayerAvail(qint16 playerNo) const
{
    QStringList parts;
    for (int p = 1; p <= m_periods; ++p)
        parts << (available(p, playerNo) ? QStringLiteral("1") : QStringLiteral("0"));
    return parts.join(QLatin1Char(';'));
}

int LineupBoard::availableCount(qint16 playerNo) const
{
    int n = 0;
    for (int p = 1; p <= m_periods; ++p)
        n += available(p, playerNo) ? 1 : 0;
    return n;
}

int LineupBoard::placedCount(qint16 playerNo) const
{
    int n = 0;
    for (int p = 1; p <= kMaxPeriods; ++p)
        n += slot(p, playerNo).PlaceNo > 0 ? 1 : 0;
    return n;
}

QString LineupBoard::ptText(qint16 playerNo) const
{
    const LineupPlayer* p = player(playerNo);
    if (!p)
        return {};
    return playTimeText(p->earlierPlayed + placedCount(playerNo), p->earlierAvailable + availableCount(playerNo));
}

QString LineupBoard::qpText(qint16 playerNo) const
{
    return availableCount(playerNo) > 0 ? QString::number(placedCount(playerNo)) : QStringLiteral("-");
}

void LineupBoard::restore(const Snapshot& s)
{
    for (int p = 0; p < kMaxPeriods; ++p) {
        if (s[p].size() != m_players.size())
            return;
    }
    m_slots = s;
    for (int p = 1; p <= m_periods; ++p) {
        for (int row = 0; row < m_players.size(); ++row) {
            if (m_avail[p - 1][row] == 0)
                m_slots[p - 1][row].PlaceNo = 0;
        }
    }
    recount();
    Q_EMIT lineupChanged();
}

void LineupBoard::recount()
{
    for (int p = 0; p < kMaxPeriods; ++p) {
        m_placed[p] = 0;
        for (const LineupSlot& s : m_slots[p])
            m_placed[p] += s.PlaceNo > 0 ? 1 : 0;
    }
}

bool applyLineupChange(QUndoStack& stack, LineupBoard& board, const QString& text, const std::function<bool()>& change)
{
    const int period = board.currentPeriod();
    LineupBoard::Snapshot before = board.snapshot();
    if (!change())
        return false;
    LineupBoard::Snapshot after = board.snapshot();
    if (after == before)
        return true;
    stack.push(new LineupCommand(board, text, period, std::move(before), std::move(after)));
    return true;
}

}  // namespace pw
