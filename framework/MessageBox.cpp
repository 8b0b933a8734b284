#include "framework/MessageBox.h"

#include "framework/Seam.h"
#include "framework/WinApp.h"

namespace {

CSeam<MessageBoxHandler> g_handler([](HWND hOwner, const char* pszText, const char* pszCaption,
                                      UINT nType) {
    return MessageBoxA(hOwner, pszText, pszCaption, nType);
});

} // namespace

int ShowMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType)
{
    if (!pszCaption) {
        CWinApp* pApp = AfxGetApp();
        pszCaption = pApp ? pApp->GetDisplayName().c_str() : "";
    }
    return g_handler(hOwner, pszText, pszCaption, nType);
}

int AfxMessageBox(const char* pszText, UINT nType)
{
    return ShowMessageBox(GetActiveWindow(), pszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    char text[512] = "";
    LoadStringA(AfxGetResourceHandle(), nIDPrompt, text, sizeof(text));
    return AfxMessageBox(text, nType);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return g_handler.Set(handler);
}
