// The platform's modal common dialogs with the library's titles: true when the user confirmed.
#include "vela/wx/shell/CommonDialogs.h"

namespace vela::wx {

namespace {

const char kOpenTitle[] = "ファイルを選択してください";
const wchar_t kOpenTitleW[] = L"ファイルを選択してください";
const char kSaveTitle[] = "名前を付けて保存";
const wchar_t kSaveTitleW[] = L"名前を付けて保存";
const char kFolderTitle[] = "フォルダを選択してください";
const wchar_t kFolderTitleW[] = L"フォルダを選択してください";

const int kCustomColorCount = 16;

// The open and save dialogs on the caller's record, or on a zero record of their own. Only the
// save dialog passes a default extension (which may be none); the open dialog passes no pointer
// to one and leaves the record's field as the caller set it.
template <class Record, class Ch>
BOOL RunFile(BOOL(WINAPI* run)(Record*), Record* record, HWND owner, const Ch* filter, Ch* file,
             DWORD capacity, DWORD flags, const Ch* title,
             const Ch* const* defaultExtension = nullptr) {
    Record own = {};
    Record& used = record ? *record : own;
    // The size of the current record, the one that ends with FlagsEx, so the platform reads the
    // caller's FlagsEx as well.
    used.lStructSize = sizeof(Record);
    used.hwndOwner = owner;
    used.lpstrFilter = filter;
    used.lpstrFile = file;
    used.nMaxFile = capacity;
    used.Flags = flags;
    used.lpstrTitle = title;
    if (defaultExtension)
        used.lpstrDefExt = *defaultExtension;
    return run(&used);
}

template <class Info, class Ch>
BOOL RunFolder(LPITEMIDLIST(WINAPI* browse)(Info*), BOOL(WINAPI* pathOf)(LPCITEMIDLIST, Ch*),
               HWND owner, Ch* path, UINT flags, const Ch* title, BFFCALLBACK callback) {
    Ch displayName[MAX_PATH];
    Info info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = flags;
    info.lpfn = callback;
    info.lParam = reinterpret_cast<LPARAM>(path);
    LPITEMIDLIST item = browse(&info);
    if (!item)
        return FALSE;
    pathOf(item, path);
    // SHFree is the shell allocator's release, SHELL32 ordinal 195; Windows 7 and later and Wine
    // export it by name too, and the import library binds it by that name.
    ::SHFree(item);
    return TRUE;
}

template <class Record, class Ch, class Hook>
BOOL RunColor(BOOL(WINAPI* choose)(Record*), HWND owner, COLORREF* color, COLORREF* customColors,
              DWORD flags, const Ch* templateName, HINSTANCE instance, Hook hook, LPARAM hookData) {
    COLORREF scratch[kCustomColorCount];
    for (COLORREF& entry : scratch)
        entry = RGB(255, 255, 255);
    Record record = {};
    record.lStructSize = sizeof(Record);
    record.hwndOwner = owner;
    record.rgbResult = *color;
    record.lpCustColors = customColors ? customColors : scratch;
    record.Flags = flags;
    record.lpTemplateName = templateName;
    // The record declares its instance as a window handle, a slip kept from 16-bit days.
    record.hInstance = reinterpret_cast<HWND>(instance);
    record.lpfnHook = hook;
    record.lCustData = hookData;
    if (!choose(&record))
        return FALSE;
    *color = record.rgbResult;
    return TRUE;
}

template <class Record, class Font, class Ch>
BOOL RunFont(BOOL(WINAPI* choose)(Record*), HWND owner, Font* font, INT sizeMin, INT sizeMax,
             DWORD flags, COLORREF* color, INT* pointSize, const Ch* templateName,
             HINSTANCE instance, LPCFHOOKPROC hook, LPARAM hookData) {
    COLORREF local = 0;
    COLORREF* shown = color ? color : &local;
    Record record = {};
    record.lStructSize = sizeof(Record);
    record.hwndOwner = owner;
    record.lpLogFont = font;
    record.nSizeMin = sizeMin;
    record.nSizeMax = sizeMax;
    record.Flags = flags;
    record.rgbColors = *shown;
    record.lpTemplateName = templateName;
    record.hInstance = instance;
    record.lpfnHook = hook;
    record.lCustData = hookData;
    if (!choose(&record))
        return FALSE;
    *shown = record.rgbColors;
    if (pointSize)
        *pointSize = record.iPointSize;
    return TRUE;
}

} // namespace

BOOL SelectOpenFile(HWND owner, LPCSTR filter, LPSTR file, DWORD capacity, DWORD flags) {
    return SelectOpenFile(owner, filter, file, capacity, flags, nullptr);
}

BOOL SelectOpenFile(HWND owner, LPCSTR filter, LPSTR file, DWORD capacity, DWORD flags,
                    OPENFILENAMEA* record) {
    return RunFile(::GetOpenFileNameA, record, owner, filter, file, capacity, flags, kOpenTitle);
}

BOOL SelectOpenFile(HWND owner, LPCWSTR filter, LPWSTR file, DWORD capacity, DWORD flags) {
    return SelectOpenFile(owner, filter, file, capacity, flags, nullptr);
}

BOOL SelectOpenFile(HWND owner, LPCWSTR filter, LPWSTR file, DWORD capacity, DWORD flags,
                    OPENFILENAMEW* record) {
    return RunFile(::GetOpenFileNameW, record, owner, filter, file, capacity, flags, kOpenTitleW);
}

BOOL SelectSaveFile(HWND owner, LPCSTR filter, LPSTR file, LPCSTR defaultExtension, DWORD capacity,
                    DWORD flags) {
    return SelectSaveFile(owner, filter, file, defaultExtension, capacity, flags, nullptr);
}

BOOL SelectSaveFile(HWND owner, LPCSTR filter, LPSTR file, LPCSTR defaultExtension, DWORD capacity,
                    DWORD flags, OPENFILENAMEA* record) {
    return RunFile(::GetSaveFileNameA, record, owner, filter, file, capacity, flags, kSaveTitle,
                   &defaultExtension);
}

BOOL SelectSaveFile(HWND owner, LPCWSTR filter, LPWSTR file, LPCWSTR defaultExtension,
                    DWORD capacity, DWORD flags) {
    return SelectSaveFile(owner, filter, file, defaultExtension, capacity, flags, nullptr);
}

BOOL SelectSaveFile(HWND owner, LPCWSTR filter, LPWSTR file, LPCWSTR defaultExtension,
                    DWORD capacity, DWORD flags, OPENFILENAMEW* record) {
    return RunFile(::GetSaveFileNameW, record, owner, filter, file, capacity, flags, kSaveTitleW,
                   &defaultExtension);
}

BOOL SelectFolder(HWND owner, LPSTR path, UINT flags) {
    return RunFolder<BROWSEINFOA>(::SHBrowseForFolderA, ::SHGetPathFromIDListA, owner, path, flags,
                                  kFolderTitle, BrowseFolderCallback);
}

BOOL SelectFolder(HWND owner, LPWSTR path, UINT flags) {
    return RunFolder<BROWSEINFOW>(::SHBrowseForFolderW, ::SHGetPathFromIDListW, owner, path, flags,
                                  kFolderTitleW, BrowseFolderCallbackW);
}

// wParam TRUE: lParam is a path, not an item-identifier list.
int CALLBACK BrowseFolderCallback(HWND browser, UINT notification, LPARAM /*param*/, LPARAM data) {
    if (notification == BFFM_INITIALIZED)
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

int CALLBACK BrowseFolderCallbackW(HWND browser, UINT notification, LPARAM /*param*/, LPARAM data) {
    if (notification == BFFM_INITIALIZED)
        ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

BOOL SelectColor(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags) {
    return SelectColor(owner, color, customColors, flags, static_cast<LPCSTR>(nullptr), nullptr,
                       nullptr, 0);
}

BOOL SelectColor(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags,
                 LPCSTR templateName, HINSTANCE instance, LPCCHOOKPROC hook, LPARAM hookData) {
    return RunColor<CHOOSECOLORA>(::ChooseColorA, owner, color, customColors, flags, templateName,
                                  instance, hook, hookData);
}

BOOL SelectColorW(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags) {
    return SelectColor(owner, color, customColors, flags, static_cast<LPCWSTR>(nullptr), nullptr,
                       nullptr, 0);
}

BOOL SelectColor(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags,
                 LPCWSTR templateName, HINSTANCE instance, LPCCHOOKPROC hook, LPARAM hookData) {
    return RunColor<CHOOSECOLORW>(::ChooseColorW, owner, color, customColors, flags, templateName,
                                  instance, hook, hookData);
}

BOOL SelectFont(HWND owner, LOGFONTA* font, COLORREF* color, INT sizeMin, INT sizeMax,
                DWORD flags) {
    return SelectFont(owner, font, sizeMin, sizeMax, flags, color, nullptr,
                      static_cast<LPCSTR>(nullptr), nullptr, nullptr, 0);
}

BOOL SelectFont(HWND owner, LOGFONTA* font, INT sizeMin, INT sizeMax, DWORD flags, COLORREF* color,
                INT* pointSize, LPCSTR templateName, HINSTANCE instance, LPCFHOOKPROC hook,
                LPARAM hookData) {
    return RunFont<CHOOSEFONTA>(::ChooseFontA, owner, font, sizeMin, sizeMax, flags, color,
                                pointSize, templateName, instance, hook, hookData);
}

BOOL SelectFont(HWND owner, LOGFONTW* font, COLORREF* color, INT sizeMin, INT sizeMax,
                DWORD flags) {
    return SelectFont(owner, font, sizeMin, sizeMax, flags, color, nullptr,
                      static_cast<LPCWSTR>(nullptr), nullptr, nullptr, 0);
}

BOOL SelectFont(HWND owner, LOGFONTW* font, INT sizeMin, INT sizeMax, DWORD flags, COLORREF* color,
                INT* pointSize, LPCWSTR templateName, HINSTANCE instance, LPCFHOOKPROC hook,
                LPARAM hookData) {
    return RunFont<CHOOSEFONTW>(::ChooseFontW, owner, font, sizeMin, sizeMax, flags, color,
                                pointSize, templateName, instance, hook, hookData);
}

} // namespace vela::wx
