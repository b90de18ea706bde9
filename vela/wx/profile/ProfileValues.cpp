// Typed values in INI files: integers, hexadecimal, floating point and window placements.
#include "vela/wx/profile/ProfileValues.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

constexpr int kTextSize = 128;

template <class Ch>
struct ProfileApi;

template <>
struct ProfileApi<char> {
    static inline const auto GetString = ::GetPrivateProfileStringA;
    static inline const auto WriteString = ::WritePrivateProfileStringA;
    static inline const auto GetStruct = ::GetPrivateProfileStructA;
    static inline const auto WriteStruct = ::WritePrivateProfileStructA;
    static double ToDouble(const char* text) { return std::strtod(text, nullptr); }
    template <class... Args>
    static void Format(char* out, const char* format, Args... args) {
        std::snprintf(out, kTextSize, format, args...);
    }
};

template <>
struct ProfileApi<wchar_t> {
    static inline const auto GetString = ::GetPrivateProfileStringW;
    static inline const auto WriteString = ::WritePrivateProfileStringW;
    static inline const auto GetStruct = ::GetPrivateProfileStructW;
    static inline const auto WriteStruct = ::WritePrivateProfileStructW;
    static double ToDouble(const wchar_t* text) { return std::wcstod(text, nullptr); }
    template <class... Args>
    static void Format(wchar_t* out, const wchar_t* format, Args... args) {
        std::swprintf(out, kTextSize, format, args...);
    }
};

// The narrow and wide format texts of one form.
struct FormatText {
    const char* narrow;
    const wchar_t* wide;
    const char* Get(char) const { return narrow; }
    const wchar_t* Get(wchar_t) const { return wide; }
};
constexpr FormatText kDecimal{"%d", L"%d"};
constexpr FormatText kHex{"0x%x", L"0x%x"};
constexpr FormatText kBareHex{"%x", L"%x"};
constexpr FormatText kFixed{"%f", L"%f"};

template <class Ch, class Value>
BOOL WriteFormatted(const Ch* section, const Ch* key, const FormatText& format, Value value,
                    const Ch* file) {
    Ch text[kTextSize];
    ProfileApi<Ch>::Format(text, format.Get(Ch()), value);
    return ProfileApi<Ch>::WriteString(section, key, text, file);
}

template <class Ch>
bool IsSpace(Ch c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <class Ch>
int HexDigit(Ch c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Unsigned base 16 with an optional sign and prefix; *consumed is false when no digit followed.
template <class Ch>
DWORD ParseHex(const Ch* text, bool* consumed) {
    while (IsSpace(*text))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text += 2;
    *consumed = HexDigit(*text) >= 0;
    unsigned long long value = 0;
    for (int digit; (digit = HexDigit(*text)) >= 0; ++text) {
        value = value * 16 + digit;
        if (value > 0xFFFFFFFFull)
            value = 0xFFFFFFFFull;
    }
    // Clamped before the sign is applied, so a negative overflow ends as 1.
    DWORD result = static_cast<DWORD>(value);
    return negative ? 0u - result : result;
}

template <class Ch>
DWORD ReadHex(const Ch* section, const Ch* key, DWORD defaultValue, const Ch* file) {
    Ch defaultText[kTextSize];
    Ch text[kTextSize];
    ProfileApi<Ch>::Format(defaultText, kBareHex.Get(Ch()), static_cast<unsigned>(defaultValue));
    ProfileApi<Ch>::GetString(section, key, defaultText, text, kTextSize, file);
    bool consumed;
    DWORD value = ParseHex(text, &consumed);
    if (value != 0 || consumed)
        return value;
    return defaultValue;
}

template <class Ch>
float ReadFloat(const Ch* section, const Ch* key, float defaultValue, const Ch* file) {
    Ch defaultText[kTextSize];
    Ch text[kTextSize];
    ProfileApi<Ch>::Format(defaultText, kFixed.Get(Ch()), static_cast<double>(defaultValue));
    ProfileApi<Ch>::GetString(section, key, defaultText, text, kTextSize, file);
    return static_cast<float>(ProfileApi<Ch>::ToDouble(text));
}

template <class Ch>
BOOL WritePlacement(const Ch* section, const Ch* key, HWND window, const Ch* file) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(window, &placement))
        return FALSE;
    return ProfileApi<Ch>::WriteStruct(section, key, &placement, sizeof placement, file);
}

template <class Ch>
BOOL ReadRecord(const Ch* section, const Ch* key, WINDOWPLACEMENT* placement, const Ch* file) {
    return ProfileApi<Ch>::GetStruct(section, key, placement, sizeof *placement, file);
}

LONG Clamp(LONG value, LONG low, LONG high) {
    return value < low ? low : value > high ? high : value;
}

