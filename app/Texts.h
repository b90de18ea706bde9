// Kalmora's own texts and the names of its settings.
#pragma once

namespace kalmora {

inline constexpr char kAppName[] = "Kalmora";
inline constexpr char kSettingsFile[] = "\\setup.ini";
inline constexpr char kOpenKey[] = "Open";
inline constexpr char kPlacementKey[] = "WNDPLACEMENT";
inline constexpr char kLookOpenKey[] = "LookOpen";
inline constexpr char kLookPlacementKey[] = "LookPlacement";
inline constexpr char kFilesAppKey[] = "FilesApp";

inline constexpr char kImageLabelPrefix[] = "フォルダの背景画像 : ";
inline constexpr char kRevertQuestion[] =
    "設定ファイルを起動時の状態に戻します。\nよろしいですか？";
inline constexpr char kSaveQuestion[] = "設定が変更されています。\n変更点を保存しますか？";
inline constexpr char kSaveCaption[] = "保存";
inline constexpr char kWriteFailed[] = "設定を書き込めませんでした。\n";

// The open-file dialog's filter pairs, each string and the list ending in a zero byte.
inline constexpr char kImageFilter[] = "(*.*)\0*.*\0"
                                       "(*.bmp)\0*.bmp\0"
                                       "(*.jpg *.jpeg)\0*.jpg;*.jpeg\0"
                                       "(*.png)\0*.png\0";

} // namespace kalmora
