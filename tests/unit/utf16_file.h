// Test helper: the bytes of a UTF-16 file of a text, with its byte-order mark.
#pragma once

#include <string>
#include <string_view>

inline std::string utf16_file(std::u16string_view text, bool big_endian = false) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}
