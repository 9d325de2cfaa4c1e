#include "maintenance/del_devices.h"

#include <algorithm>
#include <string>

#include "base/version.h"
#include "table/refresh_row_states.h"
#include "table/row_state.h"

namespace velloran {
namespace {

bool sameButton(const MappingRow& a, const MappingRow& b) {
    return a.text == b.text &&
           sameIdentity(a.cell(col::DeviceId).tag.toText(), b.cell(col::DeviceId).tag.toText());
}

int removeInactive(MappingTable& table) {
    std::vector<MappingRow>& rows = table.rows();
    const auto inactive =
        std::remove_if(rows.begin(), rows.end(), [](const MappingRow& r) { return !r.active(); });
    const int removed = static_cast<int>(rows.end() - inactive);
    rows.erase(inactive, rows.end());
    return removed;
}

// The rows of `table` that duplicate row `first` and come after it, `first` included.
std::vector<int> duplicateGroup(const MappingTable& table, int first) {
    std::vector<int> group{first};
    for (int j = first + 1; j < table.rowCount(); ++j) {
        if (sameButton(table.row(first), table.row(j))) group.push_back(j);
    }
    return group;
}

// Removes every row of the group but the one at position `keep`; returns how many went.
int keepOne(MappingTable& table, const std::vector<int>& group, int keep) {
    std::vector<std::uint64_t> doomed;
    for (std::size_t k = 0; k < group.size(); ++k) {
        if (static_cast<int>(k) != keep) doomed.push_back(table.row(group[k]).id);
    }
    std::vector<MappingRow>& rows = table.rows();
    std::erase_if(rows, [&](const MappingRow& r) {
        return std::find(doomed.begin(), doomed.end(), r.id) != doomed.end();
    });
    return static_cast<int>(doomed.size());
}

// The duplicate pass. Rows are examined by index: a row that moves into the place of a removed
// one is not examined again as the first of a group.
int removeDuplicates(MappingTable& table, DuplicateChooser& chooser) {
    int removed = 0;
    for (int i = 0; i < table.rowCount(); ++i) {
        const std::vector<int> group = duplicateGroup(table, i);
        if (group.size() < 2) continue;
        const DuplicateAnswer answer = chooser.chooseDuplicate(table, group);
        if (answer.choice == DuplicateChoice::SkipAll) break;
        if (answer.choice == DuplicateChoice::Ok) removed += keepOne(table, group, answer.keep);
    }
    return removed;
}

}  // namespace

Message removeItemsQuestion() {
    const std::string crlf(kCrLf);
    return Message{Icon::Question, kRemoveConfirmationTitle,
                   std::string(kProductName) + " will search for inactive buttons, devices," +
                       crlf + "duplicate entries and will update the configuration list." + crlf +
                       crlf + "Are you sure you want to proceed",
                   Buttons::YesNo};
}

Message itemsRemovedReport(int inactive, int duplicates) {
    return Message{Icon::Information, "Items Removed",
                   countLine(inactive, "inactive item(s) removed.") + std::string(kCrLf) +
                       countLine(duplicates, "duplicate item(s) removed.")};
}

MaintenanceOutcome Del_Devices(EditorSession& session, MessageBoxes& boxes,
                               DuplicateChooser& chooser) {
    MappingTable* table = maintainedTable(session);
    if (table == nullptr) return {};
    if (boxes.showAsk(removeItemsQuestion()) != Answer::Yes) return {};

    chooser.showBusy(true);
    const auto selected = selectedRowId(*table);
    refresh_row_states(*table, session.devices);
    const int inactive = removeInactive(*table);
    const int duplicates = removeDuplicates(*table, chooser);
    reselect(*table, selected);
    chooser.showBusy(false);

    boxes.show(itemsRemovedReport(inactive, duplicates));
    MaintenanceOutcome outcome{.tableChanged = true};
    if (inactive + duplicates > 0) {
        session.markChanged();
        outcome.commandStatesDue = true;
    }
    return outcome;
}

}  // namespace velloran
