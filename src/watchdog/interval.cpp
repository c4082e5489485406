#include "watchdog/interval.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct full_width_form {
    unsigned char first, second;
    char ascii;
};
// Besides 0xA3 0xA1..0xFE, the full-width ASCII block.
constexpr std::array other_full_width_forms{
    full_width_form{0xA1, 0xA1, ' '}, full_width_form{0xA1, 0xAB, '~'},
    full_width_form{0xA1, 0xEE, '*'}, full_width_form{0xA1, 0xEF, '*'},
};

std::string folded(std::string_view text) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(text[i]);
        if (first < 0x80) {
            ascii += text[i];
            continue;
        }
        if (i + 1 == text.size()) break;  // a lone lead byte at the end is dropped
        const auto second = static_cast<unsigned char>(text[++i]);
        char replacement = 0;
        if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) replacement = static_cast<char>(second - 0x80);
        for (const full_width_form& form : other_full_width_forms)
            if (form.first == first && form.second == second) replacement = form.ascii;
        if (replacement)
            ascii += replacement;
        else
            ascii += {static_cast<char>(first), static_cast<char>(second)};
    }
    return ascii;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The number's leading part, rewritten for from_chars: no "+", exponent letter "e".
std::string number_part(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string_view::npos) return {};
    std::string number;
    if (text[at] == '+' || text[at] == '-') {
        if (text[at] == '-') number += '-';
        ++at;
    }
    bool digits = false, point = false;
    for (; at < text.size(); ++at) {
        if (is_digit(text[at]))
            digits = true;
        else if (text[at] == '.' && !point)
            point = true;
        else
            break;
        number += text[at];
    }
    if (!digits) return {};
    if (at < text.size() && std::string_view("eEdD").find(text[at]) != std::string_view::npos) {
        std::size_t exponent = at + 1;
        std::string part = "e";
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) part += text[exponent++];
        const std::size_t digits_from = exponent;
        while (exponent < text.size() && is_digit(text[exponent])) part += text[exponent++];
        if (exponent > digits_from) number += part;
    }
    return number;
}

// x * 1000 truncated toward zero, as 64 bits; out of range gives -2^63.
std::int64_t milliseconds_of(std::string_view text) {
    const double y = static_cast<double>(text_to_number(text)) * 1000.0;
    if (!(y > -9223372036854775808.0 && y < 9223372036854775808.0)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(y);
}

}  // namespace

float text_to_number(std::string_view text) {
    const std::string number = number_part(folded(text));
    if (number.empty()) return 0.0f;
    const char* end = number.data() + number.size();
    float value = 0.0f;
    if (std::from_chars(number.data(), end, value).ec == std::errc()) return value;
    // Out of the float range: the double tells overflow from underflow.
    double wide = 0.0;
    if (std::from_chars(number.data(), end, wide).ec == std::errc()) return static_cast<float>(wide);
    const bool negative = number[0] == '-';
    const bool huge = number.find("e-") == std::string::npos;
    const float magnitude = huge ? std::numeric_limits<float>::infinity() : 0.0f;
    return negative ? -magnitude : magnitude;
}

std::int32_t interval_to_period(std::string_view text) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(milliseconds_of(text))));
}

std::optional<std::int32_t> usable_period(std::string_view text) {
    const std::int64_t milliseconds = milliseconds_of(text);
    if (milliseconds <= 0 || milliseconds > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(milliseconds);
}
