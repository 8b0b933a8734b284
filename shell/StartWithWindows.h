#pragma once

#include <string>

// The program's entry in the current user's Run key.
inline constexpr char RUN_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char RUN_VALUE_NAME[] = "Skylet";

// The entry's command: the program's full path, quoted; empty when the
// system cannot tell the path.
std::string ProgramRunCommand();
