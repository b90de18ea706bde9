// The application object: the main window, the message loop and the window message map.
#include "vela/wx/window/Application.h"

namespace vela::wx {

CApplication::CApplication(LPCSTR text) {
    ::lstrcpynA(title, text, sizeof title);
}

void CApplication::Run() {
    MSG msg = {};
    while (::GetMessageA(&msg, nullptr, 0, 0)) {
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        OnIdle();
    }
    OnExit();
}

void CApplication::RunWithIdle() {
    MSG msg = {};
    while (msg.message != WM_QUIT) {
        while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            OnIdle();
        // WM_QUIT answers 0 here and stays in the record, which ends the outer loop.
        if (::GetMessageA(&msg, nullptr, 0, 0) && !PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    OnExit();
}

void CApplication::Execute(bool withIdle) {
    if (withIdle)
        RunWithIdle();
    else
        Run();
}

bool CApplication::Initialize() {
    instance = ::GetModuleHandleA(nullptr);
    if (RefuseStart())
        return false;
    return OnInitInstance();
}

LRESULT CApplication::OnWndDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CApplication::CreateMainWindow() {
    return CreateExA(0, MAKEINTATOM(classAtom), title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                     CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
}

bool CApplication::OnInitInstance() {
    Update();
    Show(showCommand);
    return true;
}

bool CApplication::RegisterWindowClass(WNDPROC proc, LPCSTR className, HBRUSH background) {
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    classAtom = RegisterWndClassExA(CS_HREDRAW | CS_VREDRAW, instance, nullptr, arrow, background,
                                    className, nullptr, nullptr, proc);
    if (!classAtom) {
        // The window does not exist yet, so the box has no owner.
        ShowMessageBox("RegisterClassEx Failed.", nullptr, MB_OK);
        return false;
    }
    return true;
}

BOOL CApplication::PreTranslateMessage(MSG* msg) {
    return accelerator.Translate(handle, msg);
}

LRESULT CApplication::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    int r = 1;
    switch (message) {
    case WM_CREATE:
        r = OnWndCreate(hwnd, wParam, lParam);
        // -1 makes the platform abandon the window.
        if (r == -1)
            return -1;
        break;
    case WM_DESTROY:
        OnWndDestroy(hwnd, wParam, lParam);
        ::PostQuitMessage(0);
        return 0;
    case WM_MOVE:
        r = OnWndMove(hwnd, wParam, lParam);
        break;
    case WM_SIZE:
        r = OnWndSize(hwnd, wParam, lParam);
        break;
    case WM_ACTIVATE:
        r = OnWndActivate(hwnd, wParam, lParam);
        break;
    case WM_SETFOCUS:
        r = OnWndSetFocus(hwnd, wParam, lParam);
        break;
    case WM_KILLFOCUS:
        r = OnWndKillFocus(hwnd, wParam, lParam);
        break;
    case WM_ENABLE:
        r = OnWndEnable(hwnd, wParam, lParam);
        break;
    case WM_PAINT:
        r = OnWndPaint(hwnd, wParam, lParam);
        break;
    case WM_CLOSE:
        r = OnWndClose(hwnd, wParam, lParam);
        break;
    case WM_ERASEBKGND:
        r = OnWndEraseBkgnd(hwnd, wParam, lParam);
        break;
    case WM_SHOWWINDOW:
        r = OnWndShowWindow(hwnd, wParam, lParam);
        break;
    case WM_SETCURSOR:
        r = OnWndSetCursor(hwnd, wParam, lParam);
        break;
    case WM_MOUSEACTIVATE:
        r = OnWndMouseActivate(hwnd, wParam, lParam);
        break;
    case WM_CHILDACTIVATE:
        r = OnWndChildActivate(hwnd, wParam, lParam);
        break;
    case WM_GETMINMAXINFO:
        r = OnWndGetMinMaxInfo(hwnd, wParam, lParam);
        break;
    case WM_DRAWITEM:
        r = OnWndDrawItem(hwnd, wParam, lParam);
        break;
    case WM_MEASUREITEM:
        r = OnWndMeasureItem(hwnd, wParam, lParam);
        break;
    case WM_NOTIFY:
        r = OnWndNotify(hwnd, wParam, lParam);
        break;
    case WM_HELP:
        r = OnWndHelp(hwnd, wParam, lParam);
        break;
    case WM_KEYDOWN:
        r = OnWndKeyDown(hwnd, wParam, lParam);
        break;
    case WM_KEYUP:
        r = OnWndKeyUp(hwnd, wParam, lParam);
        break;
    case WM_CHAR:
        r = OnWndChar(hwnd, wParam, lParam);
        break;
    case WM_DEADCHAR:
        r = OnWndDeadChar(hwnd, wParam, lParam);
        break;
    case WM_SYSKEYDOWN:
        r = OnWndSysKeyDown(hwnd, wParam, lParam);
        break;
    case WM_SYSKEYUP:
        r = OnWndSysKeyUp(hwnd, wParam, lParam);
        break;
    case WM_SYSCHAR:
        r = OnWndSysChar(hwnd, wParam, lParam);
        break;
    case WM_SYSDEADCHAR:
        r = OnWndSysDeadChar(hwnd, wParam, lParam);
        break;
    case WM_UNICHAR:
        r = OnWndUniChar(hwnd, wParam, lParam);
        break;
    case WM_COMMAND:
        r = OnWndCommand(hwnd, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        r = OnWndSysCommand(hwnd, wParam, lParam);
        break;
    case WM_TIMER:
        r = OnWndTimer(hwnd, wParam, lParam);
        break;
    case WM_HSCROLL:
        r = OnWndHScroll(hwnd, wParam, lParam);
        break;
    case WM_VSCROLL:
        r = OnWndVScroll(hwnd, wParam, lParam);
        break;
    case WM_MENUSELECT:
        r = OnWndMenuSelect(hwnd, wParam, lParam);
        break;
    case WM_MENUCHAR:
        r = OnWndMenuChar(hwnd, wParam, lParam);
        break;
    case WM_ENTERMENULOOP:
        r = OnWndEnterMenuLoop(hwnd, wParam, lParam);
        break;
    case WM_EXITMENULOOP:
        r = OnWndExitMenuLoop(hwnd, wParam, lParam);
        break;
    case WM_MOUSEMOVE:
        r = OnWndMouseMove(hwnd, wParam, lParam);
        break;
    case WM_LBUTTONDOWN:
        r = OnWndLButtonDown(hwnd, wParam, lParam);
        break;
    case WM_LBUTTONUP:
        r = OnWndLButtonUp(hwnd, wParam, lParam);
        break;
    case WM_LBUTTONDBLCLK:
        r = OnWndLButtonDblClk(hwnd, wParam, lParam);
        break;
    case WM_RBUTTONDOWN:
        r = OnWndRButtonDown(hwnd, wParam, lParam);
        break;
    case WM_RBUTTONUP:
        r = OnWndRButtonUp(hwnd, wParam, lParam);
        break;
    case WM_RBUTTONDBLCLK:
        r = OnWndRButtonDblClk(hwnd, wParam, lParam);
        break;
    case WM_MBUTTONDOWN:
        r = OnWndMButtonDown(hwnd, wParam, lParam);
        break;
    case WM_MBUTTONUP:
        r = OnWndMButtonUp(hwnd, wParam, lParam);
        break;
    case WM_MBUTTONDBLCLK:
        r = OnWndMButtonDblClk(hwnd, wParam, lParam);
        break;
    case WM_DROPFILES:
        r = OnWndDropFiles(hwnd, wParam, lParam);
        break;
    case WM_DRAWCLIPBOARD:
        r = OnWndDrawClipboard(hwnd, wParam, lParam);
        break;
    case WM_QUERYENDSESSION:
        r = OnWndQueryEndSession(hwnd, wParam, lParam);
        break;
    case WM_USERCHANGED:
        r = OnWndUserChanged(hwnd, wParam, lParam);
        break;
    }
    if (r == 0)
        return 0;
    return OnWndDefault(hwnd, message, wParam, lParam);
}

} // namespace vela::wx
