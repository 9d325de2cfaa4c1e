// A build without Qt: no tray, and the settings at their defaults (the store is Qt's INI file).
#include "run_shell.h"
#include "settings/memory_store.h"

namespace velloran::runvale {

void runShown(const std::string&, RunControl&, const std::function<void()>& loop) {
    loop();
}

std::unique_ptr<SettingsStore> openSettingsStore(std::string& where) {
    where = "the defaults (this build reads no settings file)";
    return std::make_unique<MemoryStore>();
}

}  // namespace velloran::runvale
