// Fixed 260-character path buffer: the bounded copies and the members with logic of their own.
#include "vela/wx/shell/PathBuffer.h"

#include <cstring>
#include <string>

#include "vela/wx/shell/DoubleByte.h"

namespace {

// Copies text into dest, whose free room is room positions, cutting it to room - 1 characters.
template <class Ch>
void CopyBounded(Ch* dest, size_t room, const Ch* text) {
    size_t n = std::char_traits<Ch>::length(text);
    if (n > room - 1)
        n = room - 1;
    std::memmove(dest, text, n * sizeof(Ch));
    dest[n] = 0;
}

// How many units the character at text takes; UTF-16 is taken unit by unit.
template <class Ch>
int CharUnits(const Ch* text) {
    if constexpr (sizeof(Ch) == 1)
        return vela::wx::CharBytes(text);
    else
        return 1;
}

template <class Ch>
bool IsRefusedInFileName(Ch ch) {
    static const char refused[] = {'\\', '/', ':', '*', '?', '"', '<', '>', '|', '\r', '\n'};
    for (char r : refused) {
        if (ch == static_cast<Ch>(r))
            return true;
    }
    return false;
}

} // namespace

template <class Ch>
CPathBufferT<Ch>::CPathBufferT() : chars() {}

template <class Ch>
CPathBufferT<Ch>::CPathBufferT(const Ch* text) {
    CopyBounded(chars, kCapacity, text);
}

template <class Ch>
CPathBufferT<Ch>& CPathBufferT<Ch>::Assign(const Ch* text) {
    CopyBounded(chars, kCapacity, text);
    return *this;
}

template <class Ch>
CPathBufferT<Ch>& CPathBufferT<Ch>::Append(const Ch* text) {
    size_t used = std::char_traits<Ch>::length(chars);
    CopyBounded(chars + used, kCapacity - used, text);
    return *this;
}

// The shell's functions that take a source and a destination do not promise to cope with the
// two overlapping, so the in-place forms work from a copy.
template <class Ch>
bool CPathBufferT<Ch>::Canonicalize() {
    CPathBufferT source(*this);
    return Api::Canonicalize(chars, source.chars) != FALSE;
}

template <class Ch>
Ch* CPathBufferT<Ch>::CombineDirectory(const Ch* directory) {
    CPathBufferT file(*this);
    return Api::Combine(chars, directory, file.chars);
}

template <class Ch>
Ch* CPathBufferT<Ch>::CombineFile(const Ch* file) {
    CPathBufferT directory(*this);
    return Api::Combine(chars, directory.chars, file);
}

template <class Ch>
bool CPathBufferT<Ch>::CompactPathEx(UINT maxChars, DWORD flags) {
    CPathBufferT source(*this);
    return Api::CompactPathEx(chars, source.chars, maxChars, flags) != FALSE;
}

template <class Ch>
Ch* CPathBufferT<Ch>::GetLastComponent() {
    Ch* last = nullptr;
    for (Ch* next = Api::FindNextComponent(chars); next && *next;
         next = Api::FindNextComponent(next))
        last = next;
    return last;
}

template <class Ch>
bool CPathBufferT<Ch>::FindOnPath(Ch* fileName, const Ch** extraDirs) {
    if (!Api::FindOnPath(fileName, extraDirs))
        return false;
    CopyBounded(chars, kCapacity, fileName);
    return true;
}

template <class Ch>
bool CPathBufferT<Ch>::MakeValidFileName(const Ch* source, int limit) {
    if (!source)
        return false;
    while (*source == ' ' || *source == '.')
        ++source;
    if (!*source)
        return false;

    const int room = (limit <= 0 || limit > kCapacity ? kCapacity : limit) - 1;
    int used = 0;
    int lastUnits = 0;
    for (const Ch* p = source; *p;) {
        const int units = CharUnits(p);
        if (units == 1 && IsRefusedInFileName(*p)) {
            ++p;
            continue;
        }
        if (used + units > room) {
            // The cut is marked in the last free position, or over the last kept character.
            if (used == room && lastUnits > 0)
                used -= lastUnits;
            if (used < room)
                chars[used++] = '~';
            break;
        }
        for (int i = 0; i < units; ++i)
            chars[used++] = *p++;
        lastUnits = units;
    }
    chars[used] = 0;
    return true;
}

template class CPathBufferT<char>;
template class CPathBufferT<wchar_t>;
