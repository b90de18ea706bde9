// The main dialog in process: start-up, the apply table, revert, the image and folder rules,
// the exit sequences and what each leaves on disk.
#include "tests/app/AppFixture.h"

#include "app/resource.h"
#include "tests/support/ProfileFiles.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kSection[] = "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n";

// The system's text for an error, as the failure message's third line gives it.
std::string SystemText(DWORD error) {
    char text[512] = "";
    DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT), text, sizeof text, nullptr);
    while (length > 0 &&
           (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' '))
        --length;
    return std::string(text, length);
}

std::string CurrentDirectory() {
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    return current;
}

std::string CustomIni(const std::string& image) {
    return std::string("[.ShellClassInfo]\r\nIconResource=a.dll,3\r\n") + kSection +
           "IconArea_Image=" + image + "\r\nAttributes=1\r\nIconArea_Text=0x00112233\r\n" +
           "IconArea_TextBackground=0x00445566\r\n";
}

} // namespace

TEST_F(AppTest, StartsWithNoSettingsInTheNoFolderState) {
    Start();
    EXPECT_EQ(Caption(), "Kalmora");
    EXPECT_EQ(Text(IDC_FOLDER), "");
    EXPECT_TRUE(IsWindowVisible(dialog));
    for (int id : {IDC_IMAGE, IDC_BROWSE_IMAGE, IDC_NO_IMAGE, IDC_PREVIEW, IDC_CHANGE_COLORS,
                   IDC_DEFAULT_COLORS, IDOK, IDC_APPLY})
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {IDC_FOLDER, IDC_BROWSE_FOLDER, IDC_CANCEL_BUTTON})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(MenuEnabled(IDC_APPLY));
    EXPECT_FALSE(MenuEnabled(IDM_REVERT));
    EXPECT_TRUE(MenuEnabled(IDM_REFRESH));
    EXPECT_FALSE(Visible(IDC_TEXT_SWATCH));
    EXPECT_EQ(Text(IDC_IMAGE_LABEL), "フォルダの背景画像 : ");
    EXPECT_EQ(CMain::GetInstance(0), app.get());

    Command(IDCANCEL);
    EXPECT_FALSE(DialogAlive());
    char open[MAX_PATH] = "unread";
    GetPrivateProfileStringA("Kalmora", "Open", "missing", open, MAX_PATH, app->settingsPath);
    EXPECT_STREQ(open, "");
    WINDOWPLACEMENT placement = {};
    EXPECT_TRUE(GetPrivateProfileStructA("Kalmora", "WNDPLACEMENT", &placement, sizeof placement,
                                         app->settingsPath));
}

TEST_F(AppTest, LoadsTheRememberedFolderAndShowsItsAppearance) {
    WriteDesktopIni(CustomIni(picture));
    Start(folder);
    EXPECT_EQ(Caption(), "Kalmora");
    EXPECT_EQ(Text(IDC_FOLDER), folder);
    EXPECT_EQ(Text(IDC_IMAGE), picture);
    EXPECT_EQ(Text(IDC_IMAGE_LABEL), "フォルダの背景画像 : picture.bmp");
    EXPECT_TRUE(Visible(IDC_TEXT_SWATCH));
    EXPECT_TRUE(Visible(IDC_BACK_SWATCH));
    EXPECT_FALSE(Visible(IDC_TEXT_DEFAULT));
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_TRUE(Enabled(IDC_CHANGE_COLORS));
    EXPECT_EQ(app->profile.GetIconTextColor(), 0x00112233u);
    EXPECT_EQ(app->profile.GetIconTextBackColor(), 0x00445566u);
}

TEST_F(AppTest, OneColourKeyAloneCountsAsDefaultColours) {
    WriteDesktopIni(std::string(kSection) + "IconArea_Text=0x00112233\r\n");
    Start(folder);
    EXPECT_TRUE(app->defaultColors);
    EXPECT_TRUE(Visible(IDC_TEXT_DEFAULT));
    EXPECT_FALSE(Visible(IDC_TEXT_SWATCH));
    Type(IDC_IMAGE, picture);
    Command(IDC_APPLY);
    EXPECT_FALSE(HasKey("IconArea_Text"));
    EXPECT_EQ(ReadKey("IconArea_Image"), picture);
}

