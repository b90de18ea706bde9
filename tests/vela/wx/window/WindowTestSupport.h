// Shared pieces of the window tests: the test window class, key presses and a loop deadline.
#pragma once

#include <windows.h>

namespace test {

// Registered on first use in this module, with the framework's common window procedure.
LPCSTR TestWindowClass();
LPCWSTR TestWindowClassW();

// An unbound window of the test class: no framework object ever takes it.
HWND CreateUnboundWindow(DWORD style);

// Top-level windows of this thread of one class, "#32770" for dialogs.
int ThreadWindowCount(LPCSTR className);

// Whatever an earlier test left in this thread's queue, removed; pending paints are done.
void DrainQueue();

// Posts the press of one key to a window as the keyboard would: with its scan code, so that
// TranslateMessage can make a character of it.
void PostKey(HWND hwnd, UINT key);

// What the thread believes about Ctrl and Shift, which accelerators and dialog navigation read.
void HoldModifiers(bool control, bool shift);

// While it lives, posts WM_QUIT after five seconds so that a loop waiting for a test's own end
// returns all the same; Fired tells that it had to.
class LoopDeadline {
public:
    LoopDeadline();
    ~LoopDeadline();
    LoopDeadline(const LoopDeadline&) = delete;
    LoopDeadline& operator=(const LoopDeadline&) = delete;

    bool Fired() const { return fired; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    UINT_PTR timer = 0;
    bool fired = false;
};

} // namespace test
