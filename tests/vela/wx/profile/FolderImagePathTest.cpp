// A folder background picture's path resolved as the shells resolve it.
#include "vela/wx/profile/FolderImagePath.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"

namespace {

using namespace vela::wx;

TEST(FolderImagePath, ARelativePathIsTakenFromTheFolderNotTheCurrentDirectory) {
    test::TempDir dir;
    const std::string folder = dir.MakeDir("folder");
    dir.WriteFile("folder\\folder.jpg", "JPG");
    const std::string beside = dir.WriteFile("beside.bmp", "BM");
    dir.WriteFile("only-here.bmp", "BM");
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(dir.Path().c_str());

    struct Case {
        std::string image;
        bool exists;
    };
    const Case cases[] = {
        {"folder.jpg", true},
        {"..\\beside.bmp", true},
        {beside, true},
        {".\\folder.jpg", true},
        // Found only from the current directory, which the shells never look in.
        {"only-here.bmp", false},
        {dir.Sub("gone.bmp"), false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.image);
        EXPECT_EQ(FolderImageExists(folder.c_str(), c.image.c_str()), c.exists);
    }
    SetCurrentDirectoryA(current);

    char resolved[MAX_PATH] = "untouched";
    EXPECT_TRUE(ResolveFolderImagePath(folder.c_str(), "folder.jpg", resolved));
    EXPECT_EQ(std::string(resolved), folder + "\\folder.jpg");
    EXPECT_TRUE(ResolveFolderImagePath(folder.c_str(), "Q:\\absent\\pic.jpg", resolved));
    EXPECT_STREQ(resolved, "Q:\\absent\\pic.jpg");
    EXPECT_FALSE(ResolveFolderImagePath(folder.c_str(), "", resolved));
    EXPECT_FALSE(ResolveFolderImagePath(folder.c_str(), nullptr, resolved));
    EXPECT_FALSE(ResolveFolderImagePath(folder.c_str(), std::string(300, 'x').c_str(), resolved));
}

} // namespace
