// The in-memory INI snapshot: loading in listed order, exact lookups, removal and write-back.
#include "vela/wx/profile/MappedPrivateProfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/profile/ProfileTestSupport.h"

namespace {

using namespace vela::wx;
using test::SnapshotText;

// Items of a zero-separated list that takes exactly total characters: each is a distinct name
// followed by the suffix.
std::vector<std::string> ItemsFilling(size_t total, char prefix, const std::string& suffix) {
    std::vector<std::string> items;
    size_t used = 0;
    while (total - used > 20 + suffix.size()) {
        char name[8];
        std::snprintf(name, sizeof name, "%c%04u", prefix, static_cast<unsigned>(items.size()));
        items.push_back(name + suffix);
        used += items.back().size() + 1;
    }
    items.push_back(std::string(1, prefix) + std::string(total - used - suffix.size() - 2, 'z') +
                    suffix);
    return items;
}

class MappedProfile : public ::testing::Test {
protected:
    // Binds the profile to a new file holding the text and loads it.
    void Load(const std::string& text) {
        ini = dir.WriteFile("mapped" + std::to_string(++count) + ".ini", text);
        ASSERT_TRUE(profile.BindFile(ini.c_str()));
        ASSERT_TRUE(profile.LoadAll());
    }
    SnapshotText Held() const { return test::Snapshot(profile.GetSections()); }

    test::TempDir dir;
    int count = 0;
    std::string ini;
    CMappedPrivateProfile profile;
};

TEST_F(MappedProfile, HoldsSectionsAndEntriesInListedOrder) {
    Load("[C]\nz=1\na=2\n[A]\nm=3\n[B]\nb=4\nc=5\n");
    EXPECT_EQ(Held(), (SnapshotText{{"C", {"z=1", "a=2"}}, {"A", {"m=3"}}, {"B", {"b=4", "c=5"}}}));

    struct Lookup {
        const char* what;
        LPCSTR found;
        const char* expected; // none where nothing may be found
    };
    const Lookup lookups[] = {
        {"SectionNameAt(0)", profile.SectionNameAt(0), "C"},
        {"SectionNameAt(2)", profile.SectionNameAt(2), "B"},
        {"SectionNameAt(3)", profile.SectionNameAt(3), nullptr},
        {"SectionNameAt(-1)", profile.SectionNameAt(-1), nullptr},
        {"KeyNameAt(0, 1)", profile.KeyNameAt(0, 1), "a"},
        {"KeyNameAt(0, 2)", profile.KeyNameAt(0, 2), nullptr},
        {"KeyNameAt(3, 0)", profile.KeyNameAt(3, 0), nullptr},
        {"KeyNameAt(B, 1)", profile.KeyNameAt("B", 1), "c"},
        {"KeyNameAt(A, -1)", profile.KeyNameAt("A", -1), nullptr},
        {"KeyNameAt(none, 0)", profile.KeyNameAt("none", 0), nullptr},
        {"ValueAt(2, 0)", profile.ValueAt(2, 0), "4"},
        {"ValueAt(-1, 0)", profile.ValueAt(-1, 0), nullptr},
        {"ValueAt(A, 0)", profile.ValueAt("A", 0), "3"},
        {"ValueAt(A, 1)", profile.ValueAt("A", 1), nullptr},
        {"FindValue(B, c)", profile.FindValue("B", "c"), "5"},
        {"FindValue(B, z)", profile.FindValue("B", "z"), nullptr},
        {"FindValue(none, z)", profile.FindValue("none", "z"), nullptr},
    };
    for (const Lookup& l : lookups)
        EXPECT_STREQ(l.found, l.expected) << l.what;
}

TEST_F(MappedProfile, LookupsAreExactWhereThePlatformIgnoresCase) {
    Load("[Sec]\nKey=1\nkey=2\nKey=3\n");
    EXPECT_EQ(Held(), (SnapshotText{{"Sec", {"Key=1", "key=2", "Key=3"}}}));
    EXPECT_STREQ(profile.FindValue("Sec", "Key"), "1");
    EXPECT_STREQ(profile.FindValue("Sec", "key"), "2");
    EXPECT_EQ(profile.FindValue("Sec", "KEY"), nullptr);
    EXPECT_EQ(profile.FindValue("sec", "Key"), nullptr);
    EXPECT_EQ(profile.FindSection("SEC"), nullptr);
    ASSERT_NE(profile.FindSection("Sec"), nullptr);
    EXPECT_EQ(profile.FindSection("Sec")->size(), 3u);
    char text[8];
    GetPrivateProfileStringA("SEC", "KEY", "", text, sizeof text, ini.c_str());
    EXPECT_STREQ(text, "1");
}

TEST_F(MappedProfile, ReadSectionEntriesSplitsEachLineAtItsFirstEqualsSign) {
    struct SplitCase {
        const char* line;
        const char* key;
        const char* value;
        bool hasValue;
    };
    // "ソ", "表" and "能" end in the byte of a backslash; "値" and "示" hold no ASCII byte.
    const SplitCase cases[] = {
        {"k=a=b", "k", "a=b", true},
        {"=v", "", "v", true},
        {"k=", "k", "", true},
        {"#IconArea_Image=", "#IconArea_Image", "", true},
        {"表示=値=ソ", "表示", "値=ソ", true},
        {"ソ能=表", "ソ能", "表", true},
        {"bare", "bare", "", false},
        {"-->", "-->", "", false},
        {"after=bare", "after", "bare", true},
    };
    std::string text = "[s]\n";
    for (const SplitCase& c : cases)
        text += std::string(c.line) + "\n";
    const std::string file = dir.WriteFile("split.ini", text);

    CProfileEntries entries(1);
    entries[0].key = "held";
    ASSERT_TRUE(ReadSectionEntries("s", file.c_str(), entries));
    ASSERT_EQ(entries.size(), std::size(cases) + 1);
    EXPECT_EQ(entries[0].key, "held");
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].line);
        EXPECT_EQ(entries[i + 1].key, cases[i].key);
        EXPECT_EQ(entries[i + 1].value, cases[i].value);
        EXPECT_EQ(entries[i + 1].hasValue, cases[i].hasValue);
    }
}

