// The folder-background keys of Desktop.ini and the attributes that make the shell read them.
#include "vela/wx/profile/FolderAppearance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

using namespace vela::wx;

constexpr char kSection[] = "{BE098140-A513-11D0-A3A4-00C04FD706EC}";
// "壁" and "表" end in the byte of a backslash in the system code page.
constexpr char kImage[] = "C:\\壁紙\\表示.bmp";

// Wine reports FILE_ATTRIBUTE_ARCHIVE on every plain file whatever was set (Windows clears it
// with the rest), so a file's attributes are compared without that bit.
DWORD FileAttributes(const std::string& path) {
    return GetFileAttributesA(path.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE;
}

std::string KeyText(const std::string& ini, const char* key) {
    char text[MAX_PATH];
    GetPrivateProfileStringA(kSection, key, "<none>", text, MAX_PATH, ini.c_str());
    return text;
}

class FolderAppearance : public ::testing::Test {
protected:
    // A fresh folder of its own for each case.
    std::string Folder() { return dir.MakeDir("folder" + std::to_string(++count)); }
    // Writes the bytes as the Desktop.ini of a folder made by Folder().
    std::string WriteIni(const std::string& folder, const std::string& bytes) {
        return dir.WriteFile(folder.substr(dir.Path().size() + 1) + "\\Desktop.ini", bytes);
    }

    test::TempDir dir;
    int count = 0;
};

TEST_F(FolderAppearance, ColoursAreWrittenAsEightLowerCaseDigitsAndReadBackUnchanged) {
    struct ColorCase {
        COLORREF color;
        const char* text;
    };
    const ColorCase cases[] = {
        {0, "0x00000000"},          {0xFFFFFFFF, "0xffffffff"}, {0x00ABCDEF, "0x00abcdef"},
        {0x0000001F, "0x0000001f"}, {0x80000000, "0x80000000"}, {0x44EFEFCC, "0x44efefcc"},
    };
    for (const ColorCase& c : cases) {
        SCOPED_TRACE(c.text);
        const COLORREF back = ~c.color;
        const std::string narrow = Folder();
        ASSERT_TRUE(WriteFolderAppearance(narrow.c_str(), nullptr, &c.color, &back));
        const std::string ini = narrow + "\\Desktop.ini";
        EXPECT_EQ(KeyText(ini, "IconArea_Text"), c.text);
        COLORREF text = 0x12345678;
        COLORREF readBack = 0x12345678;
        EXPECT_TRUE(ReadFolderAppearance(narrow.c_str(), nullptr, 0, &text, &readBack));
        EXPECT_EQ(text, c.color);
        EXPECT_EQ(readBack, back);

        const std::string wide = Folder();
        ASSERT_TRUE(WriteFolderAppearance(test::Wide(wide).c_str(), nullptr, &c.color, &back));
        EXPECT_EQ(KeyText(wide + "\\Desktop.ini", "IconArea_Text"), c.text);
        text = readBack = 0x12345678;
        EXPECT_TRUE(ReadFolderAppearance(test::Wide(wide).c_str(), nullptr, 0, &text, &readBack));
        EXPECT_EQ(text, c.color);
        EXPECT_EQ(readBack, back);
    }
}

TEST_F(FolderAppearance, WritesTheKeysInStepOrderAndTheUtf16FormWritesTheSameFile) {
    const COLORREF text = 0x00112233;
    const COLORREF back = 0x00445566;
    const std::string narrow = Folder();
    ASSERT_TRUE(WriteFolderAppearance(narrow.c_str(), kImage, &text, &back));
    const std::string expected = std::string("[") + kSection + "]\r\nIconArea_Image=" + kImage +
                                 "\r\nAttributes=1\r\nIconArea_Text=0x00112233\r\n"
                                 "IconArea_TextBackground=0x00445566\r\n";
    EXPECT_EQ(test::ReadFileBytes(narrow + "\\Desktop.ini"), expected);

    const std::string wide = Folder();
    ASSERT_TRUE(
        WriteFolderAppearance(test::Wide(wide).c_str(), test::Wide(kImage).c_str(), &text, &back));
    EXPECT_EQ(test::ReadFileBytes(wide + "\\Desktop.ini"), expected);
    EXPECT_EQ(GetFileAttributesA(wide.c_str()), GetFileAttributesA(narrow.c_str()));
    EXPECT_EQ(FileAttributes(wide + "\\Desktop.ini"),
              DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    wchar_t image[MAX_PATH] = {};
    COLORREF readText = 0;
    COLORREF readBack = 0;
    EXPECT_TRUE(
        ReadFolderAppearance(test::Wide(wide).c_str(), image, MAX_PATH, &readText, &readBack));
    EXPECT_EQ(std::wstring(image), test::Wide(kImage));
    EXPECT_EQ(readText, text);
    EXPECT_EQ(readBack, back);
}

TEST_F(FolderAppearance, EachValueGivenIsWrittenAndEachOneNotGivenRemoved) {
    const std::string before = std::string("[") + kSection +
                               "]\nIconArea_Image=old.bmp\nAttributes=0\nIconArea_Text=0x00000001\n"
                               "IconArea_TextBackground=0x00000002\n[Other]\nk=v\n";
    const COLORREF text = 0x00112233;
    const COLORREF back = 0x00445566;
    struct GivenCase {
        const char* name;
        const char* image;
        const COLORREF* text;
        const COLORREF* back;
        std::vector<std::string> lines;
    };
    const GivenCase cases[] = {
        {"all",
         kImage,
         &text,
         &back,
         {std::string("IconArea_Image=") + kImage, "Attributes=1", "IconArea_Text=0x00112233",
          "IconArea_TextBackground=0x00445566"}},
        {"none", nullptr, nullptr, nullptr, {"Attributes=1"}},
        // An empty image path is a value: the key stays, empty.
        {"empty image", "", nullptr, nullptr, {"IconArea_Image=", "Attributes=1"}},
        {"text colour", nullptr, &text, nullptr, {"Attributes=1", "IconArea_Text=0x00112233"}},
        {"background",
         nullptr,
         nullptr,
         &back,
         {"Attributes=1", "IconArea_TextBackground=0x00445566"}},
    };
    for (const GivenCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = Folder();
        const std::string ini = WriteIni(folder, test::Crlf(before));
        EXPECT_TRUE(WriteFolderAppearance(folder.c_str(), c.image, c.text, c.back));
        EXPECT_EQ(test::SectionLines(ini, kSection), c.lines);
        EXPECT_EQ(test::SectionLines(ini, "Other"), std::vector<std::string>{"k=v"});
        EXPECT_TRUE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_SYSTEM);
        EXPECT_EQ(FileAttributes(ini), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    }
}

TEST_F(FolderAppearance, FileIsTheFolderTextFollowedByDesktopIni) {
    struct PathCase {
        const char* folder;
        const char* suffix; // added to the folder text passed in
    };
    const PathCase cases[] = {
        {"plain", ""},
        // The folder text ends in the byte of a backslash: a separator is added all the same.
        {"ソ", ""},
        {"表 示", ""},
        // Two separators before the file name; the platform takes them for one.
        {"trailing", "\\"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string parent = Folder();
        const std::string folder = parent + "\\" + c.folder;
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        const std::string text = folder + c.suffix;
        const COLORREF color = 0x00010203;
        EXPECT_TRUE(WriteFolderAppearance(text.c_str(), kImage, &color, nullptr));
        EXPECT_EQ(test::FolderNames(parent), std::vector<std::string>{c.folder});
        EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{"Desktop.ini"});
        char image[MAX_PATH] = {};
        EXPECT_TRUE(ReadFolderAppearance(text.c_str(), image, MAX_PATH, nullptr, nullptr));
        EXPECT_STREQ(image, kImage);
    }
}

TEST_F(FolderAppearance, WriteMarksTheFolderSystemAndTheFileExactlyHiddenAndSystem) {
    const std::string folder = Folder();
    // Wine ignores FILE_ATTRIBUTE_READONLY on a folder where Windows keeps it, so the expectation
    // starts from what the platform kept; hidden is kept by both and shows the other bits stay.
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    ASSERT_TRUE(folderBefore & FILE_ATTRIBUTE_HIDDEN);
    const std::string ini = WriteIni(folder, "[Other]\r\nk=v\r\n");
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(FileAttributes(ini) & FILE_ATTRIBUTE_READONLY);

    // Windows refuses the key writes into the read-only file; Wine run as root makes them. Only
    // the attributes, set whatever became of the keys, are common ground.
    WriteFolderAppearance(folder.c_str(), nullptr, nullptr, nullptr);
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(FileAttributes(ini), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    EXPECT_TRUE(WriteFolderAppearance(folder.c_str(), "", nullptr, nullptr));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(FileAttributes(ini), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

TEST_F(FolderAppearance, ReadGivesTheFileValuesOrKeepsTheCallersOwn) {
    const COLORREF kText = 0x00ABCDEF;
    const COLORREF kBack = 0xFFFFFFFF;
    struct ReadCase {
        const char* name;
        const char* lines; // the section's lines, or none for a folder without Desktop.ini
        const char* image;
        COLORREF text;
        COLORREF back;
    };
    const ReadCase cases[] = {
        {"no Desktop.ini", nullptr, "", kText, kBack},
        {"no keys", "Other=1\n", "", kText, kBack},
        {"all keys", "IconArea_Image=C:\\a.bmp\nIconArea_Text=0\nIconArea_TextBackground=ffffff\n",
         "C:\\a.bmp", 0, 0x00FFFFFF},
        {"unusable colours", "IconArea_Text=zz\nIconArea_TextBackground=0x\n", "", kText, kBack},
        // The platform's reader ignores case.
        {"other case", "iconarea_image=x.bmp\nICONAREA_TEXT=0X1A\n", "x.bmp", 0x1A, kBack},
        {"empty image", "IconArea_Image=\nIconArea_Text=0x0\n", "", 0, kBack},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = Folder();
        if (c.lines)
            WriteIni(folder, std::string("[") + kSection + "]\n" + c.lines);
        char image[MAX_PATH] = "previous";
        COLORREF text = kText;
        COLORREF back = kBack;
        EXPECT_TRUE(ReadFolderAppearance(folder.c_str(), image, MAX_PATH, &text, &back));
        EXPECT_STREQ(image, c.image);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(back, c.back);
    }
}

TEST_F(FolderAppearance, ReadCutsTheImageToTheBufferAndFillsOnlyTheOutputsGiven) {
    const std::string folder = Folder();
    const COLORREF color = 0x00050607;
    ASSERT_TRUE(WriteFolderAppearance(folder.c_str(), "abcdefgh", &color, &color));
    char image[MAX_PATH] = "previous";
    EXPECT_TRUE(ReadFolderAppearance(folder.c_str(), image, 5, nullptr, nullptr));
    EXPECT_STREQ(image, "abcd");
    COLORREF back = 1;
    EXPECT_TRUE(ReadFolderAppearance(folder.c_str(), nullptr, 0, nullptr, &back));
    EXPECT_EQ(back, color);
}

TEST_F(FolderAppearance, ReadOfNoFolderOrOneThatCannotBeReachedTouchesNothing) {
    const std::string missing = dir.Sub("missing");
    char image[MAX_PATH] = "previous";
    COLORREF text = 1;
    COLORREF back = 2;
    EXPECT_FALSE(ReadFolderAppearance(missing.c_str(), image, MAX_PATH, &text, &back));
    EXPECT_FALSE(ReadFolderAppearance(static_cast<LPCSTR>(nullptr), image, MAX_PATH, &text, &back));
    EXPECT_STREQ(image, "previous");
    EXPECT_EQ(text, 1u);
    EXPECT_EQ(back, 2u);
    wchar_t wide[MAX_PATH] = L"previous";
    EXPECT_FALSE(ReadFolderAppearance(test::Wide(missing).c_str(), wide, MAX_PATH, &text, &back));
    EXPECT_FALSE(ReadFolderAppearance(static_cast<LPCWSTR>(nullptr), wide, MAX_PATH, &text, &back));
    EXPECT_STREQ(wide, L"previous");
    EXPECT_EQ(text, 1u);

    // Any object that exists passes, a plain file too; its "Desktop.ini" cannot exist.
    const std::string file = dir.WriteFile("plain.txt", "text");
    EXPECT_TRUE(ReadFolderAppearance(file.c_str(), image, MAX_PATH, &text, &back));
    EXPECT_STREQ(image, "");
    EXPECT_EQ(text, 1u);
    EXPECT_EQ(back, 2u);

    EXPECT_FALSE(WriteFolderAppearance(static_cast<LPCSTR>(nullptr), "x", &text, &back));
    EXPECT_FALSE(WriteFolderAppearance(static_cast<LPCWSTR>(nullptr), L"x", &text, &back));
    EXPECT_FALSE(ClearFolderAppearance(static_cast<LPCSTR>(nullptr)));
    EXPECT_FALSE(ClearFolderAppearance(static_cast<LPCWSTR>(nullptr)));
}

TEST_F(FolderAppearance, FailedKeyWritesAreReportedAndChangeNoAttribute) {
    const COLORREF color = 0x00010203;
    const std::string missing = dir.Sub("missing");
    EXPECT_FALSE(WriteFolderAppearance(missing.c_str(), kImage, &color, &color));
    EXPECT_FALSE(WriteFolderAppearance(test::Wide(missing).c_str(), nullptr, nullptr, nullptr));
    EXPECT_FALSE(test::Exists(missing));

    // Desktop.ini is a folder itself: no key can be written, and the folder is not marked for
    // the shell either.
    const std::string folder = Folder();
    const std::string ini = folder + "\\Desktop.ini";
    ASSERT_TRUE(CreateDirectoryA(ini.c_str(), nullptr));
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    const DWORD iniBefore = GetFileAttributesA(ini.c_str());
    SetLastError(NO_ERROR);
    EXPECT_FALSE(WriteFolderAppearance(folder.c_str(), kImage, &color, &color));
    EXPECT_NE(GetLastError(), DWORD(NO_ERROR));
    EXPECT_FALSE(WriteFolderAppearance(test::Wide(folder).c_str(), nullptr, nullptr, nullptr));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), iniBefore);
}

// An empty folder text would put the file at the root of the current drive, and a path the
// platform cannot hold sent keys into other files while the write reported success.
TEST_F(FolderAppearance, FolderTextsThatDoNotComposeAreRefusedAndNothingIsWritten) {
    const std::string base = Folder() + "\\";
    std::vector<std::string> folders = {""};
    // "\Desktop.ini" takes 12 characters: from 248 on the path no longer fits in MAX_PATH.
    char letter = 'a';
    for (size_t length : {248, 250, 255, 259}) {
        folders.push_back(base + std::string(length - base.size(), letter++));
        ASSERT_TRUE(CreateDirectoryA(folders.back().c_str(), nullptr)) << length;
    }
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    const std::vector<std::string> currentBefore = test::FolderNames(current);
    const std::vector<std::string> baseBefore = test::FolderNames(base.substr(0, base.size() - 1));
    const COLORREF color = 0x00010203;
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder.size());
        const std::wstring wide = test::Wide(folder);
        char path[MAX_PATH] = "untouched";
        EXPECT_FALSE(ComposeDesktopIniPath(folder.c_str(), path));
        EXPECT_STREQ(path, "untouched");
        EXPECT_FALSE(WriteFolderAppearance(folder.c_str(), kImage, &color, &color));
        EXPECT_FALSE(WriteFolderAppearance(wide.c_str(), nullptr, &color, nullptr));
        EXPECT_FALSE(ClearFolderAppearance(folder.c_str()));
        EXPECT_FALSE(ClearFolderAppearance(wide.c_str()));
        char image[MAX_PATH] = "kept";
        COLORREF text = 7;
        EXPECT_FALSE(ReadFolderAppearance(folder.c_str(), image, MAX_PATH, &text, nullptr));
        EXPECT_STREQ(image, "kept");
        EXPECT_EQ(text, 7u);
        if (!folder.empty()) {
            EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{});
            EXPECT_FALSE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_SYSTEM);
        }
    }
    EXPECT_EQ(test::FolderNames(current), currentBefore);
    EXPECT_EQ(test::FolderNames(base.substr(0, base.size() - 1)), baseBefore);

    // 247 characters still fit, with the terminator, in MAX_PATH.
    const std::string fits = base + std::string(247 - base.size(), 'f');
    ASSERT_TRUE(CreateDirectoryA(fits.c_str(), nullptr));
    char path[MAX_PATH];
    EXPECT_TRUE(ComposeDesktopIniPath(fits.c_str(), path));
    EXPECT_EQ(std::string(path), fits + "\\Desktop.ini");
    EXPECT_TRUE(WriteFolderAppearance(fits.c_str(), kImage, &color, &color));
    EXPECT_EQ(KeyText(path, "IconArea_Image"), kImage);
}

