// An object bound to one INI file, forwarding to the platform's profile functions.
#pragma once

#include <windows.h>

#include "vela/VelaObject.h"

namespace vela::wx {

// Unbound while the path is empty; members called then hand the platform an empty file name.
class CPrivateProfile : public IVelaObject {
public:
    CPrivateProfile();
    virtual ~CPrivateProfile();

    // A path that does not fit the field is refused and the object stays unbound: a path cut
    // short would name another file, which a later delete-first write-back would remove.
    virtual bool BindFile(LPCSTR path);
    virtual void Unbind();

    DWORD GetSectionNames(LPSTR buffer, DWORD size) const;
    DWORD GetSection(LPCSTR section, LPSTR buffer, DWORD size) const;
    DWORD GetString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                    DWORD size) const;
    UINT GetInt(LPCSTR section, LPCSTR key, INT defaultValue) const;
    DWORD ReadHex(LPCSTR section, LPCSTR key, DWORD defaultValue) const;
    float ReadFloat(LPCSTR section, LPCSTR key, float defaultValue) const;
    BOOL GetStruct(LPCSTR section, LPCSTR key, LPVOID buffer, UINT size) const;
    BOOL ReadPlacementRecord(LPCSTR section, LPCSTR key, WINDOWPLACEMENT* placement) const;
    bool ReadWindowPlacement(LPCSTR section, LPCSTR key, HWND window) const;
    BOOL WriteSection(LPCSTR section, LPCSTR text);
    BOOL WriteInt(LPCSTR section, LPCSTR key, INT value);
    BOOL WriteHex(LPCSTR section, LPCSTR key, DWORD value);
    BOOL WriteFloat(LPCSTR section, LPCSTR key, float value);
    BOOL WriteString(LPCSTR section, LPCSTR key, LPCSTR value);
    BOOL WriteStruct(LPCSTR section, LPCSTR key, LPVOID buffer, UINT size);
    BOOL WriteWindowPlacement(LPCSTR section, LPCSTR key, HWND window);
    BOOL DeleteKey(LPCSTR section, LPCSTR key);
    BOOL DeleteSection(LPCSTR section);
    BOOL RemoveFile();
    // True when the file lists no section, a missing file included.
    bool IsEmpty() const;

    LPCSTR GetPath() const { return path; }

private:
    char path[MAX_PATH];
};

} // namespace vela::wx
