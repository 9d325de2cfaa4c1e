#pragma once
// A window around the table that writes down what it was asked to do.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/rows.h"
#include "editing/table_editing.h"

namespace velloran::testing {

class FakeHost : public TableEditingHost {
public:
    // Every call in order, comma-separated: "modified", "commands", "lock 144 on", "feedback",
    // "repaint", "focus", "menu", "editor 2", "remove", "guard on", "guard off".
    std::string log;
    std::optional<int> guardFailure;

    void markModified() override { note("modified"); }
    void refreshCommandStates() override { note("commands"); }
    void setLockKey(std::uint16_t key, bool on) override {
        note("lock " + std::to_string(key) + (on ? " on" : " off"));
    }
    void clearFeedback() override { note("feedback"); }
    void repaintTable() override { note("repaint"); }
    void focusTable() override { note("focus"); }
    void showContextMenu() override { note("menu"); }
    void openDescriptionEditor(int row) override { note("editor " + std::to_string(row)); }
    void removeItems() override { note("remove"); }
    std::optional<int> installKeyboardGuard() override {
        note("guard on");
        return guardFailure;
    }
    void removeKeyboardGuard() override { note("guard off"); }

private:
    void note(const std::string& call) { log += (log.empty() ? "" : ", ") + call; }
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
