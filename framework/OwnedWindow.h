#pragma once

#include <windows.h>

// Owns a window that no CWnd routes, such as a tooltip control, and
// destroys it when replaced or gone.
class COwnedWindow {
public:
    COwnedWindow() = default;
    ~COwnedWindow() { Reset(); }

    COwnedWindow(const COwnedWindow&) = delete;
    COwnedWindow& operator=(const COwnedWindow&) = delete;

    HWND Get() const { return m_hWnd; }
    explicit operator bool() const { return m_hWnd != nullptr; }

    void Reset(HWND hWnd = nullptr)
    {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
        m_hWnd = hWnd;
    }

private:
    HWND m_hWnd = nullptr;
};
