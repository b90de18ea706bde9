// The text colour dialog in process, opened by the main dialog's "変更" button and driven by
// the test once it is on screen.
#include "tests/app/AppFixture.h"

#include <cstdio>

#include "app/TextColorDialog.h"
#include "app/resource.h"

namespace {

// What the test does to the colour dialog as soon as it is activated.
struct Script {
    std::vector<std::pair<int, WPARAM>> scrolls; // bar id, WM_HSCROLL wParam
    int closeWith = IDOK;
};

Script* script = nullptr;

LRESULT CALLBACK DriveColourDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && script) {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        char caption[64] = "";
        GetWindowTextA(dialog, caption, sizeof caption);
        if (lstrcmpA(caption, "テキストカラーの設定") == 0) {
            for (const auto& [bar, scroll] : script->scrolls)
                PostMessageA(dialog, WM_HSCROLL, scroll,
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, bar)));
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(script->closeWith, BN_CLICKED), 0);
            script = nullptr;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class TextColorTest : public AppTest {
protected:
    // Opens the dialog on a folder whose colours are given, runs the script, returns when the
    // dialog has closed.
    void Run(COLORREF text, COLORREF back, Script& s) {
        char ini[256];
        std::snprintf(ini, sizeof ini,
                      "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Text=0x%08lx\r\n"
                      "IconArea_TextBackground=0x%08lx\r\n",
                      text, back);
        WriteDesktopIni(ini);
        Start(folder);
        Open(s);
    }
    void Open(Script& s) {
        script = &s;
        HHOOK hook = SetWindowsHookExA(WH_CBT, DriveColourDialog, nullptr, GetCurrentThreadId());
        Command(IDC_CHANGE_COLORS);
        UnhookWindowsHookEx(hook);
        script = nullptr;
    }
};

struct ScrollCase {
    COLORREF text;
    COLORREF back;
    int bar;
    WPARAM scroll;
    COLORREF textAfter;
    COLORREF backAfter;
};

} // namespace

TEST_F(TextColorTest, StepsBeyondTheRangeAreRefusedNotClamped) {
    const ScrollCase cases[] = {
        {0x000000, 0, IDC_TEXT_RED, SB_LINELEFT, 0x000000, 0},
        {0x000000, 0, IDC_TEXT_RED, SB_PAGELEFT, 0x000000, 0},
        {0x000005, 0, IDC_TEXT_RED, SB_PAGELEFT, 0x000005, 0},
        {0x00000A, 0, IDC_TEXT_RED, SB_PAGELEFT, 0x000000, 0},
        {0x0000FA, 0, IDC_TEXT_RED, SB_PAGERIGHT, 0x0000FA, 0},
        {0x0000FF, 0, IDC_TEXT_RED, SB_LINERIGHT, 0x0000FF, 0},
        {0x001000, 0, IDC_TEXT_GREEN, SB_LINERIGHT, 0x001100, 0},
        {0x000000, 0, IDC_TEXT_BLUE, MAKEWPARAM(SB_THUMBTRACK, 255), 0xFF0000, 0},
        {0x0000FF, 0, IDC_TEXT_RED, MAKEWPARAM(SB_THUMBTRACK, 0), 0x000000, 0},
        {0x000000, 0, IDC_TEXT_RED, MAKEWPARAM(SB_THUMBPOSITION, 77), 0x000000, 0},
        {0x000000, 0x102030, IDC_BACK_BLUE, SB_PAGERIGHT, 0x000000, 0x1A2030},
        {0x000000, 0x102030, IDC_BACK_RED, SB_LINELEFT, 0x000000, 0x10202F},
    };
    for (const ScrollCase& c : cases) {
        Script s;
        s.scrolls = {{c.bar, c.scroll}};
        Run(c.text, c.back, s);
        EXPECT_EQ(app->profile.GetIconTextColor(), c.textAfter) << std::hex << c.text;
        EXPECT_EQ(app->profile.GetIconTextBackColor(), c.backAfter) << std::hex << c.back;
        EXPECT_TRUE(app->changed);
        DestroyWindow(dialog);
        Pump();
        app.reset();
    }
}

