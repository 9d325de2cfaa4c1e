#pragma once
// Editing a freedesktop mimeapps.list: the "[Default Applications]" group maps a MIME type to
// the desktop entries that open it. Every other line is kept as it is.
#include <string>
#include <string_view>

namespace velloran {

// The list with `desktopId` as the only default application of `mimeType`.
std::string withDefaultApplication(std::string_view list, std::string_view mimeType,
                                   std::string_view desktopId);

// The list without the default of `mimeType` when it is exactly what withDefaultApplication
// wrote; a default the user changed stays. A group left empty goes too.
std::string withoutDefaultApplication(std::string_view list, std::string_view mimeType,
                                      std::string_view desktopId);

// Whether the list still says anything: a line that is neither blank, a comment nor a group
// header.
bool holdsEntries(std::string_view list);

}  // namespace velloran
