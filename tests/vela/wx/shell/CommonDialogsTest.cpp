// The common dialogs run for real and are confirmed or cancelled by the test.
#include "vela/wx/shell/CommonDialogs.h"

#include <colordlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/shell/DialogDriver.h"

using test::DialogDriver;
using test::PressButton;

namespace {

const char kPictureFilter[] =
    "(*.*)\0*.*\0(*.bmp)\0*.bmp\0(*.jpg *.jpeg)\0*.jpg;*.jpeg\0(*.png)\0*.png\0";
const DWORD kApplicationOpenFlags =
    OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;

void Confirm(HWND dialog) {
    PressButton(dialog, IDOK);
}

void Cancel(HWND dialog) {
    PressButton(dialog, IDCANCEL);
}

std::wstring Wide(const std::string& text) {
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH);
    return wide;
}

std::string CurrentDirectory() {
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, path);
    return path;
}

} // namespace

TEST(SelectOpenFile, ConfirmReturnsTheFileUnderTheFixedTitle) {
    test::TempDir dir;
    std::string picture = dir.WriteFile("back.bmp", "BM");
    std::string before = CurrentDirectory();
    char file[MAX_PATH];
    lstrcpyA(file, picture.c_str());
    DialogDriver driver(Confirm);
    EXPECT_TRUE(
        vela::wx::SelectOpenFile(nullptr, kPictureFilter, file, MAX_PATH, kApplicationOpenFlags));
    ASSERT_TRUE(driver.Found());
    EXPECT_FALSE(driver.Forced());
    EXPECT_EQ(driver.Caption(), "ファイルを選択してください");
    EXPECT_EQ(std::string(file), picture);
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST(SelectOpenFile, FullFormKeepsTheCallersInitialDirectory) {
    test::TempDir dir;
    std::string picture = dir.WriteFile("start.png", "png");
    char file[MAX_PATH] = "start.png";
    OPENFILENAMEA record = {};
    record.lpstrInitialDir = dir.Path().c_str();
    record.nFilterIndex = 4;
    DialogDriver driver(Confirm);
    EXPECT_TRUE(vela::wx::SelectOpenFile(nullptr, kPictureFilter, file, MAX_PATH,
                                         kApplicationOpenFlags, &record));
    EXPECT_FALSE(driver.Forced());
    EXPECT_EQ(std::string(file), picture);
    // The caller's fields stay and the platform's answers land in the caller's record.
    EXPECT_EQ(record.lStructSize, sizeof(OPENFILENAMEA));
    EXPECT_EQ(record.lpstrInitialDir, dir.Path().c_str());
    EXPECT_EQ(record.nFilterIndex, 4u);
    EXPECT_STREQ(record.lpstrTitle, "ファイルを選択してください");
    EXPECT_EQ(std::string(file + record.nFileOffset), "start.png");
}

// ASCII names only: in this Wine set-up a file with a Japanese name is not created at all,
// though the dialog itself shows such names.
TEST(SelectOpenFile, WideFormConfirms) {
    test::TempDir dir;
    std::wstring picture = Wide(dir.WriteFile("wide.jpg", "jpg"));
    wchar_t file[MAX_PATH];
    lstrcpyW(file, picture.c_str());
    DialogDriver driver(Confirm);
    EXPECT_TRUE(
        vela::wx::SelectOpenFile(nullptr, L"(*.*)\0*.*\0", file, MAX_PATH, kApplicationOpenFlags));
    EXPECT_FALSE(driver.Forced());
    EXPECT_EQ(driver.Caption(), "ファイルを選択してください");
    EXPECT_EQ(std::wstring(file), picture);
}

TEST(SelectSaveFile, ConfirmAddsTheDefaultExtensionUnderTheFixedTitle) {
    test::TempDir dir;
    char file[MAX_PATH] = "notes";
    OPENFILENAMEA record = {};
    record.lpstrInitialDir = dir.Path().c_str();
    DialogDriver driver(Confirm);
    EXPECT_TRUE(vela::wx::SelectSaveFile(nullptr, "(*.txt)\0*.txt\0", file, "txt", MAX_PATH,
                                         OFN_NOCHANGEDIR, &record));
    EXPECT_FALSE(driver.Forced());
    EXPECT_EQ(driver.Caption(), "名前を付けて保存");
    EXPECT_EQ(std::string(file), dir.Sub("notes.txt"));
}

// Wine 8 fails to preselect a folder created moments before the browser first opens on it (the
// tree comes up with nothing selected and OK answers the desktop); long-standing folders work
// on both platforms, so the start folders here are the system's own.
TEST(SelectFolder, OpensOnTheStartFolderAndConfirmsIt) {
    char windows[MAX_PATH];
    char system[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    for (const char* start : {system, windows}) {
        SCOPED_TRACE(start);
        char path[MAX_PATH];
        lstrcpyA(path, start);
        bool titled = false;
        DialogDriver driver([&titled](HWND dialog) {
            titled = test::HasChildText(dialog, "フォルダを選択してください");
            Confirm(dialog);
        });
        EXPECT_TRUE(vela::wx::SelectFolder(nullptr, path, BIF_RETURNONLYFSDIRS));
        EXPECT_FALSE(driver.Forced());
        EXPECT_TRUE(titled);
        EXPECT_STREQ(path, start);
    }
}

TEST(SelectFolder, WideFormOpensOnTheStartFolder) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    wchar_t path[MAX_PATH];
    lstrcpyW(path, system);
    DialogDriver driver(Confirm);
    EXPECT_TRUE(vela::wx::SelectFolder(nullptr, path, BIF_RETURNONLYFSDIRS));
    EXPECT_FALSE(driver.Forced());
    EXPECT_STREQ(path, system);
}

TEST(SelectFolder, AStartPathThatNamesNoFolderStillOpensTheBrowser) {
    for (const char* start : {"", "Z:\\no\\such\\folder"}) {
        SCOPED_TRACE(start);
        char path[MAX_PATH];
        lstrcpyA(path, start);
        DialogDriver driver(Cancel);
        EXPECT_FALSE(vela::wx::SelectFolder(nullptr, path, BIF_RETURNONLYFSDIRS));
        EXPECT_TRUE(driver.Found());
        EXPECT_STREQ(path, start);
    }
}

TEST(SelectColor, ConfirmWritesTheColourAndKeepsCustomColoursInTheCallersArray) {
    COLORREF custom[16];
    for (COLORREF& entry : custom)
        entry = RGB(255, 255, 255);
    COLORREF color = RGB(200, 100, 50);
    DialogDriver driver([](HWND dialog) {
        SetDlgItemInt(dialog, COLOR_RED, 10, FALSE);
        SetDlgItemInt(dialog, COLOR_GREEN, 20, FALSE);
        SetDlgItemInt(dialog, COLOR_BLUE, 30, FALSE);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(COLOR_ADD, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, COLOR_ADD)));
        Confirm(dialog);
    });
    EXPECT_TRUE(vela::wx::SelectColor(nullptr, &color, custom, CC_RGBINIT | CC_FULLOPEN));
    EXPECT_FALSE(driver.Forced());
    EXPECT_EQ(color, RGB(10, 20, 30));
    EXPECT_NE(std::find(std::begin(custom), std::end(custom), RGB(10, 20, 30)), std::end(custom));
}

