// Fixed 260-character path buffer carrying the shell's path functions.
#pragma once

#include <windows.h>
#include <shlwapi.h>

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
template <class Ch>
class CPathBufferT {
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
    bool FileExists() const;
    Ch* FindFileName();
    bool RemoveFileSpec();

    // Add, append, build.
    Ch* AddBackslash();
    bool AddExtension(const Ch* extension);
    bool AppendPath(const Ch* more);
    Ch* BuildRoot(int drive);

    // Canonicalise, combine, compact.
    bool Canonicalize();
    bool Canonicalize(const Ch* source);
    Ch* Combine(const Ch* directory, const Ch* file);
    Ch* CombineDirectory(const Ch* directory);
    Ch* CombineFile(const Ch* file);
    bool CompactPath(HDC dc, UINT width);
    bool CompactPathEx(UINT maxChars, DWORD flags);
    bool CompactPathEx(CPathBufferT& out, UINT maxChars, DWORD flags) const;
    int CommonPrefix(const Ch* first, const Ch* second);

    // Environment strings.
    DWORD ExpandEnvironment(const Ch* source);
    bool UnExpandEnvStrings(CPathBufferT& out) const;

    // Finding within the path.
    Ch* FindExtension();
    Ch* FindNextComponent();
    const Ch* FindSuffixArray(const Ch* const* suffixes, int count) const;
    Ch* GetArgs();
    int GetDriveNumber() const;
    Ch* SkipRoot();
    // The path's last component as PathFindNextComponent walks it; none for a single component.
    Ch* GetLastComponent();
    // PathFindOnPath on the caller's MAX_PATH file buffer; a hit is copied into this buffer.
    bool FindOnPath(Ch* fileName, const Ch** extraDirs);

    // Tests.
    bool IsContentType(const Ch* contentType) const;
    bool IsDirectory() const;
    bool IsDirectoryEmpty() const;
    bool IsFileSpec() const;
    bool IsLFNFileSpec() const;
    bool IsNetworkPath() const;
    bool IsPrefix(const Ch* prefix) const;
    bool IsRelative() const;
    bool IsRoot() const;
    bool IsSameRoot(const Ch* other) const;
    bool IsSystemFolder() const;
    bool IsUNC() const;
    bool IsUNCServer() const;
    bool IsUNCServerShare() const;
    bool IsURL() const;
    bool MatchSpec(const Ch* pattern) const;

    // Edits in place.
    void MakePretty();
    void QuoteSpaces();
    void UnquoteSpaces();
    Ch* RemoveBackslash();
    void RemoveBlanks();
    void RemoveExtension();
    bool RenameExtension(const Ch* extension);
    void StripPath();
    bool StripToRoot();
    void Undecorate();

    // Folder marks, relative paths, search, dialogs.
    bool MakeSystemFolder() const;
    bool UnmakeSystemFolder() const;
    bool RelativePathTo(const Ch* from, DWORD fromAttributes, const Ch* to, DWORD toAttributes);
    bool SearchAndQualify(CPathBufferT& out) const;
    bool SearchAndQualify(const Ch* path);
    void SetDlgItemPath(HWND dialog, int id) const;

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

bool PathFileExists(LPCSTR path);
bool PathFileExists(LPCWSTR path);
LPSTR PathFindNextComponent(LPCSTR path);
LPWSTR PathFindNextComponent(LPCWSTR path);
LPSTR PathGetArgs(LPCSTR path);
LPWSTR PathGetArgs(LPCWSTR path);
UINT PathGetCharType(char ch);
UINT PathGetCharType(WCHAR ch);
bool PathIsSystemFolder(DWORD attributes);
bool PathIsSystemFolderW(DWORD attributes);
int PathParseIconLocation(LPSTR location);
int PathParseIconLocation(LPWSTR location);
void PathRemoveArgs(LPSTR path);
void PathRemoveArgs(LPWSTR path);

} // namespace vela::wx
