// A folder's Desktop.ini exactly as found on disk, and its restoration.
#include "vela/wx/profile/DesktopIniImage.h"

#include <cstring>

#include "vela/wx/profile/FileBytes.h"
#include "vela/wx/profile/FolderAppearance.h"

namespace {

// What SetFileAttributes can set; the other bits tell the file system's own state.
constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                            FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                            FILE_ATTRIBUTE_TEMPORARY;

DWORD Settable(DWORD attributes) {
    attributes &= kSettable;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

// Runs the clean-up that a failure calls for without losing that failure's error.
template <class CleanUp>
bool FailAfter(CleanUp cleanUp) {
    const DWORD error = ::GetLastError();
    cleanUp();
    ::SetLastError(error);
    return false;
}

struct Found {
    bool exists = false;
    bool isFolder = false;
    std::string name;
    DWORD attributes = 0;
};

// The object at the path under the name the file system keeps, case included.
bool Find(const char* path, Found& found) {
    WIN32_FIND_DATAA data;
    HANDLE search = ::FindFirstFileA(path, &data);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        found = Found();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
    }
    ::FindClose(search);
    found.exists = true;
    found.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    found.name = data.cFileName;
    found.attributes = data.dwFileAttributes;
    return true;
}

bool ReadAll(const char* path, std::string& bytes) {
    HANDLE file =
        ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    if (!vela::wx::ReadFileBytes(file, bytes))
        return FailAfter([&] { ::CloseHandle(file); });
    ::CloseHandle(file);
    return true;
}

bool WriteAll(const char* path, const std::string& bytes) {
    HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    if (!vela::wx::WriteFileBytes(file, bytes) || !::FlushFileBuffers(file))
        return FailAfter([&] { ::CloseHandle(file); });
    return ::CloseHandle(file) != FALSE;
}

} // namespace

namespace vela::wx {

bool CDesktopIniImage::Capture(LPCSTR newFolder) {
    Clear();
    char path[MAX_PATH];
    if (!ComposeDesktopIniPath(newFolder, path))
        return Refuse();
    const DWORD attributes = ::GetFileAttributesA(newFolder);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Refuse();
    Found found;
    if (!Find(path, found))
        return Refuse();
    if (found.exists && !found.isFolder) {
        if (!ReadAll(path, bytes))
            return Refuse();
        hasFile = true;
        fileName = found.name;
        fileAttributes = found.attributes;
    }
    folder = newFolder;
    folderAttributes = attributes;
    captured = true;
    return true;
}

bool CDesktopIniImage::Refuse() {
    const DWORD error = ::GetLastError();
    Clear();
    captureError = error != NO_ERROR ? error : ERROR_INVALID_FUNCTION;
    ::SetLastError(captureError);
    return false;
}

void CDesktopIniImage::Clear() {
    folder.clear();
    bytes.clear();
    fileName.clear();
    fileAttributes = 0;
    folderAttributes = 0;
    captureError = ERROR_INVALID_FUNCTION;
    captured = false;
    hasFile = false;
}

bool CDesktopIniImage::Restore() const {
    if (!captured) {
        ::SetLastError(captureError);
        return false;
    }
    char path[MAX_PATH];
    if (!ComposeDesktopIniPath(folder.c_str(), path))
        return false;
    const bool fileRestored = hasFile ? PutFile(path) : TakeFileAway(path);
    // The platform's profile functions may hold the old file in memory; the file was changed
    // behind their back, so their copy is dropped.
    FailAfter([&] { ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path); });
    if (!fileRestored)
        return false;
    return ::SetFileAttributesA(folder.c_str(), Settable(folderAttributes)) != FALSE;
}

bool CDesktopIniImage::PutFile(const char* path) const {
    // The composed path ends in kDesktopIniFile; the file goes back after the same backslash,
    // under the name it was found by.
    const std::string base(path, std::strlen(path) - std::strlen(kDesktopIniFile + 1));
    const std::string target = base + fileName;
    if (target.size() >= MAX_PATH) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    char temporary[MAX_PATH];
    if (!::GetTempFileNameA(folder.c_str(), "ini", 0, temporary))
        return false;
    const auto dropTemporary = [&] { ::DeleteFileA(temporary); };
    Found current;
    if (!WriteAll(temporary, bytes) || !Find(path, current))
        return FailAfter(dropTemporary);

    if (current.exists && !current.isFolder && current.name != fileName) {
        // Only the case of the name differs. A file that replaces another keeps the old name on
        // some file systems (Wine's among them), so the old file steps aside first and comes
        // back if the new one cannot take its place.
        const std::string currentPath = base + current.name;
        char aside[MAX_PATH];
        if (!::GetTempFileNameA(folder.c_str(), "ini", 0, aside))
            return FailAfter(dropTemporary);
        if (!::MoveFileExA(currentPath.c_str(), aside, MOVEFILE_REPLACE_EXISTING))
            return FailAfter([&] {
                ::DeleteFileA(aside);
                dropTemporary();
            });
        if (!::MoveFileExA(temporary, target.c_str(), MOVEFILE_WRITE_THROUGH))
            return FailAfter([&] {
                ::MoveFileExA(aside, currentPath.c_str(), 0);
                dropTemporary();
            });
        ::SetFileAttributesA(aside, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(aside);
    } else {
        // A read-only file cannot be replaced, and a hidden or system one cannot be written over
        // on some systems; the file is made plain first and gets its attributes back if it stays.
        const DWORD guarding =
            FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        const bool guarded = current.exists && !current.isFolder && (current.attributes & guarding);
        if (guarded)
            ::SetFileAttributesA(path, Settable(current.attributes & ~guarding));
        if (!::MoveFileExA(temporary, target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return FailAfter([&] {
                if (guarded)
                    ::SetFileAttributesA(path, Settable(current.attributes));
                dropTemporary();
            });
    }
    return ::SetFileAttributesA(target.c_str(), Settable(fileAttributes)) != FALSE;
}

bool CDesktopIniImage::TakeFileAway(const char* path) const {
    Found current;
    if (!Find(path, current))
        return false;
    if (!current.exists || current.isFolder)
        return true;
    if (current.attributes & FILE_ATTRIBUTE_READONLY)
        ::SetFileAttributesA(path, Settable(current.attributes & ~FILE_ATTRIBUTE_READONLY));
    if (!::DeleteFileA(path))
        return FailAfter([&] { ::SetFileAttributesA(path, Settable(current.attributes)); });
    return true;
}

bool CDesktopIniImage::SameAs(const CDesktopIniImage& other) const {
    return captured == other.captured && hasFile == other.hasFile && folder == other.folder &&
           bytes == other.bytes && fileName == other.fileName &&
           fileAttributes == other.fileAttributes && folderAttributes == other.folderAttributes;
}

bool CDesktopIniImage::SameFile(const CDesktopIniImage& other) const {
    return captured && other.captured && hasFile && other.hasFile && folder == other.folder &&
           bytes == other.bytes;
}

} // namespace vela::wx