TEST(SelectColor, TheApplicationsCallConfirmsTheGivenColour) {
    COLORREF color = RGB(0x12, 0x34, 0x56);
    DialogDriver driver(Confirm);
    EXPECT_TRUE(vela::wx::SelectColor(nullptr, &color, nullptr, CC_RGBINIT));
    EXPECT_EQ(color, RGB(0x12, 0x34, 0x56));
}

TEST(SelectColor, WideFormWritesTheColour) {
    COLORREF color = RGB(1, 2, 3);
    DialogDriver driver([](HWND dialog) {
        SetDlgItemInt(dialog, COLOR_RED, 40, FALSE);
        SetDlgItemInt(dialog, COLOR_GREEN, 50, FALSE);
        SetDlgItemInt(dialog, COLOR_BLUE, 60, FALSE);
        Confirm(dialog);
    });
    EXPECT_TRUE(vela::wx::SelectColorW(nullptr, &color, nullptr, CC_RGBINIT | CC_FULLOPEN));
    EXPECT_EQ(color, RGB(40, 50, 60));
}

// The face offered first is the platform's choice, so the test only sees that one was filled in.
TEST(SelectFont, ConfirmUpdatesTheFontColourAndPointSize) {
    LOGFONTA font = {};
    COLORREF color = RGB(1, 2, 3);
    INT pointSize = -1;
    COLORREF picked = CLR_INVALID;
    DialogDriver driver([&picked](HWND dialog) {
        HWND colors = GetDlgItem(dialog, cmb4);
        SendMessageA(colors, CB_SETCURSEL, 1, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(colors));
        picked = static_cast<COLORREF>(SendMessageA(colors, CB_GETITEMDATA, 1, 0));
        Confirm(dialog);
    });
    EXPECT_TRUE(vela::wx::SelectFont(nullptr, &font, 0, 0, CF_SCREENFONTS | CF_EFFECTS, &color,
                                     &pointSize, static_cast<LPCSTR>(nullptr), nullptr, nullptr,
                                     0));
    EXPECT_FALSE(driver.Forced());
    EXPECT_NE(font.lfFaceName[0], '\0');
    EXPECT_NE(font.lfHeight, 0);
    EXPECT_GT(pointSize, 0);
    EXPECT_NE(picked, CLR_INVALID);
    EXPECT_EQ(color, picked);
}

