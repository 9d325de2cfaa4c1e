#include <gtest/gtest.h>

#include "settings/association_files.h"
#include "settings/mime_apps_list.h"

namespace velloran::association {
namespace {

// The desktop entry starts this program with the file, its path escaped as such entries need.
TEST(AssociationFiles, ExecLinePassesTheFileToThisProgram) {
    const std::string entry = desktopEntry("/opt/My Apps/velloran", "/i");
    EXPECT_NE(entry.find("\nExec=\"/opt/My Apps/velloran\" %f\n"), std::string::npos);
    for (const auto& [path, exec] :
         {std::pair{"/opt/v/velloran", "/opt/v/velloran"}, {"/opt/100%/v", "/opt/100%%/v"},
          {"/opt/a$b/v", "\"/opt/a\\\\$b/v\""}, {"/opt/a\\b/v", "\"/opt/a\\\\\\\\b/v\""},
          {"/opt/\"q\"/v", "\"/opt/\\\\\"q\\\\\"/v\""}}) {
        EXPECT_EQ(execArgument(path), exec) << path;
    }
}

// Installing twice changes nothing; removing gives back the list as it was, or nothing; another
// program the user chose stays.
TEST(MimeAppsList, DefaultIsAddedAndRemovedLeavingTheRestAsItWas) {
    const std::string ours = "application/vl-config=velloran.desktop;\n";
    const std::string group = "[Default Applications]\n", added = "[Added Associations]\nx/y=z;\n";
    const std::string mine = group + "application/vl-config=mine.desktop;\n";
    const std::string theirs = group + "a/b=c;\n";
    for (const auto& [before, installed, removed] :
         {std::tuple<std::string, std::string, std::string>{added, added + "\n" + group + ours,
                                                            added},
          {theirs + "\n" + added, theirs + ours + "\n" + added, theirs + "\n" + added},
          {mine, group + ours, ""}}) {
        EXPECT_EQ(withDefaultApplication(before, kMimeType, kDesktopId), installed) << before;
        EXPECT_EQ(withDefaultApplication(installed, kMimeType, kDesktopId), installed);
        const std::string left = withoutDefaultApplication(installed, kMimeType, kDesktopId);
        EXPECT_EQ(left, removed) << before;
        EXPECT_EQ(holdsEntries(left), !left.empty()) << before;
    }
    EXPECT_EQ(withoutDefaultApplication(mine, kMimeType, kDesktopId), mine);
    EXPECT_FALSE(holdsEntries("# comment\n\n[Default Applications]\n"));
}

}  // namespace
}  // namespace velloran::association
