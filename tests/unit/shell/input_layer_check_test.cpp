#include <gtest/gtest.h>

#include "common/boxes.h"

#include <optional>
#include <vector>

#include "shell/input_layer_check.h"

namespace velloran {
namespace {

TEST(InputLayerCheck, AcceptsTheRequiredReleaseAndLaterOnesSilently) {
    for (const LibraryVersion v : {LibraryVersion{2, 0, 18}, LibraryVersion{2, 0, 20},
                                   LibraryVersion{2, 26, 5}, LibraryVersion{3, 0, 0}}) {
        testing::ScriptedBoxes boxes;
        EXPECT_TRUE(inputLayerCheck(v, boxes)) << versionText(v);
        EXPECT_TRUE(boxes.shown.empty());
    }
}

TEST(InputLayerCheck, RefusesOlderReleasesNamingTheDetectedOne) {
    const std::pair<LibraryVersion, const char*> older[] = {
        {{2, 0, 17}, "SDL 2.0.17 detected.\r\n\r\nSDL 2.0.18 or higher required."},
        {{2, 0, 4}, "SDL 2.0.4 detected.\r\n\r\nSDL 2.0.18 or higher required."},
        {{1, 2, 68}, "SDL 1.2.68 detected.\r\n\r\nSDL 2.0.18 or higher required."},
    };
    for (const auto& [version, text] : older) {
        testing::ScriptedBoxes boxes;
        EXPECT_FALSE(inputLayerCheck(version, boxes));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0],
                  (Message{Icon::Exclamation, "Incorrect SDL Detected", text, Buttons::Ok}));
    }
}

TEST(InputLayerCheck, AnUndetectableLayerIsAnError) {
    testing::ScriptedBoxes boxes;
    EXPECT_FALSE(inputLayerCheck(std::nullopt, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0],
              (Message{Icon::Critical, "SDL Error", "Error detecting SDL.", Buttons::Ok}));
}

}  // namespace
}  // namespace velloran
