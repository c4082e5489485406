#include "app/wide_text_win32.h"

#include "settings/code_page.h"

std::wstring widen(std::string_view text) {
    const std::u16string units = to_utf16(text, code_page::window);
    return std::wstring(units.begin(), units.end());
}

std::string narrow(std::wstring_view wide) {
    return from_utf16(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()),
                      code_page::window);
}
