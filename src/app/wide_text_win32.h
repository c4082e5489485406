// Texts are code page 936 inside the tool. Every Win32 call takes the wide form,
// converted here with code page 936 explicitly, so the tool shows and keeps the
// same text whatever the system's own code page is.
#pragma once

#include <string>
#include <string_view>

std::wstring widen(std::string_view cp936_text);
std::string narrow(std::wstring_view wide_text);  // unmappable characters become '?'
