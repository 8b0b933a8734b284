#pragma once

#include <windows.h>

// Owns one GDI object (font, pen, brush, bitmap) and deletes it.
template <typename Handle>
class CGdiObject {
public:
    explicit CGdiObject(Handle hObject = nullptr) : m_hObject(hObject) {}
    ~CGdiObject()
    {
        if (m_hObject)
            DeleteObject(m_hObject);
    }

    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle Get() const { return m_hObject; }
    explicit operator bool() const { return m_hObject != nullptr; }

private:
    Handle m_hObject;
};

using CFontHandle = CGdiObject<HFONT>;
using CPenHandle = CGdiObject<HPEN>;

// Selects an object into a device context and puts the old one back.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hOld(hObject ? SelectObject(hDC, hObject) : nullptr)
    {
    }
    ~CSelectObject()
    {
        if (m_hOld)
            SelectObject(m_hDC, m_hOld);
    }

    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// BeginPaint and EndPaint around one painting of a window.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(BeginPaint(hWnd, &m_ps)) {}
    ~CPaintDC() { EndPaint(m_hWnd, &m_ps); }

    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps = {};
    HDC m_hDC;
};

// A device context of a window (the screen for none), released when it goes.
class CWindowDC {
public:
    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetDC(hWnd)) {}
    ~CWindowDC()
    {
        if (m_hDC)
            ReleaseDC(m_hWnd, m_hDC);
    }

    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A font of the given point size in tenths, as the screen shows it: its
// character height is LOGPIXELSY x size / 720 pixels.
HFONT CreatePointFont(int nPointSize, const char* pszFaceName, HDC hDC);
