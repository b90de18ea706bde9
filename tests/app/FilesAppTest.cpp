// The Files file manager's keys written beside the shell's: the Folder menu's option, kept in
// setup.ini, and what Apply and the revert leave on disk with it on and off.
#include "tests/app/AppFixture.h"

#include <string>

#include "app/resource.h"
#include "tests/support/ProfileFiles.h"

namespace {

const char kSection[] = "{BE098140-A513-11D0-A3A4-00C04FD706EC}";

// An ANSI (code page 932) Desktop.ini with Japanese text and a blank line.
const std::string kAnsiIni = "[.ShellClassInfo]\r\nInfoTip=夏の写真\r\n\r\n[その他]\r\n"
                             "メモ=残す\r\n";

// A value as the UTF-16 profile functions read it, or "<none>".
std::wstring ReadW(const std::string& file, const char* section, const char* key) {
    return test::ReadKeyW(file, test::Wide(section).c_str(), test::Wide(key).c_str());
}

bool StartsUtf16Le(const std::string& bytes) {
    return bytes.compare(0, 2, "\xFF\xFE") == 0;
}

class FilesAppTest : public AppTest {
protected:
    bool Checked() const {
        return (GetMenuState(GetMenu(dialog), IDM_FILES_APP, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    std::wstring FilesImage() const {
        return ReadW(DesktopIniPath(), "FilesApp", "Files_BackgroundImage");
    }
    // Starts on the folder with the option turned on through its menu item.
    void StartWithFilesApp() {
        Start(folder);
        Command(IDM_FILES_APP);
        ASSERT_TRUE(Checked());
    }
};

} // namespace

// A setting of the tool, not of the folder: it changes nothing pending and outlives the run.
TEST_F(FilesAppTest, TheOptionIsOffUntilCheckedAndIsKeptInSetupIni) {
    Start(folder);
    EXPECT_FALSE(Checked());
    EXPECT_FALSE(app->filesApp);
    Command(IDM_FILES_APP);
    EXPECT_TRUE(Checked());
    EXPECT_FALSE(Enabled(IDC_APPLY));
    Command(IDC_CANCEL_BUTTON);
    EXPECT_EQ(GetPrivateProfileIntA("Kalmora", "FilesApp", -1, app->settingsPath), 1u);

    app.reset();
    Start(folder);
    EXPECT_TRUE(Checked());
    EXPECT_TRUE(app->filesApp);
    Command(IDM_FILES_APP);
    EXPECT_FALSE(Checked());
    Command(IDC_CANCEL_BUTTON);
    EXPECT_EQ(GetPrivateProfileIntA("Kalmora", "FilesApp", -1, app->settingsPath), 0u);
}

namespace {

struct PictureCase {
    const char* label;
    const char* name; // the picture's file, in the temporary folder or, relative, in Folder
    bool relative;    // typed as the name alone, which the shells take from the folder
    bool unicode;     // the file must be UTF-16LE afterwards
};

const PictureCase kPictureCases[] = {
    {"Japanese absolute", "夏の空.bmp", false, true},
    {"Japanese relative", "空.bmp", true, true},
    {"ASCII absolute", "sky.bmp", false, false},
};

} // namespace

// Files takes the picture by its absolute path; a path beyond ASCII makes the ANSI file
// UTF-16LE first, and every earlier entry still reads the same.
TEST_F(FilesAppTest, ApplyWritesTheAbsolutePathInTheEncodingItNeeds) {
    for (const PictureCase& c : kPictureCases) {
        SCOPED_TRACE(c.label);
        WriteDesktopIni(kAnsiIni);
        const std::string path = c.relative ? dir.WriteFile(std::string("Folder\\") + c.name, "BM")
                                            : dir.WriteFile(c.name, "BM");
        app.reset();
        StartWithFilesApp();
        Type(IDC_IMAGE, c.relative ? c.name : path);
        Command(IDC_APPLY);
        ASSERT_FALSE(Enabled(IDC_APPLY));

        const std::string bytes = test::ReadFileBytes(DesktopIniPath());
        EXPECT_EQ(StartsUtf16Le(bytes), c.unicode);
        EXPECT_EQ(FilesImage(), test::Wide(path));
        EXPECT_EQ(ReadW(DesktopIniPath(), kSection, "IconArea_Image"),
                  test::Wide(c.relative ? c.name : path));
        EXPECT_EQ(ReadW(DesktopIniPath(), ".ShellClassInfo", "InfoTip"), L"夏の写真");
        EXPECT_EQ(ReadW(DesktopIniPath(), "その他", "メモ"), L"残す");
        if (!c.unicode) {
            EXPECT_NE(bytes.find("InfoTip=夏の写真"), std::string::npos);
        }
        DestroyWindow(dialog);
        Pump();
    }
}

TEST_F(FilesAppTest, WithTheOptionOffNothingOfFilesIsWritten) {
    WriteDesktopIni(kAnsiIni);
    const std::string japanese = dir.WriteFile("夏の空.bmp", "BM");
    Start(folder);
    Type(IDC_IMAGE, japanese);
    Command(IDC_APPLY);
    ASSERT_EQ(ReadKey("IconArea_Image"), japanese);
    const std::string bytes = test::ReadFileBytes(DesktopIniPath());
    EXPECT_FALSE(StartsUtf16Le(bytes));
    EXPECT_EQ(bytes.find("FilesApp"), std::string::npos);
}

// Whenever Apply takes the picture away, Files' background goes too; the section's other keys
// are not Kalmora's.
TEST_F(FilesAppTest, RemovingThePictureRemovesTheFilesBackgroundKeys) {
    const std::string ini = std::string("[") + kSection + "]\r\nIconArea_Image=" + picture +
                            "\r\n[FilesApp]\r\nFiles_BackgroundImage=" + picture +
                            "\r\nFiles_BackgroundFit=Uniform\r\nFiles_BackgroundOpacity=0.5\r\n"
                            "Files_Other=kept\r\n";
    for (bool customColors : {false, true}) {
        SCOPED_TRACE(customColors ? "colours written" : "whole section removed");
        WriteDesktopIni(ini);
        app.reset();
        StartWithFilesApp();
        if (customColors) {
            app->profile.SetIconTextColor(RGB(255, 0, 0));
            app->ShowCustomColors(true);
        }
        Command(IDC_NO_IMAGE);
        Command(IDC_APPLY);
        ASSERT_FALSE(Enabled(IDC_APPLY));
        EXPECT_FALSE(HasKey("IconArea_Image"));
        EXPECT_EQ(HasKey("IconArea_Text"), customColors);
        for (const char* key :
             {"Files_BackgroundImage", "Files_BackgroundFit", "Files_BackgroundOpacity"})
            EXPECT_EQ(ReadW(DesktopIniPath(), "FilesApp", key), L"<none>") << key;
        EXPECT_EQ(ReadW(DesktopIniPath(), "FilesApp", "Files_Other"), L"kept");
        DestroyWindow(dialog);
        Pump();
    }
}

// The revert gives back the ANSI file the conversion replaced, byte for byte, with its
// attributes and the folder's.
TEST_F(FilesAppTest, RevertGivesBackTheAnsiFileItsBytesAndAttributes) {
    WriteDesktopIni(kAnsiIni);
    SetFileAttributesA(DesktopIniPath().c_str(), FILE_ATTRIBUTE_HIDDEN);
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    const std::string japanese = dir.WriteFile("夏の空.bmp", "BM");
    StartWithFilesApp();
    Type(IDC_IMAGE, japanese);
    Command(IDC_APPLY);
    ASSERT_TRUE(StartsUtf16Le(test::ReadFileBytes(DesktopIniPath())));

    test::MessageBoxAnswer yes(IDYES);
    Command(IDM_REVERT);
    EXPECT_EQ(test::ReadFileBytes(DesktopIniPath()), kAnsiIni);
    // Wine reports FILE_ATTRIBUTE_ARCHIVE on every plain file; Windows keeps what was set.
    EXPECT_EQ(GetFileAttributesA(DesktopIniPath().c_str()) & ~FILE_ATTRIBUTE_ARCHIVE,
              DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
}

// Files skips a line holding two "=": such a path is refused before anything is written, and
// the changes stay pending.
TEST_F(FilesAppTest, APathHoldingAnEqualsSignIsRefusedWithAMessage) {
    WriteDesktopIni(kAnsiIni);
    const std::string equals = dir.WriteFile("a=b.bmp", "BM");
    StartWithFilesApp();
    Type(IDC_IMAGE, equals);
    {
        test::MessageBoxAnswer ok(IDOK);
        Command(IDC_APPLY);
        ASSERT_EQ(ok.Count(), 1);
        EXPECT_EQ(ok.Caption(), "Kalmora");
        EXPECT_NE(ok.Text().find("「=」を含むパス"), std::string::npos) << ok.Text();
        EXPECT_NE(ok.Text().find("a=b.bmp"), std::string::npos) << ok.Text();
    }
    EXPECT_EQ(test::ReadFileBytes(DesktopIniPath()), kAnsiIni);
    EXPECT_TRUE(Enabled(IDC_APPLY));

    // The shell's own key takes any path.
    Command(IDM_FILES_APP);
    Command(IDC_APPLY);
    EXPECT_EQ(ReadKey("IconArea_Image"), equals);
}

// A file that cannot be made UTF-16 without losing bytes fails the Apply, and the user is told;
// the shell's keys are not written either.
TEST_F(FilesAppTest, AFailedFilesWriteLeavesTheFolderAsItWas) {
    // A lead byte of code page 932 followed by a byte that cannot follow it.
    const std::string damaged = "[.ShellClassInfo]\r\nInfoTip=\x81\x7F\r\n";
    WriteDesktopIni(damaged);
    const DWORD fileBefore = GetFileAttributesA(DesktopIniPath().c_str());
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    const std::string japanese = dir.WriteFile("夏の空.bmp", "BM");
    StartWithFilesApp();
    Type(IDC_IMAGE, japanese);
    test::MessageBoxAnswer ok(IDOK);
    Command(IDC_APPLY);
    EXPECT_EQ(ok.Count(), 1);
    EXPECT_EQ(test::ReadFileBytes(DesktopIniPath()), damaged);
    EXPECT_EQ(GetFileAttributesA(DesktopIniPath().c_str()), fileBefore);
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
    EXPECT_TRUE(Enabled(IDC_APPLY));
}
