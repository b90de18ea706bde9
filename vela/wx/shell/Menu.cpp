// Owner of one menu, and the menu searches and commands built on the platform's menu calls.
#include "vela/wx/shell/Menu.h"

namespace vela::wx {

namespace {

BOOL QueryItem(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
    return ::GetMenuItemInfoA(menu, item, byPosition, info);
}

BOOL QueryItem(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info) {
    return ::GetMenuItemInfoW(menu, item, byPosition, info);
}

LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, char) {
    return ::SendMessageA(hwnd, message, wParam, lParam);
}

LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, wchar_t) {
    return ::SendMessageW(hwnd, message, wParam, lParam);
}

template <class Info>
HMENU FindMenuItemT(HMENU menu, UINT item, BOOL byPosition, Info* info) {
    if (QueryItem(menu, item, byPosition, info))
        return menu;
    // The walk ends at the first position without a submenu.
    for (int position = 0;; ++position) {
        HMENU sub = ::GetSubMenu(menu, position);
        if (!sub)
            return nullptr;
        if (FindMenuItemT(sub, item, byPosition, info))
            return sub;
    }
}

template <class Ch, class Info>
int GetMenuItemTextT(HMENU menu, UINT item, BOOL byPosition, Ch* text, int capacity) {
    Info info = MakeMenuInfo<Info>(byPosition ? MIIM_TYPE : MIIM_TYPE | MIIM_ID);
    if (QueryItem(menu, item, byPosition, &info)) {
        int wanted = static_cast<int>(info.cch) + 1;
        info.cch = wanted < capacity ? wanted : capacity;
        info.dwTypeData = text;
        if (QueryItem(menu, item, byPosition, &info))
            return static_cast<int>(info.cch);
    }
    if (byPosition)
        return 0;
    for (int position = 0;; ++position) {
        HMENU sub = ::GetSubMenu(menu, position);
        if (!sub)
            return 0;
        if (int copied = GetMenuItemTextT<Ch, Info>(sub, item, FALSE, text, capacity))
            return copied;
    }
}

bool NotifiesByPosition(HMENU menu) {
    MENUINFO info = MakeMenuInfo<MENUINFO>(MIM_STYLE);
    return ::GetMenuInfo(menu, &info) && (info.dwStyle & MNS_NOTIFYBYPOS);
}

// The style that decides is that of the submenu at the position, not of the menu holding it;
// an item without a submenu always gives WM_COMMAND.
template <class Ch>
LRESULT SendCommand(HWND hwnd, HMENU menu, int position, UINT id) {
    HMENU sub = ::GetSubMenu(menu, position);
    if (sub && NotifiesByPosition(sub))
        return SendTo(hwnd, WM_MENUCOMMAND, position, reinterpret_cast<LPARAM>(sub), Ch());
    return SendTo(hwnd, WM_COMMAND, LOWORD(id), 0, Ch());
}

} // namespace

HMENU FindMenuItem(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
    return FindMenuItemT(menu, item, byPosition, info);
}

HMENU FindMenuItem(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info) {
    return FindMenuItemT(menu, item, byPosition, info);
}

HMENU FindMenuContaining(HMENU menu, UINT id) {
    MENUITEMINFOA info = MakeMenuInfo(MIIM_ID);
    if (::GetMenuItemInfoA(menu, id, FALSE, &info))
        return menu;
    int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        HMENU sub = ::GetSubMenu(menu, position);
        if (sub && FindMenuContaining(sub, id))
            return sub;
    }
    return nullptr;
}

int GetMenuItemPosition(HMENU menu, UINT id) {
    int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info = MakeMenuInfo(MIIM_ID);
        if (::GetMenuItemInfoA(menu, position, TRUE, &info) && info.wID == id)
            return position;
    }
    return -1;
}

HMENU FindSubMenuById(HMENU menu, UINT id) {
    int position = GetMenuItemPosition(menu, id);
    if (position >= 0)
        if (HMENU sub = ::GetSubMenu(menu, position))
            return sub;
    int count = ::GetMenuItemCount(menu);
    for (position = 0; position < count; ++position) {
        HMENU sub = ::GetSubMenu(menu, position);
        if (!sub)
            continue;
        if (HMENU found = FindSubMenuById(sub, id))
            return found;
    }
    return nullptr;
}

int GetMenuItemText(HMENU menu, UINT item, BOOL byPosition, LPSTR text, int capacity) {
    return GetMenuItemTextT<char, MENUITEMINFOA>(menu, item, byPosition, text, capacity);
}

