// The four monitor slots. A slot's state is its controls: the button caption,
// the two lists' enabled state and the timer's period. Starting refuses what
// would run a slot that never checks or restarts without end; stopping always
// works.
#include <string>

#include "app/controls.h"
#include "app/log.h"
#include "app/shell.h"
#include "app/wide_text_win32.h"
#include "watchdog/interval.h"
#include "watchdog/watchdog.h"

namespace {

std::wstring batch_path(const slot& s) { return run_directory() + L"\\" + widen(s.batch_file); }

void start_monitor(const slot& s) {
    if (!file_exists(widen(s.batch_file))) return show_message(s.missing_batch_message);
    if (read_text(s.process_list).empty()) return show_message(no_name_message);
    const std::optional<std::int32_t> period = usable_period(read_text(s.interval_list));
    if (!period) return show_message(bad_interval_message);
    append_log_line(s.start_line);
    write_caption(s.button, caption_running);
    set_disabled(s.process_list, true);
    set_disabled(s.interval_list, true);
    set_period(s.timer, *period);
}

void stop_monitor(const slot& s) {
    append_log_line(s.stop_line);
    write_caption(s.button, caption_stopped);
    set_disabled(s.process_list, false);
    set_disabled(s.interval_list, false);
    set_period(s.timer, 0);
}

}  // namespace

void toggle_monitor(const slot& s) {
    if (read_caption(s.button) == caption_stopped)
        start_monitor(s);
    else
        stop_monitor(s);
}

// A snapshot that fails tells nothing: the next tick asks again.
void monitor_tick(const slot& s) {
    const std::optional<bool> running = is_process_running(read_text(s.process_list), false);
    if (!running || *running) return;
    append_log_line(s.crash_line);
    if (!run_program(batch_path(s))) append_log_line(s.restart_failed_line);
}

// Every list gets the current names, one item per process, and keeps its text.
void refresh_process_lists() {
    const auto names = system_process_list();
    if (!names) return;
    for (const slot& s : slot_table) {
        const std::string text = read_text(s.process_list);
        clear_items(s.process_list);
        for (const std::string& name : *names) add_item(s.process_list, name);
        write_text(s.process_list, text);
    }
}
