// The compatibility report: one short line per fact about this system, the picture and the
// folder, each checked at the moment it is composed.
#pragma once

#include <string>

namespace kalmora {

// The lines joined by CR LF, for a multi-line edit control. applyMarks: the next Apply writes
// the keys and so gives the folder and Desktop.ini the attributes the shell looks for.
// filesApp: Apply writes the Files file manager's keys too.
std::string ComposeReport(const char* folder, const char* image, bool applyMarks, bool filesApp);

} // namespace kalmora
