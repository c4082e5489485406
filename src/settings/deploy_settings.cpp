// Writes the six settings back. A key is rewritten only when the control's text
// differs from what its file value loads as, so an unchanged setting keeps its
// bytes (quotes, blanks, characters the window cannot show). All changes to one
// file go into one replacement of it; a file that cannot take them all is left
// whole and named in the failure box, and the other files are still written.
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/log.h"
#include "settings/profile_file.h"
#include "settings/profile_text.h"
#include "settings/settings.h"
#include "settings/settings_map.h"

namespace {

// Applies the rows of one file to its contents; false when a value cannot be written.
bool write_changes(std::string& contents, const std::vector<const setting*>& rows) {
    const bool utf8_file = values_are_utf8(contents);
    bool complete = true;
    for (const setting* row : rows) {
        const std::optional<std::string> value = value_to_deploy(
            *row, read_text(row->source), read_profile_value(contents, row->section, row->key), utf8_file);
        if (!value) continue;
        if (!fits_on_one_line(*value)) {
            complete = false;
            continue;
        }
        contents = write_profile_value(contents, row->section, row->key, *value);
    }
    return complete;
}

bool deploy_file(std::string_view file, const std::vector<const setting*>& rows) {
    const std::wstring path = settings_file_path(file);
    const std::optional<std::string> original = read_file_bytes(path);
    if (!original) return false;
    std::string contents = *original;
    if (!write_changes(contents, rows)) return false;
    return contents == *original || replace_file_bytes(path, contents);
}

}  // namespace

void deploy_settings() {
    std::string failed_files;
    for_each_file(deploy_order, [&](std::string_view file, const std::vector<const setting*>& rows) {
        if (!deploy_file(file, rows)) failed_files += "\n" + std::string(file);
    });
    if (failed_files.empty())
        append_log_line("服务器部署完毕! ");
    else
        show_message("部署失败,以下配置文件无法写入,请检查:" + failed_files);
}
