// A whole file's bytes through a handle already open.
#pragma once

#include <windows.h>

#include <string>

namespace vela::wx {

// Everything from the file's start. False, with the last error set, when it cannot be read or
// holds 2 GB or more (ERROR_FILE_TOO_LARGE).
bool ReadFileBytes(HANDLE file, std::string& bytes);

// All the bytes at the current position. False, with the last error set, when a write fails.
bool WriteFileBytes(HANDLE file, const std::string& bytes);

} // namespace vela::wx
