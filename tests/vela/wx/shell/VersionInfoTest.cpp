// Version fields of this test program's own resource, and the About box built from them.
#include "vela/wx/shell/AboutBox.h"
#include "vela/wx/shell/Icon.h"
#include "vela/wx/shell/VersionInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/vela/wx/shell/DialogDriver.h"

using vela::wx::CVersionInfo;

namespace {

// The strings of this program's first translation (language 0x0411, code page 1200) in CP932.
const char* const kFields[CVersionInfo::kFieldCount] = {
    "Kalmora 開発", "バージョン情報の試験", "1, 0, 0, 2", "version_tests",
    "(C) Kalmora",  "version_tests.exe",    "Kalmora",    "1, 0, 0, 2",
    "表示の試験",   "Kalmora(TM)",          "private",
    nullptr, // SpecialBuild exists only in the second translation
};

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    *strrchr(path, '\\') = '\0';
    return std::string(path) + "\\" + name;
}

std::string Field(const CVersionInfo& info, int index) {
    LPCSTR text = nullptr;
    return info.GetField(index, &text) ? text : "<absent>";
}

std::string Body(int mask) {
    CVersionInfo info;
    EXPECT_TRUE(info.LoadModule());
    int items[vela::wx::kAboutMaskItemCount];
    vela::wx::AboutItemsFromMask(mask, items);
    std::string body = "untouched";
    vela::wx::FormatVersionFields(info, body, items);
    return body;
}

} // namespace

TEST(VersionInfo, GettersReadTheFirstTranslationOnly) {
    CVersionInfo info;
    ASSERT_TRUE(info.LoadModule());
    EXPECT_EQ(info.GetTranslation(), 0x041104B0u);
    for (int index = 0; index < CVersionInfo::kFieldCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(Field(info, index), kFields[index] ? kFields[index] : "<absent>");
    }
    LPCSTR text = nullptr;
    EXPECT_EQ(info.GetField(-1, &text), 0u);
    EXPECT_EQ(info.GetField(CVersionInfo::kFieldCount, &text), 0u);
}

