// The platform's About box filled from the running executable's own version resource.
#pragma once

#include <windows.h>
#include <shellapi.h>

// The headers' A/W macro would rename these functions to ShellAboutA; they keep the name written
// here, and call the platform's by its explicit A or W name.
#undef ShellAbout

#include <string>

#include "vela/wx/shell/VersionInfo.h"

namespace vela::wx {

// Item codes of an About box list: 0 to 11 are the CVersionInfo fields by index, any other code
// is skipped; the list ends with kAboutEnd.
constexpr int kAboutSeparator = 12;
constexpr int kAboutEmptyLine = 13;
constexpr int kAboutEnd = -1;
// Twelve field bits and the end marker.
constexpr int kAboutMaskItemCount = CVersionInfo::kFieldCount + 1;

// Bit n of the mask shows field n, in ascending order; bits from 12 up are ignored. The mask is
// an int so that a literal 0 picks this form rather than the list.
int ShowAboutBox(HWND owner, int mask, HICON icon);
// 0, showing nothing, when the executable's version data, ProductName or ProductVersion is
// missing; otherwise what ShellAbout answers.
int ShowAboutBox(HWND owner, const int* items, HICON icon);

void AboutItemsFromMask(int mask, int (&items)[kAboutMaskItemCount]);
// ShellAbout shows what stands before the "#" as the caption and what follows as the first line.
// The version's commas become full stops.
void FormatAboutTitle(std::string& title, LPCSTR productName, LPCSTR productVersion);
// One line per item: the field's text, 30 hyphens for a separator, nothing else for an empty
// line; absent fields and unknown codes add nothing.
void FormatVersionFields(const CVersionInfo& info, std::string& body, const int* items);

int ShellAbout(HWND owner, LPCSTR title, LPCSTR body, HICON icon);
int ShellAbout(HWND owner, LPCWSTR title, LPCWSTR body, HICON icon);

} // namespace vela::wx
