// A modeless dialog as the program's main window, ending the program when it is destroyed.
#pragma once

#include <windows.h>

#include "vela/wx/window/Application.h"
#include "vela/wx/window/DlgBase.h"

namespace vela::wx {

// One window object and one handle shared by the dialog and the application. The derived class
// creates its dialog in its own OnInitInstance with CreateModeless and then calls this one.
class CDlgApplication : public CDlgBase, public CApplication {
public:
    explicit CDlgApplication(LPCSTR title);

    // The dialog map; the window map is never used for a dialog application.
    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Accelerators before dialog navigation, which would otherwise take the keys first.
    BOOL PreTranslateMessage(MSG* msg) override;
    bool OnInitInstance() override;
    // WM_DESTROY: ()
    int OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
};

} // namespace vela::wx
