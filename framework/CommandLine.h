#pragma once

#include <string>

// Whether the command line carries the option, written "/Name" or "-Name"
// in any letter case.
bool HasCommandLineOption(const std::string& strCommandLine, const char* pszOption);
