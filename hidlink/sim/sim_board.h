#pragma once
// A board of the simulator's file. It starts in the state the file's events leave it in; events
// added later are queued one state each, so a press and a release between two reads both arrive.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>

#include "board.h"
#include "sim_file.h"

namespace hidlink {

class SimBoard : public Board {
public:
    SimBoard(std::shared_ptr<SimFile> file, SimBoardLine line);

    int buttons() const override { return line_.buttons; }
    std::string identifier() const override { return line_.id; }
    std::string name() const override { return line_.name; }
    // A board whose line left the file (or whose file is gone) is unplugged.
    int read(unsigned char* state) override;

private:
    using State = std::array<std::uint8_t, 512>;
    struct Entry {
        bool failure = false;
        State state{};
    };

    void catchUp();
    void apply(const SimEvent& event);

    std::shared_ptr<SimFile> file_;
    SimBoardLine line_;
    State current_{};
    std::deque<Entry> queued_;
    std::size_t eventsSeen_ = 0;
    unsigned restartsSeen_ = 0;
};

}  // namespace hidlink
