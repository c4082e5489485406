// The start-server button, the process lists and the monitor slots, with a
// stand-in server that the tests start and kill, and batch files that really run.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

// A batch file beside the tool: lines joined with CR LF.
void write_batch(const path& file, std::initializer_list<const char*> lines) {
    std::string text = "@echo off\r\n";
    for (const char* line : lines) text += std::string(line) + "\r\n";
    write_file(file, text);
}

// A stand-in server under a name no other process has.
std::wstring unique_server_name() {
    static int count = 0;
    return L"StandIn" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++count) + L".exe";
}

std::string ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::wstring upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(towupper(c));
    return text;
}

// Ends every process of the name left running by a batch file the tool ran.
struct processes_ended_at_exit {
    std::wstring name;
    ~processes_ended_at_exit() {
        for (DWORD id : processes_named(name)) end_process(id);
    }
};

std::wstring last_line(HWND log) {
    const auto lines = list_lines(log);
    return lines.empty() ? L"" : lines.back();
}

bool starts_with(const std::wstring& text, const std::wstring& start) { return text.rfind(start, 0) == 0; }

struct running_tool {
    temp_folder folder;
    std::optional<tool_process> tool;
    HWND window = nullptr;
    HWND log = nullptr;

    explicit running_tool(std::wstring_view folder_name = L"server") : folder(folder_name) {
        lay_out_server_root(folder.root());
    }
    bool start() {
        tool.emplace(folder.root() / L"ConanDeploy.exe", folder.root());
        window = start_past_startup_box(*tool);
        log = window ? find_control(window, control::日志框) : nullptr;
        return window != nullptr;
    }
    HWND operator[](control name) const { return find_control(window, name); }
};

struct start_server_case {
    const char* what;
    std::wstring folder;
    bool with_batch;
};

const start_server_case start_server_cases[] = {
    {"the batch runs in the tool's folder", L"server", true},
    {"a folder with a blank, &, ^ and parentheses", L"my server & co (1) ^x", true},
    {"no StartServer.bat", L"server", false},
};

TEST(Watchdog, StartServerRunsTheBatchFile) {
    for (const start_server_case& c : start_server_cases) {
        SCOPED_TRACE(c.what);
        running_tool t(c.folder);
        if (c.with_batch) write_batch(t.folder.root() / L"StartServer.bat", {"cd >> started.txt"});
        ASSERT_TRUE(t.start());
        for (int press = 1; press <= 2; ++press) {
            click(t[control::按钮2]);
            if (!c.with_batch) {
                const auto box = t.tool->wait_for_message_box();
                ASSERT_TRUE(box.has_value());
                EXPECT_EQ(box->text, L"服务器启动失败,请检查StartServer.bat是否存在!");
                EXPECT_TRUE(press_ok(*box));
                EXPECT_EQ(list_lines(t.log).size(), 2u);
                continue;
            }
            ASSERT_TRUE(wait_for_lines(t.log, 2 + press));
            EXPECT_TRUE(starts_with(last_line(t.log), L"启动服务器成功! "));
        }
        if (!c.with_batch) continue;
        // Each press ran the batch once, with the tool's folder as its current directory.
        const path started = t.folder.root() / L"started.txt";
        std::string lines;
        EXPECT_TRUE(wait_until([&] {
            lines = read_file(started);
            return std::count(lines.begin(), lines.end(), '\n') == 2;
        })) << lines;
        std::wstring folder = t.folder.root().wstring();
        EXPECT_NE(lines.find(ascii(folder.substr(folder.rfind(L'\\') + 1))), std::string::npos) << lines;
    }
}

TEST(Watchdog, ProcessListsOfferTheRunningProcessesOnce) {
    running_tool t;
    const std::wstring server = unique_server_name();
    std::filesystem::copy_file(built_file(L"stand_in_server.exe"), t.folder.root() / server);
    tool_process stand_in(t.folder.root() / server, t.folder.root());
    ASSERT_TRUE(t.start());
    set_text(t[control::进程列表2], L"typed.exe");
    for (control opened : {control::进程列表1, control::进程列表3}) {
        drop_down(t[opened]);
        const auto items = combo_items(t[control::进程列表1]);
        EXPECT_EQ(std::count(items.begin(), items.end(), server), 1) << "one item per process";
        for (control list : {control::进程列表2, control::进程列表3, control::进程列表4})
            EXPECT_EQ(combo_items(t[list]), items) << "every list gets the same current names";
    }
    EXPECT_EQ(window_text(t[control::进程列表2]), L"typed.exe");
    EXPECT_EQ(window_text(t[control::进程列表1]), L"");
}

