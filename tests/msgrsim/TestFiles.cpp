#include "tests/msgrsim/TestFiles.h"

#include <windows.h>

#include <fstream>
#include <sstream>

TemporaryFile::TemporaryFile(const std::string& strPurpose)
{
    char szFolder[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, szFolder);
    m_strPath = std::string(szFolder, length < MAX_PATH ? length : 0) + "msgrsim-" + strPurpose
                + "-" + std::to_string(GetCurrentProcessId()) + ".txt";
    Remove();
}

TemporaryFile::~TemporaryFile()
{
    Remove();
}

void TemporaryFile::Write(const std::string& strBytes) const
{
    std::ofstream file(m_strPath, std::ios::binary | std::ios::trunc);
    file << strBytes;
}

std::string TemporaryFile::Read() const
{
    std::ifstream file(m_strPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void TemporaryFile::Remove() const
{
    for (const char* pszSuffix : {"", ".im.log", ".tmp"})
        DeleteFileA((m_strPath + pszSuffix).c_str());
}
