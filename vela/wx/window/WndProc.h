// Window-procedure observers, their subject, and the interface a bound object handles messages by.
#pragma once

#include <windows.h>

#include "vela/fnd/Observer.h"

namespace vela::wx {

// Told about each message after the observed window's own procedure has handled it.
class CWndProcObserver : public fnd::CObserver<CWndProcObserver> {
public:
    virtual HWND GetHandle() { return nullptr; }
    virtual int OnWndProc(HWND /*hwnd*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
        return 0;
    }
};

class CWndProcSubject : public fnd::CSubject<CWndProcObserver> {
public:
    // Always 0. An observer that detaches itself ends the walk: its `next` is null by then.
    virtual int Notify(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        for (CWndProcObserver* observer = head; observer;) {
            observer->OnWndProc(hwnd, message, wParam, lParam);
            observer = observer->next;
        }
        return 0;
    }
};

class CWindowProc : public IVelaObject {
public:
    virtual LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    virtual LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return DefaultProc(hwnd, message, wParam, lParam);
    }
};

} // namespace vela::wx
