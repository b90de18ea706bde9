// A folder background picture's path as the shells that draw it resolve it.
#include "vela/wx/profile/FolderImagePath.h"

#include <shlwapi.h>

namespace vela::wx {

bool ResolveFolderImagePath(LPCSTR folder, LPCSTR image, LPSTR resolved) {
    if (!image || !image[0])
        return false;
    if (!::PathIsRelativeA(image)) {
        if (::lstrlenA(image) >= MAX_PATH)
            return false;
        ::lstrcpyA(resolved, image);
        return true;
    }
    if (!folder || !folder[0])
        return false;
    return ::PathCombineA(resolved, folder, image) != nullptr;
}

bool FolderImageExists(LPCSTR folder, LPCSTR image) {
    char resolved[MAX_PATH];
    return ResolveFolderImagePath(folder, image, resolved) && ::PathFileExistsA(resolved);
}

} // namespace vela::wx
