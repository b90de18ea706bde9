// The icon owner: take over or destroy, and what Destroy reports.
#include "vela/wx/shell/Icon.h"

#include <gtest/gtest.h>

namespace {

// Counts releases, so the test sees that a refused icon goes through the destroy slot.
class CountingIcon : public vela::wx::CIcon {
public:
    BOOL DestroyHandle(HICON icon) override {
        ++destroyed;
        return CIcon::DestroyHandle(icon);
    }
    int destroyed = 0;
};

HICON MakeIcon() {
    BYTE andBits[32 * 4];
    BYTE xorBits[32 * 4];
    memset(andBits, 0xFF, sizeof andBits);
    memset(xorBits, 0, sizeof xorBits);
    return CreateIcon(nullptr, 32, 32, 1, 1, andBits, xorBits);
}

} // namespace

TEST(Icon, SecondLoadIsRefusedAndTheFirstIconStays) {
    CountingIcon icon;
    ASSERT_TRUE(icon.Load(nullptr, IDI_APPLICATION));
    HICON first = icon.GetHandle();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(icon.Load(nullptr, IDI_WARNING));
    EXPECT_EQ(icon.GetHandle(), first);
    EXPECT_EQ(icon.destroyed, 1);
}

TEST(Icon, DestroyOnEmptyIsFalse) {
    vela::wx::CIcon icon;
    EXPECT_FALSE(icon.Destroy());
    EXPECT_EQ(icon.GetHandle(), nullptr);
}

TEST(Icon, AttachDetachAndDestroy) {
    vela::wx::CIcon icon;
    EXPECT_FALSE(icon.Attach(nullptr));
    HICON made = MakeIcon();
    ASSERT_TRUE(icon.Attach(made));
    HICON other = MakeIcon();
    EXPECT_FALSE(icon.Attach(other));
    DestroyIcon(other);
    EXPECT_EQ(icon.Detach(), made);
    EXPECT_EQ(icon.GetHandle(), nullptr);
    ASSERT_TRUE(icon.Attach(made));
    EXPECT_TRUE(icon.Destroy());
    EXPECT_EQ(icon.GetHandle(), nullptr);
}

TEST(Icon, CopyTakesOverANewHandle) {
    vela::wx::CIcon source(MakeIcon());
    vela::wx::CIcon copy;
    ASSERT_TRUE(copy.Copy(source.GetHandle()));
    EXPECT_NE(copy.GetHandle(), source.GetHandle());
    ICONINFO info = {};
    ASSERT_TRUE(copy.GetInfo(&info));
    EXPECT_TRUE(info.fIcon);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

TEST(Icon, ExtractFromAFileWithoutIconsFails) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    lstrcatA(system, "\\kernel32.dll");
    vela::wx::CIcon icon;
    // An index far beyond what any system file holds.
    EXPECT_FALSE(icon.Extract(GetModuleHandleA(nullptr), system, 100000));
    EXPECT_EQ(icon.GetHandle(), nullptr);
}
