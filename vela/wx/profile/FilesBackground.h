// The background keys of the Files file manager, kept in the same Desktop.ini as the shell's.
#pragma once

#include <windows.h>

namespace vela::wx {

// Files reads these, not the shell's IconArea_* keys. It decodes Desktop.ini as UTF-8 unless
// the file starts with a UTF-16 byte-order mark, skips a line that holds two "=", and takes the
// picture's path only as an absolute one.
inline constexpr char kFilesSection[] = "FilesApp";
inline constexpr char kFilesImageKey[] = "Files_BackgroundImage";
// Every key of Files' folder background; the section's other keys are not Kalmora's.
inline constexpr const char* kFilesBackgroundKeys[] = {
    "Files_BackgroundImage",
    "Files_BackgroundOpacity",
    "Files_BackgroundFit",
    "Files_BackgroundVerticalAlignment",
    "Files_BackgroundHorizontalAlignment",
};

// Whether Files can read the path from its key line: a path holding "=" makes that line hold two.
bool IsFilesImagePathWritable(LPCSTR imagePath);

// Writes Files_BackgroundImage into the folder's Desktop.ini (the file ComposeDesktopIniPath
// gives). A path beyond ASCII would reach Files as mojibake from an ANSI file, so the file is
// first made UTF-16LE (ConvertIniFileToUnicode) and the key written through the UTF-16 profile
// functions; an ASCII path leaves the file's encoding alone. False, with the last error set,
// when the folder is refused, the path holds "=" (ERROR_INVALID_NAME, nothing written) or a
// write fails.
bool WriteFilesBackgroundImage(LPCSTR folder, LPCSTR imagePath);

// Removes each of the Files background keys the file holds; the file is not touched when it
// holds none. False, with the last error set, when the folder is refused or a removal fails.
bool ClearFilesBackground(LPCSTR folder);

// The Files_BackgroundImage the folder's Desktop.ini holds, read through the UTF-16 profile
// functions and given in the ANSI code page; false when there is none.
bool ReadFilesBackgroundImage(LPCSTR folder, LPSTR imagePath, DWORD capacity);

} // namespace vela::wx
