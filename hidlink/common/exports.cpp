// The three exported functions, shared by both implementations. Open boards live in a table of
// the library keyed by the handle written into each record; every call holds one lock, so the
// caller may use the library from any thread. No exception leaves the library.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "board.h"
#include "hidlink.h"
#include "record.h"

namespace {

std::mutex gLock;
std::map<std::uint32_t, std::unique_ptr<hidlink::Board>> gBoards;
std::uint32_t gNextHandle = 1;

std::uint32_t addBoard(std::unique_ptr<hidlink::Board> board) {
    while (gNextHandle == 0 || gBoards.count(gNextHandle)) ++gNextHandle;
    const std::uint32_t handle = gNextHandle++;
    gBoards.emplace(handle, std::move(board));
    return handle;
}

}  // namespace

extern "C" HIDLINK_API short DetectHID(short* count, void* records, int flags) {
    if (count) *count = 0;
    if (!count || !records || flags != HIDLINK_DETECT_FLAGS) return 0;
    try {
        std::lock_guard lock(gLock);
        auto boards = hidlink::detectBoards();
        short n = 0;
        for (auto& board : boards) {
            if (n == HIDLINK_MAX_DEVICES) break;
            const hidlink::RecordText text{board->buttons(), board->identifier(), board->name()};
            const std::uint32_t handle = addBoard(std::move(board));
            hidlink::writeRecord(hidlink::recordAt(records, n), text, handle);
            ++n;
        }
        *count = n;
        return n;
    } catch (...) {
        return 0;
    }
}

extern "C" HIDLINK_API int ReadInputData(void* record, unsigned char* buffer, int /*flags*/) {
    if (!record || !buffer) return HIDLINK_GONE;
    try {
        std::lock_guard lock(gLock);
        const auto it = gBoards.find(hidlink::recordHandle(static_cast<unsigned char*>(record)));
        if (it == gBoards.end()) return HIDLINK_GONE;
        return it->second->read(buffer);
    } catch (...) {
        return HIDLINK_READ_FAILURE;
    }
}

extern "C" HIDLINK_API short CloseDevices(short count, void* records) {
    if (!records) return 0;
    std::lock_guard lock(gLock);
    for (int i = 0; i < count && i < HIDLINK_MAX_DEVICES; ++i) {
        unsigned char* record = hidlink::recordAt(records, i);
        gBoards.erase(hidlink::recordHandle(record));
        hidlink::clearRecordHandle(record);
    }
    return 0;
}
