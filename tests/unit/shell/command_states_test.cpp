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

Names keys(const Switches& s) {
    Names out;
    for (const auto& [name, on] : s) out.insert(name);
    return out;
}

Names on(const Switches& s) {
    Names out;
    for (const auto& [name, value] : s) {
        if (value) out.insert(name);
    }
    return out;
}

// Every switch at `value` and captions no rule writes, so each test can tell which entries a
// path leaves alone and which it sets.
CommandStates uniform(bool value) {
    CommandStates s;
    for (Switches* m :
         {&s.toolbar, &s.menuBar, &s.mainMenu, &s.listMenuItems, &s.buttons, &s.tableMenuItems}) {
        for (auto& entry : *m) entry.second = value;
    }
    s.listMenu = value;
    s.tableMenu = value;
    s.recCaption = "previous rec";
    s.testCaption = "previous test";
    return s;
}

Names onOrAll(bool value, const Switches& s) {
    return value ? keys(s) : Names{};
}

// The main menu without MNoptions, which follows the mode rather than the document.
Switches documentItems(Switches menu) {
    menu.erase("MNoptions");
    return menu;
}

void expectNoModeReset(const ButtonStatesUpdate& u) {
    EXPECT_FALSE(u.recPicture);
    EXPECT_FALSE(u.testPicture);
    EXPECT_FALSE(u.clearFeedback);
    EXPECT_TRUE(u.applyMenuPictures);
}

TEST(CommandStates, DefaultsNameEveryControlAsDesigned) {
    const CommandStates s;
    EXPECT_EQ(keys(s.toolbar), names("BTopen BTnew BTload BTclose BTsave BTsaveas BTclone BTdelete "
                                     "BTicon BTjoy BTrun BThelp"));
    EXPECT_EQ(keys(s.menuBar), names("&File &Edit &Tools &Help"));
    EXPECT_EQ(keys(s.mainMenu), names("MNopen MNnew MNload MNclose MNsave MNsaveas MNclone "
                                      "MNdelete MNicon MNrun MNoptions"));
    EXPECT_EQ(keys(s.listMenuItems),
              names("MNopen MNclose separator1 MNnew MNload separator2 MNsave MNsaveas separator3 "
                    "MNclone MNdelete separator4 MNicon"));
    EXPECT_EQ(keys(s.buttons), names("ComAdd ComClear ComClearItem ComDel ComRec ComSwap ComTest"));
    EXPECT_EQ(keys(s.tableMenuItems),
              names("MNrec MNClear MNClearItem MNtest MNremove MNadd MNswap"));
    for (const Switches* m :
         {&s.toolbar, &s.menuBar, &s.mainMenu, &s.listMenuItems, &s.buttons, &s.tableMenuItems}) {
        EXPECT_EQ(on(*m), keys(*m));
    }
    EXPECT_EQ(s.recCaption, "Record Key Mapping");
    EXPECT_EQ(s.testCaption, "Test Key Mappings");
}

struct DocumentCase {
    int code;
    bool device;
    std::string_view toolbar;  // buttons enabled
    std::string_view menu;     // main menu items enabled, besides MNoptions
    std::string_view list;     // context menu items shown
};

constexpr DocumentCase documentCases[] = {
    {1, true, "BTopen BTnew BTload BTdelete BTicon BTjoy BTrun BThelp",
     "MNopen MNnew MNload MNdelete MNicon MNrun",
     "MNopen separator1 MNnew MNload separator2 MNdelete MNicon"},
    {1, false, "BTopen BTload BTdelete BTicon BTjoy BThelp", "MNopen MNload MNdelete MNicon",
     "MNopen separator1 MNload separator2 MNdelete MNicon"},
    {2, true, "BTclose BTnew BTload BTsaveas BTjoy BThelp", "MNnew MNload MNsaveas",
     "MNclose separator1 MNnew MNload separator2 MNsaveas"},
    {2, false, "BTclose BTload BTsaveas BTjoy BThelp", "MNload MNsaveas",
     "MNclose MNload separator2 MNsaveas"},
    {0, true, "BTclose BTnew BTload BTsaveas BTclone BTdelete BTicon BTjoy BTrun BThelp",
     "MNclose MNnew MNload MNsaveas MNclone MNdelete MNicon MNrun",
     "MNclose separator1 MNnew MNload separator2 MNsaveas separator3 MNclone MNdelete separator4 "
     "MNicon"},
    {0, false, "BTclose BTload BTsaveas BTclone BTdelete BTicon BTjoy BThelp",
     "MNclose MNload MNsaveas MNclone MNdelete MNicon",
     "MNclose MNload separator2 MNsaveas separator3 MNclone MNdelete separator4 MNicon"},
    {16, true, "BTclose BTnew BTload BTsave BTsaveas BTclone BTdelete BTicon BTjoy BThelp",
     "MNclose MNnew MNload MNsave MNsaveas MNclone MNdelete MNicon",
     "MNclose separator1 MNnew MNload separator2 MNsave MNsaveas separator3 MNclone MNdelete "
     "separator4 MNicon"},
    {16, false, "BTclose BTload BTsave BTsaveas BTclone BTdelete BTicon BTjoy BThelp",
     "MNclose MNload MNsave MNsaveas MNclone MNdelete MNicon",
     "MNclose MNload separator2 MNsave MNsaveas separator3 MNclone MNdelete separator4 MNicon"},
};