struct ApplyCase {
    bool defaultColors;
    bool imageExists;
    bool sectionKept;
    bool imageKey;
    bool colourKeys;
};

class ApplyTableTest : public AppTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyTableTest, WritesByColoursAndImage) {
    const ApplyCase& c = GetParam();
    WriteDesktopIni(CustomIni("old.bmp"));
    Start(folder);
    if (c.defaultColors)
        Command(IDC_DEFAULT_COLORS);
    Type(IDC_IMAGE, c.imageExists ? picture : dir.Sub("missing.bmp"));
    EXPECT_TRUE(Enabled(IDOK));
    Command(IDC_APPLY);

    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_FALSE(Enabled(IDC_APPLY));
    EXPECT_FALSE(app->changed);
    EXPECT_EQ(HasKey("Attributes"), c.sectionKept);
    EXPECT_EQ(HasKey("IconArea_Image"), c.imageKey);
    EXPECT_EQ(HasKey("IconArea_Text"), c.colourKeys);
    EXPECT_EQ(HasKey("IconArea_TextBackground"), c.colourKeys);
    if (c.colourKeys) {
        EXPECT_EQ(ReadKey("IconArea_Text"), "0x00112233");
        EXPECT_EQ(ReadKey("IconArea_TextBackground"), "0x00445566");
    }
    // The field keeps what was typed, existing or not.
    EXPECT_EQ(Text(IDC_IMAGE), c.imageExists ? picture : dir.Sub("missing.bmp"));
    char other[MAX_PATH] = "";
    GetPrivateProfileStringA(".ShellClassInfo", "IconResource", "", other, MAX_PATH,
                             DesktopIniPath().c_str());
    EXPECT_STREQ(other, "a.dll,3");
}

INSTANTIATE_TEST_SUITE_P(Apply, ApplyTableTest,
                         ::testing::Values(ApplyCase{true, false, false, false, false},
                                           ApplyCase{true, true, true, true, false},
                                           ApplyCase{false, false, true, false, true},
                                           ApplyCase{false, true, true, true, true}));

