// The platform's 8-bit and UTF-16 path functions side by side, so one template serves both.
#pragma once

#include <windows.h>
#include <shlwapi.h>

namespace vela::wx {

// Each entry names a function once: the name templates call it by, then the platform's name
// without its A or W. The platform's name is only ever pasted, so the headers' A/W macros of
// the same name never rename it.
#define VELA_PATH_FUNCTIONS(X)                                                                     \
    X(FileExists, PathFileExists)                                                                  \
    X(FindFileName, PathFindFileName)                                                              \
    X(RemoveFileSpec, PathRemoveFileSpec)                                                          \
    X(AddBackslash, PathAddBackslash)                                                              \
    X(AddExtension, PathAddExtension)                                                              \
    X(Append, PathAppend)                                                                          \
    X(BuildRoot, PathBuildRoot)                                                                    \
    X(Canonicalize, PathCanonicalize)                                                              \
    X(Combine, PathCombine)                                                                        \
    X(CompactPath, PathCompactPath)                                                                \
    X(CompactPathEx, PathCompactPathEx)                                                            \
    X(CommonPrefix, PathCommonPrefix)                                                              \
    X(ExpandEnvStrings, ExpandEnvironmentStrings)                                                  \
    X(UnExpandEnvStrings, PathUnExpandEnvStrings)                                                  \
    X(FindExtension, PathFindExtension)                                                            \
    X(FindNextComponent, PathFindNextComponent)                                                    \
    X(FindSuffixArray, PathFindSuffixArray)                                                        \
    X(GetArgs, PathGetArgs)                                                                        \
    X(GetDriveNumber, PathGetDriveNumber)                                                          \
    X(SkipRoot, PathSkipRoot)                                                                      \
    X(FindOnPath, PathFindOnPath)                                                                  \
    X(IsContentType, PathIsContentType)                                                            \
    X(IsDirectory, PathIsDirectory)                                                                \
    X(IsDirectoryEmpty, PathIsDirectoryEmpty)                                                      \
    X(IsFileSpec, PathIsFileSpec)                                                                  \
    X(IsLFNFileSpec, PathIsLFNFileSpec)                                                            \
    X(IsNetworkPath, PathIsNetworkPath)                                                            \
    X(IsPrefix, PathIsPrefix)                                                                      \
    X(IsRelative, PathIsRelative)                                                                  \
    X(IsRoot, PathIsRoot)                                                                          \
    X(IsSameRoot, PathIsSameRoot)                                                                  \
    X(IsSystemFolder, PathIsSystemFolder)                                                          \
    X(IsUNC, PathIsUNC)                                                                            \
    X(IsUNCServer, PathIsUNCServer)                                                                \
    X(IsUNCServerShare, PathIsUNCServerShare)                                                      \
    X(IsURL, PathIsURL)                                                                            \
    X(MatchSpec, PathMatchSpec)                                                                    \
    X(MakePretty, PathMakePretty)                                                                  \
    X(QuoteSpaces, PathQuoteSpaces)                                                                \
    X(UnquoteSpaces, PathUnquoteSpaces)                                                            \
    X(RemoveBackslash, PathRemoveBackslash)                                                        \
    X(RemoveBlanks, PathRemoveBlanks)                                                              \
    X(RemoveExtension, PathRemoveExtension)                                                        \
    X(RenameExtension, PathRenameExtension)                                                        \
    X(StripPath, PathStripPath)                                                                    \
    X(StripToRoot, PathStripToRoot)                                                                \
    X(Undecorate, PathUndecorate)                                                                  \
    X(MakeSystemFolder, PathMakeSystemFolder)                                                      \
    X(UnmakeSystemFolder, PathUnmakeSystemFolder)                                                  \
    X(RelativePathTo, PathRelativePathTo)                                                          \
    X(SearchAndQualify, PathSearchAndQualify)                                                      \
    X(SetDlgItemPath, PathSetDlgItemPath)

#define VELA_PATH_FUNCTION_A(name, platform) static inline const auto name = ::platform##A;
#define VELA_PATH_FUNCTION_W(name, platform) static inline const auto name = ::platform##W;

template <class Ch>
struct PathApi;

template <>
struct PathApi<char> {
    VELA_PATH_FUNCTIONS(VELA_PATH_FUNCTION_A)
};

template <>
struct PathApi<wchar_t> {
    VELA_PATH_FUNCTIONS(VELA_PATH_FUNCTION_W)
};

#undef VELA_PATH_FUNCTION_A
#undef VELA_PATH_FUNCTION_W
#undef VELA_PATH_FUNCTIONS

} // namespace vela::wx
