// Background picture files: where an image path points, what a file really holds, its pixels.
#pragma once

#include <windows.h>

#include "vela/wx/shell/PathBuffer.h"

namespace kalmora {

enum class PictureFormat { Bmp, Jpeg, Gif, Png, Other };

// By the first bytes of the file; Other also for a file that cannot be read.
PictureFormat FormatFromContent(const char* path);
PictureFormat FormatFromExtension(const char* path);
const char* FormatName(PictureFormat format);
// One of the extensions the shells draw: .bmp, .jpg, .jpeg, .gif, .png.
bool IsPictureName(const char* path);

// The picture decoded and laid over the background colour (for transparent pixels); null when
// it cannot be decoded. The caller deletes the bitmap.
HBITMAP LoadPictureBitmap(const char* path, COLORREF background);

} // namespace kalmora
