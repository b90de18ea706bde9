// Test helpers for INI files: a stored window placement, and values as the UTF-16 functions read.
#pragma once

#include <windows.h>

#include <string>

namespace test {

// Kalmora's "WNDPLACEMENT" record of setup.ini: a placement in that state at that rectangle.
bool WritePlacement(const std::string& ini, UINT showCmd, const RECT& normal);

// An 8-bit text of the system code page in UTF-16.
std::wstring Wide(const std::string& text);
// A value as the UTF-16 profile functions read it, or "<none>".
std::wstring ReadKeyW(const std::string& ini, const wchar_t* section, const wchar_t* key);

} // namespace test
