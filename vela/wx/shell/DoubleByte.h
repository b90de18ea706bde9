// Stepping through 8-bit text of the system code page one whole character at a time.
#pragma once

#include <windows.h>

namespace vela::wx {

// Bytes of the character at text: a lead byte of the system's double-byte code page (Shift_JIS)
// carries the byte after it, unless the text ends there; any other byte stands alone. A trail
// byte can look like "\", "=", a tab or a digit, so 8-bit text is searched only this way.
inline int CharBytes(const char* text) {
    return ::IsDBCSLeadByte(static_cast<BYTE>(*text)) && text[1] ? 2 : 1;
}

// The character after the one at text, which must not be the terminator.
inline const char* NextChar(const char* text) {
    return text + CharBytes(text);
}
inline char* NextChar(char* text) {
    return text + CharBytes(text);
}

} // namespace vela::wx
