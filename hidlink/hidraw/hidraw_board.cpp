#include "hidraw_board.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "hidlink.h"

namespace hidlink {

namespace {

// The kernel keeps 64 reports per reader; this only bounds memory if the caller stops reading.
constexpr std::size_t kMaxQueued = 4096;

}  // namespace

HidrawBoard::HidrawBoard(HidrawNode node, ReportLayout layout, int fd, bool stream)
    : node_(std::move(node)), layout_(std::move(layout)), fd_(fd), stream_(stream) {}

HidrawBoard::~HidrawBoard() {
    ::close(fd_);
}

int HidrawBoard::read(unsigned char* state) {
    if (queued_.empty() && !gone_) pump();
    if (!queued_.empty()) {
        std::memcpy(state, queued_.front().data(), queued_.front().size());
        state[HIDLINK_MAX_BUTTONS] = 0;
        queued_.pop_front();
        return HIDLINK_NEW_DATA;
    }
    if (gone_) return HIDLINK_GONE;
    if (failed_) {
        failed_ = false;
        return HIDLINK_READ_FAILURE;
    }
    return HIDLINK_NO_CHANGE;
}

// Reads everything the device has now. A failure is reported after the states read before it.
void HidrawBoard::pump() {
    std::uint8_t buffer[4096];
    while (queued_.size() < kMaxQueued) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (n < 0) {
            // hidraw answers EIO once its device is unplugged.
            if (errno == EIO || errno == ENODEV || errno == ENXIO) {
                gone_ = true;
            } else {
                failed_ = true;
            }
            break;
        }
        if (n == 0) break;  // a FIFO without writer or the end of a file: nothing yet
        const std::span<const std::uint8_t> bytes(buffer, static_cast<std::size_t>(n));
        stream_ ? takeStream(bytes) : takeReport(bytes);
    }
}

void HidrawBoard::takeReport(std::span<const std::uint8_t> report) {
    State next = latest_;
    applyReport(layout_, report, next);
    if (next == latest_) return;  // axes or other fields moved: no news for the caller
    latest_ = next;
    queued_.push_back(next);
}

void HidrawBoard::takeStream(std::span<const std::uint8_t> bytes) {
    partial_.insert(partial_.end(), bytes.begin(), bytes.end());
    std::size_t used = 0;
    while (used < partial_.size()) {
        const int id = layout_.usesReportIds ? partial_[used] : 0;
        const auto length = layout_.inputLengths.find(id);
        if (length == layout_.inputLengths.end()) {
            used = partial_.size();  // an unknown report ID: no way to find the next report
            break;
        }
        if (partial_.size() - used < length->second) break;
        takeReport(std::span(partial_).subspan(used, length->second));
        used += length->second;
    }
    partial_.erase(partial_.begin(), partial_.begin() + static_cast<std::ptrdiff_t>(used));
}

}  // namespace hidlink
