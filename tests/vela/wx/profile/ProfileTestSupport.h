// Helpers shared by the profile tests: zero-separated lists, code page texts and snapshots.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/ProfileFiles.h"
#include "vela/wx/profile/MappedPrivateProfile.h"

namespace test {

// The names of a zero-separated list ended by an empty name.
std::vector<std::string> SplitList(const char* list);

// Text with LF line ends turned into CRLF, as the platform's writer produces them.
std::string Crlf(const std::string& text);

// The section's lines as the platform lists them; none for an absent section.
std::vector<std::string> SectionLines(const std::string& file, const char* section);

// A snapshot as text, section by section: the name and its lines, "key=value", or the key alone
// for a line held without "=".
using SnapshotText = std::vector<std::pair<std::string, std::vector<std::string>>>;
SnapshotText Snapshot(const std::vector<vela::wx::CProfileSection>& sections);

} // namespace test
