#include <gtest/gtest.h>

#include "common/clock.h"
#include "keys/held_key_guard.h"
#include "keys/recording_output.h"

namespace velloran {
namespace {

using Records = std::vector<KeyRecord>;
KeyRecord dn(std::uint16_t code) {
    return {code, false};
}
KeyRecord upr(std::uint16_t code) {
    return {code, true};
}

TEST(HeldKeyGuard, ReleasesWhatIsStillDownMostRecentFirst) {
    testing::FakeClock clock;
    RecordingOutput out(clock);
    HeldKeyGuard guard(out);
    guard.send(Records{dn(0x2A), dn(0x1E)});
    guard.send(Records{dn(0x30), upr(0x1E)});
    EXPECT_EQ(guard.held(), (std::vector<std::uint16_t>{0x2A, 0x30}));

    EXPECT_TRUE(guard.releaseHeld());
    EXPECT_EQ(out.batches().back().records, (Records{upr(0x30), upr(0x2A)}));
    EXPECT_TRUE(out.heldKeys().empty());
    const auto sent = out.batches().size();
    EXPECT_TRUE(guard.releaseHeld());  // nothing left: nothing sent
    EXPECT_EQ(out.batches().size(), sent);
}

TEST(HeldKeyGuard, AfterStopNothingNewStaysDown) {
    testing::FakeClock clock;
    RecordingOutput out(clock);
    HeldKeyGuard guard(out);
    guard.send(Records{dn(0x2A), dn(0x1E)});
    guard.stop();
    guard.send(Records{upr(0x1E), upr(0x2A)});  // the interrupted step's release goes out
    guard.send(Records{dn(0x30)});              // the macro's next step does not
    guard.send(Records{dn(0x45), upr(0x45)});   // a lock toggle leaves nothing down: it goes
    EXPECT_EQ(out.batches().size(), 3u);
    EXPECT_EQ(out.batches()[1].records, (Records{upr(0x1E), upr(0x2A)}));
    EXPECT_EQ(out.batches()[2].records, (Records{dn(0x45), upr(0x45)}));
    EXPECT_TRUE(out.heldKeys().empty());
    EXPECT_TRUE(guard.held().empty());
}

}  // namespace
}  // namespace velloran
