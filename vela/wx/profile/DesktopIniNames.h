// The names a folder's Desktop.ini keeps its background under, and the colours it has without them.
#pragma once

#include <windows.h>

namespace vela::wx {

// The file in the folder, after the folder text as the caller gave it.
inline constexpr char kDesktopIniFile[] = "\\Desktop.ini";
inline constexpr wchar_t kDesktopIniFileW[] = L"\\Desktop.ini";

// The section the shell reads a folder's background from.
inline constexpr char kFolderBackgroundSection[] = "{BE098140-A513-11D0-A3A4-00C04FD706EC}";
inline constexpr wchar_t kFolderBackgroundSectionW[] = L"{BE098140-A513-11D0-A3A4-00C04FD706EC}";

// Its keys: the picture, the mark that the section is set, and the two caption colours.
inline constexpr char kIconAreaImageKey[] = "IconArea_Image";
inline constexpr wchar_t kIconAreaImageKeyW[] = L"IconArea_Image";
inline constexpr char kAttributesKey[] = "Attributes";
inline constexpr wchar_t kAttributesKeyW[] = L"Attributes";
inline constexpr char kIconAreaTextKey[] = "IconArea_Text";
inline constexpr wchar_t kIconAreaTextKeyW[] = L"IconArea_Text";
inline constexpr char kIconAreaTextBackgroundKey[] = "IconArea_TextBackground";
inline constexpr wchar_t kIconAreaTextBackgroundKeyW[] = L"IconArea_TextBackground";

// The caption colours of a folder whose file has no colour key.
inline constexpr COLORREF kDefaultIconTextColor = 0;
inline constexpr COLORREF kDefaultIconTextBackColor = 0xFFFFFFFF;

} // namespace vela::wx
