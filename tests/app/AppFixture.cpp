// A CMain started as the program starts it and a folder to work on.
#include "tests/app/AppFixture.h"

#include "app/resource.h"

namespace {

std::string WindowText(HWND hwnd) {
    char text[1024] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

} // namespace

void AppTest::SetUp() {
    folder = dir.MakeDir("Folder");
    picture = dir.WriteFile("picture.bmp", "BM");
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string settings = self;
    settings = settings.substr(0, settings.rfind('\\')) + "\\setup.ini";
    DeleteFileA(settings.c_str());
}

void AppTest::TearDown() {
    if (app) {
        if (DialogAlive())
            DestroyWindow(dialog);
        Pump();
        DeleteFileA(app->settingsPath);
        app.reset();
    }
}

void AppTest::Start(const std::string& open) {
    app = std::make_unique<CMain>();
    if (!open.empty()) {
        app->SetSettingsPath(GetModuleHandleA(nullptr));
        WritePrivateProfileStringA("Kalmora", "Open", open.c_str(), app->settingsPath);
    }
    ASSERT_TRUE(app->Initialize());
    dialog = app->GetHandle();
    ASSERT_TRUE(dialog);
    Pump();
}

void AppTest::WriteDesktopIni(const std::string& bytes) {
    SetFileAttributesA(DesktopIniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    dir.WriteFile("Folder\\Desktop.ini", bytes);
}

std::string AppTest::ReadKey(const char* key) const {
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("{BE098140-A513-11D0-A3A4-00C04FD706EC}", key, "", value, MAX_PATH,
                             DesktopIniPath().c_str());
    return value;
}

bool AppTest::HasKey(const char* key) const {
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("{BE098140-A513-11D0-A3A4-00C04FD706EC}", key, "\x01", value, MAX_PATH,
                             DesktopIniPath().c_str());
    return lstrcmpA(value, "\x01") != 0;
}

void AppTest::Command(int id, int code) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    Pump();
}

void AppTest::Type(int id, const std::string& text) {
    HWND field = GetDlgItem(dialog, id);
    SetFocus(field);
    SetWindowTextA(field, text.c_str());
    // The field's own EN_KILLFOCUS, sent as the focus really moves on: a question box opened
    // by it then takes the focus from another control, as it does for a user.
    SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
    Pump();
}

std::string AppTest::Text(int id) const {
    return WindowText(GetDlgItem(dialog, id));
}

std::string AppTest::Caption() const {
    return WindowText(dialog);
}

bool AppTest::MenuEnabled(int id) const {
    return !(GetMenuState(GetMenu(dialog), id, MF_BYCOMMAND) & MF_GRAYED);
}

void AppTest::Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
