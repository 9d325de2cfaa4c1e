// The list and the tabs as the user moves between them, Delete, Run and the command-state
// inputs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/document_close.h"
#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_run.h"
#include "session/document_switch.h"
#include "common/session.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;

ListEntry named(const std::string& key, const std::string& text) {
    ListEntry e;
    e.key = key;
    e.text = text;
    return e;
}

TEST(ConfigurationList, SortsByTextIgnoringCaseAndMovesARemovedSelection) {
    ConfigurationList list;
    for (const auto& [key, text] : {std::pair{"k1", "b"}, {"k2", "A"}, {"k3", "c"}, {"k4", "B"}}) {
        EXPECT_TRUE(list.add(named(key, text)));
    }
    EXPECT_FALSE(list.add(named("K1", "z"))) << "keys ignore case";
    std::vector<std::string> order;
    for (const ListEntry& e : list.entries()) order.push_back(e.key);
    EXPECT_THAT(order, ElementsAre("k2", "k1", "k4", "k3"));

    list.select("k4");
    list.remove("k4");
    EXPECT_EQ(list.selectedKey(), "k3");
    list.remove("k3");
    EXPECT_EQ(list.selectedKey(), "k1");
    list.rename("k1", "0");
    EXPECT_EQ(list.entries().front().key, "k1");
}

TEST(Tabs, ClickingATabMakesItsConfigurationCurrentAndShowsItsFile) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
    ASSERT_THAT(d.tabKeys(), ElementsAre("file2", "file1"));
    d.session.currentTable()->row(0).colour = colour::PressedRow;
    tab_click(d.session, d.store, 1);
    EXPECT_EQ(d.session.currentKey, "file1");
    EXPECT_EQ(d.session.list.selectedKey(), "file1");
    EXPECT_EQ(d.session.shownTable, *d.session.tables.indexOf("file1"));
    EXPECT_EQ(d.session.statusPanel1, "/cfg/a.vlz");
    EXPECT_EQ(d.item("file1").colour, listcolour::Current);
    EXPECT_EQ(d.item("file2").colour, listcolour::Open);

    d.session.devices = DeviceInventory{};  // the pad was unplugged
    tab_click(d.session, d.store, 0);
    EXPECT_EQ(d.session.currentTable()->row(0).colour, colour::InactiveRow)
        << "rows are re-marked against the devices present";

    select_item(d.session, d.store, "file1");
    EXPECT_EQ(d.session.list.selectedKey(), "file1");
    EXPECT_EQ(d.session.currentKey, "file2") << "selecting does not switch";
    EXPECT_EQ(d.session.buttonStateInputs().stateCode, state::Unchanged);
}

TEST(Delete, ConfirmationNoKeepsEverythingAndYesDeletesAClosedEntry) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
    d.session.list.select("file1");
    d.boxes.answers = {Answer::No};
    delete_click(d.session, d.services, true);
    EXPECT_EQ(d.session.list.size(), 2);

    close_click(d.session, d.services);  // file1, unchanged
    d.session.list.select("file1");
    d.boxes.answers = {Answer::Yes};
    delete_click(d.session, d.services, true);
    EXPECT_THAT(d.trash.trashed, ElementsAre("/cfg/a.vlz"));
    EXPECT_THAT(d.listKeys(), ElementsAre("file2"));
    EXPECT_EQ(d.session.currentKey, "file2") << "the open one stays current";
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2"));
}

TEST(Run, StartsRunvaleBesideTheProgramElseFromThePathAndMinimises) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz"});
    MNrun_Click(d.session, d.services);
    d.files.files["/usr/bin/runvale"];
    d.launcher.succeeds = false;
    MNrun_Click(d.session, d.services);
    ASSERT_EQ(d.launcher.starts.size(), 2u);
    EXPECT_EQ(d.launcher.starts[0].program, "runvale");
    EXPECT_EQ(d.launcher.starts[1].program, "/usr/bin/runvale");
    EXPECT_THAT(d.launcher.starts[1].arguments, ElementsAre("/cfg/a.vlz"));
    EXPECT_EQ(d.launcher.starts[1].workingFolder, "/usr/bin/");
    EXPECT_THAT(d.boxes.shown,
                ElementsAre(Message{Icon::Exclamation, "Run Error", "Could not launch file."}));
    EXPECT_TRUE(d.session.minimiseRequested);
}

TEST(ButtonStates, FollowTheSessionAndResetTheModesWhenNothingIsOpen) {
    SessionDesk d;
    ButtonStateInputs in = d.session.buttonStateInputs();
    EXPECT_TRUE(in.listEmpty);
    EXPECT_TRUE(in.noneOpen);
    EXPECT_EQ(in.deviceCount, 1);

    d.loadFiles({"/cfg/a.vlz"});
    d.session.markChanged();
    in = d.session.buttonStateInputs();
    EXPECT_FALSE(in.listEmpty);
    EXPECT_FALSE(in.noneOpen);
    EXPECT_EQ(in.stateCode, state::Changed);
    d.session.recording = true;
    d.session.setButtonStates(CommandStates{});
    EXPECT_TRUE(d.session.recording) << "recording goes on while a configuration is open";

    d.session.recording = false;
    d.boxes.answers = {Answer::No};
    close_click(d.session, d.services);
    d.session.recording = true;
    d.session.controls.comRec = true;
    d.session.feedback = "CTRL + A";
    const ButtonStatesUpdate update = d.session.setButtonStates(CommandStates{});
    EXPECT_FALSE(d.session.recording);
    EXPECT_FALSE(d.session.controls.comRec);
    EXPECT_EQ(d.session.feedback, "");
    EXPECT_TRUE(update.states.toolbar.at("BTopen")) << "the closed entry is selected";
}

}  // namespace
}  // namespace velloran::testing
