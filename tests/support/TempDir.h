// A fresh folder under the Windows temporary directory, removed with everything in it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path without a trailing backslash.
    const std::string& Path() const { return path; }
    // Path() + "\" + name.
    std::string Sub(const std::string& name) const;
    // Makes Sub(name) a folder; returns its path.
    std::string MakeDir(const std::string& name) const;
    // Writes the bytes as they stand into Sub(name); returns its path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::string path;
};

// The whole content of a file, or "" when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Whether a file or folder of that name exists.
bool Exists(const std::string& path);
// The names in a folder, "." and ".." left out, in the order the platform finds them.
std::vector<std::string> FolderNames(const std::string& folder);
// The text as UTF-16LE bytes behind a byte order mark, as current Windows writes Desktop.ini.
std::string Utf16LeBytes(const std::u16string& text);
// Clears the attributes (system, hidden, read-only) that would stop removal, then removes all.
void RemoveTree(const std::string& path);

} // namespace test
