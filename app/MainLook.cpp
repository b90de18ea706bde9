// The main dialog's look window, what a drop onto the dialog offers, and the shell told of
// each write.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>

#include "app/DropFiles.h"
#include "app/Main.h"
#include "app/Texts.h"
#include "app/resource.h"
#include "vela/wx/profile/DesktopIniNames.h"
#include "vela/wx/profile/ProfileValues.h"

using namespace kalmora;

void CMain::OpenLook() {
    // The accelerator reaches here whatever the menu shows.
    if (GetMenuState(GetMenu(), IDM_LOOK, MF_BYCOMMAND) & MF_GRAYED)
        return;
    int show = SW_SHOW;
    if (!look.handle) {
        if (!look.CreateHidden(instance, handle))
            return;
        WINDOWPLACEMENT placement;
        if (vela::wx::ReadPlacementRecord(kAppName, kLookPlacementKey, &placement, settingsPath)) {
            show = placement.showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
            placement.showCmd = SW_HIDE;
            SetWindowPlacement(look.handle, &placement);
        } else {
            PlaceLookBesideDialog();
        }
    } else if (IsIconic(look.handle)) {
        show = SW_RESTORE;
    }
    // Filled while hidden and then shown: a folder of thousands of items is drawn once, not
    // drawn empty first and then item by item.
    if (FillLook())
        ShowWindow(look.handle, show);
}

void CMain::PlaceLookBesideDialog() {
    RECT dialog;
    RECT window;
    RECT work;
    GetWindowRect(handle, &dialog);
    GetWindowRect(look.handle, &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = dialog.right;
    if (x + width > work.right)
        x = std::max<int>(work.left, work.right - width);
    int y = std::max<int>(work.top, std::min<int>(dialog.top, work.bottom - height));
    SetWindowPos(look.handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMain::UpdateLook() {
    if (look.IsOpen())
        FillLook();
}

bool CMain::FillLook() {
    if (!folderPath.FileExists()) {
        ShowWindow(look.handle, SW_HIDE);
        return false;
    }
    CPathBuffer image;
    GetDlgItemTextA(handle, IDC_IMAGE, image, MAX_PATH);
    look.Update({folderPath, image, defaultColors, profile.GetIconTextColor(),
                 profile.GetIconTextBackColor(), changed, filesApp});
    return true;
}

void CMain::LoadLookSettings() {
    if (GetPrivateProfileIntA(kAppName, kLookOpenKey, 0, settingsPath))
        OpenLook();
}

void CMain::SaveLookSettings() {
    WritePrivateProfileStringA(kAppName, kLookOpenKey, look.IsOpen() ? "1" : "0", settingsPath);
    // A window never opened this time leaves the place it had before.
    if (look.handle)
        vela::wx::WriteWindowPlacement(kAppName, kLookPlacementKey, look.handle, settingsPath);
}

void CMain::NotifyShell() {
    CPathBuffer file(folderPath);
    file.Append(vela::wx::kDesktopIniFile);
    SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHA, file.c_str(), nullptr);
    SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA, folderPath.c_str(), nullptr);
}

int CMain::OnDropFiles(HWND /*hwnd*/, WPARAM wParam, LPARAM /*lParam*/) {
    auto drop = reinterpret_cast<HDROP>(wParam);
    CPathBuffer path;
    DroppedItem item = TakeDroppedItem(drop, path);
    DragFinish(drop);
    if (item == DroppedItem::Folder)
        ChooseFolder(path);
    // A picture is taken only where the open-file dialog could have chosen it.
    else if (item == DroppedItem::Picture && IsWindowEnabled(GetItem(IDC_BROWSE_IMAGE)))
        TakePicture(path);
    return 0;
}
