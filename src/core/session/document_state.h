#pragma once
// The document state code of a Configuration list entry.

namespace velloran::state {
inline constexpr int Listed = 1;    // listed, not open
inline constexpr int Unchanged = 0; // open, unchanged since read or saved
inline constexpr int Changed = 16;  // open and changed
inline constexpr int New = 2;       // open, created by New or Clone, never saved
inline constexpr int NewAlt = 8;    // open and never saved, treated like New
inline constexpr int Recreate = 4;  // Save re-creates the document before writing

inline constexpr bool neverSaved(int code) { return code == New || code == NewAlt; }
}  // namespace velloran::state
