// The application object: the main window, the message loop and the window message map.
#pragma once

#include <windows.h>

#include "vela/wx/shell/Accelerator.h"
#include "vela/wx/window/Window.h"

namespace vela::wx {

// The object is the main window. Window-map handlers answer 0 for handled; anything else sends
// the message on to OnWndDefault. Every default handler answers 1.
class CApplication : public virtual CWindow {
public:
    explicit CApplication(LPCSTR title);

    virtual void Run();
    // Never sleeps: OnIdle is called again and again while the queue is empty.
    virtual void RunWithIdle();
    virtual bool Initialize();
    virtual void OnExit() {}
    virtual void OnIdle() {}
    virtual LRESULT OnWndDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // True makes Initialize fail before OnInitInstance.
    virtual bool RefuseStart() { return false; }
    virtual HWND CreateMainWindow();
    virtual bool OnInitInstance();

    // WM_CREATE: (CREATESTRUCT* create)
    virtual int OnWndCreate(HWND, WPARAM, LPARAM) { return 1; }
    // WM_DESTROY: ()
    virtual int OnWndDestroy(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MOVE: (int x, int y)
    virtual int OnWndMove(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SIZE: (UINT type, int cx, int cy)
    virtual int OnWndSize(HWND, WPARAM, LPARAM) { return 1; }
    // WM_ACTIVATE: (WORD state, BOOL minimized, HWND other)
    virtual int OnWndActivate(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SETFOCUS: (HWND lostFocus)
    virtual int OnWndSetFocus(HWND, WPARAM, LPARAM) { return 1; }
    // WM_KILLFOCUS: (HWND gainingFocus)
    virtual int OnWndKillFocus(HWND, WPARAM, LPARAM) { return 1; }
    // WM_ENABLE: (BOOL enabled)
    virtual int OnWndEnable(HWND, WPARAM, LPARAM) { return 1; }
    // WM_PAINT: ()
    virtual int OnWndPaint(HWND, WPARAM, LPARAM) { return 1; }
    // WM_CLOSE: ()
    virtual int OnWndClose(HWND, WPARAM, LPARAM) { return 1; }
    // WM_ERASEBKGND: (HDC dc)
    virtual int OnWndEraseBkgnd(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SHOWWINDOW: (BOOL show, UINT status)
    virtual int OnWndShowWindow(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SETCURSOR: (HWND window, WORD hitTest, WORD message)
    virtual int OnWndSetCursor(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MOUSEACTIVATE: (HWND topLevel, WORD hitTest, WORD message)
    virtual int OnWndMouseActivate(HWND, WPARAM, LPARAM) { return 1; }
    // WM_CHILDACTIVATE: ()
    virtual int OnWndChildActivate(HWND, WPARAM, LPARAM) { return 1; }
    // WM_GETMINMAXINFO: (MINMAXINFO* info)
    virtual int OnWndGetMinMaxInfo(HWND, WPARAM, LPARAM) { return 1; }
    // WM_DRAWITEM: (UINT id, DRAWITEMSTRUCT* item)
    virtual int OnWndDrawItem(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MEASUREITEM: (UINT id, MEASUREITEMSTRUCT* item)
    virtual int OnWndMeasureItem(HWND, WPARAM, LPARAM) { return 1; }
    // WM_NOTIFY: (int id, NMHDR* header)
    virtual int OnWndNotify(HWND, WPARAM, LPARAM) { return 1; }
    // WM_HELP: (HELPINFO* info)
    virtual int OnWndHelp(HWND, WPARAM, LPARAM) { return 1; }
    // WM_KEYDOWN: (UINT key, UINT flags)
    virtual int OnWndKeyDown(HWND, WPARAM, LPARAM) { return 1; }
    // WM_KEYUP: (UINT key, UINT flags)
    virtual int OnWndKeyUp(HWND, WPARAM, LPARAM) { return 1; }
    // WM_CHAR: (UINT code, UINT flags)
    virtual int OnWndChar(HWND, WPARAM, LPARAM) { return 1; }
    // WM_DEADCHAR: (UINT code, UINT flags)
    virtual int OnWndDeadChar(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SYSKEYDOWN: (UINT key, UINT flags)
    virtual int OnWndSysKeyDown(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SYSKEYUP: (UINT key, UINT flags)
    virtual int OnWndSysKeyUp(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SYSCHAR: (UINT code, UINT flags)
    virtual int OnWndSysChar(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SYSDEADCHAR: (UINT code, UINT flags)
    virtual int OnWndSysDeadChar(HWND, WPARAM, LPARAM) { return 1; }
    // WM_UNICHAR: (UINT code, UINT flags)
    virtual int OnWndUniChar(HWND, WPARAM, LPARAM) { return 1; }
    // WM_COMMAND: (WORD id, WORD code, HWND control)
    virtual int OnWndCommand(HWND, WPARAM, LPARAM) { return 1; }
    // WM_SYSCOMMAND: (UINT command, int x, int y)
    virtual int OnWndSysCommand(HWND, WPARAM, LPARAM) { return 1; }
    // WM_TIMER: (UINT_PTR id, TIMERPROC proc)
    virtual int OnWndTimer(HWND, WPARAM, LPARAM) { return 1; }
    // WM_HSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnWndHScroll(HWND, WPARAM, LPARAM) { return 1; }
    // WM_VSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnWndVScroll(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MENUSELECT: (WORD item, WORD flags, HMENU menu)
    virtual int OnWndMenuSelect(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MENUCHAR: (WORD code, WORD type, HMENU menu)
    virtual int OnWndMenuChar(HWND, WPARAM, LPARAM) { return 1; }
    // WM_ENTERMENULOOP: (BOOL popup)
    virtual int OnWndEnterMenuLoop(HWND, WPARAM, LPARAM) { return 1; }
    // WM_EXITMENULOOP: (BOOL popup)
    virtual int OnWndExitMenuLoop(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MOUSEMOVE: (UINT keys, int x, int y)
    virtual int OnWndMouseMove(HWND, WPARAM, LPARAM) { return 1; }
    // WM_LBUTTONDOWN: (UINT keys, int x, int y)
    virtual int OnWndLButtonDown(HWND, WPARAM, LPARAM) { return 1; }
    // WM_LBUTTONUP: (UINT keys, int x, int y)
    virtual int OnWndLButtonUp(HWND, WPARAM, LPARAM) { return 1; }
    // WM_LBUTTONDBLCLK: (UINT keys, int x, int y)
    virtual int OnWndLButtonDblClk(HWND, WPARAM, LPARAM) { return 1; }
    // WM_RBUTTONDOWN: (UINT keys, int x, int y)
    virtual int OnWndRButtonDown(HWND, WPARAM, LPARAM) { return 1; }
    // WM_RBUTTONUP: (UINT keys, int x, int y)
    virtual int OnWndRButtonUp(HWND, WPARAM, LPARAM) { return 1; }
    // WM_RBUTTONDBLCLK: (UINT keys, int x, int y)
    virtual int OnWndRButtonDblClk(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MBUTTONDOWN: (UINT keys, int x, int y)
    virtual int OnWndMButtonDown(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MBUTTONUP: (UINT keys, int x, int y)
    virtual int OnWndMButtonUp(HWND, WPARAM, LPARAM) { return 1; }
    // WM_MBUTTONDBLCLK: (UINT keys, int x, int y)
    virtual int OnWndMButtonDblClk(HWND, WPARAM, LPARAM) { return 1; }
    // WM_DROPFILES: (HDROP drop)
    virtual int OnWndDropFiles(HWND, WPARAM, LPARAM) { return 1; }
    // WM_DRAWCLIPBOARD: ()
    virtual int OnWndDrawClipboard(HWND, WPARAM, LPARAM) { return 1; }
    // WM_QUERYENDSESSION: (UINT source, UINT reason)
    virtual int OnWndQueryEndSession(HWND, WPARAM, LPARAM) { return 1; }
    // WM_USERCHANGED: ()
    virtual int OnWndUserChanged(HWND, WPARAM, LPARAM) { return 1; }
    // The procedure must be StaticWndProc for the window's messages to reach the object.
    virtual bool RegisterWindowClass(WNDPROC proc, LPCSTR className, HBRUSH background);

    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The accelerators always command the main window, whichever window the key was for.
    BOOL PreTranslateMessage(MSG* msg) override;

    void Execute(bool withIdle);

    char title[256];
    HINSTANCE instance = nullptr;
    CAccelerator accelerator;
    ATOM classAtom = 0;
    // How OnInitInstance first shows the main window; a restored placement may ask for
    // SW_SHOWMAXIMIZED.
    int showCommand = SW_SHOW;
};

} // namespace vela::wx
