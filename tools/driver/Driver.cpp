// Drives Kalmora.exe and its yardsticks from outside, as a user would, for the benchmark and the
// screenshots. Every figure is of the real program in its own process, in milliseconds:
//   startup ROUNDS EXE...           each program started until its dialog is shown and painted,
//                                   then left by Esc; the programs take turns, round after round
//   flow EXE FOLDER IMAGE SECONDS   F5, Apply of IMAGE and Revert on FOLDER, loaded at start-up
//   load EXE FOLDER SECONDS         F5 alone
//   look EXE FOLDER ROUNDS          start-up on FOLDER, opening the look window, and its repaint
//                                   after a change of colours
//   jpeg PATH WIDTH HEIGHT          writes a JPEG picture through GDI+
//   click CAPTION ID                presses a button of a program's window, as a mouse click would
//   command CAPTION ID              chooses a menu item or accelerator's command of that window
//
// "Painted": the window and each visible child have no update region left, checked after the
// program's thread has come back to its message loop (a WM_NULL sent to it has been answered),
// and once more after a further WM_NULL, so that a paint under way when it was checked is over.
#include <windows.h>
#include <gdiplus.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/resource.h"

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr char kLookClass[] = "KalmoraLookWindow";
// Longer than any step should take; a step that takes it is reported as a failure.
constexpr DWORD kPatience = 600000;

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * count.QuadPart / frequency.QuadPart;
}

// Samples of one figure, printed as min, median and max.
class CSamples {
public:
    void Add(double value) { values.push_back(value); }
    double operator[](size_t i) const { return values[i]; }
    size_t Size() const { return values.size(); }
    void Print(const char* name, int decimals = 1) const {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        if (n == 0) {
            std::printf("%s - - - 0\n", name);
            return;
        }
        const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
        std::printf("%s %.*f %.*f %.*f %u\n", name, decimals, sorted.front(), decimals, median,
                    decimals, sorted.back(), static_cast<unsigned>(n));
    }

private:
    std::vector<double> values;
};

struct Search {
    DWORD pid;
    const char* className;
    HWND skip;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || hwnd == search->skip || !IsWindowVisible(hwnd))
        return TRUE;
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, search->className) != 0)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// A visible top-level window of that class in that process, other than skip.
HWND WaitForWindow(DWORD pid, const char* className, HWND skip = nullptr) {
    const double deadline = Now() + kPatience;
    while (Now() < deadline) {
        Search search = {pid, className, skip, nullptr};
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(1);
    }
    return nullptr;
}

BOOL CALLBACK FindUnpainted(HWND hwnd, LPARAM lParam) {
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

bool NeedsPaint(HWND window) {
    bool unpainted = false;
    FindUnpainted(window, reinterpret_cast<LPARAM>(&unpainted));
    if (!unpainted)
        EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return unpainted;
}

// Sent, not posted: it returns once the window's thread has handled the message.
bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kPatience, &result);
}

