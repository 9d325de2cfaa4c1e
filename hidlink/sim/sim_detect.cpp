// The boards of the simulator: one per board line of the file named by HIDLINK_SIM_FILE.
#include <cstdlib>

#include "board.h"
#include "sim_board.h"
#include "sim_file.h"

namespace hidlink {

std::vector<std::unique_ptr<Board>> detectBoards() {
    std::vector<std::unique_ptr<Board>> boards;
    const char* path = std::getenv("HIDLINK_SIM_FILE");
    if (!path || !*path) return boards;
    auto file = std::make_shared<SimFile>(path);
    if (!file->refresh()) return boards;
    for (const auto& line : file->script().boards) {
        boards.push_back(std::make_unique<SimBoard>(file, line));
    }
    return boards;
}

}  // namespace hidlink
