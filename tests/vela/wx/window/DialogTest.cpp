// Dialogs from templates, modeless and modal, and a dialog as the application's main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/vela/wx/window/TestResource.h"
#include "tests/vela/wx/window/WindowTestSupport.h"
#include "vela/wx/window/DlgApplication.h"
#include "vela/wx/window/DlgBase.h"

using vela::wx::CDlgApplication;
using vela::wx::CDlgBase;
using vela::wx::CWindow;

namespace {

constexpr UINT_PTR kEndTimer = 1;

// What the object knew when WM_INITDIALOG reached OnInitDialog.
struct AtInit {
    HWND hwnd = nullptr;
    HWND handle = nullptr;
    CWindow* found = nullptr;
    bool visible = false;
};

// Records the dialog map's messages; its timer, when set, ends the dialog with `code`.
class DialogProbe : public CDlgBase {
public:
    INT_PTR DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        return CDlgBase::DialogProc(hwnd, message, wParam, lParam);
    }
    // WM_INITDIALOG: (HWND focus, LPARAM init)
    int OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override {
        init = {hwnd, handle, FromHandle(hwnd), IsWindowVisible(hwnd) != FALSE};
        if (timed)
            SetTimer(hwnd, kEndTimer, 10, nullptr);
        return CDlgBase::OnInitDialog(hwnd, wParam, lParam);
    }
    // WM_TIMER: (UINT_PTR id, TIMERPROC proc)
    int OnTimer(HWND hwnd, WPARAM /*wParam*/, LPARAM /*lParam*/) override {
        KillTimer(hwnd, kEndTimer);
        boundAtTimer = FromHandle(hwnd) == this && handle == hwnd;
        parentEnabledAtTimer = IsWindowEnabled(::GetParent(hwnd)) != FALSE;
        if (quits)
            PostQuitMessage(3);
        else
            End(hwnd, code);
        return 1;
    }

    bool timed = false;
    bool quits = false;
    int code = 0;
    std::vector<UINT> messages;
    AtInit init;
    bool boundAtTimer = false;
    bool parentEnabledAtTimer = true;
};

// A dialog application on the plain template; its timer records the focus and destroys it.
class DialogAppProbe : public CDlgApplication {
public:
    DialogAppProbe() : CDlgApplication("ダイアログの試験") {}

    bool OnInitInstance() override {
        CreateModeless(instance, MAKEINTRESOURCEA(IDD_PLAIN), nullptr, CDlgBase::StaticDlgProc, 0);
        return CDlgApplication::OnInitInstance();
    }
    // WM_INITDIALOG: (HWND focus, LPARAM init)
    int OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override {
        // Hidden again, so that only the application's own showing can make it visible.
        ShowWindow(hwnd, SW_HIDE);
        return CDlgApplication::OnInitDialog(hwnd, wParam, lParam);
    }
    // WM_COMMAND: (WORD id, WORD code, HWND control)
    int OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override {
        // The edits' own notifications (focus, change) are not what these tests look at.
        if (LOWORD(wParam) != IDC_FIRST && LOWORD(wParam) != IDC_SECOND)
            commands.push_back(wParam);
        return CDlgApplication::OnCommand(hwnd, wParam, lParam);
    }
    // WM_TIMER: (UINT_PTR id, TIMERPROC proc)
    int OnTimer(HWND hwnd, WPARAM wParam, LPARAM /*lParam*/) override {
        KillTimer(hwnd, wParam);
        timerRan = true;
        focus = GetDlgCtrlID(GetFocus());
        DestroyWindow(hwnd);
        return 1;
    }
    // WM_DESTROY: ()
    int OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) override {
        int result = CDlgApplication::OnDestroy(hwnd, wParam, lParam);
        MSG quit = {};
        quitPosted = PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
        quitCode = quit.wParam;
        return result;
    }
    void OnExit() override { ++exits; }

    std::vector<WPARAM> commands;
    bool timerRan = false;
    int focus = 0;
    bool quitPosted = false;
    WPARAM quitCode = 99;
    int exits = 0;
};

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

HWND CreateDialogOf(CDlgBase& dialog, int id, HWND parent = nullptr) {
    return dialog.CreateModeless(Module(), MAKEINTRESOURCEA(id), parent, CDlgBase::StaticDlgProc,
                                 0);
}

std::string TextOf(HWND hwnd) {
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        test::DrainQueue();
        test::HoldModifiers(false, false);
    }
    void TearDown() override { test::DrainQueue(); }
};

} // namespace

