// How a watched name is compared with the executable names of running processes.
#pragma once

#include <string>
#include <string_view>

// The 26 ASCII capitals lowered; a byte of 0x80 or above starts a double-byte
// character, which stays as it is, second byte included.
std::string to_lower_case(std::string_view text);

// The system keeps at most this many bytes of a process's executable name.
inline constexpr std::size_t entry_name_limit = 256;

// Whole names, byte for byte after the entry name is cut to its limit; letter
// case folded by to_lower_case unless case_sensitive.
bool process_name_matches(std::string_view entry_name, std::string_view wanted, bool case_sensitive);
