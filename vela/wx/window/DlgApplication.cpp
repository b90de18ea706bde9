// A modeless dialog as the program's main window, ending the program when it is destroyed.
#include "vela/wx/window/DlgApplication.h"

namespace vela::wx {

CDlgApplication::CDlgApplication(LPCSTR title) : CApplication(title) {
    // OnInitInstance shows the dialog, filled.
    showAtInit = false;
}

LRESULT CDlgApplication::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DialogProc(hwnd, message, wParam, lParam);
}

BOOL CDlgApplication::PreTranslateMessage(MSG* msg) {
    if (BOOL translated = CApplication::PreTranslateMessage(msg))
        return translated;
    return CDlgBase::PreTranslateMessage(msg);
}

bool CDlgApplication::OnInitInstance() {
    if (handle)
        SetText(title);
    CApplication::OnInitInstance();
    return true;
}

int CDlgApplication::OnDestroy(HWND /*hwnd*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    handle = nullptr;
    ::PostQuitMessage(0);
    return 1;
}

} // namespace vela::wx
