#include <gtest/gtest.h>

#include "engine/follow_controller.h"
#include "common/devices.h"
#include "common/rows.h"

namespace velloran::testing {
namespace {

// Rows: 1 of pad-a, 2 of PAD-B, 2 of pad-b (a later duplicate), 1 of pad-b.
MappingTable followedTable() {
    MappingTable table;
    for (const auto& [button, identity] : {std::pair{1, "pad-a"}, {2, "PAD-B"}, {2, "pad-b"},
                                           {1, "pad-b"}}) {
        table.append(defaultRow(ButtonEntry{button, "Pad", identity}, colour::ActiveRow));
    }
    return table;
}

TEST(FollowController, ThePressedButtonSelectsItsFirstRowIgnoringCase) {
    struct Case {
        const char* name;
        std::vector<ButtonChange> a, b;  // what devices pad-a and pad-b report
        std::optional<FollowedButton> followed;
        int selected;
    };
    const Case cases[] = {
        {"nothing pressed", {}, {up(2)}, std::nullopt, 3},
        {"first row of the button, case aside", {}, {down(2)}, FollowedButton{1, ""}, 1},
        {"the last press read wins", {down(1)}, {down(1), up(1)}, FollowedButton{3, ""}, 3},
        {"a button without a row", {down(3)}, {},
         FollowedButton{-1, "Button 3 of Pad pad-a has no row in this configuration."}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDevice a("pad-a", 4), b("pad-b", 4);
        MappingTable table = followedTable();
        table.selected = 3;
        const EngineDevices devices{{}, {&a, &b}};
        a.next({down(2)});  // pressed before following started: dropped
        startFollowing(devices);
        a.next(c.a);
        b.next(c.b);
        EXPECT_EQ(followPass(devices, table), c.followed);
        EXPECT_EQ(table.selected, c.selected);
    }
}

}  // namespace
}  // namespace velloran::testing
