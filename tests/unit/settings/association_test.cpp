#include <gtest/gtest.h>

#include "settings/association_files.h"
#include "settings/association_plan.h"
#include "settings/memory_store.h"
#include "settings/mime_apps_list.h"
#include "settings/settings_names.h"

namespace velloran::association {
namespace {

// The lines that tie the type to the files and to this program; the platform test has the
// validators check the whole files.
TEST(AssociationFiles, PackageAndEntryTieTheTypeToTheFilesAndThisProgram) {
    const std::string mime = mimePackage();
    EXPECT_NE(mime.find("<mime-type type=\"application/vl-config\">"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.vlz\"/>"), std::string::npos);
    const std::string entry = desktopEntry("/opt/My Apps/velloran", "/i.ico");
    for (const char* line : {"\nExec=\"/opt/My Apps/velloran\" %f\n", "\nIcon=/i.ico\n",
                             "\nMimeType=application/vl-config;\n"}) {
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    }
    for (const auto& [path, exec] :
         {std::pair{"/opt/v/velloran", "/opt/v/velloran"}, {"/opt/100%/v", "/opt/100%%/v"},
          {"/opt/a$b/v", "\"/opt/a\\\\$b/v\""}, {"/opt/a\\b/v", "\"/opt/a\\\\\\\\b/v\""},
          {"/opt/\"q\"/v", "\"/opt/\\\\\"q\\\\\"/v\""}}) {
        EXPECT_EQ(execArgument(path), exec) << path;
    }
    MemoryStore store;
    const std::string icon = "/usr/share/velloran/default.ico";
    EXPECT_EQ(iconPath(store, icon), icon);
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kIconPath), icon);
}

// Installing twice changes nothing; removing gives back the list as it was, or nothing.
TEST(MimeAppsList, DefaultIsAddedAndRemovedLeavingTheRestAsItWas) {
    const std::string ours = "application/vl-config=velloran.desktop;\n";
    const std::string group = "[Default Applications]\n", added = "[Added Associations]\nx/y=z;\n";
    const std::string mine = group + "application/vl-config=mine.desktop;\n";
    const std::string theirs = group + "a/b=c;\n";
    struct Case {
        std::string before, installed, removed;
    };
    for (const Case& c : {Case{added, added + "\n" + group + ours, added},
                          Case{theirs + "\n" + added, theirs + ours + "\n" + added,
                               theirs + "\n" + added},
                          Case{mine, group + ours, ""}}) {
        const std::string installed = withDefaultApplication(c.before, kMimeType, kDesktopId);
        EXPECT_EQ(installed, c.installed) << c.before;
        EXPECT_EQ(withDefaultApplication(installed, kMimeType, kDesktopId), installed);
        const std::string removed = withoutDefaultApplication(installed, kMimeType, kDesktopId);
        EXPECT_EQ(removed, c.removed) << c.before;
        EXPECT_EQ(holdsEntries(removed), !removed.empty()) << c.before;
    }
    EXPECT_EQ(withoutDefaultApplication(mine, kMimeType, kDesktopId), mine) << "the user's choice";
    EXPECT_FALSE(holdsEntries("# comment\n\n[Default Applications]\n"));
}

// System data folders leave out relative ones and the user's own.
TEST(AssociationPlan, SystemFoldersComeFromXdgDataDirsWithoutTheUsersOwn) {
    const std::vector<std::string> standard{"/usr/local/share/", "/usr/share/"};
    for (const auto& [value, folders] :
         {std::pair<const char*, std::vector<std::string>>{nullptr, standard}, {"", standard},
          {"/opt/share:/usr/share/", {"/opt/share/", "/usr/share/"}},
          {"/home/u/.local/share/:relative::/usr/share", {"/usr/share/"}},
          {"/home/u/.local/share", {}}}) {
        EXPECT_EQ(systemDataFolders(value, "/home/u/.local/share"), folders)
            << (value ? value : "null");
    }
}

}  // namespace
}  // namespace velloran::association
