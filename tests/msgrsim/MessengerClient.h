#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The HRESULT of a step that the exchange did not get to.
inline constexpr HRESULT kNotReached = E_UNEXPECTED;

// What the client read of one contact.
struct ContactReading {
    HRESULT m_hrItem = kNotReached;
    bool m_bNullItem = false;
    HRESULT m_hrQuery = kNotReached; // QueryInterface for IMessengerContact
    HRESULT m_hrSignin = kNotReached;
    HRESULT m_hrName = kNotReached;
    HRESULT m_hrStatus = kNotReached;
    std::wstring m_strSignin;
    std::wstring m_strName;
    long m_nStatus = 0;
};

// What the client read in one exchange.
struct ExchangeReading {
    HRESULT m_hrCreate = kNotReached;
    HRESULT m_hrContacts = kNotReached; // MyContacts
    bool m_bNullContacts = false;
    HRESULT m_hrQuery = kNotReached; // QueryInterface for IMessengerContacts
    HRESULT m_hrCount = kNotReached;
    long m_nCount = 0;
    std::vector<ContactReading> m_contacts; // one per index below the count
};

// One exchange with the registered messenger, step by step as Skylet makes
// it, releasing every object as it goes. It stops at the first step of the
// list that fails; a contact that fails does not stop the others.
ExchangeReading ReadContactList();

// The messenger's InstantMessage for the sign-in name, on a messenger of
// its own. bNullConversation tells whether the conversation came back null.
HRESULT AskForConversation(const std::wstring& strSignin, bool& bNullConversation);

// The ids of the running msgrsim.exe processes.
std::vector<DWORD> SimulatorProcesses();

// The Windows path of the msgrsim.exe that the build made.
std::string SimulatorPath();
// Runs msgrsim.exe with the arguments and waits for it, at most 30 s.
// Returns its exit code, or -1 when it did not start or end.
int RunSimulator(const std::string& strArguments);
