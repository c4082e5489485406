#include "app/time_stamp.h"

std::string time_stamp_text(const date_time& t) {
    std::string text = std::to_string(t.year) + "年" + std::to_string(t.month) + "月" +
                       std::to_string(t.day) + "日";
    if (t.second != 0)
        text += std::to_string(t.hour) + "时" + std::to_string(t.minute) + "分" +
                std::to_string(t.second) + "秒";
    else if (t.minute != 0)
        text += std::to_string(t.hour) + "时" + std::to_string(t.minute) + "分";
    else if (t.hour != 0)
        text += std::to_string(t.hour) + "时";
    return text;
}
