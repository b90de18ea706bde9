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
    virtual int OnWndCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DESTROY: ()
    virtual int OnWndDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MOVE: (int x, int y)
    virtual int OnWndMove(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SIZE: (UINT type, int cx, int cy)
    virtual int OnWndSize(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_ACTIVATE: (WORD state, BOOL minimized, HWND other)
    virtual int OnWndActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SETFOCUS: (HWND lostFocus)
    virtual int OnWndSetFocus(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_KILLFOCUS: (HWND gainingFocus)
    virtual int OnWndKillFocus(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_ENABLE: (BOOL enabled)
    virtual int OnWndEnable(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_PAINT: ()
    virtual int OnWndPaint(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_CLOSE: ()
    virtual int OnWndClose(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_ERASEBKGND: (HDC dc)
    virtual int OnWndEraseBkgnd(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SHOWWINDOW: (BOOL show, UINT status)
    virtual int OnWndShowWindow(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SETCURSOR: (HWND window, WORD hitTest, WORD message)
    virtual int OnWndSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MOUSEACTIVATE: (HWND topLevel, WORD hitTest, WORD message)
    virtual int OnWndMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_CHILDACTIVATE: ()
    virtual int OnWndChildActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_GETMINMAXINFO: (MINMAXINFO* info)
    virtual int OnWndGetMinMaxInfo(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DRAWITEM: (UINT id, DRAWITEMSTRUCT* item)
    virtual int OnWndDrawItem(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MEASUREITEM: (UINT id, MEASUREITEMSTRUCT* item)
    virtual int OnWndMeasureItem(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: (int id, NMHDR* header)
    virtual int OnWndNotify(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_HELP: (HELPINFO* info)
    virtual int OnWndHelp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_KEYDOWN: (UINT key, UINT flags)
    virtual int OnWndKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_KEYUP: (UINT key, UINT flags)
    virtual int OnWndKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_CHAR: (UINT code, UINT flags)
    virtual int OnWndChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DEADCHAR: (UINT code, UINT flags)
    virtual int OnWndDeadChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSKEYDOWN: (UINT key, UINT flags)
    virtual int OnWndSysKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSKEYUP: (UINT key, UINT flags)
    virtual int OnWndSysKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSCHAR: (UINT code, UINT flags)
    virtual int OnWndSysChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSDEADCHAR: (UINT code, UINT flags)
    virtual int OnWndSysDeadChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_UNICHAR: (UINT code, UINT flags)
    virtual int OnWndUniChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: (WORD id, WORD code, HWND control)
    virtual int OnWndCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_SYSCOMMAND: (UINT command, int x, int y)
    virtual int OnWndSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_TIMER: (UINT_PTR id, TIMERPROC proc)
    virtual int OnWndTimer(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_HSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnWndHScroll(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_VSCROLL: (WORD request, WORD position, HWND bar)
    virtual int OnWndVScroll(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MENUSELECT: (WORD item, WORD flags, HMENU menu)
    virtual int OnWndMenuSelect(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MENUCHAR: (WORD code, WORD type, HMENU menu)
    virtual int OnWndMenuChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_ENTERMENULOOP: (BOOL popup)
    virtual int OnWndEnterMenuLoop(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_EXITMENULOOP: (BOOL popup)
    virtual int OnWndExitMenuLoop(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MOUSEMOVE: (UINT keys, int x, int y)
    virtual int OnWndMouseMove(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_LBUTTONDOWN: (UINT keys, int x, int y)
    virtual int OnWndLButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_LBUTTONUP: (UINT keys, int x, int y)
    virtual int OnWndLButtonUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_LBUTTONDBLCLK: (UINT keys, int x, int y)
    virtual int OnWndLButtonDblClk(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_RBUTTONDOWN: (UINT keys, int x, int y)
    virtual int OnWndRButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_RBUTTONUP: (UINT keys, int x, int y)
    virtual int OnWndRButtonUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_RBUTTONDBLCLK: (UINT keys, int x, int y)
    virtual int OnWndRButtonDblClk(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MBUTTONDOWN: (UINT keys, int x, int y)
    virtual int OnWndMButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MBUTTONUP: (UINT keys, int x, int y)
    virtual int OnWndMButtonUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_MBUTTONDBLCLK: (UINT keys, int x, int y)
    virtual int OnWndMButtonDblClk(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DROPFILES: (HDROP drop)
    virtual int OnWndDropFiles(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_DRAWCLIPBOARD: ()
    virtual int OnWndDrawClipboard(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_QUERYENDSESSION: (UINT source, UINT reason)
    virtual int OnWndQueryEndSession(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // WM_USERCHANGED: ()
    virtual int OnWndUserChanged(HWND hwnd, WPARAM wParam, LPARAM lParam);
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
};

} // namespace vela::wx
