// The main window as data: every control with its kind, parent, place, size and
// initial text or items. The window edge builds the window by walking this table
// once; the test driver finds the real controls by walking it too.
//
// Places are in pixels at 96 DPI, relative to the parent: the window's client
// area, or the top-left corner of a group box for the few controls that are a
// group box's children. Texts are code page 936.
#pragma once

#include <array>
#include <span>
#include <string_view>

enum class control : int {
    窗口,
    分组框1, 标签1, 服务器名称输入框, 标签3, 管理员密码输入框, 标签5, Steam端口, 标签6, 服务器端口,
    标签4, 服务器模式下拉框, 标签2, 人数上限下拉框, 按钮1, 按钮2,
    分组框2,
    标签8, 进程列表1, 标签9, 检测间隔1, 启动监控1,
    标签10, 进程列表2, 标签11, 检测间隔2, 启动监控2,
    标签12, 进程列表3, 标签13, 检测间隔3, 启动监控3,
    标签14, 进程列表4, 标签15, 检测间隔4, 启动监控4,
    分组框3, 日志框,
    时钟1, 时钟2, 时钟3, 时钟4,
};

enum class control_kind { window, group_box, label, edit_box, combo_box, button, list_box, timer };

struct layout_row {
    control name;
    control_kind kind;
    control parent;
    int left, top, width, height;
    std::string_view text;  // title, caption or field text
    std::span<const char* const> items;
};

inline constexpr std::string_view window_title = "[Velmora]ConanExiles服务端部署工具1.1";
inline constexpr int window_width = 380, window_height = 519;
// The client area the table needs: the group boxes reach x = 369 and y = 491.
inline constexpr int client_min_width = 369, client_min_height = 491;

inline constexpr std::string_view welcome_line = "欢迎使用VelmoraConanExiles服务端部署工具1.1";
inline constexpr std::string_view contact_line = "问题反馈请联系Velmora: velmora.tools@example.com";

namespace layout_items {
inline constexpr const char* server_modes[] = {"PVP", "PVE"};
inline constexpr const char* player_limits[] = {"65", "60", "55", "50", "45", "40", "35",
                                                "30", "25", "20", "15", "10", "5"};
inline constexpr const char* intervals[] = {"60", "50", "40", "30", "20", "10"};
inline constexpr const char* log_lines[] = {welcome_line.data(), contact_line.data()};
}  // namespace layout_items

inline constexpr auto layout_table = [] {
    using enum control;
    using k = control_kind;
    namespace i = layout_items;
    return std::array{
        layout_row{分组框1, k::group_box, 窗口, 1, 2, 368, 176, "服务端部署", {}},
        layout_row{标签1, k::label, 窗口, 9, 19, 72, 16, "服务器名称：", {}},
        layout_row{服务器名称输入框, k::edit_box, 窗口, 110, 15, 246, 24, "", {}},
        layout_row{标签3, k::label, 窗口, 9, 49, 96, 16, "服务器管理密码：", {}},
        layout_row{管理员密码输入框, k::edit_box, 窗口, 110, 47, 104, 24, "", {}},
        layout_row{标签5, k::label, 窗口, 9, 79, 105, 24, "Steam服务器端口：", {}},
        layout_row{Steam端口, k::edit_box, 窗口, 110, 79, 53, 24, "", {}},
        layout_row{标签6, k::label, 窗口, 187, 79, 97, 24, "服务器端口：", {}},
        layout_row{服务器端口, k::edit_box, 窗口, 285, 79, 53, 24, "", {}},
        layout_row{标签4, k::label, 窗口, 9, 111, 96, 16, "服务器模式：", {}},
        layout_row{服务器模式下拉框, k::combo_box, 窗口, 110, 110, 56, 20, "", i::server_modes},
        layout_row{标签2, k::label, 窗口, 187, 107, 88, 24, "服务器人数上限：", {}},
        layout_row{人数上限下拉框, k::combo_box, 窗口, 285, 110, 56, 20, "", i::player_limits},
        layout_row{按钮1, k::button, 窗口, 77, 142, 96, 24, "部署", {}},
        layout_row{按钮2, k::button, 窗口, 197, 142, 96, 24, "启动服务器", {}},
        layout_row{分组框2, k::group_box, 窗口, 1, 184, 368, 152, "服务端进程监控", {}},
        layout_row{标签8, k::label, 窗口, 8, 206, 96, 16, "进程一：", {}},
        layout_row{进程列表1, k::combo_box, 窗口, 55, 205, 112, 20, "", {}},
        layout_row{标签9, k::label, 窗口, 172, 206, 60, 16, "间隔(秒)：", {}},
        layout_row{检测间隔1, k::combo_box, 分组框2, 231, 21, 72, 20, "", i::intervals},
        layout_row{启动监控1, k::button, 分组框2, 307, 19, 56, 24, "启动监控", {}},
        layout_row{标签10, k::label, 窗口, 8, 239, 48, 16, "进程二：", {}},
        layout_row{进程列表2, k::combo_box, 窗口, 55, 238, 112, 20, "", {}},
        layout_row{标签11, k::label, 窗口, 172, 239, 60, 16, "间隔(秒)：", {}},
        layout_row{检测间隔2, k::combo_box, 窗口, 232, 238, 72, 20, "", i::intervals},
        layout_row{启动监控2, k::button, 窗口, 308, 236, 56, 24, "启动监控", {}},
        layout_row{标签12, k::label, 窗口, 8, 272, 48, 16, "进程三：", {}},
        layout_row{进程列表3, k::combo_box, 窗口, 55, 271, 112, 20, "", {}},
        layout_row{标签13, k::label, 窗口, 172, 272, 60, 16, "间隔(秒)：", {}},
        layout_row{检测间隔3, k::combo_box, 窗口, 232, 271, 72, 20, "", i::intervals},
        layout_row{启动监控3, k::button, 窗口, 308, 269, 56, 24, "启动监控", {}},
        layout_row{标签14, k::label, 窗口, 8, 305, 48, 16, "进程四：", {}},
        layout_row{进程列表4, k::combo_box, 窗口, 55, 304, 112, 20, "", {}},
        layout_row{标签15, k::label, 窗口, 172, 305, 60, 16, "间隔(秒)：", {}},
        layout_row{检测间隔4, k::combo_box, 窗口, 232, 304, 72, 20, "", i::intervals},
        layout_row{启动监控4, k::button, 窗口, 308, 302, 56, 24, "启动监控", {}},
        layout_row{分组框3, k::group_box, 窗口, 1, 339, 368, 152, "日志", {}},
        layout_row{日志框, k::list_box, 分组框3, 7, 15, 352, 128, "", i::log_lines},
        layout_row{时钟1, k::timer, 窗口, 0, 0, 0, 0, "", {}},
        layout_row{时钟2, k::timer, 窗口, 0, 0, 0, 0, "", {}},
        layout_row{时钟3, k::timer, 窗口, 0, 0, 0, 0, "", {}},
        layout_row{时钟4, k::timer, 窗口, 0, 0, 0, 0, "", {}},
    };
}();

// The row of a control; the table lists every control but the window once.
constexpr const layout_row& layout_of(control name) {
    for (const layout_row& row : layout_table)
        if (row.name == name) return row;
    throw "control without a layout row";  // unreachable for table controls; a compile error in constexpr use
}
