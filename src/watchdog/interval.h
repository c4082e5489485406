// From the interval a slot's list shows, in seconds, to its timer's period.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The longest leading decimal number of the text, after full-width forms are
// folded to ASCII: blanks skipped, an optional sign, digits with at most one
// ".", an optional exponent (e, E, d or D, sign, digits). Nearest float; 0 when
// there is no number, infinite beyond the float range.
float text_to_number(std::string_view text);

// Seconds times 1000, truncated toward zero to 64 bits (out of range gives
// -2^63), of which the low 32 bits are taken as signed: what the timer was
// historically handed.
std::int32_t interval_to_period(std::string_view text);

// The period a slot can run with: only when the milliseconds are positive and fit
// the timer. "0.0005", "-10", "abc", "3000000" and "4294967.296" give nothing.
std::optional<std::int32_t> usable_period(std::string_view text);
