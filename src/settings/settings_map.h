// Where each of the six settings lives, and how its value is carried between its
// file and its control. load_settings and deploy_settings each walk this table.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/layout.h"

enum class carried_as {
    server_name,  // UTF-8 in its file, code page 936 in the window
    text,         // byte for byte
    mode,         // "True"/"False" in the file, "PVP"/"PVE" in the window
};

struct setting {
    control source;
    std::string_view file;  // relative to the tool's folder, forward slashes as they stand
    std::string_view section;
    std::string_view key;
    carried_as carried;
};

inline constexpr std::array settings_map{
    setting{control::服务器名称输入框, "/conanSandbox/config/DefaultEngine.ini", "OnlineSubsystemSteam", "ServerName", carried_as::server_name},
    setting{control::管理员密码输入框, "/conanSandbox/config/DefaultServerSettings.ini", "ServerSettings", "AdminPassword", carried_as::text},
    setting{control::服务器模式下拉框, "/conanSandbox/config/DefaultServerSettings.ini", "ServerSettings", "PVPEnabled", carried_as::mode},
    setting{control::人数上限下拉框, "/conanSandbox/config/DefaultGame.ini", "/Script/Engine.GameSession", "MaxPlayers", carried_as::text},
    setting{control::Steam端口, "/Engine/Config/BaseEngine.ini", "OnlineSubsystemSteam", "GameServerQueryPort", carried_as::text},
    setting{control::服务器端口, "/Engine/Config/BaseEngine.ini", "URL", "Port", carried_as::text},
};

// The orders in which the load and the deploy walk the map. Rows of the same
// file stand together in both, so that each file is read (and written) once.
inline constexpr std::array load_order{0, 1, 2, 3, 4, 5};
inline constexpr std::array deploy_order{0, 3, 1, 2, 4, 5};

// Calls visit(file, rows) for each run of rows of one file, in the given order.
template <class Visit>
void for_each_file(std::span<const int> order, Visit visit) {
    std::vector<const setting*> rows;
    for (size_t step = 0; step < order.size(); ++step) {
        rows.push_back(&settings_map[order[step]]);
        if (step + 1 < order.size() && settings_map[order[step + 1]].file == rows.back()->file) continue;
        visit(rows.back()->file, rows);
        rows.clear();
    }
}

// The text a control shows for a file value (the empty text for a missing one).
std::string window_form(const setting& row, std::string_view file_value, bool utf8_file);

// What the deploy writes for a control's text, or nothing when the key keeps its
// bytes: the text is what the current value already loads as, or the mode box
// holds neither "PVP" nor "PVE". A missing key is always written.
std::optional<std::string> value_to_deploy(const setting& row, std::string_view window_text,
                                           const std::optional<std::string>& file_value,
                                           bool utf8_file);
