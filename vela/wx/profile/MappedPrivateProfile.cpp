// A whole INI file held in memory in the order the platform lists it, and written back.
#include "vela/wx/profile/MappedPrivateProfile.h"

#include <memory>
#include <new>
#include <unordered_map>

#include "vela/wx/shell/DoubleByte.h"

namespace {

constexpr DWORD kFirstListSize = 1024;
// The platform copies the whole list on every ask: growing by a fixed step would make a large
// section cost the square of its size, doubling keeps the sum of the asks within twice the list.
constexpr DWORD kMaxListSize = 0x40000000;

// Asks until the list fits. The platform answers size - 2 for a list that did not fit and for
// one that fits exactly, and a cut list need not end in the double zero, so that answer is
// never walked.
template <class Fetch>
std::unique_ptr<char[]> FetchList(Fetch fetch) {
    for (DWORD size = kFirstListSize; size <= kMaxListSize; size *= 2) {
        std::unique_ptr<char[]> list(new (std::nothrow) char[size]);
        if (!list)
            return nullptr;
        const DWORD length = fetch(list.get(), size);
        if (length == 0)
            return nullptr;
        if (length < size - 2)
            return list;
    }
    return nullptr;
}

// The first "=" that is a character of its own, never the trail byte of a double-byte one.
const char* FindEquals(const char* text) {
    while (*text && *text != '=')
        text = vela::wx::NextChar(text);
    return *text ? text : nullptr;
}

// An empty key name ("=value" lines) crashes the writer on NT; such a line and one without "="
// are held in memory but cannot be written as they were.
bool IsWritable(const vela::wx::CProfileEntry& entry) {
    return entry.hasValue && !entry.key.empty();
}

// Key names as the platform matches them: blanks around the name ignored, case ignored.
std::string Trimmed(const std::string& name) {
    const size_t begin = name.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return std::string();
    return name.substr(begin, name.find_last_not_of(" \t") - begin + 1);
}

// A name in the form in which the platform compares names, case ignored, so that equal names
// meet in a hash map instead of every name being compared with every other.
std::wstring Folded(const std::string& name) {
    std::wstring wide(name.size(), L'\0');
    const int length = ::MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                             &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length : 0);
    if (!wide.empty())
        ::CharUpperBuffW(&wide[0], static_cast<DWORD>(wide.size()));
    return wide;
}

bool Fits(int index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count;
}

} // namespace

