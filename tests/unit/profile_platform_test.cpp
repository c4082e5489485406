// Our profile engine against the platform's own profile calls, on the same files:
// every read gives the value GetPrivateProfileStringA gives, and after a write the
// platform sees the same sections, keys and values in our file as in the file it
// wrote itself. Only values the platform keeps byte for byte are used (ASCII, and
// other bytes under code page 1252).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/profile_text.h"
#include "utf16_file.h"

namespace {

const std::vector<std::string> tricky_files = {
    "[S]\r\nKey=1\r\n",
    "; top comment\r\n\r\n[T]\r\nKey=t\r\n\r\n[S]\r\nA = 1\r\nKey=old\r\n\r\n# end\r\n[U]\r\nB=2",
    " [ s ] \r\n \tkEY\t = \t v w \t\r\n",
    "[S]\r\nKey= \"a b\" \r\nA='x'\r\nB=\"x'\r\nC=\"\r\nD=\"\"\r\n",
    "[S]\r\nKey=a;b#c=d\r\nK ey=2\r\n",
    "[S]\r\n;Key=1\r\n#Key=2\r\n+Key=3\r\n-Key=4\r\n!Key=5\r\n.Key=6\r\n",
    "[S]\r\nKey=1\r\nKEY=2\r\n",
    "[S]\r\nA=1\r\n[T]\r\nKey=x\r\n[s]\r\nKey=2\r\nC=3\r\n",
    "Key=1\r\nA=0\r\n[S]\r\nA=2\r\n",
    "[S]\r\nKey\r\nA\r\nKey=3\r\n",
    "[S]\r\n[T\r\nKey=1\r\n",
    "[S] x\r\nKey=1\r\n[T]x]\r\nKey=2\r\n",
    "\xEF\xBB\xBF[S]\r\nKey=1\r\n",
    "[S]\nA=0\nKey=1\n\n[T]\nB=1\n",
    "[S]\rA=0\rKey=1\r",
    "[S]\r\nKey=last",
    "[S]\r\nA=1",
    "[S]\r\nKey=  \r\nA=\r\n",
    "[/Script/Engine.GameSession]\r\nMaxPlayers=40\r\n[URL]\r\nPort=7777\r\n",
    "[T]\r\nB=2\r\n",
    "[T]\nB=2",
    "",
    "[S]\r\nKey=" + std::string(9000, 'x') + "\r\n",
    utf16_file(u"[S]\r\nKey = 'v'\r\n\r\n[T]\r\nB=2"),
    utf16_file(u"[T]\nB=2\n", true),
};

struct probe {
    const char* section;
    const char* key;
};

const probe probes[] = {
    {"S", "Key"}, {"s", "KEY"}, {"S", "A"}, {"S", "B"}, {"S", "C"}, {"S", "D"},
    {"T", "Key"}, {"T", "B"}, {"U", "B"}, {"/script/engine.gamesession", "MaxPlayers"},
    {"URL", "Port"}, {"S", "K ey"}, {"S", "+Key"}, {"New", "Key"},
};

std::string temporary_path() {
    static int count = 0;
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "profile_" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(++count) + ".ini";
}

void write_bytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string read_bytes(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

constexpr char missing[] = "\x01missing";

std::string platform_read(const std::string& path, const char* section, const char* key) {
    std::string value(1 << 16, '\0');
    const DWORD length = GetPrivateProfileStringA(section, key, missing, value.data(),
                                                  static_cast<DWORD>(value.size()), path.c_str());
    value.resize(length);
    return value;
}

// What the platform sees in a file: every probe's value and the names of all sections.
std::string platform_view(const std::string& path) {
    std::string view;
    for (const probe& p : probes) view += std::string(p.section) + "/" + p.key + "=" + platform_read(path, p.section, p.key) + "\n";
    std::string names(1 << 16, '\0');
    names.resize(GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), path.c_str()));
    return view + names;
}

// Under code page 1252 the platform keeps every byte but five; under 936 only ASCII.
std::vector<std::string> files_for_this_code_page() {
    std::vector<std::string> files = tricky_files;
    if (GetACP() == 1252) files.push_back("[S]\r\nKey=caf\xE9 \xA0\xFF\r\n[\xC9]\r\nKey=\x80\r\n");
    return files;
}

TEST(ProfilePlatform, ReadsWhatThePlatformReads) {
    for (const std::string& contents : files_for_this_code_page()) {
        const std::string path = temporary_path();
        write_bytes(path, contents);
        for (const probe& p : probes)
            EXPECT_EQ(read_profile_value(contents, p.section, p.key).value_or(missing),
                      platform_read(path, p.section, p.key))
                << "[" << p.section << "] " << p.key << " in:\n" << contents;
        DeleteFileA(path.c_str());
    }
}

TEST(ProfilePlatform, WritesWhatThePlatformWrites) {
    const char* values[] = {"new", "", "a;b=c"};
    for (const std::string& contents : files_for_this_code_page())
        for (const probe& p : probes)
            for (const char* value : values) {
                const std::string theirs = temporary_path(), ours = temporary_path();
                write_bytes(theirs, contents);
                WritePrivateProfileStringA(p.section, p.key, value, theirs.c_str());
                write_bytes(ours, write_profile_value(contents, p.section, p.key, value));
                EXPECT_EQ(platform_view(ours), platform_view(theirs))
                    << "[" << p.section << "] " << p.key << "=" << value << " in:\n" << contents
                    << "\nours:\n" << read_bytes(ours) << "\ntheirs:\n" << read_bytes(theirs);
                DeleteFileA(theirs.c_str());
                DeleteFileA(ours.c_str());
            }
}

}  // namespace
