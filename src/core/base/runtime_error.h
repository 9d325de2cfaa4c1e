#pragma once
// Run-time error numbers and their descriptions. Failures inside the core are values of this
// type; the adapters show them through the message-box interface.
#include <string>
#include <string_view>

namespace velloran {

namespace err {
inline constexpr int TypeMismatch = 13;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIOError = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int CantUnloadDesignControl = 362;
inline constexpr int AutomationTypeNotSupported = 458;
inline constexpr int CancelSelected = 32755;
inline constexpr int ElementNotFound = 35601;
inline constexpr int KeyNotUnique = 35602;
inline constexpr int InvalidKey = 35603;
}  // namespace err

struct RuntimeError {
    int number = 0;
    std::string description;

    bool operator==(const RuntimeError&) const = default;
};

// The run-time's own description of an error number ("" for numbers it does not know).
std::string_view errorDescription(int number);

// An error with its run-time description.
RuntimeError runtimeError(int number);

// The run-time error that a failed file operation with this errno raises.
RuntimeError runtimeErrorFromErrno(int errnoValue);

// The number-to-text conversion: a leading blank for numbers that are not negative (" 13", "-5").
std::string numberText(long long n);

}  // namespace velloran
