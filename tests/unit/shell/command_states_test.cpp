#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "shell/command_states.h"

namespace velloran {
namespace {

using Names = std::set<std::string>;

Names names(std::string_view spaced) {
    std::istringstream in{std::string(spaced)};
    Names out;
    for (std::string n; in >> n;) out.insert(n);
    return out;
}

Names on(const Switches& s) {
    Names out;
    for (const auto& [name, value] : s) {
        if (value) out.insert(name);
    }
    return out;
}

Names all(const Switches& s) {
    Names out;
    for (const auto& entry : s) out.insert(entry.first);
    return out;
}

// Every switch at `value` and captions no rule writes, so a test can tell which entries a path
// leaves alone.
CommandStates uniform(bool value) {
    CommandStates s;
    for (Switches* m :
         {&s.toolbar, &s.menuBar, &s.mainMenu, &s.listMenuItems, &s.buttons, &s.tableMenuItems}) {
        for (auto& entry : *m) entry.second = value;
    }
    s.listMenu = s.tableMenu = value;
    s.recCaption = "previous rec";
    s.testCaption = "previous test";
    return s;
}

Switches withoutOptions(Switches menu) {
    menu.erase("MNoptions");
    return menu;
}

void expectNoModeReset(const ButtonStatesUpdate& u) {
    EXPECT_FALSE(u.recPicture || u.testPicture || u.clearFeedback);
}

// Rows of the document rules that take different branches: listed, new, changed.
TEST(CommandStates, DocumentStateDecidesTheDocumentCommands) {
    struct Case {
        int code;
        bool device;
        std::string_view toolbar;
        std::string_view list;
    };
    for (const Case& c :
         {Case{state::Listed, true, "BTopen BTnew BTload BTdelete BTicon BTjoy BTrun BThelp",
               "MNopen separator1 MNnew MNload separator2 MNdelete MNicon"},
          Case{state::New, false, "BTclose BTload BTsaveas BTjoy BThelp",
               "MNclose MNload separator2 MNsaveas"},
          Case{state::Changed, true,
               "BTclose BTnew BTload BTsave BTsaveas BTclone BTdelete BTicon BTjoy BThelp",
               "MNclose separator1 MNnew MNload separator2 MNsave MNsaveas separator3 MNclone "
               "MNdelete separator4 MNicon"}}) {
        SCOPED_TRACE(c.code);
        const auto u = Set_Button_States({.stateCode = c.code, .deviceCount = c.device ? 1 : 0},
                                         uniform(false));
        EXPECT_EQ(on(u.states.toolbar), names(c.toolbar));
        EXPECT_EQ(on(u.states.listMenuItems), names(c.list));
    }
}

// For every document state: the main menu agrees with the toolbar and the list menu (Close of a
// new configuration is on the toolbar and the list only), and the mode commands are all usable.
TEST(CommandStates, EditingEnablesTheModeCommandsAndTheMenusAgree) {
    for (const int code : {state::Listed, state::New, state::Unchanged, state::Changed}) {
        for (const bool device : {false, true}) {
            for (const bool previous : {false, true}) {
                SCOPED_TRACE(std::to_string(code) + (device ? " device" : "") +
                             (previous ? " previous on" : ""));
                const auto u = Set_Button_States({.stateCode = code, .deviceCount = device},
                                                 uniform(previous));
                const CommandStates& s = u.states;
                for (const auto& [item, enabled] : withoutOptions(s.mainMenu)) {
                    const std::string command = item.substr(2);
                    const bool newClose = command == "close" && code == state::New;
                    EXPECT_EQ(s.toolbar.at("BT" + command), enabled != newClose) << item;
                    if (s.listMenuItems.contains(item)) {
                        EXPECT_EQ(s.listMenuItems.at(item), enabled != newClose) << item;
                    }
                }
                EXPECT_EQ(on(s.buttons), all(s.buttons));
                EXPECT_EQ(on(s.tableMenuItems), all(s.tableMenuItems));
                EXPECT_TRUE(s.listMenu && s.mainMenu.at("MNoptions"));
                EXPECT_EQ(s.recCaption, "Record Key Mappings");
                expectNoModeReset(u);
            }
        }
    }
}

TEST(CommandStates, NothingOpenResetsTheModesAndLeavesTheMenusAndTheirCaptions) {
    for (const bool previous : {false, true}) {
        const CommandStates before = uniform(previous);
        const auto u = Set_Button_States(
            {.noneOpen = true, .recording = true, .testing = true, .stateCode = state::Changed},
            before);
        const auto editing = Set_Button_States({.stateCode = state::Changed}, before);
        EXPECT_EQ(on(u.states.buttons), Names{});
        EXPECT_FALSE(u.recording || u.testing);
        EXPECT_EQ(u.recPicture, "rec_off");
        EXPECT_TRUE(u.clearFeedback);
        EXPECT_EQ(u.states.tableMenuItems, before.tableMenuItems);
        EXPECT_EQ(u.states.listMenu, previous);
        EXPECT_EQ(u.states.recCaption, "previous rec");
        // The document entries follow the state code as while editing.
        EXPECT_EQ(u.states.toolbar, editing.states.toolbar);
        EXPECT_EQ(u.states.listMenuItems, editing.states.listMenuItems);
        EXPECT_EQ(withoutOptions(u.states.mainMenu), withoutOptions(editing.states.mainMenu));
    }
}

// Which command buttons and table-menu items stay usable in each mode; the document commands are
// locked while the document-state entries keep their previous values.
TEST(CommandStates, RecordingAndTestingLockTheDocumentCommands) {
    struct ModeCase {
        bool recording;
        bool testing;
        std::string_view buttonsOn;
        std::string_view buttonsKept;  // left as they were
        std::string_view tableOn;
        std::string_view tableKept;
        const char* recCaption;  // nullptr: left as it was
        const char* testCaption;
    };
    for (const ModeCase& c :
         {ModeCase{true, false, "ComClear ComClearItem", "ComRec", "MNClear MNClearItem", "MNrec",
                   "Stop Recording", nullptr},
          ModeCase{false, true, "", "ComTest", "", "MNtest", nullptr, "Stop Testing"},
          ModeCase{true, true, "ComClear ComClearItem", "ComRec", "MNClear MNClearItem", "MNrec",
                   "Stop Recording", nullptr}}) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE(std::to_string(c.recording) + std::to_string(c.testing) +
                         std::to_string(previous));
            const CommandStates before = uniform(previous);
            const auto u = Set_Button_States(
                {.recording = c.recording, .testing = c.testing, .stateCode = 0, .deviceCount = 3},
                before);
            const CommandStates& s = u.states;
            Names buttons = names(c.buttonsOn);
            if (previous) buttons.merge(names(c.buttonsKept));
            EXPECT_EQ(on(s.buttons), buttons);
            Names table = names(c.tableOn);
            if (previous) table.merge(names(c.tableKept));
            EXPECT_EQ(on(s.tableMenuItems), table);
            EXPECT_EQ(s.recCaption, c.recCaption ? c.recCaption : "previous rec");
            EXPECT_EQ(s.testCaption, c.testCaption ? c.testCaption : "previous test");
            EXPECT_EQ(on(s.toolbar), Names{});
            EXPECT_FALSE(s.listMenu || s.mainMenu.at("MNoptions"));
            EXPECT_EQ(s.listMenuItems, before.listMenuItems);
            expectNoModeReset(u);
        }
    }
}

