// The wrappers whose names the Windows headers also define as A/W macros, called from a program
// built with UNICODE: the headers keep the names they spell, so this links against the 8-bit
// build of the library and reaches the UTF-16 forms.
#include <windows.h>

#include <gtest/gtest.h>

#include "vela/wx/shell/AboutBox.h"
#include "vela/wx/shell/Icon.h"
#include "vela/wx/shell/Menu.h"
#include "vela/wx/shell/PathBuffer.h"

namespace {

using vela::wx::CIcon;

TEST(WrapperNames, MenuItemsByTheirOwnNames) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopup());
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING;
    item.wID = 7;
    item.dwTypeData = const_cast<LPWSTR>(L"開く");
    EXPECT_TRUE(menu.InsertMenuItem(0, TRUE, &item));
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<LPWSTR>(L"閉じる");
    EXPECT_TRUE(menu.SetMenuItemInfo(7, FALSE, &item));

    wchar_t text[16] = L"";
    MENUITEMINFOW read = {};
    read.cbSize = sizeof read;
    read.fMask = MIIM_STRING;
    read.dwTypeData = text;
    read.cch = 16;
    EXPECT_TRUE(menu.GetMenuItemInfo(7, FALSE, &read));
    EXPECT_STREQ(text, L"閉じる");
}

TEST(WrapperNames, IconAndAboutBoxByTheirOwnNames) {
    CIcon icon;
    EXPECT_TRUE(icon.LoadImage(nullptr, IDI_APPLICATION, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    // Showing it would need an answer; naming it is what has to link.
    int (*about)(HWND, LPCWSTR, LPCWSTR, HICON) = &vela::wx::ShellAbout;
    EXPECT_NE(about, nullptr);
}

TEST(WrapperNames, PathFunctionsByTheirOwnNames) {
    wchar_t windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    EXPECT_TRUE(vela::wx::PathFileExists(windows));
    EXPECT_STREQ(vela::wx::PathFindNextComponent(L"C:\\a\\b"), L"a\\b");
    EXPECT_STREQ(vela::wx::PathGetArgs(L"prog.exe /x"), L"/x");
    EXPECT_EQ(vela::wx::PathGetCharType(L'\\'), static_cast<UINT>(GCT_SEPARATOR));
    EXPECT_TRUE(vela::wx::PathIsSystemFolder(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
    wchar_t location[] = L"C:\\app.exe,3";
    EXPECT_EQ(vela::wx::PathParseIconLocation(location), 3);
    wchar_t command[] = L"prog.exe /x";
    vela::wx::PathRemoveArgs(command);
    EXPECT_STREQ(command, L"prog.exe");
}

} // namespace
