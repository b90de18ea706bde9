// Where setup.ini lives: beside the executable, or in the user's application data folder.
#include "app/SettingsPath.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "app/Texts.h"

namespace kalmora {

bool CanWriteFile(const char* path) {
    // OPEN_EXISTING: an existing file is neither truncated nor replaced.
    HANDLE file = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        // Held open by another program (a second Kalmora writing it): it is there and in use,
        // which says nothing against writing it a moment later.
        if (error == ERROR_SHARING_VIOLATION)
            return true;
        // Access denied, a folder of that name, a path through a file: not writable. Only a
        // missing file leaves the question open.
        if (error != ERROR_FILE_NOT_FOUND)
            return false;
        // CREATE_NEW never takes over a file that appeared in the meantime, no other program can
        // open the probe while it exists (no sharing), and DELETE_ON_CLOSE removes it when it is
        // closed, even by the system at the end of a process that never got that far.
        file = ::CreateFileA(path, GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
    }
    ::CloseHandle(file);
    return true;
}

bool GetPerUserSettingsPath(CPathBuffer& path) {
    char folder[MAX_PATH];
    // CSIDL_FLAG_CREATE: a new profile may not have its application data folder yet.
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                  SHGFP_TYPE_CURRENT, folder)))
        return false;
    const std::string settings = std::string(folder) + "\\" + kAppName + kSettingsFile;
    // A cut path would name some other file.
    if (settings.size() >= MAX_PATH)
        return false;
    path.Assign(settings.c_str());
    return true;
}

} // namespace kalmora
