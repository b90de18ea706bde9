// Real-world Desktop.ini files: the appearance written into each, and each snapshot written back.
#include "vela/wx/profile/DesktopIniImage.h"
#include "vela/wx/profile/DesktopProfile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

using namespace vela::wx;
using test::SnapshotText;

constexpr char kSection[] = "{BE098140-A513-11D0-A3A4-00C04FD706EC}";
constexpr char kImage[] = "C:\\壁紙\\表示 ソ.bmp";
constexpr COLORREF kTextColor = 0x00C0FFEE;
constexpr COLORREF kTextBackColor = 0x7F00FF01;

bool SameName(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_EQUAL;
}

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(KALMORA_CORPUS_DIR) + "\\*.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// The snapshot without the folder-background section, which the appearance write changes.
SnapshotText WithoutBackground(SnapshotText snapshot) {
    SnapshotText kept;
    for (auto& section : snapshot) {
        if (!SameName(section.first, kSection))
            kept.push_back(std::move(section));
    }
    return kept;
}

// What a delete-first write-back of the snapshot leaves for the next load to find: each entry
// goes through the platform's writer, which matches names without regard to case, changes the
// first key or section of a name and appends new ones. Lines without "=" or without a key are
// not written, and a section left without lines is not listed.
SnapshotText WrittenBack(const std::vector<CProfileSection>& sections) {
    std::vector<CProfileSection> file;
    for (const CProfileSection& section : sections) {
        for (const CProfileEntry& entry : section.entries) {
            if (!entry.hasValue || entry.key.empty())
                continue;
            auto target = file.begin();
            while (target != file.end() && !SameName(target->name, section.name))
                ++target;
            if (target == file.end())
                target = file.insert(file.end(), CProfileSection{section.name, {}});
            auto key = target->entries.begin();
            while (key != target->entries.end() && !SameName(key->key, entry.key))
                ++key;
            if (key == target->entries.end())
                target->entries.push_back(entry);
            else
                key->value = entry.value;
        }
    }
    return test::Snapshot(file);
}

std::string KeyText(const std::string& ini, const char* key) {
    char text[MAX_PATH];
    GetPrivateProfileStringA(kSection, key, "<none>", text, MAX_PATH, ini.c_str());
    return text;
}

TEST(Corpus, IsThere) {
    ASSERT_TRUE(test::Exists(KALMORA_CORPUS_DIR)) << KALMORA_CORPUS_DIR << " is missing";
    EXPECT_FALSE(CorpusFiles().empty()) << KALMORA_CORPUS_DIR << " holds no .ini file";
}

class CorpusFile : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        folder = dir.MakeDir("folder");
        ini = folder + "\\Desktop.ini";
        const std::string source = std::string(KALMORA_CORPUS_DIR) + "\\" + GetParam();
        ASSERT_TRUE(CopyFileA(source.c_str(), ini.c_str(), TRUE)) << source;
        // The copy takes the source's attributes; a user's file starts out plain.
        SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    test::TempDir dir;
    std::string folder;
    std::string ini;
};

TEST_P(CorpusFile, AppearanceIsWrittenAndTheSnapshotWrittenBack) {
    CDesktopProfile profile;
    const bool loaded = profile.LoadFolder(folder.c_str());
    const std::vector<CProfileSection> sections = profile.GetSections();
    EXPECT_EQ(loaded, !sections.empty());

    profile.SetImagePath(kImage);
    profile.SetIconTextColor(kTextColor);
    profile.SetIconTextBackColor(kTextBackColor);
    ASSERT_TRUE(profile.WriteAppearance(folder.c_str(), true, true, true));
    EXPECT_EQ(test::Snapshot(profile.GetSections()), test::Snapshot(sections));

    CDesktopProfile written;
    ASSERT_TRUE(written.LoadFolder(folder.c_str()));
    EXPECT_STREQ(written.GetImagePath(), kImage);
    EXPECT_EQ(written.GetIconTextColor(), kTextColor);
    EXPECT_EQ(written.GetIconTextBackColor(), kTextBackColor);
    EXPECT_EQ(KeyText(ini, "IconArea_Text"), "0x00c0ffee");
    EXPECT_EQ(KeyText(ini, "IconArea_TextBackground"), "0x7f00ff01");
    EXPECT_EQ(KeyText(ini, "Attributes"), "1");
    EXPECT_EQ(WithoutBackground(test::Snapshot(written.GetSections())),
              WithoutBackground(test::Snapshot(sections)));

    ASSERT_TRUE(profile.WriteBack(true));
    const SnapshotText expected = WrittenBack(sections);
    CDesktopProfile reloaded;
    EXPECT_EQ(reloaded.LoadFolder(folder.c_str()), !expected.empty());
    EXPECT_EQ(test::Snapshot(reloaded.GetSections()), expected);
}

// Into a file that is gone, the snapshot is written section by section; the bytes must be those
// that writing it line by line (no delete, no file to update) leaves.
TEST_P(CorpusFile, WriteBackBySectionsMakesTheFileTheLinesMake) {
    CDesktopProfile profile;
    profile.LoadFolder(folder.c_str());
    ASSERT_TRUE(profile.WriteBack(true));
    const std::string bySections = test::ReadFileBytes(ini);
    DeleteFileA(ini.c_str());
    ASSERT_TRUE(profile.WriteBack(false));
    EXPECT_EQ(bySections, test::ReadFileBytes(ini));
}

// What the application's revert does: the file as found comes back byte for byte, whatever the
// profile functions could or could not parse of it, with the attributes of file and folder.
TEST_P(CorpusFile, TheFileImageRestoresTheFileAsFound) {
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const std::string bytes = test::ReadFileBytes(ini);
    const DWORD fileBefore = GetFileAttributesA(ini.c_str());
    const DWORD folderBefore = GetFileAttributesA(folder.c_str());
    CDesktopIniImage image;
    ASSERT_TRUE(image.Capture(folder.c_str()));

    CDesktopProfile profile;
    profile.LoadFolder(folder.c_str());
    profile.SetImagePath(kImage);
    ASSERT_TRUE(profile.WriteAll(folder.c_str()));
    ASSERT_TRUE(image.Restore());
    EXPECT_EQ(test::ReadFileBytes(ini), bytes);
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), fileBefore);
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), folderBefore);
    EXPECT_EQ(test::FolderNames(folder), std::vector<std::string>{"Desktop.ini"});
}

// Test names from the file names: "001.ini" runs as "f001".
std::string FileTestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = "f" + info.param.substr(0, info.param.find('.'));
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFile, ::testing::ValuesIn(CorpusFiles()), FileTestName);

} // namespace
