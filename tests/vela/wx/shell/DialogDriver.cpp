// Finds the next dialog this thread opens and acts on it, the way a user at the desk would.
#include "tests/vela/wx/shell/DialogDriver.h"

namespace test {

namespace {

DialogDriver* current = nullptr;

const int kTickMilliseconds = 100;
const int kGiveUpTicks = 50;

bool IsDialog(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    if (IsDialog(window))
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

struct TextSearch {
    const std::string* text;
    bool found;
};

BOOL CALLBACK MatchChildText(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<TextSearch*>(lParam);
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    if (*search->text == text) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> act) : action(std::move(act)) {
    current = this;
    hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
    if (timer)
        KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    current = nullptr;
}

LRESULT CALLBACK DialogDriver::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    DialogDriver* self = current;
    if (code == HCBT_ACTIVATE && self && !self->dialog) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsDialog(window)) {
            self->dialog = window;
            char text[512] = {};
            GetWindowTextA(window, text, sizeof text);
            self->caption = text;
            // The action waits for the dialog's own loop: activation comes before it runs.
            self->timer = SetTimer(nullptr, 0, kTickMilliseconds, OnTimer);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* self = current;
    if (!self)
        return;
    ++self->ticks;
    if (self->ticks == 1) {
        self->action(self->dialog);
    } else if (self->ticks >= kGiveUpTicks) {
        self->forced = true;
        EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
    }
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool HasChildText(HWND dialog, const std::string& text) {
    TextSearch search = {&text, false};
    EnumChildWindows(dialog, MatchChildText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace test
