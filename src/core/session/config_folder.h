#pragma once
// The configuration folder on disk and where file dialogs open: a newcomer's first Save As must
// land in a folder that exists, never in whatever folder the program was started from.
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "base/message_box.h"
#include "settings/settings_store.h"

namespace velloran {

// Creates the configuration folder (and its parents) when missing. A folder that cannot be
// created is reported with the reason; false then.
bool createConfigFolder(Folders& folders, MessageBoxes& boxes, const std::string& folder);

// The folder a file dialog about this list entry opens in: the folder of the entry's file, else
// the configuration folder ("ConfigPath").
std::string dialogFolder(SettingsStore& store, std::string_view entryKey);

// The extension every configuration file has; a file name typed without any extension gets it.
inline constexpr std::string_view kConfigurationExtension = "vlz";
std::string withConfigurationExtension(std::string path);

}  // namespace velloran
