// The document commands: how configurations come into the list and the tabs, which file and key
// each ends up with, and when the user is asked first.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/config_folder.h"
#include "session/document_close.h"
#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_run.h"
#include "session/document_save.h"
#include "shell/startup.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Loads each file and changes its first description.
void loadChanged(SessionDesk& d, std::initializer_list<const char*> paths) {
    for (const char* path : paths) {
        d.loadFiles({path});
        d.session.currentTable()->row(0).cell(col::Description).text = "Changed";
        d.session.markChanged();
    }
}

SaveOutcome save(SessionDesk& d, SaveMode mode, const std::optional<std::string>& path = {}) {
    d.dialogs.answers = {path};
    return save_click(d.session, d.services, mode);
}

void expectAsked(const SessionDesk& d, const char* title, Buttons buttons, std::size_t index = 0) {
    ASSERT_LT(index, d.boxes.shown.size());
    EXPECT_EQ(d.boxes.shown[index].icon, Icon::Exclamation);
    EXPECT_EQ(d.boxes.shown[index].title, title);
    EXPECT_EQ(d.boxes.shown[index].buttons, buttons);
}

TEST(Workflow, NewSaveCloseLoadSave) {
    SessionDesk d;
    new_click(d.session, d.services, NewMode::New);
    const std::string file = std::string(kConfigFolder) + "gear.vlz";
    EXPECT_EQ(save(d, SaveMode::Save, file), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file1"), file);
    EXPECT_EQ(d.item("file1").state, state::Unchanged);

    d.session.markChanged();
    d.boxes.answers = {Answer::No};
    close_click(d.session, d.services);
    expectAsked(d, "Confirm CLose", Buttons::YesNoCancel);
    EXPECT_EQ(d.item("file1").state, state::Listed);

    d.dialogs.answers = {file};
    load_click(d.session, d.services, true, "");
    d.session.currentTable()->row(0).cell(col::Description).text = "Gear up";
    d.session.markChanged();
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Saved);
    EXPECT_THAT(d.files.files[file], HasSubstr("\"Gear up\""));
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
}

// Saving over the file of another entry drops that entry, after a question when it has unsaved
// changes; the key stays and an icon the user picked stays with it.
TEST(SaveAs, OntoAListedFileDropsItsEntryAskingFirstIfItIsChanged) {
    SessionDesk d;
    loadChanged(d, {"/cfg/other.vlz", "/cfg/a.vlz"});  // file1, file2
    const std::string other = d.files.files["/cfg/other.vlz"];
    d.boxes.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/other.vlz"), SaveOutcome::Cancelled);
    expectAsked(d, "Confirm Save As", Buttons::YesNo);
    EXPECT_EQ(d.files.files["/cfg/other.vlz"], other);
    EXPECT_EQ(d.item("file1").state, state::Changed);

    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/other.vlz"), SaveOutcome::Saved);
    EXPECT_THAT(d.files.files["/cfg/other.vlz"], HasSubstr("\"Changed\""));
    EXPECT_THAT(d.listKeys(), ElementsAre("file2"));
    EXPECT_EQ(d.entry("file1"), "");
    EXPECT_EQ(d.entry("file2"), "/cfg/other.vlz");

    d.loadFiles({"/cfg/b.vlz"});  // file1, unchanged
    d.store.SaveString(Root::CurrentUser, settings::userEntryPath("file1"),
                       settings::kEntryIconPath, "/pics/p.png");
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/other.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.entry("file1", settings::kEntryIconPath), "/pics/p.png");
}

// A copy under a new key; onto its own vanished file a configuration writes there under its key;
// a clone is a new configuration with the rows of the one it copies.
TEST(SaveAs, ToANewFileCopiesASavedConfigurationUnderANewKey) {
    SessionDesk d;
    loadChanged(d, {"/cfg/a.vlz"});
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/b.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file2"), "/cfg/b.vlz");
    EXPECT_EQ(d.item("file1").state, state::Changed) << "the original stays as it was";
    EXPECT_THAT(d.files.files["/cfg/b.vlz"], HasSubstr("\"Changed\""));
    d.files.files.erase("/cfg/b.vlz");
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/b.vlz"), SaveOutcome::Saved);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2"));

    clone_click(d.session, d.services);
    EXPECT_EQ(d.item("file3").state, state::New);
    EXPECT_EQ(d.session.currentTable()->row(0).cell(col::Description).text, "Changed");
}