int GetMenuItemText(HMENU menu, UINT item, BOOL byPosition, LPWSTR text, int capacity) {
    return GetMenuItemTextT<wchar_t, MENUITEMINFOW>(menu, item, byPosition, text, capacity);
}

BOOL TrackPopupMenuAtCursor(HWND hwnd, HMENU menu) {
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    return ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd, nullptr);
}

LRESULT SendMenuCommand(HWND hwnd, HMENU menu, const MENUITEMINFOA* info) {
    return SendCommand<char>(hwnd, menu, GetMenuItemPosition(menu, info->wID), info->wID);
}

LRESULT SendMenuCommand(HWND hwnd, HMENU menu, const MENUITEMINFOW* info) {
    return SendCommand<wchar_t>(hwnd, menu, GetMenuItemPosition(menu, info->wID), info->wID);
}

} // namespace vela::wx

CMenu::CMenu(HMENU menu) {
    Attach(menu);
}

CMenu::CMenu(HWND hwnd) {
    Attach(::GetMenu(hwnd));
}

CMenu::~CMenu() {
    Destroy();
}

bool CMenu::Attach(HMENU menu) {
    if (!menu || handle)
        return false;
    handle = menu;
    return true;
}

HMENU CMenu::Detach() {
    HMENU menu = handle;
    handle = nullptr;
    return menu;
}

bool CMenu::Destroy() {
    HMENU menu = Detach();
    return menu && ::DestroyMenu(menu);
}

bool CMenu::TakeOver(HMENU menu) {
    if (Attach(menu))
        return true;
    if (menu)
        ::DestroyMenu(menu);
    return false;
}

bool CMenu::Create() {
    return TakeOver(::CreateMenu());
}

bool CMenu::CreatePopup() {
    return TakeOver(::CreatePopupMenu());
}

bool CMenu::Load(HINSTANCE instance, LPCSTR name) {
    return TakeOver(::LoadMenuA(instance, name));
}

bool CMenu::Load(HINSTANCE instance, LPCWSTR name) {
    return TakeOver(::LoadMenuW(instance, name));
}

BOOL CMenu::InsertMenuItem(UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
    return ::InsertMenuItemA(handle, item, byPosition, info);
}

BOOL CMenu::InsertMenuItem(UINT item, BOOL byPosition, const MENUITEMINFOW* info) {
    return ::InsertMenuItemW(handle, item, byPosition, info);
}

BOOL CMenu::DeleteMenu(UINT item, UINT flags) {
    return ::DeleteMenu(handle, item, flags);
}

BOOL CMenu::EnableMenuItem(UINT item, UINT enable) {
    return ::EnableMenuItem(handle, item, enable);
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags) {
    return ::CheckMenuRadioItem(handle, first, last, check, flags);
}

BOOL CMenu::GetMenuInfo(MENUINFO* info) const {
    return ::GetMenuInfo(handle, info);
}

BOOL CMenu::SetMenuInfo(const MENUINFO* info) {
    return ::SetMenuInfo(handle, info);
}

int CMenu::GetMenuItemCount() const {
    return ::GetMenuItemCount(handle);
}

UINT CMenu::GetMenuItemID(int position) const {
    return ::GetMenuItemID(handle, position);
}

BOOL CMenu::GetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOA* info) const {
    return ::GetMenuItemInfoA(handle, item, byPosition, info);
}

BOOL CMenu::GetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOW* info) const {
    return ::GetMenuItemInfoW(handle, item, byPosition, info);
}

BOOL CMenu::SetMenuItemInfo(UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
    return ::SetMenuItemInfoA(handle, item, byPosition, info);
}

BOOL CMenu::SetMenuItemInfo(UINT item, BOOL byPosition, const MENUITEMINFOW* info) {
    return ::SetMenuItemInfoW(handle, item, byPosition, info);
}

BOOL CMenu::GetMenuItemRect(HWND hwnd, UINT item, RECT* rect) const {
    return ::GetMenuItemRect(hwnd, handle, item, rect);
}

HMENU CMenu::GetSubMenu(int position) const {
    return ::GetSubMenu(handle, position);
}

BOOL CMenu::HiliteMenuItem(HWND hwnd, UINT item, UINT flags) {
    return ::HiliteMenuItem(hwnd, handle, item, flags);
}

BOOL CMenu::IsMenu() const {
    return ::IsMenu(handle);
}

int CMenu::MenuItemFromPoint(HWND hwnd, POINT point) const {
    return ::MenuItemFromPoint(hwnd, handle, point);
}

BOOL CMenu::SetMenuItemBitmaps(UINT item, UINT flags, HBITMAP unchecked, HBITMAP checked) {
    return ::SetMenuItemBitmaps(handle, item, flags, unchecked, checked);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND hwnd) {
    return ::TrackPopupMenu(handle, flags, x, y, 0, hwnd, nullptr);
}

