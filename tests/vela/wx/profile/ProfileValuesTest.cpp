// Typed INI values, window placements and the file-bound profile object.
#include "vela/wx/profile/ProfileValues.h"
#include "vela/wx/profile/PrivateProfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ProfileFiles.h"
#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

using namespace vela::wx;

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

struct HexCase {
    const char* line; // the key line as it stands in the file, or none for an absent key
    DWORD defaultValue;
    DWORD expected;
};

const HexCase kHexCases[] = {
    {nullptr, 0xFFFFFFFF, 0xFFFFFFFF},
    {nullptr, 0, 0},
    {nullptr, 0x1234, 0x1234},
    {"k=0", 7, 0},
    {"k=00", 7, 0},
    {"k=0x0", 7, 0},
    {"k=-0", 7, 0},
    {"k=", 7, 7},
    {"k=0x", 7, 7},
    {"k=0xg", 7, 7},
    {"k=g12", 7, 7},
    {"k=- 1", 7, 7},
    {"k=0x-1", 7, 7},
    {"k=1a", 7, 0x1A},
    {"k=1A", 7, 0x1A},
    {"k=0x1a", 7, 0x1A},
    {"k=0X1A", 7, 0x1A},
    {"k=12zz", 7, 0x12},
    {"k=+0x10", 7, 0x10},
    {"k=\" \t1f\"", 7, 0x1F},
    {"k=ffffffff", 0, 0xFFFFFFFF},
    {"k=0x00401010", 0, 0x00401010},
    {"k=-1", 0, 0xFFFFFFFF},
    {"k=-0x2", 0, 0xFFFFFFFE},
    {"k=123456789", 0, 0xFFFFFFFF},
    {"k=fffffffffffffffffffff", 0, 0xFFFFFFFF},
    // Clamped first, then negated.
    {"k=-123456789", 0, 1},
    {"k=00000000000000000001", 0, 1},
};

class ProfileValues : public ::testing::Test {
protected:
    std::string Ini(const char* line) {
        const std::string name = "values" + std::to_string(++count) + ".ini";
        return dir.WriteFile(name, std::string("[s]\n") + (line ? line : "other=1") + "\n");
    }

    test::TempDir dir;
    int count = 0;
};

TEST_F(ProfileValues, ReadProfileHexFollowsTheParseRules) {
    for (const HexCase& c : kHexCases) {
        const std::string ini = Ini(c.line);
        const char* what = c.line ? c.line : "(absent)";
        EXPECT_EQ(ReadProfileHex("s", "k", c.defaultValue, ini.c_str()), c.expected) << what;
        EXPECT_EQ(ReadProfileHex(L"s", L"k", c.defaultValue, Widen(ini).c_str()), c.expected)
            << what;
    }
}

TEST_F(ProfileValues, ReadProfileHexSeesOnly127CharactersOfAValue) {
    const std::string ini = Ini(("k=" + std::string(127, '0') + "5").c_str());
    EXPECT_EQ(ReadProfileHex("s", "k", 9, ini.c_str()), 0u);
    EXPECT_EQ(ReadProfileHex("s", "k", 9, dir.Sub("missing.ini").c_str()), 9u);
}

TEST_F(ProfileValues, ReadProfileFloatConvertsWithoutFallback) {
    struct FloatCase {
        const char* line;
        float defaultValue;
        float expected;
    };
    const FloatCase cases[] = {
        // The default travels as "%f" text, so it comes back rounded to six decimals.
        {nullptr, 0.1234567f, 0.123457f},
        {nullptr, -3.5f, -3.5f},
        {"k=abc", 2.0f, 0.0f},
        {"k=", 2.0f, 0.0f},
        {"k=1.5", 2.0f, 1.5f},
        {"k=-2.25e1", 2.0f, -22.5f},
        {"k=3.75xyz", 2.0f, 3.75f},
        {"k=\"  +0.5\"", 2.0f, 0.5f},
    };
    for (const FloatCase& c : cases) {
        const std::string ini = Ini(c.line);
        const char* what = c.line ? c.line : "(absent)";
        EXPECT_EQ(ReadProfileFloat("s", "k", c.defaultValue, ini.c_str()), c.expected) << what;
        EXPECT_EQ(ReadProfileFloat(L"s", L"k", c.defaultValue, Widen(ini).c_str()), c.expected)
            << what;
    }
}

