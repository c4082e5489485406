#include "settings/profile_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "utf16_file.h"

using namespace std::string_literals;

namespace {

struct read_case {
    const char* what;
    std::string contents;
    std::optional<std::string> value;  // of key "Key" in section "S"
};

const read_case read_cases[] = {
    {"names in other letter case", "[s]\r\nkEY=1\r\n", "1"},
    {"blanks around names and value", " [ S ] \r\n \tKey\t = \t v w \t\r\n", "v w"},
    {"blanks inside a name count", "[S]\r\nK ey=1\r\n", std::nullopt},
    {"double quotes", "[S]\r\nKey= \"a b\" \r\n", "a b"},
    {"single quotes, blanks inside kept", "[S]\r\nKey=' a '\r\n", " a "},
    {"unequal quotes stay", "[S]\r\nKey=\"x'\r\n", "\"x'"},
    {"a lone quote stays", "[S]\r\nKey=\"\r\n", "\""},
    {"empty quotes", "[S]\r\nKey=\"\"\r\n", ""},
    {"; # and = inside the value", "[S]\r\nKey=a;b#c=d\r\n", "a;b#c=d"},
    {"commented-out keys are other keys", "[S]\r\n;Key=1\r\n#Key=2\r\n+Key=3\r\nKey=4\r\n", "4"},
    {"first of repeated keys", "[S]\r\nKey=1\r\nKEY=2\r\n", "1"},
    {"only the first of repeated sections", "[S]\r\nA=1\r\n[T]\r\nKey=x\r\n[s]\r\nKey=2\r\n", std::nullopt},
    {"keys before the first section", "Key=1\r\n[S]\r\nA=2\r\n", std::nullopt},
    {"a line without = has no value", "[S]\r\nA\r\nKey=3\r\n", "3"},
    {"and hides a later key of its name", "[S]\r\nKey\r\nKey=3\r\n", std::nullopt},
    {"a [ line without ] is no header", "[S]\r\n[T\r\nKey=1\r\n", "1"},
    {"text after ] is ignored", "[S] x\r\nKey=1\r\n", "1"},
    {"a header runs to its last ]", "[S]x]\r\nKey=1\r\n", std::nullopt},
    {"slashes and dots are part of a name", "[/Script/Engine.GameSession]\r\nKey=70\r\n", std::nullopt},
    {"UTF-8 byte-order mark", "\xEF\xBB\xBF[S]\r\nKey=1\r\n", "1"},
    {"LF line ends", "[S]\nA=0\nKey=1\n", "1"},
    {"CR line ends", "[S]\rA=0\rKey=1\r", "1"},
    {"no final line break", "[S]\r\nKey=last", "last"},
    {"empty value", "[S]\r\nKey=  \r\n", ""},
    {"missing section", "[T]\r\nKey=1\r\n", std::nullopt},
    {"missing file", "", std::nullopt},
    {"a NUL ends the value", "[S]\r\nKey=ab\0cd\r\n"s, "ab"},
    {"binary bytes pass through", "[S]\r\nKey=\x81\x5C\xFF\x01\x7F\r\n", "\x81\x5C\xFF\x01\x7F"},
    {"UTF-8 value bytes pass through", "[S]\r\nKey=\xE6\x9C\x8D\xE5\x8A\xA1\xE5\x99\xA8\r\n",
     "\xE6\x9C\x8D\xE5\x8A\xA1\xE5\x99\xA8"},
    {"a very long value is read whole", "[S]\r\nKey=" + std::string(50000, 'x') + "\r\n", std::string(50000, 'x')},
    {"UTF-16 LE, value as UTF-8", utf16_file(u"[S]\r\nKey=服务\r\n"), "\xE6\x9C\x8D\xE5\x8A\xA1"},
    {"UTF-16 BE", utf16_file(u"[s]\nkey = 'v'\n", true), "v"},
};

TEST(ProfileRead, FollowsThePlatformRules) {
    for (const read_case& c : read_cases)
        EXPECT_EQ(read_profile_value(c.contents, "S", "Key"), c.value) << c.what;
}

TEST(ProfileRead, MatchesTheGameSessionSection) {
    EXPECT_EQ(read_profile_value("[/script/engine.gamesession]\r\nMaxPlayers=70\r\n",
                                 "/Script/Engine.GameSession", "MaxPlayers"),
              "70");
}

struct write_case {
    const char* what;
    std::string before;
    std::string value;  // for key "Key" in section "S"
    std::string after;
};

const write_case write_cases[] = {
    {"replace in place, all else kept",
     "; top\r\n[T]\r\nKey=t\r\n\r\n[S]\r\nA = 1\r\nKey=old\r\n\r\n# end\r\n[U]\r\nB=2",
     "new",
     "; top\r\n[T]\r\nKey=t\r\n\r\n[S]\r\nA = 1\r\nKey=new\r\n\r\n# end\r\n[U]\r\nB=2"},
    {"quotes and blanks around the value stay", "[S]\r\n  Key = \"old\"  \r\n", "a b",
     "[S]\r\n  Key = \"a b\"  \r\n"},
    {"empty value written as Key=", "[S]\r\nKey=old\r\n", "", "[S]\r\nKey=\r\n"},
    {"into an empty value", "[S]\r\nKey=\r\n", "v", "[S]\r\nKey=v\r\n"},
    {"same value, same file", "[S]\r\nKey = v\r\n", "v", "[S]\r\nKey = v\r\n"},
    {"add after the section's last non-blank line", "[S]\r\nA=1\r\n; note\r\n\r\n\r\n[T]\r\nB=2\r\n", "v",
     "[S]\r\nA=1\r\n; note\r\nKey=v\r\n\r\n\r\n[T]\r\nB=2\r\n"},
    {"add to a section that ends the file without a line break", "[S]\nA=1", "v", "[S]\nA=1\nKey=v"},
    {"add beside a commented-out key", "[S]\r\n;Key=1\r\n", "v", "[S]\r\n;Key=1\r\nKey=v\r\n"},
    {"a key's name alone takes = and the value", "[S]\r\n Key \r\nKey=3\r\n", "v", "[S]\r\n Key=v \r\nKey=3\r\n"},
    {"add to a bare header", "[S]\r\n", "v", "[S]\r\nKey=v\r\n"},
    {"add to the first of repeated sections", "[S]\r\nA=1\r\n[s]\r\nKey=2\r\n", "v",
     "[S]\r\nA=1\r\nKey=v\r\n[s]\r\nKey=2\r\n"},
    {"add a section, LF file", "[T]\nB=2\n", "v", "[T]\nB=2\n[S]\nKey=v\n"},
    {"add a section, CR file", "[T]\rB=2\r", "v", "[T]\rB=2\r[S]\rKey=v\r"},
    {"add a section after a last line without a break", "[T]\r\nB=2", "v", "[T]\r\nB=2\r\n[S]\r\nKey=v"},
    {"create a file", "", "v", "[S]\r\nKey=v\r\n"},
    {"UTF-8 mark kept", "\xEF\xBB\xBF[S]\r\nKey=1\r\n", "2", "\xEF\xBB\xBF[S]\r\nKey=2\r\n"},
    {"binary bytes elsewhere kept", "[S]\r\nKey=1\r\nX=\x81\x5C\0\xFF\r\n"s, "2", "[S]\r\nKey=2\r\nX=\x81\x5C\0\xFF\r\n"s},
    {"a long value replaced whole", "[S]\r\nKey=" + std::string(20000, 'x') + "\r\nZ=1\r\n", "y",
     "[S]\r\nKey=y\r\nZ=1\r\n"},
    {"UTF-16 LE stays UTF-16 LE", utf16_file(u"[S]\r\nKey=旧\r\nZ=\r\n"), "\xE6\x96\xB0",
     utf16_file(u"[S]\r\nKey=新\r\nZ=\r\n")},
    {"UTF-16 BE new key", utf16_file(u"[S]\nA=1\n", true), "v", utf16_file(u"[S]\nA=1\nKey=v\n", true)},
    {"UTF-16 odd last byte kept", utf16_file(u"[S]\r\nKey=1\r\n") + "\x01", "2",
     utf16_file(u"[S]\r\nKey=2\r\n") + "\x01"},
};

TEST(ProfileWrite, ChangesOnlyTheValue) {
    for (const write_case& c : write_cases) {
        const std::string after = write_profile_value(c.before, "S", "Key", c.value);
        EXPECT_EQ(after, c.after) << c.what;
        EXPECT_EQ(read_profile_value(after, "S", "Key"), c.value) << c.what;
    }
}

TEST(ProfileWrite, RefusesLineBreaks) {
    EXPECT_TRUE(fits_on_one_line("a b;c=\"d\""));
    for (const char* value : {"a\r\nKey2=x", "a\n", "\rb"}) EXPECT_FALSE(fits_on_one_line(value)) << value;
}

TEST(ProfileEncoding, MarkedFilesHoldUtf8Values) {
    EXPECT_FALSE(values_are_utf8("[S]\r\nKey=1"));
    EXPECT_FALSE(values_are_utf8(""));
    EXPECT_TRUE(values_are_utf8("\xEF\xBB\xBF[S]"));
    EXPECT_TRUE(values_are_utf8(utf16_file(u"[S]")));
    EXPECT_TRUE(values_are_utf8(utf16_file(u"[S]", true)));
}

}  // namespace
