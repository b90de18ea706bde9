// A folder's Desktop.ini in memory: loading, writing the appearance and restoring the snapshot.
#include "vela/wx/profile/DesktopProfile.h"
#include "vela/wx/profile/FolderAppearance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

using namespace vela::wx;
using test::SnapshotText;

constexpr char kSection[] = "{BE098140-A513-11D0-A3A4-00C04FD706EC}";

// Wine reports FILE_ATTRIBUTE_ARCHIVE on every plain file whatever was set, so a file's
// attributes are compared without that bit.
DWORD FileAttributes(const std::string& path) {
    return GetFileAttributesA(path.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE;
}

class DesktopProfile : public ::testing::Test {
protected:
    // A new folder whose Desktop.ini holds the text, or none without text.
    std::string Folder(const char* text = nullptr) {
        const std::string name = "folder" + std::to_string(++count);
        const std::string folder = dir.MakeDir(name);
        if (text)
            dir.WriteFile(name + "\\Desktop.ini", text);
        return folder;
    }

    test::TempDir dir;
    int count = 0;
    CDesktopProfile profile;
};

TEST_F(DesktopProfile, StartsUnboundWithNoImageAndTheDefaultColours) {
    EXPECT_STREQ(profile.GetPath(), "");
    EXPECT_TRUE(profile.GetSections().empty());
    EXPECT_STREQ(profile.GetImagePath(), "");
    EXPECT_EQ(profile.GetIconTextColor(), 0u);
    EXPECT_EQ(profile.GetIconTextBackColor(), 0xFFFFFFFFu);
}

TEST_F(DesktopProfile, LoadFolderTakesTheSnapshotAndTheAppearance) {
    const std::string folder = Folder("[.ShellClassInfo]\nIconResource=a.ico,0\n"
                                      "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\n"
                                      "IconArea_Image=back.bmp\nIconArea_Text=0x00112233\n"
                                      "IconArea_TextBackground=445566\n");
    ASSERT_TRUE(profile.LoadFolder(folder.c_str()));
    EXPECT_EQ(std::string(profile.GetPath()), folder + "\\Desktop.ini");
    EXPECT_EQ(test::Snapshot(profile.GetSections()),
              (SnapshotText{{".ShellClassInfo", {"IconResource=a.ico,0"}},
                            {kSection,
                             {"IconArea_Image=back.bmp", "IconArea_Text=0x00112233",
                              "IconArea_TextBackground=445566"}}}));
    EXPECT_STREQ(profile.GetImagePath(), "back.bmp");
    EXPECT_EQ(profile.GetIconTextColor(), 0x00112233u);
    EXPECT_EQ(profile.GetIconTextBackColor(), 0x00445566u);

    // The colours start again from the defaults for a folder that has none of its own.
    const std::string plain = Folder("[.ShellClassInfo]\nIconResource=a.ico,0\n");
    ASSERT_TRUE(profile.LoadFolder(plain.c_str()));
    EXPECT_STREQ(profile.GetImagePath(), "");
    EXPECT_EQ(profile.GetIconTextColor(), 0u);
    EXPECT_EQ(profile.GetIconTextBackColor(), 0xFFFFFFFFu);
}

TEST_F(DesktopProfile, FindValueIsExactWhereThePlatformsReaderIgnoresCase) {
    const std::string folder =
        Folder("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\niconarea_text=0x00000005\n");
    ASSERT_TRUE(profile.LoadFolder(folder.c_str()));
    EXPECT_EQ(profile.GetIconTextColor(), 5u);
    EXPECT_EQ(profile.FindValue(kSection, "IconArea_Text"), nullptr);
    EXPECT_STREQ(profile.FindValue(kSection, "iconarea_text"), "0x00000005");
}

TEST_F(DesktopProfile, LoadingAFolderWithoutDesktopIniKeepsTheAppearance) {
    const std::string first = Folder("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\n"
                                     "IconArea_Image=a.bmp\nIconArea_Text=0x00000001\n"
                                     "IconArea_TextBackground=0x00000002\n");
    ASSERT_TRUE(profile.LoadFolder(first.c_str()));
    const std::string second = Folder();
    EXPECT_FALSE(profile.LoadFolder(second.c_str()));
    EXPECT_EQ(std::string(profile.GetPath()), second + "\\Desktop.ini");
    EXPECT_TRUE(profile.GetSections().empty());
    EXPECT_STREQ(profile.GetImagePath(), "a.bmp");
    EXPECT_EQ(profile.GetIconTextColor(), 1u);
    EXPECT_EQ(profile.GetIconTextBackColor(), 2u);

    // What the folder gained since is removed by a write-back of the empty snapshot.
    const COLORREF color = 3;
    ASSERT_TRUE(WriteFolderAppearance(second.c_str(), "b.bmp", &color, &color));
    EXPECT_TRUE(profile.WriteBack(true));
    EXPECT_FALSE(test::Exists(second + "\\Desktop.ini"));
}

TEST_F(DesktopProfile, FolderWhoseDesktopIniPathDoesNotFitIsNotBound) {
    const char text[] = "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\nIconArea_Image=a.bmp\n";
    const std::string first = Folder(text);
    ASSERT_TRUE(profile.LoadFolder(first.c_str()));

    // "\Desktop.ini" takes 12 characters: 247 for the folder fit the path field, 248 do not.
    const std::string base = dir.Path() + "\\";
    const std::string fits = base + std::string(247 - base.size(), 'f');
    ASSERT_TRUE(CreateDirectoryA(fits.c_str(), nullptr));
    dir.WriteFile(fits.substr(base.size()) + "\\Desktop.ini", text);
    const std::string tooLong = base + std::string(248 - base.size(), 'g');
    ASSERT_TRUE(CreateDirectoryA(tooLong.c_str(), nullptr));
    // The name the path would have if it were cut to the field.
    const std::string cut = dir.WriteFile(tooLong.substr(base.size()) + "\\Desktop.in", text);

    profile.SetIconTextColor(9);
    EXPECT_FALSE(profile.LoadFolder(tooLong.c_str()));
    EXPECT_STREQ(profile.GetPath(), "");
    EXPECT_TRUE(profile.GetSections().empty());
    EXPECT_STREQ(profile.GetImagePath(), "a.bmp");
    EXPECT_EQ(profile.GetIconTextColor(), 9u);
    EXPECT_FALSE(profile.WriteBack(true));
    EXPECT_TRUE(test::Exists(cut));

    EXPECT_TRUE(profile.LoadFolder(fits.c_str()));
    EXPECT_EQ(std::string(profile.GetPath()), fits + "\\Desktop.ini");

    EXPECT_FALSE(profile.LoadFolder(nullptr));
    EXPECT_STREQ(profile.GetPath(), "");
    EXPECT_TRUE(profile.GetSections().empty());
}

// An empty folder text would bind "\Desktop.ini" at the root of the current drive.
TEST_F(DesktopProfile, EmptyFolderTextIsNotBound) {
    ASSERT_TRUE(profile.LoadFolder(Folder("[a]\nk=v\n").c_str()));
    EXPECT_FALSE(profile.LoadFolder(""));
    EXPECT_STREQ(profile.GetPath(), "");
    EXPECT_TRUE(profile.GetSections().empty());
    EXPECT_FALSE(profile.WriteBack(true));
    EXPECT_FALSE(profile.WriteAppearance("", true, true, true));
    EXPECT_FALSE(profile.ClearAppearance(""));
}

TEST_F(DesktopProfile, WriteAppearanceRemovesWhatIsNotIncluded) {
    struct IncludeCase {
        bool image;
        bool text;
        bool back;
        std::vector<std::string> lines;
    };
    const IncludeCase cases[] = {
        {true,
         true,
         true,
         {"IconArea_Image=C:\\壁紙.bmp", "Attributes=1", "IconArea_Text=0x00010203",
          "IconArea_TextBackground=0xffffffff"}},
        // The image path is set, yet not included: its key goes.
        {false,
         true,
         true,
         {"Attributes=1", "IconArea_Text=0x00010203", "IconArea_TextBackground=0xffffffff"}},
        {true, false, false, {"IconArea_Image=C:\\壁紙.bmp", "Attributes=1"}},
        {false, false, true, {"Attributes=1", "IconArea_TextBackground=0xffffffff"}},
        {false, false, false, {"Attributes=1"}},
    };
    const char before[] = "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\nIconArea_Image=old.bmp\n"
                          "Attributes=0\nIconArea_Text=0x00000007\n"
                          "IconArea_TextBackground=0x00000008\n";
    for (const IncludeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.image << c.text << c.back);
        const std::string folder = Folder(before);
        ASSERT_TRUE(profile.LoadFolder(folder.c_str()));
        const SnapshotText loaded = test::Snapshot(profile.GetSections());
        profile.SetImagePath("C:\\壁紙.bmp");
        profile.SetIconTextColor(0x00010203);
        profile.SetIconTextBackColor(0xFFFFFFFF);
        EXPECT_TRUE(profile.WriteAppearance(folder.c_str(), c.image, c.text, c.back));
        EXPECT_EQ(test::SectionLines(folder + "\\Desktop.ini", kSection), c.lines);
        EXPECT_EQ(test::Snapshot(profile.GetSections()), loaded);
    }
}

