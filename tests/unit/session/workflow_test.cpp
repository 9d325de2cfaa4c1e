// Whole sessions as a user works through them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/document_close.h"
#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_save.h"
#include "common/session.h"
#include "file_format/configuration_file.h"
#include "shell/startup.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Workflow, NewEditSaveAsCloseLoadDelete) {
    SessionDesk d;
    new_click(d.session, d.services, NewMode::New);
    ASSERT_THAT(d.listKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.item("file1").text, "New Config.vlz");
    EXPECT_EQ(d.item("file1").state, state::New);
    EXPECT_EQ(d.item("file1").colour, listcolour::Current);
    EXPECT_EQ(d.item("file1").iconPath, "/usr/share/velloran/default.ico");
    EXPECT_THAT(d.tabKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.session.currentKey, "file1");
    ASSERT_EQ(d.session.currentTable()->rowCount(), 2);
    EXPECT_TRUE(d.session.controls.comRec);
    EXPECT_EQ(d.entry("file1"), "") << "nothing stored before the first save";

    d.session.currentTable()->row(0).cell(col::Description).text = "Gear";
    d.session.markChanged();
    EXPECT_EQ(d.item("file1").state, state::New) << "a New stays unsaved, not changed";

    const std::string file = std::string(kConfigFolder) + "gear.vlz";
    d.dialogs.answers = {file};
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Saved);
    ASSERT_EQ(d.dialogs.saved.size(), 1u);
    EXPECT_EQ(d.dialogs.saved[0],
              (FileDialogRequest{"Save Configuration File",
                                 "All Files (*.*)|*.*|Velloran Files (*.vlz)|*.vlz", 2,
                                 std::string(kConfigFolder) + "New Config.vlz", true}));
    EXPECT_EQ(d.entry("file1"), file);
    EXPECT_EQ(d.entry("file1", settings::kEntryIconPath), file);
    EXPECT_EQ(d.item("file1").text, "gear.vlz");
    EXPECT_EQ(d.session.tabs.find("file1")->caption, "gear.vlz");
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
    EXPECT_EQ(d.files.files[file], serializeConfiguration(d.session.currentTable()->rows()));

    d.session.markChanged();
    EXPECT_EQ(d.item("file1").state, state::Changed);
    d.boxes.answers = {Answer::No};
    close_click(d.session, d.services);
    EXPECT_EQ(d.boxes.shown.back(),
              (Message{Icon::Exclamation, "Confirm CLose",
                       "Save changes to gear.vlz before closing?", Buttons::YesNoCancel}));
    EXPECT_EQ(d.item("file1").state, state::Listed);
    EXPECT_TRUE(d.item("file1").ghosted);
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
    EXPECT_EQ(d.session.currentKey, "BLANK");

    d.dialogs.answers = {file};
    load_click(d.session, d.services, true, "");
    EXPECT_EQ(d.dialogs.opened.back().title, "Load Configuration File");
    EXPECT_THAT(d.listKeys(), ElementsAre("file1")) << "the listed file is reused";
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
    EXPECT_EQ(d.session.currentTable()->row(0).cell(col::Description).text, "Gear");

    d.boxes.answers = {Answer::Yes};
    delete_click(d.session, d.services, true);
    EXPECT_EQ(d.boxes.shown.back().text, "Are you sure you want to delete \"gear.vlz\"!");
    EXPECT_EQ(d.boxes.shown.back().title, "Confirm File Delete");
    EXPECT_THAT(d.trash.trashed, ElementsAre(file));
    EXPECT_TRUE(d.session.list.empty());
    EXPECT_EQ(d.entry("file1"), "");
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
    EXPECT_FALSE(d.session.tables.contains("file1"));
}

TEST(Workflow, ClosingAnUnsavedNewWithNoRemovesItQuietly) {
    SessionDesk d;
    new_click(d.session, d.services, NewMode::New);
    d.boxes.answers = {Answer::No};
    close_click(d.session, d.services);
    EXPECT_EQ(d.boxes.shown.size(), 1u) << "no second question from Delete";
    EXPECT_TRUE(d.session.list.empty());
    EXPECT_EQ(d.files.writes, 0);
    EXPECT_THAT(d.trash.trashed, IsEmpty());
    EXPECT_THAT(d.files.files, IsEmpty());
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
    EXPECT_EQ(d.session.currentKey, "BLANK");
    EXPECT_FALSE(d.session.handedOut.contains("file1"));
}

