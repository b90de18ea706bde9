// Where setup.ini lives: the write probe on real files, and the application choosing between
// the folder of its executable and the user's application data folder.
#include <windows.h>
#include <shlobj.h>

#include "app/SettingsPath.h"
#include "app/resource.h"
#include "tests/app/AppFixture.h"

namespace {

struct ProbeCase {
    const char* name;
    // Prepares the temporary folder and returns the path to probe.
    std::string (*prepare)(const test::TempDir& dir);
    bool writable;
};

const ProbeCase kProbeCases[] = {
    {"an existing file",
     [](const test::TempDir& dir) { return dir.WriteFile("setup.ini", "[K]\r\n"); }, true},
    {"a missing file in a writable folder",
     [](const test::TempDir& dir) { return dir.Sub("setup.ini"); }, true},
    {"a folder of that name", [](const test::TempDir& dir) { return dir.MakeDir("setup.ini"); },
     false},
    {"a path through a file",
     [](const test::TempDir& dir) { return dir.WriteFile("file", "x") + "\\setup.ini"; }, false},
    {"a missing folder", [](const test::TempDir& dir) { return dir.Sub("gone\\setup.ini"); },
     false},
};

} // namespace

// The probe leaves everything as it found it: an existing file keeps its bytes, a missing one
// stays missing.
TEST(CanWriteFile, TellsWritableFromNotAndLeavesNoTrace) {
    for (const ProbeCase& c : kProbeCases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string path = c.prepare(dir);
        const bool existed = test::Exists(path);
        const std::string bytes = test::ReadFileBytes(path);
        EXPECT_EQ(kalmora::CanWriteFile(path.c_str()), c.writable);
        EXPECT_EQ(test::Exists(path), existed);
        EXPECT_EQ(test::ReadFileBytes(path), bytes);
    }
}

// Held open without sharing, as by a program writing it at that moment: the file is there and
// stays the one to use.
TEST(CanWriteFile, AFileHeldOpenElsewhereStillCounts) {
    test::TempDir dir;
    const std::string path = dir.WriteFile("setup.ini", "[K]\r\n");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(kalmora::CanWriteFile(path.c_str()));
    CloseHandle(held);
    EXPECT_EQ(test::ReadFileBytes(path), "[K]\r\n");
}

// The test program's copy stands where Kalmora.exe would; a folder named setup.ini beside it
// makes its settings file unwritable there. (Not the read-only attribute: the tests run as root,
// for whom Wine writes a read-only file all the same.)
class PerUserSettingsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        char appData[MAX_PATH] = "";
        ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData),
                  S_OK);
        perUser = std::string(appData) + "\\Kalmora\\setup.ini";
        DeleteFileA(perUser.c_str());
        RemoveDirectoryA(perUser.substr(0, perUser.rfind('\\')).c_str());
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        besideExe = self;
        besideExe = besideExe.substr(0, besideExe.rfind('\\')) + "\\setup.ini";
    }
    void TearDown() override {
        AppTest::TearDown();
        RemoveDirectoryA(besideExe.c_str());
        DeleteFileA(besideExe.c_str());
        DeleteFileA(perUser.c_str());
    }

    std::string Open(const std::string& ini) const {
        char open[MAX_PATH] = "";
        GetPrivateProfileStringA("Kalmora", "Open", "<none>", open, MAX_PATH, ini.c_str());
        return open;
    }

    std::string perUser;
    std::string besideExe;
};

TEST_F(PerUserSettingsTest, AnUnwritableExeFolderSendsTheSettingsToTheUsersFolder) {
    CreateDirectoryA(besideExe.c_str(), nullptr);
    Start();
    EXPECT_EQ(std::string(app->settingsPath), perUser);
    Type(IDC_FOLDER, folder);
    Command(IDCANCEL);
    EXPECT_EQ(Open(perUser), folder);
}

// The portable use stays as it was: a writable setup.ini beside the exe is the one read and
// written, whatever the user's folder holds.
TEST_F(PerUserSettingsTest, AWritableSetupIniBesideTheExeStillWins) {
    const std::string other = dir.MakeDir("Other");
    CreateDirectoryA((perUser.substr(0, perUser.rfind('\\'))).c_str(), nullptr);
    WritePrivateProfileStringA("Kalmora", "Open", other.c_str(), perUser.c_str());
    Start(folder);
    EXPECT_EQ(std::string(app->settingsPath), besideExe);
    EXPECT_EQ(Text(IDC_FOLDER), folder);
    Command(IDCANCEL);
    EXPECT_EQ(Open(besideExe), folder);
    EXPECT_EQ(Open(perUser), other);
}
