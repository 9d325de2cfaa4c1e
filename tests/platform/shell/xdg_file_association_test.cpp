// The association installed into a temporary data folder, checked with the desktop's own tools;
// what the files say is the core's and tested there.
#include "shell/xdg_file_association.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "common/fixtures.h"
#include "common/temp_folder.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"
#include "shell/external_tool.h"

namespace velloran {
namespace {

namespace fs = std::filesystem;

using Snapshot = std::map<std::string, std::string>;  // relative path -> content ("/" for folders)

// A shell command's standard output without the trailing line break, and its status.
std::pair<std::string, int> shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return {out, status};
}

class XdgAssociation : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(data_);
        store_.SaveString(Root::CurrentUser, kConfigKey, settings::kIconPath, "");
    }

    void associate(bool on) {
        XdgFileAssociation(store_, xdgDataHome(), {(root_ / "system/").string()},
                           fs::read_symlink("/proc/self/exe").string(), "/usr/share/default.ico")
            .reg_vlz(on);
    }

    Snapshot snapshot() const {
        Snapshot s;
        for (const auto& e : fs::recursive_directory_iterator(data_)) {
            s[fs::relative(e.path(), data_)] =
                e.is_directory() ? "/" : testing::readBytes(e.path());
        }
        return s;
    }

    testing::TempFolder folder_;
    fs::path root_ = folder_.root();
    fs::path data_ = root_ / "data";
    // The tools see this data folder and no desktop of the user's.
    testing::ScopedEnv dataHome_{"XDG_DATA_HOME", data_.string()};
    testing::ScopedEnv configHome_{"XDG_CONFIG_HOME", (root_ / "config").string()};
    testing::ScopedEnv vfs_{"GIO_USE_VFS", "local"};
    MemoryStore store_;
};

// Installing twice writes nothing new; removing leaves the data folder as it was, with or without
// another program's type, entry and default (and the databases built from them) in it. Once
// installed, the desktop's own tools accept the entry and find the type and its default.
TEST_F(XdgAssociation, InstallingTwiceThenRemovingLeavesTheDataFolderAsItWas) {
    const bool tools = shell("for t in desktop-file-validate xdg-mime gio update-mime-database "
                             "update-desktop-database; do command -v $t || exit 1; done")
                           .second == 0;
    if (!tools) std::printf("a desktop tool is missing (see scripts/packages.txt): not queried\n");
    for (const bool others : {false, true}) {
        fs::remove_all(data_);
        if (others) {
            testing::writeBytes(data_ / "mime/packages/other.xml",
                                "<?xml version=\"1.0\"?>\n<mime-info "
                                "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"
                                "<mime-type type=\"application/x-other\"><glob pattern=\"*.oth\"/>"
                                "</mime-type></mime-info>\n");
            testing::writeBytes(data_ / "applications/other.desktop",
                                "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n"
                                "MimeType=application/x-other;\n");
            testing::writeBytes(data_ / "applications/mimeapps.list",
                                "[Default Applications]\napplication/x-other=other.desktop;\n");
            runTool("update-mime-database", {(data_ / "mime").string()});
            runTool("update-desktop-database", {(data_ / "applications").string()});
        }
        fs::create_directories(data_);
        const Snapshot before = snapshot();
        associate(true);
        const Snapshot installed = snapshot();
        EXPECT_TRUE(installed.contains("mime/packages/velloran-vlz.xml")) << others;
        EXPECT_TRUE(installed.contains("applications/velloran.desktop")) << others;
        if (tools && others) {  // both databases know it; the entry is valid without a remark
            EXPECT_NE(installed.at("applications/mimeinfo.cache").find("vl-config=velloran."),
                      std::string::npos);
            testing::writeBytes(root_ / "some.vlz", "[Velloran]\n");
            EXPECT_EQ(shell("cd " + root_.string() +
                            " && desktop-file-validate data/applications/velloran.desktop 2>&1"
                            " && XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype some.vlz"
                            " && XDG_CURRENT_DESKTOP=X-Generic xdg-mime query default "
                            "application/vl-config"),
                      (std::pair<std::string, int>{"application/vl-config\nvelloran.desktop", 0}));
        }
        associate(true);
        EXPECT_EQ(snapshot(), installed) << others << ": installing again";
        associate(false);
        EXPECT_EQ(snapshot(), before) << others;
        associate(false);
        EXPECT_EQ(snapshot(), before) << others << ": removing again";
    }
}

// Where the system has the type and the entry, only the default is the user's; the user's own
// copies from before go.
TEST_F(XdgAssociation, WithTheSystemsTypeAndEntryOnlyTheDefaultIsTheUsers) {
    associate(true);
    testing::writeBytes(root_ / "system/mime/application/vl-config.xml", "<mime-type/>\n");
    testing::writeBytes(root_ / "system/applications/velloran.desktop", "[Desktop Entry]\n");
    associate(true);
    EXPECT_EQ(snapshot(),
              (Snapshot{{"applications", "/"},
                        {"applications/mimeapps.list",
                         "[Default Applications]\napplication/vl-config=velloran.desktop;\n"}}));
    associate(false);
    EXPECT_EQ(snapshot(), Snapshot{});
}

}  // namespace
}  // namespace velloran
