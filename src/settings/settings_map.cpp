#include "settings/settings_map.h"

#include "settings/server_name.h"

namespace {

struct mode_word {
    std::string_view in_file, in_window;
};
constexpr std::array mode_words{mode_word{"True", "PVP"}, mode_word{"False", "PVE"}};

}  // namespace

// Files with a byte-order mark hold UTF-8 text in every value, so every value
// takes the server name's conversion; plain files only the server name.
std::string window_form(const setting& row, std::string_view file_value, bool utf8_file) {
    if (row.carried == carried_as::mode)
        for (const mode_word& word : mode_words)
            if (file_value == word.in_file) return std::string(word.in_window);
    if (row.carried == carried_as::server_name || utf8_file) return decode_server_name(file_value);
    return std::string(file_value);
}

std::optional<std::string> value_to_deploy(const setting& row, std::string_view window_text,
                                           const std::optional<std::string>& file_value,
                                           bool utf8_file) {
    if (file_value && window_form(row, *file_value, utf8_file) == window_text) return std::nullopt;
    if (row.carried == carried_as::mode) {
        for (const mode_word& word : mode_words)
            if (window_text == word.in_window) return std::string(word.in_file);
        return std::nullopt;
    }
    if (row.carried == carried_as::server_name || utf8_file) return encode_server_name(window_text);
    return std::string(window_text);
}