TEST(VersionInfo, NamedGettersAndQueriesMatchKeysWithoutRegardToCase) {
    CVersionInfo info;
    ASSERT_TRUE(info.LoadModule());
    LPCSTR text = nullptr;
    ASSERT_NE(info.GetOriginalFileName(&text), 0u);
    EXPECT_STREQ(text, "version_tests.exe");
    ASSERT_NE(info.QueryString("originalFILENAME", &text), 0u);
    EXPECT_STREQ(text, "version_tests.exe");
    ASSERT_NE(info.GetProductName(&text), 0u);
    EXPECT_STREQ(text, "Kalmora");
    EXPECT_EQ(info.GetSpecialBuild(&text), 0u);
    EXPECT_EQ(info.QueryString("NoSuchField", &text), 0u);
    LPVOID table = nullptr;
    EXPECT_EQ(info.QueryValue("\\VarFileInfo\\Translation", &table), 8u);
    // The fixed part of the resource, present whatever the translations.
    LPVOID fixed = nullptr;
    ASSERT_EQ(info.QueryValue("\\", &fixed), sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(static_cast<VS_FIXEDFILEINFO*>(fixed)->dwProductVersionLS, 0x00000002u);
}

TEST(VersionInfo, ProductVersionReadAsDecimalAndHexadecimal) {
    CVersionInfo info;
    EXPECT_EQ(info.GetProductVersionNumber(), 0u);
    EXPECT_EQ(info.GetProductVersionHex(), 0u);
    ASSERT_TRUE(info.LoadModule());
    EXPECT_EQ(info.GetProductVersionNumber(), 1002u);
    EXPECT_EQ(info.GetProductVersionHex(), 0x1002u);
}

TEST(VersionInfo, FileWithoutVersionResourceLeavesTheObjectAsItWas) {
    test::TempDir dir;
    std::string plain = dir.WriteFile("plain.txt", "no resource here");
    CVersionInfo info;
    EXPECT_FALSE(info.Load(plain.c_str()));
    EXPECT_EQ(info.GetTranslation(), 0u);
    ASSERT_TRUE(info.LoadModule());
    EXPECT_FALSE(info.Load(plain.c_str()));
    EXPECT_FALSE(info.Load(dir.Sub("missing.exe").c_str()));
    EXPECT_EQ(Field(info, 6), "Kalmora");
    EXPECT_EQ(info.GetTranslation(), 0x041104B0u);
}

TEST(VersionInfo, ResourceWithoutTranslationTableIsReadAsUsEnglishUnicode) {
    CVersionInfo info;
    ASSERT_TRUE(info.LoadModule());
    // A second Load replaces the data held.
    ASSERT_TRUE(info.Load(BesideThisProgram("version_untranslated.exe").c_str()));
    EXPECT_EQ(info.GetTranslation(), CVersionInfo::kDefaultTranslation);
    EXPECT_EQ(Field(info, 6), "Untranslated");
    EXPECT_EQ(Field(info, 0), "<absent>");
    EXPECT_EQ(info.GetProductVersionNumber(), 25u);
    EXPECT_EQ(info.GetProductVersionHex(), 0x25u);
}

TEST(VersionInfo, ClearEmptiesTheObject) {
    CVersionInfo info;
    ASSERT_TRUE(info.LoadModule());
    info.Clear();
    EXPECT_EQ(info.GetTranslation(), 0u);
    LPCSTR text = nullptr;
    EXPECT_EQ(info.GetProductName(&text), 0u);
    EXPECT_EQ(info.GetProductVersionNumber(), 0u);
    ASSERT_TRUE(info.LoadModule());
    EXPECT_EQ(Field(info, 7), "1, 0, 0, 2");
}

TEST(AboutBox, TitleSplitsIntoCaptionAndFirstLine) {
    std::string title;
    vela::wx::FormatAboutTitle(title, "Kalmora", "1, 0, 0, 2");
    EXPECT_EQ(title, "Version information on \"Kalmora\"\n#Kalmora Version 1. 0. 0. 2");
    size_t hash = title.find('#');
    ASSERT_NE(hash, std::string::npos);
    EXPECT_EQ(title.substr(0, hash), "Version information on \"Kalmora\"\n");
    EXPECT_EQ(title.substr(hash + 1), "Kalmora Version 1. 0. 0. 2");
}

TEST(AboutBox, CommasOfTheVersionBecomeFullStops) {
    struct Case {
        const char* version;
        const char* shown;
    };
    const Case cases[] = {
        {"1.0", "1.0"},
        {"1,2", "1.2"},
        {",,", ".."},
        {"", ""},
        // Double-byte characters, one with a backslash trail byte, pass whole.
        {"表,版,1", "表.版.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        std::string title;
        vela::wx::FormatAboutTitle(title, "P", c.version);
        EXPECT_EQ(title, std::string("Version information on \"P\"\n#P Version ") + c.shown);
    }
}

TEST(AboutBox, MaskSelectsFieldsInIndexOrder) {
    EXPECT_EQ(Body(0), "");
    const std::string applications =
        "Kalmora 開発\nバージョン情報の試験\n1, 0, 0, 2\n(C) Kalmora\nversion_tests.exe\n";
    EXPECT_EQ(Body(55), applications);
    // Bits from 12 up change nothing.
    EXPECT_EQ(Body(55 | 0x7FFFF000), applications);
    std::string all;
    for (const char* field : kFields) {
        if (field)
            all += std::string(field) + "\n";
    }
    EXPECT_EQ(Body(0xFFF), all);
    EXPECT_EQ(Body(-1), all);
}

TEST(AboutBox, MaskBecomesAnItemList) {
    int items[vela::wx::kAboutMaskItemCount];
    vela::wx::AboutItemsFromMask(55, items);
    EXPECT_EQ(std::vector<int>(items, items + 6), (std::vector<int>{0, 1, 2, 4, 5, -1}));
    vela::wx::AboutItemsFromMask(0xFFF, items);
    for (int index = 0; index < CVersionInfo::kFieldCount; ++index)
        EXPECT_EQ(items[index], index);
    EXPECT_EQ(items[CVersionInfo::kFieldCount], vela::wx::kAboutEnd);
}

TEST(AboutBox, ListFormWithSeparatorEmptyLineRepeatsAndUnknownCodes) {
    CVersionInfo info;
    ASSERT_TRUE(info.LoadModule());
    const int items[] = {
        6, vela::wx::kAboutSeparator, vela::wx::kAboutEmptyLine, 6, 99, 11, 7, vela::wx::kAboutEnd,
        0};
    std::string body = "untouched";
    vela::wx::FormatVersionFields(info, body, items);
    EXPECT_EQ(body, "Kalmora\n" + std::string(30, '-') + "\n\nKalmora\n1, 0, 0, 2\n");
}

TEST(AboutBox, ShowsTheBoxUntilTheUserClosesIt) {
    vela::wx::CIcon icon;
    ASSERT_TRUE(icon.Load(nullptr, IDI_APPLICATION));
    const std::string body =
        "Kalmora 開発\nバージョン情報の試験\n1, 0, 0, 2\n(C) Kalmora\nversion_tests.exe\n";
    bool bodyShown = false;
    test::DialogDriver driver([&](HWND dialog) {
        bodyShown = test::HasChildText(dialog, body);
        test::PressButton(dialog, IDOK);
    });
    EXPECT_NE(vela::wx::ShowAboutBox(nullptr, 55, icon.GetHandle()), 0);
    ASSERT_TRUE(driver.Found());
    EXPECT_FALSE(driver.Forced());
    EXPECT_TRUE(bodyShown);
    // Windows splits the title at "#" into caption and first line; Wine 8 shows the whole title
    // in both places. Both carry the product name in the caption.
    EXPECT_NE(driver.Caption().find("Version information on \"Kalmora\""), std::string::npos);
}
