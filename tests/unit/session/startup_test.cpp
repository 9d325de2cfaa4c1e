// Start-up: the settings it writes, the list it builds, the file on the command line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "shell/startup.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;

std::string setting(SessionDesk& d, const char* name) {
    return d.store.GetString(Root::CurrentUser, kConfigKey, name);
}

TEST(Startup, WritesItsDefaultsAndKeepsASlashAtTheEndOfTheFolder) {
    struct Case {
        std::string stored, expected;
    };
    for (const Case& c : {Case{"", kConfigFolder}, Case{"/data/cfg", "/data/cfg/"},
                          Case{"/data/cfg/", "/data/cfg/"}}) {
        SessionDesk d;
        d.store.SaveString(Root::CurrentUser, kConfigKey, settings::kConfigPath, c.stored);
        EXPECT_EQ(startmeup(d.session, d.services).configFolder, c.expected);
        EXPECT_EQ(setting(d, settings::kConfigPath), c.expected);
    }
    SessionDesk d;
    EXPECT_EQ(setting(d, settings::kAssociate), "True");
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
}

TEST(Startup, BuildsTheListFromTheFolderAndTheStoreEntries) {
    SessionDesk d;
    const std::string folder = kConfigFolder;
    auto entry = [&](const char* key, const std::string& path) {
        d.store.SaveString(Root::CurrentUser, settings::userEntryPath(key), "path", path);
        d.store.SaveString(Root::CurrentUser, settings::userEntryPath(key), "icon path", "/i.ico");
    };
    entry("file1", folder + "b.vlz");
    entry("file2", "/elsewhere/gone.vlz");  // vanished
    entry("file3", folder + "b.vlz");       // duplicate of file1
    entry("file4", "/elsewhere/kept.vlz");
    for (const char* name : {"b.vlz", "A.VLZ", "notes.txt", "c.vlz"}) d.files.files[folder + name];
    d.files.files["/elsewhere/kept.vlz"];
    d.files.files[folder + "sub/d.vlz"];

    startmeup(d.session, d.services);
    // New files are listed before vanished and duplicate entries are dropped.
    EXPECT_THAT(d.listKeys(), ElementsAre("file5", "file1", "file6", "file4"));
    EXPECT_EQ(d.entry("file5"), folder + "A.VLZ");
    EXPECT_EQ(d.entry("file2"), "");
    EXPECT_EQ(d.entry("file3"), "");
    EXPECT_TRUE(d.item("file1").ghosted);
    EXPECT_EQ(d.item("file1").iconPath, "/i.ico");
}

TEST(CommandLine, QuotedRelativeAndTooShortTexts) {
    struct Case {
        std::string text, path;
    };
    MemoryFiles files;
    for (const Case& c : {Case{"\"/my files/a b.vlz\"", "/my files/a b.vlz"},
                          Case{"cfg/../a.vlz", "/home/user/a.vlz"}, Case{"a", ""}, Case{"", ""}}) {
        EXPECT_EQ(commandLinePath(c.text, files), c.path) << c.text;
    }
}

TEST(CommandLine, LoadsTheFileWithoutTheDialog) {
    SessionDesk d;
    d.putFile("/home/user/x.vlz");
    openFromCommandLine(d.session, d.services, "x.vlz");
    EXPECT_EQ(d.entry("file1"), "/home/user/x.vlz");
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
}

}  // namespace
}  // namespace velloran::testing
