#pragma once
// The settings store: settings and the Configuration list live under key paths with named text
// values, as in a registry. Back ends: an in-memory store (tests) and an INI file (the platform).
#include <cstdint>
#include <string>

namespace velloran {

enum class Root : std::uint32_t { ClassesRoot = 0x80000000u, CurrentUser = 0x80000001u };

inline constexpr const char* kConfigKey = "Software\\Velloran\\config";
inline constexpr const char* kUserKey = "Software\\Velloran\\user";

// EnumKey statuses.
inline constexpr const char* kEnumFound = "0";
inline constexpr const char* kEnumNoMore = "259";

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The named value of the key path, or "" when the key or the value does not exist.
    virtual std::string GetString(Root root, const std::string& path, const std::string& name) = 0;
    // Writes the value, creating the key path and any missing keys above it.
    virtual void SaveString(Root root, const std::string& path, const std::string& name,
                            const std::string& data) = 0;
    // Deletes a key that holds values only; a missing key is no error.
    virtual void DelKey(Root root, const std::string& path) = 0;
    // Sets `name` to the subkey at the 0-based index and returns "0"; returns "259" when the
    // index is past the last subkey or the key path does not exist. The order is stable while no
    // key is added or deleted.
    virtual std::string EnumKey(Root root, const std::string& path, std::string& name,
                                int index) = 0;
};

}  // namespace velloran