TEST_F(Dialogs, WmInitDialogBindsTheObjectAndShowsTheDialogFirst) {
    DialogProbe dialog;
    int before = test::ThreadWindowCount("#32770");
    HWND hwnd = CreateDialogOf(dialog, IDD_PLAIN);
    ASSERT_NE(hwnd, nullptr);
    // WM_SETFONT and the rest before WM_INITDIALOG found no object.
    ASSERT_FALSE(dialog.messages.empty());
    EXPECT_EQ(dialog.messages.front(), static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(dialog.init.hwnd, hwnd);
    EXPECT_EQ(dialog.init.handle, hwnd);
    EXPECT_EQ(dialog.init.found, &dialog);
    // The template has no WS_VISIBLE.
    EXPECT_TRUE(dialog.init.visible);
    EXPECT_EQ(dialog.handle, hwnd);
    EXPECT_EQ(CWindow::PendingWindow, nullptr);
    EXPECT_EQ(dialog.GetItem(IDC_SECOND), GetDlgItem(hwnd, IDC_SECOND));

    EXPECT_EQ(CreateDialogOf(dialog, IDD_PLAIN), nullptr);
    EXPECT_EQ(dialog.CreateModelessW(Module(), MAKEINTRESOURCEW(IDD_PLAIN), nullptr,
                                     CDlgBase::StaticDlgProc, 0),
              nullptr);
    EXPECT_EQ(
        dialog.DoModal(Module(), MAKEINTRESOURCEA(IDD_PLAIN), nullptr, CDlgBase::StaticDlgProc, 0),
        0);
    EXPECT_EQ(test::ThreadWindowCount("#32770"), before + 1);
    DestroyWindow(hwnd);
    EXPECT_EQ(dialog.handle, nullptr);

    // Unbound again, the same object makes a new dialog, here through the UTF-16 form.
    HWND again = dialog.CreateModelessW(Module(), MAKEINTRESOURCEW(IDD_PLAIN), nullptr,
                                        CDlgBase::StaticDlgProc, 0);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(dialog.handle, again);
    DestroyWindow(again);
}

TEST_F(Dialogs, AMissingTemplateLeavesTheObjectUnboundAndNothingPending) {
    const int kNoTemplate = 999;
    DialogProbe dialog;
    EXPECT_EQ(CreateDialogOf(dialog, kNoTemplate), nullptr);
    EXPECT_EQ(dialog.CreateModelessW(Module(), MAKEINTRESOURCEW(kNoTemplate), nullptr,
                                     CDlgBase::StaticDlgProc, 0),
              nullptr);
    EXPECT_EQ(dialog.DoModal(Module(), MAKEINTRESOURCEA(kNoTemplate), nullptr,
                             CDlgBase::StaticDlgProc, 0),
              -1);
    EXPECT_EQ(dialog.handle, nullptr);
    EXPECT_EQ(CWindow::PendingWindow, nullptr);
    EXPECT_TRUE(dialog.messages.empty());
}

TEST_F(Dialogs, DoModalReturnsTheCodeGivenToEnd) {
    for (bool wide : {false, true}) {
        SCOPED_TRACE(wide);
        DialogProbe dialog;
        dialog.timed = true;
        dialog.code = wide ? 43 : 42;
        test::LoopDeadline deadline;
        INT_PTR result = wide ? dialog.DoModalW(Module(), MAKEINTRESOURCEW(IDD_PLAIN), nullptr,
                                                CDlgBase::StaticDlgProc, 0)
                              : dialog.DoModal(Module(), MAKEINTRESOURCEA(IDD_PLAIN), nullptr,
                                               CDlgBase::StaticDlgProc, 0);
        EXPECT_FALSE(deadline.Fired());
        EXPECT_EQ(result, dialog.code);
        EXPECT_EQ(dialog.endCode, dialog.code);
        EXPECT_TRUE(dialog.boundAtTimer);
        EXPECT_EQ(dialog.handle, nullptr);
    }
}

namespace {

// Other test programs share the display, so only this process's windows are compared.
bool OnTopOfItsProcess(HWND hwnd) {
    for (HWND above = GetWindow(hwnd, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(above, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(above))
            return false;
    }
    return true;
}

} // namespace

TEST_F(Dialogs, RunModalReturnsEndsCodeAndGivesTheParentBackEnabled) {
    DialogProbe owner;
    HWND parent = CreateDialogOf(owner, IDD_PLAIN);
    ASSERT_NE(parent, nullptr);
    const struct {
        bool quits;
        int expected;
    } cases[] = {{false, 7}, {true, STILL_ACTIVE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quits);
        DialogProbe child;
        child.timed = true;
        child.quits = c.quits;
        child.code = 7;
        HWND hwnd = CreateDialogOf(child, IDD_CHILD, parent);
        ASSERT_NE(hwnd, nullptr);
        test::LoopDeadline deadline;
        EXPECT_EQ(child.RunModal(), c.expected);
        EXPECT_FALSE(deadline.Fired());
        EXPECT_FALSE(child.parentEnabledAtTimer);
        EXPECT_TRUE(IsWindowEnabled(parent));
        EXPECT_TRUE(OnTopOfItsProcess(parent));
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(child.handle, nullptr);
        EXPECT_EQ(child.endCode, c.expected);
        // A WM_QUIT that ended the loop is not posted again.
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
    DestroyWindow(parent);
}

TEST_F(Dialogs, RunModalWithoutADialogReturnsTheStoredCode) {
    DialogProbe owner;
    HWND other = CreateDialogOf(owner, IDD_PLAIN);
    ASSERT_NE(other, nullptr);
    CDlgBase dialog;
    EXPECT_EQ(dialog.RunModal(), 0);
    // End keeps the code in the object it is called on, whichever dialog it ends.
    dialog.End(other, 9);
    EXPECT_EQ(dialog.endCode, 9);
    EXPECT_EQ(owner.endCode, 0);
    EXPECT_EQ(dialog.RunModal(), 9);
    DestroyWindow(other);
}

TEST_F(Dialogs, DialogApplicationShowsItsDialogAndQuitsWithZeroWhenItIsDestroyed) {
    DialogAppProbe app;
    ASSERT_TRUE(app.Initialize());
    HWND hwnd = app.handle;
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(TextOf(hwnd), "ダイアログの試験");
    SetTimer(hwnd, kEndTimer, 10, nullptr);
    test::LoopDeadline deadline;
    app.Execute(false);
    EXPECT_FALSE(deadline.Fired());
    EXPECT_TRUE(app.timerRan);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(app.handle, nullptr);
    EXPECT_TRUE(app.quitPosted);
    EXPECT_EQ(app.quitCode, 0u);
    EXPECT_EQ(app.exits, 1);
}

TEST_F(Dialogs, DialogApplicationWithoutItsDialogStillStarts) {
    CDlgApplication app("empty");
    EXPECT_TRUE(app.Initialize());
    EXPECT_EQ(app.handle, nullptr);
}

TEST_F(Dialogs, TabMovesTheFocusInADialogApplication) {
    DialogAppProbe app;
    ASSERT_TRUE(app.Initialize());
    HWND first = GetDlgItem(app.handle, IDC_FIRST);
    SetFocus(first);
    ASSERT_EQ(GetFocus(), first);
    test::DrainQueue();
    test::PostKey(first, VK_TAB);
    SetTimer(app.handle, kEndTimer, 10, nullptr);
    test::LoopDeadline deadline;
    app.Run();
    EXPECT_FALSE(deadline.Fired());
    EXPECT_EQ(app.focus, IDC_SECOND);
    EXPECT_TRUE(app.commands.empty());
}

TEST_F(Dialogs, AcceleratorsComeBeforeDialogNavigation) {
    const ACCEL enter = {FVIRTKEY, VK_RETURN, 40003};
    const struct {
        bool withTable;
        std::vector<WPARAM> commands;
        bool timerRan;
    } cases[] = {
        {true, {MAKEWPARAM(40003, 1)}, true},
        // Without the table Enter is navigation: the default button closes the dialog.
        {false, {MAKEWPARAM(IDOK, BN_CLICKED)}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.withTable);
        DialogAppProbe app;
        if (c.withTable) {
            ASSERT_TRUE(app.accelerator.Create(&enter, 1));
        }
        ASSERT_TRUE(app.Initialize());
        HWND first = GetDlgItem(app.handle, IDC_FIRST);
        SetFocus(first);
        test::DrainQueue();
        test::PostKey(first, VK_RETURN);
        SetTimer(app.handle, kEndTimer, 10, nullptr);
        test::LoopDeadline deadline;
        app.Run();
        EXPECT_FALSE(deadline.Fired());
        EXPECT_EQ(app.commands, c.commands);
        EXPECT_EQ(app.timerRan, c.timerRan);
        EXPECT_EQ(app.exits, 1);
    }
}

TEST(DialogProgram, StartsShowsItsDialogAndExitsWithZeroWhenTheDialogIsDestroyed) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program = program.substr(0, program.rfind('\\') + 1) + "dialog_program.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));

    HWND dialog = nullptr;
    for (int i = 0; i < 200 && !dialog; ++i) {
        dialog = FindWindowA("#32770", "dialog program");
        // The program names its dialog a moment before it shows it, filled.
        if (dialog && !IsWindowVisible(dialog))
            dialog = nullptr;
        if (!dialog && WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0)
            break;
    }
    ASSERT_NE(dialog, nullptr) << "the program showed no dialog";
    DWORD owner = 0;
    GetWindowThreadProcessId(dialog, &owner);
    EXPECT_EQ(owner, process.dwProcessId);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    // The dialog's Cancel button, as a click would report it.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(dialog));
    if (exitCode == STILL_ACTIVE)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
