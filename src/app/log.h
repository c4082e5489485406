// The two ways the tool reports: a time-stamped line in the activity log
// (successes and detected crashes) and a message box (failures at a button press,
// start-up notices).
#pragma once

#include <string_view>

#include "app/time_stamp.h"

date_time current_time();  // local time, to the whole second

// The message followed at once by the time stamp of the moment of the call.
void append_log_line(std::string_view message);

// A task-modal box titled "信息：" with one OK button and no owner. The wait keeps
// dispatching the thread's timer ticks, so running monitors go on meanwhile.
void show_message(std::string_view text);
