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

// Answers each duplicate group from a script (Ok keeps the row at a position of the group) and
// records the group offered by its rows' descriptions ("acd").
class ScriptedDuplicates : public DuplicateChooser {
public:
    DuplicateAnswer chooseDuplicate(const MappingTable& table,
                                    const std::vector<int>& group) override {
        offered.emplace_back();
        for (int r : group) offered.back() += table.row(r).cell(col::Description).text.view();
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected group " << offered.back();
            return {};
        }
        const DuplicateAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void showBusy(bool on) override { busy.push_back(on); }

    std::deque<DuplicateAnswer> answers;
    std::vector<std::string> offered;
    std::vector<bool> busy;
};

class ScriptedDeviceChooser : public DeviceChooser {
public:
    std::optional<int> chooseDevice(const DeviceInventory&) override {
        ++shown;
        return answer;
    }

    std::optional<int> answer;
    int shown = 0;
};

}  // namespace velloran::testing
