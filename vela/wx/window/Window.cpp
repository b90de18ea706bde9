// One system window bound to a library object, the common window procedure and window wrappers.
#include "vela/wx/window/Window.h"

#include <map>
#include <vector>

namespace vela::wx {

namespace {

// Built on first use and never destroyed: a window object with static storage may be created
// before, or unbound after, any other static object of the program.
std::map<HWND, CWindow*>& WindowMap() {
    static auto* map = new std::map<HWND, CWindow*>;
    return *map;
}

} // namespace

CWindow* const& CWindow::PendingWindow = CWindow::pendingWindow;

CWindow::CWindow(HWND hwnd) {
    Attach(hwnd);
}

CWindow::~CWindow() {
    Detach();
}

// A null handle, or a second handle for a bound object, would leave an entry the map's
// invariant does not allow: both are refused.
bool CWindow::Attach(HWND hwnd) {
    if (!hwnd || handle)
        return false;
    if (!WindowMap().emplace(hwnd, this).second)
        return false;
    handle = hwnd;
    return true;
}

HWND CWindow::Detach() {
    HWND old = handle;
    if (handle) {
        auto found = WindowMap().find(handle);
        if (found != WindowMap().end() && found->second == this)
            WindowMap().erase(found);
    }
    handle = nullptr;
    return old;
}

CWindow* CWindow::FromHandle(HWND hwnd) {
    auto found = WindowMap().find(hwnd);
    return found == WindowMap().end() ? nullptr : found->second;
}

LRESULT CALLBACK CWindow::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindow* window = FromHandle(hwnd);
    if ((message == WM_CREATE || message == WM_INITDIALOG) && !window) {
        window = pendingWindow;
        // Emptied here so that this very handler may create another framework window.
        pendingWindow = nullptr;
    }
    // Handlers of WM_DESTROY already see the object unbound.
    if (message == WM_DESTROY && window)
        window->Detach();
    if (!window)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = window->WindowProc(hwnd, message, wParam, lParam);
    window->observers.Notify(hwnd, message, wParam, lParam);
    return result;
}

void CWindow::AddObserver(CWndProcObserver* observer) {
    observers.Attach(observer);
}

bool CWindow::InsertObserver(CWndProcObserver* reference, CWndProcObserver* observer) {
    return observers.InsertBefore(reference, observer);
}

void CWindow::RemoveObserver(CWndProcObserver* observer) {
    observers.Detach(observer);
}

BOOL CWindow::PreTranslateMessage(MSG* /*msg*/) {
    return FALSE;
}

HWND CWindow::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT* rect,
                     HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    return CreateEx(0, className, windowName, style, rect, parent, menu, instance, param);
}

HWND CWindow::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                       const RECT* rect, HWND parent, HMENU menu, HINSTANCE instance,
                       LPVOID param) {
    return CreateExA(exStyle, className, windowName, style, rect->left, rect->top,
                     rect->right - rect->left, rect->bottom - rect->top, parent, menu, instance,
                     param);
}

HWND CWindow::CreateExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                        int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                        LPVOID param) {
    return CreateBound([&] {
        return ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent,
                                 menu, instance, param);
    });
}

HWND CWindow::CreateExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                        int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                        LPVOID param) {
    return CreateBound([&] {
        return ::CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent,
                                 menu, instance, param);
    });
}

int CWindow::ShowMessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    return ::MessageBoxA(handle, text, caption, type);
}

BOOL CWindow::SetText(LPCSTR text) {
    return ::SetWindowTextA(handle, text);
}

bool CWindow::GetText(std::string& text) {
    int length = ::GetWindowTextLengthA(handle);
    if (length <= 0)
        return false;
    std::vector<char> chars(length + 1);
    ::GetWindowTextA(handle, chars.data(), length + 1);
    text = chars.data();
    return true;
}

bool CWindow::GetText(std::wstring& text) {
    int length = ::GetWindowTextLengthW(handle);
    if (length <= 0)
        return false;
    std::vector<wchar_t> chars(length + 1);
    ::GetWindowTextW(handle, chars.data(), length + 1);
    text = chars.data();
    return true;
}

int CWindow::GetTextA(LPSTR text, int capacity) {
    return ::GetWindowTextA(handle, text, capacity);
}

int CWindow::GetTextW(LPWSTR text, int capacity) {
    return ::GetWindowTextW(handle, text, capacity);
}

int CWindow::GetTextLengthA() {
    return ::GetWindowTextLengthA(handle);
}

int CWindow::GetTextLengthW() {
    return ::GetWindowTextLengthW(handle);
}

HMENU CWindow::GetMenu() {
    return ::GetMenu(handle);
}

BOOL CWindow::Invalidate(const RECT* rect, BOOL erase) {
    return ::InvalidateRect(handle, rect, erase);
}

BOOL CWindow::Show(int command) {
    return ::ShowWindow(handle, command);
}

BOOL CWindow::Update() {
    return ::UpdateWindow(handle);
}

HWND CWindow::GetParent() {
    return ::GetParent(handle);
}

BOOL CWindow::Destroy() {
    return ::DestroyWindow(handle);
}

LRESULT CWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(handle, message, wParam, lParam);
}

LONG CWindow::GetLong(int index) {
    return ::GetWindowLongA(handle, index);
}

HINSTANCE CWindow::GetInstanceHandle() {
    return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(handle, GWLP_HINSTANCE));
}

bool CWindow::HasHScroll() {
    return (GetLong(GWL_STYLE) & WS_HSCROLL) != 0;
}

bool CWindow::HasVScroll() {
    return (GetLong(GWL_STYLE) & WS_VSCROLL) != 0;
}

BOOL CWindow::GetRect(RECT* rect) {
    return ::GetWindowRect(handle, rect);
}

