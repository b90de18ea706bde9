// Where setup.ini lives: beside the executable, or in the user's application data folder.
#pragma once

#include "vela/wx/shell/PathBuffer.h"

namespace kalmora {

// True when the file can be opened for writing. An existing file is opened without a change to
// its bytes; a missing one is tried by creating it, and the probe removes what it created.
bool CanWriteFile(const char* path);

// The user's "<application data>\Kalmora\setup.ini", its folders not created; false, with the
// path untouched, when the system names no such folder or the path would not fit.
bool GetPerUserSettingsPath(CPathBuffer& path);

} // namespace kalmora