TEST_F(ProfileValues, WritersUseTheirTextForms) {
    const std::string ini = dir.Sub("forms.ini");
    EXPECT_TRUE(WriteProfileHex("s", "hex", 255, ini.c_str()));
    EXPECT_TRUE(WriteProfileHex("s", "zero", 0, ini.c_str()));
    EXPECT_TRUE(WriteProfileHex("s", "max", 0xFFFFFFFF, ini.c_str()));
    EXPECT_TRUE(WriteProfileInt("s", "int", -5, ini.c_str()));
    EXPECT_TRUE(WriteProfileFloat("s", "float", 1.5f, ini.c_str()));
    EXPECT_EQ(test::ReadFileBytes(ini), "[s]\r\nhex=0xff\r\nzero=0x0\r\nmax=0xffffffff\r\n"
                                        "int=-5\r\nfloat=1.500000\r\n");

    const std::wstring wide = Widen(dir.Sub("wide.ini"));
    EXPECT_TRUE(WriteProfileHex(L"s", L"hex", 255, wide.c_str()));
    EXPECT_TRUE(WriteProfileInt(L"s", L"int", -5, wide.c_str()));
    EXPECT_TRUE(WriteProfileFloat(L"s", L"float", 0.25f, wide.c_str()));
    // The writer creates ANSI files through the UTF-16 functions too.
    EXPECT_EQ(test::ReadFileBytes(dir.Sub("wide.ini")),
              "[s]\r\nhex=0xff\r\nint=-5\r\nfloat=0.250000\r\n");
}

TEST_F(ProfileValues, WritersReportAFolderThatDoesNotExist) {
    const std::string ini = dir.Sub("no-such\\x.ini");
    EXPECT_FALSE(WriteProfileHex("s", "k", 1, ini.c_str()));
    EXPECT_FALSE(WriteProfileInt("s", "k", 1, ini.c_str()));
    EXPECT_FALSE(WriteProfileFloat(L"s", L"k", 1.0f, Widen(ini).c_str()));
}

// A real top-level window whose placement the tests store and restore.
class PlacementWindow {
public:
    PlacementWindow(int x, int y, int width, int height) {
        hwnd = CreateWindowExA(0, "STATIC", "placement", WS_OVERLAPPEDWINDOW, x, y, width, height,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~PlacementWindow() { DestroyWindow(hwnd); }
    PlacementWindow(const PlacementWindow&) = delete;
    PlacementWindow& operator=(const PlacementWindow&) = delete;

    WINDOWPLACEMENT Placement() const {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd, &placement);
        return placement;
    }

    HWND hwnd;
};

void ExpectSameRect(const RECT& a, const RECT& b) {
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.right, b.right);
    EXPECT_EQ(a.bottom, b.bottom);
}

TEST_F(ProfileValues, PlacementRoundTripRestoresPositionAndShowState) {
    const std::string ini = dir.Sub("setup.ini");
    PlacementWindow stored(40, 50, 320, 240);
    ASSERT_TRUE(stored.hwnd);
    ShowWindow(stored.hwnd, SW_SHOWNORMAL);
    ASSERT_TRUE(WriteWindowPlacement("Kalmora", "normal", stored.hwnd, ini.c_str()));
    ShowWindow(stored.hwnd, SW_SHOWMAXIMIZED);
    ASSERT_TRUE(IsZoomed(stored.hwnd));
    ASSERT_TRUE(WriteWindowPlacement("Kalmora", "maximised", stored.hwnd, ini.c_str()));

    PlacementWindow restored(200, 220, 150, 120);
    ShowWindow(restored.hwnd, SW_SHOWNORMAL);
    ASSERT_TRUE(ReadWindowPlacement("Kalmora", "maximised", restored.hwnd, ini.c_str()));
    EXPECT_TRUE(IsZoomed(restored.hwnd));
    EXPECT_EQ(restored.Placement().showCmd, UINT(SW_SHOWMAXIMIZED));
    ExpectSameRect(restored.Placement().rcNormalPosition, stored.Placement().rcNormalPosition);

    ASSERT_TRUE(ReadWindowPlacement(L"Kalmora", L"normal", restored.hwnd, Widen(ini).c_str()));
    EXPECT_FALSE(IsZoomed(restored.hwnd));
    EXPECT_EQ(restored.Placement().showCmd, UINT(SW_SHOWNORMAL));
    RECT window;
    GetWindowRect(restored.hwnd, &window);
    ExpectSameRect(window, RECT{40, 50, 360, 290});

    WINDOWPLACEMENT record = {};
    EXPECT_TRUE(ReadPlacementRecord("Kalmora", "normal", &record, ini.c_str()));
    EXPECT_EQ(record.length, sizeof record);
    ExpectSameRect(record.rcNormalPosition, RECT{40, 50, 360, 290});
}

