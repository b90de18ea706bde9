// Enabling and disabling a dialog's controls without leaving the dialog without a focus.
#pragma once

#include <windows.h>

namespace vela::wx {

// EnableWindow for a control of a dialog. A control that is disabled while it has the focus
// first hands the focus on to the next control that can take it, as Tab would: a disabled window
// loses the focus to no window at all, and Tab and the arrow keys then do nothing until a click.
BOOL EnableControl(HWND control, BOOL enable);

} // namespace vela::wx
