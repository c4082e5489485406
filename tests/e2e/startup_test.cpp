// Start-up: the check for the server executable beside the tool, its one message
// box before the window, the deferred close, and the exit code.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

const std::wstring title = L"信息：";
const std::wstring found_notice = L"为避免带来不必要的麻烦,请仔细阅读使用说明!";
const std::wstring missing_notice = L"未找到ConanSandboxServer.exe，请将本程序放置服务端根目录!";

// The start-up box: its title and text, shown while the window is still hidden.
std::optional<message_box> expect_startup_box(const tool_process& tool, const std::wstring& text) {
    const auto box = tool.wait_for_message_box();
    EXPECT_TRUE(box.has_value()) << "no start-up box";
    if (!box) return box;
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->text, text);
    EXPECT_FALSE(box->main_window_visible) << "the window shows only after the box";
    return box;
}

// Waits for the tool to end and fails on any further message box meanwhile.
std::optional<DWORD> exit_code_without_more_boxes(const tool_process& tool) {
    std::optional<DWORD> code;
    wait_until([&] {
        EXPECT_FALSE(tool.open_message_box().has_value()) << "a second message box";
        return (code = tool.wait_for_exit(0)).has_value();
    });
    return code;
}

std::wstring repeated(std::wstring_view part, int times) {
    std::wstring text;
    while (times-- > 0) text += part;
    return text;
}

struct server_root_case {
    const char* what;
    std::wstring folder;  // below the temporary folder
    bool server_executable_is_directory;
};

const server_root_case found_cases[] = {
    {"plain folder", L"server", false},
    {"a directory named like the server executable", L"server", true},
    // 乗 is 81 5C in code page 936; a byte-wise search would split the name there.
    {"folder with Chinese and a 5C second byte", L"服务端乗 1", false},
    // Under 260 characters but over 260 bytes in code page 936, as a Chinese
    // folder name readily is: a 260-byte module path buffer would cut it.
    {"path over 260 bytes in code page 936", repeated(L"服务器", 30) + L"\\" + repeated(L"端口", 25),
     false},
};

TEST(Startup, WithTheServerExecutableOneNoticeThenTheWindow) {
    for (const server_root_case& c : found_cases) {
        SCOPED_TRACE(c.what);
        temp_folder temp(c.folder);
        temp_folder elsewhere(L"elsewhere");
        lay_out_server_root(temp.root(), !c.server_executable_is_directory);
        if (c.server_executable_is_directory)
            std::filesystem::create_directory(temp.root() / L"ConanSandboxServer.exe");
        const auto before = files_below(temp.root());

        tool_process tool(temp.root() / L"ConanDeploy.exe", elsewhere.root());
        const auto box = expect_startup_box(tool, found_notice);
        ASSERT_TRUE(box.has_value());
        EXPECT_FALSE(box->main_window_enabled) << "the box is task-modal";
        ASSERT_TRUE(press_ok(*box));

        const HWND window = tool.wait_for_shown_window();
        ASSERT_NE(window, nullptr);
        Sleep(300);
        EXPECT_FALSE(tool.open_message_box().has_value()) << "exactly one box";
        EXPECT_EQ(list_lines(find_control(window, control::日志框)).size(), 2u) << "welcome lines only";

        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(tool.wait_for_exit(), std::optional<DWORD>(0));
        EXPECT_EQ(files_below(temp.root()), before) << "exit writes nothing";
    }
}

TEST(Startup, WithoutTheServerExecutableOneBoxThenCloseAndExitZero) {
    struct missing_case {
        const char* what;
        bool current_directory_has_one;  // the check must look beside the tool, not here
    };
    for (const missing_case c : {missing_case{"missing", false},
                                 missing_case{"only in the current directory", true}}) {
        SCOPED_TRACE(c.what);
        temp_folder temp;
        temp_folder elsewhere(L"elsewhere");
        lay_out_server_root(temp.root(), false);
        if (c.current_directory_has_one)
            std::filesystem::copy_file(built_file(L"stand_in_server.exe"),
                                       elsewhere.root() / L"ConanSandboxServer.exe");
        const auto before = files_below(temp.root());

        tool_process tool(temp.root() / L"ConanDeploy.exe", elsewhere.root());
        const auto box = expect_startup_box(tool, missing_notice);
        ASSERT_TRUE(box.has_value());
        ASSERT_TRUE(press_ok(*box));

        EXPECT_EQ(exit_code_without_more_boxes(tool), std::optional<DWORD>(0));
        EXPECT_EQ(files_below(temp.root()), before) << "nothing is written";
    }
}

}  // namespace
}  // namespace e2e
