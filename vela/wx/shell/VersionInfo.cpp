// Reader of an executable's version resource and its standard string fields.
#include "vela/wx/shell/VersionInfo.h"

#include <ctype.h>

#include "vela/wx/shell/DoubleByte.h"

namespace vela::wx {

namespace {

using Getter = UINT (CVersionInfo::*)(LPCSTR*) const;

const Getter kGetters[CVersionInfo::kFieldCount] = {
    &CVersionInfo::GetCompanyName,    &CVersionInfo::GetFileDescription,
    &CVersionInfo::GetFileVersion,    &CVersionInfo::GetInternalName,
    &CVersionInfo::GetLegalCopyright, &CVersionInfo::GetOriginalFileName,
    &CVersionInfo::GetProductName,    &CVersionInfo::GetProductVersion,
    &CVersionInfo::GetComments,       &CVersionInfo::GetLegalTrademarks,
    &CVersionInfo::GetPrivateBuild,   &CVersionInfo::GetSpecialBuild,
};

int DigitValue(char ch, DWORD base) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (base == 16) {
        char upper = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
        if (upper >= 'A' && upper <= 'F')
            return upper - 'A' + 10;
    }
    return -1;
}

} // namespace

CVersionInfo::~CVersionInfo() {
    Clear();
}

bool CVersionInfo::Load(LPCSTR path) {
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return false;
    Clear();
    data.resize(size);
    ::GetFileVersionInfoA(path, 0, size, data.data());
    LPVOID table = nullptr;
    if (QueryValue("\\VarFileInfo\\Translation", &table) >= 2 * sizeof(WORD)) {
        translation = static_cast<const WORD*>(table);
        translationValue = (static_cast<DWORD>(translation[0]) << 16) | translation[1];
    } else {
        translationValue = kDefaultTranslation;
    }
    return true;
}

bool CVersionInfo::LoadModule() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return Load(path);
}

void CVersionInfo::Clear() {
    std::vector<BYTE>().swap(data);
    translation = nullptr;
    translationValue = 0;
}

UINT CVersionInfo::QueryValue(LPCSTR subBlock, LPVOID* value) const {
    if (data.empty())
        return 0;
    UINT length = 0;
    // VerQueryValueA converts Unicode strings into spare room of the buffer it is given, so it
    // takes the data as writable even for a query.
    if (!::VerQueryValueA(const_cast<BYTE*>(data.data()), subBlock, value, &length))
        return 0;
    return length;
}

UINT CVersionInfo::QueryString(LPCSTR name, LPCSTR* value) const {
    char subBlock[MAX_PATH];
    ::wsprintfA(subBlock, "\\StringFileInfo\\%08x\\%s", translationValue, name);
    LPVOID text = nullptr;
    UINT length = QueryValue(subBlock, &text);
    *value = static_cast<LPCSTR>(text);
    return length;
}

UINT CVersionInfo::GetCompanyName(LPCSTR* value) const {
    return QueryString("CompanyName", value);
}

UINT CVersionInfo::GetFileDescription(LPCSTR* value) const {
    return QueryString("FileDescription", value);
}

UINT CVersionInfo::GetFileVersion(LPCSTR* value) const {
    return QueryString("FileVersion", value);
}

UINT CVersionInfo::GetInternalName(LPCSTR* value) const {
    return QueryString("InternalName", value);
}

UINT CVersionInfo::GetLegalCopyright(LPCSTR* value) const {
    return QueryString("LegalCopyright", value);
}

UINT CVersionInfo::GetOriginalFileName(LPCSTR* value) const {
    return QueryString("OriginalFileName", value);
}

UINT CVersionInfo::GetProductName(LPCSTR* value) const {
    return QueryString("ProductName", value);
}

UINT CVersionInfo::GetProductVersion(LPCSTR* value) const {
    return QueryString("ProductVersion", value);
}

UINT CVersionInfo::GetComments(LPCSTR* value) const {
    return QueryString("Comments", value);
}

UINT CVersionInfo::GetLegalTrademarks(LPCSTR* value) const {
    return QueryString("LegalTrademarks", value);
}

UINT CVersionInfo::GetPrivateBuild(LPCSTR* value) const {
    return QueryString("PrivateBuild", value);
}

UINT CVersionInfo::GetSpecialBuild(LPCSTR* value) const {
    return QueryString("SpecialBuild", value);
}

UINT CVersionInfo::GetField(int index, LPCSTR* value) const {
    if (index < 0 || index >= kFieldCount)
        return 0;
    return (this->*kGetters[index])(value);
}

DWORD CVersionInfo::GetProductVersionNumber() const {
    return ReadProductVersion(10);
}

DWORD CVersionInfo::GetProductVersionHex() const {
    return ReadProductVersion(16);
}

DWORD CVersionInfo::ReadProductVersion(DWORD base) const {
    LPCSTR text = nullptr;
    if (GetProductVersion(&text) == 0)
        return 0;
    // Read forwards a whole character at a time: a Shift_JIS trail byte can look like a
    // hexadecimal letter. Horner's rule gives the same number as weighting from the last digit.
    DWORD result = 0;
    for (LPCSTR p = text; *p; p = NextChar(p)) {
        if (CharBytes(p) > 1)
            continue;
        int digit = DigitValue(*p, base);
        if (digit >= 0)
            result = result * base + digit;
    }
    return result;
}

} // namespace vela::wx
