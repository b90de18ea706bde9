// Window objects bound through the common window procedure, their observers, and the wrappers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/MessageBoxAnswer.h"
#include "tests/vela/wx/window/WindowTestSupport.h"
#include "vela/wx/window/Window.h"

using vela::wx::CWindow;
using vela::wx::CWndProcObserver;
using vela::wx::CWndProcSubject;

namespace {

struct Delivery {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

bool operator==(const Delivery& a, const Delivery& b) {
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam &&
           a.lParam == b.lParam;
}

// What the object knew of its own binding when a message reached it.
struct Seen {
    UINT message;
    HWND handle;
    CWindow* found;
    CWindow* pending;
};

std::vector<std::string> trace;

// Records every message its WindowProc is handed; answers WM_APP with 1234.
class Recorder : public CWindow {
public:
    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back({message, handle, FromHandle(hwnd), PendingWindow});
        if (message != WM_APP)
            return CWindow::WindowProc(hwnd, message, wParam, lParam);
        trace.push_back("window");
        return 1234;
    }

    std::vector<Seen> seen;
};

class Listener : public CWndProcObserver {
public:
    explicit Listener(const char* name, bool leaves = false) : name(name), leaves(leaves) {}

    int OnWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP)
            return 0;
        trace.push_back(name);
        heard.push_back({hwnd, message, wParam, lParam});
        if (leaves)
            Unsubscribe();
        return 99;
    }

    const char* name;
    bool leaves;
    std::vector<Delivery> heard;
};

using Trace = std::vector<std::string>;

