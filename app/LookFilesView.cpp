// The look window's second view: the folder as the Files file manager shows its background.
#include "app/LookFilesView.h"

#include <algorithm>

namespace kalmora {

void DrawUniformToFill(HDC dc, const RECT& area, HBITMAP picture) {
    BITMAP info = {};
    if (!GetObjectA(picture, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    // The part of the picture that, scaled by one factor, covers the area exactly.
    int sourceWidth = info.bmWidth;
    int sourceHeight = info.bmHeight;
    if (static_cast<long long>(width) * info.bmHeight >=
        static_cast<long long>(height) * info.bmWidth)
        sourceHeight = std::max(1, MulDiv(height, info.bmWidth, width));
    else
        sourceWidth = std::max(1, MulDiv(width, info.bmHeight, height));
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    // HALFTONE needs the brush origin set again after the mode.
    POINT oldOrigin;
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    StretchBlt(dc, area.left, area.top, width, height, memory, (info.bmWidth - sourceWidth) / 2,
               (info.bmHeight - sourceHeight) / 2, sourceWidth, sourceHeight, SRCCOPY);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
    SelectObject(memory, old);
    DeleteDC(memory);
}

} // namespace kalmora
