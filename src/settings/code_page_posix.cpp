// The native build's conversions, for the unit tests and the fuzzer: iconv, with
// the substitutions Windows makes done by hand, one unit at a time.
#include <iconv.h>

#include <cerrno>

#include "settings/code_page.h"

namespace {

const char* iconv_name(code_page page) { return page == code_page::utf8 ? "UTF-8" : "CP936"; }

// Converts all it can; where iconv stops at a unit it cannot take, writes the
// substitute and steps over one input unit.
template <class In, class Out>
std::basic_string<Out> convert(std::basic_string_view<In> input, const char* from, const char* to,
                               std::basic_string_view<Out> substitute) {
    std::basic_string<Out> output;
    if (input.empty()) return output;
    const iconv_t converter = iconv_open(to, from);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(input.data()));
    size_t in_left = input.size() * sizeof(In);
    Out buffer[256];
    while (in_left > 0) {
        char* out = reinterpret_cast<char*>(buffer);
        size_t out_left = sizeof buffer;
        const size_t done = iconv(converter, &in, &in_left, &out, &out_left);
        output.append(buffer, (sizeof buffer - out_left) / sizeof(Out));
        if (done == static_cast<size_t>(-1) && errno != E2BIG) {
            output.append(substitute);
            in += sizeof(In);
            in_left -= sizeof(In);
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(converter);
    return output;
}

}  // namespace

std::u16string to_utf16(std::string_view bytes, code_page from) {
    return convert<char, char16_t>(bytes, iconv_name(from), "UTF-16LE", u"\uFFFD");
}

std::string from_utf16(std::u16string_view units, code_page to) {
    return convert<char16_t, char>(units, "UTF-16LE", iconv_name(to), "?");
}
