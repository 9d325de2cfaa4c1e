#pragma once
// Scripted FormDel and formReplace answers for the list-maintenance commands.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/session.h"
#include "maintenance/del_devices.h"
#include "maintenance/swap_devices.h"

namespace velloran::testing {

// FormDel answering from a script; records every group it was offered as button texts and
// device Tags ("5 pad").
class ScriptedDuplicates : public DuplicateChooser {
public:
    std::deque<DuplicateAnswer> answers;
    std::vector<std::vector<std::string>> offered;
    std::vector<bool> busy;

    DuplicateAnswer chooseDuplicate(const MappingTable& table,
                                    const std::vector<int>& group) override {
        std::vector<std::string> rows;
        for (int r : group) {
            rows.push_back(table.row(r).text + " " + table.row(r).cell(col::DeviceId).tag.toText());
        }
        offered.push_back(rows);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected group";
            return {};
        }
        const DuplicateAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void showBusy(bool on) override { busy.push_back(on); }
};

class ScriptedDeviceChooser : public DeviceChooser {
public:
    std::optional<int> answer;
    int shown = 0;

    std::optional<int> chooseDevice(const DeviceInventory&) override {
        ++shown;
        return answer;
    }
};

}  // namespace velloran::testing
