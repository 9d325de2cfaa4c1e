#pragma once
// FormDel: one group of duplicate rows, of which the user keeps one (OK), all (Skip) or all of
// this and every later group (Skip All). Closing the dialog any other way is Skip.
#include <QDialog>
#include <vector>

#include "table/mapping_table.h"
#include "maintenance/del_devices.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velloran {

class FormDel : public QDialog {
    Q_OBJECT
public:
    // Lists the rows `group` (0-based indices of `table`) with their first six columns.
    FormDel(QWidget* owner, const MappingTable& table, const std::vector<int>& group);

    DuplicateAnswer answer() const { return answer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The item becomes the one kept: marked, checked, and OK enabled.
    void choose(QTreeWidgetItem* item);
    void finish(DuplicateAnswer answer);

    QTreeWidget* list_;
    QPushButton* ok_;
    int chosen_ = -1;  // position of the kept row in the list
    DuplicateAnswer answer_;
};

}  // namespace velloran
