// The start-server button, the process lists and the four monitor slots.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "watchdog/slot_table.h"

void start_server();                // 按钮2
void refresh_process_lists();       // any process list about to drop down
void toggle_monitor(const slot& s); // the slot's button
void monitor_tick(const slot& s);   // the slot's timer

// The events table binds handlers without arguments: one of each per slot row.
template <int row>
void toggle_monitor_of() { toggle_monitor(slot_table[row]); }
template <int row>
void monitor_tick_of() { monitor_tick(slot_table[row]); }

// Starts the batch file (a path under the run directory) in a normal window,
// with the tool's folder as its current directory; false when it is missing or
// cannot be started.
bool run_program(const std::wstring& batch_file);

// Whether a process of the name runs now; nothing when the snapshot fails.
std::optional<bool> is_process_running(std::string_view name, bool case_sensitive);

// The executable names of all running processes, in the snapshot's order;
// nothing when the snapshot fails.
std::optional<std::vector<std::string>> system_process_list();
