// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace pw {

// A grid over typed rows under a fixed header row. Subclasses say how a row shows in each column
// (data()); tests read the rows themselves rather than their display text.
template <typename Row> class RowTableModel : public QAbstractTableModel {
public:
    explicit RowTableModel(QStringList headers, QObject* parent = nullptr)
        : QAbstractTableModel(parent)
        , m_headers(std::move(headers))
    {
    }

    void setRows(QList<Row> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    void clearRows() { setRows({}); }
    const QList<Row>& rows() const { return m_rows; }
    const Row* row(int r) const { return r >= 0 && r < m_rows.size() ? &m_rows.at(r) : nullptr; }
    const QStringList& headers() const { return m_headers; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_headers.value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

protected:
    QStringList m_headers;
    QList<Row> m_rows;
};

}  // namespace pw
