// The process entry: one CMain, its start-up, its message loop; the exit code is always 0.
#include <windows.h>

#include "app/Main.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    CMain app;
    if (app.Initialize())
        app.Execute(false);
    return 0;
}
