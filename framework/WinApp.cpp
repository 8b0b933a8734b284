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

// Opens Software\<registry key>\<profile name>\<section> under the current
// user, creating each key that is missing. A section that cannot be one key
// has none.
CRegKey OpenSectionKey(const CWinApp& app, const char* pszSection)
{
    CRegKey software, appKey, profileKey, sectionKey;
    if (!IsOneKeyName(pszSection))
        return sectionKey;
    if (software.Create(HKEY_CURRENT_USER, "Software") == ERROR_SUCCESS
        && appKey.Create(software.Get(), app.GetRegistryKey().c_str()) == ERROR_SUCCESS
        && profileKey.Create(appKey.Get(), app.GetProfileName().c_str()) == ERROR_SUCCESS)
        sectionKey.Create(profileKey.Get(), pszSection);
    return sectionKey;
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

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const
{
    int value = nDefault;
    CRegKey key = OpenSectionKey(*this, pszSection);
    return key.QueryInt(pszEntry, value) ? value : nDefault;
}

void CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) const
{
    CRegKey key = OpenSectionKey(*this, pszSection);
    if (key)
        key.SetDword(pszEntry, static_cast<DWORD>(nValue));
}

std::string CWinApp::GetProfileString(const char* pszSection, const char* pszEntry,
                                      const char* pszDefault) const
{
    std::string value;
    CRegKey key = OpenSectionKey(*this, pszSection);
    return key.QueryString(pszEntry, value) ? value : std::string(pszDefault);
}

void CWinApp::WriteProfileString(const char* pszSection, const char* pszEntry,
                                 const std::string& strValue) const
{
    CRegKey key = OpenSectionKey(*this, pszSection);
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
