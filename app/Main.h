// The application object: the state of the folder being edited, its operations, the main dialog.
#pragma once

#include <windows.h>

#include "app/LookWindow.h"
#include "vela/fnd/Singleton.h"
#include "vela/wx/profile/DesktopIniImage.h"
#include "vela/wx/profile/DesktopProfile.h"
#include "vela/wx/shell/PathBuffer.h"
#include "vela/wx/window/DlgApplication.h"

class CMain : public vela::wx::CDlgApplication, public vela::fnd::CSingleton<CMain, 1> {
public:
    CMain();

    bool OnInitInstance() override;

    // WM_INITDIALOG: (HWND focus, LPARAM init)
    int OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    // WM_COMMAND: (WORD id, WORD code, HWND control)
    int OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    // WM_DRAWITEM: (UINT id, DRAWITEMSTRUCT* item)
    int OnDrawItem(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    // WM_DROPFILES: (HDROP drop)
    int OnDropFiles(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

    void SetSettingsPath(HINSTANCE module);
    void ApplyStartFolder(int argc, char** argv);
    bool LoadSettings();
    bool SaveSettings();
    // True when the folder exists and was loaded.
    bool Refresh();
    // False, with the changes still pending and the user told, when the folder could not be
    // written.
    bool Apply();
    void Revert();
    void SetChanged(bool isChanged);
    void ShowCustomColors(bool custom);
    void EnableFolderControls(bool enable);

    void ChooseFolder(const char* folder);
    void TypeFolder();

    // The look window follows what Apply would write now.
    void OpenLook();
    void UpdateLook();

    // Apply also writes the Files file manager's background keys (a setting of this tool, kept in
    // setup.ini, not of the folder).
    void SetFilesApp(bool on);

    CPathBuffer settingsPath;
    vela::wx::CDesktopProfile profile;
    bool changed = false;
    bool defaultColors = false;
    CPathBuffer folderPath;
    kalmora::CLookWindow look;
    bool filesApp = false;

private:
    void ExitWithOk();
    void ExitAskingToSave();
    void ExitWithoutAsking();
    void BrowseFolder();
    void BrowseImage();
    void TakePicture(const char* path);
    void ShowChosenImage();
    void TypeImage();
    void ClearImage();
    void Preview();
    void EditColors();
    void ShowAbout();
    void SetImageLabel(const char* imagePath);
    void SetImageChanged();
    bool AskToSave();
    void TellWriteFailed(DWORD error);
    // A path as one line of a message box, a long one shortened in the middle.
    static CPathBuffer ShortenedForBox(const char* path);
    void Repaint();
    // Where the look window first opens: to the right of the dialog, on the screen.
    void PlaceLookBesideDialog();
    // False, with the look window hidden, when the folder has gone.
    bool FillLook();
    void LoadLookSettings();
    void SaveLookSettings();
    // Open shell windows draw the folder anew only when told that it changed.
    void NotifyShell();
    void LoadFilesSettings();
    void SaveFilesSettings();
    // True, after telling the user, when Files could not read the picture's path from its key.
    bool RefuseFilesImage(const char* image, bool imageKept);
    // The Files keys that go with what Apply wrote: the picture's absolute path, or none.
    bool WriteFilesKeys(const char* image, bool imageKept);

    // The folder's Desktop.ini exactly as the last Refresh found it: what Revert restores.
    vela::wx::CDesktopIniImage loadedFile;
    // The IconArea_Image the folder's Desktop.ini holds, as loaded or last applied.
    CPathBuffer fileImagePath;
};
