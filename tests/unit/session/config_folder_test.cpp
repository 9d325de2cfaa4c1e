// The configuration folder exists from start-up on, and file dialogs open where the files are.
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/config_folder.h"
#include "session/document_create.h"
#include "session/document_open.h"
#include "session/document_save.h"
#include "shell/startup.h"

namespace velloran::testing {
namespace {

TEST(ConfigFolder, StartUpCreatesItOrSaysWhyItCannot) {
    SessionDesk d;
    EXPECT_TRUE(d.files.folders.contains(kConfigFolder));
    EXPECT_TRUE(d.boxes.shown.empty());

    SessionDesk blocked;
    blocked.files.folderErrors[kConfigFolder] = runtimeError(err::PermissionDenied);
    startmeup(blocked.session, blocked.services);
    ASSERT_EQ(blocked.boxes.shown.size(), 1u);
    EXPECT_EQ(blocked.boxes.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(blocked.boxes.shown[0].title, "Folder Error");
    EXPECT_NE(blocked.boxes.shown[0].text.find(kConfigFolder), std::string::npos);
}

TEST(ConfigFolder, SaveAsOfANewConfigurationOpensThereAndAddsTheExtension) {
    struct Case {
        const char* typed;
        const char* written;
    };
    for (const Case& c : {Case{"pads", "pads.vlz"}, Case{"pads.cfg", "pads.cfg"},
                          Case{".pads", ".pads.vlz"}, Case{"my.dir/pads", "my.dir/pads.vlz"}}) {
        SessionDesk d;
        new_click(d.session, d.services, NewMode::New);
        d.dialogs.answers = {std::string(kConfigFolder) + c.typed};
        EXPECT_EQ(save_click(d.session, d.services, SaveMode::SaveAs), SaveOutcome::Saved);
        EXPECT_EQ(d.dialogs.saved.at(0).folder, kConfigFolder);
        EXPECT_TRUE(d.files.files.contains(std::string(kConfigFolder) + c.written)) << c.typed;
    }
}

TEST(ConfigFolder, LoadOpensInTheSelectedEntrysFolderElseTheConfigurationFolder) {
    SessionDesk d;
    d.dialogs.answers = {std::nullopt, std::nullopt};
    load_click(d.session, d.services, true, "");
    d.putFile("/media/pads/a.vlz");
    load_click(d.session, d.services, false, "/media/pads/a.vlz");
    load_click(d.session, d.services, true, "");
    EXPECT_EQ(d.dialogs.opened.at(0).folder, kConfigFolder);
    EXPECT_EQ(d.dialogs.opened.at(1).folder, "/media/pads/");
}

}  // namespace
}  // namespace velloran::testing
