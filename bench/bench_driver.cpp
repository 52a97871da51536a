// Times Tarvane.exe against baselines measured in the same run, and prints a table of the
// medians and their ratios:
//   start-up  from process creation to the main window visible, against same_window.exe
//             (Tarvane's window with its start-up duties and nothing else), and for reference
//             against bare_window.exe (one empty window, no visual styles, no shell);
//   launch    from the Process click to the archive tool's test double running, against the
//             Process of same_window.exe (which reads the settings file and starts the tool by
//             its exact path), and for reference against a bare CreateProcessW of the same test
//             double with the same command line;
//   memory    peak working set with the window open, against same_window.exe, and for
//             reference against bare_window.exe.
//
//   bench_driver TARVANE_EXE SAME_WINDOW_EXE BARE_WINDOW_EXE FAKE_TOOL_EXE [RUNS]
//
// The settings file must already name FAKE_TOOL_EXE as the archive tool, so that no first-start
// question comes up. The test double logs each start to archive-calls.txt beside itself; the
// tool counts as running once its record appears there.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "launch/command_line.h"
#include "ui/window_description.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
const std::wstring kArchive = L"C:\\bench\\in.sga";
const std::wstring kOutputFolder = L"C:\\bench\\out";

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "bench_driver: %s (error %lu)\n", what, GetLastError());
    std::exit(1);
}

double Milliseconds() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

PROCESS_INFORMATION Start(const std::wstring& program, const std::wstring& commandLine) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        Fail("CreateProcessW failed");
    }
    CloseHandle(started.hThread);
    return started;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForVisibleWindow(DWORD processId) {
    const double deadline = Milliseconds() + kTimeoutMs;
    while (Milliseconds() < deadline) {
        WindowSearch search{processId, nullptr};
        EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(1);
    }
    Fail("no window became visible");
}

// A program started by Start() with its window visible.
struct OpenWindow {
    PROCESS_INFORMATION process;
    HWND window;
    double startupMs;
};

OpenWindow OpenProgram(const std::wstring& program) {
    const double begin = Milliseconds();
    const PROCESS_INFORMATION process = Start(program, L"\"" + program + L"\"");
    const HWND window = WaitForVisibleWindow(process.dwProcessId);
    return {process, window, Milliseconds() - begin};
}

void CloseProgram(const OpenWindow& open) {
    PostMessageW(open.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(open.process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        Fail("a program did not close");
    }
    CloseHandle(open.process.hProcess);
}

double PeakWorkingSetMiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
        Fail("GetProcessMemoryInfo failed");
    }
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

void RequireTarvaneMainWindow(HWND window) {
    if (GetDlgItem(window, tarvane::kCmdGo) == nullptr) {
        Fail("the first window of Tarvane.exe is not its main window: are its settings prepared?");
    }
}

struct Pair {
    std::vector<double> program;
    std::vector<double> baseline;
};

// Start-up time and peak working set of one program over the runs.
struct StartupSamples {
    std::vector<double> ms;
    std::vector<double> peakMiB;
};

// The programs take turns, so that a slow stretch of the machine falls on all of them alike.
// The first is Tarvane.exe, whose first window must be its main window.
std::vector<StartupSamples> MeasureStartup(const std::vector<std::wstring>& programs, int runs) {
    std::vector<StartupSamples> samples(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const OpenWindow open = OpenProgram(programs[i]);
            if (i == 0) {
                RequireTarvaneMainWindow(open.window);
            }
            Sleep(300);  // let the window finish painting before the peak is read
            samples[i].ms.push_back(open.startupMs);
            samples[i].peakMiB.push_back(PeakWorkingSetMiB(open.process.hProcess));
            CloseProgram(open);
        }
    }
    return samples;
}

