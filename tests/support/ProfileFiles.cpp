// Test helpers for INI files: a stored window placement, and values as the UTF-16 functions read.
#include "tests/support/ProfileFiles.h"

namespace test {

bool WritePlacement(const std::string& ini, UINT showCmd, const RECT& normal) {
    WINDOWPLACEMENT record = {};
    record.length = sizeof record;
    record.showCmd = showCmd;
    record.rcNormalPosition = normal;
    return WritePrivateProfileStructA("Kalmora", "WNDPLACEMENT", &record, sizeof record,
                                      ini.c_str()) != FALSE;
}

std::wstring Wide(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::wstring ReadKeyW(const std::string& ini, const wchar_t* section, const wchar_t* key) {
    wchar_t value[MAX_PATH * 2] = L"";
    GetPrivateProfileStringW(section, key, L"<none>", value, MAX_PATH * 2, Wide(ini).c_str());
    return value;
}

} // namespace test
