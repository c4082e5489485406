// Where each of the six settings lives, and how its value is carried between its
// file and its control. load_settings and deploy_settings each walk this table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

// The load walks the map in its own order; the deploy in this one. Rows of the
// same file stand together in both.
inline constexpr std::array deploy_order{0, 3, 1, 2, 4, 5};

// The text a control shows for a file value (the empty text for a missing one).
std::string window_form(const setting& row, std::string_view file_value, bool utf8_file);

// What the deploy writes for a control's text, or nothing when the key keeps its
// bytes: the text is what the current value already loads as, or the mode box
// holds neither "PVP" nor "PVE". A missing key is always written.
std::optional<std::string> value_to_deploy(const setting& row, std::string_view window_text,
                                           const std::optional<std::string>& file_value,
                                           bool utf8_file);
