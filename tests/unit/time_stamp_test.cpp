#include "app/time_stamp.h"

#include <gtest/gtest.h>

namespace {

struct stamp_case {
    date_time moment;
    const char* text;
};

// Trailing zero fields are left out; inner zeros stay.
constexpr stamp_case stamp_cases[] = {
    {{2018, 3, 5, 14, 7, 9}, "2018年3月5日14时7分9秒"},
    {{2018, 3, 5, 14, 7, 0}, "2018年3月5日14时7分"},
    {{2018, 3, 5, 14, 0, 0}, "2018年3月5日14时"},
    {{2018, 3, 5, 0, 0, 0}, "2018年3月5日"},
    {{2018, 3, 5, 0, 0, 5}, "2018年3月5日0时0分5秒"},
    {{2018, 3, 5, 8, 0, 30}, "2018年3月5日8时0分30秒"},
    {{2018, 3, 5, 0, 5, 0}, "2018年3月5日0时5分"},
    {{2018, 12, 31, 23, 59, 59}, "2018年12月31日23时59分59秒"},
    {{2026, 1, 1, 10, 0, 0}, "2026年1月1日10时"},
};

TEST(TimeStamp, FollowsTheZeroFieldRules) {
    for (const stamp_case& c : stamp_cases) EXPECT_EQ(time_stamp_text(c.moment), c.text);
}

TEST(TimeStamp, IsCodePage936) {
    // 年 is C4 EA in code page 936: the literals must not stay UTF-8.
    EXPECT_EQ(time_stamp_text({2018, 3, 5, 0, 0, 0}).substr(4, 2), "\xC4\xEA");
}

}  // namespace
