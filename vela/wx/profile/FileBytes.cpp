// A whole file's bytes through a handle already open.
#include "vela/wx/profile/FileBytes.h"

namespace vela::wx {

bool ReadFileBytes(HANDLE file, std::string& bytes) {
    DWORD high = 0;
    ::SetLastError(NO_ERROR);
    const DWORD size = ::GetFileSize(file, &high);
    if (size == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        return false;
    if (high != 0 || size > 0x7FFFFFFF) {
        ::SetLastError(ERROR_FILE_TOO_LARGE);
        return false;
    }
    bytes.resize(size);
    DWORD done = 0;
    while (done < size) {
        DWORD read = 0;
        if (!::ReadFile(file, &bytes[done], size - done, &read, nullptr))
            return false;
        if (read == 0)
            break;
        done += read;
    }
    bytes.resize(done);
    return true;
}

bool WriteFileBytes(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                         &written, nullptr))
            return false;
        done += written;
    }
    return true;
}

} // namespace vela::wx