bool Command(HWND dialog, int id, WORD code = BN_CLICKED) {
    return Send(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool WaitPainted(HWND window) {
    // Whatever the thread was doing when asked is over once it answers.
    if (!Send(window, WM_NULL, 0, 0))
        return false;
    for (;;) {
        const bool clean = !NeedsPaint(window);
        if (!Send(window, WM_NULL, 0, 0))
            return false;
        if (clean)
            return true;
        Sleep(0);
    }
}

class CProgram {
public:
    ~CProgram() { End(); }

    bool Start(const char* exe, const char* argument = nullptr) {
        std::string commandLine = std::string("\"") + exe + "\"";
        if (argument)
            commandLine += std::string(" \"") + argument + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return false;
        dialog = WaitForWindow(process.dwProcessId, kDialogClass);
        return dialog && WaitPainted(dialog);
    }

    SIZE_T PeakWorkingSet() const {
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        return GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)
                   ? memory.PeakWorkingSetSize
                   : 0;
    }

    // The key goes where the program's keyboard focus is, as a key press would.
    bool PressEscape() {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        HWND target = dialog;
        if (GetGUIThreadInfo(process.dwThreadId, &info) && info.hwndFocus)
            target = info.hwndFocus;
        PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        return WaitForExit();
    }

    bool WaitForExit() {
        const bool ended = WaitForSingleObject(process.hProcess, kPatience) == WAIT_OBJECT_0;
        End();
        return ended;
    }

    DWORD Pid() const { return process.dwProcessId; }

    HWND dialog = nullptr;

private:
    void End() {
        if (!process.hProcess)
            return;
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        process = {};
    }

    PROCESS_INFORMATION process = {};
};

int Startup(int rounds, const std::vector<const char*>& exes) {
    std::vector<CSamples> painted(exes.size()), exited(exes.size());
    std::vector<SIZE_T> peak(exes.size());
    // Round 0 pays for loading the system's DLLs from cold; it is not counted.
    for (int round = 0; round <= rounds; ++round) {
        for (size_t i = 0; i < exes.size(); ++i) {
            CProgram program;
            const double start = Now();
            if (!program.Start(exes[i]))
                return 1;
            const double up = Now();
            peak[i] = std::max(peak[i], program.PeakWorkingSet());
            if (!program.PressEscape())
                return 1;
            const double down = Now();
            if (round > 0) {
                painted[i].Add(up - start);
                exited[i].Add(down - start);
            }
        }
    }
    for (size_t i = 0; i < exes.size(); ++i) {
        std::string name = "painted" + std::to_string(i);
        painted[i].Print(name.c_str());
        name = "exited" + std::to_string(i);
        exited[i].Print(name.c_str());
        std::printf("peak%u %lu\n", static_cast<unsigned>(i),
                    static_cast<unsigned long>(peak[i] / 1024));
    }
    // Each round's ratio of the first program to each other one: the two ran moments apart, so
    // a machine whose load changes from round to round weighs on both alike.
    for (size_t i = 1; i < exes.size(); ++i) {
        CSamples paintedRatio, exitedRatio;
        for (size_t round = 0; round < painted[0].Size(); ++round) {
            paintedRatio.Add(painted[0][round] / painted[i][round]);
            exitedRatio.Add(exited[0][round] / exited[i][round]);
        }
        std::string name = "ratiopainted" + std::to_string(i);
        paintedRatio.Print(name.c_str(), 3);
        name = "ratioexited" + std::to_string(i);
        exitedRatio.Print(name.c_str(), 3);
    }
    return 0;
}

// A Desktop.ini the user has is old. Wine's profile reader trusts its cache of a file only once
// the file's time lies a moment back, and reads a young one anew on every call.
void MakeOld(const std::string& folder) {
    const std::string path = folder + "\\Desktop.ini";
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= 24ull * 60 * 60 * 10000000;
    const FILETIME yesterday = {time.LowPart, time.HighPart};
    SetFileTime(file, nullptr, nullptr, &yesterday);
    CloseHandle(file);
}

// Answers the revert question with Yes once it is shown and painted, and notes when.
struct Answer {
    DWORD pid;
    HWND dialog;
    double time;
};

DWORD WINAPI AnswerYes(void* parameter) {
    auto* answer = static_cast<Answer*>(parameter);
    HWND box = WaitForWindow(answer->pid, kDialogClass, answer->dialog);
    if (!box || !WaitPainted(box))
        return 1;
    answer->time = Now();
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
    return 0;
}

// Each step from the user's action to the dialog painted again. Rounds go on until SECONDS have
// passed, at least one and at most 20.
int Flow(const char* exe, const std::string& folder, const char* image, double seconds) {
    CSamples refresh, apply, revert;
    CProgram program;
    if (!program.Start(exe, folder.c_str()))
        return 1;
    HWND dialog = program.dialog;
    const double begin = Now();
    for (int round = 0; round < 20 && (round == 0 || Now() - begin < seconds * 1000); ++round) {
        MakeOld(folder);
        double start = Now();
        if (!Command(dialog, IDM_REFRESH) || !WaitPainted(dialog))
            return 1;
        refresh.Add(Now() - start);
        if (!image)
            continue;

        // The picture typed into its field, which takes it when the field loses the focus.
        if (!Send(GetDlgItem(dialog, IDC_IMAGE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(image)) ||
            !Command(dialog, IDC_IMAGE, EN_KILLFOCUS) || !WaitPainted(dialog))
            return 1;
        start = Now();
        if (!Command(dialog, IDC_APPLY) || !WaitPainted(dialog))
            return 1;
        apply.Add(Now() - start);

        Answer answer = {program.Pid(), dialog, 0};
        HANDLE answering = CreateThread(nullptr, 0, AnswerYes, &answer, 0, nullptr);
        const bool sent = Command(dialog, IDM_REVERT);
        WaitForSingleObject(answering, INFINITE);
        DWORD answered = 1;
        GetExitCodeThread(answering, &answered);
        CloseHandle(answering);
        if (!sent || answered != 0 || !WaitPainted(dialog))
            return 1;
        revert.Add(Now() - answer.time);
    }
    if (!program.PressEscape())
        return 1;
    refresh.Print("refresh");
    if (image) {
        apply.Print("apply");
        revert.Print("revert");
    }
    return 0;
}

int Look(const char* exe, const char* folder, int rounds) {
    CSamples startup, open, repaint;
    for (int round = 0; round <= rounds; ++round) {
        CProgram program;
        double start = Now();
        if (!program.Start(exe, folder))
            return 1;
        const double up = Now() - start;
        HWND dialog = program.dialog;

        start = Now();
        if (!Command(dialog, IDM_LOOK))
            return 1;
        HWND look = WaitForWindow(program.Pid(), kLookClass);
        if (!look || !WaitPainted(look))
            return 1;
        const double opened = Now() - start;

        // The folder has colours of its own: 規定値 changes both.
        start = Now();
        if (!Command(dialog, IDC_DEFAULT_COLORS) || !WaitPainted(look))
            return 1;
        const double repainted = Now() - start;

        // Closed first, so that the next start does not open it; キャンセル leaves without asking.
        if (!Send(look, WM_CLOSE, 0, 0) || !Command(dialog, IDC_CANCEL_BUTTON) ||
            !program.WaitForExit())
            return 1;
        // Round 0 pays for loading the system's DLLs from cold; it is not counted.
        if (round > 0) {
            startup.Add(up);
            open.Add(opened);
            repaint.Add(repainted);
        }
    }
    startup.Print("startup");
    open.Print("look");
    repaint.Print("repaint");
    return 0;
}

// Bands of colour and a checkerboard, so that the picture is neither flat nor noise.
int MakeJpeg(const char* path, int width, int height) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 1;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    for (int y = 0; y < height; ++y) {
        BYTE* row = &pixels[static_cast<size_t>(stride) * y];
        for (int x = 0; x < width; ++x) {
            row[x * 3] = static_cast<BYTE>(x * 255 / width);
            row[x * 3 + 1] = static_cast<BYTE>(y * 255 / height);
            row[x * 3 + 2] = ((x / 64 + y / 64) & 1) ? 200 : 60;
        }
    }
    // GDI+'s JPEG encoder.
    const CLSID jpeg = {
        0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    wchar_t widePath[MAX_PATH];
    int result = 1;
    if (MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH)) {
        Gdiplus::Bitmap bitmap(width, height, stride, PixelFormat24bppRGB, pixels.data());
        if (bitmap.Save(widePath, &jpeg, nullptr) == Gdiplus::Ok)
            result = 0;
    }
    Gdiplus::GdiplusShutdown(token);
    return result;
}

int Click(const char* caption, int id) {
    for (int i = 0; i < 20000; ++i) {
        HWND window = FindWindowA(nullptr, caption);
        if (window && IsWindowVisible(window)) {
            PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
            return 0;
        }
        Sleep(1);
    }
    return 1;
}

int MenuCommand(const char* caption, int id) {
    for (int i = 0; i < 20000; ++i) {
        HWND window = FindWindowA(nullptr, caption);
        if (window && IsWindowVisible(window)) {
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
            return 0;
        }
        Sleep(1);
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc >= 4)
        return Startup(std::atoi(argv[2]), std::vector<const char*>(argv + 3, argv + argc));
    if (mode == "flow" && argc == 6)
        return Flow(argv[2], argv[3], argv[4], std::atof(argv[5]));
    if (mode == "load" && argc == 5)
        return Flow(argv[2], argv[3], nullptr, std::atof(argv[4]));
    if (mode == "look" && argc == 5)
        return Look(argv[2], argv[3], std::atoi(argv[4]));
    if (mode == "jpeg" && argc == 5)
        return MakeJpeg(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (mode == "click" && argc == 4)
        return Click(argv[2], std::atoi(argv[3]));
    if (mode == "command" && argc == 4)
        return MenuCommand(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: driver startup ROUNDS EXE... | flow EXE FOLDER IMAGE SECONDS |\n"
                         "       load EXE FOLDER SECONDS | look EXE FOLDER ROUNDS |\n"
                         "       jpeg PATH WIDTH HEIGHT | click CAPTION ID | command CAPTION ID\n");
    return 2;
}
