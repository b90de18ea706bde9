// The platform's modal common dialogs with the library's titles: true when the user confirmed.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

namespace vela::wx {

// The short forms hand the full forms a zero-filled record of their own. The full forms set only
// the size, owner, filter, file buffer and its capacity, flags and title (and the default
// extension for saving); whatever else the caller's record holds takes effect.
BOOL SelectOpenFile(HWND owner, LPCSTR filter, LPSTR file, DWORD capacity, DWORD flags);
BOOL SelectOpenFile(HWND owner, LPCSTR filter, LPSTR file, DWORD capacity, DWORD flags,
                    OPENFILENAMEA* record);
BOOL SelectOpenFile(HWND owner, LPCWSTR filter, LPWSTR file, DWORD capacity, DWORD flags);
BOOL SelectOpenFile(HWND owner, LPCWSTR filter, LPWSTR file, DWORD capacity, DWORD flags,
                    OPENFILENAMEW* record);

BOOL SelectSaveFile(HWND owner, LPCSTR filter, LPSTR file, LPCSTR defaultExtension, DWORD capacity,
                    DWORD flags);
BOOL SelectSaveFile(HWND owner, LPCSTR filter, LPSTR file, LPCSTR defaultExtension, DWORD capacity,
                    DWORD flags, OPENFILENAMEA* record);
BOOL SelectSaveFile(HWND owner, LPCWSTR filter, LPWSTR file, LPCWSTR defaultExtension,
                    DWORD capacity, DWORD flags);
BOOL SelectSaveFile(HWND owner, LPCWSTR filter, LPWSTR file, LPCWSTR defaultExtension,
                    DWORD capacity, DWORD flags, OPENFILENAMEW* record);

// The path buffer holds MAX_PATH characters: the folder to preselect on entry, the chosen
// folder's file-system path on success.
BOOL SelectFolder(HWND owner, LPSTR path, UINT flags);
BOOL SelectFolder(HWND owner, LPWSTR path, UINT flags);

// The browser's callback: on BFFM_INITIALIZED selects the path passed as the callback data.
int CALLBACK BrowseFolderCallback(HWND browser, UINT notification, LPARAM param, LPARAM data);
int CALLBACK BrowseFolderCallbackW(HWND browser, UINT notification, LPARAM param, LPARAM data);

// Without a custom-colour array the chooser gets sixteen white entries that live for the call.
BOOL SelectColor(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags);
BOOL SelectColor(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags,
                 LPCSTR templateName, HINSTANCE instance, LPCCHOOKPROC hook, LPARAM hookData);
BOOL SelectColorW(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags);
BOOL SelectColor(HWND owner, COLORREF* color, COLORREF* customColors, DWORD flags,
                 LPCWSTR templateName, HINSTANCE instance, LPCCHOOKPROC hook, LPARAM hookData);

// The colour and the point size (tenths of a point) are optional outputs.
BOOL SelectFont(HWND owner, LOGFONTA* font, COLORREF* color, INT sizeMin, INT sizeMax, DWORD flags);
BOOL SelectFont(HWND owner, LOGFONTA* font, INT sizeMin, INT sizeMax, DWORD flags, COLORREF* color,
                INT* pointSize, LPCSTR templateName, HINSTANCE instance, LPCFHOOKPROC hook,
                LPARAM hookData);
BOOL SelectFont(HWND owner, LOGFONTW* font, COLORREF* color, INT sizeMin, INT sizeMax, DWORD flags);
BOOL SelectFont(HWND owner, LOGFONTW* font, INT sizeMin, INT sizeMax, DWORD flags, COLORREF* color,
                INT* pointSize, LPCWSTR templateName, HINSTANCE instance, LPCFHOOKPROC hook,
                LPARAM hookData);

} // namespace vela::wx
