// A folder's Desktop.ini in memory with the folder's background picture and caption colours.
#include "vela/wx/profile/DesktopProfile.h"

#include <cstring>

#include "vela/wx/profile/FolderAppearance.h"
#include "vela/wx/shell/DoubleByte.h"

namespace vela::wx {

bool CDesktopProfile::LoadFolder(LPCSTR folder) {
    // Even without a folder the old snapshot goes: a later write-back must never restore one
    // folder's Desktop.ini after another folder was asked for.
    char file[MAX_PATH];
    if (!ComposeDesktopIniPath(folder, file)) {
        Unbind();
        return false;
    }
    if (!BindFile(file))
        return false;
    if (!LoadAll())
        return false;
    return ReadAppearance(folder, file);
}

bool CDesktopProfile::ReadAppearance(LPCSTR folder) {
    char file[MAX_PATH];
    return ComposeDesktopIniPath(folder, file) && ReadAppearance(folder, file);
}

bool CDesktopProfile::ReadAppearance(LPCSTR folder, LPCSTR file) {
    iconTextColor = kDefaultIconTextColor;
    iconTextBackColor = kDefaultIconTextBackColor;
    return ReadFolderAppearance(folder, file, imagePath, MAX_PATH, &iconTextColor,
                                &iconTextBackColor);
}

bool CDesktopProfile::WriteAppearance(LPCSTR folder, bool includeImage, bool includeTextColor,
                                      bool includeTextBackColor) {
    return WriteFolderAppearance(folder, includeImage ? imagePath : nullptr,
                                 includeTextColor ? &iconTextColor : nullptr,
                                 includeTextBackColor ? &iconTextBackColor : nullptr);
}

bool CDesktopProfile::WriteAll(LPCSTR folder) {
    return WriteAppearance(folder, true, true, true);
}

bool CDesktopProfile::ClearAppearance(LPCSTR folder) {
    return ClearFolderAppearance(folder);
}

void CDesktopProfile::SetImagePath(LPCSTR text) {
    // A cut never splits a double-byte character.
    size_t length = 0;
    while (text && text[length]) {
        const size_t next = length + CharBytes(text + length);
        if (next >= sizeof imagePath)
            break;
        length = next;
    }
    if (length)
        std::memcpy(imagePath, text, length);
    imagePath[length] = '\0';
}

} // namespace vela::wx
