#include "app/events.h"

#include <array>

#include "app/shell.h"
#include "settings/settings.h"

namespace {

constexpr std::array events_table{
    event_binding{control::窗口, event::created, main_window_created},
    event_binding{control::按钮1, event::clicked, deploy_settings},
};

bool events_released = false;

}  // namespace

void release_events() { events_released = true; }

void raise_event(control source, event what) {
    if (!events_released) return;
    for (const event_binding& binding : events_table)
        if (binding.source == source && binding.what == what) binding.action();
}
