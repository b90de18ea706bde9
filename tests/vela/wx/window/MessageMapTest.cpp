// The window map and the dialog map: which handler each message reaches, defaults, results.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/vela/wx/window/TestResource.h"
#include "tests/vela/wx/window/WindowTestSupport.h"
#include "vela/wx/window/Application.h"
#include "vela/wx/window/DlgBase.h"

using vela::wx::CApplication;
using vela::wx::CDlgBase;
using vela::wx::CWindow;

namespace {

// Every message of the window map with its handler, in slot order.
#define WINDOW_MAP(X)                                                                              \
    X(WM_CREATE, OnWndCreate)                                                                      \
    X(WM_DESTROY, OnWndDestroy)                                                                    \
    X(WM_MOVE, OnWndMove)                                                                          \
    X(WM_SIZE, OnWndSize)                                                                          \
    X(WM_ACTIVATE, OnWndActivate)                                                                  \
    X(WM_SETFOCUS, OnWndSetFocus)                                                                  \
    X(WM_KILLFOCUS, OnWndKillFocus)                                                                \
    X(WM_ENABLE, OnWndEnable)                                                                      \
    X(WM_PAINT, OnWndPaint)                                                                        \
    X(WM_CLOSE, OnWndClose)                                                                        \
    X(WM_ERASEBKGND, OnWndEraseBkgnd)                                                              \
    X(WM_SHOWWINDOW, OnWndShowWindow)                                                              \
    X(WM_SETCURSOR, OnWndSetCursor)                                                                \
    X(WM_MOUSEACTIVATE, OnWndMouseActivate)                                                        \
    X(WM_CHILDACTIVATE, OnWndChildActivate)                                                        \
    X(WM_GETMINMAXINFO, OnWndGetMinMaxInfo)                                                        \
    X(WM_DRAWITEM, OnWndDrawItem)                                                                  \
    X(WM_MEASUREITEM, OnWndMeasureItem)                                                            \
    X(WM_NOTIFY, OnWndNotify)                                                                      \
    X(WM_HELP, OnWndHelp)                                                                          \
    X(WM_KEYDOWN, OnWndKeyDown)                                                                    \
    X(WM_KEYUP, OnWndKeyUp)                                                                        \
    X(WM_CHAR, OnWndChar)                                                                          \
    X(WM_DEADCHAR, OnWndDeadChar)                                                                  \
    X(WM_SYSKEYDOWN, OnWndSysKeyDown)                                                              \
    X(WM_SYSKEYUP, OnWndSysKeyUp)                                                                  \
    X(WM_SYSCHAR, OnWndSysChar)                                                                    \
    X(WM_SYSDEADCHAR, OnWndSysDeadChar)                                                            \
    X(WM_UNICHAR, OnWndUniChar)                                                                    \
    X(WM_COMMAND, OnWndCommand)                                                                    \
    X(WM_SYSCOMMAND, OnWndSysCommand)                                                              \
    X(WM_TIMER, OnWndTimer)                                                                        \
    X(WM_HSCROLL, OnWndHScroll)                                                                    \
    X(WM_VSCROLL, OnWndVScroll)                                                                    \
    X(WM_MENUSELECT, OnWndMenuSelect)                                                              \
    X(WM_MENUCHAR, OnWndMenuChar)                                                                  \
    X(WM_ENTERMENULOOP, OnWndEnterMenuLoop)                                                        \
    X(WM_EXITMENULOOP, OnWndExitMenuLoop)                                                          \
    X(WM_MOUSEMOVE, OnWndMouseMove)                                                                \
    X(WM_LBUTTONDOWN, OnWndLButtonDown)                                                            \
    X(WM_LBUTTONUP, OnWndLButtonUp)                                                                \
    X(WM_LBUTTONDBLCLK, OnWndLButtonDblClk)                                                        \
    X(WM_RBUTTONDOWN, OnWndRButtonDown)                                                            \
    X(WM_RBUTTONUP, OnWndRButtonUp)                                                                \
    X(WM_RBUTTONDBLCLK, OnWndRButtonDblClk)                                                        \
    X(WM_MBUTTONDOWN, OnWndMButtonDown)                                                            \
    X(WM_MBUTTONUP, OnWndMButtonUp)                                                                \
    X(WM_MBUTTONDBLCLK, OnWndMButtonDblClk)                                                        \
    X(WM_DROPFILES, OnWndDropFiles)                                                                \
    X(WM_DRAWCLIPBOARD, OnWndDrawClipboard)                                                        \
    X(WM_QUERYENDSESSION, OnWndQueryEndSession)                                                    \
    X(WM_USERCHANGED, OnWndUserChanged)

// Every message of the dialog map with its handler and its default result, in slot order.
#define DIALOG_MAP(X)                                                                              \
    X(WM_DESTROY, OnDestroy, 1)                                                                    \
    X(WM_MOVE, OnMove, 0)                                                                          \
    X(WM_SIZE, OnSize, 0)                                                                          \
    X(WM_SETFOCUS, OnSetFocus, 0)                                                                  \
    X(WM_KILLFOCUS, OnKillFocus, 0)                                                                \
    X(WM_ENABLE, OnEnable, 0)                                                                      \
    X(WM_PAINT, OnPaint, 0)                                                                        \
    X(WM_CLOSE, OnClose, 0)                                                                        \
    X(WM_QUERYDRAGICON, OnQueryDragIcon, 0)                                                        \
    X(WM_WINDOWPOSCHANGING, OnWindowPosChanging, 0)                                                \
    X(WM_WINDOWPOSCHANGED, OnWindowPosChanged, 0)                                                  \
    X(WM_DRAWITEM, OnDrawItem, 0)                                                                  \
    X(WM_MEASUREITEM, OnMeasureItem, 0)                                                            \
    X(WM_NOTIFY, OnNotify, 0)                                                                      \
    X(WM_GETMINMAXINFO, OnGetMinMaxInfo, 0)                                                        \
    X(WM_HELP, OnHelp, 0)                                                                          \
    X(WM_NOTIFYFORMAT, OnNotifyFormat, NFR_ANSI)                                                   \
    X(WM_GETICON, OnGetIcon, 0)                                                                    \
    X(WM_GETDLGCODE, OnGetDlgCode, 0)                                                              \
    X(WM_KEYDOWN, OnKeyDown, 0)                                                                    \
    X(WM_KEYUP, OnKeyUp, 0)                                                                        \
    X(WM_CHAR, OnChar, 0)                                                                          \
    X(WM_DEADCHAR, OnDeadChar, 0)                                                                  \
    X(WM_SYSKEYDOWN, OnSysKeyDown, 0)                                                              \
    X(WM_SYSKEYUP, OnSysKeyUp, 0)                                                                  \
    X(WM_INITDIALOG, OnInitDialog, 1)                                                              \
    X(WM_COMMAND, OnCommand, 0)                                                                    \
    X(WM_SYSCOMMAND, OnSysCommand, 0)                                                              \
    X(WM_TIMER, OnTimer, 0)                                                                        \
    X(WM_HSCROLL, OnHScroll, 0)                                                                    \
    X(WM_VSCROLL, OnVScroll, 0)                                                                    \
    X(WM_INITMENU, OnInitMenu, 0)                                                                  \
    X(WM_INITMENUPOPUP, OnInitMenuPopup, 0)                                                        \
    X(WM_MENUSELECT, OnMenuSelect, 0)                                                              \
    X(WM_MENUCHAR, OnMenuChar, 0)                                                                  \
    X(WM_DROPFILES, OnDropFiles, 0)

using Handler = int (CApplication::*)(HWND, WPARAM, LPARAM);
using DialogHandler = int (CDlgBase::*)(HWND, WPARAM, LPARAM);

struct WindowRow {
    UINT message;
    const char* name;
    Handler base;
};

struct DialogRow {
    UINT message;
    const char* name;
    DialogHandler base;
    int defaultResult;
};

#define WINDOW_ROW(message, handler) {message, #handler, &CApplication::handler},
const WindowRow kWindowMap[] = {WINDOW_MAP(WINDOW_ROW)};
#undef WINDOW_ROW

#define DIALOG_ROW(message, handler, result) {message, #handler, &CDlgBase::handler, result},
const DialogRow kDialogMap[] = {DIALOG_MAP(DIALOG_ROW)};
#undef DIALOG_ROW

struct Call {
    std::string handler;
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

bool operator==(const Call& a, const Call& b) {
    return a.handler == b.handler && a.hwnd == b.hwnd && a.message == b.message &&
           a.wParam == b.wParam && a.lParam == b.lParam;
}

using Calls = std::vector<Call>;

constexpr LRESULT kDefaultAnswer = 0x5EED;

// Every window-map handler overridden to record itself and answer `result`; the default
// processing records the message it is handed.
class WindowMapProbe : public CApplication {
public:
    WindowMapProbe() : CApplication("probe") {}

#define PROBE_HANDLER(message, handler)                                                            \
    int handler(HWND hwnd, WPARAM wParam, LPARAM lParam) override {                                \
        calls.push_back({#handler, hwnd, 0, wParam, lParam});                                      \
        return result;                                                                             \
    }
    WINDOW_MAP(PROBE_HANDLER)
#undef PROBE_HANDLER

    LRESULT OnWndDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        defaults.push_back({"default", hwnd, message, wParam, lParam});
        return kDefaultAnswer;
    }

    int result = 0;
    Calls calls;
    Calls defaults;
};

class DialogMapProbe : public CDlgBase {
public:
#define PROBE_HANDLER(message, handler, defaultResult)                                             \
    int handler(HWND hwnd, WPARAM wParam, LPARAM lParam) override {                                \
        calls.push_back({#handler, hwnd, 0, wParam, lParam});                                      \
        return result;                                                                             \
    }
    DIALOG_MAP(PROBE_HANDLER)
#undef PROBE_HANDLER

    int result = 1;
    Calls calls;
};

bool TakeQuit(WPARAM* code) {
    MSG msg = {};
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *code = msg.wParam;
    return true;
}

HWND CreatePlainDialog(CDlgBase& dialog, LPARAM param = 0) {
    return dialog.CreateModeless(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PLAIN), nullptr,
                                 CDlgBase::StaticDlgProc, param);
}

// Keeps its dialog open on WM_CLOSE with a nonzero answer.
class KeepsOpen : public CDlgBase {
public:
    // WM_CLOSE: ()
    int OnClose(HWND /*hwnd*/, WPARAM /*wParam*/, LPARAM /*lParam*/) override { return 3; }
};

// Answers WM_CREATE with a chosen result and leaves the rest to the defaults.
class CreateAnswer : public CApplication {
public:
    explicit CreateAnswer(int answer) : CApplication("create"), answer(answer) {}

