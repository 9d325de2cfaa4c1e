#pragma once
// The virtual game controllers of `--virtual-devices`: the list is checked before anything else
// starts, the controllers are attached before the devices are detected, and their panel shows
// while a test runs.
#include <vector>

#include "base/message_box.h"
#include "base/result.h"
#include "devices/virtual_device_setup.h"
#include "sdl/virtual_joystick.h"
#include "shell/command_line_options.h"

namespace velloran {

class MainWindow;
class TestMode;

// The controllers the options ask for; an option without its value or a bad list is an error.
Result<std::vector<VirtualDeviceSetup>> virtualDeviceSetups(const EditorOptions& options);

// Tells why the editor cannot start (standard error and a message box); the exit status, 2.
int refuseStart(MessageBoxes& boxes, const RuntimeError& error);

// The "Virtual Devices" panel of these controllers, shown while a test runs. Nothing without
// controllers.
void showVirtualDevicesDuringTests(std::vector<VirtualJoystick>& joysticks, MainWindow& window,
                                   TestMode& test);

}  // namespace velloran
