// The six settings: loaded from the server's files at start-up, written back by
// 部署 with every byte the operator did not change kept, and a box naming each
// file that could not be written.
#include <gtest/gtest.h>

#include <array>

#include "../unit/utf16_file.h"  // as the game saves a file that holds Chinese text
#include "driver.h"

namespace e2e {
namespace {

// The sources are UTF-8 but narrow literals become code page 936: file bytes are
// written as u8 literals.
std::string bytes(std::u8string_view text) { return std::string(text.begin(), text.end()); }

const path engine_ini = L"conanSandbox/config/DefaultEngine.ini";
const path server_settings_ini = L"conanSandbox/config/DefaultServerSettings.ini";
const path game_ini = L"conanSandbox/config/DefaultGame.ini";
const path base_engine_ini = L"Engine/Config/BaseEngine.ini";

// Realistic files, each with its own shape: CR LF, LF without a final line break,
// a quoted value, comments, a UTF-8 byte-order mark.
const std::string engine_file = bytes(
    u8"[URL]\r\nPort=7777\r\n\r\n[OnlineSubsystem]\r\nDefaultPlatformService=Steam\r\n\r\n"
    u8"[OnlineSubsystemSteam]\r\nbEnabled=true\r\nServerName=服务器\r\nSteamDevAppId=440900\r\n");
const std::string server_settings_file = bytes(
    u8"[ServerSettings]\nAdminPassword = \"s3cret pass\"\nPVPEnabled=True\nMaxNudity=2\n"
    u8"; operators' note\nServerRegion=1");
const std::string game_file = bytes(
    u8"[/Script/Engine.GameSession]\r\nMaxPlayers=70\r\n\r\n[/Script/ConanSandbox.SystemSettings]\r\n"
    u8"AdminPassword=\r\n");
const std::string base_engine_file = bytes(
    u8"\xEF\xBB\xBF; base engine\r\n[URL]\r\nProtocol=unreal\r\nPort=\r\n\r\n"
    u8"[OnlineSubsystemSteam]\r\nbEnabled=false\r\nGameServerQueryPort=27015\r\n");

constexpr std::array settings_controls{control::服务器名称输入框, control::管理员密码输入框,
                                       control::服务器模式下拉框, control::人数上限下拉框,
                                       control::Steam端口, control::服务器端口};
using six_texts = std::array<std::wstring, settings_controls.size()>;

six_texts texts_of(HWND window) {
    six_texts texts;
    for (size_t i = 0; i < settings_controls.size(); ++i)
        texts[i] = window_text(find_control(window, settings_controls[i]));
    return texts;
}

void write_server_files(const path& root, const std::map<path, std::string>& files) {
    for (const auto& [name, contents] : files) {
        std::filesystem::create_directories((root / name).parent_path());
        write_file(root / name, contents);
    }
}

// Every file and folder below the root with its bytes; the executables by name
// only, so that a failure shows the config files readably.
std::map<path, std::string> server_files(const path& root) {
    std::map<path, std::string> files = files_below(root);
    for (auto& [name, contents] : files)
        if (name.extension() == L".exe") contents = "<program>";
    return files;
}

std::string replaced(std::string text, std::string_view old_part, std::string_view new_part) {
    const size_t at = text.find(old_part);
    EXPECT_NE(at, std::string::npos) << old_part;
    if (at != std::string::npos) text.replace(at, old_part.size(), new_part);
    return text;
}

struct load_case {
    const char* what;
    std::map<path, std::string> files;
    six_texts shown;
};

const load_case load_cases[] = {
    {"realistic files: UTF-8 name, quoted password, True, 70, an empty port",
     {{engine_ini, engine_file}, {server_settings_ini, server_settings_file}, {game_ini, game_file},
      {base_engine_ini, base_engine_file}},
     {L"服务器", L"s3cret pass", L"PVP", L"70", L"27015", L""}},
    {"False, missing keys, a UTF-16 file",
     {{server_settings_ini, utf16_file(u"[ServerSettings]\r\nAdminPassword=密码\r\nPVPEnabled=False\r\n")},
      {base_engine_ini, "[URL]\r\nPort=7777\r\n"}},
     {L"", L"密码", L"PVE", L"", L"", L"7777"}},
    {"lower-case true stays as it is",
     {{server_settings_ini, "[ServerSettings]\r\nPVPEnabled=true\r\n"}},
     {L"", L"", L"true", L"", L"", L""}},
    {"no config files at all", {}, {L"", L"", L"", L"", L"", L""}},
};

TEST(Settings, StartUpLoadsAllSix) {
    for (const load_case& c : load_cases) {
        SCOPED_TRACE(c.what);
        temp_folder folder;
        lay_out_server_root(folder.root());
        write_server_files(folder.root(), c.files);
        tool_process tool(folder.root() / L"ConanDeploy.exe", folder.root());
        const HWND window = start_past_startup_box(tool);
        ASSERT_TRUE(window);
        EXPECT_EQ(texts_of(window), c.shown);
    }
}

const std::wstring deployed_line = L"服务器部署完毕! ";

void expect_deployed_line(HWND log, size_t lines) {
    ASSERT_TRUE(wait_for_lines(log, lines)) << "no log line after the deploy";
    const std::wstring last = list_lines(log).back();
    EXPECT_EQ(last.substr(0, deployed_line.size()), deployed_line);
    EXPECT_NE(last.find(L"年"), std::wstring::npos) << "no time stamp";
}

TEST(Settings, DeployWritesOnlyWhatWasEdited) {
    temp_folder folder;
    lay_out_server_root(folder.root());
    // A name in code page 936 bytes and "true" in lower case: the load cannot show
    // them as they are, and a deploy without edits must not write them over.
    const std::string damaged_engine_file = replaced(engine_file, bytes(u8"服务器"), "\xB7\xFE\xCE\xF1");
    const std::string lower_case_settings = replaced(server_settings_file, "PVPEnabled=True", "PVPEnabled=true");
    write_server_files(folder.root(), {{engine_ini, damaged_engine_file}, {server_settings_ini, lower_case_settings},
                                       {game_ini, game_file}, {base_engine_ini, base_engine_file}});
    const auto files_before = server_files(folder.root());
    tool_process tool(folder.root() / L"ConanDeploy.exe", folder.root());
    const HWND window = start_past_startup_box(tool);
    ASSERT_TRUE(window);
    const HWND log = find_control(window, control::日志框);

    click(find_control(window, control::按钮1));
    expect_deployed_line(log, 3);
    EXPECT_EQ(server_files(folder.root()), files_before) << "a deploy without edits changed a file";

    set_text(find_control(window, control::服务器名称输入框), L"新服务器 2");
    set_text(find_control(window, control::服务器模式下拉框), L"PVE");
    set_text(find_control(window, control::人数上限下拉框), L"40");
    set_text(find_control(window, control::服务器端口), L"7779");
    click(find_control(window, control::按钮1));
    expect_deployed_line(log, 4);

    auto files_after = files_before;
    files_after[folder.root() / engine_ini] =
        replaced(damaged_engine_file, "ServerName=\xB7\xFE\xCE\xF1", bytes(u8"ServerName=新服务器 2"));
    files_after[folder.root() / server_settings_ini] = replaced(lower_case_settings, "PVPEnabled=true", "PVPEnabled=False");
    files_after[folder.root() / game_ini] = replaced(game_file, "MaxPlayers=70", "MaxPlayers=40");
    files_after[folder.root() / base_engine_ini] = replaced(base_engine_file, "Port=\r\n", "Port=7779\r\n");
    EXPECT_EQ(server_files(folder.root()), files_after);
}

struct failure_case {
    const char* what;
    std::map<path, std::string> files;
    std::vector<std::pair<control, std::wstring>> edits;
    std::wstring failed_files;  // the lines after the box's first line
    path blocked_file;          // made read-only or held open, when not empty
    bool read_only;
};

const std::wstring failure_first_line = L"部署失败,以下配置文件无法写入,请检查:";

const failure_case failure_cases[] = {
    {"the folder conanSandbox/config is missing",
     {{base_engine_ini, base_engine_file}},
     {{control::服务器端口, L"7779"}},
     L"\n/conanSandbox/config/DefaultEngine.ini\n/conanSandbox/config/DefaultGame.ini"
     L"\n/conanSandbox/config/DefaultServerSettings.ini",
     {}, false},
    {"a read-only file",
     {{engine_ini, engine_file}, {server_settings_ini, server_settings_file}, {game_ini, game_file},
      {base_engine_ini, base_engine_file}},
     {{control::人数上限下拉框, L"40"}, {control::服务器端口, L"7779"}},
     L"\n/conanSandbox/config/DefaultGame.ini",
     game_ini, true},
    {"a file another program holds open",
     {{engine_ini, engine_file}, {server_settings_ini, server_settings_file}, {game_ini, game_file},
      {base_engine_ini, base_engine_file}},
     {{control::服务器模式下拉框, L"PVE"}, {control::服务器端口, L"7779"}},
     L"\n/conanSandbox/config/DefaultServerSettings.ini",
     server_settings_ini, false},
    {"a name holding a line break",
     {{engine_ini, engine_file}, {server_settings_ini, server_settings_file}, {game_ini, game_file},
      {base_engine_ini, base_engine_file}},
     {{control::服务器名称输入框, L"evil\r\nServerName=x"}, {control::服务器端口, L"7779"}},
     L"\n/conanSandbox/config/DefaultEngine.ini",
     {}, false},
};

TEST(Settings, DeployNamesTheFilesItCouldNotWrite) {
    for (const failure_case& c : failure_cases) {
        SCOPED_TRACE(c.what);
        temp_folder folder;
        lay_out_server_root(folder.root());
        write_server_files(folder.root(), c.files);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (!c.blocked_file.empty() && c.read_only)
            SetFileAttributesW((folder.root() / c.blocked_file).c_str(), FILE_ATTRIBUTE_READONLY);
        const auto files_before = server_files(folder.root());
        tool_process tool(folder.root() / L"ConanDeploy.exe", folder.root());
        const HWND window = start_past_startup_box(tool);
        ASSERT_TRUE(window);
        if (!c.blocked_file.empty() && !c.read_only)
            held = CreateFileW((folder.root() / c.blocked_file).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        for (const auto& [name, text] : c.edits) set_text(find_control(window, name), text);
        click(find_control(window, control::按钮1));

        const auto box = tool.wait_for_message_box();
        ASSERT_TRUE(box.has_value()) << "no failure box";
        EXPECT_EQ(box->title, L"信息：");
        EXPECT_EQ(box->text, failure_first_line + c.failed_files);
        EXPECT_TRUE(press_ok(*box));
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);

        // No success line, the blocked files whole, the writable ones written.
        EXPECT_EQ(list_lines(find_control(window, control::日志框)).size(), 2u);
        auto files_after = files_before;
        files_after[folder.root() / base_engine_ini] = replaced(base_engine_file, "Port=\r\n", "Port=7779\r\n");
        EXPECT_EQ(server_files(folder.root()), files_after);
        if (c.read_only) SetFileAttributesW((folder.root() / c.blocked_file).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

}  // namespace
}  // namespace e2e
