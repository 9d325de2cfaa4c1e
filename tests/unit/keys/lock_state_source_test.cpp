#include "keys/lock_state_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace velloran {
namespace {

class FakeLedReader final : public LedReader {
public:
    bool syncs = false;                // the system sets the virtual keyboard's LEDs
    std::optional<unsigned> physical;  // the physical keyboards' LEDs, if readable
    unsigned device = 0;
    std::vector<int> waits;

    bool waitForDeviceLeds(int milliseconds) override {
        waits.push_back(milliseconds);
        return syncs;
    }
    unsigned deviceLeds() override { return device; }
    std::optional<unsigned> physicalLeds() override { return physical; }
};

TEST(LockStateSource, SyncedDeviceThenPhysicalKeyboardsThenNone) {
    struct Case {
        bool syncs;
        std::optional<unsigned> physical;
        LockSource source;
        unsigned leds;
    };
    for (const Case& c : {Case{true, led::CapsLock, LockSource::VirtualKeyboard, led::NumLock},
                          Case{false, led::CapsLock, LockSource::PhysicalKeyboards, led::CapsLock},
                          Case{false, std::nullopt, LockSource::None, led::NumLock}}) {
        FakeLedReader reader;
        reader.syncs = c.syncs;
        reader.physical = c.physical;
        reader.device = led::NumLock;
        LockStateSource source(reader);
        EXPECT_EQ(source.leds(), c.leds);
        EXPECT_EQ(source.source(), c.source);
        // The bounded wait happens once, at the first decision; later reads follow the source.
        reader.device = led::ScrollLock;
        if (reader.physical) reader.physical = led::ScrollLock;
        EXPECT_EQ(source.leds(), led::ScrollLock);
        EXPECT_EQ(reader.waits, std::vector<int>{kLedSyncWaitMs});
        EXPECT_LE(kLedSyncWaitMs, 250);
    }
}

TEST(LockStateSource, NoSourceIsSaidOnce) {
    FakeLedReader reader;
    LockStateSource source(reader);
    EXPECT_EQ(source.takeNotice(), std::nullopt) << "nothing is known before the first decision";
    source.leds();
    EXPECT_EQ(source.takeNotice(), std::string(kNoLockSourceText));
    source.leds();
    EXPECT_EQ(source.takeNotice(), std::nullopt);

    reader.physical = 0;
    LockStateSource physical(reader);
    physical.leds();
    EXPECT_EQ(physical.takeNotice(), std::nullopt);
}

}  // namespace
}  // namespace velloran
