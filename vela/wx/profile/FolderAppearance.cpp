// A folder's background picture and caption colours in its Desktop.ini.
#include "vela/wx/profile/FolderAppearance.h"

#include <cstdio>
#include <cwchar>
#include <string>

#include "vela/wx/profile/ProfileValues.h"

namespace {

constexpr int kColorTextSize = 128;

template <class Ch>
struct AppearanceApi;

template <>
struct AppearanceApi<char> {
    static constexpr const char* kSection = vela::wx::kFolderBackgroundSection;
    static constexpr const char* kFileName = "\\Desktop.ini";
    static constexpr const char* kImage = "IconArea_Image";
    static constexpr const char* kAttributes = "Attributes";
    static constexpr const char* kText = "IconArea_Text";
    static constexpr const char* kTextBack = "IconArea_TextBackground";
    static constexpr const char* kOne = "1";
    static inline const auto GetString = ::GetPrivateProfileStringA;
    static inline const auto WriteString = ::WritePrivateProfileStringA;
    static inline const auto GetAttributes = ::GetFileAttributesA;
    static inline const auto SetAttributes = ::SetFileAttributesA;
    // The stored form is "0x%0.8x"; beside a precision the 0 flag does nothing, and the
    // compiler warns about it, so it is left out here.
    static void FormatColor(char* out, COLORREF color) {
        std::snprintf(out, kColorTextSize, "0x%.8x", static_cast<unsigned>(color));
    }
};

template <>
struct AppearanceApi<wchar_t> {
    static constexpr const wchar_t* kSection = vela::wx::kFolderBackgroundSectionW;
    static constexpr const wchar_t* kFileName = L"\\Desktop.ini";
    static constexpr const wchar_t* kImage = L"IconArea_Image";
    static constexpr const wchar_t* kAttributes = L"Attributes";
    static constexpr const wchar_t* kText = L"IconArea_Text";
    static constexpr const wchar_t* kTextBack = L"IconArea_TextBackground";
    static constexpr const wchar_t* kOne = L"1";
    static inline const auto GetString = ::GetPrivateProfileStringW;
    static inline const auto WriteString = ::WritePrivateProfileStringW;
    static inline const auto GetAttributes = ::GetFileAttributesW;
    static inline const auto SetAttributes = ::SetFileAttributesW;
    static void FormatColor(wchar_t* out, COLORREF color) {
        std::swprintf(out, kColorTextSize, L"0x%.8x", static_cast<unsigned>(color));
    }
};

template <class Ch>
std::basic_string<Ch> DesktopIniOf(const Ch* folder) {
    return std::basic_string<Ch>(folder) + AppearanceApi<Ch>::kFileName;
}

template <class Ch>
bool Read(const Ch* folder, Ch* image, DWORD imageCapacity, COLORREF* textColor,
          COLORREF* textBackColor) {
    using Api = AppearanceApi<Ch>;
    if (!folder)
        return false;
    const std::basic_string<Ch> file = DesktopIniOf(folder);
    // Any reachable object passes, a plain file included; Desktop.ini itself may be missing.
    if (Api::GetAttributes(folder) == INVALID_FILE_ATTRIBUTES)
        return false;
    const Ch empty[] = {0};
    if (image)
        Api::GetString(Api::kSection, Api::kImage, empty, image, imageCapacity, file.c_str());
    if (textColor)
        *textColor = vela::wx::ReadProfileHex(Api::kSection, Api::kText, *textColor, file.c_str());
    if (textBackColor)
        *textBackColor =
            vela::wx::ReadProfileHex(Api::kSection, Api::kTextBack, *textBackColor, file.c_str());
    return true;
}

template <class Ch>
bool Write(const Ch* folder, const Ch* image, const COLORREF* textColor,
           const COLORREF* textBackColor) {
    using Api = AppearanceApi<Ch>;
    if (!folder)
        return false;
    const std::basic_string<Ch> file = DesktopIniOf(folder);
    const Ch* path = file.c_str();
    // No step is skipped after a failed one: the attributes below are set whatever became of
    // the keys, and the caller learns of any key that did not reach the file.
    bool written = true;
    const auto write = [&](const Ch* key, const Ch* value) {
        written &= Api::WriteString(Api::kSection, key, value, path) != FALSE;
    };
    write(Api::kImage, image);
    write(Api::kAttributes, Api::kOne);
    Ch color[kColorTextSize];
    if (textColor)
        Api::FormatColor(color, *textColor);
    write(Api::kText, textColor ? color : nullptr);
    if (textBackColor)
        Api::FormatColor(color, *textBackColor);
    write(Api::kTextBack, textBackColor ? color : nullptr);
    // The shell looks for Desktop.ini only in a folder marked system (or read-only); hidden and
    // system keep the file itself out of the folder's listing.
    const DWORD folderAttributes = Api::GetAttributes(folder);
    if (folderAttributes != INVALID_FILE_ATTRIBUTES)
        Api::SetAttributes(folder, folderAttributes | FILE_ATTRIBUTE_SYSTEM);
    Api::SetAttributes(path, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    return written;
}

template <class Ch>
bool Clear(const Ch* folder) {
    using Api = AppearanceApi<Ch>;
    if (!folder)
        return false;
    return Api::WriteString(Api::kSection, nullptr, nullptr, DesktopIniOf(folder).c_str()) != FALSE;
}

} // namespace

namespace vela::wx {

bool ReadFolderAppearance(LPCSTR folder, LPSTR image, DWORD imageCapacity, COLORREF* textColor,
                          COLORREF* textBackColor) {
    return Read(folder, image, imageCapacity, textColor, textBackColor);
}

bool ReadFolderAppearance(LPCWSTR folder, LPWSTR image, DWORD imageCapacity, COLORREF* textColor,
                          COLORREF* textBackColor) {
    return Read(folder, image, imageCapacity, textColor, textBackColor);
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
