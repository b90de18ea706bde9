// The look window's second view: the folder as the Files file manager shows its background.
#pragma once

#include <windows.h>

namespace kalmora {

// Files' default fit, UniformToFill: the picture keeps its proportions, covers the whole area
// and is centred in it; what stands over the edges is cut off.
void DrawUniformToFill(HDC dc, const RECT& area, HBITMAP picture);

} // namespace kalmora
