// The platform's About box filled from the running executable's own version resource.
#include "vela/wx/shell/AboutBox.h"

#include <shlwapi.h>

namespace vela::wx {

int ShowAboutBox(HWND owner, int mask, HICON icon) {
    int items[kAboutMaskItemCount];
    AboutItemsFromMask(mask, items);
    return ShowAboutBox(owner, items, icon);
}

int ShowAboutBox(HWND owner, const int* items, HICON icon) {
    CVersionInfo info;
    if (!info.LoadModule())
        return 0;
    LPCSTR productName = nullptr;
    LPCSTR productVersion = nullptr;
    if (info.GetProductName(&productName) == 0 || info.GetProductVersion(&productVersion) == 0)
        return 0;
    std::string title;
    FormatAboutTitle(title, productName, productVersion);
    std::string body;
    FormatVersionFields(info, body, items);
    return wx::ShellAbout(owner, title.c_str(), body.c_str(), icon);
}

void AboutItemsFromMask(int mask, int (&items)[kAboutMaskItemCount]) {
    int count = 0;
    for (int bit = 0; bit < CVersionInfo::kFieldCount; ++bit) {
        if (mask & (1 << bit))
            items[count++] = bit;
    }
    items[count] = kAboutEnd;
}

void FormatAboutTitle(std::string& title, LPCSTR productName, LPCSTR productVersion) {
    std::string version = productVersion;
    // StrChrA steps over double-byte characters, so no trail byte is taken for a comma.
    for (char* comma = ::StrChrA(version.data(), ','); comma; comma = ::StrChrA(comma + 1, ','))
        *comma = '.';
    title = "Version information on \"";
    title += productName;
    title += "\"";
    title += "\n";
    title += "#";
    title += productName;
    title += " Version ";
    title += version;
}

void FormatVersionFields(const CVersionInfo& info, std::string& body, const int* items) {
    body.clear();
    for (const int* item = items; *item != kAboutEnd; ++item) {
        if (*item == kAboutSeparator) {
            body.append(30, '-');
            body += "\n";
        } else if (*item == kAboutEmptyLine) {
            body += "\n";
        } else {
            LPCSTR text = nullptr;
            if (info.GetField(*item, &text) != 0) {
                body += text;
                body += "\n";
            }
        }
    }
}

int ShellAbout(HWND owner, LPCSTR title, LPCSTR body, HICON icon) {
    return ::ShellAboutA(owner, title, body, icon);
}

int ShellAbout(HWND owner, LPCWSTR title, LPCWSTR body, HICON icon) {
    return ::ShellAboutW(owner, title, body, icon);
}

} // namespace vela::wx
