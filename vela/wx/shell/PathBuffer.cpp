// Fixed 260-character path buffer carrying the shell's path functions.
#include "vela/wx/shell/PathBuffer.h"

#include <cstring>
#include <cwchar>

#include "vela/wx/shell/DoubleByte.h"

namespace {

// The platform's 8-bit and UTF-16 entry points side by side, so one template serves both.
template <class Ch>
struct PathApi;

template <>
struct PathApi<char> {
    static inline const auto FileExists = ::PathFileExistsA;
    static inline const auto FindFileName = ::PathFindFileNameA;
    static inline const auto RemoveFileSpec = ::PathRemoveFileSpecA;
    static inline const auto AddBackslash = ::PathAddBackslashA;
    static inline const auto AddExtension = ::PathAddExtensionA;
    static inline const auto Append = ::PathAppendA;
    static inline const auto BuildRoot = ::PathBuildRootA;
    static inline const auto Canonicalize = ::PathCanonicalizeA;
    static inline const auto Combine = ::PathCombineA;
    static inline const auto CompactPath = ::PathCompactPathA;
    static inline const auto CompactPathEx = ::PathCompactPathExA;
    static inline const auto CommonPrefix = ::PathCommonPrefixA;
    static inline const auto ExpandEnvironmentStrings = ::ExpandEnvironmentStringsA;
    static inline const auto UnExpandEnvStrings = ::PathUnExpandEnvStringsA;
    static inline const auto FindExtension = ::PathFindExtensionA;
    static inline const auto FindNextComponent = ::PathFindNextComponentA;
    static inline const auto FindSuffixArray = ::PathFindSuffixArrayA;
    static inline const auto GetArgs = ::PathGetArgsA;
    static inline const auto GetDriveNumber = ::PathGetDriveNumberA;
    static inline const auto SkipRoot = ::PathSkipRootA;
    static inline const auto FindOnPath = ::PathFindOnPathA;
    static inline const auto IsContentType = ::PathIsContentTypeA;
    static inline const auto IsDirectory = ::PathIsDirectoryA;
    static inline const auto IsDirectoryEmpty = ::PathIsDirectoryEmptyA;
    static inline const auto IsFileSpec = ::PathIsFileSpecA;
    static inline const auto IsLFNFileSpec = ::PathIsLFNFileSpecA;
    static inline const auto IsNetworkPath = ::PathIsNetworkPathA;
    static inline const auto IsPrefix = ::PathIsPrefixA;
    static inline const auto IsRelative = ::PathIsRelativeA;
    static inline const auto IsRoot = ::PathIsRootA;
    static inline const auto IsSameRoot = ::PathIsSameRootA;
    static inline const auto IsSystemFolder = ::PathIsSystemFolderA;
    static inline const auto IsUNC = ::PathIsUNCA;
    static inline const auto IsUNCServer = ::PathIsUNCServerA;
    static inline const auto IsUNCServerShare = ::PathIsUNCServerShareA;
    static inline const auto IsURL = ::PathIsURLA;
    static inline const auto MatchSpec = ::PathMatchSpecA;
    static inline const auto MakePretty = ::PathMakePrettyA;
    static inline const auto QuoteSpaces = ::PathQuoteSpacesA;
    static inline const auto UnquoteSpaces = ::PathUnquoteSpacesA;
    static inline const auto RemoveBackslash = ::PathRemoveBackslashA;
    static inline const auto RemoveBlanks = ::PathRemoveBlanksA;
    static inline const auto RemoveExtension = ::PathRemoveExtensionA;
    static inline const auto RenameExtension = ::PathRenameExtensionA;
    static inline const auto StripPath = ::PathStripPathA;
    static inline const auto StripToRoot = ::PathStripToRootA;
    static inline const auto Undecorate = ::PathUndecorateA;
    static inline const auto MakeSystemFolder = ::PathMakeSystemFolderA;
    static inline const auto UnmakeSystemFolder = ::PathUnmakeSystemFolderA;
    static inline const auto RelativePathTo = ::PathRelativePathToA;
    static inline const auto SearchAndQualify = ::PathSearchAndQualifyA;
    static inline const auto SetDlgItemPath = ::PathSetDlgItemPathA;
};

template <>
struct PathApi<wchar_t> {
    static inline const auto FileExists = ::PathFileExistsW;
    static inline const auto FindFileName = ::PathFindFileNameW;
    static inline const auto RemoveFileSpec = ::PathRemoveFileSpecW;
    static inline const auto AddBackslash = ::PathAddBackslashW;
    static inline const auto AddExtension = ::PathAddExtensionW;
    static inline const auto Append = ::PathAppendW;
    static inline const auto BuildRoot = ::PathBuildRootW;
    static inline const auto Canonicalize = ::PathCanonicalizeW;
    static inline const auto Combine = ::PathCombineW;
    static inline const auto CompactPath = ::PathCompactPathW;
    static inline const auto CompactPathEx = ::PathCompactPathExW;
    static inline const auto CommonPrefix = ::PathCommonPrefixW;
    static inline const auto ExpandEnvironmentStrings = ::ExpandEnvironmentStringsW;
    static inline const auto UnExpandEnvStrings = ::PathUnExpandEnvStringsW;
    static inline const auto FindExtension = ::PathFindExtensionW;
    static inline const auto FindNextComponent = ::PathFindNextComponentW;
    static inline const auto FindSuffixArray = ::PathFindSuffixArrayW;
    static inline const auto GetArgs = ::PathGetArgsW;
    static inline const auto GetDriveNumber = ::PathGetDriveNumberW;
    static inline const auto SkipRoot = ::PathSkipRootW;
    static inline const auto FindOnPath = ::PathFindOnPathW;
    static inline const auto IsContentType = ::PathIsContentTypeW;
    static inline const auto IsDirectory = ::PathIsDirectoryW;
    static inline const auto IsDirectoryEmpty = ::PathIsDirectoryEmptyW;
    static inline const auto IsFileSpec = ::PathIsFileSpecW;
    static inline const auto IsLFNFileSpec = ::PathIsLFNFileSpecW;
    static inline const auto IsNetworkPath = ::PathIsNetworkPathW;
    static inline const auto IsPrefix = ::PathIsPrefixW;
    static inline const auto IsRelative = ::PathIsRelativeW;
    static inline const auto IsRoot = ::PathIsRootW;
    static inline const auto IsSameRoot = ::PathIsSameRootW;
    static inline const auto IsSystemFolder = ::PathIsSystemFolderW;
    static inline const auto IsUNC = ::PathIsUNCW;
    static inline const auto IsUNCServer = ::PathIsUNCServerW;
    static inline const auto IsUNCServerShare = ::PathIsUNCServerShareW;
    static inline const auto IsURL = ::PathIsURLW;
    static inline const auto MatchSpec = ::PathMatchSpecW;
    static inline const auto MakePretty = ::PathMakePrettyW;
    static inline const auto QuoteSpaces = ::PathQuoteSpacesW;
    static inline const auto UnquoteSpaces = ::PathUnquoteSpacesW;
    static inline const auto RemoveBackslash = ::PathRemoveBackslashW;
    static inline const auto RemoveBlanks = ::PathRemoveBlanksW;
    static inline const auto RemoveExtension = ::PathRemoveExtensionW;
    static inline const auto RenameExtension = ::PathRenameExtensionW;
    static inline const auto StripPath = ::PathStripPathW;
    static inline const auto StripToRoot = ::PathStripToRootW;
    static inline const auto Undecorate = ::PathUndecorateW;
    static inline const auto MakeSystemFolder = ::PathMakeSystemFolderW;
    static inline const auto UnmakeSystemFolder = ::PathUnmakeSystemFolderW;
    static inline const auto RelativePathTo = ::PathRelativePathToW;
    static inline const auto SearchAndQualify = ::PathSearchAndQualifyW;
    static inline const auto SetDlgItemPath = ::PathSetDlgItemPathW;
};

size_t Length(const char* text) {
    return std::strlen(text);
}
size_t Length(const wchar_t* text) {
    return std::wcslen(text);
}

// Copies text into dest, whose free room is room positions, cutting it to room - 1 characters.
template <class Ch>
void CopyBounded(Ch* dest, size_t room, const Ch* text) {
    size_t n = Length(text);
    if (n > room - 1)
        n = room - 1;
    std::memmove(dest, text, n * sizeof(Ch));
    dest[n] = 0;
}

// How many units the character at text takes; UTF-16 is taken unit by unit.
int CharUnits(const char* text) {
    return vela::wx::CharBytes(text);
}
int CharUnits(const wchar_t*) {
    return 1;
}

template <class Ch>
bool IsRefusedInFileName(Ch ch) {
    static const char refused[] = {'\\', '/', ':', '*', '?', '"', '<', '>', '|', '\r', '\n'};
    for (char r : refused) {
        if (ch == static_cast<Ch>(r))
            return true;
    }
    return false;
}

} // namespace

