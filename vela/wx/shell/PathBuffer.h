// Fixed 260-character path buffer carrying the shell's path functions.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include "vela/wx/shell/PathApi.h"

// The headers' A/W macros would rename these functions to their 8-bit form; they keep the names
// written here, and call the platform's functions by their explicit A or W names.
#undef PathFileExists
#undef PathFindNextComponent
#undef PathGetArgs
#undef PathGetCharType
#undef PathIsSystemFolder
#undef PathParseIconLocation
#undef PathRemoveArgs

// One path or short text in MAX_PATH characters, never on the heap. Every copy into the buffer
// (construction, Assign, Append and each member that writes) is bounded by 260 positions: a
// longer text is cut at 259 characters and terminated, never written past the array.
// The members that only hand the buffer to one shell function are defined here; those with
// logic of their own live in PathBuffer.cpp.
template <class Ch>
class CPathBufferT {
    using Api = vela::wx::PathApi<Ch>;

public:
    static constexpr int kCapacity = MAX_PATH;

    CPathBufferT();
    CPathBufferT(const Ch* text);

    CPathBufferT& Assign(const Ch* text);
    CPathBufferT& Append(const Ch* text);

    Ch* c_str() { return chars; }
    const Ch* c_str() const { return chars; }
    operator Ch*() { return chars; }
    operator const Ch*() const { return chars; }
    Ch& operator[](int index) { return chars[index]; }
    Ch operator[](int index) const { return chars[index]; }

    // The three the application relies on.
    bool FileExists() const { return Api::FileExists(chars) != FALSE; }
    Ch* FindFileName() { return Api::FindFileName(chars); }
    bool RemoveFileSpec() { return Api::RemoveFileSpec(chars) != FALSE; }

    // Add, append, build.
    Ch* AddBackslash() { return Api::AddBackslash(chars); }
    bool AddExtension(const Ch* extension) { return Api::AddExtension(chars, extension) != FALSE; }
    bool AppendPath(const Ch* more) { return Api::Append(chars, more) != FALSE; }
    Ch* BuildRoot(int drive) { return Api::BuildRoot(chars, drive); }

    // Canonicalise, combine, compact. The forms without a source work in place.
    bool Canonicalize();
    bool Canonicalize(const Ch* source) { return Api::Canonicalize(chars, source) != FALSE; }
    Ch* Combine(const Ch* directory, const Ch* file) {
        return Api::Combine(chars, directory, file);
    }
    Ch* CombineDirectory(const Ch* directory);
    Ch* CombineFile(const Ch* file);
    bool CompactPath(HDC dc, UINT width) { return Api::CompactPath(dc, chars, width) != FALSE; }
    bool CompactPathEx(UINT maxChars, DWORD flags);
    bool CompactPathEx(CPathBufferT& out, UINT maxChars, DWORD flags) const {
        return Api::CompactPathEx(out.chars, chars, maxChars, flags) != FALSE;
    }
    int CommonPrefix(const Ch* first, const Ch* second) {
        return Api::CommonPrefix(first, second, chars);
    }

    // Environment strings.
    DWORD ExpandEnvironment(const Ch* source) {
        return Api::ExpandEnvStrings(source, chars, kCapacity);
    }
    bool UnExpandEnvStrings(CPathBufferT& out) const {
        return Api::UnExpandEnvStrings(chars, out.chars, kCapacity) != FALSE;
    }

    // Finding within the path.
    Ch* FindExtension() { return Api::FindExtension(chars); }
    Ch* FindNextComponent() { return Api::FindNextComponent(chars); }
    const Ch* FindSuffixArray(const Ch* const* suffixes, int count) const {
        return Api::FindSuffixArray(chars, const_cast<const Ch**>(suffixes), count);
    }
    Ch* GetArgs() { return Api::GetArgs(chars); }
    int GetDriveNumber() const { return Api::GetDriveNumber(chars); }
    Ch* SkipRoot() { return Api::SkipRoot(chars); }
    // The path's last component as PathFindNextComponent walks it; none for a single component.
    Ch* GetLastComponent();
    // PathFindOnPath on the caller's MAX_PATH file buffer; a hit is copied into this buffer.
    bool FindOnPath(Ch* fileName, const Ch** extraDirs);

