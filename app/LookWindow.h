// The look window: the folder drawn as the shells of Windows 2000/XP and ReactOS draw it, with
// a status line and the compatibility report below.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "vela/wx/shell/PathBuffer.h"
#include "vela/wx/window/Window.h"

namespace kalmora {

// What Apply would write now, and whether that is still to be written.
struct LookState {
    const char* folder;
    // As the image field holds it: absolute, or relative to the folder.
    const char* image;
    bool defaultColors;
    COLORREF textColor;
    COLORREF textBackColor;
    bool changed;
    // Apply writes the Files file manager's keys too.
    bool filesApp;
};

class CLookWindow : public vela::wx::CWindow {
public:
    CLookWindow() = default;
    ~CLookWindow() override;

    // Made hidden, owned by the main dialog; null when it could not be made.
    HWND CreateHidden(HINSTANCE instance, HWND owner);
    bool IsOpen() const;
    void Update(const LookState& state);
    // The folder as the Files file manager shows it, or as the shells do.
    void ShowFilesView(bool files);
    bool IsFilesView() const { return filesView; }

    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // WM_CREATE: (CREATESTRUCT* create)
    void OnCreate(HWND hwnd);
    // WM_SIZE: (UINT type, int cx, int cy)
    void OnSize(int width, int height);
    void ShowItems(const char* folder);
    // The item's icon in the system's image list.
    int IconOf(int index) const;
    void ShowPicture(const char* path);
    // The view's background: the picture tiled from the view's origin, so that it moves with
    // the items, or one colour.
    void EraseView(HDC dc);
    // The captions' colours in the view shown.
    void ShowColors();
    static LRESULT CALLBACK ViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND view = nullptr;
    HWND status = nullptr;
    HWND report = nullptr;
    HWND tabs = nullptr;
    int tabsHeight = 0;
    bool filesView = false;
    COLORREF shellText = 0;
    COLORREF shellTextBack = 0;
    WNDPROC viewProc = nullptr;
    HBITMAP picture = nullptr;
    CPathBuffer picturePath;
    FILETIME pictureTime = {};
    COLORREF fill = 0;
    struct Item {
        bool folder;
        std::string name;
        bool operator==(const Item& other) const {
            return folder == other.folder && name == other.name;
        }
    };
    // As shown: folders first, then files, each by name.
    std::vector<Item> items;
    CPathBuffer itemsFolder;
};

} // namespace kalmora
