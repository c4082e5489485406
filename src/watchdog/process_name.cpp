#include "watchdog/process_name.h"

std::string to_lower_case(std::string_view text) {
    std::string lowered(text);
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        const auto byte = static_cast<unsigned char>(lowered[i]);
        if (byte >= 0x80)
            ++i;  // a double-byte character: its second byte is no letter
        else if (byte >= 'A' && byte <= 'Z')
            lowered[i] = static_cast<char>(byte + 0x20);
    }
    return lowered;
}

bool process_name_matches(std::string_view entry_name, std::string_view wanted, bool case_sensitive) {
    entry_name = entry_name.substr(0, entry_name_limit);
    if (case_sensitive) return entry_name == wanted;
    return to_lower_case(entry_name) == to_lower_case(wanted);
}
