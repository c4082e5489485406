// The operations through which handlers read and change the window's controls.
// Texts are code page 936; the Win32 edge converts them at the call.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/layout.h"

std::string read_text(control name);                  // edit box, combo box
void write_text(control name, std::string_view text);  // edit box, combo box
std::string read_caption(control name);                // button
void write_caption(control name, std::string_view text);
void set_disabled(control name, bool disabled);
void set_period(control name, std::int32_t milliseconds);  // timer; 0 or less stops it
void clear_items(control name);                            // combo box: items and text
int add_item(control name, std::string_view text);         // combo box; index or -1
int add_line(control name, std::string_view text);         // list box; index or -1
