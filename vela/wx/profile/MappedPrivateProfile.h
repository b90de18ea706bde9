// A whole INI file held in memory in the order the platform lists it, and written back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "vela/wx/profile/PrivateProfile.h"

namespace vela::wx {

// One line of a section as the platform lists it, split at its first "=".
struct CProfileEntry {
    std::string key;
    std::string value;
    // A line without "=" (a bare name such as "-->" or "#comment"): its whole text is the key.
    // The platform's writer can only make "key=value" lines, so write-back leaves such a line
    // out rather than turn it into a key with an empty value that the file never had.
    bool hasValue = true;
};

using CProfileEntries = std::vector<CProfileEntry>;

struct CProfileSection {
    std::string name;
    CProfileEntries entries;
};

// Appends the section's lines to entries; false when the section is absent or lists no line.
bool ReadSectionEntries(LPCSTR section, LPCSTR file, CProfileEntries& entries);

// A snapshot: taken when bound and loaded, unchanged by later writes to the file. Lookups compare
// names exactly, case included, and answer from the first record of a name; the texts they
// return live until the snapshot changes.
class CMappedPrivateProfile : public CPrivateProfile {
public:
    CMappedPrivateProfile() = default;
    ~CMappedPrivateProfile() override;

    void Unbind() override;

    bool LoadSectionNames();
    bool LoadSection(LPCSTR name);
    bool LoadAll();
    CProfileEntries* FindSection(LPCSTR name);
    const CProfileEntries* FindSection(LPCSTR name) const;
    // None also when the first line of that key has no "=".
    LPCSTR FindValue(LPCSTR section, LPCSTR key) const;
    // Every entry is tried; false when the delete-first or any entry write failed.
    bool WriteBack(bool deleteFirst);

    LPCSTR SectionNameAt(int index) const;
    LPCSTR KeyNameAt(int sectionIndex, int entryIndex) const;
    LPCSTR KeyNameAt(LPCSTR section, int entryIndex) const;
    // None also for a line without "=".
    LPCSTR ValueAt(int sectionIndex, int entryIndex) const;
    LPCSTR ValueAt(LPCSTR section, int entryIndex) const;
    bool RemoveSection(LPCSTR name);
    bool RemoveKey(LPCSTR section, LPCSTR key);

    const std::vector<CProfileSection>& GetSections() const { return sections; }

private:
    bool WriteEntries(LPCSTR path) const;
    bool WriteSections(LPCSTR path) const;
    const CProfileEntry* EntryAt(LPCSTR section, int entryIndex) const;

    std::vector<CProfileSection> sections;
};

} // namespace vela::wx