TEST_F(FolderAppearance, ClearRemovesTheSectionAndKeepsEverythingElse) {
    for (bool wide : {false, true}) {
        SCOPED_TRACE(wide ? "UTF-16" : "8-bit");
        const std::string folder = Folder();
        const std::string ini = folder + "\\Desktop.ini";
        const COLORREF color = 0x00010203;
        ASSERT_TRUE(WriteFolderAppearance(folder.c_str(), kImage, &color, &color));
        ASSERT_TRUE(WritePrivateProfileStringA("Other", "k", "v", ini.c_str()));
        const DWORD folderAttributes = GetFileAttributesA(folder.c_str());
        const DWORD fileAttributes = GetFileAttributesA(ini.c_str());

        EXPECT_TRUE(wide ? ClearFolderAppearance(test::Wide(folder).c_str())
                         : ClearFolderAppearance(folder.c_str()));
        EXPECT_EQ(test::SectionLines(ini, kSection), std::vector<std::string>{});
        EXPECT_EQ(test::SectionLines(ini, "Other"), std::vector<std::string>{"k=v"});
        EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderAttributes);
        EXPECT_EQ(GetFileAttributesA(ini.c_str()), fileAttributes);

        char image[MAX_PATH] = "previous";
        COLORREF text = 7;
        COLORREF back = 8;
        EXPECT_TRUE(ReadFolderAppearance(folder.c_str(), image, MAX_PATH, &text, &back));
        EXPECT_STREQ(image, "");
        EXPECT_EQ(text, 7u);
        EXPECT_EQ(back, 8u);
    }
    // What the platform answers for a removal it cannot make.
    EXPECT_FALSE(ClearFolderAppearance(dir.Sub("missing").c_str()));
    EXPECT_FALSE(ClearFolderAppearance(test::Wide(dir.Sub("missing")).c_str()));
}

} // namespace