TEST(ConfigurationExtension, AddedUnlessTheNameHasOne) {
    for (const auto& [typed, written] : {std::pair{"pads", "pads.vlz"}, {"pads.cfg", "pads.cfg"},
                                         {".pads", ".pads.vlz"}, {"my.d/pads", "my.d/pads.vlz"}}) {
        EXPECT_EQ(withConfigurationExtension(std::string("/c/") + typed),
                  std::string("/c/") + written);
    }
}

// Cancelled dialog, failed probe, failed write: nothing saved, the key still handed out; a file
// held open elsewhere ends the program.
TEST(SaveAs, CancelAndFailuresLeaveTheConfigurationUnsaved) {
    for (const auto& [probe, write] : {std::pair{0, 0}, {err::PermissionDenied, 0},
                                       {0, err::PermissionDenied}, {0, err::FileAlreadyOpen}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        if (probe) d.files.probeErrors["/ro/x.vlz"] = runtimeError(probe);
        if (write) d.files.writeErrors["/ro/x.vlz"] = runtimeError(write);
        const bool cancel = probe == 0 && write == 0;
        d.dialogs.answers = {cancel ? std::nullopt : std::optional("/ro/x.vlz")};
        EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs),
                  cancel ? SaveOutcome::Cancelled : SaveOutcome::Failed);
        EXPECT_EQ(d.boxes.shown.size(), cancel ? 0u : 1u);
        EXPECT_EQ(d.session.unloadRequested, write == err::FileAlreadyOpen);
        EXPECT_EQ(d.item("file1").state, state::New);
        EXPECT_TRUE(d.session.handedOut.contains("file1"));
    }
}

// Delete asks first; a file the trash cannot take goes for good only if the user says so, and
// its entry stays while the file does.
TEST(Delete, AsksFirstAndWithoutATrashAsksToDeletePermanently) {
    for (const auto& [sure, trash, permanently, gone] :
         {std::tuple{Answer::No, true, Answer::Yes, false}, {Answer::Yes, true, Answer::No, true},
          {Answer::Yes, false, Answer::No, false}, {Answer::Yes, false, Answer::Yes, true}}) {
        SessionDesk d;
        d.loadFiles({"/media/stick/pad.vlz"});
        if (!trash) d.trash.trashError = runtimeError(err::PathFileAccessError);
        d.boxes.answers = {sure, permanently};
        delete_click(d.session, d.services, true);
        expectAsked(d, "Confirm File Delete", Buttons::YesNo, trash || sure == Answer::No ? 0 : 1);
        EXPECT_EQ(d.boxes.shown.size(), trash || sure == Answer::No ? 1u : 2u);
        EXPECT_EQ(d.files.exists("/media/stick/pad.vlz"), !gone);
        EXPECT_EQ(d.entry("file1").empty(), gone);
    }
}

// Cancel on the question or the dialog keeps it open; No removes an unsaved New quietly.
TEST(Close, AnUnsavedNew) {
    SessionDesk d;
    new_click(d.session, d.services, NewMode::New);
    d.boxes.answers = {Answer::Cancel, Answer::Yes, Answer::No};
    d.dialogs.answers = {std::nullopt};
    close_click(d.session, d.services);
    close_click(d.session, d.services);
    EXPECT_EQ(d.item("file1").state, state::New);
    close_click(d.session, d.services);
    EXPECT_EQ(d.boxes.shown.size(), 3u) << "no further question from Delete";
    EXPECT_TRUE(d.session.list.empty());
    EXPECT_EQ(d.files.writes, 0);
    EXPECT_THAT(d.trash.trashed, IsEmpty());
}

// The shown table is the remaining tab's, so that edits go to the configuration shown.
TEST(Close, ShowsTheFirstRemainingTab) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz", "/cfg/c.vlz"});
    close_click(d.session, d.services);
    EXPECT_EQ(d.session.currentKey, "file2");
    EXPECT_EQ(d.session.shownTable, *d.session.tables.indexOf("file2"));
}

