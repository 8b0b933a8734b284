#pragma once

#include "framework/RegKey.h"

#include <windows.h>

#include <string>

class CWnd;

// The application object: identity, profile calls over the registry, the
// main window and the lock count that keeps an automation server alive.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance();

    // Settings live under HKEY_CURRENT_USER\Software\<registry key>\<profile name>.
    void SetRegistryKey(const char* pszRegistryKey) { m_strRegistryKey = pszRegistryKey; }
    void SetProfileName(const char* pszProfileName) { m_strProfileName = pszProfileName; }
    const std::string& GetRegistryKey() const { return m_strRegistryKey; }
    const std::string& GetProfileName() const { return m_strProfileName; }

    // The key of a section, opened for reading and writing and created with
    // the application and profile keys when missing. A section is one key: a
    // name that cannot be one (empty, with a backslash, over 255 characters)
    // has none.
    CRegKey GetSectionKey(const char* pszSection) const;

    // Every call opens its section's key and closes it again. Failures read
    // as absent values and writes that fail are ignored; a section without a
    // key reads as absent values and is never written.
    int GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const;
    void WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) const;
    std::string GetProfileString(const char* pszSection, const char* pszEntry,
                                 const char* pszDefault) const;
    void WriteProfileString(const char* pszSection, const char* pszEntry,
                            const std::string& strValue) const;

    // Caption of every message box whose caller gives none.
    void SetDisplayName(const char* pszName) { m_strDisplayName = pszName; }
    const std::string& GetDisplayName() const { return m_strDisplayName; }

    // Starts OLE for the rest of the run; ExitInstance ends it.
    bool InitOle();

    // Objects served to automation clients lock the application. When the
    // last goes and the user never took control, the program ends.
    void LockApp() { ++m_nLockCount; }
    void UnlockApp();
    void SetUserControl(bool bUserControl) { m_bUserControl = bUserControl; }

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";
    CWnd* m_pMainWnd = nullptr;

private:
    std::string m_strRegistryKey;
    std::string m_strProfileName;
    std::string m_strDisplayName;
    bool m_bOleInitialized = false;
    long m_nLockCount = 0;
    bool m_bUserControl = true;
};

CWinApp* AfxGetApp();
// The module that holds the program's resources.
HINSTANCE AfxGetResourceHandle();

// Runs the application object: InitInstance, then ExitInstance.
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine);
