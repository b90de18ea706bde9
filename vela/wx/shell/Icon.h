// Owner of one icon handle, destroyed with the object.
#pragma once

#include <windows.h>

// The headers' A/W macros would rename these members to their 8-bit form; they keep the names
// written here, and call the platform's functions by their explicit A or W names.
#undef LoadImage

#include "vela/VelaObject.h"

namespace vela::wx {

// Every operation that obtains a new icon offers it to Attach; when Attach refuses (an icon is
// already held, or the new handle is none) the new icon is destroyed and the operation is false.
class CIcon : public IVelaObject {
public:
    CIcon() = default;
    explicit CIcon(HICON icon);
    virtual ~CIcon();
    // Two owners of one handle would destroy it twice.
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;

    virtual BOOL DestroyHandle(HICON icon);
    virtual bool LoadImage(HINSTANCE instance, LPCSTR name, int width, int height, UINT flags);
    virtual bool Load(HINSTANCE instance, LPCSTR name);
    virtual bool LoadImage(HINSTANCE instance, LPCWSTR name, int width, int height, UINT flags);
    virtual bool Load(HINSTANCE instance, LPCWSTR name);

    // Plain forms by resource id, through the 8-bit slots.
    bool Load(HINSTANCE instance, int id);
    bool LoadImage(HINSTANCE instance, int id, int width, int height, UINT flags);

    bool Attach(HICON icon);
    HICON Detach();
    bool Destroy();
    HICON GetHandle() const { return handle; }

    bool Create(HINSTANCE instance, int width, int height, BYTE planes, BYTE bitsPerPixel,
                const BYTE* andBits, const BYTE* xorBits);
    bool CreateIndirect(ICONINFO* info);
    bool CreateFromResource(BYTE* bits, DWORD size, DWORD version);
    bool CreateFromResourceEx(BYTE* bits, DWORD size, DWORD version, int width, int height,
                              UINT flags);
    bool Copy(HICON icon);
    bool Duplicate(HICON icon);
    bool Extract(HINSTANCE instance, LPCSTR file, UINT index);
    bool Extract(HINSTANCE instance, LPCWSTR file, UINT index);
    bool ExtractAssociated(HINSTANCE instance, LPSTR path, WORD* index);
    bool ExtractAssociated(HINSTANCE instance, LPWSTR path, WORD* index);
    bool GetInfo(ICONINFO* info) const;
    bool Draw(HDC dc, int x, int y) const;
    bool Draw(HDC dc, int x, int y, int width, int height, HBRUSH background, UINT flags) const;

private:
    bool TakeOver(HICON icon);

    HICON handle = nullptr;
};

} // namespace vela::wx
