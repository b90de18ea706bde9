// The application object: the state of the folder being edited, its operations, the main dialog.
#include "app/Main.h"

#include <cstring>
#include <string>
#include <utility>

#include "app/SettingsPath.h"
#include "app/Texts.h"
#include "app/resource.h"
#include "vela/wx/profile/DesktopIniNames.h"
#include "vela/wx/profile/FolderImagePath.h"
#include "vela/wx/profile/ProfileValues.h"
#include "vela/wx/window/DlgFocus.h"

using namespace kalmora;
using vela::wx::EnableControl;

namespace {

// A message box never breaks a path: one of this many characters stays well inside the narrowest
// screen. Some systems count them in bytes, others (Wine) in UTF-16 units, where a double-byte
// path may take twice as many bytes; that still fits.
constexpr UINT kBoxPathChars = 60;

} // namespace

CPathBuffer CMain::ShortenedForBox(const char* path) {
    CPathBuffer full(path);
    CPathBuffer shortened;
    if (!full.CompactPathEx(shortened, kBoxPathChars, 0))
        return full;
    return shortened;
}

CMain::CMain() : vela::wx::CDlgApplication(kAppName), vela::fnd::CSingleton<CMain, 1>(0) {}

bool CMain::OnInitInstance() {
    SetSettingsPath(instance);
    HWND dialog = CreateModeless(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, StaticDlgProc, 0);
    // Without its dialog the program would run an endless loop with nothing on screen.
    if (!dialog)
        return false;
    SetText(title);
    CDlgApplication::OnInitInstance();
    // The look window opens over its owner, as when the user opens it.
    LoadLookSettings();
    return true;
}

void CMain::SetSettingsPath(HINSTANCE module) {
    GetModuleFileNameA(module, settingsPath, MAX_PATH);
    settingsPath.RemoveFileSpec();
    settingsPath.Append(kSettingsFile);
    // Beside the executable when it can be written there, as a portable program keeps it; an
    // installed program in a folder the user cannot write keeps it in the user's profile.
    if (!CanWriteFile(settingsPath))
        GetPerUserSettingsPath(settingsPath);
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
    // The dialog is still hidden: it is shown once, filled, in the state the placement asks for.
    if (UINT shown =
            vela::wx::ReadHiddenWindowPlacement(kAppName, kPlacementKey, handle, settingsPath))
        showCommand = shown;
    LoadFilesSettings();
    return true;
}

bool CMain::SaveSettings() {
    CPathBuffer directory(settingsPath);
    directory.RemoveFileSpec();
    if (!directory.FileExists())
        CreateDirectoryA(directory, nullptr);
    WritePrivateProfileStringA(kAppName, kOpenKey, folderPath, settingsPath);
    vela::wx::WriteWindowPlacement(kAppName, kPlacementKey, handle, settingsPath);
    SaveLookSettings();
    SaveFilesSettings();
    return true;
}

