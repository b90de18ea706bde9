// The application object: start-up, the two message loops, accelerators, class registration.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/MessageBoxAnswer.h"
#include "tests/vela/wx/window/TestResource.h"
#include "tests/vela/wx/window/WindowTestSupport.h"
#include "vela/wx/window/Application.h"

using vela::wx::CApplication;
using vela::wx::CWindow;

namespace {

using Trace = std::vector<std::string>;

std::string NameOf(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return "WM_KEYDOWN";
    case WM_CHAR:
        return "WM_CHAR";
    case WM_CLOSE:
        return "WM_CLOSE";
    case WM_APP:
        return "WM_APP";
    default:
        return std::to_string(message);
    }
}

// Writes down what each loop does, in order: messages taken, handlers run, idle calls, the end.
class LoopProbe : public CApplication {
public:
    LoopProbe() : CApplication("loop") {}

    void Run() override {
        trace.push_back("Run");
        CApplication::Run();
    }
    void RunWithIdle() override {
        trace.push_back("RunWithIdle");
        CApplication::RunWithIdle();
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        trace.push_back("take " + NameOf(msg->message));
        if (msg->message == WM_KEYDOWN && msg->wParam == consumedKey)
            return TRUE;
        return CApplication::PreTranslateMessage(msg);
    }
    void OnIdle() override {
        trace.push_back("idle");
        if (idleAction)
            idleAction(++idles);
    }
    void OnExit() override { trace.push_back("exit"); }
    // WM_KEYDOWN: (UINT key, UINT flags)
    int OnWndKeyDown(HWND /*hwnd*/, WPARAM wParam, LPARAM /*lParam*/) override {
        trace.push_back(std::string("key ") + static_cast<char>(wParam));
        return 0;
    }
    // WM_CHAR: (UINT code, UINT flags)
    int OnWndChar(HWND hwnd, WPARAM wParam, LPARAM /*lParam*/) override {
        trace.push_back(std::string("char ") + static_cast<char>(wParam));
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    }
    // WM_DESTROY: ()
    int OnWndDestroy(HWND /*hwnd*/, WPARAM /*wParam*/, LPARAM /*lParam*/) override {
        trace.push_back("destroy");
        return 1;
    }

    WPARAM consumedKey = 0;
    std::function<void(int)> idleAction;
    int idles = 0;
    Trace trace;
};

class StartProbe : public CApplication {
public:
    StartProbe(bool refuse, bool starts) : CApplication("start"), refuse(refuse), starts(starts) {}

    bool RefuseStart() override { return refuse; }
    bool OnInitInstance() override {
        ++initCalls;
        return starts;
    }

    bool refuse;
    bool starts;
    int initCalls = 0;
};

// Records the commands the main window receives; its timer reads the child edit and ends.
class CommandProbe : public CApplication {
public:
    CommandProbe() : CApplication("commands") {}

    // WM_COMMAND: (WORD id, WORD code, HWND control)
    int OnWndCommand(HWND /*hwnd*/, WPARAM wParam, LPARAM lParam) override {
        // The edit's own notifications (focus, change) are not what these tests look at.
        if (LOWORD(wParam) == IDC_FIRST)
            return 1;
        commands.push_back(wParam);
        EXPECT_EQ(lParam, 0);
        return 0;
    }
    // WM_TIMER: (UINT_PTR id, TIMERPROC proc)
    int OnWndTimer(HWND hwnd, WPARAM wParam, LPARAM /*lParam*/) override {
        KillTimer(hwnd, wParam);
        char text[64] = {};
        GetDlgItemTextA(hwnd, IDC_FIRST, text, sizeof text);
        editText = text;
        DestroyWindow(hwnd);
        return 0;
    }

    std::vector<WPARAM> commands;
    std::string editText;
};

HWND CreateHidden(CWindow& window, DWORD style = WS_POPUP) {
    return window.CreateExA(0, test::TestWindowClass(), "app", style, 0, 0, 200, 100, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
}

class Loops : public ::testing::Test {
protected:
    void SetUp() override { test::DrainQueue(); }
    void TearDown() override { test::DrainQueue(); }
};

} // namespace

