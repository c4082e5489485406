// Builds the main window from the layout table with the platform's own window
// classes, turns Win32 notifications into events, and runs the message loop.
#include "app/window_win32.h"

#include <algorithm>

#include "app/controls.h"
#include "app/events.h"
#include "app/shell.h"
#include "app/wide_text_win32.h"

namespace {

constexpr DWORD main_window_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int dropped_combo_height = 160;  // a combo box's height with its list open

struct win32_class {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};

win32_class win32_class_of(control_kind kind) {
    switch (kind) {
        case control_kind::group_box:
            return {L"Button", BS_GROUPBOX, 0};
        case control_kind::label:
            return {L"Static", SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0};
        case control_kind::edit_box:
            return {L"Edit", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case control_kind::combo_box:
            return {L"ComboBox", WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
        case control_kind::button:
            return {L"Button", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
        case control_kind::list_box:
            return {L"ListBox", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
        default:
            return {nullptr, 0, 0};
    }
}

WNDPROC button_window_proc = nullptr;

// Notifications of a group box's children reach the group box; hand them on to
// the main window, where the events are raised.
LRESULT CALLBACK group_box_proc(HWND box, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_COMMAND) return SendMessageW(GetParent(box), message, w, l);
    return CallWindowProcW(button_window_proc, box, message, w, l);
}

// Item height: the font's own plus one pixel.
void add_one_pixel_to_item_height(HWND handle, UINT get, UINT set) {
    const LRESULT height = SendMessageW(handle, get, 0, 0);
    if (height > 0) SendMessageW(handle, set, 0, height + 1);
}

bool create_control(const layout_row& row, HINSTANCE instance, HFONT font) {
    if (row.kind == control_kind::timer) return true;  // a timer of the main window
    const win32_class kind = win32_class_of(row.kind);
    const int height = row.kind == control_kind::combo_box ? dropped_combo_height : row.height;
    const HWND handle = CreateWindowExW(kind.ex_style, kind.name, widen(row.text).c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style,
                                        row.left, row.top, row.width, height, handle_of(row.parent),
                                        reinterpret_cast<HMENU>(win32_id_of(row.name)), instance, nullptr);
    if (!handle) return false;
    remember_handle(row.name, handle);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    switch (row.kind) {
        case control_kind::group_box:
            button_window_proc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(group_box_proc)));
            break;
        case control_kind::combo_box:
            add_one_pixel_to_item_height(handle, CB_GETITEMHEIGHT, CB_SETITEMHEIGHT);
            for (const char* item : row.items) add_item(row.name, item);
            break;
        case control_kind::list_box:
            add_one_pixel_to_item_height(handle, LB_GETITEMHEIGHT, LB_SETITEMHEIGHT);
            for (const char* line : row.items) add_line(row.name, line);
            break;
        default:
            break;
    }
    return true;
}

// Labels and group boxes go beneath the controls that overlap them: the edit box
// over the end of its label, every row of the monitor group over its frame.
void stack_frames_and_labels_beneath() {
    for (control_kind kind : {control_kind::label, control_kind::group_box})
        for (const layout_row& row : layout_table)
            if (row.kind == kind)
                SetWindowPos(handle_of(row.name), HWND_BOTTOM, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool takes_focus(control_kind kind) {
    return kind == control_kind::edit_box || kind == control_kind::combo_box ||
           kind == control_kind::button || kind == control_kind::list_box;
}

// The row of the control that has the focus, or of the control one of whose
// parts has it (a combo box's text field).
const layout_row* focused_row() {
    for (HWND handle = GetFocus(); handle; handle = GetParent(handle))
        for (const layout_row& row : layout_table)
            if (row.kind != control_kind::timer && handle_of(row.name) == handle) return &row;
    return nullptr;
}

// Tab walks the controls in the layout table's order, top to bottom, whatever
// their parents: the stacking above would otherwise put the group boxes'
// children last.
void move_focus(bool backward) {
    const std::size_t count = layout_table.size();
    const layout_row* current = focused_row();
    const std::size_t at = current ? static_cast<std::size_t>(current - layout_table.data())
                                   : (backward ? 0 : count - 1);
    for (std::size_t step = 1; step < count; ++step) {
        const layout_row& row = layout_table[(backward ? at + count - step : at + step) % count];
        const HWND handle = handle_of(row.name);
        if (!takes_focus(row.kind) || !IsWindowEnabled(handle) || !IsWindowVisible(handle)) continue;
        SetFocus(handle);
        if (row.kind == control_kind::edit_box) SendMessageW(handle, EM_SETSEL, 0, -1);
        if (row.kind == control_kind::combo_box) SendMessageW(handle, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return;
    }
}

void on_command(WORD id, WORD code) {
    control source;
    if (!control_of_win32_id(id, source)) return;
    if (code == BN_CLICKED) raise_event(source, event::clicked);
    if (code == CBN_DROPDOWN) raise_event(source, event::list_will_drop_down);
}

// close_main_window marks the close as pending and queues this message; the
// window is destroyed when the loop takes it, if the close is still pending.
constexpr UINT close_request_message = WM_APP + 1;
bool close_pending = false;

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            on_command(LOWORD(w), HIWORD(w));
            return 0;
        case WM_TIMER: {
            control timer;
            if (control_of_win32_id(w, timer)) raise_event(timer, event::period_elapsed);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            if (message == close_request_message) {
                if (close_pending) {
                    close_pending = false;
                    DestroyWindow(window);
                }
                return 0;
            }
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace

HWND build_main_window(HINSTANCE instance) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = main_window_proc;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = main_window_class;
    RegisterClassExW(&window_class);

    // 380 x 519 outside, grown where a large caption would leave the controls less
    // than the client area they need.
    RECT needed{0, 0, client_min_width, client_min_height};
    AdjustWindowRectEx(&needed, main_window_style, FALSE, 0);
    const int width = std::max<int>(window_width, needed.right - needed.left);
    const int height = std::max<int>(window_height, needed.bottom - needed.top);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    const HWND window = CreateWindowExW(0, main_window_class, widen(window_title).c_str(),
                                        main_window_style, left, top, width, height, nullptr,
                                        nullptr, instance, nullptr);
    if (!window) return nullptr;
    remember_handle(control::窗口, window);
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const layout_row& row : layout_table) {
        if (!create_control(row, instance, font)) {
            DestroyWindow(window);
            return nullptr;
        }
    }
    stack_frames_and_labels_beneath();
    return window;
}

void close_main_window() {
    close_pending = true;
    PostMessageW(handle_of(control::窗口), close_request_message, 0, 0);
}

int run_message_loop(HWND main_window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Esc closes the window from any control, also from an open combo list,
        // so no control may see it first.
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && IsWindow(main_window)) {
            SendMessageW(main_window, WM_CLOSE, 0, 0);
            continue;
        }
        if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && IsWindow(main_window)) {
            move_focus(GetKeyState(VK_SHIFT) < 0);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
