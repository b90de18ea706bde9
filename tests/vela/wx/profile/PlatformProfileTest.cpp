// The KERNEL32 profile behaviours the store relies on, pinned down under the platform we run on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

class PlatformProfile : public ::testing::Test {
protected:
    std::string Ini(const std::string& text) { return dir.WriteFile("test.ini", text); }

    test::TempDir dir;
};

TEST_F(PlatformProfile, ValueThatDoesNotFitIsCutAndAnswersSizeMinusOne) {
    const std::string ini = Ini("[s]\nkey=abcdef\n");
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileStringA("s", "key", "", buffer, 4, ini.c_str()), 3u);
    EXPECT_STREQ(buffer, "abc");
    // An exact fit answers the same as a cut.
    EXPECT_EQ(GetPrivateProfileStringA("s", "key", "", buffer, 7, ini.c_str()), 6u);
    EXPECT_STREQ(buffer, "abcdef");
    EXPECT_EQ(GetPrivateProfileStringA("s", "absent", "dflt", buffer, 16, ini.c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");
}

TEST_F(PlatformProfile, ListThatDoesNotFitOrFitsExactlyAnswersSizeMinusTwo) {
    // "abc\0def\0\0" needs 9 characters.
    const std::string ini = Ini("[abc]\nk=1\n[def]\nk=2\n");
    char buffer[64];
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, 64, ini.c_str()), 8u);
    EXPECT_EQ(test::SplitList(buffer), (std::vector<std::string>{"abc", "def"}));
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, 9, ini.c_str()), 7u);
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, 6, ini.c_str()), 4u);

    const std::string lines = Ini("[s]\nab=1\ncd=2\n");
    // "ab=1\0cd=2\0\0" needs 11.
    EXPECT_EQ(GetPrivateProfileSectionA("s", buffer, 64, lines.c_str()), 10u);
    EXPECT_EQ(GetPrivateProfileSectionA("s", buffer, 11, lines.c_str()), 9u);
    EXPECT_EQ(GetPrivateProfileSectionA("s", buffer, 7, lines.c_str()), 5u);
}

TEST_F(PlatformProfile, MissingFileOrSectionListsNothing) {
    char buffer[64] = "untouched";
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, 64, dir.Sub("none.ini").c_str()), 0u);
    const std::string ini = Ini("[s]\nk=1\n");
    EXPECT_EQ(GetPrivateProfileSectionA("other", buffer, 64, ini.c_str()), 0u);
}

TEST_F(PlatformProfile, MissingValueRemovesKeyAndMissingKeyRemovesSection) {
    const std::string ini = Ini("[a]\nx=1\ny=2\n[b]\nz=3\n");
    EXPECT_TRUE(WritePrivateProfileStringA("a", "x", nullptr, ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("b", nullptr, nullptr, ini.c_str()));
    // Removing what is not there succeeds.
    EXPECT_TRUE(WritePrivateProfileStringA("a", "gone", nullptr, ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("gone", nullptr, nullptr, ini.c_str()));
    EXPECT_EQ(test::ReadFileBytes(ini), "[a]\r\ny=2\r\n");
}

TEST_F(PlatformProfile, WritesKeyLinesAndAppendsNewSectionsAndKeysInOrder) {
    const std::string ini = dir.Sub("new.ini");
    EXPECT_TRUE(WritePrivateProfileStringA("Zeta", "b", "2", ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("Alpha", "a", "1", ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("Zeta", "a", "3", ini.c_str()));
    EXPECT_EQ(test::ReadFileBytes(ini), "[Zeta]\r\nb=2\r\na=3\r\n[Alpha]\r\na=1\r\n");
    char buffer[64];
    GetPrivateProfileSectionNamesA(buffer, 64, ini.c_str());
    EXPECT_EQ(test::SplitList(buffer), (std::vector<std::string>{"Zeta", "Alpha"}));
    GetPrivateProfileSectionA("Zeta", buffer, 64, ini.c_str());
    EXPECT_EQ(test::SplitList(buffer), (std::vector<std::string>{"b=2", "a=3"}));
}

TEST_F(PlatformProfile, NamesMatchWithoutRegardToCase) {
    const std::string ini = Ini("[Section]\nKey=value\n");
    char buffer[16];
    GetPrivateProfileStringA("SECTION", "key", "", buffer, 16, ini.c_str());
    EXPECT_STREQ(buffer, "value");
    EXPECT_TRUE(WritePrivateProfileStringA("section", "KEY", "new", ini.c_str()));
    EXPECT_EQ(test::ReadFileBytes(ini), "[Section]\r\nKey=new\r\n");
}

TEST_F(PlatformProfile, SectionListsBareLinesAndLeavesCommentsOut) {
    const std::string ini = Ini("[s]\n; comment\nbare\n#hash\n=v\nk=a=b\n");
    char buffer[64];
    GetPrivateProfileSectionA("s", buffer, 64, ini.c_str());
    EXPECT_EQ(test::SplitList(buffer), (std::vector<std::string>{"bare", "#hash", "=v", "k=a=b"}));
}

TEST_F(PlatformProfile, StructKeyCarriesAChecksumAndTheSize) {
    const std::string ini = dir.Sub("struct.ini");
    char bytes[] = "abacus";
    ASSERT_TRUE(WritePrivateProfileStructA("s", "k", bytes, sizeof bytes, ini.c_str()));
    char text[64];
    GetPrivateProfileStringA("s", "k", "", text, 64, ini.c_str());
    EXPECT_STREQ(text, "616261637573006F");

    char back[sizeof bytes] = {};
    EXPECT_TRUE(GetPrivateProfileStructA("s", "k", back, sizeof back, ini.c_str()));
    EXPECT_STREQ(back, "abacus");
    char longer[sizeof bytes + 1];
    EXPECT_FALSE(GetPrivateProfileStructA("s", "k", longer, sizeof longer, ini.c_str()));
    WritePrivateProfileStringA("s", "k", "616261637573006E", ini.c_str());
    EXPECT_FALSE(GetPrivateProfileStructA("s", "k", back, sizeof back, ini.c_str()));
    EXPECT_FALSE(GetPrivateProfileStructA("s", "absent", back, sizeof back, ini.c_str()));
}

TEST_F(PlatformProfile, WriteInAMissingFolderFails) {
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", dir.Sub("no-such\\test.ini").c_str()));
}

} // namespace
