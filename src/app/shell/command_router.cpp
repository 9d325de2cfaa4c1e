#include "shell/command_router.h"

namespace velloran {

void CommandRouter::setHandler(Command command, Handler handler) {
    handlers_[static_cast<std::size_t>(command)] = std::move(handler);
}

bool CommandRouter::hasHandler(Command command) const {
    return static_cast<bool>(handlers_[static_cast<std::size_t>(command)]);
}

void CommandRouter::trigger(Command command) {
    // Copied: a handler may replace itself (or close the window) while it runs.
    const Handler handler = handlers_[static_cast<std::size_t>(command)];
    if (handler) handler();
    if (followedByButtonStates(command)) emit buttonStatesDue();
    emit commandFinished(command);
}

}  // namespace velloran
