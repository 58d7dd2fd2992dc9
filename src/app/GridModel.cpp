#include "app/GridModel.h"

namespace pw {

GridModel::GridModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
{
}

void GridModel::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    for (Row& r : m_rows) {
        while (r.cells.size() < m_headers.size())
            r.cells << QString();
    }
    endResetModel();
}

QVariant GridModel::rowData(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).rowData : QVariant();
}

QString GridModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).cells.value(column);
}

void GridModel::setCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_headers.size())
        return;
    m_rows[row].cells[column] = text;
    const QModelIndex i = index(row, column);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& r = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return r.cells.value(index.column());
    case Qt::BackgroundRole:
        return index.column() == 0 && r.background.isValid() ? QVariant(r.background) : QVariant();
    case Qt::ForegroundRole:
        return index.column() == 0 && r.foreground.isValid() ? QVariant(r.foreground) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter)) : QVariant(int(Qt::AlignCenter));
    case Qt::UserRole: return r.rowData;
    default: return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace pw
