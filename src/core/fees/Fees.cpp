// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fees/Fees.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/fees/FeeStatus.h"
#include "data/Database.h"
#include "data/Fields.h"

namespace pw {

double TeamFees::totalPaid() const
{
    double total = 0;
    for (const FeeLine& l : lines)
        total += l.amountPaid;
    return total;
}

double TeamFees::playerFee() const
{
    return playerShare(teamAmount, int(lines.size()));
}

TeamFees readFees(qint16 teamNo)
{
    PW_TRACE(QStringLiteral("readFees"), traceArg(QStringLiteral("TeamNo"), teamNo));
    TeamFees fees;
    QSqlQuery team = execSql(QStringLiteral("SELECT TeamAmount FROM Teams WHERE TeamNo = ?"), {teamNo});
    if (team.next())
        fees.teamAmount = team.value(0).toDouble();
    QSqlQuery q = execSql(
        QStringLiteral("SELECT PlayerNo, PlayerLastName, PlayerFirstName, AmountPaid FROM Player WHERE TeamNo = ? "
                       "ORDER BY LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC, PlayerNo ASC"),
        {teamNo});
    while (q.next()) {
        fees.lines << FeeLine{NullToInt(q.value(0)),
                              shownText(NullToText(q.value(1)) + QStringLiteral(", ") + NullToText(q.value(2))),
                              q.value(3).toDouble()};
    }
    return fees;
}

void saveFees(qint16 teamNo, const QList<FeeLine>& lines)
{
    PW_TRACE(QStringLiteral("saveFees"), traceArg(QStringLiteral("TeamNo"), teamNo));
    Transaction tx;
    PreparedStatement update(Db::shared(),
                             QStringLiteral("UPDATE Player SET AmountPaid = ? WHERE TeamNo = ? AND PlayerNo = ?"));
    for (const FeeLine& l : lines)
        update.exec({RoundHalfEven(l.amountPaid, 2), teamNo, l.playerNo});
    announce(Change::Fees, teamNo);
    tx.commit();
}

FeeModel::FeeModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void FeeModel::setLines(QList<FeeLine> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int FeeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int FeeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FeeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 0 ? tr("Player Name") : tr("Amount Paid");
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant FeeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const FeeLine& l = m_lines[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return index.column() == 0 ? QVariant(l.name) : QVariant(Format(l.amountPaid, QStringLiteral("Currency")));
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::UserRole: return l.playerNo;
    default: return {};
    }
}

Qt::ItemFlags FeeModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.column() == 1 ? base | Qt::ItemIsEditable : base;
}

bool FeeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != 1 || index.row() >= m_lines.size())
        return false;
    const QString text = value.toString().trimmed();
    // An emptied cell is nothing paid; anything else must read as an amount of at least zero.
    const std::optional<double> amount = text.isEmpty() ? std::optional<double>(0.0) : parseAmount(text);
    if (!amount || *amount < 0 || *amount > 1e9) {
        Q_EMIT amountRefused(text);
        return false;
    }
    m_lines[index.row()].amountPaid = RoundHalfEven(*amount, 2);
    Q_EMIT dataChanged(index, index);
    return true;
}

}  // namespace pw
