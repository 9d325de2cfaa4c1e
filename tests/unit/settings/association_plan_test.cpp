#include <gtest/gtest.h>

#include "settings/association_plan.h"

namespace velloran::association {
namespace {

TEST(AssociationPlan, TheUserWritesOnlyWhatTheSystemLacks) {
    struct Case {
        SystemAssociation system;
        bool mimePackage;
        bool desktopEntry;
    };
    for (const Case c : {Case{{false, false}, true, true}, Case{{true, true}, false, false},
                         Case{{true, false}, false, true}, Case{{false, true}, true, false}}) {
        const UserFiles own = userFiles(c.system);
        EXPECT_EQ(own.mimePackage, c.mimePackage) << c.system.hasType << c.system.hasDesktopEntry;
        EXPECT_EQ(own.desktopEntry, c.desktopEntry) << c.system.hasType << c.system.hasDesktopEntry;
    }
}

TEST(AssociationPlan, SystemFoldersComeFromXdgDataDirsWithoutTheUsersOwn) {
    struct Case {
        const char* value;
        std::vector<std::string> folders;
    };
    const std::vector<std::string> standard{"/usr/local/share/", "/usr/share/"};
    for (const Case& c : {
             Case{nullptr, standard},
             Case{"", standard},
             Case{"/opt/share:/usr/share/", {"/opt/share/", "/usr/share/"}},
             Case{"/home/u/.local/share/:relative::/usr/share", {"/usr/share/"}},
             Case{"/home/u/.local/share", {}},
         }) {
        EXPECT_EQ(systemDataFolders(c.value, "/home/u/.local/share"), c.folders)
            << (c.value ? c.value : "unset");
    }
}

}  // namespace
}  // namespace velloran::association
