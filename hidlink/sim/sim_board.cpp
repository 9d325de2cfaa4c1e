#include "sim_board.h"

#include <algorithm>
#include <cstring>

#include "hidlink.h"

namespace hidlink {

SimBoard::SimBoard(std::shared_ptr<SimFile> file, SimBoardLine line)
    : file_(std::move(file)), line_(std::move(line)) {
    for (const auto& e : file_->script().events) {
        if (e.board == line_.id && e.kind != SimEvent::Fail && e.button <= line_.buttons) {
            current_[static_cast<std::size_t>(e.button - 1)] = e.kind == SimEvent::Press;
        }
    }
    eventsSeen_ = file_->script().events.size();
    restartsSeen_ = file_->restarts();
    if (std::any_of(current_.begin(), current_.end(), [](std::uint8_t b) { return b != 0; })) {
        queued_.push_back(Entry{false, current_});
    }
}

int SimBoard::read(unsigned char* state) {
    if (!file_->refresh() || !file_->script().board(line_.id)) return HIDLINK_GONE;
    catchUp();
    if (queued_.empty()) return HIDLINK_NO_CHANGE;
    const Entry entry = queued_.front();
    queued_.pop_front();
    if (entry.failure) return HIDLINK_READ_FAILURE;
    std::memcpy(state, entry.state.data(), entry.state.size());
    state[HIDLINK_MAX_BUTTONS] = 0;
    return HIDLINK_NEW_DATA;
}

void SimBoard::catchUp() {
    const auto& events = file_->script().events;
    if (file_->restarts() != restartsSeen_) {
        // The file was rewritten: play it from the top, starting from all buttons up.
        restartsSeen_ = file_->restarts();
        eventsSeen_ = 0;
        if (current_ != State{}) {
            current_ = State{};
            queued_.push_back(Entry{false, current_});
        }
    }
    for (; eventsSeen_ < events.size(); ++eventsSeen_) {
        if (events[eventsSeen_].board == line_.id) apply(events[eventsSeen_]);
    }
}

void SimBoard::apply(const SimEvent& event) {
    if (event.kind == SimEvent::Fail) {
        queued_.push_back(Entry{true, {}});
        return;
    }
    // Buttons past the board's count are not on it.
    if (event.button > line_.buttons) return;
    auto& button = current_[static_cast<std::size_t>(event.button - 1)];
    const std::uint8_t down = event.kind == SimEvent::Press ? 1 : 0;
    if (button == down) return;
    button = down;
    queued_.push_back(Entry{false, current_});
}

}  // namespace hidlink
