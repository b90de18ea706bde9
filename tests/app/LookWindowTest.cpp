// The look window in process: what it draws, checked by its pixels, what its report says, and
// how it follows the main dialog; drops onto the main dialog; the Ctrl+L key and the menu item.
#include "tests/app/AppFixture.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/resource.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kDarkGreen = RGB(0, 128, 0);
const COLORREF kPurple = RGB(128, 0, 128);

// The picture's period: 6 by 4 pixels, dark green and purple in quarters that differ by column
// and by row, so that a wrong period or a shifted start shows in either direction.
constexpr int kTileWidth = 6;
constexpr int kTileHeight = 4;

COLORREF TileColour(int x, int y) {
    return ((x % kTileWidth < 3) != (y % kTileHeight < 2)) ? kPurple : kDarkGreen;
}

// A 24-bit bottom-up BMP file of a picture whose pixels that function gives.
std::string Bmp(int width, int height, COLORREF (*colour)(int x, int y)) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = stride * height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int row = height - 1; row >= 0; --row) {
        std::string line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            COLORREF c = colour(x, row);
            line[x * 3] = static_cast<char>(GetBValue(c));
            line[x * 3 + 1] = static_cast<char>(GetGValue(c));
            line[x * 3 + 2] = static_cast<char>(GetRValue(c));
        }
        bytes += line;
    }
    return bytes;
}

std::string TileBmp() {
    return Bmp(kTileWidth, kTileHeight, TileColour);
}

