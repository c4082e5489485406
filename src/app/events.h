// Which event of which control runs which handler. The window edge turns Win32
// notifications into raise_event calls; nothing else calls a handler.
#pragma once

#include "app/layout.h"

enum class event { created, clicked, period_elapsed, list_will_drop_down };

struct event_binding {
    control source;
    event what;
    void (*action)();
};

// Until this is called, no handler runs: the window is built with events held back.
void release_events();
void raise_event(control source, event what);
