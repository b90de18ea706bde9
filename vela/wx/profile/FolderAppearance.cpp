// A folder's background picture and caption colours in its Desktop.ini.
#include "vela/wx/profile/FolderAppearance.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "vela/wx/profile/ProfileValues.h"

namespace {

constexpr int kColorTextSize = 128;

template <class Ch>
struct AppearanceApi;

template <>
struct AppearanceApi<char> {
    static constexpr const char* kSection = vela::wx::kFolderBackgroundSection;
    static constexpr const char* kFileName = vela::wx::kDesktopIniFile;
    static constexpr const char* kImage = vela::wx::kIconAreaImageKey;
    static constexpr const char* kAttributes = vela::wx::kAttributesKey;
    static constexpr const char* kText = vela::wx::kIconAreaTextKey;
    static constexpr const char* kTextBack = vela::wx::kIconAreaTextBackgroundKey;
    static constexpr const char* kOne = "1";
    static inline const auto GetString = ::GetPrivateProfileStringA;
    static inline const auto WriteString = ::WritePrivateProfileStringA;
    static inline const auto GetAttributes = ::GetFileAttributesA;
    static inline const auto SetAttributes = ::SetFileAttributesA;
    static inline const auto FullPathName = ::GetFullPathNameA;
    static size_t Length(const char* text) { return std::strlen(text); }
    // The stored form is "0x%0.8x"; beside a precision the 0 flag does nothing, and the
    // compiler warns about it, so it is left out here.
    static void FormatColor(char* out, COLORREF color) {
        std::snprintf(out, kColorTextSize, "0x%.8x", static_cast<unsigned>(color));
    }
};

template <>
struct AppearanceApi<wchar_t> {
    static constexpr const wchar_t* kSection = vela::wx::kFolderBackgroundSectionW;
    static constexpr const wchar_t* kFileName = vela::wx::kDesktopIniFileW;
    static constexpr const wchar_t* kImage = vela::wx::kIconAreaImageKeyW;
    static constexpr const wchar_t* kAttributes = vela::wx::kAttributesKeyW;
    static constexpr const wchar_t* kText = vela::wx::kIconAreaTextKeyW;
    static constexpr const wchar_t* kTextBack = vela::wx::kIconAreaTextBackgroundKeyW;
    static constexpr const wchar_t* kOne = L"1";
    static inline const auto GetString = ::GetPrivateProfileStringW;
    static inline const auto WriteString = ::WritePrivateProfileStringW;
    static inline const auto GetAttributes = ::GetFileAttributesW;
    static inline const auto SetAttributes = ::SetFileAttributesW;
    static inline const auto FullPathName = ::GetFullPathNameW;
    static size_t Length(const wchar_t* text) { return std::wcslen(text); }
    static void FormatColor(wchar_t* out, COLORREF color) {
        std::swprintf(out, kColorTextSize, L"0x%.8x", static_cast<unsigned>(color));
    }
};

template <class Ch>
bool Compose(const Ch* folder, Ch* path) {
    using Api = AppearanceApi<Ch>;
    if (!folder || !folder[0]) {
        ::SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    const size_t folderLength = Api::Length(folder);
    const size_t nameLength = Api::Length(Api::kFileName);
    if (folderLength + nameLength >= MAX_PATH) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    Ch composed[MAX_PATH];
    std::copy(folder, folder + folderLength, composed);
    std::copy(Api::kFileName, Api::kFileName + nameLength + 1, composed + folderLength);
    // A relative folder is taken from the current directory, and the platform builds that full
    // name in a buffer of MAX_PATH characters too.
    Ch full[MAX_PATH];
    const DWORD fullLength = Api::FullPathName(composed, MAX_PATH, full, nullptr);
    if (fullLength == 0)
        return false;
    if (fullLength >= MAX_PATH) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    std::copy(composed, composed + folderLength + nameLength + 1, path);
    return true;
}

template <class Ch>
bool ReadFrom(const Ch* folder, const Ch* file, Ch* image, DWORD imageCapacity, COLORREF* textColor,
              COLORREF* textBackColor) {
    using Api = AppearanceApi<Ch>;
    // Any reachable object passes, a plain file included; Desktop.ini itself may be missing.
    if (Api::GetAttributes(folder) == INVALID_FILE_ATTRIBUTES)
        return false;
    const Ch empty[] = {0};
    if (image)
        Api::GetString(Api::kSection, Api::kImage, empty, image, imageCapacity, file);
    if (textColor)
        *textColor = vela::wx::ReadProfileHex(Api::kSection, Api::kText, *textColor, file);
    if (textBackColor)
        *textBackColor =
            vela::wx::ReadProfileHex(Api::kSection, Api::kTextBack, *textBackColor, file);
    return true;
}

template <class Ch>
bool Read(const Ch* folder, Ch* image, DWORD imageCapacity, COLORREF* textColor,
          COLORREF* textBackColor) {
    Ch file[MAX_PATH];
    return Compose(folder, file) &&
           ReadFrom(folder, file, image, imageCapacity, textColor, textBackColor);
}

template <class Ch>
bool Write(const Ch* folder, const Ch* image, const COLORREF* textColor,
           const COLORREF* textBackColor) {
    using Api = AppearanceApi<Ch>;
    Ch path[MAX_PATH];
    if (!Compose(folder, path))
        return false;
    // The first failed write ends the call with its error: attributes set after it would mark
    // a folder the keys never reached, and would take the read-only attribute from a file the
    // user had protected, so that the next write went through.
    if (!Api::WriteString(Api::kSection, Api::kImage, image, path) ||
        !Api::WriteString(Api::kSection, Api::kAttributes, Api::kOne, path))
        return false;
    Ch color[kColorTextSize];
    if (textColor)
        Api::FormatColor(color, *textColor);
    if (!Api::WriteString(Api::kSection, Api::kText, textColor ? color : nullptr, path))
        return false;
    if (textBackColor)
        Api::FormatColor(color, *textBackColor);
    if (!Api::WriteString(Api::kSection, Api::kTextBack, textBackColor ? color : nullptr, path))
        return false;
    // The shell looks for Desktop.ini only in a folder marked system (or read-only); hidden and
    // system keep the file itself out of the folder's listing.
    const DWORD folderAttributes = Api::GetAttributes(folder);
    if (folderAttributes != INVALID_FILE_ATTRIBUTES)
        Api::SetAttributes(folder, folderAttributes | FILE_ATTRIBUTE_SYSTEM);
    Api::SetAttributes(path, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    return true;
}

template <class Ch>
bool Clear(const Ch* folder) {
    using Api = AppearanceApi<Ch>;
    Ch path[MAX_PATH];
    if (!Compose(folder, path))
        return false;
    return Api::WriteString(Api::kSection, nullptr, nullptr, path) != FALSE;
}

} // namespace

namespace vela::wx {

bool ComposeDesktopIniPath(LPCSTR folder, LPSTR path) {
    return Compose(folder, path);
}

bool ComposeDesktopIniPath(LPCWSTR folder, LPWSTR path) {
    return Compose(folder, path);
}

bool ReadFolderAppearance(LPCSTR folder, LPSTR image, DWORD imageCapacity, COLORREF* textColor,
                          COLORREF* textBackColor) {
    return Read(folder, image, imageCapacity, textColor, textBackColor);
}

bool ReadFolderAppearance(LPCWSTR folder, LPWSTR image, DWORD imageCapacity, COLORREF* textColor,
                          COLORREF* textBackColor) {
    return Read(folder, image, imageCapacity, textColor, textBackColor);
}

bool ReadFolderAppearance(LPCSTR folder, LPCSTR file, LPSTR image, DWORD imageCapacity,
                          COLORREF* textColor, COLORREF* textBackColor) {
    return ReadFrom(folder, file, image, imageCapacity, textColor, textBackColor);
}

bool WriteFolderAppearance(LPCSTR folder, LPCSTR image, const COLORREF* textColor,
                           const COLORREF* textBackColor) {
    return Write(folder, image, textColor, textBackColor);
}

bool WriteFolderAppearance(LPCWSTR folder, LPCWSTR image, const COLORREF* textColor,
                           const COLORREF* textBackColor) {
    return Write(folder, image, textColor, textBackColor);
}

bool ClearFolderAppearance(LPCSTR folder) {
    return Clear(folder);
}

bool ClearFolderAppearance(LPCWSTR folder) {
    return Clear(folder);
}

} // namespace vela::wx