std::string trace(const DocumentCase& c, bool previous) {
    return "code " + std::to_string(c.code) + (c.device ? " with" : " without") +
           " device, previous " + (previous ? "on" : "off");
}

TEST(CommandStates, EditingEnablesModeCommandsThenFollowsTheDocumentState) {
    for (const DocumentCase& c : documentCases) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE(trace(c, previous));
            const ButtonStatesUpdate u = Set_Button_States(
                {.stateCode = c.code, .deviceCount = c.device ? 2 : 0}, uniform(previous));
            const CommandStates& s = u.states;
            EXPECT_EQ(on(s.toolbar), names(c.toolbar));
            Names menu = names(c.menu);
            menu.insert("MNoptions");
            EXPECT_EQ(on(s.mainMenu), menu);
            EXPECT_EQ(on(s.listMenuItems), names(c.list));
            EXPECT_EQ(on(s.menuBar), keys(s.menuBar));
            EXPECT_TRUE(s.listMenu);
            EXPECT_EQ(on(s.buttons), keys(s.buttons));
            EXPECT_EQ(on(s.tableMenuItems), keys(s.tableMenuItems));
            EXPECT_TRUE(s.tableMenu);
            EXPECT_EQ(s.recCaption, "Record Key Mappings");
            EXPECT_EQ(s.testCaption, "Test Key Mappings");
            EXPECT_FALSE(u.recording);
            EXPECT_FALSE(u.testing);
            expectNoModeReset(u);
        }
    }
}

TEST(CommandStates, NothingOpenResetsTheModesAndLeavesTheMenusAndTheirCaptions) {
    for (const DocumentCase& c : documentCases) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE(trace(c, previous));
            const ButtonStatesUpdate u = Set_Button_States({.noneOpen = true,
                                                            .recording = true,
                                                            .testing = true,
                                                            .stateCode = c.code,
                                                            .deviceCount = c.device ? 1 : 0},
                                                           uniform(previous));
            const CommandStates& s = u.states;
            EXPECT_EQ(on(s.buttons), Names{});
            EXPECT_FALSE(u.recording);
            EXPECT_FALSE(u.testing);
            EXPECT_EQ(u.recPicture, "rec_off");
            EXPECT_EQ(u.testPicture, "test_off");
            EXPECT_TRUE(u.clearFeedback);
            EXPECT_TRUE(u.applyMenuPictures);

            EXPECT_EQ(on(s.tableMenuItems), onOrAll(previous, s.tableMenuItems));
            EXPECT_EQ(s.tableMenu, previous);
            EXPECT_EQ(s.recCaption, "previous rec");
            EXPECT_EQ(s.testCaption, "previous test");
            EXPECT_EQ(on(s.menuBar), onOrAll(previous, s.menuBar));
            EXPECT_EQ(s.listMenu, previous);

            EXPECT_EQ(on(s.toolbar), names(c.toolbar));
            Names menu = names(c.menu);
            if (previous) menu.insert("MNoptions");
            EXPECT_EQ(on(s.mainMenu), menu);
            EXPECT_EQ(on(s.listMenuItems), names(c.list));
        }
    }
}

// Record and test mode: which command buttons and table-menu items stay usable, and that the
// document commands are locked while the document-state entries keep their previous values.
struct ModeCase {
    const char* name;
    bool recording;
    bool testing;
    std::string_view buttonsOn;
    std::string_view buttonsKept;  // left as they were
    std::string_view tableOn;
    std::string_view tableKept;
    const char* recCaption;  // nullptr: left as it was
    const char* testCaption;
};

constexpr ModeCase modeCases[] = {
    {"recording", true, false, "ComClear ComClearItem", "ComRec", "MNClear MNClearItem", "MNrec",
     "Stop Recording", nullptr},
    {"testing", false, true, "", "ComTest", "", "MNtest", nullptr, "Stop Testing"},
    {"both, recording wins", true, true, "ComClear ComClearItem", "ComRec", "MNClear MNClearItem",
     "MNrec", "Stop Recording", nullptr},
};

