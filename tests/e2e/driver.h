// The end-to-end driver: lays out a server folder, starts the real ConanDeploy.exe
// in it and works its window from outside, through the messages an operator's
// mouse and keyboard would cause. Every wait is bounded; only processes this
// driver started are ever stopped.
#pragma once

#include <windows.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/layout.h"

namespace e2e {

using std::filesystem::path;

constexpr DWORD default_timeout_ms = 20000;

// Polls the condition every 10 ms until it holds or the time is up.
template <class Condition>
bool wait_until(Condition condition, DWORD timeout_ms = default_timeout_ms) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
}

// A fresh folder under the temporary folder, removed with all it holds.
class temp_folder {
public:
    explicit temp_folder(std::wstring_view name = L"server");
    ~temp_folder();
    temp_folder(const temp_folder&) = delete;
    temp_folder& operator=(const temp_folder&) = delete;
    const path& root() const { return root_; }

private:
    path base_, root_;
};

// Beside the driver's own executable: ConanDeploy.exe, stand_in_server.exe.
path built_file(std::wstring_view name);

void write_file(const path& file, std::string_view bytes);
std::string read_file(const path& file);

// Every file below the folder with its bytes, for "nothing was written" checks.
std::map<path, std::string> files_below(const path& folder);

// A server root: the tool, and the stand-in as ConanSandboxServer.exe unless asked not to.
void lay_out_server_root(const path& folder, bool with_server_executable = true);

struct message_box {
    HWND handle{};
    std::wstring title, text;
    bool main_window_visible = false;  // when the box was found
    bool main_window_enabled = false;  // task-modal: the box disables it
};

// A running ConanDeploy.exe, terminated at the end if it is still running.
class tool_process {
public:
    tool_process(const path& exe, const path& current_directory);
    ~tool_process();
    tool_process(const tool_process&) = delete;
    tool_process& operator=(const tool_process&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    HWND main_window() const;  // null until created, and after it is gone
    std::optional<message_box> wait_for_message_box(DWORD timeout_ms = default_timeout_ms) const;
    std::optional<message_box> open_message_box() const;
    // Waits for the window to be shown after the start-up box; null on time-out.
    HWND wait_for_shown_window(DWORD timeout_ms = default_timeout_ms) const;
    // The exit code, or nothing when the process is still running at the time-out.
    std::optional<DWORD> wait_for_exit(DWORD timeout_ms = default_timeout_ms) const;

private:
    PROCESS_INFORMATION info_{};
};

// Starts the tool, answers the start-up box and returns the shown window.
HWND start_past_startup_box(tool_process& tool);

// Clicks the box's OK button and waits until the box is gone; false if it stays.
bool press_ok(const message_box& box);

// A control of the main window found by the class and place its layout row gives.
HWND find_control(HWND main_window, control name);

std::wstring window_text(HWND window);
std::vector<std::wstring> combo_items(HWND combo);
std::vector<std::wstring> list_lines(HWND list);
HWND focused_window(HWND main_window);

// Sets an edit box's or a combo box's text, as typing or pasting would.
void set_text(HWND control, const std::wstring& text);

// Clicks a push button.
void click(HWND button);

// Waits until the list has that many lines; false on time-out.
bool wait_for_lines(HWND list, std::size_t count, DWORD timeout_ms = default_timeout_ms);

// Opens a combo box's list and closes it again, as a click on its arrow would.
void drop_down(HWND combo);

// The IDs of the running processes of that executable name (letter case ignored).
std::vector<DWORD> processes_named(std::wstring_view name);

// Ends a process that a test caused to start (by a batch file the tool ran), by its ID.
void end_process(DWORD id);

// A key press posted to the control that has the focus, as the keyboard delivers it.
void press_key(HWND main_window, WPARAM virtual_key);

}  // namespace e2e
