// The application object: the state of the folder being edited, its operations, the main dialog.
#include "app/Main.h"

#include <cstring>

#include "app/Texts.h"
#include "app/resource.h"
#include "vela/wx/profile/ProfileValues.h"

using namespace kalmora;

CMain::CMain() : vela::wx::CDlgApplication(kAppName), vela::fnd::CSingleton<CMain, 1>(0) {}

bool CMain::OnInitInstance() {
    SetSettingsPath(instance);
    HWND dialog = CreateModeless(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, StaticDlgProc, 0);
    // Without its dialog the program would run an endless loop with nothing on screen.
    if (!dialog)
        return false;
    SetText(title);
    return CDlgApplication::OnInitInstance();
}

void CMain::SetSettingsPath(HINSTANCE module) {
    GetModuleFileNameA(module, settingsPath, MAX_PATH);
    settingsPath.RemoveFileSpec();
    settingsPath.Append(kSettingsFile);
}

void CMain::ApplyStartFolder(int argc, char** argv) {
    if (argc <= 1)
        return;
    // A longer argument would be cut to some other path; it cannot name a folder here anyway.
    if (std::strlen(argv[1]) >= MAX_PATH)
        return;
    CPathBuffer argument(argv[1]);
    if (argument.FileExists())
        folderPath = argument;
}

bool CMain::LoadSettings() {
    GetPrivateProfileStringA(kAppName, kOpenKey, "", folderPath, MAX_PATH, settingsPath);
    vela::wx::ReadWindowPlacement(kAppName, kPlacementKey, handle, settingsPath);
    return true;
}

bool CMain::SaveSettings() {
    CPathBuffer directory(settingsPath);
    directory.RemoveFileSpec();
    if (!directory.FileExists())
        CreateDirectoryA(directory, nullptr);
    WritePrivateProfileStringA(kAppName, kOpenKey, folderPath, settingsPath);
    vela::wx::WriteWindowPlacement(kAppName, kPlacementKey, handle, settingsPath);
    return true;
}

bool CMain::Refresh() {
    profile.SetImagePath("");
    SetChanged(false);
    if (!folderPath.FileExists()) {
        EnableFolderControls(false);
        return false;
    }
    profile.LoadFolder(folderPath);
    bool custom = profile.FindValue(kBackgroundSection, kTextColorKey) &&
                  profile.FindValue(kBackgroundSection, kTextBackColorKey);
    SetImageLabel(profile.GetImagePath());
    SetDlgItemTextA(handle, IDC_IMAGE, profile.GetImagePath());
    EnableFolderControls(true);
    ShowCustomColors(custom);
    Repaint();
    return true;
}

bool CMain::Apply() {
    CPathBuffer text;
    GetDlgItemTextA(handle, IDC_IMAGE, text, MAX_PATH);
    bool imageExists = text.FileExists();
    profile.SetImagePath(text);
    bool written;
    if (defaultColors && !imageExists)
        written = profile.ClearAppearance(folderPath);
    else
        written = profile.WriteAppearance(folderPath, imageExists, !defaultColors, !defaultColors);
    if (!written) {
        TellWriteFailed();
        return false;
    }
    SetChanged(false);
    return true;
}

void CMain::Revert() {
    if (!AskYesNo(kRevertQuestion, folderPath))
        return;
    // The in-memory copy is the only record of the start-up state: a failed write-back must
    // not be followed by a reload that would replace it with the half-written file.
    if (!profile.WriteBack(true)) {
        TellWriteFailed();
        return;
    }
    Refresh();
    Repaint();
}

void CMain::SetChanged(bool isChanged) {
    changed = isChanged;
    EnableWindow(GetItem(IDOK), isChanged);
    EnableWindow(GetItem(IDC_APPLY), isChanged);
    EnableMenuItem(GetMenu(), IDC_APPLY, MF_BYCOMMAND | (isChanged ? MF_ENABLED : MF_GRAYED));
}

