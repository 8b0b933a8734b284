#pragma once

#include "framework/Handle.h"

#include <windows.h>

#include <string>

// A program that a test or a benchmark starts, and its process handle,
// which closes with the object; the program itself is not ended by it.
class CStartedProcess {
public:
    // Starts the command line, in strDirectory when one is given.
    explicit CStartedProcess(std::string strCommandLine, const std::string& strDirectory = "");

    // A Unix program that Wine starts has no handle: it is started all the same.
    bool Started() const { return m_bStarted; }
    DWORD Id() const { return m_dwId; }
    bool Running() const
    {
        return m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
    }
    // True once it has ended, within the time.
    bool WaitForEnd(DWORD dwTimeoutMs) const;
    // STILL_ACTIVE while it runs or when it never started.
    DWORD ExitCode() const;
    // Waits for it to end by itself, then ends it with code 99; true when it
    // ended by itself.
    bool EndWithin(DWORD dwTimeoutMs) const;

private:
    bool m_bStarted = false;
    CHandle m_process;
    DWORD m_dwId = 0;
};
