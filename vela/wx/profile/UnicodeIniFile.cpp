// An INI file turned into UTF-16LE with a byte-order mark, line for line.
#include "vela/wx/profile/UnicodeIniFile.h"

#include <string>

#include "vela/wx/profile/FileBytes.h"

namespace {

constexpr char kUtf16Le[] = "\xFF\xFE";
constexpr char kUtf16Be[] = "\xFE\xFF";
constexpr char kUtf8[] = "\xEF\xBB\xBF";
constexpr size_t kLargestText = 0x0FFFFFFF;

bool StartsWith(const std::string& bytes, const char* mark) {
    return bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
}

// The text as UTF-16LE bytes behind the mark. CR and LF are single bytes in every code page
// converted here and never part of a double-byte character, so the line ends come through
// unchanged.
bool ToUtf16Le(const std::string& bytes, std::string& converted) {
    UINT codePage = CP_ACP;
    size_t start = 0;
    if (StartsWith(bytes, kUtf8)) {
        codePage = CP_UTF8;
        start = 3;
    }
    // The text and its converted copy must both fit in a 32-bit process.
    if (bytes.size() - start > kLargestText) {
        ::SetLastError(ERROR_FILE_TOO_LARGE);
        return false;
    }
    converted.assign(kUtf16Le, 2);
    const int length = static_cast<int>(bytes.size() - start);
    if (length == 0)
        return true;
    const int wide = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data() + start,
                                           length, nullptr, 0);
    if (wide == 0)
        return false;
    std::wstring text(static_cast<size_t>(wide), L'\0');
    if (!::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data() + start, length,
                               &text[0], wide))
        return false;
    for (wchar_t c : text) {
        converted += static_cast<char>(c & 0xFF);
        converted += static_cast<char>((c >> 8) & 0xFF);
    }
    return true;
}

// The file's whole text replaced by the bytes.
bool Rewrite(HANDLE file, const std::string& bytes) {
    return ::SetFilePointer(file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
           vela::wx::WriteFileBytes(file, bytes) && ::SetEndOfFile(file) &&
           ::FlushFileBuffers(file);
}

} // namespace

namespace vela::wx {

bool ConvertIniFileToUnicode(LPCSTR path) {
    // Opened in place rather than replaced: a hidden or system file keeps its attributes, and
    // one the user made read-only stays unwritten.
    HANDLE file = ::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool created = ::GetLastError() != ERROR_ALREADY_EXISTS;
    std::string bytes;
    std::string converted;
    bool done = vela::wx::ReadFileBytes(file, bytes);
    if (done && (StartsWith(bytes, kUtf16Le) || StartsWith(bytes, kUtf16Be))) {
        ::CloseHandle(file);
        return true;
    }
    done = done && ToUtf16Le(bytes, converted) && Rewrite(file, converted);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    if (!done && created)
        ::DeleteFileA(path);
    // The profile functions may hold the old text in memory; the file changed behind their back.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    ::SetLastError(done ? NO_ERROR : error);
    return done;
}

} // namespace vela::wx
