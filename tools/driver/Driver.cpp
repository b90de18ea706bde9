// Drives Kalmora for the benchmark and the screenshots:
//   startup EXE CAPTION [ARG]  start-up to the dialog shown and back to exit, and peak memory
//   profile                    Refresh, Apply and Revert on a Desktop.ini of 1,000 sections
//   click CAPTION ID           presses a button of a program's window, as a mouse click would
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Main.h"
#include "app/resource.h"

namespace {

struct Search {
    DWORD pid;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    if ((search->pid == 0 || pid == search->pid) && IsWindowVisible(hwnd) &&
        lstrcmpA(text, search->caption) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD pid, const char* caption) {
    for (int i = 0; i < 20000; ++i) {
        Search search = {pid, caption, nullptr};
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(1);
    }
    return nullptr;
}

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * count.QuadPart / frequency.QuadPart;
}

int Startup(const char* exe, const char* caption, const char* argument) {
    std::vector<double> shown, total;
    SIZE_T peak = 0;
    for (int run = 0; run < 7; ++run) {
        std::string commandLine = std::string("\"") + exe + "\"";
        if (argument)
            commandLine += std::string(" \"") + argument + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        double start = Now();
        if (!CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return 1;
        HWND window = WaitForWindow(process.dwProcessId, caption);
        double up = Now();
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
            peak = std::max(peak, memory.PeakWorkingSetSize);
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        WaitForSingleObject(process.hProcess, INFINITE);
        double down = Now();
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (!window)
            return 1;
        // The first run pays for loading the system's DLLs from cold; it is not counted.
        if (run > 0) {
            shown.push_back(up - start);
            total.push_back(down - start);
        }
    }
    std::sort(shown.begin(), shown.end());
    std::sort(total.begin(), total.end());
    std::printf("%.0f %.0f %lu\n", shown[shown.size() / 2], total[total.size() / 2],
                static_cast<unsigned long>(peak / 1024));
    return 0;
}

LRESULT CALLBACK AnswerYes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE)
        PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDYES, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int Profile() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "kalmora-bench";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string ini;
    for (int s = 0; s < 1000; ++s) {
        ini += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 10; ++k)
            ini += "Key" + std::to_string(k) + "=Value " + std::to_string(s * 10 + k) + "\r\n";
    }
    ini += "[{BE098140-A513-11D0-A3A4-00C04FD706EC}]\r\nIconArea_Text=0x00ffffff\r\n"
           "IconArea_TextBackground=0x00000000\r\n";
    std::string path = folder + "\\Desktop.ini";
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    // A Desktop.ini the user has is old. Wine's profile reader trusts its cache of a file only
    // once the file's time lies a moment back, and would read this one anew on every call.
    FILETIME yesterday;
    GetSystemTimeAsFileTime(&yesterday);
    ULARGE_INTEGER time = {{yesterday.dwLowDateTime, yesterday.dwHighDateTime}};
    time.QuadPart -= 24ull * 60 * 60 * 10000000;
    yesterday = {time.LowPart, time.HighPart};
    SetFileTime(file, nullptr, nullptr, &yesterday);
    CloseHandle(file);

    CMain app;
    if (!app.Initialize())
        return 1;
    app.folderPath.Assign(folder.c_str());
    double start = Now();
    app.Refresh();
    double refreshed = Now();
    SetDlgItemTextA(app.GetHandle(), IDC_IMAGE, "C:\\windows\\winhlp32.exe");
    app.Apply();
    double applied = Now();
    HHOOK hook = SetWindowsHookExA(WH_CBT, AnswerYes, nullptr, GetCurrentThreadId());
    app.Revert();
    UnhookWindowsHookEx(hook);
    double reverted = Now();
    DestroyWindow(app.GetHandle());
    std::printf("%.0f %.0f %.0f\n", refreshed - start, applied - refreshed, reverted - applied);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}

int Click(const char* caption, int id) {
    HWND window = WaitForWindow(0, caption);
    if (!window)
        return 1;
    PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc >= 4)
        return Startup(argv[2], argv[3], argc > 4 ? argv[4] : nullptr);
    if (mode == "profile")
        return Profile();
    if (mode == "click" && argc == 4)
        return Click(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: driver startup EXE CAPTION [ARG] | profile | click CAPTION ID\n");
    return 2;
}
