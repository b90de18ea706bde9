// The compatibility report: one short line per fact about this system, the picture and the
// folder, each checked at the moment it is composed.
#pragma once

#include <string>

namespace kalmora {

// The lines joined by CR LF, for a multi-line edit control.
std::string ComposeReport(const char* folder, const char* image);

} // namespace kalmora
