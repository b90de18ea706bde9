// The real Kalmora.exe, copied into a fresh folder, started and driven from outside as a user
// would: clicks, keys, typed fields and answers to its questions, checked on disk.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/resource.h"
#include "tests/support/ProfileFiles.h"
#include "tests/support/TempDir.h"

namespace {

const char kSection[] = "{BE098140-A513-11D0-A3A4-00C04FD706EC}";

std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

class Kalmora {
public:
    explicit Kalmora(const test::TempDir& dir) : exe(dir.Sub("Kalmora.exe")) {
        CopyFileA(WindowsPath(KALMORA_EXE).c_str(), exe.c_str(), FALSE);
    }
    ~Kalmora() {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 99);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }

    std::string SettingsPath() const { return exe.substr(0, exe.rfind('\\')) + "\\setup.ini"; }

    // Starts the program and waits for its dialog.
    bool Start(const std::string& argument = std::string()) {
        std::string commandLine = "\"" + exe + "\"";
        if (!argument.empty())
            commandLine += " \"" + argument + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process))
            return false;
        dialog = WaitForWindow("Kalmora");
        if (!dialog)
            return false;
        // The dialog shows before its WM_INITDIALOG has filled the fields.
        Settle();
        return true;
    }

    // A visible top-level window of the program with that caption, waited for.
    HWND WaitForWindow(const std::string& caption) {
        return WaitForWindowThat([&](HWND hwnd) { return Text(hwnd) == caption; });
    }

    // A visible top-level window of the program other than its dialog, waited for.
    HWND WaitForOtherWindow() {
        return WaitForWindowThat([&](HWND hwnd) { return hwnd != dialog; });
    }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::string Caption() const { return Text(dialog); }

    // WM_GETTEXT itself: GetWindowText on another process's window answers only the caption
    // kept by the system, which an edit control does not keep up to date.
    static std::string Text(HWND hwnd) {
        char text[MAX_PATH * 2] = "";
        SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                            SMTO_BLOCK, 5000, nullptr);
        return text;
    }

    // A click whose work is done when this returns.
    static void Click(HWND button) {
        SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_BLOCK, 5000, nullptr);
    }
    void Click(int id) { Click(Item(id)); }
    // A click that opens a modal window, or that must follow input posted before it.
    static void Press(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }
    void Press(int id) { Press(Item(id)); }

    // A menu item chosen with the mouse reaches the dialog as this command.
    void Menu(int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    static void Key(HWND target, UINT vk) {
        PostMessageA(target, WM_KEYDOWN, vk, 1);
        PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    }

    // Clicks into the field, replaces its text, and leaves it with Tab.
    void Type(int id, const std::string& text) {
        HWND field = Item(id);
        PostMessageA(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(field, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        WaitUntil([&] { return Focus() == field; });
        SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                            SMTO_BLOCK, 5000, nullptr);
        Key(field, VK_TAB);
        WaitUntil([&] { return Focus() != field; });
        Settle();
    }

    HWND Focus() const {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(process.dwThreadId, &info);
        return info.hwndFocus;
    }

    template <class Condition>
    static bool WaitUntil(Condition condition) {
        for (int i = 0; i < 400; ++i) {
            if (condition())
                return true;
            Sleep(25);
        }
        return false;
    }

    // Answers the question box of that caption with one of its buttons.
    bool Answer(const std::string& caption, int button) {
        HWND box = WaitForWindow(caption);
        if (!box)
            return false;
        // Posted, and waited out: a message sent now could still be taken by the box's own
        // loop, before the question returns to the code that asked it.
        Press(GetDlgItem(box, button));
        if (!WaitUntil([&] { return !IsWindow(box); }))
            return false;
        Settle();
        return true;
    }

    // Returns once the program is back in its message loop: a message sent from another
    // thread is taken only there (or in a modal loop), never in the middle of a handler.
    void Settle() { SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr); }

    // The exit code once the program has ended, or 259 (still active) after the wait.
    DWORD WaitForExit() {
        WaitForSingleObject(process.hProcess, 20000);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    HWND dialog = nullptr;

private:
    struct Search {
        DWORD pid;
        const std::function<bool(HWND)>& matches;
        HWND found;
    };

    HWND WaitForWindowThat(const std::function<bool(HWND)>& matches) {
        Search search = {process.dwProcessId, matches, nullptr};
        WaitUntil([&] {
            EnumWindows(FindMatch, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        return search.found;
    }

    static BOOL CALLBACK FindMatch(HWND hwnd, LPARAM lParam) {
        auto* search = reinterpret_cast<Search*>(lParam);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == search->pid && IsWindowVisible(hwnd) && search->matches(hwnd)) {
            search->found = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    std::string exe;
    PROCESS_INFORMATION process = {};
};

std::string Key(const std::string& ini, const char* section, const char* key) {
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA(section, key, "<none>", value, MAX_PATH, ini.c_str());
    return value;
}

class KalmoraExe : public ::testing::Test {
protected:
    std::string Ini() const { return folder + "\\Desktop.ini"; }

    test::TempDir dir;
    std::string folder = dir.MakeDir("写真");
    std::string picture = dir.WriteFile("sky.bmp", "BM");
    Kalmora kalmora{dir};
};

} // namespace

TEST_F(KalmoraExe, FirstStartWithoutSettingsThenEscape) {
    ASSERT_TRUE(kalmora.Start());
    EXPECT_EQ(kalmora.Caption(), "Kalmora");
    EXPECT_EQ(Kalmora::Text(kalmora.Item(IDC_FOLDER)), "");
    EXPECT_FALSE(kalmora.Enabled(IDOK));
    EXPECT_FALSE(kalmora.Enabled(IDC_IMAGE));
    Kalmora::Key(kalmora.Item(IDC_FOLDER), VK_ESCAPE);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
    EXPECT_EQ(Key(kalmora.SettingsPath(), "Kalmora", "Open"), "");
    EXPECT_NE(Key(kalmora.SettingsPath(), "Kalmora", "WNDPLACEMENT"), "<none>");
}

TEST_F(KalmoraExe, PictureAndColoursFromTheScrollBarsThenOk) {
    ASSERT_TRUE(kalmora.Start(folder));
    EXPECT_EQ(kalmora.Caption(), "Kalmora");
    EXPECT_EQ(Kalmora::Text(kalmora.Item(IDC_FOLDER)), folder);
    kalmora.Type(IDC_IMAGE, picture);
    EXPECT_TRUE(kalmora.Enabled(IDOK));

    kalmora.Press(IDC_CHANGE_COLORS);
    HWND colours = kalmora.WaitForWindow("テキストカラーの設定");
    ASSERT_TRUE(colours);
    // Clicks on the bars' page areas: text red +10 twice, background blue +10.
    for (int bar : {IDC_TEXT_RED, IDC_TEXT_RED, IDC_BACK_BLUE})
        PostMessageA(colours, WM_HSCROLL, SB_PAGERIGHT,
                     reinterpret_cast<LPARAM>(GetDlgItem(colours, bar)));
    Kalmora::Press(GetDlgItem(colours, IDOK));
    EXPECT_TRUE(Kalmora::WaitUntil([&] { return !IsWindow(colours); }));
    kalmora.Settle();
    kalmora.Click(IDOK);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);

    EXPECT_EQ(Key(Ini(), kSection, "IconArea_Image"), picture);
    EXPECT_EQ(Key(Ini(), kSection, "IconArea_Text"), "0x00000014");
    // No background key before: the rows opened at 255, 255, 255 and blue could not rise.
    EXPECT_EQ(Key(Ini(), kSection, "IconArea_TextBackground"), "0x00ffffff");
    EXPECT_EQ(Key(Ini(), kSection, "Attributes"), "1");
    EXPECT_EQ(Key(kalmora.SettingsPath(), "Kalmora", "Open"), folder);
}

TEST_F(KalmoraExe, ApplyRevertAndTheCancelButton) {
    std::string original = "[.ShellClassInfo]\r\nInfoTip=Holiday\r\n";
    std::ofstream(Ini(), std::ios::binary) << original;
    ASSERT_TRUE(kalmora.Start(folder));
    kalmora.Type(IDC_IMAGE, picture);
    kalmora.Click(IDC_APPLY);
    EXPECT_EQ(Key(Ini(), kSection, "IconArea_Image"), picture);
    EXPECT_FALSE(kalmora.Enabled(IDC_APPLY));

    kalmora.Menu(IDM_REVERT);
    ASSERT_TRUE(kalmora.Answer(folder, IDYES));
    EXPECT_EQ(Key(Ini(), kSection, "IconArea_Image"), "<none>");
    EXPECT_EQ(Key(Ini(), ".ShellClassInfo", "InfoTip"), "Holiday");

    kalmora.Type(IDC_IMAGE, picture);
    kalmora.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
    EXPECT_EQ(Key(Ini(), kSection, "IconArea_Image"), "<none>");
    EXPECT_EQ(Key(kalmora.SettingsPath(), "Kalmora", "Open"), folder);
}

TEST_F(KalmoraExe, EscapeWithPendingChangesAnsweredYes) {
    ASSERT_TRUE(kalmora.Start(folder));
    kalmora.Type(IDC_IMAGE, picture);
    Kalmora::Key(kalmora.Item(IDC_FOLDER), VK_ESCAPE);
    ASSERT_TRUE(kalmora.Answer("保存", IDYES));
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
    EXPECT_EQ(Key(Ini(), kSection, "IconArea_Image"), picture);
    EXPECT_EQ(Key(kalmora.SettingsPath(), "Kalmora", "Open"), folder);
}

TEST_F(KalmoraExe, TheCloseBoxLeavesWithoutWriting) {
    ASSERT_TRUE(kalmora.Start(folder));
    kalmora.Type(IDC_IMAGE, picture);
    PostMessageA(kalmora.dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
    EXPECT_FALSE(test::Exists(Ini()));
    EXPECT_FALSE(test::Exists(kalmora.SettingsPath()));
}

TEST_F(KalmoraExe, AnArgumentThatNamesNothingIsIgnored) {
    WritePrivateProfileStringA("Kalmora", "Open", folder.c_str(), kalmora.SettingsPath().c_str());
    ASSERT_TRUE(kalmora.Start(dir.Sub("nowhere")));
    EXPECT_EQ(Kalmora::Text(kalmora.Item(IDC_FOLDER)), folder);
    EXPECT_TRUE(kalmora.Enabled(IDC_IMAGE));
    kalmora.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
}

// The About box's DLLs are loaded only when it is first asked for: F2 must still bring it up.
TEST_F(KalmoraExe, F2ShowsTheAboutBox) {
    ASSERT_TRUE(kalmora.Start());
    Kalmora::Key(kalmora.Item(IDC_FOLDER), VK_F2);
    HWND about = kalmora.WaitForOtherWindow();
    ASSERT_TRUE(about);
    EXPECT_NE(Kalmora::Text(about).find("Kalmora"), std::string::npos) << Kalmora::Text(about);
    Kalmora::Press(GetDlgItem(about, IDOK));
    EXPECT_TRUE(Kalmora::WaitUntil([&] { return !IsWindow(about); }));
    kalmora.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
}

namespace {

// While it lives, Wine reports that Windows version to every Kalmora.exe it starts; what was
// there before comes back afterwards.
class ReportedVersion {
public:
    explicit ReportedVersion(const char* version) {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition);
        DWORD size = sizeof before;
        hadValue = RegQueryValueExA(key, "Version", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(before), &size) == ERROR_SUCCESS;
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       lstrlenA(version) + 1);
    }
    ~ReportedVersion() {
        if (hadValue)
            RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(before),
                           lstrlenA(before) + 1);
        else
            RegDeleteValueA(key, "Version");
        RegCloseKey(key);
        if (disposition == REG_CREATED_NEW_KEY)
            RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    ReportedVersion(const ReportedVersion&) = delete;
    ReportedVersion& operator=(const ReportedVersion&) = delete;

private:
    static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\Kalmora.exe";
    HKEY key = nullptr;
    DWORD disposition = 0;
    bool hadValue = false;
    char before[64] = "";
};

// The look window's report of a Kalmora.exe started on the folder while Wine tells it that
// Windows version; the program is left with its Cancel button.
std::string LookReportUnder(const char* version, const test::TempDir& dir,
                            const std::string& folder) {
    ReportedVersion reported(version);
    Kalmora kalmora(dir);
    if (!kalmora.Start(folder)) {
        ADD_FAILURE() << version << ": no dialog";
        return std::string();
    }
    kalmora.Menu(IDM_LOOK);
    HWND look = kalmora.WaitForWindow("見た目の確認 - 写真");
    EXPECT_TRUE(look) << version;
    std::string report = look ? Kalmora::Text(GetDlgItem(look, IDC_LOOK_REPORT)) : std::string();
    kalmora.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(kalmora.WaitForExit(), 0u) << version;
    return report;
}

} // namespace

// The look window's report tells whether the shell of the running system draws the keys.
TEST_F(KalmoraExe, TheLookWindowReportsWhetherThisSystemsShellShowsBackgrounds) {
    const struct {
        const char* version;
        std::string expected;
    } cases[] = {
        {"winxp", "このシステム (Windows 5.1) のシェルはフォルダの背景を表示します。\r\n背景画像"},
        {"win10", "のシェルはフォルダの背景を表示しません。\r\n表示するのは Windows 2000/XP と "
                  "ReactOS のシェルです。"},
    };
    for (const auto& c : cases) {
        const std::string report = LookReportUnder(c.version, dir, folder);
        EXPECT_NE(report.find(c.expected), std::string::npos) << c.version << "\n" << report;
    }
}

// Apply disables the button that was pressed; the focus goes on to the next control that can
// take it, so that Tab still works without a click.
TEST_F(KalmoraExe, TheFocusMovesOnFromApplyByMouseAndByKeyboard) {
    ASSERT_TRUE(kalmora.Start(folder));
    HWND apply = kalmora.Item(IDC_APPLY);
    const struct {
        const char* name;
        std::function<void()> press;
    } ways[] = {
        {"mouse",
         [&] {
             PostMessageA(apply, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
             PostMessageA(apply, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
         }},
        {"keyboard",
         [&] {
             for (int tabs = 0; tabs < 20 && kalmora.Focus() != apply; ++tabs) {
                 HWND from = kalmora.Focus();
                 Kalmora::Key(from, VK_TAB);
                 Kalmora::WaitUntil([&] { return kalmora.Focus() != from; });
             }
             ASSERT_EQ(kalmora.Focus(), apply);
             Kalmora::Key(apply, VK_SPACE);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        // Leaves the focus on the image's "...", from where Tab passes no other field.
        kalmora.Type(IDC_IMAGE, dir.Sub(way.name) + ".bmp");
        ASSERT_TRUE(kalmora.Enabled(IDC_APPLY));
        way.press();
        EXPECT_TRUE(Kalmora::WaitUntil([&] { return !kalmora.Enabled(IDC_APPLY); }));
        kalmora.Settle();
        HWND focus = kalmora.Focus();
        EXPECT_EQ(focus, kalmora.Item(IDC_CHANGE_COLORS));
        EXPECT_TRUE(IsWindowEnabled(focus));
        Kalmora::Key(focus, VK_TAB);
        EXPECT_TRUE(Kalmora::WaitUntil(
            [&] { return kalmora.Focus() == kalmora.Item(IDC_DEFAULT_COLORS); }));
    }
    kalmora.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
}

// A folder named setup.ini stands beside the exe, as unwritable as Program Files is for a user:
// the settings go to the user's application data folder instead, and come back from there.
TEST_F(KalmoraExe, SettingsGoToTheUsersFolderWhenTheExesFolderCannotBeWritten) {
    char appData[MAX_PATH] = "";
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
    const std::string perUser = std::string(appData) + "\\Kalmora\\setup.ini";
    DeleteFileA(perUser.c_str());
    CreateDirectoryA(kalmora.SettingsPath().c_str(), nullptr);

    ASSERT_TRUE(kalmora.Start(folder));
    Kalmora::Key(kalmora.Item(IDC_FOLDER), VK_ESCAPE);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
    EXPECT_EQ(Key(perUser, "Kalmora", "Open"), folder);
    EXPECT_NE(Key(perUser, "Kalmora", "WNDPLACEMENT"), "<none>");

    Kalmora again(dir);
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(Kalmora::Text(again.Item(IDC_FOLDER)), folder);
    again.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(again.WaitForExit(), 0u);
    EXPECT_TRUE(RemoveDirectoryA(kalmora.SettingsPath().c_str()))
        << "something was written into it";
    DeleteFileA(perUser.c_str());
}

// A user's own desktop.ini, lower-case, UTF-16 and hidden, with text the system code page cannot
// hold: cancelling the colour dialog changes nothing, and after an Apply the revert gives back
// the very file, under its name, with the attributes of file and folder.
TEST_F(KalmoraExe, ColourCancelChangesNothingAndRevertGivesBackTheVeryFile) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c :
         std::u16string(u"; by hand\r\n\r\n[.ShellClassInfo]\r\nInfoTip=Café 한국어\r\n"
                        u"IconResource=a.dll,3\r\nIconResource=b.dll,4\r\n")) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    const std::string ini = folder + "\\desktop.ini";
    std::ofstream(ini, std::ios::binary) << bytes;
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    ASSERT_TRUE(kalmora.Start(folder));

    kalmora.Press(IDC_CHANGE_COLORS);
    HWND colours = kalmora.WaitForWindow("テキストカラーの設定");
    ASSERT_TRUE(colours);
    PostMessageA(colours, WM_HSCROLL, SB_PAGERIGHT,
                 reinterpret_cast<LPARAM>(GetDlgItem(colours, IDC_TEXT_RED)));
    Kalmora::Press(GetDlgItem(colours, IDCANCEL));
    EXPECT_TRUE(Kalmora::WaitUntil([&] { return !IsWindow(colours); }));
    kalmora.Settle();
    EXPECT_TRUE(IsWindowVisible(kalmora.Item(IDC_TEXT_DEFAULT)));
    EXPECT_FALSE(IsWindowVisible(kalmora.Item(IDC_TEXT_SWATCH)));
    EXPECT_FALSE(kalmora.Enabled(IDC_APPLY));

    kalmora.Type(IDC_IMAGE, picture);
    kalmora.Click(IDC_APPLY);
    EXPECT_EQ(Key(ini, kSection, "IconArea_Image"), picture);
    EXPECT_EQ(Key(ini, kSection, "IconArea_Text"), "<none>");

    kalmora.Menu(IDM_REVERT);
    ASSERT_TRUE(kalmora.Answer(folder, IDYES));
    std::ifstream restored(ini, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(restored), {}), bytes);
    // Under its own name, and no temporary file left beside it.
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        if (found.cFileName[0] != '.')
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(names, std::vector<std::string>{"desktop.ini"});
    // Wine reports FILE_ATTRIBUTE_ARCHIVE on every plain file; Windows keeps what was set.
    EXPECT_EQ(GetFileAttributesA(ini.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE,
              DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);

    kalmora.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
}

// The option through the real menu: a Japanese picture turns the ANSI Desktop.ini UTF-16LE with
// Files' key beside the shell's, the revert gives the ANSI bytes back, and the option is kept.
TEST_F(KalmoraExe, FilesAppOptionWithAJapanesePictureAndTheExactRevert) {
    const std::string original = "[.ShellClassInfo]\r\nInfoTip=夏の休み\r\n\r\n";
    dir.WriteFile("写真\\Desktop.ini", original);
    const std::string japanese = dir.WriteFile("青空.bmp", "BM");
    ASSERT_TRUE(kalmora.Start(folder));
    kalmora.Menu(IDM_FILES_APP);
    kalmora.Type(IDC_IMAGE, japanese);
    kalmora.Click(IDC_APPLY);
    EXPECT_FALSE(kalmora.Enabled(IDC_APPLY));
    EXPECT_EQ(test::ReadFileBytes(Ini()).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(test::ReadKeyW(Ini(), L"FilesApp", L"Files_BackgroundImage"), test::Wide(japanese));
    EXPECT_EQ(test::ReadKeyW(Ini(), test::Wide(kSection).c_str(), L"IconArea_Image"),
              test::Wide(japanese));
    EXPECT_EQ(test::ReadKeyW(Ini(), L".ShellClassInfo", L"InfoTip"), L"夏の休み");

    kalmora.Menu(IDM_REVERT);
    ASSERT_TRUE(kalmora.Answer(folder, IDYES));
    EXPECT_EQ(test::ReadFileBytes(Ini()), original);
    kalmora.Click(IDC_CANCEL_BUTTON);
    EXPECT_EQ(kalmora.WaitForExit(), 0u);
    EXPECT_EQ(Key(kalmora.SettingsPath(), "Kalmora", "FilesApp"), "1");
}

// Explorer of Vista and later shows none of the shell's keys: there the report points to the
// option while it is off.
TEST_F(KalmoraExe, TheLookWindowSuggestsTheFilesOptionFromVistaOn) {
    const struct {
        const char* version;
        bool suggested;
    } cases[] = {{"winxp", false}, {"win10", true}};
    for (const auto& c : cases) {
        const std::string report = LookReportUnder(c.version, dir, folder);
        EXPECT_NE(report.find("Files アプリ: 背景画像のキーは書き込みません。"), std::string::npos)
            << c.version << "\n"
            << report;
        EXPECT_EQ(report.find("「Files アプリにも設定する」をオンに") != std::string::npos,
                  c.suggested)
            << c.version << "\n"
            << report;
    }
}