TEST_F(AppTest, ApplyMarksTheFolderAndFileForTheShell) {
    Start(folder);
    Type(IDC_IMAGE, picture);
    Command(IDC_APPLY);
    EXPECT_EQ(ReadKey("Attributes"), "1");
    EXPECT_TRUE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_SYSTEM);
    // Wine adds FILE_ATTRIBUTE_ARCHIVE to every plain file; the bits set here are checked.
    DWORD attributes = GetFileAttributesA(DesktopIniPath().c_str());
    EXPECT_EQ(attributes &
                  (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
              DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

TEST_F(AppTest, RevertWritesBackTheFileAsLoaded) {
    const std::string original = CustomIni("old.bmp");
    WriteDesktopIni(original);
    Start(folder);
    Type(IDC_IMAGE, picture);
    Command(IDC_APPLY);
    ASSERT_EQ(ReadKey("IconArea_Image"), picture);
    {
        test::MessageBoxAnswer no(IDNO);
        Command(IDM_REVERT);
        ASSERT_EQ(no.Count(), 1);
        EXPECT_EQ(no.Boxes()[0].text, "設定ファイルを起動時の状態に戻します。\nよろしいですか？");
        EXPECT_EQ(no.Boxes()[0].caption, folder);
    }
    EXPECT_EQ(ReadKey("IconArea_Image"), picture);
    {
        test::MessageBoxAnswer yes(IDYES);
        Command(IDM_REVERT);
        EXPECT_EQ(yes.Count(), 1);
    }
    EXPECT_EQ(test::ReadFileBytes(DesktopIniPath()), original);
    EXPECT_EQ(Text(IDC_IMAGE), "old.bmp");
}

TEST_F(AppTest, RevertOfAFolderWithoutDesktopIniDeletesIt) {
    Start(folder);
    Type(IDC_IMAGE, picture);
    Command(IDC_APPLY);
    ASSERT_TRUE(test::Exists(DesktopIniPath()));
    test::MessageBoxAnswer yes(IDYES);
    Command(IDM_REVERT);
    EXPECT_FALSE(test::Exists(DesktopIniPath()));
}

TEST_F(AppTest, TheImageRuleDecidesTheChangedState) {
    Start(folder);
    Command(IDC_DEFAULT_COLORS);
    EXPECT_TRUE(Enabled(IDOK));
    // The profile's image is empty already: clearing it again leaves nothing pending.
    Command(IDC_NO_IMAGE);
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_FALSE(Enabled(IDC_APPLY));
    EXPECT_FALSE(MenuEnabled(IDC_APPLY));

    SetDlgItemTextA(dialog, IDC_IMAGE, picture.c_str());
    Command(IDC_IMAGE, EN_CHANGE);
    EXPECT_FALSE(Enabled(IDOK));
    Command(IDC_IMAGE, EN_KILLFOCUS);
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_TRUE(MenuEnabled(IDC_APPLY));
    // Typing leaves the label alone.
    EXPECT_EQ(Text(IDC_IMAGE_LABEL), "フォルダの背景画像 : ");
}

TEST_F(AppTest, TypedMissingFolderAsksAndWritesThePreviousFolder) {
    for (int answer : {IDYES, IDNO}) {
        test::TempDir other;
        folder = other.MakeDir("Folder");
        app.reset();
        Start(folder);
        Type(IDC_IMAGE, picture);
        test::MessageBoxAnswer box(answer);
        Type(IDC_FOLDER, other.Sub("nowhere"));
        ASSERT_EQ(box.Count(), 1);
        EXPECT_EQ(box.Boxes()[0].text, "設定が変更されています。\n変更点を保存しますか？");
        EXPECT_EQ(box.Boxes()[0].caption, "保存");
        EXPECT_EQ(HasKey("IconArea_Image"), answer == IDYES);
        EXPECT_EQ(std::string(app->folderPath), other.Sub("nowhere"));
        EXPECT_EQ(Caption(), "Kalmora");
        EXPECT_FALSE(Enabled(IDC_IMAGE));
        EXPECT_FALSE(Enabled(IDOK));
        DestroyWindow(dialog);
        Pump();
    }
}

TEST_F(AppTest, TypedExistingFolderLoadsItAndNamesTheCaption) {
    std::string second = dir.MakeDir("Second");
    Start(folder);
    Command(IDC_DEFAULT_COLORS);
    test::MessageBoxAnswer never(IDYES);
    Type(IDC_FOLDER, second);
    EXPECT_TRUE(never.Boxes().empty());
    EXPECT_EQ(Caption(), "Second");
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_TRUE(Enabled(IDC_IMAGE));
}

TEST_F(AppTest, RefreshWithNoFolderKeepsTheNoFolderState) {
    Start();
    Command(IDM_REFRESH);
    EXPECT_FALSE(Enabled(IDC_IMAGE));
    Type(IDC_FOLDER, folder);
    EXPECT_TRUE(Enabled(IDC_IMAGE));
    EXPECT_EQ(Caption(), "Folder");
}

TEST_F(AppTest, OkAppliesSavesAndCloses) {
    Start(folder);
    Type(IDC_IMAGE, picture);
    Command(IDOK);
    EXPECT_FALSE(DialogAlive());
    EXPECT_EQ(ReadKey("IconArea_Image"), picture);
    char open[MAX_PATH] = "";
    GetPrivateProfileStringA("Kalmora", "Open", "", open, MAX_PATH, app->settingsPath);
    EXPECT_EQ(std::string(open), folder);
}

TEST_F(AppTest, EscapeAsksOnlyWhileChangesArePending) {
    Start(folder);
    Type(IDC_IMAGE, picture);
    test::MessageBoxAnswer no(IDNO);
    Command(IDCANCEL);
    EXPECT_EQ(no.Count(), 1);
    EXPECT_FALSE(DialogAlive());
    EXPECT_FALSE(test::Exists(DesktopIniPath()));
    EXPECT_TRUE(test::Exists(std::string(app->settingsPath)));
}

TEST_F(AppTest, CancelButtonSavesSettingsAndDropsChanges) {
    Start(folder);
    Type(IDC_IMAGE, picture);
    test::MessageBoxAnswer never(IDYES);
    Command(IDC_CANCEL_BUTTON);
    EXPECT_TRUE(never.Boxes().empty());
    EXPECT_FALSE(DialogAlive());
    EXPECT_FALSE(test::Exists(DesktopIniPath()));
    EXPECT_TRUE(test::Exists(std::string(app->settingsPath)));
}

TEST_F(AppTest, CloseBoxWritesNothing) {
    Start(folder);
    const std::string settings = test::ReadFileBytes(app->settingsPath.c_str());
    Type(IDC_IMAGE, picture);
    test::MessageBoxAnswer never(IDYES);
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_TRUE(never.Boxes().empty());
    EXPECT_FALSE(DialogAlive());
    EXPECT_FALSE(test::Exists(DesktopIniPath()));
    EXPECT_EQ(test::ReadFileBytes(app->settingsPath.c_str()), settings);
}

// A folder named Desktop.ini stands where the file should be: every write to it fails, and the
// folder is left exactly as it was.
TEST_F(AppTest, FailedApplyKeepsTheChangesAndTellsTheUser) {
    Start(folder);
    const std::string settings = test::ReadFileBytes(app->settingsPath.c_str());
    CreateDirectoryA(DesktopIniPath().c_str(), nullptr);
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    const DWORD iniBefore = GetFileAttributesA(DesktopIniPath().c_str());
    const std::vector<std::string> currentBefore = test::FolderNames(CurrentDirectory());
    Type(IDC_IMAGE, picture);
    {
        test::MessageBoxAnswer ok(IDOK);
        Command(IDC_APPLY);
        ASSERT_EQ(ok.Count(), 1);
        // Windows and Wine both refuse to open a folder as a file with access denied.
        EXPECT_EQ(ok.Boxes()[0].text, "設定を書き込めませんでした。\n" + folder + "\n" +
                                          SystemText(ERROR_ACCESS_DENIED));
        EXPECT_EQ(ok.Boxes()[0].caption, "Kalmora");
    }
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
    EXPECT_EQ(GetFileAttributesA(DesktopIniPath().c_str()), iniBefore);
    EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{"Desktop.ini"});
    EXPECT_EQ(test::FolderNames(CurrentDirectory()), currentBefore);
    EXPECT_TRUE(app->changed);
    EXPECT_TRUE(Enabled(IDOK));
    {
        test::MessageBoxAnswer ok(IDOK);
        Command(IDOK);
        EXPECT_EQ(ok.Count(), 1);
    }
    EXPECT_TRUE(DialogAlive());
    EXPECT_EQ(test::ReadFileBytes(app->settingsPath.c_str()), settings);
}

TEST_F(AppTest, FailedRevertKeepsTheStartUpCopy) {
    const std::string original = CustomIni("old.bmp");
    WriteDesktopIni(original);
    Start(folder);
    test::RemoveTree(DesktopIniPath());
    CreateDirectoryA(DesktopIniPath().c_str(), nullptr);
    {
        test::MessageBoxAnswer yes(IDYES);
        Command(IDM_REVERT);
        ASSERT_EQ(yes.Count(), 2);
        EXPECT_EQ(yes.Boxes()[1].text, "設定を書き込めませんでした。\n" + folder + "\n" +
                                           SystemText(ERROR_ACCESS_DENIED));
    }
    // No reload from the broken file: the copy taken at start-up is still there to retry with.
    EXPECT_EQ(Text(IDC_IMAGE), "old.bmp");
    RemoveDirectoryA(DesktopIniPath().c_str());
    test::MessageBoxAnswer yes(IDYES);
    Command(IDM_REVERT);
    EXPECT_EQ(test::ReadFileBytes(DesktopIniPath()), original);
}

// A deep folder that cannot be written: the box shows its path shortened in the middle, its
// start and its own name kept, instead of one line wider than the screen.
TEST_F(AppTest, TheWriteFailureBoxShortensALongPath) {
    std::string deep = folder;
    for (int i = 0; i < 6; ++i)
        deep = dir.MakeDir(deep.substr(dir.Path().size() + 1) + "\\a-rather-long-folder-name");
    deep = dir.MakeDir(deep.substr(dir.Path().size() + 1) + "\\写真");
    ASSERT_GT(deep.size(), 150u);
    CreateDirectoryA((deep + "\\Desktop.ini").c_str(), nullptr);
    Start(deep);
    Type(IDC_IMAGE, picture);
    test::MessageBoxAnswer ok(IDOK);
    Command(IDC_APPLY);
    ASSERT_EQ(ok.Count(), 1);
    const std::string prefix = "設定を書き込めませんでした。\n";
    ASSERT_EQ(ok.Text().substr(0, prefix.size()), prefix);
    // The system's reason follows on a line of its own.
    const std::string rest = ok.Text().substr(prefix.size());
    const std::string shown = rest.substr(0, rest.find('\n'));
    EXPECT_LE(shown.size(), 64u) << shown;
    EXPECT_NE(shown.find("..."), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(0, 3), deep.substr(0, 3));
    EXPECT_EQ(shown.substr(shown.size() - 5), "\\写真");
}

// F5 after the folder has gone disables the control that had the focus: the focus moves on to
// the next control still enabled, not to no window at all.
TEST_F(AppTest, DisabledFolderControlsHandTheFocusOn) {
    Start(folder);
    SetFocus(GetDlgItem(dialog, IDC_NO_IMAGE));
    ASSERT_EQ(GetFocus(), GetDlgItem(dialog, IDC_NO_IMAGE));
    RemoveDirectoryA(folder.c_str());
    Command(IDM_REFRESH);
    ASSERT_FALSE(Enabled(IDC_NO_IMAGE));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_CANCEL_BUTTON));
}

