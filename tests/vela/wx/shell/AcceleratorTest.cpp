// Accelerator tables: owning, copying and translating them, and writing shortcuts into menus.
#include "vela/wx/shell/Accelerator.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/vela/wx/window/TestResource.h"
#include "vela/wx/shell/Menu.h"

using vela::wx::CAccelerator;

namespace {

constexpr UINT kItem = 100;

// An entry as flags, key and command, comparable as a whole.
using Entry = std::tuple<int, int, int>;
using Entries = std::vector<Entry>;

Entry EntryOf(const ACCEL& accel) {
    return {accel.fVirt, accel.key, accel.cmd};
}

Entries EntriesOf(const ACCEL* accels, int count) {
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(EntryOf(accels[i]));
    return entries;
}

Entries EntriesOf(const CAccelerator& keys) {
    std::vector<ACCEL> accels(keys.GetCount());
    EXPECT_EQ(keys.Copy(accels.data(), static_cast<int>(accels.size())),
              static_cast<int>(accels.size()));
    return EntriesOf(accels.data(), static_cast<int>(accels.size()));
}

std::string LabelOf(HMENU menu, UINT id) {
    char text[1024] = {};
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

std::vector<WPARAM> commands;

LRESULT CALLBACK SinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        commands.push_back(wParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A window that writes down the commands it receives.
HWND CreateSink() {
    static ATOM atom = [] {
        WNDCLASSA record = {};
        record.lpfnWndProc = SinkProc;
        record.hInstance = GetModuleHandleA(nullptr);
        record.lpszClassName = "VelaAcceleratorSink";
        return RegisterClassA(&record);
    }();
    return CreateWindowExA(0, MAKEINTATOM(atom), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// A menu whose one labelled item sits two levels down, where only a by-command write reaches.
class NestedMenu {
public:
    explicit NestedMenu(const std::string& label) {
        root = CreatePopupMenu();
        HMENU middle = CreatePopupMenu();
        deep = CreatePopupMenu();
        AppendMenuA(deep, MF_STRING, kItem, label.c_str());
        AppendMenuA(middle, MF_POPUP, reinterpret_cast<UINT_PTR>(deep), "Deep");
        AppendMenuA(root, MF_POPUP, reinterpret_cast<UINT_PTR>(middle), "File");
    }
    ~NestedMenu() { DestroyMenu(root); }
    NestedMenu(const NestedMenu&) = delete;
    NestedMenu& operator=(const NestedMenu&) = delete;

    std::string Label() const { return LabelOf(deep, kItem); }

    HMENU root;
    HMENU deep;
};

} // namespace

TEST(Accelerator, HoldsAtMostOneTableAndKeepsTheOldOneWhenOfferedAnother) {
    const ACCEL two[] = {{FVIRTKEY, VK_F5, 1}, {FVIRTKEY | FCONTROL, 'D', 2}};
    const ACCEL one[] = {{FVIRTKEY, VK_F2, 3}};
    CAccelerator keys;
    EXPECT_EQ(keys.GetHandle(), nullptr);
    EXPECT_EQ(keys.GetCount(), 0);
    EXPECT_FALSE(keys.Destroy());
    EXPECT_EQ(keys.Detach(), nullptr);
    EXPECT_FALSE(keys.Attach(nullptr));

    ASSERT_TRUE(keys.Create(two, 2));
    HACCEL held = keys.GetHandle();
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(keys.Create(one, 1));
    EXPECT_FALSE(keys.CreateW(one, 1));
    EXPECT_FALSE(keys.Load(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_KEYS)));
    HACCEL offered = CreateAcceleratorTableA(const_cast<ACCEL*>(one), 1);
    EXPECT_FALSE(keys.Attach(offered));
    EXPECT_EQ(keys.GetHandle(), held);
    EXPECT_EQ(keys.GetCount(), 2);
    // A refused handle stays the caller's, alive.
    EXPECT_EQ(CopyAcceleratorTableA(offered, nullptr, 0), 1);
    EXPECT_TRUE(DestroyAcceleratorTable(offered));

    EXPECT_EQ(keys.Detach(), held);
    EXPECT_EQ(keys.GetHandle(), nullptr);
    EXPECT_FALSE(keys.Destroy());
    EXPECT_TRUE(DestroyAcceleratorTable(held));

    HACCEL owned = CreateAcceleratorTableA(const_cast<ACCEL*>(one), 1);
    {
        CAccelerator owner(owned);
        EXPECT_EQ(owner.GetHandle(), owned);
    }
    EXPECT_EQ(CopyAcceleratorTableA(owned, nullptr, 0), 0);
    ASSERT_TRUE(keys.Create(one, 1));
    EXPECT_TRUE(keys.Destroy());
    EXPECT_FALSE(keys.Destroy());
}

TEST(Accelerator, CopyGivesTheEntriesBackInEitherForm) {
    const ACCEL three[] = {
        {FVIRTKEY, VK_F5, 10}, {FVIRTKEY | FCONTROL, 'E', 11}, {FVIRTKEY | FSHIFT | FALT, 'I', 12}};
    CAccelerator keys;
    ASSERT_TRUE(keys.CreateW(three, 3));
    EXPECT_EQ(keys.GetCount(), 3);
    EXPECT_EQ(keys.Copy(nullptr, 0), 3);
    EXPECT_EQ(keys.CopyW(nullptr, 0), 3);
    EXPECT_EQ(EntriesOf(keys), EntriesOf(three, 3));
    ACCEL first[3] = {};
    EXPECT_EQ(keys.Copy(first, 1), 1);
    EXPECT_EQ(EntryOf(first[0]), EntryOf(three[0]));
    EXPECT_EQ(EntryOf(first[1]), Entry(0, 0, 0));
    ACCEL all[3] = {};
    EXPECT_EQ(keys.CopyW(all, 3), 3);
    EXPECT_EQ(EntriesOf(all, 3), EntriesOf(three, 3));
}

TEST(Accelerator, LoadTakesTheTableFromTheModulesResources) {
    const Entries expected = {{FVIRTKEY, VK_F5, IDM_OPEN}, {FVIRTKEY | FCONTROL, 'D', IDM_DELETE}};
    CAccelerator narrow;
    ASSERT_TRUE(narrow.Load(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_KEYS)));
    EXPECT_EQ(EntriesOf(narrow), expected);
    CAccelerator wide;
    ASSERT_TRUE(wide.Load(GetModuleHandleA(nullptr), MAKEINTRESOURCEW(IDR_KEYS)));
    EXPECT_EQ(EntriesOf(wide), expected);
    CAccelerator missing;
    EXPECT_FALSE(missing.Load(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999)));
    EXPECT_EQ(missing.GetHandle(), nullptr);
}

TEST(Accelerator, TranslateTurnsAMatchingKeyIntoACommandForTheTarget) {
    HWND sink = CreateSink();
    ASSERT_NE(sink, nullptr);
    const ACCEL entries[] = {{FVIRTKEY, VK_F5, 40001}};
    CAccelerator keys;
    const struct {
        UINT message;
        WPARAM key;
        bool translated;
    } cases[] = {
        {WM_KEYDOWN, VK_F5, true}, {WM_KEYDOWN, VK_F6, false}, {WM_KEYUP, VK_F5, false},
        {WM_CHAR, VK_F5, false},   {WM_NULL, VK_F5, false},
    };
    for (bool empty : {true, false}) {
        if (!empty) {
            ASSERT_TRUE(keys.Create(entries, 1));
        }
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << empty << " " << c.message << " " << c.key);
            MSG msg = {sink, c.message, c.key, 1, 0, {0, 0}};
            for (bool wide : {false, true}) {
                commands.clear();
                int result = wide ? keys.TranslateW(sink, &msg) : keys.Translate(sink, &msg);
                bool translated = c.translated && !empty;
                EXPECT_EQ(result != 0, translated);
                EXPECT_EQ(commands, translated ? std::vector<WPARAM>{MAKEWPARAM(40001, 1)}
                                               : std::vector<WPARAM>{});
            }
        }
    }
    DestroyWindow(sink);
}

