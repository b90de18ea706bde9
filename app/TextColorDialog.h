// The text colour dialog: the two caption colours on red, green and blue scroll bars.
#pragma once

#include <windows.h>

// One colour as its three channels, blue first as they lie in a COLORREF's upper bytes.
struct CColorTriple {
    BYTE blue = 0;
    BYTE green = 0;
    BYTE red = 0;

    CColorTriple() = default;
    CColorTriple(BYTE b, BYTE g, BYTE r) : blue(b), green(g), red(r) {}

    static CColorTriple FromColor(COLORREF color) {
        return CColorTriple((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
    }
    // Bits 24 to 31 are never set: 0xFFFFFFFF comes back as 0x00FFFFFF.
    COLORREF ToColor() const { return blue << 16 | green << 8 | red; }
};

INT_PTR CALLBACK TextColorDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void InitColorScroll(HWND dialog, int bar, int label, int value);
// A step that would leave 0..255 is refused, not clamped; the label and thumb are rewritten.
void OnColorScroll(HWND dialog, int bar, int label, WPARAM wParam, LPARAM lParam, BYTE& channel);
// A solid rectangle of the colour, framed by the context's current pen.
void DrawSwatch(const DRAWITEMSTRUCT* item, COLORREF color);
