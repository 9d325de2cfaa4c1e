// Start-up: the configuration folder, the settings it writes, the list it builds, the file on
// the command line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/session.h"
#include "shell/startup.h"

namespace velloran::testing {
namespace {

using ::testing::ElementsAre;

TEST(Startup, WritesItsDefaultsAndMakesTheFolderEndingInASlash) {
    for (const auto& [stored, folder] : {std::pair<std::string, std::string>{"", kConfigFolder},
                                         {"/data/cfg", "/data/cfg/"}, {"/cfg/", "/cfg/"}}) {
        SessionDesk d;
        d.store.SaveString(Root::CurrentUser, kConfigKey, settings::kConfigPath, stored);
        EXPECT_EQ(startmeup(d.session, d.services).configFolder, folder);
        EXPECT_EQ(d.store.GetString(Root::CurrentUser, kConfigKey, settings::kConfigPath), folder);
        EXPECT_TRUE(d.files.folders.contains(folder)) << folder;
        EXPECT_EQ(d.store.GetString(Root::CurrentUser, kConfigKey, settings::kAssociate), "True");
        EXPECT_THAT(d.boxes.shown, ::testing::IsEmpty());
    }
    SessionDesk blocked;
    blocked.files.folderErrors[kConfigFolder] = runtimeError(err::PermissionDenied);
    startmeup(blocked.session, blocked.services);
    ASSERT_EQ(blocked.boxes.shown.size(), 1u);
    EXPECT_EQ(blocked.boxes.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(blocked.boxes.shown[0].title, "Folder Error");
    EXPECT_THAT(blocked.boxes.shown[0].text, ::testing::HasSubstr(kConfigFolder));
}

// New files are listed first; vanished and duplicate entries are dropped.
TEST(Startup, BuildsTheListFromTheFolderAndTheStoreEntries) {
    SessionDesk d;
    const std::string folder = kConfigFolder;
    auto entry = [&](const char* key, const std::string& path) {
        d.store.SaveString(Root::CurrentUser, settings::userEntryPath(key), "path", path);
        d.store.SaveString(Root::CurrentUser, settings::userEntryPath(key), "icon path", "/i.ico");
    };
    entry("file1", folder + "b.vlz");
    entry("file2", "/elsewhere/gone.vlz");
    entry("file3", folder + "b.vlz");
    entry("file4", "/elsewhere/kept.vlz");
    for (const char* name : {"b.vlz", "A.VLZ", "notes.txt", "c.vlz", "sub/d.vlz"}) {
        d.files.files[folder + name];
    }
    d.files.files["/elsewhere/kept.vlz"];

    startmeup(d.session, d.services);
    EXPECT_THAT(d.listKeys(), ElementsAre("file5", "file1", "file6", "file4"));
    EXPECT_EQ(d.entry("file5"), folder + "A.VLZ");
    EXPECT_EQ(d.entry("file2") + d.entry("file3"), "");
    EXPECT_TRUE(d.item("file1").ghosted);
    EXPECT_EQ(d.item("file1").iconPath, "/i.ico");
    EXPECT_THAT(d.tabKeys(), ElementsAre("BLANK"));
}

TEST(CommandLine, QuotedOrRelativePathsLoadWithoutTheDialog) {
    MemoryFiles files;
    for (const auto& [text, path] :
         {std::pair<std::string, std::string>{"\"/my files/a b.vlz\"", "/my files/a b.vlz"},
          {"cfg/../a.vlz", "/home/user/a.vlz"}, {"a", ""}, {"", ""}}) {
        EXPECT_EQ(commandLinePath(text, files), path) << text;
    }
    SessionDesk d;
    d.putFile("/home/user/x.vlz");
    openFromCommandLine(d.session, d.services, "x.vlz");
    EXPECT_EQ(d.entry("file1"), "/home/user/x.vlz");
    EXPECT_EQ(d.item("file1").state, state::Unchanged);
}

}  // namespace
}  // namespace velloran::testing
