// Answers the message boxes this thread opens with one button, as a user would.
#include "tests/support/MessageBoxAnswer.h"

namespace test {

namespace {

MessageBoxAnswer* current = nullptr;

BOOL CALLBACK CollectText(HWND child, LPARAM lParam) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        char text[512] = {};
        GetWindowTextA(child, text, sizeof text);
        *reinterpret_cast<std::string*>(lParam) += text;
    }
    return TRUE;
}

} // namespace

MessageBoxAnswer::MessageBoxAnswer(int answer) : button(answer) {
    current = this;
    hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

MessageBoxAnswer::~MessageBoxAnswer() {
    UnhookWindowsHookEx(hook);
    current = nullptr;
}

LRESULT CALLBACK MessageBoxAnswer::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(box, className, sizeof className);
        // A message box is a dialog whose text sits in the static control 0xFFFF; other
        // dialogs of the thread (the program's own among them) are left alone.
        if (lstrcmpA(className, "#32770") == 0 && GetDlgItem(box, 0xFFFF)) {
            char caption[256] = {};
            GetWindowTextA(box, caption, sizeof caption);
            Box answered = {caption, std::string()};
            EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&answered.text));
            current->boxes.push_back(answered);
            // Posted: the box's own modal loop takes it once it runs.
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(current->button, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace test
