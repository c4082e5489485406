#include "settings/server_name.h"

#include "settings/code_page.h"

std::string decode_server_name(std::string_view utf8_bytes) {
    return from_utf16(to_utf16(utf8_bytes, code_page::utf8), code_page::window);
}

std::string encode_server_name(std::string_view window_text) {
    return from_utf16(to_utf16(window_text, code_page::window), code_page::utf8);
}
