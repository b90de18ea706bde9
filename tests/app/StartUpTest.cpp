// The main dialog shown once, filled and in its stored place; reloads that keep the snapshot
// only while the file holds the same bytes.
#include "tests/app/AppFixture.h"

#include "app/resource.h"
#include "tests/support/ProfileFiles.h"

#include <string>
#include <vector>

namespace {

const char kSection[] = "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n";

// What the main dialog held each time it was about to be shown.
struct Showing {
    std::string folderText;
    bool imageEnabled = false;
    bool swatchShown = false;
    bool iconSet = false;
    RECT normal = {};
};

std::vector<Showing>* showings = nullptr;

bool IsMainDialog(HWND hwnd) {
    char name[16] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0 && !GetParent(hwnd) && GetMenu(hwnd);
}

// Every showing passes WM_WINDOWPOSCHANGING with SWP_SHOWWINDOW before the window becomes
// visible (WM_SHOWWINDOW does not: SW_SHOWMAXIMIZED sends none), so what is recorded is what the
// first picture of the dialog shows.
LRESULT CALLBACK RecordShowing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_WINDOWPOSCHANGING &&
        (reinterpret_cast<const WINDOWPOS*>(message->lParam)->flags & SWP_SHOWWINDOW) &&
        IsMainDialog(message->hwnd)) {
        HWND hwnd = message->hwnd;
        Showing showing;
        char text[MAX_PATH] = "";
        GetDlgItemTextA(hwnd, IDC_FOLDER, text, MAX_PATH);
        showing.folderText = text;
        showing.imageEnabled = IsWindowEnabled(GetDlgItem(hwnd, IDC_IMAGE)) != FALSE;
        showing.swatchShown =
            (GetWindowLongA(GetDlgItem(hwnd, IDC_TEXT_SWATCH), GWL_STYLE) & WS_VISIBLE) != 0;
        showing.iconSet = SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0) != 0;
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd, &placement);
        showing.normal = placement.rcNormalPosition;
        showings->push_back(showing);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class StartUpTest : public AppTest {
protected:
    std::string SettingsPath() const {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string settings = self;
        return settings.substr(0, settings.rfind('\\')) + "\\setup.ini";
    }
};

} // namespace

TEST_F(StartUpTest, TheDialogIsShownOnceFilledAndInItsStoredPlace) {
    WriteDesktopIni(std::string(kSection) + "IconArea_Image=" + picture +
                    "\r\nIconArea_Text=0x00112233\r\nIconArea_TextBackground=0x00445566\r\n");
    struct Case {
        const char* label;
        UINT showCmd;
    };
    const Case cases[] = {{"normal", SW_SHOWNORMAL}, {"maximised", SW_SHOWMAXIMIZED}};
    const RECT stored = {60, 70, 560, 370};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(test::WritePlacement(SettingsPath(), c.showCmd, stored));
        std::vector<Showing> seen;
        showings = &seen;
        HHOOK hook =
            SetWindowsHookExA(WH_CALLWNDPROC, RecordShowing, nullptr, GetCurrentThreadId());
        ASSERT_TRUE(hook);
        app.reset();
        Start(folder);
        UnhookWindowsHookEx(hook);
        showings = nullptr;

        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].folderText, folder);
        EXPECT_TRUE(seen[0].imageEnabled);
        EXPECT_TRUE(seen[0].swatchShown);
        EXPECT_TRUE(seen[0].iconSet);
        EXPECT_EQ(seen[0].normal.left, stored.left);
        EXPECT_EQ(seen[0].normal.top, stored.top);
        EXPECT_EQ(seen[0].normal.right - seen[0].normal.left, stored.right - stored.left);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(IsZoomed(dialog) != FALSE, c.showCmd == SW_SHOWMAXIMIZED);
        EXPECT_EQ(Caption(), "Kalmora");
        DestroyWindow(dialog);
        Pump();
    }
}

