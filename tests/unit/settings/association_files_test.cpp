#include <gtest/gtest.h>

#include "settings/association_files.h"
#include "settings/memory_store.h"
#include "settings/mime_apps_list.h"
#include "settings/settings_names.h"

namespace velloran {
namespace {

// The lines that tie the type to the files and to this program; the platform test has the
// validators check the whole files.
TEST(AssociationFiles, PackageAndEntryTieTheTypeToTheFilesAndThisProgram) {
    const std::string mime = association::mimePackage();
    EXPECT_NE(mime.find("<mime-type type=\"application/vl-config\">"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.vlz\"/>"), std::string::npos);
    const std::string entry = association::desktopEntry("/opt/My Apps/velloran", "/i.ico");
    EXPECT_NE(entry.find("\nExec=\"/opt/My Apps/velloran\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=/i.ico\n"), std::string::npos);
    EXPECT_NE(entry.find("\nMimeType=application/vl-config;\n"), std::string::npos);
}

TEST(AssociationFiles, ExecArgumentsAreQuotedAndEscaped) {
    struct Case {
        const char* path;
        const char* exec;
    };
    for (const Case c :
         {Case{"/opt/v/velloran", "/opt/v/velloran"},
          Case{"/opt/100%/velloran", "/opt/100%%/velloran"},
          Case{"/opt/a$b/v", "\"/opt/a\\\\$b/v\""}, Case{"/opt/a\\b/v", "\"/opt/a\\\\\\\\b/v\""},
          Case{"/opt/\"q\"/v", "\"/opt/\\\\\"q\\\\\"/v\""}}) {
        EXPECT_EQ(association::execArgument(c.path), c.exec) << c.path;
    }
}

TEST(AssociationFiles, EmptyIconPathBecomesTheDefaultAndIsWrittenBack) {
    MemoryStore store;
    EXPECT_EQ(association::iconPath(store, "/usr/share/velloran/default.ico"),
              "/usr/share/velloran/default.ico");
    EXPECT_EQ(store.GetString(Root::CurrentUser, kConfigKey, settings::kIconPath),
              "/usr/share/velloran/default.ico");
}

TEST(MimeAppsList, DefaultIsAddedAndRemovedLeavingTheRestAsItWas) {
    struct Case {
        const char* name;
        const char* before;
        const char* installed;
    };
    const Case cases[] = {
        {"other groups only", "[Added Associations]\ntext/plain=gedit.desktop;\n",
         "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
         "application/vl-config=velloran.desktop;\n"},
        {"defaults followed by another group",
         "[Default Applications]\ntext/plain=gedit.desktop;\n\n[Added Associations]\nx/y=z;\n",
         "[Default Applications]\ntext/plain=gedit.desktop;\n"
         "application/vl-config=velloran.desktop;\n\n[Added Associations]\nx/y=z;\n"},
        {"our type set to another program",
         "[Default Applications]\napplication/vl-config=other.desktop;\n",
         "[Default Applications]\napplication/vl-config=velloran.desktop;\n"},
    };
    for (const Case& c : cases) {
        const std::string installed =
            withDefaultApplication(c.before, "application/vl-config", "velloran.desktop");
        EXPECT_EQ(installed, c.installed) << c.name;
        EXPECT_EQ(withDefaultApplication(installed, "application/vl-config", "velloran.desktop"),
                  installed)
            << c.name << ": installing twice";
        const std::string removed =
            withoutDefaultApplication(installed, "application/vl-config", "velloran.desktop");
        if (std::string_view(c.name) == "our type set to another program") {
            EXPECT_EQ(removed, "") << c.name;
        } else {
            EXPECT_EQ(removed, c.before) << c.name;
        }
        EXPECT_EQ(holdsEntries(removed), !removed.empty()) << c.name;
    }
}

TEST(MimeAppsList, ADefaultTheUserChangedStays) {
    const std::string list = "[Default Applications]\napplication/vl-config=mine.desktop;\n";
    EXPECT_EQ(withoutDefaultApplication(list, "application/vl-config", "velloran.desktop"), list);
    EXPECT_FALSE(holdsEntries("# comment\n\n[Default Applications]\n"));
}

}  // namespace
}  // namespace velloran
