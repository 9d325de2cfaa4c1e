#pragma once
// Numbered picture keys ("key.1", "key.2", ...): a table of used numbers from which keys are
// taken and to which they are given back.
#include <string>
#include <string_view>
#include <vector>

namespace velloran {

class PictureKeys {
public:
    // With the action "remove", frees the number of `key` when it has the form "key." and a
    // number, and returns `key`. With any other action, takes the lowest free number (the table
    // grows by one when none is free) and returns "key." followed by it.
    std::string UpdateKey(std::string_view key, std::string_view action);

private:
    std::vector<bool> used_;  // used_[n - 1]: whether "key.n" is taken
};

}  // namespace velloran
