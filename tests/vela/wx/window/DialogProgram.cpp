// A minimal program on the framework: its main window is a dialog, and it ends with the dialog.
#include <windows.h>

#include "tests/vela/wx/window/TestResource.h"
#include "vela/wx/window/DlgApplication.h"

namespace {

class CDialogProgram : public vela::wx::CDlgApplication {
public:
    CDialogProgram() : CDlgApplication("dialog program") {}

    bool OnInitInstance() override {
        CreateModeless(instance, MAKEINTRESOURCEA(IDD_PLAIN), nullptr,
                       vela::wx::CDlgBase::StaticDlgProc, 0);
        return CDlgApplication::OnInitInstance();
    }
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CDialogProgram program;
    // 1 tells the test that the program never had its dialog.
    if (!program.Initialize() || !program.handle)
        return 1;
    program.Execute(false);
    return 0;
}
