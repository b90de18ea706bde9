// Owner of one menu, and the menu searches and commands built on the platform's menu calls.
#pragma once

#include <windows.h>

// The headers' A/W macros would rename these members to their 8-bit form; they keep the names
// written here, and call the platform's functions by their explicit A or W names.
#undef GetMenuItemInfo
#undef InsertMenuItem
#undef SetMenuItemInfo

namespace vela::wx {

// A zero record of the platform's menu or menu-item information, sized for this build, that asks
// for the fields of mask.
template <class Info = MENUITEMINFOA>
Info MakeMenuInfo(UINT mask) {
    Info info = {};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

// The level of the menu tree at which the item was found: the menu itself, or the direct
// submenu whose tree holds it; none when it is nowhere. A by-command call on that level reaches
// the item even when it sits deeper, since the platform's by-command calls look into submenus.
HMENU FindMenuItem(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
HMENU FindMenuItem(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info);
HMENU FindMenuContaining(HMENU menu, UINT id);
// Among the menu's own items only; -1 when none carries the id.
int GetMenuItemPosition(HMENU menu, UINT id);
HMENU FindSubMenuById(HMENU menu, UINT id);
// Characters copied, 0 when the item was not found; by command the submenus are searched too.
int GetMenuItemText(HMENU menu, UINT item, BOOL byPosition, LPSTR text, int capacity);
int GetMenuItemText(HMENU menu, UINT item, BOOL byPosition, LPWSTR text, int capacity);
BOOL TrackPopupMenuAtCursor(HWND hwnd, HMENU menu);
// WM_MENUCOMMAND when the submenu at the id's position notifies by position, WM_COMMAND
// otherwise; the answer to it.
LRESULT SendMenuCommand(HWND hwnd, HMENU menu, const MENUITEMINFOA* info);
LRESULT SendMenuCommand(HWND hwnd, HMENU menu, const MENUITEMINFOW* info);

} // namespace vela::wx

// Every operation that obtains a new menu offers it to Attach; when Attach refuses, the new
// menu is destroyed and the operation is false. A menu bar taken from a window is owned too.
class CMenu {
public:
    CMenu() = default;
    explicit CMenu(HMENU menu);
    explicit CMenu(HWND hwnd);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    bool Attach(HMENU menu);
    HMENU Detach();
    bool Destroy();
    HMENU GetHandle() const { return handle; }

    bool Create();
    bool CreatePopup();
    bool Load(HINSTANCE instance, LPCSTR name);
    bool Load(HINSTANCE instance, LPCWSTR name);

    BOOL InsertMenuItem(UINT item, BOOL byPosition, const MENUITEMINFOA* info);
    BOOL InsertMenuItem(UINT item, BOOL byPosition, const MENUITEMINFOW* info);
    BOOL DeleteMenu(UINT item, UINT flags);
    BOOL EnableMenuItem(UINT item, UINT enable);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags);
    BOOL GetMenuInfo(MENUINFO* info) const;
    BOOL SetMenuInfo(const MENUINFO* info);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    BOOL GetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOA* info) const;
    BOOL GetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOW* info) const;
    BOOL SetMenuItemInfo(UINT item, BOOL byPosition, const MENUITEMINFOA* info);
    BOOL SetMenuItemInfo(UINT item, BOOL byPosition, const MENUITEMINFOW* info);
    BOOL GetMenuItemRect(HWND hwnd, UINT item, RECT* rect) const;
    HMENU GetSubMenu(int position) const;
    BOOL HiliteMenuItem(HWND hwnd, UINT item, UINT flags);
    BOOL IsMenu() const;
    int MenuItemFromPoint(HWND hwnd, POINT point) const;
    BOOL SetMenuItemBitmaps(UINT item, UINT flags, HBITMAP unchecked, HBITMAP checked);
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND hwnd);
    BOOL TrackPopupMenuEx(UINT flags, int x, int y, HWND hwnd, TPMPARAMS* params);

    // False only when the platform reports that the item does not exist.
    bool CheckItem(UINT item, UINT flags);
    BOOL RadioCheckItem(UINT item, UINT flags);
    bool HasSubMenu() const;
    // 0 when the item does not exist.
    UINT GetItemType(UINT item, BOOL byPosition) const;
    UINT GetItemState(UINT item, BOOL byPosition) const;
    // False, with nothing sent, when the position holds no command item.
    bool SendMenuSelect(HWND hwnd, int position) const;
    bool SendMenuCommand(HWND hwnd, int position) const;
    // The removed item's submenu, not destroyed: the caller owns it now.
    HMENU RemoveSubMenu(UINT item, UINT flags);

    HMENU FindMenuItem(UINT item, BOOL byPosition, MENUITEMINFOA* info) const;
    HMENU FindMenuItem(UINT item, BOOL byPosition, MENUITEMINFOW* info) const;
    HMENU FindMenuContaining(UINT id) const;
    int GetMenuItemPosition(UINT id) const;
    HMENU FindSubMenuById(UINT id) const;
    int GetMenuItemText(UINT item, BOOL byPosition, LPSTR text, int capacity) const;
    int GetMenuItemText(UINT item, BOOL byPosition, LPWSTR text, int capacity) const;
    BOOL TrackPopupMenuAtCursor(HWND hwnd) const;
    LRESULT SendMenuCommand(HWND hwnd, const MENUITEMINFOA* info) const;
    LRESULT SendMenuCommand(HWND hwnd, const MENUITEMINFOW* info) const;

private:
    bool TakeOver(HMENU menu);

    HMENU handle = nullptr;
};
