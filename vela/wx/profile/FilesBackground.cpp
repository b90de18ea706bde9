// The background keys of the Files file manager, kept in the same Desktop.ini as the shell's.
#include "vela/wx/profile/FilesBackground.h"

#include <cstring>
#include <string>

#include "vela/wx/profile/FolderAppearance.h"
#include "vela/wx/profile/UnicodeIniFile.h"

namespace {

// Stands for a missing key: no value in a Desktop.ini holds a control character of its own.
constexpr char kAbsent[] = "\x01";

std::wstring Wide(LPCSTR text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

bool IsAscii(LPCSTR text) {
    for (; *text; ++text)
        if (static_cast<unsigned char>(*text) >= 0x80)
            return false;
    return true;
}

} // namespace

namespace vela::wx {

bool IsFilesImagePathWritable(LPCSTR imagePath) {
    // "=" is a single byte of the ANSI code page and never the second byte of a double-byte
    // character, so a plain search finds exactly the characters.
    return std::strchr(imagePath, '=') == nullptr;
}

bool WriteFilesBackgroundImage(LPCSTR folder, LPCSTR imagePath) {
    char path[MAX_PATH];
    if (!ComposeDesktopIniPath(folder, path))
        return false;
    if (!IsFilesImagePathWritable(imagePath)) {
        ::SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    if (!IsAscii(imagePath) && !ConvertIniFileToUnicode(path))
        return false;
    return ::WritePrivateProfileStringW(Wide(kFilesSection).c_str(), Wide(kFilesImageKey).c_str(),
                                        Wide(imagePath).c_str(), Wide(path).c_str()) != FALSE;
}

bool ClearFilesBackground(LPCSTR folder) {
    char path[MAX_PATH];
    if (!ComposeDesktopIniPath(folder, path))
        return false;
    for (const char* key : kFilesBackgroundKeys) {
        char value[4];
        // A key that is not there is not removed: each write makes some platforms rewrite the
        // whole file (Wine drops its blank lines then).
        ::GetPrivateProfileStringA(kFilesSection, key, kAbsent, value, sizeof value, path);
        if (std::strcmp(value, kAbsent) == 0)
            continue;
        if (!::WritePrivateProfileStringA(kFilesSection, key, nullptr, path))
            return false;
    }
    return true;
}

bool ReadFilesBackgroundImage(LPCSTR folder, LPSTR imagePath, DWORD capacity) {
    char path[MAX_PATH];
    if (!capacity || !ComposeDesktopIniPath(folder, path))
        return false;
    wchar_t value[MAX_PATH];
    ::GetPrivateProfileStringW(Wide(kFilesSection).c_str(), Wide(kFilesImageKey).c_str(), L"\x01",
                               value, MAX_PATH, Wide(path).c_str());
    if (value[0] == L'\x01' || value[0] == L'\0')
        return false;
    return ::WideCharToMultiByte(CP_ACP, 0, value, -1, imagePath, static_cast<int>(capacity),
                                 nullptr, nullptr) != 0;
}

} // namespace vela::wx
