#pragma once
// Remove Items (Del_Devices): drops every row whose device or button is not present now and,
// for each group of rows mapping the same button of the same device, lets the user keep one.
#include <vector>

#include "base/message_box.h"
#include "session/editor_session.h"
#include "maintenance/maintenance_common.h"

namespace velloran {

enum class DuplicateChoice {
    Ok,       // keep the selected row, remove the others of the group
    Skip,     // keep the whole group
    SkipAll,  // keep this group and stop looking for duplicates
};

struct DuplicateAnswer {
    DuplicateChoice choice = DuplicateChoice::Skip;
    int keep = -1;  // with Ok: the position in the group of the row to keep

    bool operator==(const DuplicateAnswer&) const = default;
};

// FormDel: offers one group of duplicate rows.
class DuplicateChooser {
public:
    virtual ~DuplicateChooser() = default;
    // `group` holds 0-based row indices of `table`: the row examined first, then the later rows
    // that duplicate it, in table order. Closing the dialog without a button answers Skip.
    virtual DuplicateAnswer chooseDuplicate(const MappingTable& table,
                                            const std::vector<int>& group) = 0;
    // The main window's hourglass, on while the table is searched.
    virtual void showBusy(bool busy) = 0;
};

// Asks first; then re-marks every row, removes the inactive ones, offers each duplicate group,
// and reports the counts. A configuration that lost rows is marked changed.
MaintenanceOutcome Del_Devices(EditorSession& session, MessageBoxes& boxes,
                               DuplicateChooser& chooser);

Message removeItemsQuestion();
Message itemsRemovedReport(int inactive, int duplicates);

}  // namespace velloran