    // Tests.
    bool IsContentType(const Ch* contentType) const {
        return Api::IsContentType(chars, contentType) != FALSE;
    }
    bool IsDirectory() const { return Api::IsDirectory(chars) != FALSE; }
    bool IsDirectoryEmpty() const { return Api::IsDirectoryEmpty(chars) != FALSE; }
    bool IsFileSpec() const { return Api::IsFileSpec(chars) != FALSE; }
    bool IsLFNFileSpec() const { return Api::IsLFNFileSpec(chars) != FALSE; }
    bool IsNetworkPath() const { return Api::IsNetworkPath(chars) != FALSE; }
    bool IsPrefix(const Ch* prefix) const { return Api::IsPrefix(prefix, chars) != FALSE; }
    bool IsRelative() const { return Api::IsRelative(chars) != FALSE; }
    bool IsRoot() const { return Api::IsRoot(chars) != FALSE; }
    bool IsSameRoot(const Ch* other) const { return Api::IsSameRoot(chars, other) != FALSE; }
    bool IsSystemFolder() const { return Api::IsSystemFolder(chars, 0) != FALSE; }
    bool IsUNC() const { return Api::IsUNC(chars) != FALSE; }
    bool IsUNCServer() const { return Api::IsUNCServer(chars) != FALSE; }
    bool IsUNCServerShare() const { return Api::IsUNCServerShare(chars) != FALSE; }
    bool IsURL() const { return Api::IsURL(chars) != FALSE; }
    bool MatchSpec(const Ch* pattern) const { return Api::MatchSpec(chars, pattern) != FALSE; }

    // Edits in place.
    void MakePretty() { Api::MakePretty(chars); }
    void QuoteSpaces() { Api::QuoteSpaces(chars); }
    void UnquoteSpaces() { Api::UnquoteSpaces(chars); }
    Ch* RemoveBackslash() { return Api::RemoveBackslash(chars); }
    void RemoveBlanks() { Api::RemoveBlanks(chars); }
    void RemoveExtension() { Api::RemoveExtension(chars); }
    bool RenameExtension(const Ch* extension) {
        return Api::RenameExtension(chars, extension) != FALSE;
    }
    void StripPath() { Api::StripPath(chars); }
    bool StripToRoot() { return Api::StripToRoot(chars) != FALSE; }
    void Undecorate() { Api::Undecorate(chars); }

    // Folder marks, relative paths, search, dialogs.
    bool MakeSystemFolder() const { return Api::MakeSystemFolder(chars) != FALSE; }
    bool UnmakeSystemFolder() const { return Api::UnmakeSystemFolder(chars) != FALSE; }
    bool RelativePathTo(const Ch* from, DWORD fromAttributes, const Ch* to, DWORD toAttributes) {
        return Api::RelativePathTo(chars, from, fromAttributes, to, toAttributes) != FALSE;
    }
    bool SearchAndQualify(CPathBufferT& out) const {
        return Api::SearchAndQualify(chars, out.chars, kCapacity) != FALSE;
    }
    bool SearchAndQualify(const Ch* path) {
        return Api::SearchAndQualify(path, chars, kCapacity) != FALSE;
    }
    void SetDlgItemPath(HWND dialog, int id) const { Api::SetDlgItemPath(dialog, id, chars); }

    // Turns arbitrary text into a file name: leading spaces and full stops skipped, the eleven
    // refused characters dropped, at most limit - 1 characters kept (limit <= 0 means 260, and a
    // limit beyond the buffer is held to it), a cut marked by a tilde. False, with the buffer
    // untouched, when the source is none or holds nothing after its leading spaces and stops.
    // The 8-bit form takes a double-byte character whole, so its trail byte is never refused.
    bool MakeValidFileName(const Ch* source, int limit = 0);

private:
    Ch chars[kCapacity];
};

using CPathBuffer = CPathBufferT<char>;
using CPathBufferW = CPathBufferT<wchar_t>;

extern template class CPathBufferT<char>;
extern template class CPathBufferT<wchar_t>;

// Free pass-throughs to the shell's path functions, 8-bit and UTF-16.
namespace vela::wx {

inline bool PathFileExists(LPCSTR path) {
    return ::PathFileExistsA(path) != FALSE;
}
inline bool PathFileExists(LPCWSTR path) {
    return ::PathFileExistsW(path) != FALSE;
}
inline LPSTR PathFindNextComponent(LPCSTR path) {
    return ::PathFindNextComponentA(path);
}
inline LPWSTR PathFindNextComponent(LPCWSTR path) {
    return ::PathFindNextComponentW(path);
}
inline LPSTR PathGetArgs(LPCSTR path) {
    return ::PathGetArgsA(path);
}
inline LPWSTR PathGetArgs(LPCWSTR path) {
    return ::PathGetArgsW(path);
}
inline UINT PathGetCharType(char ch) {
    return ::PathGetCharTypeA(static_cast<UCHAR>(ch));
}
inline UINT PathGetCharType(WCHAR ch) {
    return ::PathGetCharTypeW(ch);
}
inline bool PathIsSystemFolder(DWORD attributes) {
    return ::PathIsSystemFolderA(nullptr, attributes);
}
inline bool PathIsSystemFolderW(DWORD attributes) {
    return ::PathIsSystemFolderW(nullptr, attributes);
}
inline int PathParseIconLocation(LPSTR location) {
    return ::PathParseIconLocationA(location);
}
inline int PathParseIconLocation(LPWSTR location) {
    return ::PathParseIconLocationW(location);
}
inline void PathRemoveArgs(LPSTR path) {
    ::PathRemoveArgsA(path);
}
inline void PathRemoveArgs(LPWSTR path) {
    ::PathRemoveArgsW(path);
}

} // namespace vela::wx