TEST(Close, QueryUnloadAsksOnceWhenAnyOpenConfigurationIsUnsaved) {
    for (const auto& [first, second, answer, asks, closes] :
         {std::tuple{state::Unchanged, state::Unchanged, Answer::No, false, true},
          {state::Unchanged, state::Changed, Answer::Yes, true, true},
          {state::NewAlt, state::Unchanged, Answer::No, true, false}}) {
        SessionDesk d;
        d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
        d.session.list.find("file1")->state = first;
        d.session.list.find("file2")->state = second;
        d.boxes.answers = {answer};
        EXPECT_EQ(Form_QueryUnload(d.session, d.boxes), closes);
        EXPECT_EQ(d.boxes.shown.size(), asks ? 1u : 0u);
    }
}

// New files are listed first, the list sorted ignoring case; vanished and duplicate entries go.
TEST(Startup, BuildsTheListFromTheFolderAndTheStoreEntries) {
    SessionDesk d;
    const std::string folder = kConfigFolder;
    auto entry = [&](const char* key, const std::string& path) {
        d.store.SaveString(Root::CurrentUser, settings::userEntryPath(key), "path", path);
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
}

// Start-up must not install the file-type association again once the user turned it off.
TEST(Startup, InstallsTheAssociationUnlessTurnedOff) {
    SessionDesk d;
    EXPECT_TRUE(startmeup(d.session, d.services).associate);
    d.store.SaveString(Root::CurrentUser, kConfigKey, settings::kAssociate, settings::kFalse);
    EXPECT_FALSE(startmeup(d.session, d.services).associate);
}

TEST(CommandLine, QuotedOrRelativePathsBecomeFullPaths) {
    MemoryFiles files;
    for (const auto& [text, path] :
         {std::pair<std::string, std::string>{"\"/my files/a b.vlz\"", "/my files/a b.vlz"},
          {"cfg/../a.vlz", "/home/user/a.vlz"}, {"a", ""}}) {
        EXPECT_EQ(commandLinePath(text, files), path) << text;
    }
}

// A file already open gets a notice, a missing file a box; an open configuration is switched to
// without reading its file again.
TEST(Load, OpenAndMissingFiles) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
    load_click(d.session, d.services, false, "/cfg/a.vlz");
    load_click(d.session, d.services, false, "/cfg/none.vlz");
    ASSERT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_EQ(d.boxes.shown[0].icon, Icon::Information);
    EXPECT_EQ(d.boxes.shown[1].title, "File Error");
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2"));

    d.files.files.erase("/cfg/b.vlz");
    d.session.list.select("file2");
    open_click(d.session, d.services);
    EXPECT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_EQ(d.session.currentKey, "file2");
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
        EXPECT_EQ(d.session.list.find("file1") != nullptr, listed);
        EXPECT_EQ(d.session.unloadRequested, unload);
        EXPECT_EQ(d.files.exists("/cfg/a.vlz"), kept);
        EXPECT_EQ(d.tabKeys() == std::vector<std::string>{"BLANK"}, !unload);
    }
}

// Run starts the runvale beside the program, else the one on the path, with the file.
TEST(Run, StartsRunvaleWithTheFile) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz"});
    MNrun_Click(d.session, d.services);
    d.files.files["/usr/bin/runvale"];
    MNrun_Click(d.session, d.services);
    EXPECT_EQ(d.launcher.starts.at(0).program, "runvale");
    EXPECT_EQ(d.launcher.starts.at(1).program, "/usr/bin/runvale");
    EXPECT_THAT(d.launcher.starts[1].arguments, ElementsAre("/cfg/a.vlz"));
}

// With nothing open the session leaves recording, so no key is recorded into a closed table.
TEST(ButtonStates, TheSessionTakesTheModesTheyEnd) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz"});
    close_click(d.session, d.services);
    d.session.recording = d.session.controls.comRec = true;
    d.session.setButtonStates(CommandStates{});
    EXPECT_FALSE(d.session.recording || d.session.controls.comRec);
}

}  // namespace
}  // namespace velloran::testing
