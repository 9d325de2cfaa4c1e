#pragma once
// The Mapping table the session shows, as a Qt table model: 41 columns, the row Tag as the row's
// background, the row icon in the first column and the step-header pictures. The model asks its
// source for the table on every read, so it never reads a table that is gone; whoever changed
// the table tells the model what changed.
#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "table/cell_widths.h"
#include "table/mapping_table.h"

namespace velloran {

class MappingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The table to show, or nullptr for none.
    using TableSource = std::function<const MappingTable*()>;

    explicit MappingTableModel(TableSource source, QObject* parent = nullptr);
    // A model of one table that outlives it.
    explicit MappingTableModel(const MappingTable& table, QObject* parent = nullptr);

    const MappingTable* table() const { return source_(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows were added, removed or reordered, or another table is shown.
    void reload();
    // Cells of the rows first..last (0-based) changed in place.
    void rowsChanged(int first, int last);
    // Only the rows' colours or icons changed: no column needs a new width.
    void looksChanged();
    // Anything may have changed: a reload when the source shows another table or other rows
    // than last time, else every row's cells changed in place.
    void follow();

    // Pictures of the step headers, one per step column "On Press 1".."On Release 16".
    using StepHeaderImages = std::array<int, col::LastStep - col::FirstPress + 1>;
    void setStepHeaderImages(const StepHeaderImages& images);
    int stepHeaderImage(int column) const;

    // The widest cell of each column, measured again only after the content changed.
    const ColumnWidths& cellWidths(const CellMetrics& metrics);

signals:
    // Texts, rows or the table's look changed: column widths and the view's look are due.
    void contentChanged();

private:
    int rows() const;
    void takeSnapshot();

    TableSource source_;
    const MappingTable* shown_ = nullptr;  // the table of the last reload
    std::vector<std::uint64_t> rowIds_;    // its rows at the last reload
    StepHeaderImages stepImages_{};
    std::optional<ColumnWidths> cellWidths_;
};

}  // namespace velloran
