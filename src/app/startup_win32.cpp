// The program's entry: the run directory becomes the current directory, the
// window is built hidden, the created event runs the start-up check (its message
// boxes stand alone on the screen), then the window is shown and the loop runs.
#include <windows.h>

#include "app/events.h"
#include "app/log.h"
#include "app/run_directory.h"
#include "app/shell.h"
#include "app/window_win32.h"
#include "settings/settings.h"

namespace {

std::wstring the_run_directory;

// The whole path, however long: a cut path would point at another folder.
std::wstring module_file_name() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

const std::wstring& run_directory() { return the_run_directory; }

bool file_exists(const std::wstring& name) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

void check_server_root() {
    if (file_exists(L"ConanSandboxServer.exe")) {
        show_message("为避免带来不必要的麻烦,请仔细阅读使用说明!");
    } else {
        show_message("未找到ConanSandboxServer.exe，请将本程序放置服务端根目录!");
        close_main_window();
    }
}

void main_window_created() {
    check_server_root();
    load_settings();  // whatever the check found; a queued close comes after it
}

int program_start() {
    the_run_directory = run_directory_of(module_file_name());
    SetCurrentDirectoryW(current_directory_for(the_run_directory).c_str());

    const HWND window = build_main_window(GetModuleHandleW(nullptr));
    if (!window) {
        show_message("程序窗口创建失败!");
        return -1;
    }
    release_events();
    raise_event(control::窗口, event::created);
    if (!IsWindow(window)) return 0;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetFocus(handle_of(control::服务器名称输入框));
    return run_message_loop(window);
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return program_start(); }
