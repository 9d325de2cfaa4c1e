#pragma once
// The program's version and the titles built from it.
#include <string>

namespace velloran {

inline constexpr int kVersionMajor = VELLORAN_VERSION_MAJOR;
inline constexpr int kVersionMinor = VELLORAN_VERSION_MINOR;
inline constexpr int kVersionRevision = VELLORAN_VERSION_PATCH;
inline constexpr const char* kProductName = "Velloran";
inline constexpr const char* kCompanyName = "Orvane";

// "Velloran Ver. 1.4.9 (Beta)": the main window caption, also the single-instance name.
std::string mainWindowTitle();

// The configuration file version text: major and minor joined by "." ("1.4").
std::string fileVersionText();

}  // namespace velloran
