#include "framework/WinApp.h"

#include "framework/AnsiText.h"
#include "framework/OleObjectFactory.h"
#include "framework/RegKey.h"
#include "framework/Wnd.h"

#include <commctrl.h>
#include <ole2.h>

namespace {

CWinApp* g_pApp = nullptr;

// The registry's longest key name, in characters.
constexpr size_t kMaxKeyNameLength = 255;

// Whether the name can be one key of the profile. An empty one would be the
// profile itself, and a backslash walks to other keys: "bob@example.com\"
// opens bob@example.com's own section.
bool IsOneKeyName(const char* pszName)
{
    const std::wstring name = AnsiToWide(pszName);
    return !name.empty() && name.size() <= kMaxKeyNameLength
           && name.find(L'\\') == std::wstring::npos;
}

} // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

int CWinApp::ExitInstance()
{
    if (m_bOleInitialized) {
        COleObjectFactory::RevokeAll();
        OleUninitialize();
        m_bOleInitialized = false;
    }
    return 0;
}

CRegKey CWinApp::GetSectionKey(const char* pszSection) const
{
    CRegKey profileKey, sectionKey;
    if (!IsOneKeyName(pszSection))
        return sectionKey;
    // One call for the profile's path, creating each key that is missing, and
    // one for the section: Wine fails an ANSI path longer than MAX_PATH.
    const std::string profilePath = "Software\\" + m_strRegistryKey + "\\" + m_strProfileName;
    if (profileKey.Create(HKEY_CURRENT_USER, profilePath.c_str()) == ERROR_SUCCESS)
        sectionKey.Create(profileKey.Get(), pszSection);
    return sectionKey;
}

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const
{
    int value = nDefault;
    CRegKey key = GetSectionKey(pszSection);
    return key.QueryInt(pszEntry, value) ? value : nDefault;
}

void CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) const
{
    CRegKey key = GetSectionKey(pszSection);
    if (key)
        key.SetDword(pszEntry, static_cast<DWORD>(nValue));
}

std::string CWinApp::GetProfileString(const char* pszSection, const char* pszEntry,
                                      const char* pszDefault) const
{
    std::string value;
    CRegKey key = GetSectionKey(pszSection);
    return key.QueryString(pszEntry, value) ? value : std::string(pszDefault);
}

void CWinApp::WriteProfileString(const char* pszSection, const char* pszEntry,
                                 const std::string& strValue) const
{
    CRegKey key = GetSectionKey(pszSection);
    if (key)
        key.SetString(pszEntry, strValue);
}

bool CWinApp::InitOle()
{
    if (!m_bOleInitialized)
        m_bOleInitialized = SUCCEEDED(OleInitialize(nullptr));
    return m_bOleInitialized;
}

void CWinApp::UnlockApp()
{
    if (--m_nLockCount > 0 || m_bUserControl)
        return;
    // Started by COM and its last client has gone: end the program.
    m_bUserControl = true;
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->DestroyWindow();
    else
        PostQuitMessage(0);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandleA(nullptr);
}

int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine ? lpCmdLine : "";

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    pApp->InitInstance();
    return pApp->ExitInstance();
}
