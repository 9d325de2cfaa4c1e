#include "config/mapping_table_model.h"

#include "base/ole_colour.h"
#include "resources/icons.h"

namespace velloran {

MappingTableModel::MappingTableModel(const MappingTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int MappingTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int MappingTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : col::Count;
}

QVariant MappingTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.rowCount()) return {};
    const MappingRow& row = table_.row(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(column == col::Button ? row.text : row.cell(column).text);
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

void MappingTableModel::reload() {
    beginResetModel();
    cellWidths_.reset();
    endResetModel();
    emit contentChanged();
}

void MappingTableModel::rowsChanged(int first, int last) {
    if (first > last || first < 0 || last >= table_.rowCount()) return;
    cellWidths_.reset();
    emit dataChanged(index(first, 0), index(last, col::Count - 1));
    emit contentChanged();
}

void MappingTableModel::setStepHeaders(int currentColumn, bool recording) {
    if (currentColumn == currentColumn_ && recording == recording_) return;
    currentColumn_ = currentColumn;
    recording_ = recording;
    emit headerDataChanged(Qt::Horizontal, col::FirstPress, col::LastStep);
}

int MappingTableModel::stepHeaderImage(int column) const {
    if (column != currentColumn_ || !isStepColumn(column)) return icons::kStepHeaderIdle;
    return recording_ ? icons::kStepHeaderRecording : icons::kStepHeaderCurrent;
}

const ColumnWidths& MappingTableModel::cellWidths(const CellMetrics& metrics) {
    if (!cellWidths_) cellWidths_ = measureCellWidths(table_, metrics);
    return *cellWidths_;
}

}  // namespace velloran
