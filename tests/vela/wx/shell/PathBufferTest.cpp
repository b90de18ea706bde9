// The fixed path buffer: bounds, the application's three path members, MakeValidFileName.
#include "vela/wx/shell/PathBuffer.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"

TEST(PathBuffer, DefaultIsAllZero) {
    CPathBuffer path;
    EXPECT_STREQ(path.c_str(), "");
    for (int i = 0; i < MAX_PATH; ++i)
        ASSERT_EQ(path[i], 0) << i;
    CPathBufferW wide;
    for (int i = 0; i < MAX_PATH; ++i)
        ASSERT_EQ(wide[i], 0) << i;
}

TEST(PathBuffer, HoldsExactly259Characters) {
    const std::string full(259, 'x');
    EXPECT_EQ(std::string(CPathBuffer(full.c_str())), full);
    CPathBuffer appended;
    appended.Append(full.c_str());
    EXPECT_EQ(std::string(appended), full);
    EXPECT_EQ(std::string(CPathBuffer().Assign(full.c_str())), full);
}

TEST(PathBuffer, LongerTextIsCutAt259AndTerminated) {
    const std::string longer(400, 'y');
    CPathBuffer path(longer.c_str());
    EXPECT_EQ(std::string(path), std::string(259, 'y'));

    CPathBuffer base("C:\\base");
    base.Append(longer.c_str());
    EXPECT_EQ(std::string(base), "C:\\base" + std::string(259 - 7, 'y'));

    CPathBufferW wide(std::wstring(300, L'w').c_str());
    EXPECT_EQ(std::wstring(wide), std::wstring(259, L'w'));
}

TEST(PathBuffer, CopiesAreWholeValues) {
    CPathBuffer original("C:\\one");
    CPathBuffer copy = original;
    original.Assign("D:\\two");
    EXPECT_STREQ(copy, "C:\\one");
}

TEST(PathBuffer, FileExistsForFilesAndFolders) {
    test::TempDir dir;
    std::string file = dir.WriteFile("a.txt", "x");
    EXPECT_TRUE(CPathBuffer(dir.Path().c_str()).FileExists());
    EXPECT_TRUE(CPathBuffer(file.c_str()).FileExists());
    EXPECT_FALSE(CPathBuffer(dir.Sub("missing").c_str()).FileExists());
    EXPECT_FALSE(CPathBuffer().FileExists());
    EXPECT_TRUE(vela::wx::PathFileExists(file.c_str()));
}

TEST(PathBuffer, FindFileNamePointsIntoTheBuffer) {
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\Pictures\\Holiday", "Holiday"},
        {"C:\\Pictures\\Holiday\\", "Holiday\\"},
        {"C:/Pictures/Holiday", "Holiday"},
        {"C:name", "name"},
        {"plain", "plain"},
        {"C:\\写真\\表", "表"},
    };
    for (const Case& c : cases) {
        CPathBuffer path(c.path);
        char* name = path.FindFileName();
        EXPECT_STREQ(name, c.name) << c.path;
        EXPECT_GE(name, path.c_str());
        EXPECT_LT(name, path.c_str() + MAX_PATH);
    }
}

TEST(PathBuffer, RemoveFileSpec) {
    struct Case {
        const char* path;
        const char* after;
        bool removed;
    } cases[] = {
        {"C:\\Tools\\app.exe", "C:\\Tools", true},
        {"C:\\app.exe", "C:\\", true},
        {"app.exe", "", true},
        // The trail byte of 表 is a backslash: the cut must fall before ソ, not inside 表.
        {"C:\\表\\ソ.exe", "C:\\表", true},
    };
    for (const Case& c : cases) {
        CPathBuffer path(c.path);
        EXPECT_EQ(path.RemoveFileSpec(), c.removed) << c.path;
        EXPECT_STREQ(path, c.after) << c.path;
    }
}

TEST(PathBuffer, LastComponent) {
    CPathBuffer path("C:\\one\\two\\three");
    EXPECT_STREQ(path.GetLastComponent(), "three");
    CPathBuffer single("alone");
    EXPECT_EQ(single.GetLastComponent(), nullptr);
}

