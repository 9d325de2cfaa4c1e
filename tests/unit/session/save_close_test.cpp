// Save, Save As, Close, Delete and Clone: which file and key a configuration ends up with.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/document_close.h"
#include "session/document_create.h"
#include "session/document_open.h"
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

TEST(Workflow, NewEditSaveCloseLoadSaveDelete) {
    SessionDesk d;
    new_click(d.session, d.services, NewMode::New);
    ASSERT_EQ(d.session.currentTable()->rowCount(), 2);
    EXPECT_EQ(d.item("file1").iconPath,
              "/usr/share/icons/hicolor/scalable/mimetypes/application-vl-config.svg");
    d.session.currentTable()->row(0).cell(col::Description).text = "Gear";
    d.session.markChanged();
    EXPECT_EQ(d.item("file1").state, state::New) << "a New stays unsaved, not changed";

    const std::string file = std::string(kConfigFolder) + "gear.vlz";
    EXPECT_EQ(save(d, SaveMode::Save, file), SaveOutcome::Saved);
    EXPECT_EQ(d.dialogs.saved.at(0).initialName, std::string(kConfigFolder) + "New Config.vlz");
    EXPECT_EQ(d.entry("file1"), file);
    EXPECT_EQ(d.entry("file1", settings::kEntryIconPath), file);
    EXPECT_EQ(d.item("file1").text, "gear.vlz");
    EXPECT_EQ(d.session.tabs.find("file1")->caption, "gear.vlz");
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
    EXPECT_FALSE(d.session.handedOut.contains("file1"));
    EXPECT_EQ(save(d, SaveMode::Save), SaveOutcome::NothingToSave);

    d.session.markChanged();
    d.boxes.answers = {Answer::No};
    close_click(d.session, d.services);
    EXPECT_EQ(d.boxes.shown.back(),
              (Message{Icon::Exclamation, "Confirm CLose",
                       "Save changes to gear.vlz before closing?", Buttons::YesNoCancel}));
    EXPECT_EQ(d.item("file1").state, state::Listed);
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));

    d.dialogs.answers = {file};
    load_click(d.session, d.services, true, "");
    EXPECT_THAT(d.listKeys(), ElementsAre("file1")) << "the listed file is reused";
    EXPECT_EQ(d.session.currentTable()->row(0).cell(col::Description).text, "Gear");
    d.session.currentTable()->row(0).cell(col::Description).text = "Gear up";
    d.session.markChanged();
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Saved);
    EXPECT_THAT(d.files.files[file], HasSubstr("\"Gear up\""));
    EXPECT_EQ(d.files.writes, 2);

    d.boxes.answers = {Answer::No, Answer::Yes};
    delete_click(d.session, d.services, true);
    EXPECT_EQ(d.session.list.size(), 1) << "No keeps it";
    delete_click(d.session, d.services, true);
    EXPECT_EQ(d.boxes.shown.back().title, "Confirm File Delete");
    EXPECT_THAT(d.trash.trashed, ElementsAre(file));
    EXPECT_TRUE(d.session.list.empty());
    EXPECT_EQ(d.entry("file1"), "");
    EXPECT_FALSE(d.session.tables.contains("file1"));
    clone_click(d.session, d.services);
    EXPECT_TRUE(d.session.list.empty()) << "nothing open, nothing cloned";
}

// Saving over the file of another entry drops that entry, after a question when it has unsaved
// changes; the key stays and the icon follows the file unless the user picked one.
TEST(SaveAs, OntoAListedFileDropsItsEntryAskingFirstIfItIsChanged) {
    SessionDesk d;
    loadChanged(d, {"/cfg/other.vlz", "/cfg/a.vlz"});  // file1, file2
    const std::string other = d.files.files["/cfg/other.vlz"];
    d.boxes.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/other.vlz"), SaveOutcome::Cancelled);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(d.boxes.shown[0].title, "Confirm Save As");
    EXPECT_EQ(d.boxes.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(d.files.files["/cfg/other.vlz"], other);
    EXPECT_EQ(d.item("file1").state, state::Changed);

    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/other.vlz"), SaveOutcome::Saved);
    EXPECT_THAT(d.files.files["/cfg/other.vlz"], HasSubstr("\"Changed\""));
    EXPECT_THAT(d.listKeys(), ElementsAre("file2"));
    EXPECT_EQ(d.entry("file1"), "");
    EXPECT_EQ(d.entry("file2"), "/cfg/other.vlz");
    EXPECT_EQ(d.entry("file2", settings::kEntryIconPath), "/cfg/other.vlz");

    d.loadFiles({"/cfg/b.vlz"});  // file1, unchanged
    d.store.SaveString(Root::CurrentUser, settings::userEntryPath("file1"),
                       settings::kEntryIconPath, "/pics/p.png");
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/other.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.entry("file1", settings::kEntryIconPath), "/pics/p.png");
}

// A copy under a new key; onto its own vanished file a configuration writes there under its key;
// a clone is a new configuration.
TEST(SaveAs, ToANewFileCopiesASavedConfigurationUnderANewKey) {
    SessionDesk d;
    loadChanged(d, {"/cfg/a.vlz"});
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/b.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file2"), "/cfg/b.vlz");
    EXPECT_EQ(d.item("file2").state, state::Unchanged);
    EXPECT_EQ(d.item("file1").state, state::Changed) << "the original stays as it was";
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2", "file1"));
    EXPECT_THAT(d.files.files["/cfg/b.vlz"], HasSubstr("\"Changed\""));
    EXPECT_FALSE(d.session.handedOut.contains("file2"));
    d.files.files.erase("/cfg/b.vlz");
    EXPECT_EQ(save(d, SaveMode::SaveAs, "/cfg/b.vlz"), SaveOutcome::Saved);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2"));

    clone_click(d.session, d.services);
    EXPECT_EQ(d.item("file3").text, "Copy of b.vlz");
    EXPECT_EQ(d.item("file3").state, state::New);
    EXPECT_THAT(d.tabKeys(), ElementsAre("file3", "file2", "file1"));
}

