#pragma once

#include "framework/MessageMap.h"

#include <windows.h>

// One window, owned by this object: its messages are routed through the
// class's message map from the first one the window receives.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();

    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object routing the messages of a window, or null.
    static CWnd* FromHandle(HWND hWnd);

    // Routes the messages of an existing window (a dialog control) here.
    void SubclassWindow(HWND hWnd);
    BOOL DestroyWindow();

    BOOL ShowWindow(int nCmdShow) const { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable) const { return ::EnableWindow(m_hWnd, bEnable); }
    // A null window would stand for the whole desktop: nothing is done then.
    BOOL Invalidate(BOOL bErase = TRUE) const
    {
        return m_hWnd && ::InvalidateRect(m_hWnd, nullptr, bErase);
    }
    BOOL RedrawWindow(UINT nFlags) const
    {
        return m_hWnd && ::RedrawWindow(m_hWnd, nullptr, nullptr, nFlags);
    }
    BOOL SetWindowPos(HWND hInsertAfter, int x, int y, int cx, int cy, UINT nFlags) const
    {
        return ::SetWindowPos(m_hWnd, hInsertAfter, x, y, cx, cy, nFlags);
    }
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    HWND GetDlgItem(int nId) const { return ::GetDlgItem(m_hWnd, nId); }
    // A message box owned by this window; a null caption means the display name.
    int MessageBox(const char* pszText, const char* pszCaption = nullptr, UINT nType = MB_OK) const;

    HWND m_hWnd = nullptr;

protected:
    virtual const MessageMap* GetMessageMap() const;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Commands from menus, accelerators and button clicks, through the message map.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Called once the window is gone and detached from this object.
    virtual void PostNcDestroy() {}

    // Default processing of the message being handled.
    LRESULT Default();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Attaches the next window this thread creates to pWnd, before its first message.
    static void HookWindowCreate(CWnd* pWnd);
    static void UnhookWindowCreate();

private:
    void Detach();
    static LRESULT CALLBACK StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                               LPARAM lParam);
    static LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
};
