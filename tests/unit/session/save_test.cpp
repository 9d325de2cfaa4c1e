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

// Loads each file and changes its first description.
void loadChanged(SessionDesk& d, std::initializer_list<const char*> paths) {
    for (const char* path : paths) {
        d.loadFiles({path});
        d.session.currentTable()->row(0).cell(col::Description).text = "Changed";
        d.session.markChanged();
    }
}

SaveOutcome saveAs(SessionDesk& d, const std::optional<std::string>& path) {
    d.dialogs.answers = {path};
    return save_click(d.session, d.services, SaveMode::SaveAs);
}

TEST(Save, WritesAChangedConfigurationOnceToItsOwnFile) {
    SessionDesk d;
    loadChanged(d, {"/cfg/a.vlz"});
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::Saved);
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
    EXPECT_THAT(d.files.files["/cfg/a.vlz"], HasSubstr("\"Changed\""));
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::Save), SaveOutcome::NothingToSave);
    EXPECT_EQ(d.files.writes, 1);
}

// Saving over the file of another entry drops that entry, after a question when it has unsaved
// changes; the key stays and the icon follows the file unless the user picked one.
TEST(SaveAs, OntoAListedFileDropsItsEntryAskingFirstIfItIsChanged) {
    SessionDesk d;
    loadChanged(d, {"/cfg/other.vlz", "/cfg/a.vlz"});  // file1, file2
    const std::string other = d.files.files["/cfg/other.vlz"];
    d.boxes.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(saveAs(d, "/cfg/other.vlz"), SaveOutcome::Cancelled);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(d.boxes.shown[0].title, "Confirm Save As");
    EXPECT_EQ(d.boxes.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(d.files.files["/cfg/other.vlz"], other);
    EXPECT_EQ(d.item("file1").state, state::Changed);

    EXPECT_EQ(saveAs(d, "/cfg/other.vlz"), SaveOutcome::Saved);
    EXPECT_THAT(d.files.files["/cfg/other.vlz"], HasSubstr("\"Changed\""));
    EXPECT_THAT(d.listKeys(), ElementsAre("file2"));
    EXPECT_EQ(d.entry("file1"), "");
    EXPECT_EQ(d.entry("file2"), "/cfg/other.vlz");
    EXPECT_EQ(d.entry("file2", settings::kEntryIconPath), "/cfg/other.vlz");
    EXPECT_EQ(d.item("file2").text, "other.vlz");

    d.loadFiles({"/cfg/b.vlz"});  // file1, unchanged
    d.store.SaveString(Root::CurrentUser, settings::userEntryPath("file1"),
                       settings::kEntryIconPath, "/pics/p.png");
    EXPECT_EQ(saveAs(d, "/cfg/other.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.boxes.shown.size(), 2u);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.entry("file1", settings::kEntryIconPath), "/pics/p.png");
}

TEST(SaveAs, ToANewFileCopiesASavedConfigurationUnderANewKey) {
    SessionDesk d;
    loadChanged(d, {"/cfg/a.vlz"});
    EXPECT_EQ(saveAs(d, "/cfg/b.vlz"), SaveOutcome::Saved);
    EXPECT_EQ(d.entry("file2"), "/cfg/b.vlz");
    EXPECT_EQ(d.item("file2").state, state::Unchanged);
    EXPECT_EQ(d.item("file1").state, state::Changed) << "the original stays as it was";
    EXPECT_THAT(d.tabKeys(), ElementsAre("file2", "file1"));
    EXPECT_THAT(d.files.files["/cfg/b.vlz"], HasSubstr("\"Changed\""));
    EXPECT_FALSE(d.session.handedOut.contains("file2"));
    // Onto its own vanished file it writes there under its key.
    d.files.files.erase("/cfg/b.vlz");
    EXPECT_EQ(saveAs(d, "/cfg/b.vlz"), SaveOutcome::Saved);
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2"));
}

// A new configuration's dialog opens in the configuration folder and adds the extension.
TEST(SaveAs, ANewConfigurationGetsTheExtensionUnlessItHasOne) {
    for (const auto& [typed, written] : {std::pair{"pads", "pads.vlz"}, {"pads.cfg", "pads.cfg"},
                                         {".pads", ".pads.vlz"}, {"my.d/pads", "my.d/pads.vlz"}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        EXPECT_EQ(saveAs(d, std::string(kConfigFolder) + typed), SaveOutcome::Saved);
        EXPECT_EQ(d.dialogs.saved.at(0).folder, kConfigFolder);
        EXPECT_TRUE(d.files.files.contains(std::string(kConfigFolder) + written)) << typed;
    }
}

// Cancelled dialog, failed probe, failed write: nothing saved, the key still handed out; a file
// held open elsewhere ends the program.
TEST(SaveAs, CancelAndFailuresLeaveTheConfigurationUnsaved) {
    struct Case {
        std::optional<int> probe, write;
        std::vector<Message> boxes;
        bool unload = false;
    };
    const Message cannot{Icon::Exclamation, "Save Error", "Cannot save to file!"};
    const Message denied{Icon::Critical, "File IO Error", "Permission denied"};
    const Message held{Icon::Critical, "File IO Error",
                       "File already open\r\n\r\nThe application will now close."};
    for (const Case& c : {Case{{}, {}, {}}, Case{err::PermissionDenied, {}, {cannot}},
                          Case{{}, err::PermissionDenied, {denied}},
                          Case{{}, err::FileAlreadyOpen, {held}, true}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        if (c.probe) d.files.probeErrors["/ro/x.vlz"] = runtimeError(*c.probe);
        if (c.write) d.files.writeErrors["/ro/x.vlz"] = runtimeError(*c.write);
        const bool cancel = !c.probe && !c.write;
        EXPECT_EQ(saveAs(d, cancel ? std::nullopt : std::optional<std::string>("/ro/x.vlz")),
                  cancel ? SaveOutcome::Cancelled : SaveOutcome::Failed);
        EXPECT_EQ(d.boxes.shown, c.boxes);
        EXPECT_EQ(d.session.unloadRequested, c.unload);
        EXPECT_EQ(d.item("file1").state, state::New);
        EXPECT_TRUE(d.session.handedOut.contains("file1"));
    }
}

}  // namespace
}  // namespace velloran::testing
