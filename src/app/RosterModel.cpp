#include "app/RosterModel.h"

namespace pw {

namespace {

const QStringList kRosterHeaders{
    QStringLiteral("Player"), QStringLiteral("Play"),    QStringLiteral("Shots"),    QStringLiteral("Goals"),
    QStringLiteral("Steals"), QStringLiteral("Assists"), QString(),                  QStringLiteral("SOG"),
    QStringLiteral("Goals"),  QStringLiteral("Blocks"),  QStringLiteral("OverShot"), QStringLiteral("Qtrs"),
    QStringLiteral("Avail")};

const QStringList kPlayerGameHeaders{
    QStringLiteral("Opponent"), QStringLiteral("Qtrs"),      QStringLiteral("Avail"),   QStringLiteral("Shots"),
    QStringLiteral("Goals"),    QStringLiteral("Blks/Stls"), QStringLiteral("Assists"), QString(),
    QStringLiteral("SOG"),      QStringLiteral("GA"),        QStringLiteral("Blocks"),  QStringLiteral("OverShot")};

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

QVariant RosterModel::data(const QModelIndex& index, int role) const
{
    const RosterRow* r = index.isValid() ? row(index.row()) : nullptr;
    if (!r)
        return {};
    const bool nameColumn = index.column() == 0;
    switch (role) {
    case Qt::DisplayRole: return nameColumn ? QVariant(r->text) : QVariant();
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
    const PlayerGameRow* r = index.isValid() ? row(index.row()) : nullptr;
    if (!r)
        return {};
    if (role == Qt::DisplayRole && index.column() == 0)
        return r->opponent;
    if (role == Qt::TextAlignmentRole)
        return alignment(index.column());
    return {};
}

}  // namespace pw