TEST(Application, InitializeRecordsTheModuleAndMayBeRefused) {
    const struct {
        bool refuse;
        bool starts;
        bool expected;
        int initCalls;
    } cases[] = {
        {false, true, true, 1},
        {false, false, false, 1},
        {true, true, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.refuse << c.starts);
        StartProbe app(c.refuse, c.starts);
        EXPECT_EQ(app.instance, nullptr);
        EXPECT_EQ(app.Initialize(), c.expected);
        EXPECT_EQ(app.initCalls, c.initCalls);
        EXPECT_EQ(app.instance, GetModuleHandleA(nullptr));
    }
}

TEST(Application, TheTitleIsKeptWholeUpTo255Characters) {
    std::string longest(255, 'k');
    CApplication full(longest.c_str());
    EXPECT_EQ(std::string(full.title), longest);
    CApplication japanese("カルモラ");
    EXPECT_STREQ(japanese.title, "カルモラ");
    EXPECT_EQ(japanese.classAtom, 0);
    EXPECT_EQ(japanese.accelerator.GetHandle(), nullptr);
}

TEST(Application, OnInitInstanceShowsAWindowThatExists) {
    CApplication app("show");
    EXPECT_TRUE(app.OnInitInstance());
    ASSERT_NE(CreateHidden(app), nullptr);
    EXPECT_FALSE(IsWindowVisible(app.handle));
    EXPECT_TRUE(app.OnInitInstance());
    EXPECT_TRUE(IsWindowVisible(app.handle));
    DestroyWindow(app.handle);
    test::DrainQueue();
}

TEST_F(Loops, RunIdlesOnceAfterEachMessageAndSkipsWhatPreTranslationConsumed) {
    LoopProbe app;
    app.consumedKey = 'C';
    ASSERT_NE(CreateHidden(app), nullptr);
    test::PostKey(app.handle, 'C');
    test::PostKey(app.handle, 'P');
    test::LoopDeadline deadline;
    app.Run();
    EXPECT_FALSE(deadline.Fired());
    // C is neither dispatched nor translated; P is both, and its character ends the loop.
    EXPECT_EQ(app.trace, (Trace{"Run", "take WM_KEYDOWN", "idle", "take WM_KEYDOWN", "key P",
                                "idle", "take WM_CHAR", "char p", "idle", "take WM_CLOSE",
                                "destroy", "idle", "exit"}));
}

TEST_F(Loops, RunWithIdleIdlesOnlyWhileTheQueueIsEmpty) {
    LoopProbe app;
    app.idleAction = [](int idles) {
        if (idles == 1) {
            for (int i = 0; i < 3; ++i)
                PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
        } else {
            PostQuitMessage(0);
        }
    };
    test::LoopDeadline deadline;
    app.RunWithIdle();
    EXPECT_FALSE(deadline.Fired());
    EXPECT_EQ(app.trace, (Trace{"RunWithIdle", "idle", "take WM_APP", "take WM_APP", "take WM_APP",
                                "idle", "exit"}));
}

TEST_F(Loops, AQuitAlreadyQueuedEndsEitherLoopWithoutIdling) {
    for (bool withIdle : {false, true}) {
        SCOPED_TRACE(withIdle);
        LoopProbe app;
        PostQuitMessage(0);
        app.Execute(withIdle);
        EXPECT_EQ(app.trace, (Trace{withIdle ? "RunWithIdle" : "Run", "exit"}));
    }
}

