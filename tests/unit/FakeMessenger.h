#pragma once

#include "core/MessengerInterfaces.h"

#include <functional>
#include <string>
#include <vector>

// A messenger in the test process. While one exists it is registered as the
// messenger's class object on this thread, so that creating the messenger
// as a local server returns it directly.
class FakeMessenger {
public:
    struct Contact {
        std::wstring strSigninName;
        std::wstring strFriendlyName;
        long nStatusCode;
    };

    // The step of the exchange that fails.
    enum class Failure {
        None,
        Create,       // no messenger object
        MyContacts,   // the collection cannot be had
        NullContacts, // ... or comes back null
        NoCollection, // ... or is not a collection
        Count,
        Item,      // item FailIndex fails
        NullItem,  // ... comes back null
        NoContact, // ... is not a contact
        SigninName // ... cannot tell its sign-in name
    };

    FakeMessenger();
    ~FakeMessenger();

    FakeMessenger(const FakeMessenger&) = delete;
    FakeMessenger& operator=(const FakeMessenger&) = delete;

    void Add(const std::wstring& strSigninName, long nStatusCode,
             const std::wstring& strFriendlyName = L"");
    void SetStatus(const std::wstring& strSigninName, long nStatusCode);

    std::vector<Contact> contacts;
    Failure failure = Failure::None;
    long nFailIndex = 0;
    HRESULT hrInstantMessage = S_OK;
    std::vector<std::wstring> instantMessages; // sign-in names asked for
    int nMessengersCreated = 0;
    int nLiveObjects = 0; // messenger objects, collections and contacts not yet released
    std::function<void(long)> onItem; // runs as each item is asked for

private:
    class Factory;
    Factory* m_pFactory;
    DWORD m_dwRegister = 0;
};
