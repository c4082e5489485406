// The program's life: start-up, the run directory, the start-up check, the
// deferred close and the message loop.
#pragma once

#include <string>

int program_start();

// The folder of the tool's executable, without a trailing separator; also the
// current directory for the whole run.
const std::wstring& run_directory();

// A file or a directory of that name exists; relative names are resolved
// against the current directory.
bool file_exists(const std::wstring& name);

void main_window_created();
void check_server_root();

// Queues the main window's destruction and returns at once; the message loop
// carries it out later.
void close_main_window();