TEST_F(Loops, AcceleratorKeysForAChildControlBecomeCommandsOfTheMainWindow) {
    const ACCEL keys[] = {
        {FVIRTKEY, VK_F5, 40001},
        {FVIRTKEY | FCONTROL, 'D', 40002},
    };
    const struct {
        bool control;
        UINT key;
        std::vector<WPARAM> commands;
        const char* editText;
    } cases[] = {
        {false, VK_F5, {MAKEWPARAM(40001, 1)}, ""},
        {true, 'D', {MAKEWPARAM(40002, 1)}, ""},
        // Not in the table without Ctrl: the edit control gets the key and types it.
        {false, 'D', {}, "d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.control << " " << c.key);
        CommandProbe app;
        ASSERT_TRUE(app.accelerator.Create(keys, 2));
        ASSERT_NE(CreateHidden(app, WS_OVERLAPPEDWINDOW | WS_VISIBLE), nullptr);
        HWND edit =
            CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 150, 20, app.handle,
                            reinterpret_cast<HMENU>(IDC_FIRST), GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(edit, nullptr);
        SetFocus(edit);
        test::DrainQueue();
        test::HoldModifiers(c.control, false);
        test::PostKey(edit, c.key);
        // A timer comes only once the posted messages, the typed character among them, are done.
        SetTimer(app.handle, 1, 10, nullptr);
        test::LoopDeadline deadline;
        app.Run();
        test::HoldModifiers(false, false);
        EXPECT_FALSE(deadline.Fired());
        EXPECT_EQ(app.commands, c.commands);
        EXPECT_EQ(app.editText, c.editText);
    }
}

TEST(Application, RegisterWindowClassStoresTheAtomThatCreateMainWindowUses) {
    CApplication app("メイン");
    app.instance = GetModuleHandleA(nullptr);
    HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    {
        test::MessageBoxAnswer answer(IDOK);
        EXPECT_TRUE(app.RegisterWindowClass(CWindow::StaticWndProc, "VelaMainWindow", brush));
        EXPECT_EQ(answer.Count(), 0);
    }
    ASSERT_NE(app.classAtom, 0);
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(app.instance, "VelaMainWindow", &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(info.lpfnWndProc, &CWindow::StaticWndProc);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);
    EXPECT_EQ(info.hIcon, nullptr);
    EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(info.hbrBackground, brush);

    HWND hwnd = app.CreateMainWindow();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(CWindow::FromHandle(hwnd), static_cast<CWindow*>(&app));
    char text[64] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "メイン");
    GetClassNameA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "VelaMainWindow");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
              static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(app.CreateMainWindow(), nullptr);
    DestroyWindow(hwnd);
    test::DrainQueue();
    UnregisterClassA("VelaMainWindow", app.instance);
}

TEST(Application, RegisteringATakenClassNameFailsWithTheFrameworksOwnBox) {
    CApplication app("taken");
    app.instance = GetModuleHandleA(nullptr);
    test::MessageBoxAnswer answer(IDOK);
    EXPECT_FALSE(app.RegisterWindowClass(CWindow::StaticWndProc, test::TestWindowClass(), nullptr));
    EXPECT_EQ(app.classAtom, 0);
    EXPECT_EQ(answer.Count(), 1);
    EXPECT_EQ(answer.Text(), "RegisterClassEx Failed.");
    EXPECT_EQ(app.CreateMainWindow(), nullptr);
}

TEST(Application, ClassRegistrationFunctionsFillTheRecordWithNoExtraBytes) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HCURSOR cursor = LoadCursorA(nullptr, IDC_CROSS);
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    const struct {
        const char* name;
        ATOM atom;
        HICON smallIcon;
    } cases[] = {
        {"VelaClassA",
         vela::wx::RegisterWndClassA(CS_DBLCLKS, instance, icon, cursor, nullptr, "VelaClassA",
                                     nullptr, CWindow::StaticWndProc),
         nullptr},
        {"VelaClassW",
         vela::wx::RegisterWndClassW(CS_DBLCLKS, instance, icon, cursor, nullptr, L"VelaClassW",
                                     nullptr, CWindow::StaticWndProc),
         nullptr},
        {"VelaClassExA",
         vela::wx::RegisterWndClassExA(CS_DBLCLKS, instance, icon, cursor, nullptr, "VelaClassExA",
                                       nullptr, icon, CWindow::StaticWndProc),
         icon},
        {"VelaClassExW",
         vela::wx::RegisterWndClassExW(CS_DBLCLKS, instance, icon, cursor, nullptr, L"VelaClassExW",
                                       nullptr, icon, CWindow::StaticWndProc),
         icon},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(c.atom, 0);
        WNDCLASSEXA info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetClassInfoExA(instance, c.name, &info));
        EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
        EXPECT_EQ(info.cbClsExtra, 0);
        EXPECT_EQ(info.cbWndExtra, 0);
        EXPECT_EQ(info.hIcon, icon);
        EXPECT_EQ(info.hCursor, cursor);
        if (c.smallIcon) {
            EXPECT_EQ(info.hIconSm, c.smallIcon);
        }
    }
    EXPECT_EQ(vela::wx::RegisterWndClassA(0, instance, nullptr, nullptr, nullptr, "VelaClassA",
                                          nullptr, CWindow::StaticWndProc),
              0);
    for (const auto& c : cases)
        UnregisterClassA(c.name, instance);
}