// What a window's client area shows, read back from its device context: drawn anew, or as the
// window last left it.
class Pixels {
public:
    explicit Pixels(HWND hwnd, bool redraw = true) {
        if (redraw)
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(hwnd, &client);
        width = client.right;
        height = client.bottom;
        HDC window = GetDC(hwnd);
        HDC memory = CreateCompatibleDC(window);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const DWORD*>(bits);
        pixels.assign(p, p + width * height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(hwnd, window);
    }

    COLORREF At(int x, int y) const {
        DWORD bgr = pixels[y * width + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    int Count(const RECT& r, COLORREF colour) const {
        int n = 0;
        for (int y = std::max(0L, r.top); y < std::min<LONG>(height, r.bottom); ++y)
            for (int x = std::max(0L, r.left); x < std::min<LONG>(width, r.right); ++x)
                n += At(x, y) == colour;
        return n;
    }

    int width = 0;
    int height = 0;

private:
    std::vector<DWORD> pixels;
};

// Closes the colour dialog with OK after the scrolls, once it is activated.
std::vector<std::pair<int, WPARAM>>* colourScrolls = nullptr;

LRESULT CALLBACK OkColourDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && colourScrolls) {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        for (const auto& [bar, scroll] : *colourScrolls)
            PostMessageA(dialog, WM_HSCROLL, scroll,
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, bar)));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        colourScrolls = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class LookTest : public AppTest {
protected:
    void OpenLook() {
        Command(IDM_LOOK);
        look = app->look.GetHandle();
        ASSERT_TRUE(look);
        ASSERT_TRUE(IsWindowVisible(look));
    }
    HWND View() const { return GetDlgItem(look, IDC_LOOK_VIEW); }
    std::string Report() const { return LookText(IDC_LOOK_REPORT); }
    std::string Status() const { return LookText(IDC_LOOK_STATUS); }
    std::string LookText(int id) const {
        char text[2048] = "";
        GetWindowTextA(GetDlgItem(look, id), text, sizeof text);
        return text;
    }
    int IndexOf(const char* name) const {
        LVFINDINFOA find = {};
        find.flags = LVFI_STRING;
        find.psz = name;
        return static_cast<int>(
            SendMessageA(View(), LVM_FINDITEMA, -1, reinterpret_cast<LPARAM>(&find)));
    }
    RECT LabelOf(const char* name) const {
        int index = IndexOf(name);
        RECT label = {};
        EXPECT_GE(index, 0) << name;
        ListView_GetItemRect(View(), index, &label, LVIR_LABEL);
        return label;
    }
    // The folder with the tile beside an item, red captions on yellow.
    void StartOnTiledFolder() {
        dir.WriteFile("Folder\\tile.bmp", TileBmp());
        dir.WriteFile("Folder\\item.txt", "x");
        WriteDesktopIni("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Image=tile.bmp\r\n"
                        "IconArea_Text=0x000000ff\r\nIconArea_TextBackground=0x0000ffff\r\n");
        Start(folder);
        OpenLook();
    }

    HWND look = nullptr;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(LookTest, TilesThePictureWithItsPeriodAndDrawsCaptionsInTheirColours) {
    StartOnTiledFolder();
    std::string caption(1024, '\0');
    caption.resize(GetWindowTextA(look, &caption[0], 1024));
    EXPECT_EQ(caption, "見た目の確認 - Folder");

    Pixels view(View());
    ASSERT_GT(view.height, 120);
    // Below the one row of items, every pixel is the tile's, counted from the view's corner.
    int wrong = 0;
    for (int y = 100; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x)
            wrong += view.At(x, y) != TileColour(x, y);
    EXPECT_EQ(wrong, 0);

    RECT label = LabelOf("item.txt");
    EXPECT_GT(view.Count(label, kRed), 0);
    EXPECT_GT(view.Count(label, kYellow), 0);
    EXPECT_EQ(view.Count(label, kPurple) + view.Count(label, kDarkGreen), 0);
}

namespace {

// The picture re-encoded by GDI+ with the encoder of that class id; false when it cannot be.
bool Reencode(const std::string& from, const std::string& to, const CLSID& encoder) {
    WCHAR source[MAX_PATH];
    WCHAR target[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, from.c_str(), -1, source, MAX_PATH);
    MultiByteToWideChar(CP_ACP, 0, to.c_str(), -1, target, MAX_PATH);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    Gdiplus::GpBitmap* picture = nullptr;
    bool saved =
        Gdiplus::DllExports::GdipCreateBitmapFromFile(source, &picture) == Gdiplus::Ok &&
        Gdiplus::DllExports::GdipSaveImageToFile(picture, target, &encoder, nullptr) == Gdiplus::Ok;
    if (picture)
        Gdiplus::DllExports::GdipDisposeImage(picture);
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

// A GIF file of the tile: a two-colour table, and LZW codes of three bits that never grow, as
// a clear code comes before every second pixel.
std::string TileGif() {
    std::string bytes = "GIF89a";
    auto word = [&](int value) {
        bytes += static_cast<char>(value & 0xFF);
        bytes += static_cast<char>(value >> 8);
    };
    word(kTileWidth);
    word(kTileHeight);
    bytes += '\x80'; // a global table of two colours
    bytes += std::string(2, '\0');
    for (COLORREF c : {kDarkGreen, kPurple}) {
        bytes += static_cast<char>(GetRValue(c));
        bytes += static_cast<char>(GetGValue(c));
        bytes += static_cast<char>(GetBValue(c));
    }
    bytes += ',';
    word(0);
    word(0);
    word(kTileWidth);
    word(kTileHeight);
    bytes += '\0';
    bytes += '\x02'; // the smallest code size: clear is 4, end is 5
    std::vector<int> codes;
    for (int i = 0; i < kTileWidth * kTileHeight; ++i) {
        if (i % 2 == 0)
            codes.push_back(4);
        codes.push_back(TileColour(i % kTileWidth, i / kTileWidth) == kPurple ? 1 : 0);
    }
    codes.push_back(5);
    std::string data;
    int bits = 0;
    int used = 0;
    for (int code : codes) {
        bits |= code << used;
        used += 3;
        while (used >= 8) {
            data += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            used -= 8;
        }
    }
    if (used > 0)
        data += static_cast<char>(bits);
    bytes += static_cast<char>(data.size());
    bytes += data;
    bytes += '\0';
    bytes += ';';
    return bytes;
}

} // namespace

// The formats that OleLoadPicture would not read on Windows XP among them.
TEST_F(LookTest, PngAndGifPicturesAreTiledLikeBmp) {
    std::string bmp = dir.WriteFile("tile.bmp", TileBmp());
    std::string png = dir.Sub("tile.png");
    // GDI+'s own PNG encoder.
    const CLSID pngEncoder = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    ASSERT_TRUE(Reencode(bmp, png, pngEncoder));
    std::string gif = dir.WriteFile("tile.gif", TileGif());
    for (const std::string& path : {png, gif}) {
        WriteDesktopIni("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Image=" + path +
                        "\r\n");
        Start(folder);
        OpenLook();
        Pixels view(View());
        int wrong = 0;
        for (int y = 100; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x)
                wrong += view.At(x, y) != TileColour(x, y);
        EXPECT_EQ(wrong, 0) << path;
        DestroyWindow(dialog);
        Pump();
        app.reset();
    }
}

TEST_F(LookTest, ThePictureMovesWithTheItemsWhenTheyScroll) {
    dir.WriteFile("Folder\\tile.bmp", TileBmp());
    for (int i = 0; i < 80; ++i)
        dir.WriteFile("Folder\\item" + std::to_string(100 + i) + ".txt", "");
    WriteDesktopIni("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Image=tile.bmp\r\n");
    Start(folder);
    OpenLook();
    RECT first;
    ListView_GetItemRect(View(), 0, &first, LVIR_BOUNDS);
    // Not a multiple of the tile's height, so that a picture left in place shows.
    ListView_Scroll(View(), 0, 13);
    RECT moved;
    ListView_GetItemRect(View(), 0, &moved, LVIR_BOUNDS);
    const int shift = first.top - moved.top;
    ASSERT_GT(shift, 0);
    ASSERT_NE(shift % kTileHeight, 0);

    std::vector<RECT> itemRects;
    for (int i = 0; i < ListView_GetItemCount(View()); ++i) {
        RECT r;
        ListView_GetItemRect(View(), i, &r, LVIR_BOUNDS);
        itemRects.push_back(r);
    }
    Pixels view(View());
    int checked = 0;
    int wrong = 0;
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x) {
            POINT p = {x, y};
            if (std::any_of(itemRects.begin(), itemRects.end(),
                            [&](const RECT& r) { return PtInRect(&r, p); }))
                continue;
            ++checked;
            wrong += view.At(x, y) != TileColour(x, y + shift);
        }
    EXPECT_GT(checked, 1000);
    EXPECT_EQ(wrong, 0);
}

TEST_F(LookTest, FollowsTheDefaultColoursAndTheColourDialogWithoutReopening) {
    StartOnTiledFolder();
    EXPECT_EQ(Status(), "フォルダに書き込まれている設定です。");

    Command(IDC_DEFAULT_COLORS);
    Pixels plain(View());
    RECT label = LabelOf("item.txt");
    EXPECT_EQ(plain.Count(label, kYellow), 0);
    EXPECT_EQ(plain.Count(label, kRed), 0);
    // No caption background: the picture shows between the letters.
    EXPECT_GT(plain.Count(label, kPurple) + plain.Count(label, kDarkGreen), 0);
    EXPECT_EQ(Status(), "変更はまだ適用されていません。");

    // Text from red to blue, background from yellow to red.
    std::vector<std::pair<int, WPARAM>> scrolls = {
        {IDC_TEXT_RED, MAKEWPARAM(SB_THUMBTRACK, 0)},
        {IDC_TEXT_BLUE, MAKEWPARAM(SB_THUMBTRACK, 255)},
        {IDC_BACK_GREEN, MAKEWPARAM(SB_THUMBTRACK, 0)},
    };
    colourScrolls = &scrolls;
    HHOOK hook = SetWindowsHookExA(WH_CBT, OkColourDialog, nullptr, GetCurrentThreadId());
    Command(IDC_CHANGE_COLORS);
    UnhookWindowsHookEx(hook);
    ASSERT_EQ(app->profile.GetIconTextColor(), kBlue);

    Pixels coloured(View());
    EXPECT_GT(coloured.Count(label, kBlue), 0);
    EXPECT_GT(coloured.Count(label, kRed), 0);
    EXPECT_EQ(coloured.Count(label, kYellow), 0);
    EXPECT_EQ(app->look.GetHandle(), look);
}

TEST_F(LookTest, WithoutAPictureACaptionBackgroundFillsTheView) {
    WriteDesktopIni("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\n"
                    "IconArea_Text=0x000000ff\r\nIconArea_TextBackground=0x0000ffff\r\n");
    Start(folder);
    OpenLook();
    Pixels view(View());
    RECT below = {0, 100, view.width, view.height};
    EXPECT_EQ(view.Count(below, kYellow), view.width * (view.height - 100));
}

TEST_F(LookTest, ReportsThePictureAndTheFolderAsTheyAreNow) {
    std::string png = dir.WriteFile("photo.jpg", std::string("\x89PNG\r\n\x1a\n", 8) + "rest");
    std::string missing = dir.Sub("gone.bmp");
    dir.WriteFile("Folder\\inside.bmp", "BM");
    Start(folder);
    OpenLook();
    // Nothing to write: Apply would leave the attributes as they are.
    const std::string unmarked =
        "背景画像: なし\r\n"
        "フォルダ: システム・読み取り専用属性なし（Desktop.ini は読まれません）\r\n"
        "Desktop.ini: まだありません";
    EXPECT_TRUE(Contains(Report(), unmarked)) << Report();

    const std::string marked =
        "\r\nフォルダ: システム・読み取り専用属性なし（Desktop.ini は読まれません） → "
        "適用で付きます\r\n"
        "Desktop.ini: まだありません → 適用で作られます";
    struct Case {
        std::string typed;
        std::string lines;
    } cases[] = {
        {missing, "背景画像が見つかりません: " + missing + "\r\nフォルダ: "},
        {png, "背景画像: " + png + "\r\n画像の中身は PNG です（拡張子 .jpg）。" + marked},
        // Relative to the folder, as the shells take it.
        {"inside.bmp", "背景画像: " + folder + "\\inside.bmp" + marked},
        {picture, "背景画像: " + picture + marked},
    };
    for (const Case& c : cases) {
        Type(IDC_IMAGE, c.typed);
        EXPECT_TRUE(Contains(Report(), c.lines)) << Report();
    }
    Type(IDC_IMAGE, missing);
    EXPECT_FALSE(Contains(Report(), "→")) << Report();
    Type(IDC_IMAGE, picture);
    EXPECT_EQ(Status(), "変更はまだ適用されていません。");

    Command(IDC_APPLY);
    EXPECT_TRUE(Contains(Report(), "フォルダ: システム属性あり")) << Report();
    EXPECT_TRUE(Contains(Report(), "Desktop.ini: 隠し・システム属性あり")) << Report();
    EXPECT_FALSE(Contains(Report(), "→")) << Report();
    EXPECT_EQ(Status(), "フォルダに書き込まれている設定です。");
    // Desktop.ini is hidden now, and the view leaves it out as the shell does.
    EXPECT_EQ(IndexOf("Desktop.ini"), -1);
}

TEST_F(LookTest, ListsFoldersFirstThenFilesByNameWithoutHiddenItems) {
    dir.WriteFile("Folder\\b.txt", "");
    dir.WriteFile("Folder\\A.txt", "");
    dir.MakeDir("Folder\\zeta");
    std::string hidden = dir.WriteFile("Folder\\hidden.txt", "");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    Start(folder);
    OpenLook();
    std::vector<std::string> names;
    for (int i = 0; i < ListView_GetItemCount(View()); ++i) {
        char name[MAX_PATH] = "";
        LVITEMA item = {};
        item.iSubItem = 0;
        item.pszText = name;
        item.cchTextMax = MAX_PATH;
        SendMessageA(View(), LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"zeta", "A.txt", "b.txt"}));
}

// Icons are asked for when an item is drawn; whoever asks gets the shell's own icon of the item,
// a folder's apart from a file's.
TEST_F(LookTest, EachItemShowsTheShellsIconOfIt) {
    dir.WriteFile("Folder\\a.txt", "");
    dir.MakeDir("Folder\\zeta");
    Start(folder);
    OpenLook();
    UpdateWindow(View());
    ASSERT_EQ(ListView_GetItemCount(View()), 2);
    std::vector<int> icons;
    for (const char* name : {"zeta", "a.txt"}) {
        SCOPED_TRACE(name);
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = IndexOf(name);
        ASSERT_TRUE(SendMessageA(View(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        SHFILEINFOA info = {};
        SHGetFileInfoA((folder + "\\" + name).c_str(), 0, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_LARGEICON);
        EXPECT_EQ(item.iImage, info.iIcon);
        icons.push_back(item.iImage);
    }
    EXPECT_NE(icons[0], icons[1]);
}

TEST_F(LookTest, MenuItemAndCtrlLFollowTheLoadedFolder) {
    Start();
    HMENU menu = GetMenu(dialog);
    char text[64] = "";
    GetMenuStringA(menu, IDM_LOOK, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "見た目の確認(&L)\tCtrl+L");
    // Right after the preview item.
    HMENU folderMenu = GetSubMenu(menu, 2);
    EXPECT_EQ(GetMenuItemID(folderMenu, 3), static_cast<UINT>(IDM_LOOK));
    EXPECT_FALSE(MenuEnabled(IDM_LOOK));

    Type(IDC_FOLDER, folder);
    EXPECT_TRUE(MenuEnabled(IDM_LOOK));
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE held = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG press = {};
    press.hwnd = GetDlgItem(dialog, IDC_FOLDER);
    press.message = WM_KEYDOWN;
    press.wParam = 'L';
    press.lParam = 1;
    EXPECT_TRUE(app->PreTranslateMessage(&press));
    keys[VK_CONTROL] = held;
    SetKeyboardState(keys);
    Pump();
    ASSERT_TRUE(app->look.GetHandle());
    EXPECT_TRUE(IsWindowVisible(app->look.GetHandle()));

    // A folder that is no longer there takes the window away with the menu item.
    Type(IDC_FOLDER, dir.Sub("nowhere"));
    EXPECT_FALSE(MenuEnabled(IDM_LOOK));
    EXPECT_FALSE(IsWindowVisible(app->look.GetHandle()));
}

TEST_F(LookTest, PlacementAndOpenStateAreRemembered) {
    Start(folder);
    OpenLook();
    MoveWindow(look, 40, 50, 400, 380, TRUE);
    Command(IDC_CANCEL_BUTTON);
    EXPECT_EQ(GetPrivateProfileIntA("Kalmora", "LookOpen", -1, app->settingsPath), 1);
    char open[MAX_PATH] = "";
    GetPrivateProfileStringA("Kalmora", "Open", "", open, MAX_PATH, app->settingsPath);
    EXPECT_EQ(std::string(open), folder);
    app.reset();

    app = std::make_unique<CMain>();
    ASSERT_TRUE(app->Initialize());
    dialog = app->GetHandle();
    Pump();
    HWND again = app->look.GetHandle();
    ASSERT_TRUE(again);
    EXPECT_TRUE(IsWindowVisible(again));
    RECT r;
    GetWindowRect(again, &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.right - r.left, 400);

    // Closed with its close box, it is remembered closed.
    SendMessageA(again, WM_CLOSE, 0, 0);
    Command(IDC_CANCEL_BUTTON);
    EXPECT_EQ(GetPrivateProfileIntA("Kalmora", "LookOpen", -1, app->settingsPath), 0);
}

namespace {

// An HDROP as the shell makes it: a DROPFILES header, then the paths, each ending in a zero,
// and one more zero.
HDROP MakeDrop(const std::vector<std::string>& paths, bool wide) {
    std::vector<char> list;
    for (const std::string& path : paths) {
        if (wide) {
            WCHAR buffer[MAX_PATH];
            int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, buffer, MAX_PATH);
            const char* bytes = reinterpret_cast<const char*>(buffer);
            list.insert(list.end(), bytes, bytes + n * sizeof(WCHAR));
        } else {
            list.insert(list.end(), path.c_str(), path.c_str() + path.size() + 1);
        }
    }
    list.insert(list.end(), wide ? 2 : 1, '\0');
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = wide;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

} // namespace

TEST_F(LookTest, DropTakesTheFirstFolderOrPicture) {
    std::string other = dir.MakeDir("写真");
    std::string text = dir.WriteFile("notes.txt", "x");
    std::string png = dir.WriteFile("sky.png", "x");
    struct Case {
        std::vector<std::string> dropped;
        bool wide;
        std::string folderAfter;
        std::string imageAfter;
    } cases[] = {
        {{text, other, png}, false, other, ""},
        {{text, png, other}, true, folder, png},
        {{text, dir.Sub("gone.png")}, false, folder, ""},
    };
    for (const Case& c : cases) {
        Start(folder);
        ASSERT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        // The dialog frees the drop, as the shell expects of whoever takes it.
        SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(c.dropped, c.wide)),
                     0);
        Pump();
        EXPECT_EQ(Text(IDC_FOLDER), c.folderAfter);
        EXPECT_EQ(Text(IDC_IMAGE), c.imageAfter);
        EXPECT_EQ(Enabled(IDC_APPLY), !c.imageAfter.empty());
        if (c.folderAfter == other) {
            EXPECT_EQ(Caption(), "写真");
        }
        DestroyWindow(dialog);
        Pump();
        app.reset();
    }
}

TEST_F(LookTest, ADroppedPictureNeedsALoadedFolder) {
    Start();
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({picture}, false)), 0);
    Pump();
    EXPECT_EQ(Text(IDC_IMAGE), "");
    EXPECT_FALSE(Enabled(IDC_APPLY));
}

