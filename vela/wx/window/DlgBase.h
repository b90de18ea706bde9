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
    virtual int OnDestroy(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MOVE: (int x, int y)
    virtual int OnMove(HWND, WPARAM, LPARAM) { return 0; }
    // WM_SIZE: (UINT type, int cx, int cy)
    virtual int OnSize(HWND, WPARAM, LPARAM) { return 0; }
    // WM_SETFOCUS: (HWND lostFocus)
    virtual int OnSetFocus(HWND, WPARAM, LPARAM) { return 0; }
    // WM_KILLFOCUS: (HWND gainingFocus)
    virtual int OnKillFocus(HWND, WPARAM, LPARAM) { return 0; }
    // WM_ENABLE: (BOOL enabled)
    virtual int OnEnable(HWND, WPARAM, LPARAM) { return 0; }
    // WM_PAINT: ()
    virtual int OnPaint(HWND, WPARAM, LPARAM) { return 0; }
    // WM_CLOSE: ()
    virtual int OnClose(HWND, WPARAM, LPARAM) { return 0; }
    // WM_QUERYDRAGICON: ()
    virtual int OnQueryDragIcon(HWND, WPARAM, LPARAM) { return 0; }
    // WM_WINDOWPOSCHANGING: (WINDOWPOS* pos)
    virtual int OnWindowPosChanging(HWND, WPARAM, LPARAM) { return 0; }
    // WM_WINDOWPOSCHANGED: (WINDOWPOS* pos)
    virtual int OnWindowPosChanged(HWND, WPARAM, LPARAM) { return 0; }
    // WM_DRAWITEM: (UINT id, DRAWITEMSTRUCT* item)
    virtual int OnDrawItem(HWND, WPARAM, LPARAM) { return 0; }
    // WM_MEASUREITEM: (UINT id, MEASUREITEMSTRUCT* item)
    virtual int OnMeasureItem(HWND, WPARAM, LPARAM) { return 0; }
    // WM_NOTIFY: (int id, NMHDR* header)
    virtual int OnNotify(HWND, WPARAM, LPARAM) { return 0; }
    // WM_GETMINMAXINFO: (MINMAXINFO* info)
    virtual int OnGetMinMaxInfo(HWND, WPARAM, LPARAM) { return 0; }
    // WM_HELP: (HELPINFO* info)
    virtual int OnHelp(HWND, WPARAM, LPARAM) { return 0; }
    // WM_NOTIFYFORMAT: (HWND from, int command). NFR_ANSI: the controls send their
    // notifications in the 8-bit form.
    virtual int OnNotifyFormat(HWND, WPARAM, LPARAM) { return NFR_ANSI; }
    // WM_GETICON: (UINT type, DWORD dpi)
    virtual int OnGetIcon(HWND, WPARAM, LPARAM) { return 0; }
    // WM_GETDLGCODE: (UINT key, MSG* msg)
    virtual int OnGetDlgCode(HWND, WPARAM, LPARAM) { return 0; }
    // WM_KEYDOWN: (UINT key, UINT flags)
    virtual int OnKeyDown(HWND, WPARAM, LPARAM) { return 0; }
    // WM_KEYUP: (UINT key, UINT flags)
    virtual int OnKeyUp(HWND, WPARAM, LPARAM) { return 0; }
    // WM_CHAR: (UINT code, UINT flags)
    virtual int OnChar(HWND, WPARAM, LPARAM) { return 0; }
    // WM_DEADCHAR: (UINT code, UINT flags)
    virtual int OnDeadChar(HWND, WPARAM, LPARAM) { return 0; }
    // WM_SYSKEYDOWN: (UINT key, UINT flags)
    virtual int OnSysKeyDown(HWND, WPARAM, LPARAM) { return 0; }
    // WM_SYSKEYUP: (UINT key, UINT flags)
    virtual int OnSysKeyUp(HWND, WPARAM, LPARAM) { return 0; }
    // WM_INITDIALOG: (HWND focus, LPARAM init). 1 lets the platform put the focus on the
    // first control.
    virtual int OnInitDialog(HWND, WPARAM, LPARAM) { return 1; }
    // WM_COMMAND: (WORD id, WORD code, HWND control). By default IDOK and IDCANCEL close the
    // dialog.
    virtual int OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSCOMMAND: (UINT command, int x, int y)
    virtual int OnSysCommand(HWND, WPARAM, LPARAM) { return 0; }
    // WM_TIMER: (UINT_PTR id, TIMERPROC proc)
    virtual int OnTimer(HWND, WPARAM, LPARAM) { return 0; }
    // WM_HSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnHScroll(HWND, WPARAM, LPARAM) { return 0; }
    // WM_VSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnVScroll(HWND, WPARAM, LPARAM) { return 0; }
    // WM_INITMENU: (HMENU menu)
    virtual int OnInitMenu(HWND, WPARAM, LPARAM) { return 0; }
    // WM_INITMENUPOPUP: (HMENU popup, WORD position, BOOL system)
    virtual int OnInitMenuPopup(HWND, WPARAM, LPARAM) { return 0; }
    // WM_MENUSELECT: (WORD item, WORD flags, HMENU menu)
    virtual int OnMenuSelect(HWND, WPARAM, LPARAM) { return 0; }
    // WM_MENUCHAR: (WORD code, WORD type, HMENU menu)
    virtual int OnMenuChar(HWND, WPARAM, LPARAM) { return 0; }
    // WM_DROPFILES: (HDROP drop)
    virtual int OnDropFiles(HWND, WPARAM, LPARAM) { return 0; }

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
    // Shown at WM_INITDIALOG, before OnInitDialog fills it. A dialog that shows itself once it
    // is filled clears this, so that nothing in it is drawn twice.
    bool showAtInit = true;
};

} // namespace vela::wx
