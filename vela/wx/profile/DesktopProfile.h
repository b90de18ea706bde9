// A folder's Desktop.ini in memory with the folder's background picture and caption colours.
#pragma once

#include <windows.h>

#include "vela/wx/profile/DesktopIniNames.h"
#include "vela/wx/profile/MappedPrivateProfile.h"

namespace vela::wx {

// The appearance fields change only through LoadFolder and the setters; writing the appearance
// leaves the snapshot as loaded, which is what WriteBack restores.
class CDesktopProfile : public CMappedPrivateProfile {
public:
    CDesktopProfile() = default;
    ~CDesktopProfile() override = default;

    // Binds to the folder's Desktop.ini and takes the snapshot anew; false, with the appearance
    // fields as they were, when the file lists no section. A folder that ComposeDesktopIniPath
    // refuses leaves the object unbound.
    bool LoadFolder(LPCSTR folder);
    // The appearance fields read anew, the snapshot kept: for a file that still holds the bytes
    // the snapshot was taken from.
    bool ReadAppearance(LPCSTR folder);
    // A value not included has its key removed from the file.
    bool WriteAppearance(LPCSTR folder, bool includeImage, bool includeTextColor,
                         bool includeTextBackColor);
    bool WriteAll(LPCSTR folder);
    bool ClearAppearance(LPCSTR folder);

    // Cut at 259 characters.
    void SetImagePath(LPCSTR text);
    LPCSTR GetImagePath() const { return imagePath; }
    COLORREF GetIconTextColor() const { return iconTextColor; }
    void SetIconTextColor(COLORREF color) { iconTextColor = color; }
    COLORREF GetIconTextBackColor() const { return iconTextBackColor; }
    void SetIconTextBackColor(COLORREF color) { iconTextBackColor = color; }

private:
    bool ReadAppearance(LPCSTR folder, LPCSTR file);

    char imagePath[MAX_PATH] = {};
    COLORREF iconTextColor = kDefaultIconTextColor;
    COLORREF iconTextBackColor = kDefaultIconTextBackColor;
};

} // namespace vela::wx
