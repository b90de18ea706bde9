// A dialog from a resource template, bound from WM_INITDIALOG on, and the dialog message map.
#pragma once

#include <windows.h>

#include "vela/wx/window/Window.h"

namespace vela::wx {

// A handler's answer is the dialog procedure's answer: nonzero when processed, 0 for the dialog
// manager's default. The procedure given to the creating calls must be StaticDlgProc.
class CDlgBase : public virtual CWindow {
public:
    CDlgBase() = default;

    virtual INT_PTR DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_DESTROY: ()
    virtual int OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MOVE: (int x, int y)
    virtual int OnMove(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SIZE: (UINT type, int cx, int cy)
    virtual int OnSize(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SETFOCUS: (HWND lostFocus)
    virtual int OnSetFocus(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_KILLFOCUS: (HWND gainingFocus)
    virtual int OnKillFocus(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_ENABLE: (BOOL enabled)
    virtual int OnEnable(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_PAINT: ()
    virtual int OnPaint(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_CLOSE: ()
    virtual int OnClose(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_QUERYDRAGICON: ()
    virtual int OnQueryDragIcon(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_WINDOWPOSCHANGING: (WINDOWPOS* pos)
    virtual int OnWindowPosChanging(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_WINDOWPOSCHANGED: (WINDOWPOS* pos)
    virtual int OnWindowPosChanged(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DRAWITEM: (UINT id, DRAWITEMSTRUCT* item)
    virtual int OnDrawItem(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MEASUREITEM: (UINT id, MEASUREITEMSTRUCT* item)
    virtual int OnMeasureItem(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: (int id, NMHDR* header)
    virtual int OnNotify(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_GETMINMAXINFO: (MINMAXINFO* info)
    virtual int OnGetMinMaxInfo(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_HELP: (HELPINFO* info)
    virtual int OnHelp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_NOTIFYFORMAT: (HWND from, int command)
    virtual int OnNotifyFormat(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_GETICON: (UINT type, DWORD dpi)
    virtual int OnGetIcon(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_GETDLGCODE: (UINT key, MSG* msg)
    virtual int OnGetDlgCode(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_KEYDOWN: (UINT key, UINT flags)
    virtual int OnKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_KEYUP: (UINT key, UINT flags)
    virtual int OnKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_CHAR: (UINT code, UINT flags)
    virtual int OnChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DEADCHAR: (UINT code, UINT flags)
    virtual int OnDeadChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSKEYDOWN: (UINT key, UINT flags)
    virtual int OnSysKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSKEYUP: (UINT key, UINT flags)
    virtual int OnSysKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_INITDIALOG: (HWND focus, LPARAM init)
    virtual int OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: (WORD id, WORD code, HWND control)
    virtual int OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSCOMMAND: (UINT command, int x, int y)
    virtual int OnSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_TIMER: (UINT_PTR id, TIMERPROC proc)
    virtual int OnTimer(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_HSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnHScroll(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_VSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnVScroll(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_INITMENU: (HMENU menu)
    virtual int OnInitMenu(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_INITMENUPOPUP: (HMENU popup, WORD position, BOOL system)
    virtual int OnInitMenuPopup(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MENUSELECT: (WORD item, WORD flags, HMENU menu)
    virtual int OnMenuSelect(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MENUCHAR: (WORD code, WORD type, HMENU menu)
    virtual int OnMenuChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DROPFILES: (HDROP drop)
    virtual int OnDropFiles(HWND hwnd, WPARAM wParam, LPARAM lParam);

    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    // StaticWndProc with a dialog procedure's type: a window procedure cast to DLGPROC would be
    // called through a pointer of another type, which only happens to work where LRESULT and
    // INT_PTR are one type.
    static INT_PTR CALLBACK StaticDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The platform's dialog keyboard navigation; nonzero when it has taken the message.
    BOOL PreTranslateMessage(MSG* msg) override;

    HWND CreateModeless(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM param);
    HWND CreateModelessW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                         LPARAM param);
    INT_PTR DoModal(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                    LPARAM param);
    INT_PTR DoModalW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                     LPARAM param);
    // Runs a dialog made by CreateModeless until End gives it a code or WM_QUIT arrives.
    int RunModal();
    // The code is kept in this object whichever dialog the handle belongs to.
    BOOL End(HWND dialog, int code);
    HWND GetItem(int id);

    int endCode = 0;
};

} // namespace vela::wx
