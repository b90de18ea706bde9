// A folder background picture's path as the shells that draw it resolve it.
#pragma once

#include <windows.h>

namespace vela::wx {

// The picture's path as the shell opens it into a buffer of MAX_PATH characters: a relative
// path is taken from the folder, not from the current directory; any other path stands as it
// is. Environment variables are not expanded, as the shells do not expand them. False when
// there is no picture path or the result does not fit.
bool ResolveFolderImagePath(LPCSTR folder, LPCSTR image, LPSTR resolved);

// Whether the picture the folder's IconArea_Image names exists, resolved as above.
bool FolderImageExists(LPCSTR folder, LPCSTR image);

} // namespace vela::wx