TEST(CommandStates, EmptyListOffersOnlyNewAndLoadAndLeavesTheRestAsItWas) {
    for (const bool device : {false, true}) {
        for (const bool previous : {false, true}) {
            const CommandStates before = uniform(previous);
            // The mode flags are set on purpose: an empty list must not reset them.
            const auto u = Set_Button_States({.listEmpty = true,
                                              .noneOpen = true,
                                              .recording = true,
                                              .testing = true,
                                              .deviceCount = device ? 1 : 0},
                                             before);
            const CommandStates& s = u.states;
            EXPECT_EQ(on(s.toolbar),
                      names(device ? "BTnew BTload BTjoy BThelp" : "BTload BTjoy BThelp"));
            Names menu = names(device ? "MNnew MNload" : "MNload");
            if (previous) menu.insert("MNoptions");
            EXPECT_EQ(on(s.mainMenu), menu);
            EXPECT_EQ(on(s.listMenuItems),
                      names(device ? "MNnew separator1 MNload separator2" : "MNload separator2"));
            EXPECT_EQ(s.buttons, before.buttons);
            EXPECT_TRUE(u.recording && u.testing);
            expectNoModeReset(u);
        }
    }
}

TEST(CommandStates, CodesFourAndEightLeaveTheDocumentEntries) {
    for (const int code : {4, 8}) {
        for (const bool previous : {false, true}) {
            const CommandStates before = uniform(previous);
            const auto editing = Set_Button_States({.stateCode = code, .deviceCount = 1}, before);
            EXPECT_EQ(on(editing.states.toolbar), all(before.toolbar));
            EXPECT_EQ(editing.states.listMenuItems, before.listMenuItems);
        }
    }
}

}  // namespace
}  // namespace velloran