// A lower-case UTF-16 file with characters outside the system code page, a comment, a blank
// line and a key listed twice comes back byte for byte, under its name, with the attributes of
// file and folder; the profile functions could give back none of these.
TEST_F(AppTest, RevertRestoresTheFileExactlyAsFound) {
    const std::string bytes = test::Utf16LeBytes(
        u"; mine\r\n\r\n[.ShellClassInfo]\r\nInfoTip=Café 한국어\r\n"
        u"[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nAttributes=1\r\nAttributes=0x60000000\r\n");
    const std::string ini = dir.WriteFile("Folder\\desktop.ini", bytes);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    Start(folder);
    Type(IDC_IMAGE, picture);
    Command(IDC_APPLY);
    ASSERT_EQ(ReadKey("IconArea_Image"), picture);
    ASSERT_TRUE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_SYSTEM);

    test::MessageBoxAnswer yes(IDYES);
    Command(IDM_REVERT);
    EXPECT_EQ(yes.Count(), 1);
    EXPECT_EQ(test::ReadFileBytes(ini), bytes);
    EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{"desktop.ini"});
    // Wine reports FILE_ATTRIBUTE_ARCHIVE on every plain file; Windows keeps what was set.
    EXPECT_EQ(GetFileAttributesA(ini.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE,
              DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
    EXPECT_EQ(Text(IDC_IMAGE), "");
}

TEST_F(AppTest, RevertOfAFolderWithoutDesktopIniGivesTheFolderItsAttributesBack) {
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    Start(folder);
    Type(IDC_IMAGE, picture);
    Command(IDC_APPLY);
    ASSERT_NE(GetFileAttributesA(folder.c_str()), folderBefore);
    test::MessageBoxAnswer yes(IDYES);
    Command(IDM_REVERT);
    EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{});
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
}