TEST_F(MappedProfile, ReadSectionEntriesOfNothingLeavesTheListAlone) {
    const std::string file = dir.WriteFile("few.ini", "[empty]\n[s]\nk=v\n");
    CProfileEntries entries;
    EXPECT_FALSE(ReadSectionEntries(nullptr, file.c_str(), entries));
    EXPECT_FALSE(ReadSectionEntries("s", nullptr, entries));
    EXPECT_FALSE(ReadSectionEntries("absent", file.c_str(), entries));
    EXPECT_FALSE(ReadSectionEntries("empty", file.c_str(), entries));
    EXPECT_FALSE(ReadSectionEntries("s", dir.Sub("none.ini").c_str(), entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(MappedProfile, ListsThatFillTheBufferAreAskedForAgainLarger) {
    // The first buffer holds 1024 characters: 1021 fit with room, 1022 come back as size - 2
    // although complete, 1023 fit exactly and 1024 do not fit at all; 3000 need several rounds.
    for (size_t total : {1021u, 1022u, 1023u, 1024u, 3000u}) {
        SCOPED_TRACE(total);
        std::string text;
        SnapshotText expected;
        for (const std::string& name : ItemsFilling(total, 's', "")) {
            text += "[" + name + "]\n";
            expected.push_back({name, {}});
        }
        CMappedPrivateProfile names;
        const std::string tag = std::to_string(total);
        ASSERT_TRUE(names.BindFile(dir.WriteFile("names" + tag + ".ini", text).c_str()));
        EXPECT_TRUE(names.LoadAll());
        EXPECT_EQ(test::Snapshot(names.GetSections()), expected);

        const std::vector<std::string> lines = ItemsFilling(total, 'k', "=v");
        text = "[s]\n";
        for (const std::string& line : lines)
            text += line + "\n";
        CProfileEntries entries;
        EXPECT_TRUE(
            ReadSectionEntries("s", dir.WriteFile("lines" + tag + ".ini", text).c_str(), entries));
        ASSERT_EQ(entries.size(), lines.size());
        EXPECT_EQ(entries.back().key + "=" + entries.back().value, lines.back());
    }
}

TEST_F(MappedProfile, NamesListedTwiceGiveTwoRecordsAndTheFirstTakesTheLines) {
    Load("[D]\nk=1\nk=2\n[X]\nx=0\n[D]\nm=3\n");
    EXPECT_EQ(Held(),
              (SnapshotText{{"D", {"k=1", "k=2", "k=1", "k=2"}}, {"X", {"x=0"}}, {"D", {}}}));
    EXPECT_STREQ(profile.FindValue("D", "k"), "1");
    EXPECT_STREQ(profile.KeyNameAt(2, 3), "k");
    ASSERT_TRUE(profile.WriteBack(true));
    // Each later write of a key replaces the value the earlier one left.
    EXPECT_EQ(test::ReadFileBytes(ini), "[D]\r\nk=2\r\n[X]\r\nx=0\r\n");
}

TEST_F(MappedProfile, UnboundOrEmptyProfileLoadsNothing) {
    EXPECT_FALSE(profile.LoadSectionNames());
    EXPECT_FALSE(profile.LoadSection("s"));
    EXPECT_FALSE(profile.LoadAll());
    EXPECT_FALSE(profile.WriteBack(false));

    const std::string missing = dir.Sub("later.ini");
    ASSERT_TRUE(profile.BindFile(missing.c_str()));
    EXPECT_FALSE(profile.LoadAll());
    const std::string keysOnly = dir.WriteFile("keys-only.ini", "a=1\n");
    CMappedPrivateProfile other;
    other.BindFile(keysOnly.c_str());
    EXPECT_FALSE(other.LoadAll());
    EXPECT_TRUE(other.GetSections().empty());

    // Bound and not loaded: write-back with delete-first removes the file that came since.
    EXPECT_STREQ(profile.GetPath(), missing.c_str());
    dir.WriteFile("later.ini", "[s]\nk=v\n");
    EXPECT_TRUE(profile.WriteBack(true));
    EXPECT_FALSE(test::Exists(missing));
}

TEST_F(MappedProfile, NamesAreListedOnceButEveryLoadAppendsTheLinesAgain) {
    Load("[a]\nk=1\n");
    EXPECT_FALSE(profile.LoadSection("b"));
    WritePrivateProfileStringA("b", "n", "2", ini.c_str());
    EXPECT_TRUE(profile.LoadSectionNames());
    EXPECT_FALSE(profile.LoadSection("b"));
    EXPECT_TRUE(profile.LoadAll());
    EXPECT_EQ(Held(), (SnapshotText{{"a", {"k=1", "k=1"}}}));
}

TEST_F(MappedProfile, BindingStartsFromAnEmptySnapshot) {
    Load("[a]\nk=1\n");
    const std::string second = dir.WriteFile("second.ini", "[b]\nn=2\n");
    ASSERT_TRUE(profile.BindFile(second.c_str()));
    EXPECT_TRUE(profile.GetSections().empty());
    ASSERT_TRUE(profile.LoadAll());
    EXPECT_EQ(Held(), (SnapshotText{{"b", {"n=2"}}}));

    profile.Unbind();
    EXPECT_TRUE(profile.GetSections().empty());
    EXPECT_STREQ(profile.GetPath(), "");
    EXPECT_FALSE(profile.WriteBack(true));
    EXPECT_TRUE(test::Exists(second));
}

TEST_F(MappedProfile, PathThatDoesNotFitIsNeverBoundCutShort) {
    Load("[a]\nk=1\n");
    // The first 259 characters of the longer path name this file.
    const std::string cut =
        dir.WriteFile(std::string(MAX_PATH - 2 - dir.Path().size(), 'c'), "[keep]\nk=1\n");
    ASSERT_EQ(cut.size(), size_t(MAX_PATH - 1));
    EXPECT_FALSE(profile.BindFile((cut + "x").c_str()));
    EXPECT_STREQ(profile.GetPath(), "");
    EXPECT_TRUE(profile.GetSections().empty());
    EXPECT_FALSE(profile.WriteBack(true));
    EXPECT_EQ(test::ReadFileBytes(cut), "[keep]\nk=1\n");
}

TEST_F(MappedProfile, RemoveSectionAndRemoveKeyChangeOnlyTheSnapshot) {
    const std::string text = "[A]\nk=1\nK=2\nk=3\n[B]\nx=1\n[C]\ny=1\n";
    Load(text);
    EXPECT_TRUE(profile.RemoveKey("A", "k"));
    EXPECT_TRUE(profile.RemoveKey("A", "K"));
    EXPECT_FALSE(profile.RemoveKey("A", "x"));
    EXPECT_FALSE(profile.RemoveKey("Z", "k"));
    EXPECT_FALSE(profile.RemoveKey("a", "k"));
    EXPECT_FALSE(profile.RemoveSection("b"));
    EXPECT_TRUE(profile.RemoveSection("B"));
    EXPECT_FALSE(profile.RemoveSection("B"));
    EXPECT_EQ(Held(), (SnapshotText{{"A", {"k=3"}}, {"C", {"y=1"}}}));
    EXPECT_EQ(test::ReadFileBytes(ini), text);

    ASSERT_TRUE(profile.WriteBack(true));
    EXPECT_EQ(test::ReadFileBytes(ini), "[A]\r\nk=3\r\n[C]\r\ny=1\r\n");
}

TEST_F(MappedProfile, WriteBackWritesEveryKeyLineInItsOrder) {
    // Comments, blank lines and sections without lines have no record to come back from; a line
    // without "=" and one without a key are held but cannot be written as key lines.
    Load("; head\n[C]\nz=1\n\na=2\nbare\n=v\n[Empty]\n[A]\nm=3\n[B]\nq=4\n");
    EXPECT_EQ(
        Held(),
        (SnapshotText{
            {"C", {"z=1", "a=2", "bare", "=v"}}, {"Empty", {}}, {"A", {"m=3"}}, {"B", {"q=4"}}}));
    ASSERT_TRUE(profile.WriteBack(true));
    EXPECT_EQ(test::ReadFileBytes(ini), "[C]\r\nz=1\r\na=2\r\n[A]\r\nm=3\r\n[B]\r\nq=4\r\n");

    // Without delete-first what the file gained since stays beside the restored values.
    WritePrivateProfileStringA("C", "z", "9", ini.c_str());
    WritePrivateProfileStringA("A", "n", "5", ini.c_str());
    WritePrivateProfileStringA("New", "k", "6", ini.c_str());
    ASSERT_TRUE(profile.WriteBack(false));
    EXPECT_EQ(test::ReadFileBytes(ini),
              "[C]\r\nz=1\r\na=2\r\n[A]\r\nm=3\r\nn=5\r\n[B]\r\nq=4\r\n[New]\r\nk=6\r\n");
}

TEST_F(MappedProfile, WriteBackReportsFailedWrites) {
    // The folder is gone: there is nothing left to delete, but no entry can be written.
    const std::string folder = dir.MakeDir("gone");
    ini = dir.WriteFile("gone\\x.ini", "[s]\nk=1\n");
    ASSERT_TRUE(profile.BindFile(ini.c_str()));
    ASSERT_TRUE(profile.LoadAll());
    test::RemoveTree(folder);
    EXPECT_FALSE(profile.WriteBack(true));
    EXPECT_FALSE(profile.WriteBack(false));

    // The file became a folder: it can neither be deleted nor written.
    Load("[s]\nk=1\n");
    test::RemoveTree(ini);
    ASSERT_TRUE(CreateDirectoryA(ini.c_str(), nullptr));
    EXPECT_FALSE(profile.WriteBack(false));
    EXPECT_FALSE(profile.WriteBack(true));

    // With nothing to write, the failed delete alone is what is reported.
    CMappedPrivateProfile onFolder;
    ASSERT_TRUE(onFolder.BindFile(ini.c_str()));
    EXPECT_TRUE(onFolder.WriteBack(false));
    EXPECT_FALSE(onFolder.WriteBack(true));
}

TEST_F(MappedProfile, FailedDeleteIsReportedAndEveryEntryStillWritten) {
    Load("[a]\nk=1\n[b]\nm=2\nn=3\n");
    WritePrivateProfileStringA("a", "k", "changed", ini.c_str());
    WritePrivateProfileStringA("b", "n", "changed", ini.c_str());
    // Held open without delete sharing, the file cannot be deleted but can still be written.
    HANDLE open = CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(profile.WriteBack(true));
    CloseHandle(open);
    EXPECT_EQ(test::ReadFileBytes(ini), "[a]\r\nk=1\r\n[b]\r\nm=2\r\nn=3\r\n");
}

} // namespace
