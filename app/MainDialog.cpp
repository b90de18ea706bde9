// The main dialog's handlers: start-up of the dialog, its commands and its two swatches.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>

#include "app/Main.h"
#include "app/TextColorDialog.h"
#include "app/Texts.h"
#include "app/resource.h"
#include "vela/wx/shell/AboutBox.h"
#include "vela/wx/shell/CommonDialogs.h"
#include "vela/wx/shell/Icon.h"

using namespace kalmora;

namespace {

// The image path last typed, chosen or cleared; the open-file dialog starts from it.
CPathBuffer imagePathBuffer;
// The folder browser's start folder on the way in, its choice on the way out.
CPathBuffer folderBrowseBuffer;

// The version fields the About box lists, by their index: company name (0), file description
// (1), file version (2), copyright (4) and original file name (5).
constexpr int kAboutFields = 1 << 0 | 1 << 1 | 1 << 2 | 1 << 4 | 1 << 5;

} // namespace

int CMain::OnInitDialog(HWND hwnd, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    LoadSettings();

    // Preview is on Ctrl+E although its menu item reads Ctrl+O; the menu keeps its texts.
    ACCEL keys[] = {
        {FVIRTKEY, VK_F5, IDM_REFRESH},
        {FVIRTKEY, VK_F2, IDM_ABOUT},
        {FVIRTKEY | FCONTROL, 'D', IDC_BROWSE_FOLDER},
        {FVIRTKEY | FCONTROL, 'E', IDC_PREVIEW},
        {FVIRTKEY | FCONTROL, 'I', IDC_BROWSE_IMAGE},
        {FVIRTKEY | FCONTROL, 'L', IDM_LOOK},
    };
    accelerator.Create(keys, ARRAYSIZE(keys));

    ApplyStartFolder(__argc, __argv);
    SetDlgItemTextA(hwnd, IDC_FOLDER, folderPath);

    // A shared resource icon stays valid for the window after the owner lets it go.
    vela::wx::CIcon icon;
    icon.Load(instance, MAKEINTRESOURCEA(IDI_MAIN));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.GetHandle()));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.GetHandle()));

    // All that DragAcceptFiles does; shell32 is then loaded only when something is dropped.
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);

    Refresh();
    return 1;
}

int CMain::OnCommand(HWND /*hwnd*/, WPARAM wParam, LPARAM /*lParam*/) {
    const WORD code = HIWORD(wParam);
    switch (LOWORD(wParam)) {
    case IDOK:
        ExitWithOk();
        return 1;
    case IDCANCEL:
        ExitAskingToSave();
        break;
    case IDC_CANCEL_BUTTON:
        ExitWithoutAsking();
        return 1;
    case IDC_APPLY:
        Apply();
        break;
    case IDC_FOLDER:
        if (code == EN_KILLFOCUS)
            TypeFolder();
        break;
    case IDC_IMAGE:
        if (code == EN_KILLFOCUS)
            TypeImage();
        break;
    case IDC_BROWSE_FOLDER:
        BrowseFolder();
        break;
    case IDC_BROWSE_IMAGE:
        BrowseImage();
        break;
    case IDC_NO_IMAGE:
        ClearImage();
        break;
    case IDC_PREVIEW:
        Preview();
        break;
    case IDC_CHANGE_COLORS:
        EditColors();
        break;
    case IDC_DEFAULT_COLORS:
        SetChanged(true);
        ShowCustomColors(false);
        Repaint();
        break;
    case IDM_ABOUT:
        ShowAbout();
        break;
    case IDM_REFRESH:
        Refresh();
        Repaint();
        break;
    case IDM_REVERT:
        Revert();
        break;
    case IDM_LOOK:
        OpenLook();
        break;
    case IDM_FILES_APP:
        SetFilesApp(!filesApp);
        break;
    }
    return 0;
}

int CMain::OnDrawItem(HWND /*hwnd*/, WPARAM /*wParam*/, LPARAM lParam) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID == IDC_TEXT_SWATCH)
        DrawSwatch(item, profile.GetIconTextColor());
    else if (item->CtlID == IDC_BACK_SWATCH)
        DrawSwatch(item, profile.GetIconTextBackColor());
    return 0;
}

void CMain::BrowseFolder() {
    folderBrowseBuffer = folderPath;
    if (vela::wx::SelectFolder(handle, folderBrowseBuffer, BIF_RETURNONLYFSDIRS))
        ChooseFolder(folderBrowseBuffer);
}

void CMain::BrowseImage() {
    const DWORD flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (vela::wx::SelectOpenFile(handle, kImageFilter, imagePathBuffer, MAX_PATH, flags))
        ShowChosenImage();
}

void CMain::TakePicture(const char* path) {
    imagePathBuffer.Assign(path);
    ShowChosenImage();
}

void CMain::ShowChosenImage() {
    SetDlgItemTextA(handle, IDC_IMAGE, imagePathBuffer);
    SetImageLabel(imagePathBuffer);
    SetImageChanged();
}

void CMain::TypeImage() {
    GetDlgItemTextA(handle, IDC_IMAGE, imagePathBuffer, MAX_PATH);
    SetImageChanged();
}

void CMain::ClearImage() {
    imagePathBuffer.Assign("");
    SetDlgItemTextA(handle, IDC_IMAGE, "");
    SetImageLabel("");
    SetImageChanged();
}

void CMain::SetImageChanged() {
    SetChanged(std::strcmp(imagePathBuffer, profile.GetImagePath()) != 0);
    UpdateLook();
}

void CMain::Preview() {
    // Quoted, so that a folder holding a comma or starting with "/" is not read as Explorer's
    // own switches.
    char parameters[MAX_PATH + 2];
    wsprintfA(parameters, "\"%s\"", folderPath.c_str());
    ShellExecuteA(nullptr, "open", "explorer", parameters, "", SW_SHOW);
}

void CMain::EditColors() {
    // Cancel leaves the colours as they were, default ones included: showing swatches now would
    // make the next Apply write two colours the user never chose.
    if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TEXT_COLOR), handle, TextColorDlgProc, 0) !=
        IDOK)
        return;
    ShowCustomColors(true);
    Repaint();
}

void CMain::ShowAbout() {
    vela::wx::CIcon icon;
    icon.Load(instance, MAKEINTRESOURCEA(IDI_MAIN));
    vela::wx::ShowAboutBox(handle, kAboutFields, icon.GetHandle());
}
