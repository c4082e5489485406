// The run directory: the folder of the tool's own executable, which start-up
// also makes the current directory, so that every relative name is looked up
// beside the tool.
#pragma once

#include <string>
#include <string_view>

// The module path up to, not including, its last backslash: D:\Server\x.exe
// gives D:\Server, D:\x.exe gives D:, a path without a backslash gives "".
// The path is UTF-16, so no byte of a double-byte character can pass for a
// separator.
std::wstring run_directory_of(std::wstring_view module_path);

// The directory to make current. A bare drive ("D:") names the drive's own
// current directory, not its root, so it gets its backslash.
std::wstring current_directory_for(std::wstring_view run_directory);
