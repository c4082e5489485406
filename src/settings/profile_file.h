// The configuration files on disk. A file is read whole and replaced whole: the
// new contents go to a temporary file beside it, are flushed, and are renamed over
// it, so a crash or a failed write never leaves a file cut short.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The run directory followed by the relative path as it stands, forward slashes
// and all, as in D:\Server/conanSandbox/config/DefaultEngine.ini.
std::wstring settings_file_path(std::string_view relative_path);

// The file's bytes; empty when there is no such file (or folder); nothing when it
// is there but cannot be read.
std::optional<std::string> read_file_bytes(const std::wstring& path);

// False, with the file as it was, when it is read-only, its folder is missing, or
// any step fails; a file that does not exist yet is created.
bool replace_file_bytes(const std::wstring& path, std::string_view bytes);
