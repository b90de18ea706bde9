// Background picture files: where an image path points, what a file really holds, its pixels.
#include "app/PictureFile.h"

#include <gdiplus.h>

#include <cstring>

namespace kalmora {

PictureFormat FormatFromContent(const char* path) {
    unsigned char head[8] = {};
    DWORD read = 0;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return PictureFormat::Other;
    ReadFile(file, head, sizeof head, &read, nullptr);
    CloseHandle(file);
    if (read >= 2 && head[0] == 'B' && head[1] == 'M')
        return PictureFormat::Bmp;
    if (read >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF)
        return PictureFormat::Jpeg;
    if (read >= 6 && (std::memcmp(head, "GIF87a", 6) == 0 || std::memcmp(head, "GIF89a", 6) == 0))
        return PictureFormat::Gif;
    if (read >= 8 && std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) == 0)
        return PictureFormat::Png;
    return PictureFormat::Other;
}

PictureFormat FormatFromExtension(const char* path) {
    static const struct {
        const char* extension;
        PictureFormat format;
    } known[] = {{".bmp", PictureFormat::Bmp},
                 {".jpg", PictureFormat::Jpeg},
                 {".jpeg", PictureFormat::Jpeg},
                 {".gif", PictureFormat::Gif},
                 {".png", PictureFormat::Png}};
    CPathBuffer name(path);
    const char* extension = name.FindExtension();
    for (const auto& entry : known)
        if (lstrcmpiA(extension, entry.extension) == 0)
            return entry.format;
    return PictureFormat::Other;
}

const char* FormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
        return "BMP";
    case PictureFormat::Jpeg:
        return "JPEG";
    case PictureFormat::Gif:
        return "GIF";
    case PictureFormat::Png:
        return "PNG";
    case PictureFormat::Other:
        break;
    }
    return "その他";
}

bool IsPictureName(const char* path) {
    return FormatFromExtension(path) != PictureFormat::Other;
}

HBITMAP LoadPictureBitmap(const char* path, COLORREF background) {
    // GDI+ rather than OleLoadPicture: the latter reads no PNG on Windows XP.
    WCHAR widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH))
        return nullptr;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return nullptr;
    HBITMAP bitmap = nullptr;
    Gdiplus::GpBitmap* picture = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(widePath, &picture) == Gdiplus::Ok) {
        Gdiplus::ARGB argb = 0xFF000000 | (GetRValue(background) << 16) |
                             (GetGValue(background) << 8) | GetBValue(background);
        if (Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(picture, &bitmap, argb) != Gdiplus::Ok)
            bitmap = nullptr;
        Gdiplus::DllExports::GdipDisposeImage(picture);
    }
    Gdiplus::GdiplusShutdown(token);
    return bitmap;
}

} // namespace kalmora
