#include "app/RosterModel.h"

#include <QFont>

namespace pw {

namespace {

const QStringList kRosterHeaders{QStringLiteral("Player"),
                                 QStringLiteral("Play"),
                                 QStringLiteral("Shots"),
                                 QStringLiteral("Goals"),
                                 QStringLiteral("Steals"),
                                 QStringLiteral("Assists"),
                                 QString(),
                                 QStringLiteral("SOG"),
                                 QStringLiteral("Goals"),
                                 QStringLiteral("Blocks"),
                                 QStringLiteral("OverShot"),
                                 QStringLiteral("Qtrs"),
                                 QStringLiteral("Avail")};

const QStringList kPlayerGameHeaders{
    QStringLiteral("Opponent"), QStringLiteral("Qtrs"),      QStringLiteral("Avail"),   QStringLiteral("Shots"),
    QStringLiteral("Goals"),    QStringLiteral("Blks/Stls"), QStringLiteral("Assists"), QString(),
    QStringLiteral("SOG"),      QStringLiteral("GA"),        QStringLiteral("Blocks"),  QStringLiteral("OverShot")};

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
    : RowTableModel(kRosterHeaders, parent)
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
        Q_EMIT dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
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
    const RosterRow* r = index.isValid() ? row(index.row()) : nullptr;
    if (!r)
        return {};
    const bool nameColumn = index.column() == 0;
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
    : RowTableModel(kPlayerGameHeaders, parent)
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
