// Owner of one icon handle, destroyed with the object.
#include "vela/wx/shell/Icon.h"

#include <shellapi.h>

namespace vela::wx {

namespace {

// ExtractIcon answers 1 for a file that holds no icon: that is no handle to own.
HICON ExtractedOrNone(HICON icon) {
    return icon == reinterpret_cast<HICON>(1) ? nullptr : icon;
}

} // namespace

CIcon::CIcon(HICON icon) {
    Attach(icon);
}

CIcon::~CIcon() {
    Destroy();
}

BOOL CIcon::DestroyHandle(HICON icon) {
    return DestroyIcon(icon);
}

bool CIcon::LoadImage(HINSTANCE instance, LPCSTR name, int width, int height, UINT flags) {
    return TakeOver(
        static_cast<HICON>(::LoadImageA(instance, name, IMAGE_ICON, width, height, flags)));
}

bool CIcon::Load(HINSTANCE instance, LPCSTR name) {
    return TakeOver(LoadIconA(instance, name));
}

bool CIcon::LoadImage(HINSTANCE instance, LPCWSTR name, int width, int height, UINT flags) {
    return TakeOver(
        static_cast<HICON>(::LoadImageW(instance, name, IMAGE_ICON, width, height, flags)));
}

bool CIcon::Load(HINSTANCE instance, LPCWSTR name) {
    return TakeOver(LoadIconW(instance, name));
}

bool CIcon::Load(HINSTANCE instance, int id) {
    return Load(instance, MAKEINTRESOURCEA(id));
}

bool CIcon::LoadImage(HINSTANCE instance, int id, int width, int height, UINT flags) {
    return LoadImage(instance, MAKEINTRESOURCEA(id), width, height, flags);
}

bool CIcon::Attach(HICON icon) {
    if (!icon || handle)
        return false;
    handle = icon;
    return true;
}

HICON CIcon::Detach() {
    HICON icon = handle;
    handle = nullptr;
    return icon;
}

bool CIcon::Destroy() {
    HICON icon = Detach();
    return icon && DestroyHandle(icon);
}

bool CIcon::TakeOver(HICON icon) {
    if (Attach(icon))
        return true;
    if (icon)
        DestroyHandle(icon);
    return false;
}

bool CIcon::Create(HINSTANCE instance, int width, int height, BYTE planes, BYTE bitsPerPixel,
                   const BYTE* andBits, const BYTE* xorBits) {
    return TakeOver(CreateIcon(instance, width, height, planes, bitsPerPixel, andBits, xorBits));
}

bool CIcon::CreateIndirect(ICONINFO* info) {
    return TakeOver(CreateIconIndirect(info));
}

bool CIcon::CreateFromResource(BYTE* bits, DWORD size, DWORD version) {
    return TakeOver(CreateIconFromResource(bits, size, TRUE, version));
}

bool CIcon::CreateFromResourceEx(BYTE* bits, DWORD size, DWORD version, int width, int height,
                                 UINT flags) {
    return TakeOver(CreateIconFromResourceEx(bits, size, TRUE, version, width, height, flags));
}

bool CIcon::Copy(HICON icon) {
    return TakeOver(CopyIcon(icon));
}

bool CIcon::Duplicate(HICON icon) {
    return TakeOver(DuplicateIcon(nullptr, icon));
}

bool CIcon::Extract(HINSTANCE instance, LPCSTR file, UINT index) {
    return TakeOver(ExtractedOrNone(ExtractIconA(instance, file, index)));
}

bool CIcon::Extract(HINSTANCE instance, LPCWSTR file, UINT index) {
    return TakeOver(ExtractedOrNone(ExtractIconW(instance, file, index)));
}

bool CIcon::ExtractAssociated(HINSTANCE instance, LPSTR path, WORD* index) {
    return TakeOver(ExtractAssociatedIconA(instance, path, index));
}

bool CIcon::ExtractAssociated(HINSTANCE instance, LPWSTR path, WORD* index) {
    return TakeOver(ExtractAssociatedIconW(instance, path, index));
}

bool CIcon::GetInfo(ICONINFO* info) const {
    return GetIconInfo(handle, info) != FALSE;
}

bool CIcon::Draw(HDC dc, int x, int y) const {
    return DrawIcon(dc, x, y, handle) != FALSE;
}

bool CIcon::Draw(HDC dc, int x, int y, int width, int height, HBRUSH background, UINT flags) const {
    return DrawIconEx(dc, x, y, handle, width, height, 0, background, flags) != FALSE;
}

} // namespace vela::wx
