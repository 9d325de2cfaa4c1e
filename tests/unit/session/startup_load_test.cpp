// Start-up, Load, Open, the tabs and Run: how configurations come into the list and the tabs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/document_close.h"
#include "session/document_open.h"
#include "session/document_run.h"
#include "session/document_switch.h"
#include "shell/startup.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string setting(SessionDesk& d, const char* name) {
    return d.store.GetString(Root::CurrentUser, kConfigKey, name);
}

TEST(Startup, WritesItsDefaultsAndMakesTheFolderEndingInASlash) {
    for (const auto& [stored, folder] : {std::pair<std::string, std::string>{"", kConfigFolder},
                                         {"/data/cfg", "/data/cfg/"}, {"/cfg/", "/cfg/"}}) {
        SessionDesk d;
        d.store.SaveString(Root::CurrentUser, kConfigKey, settings::kConfigPath, stored);
        EXPECT_EQ(startmeup(d.session, d.services).configFolder, folder);
        EXPECT_EQ(setting(d, settings::kConfigPath), folder);
        EXPECT_TRUE(d.files.folders.contains(folder) && d.boxes.shown.empty()) << folder;
        EXPECT_EQ(setting(d, settings::kAssociate), "True");
    }
    SessionDesk blocked;
    blocked.files.folderErrors[kConfigFolder] = runtimeError(err::PermissionDenied);
    startmeup(blocked.session, blocked.services);
    ASSERT_EQ(blocked.boxes.shown.size(), 1u);
    EXPECT_EQ(blocked.boxes.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(blocked.boxes.shown[0].title, "Folder Error");
    EXPECT_THAT(blocked.boxes.shown[0].text, ::testing::HasSubstr(kConfigFolder));
}

// New files are listed first, the list sorted ignoring case; vanished and duplicate entries go.
TEST(Startup, BuildsTheListFromTheFolderAndTheStoreEntries) {
    SessionDesk d;
    const std::string folder = kConfigFolder;
    auto entry = [&](const char* key, const std::string& path) {
        d.store.SaveString(Root::CurrentUser, settings::userEntryPath(key), "path", path);
        d.store.SaveString(Root::CurrentUser, settings::userEntryPath(key), "icon path", "/i.ico");
    };
    entry("file1", folder + "b.vlz");
    entry("file2", "/elsewhere/gone.vlz");
    entry("file3", folder + "b.vlz");
    entry("file4", "/elsewhere/kept.vlz");
    for (const char* name : {"b.vlz", "A.VLZ", "notes.txt", "C.vlz", "sub/d.vlz"}) {
        d.files.files[folder + name];
    }
    d.files.files["/elsewhere/kept.vlz"];

    startmeup(d.session, d.services);
    EXPECT_THAT(d.listKeys(), ElementsAre("file5", "file1", "file6", "file4"));
    EXPECT_EQ(d.entry("file5"), folder + "A.VLZ");
    EXPECT_EQ(d.entry("file2") + d.entry("file3"), "");
    EXPECT_TRUE(d.item("file1").ghosted);
    EXPECT_EQ(d.item("file1").iconPath, "/i.ico");
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
}

TEST(CommandLine, QuotedOrRelativePathsLoadWithoutTheDialog) {
    MemoryFiles files;
    for (const auto& [text, path] :
         {std::pair<std::string, std::string>{"\"/my files/a b.vlz\"", "/my files/a b.vlz"},
          {"cfg/../a.vlz", "/home/user/a.vlz"}, {"a", ""}, {"", ""}}) {
        EXPECT_EQ(commandLinePath(text, files), path) << text;
    }
    SessionDesk d;
    d.putFile("/home/user/x.vlz");
    openFromCommandLine(d.session, d.services, "x.vlz");
    EXPECT_EQ(d.entry("file1"), "/home/user/x.vlz");
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
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
    d.session.list.select("file2");
    d.session.list.remove("FILE2");
    EXPECT_EQ(d.session.list.selectedKey(), "file3") << "the next entry takes the selection";
}

// Each follow-up of a read error: ask to delete a broken file, remove the entry, close, end.
TEST(OpenFailure, EachKindOfReadErrorRemovesClosesOrEnds) {
    for (const auto& [error, answer, listed, unload, kept] :
         {std::tuple{0, Answer::Yes, false, false, false}, {0, Answer::No, false, false, true},
          {err::FileNotFound, Answer::No, false, false, true},
          {err::PermissionDenied, Answer::No, true, false, true},
          {err::FileAlreadyOpen, Answer::No, true, true, true}}) {
        SCOPED_TRACE(error);
        SessionDesk d;
        const std::string bytes = d.putFile("/cfg/a.vlz");
        if (error == 0) d.files.files["/cfg/a.vlz"] = bytes.substr(0, 40);  // cut in a row
        if (error != 0) d.files.readErrors["/cfg/a.vlz"] = runtimeError(error);
        d.boxes.answers = {answer};
        load_click(d.session, d.services, false, "/cfg/a.vlz");
        ASSERT_EQ(d.boxes.shown.size(), 1u);
        EXPECT_EQ(d.boxes.shown[0].title, "File IO Error");
        EXPECT_EQ(d.session.list.find("file1") != nullptr, listed);
        EXPECT_EQ(d.session.unloadRequested, unload);
        EXPECT_EQ(d.files.exists("/cfg/a.vlz"), kept);
        EXPECT_EQ(d.tabKeys() == std::vector<std::string>{"BLANK"}, !unload);
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

// The command states see the session, and the session takes the modes they end.
TEST(ButtonStates, FollowTheSessionAndResetTheModesWhenNothingIsOpen) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz"});
    d.session.markChanged();
    EXPECT_EQ(d.session.buttonStateInputs().stateCode, state::Changed);
    d.boxes.answers = {Answer::No};
    close_click(d.session, d.services);
    d.session.recording = d.session.controls.comRec = true;
    const ButtonStatesUpdate update = d.session.setButtonStates(CommandStates{});
    EXPECT_FALSE(d.session.recording || d.session.controls.comRec);
    EXPECT_TRUE(update.states.toolbar.at("BTopen")) << "the closed entry is selected";
}

}  // namespace
}  // namespace velloran::testing
