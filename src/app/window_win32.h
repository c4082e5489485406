// The Win32 side of the main window: building it from the layout table, the
// handle of each control, and the message loop.
#pragma once

#include <windows.h>

#include "app/layout.h"

inline constexpr wchar_t main_window_class[] = L"ConanDeployWindow";

// The main window, hidden, with every control of the layout table; null when the
// platform refuses to create it.
HWND build_main_window(HINSTANCE instance);

HWND handle_of(control name);  // the main window for 窗口; null for timers
void remember_handle(control name, HWND handle);
UINT_PTR win32_id_of(control name);
bool control_of_win32_id(UINT_PTR id, control& name);

// Runs until the window is gone; returns the quit code.
int run_message_loop(HWND main_window);