bool CMain::Refresh() {
    profile.SetImagePath("");
    SetChanged(false);
    if (!folderPath.FileExists()) {
        EnableFolderControls(false);
        return false;
    }
    // The snapshot is taken anew only when the file's bytes changed: the profile functions read
    // the file once for each section, so a refresh of an untouched file or the reload after a
    // revert costs one read of it instead.
    vela::wx::CDesktopIniImage found;
    found.Capture(folderPath);
    if (found.SameFile(loadedFile) && !profile.GetSections().empty())
        profile.ReadAppearance(folderPath);
    else
        profile.LoadFolder(folderPath);
    loadedFile = std::move(found);
    fileImagePath.Assign(profile.GetImagePath());
    bool custom =
        profile.FindValue(vela::wx::kFolderBackgroundSection, vela::wx::kIconAreaTextKey) &&
        profile.FindValue(vela::wx::kFolderBackgroundSection, vela::wx::kIconAreaTextBackgroundKey);
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
    // A relative path is tested from the folder, as the shells resolve it. The path the file
    // holds already is kept even when it cannot be reached now (a drive not plugged in): only a
    // path the user typed or chose must name an existing picture.
    const bool imageKept = vela::wx::FolderImageExists(folderPath, text) ||
                           (text[0] && std::strcmp(text, fileImagePath) == 0);
    profile.SetImagePath(text);
    if (filesApp && RefuseFilesImage(text, imageKept))
        return false;
    // A write can fail after some keys reached the file; what it changed is undone from this.
    vela::wx::CDesktopIniImage before;
    if (!before.Capture(folderPath)) {
        TellWriteFailed(GetLastError());
        return false;
    }
    // Files' keys go first: a file they turn into UTF-16 is converted from the bytes the user
    // left, not from what some platforms' profile writers (Wine's) make of them on rewriting.
    bool written = !filesApp || WriteFilesKeys(text, imageKept);
    if (written && defaultColors && !imageKept)
        written = profile.ClearAppearance(folderPath);
    else if (written)
        written = profile.WriteAppearance(folderPath, imageKept, !defaultColors, !defaultColors);
    if (!written) {
        const DWORD error = GetLastError();
        vela::wx::CDesktopIniImage after;
        if (!after.Capture(folderPath) || !after.SameAs(before))
            before.Restore();
        TellWriteFailed(error);
        return false;
    }
    fileImagePath.Assign(imageKept ? text.c_str() : "");
    SetChanged(false);
    NotifyShell();
    UpdateLook();
    return true;
}

void CMain::Revert() {
    if (!AskYesNo(kRevertQuestion, folderPath))
        return;
    // The file goes back byte for byte under its old name, with the attributes of file and
    // folder; the profile functions could only write what they parse, in their own encoding.
    // A failed restore leaves the file whole and the image as taken, to retry with, so no
    // reload follows it.
    if (!loadedFile.Restore()) {
        TellWriteFailed(GetLastError());
        return;
    }
    NotifyShell();
    Refresh();
    Repaint();
}

void CMain::SetChanged(bool isChanged) {
    changed = isChanged;
    EnableControl(GetItem(IDOK), isChanged);
    EnableControl(GetItem(IDC_APPLY), isChanged);
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
        EnableControl(GetItem(id), enable);
    int swatches = enable ? SW_SHOWNORMAL : SW_HIDE;
    ShowWindow(GetItem(IDC_TEXT_SWATCH), swatches);
    ShowWindow(GetItem(IDC_BACK_SWATCH), swatches);
    UINT state = MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED);
    HMENU menu = GetMenu();
    EnableMenuItem(menu, IDC_PREVIEW, state);
    EnableMenuItem(menu, IDC_BROWSE_IMAGE, state);
    EnableMenuItem(menu, IDM_REVERT, state);
    EnableMenuItem(menu, IDM_LOOK, state);
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

void CMain::ExitAskingToSave() {
    if (changed && AskToSave() && !Apply())
        return;
    SaveSettings();
    Destroy();
}

void CMain::ExitWithoutAsking() {
    SaveSettings();
    Destroy();
}

bool CMain::AskToSave() {
    return AskYesNo(kSaveQuestion, kSaveCaption);
}

void CMain::TellWriteFailed(DWORD error) {
    std::string text = kWriteFailed;
    text += ShortenedForBox(folderPath);
    // The system's own words for the error, in the system's language where it has them.
    char reason[512];
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD length = 0;
    if (error != NO_ERROR) {
        length =
            FormatMessageA(flags, nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT),
                           reason, sizeof reason, nullptr);
        if (length == 0)
            length = FormatMessageA(flags, nullptr, error, 0, reason, sizeof reason, nullptr);
    }
    while (length > 0 &&
           (reason[length - 1] == '\r' || reason[length - 1] == '\n' || reason[length - 1] == ' '))
        --length;
    if (length > 0)
        text += "\n" + std::string(reason, length);
    MessageBoxA(handle, text.c_str(), title, MB_OK | MB_ICONWARNING);
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
    UpdateLook();
}
