// Run tells in the status bar whether it started the file or made a runvale reload it.
#include <gtest/gtest.h>

#include "common/session.h"
#include "session/document_open.h"
#include "session/document_run.h"

namespace velloran::testing {
namespace {

TEST(Run, StatusBarSaysPlayingOrReloaded) {
    SessionDesk d;
    d.putFile("/cfg/a.vlz");
    load_click(d.session, d.services, false, "/cfg/a.vlz");
    MNrun_Click(d.session, d.services);
    EXPECT_EQ(d.session.statusPanel2, "Playing a.vlz in runvale");
    d.launcher.playing.insert("/cfg/a.vlz");
    MNrun_Click(d.session, d.services);
    EXPECT_EQ(d.session.statusPanel2, "Reloaded a.vlz in the runvale that plays it");
}

}  // namespace
}  // namespace velloran::testing