TEST_F(TextColorTest, MissingBackgroundOpensWhiteAndOkStoresItWithoutTheHighByte) {
    WriteDesktopIni("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Text=0x00010203\r\n");
    Start(folder);
    ASSERT_EQ(app->profile.GetIconTextBackColor(), 0xFFFFFFFFu);
    ASSERT_TRUE(Visible(IDC_TEXT_DEFAULT));
    Script s;
    Open(s);
    EXPECT_EQ(app->profile.GetIconTextBackColor(), 0x00FFFFFFu);
    EXPECT_EQ(app->profile.GetIconTextColor(), 0x00010203u);
    // OK with untouched values still marks the settings changed, and the swatches replace the
    // default labels.
    EXPECT_TRUE(app->changed);
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_TRUE(Visible(IDC_TEXT_SWATCH));
    EXPECT_FALSE(Visible(IDC_TEXT_DEFAULT));
    EXPECT_FALSE(app->defaultColors);
}

// Cancel means no change: with default colours the labels stay, and a later Apply writes no
// colour the user never chose.
TEST_F(TextColorTest, CancelLeavesTheColoursAndTheirLabelsAsTheyWere) {
    WriteDesktopIni("[.ShellClassInfo]\r\nInfoTip=x\r\n");
    Start(folder);
    ASSERT_TRUE(app->defaultColors);
    Script s;
    s.scrolls = {{IDC_TEXT_RED, SB_PAGERIGHT}, {IDC_BACK_GREEN, SB_PAGELEFT}};
    s.closeWith = IDCANCEL;
    Open(s);
    EXPECT_EQ(app->profile.GetIconTextColor(), 0u);
    EXPECT_EQ(app->profile.GetIconTextBackColor(), 0xFFFFFFFFu);
    EXPECT_FALSE(app->changed);
    EXPECT_TRUE(app->defaultColors);
    EXPECT_TRUE(Visible(IDC_TEXT_DEFAULT));
    EXPECT_TRUE(Visible(IDC_BACK_DEFAULT));
    EXPECT_FALSE(Visible(IDC_TEXT_SWATCH));
    EXPECT_FALSE(Visible(IDC_BACK_SWATCH));

    Type(IDC_IMAGE, picture);
    Command(IDC_APPLY);
    EXPECT_EQ(ReadKey("IconArea_Image"), picture);
    EXPECT_FALSE(HasKey("IconArea_Text"));
    EXPECT_FALSE(HasKey("IconArea_TextBackground"));
}

TEST_F(TextColorTest, CustomColoursAreAppliedInTheirHexForm) {
    Script s;
    s.scrolls = {{IDC_TEXT_GREEN, SB_PAGERIGHT}, {IDC_BACK_RED, MAKEWPARAM(SB_THUMBTRACK, 200)}};
    Run(0x000000, 0x000000, s);
    Command(IDC_APPLY);
    EXPECT_EQ(ReadKey("IconArea_Text"), "0x00000a00");
    EXPECT_EQ(ReadKey("IconArea_TextBackground"), "0x000000c8");
}

TEST(ColorTriple, RoundTripsTheLowThreeBytes) {
    EXPECT_EQ(CColorTriple::FromColor(0x00123456).ToColor(), 0x00123456u);
    EXPECT_EQ(CColorTriple::FromColor(0xFFFFFFFF).ToColor(), 0x00FFFFFFu);
    CColorTriple c = CColorTriple::FromColor(0x00A0B0C0);
    EXPECT_EQ(c.red, 0xC0);
    EXPECT_EQ(c.green, 0xB0);
    EXPECT_EQ(c.blue, 0xA0);
}
