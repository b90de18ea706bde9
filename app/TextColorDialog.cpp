// The text colour dialog: the two caption colours on red, green and blue scroll bars.
#include "app/TextColorDialog.h"

#include <cstdlib>

#include "app/Main.h"
#include "app/resource.h"
#include "vela/wx/shell/CommonDialogs.h"

namespace {

// Index 0 the text colour, index 1 the background; reloaded from the profile at every opening.
CColorTriple working[2];

struct Row {
    int bar;
    int label;
    BYTE CColorTriple::*channel;
    int color;
};

const Row rows[] = {
    {IDC_TEXT_RED, IDC_TEXT_RED_VALUE, &CColorTriple::red, 0},
    {IDC_TEXT_GREEN, IDC_TEXT_GREEN_VALUE, &CColorTriple::green, 0},
    {IDC_TEXT_BLUE, IDC_TEXT_BLUE_VALUE, &CColorTriple::blue, 0},
    {IDC_BACK_RED, IDC_BACK_RED_VALUE, &CColorTriple::red, 1},
    {IDC_BACK_GREEN, IDC_BACK_GREEN_VALUE, &CColorTriple::green, 1},
    {IDC_BACK_BLUE, IDC_BACK_BLUE_VALUE, &CColorTriple::blue, 1},
};

void InitAllRows(HWND dialog) {
    for (const Row& row : rows)
        InitColorScroll(dialog, row.bar, row.label, working[row.color].*row.channel);
}

void SetValueLabel(HWND dialog, int label, int value) {
    char text[16];
    wsprintfA(text, "%d", value);
    SetDlgItemTextA(dialog, label, text);
}

BYTE ReadValueLabel(HWND dialog, int label) {
    char text[32];
    GetDlgItemTextA(dialog, label, text, sizeof text);
    return static_cast<BYTE>(std::atoi(text) & 0xFF);
}

COLORREF ReadColor(HWND dialog, int redLabel, int greenLabel, int blueLabel) {
    return CColorTriple(ReadValueLabel(dialog, blueLabel), ReadValueLabel(dialog, greenLabel),
                        ReadValueLabel(dialog, redLabel))
        .ToColor();
}

} // namespace

void InitColorScroll(HWND dialog, int bar, int label, int value) {
    HWND control = GetDlgItem(dialog, bar);
    SetScrollRange(control, SB_CTL, 0, 255, TRUE);
    SetValueLabel(dialog, label, value);
    SetScrollPos(control, SB_CTL, value, TRUE);
}

void OnColorScroll(HWND dialog, int bar, int label, WPARAM wParam, LPARAM lParam, BYTE& channel) {
    HWND control = GetDlgItem(dialog, bar);
    if (reinterpret_cast<HWND>(lParam) != control)
        return;
    const int old = channel;
    int value;
    switch (LOWORD(wParam)) {
    case SB_LINELEFT:
        value = old - 1;
        break;
    case SB_LINERIGHT:
        value = old + 1;
        break;
    case SB_PAGELEFT:
        value = old - 10;
        break;
    case SB_PAGERIGHT:
        value = old + 10;
        break;
    case SB_THUMBTRACK:
        value = HIWORD(wParam);
        break;
    default:
        value = old;
        break;
    }
    if (value >= 0 && value <= 255)
        channel = static_cast<BYTE>(value);
    SetValueLabel(dialog, label, channel);
    SetScrollPos(control, SB_CTL, channel, TRUE);
}

void DrawSwatch(const DRAWITEMSTRUCT* item, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ previous = SelectObject(item->hDC, brush);
    Rectangle(item->hDC, item->rcItem.left, item->rcItem.top, item->rcItem.right,
              item->rcItem.bottom);
    SelectObject(item->hDC, previous);
    DeleteObject(brush);
}

INT_PTR CALLBACK TextColorDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CMain* app = CMain::GetInstance(0);
    switch (message) {
    case WM_INITDIALOG:
        working[0] = CColorTriple::FromColor(app->profile.GetIconTextColor());
        working[1] = CColorTriple::FromColor(app->profile.GetIconTextBackColor());
        InitAllRows(dialog);
        return 1;
    case WM_HSCROLL:
        for (const Row& row : rows)
            OnColorScroll(dialog, row.bar, row.label, wParam, lParam,
                          working[row.color].*row.channel);
        InvalidateRect(dialog, nullptr, FALSE);
        return 0;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == IDC_TEXT_SWATCH)
            DrawSwatch(item, working[0].ToColor());
        else if (item->CtlID == IDC_BACK_SWATCH)
            DrawSwatch(item, working[1].ToColor());
        return 0;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            // The labels always show the working values, so this reads them back exactly.
            app->profile.SetIconTextColor(
                ReadColor(dialog, IDC_TEXT_RED_VALUE, IDC_TEXT_GREEN_VALUE, IDC_TEXT_BLUE_VALUE));
            app->profile.SetIconTextBackColor(
                ReadColor(dialog, IDC_BACK_RED_VALUE, IDC_BACK_GREEN_VALUE, IDC_BACK_BLUE_VALUE));
            app->SetChanged(true);
            // The main dialog shows the swatches only for colours that were chosen.
            app->End(dialog, IDOK);
            return 1;
        case IDCANCEL:
            app->End(dialog, IDCANCEL);
            return 1;
        case IDC_TEXT_PICK:
        case IDC_BACK_PICK: {
            // The two buttons stand in the order of the working colours.
            static_assert(IDC_BACK_PICK == IDC_TEXT_PICK + 1);
            const int i = LOWORD(wParam) - IDC_TEXT_PICK;
            COLORREF color = working[i].ToColor();
            if (vela::wx::SelectColor(dialog, &color, nullptr, CC_RGBINIT)) {
                working[i] = CColorTriple::FromColor(color);
                InitAllRows(dialog);
                InvalidateRect(dialog, nullptr, FALSE);
            }
            return 0;
        }
        }
        return 0;
    }
    return 0;
}
