#include "settings/settings_map.h"

#include <gtest/gtest.h>

#include "settings/server_name.h"

namespace {

const setting& row_of(control source) {
    for (const setting& row : settings_map)
        if (row.source == source) return row;
    throw std::logic_error("no such row");
}

const setting& name_row = row_of(control::服务器名称输入框);
const setting& mode_row = row_of(control::服务器模式下拉框);
const setting& port_row = row_of(control::服务器端口);

struct load_case {
    const setting& row;
    const char* in_file;
    bool utf8_file;
    const char* shown;
};

const load_case load_cases[] = {
    {mode_row, "True", false, "PVP"},
    {mode_row, "False", false, "PVE"},
    {mode_row, "true", false, "true"},
    {mode_row, "TRUE", false, "TRUE"},
    {mode_row, "True ", false, "True "},
    {mode_row, "", false, ""},
    {name_row, "\xE6\x9C\x8D\xE5\x8A\xA1", false, "\xB7\xFE\xCE\xF1"},
    {port_row, "\xB7\xFE", false, "\xB7\xFE"},                      // bytes as they stand
    {port_row, "\xE6\x9C\x8D\xE5\x8A\xA1", true, "\xB7\xFE\xCE\xF1"}, // a marked file holds UTF-8
    {name_row, "\xE6\x9C\x8D\xE5\x8A\xA1", true, "\xB7\xFE\xCE\xF1"}, // decoded once, not twice
};

TEST(SettingsMap, LoadShowsTheWindowForm) {
    for (const load_case& c : load_cases)
        EXPECT_EQ(window_form(c.row, c.in_file, c.utf8_file), c.shown) << c.in_file;
}

struct deploy_case {
    const setting& row;
    std::string shown;
    std::optional<std::string> in_file;
    bool utf8_file;
    std::optional<std::string> written;
};

const deploy_case deploy_cases[] = {
    {mode_row, "PVP", "False", false, "True"},
    {mode_row, "PVE", "True", false, "False"},
    {mode_row, "PVE", std::nullopt, false, "False"},
    {mode_row, "PVP", "True", false, std::nullopt},  // unchanged
    {mode_row, "PVP", "true", false, "True"},
    {mode_row, "pvp", "False", false, std::nullopt},  // neither word: the file keeps its value
    {mode_row, "", "False", false, std::nullopt},
    {mode_row, "", std::nullopt, false, std::nullopt},
    {mode_row, "true", "true", false, std::nullopt},
    {port_row, "7777", "7777", false, std::nullopt},
    {port_row, "7778", "7777", false, "7778"},
    {port_row, "", "7777", false, ""},
    {port_row, "", std::nullopt, false, ""},  // a missing key is written, even empty
    {port_row, "", "", false, std::nullopt},
    {name_row, "\xB7\xFE\xCE\xF1", "\xE6\x9C\x8D\xE5\x8A\xA1", false, std::nullopt},
    {name_row, "\xB7\xFE", "\xE6\x9C\x8D\xE5\x8A\xA1", false, "\xE6\x9C\x8D"},
    {port_row, "\xB7\xFE", "1", true, "\xE6\x9C\x8D"},
    // Loaded as question marks and left alone: the original bytes stay.
    {name_row, decode_server_name("\xB7\xFE\xCE\xF1"), "\xB7\xFE\xCE\xF1", false, std::nullopt},
};

TEST(SettingsMap, DeployWritesOnlyWhatChanged) {
    for (const deploy_case& c : deploy_cases)
        EXPECT_EQ(value_to_deploy(c.row, c.shown, c.in_file, c.utf8_file), c.written)
            << c.shown << " over " << c.in_file.value_or("(missing)");
}

}  // namespace
