// Owner of one accelerator table, and the writer of its shortcuts into menu labels.
#pragma once

#include <windows.h>

#include "vela/wx/shell/Handle.h"

namespace vela::wx {

// Every operation that obtains a new table offers it to Attach; when Attach refuses (a table is
// already held, or the new handle is none) the new table is destroyed and the operation is false.
class CAccelerator : public IHandle {
public:
    CAccelerator() = default;
    explicit CAccelerator(HACCEL accel);
    ~CAccelerator() override;
    CAccelerator(const CAccelerator&) = delete;
    CAccelerator& operator=(const CAccelerator&) = delete;

    bool Destroy() override;

    bool Attach(HACCEL accel);
    HACCEL Detach();
    HACCEL GetHandle() const { return handle; }

    bool Create(const ACCEL* entries, int count);
    bool CreateW(const ACCEL* entries, int count);
    bool Load(HINSTANCE instance, LPCSTR name);
    bool Load(HINSTANCE instance, LPCWSTR name);
    // With no buffer, the number of entries in the table.
    int Copy(ACCEL* entries, int capacity) const;
    int CopyW(ACCEL* entries, int capacity) const;
    int GetCount() const;
    // Nonzero: the message became a WM_COMMAND to the target and must not be dispatched.
    int Translate(HWND target, MSG* msg) const;
    int TranslateW(HWND target, MSG* msg) const;

    // Writes each entry's key combination after the last tab of the label of the item carrying
    // its command. 0 when the handle is no menu, 1 otherwise.
    int SetMenuShortcutText(HMENU menu) const;

private:
    bool TakeOver(HACCEL accel);

    HACCEL handle = nullptr;
};

} // namespace vela::wx
