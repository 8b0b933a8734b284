// StandInVoice.dll: an in-process server registered as the system's speech
// voice in the test and benchmark prefixes, where Wine's own voice speaks
// nothing. It records what it is asked to speak, and can take its time.
#include "tests/support/StandInVoice.h"

#include "framework/RegKey.h"
#include "tests/support/VoiceObject.h"

#include <sapi.h>

namespace {

HMODULE g_hModule = nullptr;

void AppendRecord(const std::string& strPath, const std::string& strLine)
{
    HANDLE hFile =
        CreateFileA(strPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(hFile, strLine.data(), static_cast<DWORD>(strLine.size()), &written, nullptr);
    CloseHandle(hFile);
}

// Until the holder lets go or ends; at once when it has done either already.
void WaitForLetGo(DWORD dwHolder)
{
    HANDLE handles[2] = {OpenEventA(SYNCHRONIZE, FALSE, StandInVoiceLetGoEvent(dwHolder).c_str()),
                         OpenProcess(SYNCHRONIZE, FALSE, dwHolder)};
    if (handles[0] && handles[1])
        WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    for (HANDLE handle : handles)
        if (handle)
            CloseHandle(handle);
}

// Read at every Speak, so that a test can change them while Skylet runs.
void Speak(void*, const wchar_t* pszText, DWORD dwFlags)
{
    CRegKey settings;
    if (settings.Open(HKEY_CURRENT_USER, kStandInVoiceKey) != ERROR_SUCCESS)
        return;
    std::string strRecord;
    if (settings.QueryString(kStandInVoiceRecord, strRecord) && !strRecord.empty())
        AppendRecord(strRecord, SpokenRecordLine(pszText, dwFlags));
    int nSpeakMs = 0;
    if (settings.QueryInt(kStandInVoiceSpeakMs, nSpeakMs) && nSpeakMs > 0)
        Sleep(static_cast<DWORD>(nSpeakMs));
    int nHolder = 0;
    if (settings.QueryInt(kStandInVoiceHeldBy, nHolder) && nHolder > 0)
        WaitForLetGo(static_cast<DWORD>(nHolder));
}

class CVoiceFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        const bool bKnown = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory);
        *ppv = bKnown ? this : nullptr;
        return bKnown ? S_OK : E_NOINTERFACE;
    }
    // One static object, as long as the DLL is loaded.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (pOuter) {
            *ppv = nullptr;
            return CLASS_E_NOAGGREGATION;
        }
        return CreateVoiceObject({nullptr, Speak, nullptr}, riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

CVoiceFactory g_factory;

std::string ClassKeyName()
{
    wchar_t szClsid[40] = L"";
    StringFromGUID2(CLSID_SpVoice, szClsid, 40);
    std::string name = "CLSID\\";
    for (const wchar_t* p = szClsid; *p; ++p)
        name += static_cast<char>(*p);
    return name + "\\InprocServer32";
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hModule = hInstance;
    return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (!IsEqualCLSID(rclsid, CLSID_SpVoice)) {
        *ppv = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return g_factory.QueryInterface(riid, ppv);
}

// Loaded for good: the voices it hands out may outlive any one check.
HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return S_FALSE;
}

// Takes the voice's class over in the prefix: every creation of the system's
// voice loads this file from then on.
HRESULT STDAPICALLTYPE DllRegisterServer()
{
    char szPath[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(g_hModule, szPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return E_FAIL;
    CRegKey server;
    if (server.Create(HKEY_CLASSES_ROOT, ClassKeyName().c_str()) != ERROR_SUCCESS
        || server.SetString(nullptr, szPath) != ERROR_SUCCESS
        || server.SetString("ThreadingModel", "Both") != ERROR_SUCCESS)
        return E_ACCESSDENIED;
    return S_OK;
}

} // extern "C"