TEST(SelectFont, ShortFormWithoutOutputsStillUpdatesTheFont) {
    LOGFONTW font = {};
    DialogDriver driver(Confirm);
    EXPECT_TRUE(vela::wx::SelectFont(nullptr, &font, nullptr, 0, 0, CF_SCREENFONTS));
    EXPECT_FALSE(driver.Forced());
    EXPECT_NE(font.lfFaceName[0], L'\0');
    EXPECT_NE(font.lfHeight, 0);
}

// Cancelling looks like a failure to the caller: false, and every output as it was.
TEST(CommonDialogs, CancelLeavesEveryOutputUntouched) {
    test::TempDir dir;
    std::string picture = dir.WriteFile("keep.bmp", "BM");
    struct Case {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Case> cases = {
        {"open file",
         [&] {
             char file[MAX_PATH];
             lstrcpyA(file, picture.c_str());
             EXPECT_FALSE(vela::wx::SelectOpenFile(nullptr, kPictureFilter, file, MAX_PATH,
                                                   kApplicationOpenFlags));
             EXPECT_EQ(std::string(file), picture);
         }},
        {"save file",
         [&] {
             char file[MAX_PATH];
             lstrcpyA(file, picture.c_str());
             EXPECT_FALSE(
                 vela::wx::SelectSaveFile(nullptr, kPictureFilter, file, "bmp", MAX_PATH, 0));
             EXPECT_EQ(std::string(file), picture);
         }},
        {"folder",
         [&] {
             char path[MAX_PATH];
             lstrcpyA(path, dir.Path().c_str());
             EXPECT_FALSE(vela::wx::SelectFolder(nullptr, path, BIF_RETURNONLYFSDIRS));
             EXPECT_EQ(std::string(path), dir.Path());
         }},
        {"colour",
         [] {
             COLORREF color = RGB(0x12, 0x34, 0x56);
             EXPECT_FALSE(vela::wx::SelectColor(nullptr, &color, nullptr, 0));
             EXPECT_EQ(color, RGB(0x12, 0x34, 0x56));
         }},
        {"font",
         [] {
             LOGFONTA font = {};
             lstrcpyA(font.lfFaceName, "Tahoma");
             COLORREF color = RGB(9, 8, 7);
             INT pointSize = -1;
             EXPECT_FALSE(vela::wx::SelectFont(nullptr, &font, 0, 0, CF_SCREENFONTS | CF_EFFECTS,
                                               &color, &pointSize, static_cast<LPCSTR>(nullptr),
                                               nullptr, nullptr, 0));
             EXPECT_EQ(color, RGB(9, 8, 7));
             EXPECT_EQ(pointSize, -1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogDriver driver(Cancel);
        c.run();
        EXPECT_TRUE(driver.Found());
        EXPECT_FALSE(driver.Forced());
    }
}
