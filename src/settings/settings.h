// The two handlers of the server settings.
#pragma once

// From the created handler, after the start-up check: files to controls.
void load_settings();

// On 按钮1: controls to files, each file replaced at once with all of its changed
// keys or left whole; the log line on success, one box naming the files otherwise.
void deploy_settings();
