// A dialog from a resource template, bound from WM_INITDIALOG on, and the dialog message map.
#include "vela/wx/window/DlgBase.h"

namespace vela::wx {

namespace {

// The code RunModal waits on; End with any other code ends the loop.
constexpr int kRunning = STILL_ACTIVE;

} // namespace

INT_PTR CDlgBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        // Bound before anything else, so that OnInitDialog already finds the object.
        Attach(hwnd);
        if (showAtInit)
            ::ShowWindow(hwnd, SW_SHOW);
        return OnInitDialog(hwnd, wParam, lParam);
    case WM_DESTROY:
        OnDestroy(hwnd, wParam, lParam);
        return 0;
    case WM_CLOSE: {
        int r = OnClose(hwnd, wParam, lParam);
        if (r == 0)
            ::DestroyWindow(hwnd);
        return r;
    }
    case WM_MOVE:
        return OnMove(hwnd, wParam, lParam);
    case WM_SIZE:
        return OnSize(hwnd, wParam, lParam);
    case WM_SETFOCUS:
        return OnSetFocus(hwnd, wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, wParam, lParam);
    case WM_ENABLE:
        return OnEnable(hwnd, wParam, lParam);
    case WM_PAINT:
        return OnPaint(hwnd, wParam, lParam);
    case WM_QUERYDRAGICON:
        return OnQueryDragIcon(hwnd, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(hwnd, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(hwnd, wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(hwnd, wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(hwnd, wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(hwnd, wParam, lParam);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(hwnd, wParam, lParam);
    case WM_HELP:
        return OnHelp(hwnd, wParam, lParam);
    case WM_NOTIFYFORMAT:
        return OnNotifyFormat(hwnd, wParam, lParam);
    case WM_GETICON:
        return OnGetIcon(hwnd, wParam, lParam);
    case WM_GETDLGCODE:
        return OnGetDlgCode(hwnd, wParam, lParam);
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, wParam, lParam);
    case WM_KEYUP:
        return OnKeyUp(hwnd, wParam, lParam);
    case WM_CHAR:
        return OnChar(hwnd, wParam, lParam);
    case WM_DEADCHAR:
        return OnDeadChar(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
        return OnSysKeyDown(hwnd, wParam, lParam);
    case WM_SYSKEYUP:
        return OnSysKeyUp(hwnd, wParam, lParam);
    case WM_COMMAND:
        return OnCommand(hwnd, wParam, lParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(hwnd, wParam, lParam);
    case WM_TIMER:
        return OnTimer(hwnd, wParam, lParam);
    case WM_HSCROLL:
        return OnHScroll(hwnd, wParam, lParam);
    case WM_VSCROLL:
        return OnVScroll(hwnd, wParam, lParam);
    case WM_INITMENU:
        return OnInitMenu(hwnd, wParam, lParam);
    case WM_INITMENUPOPUP:
        return OnInitMenuPopup(hwnd, wParam, lParam);
    case WM_MENUSELECT:
        return OnMenuSelect(hwnd, wParam, lParam);
    case WM_MENUCHAR:
        return OnMenuChar(hwnd, wParam, lParam);
    case WM_DROPFILES:
        return OnDropFiles(hwnd, wParam, lParam);
    }
    return 0;
}

LRESULT CDlgBase::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DialogProc(hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK CDlgBase::StaticDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return StaticWndProc(hwnd, message, wParam, lParam);
}

BOOL CDlgBase::PreTranslateMessage(MSG* msg) {
    return ::IsDialogMessageA(handle, msg);
}

HWND CDlgBase::CreateModeless(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                              LPARAM param) {
    return CreateBound(
        [&] { return ::CreateDialogParamA(instance, templateName, parent, proc, param); });
}

HWND CDlgBase::CreateModelessW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                               LPARAM param) {
    return CreateBound(
        [&] { return ::CreateDialogParamW(instance, templateName, parent, proc, param); });
}

INT_PTR CDlgBase::DoModal(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                          LPARAM param) {
    return RunPending(
        [&] { return ::DialogBoxParamA(instance, templateName, parent, proc, param); });
}

INT_PTR CDlgBase::DoModalW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                           LPARAM param) {
    return RunPending(
        [&] { return ::DialogBoxParamW(instance, templateName, parent, proc, param); });
}

int CDlgBase::RunModal() {
    if (!handle)
        return endCode;
    MSG msg = {};
    HWND parent = GetParent();
    endCode = kRunning;
    Show(SW_SHOW);
    ::EnableWindow(parent, FALSE);
    while (endCode == kRunning && msg.message != WM_QUIT) {
        // Does not wait: a message sent from elsewhere, handled inside PeekMessage, may call End.
        while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && endCode == kRunning) {
        }
        if (::GetMessageA(&msg, nullptr, 0, 0) && !::IsDialogMessageA(handle, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ::DestroyWindow(handle);
    Detach();
    ::EnableWindow(parent, TRUE);
    ::BringWindowToTop(parent);
    return endCode;
}

BOOL CDlgBase::End(HWND dialog, int code) {
    endCode = code;
    return ::EndDialog(dialog, code);
}

HWND CDlgBase::GetItem(int id) {
    return ::GetDlgItem(handle, id);
}

int CDlgBase::OnCommand(HWND hwnd, WPARAM wParam, LPARAM /*lParam*/) {
    WORD id = LOWORD(wParam);
    if (id != IDOK && id != IDCANCEL)
        return 0;
    ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
    return 1;
}

} // namespace vela::wx
