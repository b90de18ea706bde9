// A folder's Desktop.ini exactly as found on disk, and its restoration.
#pragma once

#include <windows.h>

#include <string>

#include "vela/VelaObject.h"

namespace vela::wx {

// The file's bytes under the name found on disk (or that there was no file), the file's and the
// folder's attributes. Restore puts back exactly that: the bytes go into a temporary file in the
// same folder that then replaces the current one, so a failed restore leaves the current file
// whole. Failures are false with the platform's last error set.
class CDesktopIniImage : public IVelaObject {
public:
    // False, with nothing held, when the folder is refused by ComposeDesktopIniPath or cannot be
    // reached, or the file cannot be read. A folder standing where the file should be counts as
    // no file: it is not the caller's to take away.
    bool Capture(LPCSTR folder);
    // False, with the last error of the failed Capture, when nothing is held.
    bool Restore() const;
    void Clear();

    bool IsCaptured() const { return captured; }
    bool HasFile() const { return hasFile; }
    const std::string& Bytes() const { return bytes; }
    const std::string& FileName() const { return fileName; }
    DWORD FileAttributes() const { return fileAttributes; }
    DWORD FolderAttributes() const { return folderAttributes; }

    // Holds what the other holds: same folder, same file or none, same attributes.
    bool SameAs(const CDesktopIniImage& other) const;
    // Both hold the same folder's file, byte for byte, whatever the attributes.
    bool SameFile(const CDesktopIniImage& other) const;

private:
    bool Refuse();
    bool PutFile(const char* path) const;
    bool TakeFileAway(const char* path) const;

    std::string folder;
    std::string bytes;
    std::string fileName;
    DWORD fileAttributes = 0;
    DWORD folderAttributes = 0;
    DWORD captureError = ERROR_INVALID_FUNCTION;
    bool captured = false;
    bool hasFile = false;
};

} // namespace vela::wx
