// Shared pieces of the window tests: the test window class, key presses and a loop deadline.
#include "tests/vela/wx/window/WindowTestSupport.h"

#include "vela/wx/window/Window.h"

namespace test {

namespace {

LoopDeadline* currentDeadline = nullptr;

struct ClassCount {
    LPCSTR className;
    int count;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lParam) {
    auto* counted = reinterpret_cast<ClassCount*>(lParam);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpiA(className, counted->className) == 0)
        ++counted->count;
    return TRUE;
}

} // namespace

LPCSTR TestWindowClass() {
    static ATOM atom = vela::wx::RegisterWndClassExA(
        CS_HREDRAW | CS_VREDRAW, GetModuleHandleA(nullptr), nullptr,
        LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
        "VelaTestWindow", nullptr, nullptr, vela::wx::CWindow::StaticWndProc);
    return atom ? "VelaTestWindow" : nullptr;
}

LPCWSTR TestWindowClassW() {
    return TestWindowClass() ? L"VelaTestWindow" : nullptr;
}

HWND CreateUnboundWindow(DWORD style) {
    return CreateWindowExA(0, TestWindowClass(), "abc", style, 10, 20, 200, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

int ThreadWindowCount(LPCSTR className) {
    ClassCount counted = {className, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&counted));
    return counted.count;
}

void DrainQueue() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // WM_PAINT stays in the queue until the window is painted.
        if (msg.message == WM_PAINT)
            DispatchMessageA(&msg);
    }
}

void PostKey(HWND hwnd, UINT key) {
    UINT scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(hwnd, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scanCode << 16)));
}

void HoldModifiers(bool control, bool shift) {
    BYTE keys[256] = {};
    keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

LoopDeadline::LoopDeadline() {
    currentDeadline = this;
    timer = SetTimer(nullptr, 0, 5000, OnTimer);
}

LoopDeadline::~LoopDeadline() {
    KillTimer(nullptr, timer);
    currentDeadline = nullptr;
    if (fired)
        DrainQueue();
}

void CALLBACK LoopDeadline::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!currentDeadline || currentDeadline->fired)
        return;
    currentDeadline->fired = true;
    PostQuitMessage(0);
}

} // namespace test
