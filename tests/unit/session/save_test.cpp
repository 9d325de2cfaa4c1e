// Save and Save As: which file and key a save ends up with, and what a failure leaves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_save.h"
#include "common/session.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A loaded configuration with a changed first description.
void loadChanged(SessionDesk& d, const std::string& path) {
    d.putFile(path);
    load_click(d.session, d.services, false, path);
    d.session.currentTable()->row(0).cell(col::Description).text = "Changed";
    d.session.markChanged();
}

TEST(Save, WritesAChangedConfigurationToItsOwnFile) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Saved);
    EXPECT_THAT(d.dialogs.saved, IsEmpty());
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
    EXPECT_THAT(d.files.files["/cfg/a.vlz"], ::testing::HasSubstr("\"Changed\""));
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::NothingToSave);
    EXPECT_EQ(d.files.writes, 1);
}

TEST(SaveAs, ToAnExistingFileKeepsTheKeyAndWritesThere) {
    SessionDesk d;
    d.loadFiles({"/cfg/other.vlz"});  // file1 lists other.vlz
    loadChanged(d, "/cfg/a.vlz");                                // file2
    d.dialogs.answers = {"/cfg/other.vlz"};
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs), SaveOutcome::Saved);
    EXPECT_EQ(d.dialogs.saved[0].initialName, "/cfg/a.vlz");
    EXPECT_EQ(d.entry("file2"), "/cfg/other.vlz");
    EXPECT_EQ(d.entry("file2", settings::kEntryIconPath), "/cfg/other.vlz");
    EXPECT_EQ(d.item("file2").text, "other.vlz");
    EXPECT_EQ(d.item("file2").state, state::Unchanged);
    EXPECT_THAT(d.files.files["/cfg/other.vlz"], ::testing::HasSubstr("\"Changed\""));
    EXPECT_EQ(d.files.files["/cfg/a.vlz"], d.putFile("/cfg/unused.vlz")) << "old file untouched";
    EXPECT_THAT(d.listKeys(), ElementsAre("file2")) << "the entry that listed the file goes";
    EXPECT_EQ(d.entry("file1"), "");
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2"));
}

TEST(SaveAs, ToANewFileCopiesASavedConfigurationUnderANewKey) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    d.dialogs.answers = {"/cfg/b.vlz"};
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file2"), "/cfg/b.vlz");
    EXPECT_EQ(d.item("file2").text, "b.vlz");
    EXPECT_EQ(d.item("file2").state, state::Unchanged);
    EXPECT_EQ(d.item("file1").state, state::Changed) << "the original stays as it was";
    EXPECT_EQ(d.session.currentKey, "file2");
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2", "file1"));
    EXPECT_THAT(d.files.files["/cfg/b.vlz"], ::testing::HasSubstr("\"Changed\""));
    EXPECT_THAT(d.files.files["/cfg/a.vlz"], ::testing::Not(::testing::HasSubstr("Changed")));
    EXPECT_FALSE(d.session.handedOut.contains("file2"));
}

TEST(SaveAs, OntoItsOwnVanishedFileWritesThereUnderItsKey) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    d.files.files.erase("/cfg/a.vlz");
    d.dialogs.answers = {"/cfg/a.vlz"};
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs), SaveOutcome::Saved);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
    EXPECT_THAT(d.files.files["/cfg/a.vlz"], ::testing::HasSubstr("\"Changed\""));
}

TEST(SaveAs, CancelledDialogChangesNothing) {
    for (const SaveMode mode : {SaveMode::Save, SaveMode::SaveAs}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        const auto before = d.session.list.entries();
        d.dialogs.answers = {std::nullopt};
        EXPECT_EQ(save_click(d.session, d.services, mode), SaveOutcome::Cancelled);
        EXPECT_EQ(d.session.list.entries(), before);
        EXPECT_THAT(d.files.files, IsEmpty());
        EXPECT_EQ(d.entry("file1"), "");
        EXPECT_THAT(d.boxes.shown, IsEmpty());
    }
}

TEST(SaveAs, FailuresAreReportedAndLeaveTheConfigurationUnsaved) {
    struct Case {
        bool probeFails;
        Message box;
    };
    const Message denied{Icon::Critical, "File IO Error", "Permission denied"};
    for (const Case& c :
         {Case{true, Message{Icon::Exclamation, "Save Error", "Cannot save to file!"}},
          Case{false, denied}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        const std::string file = "/ro/x.vlz";
        (c.probeFails ? d.files.probeErrors : d.files.writeErrors)[file] =
            runtimeError(err::PermissionDenied);
        d.dialogs.answers = {file};
        EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs), SaveOutcome::Failed);
        EXPECT_THAT(d.boxes.shown, ElementsAre(c.box));
        EXPECT_EQ(d.item("file1").state, state::New);
        EXPECT_TRUE(d.session.handedOut.contains("file1"));
    }
}

TEST(SaveAs, AFileHeldOpenElsewhereEndsTheProgram) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    d.files.writeErrors["/cfg/a.vlz"] = runtimeError(err::FileAlreadyOpen);
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Failed);
    EXPECT_TRUE(d.session.unloadRequested);
    EXPECT_THAT(d.boxes.shown.at(0).text, ::testing::EndsWith("The application will now close."));
}

}  // namespace
}  // namespace velloran::testing
