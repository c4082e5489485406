// The process snapshot, and starting a batch file.
#include <windows.h>
#include <tlhelp32.h>

#include "app/shell.h"
#include "app/wide_text_win32.h"
#include "watchdog/process_name.h"
#include "watchdog/watchdog.h"

namespace {

// Walks a processes-only snapshot, handing each executable name (code page 936)
// to the visitor until it returns true. False when the snapshot or a step fails.
template <class Visitor>
bool walk_processes(Visitor visit) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool more = Process32FirstW(snapshot, &entry);
    while (more && !visit(narrow(entry.szExeFile))) more = Process32NextW(snapshot, &entry);
    const bool complete = more || GetLastError() == ERROR_NO_MORE_FILES;
    CloseHandle(snapshot);
    return complete;
}

}  // namespace

std::optional<bool> is_process_running(std::string_view name, bool case_sensitive) {
    bool found = false;
    const bool complete = walk_processes([&](const std::string& entry_name) {
        return found = process_name_matches(entry_name, name, case_sensitive);
    });
    if (found) return true;
    if (!complete) return std::nullopt;
    return false;
}

std::optional<std::vector<std::string>> system_process_list() {
    std::vector<std::string> names;
    if (!walk_processes([&](const std::string& name) {
            names.push_back(name);
            return false;
        }))
        return std::nullopt;
    return names;
}

// Through the system's cmd.exe with the whole path in quotes, so that blanks, &,
// ^ and parentheses in the folder name are taken literally (/s: cmd strips only
// the outer pair of quotes; /d: no AutoRun commands).
bool run_program(const std::wstring& batch_file) {
    if (!file_exists(batch_file)) return false;
    wchar_t system_folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system_folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const std::wstring cmd = std::wstring(system_folder) + L"\\cmd.exe";
    std::wstring command_line = L"cmd.exe /d /s /c \"\"" + batch_file + L"\"\"";

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(cmd.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