// A refresh keeps the snapshot only while the file holds the bytes it was taken from; neither
// size nor time tells a change, so another program's edit of the same length at the same time
// is still taken.
TEST_F(StartUpTest, RefreshTakesTheSnapshotAnewExactlyWhenTheBytesChanged) {
    const std::string first = std::string("[.ShellClassInfo]\r\nInfoTip=aaaa\r\n") + kSection +
                              "IconArea_Text=0x00112233\r\nIconArea_TextBackground=0x00445566\r\n";
    const std::string second = std::string("[.ShellClassInfo]\r\nInfoTip=bbbb\r\n") + kSection +
                               "IconArea_Text=0x00778899\r\nIconArea_TextBackground=0x00445566\r\n";
    ASSERT_EQ(first.size(), second.size());
    WriteDesktopIni(first);
    Start(folder);
    ASSERT_STREQ(app->profile.FindValue(".ShellClassInfo", "InfoTip"), "aaaa");
    ASSERT_EQ(app->profile.GetIconTextColor(), 0x00112233u);

    // Unchanged: the same snapshot and the same values.
    Command(IDM_REFRESH);
    EXPECT_STREQ(app->profile.FindValue(".ShellClassInfo", "InfoTip"), "aaaa");
    EXPECT_EQ(app->profile.GetSections().size(), 2u);
    EXPECT_EQ(app->profile.GetIconTextColor(), 0x00112233u);
    EXPECT_EQ(app->profile.GetIconTextBackColor(), 0x00445566u);
    EXPECT_TRUE(Visible(IDC_TEXT_SWATCH));

    // Rewritten by another program: same length, same time stamp.
    HANDLE file = CreateFileA(DesktopIniPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written;
    GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    WriteDesktopIni(second);
    file = CreateFileA(DesktopIniPath().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                       0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    // What another program does to the file is its own affair; the platform's profile cache is
    // told here, as a program writing the file without the profile functions should.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, DesktopIniPath().c_str());

    Command(IDM_REFRESH);
    EXPECT_STREQ(app->profile.FindValue(".ShellClassInfo", "InfoTip"), "bbbb");
    EXPECT_EQ(app->profile.GetIconTextColor(), 0x00778899u);

    // A revert now puts back the second file, not the first.
    test::MessageBoxAnswer yes(IDYES);
    Command(IDM_REVERT);
    EXPECT_EQ(test::ReadFileBytes(DesktopIniPath()), second);
    EXPECT_STREQ(app->profile.FindValue(".ShellClassInfo", "InfoTip"), "bbbb");
}

// After an apply the snapshot stays as loaded; the reload after a revert finds the file as it
// was and keeps that snapshot, and shows the file's own values again.
TEST_F(StartUpTest, RevertAfterApplyShowsTheLoadedFileAgain) {
    WriteDesktopIni(std::string(kSection) + "IconArea_Image=" + picture +
                    "\r\nIconArea_Text=0x00112233\r\nIconArea_TextBackground=0x00445566\r\n");
    const std::string before = test::ReadFileBytes(DesktopIniPath());
    Start(folder);
    Command(IDC_NO_IMAGE);
    Command(IDC_DEFAULT_COLORS);
    Command(IDC_APPLY);
    ASSERT_FALSE(HasKey("IconArea_Text"));

    test::MessageBoxAnswer yes(IDYES);
    Command(IDM_REVERT);
    EXPECT_EQ(test::ReadFileBytes(DesktopIniPath()), before);
    EXPECT_EQ(Text(IDC_IMAGE), picture);
    EXPECT_TRUE(Visible(IDC_TEXT_SWATCH));
    EXPECT_EQ(app->profile.GetIconTextColor(), 0x00112233u);
    EXPECT_EQ(app->profile.GetIconTextBackColor(), 0x00445566u);
    EXPECT_STREQ(app->profile.FindValue("{BE098140-A513-11D0-A3A4-00C04FD706EC}", "IconArea_Text"),
                 "0x00112233");
    EXPECT_FALSE(Enabled(IDOK));
}