template <class Ch>
CPathBufferT<Ch>::CPathBufferT() : chars() {}

template <class Ch>
CPathBufferT<Ch>::CPathBufferT(const Ch* text) {
    CopyBounded(chars, kCapacity, text);
}

template <class Ch>
CPathBufferT<Ch>& CPathBufferT<Ch>::Assign(const Ch* text) {
    CopyBounded(chars, kCapacity, text);
    return *this;
}

template <class Ch>
CPathBufferT<Ch>& CPathBufferT<Ch>::Append(const Ch* text) {
    size_t used = Length(chars);
    CopyBounded(chars + used, kCapacity - used, text);
    return *this;
}

template <class Ch>
bool CPathBufferT<Ch>::FileExists() const {
    return PathApi<Ch>::FileExists(chars) != FALSE;
}

template <class Ch>
Ch* CPathBufferT<Ch>::FindFileName() {
    return PathApi<Ch>::FindFileName(chars);
}

template <class Ch>
bool CPathBufferT<Ch>::RemoveFileSpec() {
    return PathApi<Ch>::RemoveFileSpec(chars) != FALSE;
}

template <class Ch>
Ch* CPathBufferT<Ch>::AddBackslash() {
    return PathApi<Ch>::AddBackslash(chars);
}

template <class Ch>
bool CPathBufferT<Ch>::AddExtension(const Ch* extension) {
    return PathApi<Ch>::AddExtension(chars, extension) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::AppendPath(const Ch* more) {
    return PathApi<Ch>::Append(chars, more) != FALSE;
}

template <class Ch>
Ch* CPathBufferT<Ch>::BuildRoot(int drive) {
    return PathApi<Ch>::BuildRoot(chars, drive);
}

// The shell's functions that take a source and a destination do not promise to cope with the
// two overlapping, so the in-place forms work from a copy.
template <class Ch>
bool CPathBufferT<Ch>::Canonicalize() {
    CPathBufferT source(*this);
    return PathApi<Ch>::Canonicalize(chars, source.chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::Canonicalize(const Ch* source) {
    return PathApi<Ch>::Canonicalize(chars, source) != FALSE;
}

template <class Ch>
Ch* CPathBufferT<Ch>::Combine(const Ch* directory, const Ch* file) {
    return PathApi<Ch>::Combine(chars, directory, file);
}

template <class Ch>
Ch* CPathBufferT<Ch>::CombineDirectory(const Ch* directory) {
    CPathBufferT file(*this);
    return PathApi<Ch>::Combine(chars, directory, file.chars);
}

template <class Ch>
Ch* CPathBufferT<Ch>::CombineFile(const Ch* file) {
    CPathBufferT directory(*this);
    return PathApi<Ch>::Combine(chars, directory.chars, file);
}

template <class Ch>
bool CPathBufferT<Ch>::CompactPath(HDC dc, UINT width) {
    return PathApi<Ch>::CompactPath(dc, chars, width) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::CompactPathEx(UINT maxChars, DWORD flags) {
    CPathBufferT source(*this);
    return PathApi<Ch>::CompactPathEx(chars, source.chars, maxChars, flags) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::CompactPathEx(CPathBufferT& out, UINT maxChars, DWORD flags) const {
    return PathApi<Ch>::CompactPathEx(out.chars, chars, maxChars, flags) != FALSE;
}

template <class Ch>
int CPathBufferT<Ch>::CommonPrefix(const Ch* first, const Ch* second) {
    return PathApi<Ch>::CommonPrefix(first, second, chars);
}

template <class Ch>
DWORD CPathBufferT<Ch>::ExpandEnvironment(const Ch* source) {
    return PathApi<Ch>::ExpandEnvironmentStrings(source, chars, kCapacity);
}

template <class Ch>
bool CPathBufferT<Ch>::UnExpandEnvStrings(CPathBufferT& out) const {
    return PathApi<Ch>::UnExpandEnvStrings(chars, out.chars, kCapacity) != FALSE;
}

template <class Ch>
Ch* CPathBufferT<Ch>::FindExtension() {
    return PathApi<Ch>::FindExtension(chars);
}

template <class Ch>
Ch* CPathBufferT<Ch>::FindNextComponent() {
    return PathApi<Ch>::FindNextComponent(chars);
}

template <class Ch>
const Ch* CPathBufferT<Ch>::FindSuffixArray(const Ch* const* suffixes, int count) const {
    return PathApi<Ch>::FindSuffixArray(chars, const_cast<const Ch**>(suffixes), count);
}

template <class Ch>
Ch* CPathBufferT<Ch>::GetArgs() {
    return PathApi<Ch>::GetArgs(chars);
}

template <class Ch>
int CPathBufferT<Ch>::GetDriveNumber() const {
    return PathApi<Ch>::GetDriveNumber(chars);
}

template <class Ch>
Ch* CPathBufferT<Ch>::SkipRoot() {
    return PathApi<Ch>::SkipRoot(chars);
}

template <class Ch>
Ch* CPathBufferT<Ch>::GetLastComponent() {
    Ch* last = nullptr;
    for (Ch* next = PathApi<Ch>::FindNextComponent(chars); next && *next;
         next = PathApi<Ch>::FindNextComponent(next))
        last = next;
    return last;
}

template <class Ch>
bool CPathBufferT<Ch>::FindOnPath(Ch* fileName, const Ch** extraDirs) {
    if (!PathApi<Ch>::FindOnPath(fileName, extraDirs))
        return false;
    CopyBounded(chars, kCapacity, fileName);
    return true;
}

template <class Ch>
bool CPathBufferT<Ch>::IsContentType(const Ch* contentType) const {
    return PathApi<Ch>::IsContentType(chars, contentType) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsDirectory() const {
    return PathApi<Ch>::IsDirectory(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsDirectoryEmpty() const {
    return PathApi<Ch>::IsDirectoryEmpty(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsFileSpec() const {
    return PathApi<Ch>::IsFileSpec(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsLFNFileSpec() const {
    return PathApi<Ch>::IsLFNFileSpec(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsNetworkPath() const {
    return PathApi<Ch>::IsNetworkPath(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsPrefix(const Ch* prefix) const {
    return PathApi<Ch>::IsPrefix(prefix, chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsRelative() const {
    return PathApi<Ch>::IsRelative(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsRoot() const {
    return PathApi<Ch>::IsRoot(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsSameRoot(const Ch* other) const {
    return PathApi<Ch>::IsSameRoot(chars, other) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsSystemFolder() const {
    return PathApi<Ch>::IsSystemFolder(chars, 0) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsUNC() const {
    return PathApi<Ch>::IsUNC(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsUNCServer() const {
    return PathApi<Ch>::IsUNCServer(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsUNCServerShare() const {
    return PathApi<Ch>::IsUNCServerShare(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::IsURL() const {
    return PathApi<Ch>::IsURL(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::MatchSpec(const Ch* pattern) const {
    return PathApi<Ch>::MatchSpec(chars, pattern) != FALSE;
}

template <class Ch>
void CPathBufferT<Ch>::MakePretty() {
    PathApi<Ch>::MakePretty(chars);
}

template <class Ch>
void CPathBufferT<Ch>::QuoteSpaces() {
    PathApi<Ch>::QuoteSpaces(chars);
}

template <class Ch>
void CPathBufferT<Ch>::UnquoteSpaces() {
    PathApi<Ch>::UnquoteSpaces(chars);
}

template <class Ch>
Ch* CPathBufferT<Ch>::RemoveBackslash() {
    return PathApi<Ch>::RemoveBackslash(chars);
}

template <class Ch>
void CPathBufferT<Ch>::RemoveBlanks() {
    PathApi<Ch>::RemoveBlanks(chars);
}

template <class Ch>
void CPathBufferT<Ch>::RemoveExtension() {
    PathApi<Ch>::RemoveExtension(chars);
}

template <class Ch>
bool CPathBufferT<Ch>::RenameExtension(const Ch* extension) {
    return PathApi<Ch>::RenameExtension(chars, extension) != FALSE;
}

template <class Ch>
void CPathBufferT<Ch>::StripPath() {
    PathApi<Ch>::StripPath(chars);
}

template <class Ch>
bool CPathBufferT<Ch>::StripToRoot() {
    return PathApi<Ch>::StripToRoot(chars) != FALSE;
}

template <class Ch>
void CPathBufferT<Ch>::Undecorate() {
    PathApi<Ch>::Undecorate(chars);
}

template <class Ch>
bool CPathBufferT<Ch>::MakeSystemFolder() const {
    return PathApi<Ch>::MakeSystemFolder(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::UnmakeSystemFolder() const {
    return PathApi<Ch>::UnmakeSystemFolder(chars) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::RelativePathTo(const Ch* from, DWORD fromAttributes, const Ch* to,
                                      DWORD toAttributes) {
    return PathApi<Ch>::RelativePathTo(chars, from, fromAttributes, to, toAttributes) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::SearchAndQualify(CPathBufferT& out) const {
    return PathApi<Ch>::SearchAndQualify(chars, out.chars, kCapacity) != FALSE;
}

template <class Ch>
bool CPathBufferT<Ch>::SearchAndQualify(const Ch* path) {
    return PathApi<Ch>::SearchAndQualify(path, chars, kCapacity) != FALSE;
}

template <class Ch>
void CPathBufferT<Ch>::SetDlgItemPath(HWND dialog, int id) const {
    PathApi<Ch>::SetDlgItemPath(dialog, id, chars);
}

template <class Ch>
bool CPathBufferT<Ch>::MakeValidFileName(const Ch* source, int limit) {
    if (!source)
        return false;
    while (*source == ' ' || *source == '.')
        ++source;
    if (!*source)
        return false;

    const int room = (limit <= 0 || limit > kCapacity ? kCapacity : limit) - 1;
    int used = 0;
    int lastUnits = 0;
    for (const Ch* p = source; *p;) {
        const int units = CharUnits(p);
        if (units == 1 && IsRefusedInFileName(*p)) {
            ++p;
            continue;
        }
        if (used + units > room) {
            // The cut is marked in the last free position, or over the last kept character.
            if (used == room && lastUnits > 0)
                used -= lastUnits;
            if (used < room)
                chars[used++] = '~';
            break;
        }
        for (int i = 0; i < units; ++i)
            chars[used++] = *p++;
        lastUnits = units;
    }
    chars[used] = 0;
    return true;
}

template class CPathBufferT<char>;
template class CPathBufferT<wchar_t>;

namespace vela::wx {

bool PathFileExists(LPCSTR path) {
    return ::PathFileExistsA(path) != FALSE;
}
bool PathFileExists(LPCWSTR path) {
    return ::PathFileExistsW(path) != FALSE;
}
LPSTR PathFindNextComponent(LPCSTR path) {
    return ::PathFindNextComponentA(path);
}
LPWSTR PathFindNextComponent(LPCWSTR path) {
    return ::PathFindNextComponentW(path);
}
LPSTR PathGetArgs(LPCSTR path) {
    return ::PathGetArgsA(path);
}
LPWSTR PathGetArgs(LPCWSTR path) {
    return ::PathGetArgsW(path);
}
UINT PathGetCharType(char ch) {
    return ::PathGetCharTypeA(static_cast<UCHAR>(ch));
}
UINT PathGetCharType(WCHAR ch) {
    return ::PathGetCharTypeW(ch);
}
bool PathIsSystemFolder(DWORD attributes) {
    return ::PathIsSystemFolderA(nullptr, attributes);
}
bool PathIsSystemFolderW(DWORD attributes) {
    return ::PathIsSystemFolderW(nullptr, attributes);
}
int PathParseIconLocation(LPSTR location) {
    return ::PathParseIconLocationA(location);
}
int PathParseIconLocation(LPWSTR location) {
    return ::PathParseIconLocationW(location);
}
void PathRemoveArgs(LPSTR path) {
    ::PathRemoveArgsA(path);
}
void PathRemoveArgs(LPWSTR path) {
    ::PathRemoveArgsW(path);
}

} // namespace vela::wx
