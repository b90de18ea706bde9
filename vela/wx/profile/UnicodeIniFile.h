// An INI file turned into UTF-16LE with a byte-order mark, line for line.
#pragma once

#include <windows.h>

namespace vela::wx {

// Rewrites the file as UTF-16LE behind a byte-order mark, each character converted from the
// ANSI code page (932 on the systems this is made for) or, behind a UTF-8 byte-order mark, from
// UTF-8; line ends and every line stay as they were. A missing file is created holding the mark
// alone, so that what the profile functions write next is UTF-16 too. A file that starts with a
// UTF-16 byte-order mark of either order is left alone: the profile functions keep it UTF-16.
// False, with the last error set, when it cannot be read or written, or when it holds bytes that
// are no text of its code page (ERROR_NO_UNICODE_TRANSLATION; the file is then untouched, as
// converting those would lose them) or 256 MB or more of text.
bool ConvertIniFileToUnicode(LPCSTR path);

} // namespace vela::wx
