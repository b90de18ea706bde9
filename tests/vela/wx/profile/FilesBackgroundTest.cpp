// The Files file manager's keys beside the shell's, and the UTF-16LE rewrite they may need:
// real files in a temporary folder, read back through the platform's profile functions.
#include "vela/wx/profile/FilesBackground.h"
#include "vela/wx/profile/UnicodeIniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

using namespace vela::wx;

// An ANSI (code page 932) Desktop.ini with Japanese values and names, a comment, a blank line,
// a key listed twice, keys before any section, a line without "=" and every kind of line end;
// the last line has none.
const std::string kAnsiIni =
    "; 手で書いた\r\nLoose=前\r\n\r\n[.ShellClassInfo]\r\n"
    "InfoTip=夏の写真\r\nIconResource=表.dll,3\n"
    "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n"
    "IconArea_Image=C:\\画像\\空.jpg\rAttributes=1\r\nAttributes=0x60000000\r\n"
    "bare line\r\n[セクション]\r\nキー=値=もう一つ";
// The same text, as it must stand in the rewritten file.
const std::u16string kAnsiIniText = u"; 手で書いた\r\nLoose=前\r\n\r\n[.ShellClassInfo]\r\n"
                                    u"InfoTip=夏の写真\r\nIconResource=表.dll,3\n"
                                    u"[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n"
                                    u"IconArea_Image=C:\\画像\\空.jpg\rAttributes=1\r\n"
                                    u"Attributes=0x60000000\r\nbare line\r\n[セクション]\r\n"
                                    u"キー=値=もう一つ";

// Every section and key the UTF-16 profile functions list, with the value they read for it.
std::vector<std::pair<std::wstring, std::wstring>> Entries(const std::string& file) {
    const std::wstring path = test::Wide(file);
    std::vector<std::pair<std::wstring, std::wstring>> entries;
    wchar_t sections[4096] = L"";
    GetPrivateProfileSectionNamesW(sections, 4096, path.c_str());
    for (const wchar_t* section = sections; *section; section += wcslen(section) + 1) {
        wchar_t keys[4096] = L"";
        GetPrivateProfileStringW(section, nullptr, L"", keys, 4096, path.c_str());
        for (const wchar_t* key = keys; *key; key += wcslen(key) + 1) {
            wchar_t value[MAX_PATH] = L"";
            GetPrivateProfileStringW(section, key, L"", value, MAX_PATH, path.c_str());
            entries.emplace_back(std::wstring(section) + L"/" + key, value);
        }
    }
    return entries;
}

std::wstring FilesImage(const std::string& file) {
    wchar_t value[MAX_PATH] = L"";
    GetPrivateProfileStringW(L"FilesApp", L"Files_BackgroundImage", L"<none>", value, MAX_PATH,
                             test::Wide(file).c_str());
    return value;
}

bool StartsUtf16Le(const std::string& bytes) {
    return bytes.compare(0, 2, "\xFF\xFE") == 0;
}

class FilesBackground : public ::testing::Test {
protected:
    std::string Ini() const { return folder + "\\Desktop.ini"; }
    void Write(const std::string& bytes) const { dir.WriteFile("folder\\Desktop.ini", bytes); }

    test::TempDir dir;
    std::string folder = dir.MakeDir("folder");
};

TEST_F(FilesBackground, AnAnsiFileBecomesUtf16LeLineForLine) {
    Write(kAnsiIni);
    ASSERT_TRUE(ConvertIniFileToUnicode(Ini().c_str()));
    EXPECT_EQ(test::ReadFileBytes(Ini()), test::Utf16LeBytes(kAnsiIniText));

    // A second rewrite finds nothing to do.
    ASSERT_TRUE(ConvertIniFileToUnicode(Ini().c_str()));
    EXPECT_EQ(test::ReadFileBytes(Ini()), test::Utf16LeBytes(kAnsiIniText));
}

TEST_F(FilesBackground, AUtf8FileIsReadAsItsMarkSays) {
    // "夏" in UTF-8 behind its byte-order mark.
    Write("\xEF\xBB\xBF[a]\r\nk=\xE5\xA4\x8F\r\n");
    ASSERT_TRUE(ConvertIniFileToUnicode(Ini().c_str()));
    EXPECT_EQ(test::ReadFileBytes(Ini()), test::Utf16LeBytes(u"[a]\r\nk=夏\r\n"));
}

