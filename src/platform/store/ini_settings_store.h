#pragma once
// The settings store in an INI file through QSettings. Key paths become nested groups under a
// group per root ("CurrentUser", "ClassesRoot"); QSettings writes the root as the section, so
// the value "RepeatRate" of "Software\Velloran\config" is the line
// "Software\Velloran\config\RepeatRate=500" of the section [CurrentUser]. Values are text.
//
// Key path components and value names are matched ignoring case, as the registry does: a lookup
// takes the spelling already in the file, and a new key or value keeps the caller's spelling.
// (Only a hand-edited file can spell one key two ways; the first in QSettings' order wins.)
// "%", "/" and "\" in names are stored as %25, %2F and %5C so that a name never splits into
// groups; the empty value name is stored as "%".
//
// Every write is flushed at once, and every operation first picks up changes another process
// (the editor and runvale share the file) has written. A failed write is silent.
#include <memory>
#include <optional>
#include <string>

#include "settings/settings_store.h"

class QSettings;
class QString;

namespace velloran {

class IniSettingsStore : public SettingsStore {
public:
    // The file named by the environment variable VELLORAN_SETTINGS when it is set and not empty,
    // otherwise "Velloran/velloran.ini" in the user's configuration folder.
    static std::string defaultFilePath();

    explicit IniSettingsStore(const std::string& filePath);
    ~IniSettingsStore() override;
    IniSettingsStore(const IniSettingsStore&) = delete;
    IniSettingsStore& operator=(const IniSettingsStore&) = delete;

    std::string GetString(Root root, const std::string& path, const std::string& name) override;
    void SaveString(Root root, const std::string& path, const std::string& name,
                    const std::string& data) override;
    // Subkeys are enumerated sorted by name ignoring case. A key that still has subkeys is not
    // deleted (the registry refuses, silently); a key emptied by DelKey disappears with it.
    void DelKey(Root root, const std::string& path) override;
    std::string EnumKey(Root root, const std::string& path, std::string& name, int index) override;

private:
    // The group of the key path as spelled in the file; std::nullopt when the key does not
    // exist, unless `create` asks for the missing components in the caller's spelling.
    std::optional<QString> group(Root root, const std::string& path, bool create);
    // The stored spelling of a child group or value of `parent` that matches `name`.
    std::optional<QString> child(const QString& parent, const std::string& name, bool isGroup);

    std::unique_ptr<QSettings> settings_;
};

}  // namespace velloran
