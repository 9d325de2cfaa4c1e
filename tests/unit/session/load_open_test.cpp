// The list and the tabs as the user moves between them: Load, Open, a file that cannot be read,
// Run and the command-state inputs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/document_close.h"
#include "session/document_open.h"
#include "session/document_run.h"
#include "session/document_switch.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ConfigurationList, SortsByTextIgnoringCaseAndMovesARemovedSelection) {
    ConfigurationList list;
    for (const auto& [key, text] : {std::pair{"k1", "b"}, {"k2", "A"}, {"k3", "c"}, {"k4", "B"}}) {
        list.add(ListEntry{key, text, 0, false, 0, ""});
    }
    EXPECT_FALSE(list.add(ListEntry{"K1", "z", 0, false, 0, ""})) << "keys ignore case";
    std::vector<std::string> order;
    for (const ListEntry& e : list.entries()) order.push_back(e.key);
    EXPECT_THAT(order, ElementsAre("k2", "k1", "k4", "k3"));
    list.select("k4");
    list.remove("k4");
    EXPECT_EQ(list.selectedKey(), "k3");
}

// A listed file reuses its entry, an open one gets a notice; a missing file a box; of several
// dropped files only the first is loaded; the load dialog opens in the selected entry's folder.
TEST(Load, ListedOpenMissingAndDroppedFiles) {
    SessionDesk d;
    d.dialogs.answers = {std::nullopt, std::nullopt};
    load_click(d.session, d.services, true, "");
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
    close_click(d.session, d.services);  // file2, unchanged
    load_click(d.session, d.services, false, "/cfg/b.vlz");
    EXPECT_EQ(d.session.currentKey, "file2");
    load_click(d.session, d.services, true, "");
    EXPECT_EQ(d.dialogs.opened.at(0).folder, kConfigFolder);
    EXPECT_EQ(d.dialogs.opened.at(1).folder, "/cfg/");
    EXPECT_THAT(d.boxes.shown, IsEmpty());

    load_click(d.session, d.services, false, "/cfg/a.vlz");
    load_click(d.session, d.services, false, "/cfg/none.vlz");
    EXPECT_THAT(d.boxes.shown,
                ElementsAre(Message{Icon::Information, "File Load",
                                    "The file \"a.vlz\" is already loaded."},
                            Message{Icon::Exclamation, "File Error",
                                    "Cannot open file. File does not exist."}));
    EXPECT_EQ(d.session.currentKey, "file1");
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2"));

    d.files.files["/cfg/old.vlz"] = "\"1.3\"\r\n";
    d.putFile("/cfg/c.vlz");
    drop_files(d.session, d.services, {"/cfg/old.vlz", "/cfg/c.vlz"});
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2", "file3"));
    EXPECT_EQ(d.item("file3").state, state::Changed) << "obsolete data";
}

TEST(OpenFailure, EachKindOfReadErrorRemovesClosesOrEnds) {
    struct Case {
        int error;  // 0: a file cut inside a row block
        Answer answer;
        bool listed, unload, fileKept;
    };
    for (const Case c :
         {Case{0, Answer::Yes, false, false, false}, Case{0, Answer::No, false, false, true},
          Case{err::FileNotFound, Answer::No, false, false, true},
          Case{err::PermissionDenied, Answer::No, true, false, true},
          Case{err::FileAlreadyOpen, Answer::No, true, true, true}}) {
        SCOPED_TRACE(c.error);
        SessionDesk d;
        const std::string bytes = d.putFile("/cfg/a.vlz");
        if (c.error == 0) d.files.files["/cfg/a.vlz"] = bytes.substr(0, 40);
        if (c.error != 0) d.files.readErrors["/cfg/a.vlz"] = runtimeError(c.error);
        d.boxes.answers = {c.answer};
        load_click(d.session, d.services, false, "/cfg/a.vlz");
        ASSERT_EQ(d.boxes.shown.size(), 1u);
        EXPECT_EQ(d.boxes.shown[0].title, "File IO Error");
        EXPECT_EQ(d.session.list.find("file1") != nullptr, c.listed);
        EXPECT_EQ(d.session.unloadRequested, c.unload);
        EXPECT_EQ(d.files.exists("/cfg/a.vlz"), c.fileKept);
        EXPECT_EQ(d.tabKeys() == std::vector<std::string>{"BLANK"}, !c.unload);
    }
}

