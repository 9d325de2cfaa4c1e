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

// Listed, new and changed take different branches of the document rules.
TEST(CommandStates, DocumentStateDecidesTheDocumentCommandsWhileEditing) {
    struct Case {
        int code;
        bool device;
        std::string_view toolbar, main, list;
    };
    for (const Case& c :
         {Case{state::Listed, true, "BTopen BTnew BTload BTdelete BTicon BTjoy BTrun BThelp",
               "MNopen MNnew MNload MNdelete MNicon MNrun MNoptions",
               "MNopen separator1 MNnew MNload separator2 MNdelete MNicon"},
          Case{state::New, false, "BTclose BTload BTsaveas BTjoy BThelp",
               "MNload MNsaveas MNoptions", "MNclose MNload separator2 MNsaveas"},
          Case{state::Changed, true,
               "BTclose BTnew BTload BTsave BTsaveas BTclone BTdelete BTicon BTjoy BThelp",
               "MNnew MNload MNclose MNsave MNsaveas MNclone MNdelete MNicon MNoptions",
               "MNclose separator1 MNnew MNload separator2 MNsave MNsaveas separator3 MNclone "
               "MNdelete separator4 MNicon"}}) {
        SCOPED_TRACE(c.code);
        const auto u = Set_Button_States({.stateCode = c.code, .deviceCount = c.device ? 1 : 0},
                                         uniform(false));
        EXPECT_EQ(on(u.states.toolbar), names(c.toolbar));
        EXPECT_EQ(on(u.states.mainMenu), names(c.main));
        EXPECT_EQ(on(u.states.listMenuItems), names(c.list));
        EXPECT_TRUE(on(u.states.buttons).size() == u.states.buttons.size() &&
                    u.states.listMenu && u.states.tableMenu && !u.recPicture && !u.clearFeedback);
        EXPECT_EQ(u.states.recCaption, "Record Key Mappings");
    }
}

// Which command buttons and table-menu items stay usable in each mode; the document commands
// are locked and the list entries keep their previous values.
TEST(CommandStates, RecordingAndTestingLockTheDocumentCommands) {
    struct Case {
        bool recording, testing;
        std::string_view buttons, table;  // on; the first name is kept from before, not set
        const char* recCaption;
    };
    for (const Case& c : {Case{true, false, "ComRec ComClear ComClearItem",
                               "MNrec MNClear MNClearItem", "Stop Recording"},
                          Case{false, true, "ComTest", "MNtest", "previous rec"}}) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE(std::to_string(c.recording) + std::to_string(previous));
            const CommandStates before = uniform(previous);
            const auto u = Set_Button_States(
                {.recording = c.recording, .testing = c.testing, .stateCode = 0, .deviceCount = 3},
                before);
            Names buttons = names(c.buttons), table = names(c.table);
            if (!previous) {
                buttons.erase(c.recording ? "ComRec" : "ComTest");
                table.erase(c.recording ? "MNrec" : "MNtest");
            }
            EXPECT_EQ(on(u.states.buttons), buttons);
            EXPECT_EQ(on(u.states.tableMenuItems), table);
            EXPECT_EQ(u.states.recCaption, c.recCaption);
            EXPECT_TRUE(on(u.states.toolbar).empty() && !u.states.listMenu &&
                        !u.states.mainMenu.at("MNoptions") && u.recording == c.recording);
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
