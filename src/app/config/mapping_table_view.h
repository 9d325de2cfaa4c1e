#pragma once
// ListView3: the one view of the Mapping tables. Switching configurations switches its model;
// column widths are measured when a table's content changes, never on a resize.
#include <QPointer>
#include <QTableView>

#include "config/mapping_table_model.h"

namespace velloran {

class MappingTableView : public QTableView {
    Q_OBJECT
public:
    explicit MappingTableView(QWidget* parent);

    // Shows `model`'s table: its rows, background, enabled state and fitted columns.
    void showModel(MappingTableModel* model);
    MappingTableModel* tableModel() const { return model_.data(); }

    // Step columns are never narrower than this (1700 twips).
    int minStepColumnWidth() const;

private:
    void refreshLook();
    void fitColumns();

    QPointer<MappingTableModel> model_;
    QMetaObject::Connection contentConnection_;
    bool refreshPending_ = false;
};

}  // namespace velloran