namespace {

// The shell's change notifications for one folder and what lies in it, as an open shell window
// of that folder receives them.
class ShellWatch {
public:
    explicit ShellWatch(const std::string& folder) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = OnMessage;
        windowClass.lpszClassName = "KalmoraShellWatch";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "KalmoraShellWatch", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                 nullptr, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        pidl = ILCreateFromPathA(folder.c_str());
        SHChangeNotifyEntry entry = {pidl, TRUE};
        id = SHChangeNotifyRegister(window, SHCNRF_ShellLevel | SHCNRF_NewDelivery,
                                    SHCNE_UPDATEDIR | SHCNE_UPDATEITEM, kMessage, 1, &entry);
    }
    ~ShellWatch() {
        SHChangeNotifyDeregister(id);
        ILFree(pidl);
        DestroyWindow(window);
    }
    ShellWatch(const ShellWatch&) = delete;
    ShellWatch& operator=(const ShellWatch&) = delete;

    bool Registered() const { return id != 0; }
    // The events delivered since the last call, or'ed together. Windows delivers them from
    // the shell's own thread, Wine at once: when some are expected, the first is waited for.
    LONG Events(bool expected) {
        for (int i = 0; expected && !events && i < 200; ++i) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        }
        LONG all = events;
        events = 0;
        return all;
    }

