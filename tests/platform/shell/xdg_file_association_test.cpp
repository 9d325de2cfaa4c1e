// The association installed into a temporary data folder, checked with the desktop's own tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "common/fixtures.h"
#include "common/temp_folder.h"
#include "settings/memory_store.h"
#include "settings/settings_names.h"
#include "shell/external_tool.h"
#include "shell/xdg_file_association.h"

namespace velloran {
namespace {

namespace fs = std::filesystem;

using Snapshot = std::map<std::string, std::string>;  // relative path -> content ("/" for folders)

bool onPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; its standard output without the trailing line break, and its status.
std::pair<std::string, int> shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {"", -1};
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    const int status = pclose(pipe);
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return {out, status};
}

std::string quoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

class XdgAssociation : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(data_);
        store_.SaveString(Root::CurrentUser, kConfigKey, settings::kIconPath, "");
    }

    XdgFileAssociation association() {
        return XdgFileAssociation(store_, xdgDataHome(), {(root_ / "system/").string()},
                                  fs::read_symlink("/proc/self/exe").string(),
                                  "/usr/share/velloran/default.ico");
    }

    Snapshot snapshot() const {
        Snapshot s;
        for (const auto& e : fs::recursive_directory_iterator(data_)) {
            const std::string rel = fs::relative(e.path(), data_).string();
            s[rel] = e.is_directory() ? "/" : testing::readBytes(e.path());
        }
        return s;
    }

    // The tools see this data folder (set below for the whole test) and no desktop of the user's.
    static std::string env(const char* desktop) {
        return std::string("env XDG_CURRENT_DESKTOP=") + desktop + " GIO_USE_VFS=local ";
    }

    testing::TempFolder folder_;
    fs::path root_ = folder_.root();
    fs::path data_ = root_ / "data";
    testing::ScopedEnv dataHome_{"XDG_DATA_HOME", data_.string()};
    testing::ScopedEnv configHome_{"XDG_CONFIG_HOME", (root_ / "config").string()};
    MemoryStore store_;
};

TEST_F(XdgAssociation, InstalledEntryIsValidAndEditsConfigurationFiles) {
    association().reg_vlz(true);
    const fs::path desktop = data_ / "applications/velloran.desktop";
    ASSERT_TRUE(fs::exists(desktop));
    EXPECT_TRUE(fs::exists(data_ / "mime/packages/velloran-vlz.xml"));
    EXPECT_EQ(store_.GetString(Root::CurrentUser, kConfigKey, settings::kIconPath),
              "/usr/share/velloran/default.ico");

    if (!onPath("desktop-file-validate")) {
        std::printf("desktop-file-validate missing: entry not validated\n");
    } else {
        const auto [report, status] = shell("desktop-file-validate " + quoted(desktop) + " 2>&1");
        EXPECT_EQ(status, 0) << report;
        EXPECT_EQ(report.find("error"), std::string::npos) << report;
    }

    if (!onPath("xdg-mime") || !onPath("update-mime-database") ||
        !onPath("update-desktop-database")) {
        GTEST_SKIP() << "xdg-mime or the database tools are missing: association not queried";
    }
    const fs::path file = root_ / "some.vlz";
    testing::writeBytes(file, "[Velloran]\n");
    if (onPath("gio")) {
        EXPECT_EQ(shell(env("GNOME") + "xdg-mime query filetype " + quoted(file)).first,
                  "application/vl-config");
    } else {
        std::printf("gio missing: the file type is not queried\n");
    }
    EXPECT_EQ(shell(env("X-Generic") + "xdg-mime query default application/vl-config").first,
              "velloran.desktop");
}

TEST_F(XdgAssociation, RemovingLeavesTheDataFolderAsItWasBefore) {
    struct Case {
        const char* name;
        bool others;  // another program's MIME package, desktop entry and default
    };
    for (const Case c : {Case{"nothing else there", false}, Case{"other programs' files", true}}) {
        fs::remove_all(data_);
        fs::create_directories(data_);
        if (c.others) {
            testing::writeBytes(data_ / "mime/packages/other.xml",
                  "<?xml version=\"1.0\"?>\n<mime-info "
                  "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                  "<mime-type type=\"application/x-other\"><glob pattern=\"*.oth\"/>"
                  "</mime-type>\n</mime-info>\n");
            testing::writeBytes(data_ / "applications/other.desktop",
                  "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n"
                  "MimeType=application/x-other;\n");
            testing::writeBytes(data_ / "applications/mimeapps.list",
                  "[Default Applications]\napplication/x-other=other.desktop;\n");
            runTool("update-mime-database", {(data_ / "mime").string()});
            runTool("update-desktop-database", {(data_ / "applications").string()});
        }
        const Snapshot before = snapshot();

        association().reg_vlz(true);
        const Snapshot installed = snapshot();
        EXPECT_NE(installed, before) << c.name;
        association().reg_vlz(true);
        EXPECT_EQ(snapshot(), installed) << c.name << ": installing again";
        association().reg_vlz(false);
        EXPECT_EQ(snapshot(), before) << c.name;
        association().reg_vlz(false);
        EXPECT_EQ(snapshot(), before) << c.name << ": removing again";
    }
}

TEST_F(XdgAssociation, WithTheSystemsTypeAndEntryOnlyTheDefaultIsTheUsers) {
    association().reg_vlz(true);  // the user's own copies, from before the package came
    testing::writeBytes(root_ / "system/mime/application/vl-config.xml", "<mime-type/>\n");
    testing::writeBytes(root_ / "system/applications/velloran.desktop", "[Desktop Entry]\n");
    association().reg_vlz(true);
    EXPECT_EQ(snapshot(),
              (Snapshot{{"applications", "/"},
                        {"applications/mimeapps.list",
                         "[Default Applications]\napplication/vl-config=velloran.desktop;\n"}}));
    association().reg_vlz(false);
    EXPECT_EQ(snapshot(), Snapshot{});
}

}  // namespace
}  // namespace velloran
