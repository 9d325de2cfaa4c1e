// Save As onto the file of another entry that has unsaved changes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/document_open.h"
#include "session/document_save.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;

TEST(SaveAs, OntoTheFileOfAChangedEntryAsksNoCancelsYesDropsItAndSaves) {
    SessionDesk d;
    const std::string other = d.putFile("/cfg/other.vlz", 1);
    load_click(d.session, d.services, false, "/cfg/other.vlz");  // file1
    d.session.markChanged();
    d.putFile("/cfg/a.vlz", 2);
    load_click(d.session, d.services, false, "/cfg/a.vlz");  // file2, unchanged

    d.dialogs.answers = {"/cfg/other.vlz"};
    d.boxes.answers = {Answer::No};
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs), SaveOutcome::Cancelled);
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(d.boxes.shown[0].title, "Confirm Save As");
    EXPECT_EQ(d.boxes.shown[0].buttons, Buttons::YesNo);
    EXPECT_THAT(d.boxes.shown[0].text, ::testing::HasSubstr("\"other.vlz\""));
    EXPECT_EQ(d.files.files["/cfg/other.vlz"], other);
    EXPECT_EQ(d.item("file1").state, state::Changed);
    EXPECT_EQ(d.item("file2").state, state::Unchanged);
    EXPECT_EQ(d.entry("file2"), "/cfg/a.vlz");

    d.dialogs.answers = {"/cfg/other.vlz"};
    d.boxes.answers = {Answer::Yes};
    EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs), SaveOutcome::Saved);
    EXPECT_EQ(d.files.files["/cfg/other.vlz"], d.files.files["/cfg/a.vlz"]);
    EXPECT_THAT(d.listKeys(), ElementsAre("file2"));
    EXPECT_EQ(d.entry("file2"), "/cfg/other.vlz");
}

}  // namespace
}  // namespace velloran::testing
