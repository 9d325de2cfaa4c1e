// Whole sessions as a user works through them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "file_format/configuration_file.h"
#include "session/document_close.h"
#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_save.h"
#include "shell/startup.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Workflow, NewEditSaveCloseLoadDelete) {
    SessionDesk d;
    new_click(d.session, d.services, NewMode::New);
    ASSERT_EQ(d.session.currentTable()->rowCount(), 2);
    d.session.currentTable()->row(0).cell(col::Description).text = "Gear";
    d.session.markChanged();
    EXPECT_EQ(d.item("file1").state, state::New) << "a New stays unsaved, not changed";

    const std::string file = std::string(kConfigFolder) + "gear.vlz";
    d.dialogs.answers = {file};
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Saved);
    EXPECT_EQ(d.dialogs.saved.at(0).initialName, std::string(kConfigFolder) + "New Config.vlz");
    EXPECT_EQ(d.entry("file1") + " " + d.entry("file1", settings::kEntryIconPath),
              file + " " + file);
    EXPECT_EQ(d.item("file1").text + d.session.tabs.find("file1")->caption, "gear.vlzgear.vlz");
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
    EXPECT_FALSE(d.session.handedOut.contains("file1"));
    EXPECT_EQ(d.files.files[file], serializeConfiguration(d.session.currentTable()->rows()));

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

    d.boxes.answers = {Answer::No, Answer::Yes};
    delete_click(d.session, d.services, true);
    EXPECT_EQ(d.session.list.size(), 1) << "No keeps it";
    delete_click(d.session, d.services, true);
    EXPECT_EQ(d.boxes.shown.back().title, "Confirm File Delete");
    EXPECT_THAT(d.trash.trashed, ElementsAre(file));
    EXPECT_TRUE(d.session.list.empty());
    EXPECT_EQ(d.entry("file1"), "");
    EXPECT_FALSE(d.session.tables.contains("file1"));
}

// On a volume without a trash the user decides whether the file goes for good.
TEST(Workflow, DeleteWithoutTrashAsksToDeletePermanently) {
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
TEST(Workflow, ClosingAnUnsavedNew) {
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

TEST(Workflow, ClosingShowsTheFirstRemainingTabOrBlank) {
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

TEST(Workflow, QueryUnloadAsksOnceWhenAnyOpenConfigurationIsUnsaved) {
    struct Case {
        int first, second;
        Answer answer;
        bool asks, closes;
    };
    for (const Case c : {Case{state::Unchanged, state::Unchanged, Answer::No, false, true},
                         Case{state::Unchanged, state::Changed, Answer::Yes, true, true},
                         Case{state::Changed, state::New, Answer::No, true, false},
                         Case{state::NewAlt, state::Unchanged, Answer::No, true, false}}) {
        SessionDesk d;
        d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
        d.session.list.find("file1")->state = c.first;
        d.session.list.find("file2")->state = c.second;
        d.boxes.answers = {c.answer};
        EXPECT_EQ(Form_QueryUnload(d.session, d.boxes), c.closes);
        EXPECT_EQ(d.boxes.shown.size(), c.asks ? 1u : 0u);
    }
}

TEST(Workflow, CloneCopiesTheSelectedOpenConfiguration) {
    SessionDesk d;
    clone_click(d.session, d.services);
    EXPECT_TRUE(d.session.list.empty()) << "nothing open, nothing cloned";
    d.loadFiles({"/cfg/a.vlz"}, 1);
    clone_click(d.session, d.services);
    EXPECT_EQ(d.item("file2").text, "Copy of a.vlz");
    EXPECT_EQ(d.item("file2").state, state::New);
    EXPECT_EQ(d.session.currentTable()->rowCount(), 1);
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2", "file1"));
}

}  // namespace
}  // namespace velloran::testing
