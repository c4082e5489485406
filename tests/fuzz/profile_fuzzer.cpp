// libFuzzer over the profile engine. Input: a probe selector, a value length, the
// value, then the file's contents. For any contents, reading and writing must not
// crash, and a write must change nothing but the one value: the bytes it drops
// are at most the old value's, every other probe reads as before, and reading
// the key back gives the value written. (Values with blanks around them, or in a
// pair of quotes, read back trimmed as the platform reads them; they are left out.)
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "settings/profile_text.h"

namespace {

struct probe {
    const char* section;
    const char* key;
};
constexpr probe probes[] = {{"S", "Key"}, {"S", "A"}, {"T", "Key"}, {"T", "B"}};

#define check(condition) \
    if (!(condition)) {    \
        std::fprintf(stderr, "failed: %s\n", #condition); \
        std::abort();      \
    }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const probe& written = probes[data[0] % std::size(probes)];
    const std::size_t value_size = std::min<std::size_t>(data[1] % 24, size - 2);
    // ASCII on one line, so that it survives UTF-16 files too.
    std::string value;
    for (std::size_t i = 0; i < value_size; ++i) {
        const char c = static_cast<char>(data[2 + i] & 0x7F);
        value += c == '\r' || c == '\n' || c == '\0' ? 'x' : c;
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.erase(0, 1);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) value.back() = 'q';
    const std::string contents(reinterpret_cast<const char*>(data) + 2 + value_size, size - 2 - value_size);

    std::optional<std::string> before[std::size(probes)];
    for (std::size_t i = 0; i < std::size(probes); ++i)
        before[i] = read_profile_value(contents, probes[i].section, probes[i].key);

    const std::string after = write_profile_value(contents, written.section, written.key, value);

    // One span replaced, nothing else: a common head and tail cover all but the old value.
    std::size_t head = 0;
    while (head < contents.size() && head < after.size() && contents[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < contents.size() - head && tail < after.size() - head &&
           contents[contents.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const std::size_t old_size = before[&written - probes].value_or("").size();
    check(contents.size() - head - tail <= 2 * old_size);

    check(read_profile_value(after, written.section, written.key) == value);
    check(values_are_utf8(after) == values_are_utf8(contents));

    for (std::size_t i = 0; i < std::size(probes); ++i)
        if (&probes[i] != &written)
            check(read_profile_value(after, probes[i].section, probes[i].key) == before[i]);
    return 0;
}
