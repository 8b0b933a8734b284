#include "tests/support/StartedProcess.h"

CStartedProcess::CStartedProcess(std::string strCommandLine, const std::string& strDirectory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    m_bStarted =
        CreateProcessA(nullptr, &strCommandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       strDirectory.empty() ? nullptr : strDirectory.c_str(), &startup, &process);
    if (!m_bStarted)
        return;
    if (process.hThread)
        CloseHandle(process.hThread);
    m_process.Reset(process.hProcess);
    m_dwId = process.dwProcessId;
}

bool CStartedProcess::WaitForEnd(DWORD dwTimeoutMs) const
{
    return m_process && WaitForSingleObject(m_process.Get(), dwTimeoutMs) == WAIT_OBJECT_0;
}

DWORD CStartedProcess::ExitCode() const
{
    DWORD dwCode = STILL_ACTIVE;
    if (m_process)
        GetExitCodeProcess(m_process.Get(), &dwCode);
    return dwCode;
}

bool CStartedProcess::EndWithin(DWORD dwTimeoutMs) const
{
    if (WaitForEnd(dwTimeoutMs))
        return true;
    if (m_process) {
        TerminateProcess(m_process.Get(), 99);
        WaitForSingleObject(m_process.Get(), 5000);
    }
    return false;
}