TEST(Tabs, OpenAndTabClickSwitchWithoutReadingAndSelectDoesNot) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
    d.files.files.erase("/cfg/a.vlz");
    d.session.list.select("file1");
    open_click(d.session, d.services);
    EXPECT_THAT(d.boxes.shown, IsEmpty());
    EXPECT_EQ(d.session.tabs.selected()->key, "file1");
    EXPECT_EQ(d.item("file2").colour, listcolour::Open);

    d.session.devices = DeviceInventory{};  // the pad was unplugged
    tab_click(d.session, d.store, 0);
    EXPECT_EQ(d.session.currentKey, "file2");
    EXPECT_EQ(d.session.shownTable, *d.session.tables.indexOf("file2"));
    EXPECT_EQ(d.session.statusPanel1, "/cfg/b.vlz");
    EXPECT_EQ(d.item("file2").colour, listcolour::Current);
    EXPECT_EQ(d.session.currentTable()->row(0).colour, colour::InactiveRow)
        << "rows are re-marked against the devices present";

    select_item(d.session, d.store, "file1");
    EXPECT_EQ(d.session.list.selectedKey(), "file1");
    EXPECT_EQ(d.session.currentKey, "file2") << "selecting does not switch";
}

// Run starts runvale beside the program, else from the path, and minimises; a runvale that plays
// the file already reloads it.
TEST(Run, StartsRunvaleOrMakesItReloadAndSaysSo) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz"});
    MNrun_Click(d.session, d.services);
    EXPECT_EQ(d.session.statusPanel2, "Playing a.vlz in runvale");
    d.files.files["/usr/bin/runvale"];
    d.launcher.succeeds = false;
    MNrun_Click(d.session, d.services);
    ASSERT_EQ(d.launcher.starts.size(), 2u);
    EXPECT_EQ(d.launcher.starts[0].program, "runvale");
    EXPECT_EQ(d.launcher.starts[1].program, "/usr/bin/runvale");
    EXPECT_THAT(d.launcher.starts[1].arguments, ElementsAre("/cfg/a.vlz"));
    EXPECT_EQ(d.launcher.starts[1].workingFolder, "/usr/bin/");
    EXPECT_EQ(d.boxes.shown.at(0).title, "Run Error");
    EXPECT_TRUE(d.session.minimiseRequested);
    d.launcher.playing.insert("/cfg/a.vlz");
    d.launcher.succeeds = true;
    MNrun_Click(d.session, d.services);
    EXPECT_EQ(d.session.statusPanel2, "Reloaded a.vlz in the runvale that plays it");
}

TEST(ButtonStates, FollowTheSessionAndResetTheModesWhenNothingIsOpen) {
    SessionDesk d;
    EXPECT_TRUE(d.session.buttonStateInputs().noneOpen);
    d.loadFiles({"/cfg/a.vlz"});
    d.session.markChanged();
    EXPECT_EQ(d.session.buttonStateInputs().stateCode, state::Changed);
    d.session.recording = true;
    d.session.setButtonStates(CommandStates{});
    EXPECT_TRUE(d.session.recording) << "recording goes on while a configuration is open";

    d.boxes.answers = {Answer::No};
    close_click(d.session, d.services);
    d.session.controls.comRec = true;
    const ButtonStatesUpdate update = d.session.setButtonStates(CommandStates{});
    EXPECT_FALSE(d.session.recording || d.session.controls.comRec);
    EXPECT_TRUE(update.states.toolbar.at("BTopen")) << "the closed entry is selected";
}

}  // namespace
}  // namespace velloran::testing
