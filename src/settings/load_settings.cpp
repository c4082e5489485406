// Fills the six settings controls from the configuration files, once, when the
// main window has been created. A missing or unreadable file, section or key
// shows as the empty text; nothing is reported.
#include "settings/settings.h"

#include "app/controls.h"
#include "settings/profile_file.h"
#include "settings/profile_text.h"
#include "settings/settings_map.h"

void load_settings() {
    for_each_file(load_order, [](std::string_view file, const std::vector<const setting*>& rows) {
        const std::string contents = read_file_bytes(settings_file_path(file)).value_or("");
        for (const setting* row : rows) {
            const std::string value = read_profile_value(contents, row->section, row->key).value_or("");
            write_text(row->source, window_form(*row, value, values_are_utf8(contents)));
        }
    });
}
