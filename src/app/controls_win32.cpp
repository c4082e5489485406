// The control operations over Win32 window handles. Timers have no window of
// their own: they are the main window's timers under the control's id, and the
// period each one runs with is kept here, since Win32 cannot be asked for it.
#include <windows.h>

#include <array>

#include "app/controls.h"
#include "app/wide_text_win32.h"
#include "app/window_win32.h"

namespace {

constexpr std::size_t control_count = static_cast<std::size_t>(control::时钟4) + 1;
std::array<HWND, control_count> handles{};
std::array<std::int32_t, control_count> timer_periods{};

std::size_t index_of(control name) { return static_cast<std::size_t>(name); }

std::string window_text(control name) {
    const HWND handle = handle_of(name);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void set_window_text(control name, std::string_view text) {
    SetWindowTextW(handle_of(name), widen(text).c_str());
}

// Appends an item with data 0; -1 when the control refuses it.
int append_with_zero_data(control name, std::string_view text, UINT add, UINT set_data) {
    const HWND handle = handle_of(name);
    const std::wstring wide = widen(text);
    const LRESULT index = SendMessageW(handle, add, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (index < 0) return -1;  // CB_ERR / LB_ERR, or out of space
    SendMessageW(handle, set_data, static_cast<WPARAM>(index), 0);
    return static_cast<int>(index);
}

}  // namespace

void remember_handle(control name, HWND handle) { handles[index_of(name)] = handle; }
HWND handle_of(control name) { return handles[index_of(name)]; }

UINT_PTR win32_id_of(control name) { return 100 + index_of(name); }

bool control_of_win32_id(UINT_PTR id, control& name) {
    if (id < 100 || id >= 100 + control_count) return false;
    name = static_cast<control>(id - 100);
    return true;
}

std::string read_text(control name) { return window_text(name); }
void write_text(control name, std::string_view text) { set_window_text(name, text); }
std::string read_caption(control name) { return window_text(name); }
void write_caption(control name, std::string_view text) { set_window_text(name, text); }

void set_disabled(control name, bool disabled) { EnableWindow(handle_of(name), !disabled); }

void set_period(control timer, std::int32_t milliseconds) {
    if (milliseconds < 0) milliseconds = 0;
    std::int32_t& period = timer_periods[index_of(timer)];
    if (milliseconds == period) return;  // a running timer keeps counting toward its next tick
    const HWND owner = handle_of(control::窗口);
    if (period > 0) KillTimer(owner, win32_id_of(timer));
    period = milliseconds;
    if (period > 0) SetTimer(owner, win32_id_of(timer), static_cast<UINT>(period), nullptr);
}

void clear_items(control name) {
    SendMessageW(handle_of(name), CB_RESETCONTENT, 0, 0);
    SetWindowTextW(handle_of(name), L"");
}

int add_item(control name, std::string_view text) {
    return append_with_zero_data(name, text, CB_ADDSTRING, CB_SETITEMDATA);
}

int add_line(control name, std::string_view text) {
    return append_with_zero_data(name, text, LB_ADDSTRING, LB_SETITEMDATA);
}
