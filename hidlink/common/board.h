#pragma once
// What each library implementation provides: the boards it finds, each able to describe itself
// for its record and to hand out its queued button states.
#include <memory>
#include <string>
#include <vector>

namespace hidlink {

class Board {
public:
    virtual ~Board() = default;
    virtual int buttons() const = 0;
    // The part of the identifier the program keeps: the same for the same board at the same
    // place after replugging, different for two identical boards.
    virtual std::string identifier() const = 0;
    virtual std::string name() const = 0;  // UTF-8
    // Fills `state` (HIDLINK_STATE_SIZE bytes) with the oldest undelivered state and returns
    // HIDLINK_NEW_DATA, or returns one of the other ReadInputData results.
    virtual int read(unsigned char* state) = 0;
};

// Defined once in each library: the attached boards in a stable order.
std::vector<std::unique_ptr<Board>> detectBoards();

}  // namespace hidlink
