// Helpers shared by the profile tests: zero-separated lists, code page texts and snapshots.
#include "tests/vela/wx/profile/ProfileTestSupport.h"

#include <cstring>

namespace test {

std::vector<std::string> SplitList(const char* list) {
    std::vector<std::string> names;
    for (; *list; list += std::strlen(list) + 1)
        names.emplace_back(list);
    return names;
}

std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::vector<std::string> SectionLines(const std::string& file, const char* section) {
    std::vector<char> buffer(32768);
    if (!GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                   file.c_str()))
        return {};
    return SplitList(buffer.data());
}

SnapshotText Snapshot(const std::vector<vela::wx::CProfileSection>& sections) {
    SnapshotText text;
    for (const vela::wx::CProfileSection& section : sections) {
        std::vector<std::string> lines;
        for (const vela::wx::CProfileEntry& entry : section.entries)
            lines.push_back(entry.hasValue ? entry.key + "=" + entry.value : entry.key);
        text.emplace_back(section.name, lines);
    }
    return text;
}

} // namespace test