TEST_F(DesktopProfile, WriteAllWritesEveryValueAndClearAppearanceRemovesThem) {
    const std::string folder = Folder("[Other]\nk=v\n");
    ASSERT_TRUE(profile.LoadFolder(folder.c_str()));
    profile.SetImagePath("back.bmp");
    profile.SetIconTextColor(0x00ABCDEF);
    EXPECT_TRUE(profile.WriteAll(folder.c_str()));
    const std::string ini = folder + "\\Desktop.ini";
    EXPECT_EQ(test::SectionLines(ini, kSection),
              (std::vector<std::string>{"IconArea_Image=back.bmp", "Attributes=1",
                                        "IconArea_Text=0x00abcdef",
                                        "IconArea_TextBackground=0xffffffff"}));
    EXPECT_TRUE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(FileAttributes(ini), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    EXPECT_TRUE(profile.ClearAppearance(folder.c_str()));
    EXPECT_EQ(test::SectionLines(ini, kSection), std::vector<std::string>{});
    EXPECT_EQ(test::SectionLines(ini, "Other"), std::vector<std::string>{"k=v"});
    EXPECT_EQ(FileAttributes(ini), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

TEST_F(DesktopProfile, FailedWritesArePassedOn) {
    const std::string missing = dir.Sub("missing");
    EXPECT_FALSE(profile.WriteAppearance(missing.c_str(), true, true, true));
    EXPECT_FALSE(profile.WriteAppearance(missing.c_str(), false, false, false));
    EXPECT_FALSE(profile.WriteAll(missing.c_str()));
    EXPECT_FALSE(profile.ClearAppearance(missing.c_str()));

    const std::string folder = Folder();
    ASSERT_TRUE(CreateDirectoryA((folder + "\\Desktop.ini").c_str(), nullptr));
    EXPECT_FALSE(profile.WriteAll(folder.c_str()));
    EXPECT_FALSE(profile.ClearAppearance(folder.c_str()));
}

TEST_F(DesktopProfile, SetImagePathIsBoundedAndKeepsDoubleByteCharactersWhole) {
    struct ImageCase {
        std::string text;
        std::string kept;
    };
    const std::string a257(257, 'a');
    const ImageCase cases[] = {
        {"", ""},
        {"C:\\表示\\ソ.bmp", "C:\\表示\\ソ.bmp"},
        {std::string(259, 'a'), std::string(259, 'a')},
        {std::string(300, 'a'), std::string(259, 'a')},
        {a257 + "表", a257 + "表"},
        // The double-byte character would need the terminator's place: it is left out whole.
        {a257 + "a表", a257 + "a"},
    };
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.text.size());
        profile.SetImagePath(c.text.c_str());
        EXPECT_EQ(std::string(profile.GetImagePath()), c.kept);
    }
    profile.SetImagePath(nullptr);
    EXPECT_STREQ(profile.GetImagePath(), "");
}

TEST_F(DesktopProfile, WriteBackRestoresTheFileAsLoaded) {
    const std::string folder = Folder("[Zeta]\nz=1\na=2\n"
                                      "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\n"
                                      "IconArea_Image=old.bmp\nAttributes=0\n"
                                      "[.ShellClassInfo]\nIconResource=x.ico,3\n[Alpha]\nk=\n");
    const std::string ini = folder + "\\Desktop.ini";
    ASSERT_TRUE(profile.LoadFolder(folder.c_str()));
    const SnapshotText loaded = test::Snapshot(profile.GetSections());

    profile.SetImagePath("new.bmp");
    profile.SetIconTextColor(0x00102030);
    profile.SetIconTextBackColor(0x00405060);
    ASSERT_TRUE(profile.WriteAppearance(folder.c_str(), true, true, true));
    ASSERT_EQ(FileAttributes(ini), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    const DWORD folderAttributes = GetFileAttributesA(folder.c_str());
    ASSERT_TRUE(folderAttributes & FILE_ATTRIBUTE_SYSTEM);

    ASSERT_TRUE(profile.WriteBack(true));
    EXPECT_EQ(test::ReadFileBytes(ini),
              std::string("[Zeta]\r\nz=1\r\na=2\r\n[") + kSection +
                  "]\r\nIconArea_Image=old.bmp\r\nAttributes=0\r\n"
                  "[.ShellClassInfo]\r\nIconResource=x.ico,3\r\n[Alpha]\r\nk=\r\n");
    // The file is made anew by the writer: it is no longer hidden and system, while the folder
    // keeps what the appearance write gave it.
    EXPECT_EQ(FileAttributes(ini) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderAttributes);

    CDesktopProfile reloaded;
    ASSERT_TRUE(reloaded.LoadFolder(folder.c_str()));
    EXPECT_EQ(test::Snapshot(reloaded.GetSections()), loaded);
    EXPECT_STREQ(reloaded.GetImagePath(), "old.bmp");
    EXPECT_EQ(reloaded.GetIconTextColor(), 0u);
    EXPECT_EQ(reloaded.GetIconTextBackColor(), 0xFFFFFFFFu);
}

} // namespace