BOOL CMenu::TrackPopupMenuEx(UINT flags, int x, int y, HWND hwnd, TPMPARAMS* params) {
    return ::TrackPopupMenuEx(handle, flags, x, y, hwnd, params);
}

bool CMenu::CheckItem(UINT item, UINT flags) {
    return ::CheckMenuItem(handle, item, flags) != static_cast<DWORD>(-1);
}

BOOL CMenu::RadioCheckItem(UINT item, UINT flags) {
    return ::CheckMenuRadioItem(handle, item, item, item, flags);
}

bool CMenu::HasSubMenu() const {
    return ::GetSubMenu(handle, 0) != nullptr;
}

UINT CMenu::GetItemType(UINT item, BOOL byPosition) const {
    MENUITEMINFOA info = vela::wx::MakeMenuInfo(MIIM_TYPE);
    return ::GetMenuItemInfoA(handle, item, byPosition, &info) ? info.fType : 0;
}

UINT CMenu::GetItemState(UINT item, BOOL byPosition) const {
    MENUITEMINFOA info = vela::wx::MakeMenuInfo(MIIM_STATE);
    return ::GetMenuItemInfoA(handle, item, byPosition, &info) ? info.fState : 0;
}

bool CMenu::SendMenuSelect(HWND hwnd, int position) const {
    UINT id = ::GetMenuItemID(handle, position);
    if (id == static_cast<UINT>(-1))
        return false;
    MENUITEMINFOA info = vela::wx::MakeMenuInfo(MIIM_STATE);
    if (!::GetMenuItemInfoA(handle, position, TRUE, &info))
        return false;
    ::SendMessageA(hwnd, WM_MENUSELECT, MAKEWPARAM(id, info.fState),
                   reinterpret_cast<LPARAM>(handle));
    return true;
}

bool CMenu::SendMenuCommand(HWND hwnd, int position) const {
    UINT id = ::GetMenuItemID(handle, position);
    if (id == static_cast<UINT>(-1))
        return false;
    vela::wx::SendCommand<char>(hwnd, handle, position, id);
    return true;
}

HMENU CMenu::RemoveSubMenu(UINT item, UINT flags) {
    if (flags & MF_BYPOSITION) {
        HMENU sub = ::GetSubMenu(handle, item);
        ::RemoveMenu(handle, item, MF_BYPOSITION);
        return sub;
    }
    HMENU level = vela::wx::FindMenuContaining(handle, item);
    if (!level)
        return nullptr;
    MENUITEMINFOA info = vela::wx::MakeMenuInfo(MIIM_SUBMENU);
    ::GetMenuItemInfoA(level, item, FALSE, &info);
    ::RemoveMenu(level, item, MF_BYCOMMAND);
    return info.hSubMenu;
}

HMENU CMenu::FindMenuItem(UINT item, BOOL byPosition, MENUITEMINFOA* info) const {
    return vela::wx::FindMenuItem(handle, item, byPosition, info);
}

HMENU CMenu::FindMenuItem(UINT item, BOOL byPosition, MENUITEMINFOW* info) const {
    return vela::wx::FindMenuItem(handle, item, byPosition, info);
}

HMENU CMenu::FindMenuContaining(UINT id) const {
    return vela::wx::FindMenuContaining(handle, id);
}

int CMenu::GetMenuItemPosition(UINT id) const {
    return vela::wx::GetMenuItemPosition(handle, id);
}

HMENU CMenu::FindSubMenuById(UINT id) const {
    return vela::wx::FindSubMenuById(handle, id);
}

int CMenu::GetMenuItemText(UINT item, BOOL byPosition, LPSTR text, int capacity) const {
    return vela::wx::GetMenuItemText(handle, item, byPosition, text, capacity);
}

int CMenu::GetMenuItemText(UINT item, BOOL byPosition, LPWSTR text, int capacity) const {
    return vela::wx::GetMenuItemText(handle, item, byPosition, text, capacity);
}

BOOL CMenu::TrackPopupMenuAtCursor(HWND hwnd) const {
    return vela::wx::TrackPopupMenuAtCursor(hwnd, handle);
}

LRESULT CMenu::SendMenuCommand(HWND hwnd, const MENUITEMINFOA* info) const {
    return vela::wx::SendMenuCommand(hwnd, handle, info);
}

LRESULT CMenu::SendMenuCommand(HWND hwnd, const MENUITEMINFOW* info) const {
    return vela::wx::SendMenuCommand(hwnd, handle, info);
}
