#pragma once
// The simulator's text file: the boards it offers and the button events to play, in file order.
#include <string>
#include <string_view>
#include <vector>

namespace hidlink {

struct SimBoardLine {
    std::string id;
    int buttons = 0;
    std::string name;
};

struct SimEvent {
    enum Kind { Press, Release, Fail };
    Kind kind = Press;
    std::string board;
    int button = 0;  // 0 for Fail

    bool operator==(const SimEvent&) const = default;
};

struct SimScript {
    std::vector<SimBoardLine> boards;
    std::vector<SimEvent> events;

    const SimBoardLine* board(const std::string& id) const;
};

// Lines it does not understand are skipped, and so is a second board with an ID already used.
SimScript parseSimScript(std::string_view text);

}  // namespace hidlink
