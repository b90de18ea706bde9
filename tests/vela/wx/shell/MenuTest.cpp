// The menu owner and the menu searches, texts and commands built on the platform's menus.
#include "vela/wx/shell/Menu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/vela/wx/window/TestResource.h"

namespace {

enum : UINT {
    kOpen = 100,
    kRecent = 105,
    kOne = 110,
    kTwo = 111,
    kExit = 102,
    kCut = 201,
    kHelp = 300,
};

struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

bool operator==(const Sent& a, const Sent& b) {
    return a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam;
}

using SentList = std::vector<Sent>;

SentList sent;

LRESULT CALLBACK SinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_MENUCOMMAND || message == WM_MENUSELECT) {
        sent.push_back({message, wParam, lParam});
        return 77;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A window that writes down the menu messages it receives and answers them with 77.
HWND CreateSink() {
    static ATOM atom = [] {
        WNDCLASSA record = {};
        record.lpfnWndProc = SinkProc;
        record.hInstance = GetModuleHandleA(nullptr);
        record.lpszClassName = "VelaMenuSink";
        return RegisterClassA(&record);
    }();
    return CreateWindowExA(0, MAKEINTATOM(atom), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void AppendSubMenu(HMENU menu, HMENU sub, UINT id, const char* text) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.wID = id;
    info.hSubMenu = sub;
    info.dwTypeData = const_cast<char*>(text);
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
}

// bar: File [Open, Recent (id 105) [One, Two], Exit], Edit [Cut], Help.
class MenuTree : public ::testing::Test {
protected:
    void SetUp() override {
        bar = CreateMenu();
        file = CreatePopupMenu();
        recent = CreatePopupMenu();
        edit = CreatePopupMenu();
        AppendMenuA(recent, MF_STRING, kOne, "One");
        AppendMenuA(recent, MF_STRING, kTwo, "Two");
        AppendMenuA(file, MF_STRING, kOpen, "Open");
        AppendSubMenu(file, recent, kRecent, "Recent");
        AppendMenuA(file, MF_STRING, kExit, "Exit");
        AppendMenuA(edit, MF_STRING, kCut, "Cut");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "Edit");
        AppendMenuA(bar, MF_STRING, kHelp, "Help");
        sink = CreateSink();
        sent.clear();
    }
    void TearDown() override {
        DestroyWindow(sink);
        DestroyMenu(bar);
    }

    HMENU bar = nullptr;
    HMENU file = nullptr;
    HMENU recent = nullptr;
    HMENU edit = nullptr;
    HWND sink = nullptr;
};

MENUITEMINFOA IdQuery() {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    return info;
}

} // namespace

