#include "tests/support/StandInVoice.h"

#include "tools/msgrsim/NameEscapes.h"

#include <cstdlib>
#include <fstream>

std::string StandInVoiceLetGoEvent(DWORD dwHolder)
{
    return "SkyletStandInVoice.LetGo." + std::to_string(dwHolder);
}

std::string SpokenRecordLine(const wchar_t* pszText, DWORD dwFlags)
{
    return std::to_string(dwFlags) + "\t" + EscapeName(pszText) + "\r\n";
}

std::vector<SpokenText> ReadSpokenRecords(const std::string& strPath)
{
    std::vector<SpokenText> records;
    std::ifstream file(strPath, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        SpokenText record;
        record.dwFlags = static_cast<DWORD>(std::strtoul(line.substr(0, tab).c_str(), nullptr, 10));
        record.strText = line.substr(tab + 1);
        records.push_back(record);
    }
    return records;
}
