#pragma once
// The button map: which Mapping row a device button sends, by device index and button number.
#include <cassert>
#include <cstddef>
#include <vector>

namespace velloran {

class ButtonMap {
public:
    static constexpr int kNoRow = -1;

    ButtonMap() = default;
    // Every (device 0..deviceCount-1, button 1..largestButtonCount) without a row.
    ButtonMap(int deviceCount, int largestButtonCount);

    // The 0-based row index of the button, or kNoRow (also outside the map).
    int row(int device, int button) const {
        if (device < 0 || device >= devices_ || button < 1 || button > buttons_) return kNoRow;
        return rows_[index(device, button)];
    }
    // Sets an entry inside the map.
    void set(int device, int button, int row) {
        assert(device >= 0 && device < devices_ && button >= 1 && button <= buttons_);
        rows_[index(device, button)] = row;
    }

    int deviceCount() const { return devices_; }
    int largestButtonCount() const { return buttons_; }

private:
    std::size_t index(int device, int button) const {
        return static_cast<std::size_t>(device) * static_cast<std::size_t>(buttons_) +
               static_cast<std::size_t>(button - 1);
    }

    int devices_ = 0;
    int buttons_ = 0;
    std::vector<int> rows_;
};

}  // namespace velloran
