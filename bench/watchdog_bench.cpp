// The watchdog's figures, under Wine or on Windows:
//   - one is_process_running call for an absent name (the whole walk), next to a
//     bare processes-only snapshot walk (the floor), a walk of the full snapshot
//     of every kind, and the check an operator would script instead: a batch
//     file run as a process, scanning `wmic process get name`;
//   - with a slot of the real tool at interval 1 s, the time from a kill of the
//     stand-in server to the crash line, and to the stand-in running again.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "../tests/e2e/driver.h"
#include "app/shell.h"
#include "watchdog/watchdog.h"

// What processes_win32.cpp takes from the shell.
bool file_exists(const std::wstring& name) { return GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

namespace {

double now_ms() {
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return 1000.0 * count.QuadPart / frequency.QuadPart;
}

struct spread {
    double median, worst;
};

spread measure(int rounds, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const double start = now_ms();
        run();
        times.push_back(now_ms() - start);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

void walk(DWORD kinds) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(kinds, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {}
    CloseHandle(snapshot);
}

// The batch an operator would write: exit code 0 when the name runs.
void run_batch_check(const std::wstring& batch) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"cmd.exe /d /c \"" + batch + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void report(const char* what, double ms, double floor) {
    std::printf("%-46s %10.3f ms   %8.1f x the floor\n", what, ms, ms / floor);
}

void restart_timing() {
    using namespace e2e;
    temp_folder folder(L"bench-server");
    lay_out_server_root(folder.root());
    const std::wstring server = L"BenchStandIn" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    std::filesystem::copy_file(built_file(L"stand_in_server.exe"), folder.root() / server);
    write_file(folder.root() / L"StartServer1.bat",
               "@echo off\r\nstart \"\" \"" + std::string(server.begin(), server.end()) + "\"\r\n");
    tool_process first(folder.root() / server, folder.root());
    tool_process tool(folder.root() / L"ConanDeploy.exe", folder.root());
    const HWND window = start_past_startup_box(tool);
    if (!window) return void(std::printf("the tool did not start\n"));
    const HWND log = find_control(window, control::日志框);
    set_text(find_control(window, control::进程列表1), server);
    set_text(find_control(window, control::检测间隔1), L"1");
    click(find_control(window, control::启动监控1));
    wait_for_lines(log, 3);

    constexpr int kills = 20;
    std::vector<double> to_line, to_running;
    for (int kill = 0; kill < kills; ++kill) {
        const std::vector<DWORD> running = processes_named(server);
        if (running.empty()) break;
        const size_t lines = list_lines(log).size();
        const double start = now_ms();
        for (DWORD id : running) end_process(id);
        wait_until([&] { return list_lines(log).size() > lines; });
        to_line.push_back(now_ms() - start);
        wait_until([&] { return !processes_named(server).empty(); });
        to_running.push_back(now_ms() - start);
        Sleep(300 + 97 * kill % 700);  // kills at varied points of the period
    }
    click(find_control(window, control::启动监控1));
    for (DWORD id : processes_named(server)) end_process(id);
    const auto show = [](const char* what, std::vector<double> times) {
        std::sort(times.begin(), times.end());
        if (times.empty()) return;
        std::printf("%-32s median %7.0f ms (%.2f x the interval)   worst %7.0f ms (%.2f x)\n", what,
                    times[times.size() / 2], times[times.size() / 2] / 1000, times.back(), times.back() / 1000);
    };
    std::printf("interval 1 s, %zu kills of the stand-in:\n", to_line.size());
    show("kill to crash line", to_line);
    show("kill to stand-in running again", to_running);
}

}  // namespace

int main() {
    size_t processes = 0;
    if (const auto names = system_process_list()) processes = names->size();
    std::printf("%zu processes running\n", processes);

    const double floor = measure(1000, [] { walk(TH32CS_SNAPPROCESS); }).median;
    const double ours = measure(1000, [] { is_process_running("absent-server.exe", false); }).median;
    const double every_kind = measure(1000, [] { walk(TH32CS_SNAPALL); }).median;

    e2e::temp_folder folder(L"bench-batch");
    const std::wstring batch = (folder.root() / L"check.bat").wstring();
    e2e::write_file(batch,
                    "@echo off\r\nfor /f \"skip=1\" %%p in ('wmic process get name') do "
                    "if /i \"%%p\"==\"absent-server.exe\" exit /b 0\r\nexit /b 1\r\n");
    const double batch_check = measure(20, [&] { run_batch_check(batch); }).median;

    std::printf("median of 1,000 calls (the batch: of 20 runs)\n");
    report("bare processes-only snapshot walk (floor)", floor, floor);
    report("is_process_running, name absent", ours, floor);
    report("walk of the full snapshot (all kinds)", every_kind, floor);
    report("batch file: for /f over wmic process get name", batch_check, floor);
    std::printf("the batch check costs %.0f x is_process_running\n", batch_check / ours);
    restart_timing();
    return 0;
}