bool CWindow::GetRectInParent(RECT* rect) {
    return ::GetWindowRect(handle, rect) && vela::wx::ScreenToClientRect(GetParent(), rect);
}

SIZE* CWindow::GetSize(SIZE* size) {
    RECT rect = {};
    ::GetWindowRect(handle, &rect);
    size->cx = rect.right - rect.left;
    size->cy = rect.bottom - rect.top;
    return size;
}

int CWindow::GetWidth() {
    SIZE size;
    return GetSize(&size)->cx;
}

int CWindow::GetHeight() {
    SIZE size;
    return GetSize(&size)->cy;
}

BOOL CWindow::Move(int x, int y, int width, int height, BOOL repaint) {
    return ::MoveWindow(handle, x, y, width, height, repaint);
}

POINT CWindow::GetOrigin() {
    RECT rect = {};
    ::GetWindowRect(handle, &rect);
    POINT origin = {rect.left, rect.top};
    // GetParent also answers the owner of a top-level window, whose position stays on the screen.
    if (GetLong(GWL_STYLE) & WS_CHILD)
        ::ScreenToClient(GetParent(), &origin);
    return origin;
}

BOOL CWindow::SetSize(int width, int height, BOOL repaint) {
    POINT origin = GetOrigin();
    return Move(origin.x, origin.y, width, height, repaint);
}

BOOL CWindow::SetClientSize(int width, int height, BOOL repaint) {
    RECT rect = {0, 0, width, height};
    AdjustRect(&rect);
    POINT origin = GetOrigin();
    return Move(origin.x, origin.y, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

BOOL CWindow::SetPosition(HWND insertAfter, int x, int y, UINT flags) {
    SIZE size;
    GetSize(&size);
    return ::SetWindowPos(handle, insertAfter, x, y, size.cx, size.cy, flags);
}

BOOL CWindow::SetPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return ::SetWindowPos(handle, insertAfter, x, y, width, height, flags);
}

BOOL CWindow::AdjustRect(RECT* rect) {
    return ::AdjustWindowRectEx(rect, GetLong(GWL_STYLE), GetMenu() != nullptr,
                                GetLong(GWL_EXSTYLE));
}

bool CWindow::ClientToScreenRect(RECT* rect) {
    return vela::wx::ClientToScreenRect(handle, rect);
}

bool CWindow::ScreenToClientRect(RECT* rect) {
    return vela::wx::ScreenToClientRect(handle, rect);
}

BOOL CWindow::GetScrollInfo(int bar, SCROLLINFO* info) {
    return ::GetScrollInfo(handle, bar, info);
}

BOOL CWindow::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) {
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return GetScrollInfo(bar, info);
}

BOOL CWindow::GetScrollRange(int bar, int* minimum, int* maximum) {
    return ::GetScrollRange(handle, bar, minimum, maximum);
}

int CWindow::GetScrollMax(int bar) {
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(bar, &minimum, &maximum);
    SCROLLINFO info = {};
    if (GetScrollInfo(bar, &info, SIF_PAGE) && info.nPage >= 1)
        return maximum - static_cast<int>(info.nPage - 1);
    return maximum;
}

bool CWindow::GetMinMaxInfo(MINMAXINFO* info) {
    return Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(info)) == 0;
}

BOOL CWindow::Flash(DWORD timeout, DWORD flags, UINT count) {
    FLASHWINFO info = {sizeof(FLASHWINFO), handle, flags, count, timeout};
    return ::FlashWindowEx(&info);
}

bool CWindow::AskYesNo(LPCSTR text, LPCSTR caption) {
    return ::MessageBoxA(handle, text, caption, MB_YESNO) == IDYES;
}

ATOM RegisterWndClassA(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                       HBRUSH background, LPCSTR className, LPCSTR menuName, WNDPROC proc) {
    WNDCLASSA record = {style, proc, 0, 0, instance, icon, cursor, background, menuName, className};
    return ::RegisterClassA(&record);
}

ATOM RegisterWndClassW(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                       HBRUSH background, LPCWSTR className, LPCWSTR menuName, WNDPROC proc) {
    WNDCLASSW record = {style, proc, 0, 0, instance, icon, cursor, background, menuName, className};
    return ::RegisterClassW(&record);
}

ATOM RegisterWndClassExA(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                         HBRUSH background, LPCSTR className, LPCSTR menuName, HICON smallIcon,
                         WNDPROC proc) {
    WNDCLASSEXA record = {
        sizeof(WNDCLASSEXA), style,    proc,      0,        0, instance, icon, cursor,
        background,          menuName, className, smallIcon};
    return ::RegisterClassExA(&record);
}

ATOM RegisterWndClassExW(UINT style, HINSTANCE instance, HICON icon, HCURSOR cursor,
                         HBRUSH background, LPCWSTR className, LPCWSTR menuName, HICON smallIcon,
                         WNDPROC proc) {
    WNDCLASSEXW record = {
        sizeof(WNDCLASSEXW), style,    proc,      0,        0, instance, icon, cursor,
        background,          menuName, className, smallIcon};
    return ::RegisterClassExW(&record);
}

bool ClientToScreenRect(HWND hwnd, RECT* rect) {
    if (!rect)
        return false;
    auto* corners = reinterpret_cast<POINT*>(rect);
    return ::ClientToScreen(hwnd, &corners[0]) && ::ClientToScreen(hwnd, &corners[1]);
}

bool ScreenToClientRect(HWND hwnd, RECT* rect) {
    if (!rect)
        return false;
    auto* corners = reinterpret_cast<POINT*>(rect);
    return ::ScreenToClient(hwnd, &corners[0]) && ::ScreenToClient(hwnd, &corners[1]);
}

} // namespace vela::wx
