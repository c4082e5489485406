// A full load and a full deploy of the six settings against realistic files (a
// BaseEngine.ini of about 3,000 lines and 120 KB), by the tool's own
// load_settings and deploy_settings, and by the platform's profile calls doing
// the same reads and writes. The window's controls are stood in for by a table,
// so the figures are the file work alone. Run under Wine or on Windows.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/log.h"
#include "app/shell.h"
#include "app/wide_text_win32.h"
#include "settings/server_name.h"
#include "settings/settings.h"
#include "settings/settings_map.h"

namespace fs = std::filesystem;

// The controls and the shell, as the settings code sees them.
namespace {
std::map<control, std::string> control_texts;
std::wstring bench_run_directory;
int log_lines = 0, message_boxes = 0;
}  // namespace

std::string read_text(control name) { return control_texts[name]; }
void write_text(control name, std::string_view text) { control_texts[name] = std::string(text); }
void append_log_line(std::string_view) { ++log_lines; }
void show_message(std::string_view) { ++message_boxes; }
const std::wstring& run_directory() { return bench_run_directory; }

namespace {

std::string base_engine_ini() {
    std::string file = "; Engine defaults\r\n\r\n";
    int lines = 2;
    for (int section = 0; lines < 3000; ++section) {
        if (section == 70) {
            file += "[URL]\r\nProtocol=unreal\r\nName=Player\r\nMap=/Game/Maps/ConanSandbox/ConanSandbox\r\nPort=7777\r\n\r\n";
            lines += 6;
        }
        if (section == 140) {
            file += "[OnlineSubsystemSteam]\r\nbEnabled=true\r\nSteamDevAppId=440900\r\nGameServerQueryPort=27015\r\n\r\n";
            lines += 5;
        }
        file += "[/Script/Engine.Section" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 18; ++key)
            file += "+Paths=../../Engine/Content/Dir" + std::to_string(section) + "/Item" + std::to_string(key) + "\r\n";
        file += "\r\n";
        lines += 20;
    }
    return file;
}

const std::map<std::string, std::string> server_files = {
    {"/conanSandbox/config/DefaultEngine.ini",
     "[URL]\r\nPort=7777\r\n\r\n[OnlineSubsystem]\r\nDefaultPlatformService=Steam\r\n\r\n"
     "[OnlineSubsystemSteam]\r\nbEnabled=true\r\nServerName=\xE6\x9C\x8D\xE5\x8A\xA1\xE5\x99\xA8\r\n"},
    {"/conanSandbox/config/DefaultServerSettings.ini",
     "[ServerSettings]\r\nAdminPassword=secret\r\nPVPEnabled=True\r\nMaxNudity=2\r\nServerRegion=1\r\n"},
    {"/conanSandbox/config/DefaultGame.ini", "[/Script/Engine.GameSession]\r\nMaxPlayers=40\r\n"},
    {"/Engine/Config/BaseEngine.ini", base_engine_ini()},
};

// Several copies of the server folder, visited in turn: the platform caches the
// last few files it parsed, and a real load comes once, cold, at start-up.
constexpr int folder_count = 8;

std::wstring folder_of(const fs::path& base, int i) { return (base / ("server" + std::to_string(i))).wstring(); }

void lay_out(const fs::path& base) {
    for (int i = 0; i < folder_count; ++i)
        for (const auto& [relative, contents] : server_files) {
            const fs::path file = folder_of(base, i) + widen(relative);
            fs::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << contents;
        }
}

double now_ms() {
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return 1000.0 * count.QuadPart / frequency.QuadPart;
}

template <class Run>
double median_ms(int rounds, Run run) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const double start = now_ms();
        run(round);
        times.push_back(now_ms() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The platform's way: one GetPrivateProfileStringA per setting into a 10240-byte buffer.
void platform_load(const std::wstring& folder) {
    for (const setting& row : settings_map) {
        char value[10240];
        const std::string file = narrow(folder) + std::string(row.file);
        GetPrivateProfileStringA(row.section.data(), row.key.data(), "", value, sizeof value, file.c_str());
        write_text(row.source, window_form(row, value, false));
    }
}

// The platform's way: every key written, in the deploy's order, each call its own file rewrite.
void platform_deploy(const std::wstring& folder) {
    for (int index : deploy_order) {
        const setting& row = settings_map[index];
        const std::string file = narrow(folder) + std::string(row.file);
        const std::string text = read_text(row.source);
        std::string value = row.carried == carried_as::server_name ? encode_server_name(text) : text;
        if (row.carried == carried_as::mode) {
            if (text != "PVP" && text != "PVE") continue;
            value = text == "PVP" ? "True" : "False";
        }
        WritePrivateProfileStringA(row.section.data(), row.key.data(), value.c_str(), file.c_str());
    }
}

// Every round deploys other values than the last, so each file is really written.
void edit_controls(int round) {
    const std::string n = std::to_string(round);
    control_texts[control::服务器名称输入框] = "\xB7\xFE\xCE\xF1\xC6\xF7 " + n;
    control_texts[control::管理员密码输入框] = "secret" + n;
    control_texts[control::服务器模式下拉框] = round % 2 ? "PVP" : "PVE";
    control_texts[control::人数上限下拉框] = std::to_string(20 + round % 40);
    control_texts[control::Steam端口] = std::to_string(27015 + round % 100);
    control_texts[control::服务器端口] = std::to_string(7777 + round % 100);
}

void report(const char* what, double ours, double platform) {
    std::printf("%-34s ours %8.3f ms   platform %8.3f ms   ratio %.2f\n", what, ours, platform, ours / platform);
}

}  // namespace

int main() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const fs::path base = fs::path(temp) / ("settings-bench-" + std::to_string(GetCurrentProcessId()));
    lay_out(base);
    std::printf("BaseEngine.ini: %zu bytes, %zu lines; %d copies of the four files, visited in turn\n",
                server_files.at("/Engine/Config/BaseEngine.ini").size(),
                static_cast<size_t>(std::count(server_files.at("/Engine/Config/BaseEngine.ini").begin(),
                                               server_files.at("/Engine/Config/BaseEngine.ini").end(), '\n')),
                folder_count);
    constexpr int rounds = 200;
    const auto in_folder = [&](auto action) {
        return [&, action](int round) {
            bench_run_directory = folder_of(base, round % folder_count);
            action(round);
        };
    };
    const double ours_load = median_ms(rounds, in_folder([](int) { load_settings(); }));
    const double platform_load_ms = median_ms(rounds, in_folder([](int) { platform_load(bench_run_directory); }));
    const auto same_folder = [&](auto action) {
        return [&, action](int round) {
            bench_run_directory = folder_of(base, 0);
            action(round);
        };
    };
    const double ours_warm = median_ms(rounds, same_folder([](int) { load_settings(); }));
    const double platform_warm = median_ms(rounds, same_folder([](int) { platform_load(bench_run_directory); }));
    const double ours_deploy = median_ms(rounds, in_folder([](int round) { edit_controls(round); deploy_settings(); }));
    const double platform_deploy_ms =
        median_ms(rounds, in_folder([](int round) { edit_controls(round + 1); platform_deploy(bench_run_directory); }));

    std::printf("median of %d rounds each\n", rounds);
    report("full load (files not cached)", ours_load, platform_load_ms);
    report("full load (same files again)", ours_warm, platform_warm);
    report("full deploy, six values changed", ours_deploy, platform_deploy_ms);
    std::printf("deploys: %d log lines, %d failure boxes\n", log_lines, message_boxes);
    fs::remove_all(base);
    return message_boxes == 0 ? 0 : 1;
}
