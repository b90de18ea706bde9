// The look window: the folder drawn as the shells of Windows 2000/XP and ReactOS draw it, with
// a status line and the compatibility report below.
#include "app/LookWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "app/LookFilesView.h"
#include "app/LookReport.h"
#include "app/PictureFile.h"
#include "vela/wx/profile/FolderImagePath.h"
#include "app/resource.h"

namespace kalmora {

namespace {

constexpr char kClassName[] = "KalmoraLookWindow";
constexpr char kCaptionPrefix[] = "見た目の確認 - ";
constexpr char kPending[] = "変更はまだ適用されていません。";
constexpr char kApplied[] = "フォルダに書き込まれている設定です。";
constexpr int kStatusHeight = 20;
constexpr int kReportHeight = 120;
constexpr char kShellTab[] = "Windows 2000/XP・ReactOS";
constexpr char kFilesTab[] = "Files アプリ";

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

} // namespace

CLookWindow::~CLookWindow() {
    if (picture)
        DeleteObject(picture);
}

HWND CLookWindow::CreateHidden(HINSTANCE instance, HWND owner) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    // Registered once per process; a second registration fails and the first one serves.
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN));
    vela::wx::RegisterWndClassExA(0, instance, icon, LoadCursorA(nullptr, IDC_ARROW),
                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), kClassName, nullptr,
                                  icon, StaticWndProc);
    return CreateExA(0, kClassName, kCaptionPrefix, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                     CW_USEDEFAULT, CW_USEDEFAULT, 560, 460, owner, nullptr, instance, nullptr);
}

bool CLookWindow::IsOpen() const {
    return handle && IsWindowVisible(handle);
}

void CLookWindow::Update(const LookState& state) {
    if (!handle)
        return;
    CPathBuffer folder(state.folder);
    std::string caption = std::string(kCaptionPrefix) + folder.FindFileName();
    SetText(caption.c_str());

    ShowItems(state.folder);
    CPathBuffer image;
    vela::wx::ResolveFolderImagePath(state.folder, state.image, image);
    ShowPicture(image);

    shellText = state.defaultColors ? GetSysColor(COLOR_WINDOWTEXT) : state.textColor;
    // Over a picture, default captions are drawn straight onto it.
    shellTextBack = state.defaultColors ? CLR_NONE : state.textBackColor;
    ShowColors();

    SetWindowTextA(status, state.changed ? kPending : kApplied);
    // Apply only removes the section when it has neither a picture nor colours to write.
    bool applyMarks = !state.defaultColors || image.FileExists();
    SetWindowTextA(report,
                   ComposeReport(state.folder, state.image, applyMarks, state.filesApp).c_str());
}

void CLookWindow::ShowFilesView(bool files) {
    filesView = files;
    if (!handle)
        return;
    if (TabCtrl_GetCurSel(tabs) != (files ? 1 : 0))
        TabCtrl_SetCurSel(tabs, files ? 1 : 0);
    ShowColors();
}

void CLookWindow::ShowColors() {
    // Files reads no caption colours: its items keep the system's.
    COLORREF text = filesView ? GetSysColor(COLOR_WINDOWTEXT) : shellText;
    COLORREF textBack = filesView ? CLR_NONE : shellTextBack;
    fill = textBack == CLR_NONE ? GetSysColor(COLOR_WINDOW) : textBack;
    ListView_SetBkColor(view, CLR_NONE);
    ListView_SetTextColor(view, text);
    ListView_SetTextBkColor(view, textBack);
    InvalidateRect(view, nullptr, TRUE);
}

