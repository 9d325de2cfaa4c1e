#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "shell/command_states.h"

namespace velloran {
namespace {

// Every switch at `value`, so a test can tell which entries a path leaves alone.
CommandStates uniform(bool value) {
    CommandStates s;
    for (Switches* m :
         {&s.toolbar, &s.menuBar, &s.mainMenu, &s.listMenuItems, &s.buttons, &s.tableMenuItems}) {
        for (auto& entry : *m) entry.second = value;
    }
    s.listMenu = s.tableMenu = value;
    return s;
}

// "BTx" a toolbar button, "m:MNx" a main-menu item, "l:MNx" a list-menu item, "c:Comx" a command
// button, "t:MNx" a table-menu item.
bool enabled(const CommandStates& s, const std::string& name) {
    const std::string item = name.substr(2);
    if (name.starts_with("m:")) return s.mainMenu.at(item);
    if (name.starts_with("l:")) return s.listMenuItems.at(item);
    if (name.starts_with("c:")) return s.buttons.at(item);
    if (name.starts_with("t:")) return s.tableMenuItems.at(item);
    return s.toolbar.at(name);
}

// A few commands per branch of the rules, from every entry on and from every entry off: those
// switched on, those switched off, those kept as they were; and the recording mode afterwards.
TEST(CommandStates, AFewCommandsPerBranch) {
    struct Row {
        ButtonStateInputs in;
        const char *on, *off, *kept;
        bool recordingAfter;
    };
    using In = ButtonStateInputs;
    const Row rows[] = {
        {In{.stateCode = state::Listed, .deviceCount = 1}, "BTopen BTrun l:separator1 c:ComRec",
         "BTclose BTsave m:MNclose", "", false},
        {In{.stateCode = state::New}, "BTclose l:MNclose BTsaveas", "m:MNclose BTnew BTrun BTsave",
         "", false},
        {In{.stateCode = state::Unchanged}, "m:MNclose BTclone BTicon", "BTsave BTrun BTopen", "",
         false},
        {In{.stateCode = state::Changed, .deviceCount = 1}, "BTsave m:MNsave BTnew", "BTrun BTopen",
         "", false},
        {In{.recording = true, .stateCode = 0}, "c:ComClear t:MNClear",
         "BTload m:MNoptions c:ComTest", "c:ComRec t:MNrec l:MNopen", true},
        {In{.testing = true, .stateCode = 0}, "", "BTload c:ComRec t:MNrec", "c:ComTest t:MNtest",
         false},
        {In{.noneOpen = true, .recording = true, .stateCode = 0}, "BTload", "c:ComRec c:ComTest",
         "t:MNrec", false},
        {In{.listEmpty = true, .noneOpen = true, .recording = true, .deviceCount = 1},
         "BTnew l:MNnew BTload l:MNload", "BTopen BTsave m:MNsave l:MNclose", "c:ComRec", true},
    };
    for (const Row& row : rows) {
        for (const bool before : {false, true}) {
            SCOPED_TRACE(std::string(row.on) + " / " + row.off + (before ? " from on" : ""));
            const auto u = Set_Button_States(row.in, uniform(before));
            const auto expect = [&](const char* names, bool value) {
                std::istringstream in{names};
                for (std::string n; in >> n;) EXPECT_EQ(enabled(u.states, n), value) << n;
            };
            expect(row.on, true);
            expect(row.off, false);
            expect(row.kept, before);
            EXPECT_EQ(u.recording, row.recordingAfter);
        }
    }
}

}  // namespace
}  // namespace velloran
