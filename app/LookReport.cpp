// The compatibility report: one short line per fact about this system, the picture and the
// folder, each checked at the moment it is composed.
#include "app/LookReport.h"

#include <windows.h>

#include "app/PictureFile.h"
#include "vela/wx/profile/DesktopIniNames.h"
#include "vela/wx/profile/FilesBackground.h"
#include "vela/wx/profile/FolderImagePath.h"
#include "vela/wx/shell/PathBuffer.h"

namespace kalmora {

namespace {

bool ShellShowsBackgrounds(DWORD majorVersion) {
    // Windows 2000 and XP are 5.0 and 5.1, ReactOS answers 5.2; Vista's Explorer (6.0) and
    // every later one ignore the keys.
    return majorVersion == 5;
}

void AddLine(std::string& report, const std::string& line) {
    if (!report.empty())
        report += "\r\n";
    report += line;
}

OSVERSIONINFOA SystemVersion() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version;
}

void ReportSystem(std::string& report) {
    const OSVERSIONINFOA version = SystemVersion();
    char line[128];
    if (ShellShowsBackgrounds(version.dwMajorVersion)) {
        wsprintfA(line, "このシステム (Windows %lu.%lu) のシェルはフォルダの背景を表示します。",
                  version.dwMajorVersion, version.dwMinorVersion);
        AddLine(report, line);
        return;
    }
    wsprintfA(line, "このシステム (Windows %lu.%lu) のシェルはフォルダの背景を表示しません。",
              version.dwMajorVersion, version.dwMinorVersion);
    AddLine(report, line);
    AddLine(report, "表示するのは Windows 2000/XP と ReactOS のシェルです。");
}

void ReportPicture(std::string& report, const char* folder, const char* image) {
    if (!*image) {
        AddLine(report, "背景画像: なし");
        return;
    }
    CPathBuffer path;
    vela::wx::ResolveFolderImagePath(folder, image, path);
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        AddLine(report, std::string("背景画像が見つかりません: ") + path.c_str());
        return;
    }
    AddLine(report, std::string("背景画像: ") + path.c_str());
    PictureFormat content = FormatFromContent(path);
    if (content == FormatFromExtension(path))
        return;
    std::string extension = path.FindExtension();
    if (extension.empty())
        extension = "なし";
    if (content == PictureFormat::Other)
        AddLine(report, "画像の中身は BMP・JPEG・GIF・PNG のどれでもありません（拡張子 " +
                            extension + "）。");
    else
        AddLine(report, std::string("画像の中身は ") + FormatName(content) + " です（拡張子 " +
                            extension + "）。");
}

void ReportFolder(std::string& report, const char* folder, bool applyMarks) {
    DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        AddLine(report, "フォルダが見つかりません。");
        return;
    }
    // What the next Apply changes, told beside what is there now.
    const std::string marked = applyMarks ? " → 適用で付きます" : "";
    if (attributes & FILE_ATTRIBUTE_SYSTEM)
        AddLine(report, "フォルダ: システム属性あり（Desktop.ini が読まれます）");
    else if (attributes & FILE_ATTRIBUTE_READONLY)
        AddLine(report, "フォルダ: 読み取り専用属性あり（Desktop.ini が読まれます）");
    else
        AddLine(report,
                "フォルダ: システム・読み取り専用属性なし（Desktop.ini は読まれません）" + marked);

    CPathBuffer file(folder);
    file.Append(vela::wx::kDesktopIniFile);
    DWORD fileAttributes = GetFileAttributesA(file);
    const DWORD hiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (fileAttributes == INVALID_FILE_ATTRIBUTES)
        AddLine(report, std::string("Desktop.ini: まだありません") +
                            (applyMarks ? " → 適用で作られます" : ""));
    else if ((fileAttributes & hiddenSystem) == hiddenSystem)
        AddLine(report, "Desktop.ini: 隠し・システム属性あり");
    else
        AddLine(report, "Desktop.ini: 隠し・システム属性がそろっていません" + marked);
}

// Explorer of Vista and later ignores the shell's keys; the Files file manager reads its own.
void ReportFiles(std::string& report, const char* folder, const char* image, bool filesApp) {
    if (filesApp) {
        AddLine(report, vela::wx::FolderImageExists(folder, image)
                            ? "Files アプリ: 適用で背景画像のキーも書き込みます。"
                            : "Files アプリ: 適用で背景画像のキーを消します。");
    } else {
        AddLine(report, "Files アプリ: 背景画像のキーは書き込みません。");
        if (SystemVersion().dwMajorVersion >= 6)
            AddLine(report, "Windows 10/11 の Files アプリでも表示するには、フォルダ メニューの"
                            "「Files アプリにも設定する」をオンにしてください。");
    }
    CPathBuffer held;
    if (vela::wx::ReadFilesBackgroundImage(folder, held, MAX_PATH))
        AddLine(report, std::string("Files アプリ: Desktop.ini の背景画像 ") + held.c_str());
}

} // namespace

std::string ComposeReport(const char* folder, const char* image, bool applyMarks, bool filesApp) {
    std::string report;
    ReportSystem(report);
    ReportPicture(report, folder, image);
    ReportFolder(report, folder, applyMarks);
    ReportFiles(report, folder, image, filesApp);
    return report;
}

} // namespace kalmora
