#pragma once

#include <string_view>

// The program's own version text, set when the program is built.
std::string_view ProgramVersionText();
// The program file's name without folder and extension.
std::string_view ProgramFileName();
