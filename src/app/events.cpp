#include "app/events.h"

#include <array>

#include "app/shell.h"
#include "settings/settings.h"
#include "watchdog/watchdog.h"

namespace {

constexpr std::array events_table{
    event_binding{control::窗口, event::created, main_window_created},
    event_binding{control::按钮1, event::clicked, deploy_settings},
    event_binding{control::按钮2, event::clicked, start_server},
    event_binding{control::启动监控1, event::clicked, toggle_monitor_of<0>},
    event_binding{control::启动监控2, event::clicked, toggle_monitor_of<1>},
    event_binding{control::启动监控3, event::clicked, toggle_monitor_of<2>},
    event_binding{control::启动监控4, event::clicked, toggle_monitor_of<3>},
    event_binding{control::时钟1, event::period_elapsed, monitor_tick_of<0>},
    event_binding{control::时钟2, event::period_elapsed, monitor_tick_of<1>},
    event_binding{control::时钟3, event::period_elapsed, monitor_tick_of<2>},
    event_binding{control::时钟4, event::period_elapsed, monitor_tick_of<3>},
    event_binding{control::进程列表1, event::list_will_drop_down, refresh_process_lists},
    event_binding{control::进程列表2, event::list_will_drop_down, refresh_process_lists},
    event_binding{control::进程列表3, event::list_will_drop_down, refresh_process_lists},
    event_binding{control::进程列表4, event::list_will_drop_down, refresh_process_lists},
};

bool events_released = false;

}  // namespace

void release_events() { events_released = true; }

void raise_event(control source, event what) {
    if (!events_released) return;
    for (const event_binding& binding : events_table)
        if (binding.source == source && binding.what == what) binding.action();
}