private:
    static LRESULT CALLBACK OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != kMessage)
            return DefWindowProcA(hwnd, message, wParam, lParam);
        auto* watch = reinterpret_cast<ShellWatch*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        PIDLIST_ABSOLUTE* pidls = nullptr;
        LONG event = 0;
        HANDLE lock = SHChangeNotification_Lock(reinterpret_cast<HANDLE>(wParam),
                                                static_cast<DWORD>(lParam), &pidls, &event);
        watch->events |= event;
        SHChangeNotification_Unlock(lock);
        return 0;
    }

    static constexpr UINT kMessage = WM_APP + 1;
    HWND window = nullptr;
    PIDLIST_ABSOLUTE pidl = nullptr;
    ULONG id = 0;
    LONG events = 0;
};

} // namespace

TEST_F(LookTest, ApplyAndRevertTellTheShellThatTheFolderChanged) {
    Start(folder);
    ShellWatch watch(folder);
    ASSERT_TRUE(watch.Registered());
    Type(IDC_IMAGE, picture);
    EXPECT_EQ(watch.Events(false), 0);
    Command(IDC_APPLY);
    EXPECT_EQ(watch.Events(true), SHCNE_UPDATEDIR | SHCNE_UPDATEITEM);
    {
        test::MessageBoxAnswer yes(IDYES);
        Command(IDM_REVERT);
    }
    EXPECT_EQ(watch.Events(true), SHCNE_UPDATEDIR | SHCNE_UPDATEITEM);
}

