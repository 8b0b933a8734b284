#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit codes of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;       // a file or the registry could not be used
inline constexpr int kExitInvalidInput = 2; // nothing was written

// The command-line front end: runs one command (args without the program
// name) on the contact file at strPath and returns the exit code. An edit is
// written only when the whole file it gives would be served.
int RunFrontEnd(const std::vector<std::string>& args, const std::string& strPath, std::ostream& out,
                std::ostream& err);

void PrintUsage(std::ostream& out, const std::string& strPath);
