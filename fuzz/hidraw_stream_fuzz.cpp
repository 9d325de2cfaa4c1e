// Fuzz target of what a hidraw board sends after its descriptor: reports one per read (a device
// node) or a byte stream cut by the report lengths (a FIFO standing in for one). Input: a byte
// choosing the mode, two bytes of descriptor length (little endian), the descriptor, then the
// reports, each after a byte giving its length.
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "hidlink.h"
#include "hidraw_board.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "hidraw_stream_fuzz: %s\n", what);
    std::abort();
}

// Takes every state the board has now; each must be buttons up or down, and none beyond the
// board's buttons down.
int drain(hidlink::HidrawBoard& board) {
    unsigned char state[HIDLINK_STATE_SIZE];
    int result = 0;
    while ((result = board.read(state)) == HIDLINK_NEW_DATA) {
        for (int b = 0; b < HIDLINK_MAX_BUTTONS; ++b) {
            if (state[b] > 1) fail("a button state is neither 0 nor 1");
            if (state[b] && b >= board.buttons()) fail("a button the board does not have is down");
        }
        if (state[HIDLINK_MAX_BUTTONS] != 0) fail("the byte after the buttons is set");
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const bool stream = data[0] & 1;
    const std::size_t descriptorSize = data[1] | std::size_t{data[2]} << 8;
    std::span<const std::uint8_t> rest(data + 3, size - 3);
    if (descriptorSize > rest.size()) return 0;
    auto layout = hidlink::parseReportDescriptor(rest.first(descriptorSize));
    if (!layout) return 0;
    rest = rest.subspan(descriptorSize);

    // A sequenced-packet socket keeps each write one read, as a hidraw node does; a pipe is a
    // byte stream.
    int fds[2];
    const bool opened = stream ? ::pipe2(fds, O_NONBLOCK) == 0
                               : ::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK, 0, fds) == 0;
    if (!opened) fail("no pipe or socket");
    hidlink::HidrawBoard board(hidlink::HidrawNode{}, std::move(*layout), fds[0], stream);
    while (!rest.empty()) {
        const std::size_t length = std::min<std::size_t>(rest[0], rest.size() - 1);
        if (length > 0 && ::write(fds[1], rest.data() + 1, length) < 0) break;
        rest = rest.subspan(1 + length);
        if (drain(board) != HIDLINK_NO_CHANGE) fail("a readable board reports an error");
    }
    ::close(fds[1]);
    drain(board);
    return 0;
}