namespace {

// Four stripes of fifteen columns across a 60 by 10 picture: in a view between 1:1 and 3:1
// wide, UniformToFill shows only the two middle ones, meeting at the view's centre.
COLORREF StripeColour(int x, int /*y*/) {
    static const COLORREF stripes[] = {kDarkGreen, kRed, kBlue, kPurple};
    return stripes[x / 15];
}

// A click on a tab, as the mouse gives it.
void ClickTab(HWND tabs, int index) {
    RECT item = {};
    TabCtrl_GetItemRect(tabs, index, &item);
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
}

} // namespace

TEST_F(LookTest, TheFilesTabFillsTheViewWithThePictureCentredAndSystemCaptions) {
    dir.WriteFile("Folder\\stripes.bmp", Bmp(60, 10, StripeColour));
    dir.WriteFile("Folder\\item.txt", "x");
    WriteDesktopIni("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Image=stripes.bmp\r\n"
                    "IconArea_Text=0x000000ff\r\nIconArea_TextBackground=0x0000ffff\r\n");
    Start(folder);
    OpenLook();
    HWND tabs = GetDlgItem(look, IDC_LOOK_TABS);
    ClickTab(tabs, 1);
    Pump();
    ASSERT_TRUE(app->look.IsFilesView());

    Pixels view(View());
    ASSERT_GT(view.width, view.height);
    ASSERT_LT(view.width, 3 * view.height);
    // Below the row of items: red left of the centre, blue right of it, to the very edges. One
    // stripe spans a tenth of the view's height; where two meet, smooth scaling may blend them.
    const int blend = view.height / 10 + 2;
    int wrong = 0;
    for (int y = 100; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x)
            if (std::abs(x - view.width / 2) > blend)
                wrong += view.At(x, y) != (x < view.width / 2 ? kRed : kBlue);
    EXPECT_EQ(wrong, 0);
    // Files reads no caption colours.
    RECT label = LabelOf("item.txt");
    EXPECT_EQ(view.Count(label, kYellow), 0);
    EXPECT_GT(view.Count(label, GetSysColor(COLOR_WINDOWTEXT)), 0);

    ClickTab(tabs, 0);
    Pump();
    EXPECT_FALSE(app->look.IsFilesView());
    Pixels shell(View());
    EXPECT_EQ(shell.At(0, shell.height - 1), StripeColour(0, 0));
    EXPECT_GT(shell.Count(LabelOf("item.txt"), kYellow), 0);
}