TEST_F(FilesBackground, BytesThatAreNoTextOfTheCodePageAreNotConverted) {
    // A lead byte of code page 932 followed by a byte that cannot follow it.
    const std::string bytes = "[a]\r\nk=\x81\x7F\r\n";
    Write(bytes);
    EXPECT_FALSE(ConvertIniFileToUnicode(Ini().c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    EXPECT_EQ(test::ReadFileBytes(Ini()), bytes);
}

TEST_F(FilesBackground, AJapanesePathTurnsTheFileUtf16AndKeepsEveryEntry) {
    Write(kAnsiIni);
    const auto before = Entries(Ini());
    ASSERT_FALSE(before.empty());
    const std::string picture = dir.Sub("写真\\夏の空.jpg");

    ASSERT_TRUE(WriteFilesBackgroundImage(folder.c_str(), picture.c_str()));
    // Entries, not bytes: Windows' writer keeps the other lines as they stand, Wine's rewrites
    // the whole file (blank lines and comments dropped) on every write.
    const std::string bytes = test::ReadFileBytes(Ini());
    EXPECT_TRUE(StartsUtf16Le(bytes));
    EXPECT_EQ(FilesImage(Ini()), test::Wide(picture));
    auto after = Entries(Ini());
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back().first, L"FilesApp/Files_BackgroundImage");
    after.pop_back();
    EXPECT_EQ(after, before);
    // Files reads the file as it stands, not through the profile functions.
    EXPECT_NE(bytes.find(test::Utf16LeBytes(u"\r\n[FilesApp]\r\nFiles_BackgroundImage=").substr(2)),
              std::string::npos);

    char read[MAX_PATH] = "";
    ASSERT_TRUE(ReadFilesBackgroundImage(folder.c_str(), read, MAX_PATH));
    EXPECT_EQ(read, picture);
}

TEST_F(FilesBackground, AJapanesePathCreatesAMissingFileAsUtf16) {
    const std::string picture = dir.Sub("空.png");
    ASSERT_TRUE(WriteFilesBackgroundImage(folder.c_str(), picture.c_str()));
    EXPECT_TRUE(StartsUtf16Le(test::ReadFileBytes(Ini())));
    EXPECT_EQ(FilesImage(Ini()), test::Wide(picture));
}

TEST_F(FilesBackground, AnAsciiPathLeavesTheFileAnsi) {
    Write(kAnsiIni);
    const std::string picture = dir.Sub("sky.jpg");
    ASSERT_TRUE(WriteFilesBackgroundImage(folder.c_str(), picture.c_str()));
    const std::string bytes = test::ReadFileBytes(Ini());
    EXPECT_FALSE(StartsUtf16Le(bytes));
    EXPECT_NE(bytes.find("[FilesApp]\r\nFiles_BackgroundImage=" + picture + "\r\n"),
              std::string::npos);
    // The Japanese lines around it are still code page 932.
    EXPECT_NE(bytes.find("InfoTip=夏の写真"), std::string::npos);
}

TEST_F(FilesBackground, APathHoldingAnEqualsSignIsRefusedUntouched) {
    Write(kAnsiIni);
    for (const std::string& picture : {dir.Sub("a=b.jpg"), dir.Sub("写=真.jpg")}) {
        EXPECT_FALSE(IsFilesImagePathWritable(picture.c_str()));
        EXPECT_FALSE(WriteFilesBackgroundImage(folder.c_str(), picture.c_str())) << picture;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
        EXPECT_EQ(test::ReadFileBytes(Ini()), kAnsiIni) << picture;
    }
    // The second byte of a double-byte character is never taken for "=".
    EXPECT_TRUE(IsFilesImagePathWritable("C:\\ソ\\表.jpg"));
}

TEST_F(FilesBackground, ClearingRemovesTheBackgroundKeysAndNoOthers) {
    Write("[FilesApp]\r\nFiles_BackgroundImage=C:\\a.jpg\r\nFiles_BackgroundOpacity=0.5\r\n"
          "Files_BackgroundFit=Uniform\r\nFiles_BackgroundVerticalAlignment=Top\r\n"
          "Files_BackgroundHorizontalAlignment=Left\r\nFiles_Other=kept\r\n[b]\r\nk=v\r\n");
    ASSERT_TRUE(ClearFilesBackground(folder.c_str()));
    EXPECT_EQ(test::SectionLines(Ini(), "FilesApp"), std::vector<std::string>{"Files_Other=kept"});
    EXPECT_EQ(test::SectionLines(Ini(), "b"), std::vector<std::string>{"k=v"});
    char read[MAX_PATH] = "";
    EXPECT_FALSE(ReadFilesBackgroundImage(folder.c_str(), read, MAX_PATH));
}

TEST_F(FilesBackground, ClearingAFileWithoutTheKeysLeavesItsBytes) {
    // Some platforms (Wine) rewrite the whole file on any write, blank lines dropped.
    Write(kAnsiIni);
    ASSERT_TRUE(ClearFilesBackground(folder.c_str()));
    EXPECT_EQ(test::ReadFileBytes(Ini()), kAnsiIni);
    // No file, and none made.
    const std::string empty = dir.MakeDir("empty");
    ASSERT_TRUE(ClearFilesBackground(empty.c_str()));
    EXPECT_FALSE(test::Exists(empty + "\\Desktop.ini"));
}

TEST_F(FilesBackground, AFolderThatCannotBeWrittenFailsWithoutAFileElsewhere) {
    dir.MakeDir("folder\\Desktop.ini");
    EXPECT_FALSE(WriteFilesBackgroundImage(folder.c_str(), dir.Sub("空.jpg").c_str()));
    EXPECT_FALSE(WriteFilesBackgroundImage(folder.c_str(), dir.Sub("sky.jpg").c_str()));
    EXPECT_FALSE(WriteFilesBackgroundImage("", dir.Sub("sky.jpg").c_str()));
}

} // namespace