TEST_F(ProfileValues, DamagedOrMissingPlacementLeavesTheWindowAlone) {
    const std::string ini = dir.Sub("setup.ini");
    PlacementWindow stored(10, 20, 300, 200);
    ASSERT_TRUE(WriteWindowPlacement("Kalmora", "WNDPLACEMENT", stored.hwnd, ini.c_str()));
    char text[256];
    GetPrivateProfileStringA("Kalmora", "WNDPLACEMENT", "", text, sizeof text, ini.c_str());
    ASSERT_EQ(std::string(text).size(), 2u * sizeof(WINDOWPLACEMENT) + 2);
    text[10] = text[10] == '0' ? '1' : '0';
    WritePrivateProfileStringA("Kalmora", "WNDPLACEMENT", text, ini.c_str());

    PlacementWindow other(100, 110, 200, 150);
    RECT before;
    GetWindowRect(other.hwnd, &before);
    EXPECT_FALSE(ReadWindowPlacement("Kalmora", "WNDPLACEMENT", other.hwnd, ini.c_str()));
    EXPECT_FALSE(ReadWindowPlacement("Kalmora", "absent", other.hwnd, ini.c_str()));
    EXPECT_FALSE(
        ReadWindowPlacement("Kalmora", "WNDPLACEMENT", other.hwnd, dir.Sub("none.ini").c_str()));
    // A record of another size fails too.
    char small[20] = {};
    WritePrivateProfileStructA("Kalmora", "short", small, sizeof small, ini.c_str());
    EXPECT_FALSE(ReadWindowPlacement("Kalmora", "short", other.hwnd, ini.c_str()));
    WINDOWPLACEMENT record;
    EXPECT_FALSE(ReadPlacementRecord("Kalmora", "short", &record, ini.c_str()));
    RECT after;
    GetWindowRect(other.hwnd, &after);
    ExpectSameRect(after, before);
}

