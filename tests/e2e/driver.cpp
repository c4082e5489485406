#include "driver.h"

#include <tlhelp32.h>

#include <fstream>
#include <sstream>

#include "app/window_win32.h"

namespace e2e {

namespace {

constexpr UINT send_timeout_ms = 2000;

std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

DWORD process_of(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// The first visible-or-not top-level window of the process with that class.
HWND top_level_window(DWORD process, const wchar_t* window_class, bool must_be_visible) {
    struct search {
        DWORD process;
        const wchar_t* window_class;
        bool must_be_visible;
        HWND found;
    } s{process, window_class, must_be_visible, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<search*>(context);
            if (process_of(window) != s.process || class_of(window) != s.window_class) return TRUE;
            if (s.must_be_visible && !IsWindowVisible(window)) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

LRESULT send(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, w, l, SMTO_ABORTIFHUNG, send_timeout_ms, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

// Lines of a combo box's or a list box's list, through the count, length and text messages.
std::vector<std::wstring> lines_of(HWND window, UINT count_message, UINT length_message, UINT text_message) {
    std::vector<std::wstring> lines;
    const LRESULT count = send(window, count_message);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = send(window, length_message, i);
        std::wstring line(length < 0 ? 0 : static_cast<std::size_t>(length) + 1, L'\0');
        if (length > 0) send(window, text_message, i, reinterpret_cast<LPARAM>(line.data()));
        line.resize(wcslen(line.c_str()));
        lines.push_back(line);
    }
    return lines;
}

const wchar_t* win32_class_for(control_kind kind) {
    switch (kind) {
        case control_kind::group_box:
        case control_kind::button: return L"Button";
        case control_kind::label: return L"Static";
        case control_kind::edit_box: return L"Edit";
        case control_kind::combo_box: return L"ComboBox";
        case control_kind::list_box: return L"ListBox";
        default: return L"";
    }
}

bool is_at_place(HWND window, HWND parent, const layout_row& row) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    // A combo box's closed height follows its font; its place and width are fixed.
    const bool height_fixed = row.kind != control_kind::combo_box;
    return rect.left == row.left && rect.top == row.top && rect.right - rect.left == row.width &&
           (!height_fixed || rect.bottom - rect.top == row.height);
}

bool is_group_box(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

temp_folder::temp_folder(std::wstring_view name) {
    static int counter = 0;
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    base_ = path(temp) / (L"cd-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(++counter));
    root_ = base_ / path(name);
    std::filesystem::create_directories(root_);
}

temp_folder::~temp_folder() {
    std::error_code ignored;
    std::filesystem::remove_all(base_, ignored);
}

path built_file(std::wstring_view name) {
    wchar_t self[32768];
    GetModuleFileNameW(nullptr, self, 32768);
    return path(self).parent_path() / path(name);
}

void write_file(const path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read_file(const path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::map<path, std::string> files_below(const path& folder) {
    std::map<path, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files[entry.path()] = entry.is_regular_file() ? read_file(entry.path()) : "<directory>";
    return files;
}

void lay_out_server_root(const path& folder, bool with_server_executable) {
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(built_file(L"ConanDeploy.exe"), folder / L"ConanDeploy.exe");
    if (with_server_executable)
        std::filesystem::copy_file(built_file(L"stand_in_server.exe"), folder / L"ConanSandboxServer.exe");
}

tool_process::tool_process(const path& exe, const path& current_directory) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command_line = L"\"" + exe.wstring() + L"\"";
    if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        current_directory.c_str(), &startup, &info_))
        info_ = {};
}

tool_process::~tool_process() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND tool_process::main_window() const { return top_level_window(id(), main_window_class, false); }

std::optional<message_box> tool_process::open_message_box() const {
    const HWND box = top_level_window(id(), L"#32770", true);
    if (!box) return std::nullopt;
    const HWND main = main_window();
    return message_box{box, window_text(box), window_text(GetDlgItem(box, 0xFFFF)),
                       main && IsWindowVisible(main), main && IsWindowEnabled(main)};
}

std::optional<message_box> tool_process::wait_for_message_box(DWORD timeout_ms) const {
    std::optional<message_box> box;
    wait_until([&] { return (box = open_message_box()).has_value(); }, timeout_ms);
    return box;
}

HWND tool_process::wait_for_shown_window(DWORD timeout_ms) const {
    HWND window = nullptr;
    wait_until([&] { return (window = main_window()) && IsWindowVisible(window); }, timeout_ms);
    return window && IsWindowVisible(window) ? window : nullptr;
}

std::optional<DWORD> tool_process::wait_for_exit(DWORD timeout_ms) const {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND start_past_startup_box(tool_process& tool) {
    const auto box = tool.wait_for_message_box();
    if (!box) return nullptr;
    if (!press_ok(*box)) return nullptr;
    return tool.wait_for_shown_window();
}

bool press_ok(const message_box& box) {
    PostMessageW(GetDlgItem(box.handle, IDOK), BM_CLICK, 0, 0);
    return wait_until([&] { return !IsWindow(box.handle); });
}

HWND find_control(HWND main_window, control name) {
    const layout_row& row = layout_of(name);
    const HWND parent = row.parent == control::窗口 ? main_window : find_control(main_window, row.parent);
    if (!parent) return nullptr;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (class_of(child) != win32_class_for(row.kind) || !is_at_place(child, parent, row)) continue;
        if (class_of(child) == L"Button" && is_group_box(child) != (row.kind == control_kind::group_box))
            continue;
        return child;
    }
    return nullptr;
}

std::wstring window_text(HWND window) {
    const LRESULT length = send(window, WM_GETTEXTLENGTH);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return text;
}

std::vector<std::wstring> combo_items(HWND combo) {
    return lines_of(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::wstring> list_lines(HWND list) {
    return lines_of(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

HWND focused_window(HWND main_window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main_window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void set_text(HWND control, const std::wstring& text) {
    send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool wait_for_lines(HWND list, std::size_t count, DWORD timeout_ms) {
    return wait_until([&] { return send(list, LB_GETCOUNT) == static_cast<LRESULT>(count); }, timeout_ms);
}

void drop_down(HWND combo) {
    send(combo, CB_SHOWDROPDOWN, TRUE);
    send(combo, CB_SHOWDROPDOWN, FALSE);
}

std::vector<DWORD> processes_named(std::wstring_view name) {
    std::vector<DWORD> ids;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, std::wstring(name).c_str()) == 0) ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

void end_process(DWORD id) {
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

void press_key(HWND main_window, WPARAM virtual_key) {
    HWND target = focused_window(main_window);
    if (!target) target = main_window;
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtual_key, 1 | (scan << 16));
    PostMessageW(target, WM_KEYUP, virtual_key, 1 | (scan << 16) | (3u << 30));
}

}  // namespace e2e
