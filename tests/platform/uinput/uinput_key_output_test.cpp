#include "uinput/uinput_key_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "common/temp_folder.h"
#include "keys/key_names.h"
#include "keys/scan_codes.h"

namespace velloran {
namespace {

namespace fsys = std::filesystem;

std::unique_ptr<KeyLayout> usPositions() {
    return std::make_unique<FixedKeyLayout>(KeyTranslation(), "");
}

// /dev/null opens like a uinput node but makes no keyboard.
TEST(UinputProbe, MissingUnusableAndNonUinputNodes) {
    const testing::TempFolder dir;
    EXPECT_EQ(UinputKeyOutput::probe(dir.path("absent").string()), UinputStatus::Missing);
    EXPECT_EQ(UinputKeyOutput::probe(dir.root().string()), UinputStatus::NotWritable);  // EISDIR
    auto created = UinputKeyOutput::create("/dev/null", usPositions());
    ASSERT_FALSE(created.ok());
    EXPECT_NE(created.error().number, 0);
}

// A reader of the virtual keyboard's event node, as X or a compositor would be.
class EventReader {
public:
    explicit EventReader(const std::string& node) {
        // The node appears as the kernel registers the device; udev may still be fixing its mode.
        for (int i = 0; i < 100 && fd_ < 0; ++i) {
            fd_ = ::open(node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (fd_ < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~EventReader() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }

    // Events until `count` key and SYN_REPORT events have come or a second passes without any.
    std::vector<input_event> read(std::size_t count) {
        std::vector<input_event> events;
        while (events.size() < count) {
            pollfd readable{fd_, POLLIN, 0};
            if (::poll(&readable, 1, 1000) <= 0) break;
            input_event e{};
            if (::read(fd_, &e, sizeof e) != static_cast<ssize_t>(sizeof e)) break;
            if (e.type == EV_KEY || (e.type == EV_SYN && e.code == SYN_REPORT)) {
                events.push_back(e);
            }
        }
        return events;
    }

private:
    int fd_ = -1;
};

std::string keysOf(const std::vector<input_event>& events) {
    std::string text;
    for (const input_event& e : events) {
        text += e.type == EV_SYN ? "|" : (e.value ? "+" : "-") + std::to_string(e.code) + " ";
    }
    return text;
}

class UinputKeyOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (UinputKeyOutput::probe() != UinputStatus::Usable) {
            GTEST_SKIP() << kUinputPath << " cannot be opened for reading and writing here ("
                         << (UinputKeyOutput::probe() == UinputStatus::Missing
                                 ? "the kernel has no uinput"
                                 : "no permission")
                         << "): the virtual keyboard is not tested";
        }
        auto created = UinputKeyOutput::create(kUinputPath, usPositions());
        ASSERT_TRUE(created.ok()) << created.error().description;
        output_ = std::move(created.value());
        reader_ = std::make_unique<EventReader>(output_->eventNode());
        ASSERT_TRUE(reader_->ok()) << "cannot open " << output_->eventNode();
    }

    std::unique_ptr<UinputKeyOutput> output_;
    std::unique_ptr<EventReader> reader_;
};

TEST_F(UinputKeyOutputTest, BatchesArriveInOrderAndHeldKeysShow) {
    constexpr std::uint16_t A = 65;
    const std::vector<KeyRecord> press = {{scanCodeOf(vk::Shift), false}, {scanCodeOf(A), false}};
    const std::vector<KeyRecord> release = {{scanCodeOf(A), true}, {scanCodeOf(vk::Shift), true}};
    ASSERT_TRUE(output_->send(press));
    EXPECT_EQ(output_->keyState(vk::Shift), 0x8000);
    EXPECT_EQ(output_->keyState(A), 0x8000);
    ASSERT_TRUE(output_->send(release));
    EXPECT_EQ(output_->keyState(vk::Shift), 0);
    EXPECT_EQ(keysOf(reader_->read(6)), "+42 +30 |-30 -42 |");
}

TEST_F(UinputKeyOutputTest, ClosingReleasesTheKeysStillHeld) {
    constexpr std::uint16_t A = 65;
    const std::vector<KeyRecord> press = {{scanCodeOf(A), false}};
    ASSERT_TRUE(output_->send(press));
    output_.reset();
    EXPECT_EQ(keysOf(reader_->read(4)), "+30 |-30 |");
}

}  // namespace
}  // namespace velloran