std::wstring LogBesideTool(const std::wstring& tool) {
    return tool.substr(0, tool.find_last_of(L'\\') + 1) + L"archive-calls.txt";
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Waits until the tool's log has grown past sizeBefore, and answers the time it took since begin.
double WaitForToolRecord(const std::wstring& log, long long sizeBefore, double begin) {
    const double deadline = begin + kTimeoutMs;
    while (Milliseconds() < deadline) {
        if (FileSize(log) > sizeBefore) {
            return Milliseconds() - begin;
        }
        Sleep(1);
    }
    Fail("the archive tool's test double did not run");
}

void SetText(HWND window, int controlId, const std::wstring& text) {
    SendMessageW(GetDlgItem(window, controlId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

// From the Process click to the tool running, in a program whose window is open.
double TimeProcessClick(HWND window, const std::wstring& log) {
    const long long size = FileSize(log);
    const double begin = Milliseconds();
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(tarvane::kCmdGo, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, tarvane::kCmdGo)));
    const double ms = WaitForToolRecord(log, size, begin);
    Sleep(200);  // let the tool finish before the next start
    return ms;
}

// Starting the tool directly with the same call as Tarvane's (the driver, like Tarvane, is a GUI
// program without a console, so the console tool gets a new console in both cases).
double TimeBareStart(const std::wstring& tool, const std::wstring& commandLine,
                     const std::wstring& log) {
    const long long size = FileSize(log);
    const double begin = Milliseconds();
    const PROCESS_INFORMATION started = Start(tool, commandLine);
    const double ms = WaitForToolRecord(log, size, begin);
    WaitForSingleObject(started.hProcess, kTimeoutMs);
    CloseHandle(started.hProcess);
    Sleep(200);
    return ms;
}

// Both paths filled in, as a user leaves them before pressing Process.
void FillPaths(HWND window) {
    SetText(window, tarvane::kTxtSGAPath, kArchive);
    SetText(window, tarvane::kTxtSGBOut, kOutputFolder);
}

struct LaunchSamples {
    Pair same;  // against same_window.exe's Process
    std::vector<double> bare;
};

// Tarvane's Process, same_window.exe's and the bare start take turns.
LaunchSamples MeasureLaunch(const std::wstring& tarvane, const std::wstring& same,
                            const std::wstring& tool, int runs) {
    const OpenWindow tarvaneOpen = OpenProgram(tarvane);
    RequireTarvaneMainWindow(tarvaneOpen.window);
    const OpenWindow sameOpen = OpenProgram(same);
    FillPaths(tarvaneOpen.window);
    FillPaths(sameOpen.window);
    const std::wstring log = LogBesideTool(tool);
    const std::wstring commandLine = tarvane::ExtractCommand(tool, kArchive, kOutputFolder);

    LaunchSamples launchMs;
    for (int run = 0; run < runs; ++run) {
        launchMs.same.program.push_back(TimeProcessClick(tarvaneOpen.window, log));
        launchMs.same.baseline.push_back(TimeProcessClick(sameOpen.window, log));
        launchMs.bare.push_back(TimeBareStart(tool, commandLine, log));
    }
    CloseProgram(sameOpen);
    CloseProgram(tarvaneOpen);
    return launchMs;
}

// A row without a target is there to explain the others.
void PrintRow(const char* name, const char* unit, const Pair& pair, std::optional<double> target) {
    const double program = Median(pair.program);
    const double baseline = Median(pair.baseline);
    const double ratio = program / baseline;
    std::printf("%-15s %4zu %10.1f %10.1f  %-4s %6.2f  ", name, pair.program.size(), program,
                baseline, unit, ratio);
    if (target) {
        std::printf("<= %.2f  %s\n", *target, ratio <= *target ? "met" : "MISSED");
    } else {
        std::printf("(no target)\n");
    }
}

}  // namespace

// A GUI program, as Tarvane is, so that the programs it starts meet the same conditions; under
// Wine its output still reaches the terminal that started it.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const int argc = __argc;
    wchar_t** const argv = __wargv;
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: bench_driver TARVANE_EXE SAME_WINDOW_EXE BARE_WINDOW_EXE "
                     "FAKE_TOOL_EXE [RUNS]\n");
        return 2;
    }
    const std::wstring tarvane = argv[1];
    const std::wstring same = argv[2];
    const std::wstring bare = argv[3];
    const std::wstring tool = argv[4];
    const int runs = argc > 5 ? std::max(1, _wtoi(argv[5])) : 15;

    const std::vector<StartupSamples> startup = MeasureStartup({tarvane, same, bare}, runs);
    const Pair startupMs{startup[0].ms, startup[1].ms};
    const Pair startupBareMs{startup[0].ms, startup[2].ms};
    const Pair memoryMiB{startup[0].peakMiB, startup[1].peakMiB};
    const Pair memoryBareMiB{startup[0].peakMiB, startup[2].peakMiB};
    const LaunchSamples launch = MeasureLaunch(tarvane, same, tool, runs);

    std::printf("%-15s %4s %10s %10s  %-4s %6s  %s\n", "measure", "runs", "Tarvane", "baseline",
                "unit", "ratio", "target");
    PrintRow("start-up", "ms", startupMs, 1.05);
    PrintRow("start-up (bare)", "ms", startupBareMs, std::nullopt);
    PrintRow("launch", "ms", launch.same, 1.05);
    PrintRow("launch (bare)", "ms", {launch.same.program, launch.bare}, std::nullopt);
    PrintRow("memory", "MiB", memoryMiB, 1.02);
    PrintRow("memory (bare)", "MiB", memoryBareMiB, std::nullopt);
    std::printf(
        "Medians. Start-up and memory (peak working set) against same_window.exe (Tarvane's "
        "window with its start-up duties and nothing else), the (bare) rows against "
        "bare_window.exe (one empty window without visual styles or the shell), launch against "
        "same_window.exe's Process (settings read, tool started by its exact path), launch "
        "(bare) against a bare CreateProcessW of the test double.\n");
    return 0;
}
