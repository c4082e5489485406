#include "app/log.h"
#include "app/shell.h"
#include "watchdog/watchdog.h"

void start_server() {
    if (run_program(run_directory() + L"\\StartServer.bat"))
        append_log_line("启动服务器成功! ");
    else
        show_message("服务器启动失败,请检查StartServer.bat是否存在!");
}
