// Runs the in-process application tests from a copy of this program in a fresh folder, since
// the application keeps its setup.ini beside its own executable.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (GetEnvironmentVariableA("KALMORA_TEST_COPY", nullptr, 0) != 0) {
        testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
    test::TempDir dir;
    std::string copy = dir.Sub("app_tests.exe");
    if (!CopyFileA(self, copy.c_str(), FALSE))
        return 1;
    std::string commandLine = "\"" + copy + "\"";
    for (int i = 1; i < argc; ++i)
        commandLine += std::string(" \"") + argv[i] + "\"";
    SetEnvironmentVariableA("KALMORA_TEST_COPY", "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(copy.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                        dir.Path().c_str(), &startup, &process))
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
