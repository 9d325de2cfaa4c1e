#include <gtest/gtest.h>

#include "common/session.h"
#include "maintenance/add_devices.h"
#include "maintenance/del_devices.h"
#include "maintenance/swap_devices.h"

namespace velloran::testing {
namespace {

using Rows = std::vector<std::string>;

// "first identity" .. "last identity".
Rows buttons(int first, int last, const std::string& identity) {
    Rows out;
    for (int b = first; b <= last; ++b) out.push_back(std::to_string(b) + " " + identity);
    return out;
}
Rows operator+(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A configuration with PAD (12 buttons) and STICK (3) attached and rows written "button
// identity", described "a", "b", ... in order; every question is answered Yes. As the duplicate
// chooser it answers from a script (Ok keeps the row at a position of the group); as the device
// chooser it answers `deviceAnswer`.
struct Desk : OpenConfiguration, DuplicateChooser, DeviceChooser {
    explicit Desk(const Rows& rows) {
        device("PAD", 12);
        device("STICK", 3);
        addRows(rows);
        for (int r = 0; r < table->rowCount(); ++r) {
            table->row(r).cell(col::Description).text = std::string(1, char('a' + r));
        }
        boxes.whenEmpty = Answer::Yes;
    }
    std::string described() {
        std::string s;
        for (const MappingRow& r : table->rows()) s += r.cell(col::Description).text.view();
        return s;
    }
    DuplicateAnswer chooseDuplicate(const MappingTable&, const std::vector<int>&) override {
        return next < answers.size() ? answers[next++] : DuplicateAnswer{};
    }
    void showBusy(bool) override {}
    std::optional<int> chooseDevice(const DeviceInventory&) override { return deviceAnswer; }
    MaintenanceOutcome add() { return Add_Devices(session, boxes); }
    MaintenanceOutcome del() { return Del_Devices(session, boxes, *this); }
    MaintenanceOutcome swap(std::optional<int> device) {
        deviceAnswer = device;
        return Swap_Devices(session, boxes, *this);
    }
    // Answered No, `command` changes nothing and its question decided that.
    void refusedAfter(const char* title, const std::function<MaintenanceOutcome()>& command) {
        const Rows before = rows();
        boxes.answers = {Answer::No};
        EXPECT_EQ(command(), MaintenanceOutcome{}) << title;
        EXPECT_EQ(boxes.looks().back(), ScriptedBoxes::look(Icon::Question, title, Buttons::YesNo));
        EXPECT_EQ(rows(), before);
    }

    std::vector<DuplicateAnswer> answers;
    std::size_t next = 0;
    std::optional<int> deviceAnswer;
};

// Missing buttons follow the nearest lower button of their device; devices the table does not
// list (a single button aside) are appended whole.
TEST(AddDevices, AddsMissingButtonsAfterTheirNeighbourAndUnlistedDevicesAtTheEnd) {
    const Rows pad = buttons(1, 12, "PAD"), stick = buttons(1, 3, "STICK");
    const struct {
        Rows before, after;
    } cases[] = {
        {buttons(1, 10, "PAD") + stick, pad + stick},
        // A missing button 1 goes to the top of the table.
        {pad + buttons(2, 3, "STICK"), Rows{"1 STICK"} + pad + buttons(2, 3, "STICK")},
        // Gaps are filled after the row met last for the lower button, in any order.
        {Rows{"3 STICK"} + pad + Rows{"1 STICK", "1 stick"},
         Rows{"3 STICK"} + pad + Rows{"1 STICK", "1 stick", "2 STICK"}},
        // 13 is above the pad's buttons, so the pad is not listed.
        {Rows{"13 PAD", "1 GONE"} + stick, Rows{"13 PAD", "1 GONE"} + stick + pad},
    };
    for (const auto& k : cases) {
        Desk c(k.before);
        c.device("KNOB", 1);
        const bool added = k.after.size() > k.before.size();
        EXPECT_EQ(c.add(), (MaintenanceOutcome{true, true, added}));
        EXPECT_EQ(c.rows(), k.after);
        EXPECT_EQ(c.state(), added ? state::Changed : state::Unchanged);
    }
    Desk c(Rows{"1 PAD"});
    c.refusedAfter("Remove Confirmation", [&] { return c.add(); });
}

TEST(DelDevices, AsksThenRemovesInactiveRowsAndTheDuplicatesNotChosen) {
    const DuplicateAnswer skip{DuplicateChoice::Skip}, skipAll{DuplicateChoice::SkipAll};
    const auto ok = [](int position) { return DuplicateAnswer{DuplicateChoice::Ok, position}; };
    const struct {
        Rows rows;
        std::vector<DuplicateAnswer> answers;
        const char* kept;
    } cases[] = {
        // Device tags differing in case are the same device; 13 is above the pad's buttons.
        {{"5 PAD", "2 PAD", "5 pad", "5 Pad", "13 PAD"}, {ok(1)}, "bc"},
        // Rows kept by Skip are offered again in later groups.
        {Rows(3, "3 PAD") + Rows(2, "4 PAD"), {skip, ok(1), ok(0)}, "acd"},
        // A row moving into the examined place is not examined again.
        {{"1 PAD", "2 PAD", "1 PAD", "2 PAD"}, {ok(1)}, "bcd"},
        {{"1 PAD", "1 GONE", "1 PAD", "2 PAD", "2 PAD"}, {skipAll}, "acde"},
        {{"1 PAD", "1 STICK", "2 PAD"}, {}, "abc"},
    };
    for (const auto& c : cases) {
        Desk d(c.rows);
        d.answers = c.answers;
        const bool removed = std::string_view(c.kept).size() < c.rows.size();
        EXPECT_EQ(d.del(), (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = removed}));
        EXPECT_EQ(d.described(), c.kept);
        EXPECT_EQ(d.state(), removed ? state::Changed : state::Unchanged) << c.kept;
    }
    Desk d({"1 PAD", "1 GONE", "2 PAD"});
    d.table->selected = 2;
    d.del();
    EXPECT_EQ(d.table->selected, 1) << "the selection follows its row";
    d.addRows({"1 GONE"});
    d.refusedAfter("Remove Confirmation", [&] { return d.del(); });
    d.session.tabs.resetToPlaceholder();
    EXPECT_EQ(d.del(), MaintenanceOutcome{}) << "nothing without an open configuration";
}

// "old" differs only in case: not the selected row's device; button 9 is above the stick's
// buttons and replaced all the same.
TEST(SwapDevices, ReplacesTheRowsOfTheSelectedRowsDeviceExactlyAndActivatesThem) {
    const Rows old = {"1 OLD", "2 old", "9 OLD", "1 PAD"};
    Desk d(old);
    d.table->selected = 2;
    for (MappingRow& r : d.table->rows()) r.cell(col::Description).tag = Tag::boolean(false);
    EXPECT_EQ(d.swap(1), (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = true}));
    EXPECT_EQ(d.rows(), (Rows{"1 STICK", "2 old", "9 STICK", "1 PAD"}));
    EXPECT_TRUE(d.table->row(0).active());
    EXPECT_EQ(d.state(), state::Changed);

    Desk first(old);  // without a selection, the first row's device
    first.table->selected = -1;
    first.swap(0);
    EXPECT_EQ(first.rows(), (Rows{"1 PAD", "2 old", "9 PAD", "1 PAD"}));

    // Cancel in the chooser and No change nothing.
    EXPECT_EQ(first.swap(std::nullopt), MaintenanceOutcome{});
    first.refusedAfter("Replace Confirmation", [&] { return first.swap(1); });
    EXPECT_EQ(Desk(Rows{}).swap(0), MaintenanceOutcome{}) << "nothing to replace";
}

}  // namespace
}  // namespace velloran::testing
