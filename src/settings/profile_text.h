// The profile-file engine: finds and rewrites one key of a configuration file's
// contents, given as the file's bytes. It matches the way the platform's profile
// calls read these files, but passes values through unchanged and leaves every
// byte it does not have to change where it was:
//
//   - section and key names match whatever their ASCII letter case; blanks and
//     tabs around a name, also inside "[ ]", do not count; a header's name runs
//     to the last "]" of its line;
//   - a value is what follows the first "=" of its line, without the blanks and
//     tabs around it and without one pair of equal quotes (" or ') around the
//     whole of it; a NUL ends it; ";" and "#" inside it belong to it;
//   - lines end at CR, LF or CR LF; blank lines count for nothing; of repeated
//     sections only the first counts, of repeated keys in it the first; a line
//     of the key's name without "=" is that key, with no value (a read finds
//     nothing, a write adds "=" and the value to it);
//   - a file that starts with a UTF-8 or UTF-16 (LE or BE) byte-order mark keeps
//     its mark and its encoding; the values of such a file are UTF-8 at this
//     interface, those of a file without a mark are its bytes as they stand.
//
// Section and key names are non-empty ASCII words without "=", "[" or "]".
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Values of this file are UTF-8 text (it has a byte-order mark), not raw bytes.
bool values_are_utf8(std::string_view contents);

// The key's value, or nothing when the section or the key is missing.
std::optional<std::string> read_profile_value(std::string_view contents, std::string_view section,
                                              std::string_view key);

// A value holding CR or LF would break its line into new keys: it cannot be written.
bool fits_on_one_line(std::string_view value);

// The contents with the key set to the value, which must fit on one line. The
// value written replaces exactly the units a read returns (quotes and blanks
// around it stay); a new key goes after the last non-blank line of its section,
// a new section at the end; new lines take the file's own line ending (CR LF in
// a file that has none). Everything else is kept byte for byte, and empty
// contents become "[section]\r\nkey=value\r\n".
std::string write_profile_value(std::string_view contents, std::string_view section,
                                std::string_view key, std::string_view value);