// With "\Desktop.ini" the path no longer fits in MAX_PATH: the write is refused before any key
// could land in another file, and the user is told.
TEST_F(AppTest, FolderPathTooLongForDesktopIniFailsWithoutWritingAnywhere) {
    const std::string base = dir.Path() + "\\";
    char letter = 'a';
    for (size_t length : {248, 253, 259}) {
        SCOPED_TRACE(length);
        folder = base + std::string(length - base.size(), letter++);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        const DWORD folderBefore = GetFileAttributesA(folder.c_str());
        app.reset();
        Start(folder);
        ASSERT_TRUE(Enabled(IDC_IMAGE));
        const std::vector<std::string> currentBefore = test::FolderNames(CurrentDirectory());
        const std::vector<std::string> baseBefore = test::FolderNames(dir.Path());
        Type(IDC_IMAGE, picture);
        {
            test::MessageBoxAnswer ok(IDOK);
            Command(IDC_APPLY);
            ASSERT_EQ(ok.Count(), 1);
            // The path itself is shortened for the box; the reason stands on the last line.
            const std::string text = ok.Boxes()[0].text;
            const std::string prefix = "設定を書き込めませんでした。\n";
            const std::string reason = "\n" + SystemText(ERROR_FILENAME_EXCED_RANGE);
            EXPECT_EQ(text.substr(0, prefix.size()), prefix);
            ASSERT_GE(text.size(), reason.size());
            EXPECT_EQ(text.substr(text.size() - reason.size()), reason);
        }
        EXPECT_TRUE(app->changed);
        EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{});
        EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
        EXPECT_EQ(test::FolderNames(CurrentDirectory()), currentBefore);
        EXPECT_EQ(test::FolderNames(dir.Path()), baseBefore);
        DestroyWindow(dialog);
        Pump();
    }
}