TEST(CommandStates, RecordingAndTestingLockTheDocumentCommands) {
    for (const ModeCase& c : modeCases) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (previous ? ", previous on" : ", previous off"));
            const CommandStates before = uniform(previous);
            const ButtonStatesUpdate u = Set_Button_States(
                {.recording = c.recording, .testing = c.testing, .stateCode = 0, .deviceCount = 3},
                before);
            const CommandStates& s = u.states;

            Names buttons = names(c.buttonsOn);
            if (previous) buttons.merge(names(c.buttonsKept));
            EXPECT_EQ(on(s.buttons), buttons);
            Names table = names(c.tableOn);
            if (previous) table.merge(names(c.tableKept));
            EXPECT_EQ(on(s.tableMenuItems), table);
            EXPECT_EQ(s.tableMenu, previous);
            EXPECT_EQ(s.recCaption, c.recCaption ? c.recCaption : "previous rec");
            EXPECT_EQ(s.testCaption, c.testCaption ? c.testCaption : "previous test");

            EXPECT_EQ(on(s.toolbar), Names{});
            EXPECT_EQ(on(s.menuBar), Names{});
            EXPECT_FALSE(s.mainMenu.at("MNoptions"));
            EXPECT_FALSE(s.listMenu);
            EXPECT_EQ(documentItems(s.mainMenu), documentItems(before.mainMenu));
            EXPECT_EQ(s.listMenuItems, before.listMenuItems);

            EXPECT_EQ(u.recording, c.recording);
            EXPECT_EQ(u.testing, c.testing);
            expectNoModeReset(u);
        }
    }
}

TEST(CommandStates, EmptyListOffersOnlyNewAndLoadAndLeavesTheRestAsItWas) {
    for (const bool device : {false, true}) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE(std::string(device ? "device" : "no device") +
                         (previous ? ", previous on" : ", previous off"));
            const CommandStates before = uniform(previous);
            // The mode flags are deliberately set: an empty list must not reset them.
            const ButtonStatesUpdate u = Set_Button_States({.listEmpty = true,
                                                            .noneOpen = true,
                                                            .recording = true,
                                                            .testing = true,
                                                            .stateCode = 0,
                                                            .deviceCount = device ? 1 : 0},
                                                           before);
            const CommandStates& s = u.states;
            const std::string_view dev = device ? "BTnew " : "";
            EXPECT_EQ(on(s.toolbar), names(std::string(dev) + "BTload BTjoy BThelp"));
            Names menu = names("MNload");
            if (device) menu.insert("MNnew");
            if (previous) menu.insert("MNoptions");
            EXPECT_EQ(on(s.mainMenu), menu);
            Names list = names("MNload separator2");
            if (device) list.merge(names("MNnew separator1"));
            EXPECT_EQ(on(s.listMenuItems), list);

            EXPECT_EQ(s.buttons, before.buttons);
            EXPECT_EQ(s.tableMenuItems, before.tableMenuItems);
            EXPECT_EQ(s.tableMenu, previous);
            EXPECT_EQ(s.menuBar, before.menuBar);
            EXPECT_EQ(s.listMenu, previous);
            EXPECT_EQ(s.recCaption, "previous rec");
            EXPECT_EQ(s.testCaption, "previous test");
            EXPECT_TRUE(u.recording);
            EXPECT_TRUE(u.testing);
            expectNoModeReset(u);
        }
    }
}

TEST(CommandStates, CodesFourAndEightLeaveTheDocumentEntries) {
    for (const int code : {4, 8}) {
        for (const bool previous : {false, true}) {
            SCOPED_TRACE("code " + std::to_string(code) + (previous ? ", previous on" : ""));
            const CommandStates before = uniform(previous);
            const ButtonStatesUpdate editing =
                Set_Button_States({.stateCode = code, .deviceCount = 1}, before);
            // Editing turns the whole toolbar on; no document rule narrows it.
            EXPECT_EQ(on(editing.states.toolbar), keys(before.toolbar));
            EXPECT_TRUE(editing.states.mainMenu.at("MNoptions"));
            EXPECT_EQ(documentItems(editing.states.mainMenu), documentItems(before.mainMenu));
            EXPECT_EQ(editing.states.listMenuItems, before.listMenuItems);

            const ButtonStatesUpdate closed =
                Set_Button_States({.noneOpen = true, .stateCode = code, .deviceCount = 1}, before);
            EXPECT_EQ(closed.states.toolbar, before.toolbar);
            EXPECT_EQ(closed.states.mainMenu, before.mainMenu);
            EXPECT_EQ(closed.states.listMenuItems, before.listMenuItems);
            EXPECT_TRUE(closed.applyMenuPictures);
        }
    }
}

}  // namespace
}  // namespace velloran
