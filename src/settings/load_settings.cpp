// Fills the six settings controls from the configuration files, once, when the
// main window has been created. A missing or unreadable file, section or key
// shows as the empty text; nothing is reported.
#include "settings/settings.h"

#include "app/controls.h"
#include "settings/profile_file.h"
#include "settings/profile_text.h"
#include "settings/settings_map.h"

void load_settings() {
    std::string_view file_read;
    std::string contents;
    for (const setting& row : settings_map) {
        if (row.file != file_read) {
            contents = read_file_bytes(settings_file_path(row.file)).value_or("");
            file_read = row.file;
        }
        const std::string value = read_profile_value(contents, row.section, row.key).value_or("");
        write_text(row.source, window_form(row, value, values_are_utf8(contents)));
    }
}