// A picture path the file holds already is the user's own, even when it cannot be reached from
// here: a relative one the shells take from the folder, or one on a drive not plugged in.
TEST_F(AppTest, AColourOnlyApplyKeepsThePictureTheFileHolds) {
    dir.WriteFile("Folder\\folder.jpg", "JPG");
    for (const std::string image : {"folder.jpg", "Q:\\not plugged in\\sky.jpg"}) {
        SCOPED_TRACE(image);
        WriteDesktopIni(CustomIni(image));
        app.reset();
        Start(folder);
        ASSERT_EQ(Text(IDC_IMAGE), image);
        Command(IDC_DEFAULT_COLORS);
        Command(IDC_APPLY);
        EXPECT_EQ(ReadKey("IconArea_Image"), image);
        EXPECT_FALSE(HasKey("IconArea_Text"));
        DestroyWindow(dialog);
        Pump();
    }
}

// setup.ini may be damaged or come from another screen: the window still starts shown, not
// minimised, and on a monitor's work area.
TEST_F(AppTest, DamagedPlacementsStillShowTheWindowOnScreen) {
    struct PlacementCase {
        const char* label;
        UINT showCmd;
        RECT rect;
        bool breakChecksum;
    };
    const PlacementCase cases[] = {
        {"minimised", SW_SHOWMINIMIZED, {40, 40, 500, 300}, false},
        {"hidden", SW_HIDE, {40, 40, 500, 300}, false},
        {"far right and below", SW_SHOWNORMAL, {9000, 7000, 9460, 7260}, false},
        {"far left and above", SW_SHOWNORMAL, {-9000, -7000, -8540, -6740}, false},
        {"no rectangle", SW_SHOWNORMAL, {300, 300, 300, 300}, false},
        {"wrong checksum", SW_SHOWMINIMIZED, {9000, 7000, 9460, 7260}, true},
    };
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string settings = self;
    settings = settings.substr(0, settings.rfind('\\')) + "\\setup.ini";
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(test::WritePlacement(settings, c.showCmd, c.rect));
        if (c.breakChecksum) {
            char text[256];
            GetPrivateProfileStringA("Kalmora", "WNDPLACEMENT", "", text, sizeof text,
                                     settings.c_str());
            text[std::strlen(text) - 1] = text[std::strlen(text) - 1] == '0' ? '1' : '0';
            WritePrivateProfileStringA("Kalmora", "WNDPLACEMENT", text, settings.c_str());
        }
        app.reset();
        Start(folder);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_FALSE(IsIconic(dialog));
        RECT window;
        GetWindowRect(dialog, &window);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        ASSERT_TRUE(GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor));
        EXPECT_GE(window.left, monitor.rcWork.left);
        EXPECT_GE(window.top, monitor.rcWork.top);
        EXPECT_LE(window.right, monitor.rcWork.right);
        EXPECT_LE(window.bottom, monitor.rcWork.bottom);
        DestroyWindow(dialog);
        Pump();
    }
}
