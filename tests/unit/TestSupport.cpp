#include "tests/unit/TestSupport.h"

#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "framework/MessageBox.h"
#include "framework/Sound.h"
#include "framework/WinApp.h"
#include "settings/DefaultSettings.h"

namespace {

MessageBoxRecorder* g_pRecorder = nullptr;

int RecordMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType)
{
    g_pRecorder->boxes.push_back({hOwner, pszText, pszCaption, nType});
    if (g_pRecorder->onShow)
        g_pRecorder->onShow();
    return IDOK;
}

SoundRecorder* g_pSoundRecorder = nullptr;

BOOL RecordSound(const char* pszSound, HMODULE hModule, DWORD dwFlags)
{
    g_pSoundRecorder->sounds.push_back(
        {IS_INTRESOURCE(pszSound) ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(pszSound))
                                  : std::string(pszSound),
         hModule, dwFlags});
    if (g_pSoundRecorder->onPlay)
        g_pSoundRecorder->onPlay();
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    auto* pCounter = reinterpret_cast<std::pair<const char*, int>*>(lParam);
    char className[64] = "";
    GetClassNameA(hWnd, className, sizeof(className));
    if (!pCounter->first || lstrcmpiA(className, pCounter->first) == 0)
        ++pCounter->second;
    EnumChildWindows(hWnd, CountWindow, lParam);
    return TRUE;
}

} // namespace

MessageBoxRecorder::MessageBoxRecorder()
{
    g_pRecorder = this;
    SetMessageBoxHandler(RecordMessageBox);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(nullptr);
    g_pRecorder = nullptr;
}

SoundRecorder::SoundRecorder()
{
    g_pSoundRecorder = this;
    SetPlaySoundHandler(RecordSound);
}

SoundRecorder::~SoundRecorder()
{
    SetPlaySoundHandler(nullptr);
    g_pSoundRecorder = nullptr;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int ThreadWindowCount(const char* pszClassName)
{
    std::pair<const char*, int> counter(pszClassName, 0);
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&counter));
    return counter.second;
}

void ContactTest::SetUp()
{
    RegistryTest::SetUp();
    CoInitialize(nullptr);
    DefaultSettings = DefaultSettingsData();
    g_nNextWindowIndex = 0;
    g_nCascadeTop = 0;
    g_bFirstPlacement = true;
}

void ContactTest::TearDown()
{
    theContacts.Vider();
    PumpMessages();
    CoUninitialize();
    RegistryTest::TearDown();
}

std::unique_ptr<ContactRecord> ContactTest::MakeRecord(const std::string& strSigninName,
                                                       int nStatus,
                                                       const std::string& strFriendlyName)
{
    return std::make_unique<ContactRecord>(strSigninName, strFriendlyName,
                                           static_cast<ContactStatus>(nStatus));
}

void ContactTest::WriteContactInt(const std::string& strSigninName, const char* pszName, int nValue)
{
    AfxGetApp()->WriteProfileInt(strSigninName.c_str(), pszName, nValue);
}

int ContactTest::ReadContactInt(const std::string& strSigninName, const char* pszName, int nDefault)
{
    return AfxGetApp()->GetProfileInt(strSigninName.c_str(), pszName, nDefault);
}

RECT ContactTest::WorkArea() const
{
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}
