// Load, Open and what a file that cannot be read leads to.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/document_open.h"
#include "common/session.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Load, AListedFileReusesItsEntryAndAnOpenOneGetsANotice) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
    d.session.list.find("file1")->state = state::Listed;  // as if closed
    d.session.list.find("file1")->ghosted = true;
    d.session.tabs.remove("file1");

    load_click(d.session, d.services, false, "/cfg/a.vlz");
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2"));
    EXPECT_THAT(d.boxes.shown, IsEmpty());
    EXPECT_EQ(d.session.currentKey, "file1");

    load_click(d.session, d.services, false, "/cfg/b.vlz");
    EXPECT_THAT(d.boxes.shown, ElementsAre(Message{Icon::Information, "File Load",
                                                   "The file \"b.vlz\" is already loaded."}));
    EXPECT_EQ(d.session.currentKey, "file2");
    EXPECT_THAT(d.listKeys(), ElementsAre("file1", "file2"));
    EXPECT_EQ(d.session.currentTable()->rowCount(), 2) << "an open table is not read again";
}

TEST(Load, MissingFileOrCancelledDialogChangesNothing) {
    SessionDesk d;
    load_click(d.session, d.services, false, "/cfg/none.vlz");
    EXPECT_THAT(d.boxes.shown, ElementsAre(Message{Icon::Exclamation, "File Error",
                                                   "Cannot open file. File does not exist."}));
    d.dialogs.answers = {std::nullopt};
    load_click(d.session, d.services, true, "");
    EXPECT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_TRUE(d.session.list.empty());
    EXPECT_EQ(d.entry("file1"), "");
}

TEST(Load, ObsoleteFileIsReportedAndLeftChanged) {
    SessionDesk d;
    d.files.files["/cfg/old.vlz"] = "\"1.3\"\r\n";
    load_click(d.session, d.services, false, "/cfg/old.vlz");
    ASSERT_EQ(d.boxes.shown.size(), 1u);
    EXPECT_EQ(d.boxes.shown[0].title, "File Format Error");
    EXPECT_EQ(d.item("file1").state, state::Changed);
}

TEST(Load, DroppingFilesLoadsOnlyTheFirst) {
    SessionDesk d;
    d.putFile("/cfg/a.vlz");
    d.putFile("/cfg/b.vlz");
    drop_files(d.session, d.services, {"/cfg/a.vlz", "/cfg/b.vlz", "/cfg/c.vlz"});
    EXPECT_THAT(d.listKeys(), ElementsAre("file1"));
    EXPECT_EQ(d.entry("file1"), "/cfg/a.vlz");
    d.session.testing = true;
    drop_files(d.session, d.services, {"/cfg/b.vlz"});
    EXPECT_EQ(d.session.list.size(), 1);
}

// A file cut inside a row block: Yes deletes the file, No keeps it; the entry goes either way.
TEST(OpenFailure, TruncatedFileAsksWhetherToDeleteIt) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SessionDesk d;
        d.files.files["/cfg/cut.vlz"] = d.putFile("/cfg/cut.vlz").substr(0, 40);
        d.boxes.answers = {answer};
        load_click(d.session, d.services, false, "/cfg/cut.vlz");
        ASSERT_EQ(d.boxes.shown.size(), 1u);
        EXPECT_EQ(d.boxes.shown[0].title, "File IO Error");
        EXPECT_EQ(d.boxes.shown[0].buttons, Buttons::YesNo);
        EXPECT_THAT(d.boxes.shown[0].text, ::testing::EndsWith("Delete the file?"));
        EXPECT_TRUE(d.session.list.empty());
        EXPECT_EQ(d.entry("file1"), "");
        EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
        EXPECT_EQ(d.files.exists("/cfg/cut.vlz"), answer == Answer::No);
        EXPECT_EQ(d.trash.trashed.size(), answer == Answer::Yes ? 1u : 0u);
    }
}

TEST(OpenFailure, ReadErrorsRemoveCloseOrEndAsTheirKindSays) {
    struct Case {
        int error;
        bool listed;  // the entry is still in the list afterwards
        bool unload;  // the window is asked to close
        bool fileKept;
    };
    for (const Case c : {Case{err::FileNotFound, false, false, true},
                         Case{err::PermissionDenied, true, false, true},
                         Case{err::FileAlreadyOpen, true, true, true}}) {
        SessionDesk d;
        d.putFile("/cfg/a.vlz");
        d.files.readErrors["/cfg/a.vlz"] = runtimeError(c.error);
        load_click(d.session, d.services, false, "/cfg/a.vlz");
        ASSERT_FALSE(d.boxes.shown.empty()) << c.error;
        EXPECT_EQ(d.boxes.shown[0].title, "File IO Error") << c.error;
        EXPECT_EQ(d.session.list.find("file1") != nullptr, c.listed) << c.error;
        EXPECT_EQ(d.session.unloadRequested, c.unload) << c.error;
        EXPECT_THAT(d.trash.trashed, IsEmpty()) << c.error;
        if (c.listed && !c.unload) {
            EXPECT_EQ(d.item("file1").state, state::Listed) << "closed";
            EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
        }
    }
}

TEST(Open, SwitchesBetweenOpenConfigurationsWithoutReading) {
    SessionDesk d;
    d.loadFiles({"/cfg/a.vlz", "/cfg/b.vlz"});
    d.files.files.erase("/cfg/a.vlz");
    d.session.list.select("file1");
    open_click(d.session, d.services);
    EXPECT_THAT(d.boxes.shown, IsEmpty());
    EXPECT_EQ(d.session.currentKey, "file1");
    EXPECT_EQ(d.session.shownTable, 1);
    EXPECT_EQ(d.item("file1").colour, listcolour::Current);
    EXPECT_EQ(d.item("file2").colour, listcolour::Open);
    EXPECT_EQ(d.session.tabs.selected()->key, "file1");
}

}  // namespace
}  // namespace velloran::testing
