// A folder's Desktop.ini taken exactly as found and put back: bytes, name, attributes.
#include "vela/wx/profile/DesktopIniImage.h"
#include "vela/wx/profile/FolderAppearance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

using namespace vela::wx;

// Wine reports FILE_ATTRIBUTE_ARCHIVE on every plain file whatever was set (Windows keeps what
// was set), so a file's attributes are compared without that bit.
DWORD FileAttributes(const std::string& path) {
    return GetFileAttributesA(path.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE;
}

// Characters outside code page 932, a comment, a blank line and a key listed twice (readers see
// the first value).
const std::string kUtf16Ini =
    test::Utf16LeBytes(u"; made by hand\r\n\r\n[.ShellClassInfo]\r\nInfoTip=Café 한국어\r\n"
                       u"[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nAttributes=1\r\n"
                       u"Attributes=0x60000000\r\n");
// Keys before any section header, which a loader sees as no section at all.
const std::string kHeaderlessIni = "IconResource=a.dll,3\r\n; note\r\n\r\n[x]\r\n k = v \r\n";

struct RestoreCase {
    const char* label;
    const char* name; // the file's name on disk, or none for a folder without the file
    const std::string* bytes;
    DWORD attributes; // the file's
    bool renamed;     // the file is replaced under another case of its name before restoring
};

class DesktopIniImage : public ::testing::TestWithParam<RestoreCase> {
protected:
    test::TempDir dir;
    std::string folder = dir.MakeDir("folder");
};

TEST_P(DesktopIniImage, RestoresBytesNameAndAttributesOfFileAndFolder) {
    const RestoreCase& c = GetParam();
    const std::string file = c.name ? folder + "\\" + c.name : std::string();
    if (c.name) {
        dir.WriteFile(std::string("folder\\") + c.name, *c.bytes);
        SetFileAttributesA(file.c_str(), c.attributes);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    const std::vector<std::string> namesBefore = test::FolderNames(folder);

    CDesktopIniImage image;
    ASSERT_TRUE(image.Capture(folder.c_str()));
    EXPECT_EQ(image.HasFile(), c.name != nullptr);

    const COLORREF color = 0x00112233;
    // Windows refuses these writes into a read-only file; Wine run as root makes them.
    WriteFolderAppearance(folder.c_str(), "pic.bmp", &color, &color);
    if (c.renamed) {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
        dir.WriteFile("folder\\Desktop.ini", "[other]\r\nk=v\r\n");
    }
    ASSERT_TRUE(test::Exists(folder + "\\Desktop.ini"));

    EXPECT_TRUE(image.Restore());
    EXPECT_EQ(test::FolderNames(folder), namesBefore);
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
    if (c.name) {
        EXPECT_EQ(test::ReadFileBytes(file), *c.bytes);
        EXPECT_EQ(FileAttributes(file), c.attributes);
    }
    // The platform's profile functions read the restored file, not a copy they kept.
    char value[MAX_PATH];
    GetPrivateProfileStringA(kFolderBackgroundSection, "IconArea_Image", "<none>", value, MAX_PATH,
                             (folder + "\\Desktop.ini").c_str());
    EXPECT_STREQ(value, "<none>");
}

INSTANTIATE_TEST_SUITE_P(
    Files, DesktopIniImage,
    ::testing::Values(RestoreCase{"Utf16LowerCaseHidden", "desktop.ini", &kUtf16Ini,
                                  FILE_ATTRIBUTE_HIDDEN, false},
                      RestoreCase{"KeysBeforeAnySectionReadOnly", "Desktop.ini", &kHeaderlessIni,
                                  FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM, false},
                      RestoreCase{"NameCaseTakenBack", "desktop.ini", &kHeaderlessIni,
                                  FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, true},
                      RestoreCase{"NoFileGetsNone", nullptr, nullptr, 0, false}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) { return info.param.label; });

TEST(DesktopIniImageFailures, FailedRestoreLeavesWhatStandsAndKeepsTheImage) {
    test::TempDir dir;
    const std::string folder = dir.MakeDir("folder");
    const std::string ini = dir.WriteFile("folder\\Desktop.ini", kHeaderlessIni);
    CDesktopIniImage image;
    ASSERT_TRUE(image.Capture(folder.c_str()));

    // A folder stands where the file should go back: nothing can replace it.
    DeleteFileA(ini.c_str());
    ASSERT_TRUE(CreateDirectoryA(ini.c_str(), nullptr));
    EXPECT_FALSE(image.Restore());
    EXPECT_NE(GetLastError(), DWORD(NO_ERROR));
    EXPECT_TRUE(GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{"Desktop.ini"});

    RemoveDirectoryA(ini.c_str());
    EXPECT_TRUE(image.Restore());
    EXPECT_EQ(test::ReadFileBytes(ini), kHeaderlessIni);

    // Taken while a folder stood there, it is no file of the image's to take away.
    CDesktopIniImage none;
    DeleteFileA(ini.c_str());
    ASSERT_TRUE(CreateDirectoryA(ini.c_str(), nullptr));
    ASSERT_TRUE(none.Capture(folder.c_str()));
    EXPECT_FALSE(none.HasFile());
    EXPECT_TRUE(none.Restore());
    EXPECT_TRUE(GetFileAttributesA(ini.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(DesktopIniImageFailures, FoldersThatDoNotComposeOrDoNotExistHoldNothing) {
    test::TempDir dir;
    const std::string base = dir.Path() + "\\";
    const std::string tooLong = base + std::string(250 - base.size(), 'l');
    ASSERT_TRUE(CreateDirectoryA(tooLong.c_str(), nullptr));
    for (const std::string& folder : {std::string(), tooLong, base + "missing"}) {
        SCOPED_TRACE(folder);
        CDesktopIniImage image;
        EXPECT_FALSE(image.Capture(folder.c_str()));
        EXPECT_FALSE(image.IsCaptured());
        EXPECT_FALSE(image.Restore());
        EXPECT_NE(GetLastError(), DWORD(NO_ERROR));
    }
    EXPECT_FALSE(CDesktopIniImage().Capture(nullptr));
    EXPECT_EQ(test::FolderNames(tooLong), std::vector<std::string>{});
}

} // namespace
