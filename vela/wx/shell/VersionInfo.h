// Reader of an executable's version resource and its standard string fields.
#pragma once

#include <windows.h>

#include <vector>

#include "vela/VelaObject.h"

namespace vela::wx {

// The strings come from the first translation of "\VarFileInfo\Translation" only; a resource
// without that table is read as US English, Unicode (0x040904B0). Every pointer handed out
// points into the held data and lives as long as the object holds it.
class CVersionInfo : public INonCopyable<IVelaObject> {
public:
    static constexpr int kFieldCount = 12;
    static constexpr DWORD kDefaultTranslation = 0x040904B0;

    CVersionInfo() = default;
    virtual ~CVersionInfo();

    // False, with the object unchanged, when the file holds no version resource.
    bool Load(LPCSTR path);
    bool LoadModule();
    void Clear();

    // The value's length as the platform reports it; 0 when the sub-block is absent.
    UINT QueryValue(LPCSTR subBlock, LPVOID* value) const;
    UINT QueryString(LPCSTR name, LPCSTR* value) const;

    UINT GetCompanyName(LPCSTR* value) const;
    UINT GetFileDescription(LPCSTR* value) const;
    UINT GetFileVersion(LPCSTR* value) const;
    UINT GetInternalName(LPCSTR* value) const;
    UINT GetLegalCopyright(LPCSTR* value) const;
    UINT GetOriginalFileName(LPCSTR* value) const;
    UINT GetProductName(LPCSTR* value) const;
    UINT GetProductVersion(LPCSTR* value) const;
    UINT GetComments(LPCSTR* value) const;
    UINT GetLegalTrademarks(LPCSTR* value) const;
    UINT GetPrivateBuild(LPCSTR* value) const;
    UINT GetSpecialBuild(LPCSTR* value) const;
    // Index 0 to 11 in the order of the getters above; 0 for any other index.
    UINT GetField(int index, LPCSTR* value) const;

    // The ProductVersion digits read as one number, the last digit the lowest ("1, 0, 0, 2" is
    // 1002 and 0x1002); 0 when ProductVersion is absent or empty.
    DWORD GetProductVersionNumber() const;
    DWORD GetProductVersionHex() const;

    DWORD GetTranslation() const { return translationValue; }

private:
    DWORD ReadProductVersion(DWORD base) const;

    std::vector<BYTE> data;
    const WORD* translation = nullptr;
    DWORD translationValue = 0;
};

} // namespace vela::wx
