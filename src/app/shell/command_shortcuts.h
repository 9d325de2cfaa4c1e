#pragma once
// Shortcuts of the table commands, on their buttons and shown in their tooltips and in the
// table's context menu. Record and Test toggle their mode, so the same chord ends it again.
namespace velloran {

inline constexpr const char* kRecordShortcut = "Ctrl+R";
inline constexpr const char* kTestShortcut = "Ctrl+T";
inline constexpr const char* kRemoveItemsShortcut = "Ctrl+Shift+R";
inline constexpr const char* kAddDevicesShortcut = "Ctrl+Shift+A";
inline constexpr const char* kReplaceDeviceShortcut = "Ctrl+Shift+E";

}  // namespace velloran
