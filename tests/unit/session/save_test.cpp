// Save and Save As: which file and key a save ends up with, and what a failure leaves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_save.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A loaded configuration with a changed first description.
void loadChanged(SessionDesk& d, const std::string& path) {
    d.loadFiles({path.c_str()});
    d.session.currentTable()->row(0).cell(col::Description).text = "Changed";
    d.session.markChanged();
}

SaveOutcome saveAs(SessionDesk& d, const std::string& path) {
    d.dialogs.answers = {path};
    return save_click(d.session, d.services, SaveMode::SaveAs);
}

TEST(Save, WritesAChangedConfigurationOnceToItsOwnFile) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Saved);
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
    EXPECT_THAT(d.files.files["/cfg/a.vlz"], HasSubstr("\"Changed\""));
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::NothingToSave);
    EXPECT_EQ(d.files.writes, 1);
}

TEST(SaveAs, ToAnExistingFileKeepsTheKeyAndAUserPickedIcon) {
    SessionDesk d;
    d.loadFiles({"/cfg/other.vlz"});  // file1 lists other.vlz
    loadChanged(d, "/cfg/a.vlz");     // file2
    EXPECT_EQ(saveAs(d, "/cfg/other.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file2"), "/cfg/other.vlz");
    EXPECT_EQ(d.entry("file2", settings::kEntryIconPath), "/cfg/other.vlz") << "icon follows";
    EXPECT_EQ(d.item("file2").text, "other.vlz");
    EXPECT_THAT(d.files.files["/cfg/other.vlz"], HasSubstr("\"Changed\""));
    EXPECT_THAT(d.listKeys(), ElementsAre("file2")) << "the entry that listed the file goes";
    EXPECT_EQ(d.entry("file1"), "");

    d.store.SaveString(Root::CurrentUser, settings::userEntryPath("file2"),
                       settings::kEntryIconPath, "/pics/p.png");
    EXPECT_EQ(saveAs(d, "/cfg/a.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file2", settings::kEntryIconPath), "/pics/p.png");
}

TEST(SaveAs, ToANewFileCopiesASavedConfigurationUnderANewKey) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    EXPECT_EQ(saveAs(d, "/cfg/b.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file2"), "/cfg/b.vlz");
    EXPECT_EQ(d.item("file2").state, state::Unchanged);
    EXPECT_EQ(d.item("file1").state, state::Changed) << "the original stays as it was";
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2", "file1"));
    EXPECT_THAT(d.files.files["/cfg/b.vlz"], HasSubstr("\"Changed\""));
    EXPECT_FALSE(d.session.handedOut.contains("file2"));
}

TEST(SaveAs, OntoItsOwnVanishedFileWritesThereUnderItsKey) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    d.files.files.erase("/cfg/a.vlz");
    EXPECT_EQ(saveAs(d, "/cfg/a.vlz"), SaveOutcome::Saved);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
}

// Cancelled dialog, failed probe, failed write: nothing saved, the key still handed out.
TEST(SaveAs, CancelAndFailuresLeaveTheConfigurationUnsaved) {
    struct Case {
        std::optional<int> probe, write;
        std::vector<Message> boxes;
    };
    const Message cannot{Icon::Exclamation, "Save Error", "Cannot save to file!"};
    const Message denied{Icon::Critical, "File IO Error", "Permission denied"};
    for (const Case& c : {Case{{}, {}, {}}, Case{err::PermissionDenied, {}, {cannot}},
                          Case{{}, err::PermissionDenied, {denied}}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        if (c.probe) d.files.probeErrors["/ro/x.vlz"] = runtimeError(*c.probe);
        if (c.write) d.files.writeErrors["/ro/x.vlz"] = runtimeError(*c.write);
        const bool cancel = c.boxes.empty();
        EXPECT_EQ(cancel ? (d.dialogs.answers = {std::nullopt},
                            save_click(d.session, d.services, SaveMode::Save))
                         : saveAs(d, "/ro/x.vlz"),
                  cancel ? SaveOutcome::Cancelled : SaveOutcome::Failed);
        EXPECT_EQ(d.boxes.shown, c.boxes);
        EXPECT_EQ(d.item("file1").state, state::New);
        EXPECT_TRUE(d.session.handedOut.contains("file1"));
    }
}

TEST(Save, AFileHeldOpenElsewhereEndsTheProgram) {
    SessionDesk d;
    loadChanged(d, "/cfg/a.vlz");
    d.files.writeErrors["/cfg/a.vlz"] = runtimeError(err::FileAlreadyOpen);
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Failed);
    EXPECT_TRUE(d.session.unloadRequested);
}

}  // namespace
}  // namespace velloran::testing
