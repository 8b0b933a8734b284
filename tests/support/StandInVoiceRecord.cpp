#include "tests/support/StandInVoice.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

std::string EscapeSpokenText(const wchar_t* pszText)
{
    std::string text;
    char escape[16];
    for (const wchar_t* p = pszText; *p; ++p) {
        const unsigned unit = static_cast<unsigned>(*p);
        if (unit == '\\')
            text += "\\\\";
        else if (unit == '\r')
            text += "\\r";
        else if (unit == '\n')
            text += "\\n";
        else if (unit == '\t')
            text += "\\t";
        else if (unit >= 0x20 && unit < 0x7F)
            text += static_cast<char>(unit);
        else {
            std::snprintf(escape, sizeof(escape), unit < 0x80 ? "\\x%02X" : "\\u{%04X}", unit);
            text += escape;
        }
    }
    return text;
}

std::string SpokenRecordLine(const wchar_t* pszText, DWORD dwFlags)
{
    return std::to_string(dwFlags) + "\t" + EscapeSpokenText(pszText) + "\r\n";
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
