// Kalmora's own main dialog and menu, its icon and manifest, and no logic: the floor of its
// start-up.
#include <windows.h>

#include "app/resource.h"

namespace {

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            DestroyWindow(dialog);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

// A modeless dialog and a message loop, as Kalmora runs its own.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, Proc, 0);
    if (!dialog)
        return 1;
    ShowWindow(dialog, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