HWND CreateTestWindow(CWindow& window, DWORD style = WS_OVERLAPPEDWINDOW) {
    return window.CreateExA(0, test::TestWindowClass(), "test", style, 10, 20, 200, 100, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string TextOf(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

RECT RectOf(HWND hwnd, HWND parent) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

} // namespace

TEST(WndProcSubject, NotifiesNewestFirstAndEndsTheWalkAtAnObserverThatLeaves) {
    CWndProcSubject subject;
    Listener a("a"), b("b", true), c("c");
    EXPECT_EQ(subject.Notify(nullptr, WM_APP, 0, 0), 0);
    subject.Attach(&a);
    subject.Attach(&b);
    subject.Attach(&c);

    trace.clear();
    EXPECT_EQ(subject.Notify(nullptr, WM_APP, 1, 2), 0);
    // b's `next` is null once it has left, so a does not hear this message.
    EXPECT_EQ(trace, (Trace{"c", "b"}));
    EXPECT_EQ(b.subject, nullptr);

    trace.clear();
    subject.Notify(nullptr, WM_APP, 3, 4);
    EXPECT_EQ(trace, (Trace{"c", "a"}));
    EXPECT_EQ(a.heard, (std::vector<Delivery>{{nullptr, WM_APP, 3, 4}}));
}

TEST(Window, CreationBindsAtWmCreateAndFromTheCreatingCallOn) {
    Recorder window;
    int before = test::ThreadWindowCount(test::TestWindowClass());
    HWND hwnd = CreateTestWindow(window);
    ASSERT_NE(hwnd, nullptr);

    // Everything before WM_CREATE, and after it inside the call (WM_SIZE, WM_MOVE), found no
    // object: only WM_CREATE reached it, taken from the pending slot, unbound yet.
    ASSERT_EQ(window.seen.size(), 1u);
    EXPECT_EQ(window.seen[0].message, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(window.seen[0].handle, nullptr);
    EXPECT_EQ(window.seen[0].found, nullptr);
    EXPECT_EQ(window.seen[0].pending, nullptr);

    EXPECT_EQ(window.handle, hwnd);
    EXPECT_EQ(window.GetHandle(), hwnd);
    EXPECT_EQ(CWindow::FromHandle(hwnd), &window);
    EXPECT_EQ(CWindow::PendingWindow, nullptr);

    window.seen.clear();
    SendMessageA(hwnd, WM_NULL, 0, 0);
    ASSERT_EQ(window.seen.size(), 1u);
    EXPECT_EQ(window.seen[0].handle, hwnd);
    EXPECT_EQ(window.seen[0].found, &window);

    // A bound object creates nothing more, in either character form.
    EXPECT_EQ(CreateTestWindow(window), nullptr);
    EXPECT_EQ(window.CreateExW(0, test::TestWindowClassW(), L"w", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr),
              nullptr);
    EXPECT_EQ(test::ThreadWindowCount(test::TestWindowClass()), before + 1);
    EXPECT_EQ(window.handle, hwnd);
    DestroyWindow(hwnd);
}

TEST(Window, CreateExWBindsTheSameWay) {
    Recorder window;
    HWND hwnd = window.CreateExW(0, test::TestWindowClassW(), L"日本語", WS_POPUP, 0, 0, 50, 50,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_EQ(window.seen.size(), 1u);
    EXPECT_EQ(window.seen[0].message, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(CWindow::FromHandle(hwnd), &window);
    std::wstring text;
    EXPECT_TRUE(window.GetText(text));
    EXPECT_EQ(text, L"日本語");
    DestroyWindow(hwnd);
}

TEST(Window, FailedCreationLeavesTheObjectUnboundAndNothingPending) {
    Recorder window;
    EXPECT_EQ(window.CreateExA(0, "NoSuchVelaClass", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr),
              nullptr);
    EXPECT_EQ(window.CreateExW(0, L"NoSuchVelaClass", L"x", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr),
              nullptr);
    EXPECT_EQ(window.handle, nullptr);
    EXPECT_EQ(CWindow::PendingWindow, nullptr);
    EXPECT_TRUE(window.seen.empty());
}

TEST(Window, CreateAndCreateExPlaceTheWindowOnTheRectangle) {
    RECT rect = {10, 20, 110, 70};
    CWindow plain;
    HWND first = plain.Create(test::TestWindowClass(), "r", WS_POPUP, &rect, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(first, nullptr);
    CWindow extended;
    HWND second = extended.CreateEx(WS_EX_TOOLWINDOW, test::TestWindowClass(), "r", WS_POPUP, &rect,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(second, nullptr);
    for (HWND hwnd : {first, second}) {
        RECT placed = {};
        GetWindowRect(hwnd, &placed);
        EXPECT_TRUE(SameRect(placed, rect));
    }
    EXPECT_EQ(GetWindowLongA(first, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(GetWindowLongA(second, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST(Window, AHandleIsBoundToOneObjectAtATime) {
    HWND hwnd = test::CreateUnboundWindow(WS_POPUP);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_EQ(CWindow::FromHandle(hwnd), nullptr);

    CWindow first(hwnd);
    EXPECT_EQ(first.handle, hwnd);
    EXPECT_EQ(CWindow::FromHandle(hwnd), &first);

    CWindow second;
    EXPECT_FALSE(second.Attach(hwnd));
    EXPECT_FALSE(first.Attach(hwnd));
    EXPECT_FALSE(first.Attach(nullptr));
    EXPECT_EQ(second.handle, nullptr);
    EXPECT_EQ(first.handle, hwnd);
    EXPECT_EQ(CWindow::FromHandle(hwnd), &first);

    EXPECT_EQ(first.Detach(), hwnd);
    EXPECT_EQ(first.handle, nullptr);
    EXPECT_EQ(CWindow::FromHandle(hwnd), nullptr);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(first.Detach(), nullptr);

    EXPECT_TRUE(second.Attach(hwnd));
    EXPECT_EQ(CWindow::FromHandle(hwnd), &second);
    DestroyWindow(hwnd);
    EXPECT_EQ(second.handle, nullptr);
}

TEST(Window, ADestroyedObjectLeavesItsWindowAliveAndUnbound) {
    HWND hwnd;
    {
        Recorder window;
        hwnd = CreateTestWindow(window);
        ASSERT_NE(hwnd, nullptr);
    }
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(CWindow::FromHandle(hwnd), nullptr);
    // The window goes on with DefWindowProcA.
    EXPECT_TRUE(SetWindowTextA(hwnd, "still here"));
    EXPECT_EQ(TextOf(hwnd), "still here");
    DestroyWindow(hwnd);
}

TEST(Window, MessagesForAnUnboundHandleGetDefWindowProcsAnswer) {
    HWND hwnd = test::CreateUnboundWindow(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(hwnd, nullptr);
    MINMAXINFO info = {};
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } cases[] = {
        {WM_CREATE, 0, 0},
        {WM_INITDIALOG, 0, 0},
        {WM_GETTEXTLENGTH, 0, 0},
        {WM_NCHITTEST, 0, MAKELPARAM(100, 60)},
        {WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)},
        {WM_NOTIFYFORMAT, 0, NF_QUERY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(CWindow::StaticWndProc(hwnd, c.message, c.wParam, c.lParam),
                  DefWindowProcA(hwnd, c.message, c.wParam, c.lParam));
        EXPECT_EQ(CWindow::FromHandle(hwnd), nullptr);
        EXPECT_EQ(CWindow::PendingWindow, nullptr);
    }
    EXPECT_EQ(CWindow::StaticWndProc(hwnd, WM_GETTEXTLENGTH, 0, 0), 3);
    DestroyWindow(hwnd);
}

TEST(Window, WmDestroyReachesTheObjectAlreadyUnbound) {
    Recorder window;
    HWND hwnd = CreateTestWindow(window);
    ASSERT_NE(hwnd, nullptr);
    window.seen.clear();
    DestroyWindow(hwnd);

    auto destroy = window.seen.begin();
    while (destroy != window.seen.end() && destroy->message != WM_DESTROY)
        ++destroy;
    ASSERT_NE(destroy, window.seen.end());
    EXPECT_EQ(destroy->handle, nullptr);
    EXPECT_EQ(destroy->found, nullptr);
    // WM_NCDESTROY comes later and finds no object.
    EXPECT_EQ(destroy + 1, window.seen.end());
    EXPECT_EQ(window.handle, nullptr);
    EXPECT_EQ(CWindow::FromHandle(hwnd), nullptr);
}

TEST(Window, ObserversHearEachMessageAfterTheWindowWhoseAnswerStands) {
    Recorder window;
    HWND hwnd = CreateTestWindow(window);
    ASSERT_NE(hwnd, nullptr);
    Listener a("a"), b("b"), tail("tail"), front("front");
    window.AddObserver(&a);
    window.AddObserver(&b);
    EXPECT_TRUE(window.InsertObserver(nullptr, &tail));
    EXPECT_TRUE(window.InsertObserver(&b, &front));
    Listener stranger("stranger"), loose("loose");
    EXPECT_FALSE(window.InsertObserver(&stranger, &loose));

    trace.clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_APP, 5, 6), 1234);
    EXPECT_EQ(trace, (Trace{"window", "front", "b", "a", "tail"}));
    for (Listener* listener : {&a, &b, &tail, &front})
        EXPECT_EQ(listener->heard, (std::vector<Delivery>{{hwnd, WM_APP, 5, 6}}));

    window.RemoveObserver(&b);
    trace.clear();
    SendMessageA(hwnd, WM_APP, 0, 0);
    EXPECT_EQ(trace, (Trace{"window", "front", "a", "tail"}));

    // A window object is an observer too, and names its own handle as one.
    Recorder watcher;
    EXPECT_EQ(static_cast<CWndProcObserver&>(watcher).GetHandle(), nullptr);
    EXPECT_EQ(static_cast<CWndProcObserver&>(window).GetHandle(), hwnd);
    window.AddObserver(&watcher);
    EXPECT_EQ(watcher.subject, &window.observers);
    DestroyWindow(hwnd);
}

TEST(Window, GetTextLeavesTheStringAloneForAnEmptyCaption) {
    CWindow window;
    ASSERT_NE(CreateTestWindow(window, WS_POPUP), nullptr);
    const struct {
        const char* caption;
        bool read;
        const char* expected;
        const wchar_t* expectedW;
    } cases[] = {
        {"", false, "untouched", L"untouched"},
        {"abc", true, "abc", L"abc"},
        {"日本語のタイトル", true, "日本語のタイトル", L"日本語のタイトル"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_TRUE(window.SetText(c.caption));
        std::string text = "untouched";
        std::wstring textW = L"untouched";
        EXPECT_EQ(window.GetText(text), c.read);
        EXPECT_EQ(window.GetText(textW), c.read);
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(textW, c.expectedW);
        EXPECT_EQ(window.GetTextLengthA(), static_cast<int>(strlen(c.caption)));
    }
    window.SetText("abcdef");
    char small[4] = {};
    EXPECT_EQ(window.GetTextA(small, sizeof small), 3);
    EXPECT_STREQ(small, "abc");
    wchar_t smallW[4] = {};
    EXPECT_EQ(window.GetTextW(smallW, 4), 3);
    EXPECT_STREQ(smallW, L"abc");
    window.Destroy();
}

TEST(Window, GetScrollMaxIsTheLastPositionThePageCanReach) {
    CWindow window;
    ASSERT_NE(CreateTestWindow(window, WS_POPUP | WS_VSCROLL), nullptr);
    EXPECT_TRUE(window.HasVScroll());
    EXPECT_FALSE(window.HasHScroll());
    const struct {
        int minimum;
        int maximum;
        UINT page;
        int expected;
    } cases[] = {
        {0, 100, 10, 91},
        {0, 100, 1, 100},
        {0, 100, 0, 100},
        {10, 60, 5, 56},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMin = c.minimum;
        info.nMax = c.maximum;
        info.nPage = c.page;
        SetScrollInfo(window.handle, SB_VERT, &info, FALSE);
        EXPECT_EQ(window.GetScrollMax(SB_VERT), c.expected);
        int minimum = -1, maximum = -1;
        EXPECT_TRUE(window.GetScrollRange(SB_VERT, &minimum, &maximum));
        EXPECT_EQ(minimum, c.minimum);
        EXPECT_EQ(maximum, c.maximum);
        SCROLLINFO read = {};
        EXPECT_TRUE(window.GetScrollInfo(SB_VERT, &read, SIF_PAGE));
        EXPECT_EQ(read.nPage, c.page);
    }
    window.Destroy();
}

TEST(Window, SizesAndPositionsKeepTheCornerWhereTheWindowSits) {
    CWindow frame;
    ASSERT_NE(CreateTestWindow(frame, WS_OVERLAPPEDWINDOW), nullptr);
    EXPECT_EQ(frame.GetInstanceHandle(), GetModuleHandleA(nullptr));
    EXPECT_TRUE(frame.SetClientSize(120, 80, FALSE));
    RECT client = {};
    GetClientRect(frame.handle, &client);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 80);
    RECT outer = {};
    frame.GetRect(&outer);
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.top, 20);
    SIZE size = {};
    EXPECT_EQ(frame.GetSize(&size), &size);
    EXPECT_EQ(size.cx, frame.GetWidth());
    EXPECT_EQ(size.cy, frame.GetHeight());
    EXPECT_EQ(size.cx, outer.right - outer.left);

    EXPECT_TRUE(frame.SetSize(300, 150, FALSE));
    frame.GetRect(&outer);
    EXPECT_TRUE(SameRect(outer, RECT{10, 20, 310, 170}));

    CWindow child;
    ASSERT_NE(child.CreateExA(0, test::TestWindowClass(), "", WS_CHILD, 15, 25, 50, 40,
                              frame.handle, nullptr, GetModuleHandleA(nullptr), nullptr),
              nullptr);
    EXPECT_EQ(child.GetParent(), frame.handle);
    RECT inParent = {};
    EXPECT_TRUE(child.GetRectInParent(&inParent));
    EXPECT_TRUE(SameRect(inParent, RECT{15, 25, 65, 65}));
    EXPECT_TRUE(child.SetSize(60, 30, FALSE));
    EXPECT_TRUE(SameRect(RectOf(child.handle, frame.handle), RECT{15, 25, 75, 55}));
    EXPECT_TRUE(child.SetPosition(nullptr, 5, 6, SWP_NOZORDER));
    EXPECT_TRUE(SameRect(RectOf(child.handle, frame.handle), RECT{5, 6, 65, 36}));
    EXPECT_TRUE(child.SetClientSize(40, 20, FALSE));
    EXPECT_TRUE(SameRect(RectOf(child.handle, frame.handle), RECT{5, 6, 45, 26}));
    EXPECT_TRUE(child.Move(1, 2, 3, 4, FALSE));
    EXPECT_TRUE(SameRect(RectOf(child.handle, frame.handle), RECT{1, 2, 4, 6}));

    RECT rect = {1, 2, 3, 4};
    EXPECT_TRUE(child.ClientToScreenRect(&rect));
    RECT back = rect;
    EXPECT_TRUE(child.ScreenToClientRect(&back));
    EXPECT_TRUE(SameRect(back, RECT{1, 2, 3, 4}));
    EXPECT_FALSE(vela::wx::ClientToScreenRect(child.handle, nullptr));
    EXPECT_FALSE(vela::wx::ScreenToClientRect(child.handle, nullptr));

    MINMAXINFO info = {};
    EXPECT_TRUE(frame.GetMinMaxInfo(&info));
    frame.Destroy();
}

TEST(Window, AskYesNoIsTrueOnlyForYes) {
    CWindow window;
    ASSERT_NE(CreateTestWindow(window, WS_POPUP), nullptr);
    const struct {
        int answer;
        bool expected;
    } cases[] = {{IDYES, true}, {IDNO, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        test::MessageBoxAnswer answer(c.answer);
        EXPECT_EQ(window.AskYesNo("保存しますか？", "確認"), c.expected);
        EXPECT_EQ(answer.Count(), 1);
        EXPECT_EQ(answer.Caption(), "確認");
        EXPECT_EQ(answer.Text(), "保存しますか？");
    }
    {
        test::MessageBoxAnswer answer(IDRETRY);
        EXPECT_EQ(window.ShowMessageBox("text", "caption", MB_RETRYCANCEL), IDRETRY);
    }
    HWND gone = window.handle;
    window.Destroy();
    // A box that cannot be shown is no yes either.
    test::MessageBoxAnswer answer(IDYES);
    CWindow stale;
    stale.handle = gone;
    EXPECT_FALSE(stale.AskYesNo("?", "?"));
    EXPECT_EQ(answer.Count(), 0);
}
