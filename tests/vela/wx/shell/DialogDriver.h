// Finds the next dialog this thread opens and acts on it, the way a user at the desk would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace test {

// While it lives, the first dialog window (class "#32770") activated on this thread is recorded
// and, once its modal loop runs, handed to the action. A dialog still open five seconds later,
// and any box it raised, is cancelled so that a failing test ends instead of waiting.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND)> action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool Found() const { return dialog != nullptr; }
    bool Forced() const { return forced; }
    // The dialog's caption as it was when the dialog was activated.
    const std::string& Caption() const { return caption; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    std::function<void(HWND)> action;
    HHOOK hook = nullptr;
    UINT_PTR timer = 0;
    HWND dialog = nullptr;
    std::string caption;
    int ticks = 0;
    bool forced = false;
};

// Posts a button click to a dialog, as a click on its button would arrive.
void PressButton(HWND dialog, int id);
// Whether some child window, at any depth, carries exactly this text.
bool HasChildText(HWND dialog, const std::string& text);

} // namespace test
