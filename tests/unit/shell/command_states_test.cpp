#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "shell/command_states.h"
#include "shell/menu_pictures.h"

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
    return s;
}

// "BTx" a toolbar button, "m:MNx" a main-menu item, "l:MNx" a list-menu item.
bool enabled(const CommandStates& s, const std::string& name) {
    if (name.starts_with("m:")) return s.mainMenu.at(name.substr(2));
    if (name.starts_with("l:")) return s.listMenuItems.at(name.substr(2));
    return s.toolbar.at(name);
}

// A few commands per document state, each from a different branch of the rules.
TEST(CommandStates, DocumentStateDecidesTheDocumentCommandsWhileEditing) {
    for (const auto& [code, device, enabledNames, disabledNames] :
         {std::tuple{state::Listed, true, "BTopen BTdelete BTicon BTrun BTload l:separator1",
                     "BTclose BTsave BTsaveas BTclone l:MNclose m:MNclose l:separator3"},
          {state::New, false, "BTclose l:MNclose BTsaveas BTjoy BThelp l:separator2",
           "m:MNclose BTnew BTrun BTsave BTdelete BTicon BTclone l:separator1"},
          {state::Unchanged, false, "m:MNclose BTclone BTicon BTsaveas l:separator4",
           "BTsave BTrun BTopen BTnew"},
          {state::Changed, true, "BTsave m:MNsave BTnew l:MNnew BTdelete",
           "BTrun m:MNrun BTopen"}}) {
        for (const bool before : {false, true}) {
            SCOPED_TRACE(std::to_string(code) + (before ? " from on" : " from off"));
            const auto u = Set_Button_States({.stateCode = code, .deviceCount = device ? 1 : 0},
                                             uniform(before));
            for (const std::string& n : names(enabledNames)) EXPECT_TRUE(enabled(u.states, n)) << n;
            for (const std::string& n : names(disabledNames)) {
                EXPECT_FALSE(enabled(u.states, n)) << n;
            }
            EXPECT_TRUE(on(u.states.buttons).size() == u.states.buttons.size());
            EXPECT_TRUE(u.states.listMenu && u.states.tableMenu);
            EXPECT_FALSE(u.recPicture || u.clearFeedback);
            EXPECT_EQ(u.states.recCaption, "Record Key Mappings");
        }
    }
}

// Which command buttons and table-menu items stay usable in each mode; the document commands
// are locked and the list entries keep their previous values.
TEST(CommandStates, RecordingAndTestingLockTheDocumentCommands) {
    // The buttons and items on; the first of each is kept from before, not set.
    for (const auto& [recording, buttonNames, tableNames, recCaption] :
         {std::tuple{true, "ComRec ComClear ComClearItem", "MNrec MNClear MNClearItem",
                     "Stop Recording"},
          {false, "ComTest", "MNtest", "previous rec"}}) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE(std::to_string(recording) + std::to_string(previous));
            const CommandStates before = uniform(previous);
            const auto u = Set_Button_States(
                {.recording = recording, .testing = !recording, .stateCode = 0, .deviceCount = 3},
                before);
            Names buttons = names(buttonNames), table = names(tableNames);
            if (!previous) buttons.erase(recording ? "ComRec" : "ComTest");
            if (!previous) table.erase(recording ? "MNrec" : "MNtest");
            EXPECT_EQ(on(u.states.buttons), buttons);
            EXPECT_EQ(on(u.states.tableMenuItems), table);
            EXPECT_EQ(u.states.recCaption, recCaption);
            EXPECT_TRUE(on(u.states.toolbar).empty() && !u.states.listMenu &&
                        !u.states.mainMenu.at("MNoptions") && u.recording == recording);
            EXPECT_EQ(u.states.listMenuItems, before.listMenuItems);
        }
    }
}

// With nothing open the modes end; an empty list offers only New and Load and leaves the modes;
// other state codes leave the document entries.
TEST(CommandStates, NothingOpenEmptyListAndOtherCodes) {
    const CommandStates before = uniform(true);
    const auto none = Set_Button_States(
        {.noneOpen = true, .recording = true, .testing = true, .stateCode = state::Changed},
        before);
    EXPECT_TRUE(on(none.states.buttons).empty() && !none.recording && !none.testing);
    EXPECT_TRUE(none.recPicture == "rec_off" && none.clearFeedback);
    EXPECT_EQ(none.states.tableMenuItems, before.tableMenuItems);
    EXPECT_EQ(none.states.recCaption, "previous rec");
    EXPECT_EQ(none.states.toolbar,
              Set_Button_States({.stateCode = state::Changed}, before).states.toolbar);

    for (const bool device : {false, true}) {
        const auto u = Set_Button_States({.listEmpty = true, .noneOpen = true, .recording = true,
                                          .testing = true, .deviceCount = device ? 1 : 0},
                                         before);
        EXPECT_EQ(on(u.states.toolbar),
                  names(device ? "BTnew BTload BTjoy BThelp" : "BTload BTjoy BThelp"));
        EXPECT_EQ(on(u.states.listMenuItems),
                  names(device ? "MNnew separator1 MNload separator2" : "MNload separator2"));
        EXPECT_TRUE(u.states.buttons == before.buttons && u.recording && u.testing);
    }
    EXPECT_EQ(Set_Button_States({.stateCode = 4, .deviceCount = 1}, uniform(false))
                  .states.listMenuItems,
              uniform(false).listMenuItems);
}

// Each pictured item is a real menu item with one picture, and a command shows the same picture
// in both menus.
TEST(MenuPictures, EveryItemOnceAndTheSamePictureInBothMenus) {
    const CommandStates controls;
    std::map<std::string, int> main;
    for (const MenuPicture& p : mainMenuPictures()) {
        EXPECT_TRUE(main.emplace(p.item, p.picture).second) << p.item;
    }
    for (const MenuPicture& p : listMenuPictures()) {
        EXPECT_TRUE(controls.listMenuItems.contains(std::string(p.item))) << p.item;
        EXPECT_EQ(main.at(std::string(p.item)), p.picture) << p.item;
    }
}

}  // namespace
}  // namespace velloran
