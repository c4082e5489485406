// Conversions between the two byte encodings the tool meets and UTF-16: code page
// 936, the window's text, and UTF-8, the server name's file form. Windows does them
// with its own conversion calls; elsewhere (the native tests) iconv stands in.
//
// Neither direction fails. Bytes that are no character of their code page become
// U+FFFD; characters the code page cannot hold become '?'.
#pragma once

#include <string>
#include <string_view>

enum class code_page : unsigned { window = 936, utf8 = 65001 };

std::u16string to_utf16(std::string_view bytes, code_page from);
std::string from_utf16(std::u16string_view units, code_page to);
