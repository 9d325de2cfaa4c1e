#pragma once
// A window around the table that writes down what it was asked to do.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/rows.h"
#include "editing/table_editing.h"

namespace velloran::testing {

class FakeHost : public TableEditingHost {
public:
    // Every call in order: "modified", "commands", "lock 144 on", "feedback", "repaint", "focus",
    // "menu", "editor 2", "remove", "guard on", "guard off".
    std::vector<std::string> calls;
    std::optional<int> guardFailure;

    void markModified() override { calls.push_back("modified"); }
    void refreshCommandStates() override { calls.push_back("commands"); }
    void setLockKey(std::uint16_t key, bool on) override {
        calls.push_back("lock " + std::to_string(key) + (on ? " on" : " off"));
    }
    void clearFeedback() override { calls.push_back("feedback"); }
    void repaintTable() override { calls.push_back("repaint"); }
    void focusTable() override { calls.push_back("focus"); }
    void showContextMenu() override { calls.push_back("menu"); }
    void openDescriptionEditor(int row) override {
        calls.push_back("editor " + std::to_string(row));
    }
    void removeItems() override { calls.push_back("remove"); }
    std::optional<int> installKeyboardGuard() override {
        calls.push_back("guard on");
        return guardFailure;
    }
    void removeKeyboardGuard() override { calls.push_back("guard off"); }

    int count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    std::vector<std::string> locks() const {
        std::vector<std::string> out;
        for (const std::string& c : calls) {
            if (c.rfind("lock ", 0) == 0) out.push_back(c);
        }
        return out;
    }
};

// State, table and host in one place, for the handlers.
struct Desk {
    explicit Desk(int rows = 3) : table(padTable(rows)) {}
    TableEditingState state;
    MappingTable table;
    FakeHost host;
    bool recording = false;
    bool testing = false;

    TableEditing editing() { return TableEditing{state, table, host, recording, testing}; }
};

}  // namespace velloran::testing
