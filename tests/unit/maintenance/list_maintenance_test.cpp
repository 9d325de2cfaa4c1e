#include <gtest/gtest.h>

#include <deque>

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
// chooser it answers from a script (Ok keeps the row at a position of the group) and records
// each group offered ("acd"); as the device chooser it answers `deviceAnswer`.
struct Desk : OpenConfiguration, DuplicateChooser, DeviceChooser {
    explicit Desk(const Rows& rows, int state = state::Unchanged) : OpenConfiguration(state) {
        device("PAD", 12, "Game Pad");
        device("STICK", 3, "Flight Stick");
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
    DuplicateAnswer chooseDuplicate(const MappingTable&, const std::vector<int>& group) override {
        offered.emplace_back();
        for (int r : group) offered.back() += table->row(r).cell(col::Description).text.view();
        EXPECT_FALSE(answers.empty()) << "unexpected group " << offered.back();
        if (answers.empty()) return {};
        const DuplicateAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void showBusy(bool on) override { busy.push_back(on); }
    std::optional<int> chooseDevice(const DeviceInventory&) override {
        ++devicesShown;
        return deviceAnswer;
    }
    MaintenanceOutcome del() { return Del_Devices(session, boxes, *this); }
    MaintenanceOutcome swap(std::optional<int> device) {
        deviceAnswer = device;
        return Swap_Devices(session, boxes, *this);
    }

    std::deque<DuplicateAnswer> answers;
    Rows offered;
    std::vector<bool> busy;
    std::optional<int> deviceAnswer;
    int devicesShown = 0;
};

// Missing buttons follow the nearest lower button of their device; devices the table does not
// list (a single button aside) are appended whole.
TEST(AddDevices, AddsMissingButtonsAfterTheirNeighbourAndUnlistedDevicesAtTheEnd) {
    const Rows pad = buttons(1, 12, "PAD"), stick = buttons(1, 3, "STICK");
    const struct {
        Rows before, after;
        const char* report;
    } cases[] = {
        {buttons(1, 10, "PAD") + stick, pad + stick, "2 missing item(s) added.\r\n0"},
        // A missing button 1 goes to the top of the table.
        {pad + buttons(2, 3, "STICK"), Rows{"1 STICK"} + pad + buttons(2, 3, "STICK"), "1 "},
        // Gaps are filled after the row met last for the lower button, in any order.
        {Rows{"3 STICK"} + pad + Rows{"1 STICK", "1 stick"},
         Rows{"3 STICK"} + pad + Rows{"1 STICK", "1 stick", "2 STICK"}, "1 "},
        // 13 is above the pad's buttons, so the pad is not listed.
        {Rows{"13 PAD", "1 GONE"} + stick, Rows{"13 PAD", "1 GONE"} + stick + pad,
         "0 missing item(s) added.\r\n1 new device(s) added."},
        {pad + stick, pad + stick, "0 missing item(s) added.\r\n0 new device(s) added."},
    };
    for (const auto& k : cases) {
        Desk c(k.before);
        c.device("KNOB", 1);
        const bool added = k.after.size() > k.before.size();
        EXPECT_EQ(Add_Devices(c.session, c.boxes), (MaintenanceOutcome{true, true, added}));
        EXPECT_EQ(c.rows(), k.after);
        EXPECT_EQ(c.boxes.looks().back(), ScriptedBoxes::look(Icon::Information, "List Updated"));
        EXPECT_TRUE(c.boxes.shown.back().text.starts_with(k.report)) << c.boxes.shown.back().text;
        EXPECT_EQ(c.state(), added ? state::Changed : state::Unchanged);
    }
    Desk c(Rows{});  // new rows are default rows named after the device
    Add_Devices(c.session, c.boxes);
    EXPECT_TRUE(c.table->row(1).sameContent(
        defaultRow(ButtonEntry{2, "Game Pad", "PAD"}, colour::ActiveRow)));
}

TEST(AddDevices, AsksFirstAndNeedsADevice) {
    Desk c(Rows{"1 PAD"});
    c.boxes.answers = {Answer::No};
    EXPECT_EQ(Add_Devices(c.session, c.boxes), MaintenanceOutcome{});
    c.session.devices = {};
    EXPECT_EQ(Add_Devices(c.session, c.boxes), MaintenanceOutcome{});
    EXPECT_EQ(
        c.boxes.looks(),
        (std::vector{ScriptedBoxes::look(Icon::Question, "Remove Confirmation", Buttons::YesNo),
                     ScriptedBoxes::look(Icon::Information, "Add Devices")}));
    EXPECT_EQ(c.rows(), Rows{"1 PAD"});
}

TEST(DelDevices, RemovesInactiveRowsAndTheDuplicatesNotChosen) {
    const DuplicateAnswer skip{DuplicateChoice::Skip}, skipAll{DuplicateChoice::SkipAll};
    const auto ok = [](int position) { return DuplicateAnswer{DuplicateChoice::Ok, position}; };
    const Rows threes = Rows(3, "3 PAD") + Rows(2, "4 PAD");
    const struct {
        Rows rows;
        std::deque<DuplicateAnswer> answers;
        Rows offered;
        const char* kept;
        int inactive, duplicates;
    } cases[] = {
        // Device tags differing in case are the same device; 13 is above the pad's buttons.
        {{"5 PAD", "2 PAD", "5 pad", "5 Pad", "13 PAD"}, {ok(1)}, {"acd"}, "bc", 1, 2},
        // Rows kept by Skip are offered again in later groups.
        {threes, {skip, ok(1), ok(0)}, {"abc", "bc", "de"}, "acd", 0, 2},
        // A row moving into the examined place is not examined again.
        {{"1 PAD", "2 PAD", "1 PAD", "2 PAD"}, {ok(1)}, {"ac"}, "bcd", 0, 1},
        {{"1 PAD", "1 GONE", "1 PAD", "2 PAD", "2 PAD"}, {skipAll}, {"ac"}, "acde", 1, 0},
        {{"1 PAD", "1 STICK", "2 PAD"}, {}, {}, "abc", 0, 0},
    };
    for (const auto& c : cases) {
        Desk d(c.rows);
        d.answers = c.answers;
        const bool removed = c.inactive + c.duplicates > 0;
        EXPECT_EQ(d.del(), (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = removed}));
        EXPECT_EQ(d.offered, c.offered) << c.kept;
        EXPECT_EQ(d.described(), c.kept);
        EXPECT_EQ(d.boxes.shown.back().text,
                  std::to_string(c.inactive) + " inactive item(s) removed.\r\n" +
                      std::to_string(c.duplicates) + " duplicate item(s) removed.");
        EXPECT_EQ(d.state(), removed ? state::Changed : state::Unchanged) << c.kept;
    }
}

TEST(DelDevices, AsksFirstKeepsTheSelectedRowAndANewConfigurationsState) {
    Desk d({"1 PAD", "1 GONE", "2 PAD"});
    d.table->selected = 2;
    d.del();
    EXPECT_EQ(d.table->selected, 1) << "the selection follows its row";
    EXPECT_EQ(d.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(
        d.boxes.looks(),
        (std::vector{ScriptedBoxes::look(Icon::Question, "Remove Confirmation", Buttons::YesNo),
                     ScriptedBoxes::look(Icon::Information, "Items Removed")}));

    d.boxes.answers = {Answer::No};
    d.addRows({"1 GONE"});
    EXPECT_EQ(d.del(), MaintenanceOutcome{});
    EXPECT_EQ(d.rows().size(), 3u);
    d.session.tabs.resetToPlaceholder();
    d.del();
    EXPECT_EQ(d.boxes.shown.size(), 3u) << "no question without an open configuration";

    Desk fresh({"1 GONE"}, state::New);
    fresh.del();
    EXPECT_TRUE(fresh.rows().empty());
    EXPECT_EQ(fresh.state(), state::New);
}

// "old" differs only in case: not the selected row's device; button 9 is above the stick's
// buttons and replaced all the same.
const Rows kOld = {"1 OLD", "2 old", "9 OLD", "1 PAD"};

TEST(SwapDevices, ReplacesTheRowsOfTheSelectedRowsDeviceExactly) {
    Desk d(kOld);
    d.table->selected = 2;
    for (MappingRow& r : d.table->rows()) r.colour = colour::InactiveRow;
    EXPECT_EQ(d.swap(1), (MaintenanceOutcome{.tableChanged = true, .commandStatesDue = true}));
    EXPECT_EQ(d.rows(), (Rows{"1 STICK", "2 old", "9 STICK", "1 PAD"}));
    EXPECT_EQ(d.table->row(2).cell(col::DeviceId).text, "Flight Stick");
    EXPECT_EQ(d.table->row(0).colour, colour::ActiveRow);
    EXPECT_EQ(d.table->row(1).colour, colour::InactiveRow);
    EXPECT_EQ(d.boxes.looks().front(),
              ScriptedBoxes::look(Icon::Question, "Replace Confirmation", Buttons::YesNo));
    EXPECT_EQ(d.boxes.shown.back(),
              (Message{Icon::Information, "Device Replaced", "2 item(s) replaced."}));
    EXPECT_EQ(d.state(), state::Changed);

    Desk first(kOld);  // without a selection, the first row's device
    first.table->selected = -1;
    first.swap(0);
    EXPECT_EQ(first.rows(), (Rows{"1 PAD", "2 old", "9 PAD", "1 PAD"}));
}

TEST(SwapDevices, TheSameDeviceCancelNoOrNothingToSwapChangeNothing) {
    Desk same(kOld);
    same.table->selected = 3;
    same.session.devices.devices[0].identity = "pad";
    EXPECT_EQ(same.swap(0), MaintenanceOutcome{});
    EXPECT_EQ(same.boxes.shown.back().text, "0 item(s) replaced.");

    Desk d(kOld);
    d.boxes.answers = {Answer::Yes, Answer::No};
    EXPECT_EQ(d.swap(std::nullopt), MaintenanceOutcome{});
    EXPECT_EQ(d.swap(0), MaintenanceOutcome{});
    EXPECT_EQ(d.devicesShown, 1);
    EXPECT_EQ(d.boxes.shown.size(), 2u) << "the two questions only";
    for (const Desk* desk : {&same, &d}) {
        EXPECT_EQ(desk->rows(), kOld);
        EXPECT_EQ(desk->state(), state::Unchanged);
    }

    // Devices, their buttons and rows are checked in this order.
    Desk c(Rows{});
    c.session.devices = {};
    c.swap(0);
    c.device("EMPTY", 0);
    c.swap(0);
    c.device("PAD", 2);
    c.swap(0);
    EXPECT_EQ(c.boxes.looks(),
              (std::vector{ScriptedBoxes::look(Icon::Exclamation, "No Input Devices Found"),
                           ScriptedBoxes::look(Icon::Exclamation, "No Input Devices Found"),
                           ScriptedBoxes::look(Icon::Exclamation, "Replace Error")}));
    EXPECT_NE(c.boxes.shown[0].text, c.boxes.shown[1].text);
    EXPECT_EQ(c.devicesShown, 0);
}

}  // namespace
}  // namespace velloran::testing
