#include "settings/server_name.h"

#include <gtest/gtest.h>

namespace {

struct name_case {
    const char* what;
    const char* in_file;    // UTF-8
    const char* in_window;  // code page 936
};

// Names code page 936 can hold convert exactly, both ways.
constexpr name_case exact_cases[] = {
    {"empty", "", ""},
    {"ASCII", "Exiled Lands PvE #1 [EU]", "Exiled Lands PvE #1 [EU]"},
    {"two Chinese characters", "\xE6\x9C\x8D\xE5\x8A\xA1", "\xB7\xFE\xCE\xF1"},
    {"mixed", "\xE6\xB5\x81\xE6\x94\xBE PVE", "\xC1\xF7\xB7\xC5 PVE"},
};

TEST(ServerName, ConvertsExactlyBothWays) {
    for (const name_case& c : exact_cases) {
        EXPECT_EQ(decode_server_name(c.in_file), c.in_window) << c.what;
        EXPECT_EQ(encode_server_name(c.in_window), c.in_file) << c.what;
    }
}

// Only question marks stand where the bytes or characters could not be carried.
struct lossy_case {
    const char* what;
    const char* in_file;
    const char* kept_before;
    const char* kept_after;
};

constexpr lossy_case lossy_cases[] = {
    {"cut inside a UTF-8 sequence", "\xE6\x9C\x8D\xE5\x8A", "\xB7\xFE", ""},
    {"code page 936 bytes in the file", "PVE \xB7\xFE\xCE\xF1 server", "PVE ", " server"},
    {"a character outside code page 936", "x\xF0\x9F\x98\x80y", "x", "y"},
};

TEST(ServerName, ShowsQuestionMarksForWhatCannotBeCarried) {
    for (const lossy_case& c : lossy_cases) {
        const std::string shown = decode_server_name(c.in_file);
        const std::string before = c.kept_before, after = c.kept_after;
        ASSERT_GT(shown.size(), before.size() + after.size()) << c.what;
        EXPECT_EQ(shown.substr(0, before.size()), before) << c.what;
        EXPECT_EQ(shown.substr(shown.size() - after.size()), after) << c.what;
        const std::string middle = shown.substr(before.size(), shown.size() - before.size() - after.size());
        EXPECT_EQ(middle.find_first_not_of('?'), std::string::npos) << c.what << ": " << middle;
    }
}

}  // namespace
