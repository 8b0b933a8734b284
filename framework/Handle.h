#pragma once

#include <windows.h>

// Owns one kernel object handle (a file, a mutex, an event) and closes it.
class CHandle {
public:
    explicit CHandle(HANDLE hHandle = nullptr) : m_hHandle(hHandle) {}
    ~CHandle() { Close(); }

    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    HANDLE Get() const { return m_hHandle; }
    explicit operator bool() const
    {
        return m_hHandle != nullptr && m_hHandle != INVALID_HANDLE_VALUE;
    }

    void Reset(HANDLE hHandle = nullptr)
    {
        Close();
        m_hHandle = hHandle;
    }

private:
    void Close()
    {
        if (*this)
            CloseHandle(m_hHandle);
        m_hHandle = nullptr;
    }

    HANDLE m_hHandle;
};
