// The look window's second view: the folder as the Files file manager shows its background.
#include "app/LookFilesView.h"

namespace kalmora {

void DrawUniformToFill(HDC dc, const RECT& area, HBITMAP picture) {
    BITMAP info = {};
    if (!GetObjectA(picture, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    // The whole picture scaled by one factor so that it covers the area, centred; the part
    // beyond the area is clipped, which keeps the centre exact to a pixel.
    int drawnWidth = width;
    int drawnHeight = height;
    if (static_cast<long long>(width) * info.bmHeight >=
        static_cast<long long>(height) * info.bmWidth)
        drawnHeight = MulDiv(info.bmHeight, width, info.bmWidth);
    else
        drawnWidth = MulDiv(info.bmWidth, height, info.bmHeight);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    SetStretchBltMode(dc, HALFTONE);
    // HALFTONE needs the brush origin set again after the mode.
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, area.left + (width - drawnWidth) / 2, area.top + (height - drawnHeight) / 2,
               drawnWidth, drawnHeight, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    RestoreDC(dc, saved);
}

} // namespace kalmora
