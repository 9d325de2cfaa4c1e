#pragma once
// The event script of a dry run: the detected devices and their button changes on a virtual
// clock. One item a line; a word starting with "#" starts a comment (a "#" inside a word, as in
// a game controller's identity "…/#2", does not):
//
//   device BUTTONS IDENTITY [DISPLAY NAME…]   declares device 1, 2, … in order
//   T down D B                                button B of device D goes down at T milliseconds
//   T up D B                                  … goes up
//   T end                                     the run ends at T (the last item)
//
// Times are whole milliseconds and never go back. A button goes down only while it is up and up
// only while it is down.
#include <string_view>
#include <vector>

#include "base/result.h"
#include "devices/device_inventory.h"

namespace velloran {

struct ScriptedEvent {
    long long time = 0;  // milliseconds
    int device = 1;      // 1-based, as declared
    int button = 1;
    bool down = true;

    bool operator==(const ScriptedEvent&) const = default;
};

struct DryRunScript {
    std::vector<DetectedDevice> devices;
    std::vector<ScriptedEvent> events;  // in script order
    long long end = 0;
};

// The script, or an error whose description names the line: "line 4: unknown item \"dwn\"".
Result<DryRunScript> parseDryRunScript(std::string_view text);

}  // namespace velloran