// A stored record is only a hint, and setup.ini may have been edited or copied from another
// machine: a record that cannot be a window's placement is refused, and one that can is made to
// show the window, not minimised and not hidden, with its whole normal rectangle (or, when that
// is larger, its top-left corner) in the work area of the nearest monitor.
bool MakeShowable(HWND window, WINDOWPLACEMENT& placement) {
    RECT& rect = placement.rcNormalPosition;
    if (placement.length != sizeof placement || rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    if (placement.showCmd != SW_SHOWMAXIMIZED)
        placement.showCmd = SW_SHOWNORMAL;
    placement.flags = 0;

    // The normal rectangle is in workspace coordinates, which start at the primary monitor's
    // work area, except for a tool window.
    POINT offset = {0, 0};
    if (!(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        MONITORINFO primary = {};
        primary.cbSize = sizeof primary;
        const POINT origin = {0, 0};
        if (::GetMonitorInfoA(::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &primary))
            offset = {primary.rcWork.left - primary.rcMonitor.left,
                      primary.rcWork.top - primary.rcMonitor.top};
    }
    RECT onScreen = rect;
    ::OffsetRect(&onScreen, offset.x, offset.y);
    MONITORINFO nearest = {};
    nearest.cbSize = sizeof nearest;
    if (!::GetMonitorInfoA(::MonitorFromRect(&onScreen, MONITOR_DEFAULTTONEAREST), &nearest))
        return false;
    const RECT& work = nearest.rcWork;
    const LONG width = onScreen.right - onScreen.left;
    const LONG height = onScreen.bottom - onScreen.top;
    const LONG left = Clamp(onScreen.left, work.left, std::max(work.left, work.right - width));
    const LONG top = Clamp(onScreen.top, work.top, std::max(work.top, work.bottom - height));
    ::SetRect(&rect, left - offset.x, top - offset.y, left - offset.x + width,
              top - offset.y + height);
    return true;
}

template <class Ch>
bool ReadPlacement(const Ch* section, const Ch* key, HWND window, const Ch* file) {
    WINDOWPLACEMENT placement;
    if (!ReadRecord(section, key, &placement, file) || !MakeShowable(window, placement))
        return false;
    ::SetWindowPlacement(window, &placement);
    return true;
}

template <class Ch>
UINT ReadHiddenPlacement(const Ch* section, const Ch* key, HWND window, const Ch* file) {
    WINDOWPLACEMENT placement;
    if (!ReadRecord(section, key, &placement, file) || !MakeShowable(window, placement))
        return 0;
    const UINT shown = placement.showCmd;
    placement.showCmd = SW_HIDE;
    ::SetWindowPlacement(window, &placement);
    return shown;
}

} // namespace

namespace vela::wx {

BOOL WriteProfileInt(LPCSTR section, LPCSTR key, INT value, LPCSTR file) {
    return WriteFormatted(section, key, kDecimal, value, file);
}

BOOL WriteProfileInt(LPCWSTR section, LPCWSTR key, INT value, LPCWSTR file) {
    return WriteFormatted(section, key, kDecimal, value, file);
}

BOOL WriteProfileHex(LPCSTR section, LPCSTR key, DWORD value, LPCSTR file) {
    return WriteFormatted(section, key, kHex, static_cast<unsigned>(value), file);
}

BOOL WriteProfileHex(LPCWSTR section, LPCWSTR key, DWORD value, LPCWSTR file) {
    return WriteFormatted(section, key, kHex, static_cast<unsigned>(value), file);
}

DWORD ReadProfileHex(LPCSTR section, LPCSTR key, DWORD defaultValue, LPCSTR file) {
    return ReadHex(section, key, defaultValue, file);
}

DWORD ReadProfileHex(LPCWSTR section, LPCWSTR key, DWORD defaultValue, LPCWSTR file) {
    return ReadHex(section, key, defaultValue, file);
}

BOOL WriteProfileFloat(LPCSTR section, LPCSTR key, float value, LPCSTR file) {
    return WriteFormatted(section, key, kFixed, static_cast<double>(value), file);
}

BOOL WriteProfileFloat(LPCWSTR section, LPCWSTR key, float value, LPCWSTR file) {
    return WriteFormatted(section, key, kFixed, static_cast<double>(value), file);
}

float ReadProfileFloat(LPCSTR section, LPCSTR key, float defaultValue, LPCSTR file) {
    return ReadFloat(section, key, defaultValue, file);
}

float ReadProfileFloat(LPCWSTR section, LPCWSTR key, float defaultValue, LPCWSTR file) {
    return ReadFloat(section, key, defaultValue, file);
}

BOOL WriteWindowPlacement(LPCSTR section, LPCSTR key, HWND window, LPCSTR file) {
    return WritePlacement(section, key, window, file);
}

BOOL WriteWindowPlacement(LPCWSTR section, LPCWSTR key, HWND window, LPCWSTR file) {
    return WritePlacement(section, key, window, file);
}

BOOL ReadPlacementRecord(LPCSTR section, LPCSTR key, WINDOWPLACEMENT* placement, LPCSTR file) {
    return ReadRecord(section, key, placement, file);
}

BOOL ReadPlacementRecord(LPCWSTR section, LPCWSTR key, WINDOWPLACEMENT* placement, LPCWSTR file) {
    return ReadRecord(section, key, placement, file);
}

bool ReadWindowPlacement(LPCSTR section, LPCSTR key, HWND window, LPCSTR file) {
    return ReadPlacement(section, key, window, file);
}

bool ReadWindowPlacement(LPCWSTR section, LPCWSTR key, HWND window, LPCWSTR file) {
    return ReadPlacement(section, key, window, file);
}

UINT ReadHiddenWindowPlacement(LPCSTR section, LPCSTR key, HWND window, LPCSTR file) {
    return ReadHiddenPlacement(section, key, window, file);
}

UINT ReadHiddenWindowPlacement(LPCWSTR section, LPCWSTR key, HWND window, LPCWSTR file) {
    return ReadHiddenPlacement(section, key, window, file);
}

} // namespace vela::wx
