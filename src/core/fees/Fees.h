// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace pw {

// One player's line of the fees window.
struct FeeLine {
    qint16 playerNo = 0;
    QString name;  // "Last, First", safe to show
    double amountPaid = 0;
};

// The team's fee and what each player has paid, by last name, in two reads.
struct TeamFees {
    double teamAmount = 0;
    QList<FeeLine> lines;
    double totalPaid() const;
    double difference() const { return totalPaid() - teamAmount; }
    // The team's fee shared evenly; 0 for a team without players.
    double playerFee() const;
};
TeamFees readFees(qint16 teamNo);
// Stores every player's amount in one transaction; either all are stored or none.
void saveFees(qint16 teamNo, const QList<FeeLine>& lines);

// The fees grid: "Player Name" and "Amount Paid" (in the "Currency" form), the amounts editable
// in place. An amount that is not one is refused (setData false) and never reaches the lines.
class FeeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FeeModel(QObject* parent = nullptr);
    void setLines(QList<FeeLine> lines);
    const QList<FeeLine>& lines() const { return m_lines; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // An amount the coach typed could not be read; the cell keeps its amount.
    void amountRefused(const QString& text);

private:
    QList<FeeLine> m_lines;
};

}  // namespace pw
