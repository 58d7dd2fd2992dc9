// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RosterModel.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace pw {

namespace {

// Built when a grid is made, after the coach's language is in place.
QStringList rosterHeaders()
{
    return {RosterModel::tr("Player"),
            RosterModel::tr("Play"),
            RosterModel::tr("Shots"),
            RosterModel::tr("Goals"),
            RosterModel::tr("Steals"),
            RosterModel::tr("Assists"),
            QString(),
            RosterModel::tr("SOG"),
            RosterModel::tr("Goals"),
            RosterModel::tr("Blocks"),
            RosterModel::tr("OverShot"),
            RosterModel::tr("Qtrs"),
            RosterModel::tr("Avail")};
}

QStringList playerGameHeaders()
{
    return {PlayerGamesModel::tr("Opponent"), PlayerGamesModel::tr("Qtrs"),
            PlayerGamesModel::tr("Avail"),    PlayerGamesModel::tr("Shots"),
            PlayerGamesModel::tr("Goals"),    PlayerGamesModel::tr("Blks/Stls"),
            PlayerGamesModel::tr("Assists"),  QString(),
            PlayerGamesModel::tr("SOG"),      PlayerGamesModel::tr("GA"),
            PlayerGamesModel::tr("Blocks"),   PlayerGamesModel::tr("OverShot")};
}

QString number(const std::optional<qint64>& v)
{
    return v ? QString::number(*v) : QString();
}

QVariant alignment(int column)
{
    return column == 0 ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter)) : QVariant(int(Qt::AlignCenter));
}

}  // namespace

RosterModel::RosterModel(QObject* parent)
    : RowTableModel(rosterHeaders(), parent)
{
}

QColor RosterModel::feeColour(FeeStatus status)
{
    switch (status) {
    case FeeStatus::Paid: return QColor(0xc8, 0xe6, 0xc9);
    case FeeStatus::Partial: return QColor(0xff, 0xf1, 0x9c);
    case FeeStatus::Unpaid: return QColor(0xff, 0xcc, 0xbc);
    }
    return {};
}

QColor RosterModel::tooOldColour()
{
    return QColor(0xd3, 0x2f, 0x2f);
}

QColor RosterModel::behindColour()
{
    return QColor(0xff, 0x8f, 0x00, 0x70);
}

int RosterModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_rows.isEmpty())
        return 0;
    return static_cast<int>(m_rows.size()) + 1;
}

int RosterModel::teamRow() const
{
    return m_rows.isEmpty() ? -1 : static_cast<int>(m_rows.size());
}

Qt::ItemFlags RosterModel::flags(const QModelIndex& index) const
{
    // The team's row is read, never picked: clicks and the arrow keys pass it by.
    if (index.isValid() && index.row() == teamRow())
        return Qt::NoItemFlags;
    return RowTableModel::flags(index);
}

ShareSpread RosterModel::spread() const
{
    QList<QPair<qint16, int>> shares;
    for (const RosterRow& r : m_rows) {
        if (r.game.shown && r.game.hasShare)
            shares << qMakePair(r.playerNo, r.game.percent);
    }
    return shareSpread(shares);
}

namespace {

QFont boldFont()
{
    QFont bold;
    bold.setBold(true);
    return bold;
}

// The team's row: its name, and the spread of the shares under the share column.
QVariant teamRowData(const ShareSpread& s, int column, int role)
{
    const bool spreadShown = column == 1 && s.players > 1;
    const QString why =
        spreadShown
            ? RosterModel::tr("Shares from %1% to %2%; team average %3%").arg(s.lowest).arg(s.highest).arg(s.average)
            : QString();
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0)
            return RosterModel::tr("Team");
        return spreadShown ? QVariant(RosterModel::tr("Spread %1 pts").arg(s.spread())) : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: return spreadShown ? QVariant(why) : QVariant();
    case Qt::FontRole: return boldFont();
    // Not selectable, yet as readable as the players' rows.
    case Qt::ForegroundRole: return QGuiApplication::palette().brush(QPalette::Active, QPalette::Text);
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter)) : QVariant(int(Qt::AlignCenter));
    default: return {};
    }
}

