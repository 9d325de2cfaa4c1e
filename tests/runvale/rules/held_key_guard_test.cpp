#include <gtest/gtest.h>

#include "common/clock.h"
#include "keys/held_key_guard.h"
#include "keys/recording_output.h"

namespace velloran {
namespace {

using Records = std::vector<KeyRecord>;

TEST(HeldKeyGuard, AfterStopNothingNewStaysDownAndWhatIsHeldIsReleasedMostRecentFirst) {
    const auto dn = [](std::uint16_t code) { return KeyRecord{code, false}; };
    const auto upr = [](std::uint16_t code) { return KeyRecord{code, true}; };
    testing::FakeClock clock;
    RecordingOutput out(clock);
    HeldKeyGuard guard(out);
    guard.send(Records{dn(0x2A), dn(0x1E)});
    guard.send(Records{dn(0x30), upr(0x1E)});
    guard.send(Records{dn(0x1F)});

    guard.stop();
    guard.send(Records{upr(0x1F), dn(0x2E)});  // the interrupted step's release goes, not a press
    guard.send(Records{dn(0x2E)});             // the macro's next step: nothing is sent
    guard.send(Records{dn(0x45), upr(0x45)});  // a lock toggle leaves nothing down: it goes
    EXPECT_TRUE(guard.releaseHeld());
    EXPECT_TRUE(guard.releaseHeld());  // nothing left: nothing sent
    std::vector<Records> sent;
    for (const SentBatch& b : out.batches()) sent.push_back(b.records);
    EXPECT_EQ(sent, (std::vector<Records>{{dn(0x2A), dn(0x1E)}, {dn(0x30), upr(0x1E)}, {dn(0x1F)},
                                          {upr(0x1F)}, {dn(0x45), upr(0x45)},
                                          {upr(0x30), upr(0x2A)}}));
    EXPECT_TRUE(out.heldKeys().empty() && guard.held().empty());
}

}  // namespace
}  // namespace velloran
