// The time stamp that ends every log line, such as 2018年3月5日14时7分9秒.
#pragma once

#include <string>

struct date_time {
    int year, month, day, hour, minute, second;
};

// Zero fields at the end of the time are left out: 14:00:00 gives only 14时, and
// exactly midnight gives the date alone.
std::string time_stamp_text(const date_time& moment);
