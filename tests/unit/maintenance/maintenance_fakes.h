#pragma once
// A session with one open configuration, scripted message boxes and scripted FormDel and
// formReplace answers for the list-maintenance commands.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/scripted_boxes.h"
#include "base/message_box.h"
#include "table/default_rows.h"
#include "session/editor_session.h"
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

class ScriptedDevice : public DeviceChooser {
public:
    std::optional<int> answer;
    int shown = 0;

    std::optional<int> chooseDevice(const DeviceInventory&) override {
        ++shown;
        return answer;
    }
};

// One configuration "file1" open, unchanged, in the selected tab.
struct OpenConfiguration {
    EditorSession session;
    ScriptedBoxes boxes;
    MappingTable* table = nullptr;

    explicit OpenConfiguration(int state = state::Unchanged) {
        session.list.add(ListEntry{"file1", "a.vlz", state, false, listcolour::Current, ""});
        session.tabs.dropPlaceholder();
        session.tabs.insertFront(Tab{"file1", "a.vlz"});
        session.tabs.select("file1");
        session.currentKey = "file1";
        table = &session.tables.getOrCreate("file1");
    }

    void device(const char* identity, int buttons, const char* name = nullptr) {
        session.devices.add(DetectedDevice{DeviceKind::Joystick, buttons, identity,
                                           name != nullptr ? name : identity});
    }
    // A row for `button` of the device with this identity, appended.
    MappingRow& row(int button, const char* identity, const char* description = " ") {
        MappingRow& r = table->append(defaultRow(
            ButtonEntry{button, std::string("Name of ") + identity, identity}, colour::ActiveRow));
        r.cell(col::Description).text = description;
        return r;
    }
    // The rows as "button identity" texts, in table order.
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (const MappingRow& r : table->rows()) {
            out.push_back(r.text + " " + r.cell(col::DeviceId).tag.toText());
        }
        return out;
    }
    int state() const { return session.list.find("file1")->state; }
};

}  // namespace velloran::testing