TEST(PathBuffer, FindOnPathCopiesTheHitAndLeavesMissesAlone) {
    test::TempDir dir;
    dir.WriteFile("tool.txt", "x");
    const char* dirs[] = {dir.Path().c_str(), nullptr};

    char name[MAX_PATH] = "tool.txt";
    CPathBuffer found("unchanged");
    ASSERT_TRUE(found.FindOnPath(name, dirs));
    EXPECT_EQ(std::string(found), dir.Sub("tool.txt"));

    char missing[MAX_PATH] = "kalmora-no-such-file.txt";
    CPathBuffer kept("unchanged");
    EXPECT_FALSE(kept.FindOnPath(missing, dirs));
    EXPECT_STREQ(kept, "unchanged");
}

TEST(PathBuffer, PassThroughsWriteIntoTheBuffer) {
    CPathBuffer path("C:\\a\\.\\b\\..\\c");
    EXPECT_TRUE(path.Canonicalize());
    EXPECT_STREQ(path, "C:\\a\\c");

    EXPECT_STREQ(path.CombineFile("d.txt"), "C:\\a\\c\\d.txt");
    EXPECT_STREQ(path.FindExtension(), ".txt");
    EXPECT_TRUE(path.RenameExtension(".ini"));
    EXPECT_STREQ(path, "C:\\a\\c\\d.ini");

    CPathBuffer file("x.txt");
    EXPECT_STREQ(file.CombineDirectory("C:\\dir"), "C:\\dir\\x.txt");
    EXPECT_EQ(file.GetDriveNumber(), 2);
    EXPECT_TRUE(file.IsPrefix("C:\\dir"));
    EXPECT_TRUE(file.MatchSpec("*.txt"));
    EXPECT_FALSE(file.IsRelative());
    EXPECT_TRUE(CPathBuffer("C:\\").IsRoot());
    EXPECT_STREQ(CPathBuffer().BuildRoot(3), "D:\\");
}

struct ValidNameCase {
    const char* source;
    int limit;
    bool result;
    const char* name;
};

TEST(PathBuffer, MakeValidFileName) {
    const ValidNameCase cases[] = {
        {"  ..a:b", 0, true, "ab"},
        {"a?b*c", 0, true, "abc"},
        {"a.b ", 0, true, "a.b "},
        {"\\/:*?\"<>|\r\n", 0, true, ""},
        {"abcdef", 4, true, "ab~"},
        {"abc", 4, true, "abc"},
        {"abc::", 4, true, "abc"},
        // Shift_JIS: 表 and ソ end in 0x5C, the backslash; the pair is one character.
        {"表ソ", 0, true, "表ソ"},
        {"a\\表", 0, true, "a表"},
        // A double-byte character that no longer fits is not split.
        {"ab表", 4, true, "ab~"},
        {"a表b", 4, true, "a~"},
        {"..", 0, false, "before"},
        {"", 0, false, "before"},
        {" . ", 0, false, "before"},
    };
    for (const ValidNameCase& c : cases) {
        CPathBuffer name("before");
        EXPECT_EQ(name.MakeValidFileName(c.source, c.limit), c.result) << c.source;
        EXPECT_STREQ(name, c.name) << c.source;
    }
    CPathBuffer untouched("before");
    EXPECT_FALSE(untouched.MakeValidFileName(nullptr));
    EXPECT_STREQ(untouched, "before");
}

TEST(PathBuffer, MakeValidFileNameNeverPassesTheBuffer) {
    const std::string longer(600, 'z');
    CPathBuffer name;
    ASSERT_TRUE(name.MakeValidFileName(longer.c_str(), 1000));
    EXPECT_EQ(std::string(name), std::string(258, 'z') + "~");
}

TEST(PathBuffer, MakeValidFileNameWide) {
    CPathBufferW name(L"before");
    EXPECT_TRUE(name.MakeValidFileName(L" .a<b>|c", 0));
    EXPECT_STREQ(name, L"abc");
    EXPECT_TRUE(name.MakeValidFileName(L"abcdef", 4));
    EXPECT_STREQ(name, L"ab~");
    EXPECT_FALSE(name.MakeValidFileName(L"...", 0));
    EXPECT_STREQ(name, L"ab~");
}
