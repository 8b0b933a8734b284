#include "framework/CommandLine.h"

#include <windows.h>

#include <sstream>

bool HasCommandLineOption(const std::string& strCommandLine, const char* pszOption)
{
    std::istringstream words(strCommandLine);
    std::string word;
    while (words >> word)
        if (word.size() > 1 && (word[0] == '/' || word[0] == '-')
            && lstrcmpiA(word.c_str() + 1, pszOption) == 0)
            return true;
    return false;
}
