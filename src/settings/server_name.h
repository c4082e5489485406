// The server name is the one setting stored in another encoding: UTF-8 in its
// file, code page 936 text in the window. Both directions go through UTF-16.
#pragma once

#include <string>
#include <string_view>

// File bytes that are no UTF-8, and characters code page 936 lacks, come out as '?'.
std::string decode_server_name(std::string_view utf8_bytes);
std::string encode_server_name(std::string_view window_text);
