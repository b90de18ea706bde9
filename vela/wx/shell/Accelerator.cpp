// Owner of one accelerator table, and the writer of its shortcuts into menu labels.
#include "vela/wx/shell/Accelerator.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "vela/wx/shell/DoubleByte.h"
#include "vela/wx/shell/Menu.h"

namespace vela::wx {

namespace {

constexpr int kLabelSize = 256;

// Written the way the platform's own menus name these keys.
const char* KeyName(WORD key) {
    switch (key) {
    case VK_DELETE:
        return "Del";
    case VK_INSERT:
        return "Ins";
    case VK_HOME:
        return "Home";
    case VK_END:
        return "End";
    case VK_PRIOR:
        return "PgUp";
    case VK_NEXT:
        return "PgDn";
    case VK_LEFT:
        return "Left";
    case VK_RIGHT:
        return "Right";
    case VK_UP:
        return "Up";
    case VK_DOWN:
        return "Down";
    case VK_RETURN:
        return "Enter";
    case VK_ESCAPE:
        return "Esc";
    case VK_SPACE:
        return "Space";
    case VK_TAB:
        return "Tab";
    case VK_BACK:
        return "Backspace";
    default:
        return nullptr;
    }
}

// False when the key has no name to write.
bool WriteKeyName(WORD key, char* name, int size) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        name[0] = static_cast<char>(key);
        name[1] = '\0';
        return true;
    }
    if (key >= VK_F1 && key <= VK_F24) {
        std::snprintf(name, size, "F%d", key - VK_F1 + 1);
        return true;
    }
    if (const char* fixed = KeyName(key)) {
        lstrcpynA(name, fixed, size);
        return true;
    }
    // Punctuation and the numeric pad differ between keyboard layouts: the layout names them.
    UINT scanCode = ::MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    return scanCode && ::GetKeyNameTextA(static_cast<LONG>(scanCode << 16), name, size) > 0;
}

// Where the text is cut before the shortcut is written: its last tab, or its end. Walked by
// character, so a byte inside a double-byte character is never taken for a tab.
char* LastTabOrEnd(char* text) {
    char* tab = nullptr;
    char* p = text;
    for (; *p; p = NextChar(p))
        if (*p == '\t')
            tab = p;
    return tab ? tab : p;
}

} // namespace

CAccelerator::CAccelerator(HACCEL accel) {
    Attach(accel);
}

CAccelerator::~CAccelerator() {
    Destroy();
}

bool CAccelerator::Attach(HACCEL accel) {
    if (!accel || handle)
        return false;
    handle = accel;
    return true;
}

HACCEL CAccelerator::Detach() {
    HACCEL accel = handle;
    handle = nullptr;
    return accel;
}

bool CAccelerator::Destroy() {
    HACCEL accel = Detach();
    return accel && ::DestroyAcceleratorTable(accel);
}

bool CAccelerator::TakeOver(HACCEL accel) {
    if (Attach(accel))
        return true;
    if (accel)
        ::DestroyAcceleratorTable(accel);
    return false;
}

bool CAccelerator::Create(const ACCEL* entries, int count) {
    return TakeOver(::CreateAcceleratorTableA(const_cast<ACCEL*>(entries), count));
}

bool CAccelerator::CreateW(const ACCEL* entries, int count) {
    return TakeOver(::CreateAcceleratorTableW(const_cast<ACCEL*>(entries), count));
}

bool CAccelerator::Load(HINSTANCE instance, LPCSTR name) {
    return TakeOver(::LoadAcceleratorsA(instance, name));
}

bool CAccelerator::Load(HINSTANCE instance, LPCWSTR name) {
    return TakeOver(::LoadAcceleratorsW(instance, name));
}

int CAccelerator::Copy(ACCEL* entries, int capacity) const {
    return ::CopyAcceleratorTableA(handle, entries, capacity);
}

int CAccelerator::CopyW(ACCEL* entries, int capacity) const {
    return ::CopyAcceleratorTableW(handle, entries, capacity);
}

int CAccelerator::GetCount() const {
    return Copy(nullptr, 0);
}

int CAccelerator::Translate(HWND target, MSG* msg) const {
    return ::TranslateAcceleratorA(target, handle, msg);
}

int CAccelerator::TranslateW(HWND target, MSG* msg) const {
    return ::TranslateAcceleratorW(target, handle, msg);
}

int CAccelerator::SetMenuShortcutText(HMENU menu) const {
    if (!::IsMenu(menu))
        return 0;
    int count = GetCount();
    if (count == 0)
        return 1;
    std::vector<ACCEL> entries(count);
    Copy(entries.data(), count);

    char text[kLabelSize] = {};
    MENUITEMINFOA info = MakeMenuInfo(MIIM_TYPE | MIIM_ID);
    info.fType = MFT_STRING;
    for (const ACCEL& entry : entries) {
        info.dwTypeData = nullptr;
        info.cch = 0;
        HMENU level = FindMenuItem(menu, entry.cmd, FALSE, &info);
        if (!level || info.cch >= kLabelSize)
            continue;
        // A bitmap, owner-drawn or separator item has no label of ours to rewrite.
        if (info.fType & (MFT_BITMAP | MFT_OWNERDRAW | MFT_SEPARATOR))
            continue;
        info.dwTypeData = text;
        info.cch += 1;
        if (!::GetMenuItemInfoA(level, entry.cmd, FALSE, &info))
            continue;

        char key[32];
        if (!WriteKeyName(entry.key, key, sizeof key))
            continue;
        char suffix[64] = "\t";
        if (entry.fVirt & FCONTROL)
            std::strcat(suffix, "Ctrl+");
        if (entry.fVirt & FSHIFT)
            std::strcat(suffix, "Shift+");
        if (entry.fVirt & FALT)
            std::strcat(suffix, "Alt+");
        std::strcat(suffix, key);

        char* cut = LastTabOrEnd(text);
        // A label that cannot hold its shortcut keeps its old text.
        if ((cut - text) + std::strlen(suffix) + 1 > sizeof text)
            continue;
        std::strcpy(cut, suffix);
        ::SetMenuItemInfoA(level, entry.cmd, FALSE, &info);
    }
    return 1;
}

} // namespace vela::wx
