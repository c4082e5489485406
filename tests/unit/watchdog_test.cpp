#include <gtest/gtest.h>

#include <cmath>

#include "watchdog/interval.h"
#include "watchdog/process_name.h"

namespace {

struct period_case {
    const char* interval;
    std::int32_t period;
};

constexpr period_case period_cases[] = {
    {"60", 60000},
    {"30.5", 30500},
    {"4.35", 4349},  // just below 4.35 as a float
    {"0.0005", 0},
    {"", 0},
    {"-10", -10000},
    {"3000000", static_cast<std::int32_t>(3000000000u)},  // the low 32 bits, negative
    {"4294967.296", 204},                                // 4294967.5 as a float
    // The grammar's corners.
    {"\xA3\xB6\xA3\xB0", 60000},  // full-width ６０
    {"\xA3\xB1\xA3\xAE\xA3\xB5", 1500},
    {"\xA1\xA1" "5", 5000},  // an ideographic space is a blank
    {" \t\r\n\v\f+10", 10000},
    {"10s", 10000},
    {"1.2.3", 1200},
    {"-.5", -500},
    {".", 0},
    {"abc", 0},
    {"e5", 0},
    {"1e1", 10000},
    {"1D1", 10000},
    {"2d-3", 2},
    {"1e", 1000},
    {"1e+", 1000},
    {"1e40", 0},  // infinite: out of the 64-bit range
    {"-1e40", 0},
    {"1e-50", 0},
    {"\xB0\xA1" "5", 0},  // any other double-byte character stops the number
    {"5\xA3", 5000},      // a lone lead byte at the end is dropped
};

TEST(Interval, GivesThePeriodsOfTheWorkedValuesAndTheGrammar) {
    for (const period_case& c : period_cases) EXPECT_EQ(interval_to_period(c.interval), c.period) << c.interval;
}

TEST(Interval, NumbersAreFloats) {
    EXPECT_EQ(text_to_number("4294967.296"), 4294967.5f);
    EXPECT_TRUE(std::isinf(text_to_number("1e39")));
    EXPECT_EQ(text_to_number("1e-50"), 0.0f);
}

TEST(Interval, OnlyPositivePeriodsThatFitTheTimerAreUsable) {
    for (const char* refused : {"", "0", "0.0005", "-10", "abc", "3000000", "4294967.296", "2147483.648", "1e40"})
        EXPECT_FALSE(usable_period(refused).has_value()) << refused;
    EXPECT_EQ(usable_period("60"), 60000);
    EXPECT_EQ(usable_period("0.001"), 1);
    EXPECT_EQ(usable_period("2147483.5"), 2147483500);  // the largest under the limit
    EXPECT_FALSE(usable_period("2147483.647").has_value());  // 2147483.75 as a float
}

TEST(ProcessName, LowersOnlyAsciiCapitals) {
    EXPECT_EQ(to_lower_case("ConanSandboxServer-Win64-Shipping.EXE"), "conansandboxserver-win64-shipping.exe");
    EXPECT_EQ(to_lower_case(""), "");
    // Double-byte characters whose second byte is a capital (81 41, 81 5A), and full-width Ａ (A3 C1).
    EXPECT_EQ(to_lower_case("\x81\x41\x81\x5A" "AB\xA3\xC1"), "\x81\x41\x81\x5A" "ab\xA3\xC1");
    EXPECT_EQ(to_lower_case("A\x81"), "a\x81");
}

struct match_case {
    const char* what;
    std::string entry;
    std::string wanted;
    bool matches;
};

const match_case match_cases[] = {
    {"capitals", "ConanSandboxServer.exe", "CONANSANDBOXSERVER.EXE", true},
    {"same bytes", "DemoServer.exe", "DemoServer.exe", true},
    {"a leading blank", "DemoServer.exe", " DemoServer.exe", false},
    {"a trailing blank", "DemoServer.exe", "DemoServer.exe ", false},
    {"a path", "DemoServer.exe", "C:\\Server\\DemoServer.exe", false},
    {"a part of the name", "DemoServer.exe", "DemoServer", false},
    {"empty never matches", "DemoServer.exe", "", false},
    {"full-width letters", "AB.exe", "\xA3\xC1\xA3\xC2.exe", false},
    {"Chinese names", "\xB7\xFE\xCE\xF1Server.EXE", "\xB7\xFE\xCE\xF1server.exe", true},
    {"second byte not lowered", "\x81\x41.exe", "\x81\x61.exe", false},
    {"an entry cut at 256 bytes", std::string(300, 'a'), std::string(256, 'A'), true},
    {"a wanted name over 256 bytes", std::string(300, 'a'), std::string(300, 'a'), false},
};

TEST(ProcessName, MatchesWholeNames) {
    for (const match_case& c : match_cases)
        EXPECT_EQ(process_name_matches(c.entry, c.wanted, false), c.matches) << c.what;
    EXPECT_FALSE(process_name_matches("DemoServer.exe", "DEMOSERVER.EXE", true));
}

}  // namespace
