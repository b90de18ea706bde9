// Typed values in INI files: integers, hexadecimal, floating point and window placements.
#pragma once

#include <windows.h>

// Everything here and in the classes beside it rests on KERNEL32's profile functions; nothing in
// this library parses or formats an INI file itself. What it relies on from them (the platform
// tests pin each down, so a change of platform shows at once):
// - GetPrivateProfileString cuts a value that does not fit and answers size - 1, also for an
//   exact fit; an absent file, section or key yields the default.
// - The list readers (section names, a section's lines) answer size - 2 when the list did not fit,
//   and also when it fits exactly, so such an answer is never parsed: ask again, larger.
// - WritePrivateProfileString with no value removes the key, with no key the whole section;
//   removing what is not there succeeds. Each key is written as one "key=value" line.
// - Sections and lines are listed in file order; names match without regard to case.
// - A struct key is the bytes in hexadecimal and a checksum; reading it back fails when the
//   stored size or the checksum does not match.

namespace vela::wx {

// "%d".
BOOL WriteProfileInt(LPCSTR section, LPCSTR key, INT value, LPCSTR file);
BOOL WriteProfileInt(LPCWSTR section, LPCWSTR key, INT value, LPCWSTR file);

// "0x%x": the prefix and lower-case digits without leading zeros.
BOOL WriteProfileHex(LPCSTR section, LPCSTR key, DWORD value, LPCSTR file);
BOOL WriteProfileHex(LPCWSTR section, LPCWSTR key, DWORD value, LPCWSTR file);

// Reads base 16 with an optional sign and "0x" prefix; a text without any hexadecimal digit
// gives the default, so does an absent key.
DWORD ReadProfileHex(LPCSTR section, LPCSTR key, DWORD defaultValue, LPCSTR file);
DWORD ReadProfileHex(LPCWSTR section, LPCWSTR key, DWORD defaultValue, LPCWSTR file);

// "%f": six decimals.
BOOL WriteProfileFloat(LPCSTR section, LPCSTR key, float value, LPCSTR file);
BOOL WriteProfileFloat(LPCWSTR section, LPCWSTR key, float value, LPCWSTR file);

// A present key without a number reads as 0; an absent key as the default rounded to six
// decimals, since the default travels through the platform as text.
float ReadProfileFloat(LPCSTR section, LPCSTR key, float defaultValue, LPCSTR file);
float ReadProfileFloat(LPCWSTR section, LPCWSTR key, float defaultValue, LPCWSTR file);

// The window's WINDOWPLACEMENT as a struct key; false, and nothing written, when the platform
// cannot give the placement.
BOOL WriteWindowPlacement(LPCSTR section, LPCSTR key, HWND window, LPCSTR file);
BOOL WriteWindowPlacement(LPCWSTR section, LPCWSTR key, HWND window, LPCWSTR file);

// The stored record into the caller's buffer; false when absent or of the wrong size or checksum.
BOOL ReadPlacementRecord(LPCSTR section, LPCSTR key, WINDOWPLACEMENT* placement, LPCSTR file);
BOOL ReadPlacementRecord(LPCWSTR section, LPCWSTR key, WINDOWPLACEMENT* placement, LPCWSTR file);

// Applies a valid stored record to the window, shown normal or maximised (never minimised or
// hidden) and moved onto the work area of the nearest monitor; a record that is absent, of the
// wrong size or checksum, or that holds no window rectangle leaves the window untouched.
bool ReadWindowPlacement(LPCSTR section, LPCSTR key, HWND window, LPCSTR file);
bool ReadWindowPlacement(LPCWSTR section, LPCWSTR key, HWND window, LPCWSTR file);

// The same for a window not shown yet, which stays hidden: it takes the stored normal
// rectangle, and the state to show it in (SW_SHOWNORMAL or SW_SHOWMAXIMIZED) is returned, 0 when
// nothing was applied. Shown once it is filled, the window is drawn once.
UINT ReadHiddenWindowPlacement(LPCSTR section, LPCSTR key, HWND window, LPCSTR file);
UINT ReadHiddenWindowPlacement(LPCWSTR section, LPCWSTR key, HWND window, LPCWSTR file);

} // namespace vela::wx
