#include <gtest/gtest.h>

#include "settings/picture_keys.h"

namespace velloran {
namespace {

TEST(PictureKeys, TakesTheLowestFreeNumberAndGivesNumbersBack) {
    PictureKeys keys;
    EXPECT_EQ(keys.UpdateKey("", "add"), "key.1");
    EXPECT_EQ(keys.UpdateKey("anything", ""), "key.2");
    EXPECT_EQ(keys.UpdateKey("", "add"), "key.3");

    EXPECT_EQ(keys.UpdateKey("key.2", "remove"), "key.2");
    EXPECT_EQ(keys.UpdateKey("", "add"), "key.2");
    EXPECT_EQ(keys.UpdateKey("", "add"), "key.4");

    // Other forms, and numbers never handed out, are left alone.
    for (const char* other : {"file1", "key.", "key.x", "key.0", "key.9", "key.1x", "KEY.1"}) {
        EXPECT_EQ(keys.UpdateKey(other, "remove"), other);
    }
    EXPECT_EQ(keys.UpdateKey("", "add"), "key.5");
}

}  // namespace
}  // namespace velloran
