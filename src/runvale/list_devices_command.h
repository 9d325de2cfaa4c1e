#pragma once
// `runvale --list-devices`: the detected devices, one line each, tab-separated: index, kind
// ("joystick" or "hid"), button count, identity, display name.
#include <ostream>
#include <string>

namespace velloran::runvale {

// `virtualDevices` as --virtual-devices takes it ("" for none). Returns 0, or 2 when the virtual
// devices cannot be attached.
int listDevicesCommand(const std::string& virtualDevices, std::ostream& out, std::ostream& err);

}  // namespace velloran::runvale