// The report follows the option at once and tells what the folder's Desktop.ini holds for Files.
TEST_F(LookTest, TheReportTellsWhetherTheFilesKeysAreWritten) {
    Start(folder);
    Type(IDC_IMAGE, picture);
    OpenLook();
    EXPECT_TRUE(Contains(Report(), "Files アプリ: 背景画像のキーは書き込みません。")) << Report();
    Command(IDM_FILES_APP);
    EXPECT_TRUE(Contains(Report(), "Files アプリ: 適用で背景画像のキーも書き込みます。"))
        << Report();
    Command(IDC_APPLY);
    EXPECT_TRUE(Contains(Report(), "Files アプリ: Desktop.ini の背景画像 " + picture)) << Report();
    Command(IDC_NO_IMAGE);
    EXPECT_TRUE(Contains(Report(), "Files アプリ: 適用で背景画像のキーを消します。")) << Report();
}

namespace {

// A 64 by 256 picture whose every row has a colour of its own: scaled to fill a view wider than
// tall, any part of it that moved shows in another colour.
COLORREF RowColour(int /*x*/, int y) {
    return RGB(y, 255 - y, 128);
}

} // namespace

// Files' picture stands still while the items scroll over it: the view, not only a fresh
// repaint, shows what it showed before the scroll.
TEST_F(LookTest, TheFilesViewKeepsThePictureStillWhenTheItemsScroll) {
    dir.WriteFile("Folder\\rows.bmp", Bmp(64, 256, RowColour));
    for (int i = 0; i < 80; ++i)
        dir.WriteFile("Folder\\item" + std::to_string(100 + i) + ".txt", "");
    WriteDesktopIni("[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Image=rows.bmp\r\n");
    Start(folder);
    OpenLook();
    app->look.ShowFilesView(true);
    std::vector<RECT> itemRects;
    const auto collectItems = [&] {
        for (int i = 0; i < ListView_GetItemCount(View()); ++i) {
            RECT r;
            ListView_GetItemRect(View(), i, &r, LVIR_BOUNDS);
            itemRects.push_back(r);
        }
    };
    collectItems();
    Pixels before(View());
    ASSERT_GT(before.width, before.height);

    ListView_Scroll(View(), 0, 13);
    UpdateWindow(View());
    collectItems();
    Pixels after(View(), false);
    int checked = 0;
    int wrong = 0;
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x) {
            POINT p = {x, y};
            if (std::any_of(itemRects.begin(), itemRects.end(),
                            [&](const RECT& r) { return PtInRect(&r, p); }))
                continue;
            ++checked;
            wrong += after.At(x, y) != before.At(x, y);
        }
    EXPECT_GT(checked, 1000);
    EXPECT_EQ(wrong, 0);
}
