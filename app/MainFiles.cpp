// The option that writes the Files file manager's background keys beside the shell's, so that
// Windows 10/11 with Files shows the picture too.
#include <windows.h>

#include <string>

#include "app/Main.h"
#include "app/Texts.h"
#include "app/resource.h"
#include "vela/wx/profile/FilesBackground.h"
#include "vela/wx/profile/FolderImagePath.h"

using namespace kalmora;

namespace {

constexpr char kEqualsInPath[] =
    "Files アプリは「=」を含むパスを読めないため、設定を書き込みませんでした。\n";
constexpr char kEqualsAdvice[] =
    "\n画像の名前を変えるか、「Files アプリにも設定する」をオフにしてください。";

} // namespace

void CMain::SetFilesApp(bool on) {
    filesApp = on;
    CheckMenuItem(GetMenu(), IDM_FILES_APP, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    UpdateLook();
}

void CMain::LoadFilesSettings() {
    SetFilesApp(GetPrivateProfileIntA(kAppName, kFilesAppKey, 0, settingsPath) != 0);
}

void CMain::SaveFilesSettings() {
    WritePrivateProfileStringA(kAppName, kFilesAppKey, filesApp ? "1" : "0", settingsPath);
}

bool CMain::RefuseFilesImage(const char* image, bool imageKept) {
    if (!imageKept)
        return false;
    CPathBuffer resolved;
    if (!vela::wx::ResolveFolderImagePath(folderPath, image, resolved)) {
        TellWriteFailed(ERROR_FILENAME_EXCED_RANGE);
        return true;
    }
    if (vela::wx::IsFilesImagePathWritable(resolved))
        return false;
    const std::string text =
        kEqualsInPath + std::string(ShortenedForBox(resolved).c_str()) + kEqualsAdvice;
    MessageBoxA(handle, text.c_str(), title, MB_OK | MB_ICONWARNING);
    return true;
}

bool CMain::WriteFilesKeys(const char* image, bool imageKept) {
    if (!imageKept)
        return vela::wx::ClearFilesBackground(folderPath);
    // Files takes no relative path; the shells take one from the folder.
    CPathBuffer resolved;
    if (!vela::wx::ResolveFolderImagePath(folderPath, image, resolved)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    return vela::wx::WriteFilesBackgroundImage(folderPath, resolved);
}
