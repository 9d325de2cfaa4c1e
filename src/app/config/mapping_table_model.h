#pragma once
// A Mapping table of the core as a Qt table model: 41 columns, the row Tag as the row's
// background, the row icon in the first column and the step-header pictures. The core changes
// the table; whoever changed it tells the model which rows.
#include <QAbstractTableModel>
#include <optional>

#include "config/cell_widths.h"
#include "config/mapping_table.h"

namespace velloran {

class MappingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MappingTableModel(const MappingTable& table, QObject* parent = nullptr);

    const MappingTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows were added, removed or reordered, or the table's look changed.
    void reload();
    // Cells of the rows first..last (0-based) changed in place.
    void rowsChanged(int first, int last);

    // Step headers show image 13 (recording) or 14 on the current column, 12 on the others.
    // `currentColumn` is a sub-item index; one that is not a step column marks none.
    void setStepHeaders(int currentColumn, bool recording);
    int stepHeaderImage(int column) const;

    // The widest cell of each column, measured again only after the content changed.
    const ColumnWidths& cellWidths(const CellMetrics& metrics);

signals:
    // Texts, rows or the table's look changed: column widths and the view's look are due.
    void contentChanged();

private:
    const MappingTable& table_;
    int currentColumn_ = 0;
    bool recording_ = false;
    std::optional<ColumnWidths> cellWidths_;
};

}  // namespace velloran
