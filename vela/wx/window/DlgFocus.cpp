// Enabling and disabling a dialog's controls without leaving the dialog without a focus.
#include "vela/wx/window/DlgFocus.h"

namespace vela::wx {

BOOL EnableControl(HWND control, BOOL enable) {
    // Moved by the dialog manager itself, so that a push button that takes the focus also
    // becomes the default button as it does under Tab.
    if (!enable && control && ::GetFocus() == control)
        ::SendMessageA(::GetParent(control), WM_NEXTDLGCTL, 0, FALSE);
    return ::EnableWindow(control, enable);
}

} // namespace vela::wx
