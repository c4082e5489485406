// The four monitor slots as data: their controls, batch files and texts.
#pragma once

#include <array>
#include <string_view>

#include "app/layout.h"

struct slot {
    control process_list, interval_list, button, timer;
    std::string_view batch_file;  // beside the tool
    std::string_view start_line, stop_line, crash_line, restart_failed_line;
    std::string_view missing_batch_message;
};

inline constexpr std::array slot_table{
    slot{control::进程列表1, control::检测间隔1, control::启动监控1, control::时钟1, "StartServer1.bat",
         "进程一启动监控成功! ", "进程一停止监控成功! ", "检测到进程一服务端崩溃,重新启动! ",
         "进程一重新启动失败,请检查StartServer1.bat! ",
         "未找到StartServer1.bat启动文件，无法启动进程监控,请检查!"},
    slot{control::进程列表2, control::检测间隔2, control::启动监控2, control::时钟2, "StartServer2.bat",
         "进程二启动监控成功! ", "进程二停止监控成功! ", "检测到进程二服务端崩溃,重新启动! ",
         "进程二重新启动失败,请检查StartServer2.bat! ",
         "未找到StartServer2.bat启动文件，无法启动进程监控,请检查!"},
    slot{control::进程列表3, control::检测间隔3, control::启动监控3, control::时钟3, "StartServer3.bat",
         "进程三启动监控成功! ", "进程三停止监控成功! ", "检测到进程三服务端崩溃,重新启动! ",
         "进程三重新启动失败,请检查StartServer3.bat! ",
         "未找到StartServer3.bat启动文件，无法启动进程监控,请检查!"},
    slot{control::进程列表4, control::检测间隔4, control::启动监控4, control::时钟4, "StartServer4.bat",
         "进程四启动监控成功! ", "进程四停止监控成功! ", "检测到进程四服务端崩溃,重新启动! ",
         "进程四重新启动失败,请检查StartServer4.bat! ",
         "未找到StartServer4.bat启动文件，无法启动进程监控,请检查!"},
};

inline constexpr std::string_view caption_stopped = "启动监控", caption_running = "停止监控";
inline constexpr std::string_view no_name_message = "请先选择或输入要监控的进程名称!";
inline constexpr std::string_view bad_interval_message = "检测间隔无效,请选择或输入大于0的秒数!";
