// An object bound to one INI file, forwarding to the platform's profile functions.
#include "vela/wx/profile/PrivateProfile.h"

#include <cstring>

#include "vela/wx/profile/ProfileValues.h"

namespace vela::wx {

CPrivateProfile::CPrivateProfile() {
    path[0] = '\0';
}

CPrivateProfile::~CPrivateProfile() {
    CPrivateProfile::Unbind();
}

bool CPrivateProfile::BindFile(LPCSTR newPath) {
    Unbind();
    if (!newPath || std::strlen(newPath) >= sizeof path)
        return false;
    std::strcpy(path, newPath);
    return true;
}

void CPrivateProfile::Unbind() {
    std::memset(path, 0, sizeof path);
}

DWORD CPrivateProfile::GetSectionNames(LPSTR buffer, DWORD size) const {
    return ::GetPrivateProfileSectionNamesA(buffer, size, path);
}

DWORD CPrivateProfile::GetSection(LPCSTR section, LPSTR buffer, DWORD size) const {
    return ::GetPrivateProfileSectionA(section, buffer, size, path);
}

DWORD CPrivateProfile::GetString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                                 DWORD size) const {
    return ::GetPrivateProfileStringA(section, key, defaultValue, buffer, size, path);
}

UINT CPrivateProfile::GetInt(LPCSTR section, LPCSTR key, INT defaultValue) const {
    return ::GetPrivateProfileIntA(section, key, defaultValue, path);
}

DWORD CPrivateProfile::ReadHex(LPCSTR section, LPCSTR key, DWORD defaultValue) const {
    return ReadProfileHex(section, key, defaultValue, path);
}

float CPrivateProfile::ReadFloat(LPCSTR section, LPCSTR key, float defaultValue) const {
    return ReadProfileFloat(section, key, defaultValue, path);
}

BOOL CPrivateProfile::GetStruct(LPCSTR section, LPCSTR key, LPVOID buffer, UINT size) const {
    return ::GetPrivateProfileStructA(section, key, buffer, size, path);
}

BOOL CPrivateProfile::ReadPlacementRecord(LPCSTR section, LPCSTR key,
                                          WINDOWPLACEMENT* placement) const {
    return wx::ReadPlacementRecord(section, key, placement, path);
}

bool CPrivateProfile::ReadWindowPlacement(LPCSTR section, LPCSTR key, HWND window) const {
    return wx::ReadWindowPlacement(section, key, window, path);
}

BOOL CPrivateProfile::WriteSection(LPCSTR section, LPCSTR text) {
    return ::WritePrivateProfileSectionA(section, text, path);
}

BOOL CPrivateProfile::WriteInt(LPCSTR section, LPCSTR key, INT value) {
    return WriteProfileInt(section, key, value, path);
}

BOOL CPrivateProfile::WriteHex(LPCSTR section, LPCSTR key, DWORD value) {
    return WriteProfileHex(section, key, value, path);
}

BOOL CPrivateProfile::WriteFloat(LPCSTR section, LPCSTR key, float value) {
    return WriteProfileFloat(section, key, value, path);
}

BOOL CPrivateProfile::WriteString(LPCSTR section, LPCSTR key, LPCSTR value) {
    return ::WritePrivateProfileStringA(section, key, value, path);
}

BOOL CPrivateProfile::WriteStruct(LPCSTR section, LPCSTR key, LPVOID buffer, UINT size) {
    return ::WritePrivateProfileStructA(section, key, buffer, size, path);
}

BOOL CPrivateProfile::WriteWindowPlacement(LPCSTR section, LPCSTR key, HWND window) {
    return wx::WriteWindowPlacement(section, key, window, path);
}

BOOL CPrivateProfile::DeleteKey(LPCSTR section, LPCSTR key) {
    return ::WritePrivateProfileStringA(section, key, nullptr, path);
}

BOOL CPrivateProfile::DeleteSection(LPCSTR section) {
    return ::WritePrivateProfileStringA(section, nullptr, nullptr, path);
}

BOOL CPrivateProfile::RemoveFile() {
    return ::DeleteFileA(path);
}

bool CPrivateProfile::IsEmpty() const {
    char names[256];
    return ::GetPrivateProfileSectionNamesA(names, sizeof names, path) == 0;
}

} // namespace vela::wx