TEST(MenuShortcutText, WritesTheKeysAfterTheLastTab) {
    const std::string longest(251, 'x');
    const struct {
        std::string label;
        BYTE flags;
        WORD key;
        std::string expected;
    } cases[] = {
        {"Open", FVIRTKEY, VK_F5, "Open\tF5"},
        {"Delete\tCtrl+D", FVIRTKEY | FCONTROL, 'D', "Delete\tCtrl+D"},
        {"A\tB\tC", FVIRTKEY, VK_F2, "A\tB\tF2"},
        {"", FVIRTKEY, VK_F5, "\tF5"},
        {"Go", FVIRTKEY | FALT | FSHIFT | FCONTROL, 'A', "Go\tCtrl+Shift+Alt+A"},
        {"Go", FVIRTKEY | FALT | FSHIFT, 'Z', "Go\tShift+Alt+Z"},
        {"Go", FVIRTKEY | FALT, VK_F4, "Go\tAlt+F4"},
        // The flag is not read: the key is taken as a virtual-key code all the same.
        {"Go", FCONTROL, 'Q', "Go\tCtrl+Q"},
        {"Go", FVIRTKEY, VK_F1, "Go\tF1"},
        {"Go", FVIRTKEY, VK_F23, "Go\tF23"},
        {"Go", FVIRTKEY, VK_F24, "Go\tF24"},
        {"Go", FVIRTKEY | FCONTROL, '0', "Go\tCtrl+0"},
        {"Go", FVIRTKEY, '9', "Go\t9"},
        {"Go", FVIRTKEY, VK_DELETE, "Go\tDel"},
        {"Go", FVIRTKEY | FSHIFT, VK_INSERT, "Go\tShift+Ins"},
        {"Go", FVIRTKEY, VK_HOME, "Go\tHome"},
        {"Go", FVIRTKEY, VK_END, "Go\tEnd"},
        {"Go", FVIRTKEY, VK_PRIOR, "Go\tPgUp"},
        {"Go", FVIRTKEY, VK_NEXT, "Go\tPgDn"},
        {"Go", FVIRTKEY | FALT, VK_LEFT, "Go\tAlt+Left"},
        {"Go", FVIRTKEY, VK_RIGHT, "Go\tRight"},
        {"Go", FVIRTKEY, VK_UP, "Go\tUp"},
        {"Go", FVIRTKEY, VK_DOWN, "Go\tDown"},
        {"Go", FVIRTKEY | FCONTROL, VK_RETURN, "Go\tCtrl+Enter"},
        {"Go", FVIRTKEY, VK_ESCAPE, "Go\tEsc"},
        {"Go", FVIRTKEY | FCONTROL, VK_SPACE, "Go\tCtrl+Space"},
        {"Go", FVIRTKEY | FCONTROL, VK_TAB, "Go\tCtrl+Tab"},
        {"開く(&O)...", FVIRTKEY, VK_F5, "開く(&O)...\tF5"},
        {"表示\t保存", FVIRTKEY | FCONTROL, 'S', "表示\tCtrl+S"},
        // 255 bytes are read whole; 256 or more are skipped, the item keeps its text.
        {longest + "\tOld", FVIRTKEY, VK_F5, longest + "\tF5"},
        {longest + "x\tOld", FVIRTKEY, VK_F5, longest + "x\tOld"},
        // A composed label must fit the 256 bytes with its terminator, or it is not written.
        {longest + "x", FVIRTKEY, VK_F5, longest + "x\tF5"},
        {longest + "xx", FVIRTKEY, VK_F5, longest + "xx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        NestedMenu menu(c.label);
        ACCEL entry = {c.flags, c.key, kItem};
        CAccelerator keys;
        ASSERT_TRUE(keys.Create(&entry, 1));
        EXPECT_EQ(keys.SetMenuShortcutText(menu.root), 1);
        EXPECT_EQ(menu.Label(), c.expected);
    }
}

TEST(MenuShortcutText, SkipsMissingItemsAndLetsTheLaterEntryForAnItemWin) {
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "Cut");
    AppendMenuA(menu, MF_STRING, 2, "Copy");
    const ACCEL entries[] = {
        {FVIRTKEY, VK_F2, 1},
        {FVIRTKEY, VK_F3, 999},
        {FVIRTKEY | FCONTROL, 'X', 1},
        {FVIRTKEY | FCONTROL, 'C', 2},
    };
    CAccelerator keys;
    ASSERT_TRUE(keys.Create(entries, 4));
    EXPECT_EQ(keys.SetMenuShortcutText(menu), 1);
    EXPECT_EQ(LabelOf(menu, 1), "Cut\tCtrl+X");
    EXPECT_EQ(LabelOf(menu, 2), "Copy\tCtrl+C");
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    DestroyMenu(menu);
}

