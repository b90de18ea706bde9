// A folder's background picture and caption colours in its Desktop.ini.
#pragma once

#include <windows.h>

#include "vela/wx/profile/DesktopIniNames.h"

namespace vela::wx {

// The folder text followed by "\Desktop.ini", with no separator added or removed, into a buffer
// of MAX_PATH characters. False, with nothing written and the last error set, when the folder is
// none or empty (the file would land at the root of the current drive) or when the path, or the
// full path the platform makes of a relative one, does not fit in MAX_PATH: the profile functions
// would otherwise open some other file.
bool ComposeDesktopIniPath(LPCSTR folder, LPSTR path);
bool ComposeDesktopIniPath(LPCWSTR folder, LPWSTR path);

// The file is the one ComposeDesktopIniPath gives; every operation refuses a folder it refuses.
// Each output given is filled; the colours hold on entry the value kept when the file has none.
// False, with nothing touched, when there is no folder path or the folder cannot be reached.
bool ReadFolderAppearance(LPCSTR folder, LPSTR image, DWORD imageCapacity, COLORREF* textColor,
                          COLORREF* textBackColor);
bool ReadFolderAppearance(LPCWSTR folder, LPWSTR image, DWORD imageCapacity, COLORREF* textColor,
                          COLORREF* textBackColor);
// The same read for a caller that holds the file path ComposeDesktopIniPath gave for the folder.
bool ReadFolderAppearance(LPCSTR folder, LPCSTR file, LPSTR image, DWORD imageCapacity,
                          COLORREF* textColor, COLORREF* textBackColor);

// A value not given has its key removed; colours are written "0x%0.8x". Attributes=1 is always
// written, the folder gains the system attribute and Desktop.ini becomes exactly hidden + system.
// The attributes are set only once every key was written: a failed write stops there, reports
// false and leaves both attributes as they were.
bool WriteFolderAppearance(LPCSTR folder, LPCSTR image, const COLORREF* textColor,
                           const COLORREF* textBackColor);
bool WriteFolderAppearance(LPCWSTR folder, LPCWSTR image, const COLORREF* textColor,
                           const COLORREF* textBackColor);

// Removes the whole section; the other sections and every attribute stay.
bool ClearFolderAppearance(LPCSTR folder);
bool ClearFolderAppearance(LPCWSTR folder);

} // namespace vela::wx