TEST_F(MenuTree, FindMenuItemNamesTheLevelWhereTheSearchSucceeded) {
    MENUITEMINFOA info = IdQuery();
    // By command the platform itself looks into submenus, so the top level already answers.
    EXPECT_EQ(vela::wx::FindMenuItem(bar, kTwo, FALSE, &info), bar);
    EXPECT_EQ(info.wID, kTwo);
    EXPECT_EQ(vela::wx::FindMenuItem(bar, 999, FALSE, &info), nullptr);

    // Position 2 is past Recent's end but inside File: File is the direct submenu answered.
    HMENU single = CreatePopupMenu();
    AppendMenuA(single, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    EXPECT_EQ(vela::wx::FindMenuItem(single, 2, TRUE, &info), file);
    EXPECT_EQ(info.wID, kExit);
    RemoveMenu(single, 0, MF_BYPOSITION);
    // The walk stops at the first position without a submenu: Edit is never searched.
    AppendMenuA(single, MF_STRING, kHelp, "Help");
    AppendMenuA(single, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    EXPECT_EQ(vela::wx::FindMenuItem(single, 2, TRUE, &info), nullptr);
    RemoveMenu(single, 1, MF_BYPOSITION);
    DestroyMenu(single);

    MENUITEMINFOW wide = {};
    wide.cbSize = sizeof wide;
    wide.fMask = MIIM_ID;
    EXPECT_EQ(vela::wx::FindMenuItem(bar, kCut, FALSE, &wide), bar);
    EXPECT_EQ(wide.wID, kCut);
}

TEST_F(MenuTree, SearchesByIdFindPositionsLevelsAndSubmenus) {
    EXPECT_EQ(vela::wx::FindMenuContaining(bar, kOne), bar);
    EXPECT_EQ(vela::wx::FindMenuContaining(recent, kOne), recent);
    EXPECT_EQ(vela::wx::FindMenuContaining(bar, 999), nullptr);

    EXPECT_EQ(vela::wx::GetMenuItemPosition(bar, kHelp), 2);
    EXPECT_EQ(vela::wx::GetMenuItemPosition(file, kExit), 2);
    // Only the menu's own items count.
    EXPECT_EQ(vela::wx::GetMenuItemPosition(bar, kOpen), -1);

    EXPECT_EQ(vela::wx::FindSubMenuById(file, kRecent), recent);
    EXPECT_EQ(vela::wx::FindSubMenuById(bar, kRecent), recent);
    EXPECT_EQ(vela::wx::FindSubMenuById(bar, kOpen), nullptr);
    EXPECT_EQ(vela::wx::FindSubMenuById(bar, 999), nullptr);
}

TEST_F(MenuTree, GetMenuItemTextCopiesUpToTheCapacity) {
    const struct {
        UINT item;
        BOOL byPosition;
        int capacity;
        int expected;
        const char* text;
    } cases[] = {
        {kTwo, FALSE, 16, 3, "Two"}, {kCut, FALSE, 16, 3, "Cut"}, {0, TRUE, 16, 4, "File"},
        {2, TRUE, 16, 4, "Help"},    {kTwo, FALSE, 3, 2, "Tw"},   {999, FALSE, 16, 0, ""},
        {7, TRUE, 16, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.item << " " << c.byPosition << " " << c.capacity);
        char text[32];
        memset(text, '#', sizeof text);
        EXPECT_EQ(vela::wx::GetMenuItemText(bar, c.item, c.byPosition, text, c.capacity),
                  c.expected);
        EXPECT_EQ(std::string(text, c.expected), c.text);
        // Nothing is written past the capacity.
        EXPECT_EQ(text[c.capacity], '#');
    }
    wchar_t wide[16] = {};
    EXPECT_EQ(vela::wx::GetMenuItemText(bar, kOne, FALSE, wide, 16), 3);
    EXPECT_STREQ(wide, L"One");
}

TEST_F(MenuTree, SendMenuCommandAsksTheSubmenuAtThePositionHowToNotify) {
    MENUINFO style = {};
    style.cbSize = sizeof style;
    style.fMask = MIM_STYLE;
    style.dwStyle = MNS_NOTIFYBYPOS;
    ASSERT_TRUE(SetMenuInfo(recent, &style));
    // The menu holding the item notifying by position does not count, only a submenu there.
    ASSERT_TRUE(SetMenuInfo(file, &style));

    MENUITEMINFOA info = IdQuery();
    info.wID = kRecent;
    EXPECT_EQ(vela::wx::SendMenuCommand(sink, file, &info), 77);
    info.wID = kExit;
    EXPECT_EQ(vela::wx::SendMenuCommand(sink, file, &info), 77);
    MENUITEMINFOW wide = {};
    wide.cbSize = sizeof wide;
    wide.wID = kHelp;
    EXPECT_EQ(vela::wx::SendMenuCommand(sink, bar, &wide), 77);
    EXPECT_EQ(sent, (SentList{{WM_MENUCOMMAND, 1, reinterpret_cast<LPARAM>(recent)},
                              {WM_COMMAND, kExit, 0},
                              {WM_COMMAND, kHelp, 0}}));
}

TEST_F(MenuTree, MemberCommandsSendForCommandItemsOnly) {
    CMenu menu(file);
    EXPECT_TRUE(menu.SendMenuCommand(sink, 2));
    EXPECT_FALSE(menu.SendMenuCommand(sink, 1));
    EXPECT_FALSE(menu.SendMenuCommand(sink, 9));
    EnableMenuItem(file, kOpen, MF_BYCOMMAND | MF_GRAYED);
    UINT state = menu.GetItemState(0, TRUE);
    EXPECT_NE(state & MF_GRAYED, 0u);
    EXPECT_TRUE(menu.SendMenuSelect(sink, 0));
    EXPECT_FALSE(menu.SendMenuSelect(sink, 1));
    EXPECT_EQ(sent, (SentList{{WM_COMMAND, kExit, 0},
                              {WM_MENUSELECT, MAKEWPARAM(kOpen, state),
                               reinterpret_cast<LPARAM>(file)}}));
    menu.Detach();
}

TEST_F(MenuTree, CheckMarksAndItemQueries) {
    CMenu menu(file);
    EXPECT_TRUE(menu.CheckItem(kOpen, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_EQ(menu.GetItemState(kOpen, FALSE) & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
    EXPECT_FALSE(menu.CheckItem(999, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_TRUE(menu.RadioCheckItem(2, MF_BYPOSITION));
    EXPECT_EQ(menu.GetItemType(2, TRUE) & MFT_RADIOCHECK, static_cast<UINT>(MFT_RADIOCHECK));
    EXPECT_EQ(menu.GetItemState(2, TRUE) & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(menu.GetItemType(999, FALSE), 0u);
    EXPECT_EQ(menu.GetItemState(999, FALSE), 0u);
    EXPECT_FALSE(menu.HasSubMenu());
    EXPECT_EQ(menu.GetSubMenu(1), recent);
    EXPECT_EQ(menu.GetMenuItemCount(), 3);
    EXPECT_EQ(menu.GetMenuItemID(2), kExit);
    EXPECT_TRUE(menu.IsMenu());
    menu.Detach();

    CMenu top(bar);
    EXPECT_TRUE(top.HasSubMenu());
    EXPECT_EQ(top.FindMenuContaining(kCut), bar);
    EXPECT_EQ(top.GetMenuItemPosition(kHelp), 2);
    EXPECT_EQ(top.FindSubMenuById(kRecent), recent);
    char text[8] = {};
    EXPECT_EQ(top.GetMenuItemText(kOpen, FALSE, text, 8), 4);
    EXPECT_STREQ(text, "Open");
    top.Detach();
}

TEST_F(MenuTree, RemoveSubMenuHandsBackTheSubmenuUndestroyed) {
    CMenu menu(bar);
    // By command the item is found at any depth; an item without a submenu gives none.
    EXPECT_EQ(menu.RemoveSubMenu(kRecent, MF_BYCOMMAND), recent);
    EXPECT_TRUE(IsMenu(recent));
    EXPECT_EQ(GetMenuItemCount(file), 2);
    EXPECT_EQ(menu.RemoveSubMenu(kExit, MF_BYCOMMAND), nullptr);
    EXPECT_EQ(GetMenuItemCount(file), 1);
    EXPECT_EQ(menu.RemoveSubMenu(999, MF_BYCOMMAND), nullptr);
    EXPECT_EQ(menu.RemoveSubMenu(1, MF_BYPOSITION), edit);
    EXPECT_TRUE(IsMenu(edit));
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    DestroyMenu(recent);
    DestroyMenu(edit);
    menu.Detach();
}

TEST(Menu, OwnsAtMostOneMenuAndDestroysIt) {
    CMenu menu;
    EXPECT_EQ(menu.GetHandle(), nullptr);
    EXPECT_FALSE(menu.Destroy());
    EXPECT_FALSE(menu.Attach(nullptr));
    ASSERT_TRUE(menu.CreatePopup());
    HMENU held = menu.GetHandle();
    EXPECT_FALSE(menu.Create());
    EXPECT_FALSE(menu.Load(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU)));
    HMENU offered = CreateMenu();
    EXPECT_FALSE(menu.Attach(offered));
    EXPECT_TRUE(IsMenu(offered));
    DestroyMenu(offered);
    EXPECT_EQ(menu.GetHandle(), held);
    EXPECT_EQ(menu.Detach(), held);
    EXPECT_TRUE(IsMenu(held));
    {
        CMenu owner(held);
        EXPECT_EQ(owner.GetHandle(), held);
    }
    EXPECT_FALSE(IsMenu(held));

    ASSERT_TRUE(menu.Load(GetModuleHandleA(nullptr), MAKEINTRESOURCEW(IDR_MENU)));
    EXPECT_TRUE(menu.HasSubMenu());
    char text[16] = {};
    EXPECT_EQ(menu.GetMenuItemText(IDM_OPEN, FALSE, text, 16), 7);
    EXPECT_STREQ(text, "Open\tF5");
    EXPECT_TRUE(menu.Destroy());
    EXPECT_FALSE(menu.Destroy());
    EXPECT_FALSE(menu.Load(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999)));
}

TEST(Menu, TakesOverTheMenuBarOfAWindow) {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, kHelp, "Help");
    HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, bar,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    {
        CMenu menu(hwnd);
        EXPECT_EQ(menu.GetHandle(), bar);
        SetMenu(hwnd, nullptr);
    }
    EXPECT_FALSE(IsMenu(bar));
    DestroyWindow(hwnd);
}

TEST(Menu, PassThroughCallsActOnTheHeldMenu) {
    CMenu menu;
    ASSERT_TRUE(menu.Create());
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING;
    item.wID = kOpen;
    item.dwTypeData = const_cast<char*>("Open");
    EXPECT_TRUE(menu.InsertMenuItem(0, TRUE, &item));
    MENUITEMINFOW wideItem = {};
    wideItem.cbSize = sizeof wideItem;
    wideItem.fMask = MIIM_ID | MIIM_STRING;
    wideItem.wID = kExit;
    wideItem.dwTypeData = const_cast<wchar_t*>(L"終了");
    EXPECT_TRUE(menu.InsertMenuItem(1, TRUE, &wideItem));
    EXPECT_EQ(menu.GetMenuItemCount(), 2);

    char text[16] = {};
    EXPECT_EQ(menu.GetMenuItemText(kExit, FALSE, text, 16), 4);
    EXPECT_STREQ(text, "終了");
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<char*>("Open...");
    EXPECT_TRUE(menu.SetMenuItemInfo(kOpen, FALSE, &item));
    MENUITEMINFOW read = {};
    read.cbSize = sizeof read;
    read.fMask = MIIM_STRING;
    wchar_t wide[16] = {};
    read.dwTypeData = wide;
    read.cch = 16;
    EXPECT_TRUE(menu.GetMenuItemInfo(kOpen, FALSE, &read));
    EXPECT_STREQ(wide, L"Open...");

    EXPECT_EQ(menu.EnableMenuItem(kOpen, MF_BYCOMMAND | MF_GRAYED), static_cast<BOOL>(MF_ENABLED));
    EXPECT_NE(menu.GetItemState(kOpen, FALSE) & MF_GRAYED, 0u);
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_MAXHEIGHT;
    info.cyMax = 123;
    EXPECT_TRUE(menu.SetMenuInfo(&info));
    info.cyMax = 0;
    EXPECT_TRUE(menu.GetMenuInfo(&info));
    EXPECT_EQ(info.cyMax, 123u);
    EXPECT_TRUE(menu.DeleteMenu(kOpen, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuItemCount(), 1);
}
