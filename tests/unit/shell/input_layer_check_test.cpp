#include <gtest/gtest.h>

#include <optional>

#include "common/boxes.h"
#include "shell/input_layer_check.h"

namespace velloran {
namespace {

TEST(InputLayerCheck, AcceptsTheRequiredReleaseAndLaterAndNamesAnOlderOne) {
    struct Case {
        std::optional<LibraryVersion> version;
        std::vector<Message> boxes;
    };
    const char* required = "\r\n\r\nSDL 2.0.18 or higher required.";
    for (const Case& c :
         {Case{LibraryVersion{2, 0, 18}, {}}, Case{LibraryVersion{3, 0, 0}, {}},
          Case{LibraryVersion{2, 0, 17},
               {{Icon::Exclamation, "Incorrect SDL Detected",
                 std::string("SDL 2.0.17 detected.") + required}}},
          Case{LibraryVersion{1, 2, 68},
               {{Icon::Exclamation, "Incorrect SDL Detected",
                 std::string("SDL 1.2.68 detected.") + required}}},
          Case{std::nullopt, {{Icon::Critical, "SDL Error", "Error detecting SDL."}}}}) {
        testing::ScriptedBoxes boxes;
        EXPECT_EQ(inputLayerCheck(c.version, boxes), c.boxes.empty());
        EXPECT_EQ(boxes.shown, c.boxes);
    }
}

}  // namespace
}  // namespace velloran