// A record whose checksum holds may still be no place to show a window: it is shown normal, on
// the work area of the nearest monitor, or refused when it holds no rectangle.
TEST_F(ProfileValues, StoredPlacementsAreMadeToShowTheWindowOnScreen) {
    const std::string ini = dir.Sub("setup.ini");
    struct Case {
        const char* label;
        UINT showCmd;
        RECT rect;
        bool applied;
        UINT showCmdAfter;
    };
    const Case cases[] = {
        {"minimised", SW_SHOWMINIMIZED, {30, 40, 330, 240}, true, SW_SHOWNORMAL},
        {"hidden", SW_HIDE, {30, 40, 330, 240}, true, SW_SHOWNORMAL},
        {"beyond the right", SW_SHOWNORMAL, {20000, 40, 20300, 240}, true, SW_SHOWNORMAL},
        {"above and left", SW_SHOWNORMAL, {-20000, -9000, -19700, -8800}, true, SW_SHOWNORMAL},
        {"maximised", SW_SHOWMAXIMIZED, {30, 40, 330, 240}, true, SW_SHOWMAXIMIZED},
        {"empty rectangle", SW_SHOWNORMAL, {50, 50, 50, 80}, false, SW_SHOWNORMAL},
        {"inverted rectangle", SW_SHOWNORMAL, {300, 300, 100, 100}, false, SW_SHOWNORMAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(test::WritePlacement(ini, c.showCmd, c.rect));
        PlacementWindow window(100, 110, 200, 150);
        const WINDOWPLACEMENT before = window.Placement();
        EXPECT_EQ(ReadWindowPlacement("Kalmora", "WNDPLACEMENT", window.hwnd, ini.c_str()),
                  c.applied);
        const WINDOWPLACEMENT after = window.Placement();
        if (!c.applied) {
            ExpectSameRect(after.rcNormalPosition, before.rcNormalPosition);
            EXPECT_FALSE(IsWindowVisible(window.hwnd));
            continue;
        }
        EXPECT_TRUE(IsWindowVisible(window.hwnd));
        EXPECT_EQ(after.showCmd, c.showCmdAfter);
        const RECT& normal = after.rcNormalPosition;
        EXPECT_EQ(normal.right - normal.left, c.rect.right - c.rect.left);
        EXPECT_EQ(normal.bottom - normal.top, c.rect.bottom - c.rect.top);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        ASSERT_TRUE(GetMonitorInfoA(MonitorFromRect(&normal, MONITOR_DEFAULTTONULL), &monitor));
        EXPECT_GE(normal.left, monitor.rcWork.left);
        EXPECT_GE(normal.top, monitor.rcWork.top);
        EXPECT_LE(normal.right, monitor.rcWork.right);
        EXPECT_LE(normal.bottom, monitor.rcWork.bottom);
    }
}

TEST_F(ProfileValues, PlacementOfNoWindowWritesNothing) {
    const std::string ini = dir.Sub("setup.ini");
    EXPECT_FALSE(WriteWindowPlacement("Kalmora", "WNDPLACEMENT", nullptr, ini.c_str()));
    EXPECT_FALSE(WriteWindowPlacement(L"Kalmora", L"WNDPLACEMENT", nullptr, Widen(ini).c_str()));
    EXPECT_FALSE(test::Exists(ini));
}

class PrivateProfile : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(PrivateProfile, StartsUnboundAndBindsOnlyAPathThatFits) {
    CPrivateProfile profile;
    EXPECT_STREQ(profile.GetPath(), "");
    EXPECT_TRUE(profile.BindFile("C:\\x\\a.ini"));
    EXPECT_STREQ(profile.GetPath(), "C:\\x\\a.ini");

    const std::string fits = "C:\\" + std::string(MAX_PATH - 4, 'f');
    EXPECT_TRUE(profile.BindFile(fits.c_str()));
    EXPECT_EQ(std::string(profile.GetPath()), fits);

    // Cut to 259 characters this would name another file: refused, and unbound.
    const std::string tooLong = fits + "g";
    EXPECT_FALSE(profile.BindFile(tooLong.c_str()));
    for (int i = 0; i < MAX_PATH; ++i)
        ASSERT_EQ(profile.GetPath()[i], '\0') << i;
    EXPECT_FALSE(profile.BindFile(nullptr));

    profile.BindFile("C:\\x\\a.ini");
    profile.Unbind();
    for (int i = 0; i < MAX_PATH; ++i)
        ASSERT_EQ(profile.GetPath()[i], '\0') << i;
}

TEST_F(PrivateProfile, MembersWorkOnTheBoundFile) {
    CPrivateProfile profile;
    const std::string ini = dir.Sub("bound.ini");
    ASSERT_TRUE(profile.BindFile(ini.c_str()));
    EXPECT_TRUE(profile.IsEmpty());

    EXPECT_TRUE(profile.WriteInt("n", "int", -5));
    EXPECT_EQ(profile.GetInt("n", "int", 0), UINT(-5));
    EXPECT_TRUE(profile.WriteHex("n", "hex", 0xABC));
    EXPECT_EQ(profile.ReadHex("n", "hex", 0), 0xABCu);
    EXPECT_TRUE(profile.WriteFloat("n", "float", 2.5f));
    EXPECT_EQ(profile.ReadFloat("n", "float", 0.0f), 2.5f);
    EXPECT_TRUE(profile.WriteString("n", "text", "value"));
    char buffer[64];
    EXPECT_EQ(profile.GetString("n", "text", "", buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "value");
    EXPECT_FALSE(profile.IsEmpty());

    int record[3] = {1, 2, 3};
    EXPECT_TRUE(profile.WriteStruct("n", "struct", record, sizeof record));
    int back[3] = {};
    EXPECT_TRUE(profile.GetStruct("n", "struct", back, sizeof back));
    EXPECT_EQ(back[2], 3);

    EXPECT_TRUE(profile.WriteSection("w", "a=1\0b=2\0"));
    EXPECT_EQ(profile.GetSection("w", buffer, sizeof buffer), 8u);
    EXPECT_EQ(test::SplitList(buffer), (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_TRUE(profile.DeleteKey("n", "text"));
    EXPECT_EQ(profile.GetString("n", "text", "gone", buffer, sizeof buffer), 4u);
    EXPECT_TRUE(profile.DeleteSection("w"));
    profile.GetSectionNames(buffer, sizeof buffer);
    EXPECT_EQ(test::SplitList(buffer), (std::vector<std::string>{"n"}));

    PlacementWindow window(30, 40, 200, 100);
    EXPECT_TRUE(profile.WriteWindowPlacement("n", "place", window.hwnd));
    WINDOWPLACEMENT placement = {};
    EXPECT_TRUE(profile.ReadPlacementRecord("n", "place", &placement));
    ExpectSameRect(placement.rcNormalPosition, RECT{30, 40, 230, 140});
    EXPECT_TRUE(profile.ReadWindowPlacement("n", "place", window.hwnd));

    EXPECT_TRUE(profile.RemoveFile());
    EXPECT_FALSE(test::Exists(ini));
    EXPECT_TRUE(profile.IsEmpty());
}

TEST_F(PrivateProfile, IsEmptyUntilTheFileHoldsASection) {
    CPrivateProfile profile;
    profile.BindFile(dir.WriteFile("keys-only.ini", "a=1\nb=2\n").c_str());
    EXPECT_TRUE(profile.IsEmpty());
    profile.BindFile(dir.WriteFile("blank.ini", "").c_str());
    EXPECT_TRUE(profile.IsEmpty());
    profile.BindFile(dir.WriteFile("one.ini", "[only]\n").c_str());
    EXPECT_FALSE(profile.IsEmpty());
}

} // namespace

// A window not shown yet takes its stored place hidden and is told the state to show it in; a
// record that cannot be applied leaves it where it was.
TEST_F(ProfileValues, HiddenPlacementKeepsTheWindowHiddenAndNamesTheStateToShowIn) {
    const std::string ini = dir.Sub("setup.ini");
    struct Case {
        const char* label;
        UINT showCmd;
        RECT rect;
        UINT shown;
    };
    const Case cases[] = {
        {"normal", SW_SHOWNORMAL, {30, 40, 330, 240}, SW_SHOWNORMAL},
        {"maximised", SW_SHOWMAXIMIZED, {30, 40, 330, 240}, SW_SHOWMAXIMIZED},
        {"minimised", SW_SHOWMINIMIZED, {30, 40, 330, 240}, SW_SHOWNORMAL},
        {"no rectangle", SW_SHOWNORMAL, {50, 50, 50, 80}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(test::WritePlacement(ini, c.showCmd, c.rect));
        PlacementWindow window(100, 110, 200, 150);
        RECT before;
        GetWindowRect(window.hwnd, &before);
        EXPECT_EQ(ReadHiddenWindowPlacement("Kalmora", "WNDPLACEMENT", window.hwnd, ini.c_str()),
                  c.shown);
        EXPECT_FALSE(IsWindowVisible(window.hwnd));
        RECT after;
        GetWindowRect(window.hwnd, &after);
        if (!c.shown) {
            ExpectSameRect(after, before);
            continue;
        }
        ShowWindow(window.hwnd, c.shown);
        EXPECT_EQ(IsZoomed(window.hwnd) != FALSE, c.shown == SW_SHOWMAXIMIZED);
        ExpectSameRect(window.Placement().rcNormalPosition, c.rect);
    }
    EXPECT_EQ(ReadHiddenWindowPlacement(L"Kalmora", L"absent", nullptr, Widen(ini).c_str()), 0u);
}