TEST(Workflow, CancelOnTheCloseQuestionOrTheSaveDialogKeepsTheConfigurationOpen) {
    SessionDesk d;
    new_click(d.session, d.services, NewMode::New);
    d.boxes.answers = {Answer::Cancel, Answer::Yes};
    d.dialogs.answers = {std::nullopt};
    close_click(d.session, d.services);
    close_click(d.session, d.services);
    EXPECT_EQ(d.item("file1").state, state::New);
    EXPECT_THAT(d.tabKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.files.writes, 0);
}

TEST(Workflow, ClosingTheLastConfigurationRestoresBlank) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz"});
    d.session.recording = true;
    d.session.feedback = "A";
    close_click(d.session, d.services);
    EXPECT_THAT(d.boxes.shown, IsEmpty()) << "an unchanged configuration closes without asking";
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
    EXPECT_EQ(d.session.currentKey, "BLANK");
    EXPECT_EQ(d.session.shownTable, TableDictionary::kTemplateIndex);
    EXPECT_FALSE(d.session.tables.tableAt(0)->enabled);
    EXPECT_FALSE(d.session.recording);
    EXPECT_EQ(d.session.feedback, "");
    EXPECT_EQ(d.session.controls, (RowControls{false, false, false, false, true}));
    EXPECT_TRUE(d.session.buttonStateInputs().noneOpen);
}

TEST(Workflow, ClosingOneOfSeveralShowsTheFirstRemainingTab) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz", "/cfg/c.vlz"});
    EXPECT_THAT(d.tabKeys(), ElementsAre("file3", "file2", "file1"));
    EXPECT_EQ(*d.session.tables.indexOf("file2"), 2);

    d.session.list.select("file2");
    close_click(d.session, d.services);
    EXPECT_EQ(d.session.currentKey, "file3");
    EXPECT_EQ(d.session.list.selectedKey(), "file3");
    EXPECT_EQ(d.item("file3").colour, listcolour::Current);
    EXPECT_EQ(d.session.shownTable, *d.session.tables.indexOf("file3"));
    EXPECT_EQ(d.session.statusPanel1, "/cfg/c.vlz");

    d.loadFiles({"/cfg/d.vlz"});
    EXPECT_EQ(*d.session.tables.indexOf("file4"), 2) << "the closed table's index is reused";
}

TEST(Workflow, QueryUnloadAsksOnceWhenAnyOpenConfigurationIsUnsaved) {
    struct Case {
        int first, second;
        bool asks;
    };
    for (const Case c :
         {Case{state::Unchanged, state::Unchanged, false},
          Case{state::Unchanged, state::Changed, true}, Case{state::Changed, state::New, true},
          Case{state::NewAlt, state::Unchanged, true}}) {
        for (const Answer answer : {Answer::Yes, Answer::No}) {
            SessionDesk d;
            d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
            d.session.list.find("file1")->state = c.first;
            d.session.list.find("file2")->state = c.second;
            if (c.asks) d.boxes.answers = {answer};
            const bool closes = Form_QueryUnload(d.session, d.boxes);
            ASSERT_EQ(d.boxes.shown.size(), c.asks ? 1u : 0u);
            if (!c.asks) {
                EXPECT_TRUE(closes);
                continue;
            }
            EXPECT_EQ(d.boxes.shown[0],
                      (Message{Icon::Exclamation, "Confirm Close",
                               "Are you sure you want to quit without saving?", Buttons::YesNo}));
            EXPECT_EQ(closes, answer == Answer::Yes);
        }
    }
    SessionDesk empty;
    EXPECT_TRUE(Form_QueryUnload(empty.session, empty.boxes));
}

TEST(Workflow, CloneCopiesTheSelectedOpenConfiguration) {
    SessionDesk d;
    clone_click(d.session, d.services);
    EXPECT_TRUE(d.session.list.empty()) << "nothing open, nothing cloned";

    d.loadFiles({"/cfg/a.vlz"}, 1);
    clone_click(d.session, d.services);
    EXPECT_EQ(d.item("file2").text, "Copy of a.vlz");
    EXPECT_EQ(d.item("file2").iconPath, "/cfg/a.vlz");
    EXPECT_EQ(d.item("file2").state, state::New);
    EXPECT_EQ(d.session.currentKey, "file2");
    EXPECT_EQ(d.item("file1").colour, listcolour::Open);
    EXPECT_EQ(d.session.currentTable()->rowCount(), 1);
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2", "file1"));
}

}  // namespace
}  // namespace velloran::testing
