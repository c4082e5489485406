#include "settings/code_page.h"

#include <windows.h>

// Each direction asks for the size first, then converts into a buffer of exactly
// that size; flags 0, so the platform substitutes what it cannot carry.
std::u16string to_utf16(std::string_view bytes, code_page from) {
    if (bytes.empty()) return {};
    const auto page = static_cast<UINT>(from);
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(page, 0, bytes.data(), length, nullptr, 0);
    std::u16string wide(units, u'\0');
    MultiByteToWideChar(page, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                        units);
    return wide;
}

std::string from_utf16(std::u16string_view units, code_page to) {
    if (units.empty()) return {};
    const auto page = static_cast<UINT>(to);
    const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
    const int length = static_cast<int>(units.size());
    const int count = WideCharToMultiByte(page, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(count, '\0');
    WideCharToMultiByte(page, 0, wide, length, bytes.data(), count, nullptr, nullptr);
    return bytes;
}
