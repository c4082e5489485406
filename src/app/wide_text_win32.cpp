#include "app/wide_text_win32.h"

#include <windows.h>

constexpr UINT window_code_page = 936;

std::wstring widen(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(window_code_page, 0, text.data(), length, nullptr, 0);
    std::wstring wide(units, L'\0');
    MultiByteToWideChar(window_code_page, 0, text.data(), length, wide.data(), units);
    return wide;
}

std::string narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(window_code_page, 0, wide.data(), length, nullptr, 0,
                                          nullptr, nullptr);
    std::string text(bytes, '\0');
    WideCharToMultiByte(window_code_page, 0, wide.data(), length, text.data(), bytes, nullptr,
                        nullptr);
    return text;
}
