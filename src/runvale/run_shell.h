#pragma once
// Where a run shows itself: in a desktop session a tray icon names the configuration and offers
// Quit; without a display the run is headless. Each build has one implementation: the tray with
// Qt (qt/), none without (headless/).
#include <functional>
#include <memory>
#include <string>

#include "loop/run_control.h"
#include "settings/settings_store.h"

namespace velloran::runvale {

// Runs `loop` until it returns. With a tray icon the loop runs on a thread of its own and the
// icon's Quit asks `control` to stop.
void runShown(const std::string& configurationName, RunControl& control,
              const std::function<void()>& loop);

// The user's settings store, shared with the editor; `where` names it for the log.
std::unique_ptr<SettingsStore> openSettingsStore(std::string& where);

}  // namespace velloran::runvale
