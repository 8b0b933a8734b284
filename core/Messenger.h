#pragma once

#include "core/MessengerInterfaces.h"
#include "framework/ComPtr.h"

#include <string>

// One contact as the messenger reports it, its names in the ANSI code page.
struct MessengerContactInfo {
    std::string strSigninName;
    std::string strFriendlyName;
    long nStatusCode = 0;
};

// One self-contained exchange with the messenger client: COM for the thread
// and a new messenger object from construction, every interface released
// and COM closed at destruction. Any failure ends the exchange silently.
class MessengerSession {
public:
    MessengerSession();

    MessengerSession(const MessengerSession&) = delete;
    MessengerSession& operator=(const MessengerSession&) = delete;

    bool HasMessenger() const { return static_cast<bool>(m_pMessenger); }

    // Asks for a conversation with a contact; only the result code counts.
    HRESULT InstantMessage(const std::string& strSigninName);

    // Gets the user's contact collection; false when it cannot be had.
    bool OpenContacts();
    bool GetCount(long& nCount);
    // Reads the contact at an index; false for one that cannot be read.
    bool GetContact(long nIndex, MessengerContactInfo& info);

private:
    // In this order, so that the collection goes before the messenger and
    // COM closes last.
    CComInit m_com;
    CComPtr<IMessenger> m_pMessenger;
    CComPtr<IMessengerContacts> m_pContacts;
};
