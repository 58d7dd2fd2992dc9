#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QVariant>

namespace pw {

// A grid of text cells under a fixed header row, each row carrying a value of its own (the
// player number on the roster grid) and an optional colour for its first cell.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QVariant rowData;
        QStringList cells;
        QColor background;  // first cell; invalid keeps the normal colour
        QColor foreground;
    };

    explicit GridModel(QStringList headers, QObject* parent = nullptr);

    void setRows(QList<Row> rows);
    void clearRows() { setRows({}); }
    const QList<Row>& rows() const { return m_rows; }
    QVariant rowData(int row) const;
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    const QStringList& headers() const { return m_headers; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headers;
    QList<Row> m_rows;
};

}  // namespace pw
