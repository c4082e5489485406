#include "app/log.h"

#include <string>

#include "app/controls.h"

void append_log_line(std::string_view message) {
    add_line(control::日志框, std::string(message) + time_stamp_text(current_time()));
}
