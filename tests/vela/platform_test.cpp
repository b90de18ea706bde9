// The test platform itself: Wine must run our programs with the Japanese ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

// Everything 8-bit in the program assumes Shift_JIS; a wrong Wine setup must fail here, loudly.
TEST(Platform, AnsiCodePageIs932) {
    EXPECT_EQ(GetACP(), 932u);
}

TEST(Platform, NarrowLiteralsAreShiftJis) {
    // 表 is 0x95 0x5C in CP932: its trail byte is a backslash.
    const char text[] = "表";
    ASSERT_EQ(sizeof text, 3u);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 0x95);
    EXPECT_EQ(static_cast<unsigned char>(text[1]), 0x5C);
    EXPECT_TRUE(IsDBCSLeadByte(text[0]));
}

TEST(Platform, TempDirIsFreshAndRemoved) {
    std::string kept;
    {
        test::TempDir dir;
        kept = dir.Path();
        ASSERT_TRUE(test::Exists(kept));
        std::string inner = dir.MakeDir("inner");
        std::string file = dir.WriteFile("inner\\a.ini", "[s]\r\nk=v\r\n");
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        SetFileAttributesA(inner.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
        EXPECT_EQ(test::ReadFileBytes(file), "[s]\r\nk=v\r\n");
    }
    EXPECT_FALSE(test::Exists(kept));
}
