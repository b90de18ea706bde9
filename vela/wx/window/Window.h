// One system window bound to a library object, the common window procedure and window wrappers.
#pragma once

#include <windows.h>

#include <string>

#include "vela/wx/window/WndProc.h"

namespace vela::wx {

// Does not own its system window: destroying the object only unbinds it.
class CWindow : public CWndProcObserver, public CWindowProc {
public:
    CWindow() = default;
    // Starts unbound like the plain constructor, then binds the handle.
    explicit CWindow(HWND hwnd);
    ~CWindow() override;

    HWND GetHandle() override { return handle; }

    virtual bool Attach(HWND hwnd);
    virtual void AddObserver(CWndProcObserver* observer);
    virtual bool InsertObserver(CWndProcObserver* reference, CWndProcObserver* observer);
    virtual void RemoveObserver(CWndProcObserver* observer);
    // Nonzero: the message is consumed and the loop neither translates nor dispatches it.
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual HWND Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT* rect,
                        HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
    virtual HWND CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                          const RECT* rect, HWND parent, HMENU menu, HINSTANCE instance,
                          LPVOID param);
    virtual HWND CreateExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                           int y, int width, int height, HWND parent, HMENU menu,
                           HINSTANCE instance, LPVOID param);
    virtual HWND CreateExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                           int y, int width, int height, HWND parent, HMENU menu,
                           HINSTANCE instance, LPVOID param);
    virtual int ShowMessageBox(LPCSTR text, LPCSTR caption, UINT type);

    HWND Detach();
    static CWindow* FromHandle(HWND hwnd);
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL SetText(LPCSTR text);
    bool GetText(std::string& text);
    bool GetText(std::wstring& text);
    int GetTextA(LPSTR text, int capacity);
    int GetTextW(LPWSTR text, int capacity);
    int GetTextLengthA();
    int GetTextLengthW();
    HMENU GetMenu();
    BOOL Invalidate(const RECT* rect, BOOL erase);
    BOOL Show(int command);
    BOOL Update();
    HWND GetParent();
    BOOL Destroy();
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);
    LONG GetLong(int index);
    HINSTANCE GetInstanceHandle();
    bool HasHScroll();
    bool HasVScroll();
    BOOL GetRect(RECT* rect);
    bool GetRectInParent(RECT* rect);
    SIZE* GetSize(SIZE* size);
    int GetWidth();
    int GetHeight();
    BOOL Move(int x, int y, int width, int height, BOOL repaint);
    BOOL SetSize(int width, int height, BOOL repaint);
    BOOL SetClientSize(int width, int height, BOOL repaint);
    BOOL SetPosition(HWND insertAfter, int x, int y, UINT flags);
    BOOL SetPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    BOOL AdjustRect(RECT* rect);
    bool ClientToScreenRect(RECT* rect);
    bool ScreenToClientRect(RECT* rect);
    BOOL GetScrollInfo(int bar, SCROLLINFO* info);
    BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask);
    BOOL GetScrollRange(int bar, int* minimum, int* maximum);
    // The largest position the thumb can reach: the range's end less the page, plus one.
    int GetScrollMax(int bar);
    bool GetMinMaxInfo(MINMAXINFO* info);
    BOOL Flash(DWORD timeout, DWORD flags, UINT count);
    bool AskYesNo(LPCSTR text, LPCSTR caption);

    HWND handle = nullptr;
    CWndProcSubject observers;

    // Carries the object being created to the first message that can bind it; null otherwise.
    // Read-only: only the creating calls and StaticWndProc set it.
    static CWindow* const& PendingWindow;

protected:
    // Runs a creating call while this object waits for the new handle's first message; zero
    // while the object already has a window. A call that never reached that message (a template
    // that could not be loaded) leaves nothing pending.
    template <class Create>
    auto RunPending(Create create) -> decltype(create()) {
        if (handle)
            return {};
        pendingWindow = this;
        auto result = create();
        pendingWindow = nullptr;
        return result;
    }

    // As RunPending, then binds what the call made.
    template <class Create>
    HWND CreateBound(Create create) {
        HWND hwnd = RunPending(create);
        if (hwnd)
            Attach(hwnd);
        return hwnd;
    }

private:
    static inline CWindow* pendingWindow = nullptr;

    // Where MoveWindow expects the window's top-left corner to be given.
    POINT GetOrigin();
};

// The window class record with no extra bytes; the class atom, 0 on failure.
ATOM RegisterWndClassA(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                       HBRUSH background, LPCSTR className, LPCSTR menuName, WNDPROC proc);
ATOM RegisterWndClassW(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                       HBRUSH background, LPCWSTR className, LPCWSTR menuName, WNDPROC proc);
ATOM RegisterWndClassExA(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                         HBRUSH background, LPCSTR className, LPCSTR menuName, HICON smallIcon,
                         WNDPROC proc);
ATOM RegisterWndClassExW(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                         HBRUSH background, LPCWSTR className, LPCWSTR menuName, HICON smallIcon,
                         WNDPROC proc);

// Both corners; true only when both conversions succeed.
bool ClientToScreenRect(HWND hwnd, RECT* rect);
bool ScreenToClientRect(HWND hwnd, RECT* rect);

} // namespace vela::wx