// A player's share cell when it lies more than kBehindPoints under the team's average.
QVariant behindData(const ShareSpread& s, int share, int role)
{
    switch (role) {
    case Qt::BackgroundRole: return RosterModel::behindColour();
    case Qt::FontRole: return boldFont();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return RosterModel::tr("%1 points under the team average of %2%").arg(s.pointsUnder(share)).arg(s.average);
    default: return {};
    }
}

}  // namespace

qint16 RosterModel::playerAt(int r) const
{
    const RosterRow* p = row(r);
    return p ? p->playerNo : 0;
}

void RosterModel::setGameView(const GameView& view)
{
    for (RosterRow& r : m_rows)
        r.game = view.lines.value(r.playerNo);
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(
            index(0, 1), index(rowCount() - 1, columnCount() - 1),
            {Qt::DisplayRole, Qt::BackgroundRole, Qt::FontRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
}

QString RosterModel::cellText(int r, int column) const
{
    const RosterRow* p = row(r);
    if (!p || column < 1 || !p->game.shown)
        return {};
    const PlayerGameLine& g = p->game;
    // Play, the four field figures, the gap, the four goalkeeper figures, periods played and available.
    if (column == 1)
        return QString::number(g.percent) + QLatin1Char('%');
    if (column >= 2 && column <= 5)
        return number(g.figures[static_cast<size_t>(column - 2)]);
    if (column >= 7 && column <= 10)
        return number(g.figures[static_cast<size_t>(column - 3)]);
    if (column == 11)
        return number(g.qtrPlayed);
    if (column == 12)
        return number(g.qtrAvailable);
    return {};
}

QVariant RosterModel::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && index.row() == teamRow())
        return teamRowData(spread(), index.column(), role);
    const RosterRow* r = index.isValid() ? row(index.row()) : nullptr;
    if (!r)
        return {};
    const bool nameColumn = index.column() == 0;
    if (index.column() == 1 && r->game.shown && r->game.hasShare &&
        (role == Qt::BackgroundRole || role == Qt::FontRole || role == Qt::ToolTipRole ||
         role == Qt::AccessibleDescriptionRole)) {
        if (const ShareSpread s = spread(); s.isBehind(r->game.percent))
            return behindData(s, r->game.percent, role);
    }
    switch (role) {
    case Qt::DisplayRole: return nameColumn ? QVariant(r->text) : QVariant(cellText(index.row(), index.column()));
    case Qt::ToolTipRole: return nameColumn && r->text.size() > 30 ? QVariant(r->text) : QVariant();
    case Qt::BackgroundRole:
        if (!nameColumn)
            return {};
        if (r->tooOld)
            return tooOldColour();
        return r->fee ? QVariant(feeColour(*r->fee)) : QVariant();
    case Qt::ForegroundRole: return nameColumn && r->tooOld ? QVariant(QColor(Qt::white)) : QVariant();
    case Qt::TextAlignmentRole: return alignment(index.column());
    case Qt::UserRole: return r->playerNo;
    default: return {};
    }
}

PlayerGamesModel::PlayerGamesModel(QObject* parent)
    : RowTableModel(playerGameHeaders(), parent)
{
}

QVariant PlayerGamesModel::data(const QModelIndex& index, int role) const
{
    const PlayerRecordLine* r = index.isValid() ? row(index.row()) : nullptr;
    if (!r)
        return {};
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (c == 0)
            return r->opponent;
        if (r->separator)
            return {};
        // Opponent, periods played and available, the four field figures, a gap, the four
        // goalkeeper figures.
        if (c == 1)
            return number(r->qtrPlayed);
        if (c == 2)
            return QString::number(r->qtrAvailable);
        if (c >= 3 && c <= 6)
            return number(r->figures[static_cast<size_t>(c - 3)]);
        if (c >= 8 && c <= 11)
            return number(r->figures[static_cast<size_t>(c - 4)]);
        return {};
    case Qt::BackgroundRole: return r->separator ? QVariant(QColor(Qt::white)) : QVariant();
    case Qt::FontRole:
        if (r->separator) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole: return alignment(c);
    default: return {};
    }
}

}  // namespace pw
