#include "table/mapping_table_model.h"

#include <string_view>

#include "base/ole_colour.h"
#include "resources/icons.h"

namespace velloran {

MappingTableModel::MappingTableModel(TableSource source, QObject* parent)
    : QAbstractTableModel(parent), source_(std::move(source)) {
    stepImages_.fill(icons::kStepHeaderIdle);
    takeSnapshot();
}

MappingTableModel::MappingTableModel(const MappingTable& table, QObject* parent)
    : MappingTableModel([&table] { return &table; }, parent) {}

int MappingTableModel::rows() const {
    const MappingTable* t = table();
    return t ? t->rowCount() : 0;
}

int MappingTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int MappingTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : col::Count;
}

QVariant MappingTableModel::data(const QModelIndex& index, int role) const {
    const MappingTable* t = table();
    // The view may still count the rows of a table that was just replaced.
    if (!t || !index.isValid() || index.row() >= t->rowCount()) return {};
    const MappingRow& row = t->row(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole: {
            const std::string_view text =
                column == col::Button ? std::string_view(row.text) : row.cell(column).text.view();
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
        case Qt::BackgroundRole:
            return oleColour(row.colour);
        case Qt::DecorationRole:
            return column == col::Button ? QVariant(icons::rowIcon(row.icon)) : QVariant();
        default:
            return {};
    }
}

QVariant MappingTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= col::Count) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(headerText(section));
        case Qt::DecorationRole:
            return isStepColumn(section) ? QVariant(icons::menuPicture(stepHeaderImage(section)))
                                         : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

void MappingTableModel::takeSnapshot() {
    shown_ = table();
    rowIds_.clear();
    if (!shown_) return;
    rowIds_.reserve(static_cast<std::size_t>(shown_->rowCount()));
    for (const MappingRow& row : shown_->rows()) rowIds_.push_back(row.id);
}

void MappingTableModel::reload() {
    beginResetModel();
    takeSnapshot();
    cellWidths_.reset();
    endResetModel();
    emit contentChanged();
}

void MappingTableModel::rowsChanged(int first, int last) {
    if (first > last || first < 0 || last >= rows()) return;
    cellWidths_.reset();
    emit dataChanged(index(first, 0), index(last, col::Count - 1));
    emit contentChanged();
}

void MappingTableModel::looksChanged() {
    if (rows() == 0) return;
    emit dataChanged(index(0, 0), index(rows() - 1, col::Count - 1),
                     {Qt::BackgroundRole, Qt::DecorationRole});
}

void MappingTableModel::follow() {
    const MappingTable* t = table();
    bool same = t == shown_ && t && static_cast<std::size_t>(t->rowCount()) == rowIds_.size();
    for (std::size_t i = 0; same && i < rowIds_.size(); ++i) {
        same = t->rows()[i].id == rowIds_[i];
    }
    if (same) {
        rowsChanged(0, rows() - 1);
    } else {
        reload();
    }
}

void MappingTableModel::setStepHeaderImages(const StepHeaderImages& images) {
    if (images == stepImages_) return;
    stepImages_ = images;
    emit headerDataChanged(Qt::Horizontal, col::FirstPress, col::LastStep);
}

int MappingTableModel::stepHeaderImage(int column) const {
    if (!isStepColumn(column)) return icons::kStepHeaderIdle;
    return stepImages_[static_cast<std::size_t>(column - col::FirstPress)];
}

const ColumnWidths& MappingTableModel::cellWidths(const CellMetrics& metrics) {
    if (!cellWidths_) {
        const MappingTable* t = table();
        cellWidths_ = t ? measureCellWidths(*t, metrics) : ColumnWidths{};
    }
    return *cellWidths_;
}

}  // namespace velloran
