// Delete on a volume without a trash: the user decides whether the file goes for good.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/document_close.h"
#include "session/document_open.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DeleteWithoutTrash, AsksToDeletePermanentlyNoKeepsFileAndEntryYesRemovesBoth) {
    SessionDesk d;
    d.putFile("/media/stick/pad.vlz");
    load_click(d.session, d.services, false, "/media/stick/pad.vlz");
    d.trash.trashError = runtimeError(err::PathFileAccessError);

    d.boxes.answers = {Answer::Yes, Answer::No};
    delete_click(d.session, d.services, true);
    ASSERT_EQ(d.boxes.shown.size(), 2u);
    const Message& question = d.boxes.shown[1];
    EXPECT_EQ(question.icon, Icon::Exclamation);
    EXPECT_EQ(question.title, "Confirm File Delete");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_THAT(question.text, ::testing::HasSubstr("pad.vlz"));
    EXPECT_TRUE(d.files.exists("/media/stick/pad.vlz"));
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.entry("file1"), "/media/stick/pad.vlz");

    d.boxes.shown.clear();
    d.boxes.answers = {Answer::Yes, Answer::Yes};
    delete_click(d.session, d.services, true);
    EXPECT_EQ(d.boxes.shown.size(), 2u) << "no File IO Error box";
    EXPECT_THAT(d.trash.deleted, ElementsAre("/media/stick/pad.vlz"));
    EXPECT_FALSE(d.files.exists("/media/stick/pad.vlz"));
    EXPECT_THAT(d.listKeys(), IsEmpty());
    EXPECT_EQ(d.entry("file1"), "");
}

}  // namespace
}  // namespace velloran::testing