void CMain::ShowCustomColors(bool custom) {
    defaultColors = !custom;
    int labels = custom ? SW_HIDE : SW_SHOWNORMAL;
    int swatches = custom ? SW_SHOWNORMAL : SW_HIDE;
    ShowWindow(GetItem(IDC_TEXT_DEFAULT), labels);
    ShowWindow(GetItem(IDC_BACK_DEFAULT), labels);
    ShowWindow(GetItem(IDC_TEXT_SWATCH), swatches);
    ShowWindow(GetItem(IDC_BACK_SWATCH), swatches);
}

void CMain::EnableFolderControls(bool enable) {
    static const int controls[] = {IDC_IMAGE,          IDC_IMAGE_LABEL,      IDC_BROWSE_IMAGE,
                                   IDC_NO_IMAGE,       IDC_PREVIEW,          IDC_CHANGE_COLORS,
                                   IDC_DEFAULT_COLORS, IDC_TEXT_COLOR_LABEL, IDC_BACK_COLOR_LABEL,
                                   IDC_TEXT_DEFAULT,   IDC_BACK_DEFAULT};
    for (int id : controls)
        EnableWindow(GetItem(id), enable);
    int swatches = enable ? SW_SHOWNORMAL : SW_HIDE;
    ShowWindow(GetItem(IDC_TEXT_SWATCH), swatches);
    ShowWindow(GetItem(IDC_BACK_SWATCH), swatches);
    UINT state = MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED);
    HMENU menu = GetMenu();
    EnableMenuItem(menu, IDC_PREVIEW, state);
    EnableMenuItem(menu, IDC_BROWSE_IMAGE, state);
    EnableMenuItem(menu, IDM_REVERT, state);
    if (!enable) {
        SetImageLabel("");
        SetDlgItemTextA(handle, IDC_IMAGE, "");
    }
}

void CMain::ChooseFolder(const char* folder) {
    folderPath.Assign(folder);
    SetDlgItemTextA(handle, IDC_FOLDER, folderPath);
    SetText(folderPath.FindFileName());
    Refresh();
}

void CMain::TypeFolder() {
    CPathBuffer text;
    GetDlgItemTextA(handle, IDC_FOLDER, text, MAX_PATH);
    if (!text.FileExists()) {
        // The pending changes belong to the folder still shown; when they cannot be written
        // there, the dialog stays on that folder so that nothing is lost unseen.
        if (changed && AskToSave() && !Apply()) {
            SetDlgItemTextA(handle, IDC_FOLDER, folderPath);
            Repaint();
            return;
        }
        folderPath = text;
        SetText(title);
        EnableFolderControls(false);
        SetChanged(false);
    } else if (std::strcmp(text, folderPath) != 0) {
        folderPath = text;
        Refresh();
        SetText(folderPath.FindFileName());
    }
    Repaint();
}

void CMain::ExitWithOk() {
    // The OK button is enabled only while changes are pending; Enter with nothing pending
    // (the dialog's default button) must not write into a folder that may not even exist.
    if (changed && !Apply())
        return;
    SaveSettings();
    Destroy();
}

void CMain::ExitWithCancel() {
    if (changed && AskToSave() && !Apply())
        return;
    SaveSettings();
    Destroy();
}

void CMain::ExitWithCancelButton() {
    SaveSettings();
    Destroy();
}

bool CMain::AskToSave() {
    return AskYesNo(kSaveQuestion, kSaveCaption);
}

void CMain::TellWriteFailed() {
    char text[sizeof kWriteFailed + MAX_PATH];
    lstrcpyA(text, kWriteFailed);
    lstrcatA(text, folderPath);
    MessageBoxA(handle, text, title, MB_OK | MB_ICONWARNING);
}

void CMain::SetImageLabel(const char* imagePath) {
    // The prefix and the file name of any 260-character path.
    char label[292];
    lstrcpyA(label, kImageLabelPrefix);
    if (*imagePath) {
        CPathBuffer path(imagePath);
        lstrcatA(label, path.FindFileName());
    }
    SetDlgItemTextA(handle, IDC_IMAGE_LABEL, label);
}

void CMain::Repaint() {
    Invalidate(nullptr, FALSE);
}