    // WM_CREATE: (CREATESTRUCT* create)
    int OnWndCreate(HWND /*hwnd*/, WPARAM /*wParam*/, LPARAM /*lParam*/) override { return answer; }

    int answer;
};

class WindowMap : public ::testing::Test {
protected:
    void SetUp() override {
        test::DrainQueue();
        hwnd = test::CreateUnboundWindow(WS_POPUP);
        ASSERT_NE(hwnd, nullptr);
    }
    void TearDown() override {
        DestroyWindow(hwnd);
        test::DrainQueue();
    }

    HWND hwnd = nullptr;
};

} // namespace

TEST_F(WindowMap, EachMessageReachesItsOwnHandlerWithTheSameValues) {
    ASSERT_EQ(std::size(kWindowMap), 52u);
    WindowMapProbe probe;
    WPARAM wParam = 0x100;
    for (const WindowRow& row : kWindowMap) {
        SCOPED_TRACE(row.name);
        probe.calls.clear();
        ++wParam;
        LPARAM lParam = static_cast<LPARAM>(wParam * 3);
        EXPECT_EQ(probe.WindowProc(hwnd, row.message, wParam, lParam), 0);
        EXPECT_EQ(probe.calls, (Calls{{row.name, hwnd, 0, wParam, lParam}}));
    }
    EXPECT_TRUE(probe.defaults.empty());
}

TEST_F(WindowMap, EveryDefaultHandlerAnswersOneAndDefaultProcessingIsDefWindowProc) {
    CApplication plain("plain");
    for (const WindowRow& row : kWindowMap) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ((plain.*row.base)(hwnd, 0, 0), 1);
    }
    const UINT messages[] = {WM_GETTEXTLENGTH, WM_NCHITTEST, WM_CREATE, WM_NOTIFYFORMAT};
    for (UINT message : messages) {
        SCOPED_TRACE(message);
        EXPECT_EQ(plain.OnWndDefault(hwnd, message, 0, 0), DefWindowProcA(hwnd, message, 0, 0));
        EXPECT_EQ(plain.WindowProc(hwnd, message, 0, 0), DefWindowProcA(hwnd, message, 0, 0));
    }
    EXPECT_EQ(plain.WindowProc(hwnd, WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST_F(WindowMap, ZeroMeansHandledAnythingElseGoesOnToTheDefault) {
    const struct {
        UINT message;
        int handlerResult;
        LRESULT expected;
        bool handlerCalled;
        bool defaultCalled;
        bool quitPosted;
    } cases[] = {
        {WM_MOVE, 0, 0, true, false, false},
        {WM_MOVE, 1, kDefaultAnswer, true, true, false},
        {WM_MOVE, -1, kDefaultAnswer, true, true, false},
        {WM_MOVE, 7, kDefaultAnswer, true, true, false},
        {WM_CREATE, -1, -1, true, false, false},
        {WM_CREATE, 0, 0, true, false, false},
        {WM_CREATE, 1, kDefaultAnswer, true, true, false},
        {WM_DESTROY, 0, 0, true, false, true},
        {WM_DESTROY, 1, 0, true, false, true},
        {WM_DESTROY, -1, 0, true, false, true},
        {WM_NOTIFYFORMAT, 0, kDefaultAnswer, false, true, false},
        {WM_NCCREATE, 0, kDefaultAnswer, false, true, false},
        {WM_CTLCOLORDLG, 0, kDefaultAnswer, false, true, false},
        {WM_APP, 0, kDefaultAnswer, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message << " answered " << c.handlerResult);
        WindowMapProbe probe;
        probe.result = c.handlerResult;
        EXPECT_EQ(probe.WindowProc(hwnd, c.message, 11, 22), c.expected);
        EXPECT_EQ(probe.calls.size(), c.handlerCalled ? 1u : 0u);
        EXPECT_EQ(probe.defaults,
                  (c.defaultCalled ? Calls{{"default", hwnd, c.message, 11, 22}} : Calls{}));
        WPARAM code = 99;
        EXPECT_EQ(TakeQuit(&code), c.quitPosted);
        EXPECT_EQ(code, c.quitPosted ? 0u : 99u);
    }
}

TEST_F(WindowMap, MinusOneFromOnWndCreateFailsTheCreation) {
    const struct {
        int answer;
        bool created;
    } cases[] = {{-1, false}, {0, true}, {1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        CreateAnswer window(c.answer);
        HWND created = window.CreateExA(0, test::TestWindowClass(), "t", WS_POPUP, 0, 0, 10, 10,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_EQ(created != nullptr, c.created);
        EXPECT_EQ(window.handle, created);
        EXPECT_EQ(CWindow::PendingWindow, nullptr);
        if (!created)
            continue;
        // A real WM_DESTROY ends the program's loop, with exit code 0.
        DestroyWindow(created);
        WPARAM code = 99;
        EXPECT_TRUE(TakeQuit(&code));
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(window.handle, nullptr);
    }
}

TEST(DialogMap, EachMessageReachesItsOwnHandlerWithTheSameValues) {
    ASSERT_EQ(std::size(kDialogMap), 36u);
    DialogMapProbe probe;
    probe.result = 5;
    HWND dialog = CreatePlainDialog(probe);
    ASSERT_NE(dialog, nullptr);
    WPARAM wParam = 0x100;
    for (const DialogRow& row : kDialogMap) {
        SCOPED_TRACE(row.name);
        probe.calls.clear();
        ++wParam;
        LPARAM lParam = static_cast<LPARAM>(wParam * 3);
        // WM_DESTROY answers 0 whatever its handler says; the others pass the answer on.
        EXPECT_EQ(probe.DialogProc(dialog, row.message, wParam, lParam),
                  row.message == WM_DESTROY ? 0 : 5);
        EXPECT_EQ(probe.calls, (Calls{{row.name, dialog, 0, wParam, lParam}}));
    }
    // A nonzero answer to WM_CLOSE kept the dialog.
    EXPECT_TRUE(IsWindow(dialog));
    DestroyWindow(dialog);
}

TEST(DialogMap, DefaultHandlersAnswerZeroButForTheFewThatSayOtherwise) {
    CDlgBase plain;
    for (const DialogRow& row : kDialogMap) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ((plain.*row.base)(nullptr, 0, 0), row.defaultResult);
    }
}

TEST(DialogMap, MessagesOutsideTheMapAnswerZeroAndNotifyFormatIsAnsi) {
    CDlgBase dialog;
    HWND hwnd = CreatePlainDialog(dialog);
    ASSERT_NE(hwnd, nullptr);
    const UINT outside[] = {WM_CREATE, WM_CTLCOLORDLG, WM_NCHITTEST, WM_SETTEXT, WM_APP};
    for (UINT message : outside) {
        SCOPED_TRACE(message);
        EXPECT_EQ(dialog.DialogProc(hwnd, message, 0, 0), 0);
    }
    EXPECT_EQ(CWindow::StaticWndProc(hwnd, WM_NOTIFYFORMAT, 0, NF_QUERY), NFR_ANSI);
    EXPECT_EQ(dialog.WindowProc(hwnd, WM_NOTIFYFORMAT, 0, NF_QUERY), NFR_ANSI);
    DestroyWindow(hwnd);
}

TEST(DialogMap, OkAndCancelCloseTheDialogOtherCommandsLeaveItOpen) {
    const struct {
        WPARAM wParam;
        LRESULT expected;
        bool closed;
    } cases[] = {
        {MAKEWPARAM(IDOK, BN_CLICKED), 1, true}, {MAKEWPARAM(IDCANCEL, BN_CLICKED), 1, true},
        {MAKEWPARAM(IDOK, EN_CHANGE), 1, true},  {MAKEWPARAM(0, BN_CLICKED), 0, false},
        {MAKEWPARAM(3, BN_CLICKED), 0, false},   {MAKEWPARAM(IDC_FIRST, EN_CHANGE), 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wParam);
        CDlgBase dialog;
        HWND hwnd = CreatePlainDialog(dialog);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(CWindow::StaticWndProc(hwnd, WM_COMMAND, c.wParam, 0), c.expected);
        EXPECT_EQ(IsWindow(hwnd) == FALSE, c.closed);
        // Destruction passed WM_DESTROY through the common procedure, which unbound the object.
        EXPECT_EQ(dialog.handle == nullptr, c.closed);
        DestroyWindow(hwnd);
    }
}

TEST(DialogMap, OnCloseDecidesWhetherTheDialogIsDestroyed) {
    CDlgBase closes;
    HWND closing = CreatePlainDialog(closes);
    ASSERT_NE(closing, nullptr);
    EXPECT_EQ(CWindow::StaticWndProc(closing, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(closing));

    KeepsOpen keeps;
    HWND kept = CreatePlainDialog(keeps);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(CWindow::StaticWndProc(kept, WM_CLOSE, 0, 0), 3);
    EXPECT_TRUE(IsWindow(kept));
    EXPECT_EQ(keeps.handle, kept);
    DestroyWindow(kept);
    EXPECT_EQ(keeps.handle, nullptr);
}
