#include "settings/profile_text.h"

#include <algorithm>

#include "settings/code_page.h"

namespace {

enum class file_encoding { bytes, utf8_with_mark, utf16le, utf16be };

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF", utf16le_mark = "\xFF\xFE",
                           utf16be_mark = "\xFE\xFF";

file_encoding encoding_of(std::string_view contents) {
    if (contents.starts_with(utf8_mark)) return file_encoding::utf8_with_mark;
    if (contents.starts_with(utf16le_mark)) return file_encoding::utf16le;
    if (contents.starts_with(utf16be_mark)) return file_encoding::utf16be;
    return file_encoding::bytes;
}

// The parser runs on the file's code units: bytes, or UTF-16 units.
template <class Unit>
using units_view = std::basic_string_view<Unit>;

template <class Unit>
bool is_blank(Unit u) { return u == ' ' || u == '\t'; }

template <class Unit>
bool is_line_break(Unit u) { return u == '\r' || u == '\n'; }

template <class Unit>
Unit folded(Unit u) { return u >= 'A' && u <= 'Z' ? static_cast<Unit>(u - 'A' + 'a') : u; }

template <class Unit>
bool same_name(units_view<Unit> name, std::string_view wanted) {
    if (name.size() != wanted.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (folded(name[i]) != folded(static_cast<Unit>(static_cast<unsigned char>(wanted[i]))))
            return false;
    return true;
}

struct span {
    size_t begin, end;
};

template <class Unit>
span trimmed(units_view<Unit> text, span s) {
    while (s.begin < s.end && is_blank(text[s.begin])) ++s.begin;
    while (s.end > s.begin && is_blank(text[s.end - 1])) --s.end;
    return s;
}

// Where a key stands, or where it would go.
struct key_place {
    bool section_found = false;
    bool key_found = false;
    bool has_value = false;      // a line of the key's name alone has none
    span value{};                // the units a read returns, or where "=" would go
    size_t after_section = 0;    // past the section's last non-blank line
    bool last_line_ended = true; // that line has its own line break
};

template <class Unit>
key_place find_key(units_view<Unit> text, std::string_view section, std::string_view key) {
    key_place place;
    bool inside = false;
    for (size_t at = 0; at < text.size();) {
        size_t end = at;
        while (end < text.size() && !is_line_break(text[end])) ++end;
        size_t next = end;
        if (next < text.size()) next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
        const span line = trimmed(text, {at, end});
        at = next;
        if (line.begin == line.end) continue;

        // A "[" line without "]" is no header.
        size_t close = line.end;
        if (text[line.begin] == '[')
            while (--close > line.begin && text[close] != ']') {}
        const bool header = text[line.begin] == '[' && close > line.begin;
        if (header) {
            if (inside) break;  // only the first section of the name counts
            const span name = trimmed(text, {line.begin + 1, close});
            inside = same_name(text.substr(name.begin, name.end - name.begin), section);
            place.section_found = inside;
        }
        if (!inside) continue;
        place.after_section = next;
        place.last_line_ended = next > end;
        if (header) continue;

        const size_t equals = std::min(text.substr(0, line.end).find(Unit('='), line.begin), line.end);
        const span name = trimmed(text, {line.begin, equals});
        if (!same_name(text.substr(name.begin, name.end - name.begin), key)) continue;
        place.key_found = true;
        if (equals == line.end) {
            place.value = {line.end, line.end};
            return place;
        }

        span value = trimmed(text, {equals + 1, line.end});
        const size_t nul = text.substr(0, value.end).find(Unit('\0'), value.begin);
        if (nul != units_view<Unit>::npos) value.end = nul;
        const Unit first = text[value.begin];
        if (value.end - value.begin >= 2 && (first == '"' || first == '\'') && text[value.end - 1] == first) {
            ++value.begin;
            --value.end;
        }
        place.has_value = true;
        place.value = value;
        return place;
    }
    return place;
}

template <class Unit>
std::basic_string<Unit> line_break_of(units_view<Unit> text) {
    size_t at = 0;
    while (at < text.size() && !is_line_break(text[at])) ++at;
    if (at == text.size()) return {'\r', '\n'};
    if (text[at] == '\n') return {'\n'};
    if (at + 1 < text.size() && text[at + 1] == '\n') return {'\r', '\n'};
    return {'\r'};
}

template <class Unit>
std::basic_string<Unit> widened(std::string_view ascii) {
    return std::basic_string<Unit>(ascii.begin(), ascii.end());
}

template <class Unit>
std::basic_string<Unit> with_value(units_view<Unit> text, std::string_view section,
                                   std::string_view key, units_view<Unit> value) {
    const key_place place = find_key(text, section, key);
    std::basic_string<Unit> result(text);
    if (place.key_found) {
        std::basic_string<Unit> new_value = place.has_value ? std::basic_string<Unit>() : std::basic_string<Unit>{'='};
        new_value += value;
        result.replace(place.value.begin, place.value.end - place.value.begin, new_value);
        return result;
    }
    const std::basic_string<Unit> line_break = line_break_of(text);
    std::basic_string<Unit> key_line = widened<Unit>(key) + Unit('=');
    key_line += value;
    if (place.section_found) {
        // A section ending in a last line without its line break keeps that shape.
        result.insert(place.after_section, place.last_line_ended ? key_line + line_break : line_break + key_line);
        return result;
    }
    const std::basic_string<Unit> header = Unit('[') + widened<Unit>(section) + Unit(']');
    if (text.empty() || is_line_break(text.back()))
        result += header + line_break + key_line + line_break;
    else
        result += line_break + header + line_break + key_line;
    return result;
}

// UTF-16 files: their units after the mark; an odd last byte is kept as it is.
std::u16string units_of(std::string_view bytes, bool big_endian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

std::string bytes_of(std::u16string_view units, bool big_endian) {
    std::string bytes(units.size() * 2, '\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const char high = static_cast<char>(units[i] >> 8), low = static_cast<char>(units[i] & 0xFF);
        bytes[2 * i] = big_endian ? high : low;
        bytes[2 * i + 1] = big_endian ? low : high;
    }
    return bytes;
}

}  // namespace

bool values_are_utf8(std::string_view contents) {
    return encoding_of(contents) != file_encoding::bytes;
}

bool fits_on_one_line(std::string_view value) {
    return value.find_first_of("\r\n") == std::string_view::npos;
}

std::optional<std::string> read_profile_value(std::string_view contents, std::string_view section,
                                              std::string_view key) {
    const file_encoding encoding = encoding_of(contents);
    if (encoding == file_encoding::bytes || encoding == file_encoding::utf8_with_mark) {
        const std::string_view text =
            encoding == file_encoding::bytes ? contents : contents.substr(utf8_mark.size());
        const key_place place = find_key(text, section, key);
        if (!place.has_value) return std::nullopt;
        return std::string(text.substr(place.value.begin, place.value.end - place.value.begin));
    }
    const std::u16string units = units_of(contents.substr(2), encoding == file_encoding::utf16be);
    const key_place place = find_key(std::u16string_view(units), section, key);
    if (!place.has_value) return std::nullopt;
    return from_utf16(std::u16string_view(units).substr(place.value.begin, place.value.end - place.value.begin),
                      code_page::utf8);
}

std::string write_profile_value(std::string_view contents, std::string_view section,
                                std::string_view key, std::string_view value) {
    const file_encoding encoding = encoding_of(contents);
    if (encoding == file_encoding::bytes) return with_value(contents, section, key, value);
    if (encoding == file_encoding::utf8_with_mark)
        return std::string(utf8_mark) + with_value(contents.substr(utf8_mark.size()), section, key, value);
    const bool big_endian = encoding == file_encoding::utf16be;
    const std::string_view body = contents.substr(2);
    const std::u16string units = units_of(body, big_endian);
    const std::u16string wide_value = to_utf16(value, code_page::utf8);
    std::string result(contents.substr(0, 2));
    result += bytes_of(with_value(std::u16string_view(units), section, key, std::u16string_view(wide_value)), big_endian);
    if (body.size() % 2) result += body.back();
    return result;
}
