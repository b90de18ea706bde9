// The look window's second view: the folder as the Files file manager shows its background.
#include "app/LookFilesView.h"

#include <algorithm>
#include <cmath>

namespace kalmora {

void DrawUniformToFill(HDC dc, const RECT& area, HBITMAP picture) {
    BITMAP info = {};
    if (!GetObjectA(picture, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    // The picture scaled by one factor so that it covers the area, centred. Only the rows and
    // columns that reach the area are drawn: a long thin picture would otherwise be stretched
    // far beyond it.
    const double scale = std::max(static_cast<double>(width) / info.bmWidth,
                                  static_cast<double>(height) / info.bmHeight);
    const double left = (width - info.bmWidth * scale) / 2;
    const double top = (height - info.bmHeight * scale) / 2;
    // Rounding may leave the edge a hair inside the area: the first row and column stay 0.
    const int firstColumn = std::max(0, static_cast<int>(std::floor(-left / scale)));
    const int endColumn =
        std::min<int>(info.bmWidth, static_cast<int>(std::ceil((width - left) / scale)));
    const int firstRow = std::max(0, static_cast<int>(std::floor(-top / scale)));
    const int endRow =
        std::min<int>(info.bmHeight, static_cast<int>(std::ceil((height - top) / scale)));
    const int x = static_cast<int>(std::lround(left + firstColumn * scale));
    const int y = static_cast<int>(std::lround(top + firstRow * scale));
    const int drawnWidth = static_cast<int>(std::lround(left + endColumn * scale)) - x;
    const int drawnHeight = static_cast<int>(std::lround(top + endRow * scale)) - y;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    SetStretchBltMode(dc, HALFTONE);
    // HALFTONE needs the brush origin set again after the mode.
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, area.left + x, area.top + y, drawnWidth, drawnHeight, memory, firstColumn,
               firstRow, endColumn - firstColumn, endRow - firstRow, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    RestoreDC(dc, saved);
}

} // namespace kalmora