// A new configuration's dialog opens in the configuration folder and adds the extension.
TEST(SaveAs, ANewConfigurationGetsTheExtensionUnlessItHasOne) {
    for (const auto& [typed, written] : {std::pair{"pads", "pads.vlz"}, {"pads.cfg", "pads.cfg"},
                                         {".pads", ".pads.vlz"}, {"my.d/pads", "my.d/pads.vlz"}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        const std::string path = kConfigFolder + std::string(typed);
        EXPECT_EQ(save(d, SaveMode::SaveAs, path), SaveOutcome::Saved);
        EXPECT_EQ(d.dialogs.saved.at(0).folder, kConfigFolder);
        EXPECT_TRUE(d.files.files.contains(std::string(kConfigFolder) + written)) << typed;
    }
}

// Cancelled dialog, failed probe, failed write: nothing saved, the key still handed out; a file
// held open elsewhere ends the program.
TEST(SaveAs, CancelAndFailuresLeaveTheConfigurationUnsaved) {
    const Message cannot{Icon::Exclamation, "Save Error", "Cannot save to file!"};
    const Message denied{Icon::Critical, "File IO Error", "Permission denied"};
    const Message held{Icon::Critical, "File IO Error",
                       "File already open\r\n\r\nThe application will now close."};
    using Row = std::tuple<int, int, std::vector<Message>>;  // probe and write error, boxes
    for (const auto& [probe, write, boxes] :
         {Row{0, 0, {}}, {err::PermissionDenied, 0, {cannot}}, {0, err::PermissionDenied, {denied}},
          {0, err::FileAlreadyOpen, {held}}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        if (probe) d.files.probeErrors["/ro/x.vlz"] = runtimeError(probe);
        if (write) d.files.writeErrors["/ro/x.vlz"] = runtimeError(write);
        const bool cancel = boxes.empty();
        EXPECT_EQ(save(d, SaveMode::SaveAs, cancel ? std::nullopt : std::optional("/ro/x.vlz")),
                  cancel ? SaveOutcome::Cancelled : SaveOutcome::Failed);
        EXPECT_EQ(d.boxes.shown, boxes);
        EXPECT_EQ(d.session.unloadRequested, write == err::FileAlreadyOpen);
        EXPECT_EQ(d.item("file1").state, state::New);
        EXPECT_TRUE(d.session.handedOut.contains("file1"));
    }
}

// On a volume without a trash the user decides whether the file goes for good.
TEST(Delete, WithoutATrashAsksToDeletePermanently) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SessionDesk d;
        d.loadFiles({"/media/stick/pad.vlz"});
        d.trash.trashError = runtimeError(err::PathFileAccessError);
        d.boxes.answers = {Answer::Yes, answer};
        delete_click(d.session, d.services, true);
        ASSERT_EQ(d.boxes.shown.size(), 2u) << "no File IO Error box";
        EXPECT_EQ(d.boxes.shown[1].title, "Confirm File Delete");
        EXPECT_EQ(d.boxes.shown[1].buttons, Buttons::YesNo);
        EXPECT_EQ(d.files.exists("/media/stick/pad.vlz"), answer == Answer::No);
        EXPECT_EQ(d.entry("file1").empty(), answer == Answer::Yes);
        EXPECT_EQ(d.session.list.empty(), answer == Answer::Yes);
    }
}

// Cancel on the question or the dialog keeps it open; No removes an unsaved New quietly and
// hands its key out again.
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
    EXPECT_FALSE(d.session.handedOut.contains("file1"));
}

TEST(Close, ShowsTheFirstRemainingTabOrBlank) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz", "/cfg/c.vlz"});
    d.session.list.select("file2");
    close_click(d.session, d.services);
    EXPECT_EQ(d.session.currentKey, "file3");
    EXPECT_EQ(d.session.list.selectedKey(), "file3");
    EXPECT_EQ(d.session.shownTable, *d.session.tables.indexOf("file3"));
    d.loadFiles({"/cfg/d.vlz"});
    EXPECT_EQ(*d.session.tables.indexOf("file4"), 2) << "the closed table's index is reused";

    for (int i = 0; i < 3; ++i) close_click(d.session, d.services);
    EXPECT_THAT(d.boxes.shown, IsEmpty()) << "unchanged configurations close without asking";
    EXPECT_EQ(d.session.currentKey, "BLANK");
    EXPECT_EQ(d.session.shownTable, TableDictionary::kTemplateIndex);
    EXPECT_EQ(d.session.controls, (RowControls{false, false, false, false, true}));
}

TEST(Close, QueryUnloadAsksOnceWhenAnyOpenConfigurationIsUnsaved) {
    for (const auto& [first, second, answer, asks, closes] :
         {std::tuple{state::Unchanged, state::Unchanged, Answer::No, false, true},
          {state::Unchanged, state::Changed, Answer::Yes, true, true},
          {state::Changed, state::New, Answer::No, true, false},
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

}  // namespace
}  // namespace velloran::testing