void CLookWindow::ShowItems(const char* folder) {
    std::vector<Item> found;
    CPathBuffer pattern(folder);
    pattern.Append("\\*");
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern, &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            // The shell leaves hidden items out unless told to show them.
            if (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)
                continue;
            if (lstrcmpA(data.cFileName, ".") == 0 || lstrcmpA(data.cFileName, "..") == 0)
                continue;
            found.push_back(
                {(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, data.cFileName});
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    std::sort(found.begin(), found.end(), [](const Item& a, const Item& b) {
        if (a.folder != b.folder)
            return a.folder;
        return lstrcmpiA(a.name.c_str(), b.name.c_str()) < 0;
    });
    if (found == items)
        return;
    items = found;
    itemsFolder.Assign(folder);

    // The system's image list, shared by every item: the view is told not to destroy it.
    if (!ListView_GetImageList(view, LVSIL_NORMAL)) {
        SHFILEINFOA info = {};
        auto icons = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA(folder, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
        if (icons)
            ListView_SetImageList(view, icons, LVSIL_NORMAL);
    }
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(view);
    ListView_SetItemCount(view, static_cast<int>(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = &items[i].name[0];
        // Asking the shell for an item's icon reads the file; a folder of thousands would take
        // seconds to open, so each icon is asked for when its item is first drawn.
        item.iImage = I_IMAGECALLBACK;
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
}

int CLookWindow::IconOf(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= items.size())
        return 0;
    CPathBuffer path(itemsFolder);
    path.Append("\\");
    path.Append(items[index].name.c_str());
    SHFILEINFOA info = {};
    SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON);
    return info.iIcon;
}

void CLookWindow::ShowPicture(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    bool exists = *path && GetFileAttributesExA(path, GetFileExInfoStandard, &data) &&
                  !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    // A picture rewritten in place under the same name is taken anew.
    if (exists && picture && lstrcmpiA(path, picturePath) == 0 &&
        SameTime(data.ftLastWriteTime, pictureTime))
        return;
    if (picture)
        DeleteObject(picture);
    picture = exists ? LoadPictureBitmap(path, GetSysColor(COLOR_WINDOW)) : nullptr;
    picturePath.Assign(picture ? path : "");
    pictureTime = data.ftLastWriteTime;
}

void CLookWindow::EraseView(HDC dc) {
    RECT client;
    GetClientRect(view, &client);
    if (!picture) {
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        return;
    }
    if (filesView) {
        DrawUniformToFill(dc, client, picture);
        return;
    }
    BITMAP info = {};
    GetObjectA(picture, sizeof info, &info);
    // In icon view the scroll positions are pixels of the item area. (LVM_GETORIGIN would
    // do, but Wine's and so ReactOS's answers it with the opposite sign of Windows'.)
    SCROLLINFO horizontal = {};
    horizontal.cbSize = sizeof horizontal;
    horizontal.fMask = SIF_POS;
    SCROLLINFO vertical = horizontal;
    int x = ::GetScrollInfo(view, SB_HORZ, &horizontal) ? horizontal.nPos : 0;
    int y = ::GetScrollInfo(view, SB_VERT, &vertical) ? vertical.nPos : 0;
    HBRUSH brush = CreatePatternBrush(picture);
    SetBrushOrgEx(dc, ((-x) % info.bmWidth + info.bmWidth) % info.bmWidth,
                  ((-y) % info.bmHeight + info.bmHeight) % info.bmHeight, nullptr);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

LRESULT CALLBACK CLookWindow::ViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* look = reinterpret_cast<CLookWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) {
        look->EraseView(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    if (!look->filesView)
        return CallWindowProcW(look->viewProc, hwnd, message, wParam, lParam);
    // Files' picture stands still behind scrolling items, but the view scrolls by moving what it
    // drew: after a scroll the whole view is drawn anew.
    const int x = ::GetScrollPos(hwnd, SB_HORZ);
    const int y = ::GetScrollPos(hwnd, SB_VERT);
    const LRESULT result = CallWindowProcW(look->viewProc, hwnd, message, wParam, lParam);
    if (::GetScrollPos(hwnd, SB_HORZ) != x || ::GetScrollPos(hwnd, SB_VERT) != y)
        InvalidateRect(hwnd, nullptr, TRUE);
    return result;
}

void CLookWindow::OnCreate(HWND hwnd) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    view = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE |
                               LVS_SHAREIMAGELISTS | LVS_SINGLESEL,
                           0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(IDC_LOOK_VIEW), instance,
                           nullptr);
    status = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, 0, 0, 0,
                             hwnd, reinterpret_cast<HMENU>(IDC_LOOK_STATUS), instance, nullptr);
    report = CreateWindowExA(
        WS_EX_CLIENTEDGE, "EDIT", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
        0, hwnd, reinterpret_cast<HMENU>(IDC_LOOK_REPORT), instance, nullptr);
    tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                           hwnd, reinterpret_cast<HMENU>(IDC_LOOK_TABS), instance, nullptr);
    auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(status, WM_SETFONT, font, FALSE);
    SendMessageA(report, WM_SETFONT, font, FALSE);
    SendMessageA(tabs, WM_SETFONT, font, FALSE);
    const char* names[] = {kShellTab, kFilesTab};
    for (int i = 0; i < 2; ++i) {
        TCITEMA tab = {};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(names[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
    }
    TabCtrl_SetCurSel(tabs, filesView ? 1 : 0);
    // Only the row of tabs shows; the view below stands for the page.
    RECT row = {};
    TabCtrl_GetItemRect(tabs, 0, &row);
    tabsHeight = row.bottom + 2;
    // The list view is a Unicode window; subclassing it through the W calls keeps it one.
    SetWindowLongPtrW(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    viewProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewProc)));
}

void CLookWindow::OnSize(int width, int height) {
    int viewHeight = std::max(0, height - tabsHeight - kStatusHeight - kReportHeight);
    MoveWindow(tabs, 0, 0, width, tabsHeight, TRUE);
    MoveWindow(view, 0, tabsHeight, width, viewHeight, TRUE);
    MoveWindow(status, 4, tabsHeight + viewHeight + 3, std::max(0, width - 8), kStatusHeight - 4,
               TRUE);
    MoveWindow(report, 0, tabsHeight + viewHeight + kStatusHeight, width, kReportHeight, TRUE);
}

LRESULT CLookWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY: {
        // WM_NOTIFY: (int id, NMHDR* header)
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == tabs && header->code == TCN_SELCHANGE)
            ShowFilesView(TabCtrl_GetCurSel(tabs) == 1);
        // The view asks in the form its parent answers WM_NOTIFYFORMAT with; both are the same
        // record up to the text, which is never asked for.
        if (header->hwndFrom == view &&
            (header->code == LVN_GETDISPINFOA || header->code == LVN_GETDISPINFOW)) {
            auto* item = &reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
            if (item->mask & LVIF_IMAGE) {
                item->iImage = IconOf(item->iItem);
                // The view keeps the answer: the shell is asked once per item.
                item->mask |= LVIF_DI_SETITEM;
            }
        }
        return 0;
    }
    case WM_CLOSE:
        // Kept, hidden, so that its place is still known when the settings are saved.
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_DESTROY:
        view = status = report = tabs = nullptr;
        items.clear();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace kalmora
