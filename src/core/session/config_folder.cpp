#include "session/config_folder.h"

#include "session/document_steps.h"
#include "settings/settings_names.h"

namespace velloran {

bool createConfigFolder(Folders& folders, MessageBoxes& boxes, const std::string& folder) {
    const std::optional<RuntimeError> failure = folders.createFolder(folder);
    if (!failure) return true;
    boxes.message(Icon::Exclamation, "Folder Error",
                  "Cannot create the configuration folder \"" + folder + "\"." +
                      std::string(kCrLf) + failure->description);
    return false;
}

std::string dialogFolder(SettingsStore& store, std::string_view entryKey) {
    std::string folder =
        entryKey.empty() ? std::string() : folderOf(entryValue(store, entryKey, settings::kEntryPath));
    if (folder.empty()) folder = store.GetString(Root::CurrentUser, kConfigKey, settings::kConfigPath);
    return folder;
}

std::string withConfigurationExtension(std::string path) {
    const std::string name = fileNameOf(path);
    // A leading dot names a hidden file, not an extension.
    if (!name.empty() && name.find('.', 1) == std::string::npos) {
        path += '.';
        path += kConfigurationExtension;
    }
    return path;
}

}  // namespace velloran