TEST(Watchdog, SlotRestartsItsServerAfterACrash) {
    running_tool t;
    const std::wstring server = unique_server_name();
    processes_ended_at_exit cleanup{server};
    std::filesystem::copy_file(built_file(L"stand_in_server.exe"), t.folder.root() / server);
    write_batch(t.folder.root() / L"StartServer1.bat", {("start \"\" \"" + ascii(server) + "\"").c_str()});
    tool_process stand_in(t.folder.root() / server, t.folder.root());
    ASSERT_TRUE(t.start());

    set_text(t[control::进程列表1], upper(server));
    set_text(t[control::检测间隔1], L"1");
    click(t[control::启动监控1]);
    ASSERT_TRUE(wait_for_lines(t.log, 3));
    EXPECT_TRUE(starts_with(last_line(t.log), L"进程一启动监控成功! "));
    EXPECT_EQ(window_text(t[control::启动监控1]), L"停止监控");
    EXPECT_FALSE(IsWindowEnabled(t[control::进程列表1]));
    EXPECT_FALSE(IsWindowEnabled(t[control::检测间隔1]));

    Sleep(2500);
    EXPECT_EQ(list_lines(t.log).size(), 3u) << "a running server logs nothing";

    end_process(stand_in.id());
    const ULONGLONG killed = GetTickCount64();
    ASSERT_TRUE(wait_for_lines(t.log, 4, 5000));
    const ULONGLONG noticed = GetTickCount64();
    EXPECT_TRUE(starts_with(list_lines(t.log)[3], L"检测到进程一服务端崩溃,重新启动! "));
    EXPECT_LE(noticed - killed, 2500u) << "about one period, with room for a slow machine";
    EXPECT_TRUE(wait_until([&] { return !processes_named(server).empty(); })) << "StartServer1.bat started it again";

    const size_t lines = list_lines(t.log).size();
    click(t[control::启动监控1]);
    ASSERT_TRUE(wait_for_lines(t.log, lines + 1));
    EXPECT_TRUE(starts_with(last_line(t.log), L"进程一停止监控成功! "));
    EXPECT_EQ(window_text(t[control::启动监控1]), L"启动监控");
    EXPECT_TRUE(IsWindowEnabled(t[control::进程列表1]));
    EXPECT_TRUE(IsWindowEnabled(t[control::检测间隔1]));
}

TEST(Watchdog, SlotKeepsWatchingWhileABoxIsOpenAndStopsWithoutItsBatch) {
    running_tool t;
    write_batch(t.folder.root() / L"StartServer3.bat", {"echo ran>> ran3.txt"});
    ASSERT_TRUE(t.start());
    set_text(t[control::进程列表3], L"absent.exe");
    set_text(t[control::检测间隔3], L"1");
    click(t[control::启动监控3]);
    ASSERT_TRUE(wait_for_lines(t.log, 3));
    EXPECT_TRUE(starts_with(last_line(t.log), L"进程三启动监控成功! "));

    // No StartServer.bat: a box waits for the operator while the slot goes on.
    click(t[control::按钮2]);
    const auto box = t.tool->wait_for_message_box();
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(wait_for_lines(t.log, 4, 5000)) << "no tick while the box was open";
    EXPECT_TRUE(IsWindow(box->handle));
    EXPECT_TRUE(starts_with(list_lines(t.log)[3], L"检测到进程三服务端崩溃,重新启动! "));
    EXPECT_TRUE(press_ok(*box));
    EXPECT_TRUE(wait_until([&] { return !read_file(t.folder.root() / L"ran3.txt").empty(); }));

    // The batch file deleted: the restart fails and says so, and the slot still stops.
    std::filesystem::remove(t.folder.root() / L"StartServer3.bat");
    EXPECT_TRUE(wait_until([&] { return starts_with(last_line(t.log), L"进程三重新启动失败,请检查StartServer3.bat! "); }));
    click(t[control::启动监控3]);
    EXPECT_TRUE(wait_until([&] { return starts_with(last_line(t.log), L"进程三停止监控成功! "); }));
    EXPECT_EQ(window_text(t[control::启动监控3]), L"启动监控");
    EXPECT_FALSE(t.tool->open_message_box().has_value());
}

struct refused_case {
    control list, interval, button;
    const wchar_t* name;
    const wchar_t* interval_text;
    const wchar_t* message;
};

const wchar_t* const no_batch = L"未找到StartServer4.bat启动文件，无法启动进程监控,请检查!";
const wchar_t* const no_name = L"请先选择或输入要监控的进程名称!";
const wchar_t* const bad_interval = L"检测间隔无效,请选择或输入大于0的秒数!";

const refused_case refused_cases[] = {
    {control::进程列表4, control::检测间隔4, control::启动监控4, L"x.exe", L"10", no_batch},
    {control::进程列表1, control::检测间隔1, control::启动监控1, L"", L"10", no_name},
    {control::进程列表1, control::检测间隔1, control::启动监控1, L"x.exe", L"", bad_interval},
    {control::进程列表1, control::检测间隔1, control::启动监控1, L"x.exe", L"0.0005", bad_interval},
    {control::进程列表1, control::检测间隔1, control::启动监控1, L"x.exe", L"-10", bad_interval},
    {control::进程列表1, control::检测间隔1, control::启动监控1, L"x.exe", L"abc", bad_interval},
    {control::进程列表1, control::检测间隔1, control::启动监控1, L"x.exe", L"3000000", bad_interval},
    {control::进程列表1, control::检测间隔1, control::启动监控1, L"x.exe", L"4294967.296", bad_interval},
};

TEST(Watchdog, RefusedStartsSayWhyAndLeaveTheSlotStopped) {
    running_tool t;
    write_batch(t.folder.root() / L"StartServer1.bat", {"echo ran>> ran1.txt"});
    ASSERT_TRUE(t.start());
    for (const refused_case& c : refused_cases) {
        SCOPED_TRACE(std::wstring(c.name) + L" / " + c.interval_text);
        set_text(t[c.list], c.name);
        set_text(t[c.interval], c.interval_text);
        click(t[c.button]);
        const auto box = t.tool->wait_for_message_box();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, c.message);
        EXPECT_TRUE(press_ok(*box));
        EXPECT_EQ(window_text(t[c.button]), L"启动监控");
        EXPECT_TRUE(IsWindowEnabled(t[c.list]));
        EXPECT_TRUE(IsWindowEnabled(t[c.interval]));
        EXPECT_EQ(list_lines(t.log).size(), 2u);
    }
}

}  // namespace
}  // namespace e2e