TEST(MenuShortcutText, ChangesNothingForAnEmptyTableOrAnythingButAMenu) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kItem, "Open");
    CAccelerator empty;
    EXPECT_EQ(empty.SetMenuShortcutText(menu), 1);
    EXPECT_EQ(LabelOf(menu, kItem), "Open");

    const ACCEL entry = {FVIRTKEY, VK_F5, kItem};
    CAccelerator keys;
    ASSERT_TRUE(keys.Create(&entry, 1));
    EXPECT_EQ(keys.SetMenuShortcutText(nullptr), 0);
    DestroyMenu(menu);
    EXPECT_EQ(keys.SetMenuShortcutText(menu), 0);
}

TEST(MenuShortcutText, LeavesItemsThatAreNotTextAlone) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, kItem, reinterpret_cast<LPCSTR>(0x1234));
    const ACCEL entry = {FVIRTKEY, VK_F5, kItem};
    CAccelerator keys;
    ASSERT_TRUE(keys.Create(&entry, 1));
    EXPECT_EQ(keys.SetMenuShortcutText(menu), 1);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoA(menu, kItem, FALSE, &info));
    EXPECT_EQ(info.fType & MFT_OWNERDRAW, static_cast<UINT>(MFT_OWNERDRAW));
    EXPECT_EQ(info.dwItemData, 0x1234u);
    DestroyMenu(menu);
}
