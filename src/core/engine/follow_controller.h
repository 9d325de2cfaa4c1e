#pragma once
// "Follow Controller": outside a test, a button pressed on a detected device finds its row in the
// current table, so that a user with many rows need not search for the button in hand.
#include <optional>
#include <string>

#include "engine/mapping_engine.h"
#include "table/mapping_table.h"

namespace velloran {

// The row the engine sends for button `button` of `device`: the first whose "Button No." text
// is the number and whose "Device ID" Tag is the device's identity, ignoring case; -1 for none.
int rowOfButton(const MappingTable& table, const DetectedDevice& device, int button);

struct FollowedButton {
    int row = -1;        // the selected row; -1 when the button has none
    std::string status;  // what the status bar says about a button without a row; "" otherwise
    bool operator==(const FollowedButton&) const = default;
};

// Reading starts (again): presses made while it was stopped are read and dropped, not followed.
void startFollowing(const EngineDevices& devices);

// Reads every device once. The last button pressed since the previous read selects its row;
// nothing when no button went down.
std::optional<FollowedButton> followPass(const EngineDevices& devices, MappingTable& table);

}  // namespace velloran
