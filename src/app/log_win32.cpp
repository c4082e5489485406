#include <windows.h>

#include "app/log.h"
#include "app/wide_text_win32.h"

date_time current_time() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void show_message(std::string_view text) {
    static const std::wstring title = widen("信息：");
    // No owner and task-modal: the box stands alone and disables every window of
    // this thread, while its own loop still delivers the main window's timers.
    MessageBoxW(nullptr, widen(text).c_str(), title.c_str(), MB_OK | MB_TASKMODAL);
}
