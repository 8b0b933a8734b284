// msgrsim: a stand-in for the instant messenger's COM local server, for
// development and for the end-to-end tests. One program: the server as COM
// starts it, its registration, and a command line that edits the contact
// file it serves.
#include "tools/msgrsim/ContactFile.h"
#include "tools/msgrsim/FrontEnd.h"
#include "tools/msgrsim/Server.h"

#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

// "-name" or "/name", in any case, as COM and installers spell switches.
bool IsSwitch(const std::string& strArg, const char* pszName)
{
    return strArg.size() > 1 && (strArg[0] == '-' || strArg[0] == '/')
           && lstrcmpiA(strArg.c_str() + 1, pszName) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty()) {
        if (IsSwitch(args[0], "Embedding"))
            return RunServer(std::cerr);
        if (IsSwitch(args[0], "Serve"))
            return RunServer(std::cerr, ServerLife::UntilStopped, args.size() > 1 ? args[1] : "");
        if (args[0] == "stop") {
            if (StopServedServer())
                return 0;
            std::cerr << "msgrsim: no server started with /serve is running\n";
            return 1;
        }
        if (IsSwitch(args[0], "RegServer"))
            return RegisterServer(std::cout, std::cerr);
        if (IsSwitch(args[0], "UnregServer"))
            return UnregisterServer(std::cout, std::cerr);
    }
    return RunFrontEnd(args, ContactFilePath(), std::cout, std::cerr);
}