namespace vela::wx {

bool ReadSectionEntries(LPCSTR section, LPCSTR file, CProfileEntries& entries) {
    if (!section || !file)
        return false;
    std::unique_ptr<char[]> list = FetchList([&](char* buffer, DWORD size) {
        return ::GetPrivateProfileSectionA(section, buffer, size, file);
    });
    if (!list)
        return false;
    for (const char* line = list.get(); *line; line += std::char_traits<char>::length(line) + 1) {
        CProfileEntry entry;
        if (const char* equals = FindEquals(line)) {
            entry.key.assign(line, equals);
            entry.value = equals + 1;
        } else {
            entry.key = line;
            entry.hasValue = false;
        }
        entries.push_back(std::move(entry));
    }
    return true;
}

CMappedPrivateProfile::~CMappedPrivateProfile() {
    CMappedPrivateProfile::Unbind();
}

void CMappedPrivateProfile::Unbind() {
    CPrivateProfile::Unbind();
    sections.clear();
}

bool CMappedPrivateProfile::LoadSectionNames() {
    if (!GetPath()[0])
        return false;
    if (!sections.empty())
        return true;
    std::unique_ptr<char[]> list =
        FetchList([&](char* buffer, DWORD size) { return GetSectionNames(buffer, size); });
    if (!list)
        return false;
    for (const char* name = list.get(); *name; name += std::char_traits<char>::length(name) + 1)
        sections.push_back(CProfileSection{name, {}});
    return true;
}

bool CMappedPrivateProfile::LoadSection(LPCSTR name) {
    if (!LoadSectionNames())
        return false;
    CProfileEntries* entries = FindSection(name);
    if (!entries)
        return false;
    return ReadSectionEntries(name, GetPath(), *entries);
}

bool CMappedPrivateProfile::LoadAll() {
    if (!LoadSectionNames())
        return false;
    // The first record of each name, found once for all: looking every name up from the front
    // would cost the square of the section count. A name listed twice fills its first record
    // once per listing, as LoadSection does.
    std::unordered_map<std::string, size_t> first;
    for (size_t i = 0; i < sections.size(); ++i)
        first.emplace(sections[i].name, i);
    for (const CProfileSection& section : sections)
        ReadSectionEntries(section.name.c_str(), GetPath(), sections[first[section.name]].entries);
    return true;
}

CProfileEntries* CMappedPrivateProfile::FindSection(LPCSTR name) {
    if (!name)
        return nullptr;
    for (CProfileSection& section : sections) {
        if (section.name == name)
            return &section.entries;
    }
    return nullptr;
}

const CProfileEntries* CMappedPrivateProfile::FindSection(LPCSTR name) const {
    return const_cast<CMappedPrivateProfile*>(this)->FindSection(name);
}

LPCSTR CMappedPrivateProfile::FindValue(LPCSTR section, LPCSTR key) const {
    const CProfileEntries* entries = FindSection(section);
    if (!entries || !key)
        return nullptr;
    for (const CProfileEntry& entry : *entries) {
        if (entry.key == key)
            return entry.hasValue ? entry.value.c_str() : nullptr;
    }
    return nullptr;
}

bool CMappedPrivateProfile::WriteBack(bool deleteFirst) {
    LPCSTR path = GetPath();
    if (!path[0])
        return false;
    if (deleteFirst) {
        if (::DeleteFileA(path))
            return WriteSections(path);
        // A file that is already gone is what the delete was for; only one that stays is a
        // failure, and then its lines are updated one by one as without the delete.
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return WriteSections(path);
        WriteEntries(path);
        return false;
    }
    return WriteEntries(path);
}

bool CMappedPrivateProfile::WriteEntries(LPCSTR path) const {
    bool written = true;
    for (const CProfileSection& section : sections) {
        for (const CProfileEntry& entry : section.entries) {
            if (!IsWritable(entry))
                continue;
            if (!::WritePrivateProfileStringA(section.name.c_str(), entry.key.c_str(),
                                              entry.value.c_str(), path))
                written = false;
        }
    }
    return written;
}

// The platform's writer rewrites the whole file on every call, so a file written line by line
// costs the square of its length. Into a file that is gone, one call per section name gives
// the same file: records of one name merged into its first place, and a key repeated (names
// compared as the platform compares them) kept at its first place with its last value.
bool CMappedPrivateProfile::WriteSections(LPCSTR path) const {
    struct Merged {
        const std::string* name;
        std::vector<std::pair<std::string, std::string>> lines;
        std::unordered_map<std::wstring, size_t> lineOfKey;
    };
    std::vector<Merged> merged;
    std::unordered_map<std::wstring, size_t> mergedOfName;
    for (const CProfileSection& section : sections) {
        const auto [place, isNew] = mergedOfName.emplace(Folded(section.name), merged.size());
        if (isNew)
            merged.push_back(Merged{&section.name, {}, {}});
        Merged& target = merged[place->second];
        for (const CProfileEntry& entry : section.entries) {
            if (!IsWritable(entry))
                continue;
            const auto [line, isNewKey] =
                target.lineOfKey.emplace(Folded(Trimmed(entry.key)), target.lines.size());
            if (isNewKey)
                target.lines.emplace_back(entry.key, entry.value);
            else
                target.lines[line->second].second = entry.value;
        }
    }
    bool written = true;
    for (const Merged& section : merged) {
        if (section.lines.empty())
            continue;
        std::string block;
        for (const auto& line : section.lines) {
            block += line.first;
            block += '=';
            block += line.second;
            block += '\0';
        }
        if (!::WritePrivateProfileSectionA(section.name->c_str(), block.c_str(), path))
            written = false;
    }
    return written;
}

LPCSTR CMappedPrivateProfile::SectionNameAt(int index) const {
    return Fits(index, sections.size()) ? sections[index].name.c_str() : nullptr;
}

const CProfileEntry* CMappedPrivateProfile::EntryAt(LPCSTR section, int entryIndex) const {
    const CProfileEntries* entries = FindSection(section);
    if (!entries || !Fits(entryIndex, entries->size()))
        return nullptr;
    return &(*entries)[entryIndex];
}

LPCSTR CMappedPrivateProfile::KeyNameAt(int sectionIndex, int entryIndex) const {
    return KeyNameAt(SectionNameAt(sectionIndex), entryIndex);
}

LPCSTR CMappedPrivateProfile::KeyNameAt(LPCSTR section, int entryIndex) const {
    const CProfileEntry* entry = EntryAt(section, entryIndex);
    return entry ? entry->key.c_str() : nullptr;
}

LPCSTR CMappedPrivateProfile::ValueAt(int sectionIndex, int entryIndex) const {
    return ValueAt(SectionNameAt(sectionIndex), entryIndex);
}

LPCSTR CMappedPrivateProfile::ValueAt(LPCSTR section, int entryIndex) const {
    const CProfileEntry* entry = EntryAt(section, entryIndex);
    return entry && entry->hasValue ? entry->value.c_str() : nullptr;
}

bool CMappedPrivateProfile::RemoveSection(LPCSTR name) {
    for (auto it = sections.begin(); name && it != sections.end(); ++it) {
        if (it->name == name) {
            sections.erase(it);
            return true;
        }
    }
    return false;
}

bool CMappedPrivateProfile::RemoveKey(LPCSTR section, LPCSTR key) {
    CProfileEntries* entries = FindSection(section);
    if (!entries || !key)
        return false;
    for (auto it = entries->begin(); it != entries->end(); ++it) {
        if (it->key == key) {
            entries->erase(it);
            return true;
        }
    }
    return false;
}

} // namespace vela::wx
