// A CMain started as the program starts it and a folder to work on.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Main.h"
#include "tests/support/MessageBoxAnswer.h"
#include "tests/support/TempDir.h"

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes setup.ini's "Open" (when given) and starts the application.
    void Start(const std::string& open = std::string());
    void WriteDesktopIni(const std::string& bytes);
    std::string DesktopIniPath() const { return folder + "\\Desktop.ini"; }
    std::string ReadKey(const char* key) const;
    bool HasKey(const char* key) const;

    void Command(int id, int code = BN_CLICKED);
    // Puts the focus into an edit field, replaces its text and moves on to the next control, as
    // a user's Tab would.
    void Type(int id, const std::string& text);
    std::string Text(int id) const;
    std::string Caption() const;
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
    bool MenuEnabled(int id) const;
    bool DialogAlive() const { return IsWindow(dialog) != FALSE; }
    void Pump();

    test::TempDir dir;
    std::string folder;
    std::string picture;
    std::unique_ptr<CMain> app;
    HWND dialog = nullptr;
};
